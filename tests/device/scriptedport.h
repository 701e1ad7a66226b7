#pragma once

#include "base/log.h"
#include "device/interfacers232.h"

#include <QList>
#include <deque>

// Collects the log lines written while it lives.
struct LogCapture
{
    LogCapture() : old(setLogSink([this](const QByteArray &line) { lines.append(line); })) {}
    ~LogCapture() { setLogSink(old); }
    QList<QByteArray> lines;
    LogSink old;
};

// A port that plays a script: records every write call ("c:" + byte for
// writeChar, "s:" + text for writeString), hands out queued bytes one per poll,
// can stay silent for some polls or send one byte for ever. waitForInput
// never sleeps; it only counts.
class ScriptedPort : public InterfaceRS232
{
public:
    void writeChar(char c) override
    {
        writes.append("c:" + QByteArray(1, c));
        written += c;
    }
    void writeString(const QByteArray &text) override
    {
        writes.append("s:" + text);
        written += text;
    }
    void readChar(char *c) override
    {
        ++reads;
        *c = 0;
        if (m_script.empty())
            return;
        Run &run = m_script.front();
        if (run.byte >= 0) {
            *c = char(run.byte);
            ++served;
        }
        if (run.count > 0 && --run.count == 0)
            m_script.pop_front();
    }
    void readString(QByteArray *text, int) override { text->clear(); }
    uint32_t size() override { return 0; }
    void clearInput() override
    {
        ++clears;
        while (!m_script.empty() && m_script.front().byte >= 0 && m_script.front().count > 0)
            m_script.pop_front();
    }
    bool flush() override { return true; }
    int init(int baud, int parity, int dataBits, int stopBits, int handshake) override
    {
        initArgs = {baud, parity, dataBits, stopBits, handshake};
        return initResult;
    }
    void waitForInput(int ms) override { waits.append(ms); }

    void queue(const QByteArray &bytes)
    {
        for (char c : bytes)
            m_script.push_back({static_cast<unsigned char>(c), 1});
    }
    // `count` times the byte `c`; a negative count sends it for ever.
    void queueRepeated(char c, long long count)
    {
        m_script.push_back({static_cast<unsigned char>(c), count});
    }
    void queueSilence(int polls) { m_script.push_back({-1, polls}); }

    QByteArray written;
    QList<QByteArray> writes;
    QList<int> initArgs, waits;
    int initResult = 0, clears = 0, reads = 0;
    long long served = 0;

private:
    struct Run
    {
        int byte;        // -1: a silent poll
        long long count; // negative: never runs out
    };
    std::deque<Run> m_script;
};
