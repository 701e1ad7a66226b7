#pragma once

#include <QByteArray>
#include <cstdint>

// The serial port as the protocol sees it. Every read returns at once with
// what is pending; waiting and time-outs are the caller's.
class InterfaceRS232
{
public:
    virtual ~InterfaceRS232() = default;

    virtual void writeChar(char c) = 0;
    // Writes the bytes up to (not including) the first NUL.
    virtual void writeString(const QByteArray &text) = 0;
    // One pending byte, or 0 when none is pending. Untouched on a closed port.
    virtual void readChar(char *c) = 0;
    // Up to maxLength pending bytes (255 when 0), cut at the first NUL.
    virtual void readString(QByteArray *text, int maxLength) = 0;
    virtual uint32_t size() = 0;
    // Drops all pending input, at most Protocol::kMaxAnswerLength bytes (so a
    // line that never stops cannot keep it going).
    virtual void clearInput() = 0;
    virtual bool flush() = 0;
    // 0 on success, -1 on a port that is not open, -2 when it cannot be configured.
    virtual int init(int baudRate, int parity, int dataBits, int stopBits, int handshake) = 0;

    // Waits at most `milliseconds` for input; returns as soon as a byte is
    // pending. The protocol's pause after an empty poll.
    virtual void waitForInput(int milliseconds) = 0;
};
