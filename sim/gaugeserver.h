#pragma once

#include "sim/gaugecontroller.h"
#include "sim/simconfig.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <ctime>
#include <deque>

class Transcript;

// Serves the controller on the master side of the pseudo-terminal: splits
// the input into lines at LF, hands each line to the controller in order and
// writes the answers. One line is handled at a time, as by the real
// controller. With pacing, a line counts as received only when its bytes
// could have crossed the wire, and answers leave at wire speed. Told to
// chatter, it is another device instead: it answers nothing and sends a line
// of its own at a fixed interval.
class GaugeServer
{
public:
    GaugeServer(int masterFd, GaugeController &controller, const LinkOptions &link,
                Transcript &transcript);

    // Serves until `stopFd` becomes readable or `endFd` (-1: none) reaches its
    // end. False with a message on an I/O error.
    bool run(int stopFd, int endFd, QString &error);

    // Bytes read from and written to the line so far.
    qint64 bytesReceived() const { return m_bytesReceived; }
    qint64 bytesSent() const { return m_bytesSent; }

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
    // A talkative other device: its next line, when it is due.
    void startChatter(Clock::time_point now);
    bool writeOutput(Clock::time_point now, QString &error);
    bool outputIsDue(Clock::time_point now) const;
    Clock::time_point writableAt() const;
    // The wait until the next due line or piece in `wait`; null for none.
    const timespec *pollTimeout(Clock::time_point now, timespec &wait) const;
    static Clock::duration wireTime(qint64 bytes);
    // Whole bytes the wire carries in `time`.
    static qint64 bytesOnWire(Clock::duration time);

    int m_master;
    GaugeController &m_controller;
    LinkOptions m_link;
    Transcript &m_transcript;
    QByteArray m_partialLine;
    std::deque<ReceivedLine> m_lines;
    Output m_output;
    Clock::time_point m_nextChatter;
    Clock::time_point m_receiveFreeAt;
    Clock::time_point m_sendFreeAt;
    int m_linesTaken = 0;
    // The line of LinkOptions::exitAt has arrived.
    bool m_unplugged = false;
    qint64 m_bytesReceived = 0;
    qint64 m_bytesSent = 0;
};
