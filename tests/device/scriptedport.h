#pragma once

#include "device/interfacers232.h"
#include "logcapture.h"

#include <QList>
#include <deque>
#include <functional>

// A port that plays a script: records every write call ("c:" + byte for
// writeChar, "s:" + text for writeString), hands out queued bytes one per poll,
// can stay silent for some polls or send one byte for ever. queue() puts bytes
// on the line at once; reply() and afterCommand() script what the device does
// once the next command line has been written (its LF), as a device answers.
// A loopback plug sends every written byte back. waitForInput never sleeps:
// it counts, and moves the line's clock on by the pause asked for; each byte
// served takes `byteMs` on that clock.
class ScriptedPort : public InterfaceRS232
{
public:
    void writeChar(char c) override
    {
        writes.append("c:" + QByteArray(1, c));
        written += c;
        sent(QByteArray(1, c));
    }
    void writeString(const QByteArray &text) override
    {
        writes.append("s:" + text);
        written += text;
        sent(text);
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
            clockMs += byteMs;
        }
        if (run.count > 0 && --run.count == 0)
            m_script.pop_front();
    }
    void readString(QByteArray *text, int) override { text->clear(); }
    uint32_t size() override { return 0; }
    // Drops the bytes that have arrived: up to a silence or an endless run.
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
    void waitForInput(int ms) override
    {
        waits.append(ms);
        clockMs += ms;
    }

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
    // Runs `script` once the next command line has been written.
    void afterCommand(std::function<void()> script) { m_afterCommand.push_back(std::move(script)); }
    // The device's answer to the next command.
    void reply(const QByteArray &bytes)
    {
        afterCommand([this, bytes] { queue(bytes); });
    }
    // The line's clock for QuorixTSPX::setClock().
    std::function<qint64()> clock()
    {
        return [this] { return qint64(clockMs); };
    }

    QByteArray written;
    QList<QByteArray> writes;
    QList<int> initArgs, waits;
    int initResult = 0, clears = 0, reads = 0;
    long long served = 0;
    bool loopback = false;
    double clockMs = 0, byteMs = 0;

private:
    void sent(const QByteArray &bytes)
    {
        if (loopback)
            queue(bytes);
        if (bytes.endsWith('\n') && !m_afterCommand.empty()) {
            const std::function<void()> script = m_afterCommand.front();
            m_afterCommand.pop_front();
            script();
        }
    }

    struct Run
    {
        int byte;        // -1: a silent poll
        long long count; // negative: never runs out
    };
    std::deque<Run> m_script;
    std::deque<std::function<void()>> m_afterCommand;
};
