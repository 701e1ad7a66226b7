#pragma once

#include <QByteArray>
#include <QList>

// The samples as stored: each float32 in little-endian byte order, exactly as
// received, so that reading back gives the same bits on any machine.
QByteArray samplesToBlob(const QList<float> &forces);
// False (and `forces` empty) when the length is not a multiple of four.
bool samplesFromBlob(const QByteArray &blob, QList<float> &forces);
// The samples' part of a measurement's identity: SHA-256 of the blob.
QByteArray samplesHash(const QByteArray &blob);
