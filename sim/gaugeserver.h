#pragma once

#include "sim/gaugecontroller.h"
#include "sim/simconfig.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <deque>

class Transcript;

// Serves the controller on the master side of the pseudo-terminal: splits
// the input into lines at LF, hands each line to the controller in order and
// writes the answers. One line is handled at a time, as by the real
// controller. With pacing, a line counts as received only when its bytes
// could have crossed the wire, and answers leave at wire speed.
class GaugeServer
{
public:
    GaugeServer(int masterFd, GaugeController &controller, const LinkOptions &link,
                Transcript &transcript);

    // Serves until `stopFd` becomes readable or `endFd` (-1: none) reaches its
    // end. False with a message on an I/O error.
    bool run(int stopFd, int endFd, QString &error);

private:
    using Clock = std::chrono::steady_clock;

    struct ReceivedLine
    {
        Clock::time_point due;
        QByteArray line;
    };

    // The answer being written: its bytes, then filler bytes of an endless answer.
    struct Output
    {
        QByteArray bytes;
        qint64 fillerBytes = 0;
        qint64 sent = 0;
        Clock::time_point notBefore;

        qint64 total() const { return bytes.size() + fillerBytes; }
        bool isPending() const { return sent < total(); }
        QByteArray nextChunk(int maxLength) const;
    };

    // Reads what is there (and drops it); true at the end of the input.
    static bool hasEnded(int fd);
    bool readInput(Clock::time_point now, QString &error);
    void takeBytes(const char *data, int length, Clock::time_point now);
    void handleDueLines(Clock::time_point now);
    bool writeOutput(Clock::time_point now, QString &error);
    bool outputIsDue(Clock::time_point now) const;
    Clock::time_point writableAt() const;
    int pollTimeoutMs(Clock::time_point now) const;
    static Clock::duration wireTime(qint64 bytes);

    int m_master;
    GaugeController &m_controller;
    LinkOptions m_link;
    Transcript &m_transcript;
    QByteArray m_partialLine;
    std::deque<ReceivedLine> m_lines;
    Output m_output;
    Clock::time_point m_receiveFreeAt;
    Clock::time_point m_sendFreeAt;
};
