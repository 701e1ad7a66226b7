#pragma once

#include "device/interfacers232.h"

#include <QByteArray>

// A port that serves a fixed byte stream, one byte per readChar. Once the
// bytes are used up it reads as silence; a NUL byte in the stream looks like
// silence too, as on the real port. waitForInput returns at once, so an idle
// time-out costs only its polls.
class FuzzPort : public InterfaceRS232
{
public:
    explicit FuzzPort(const QByteArray &input, int initResult = 0)
        : m_input(input), m_initResult(initResult)
    {
    }

    void writeChar(char c) override { written += c; }
    void writeString(const QByteArray &text) override { written += text; }
    void readChar(char *c) override
    {
        ++polls;
        *c = m_pos < m_input.size() ? m_input.at(m_pos++) : 0;
    }
    void readString(QByteArray *text, int) override { text->clear(); }
    uint32_t size() override { return uint32_t(m_input.size() - m_pos); }
    void clearInput() override {}
    bool flush() override { return true; }
    int init(int, int, int, int, int) override { return m_initResult; }
    void waitForInput(int) override { ++waits; }

    // Bytes handed out so far.
    int consumed() const { return m_pos; }
    int remaining() const { return m_input.size() - m_pos; }

    QByteArray written;
    int polls = 0;
    int waits = 0;

private:
    QByteArray m_input;
    int m_pos = 0;
    int m_initResult;
};
