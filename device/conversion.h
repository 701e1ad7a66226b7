#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>

// Text and number conversions of the controller protocol. All texts are
// 8-bit; numbers use the "C" format ("." as decimal point, no grouping).

// Pauses the calling thread. 0 on success; 22 (without pausing) for a request
// that is negative or of 1000 ms and more; 0 at once for 0.
int msleep(int milliseconds);

// Base form: the value as unsigned 32-bit in base 8, 16 (lower case) or 10
// (any other base), padded with `fill` to `width` (left when right-aligned).
QByteArray intToText(uint32_t value, int base, int width, char fill, bool rightAligned);
// Decimal form of a signed value; the padding goes before the sign.
QByteArray intToText(int32_t value, int width, char fill, bool rightAligned);

QByteArray floatToText(float value, int precision, int width, char fill, bool rightAligned);

// Like a stream extraction of a 32-bit int; 0 for an empty text or one that
// does not begin with a number (after white space and sign) or overflows.
int textToInt(const QByteArray &text);
// Reads an unsigned 32-bit number in the base (8, 16, else 10) and returns it
// as int (4294967295 gives -1). A leading "-" negates it modulo 2^32, as
// strtoul does ("-5" gives -5); 0 when it does not fit 32 bits.
int textToInt(const QByteArray &text, int base);

float textToFloat(const QByteArray &text);
// A measured value of an answer: as textToFloat, but the words printf gives a
// value that is no finite number ("nan", "inf", "infinity", any case, with a
// sign) read as that value, so that it is kept as the gauge sent it.
float answerToFloat(const QByteArray &text);

// Splits at every separator; no empty last piece. Returns the piece count.
int splitText(const QByteArray &text, const QByteArray &separator, QList<QByteArray> &pieces);
