#pragma once

#include "device/linktiming.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <atomic>
#include <functional>

class InterfaceRS232;

// The device's status: a code with a translated text ("QTranslator" context).
struct DeviceStatus
{
    enum Code
    {
        NotInitialised = 0,
        Ok = 1,
        PortError = 2,
        InitError = 3,
        DeviceError = 4,
    };

    int code = NotInitialised;
    unsigned int detail = 0;
    QList<QByteArray> texts;
    bool logEnabled = true;

    QByteArray statusText() const;
    void logStatus(const QByteArray &prefix) const;
};

// Marks a device reached over a serial port.
class DeviceRS232
{
public:
    virtual ~DeviceRS232() = default;
};

// The device's state: its status record and a name (never set by the system).
class Device
{
public:
    DeviceStatus *status = nullptr;
    QByteArray name;
};

// The controller protocol: frames commands, writes them through the port,
// polls for the answer line and converts answers. Pending input is dropped
// before each command, and an answer that names another command is dropped
// too, so one late or repeated answer cannot shift the answers after it. The
// port belongs to the creator and must outlive this object.
class QuorixTSPX : public Device, public DeviceRS232
{
public:
    explicit QuorixTSPX(InterfaceRS232 *port, const LinkTiming &timing = LinkTiming());
    ~QuorixTSPX() override;

    QuorixTSPX(const QuorixTSPX &) = delete;
    QuorixTSPX &operator=(const QuorixTSPX &) = delete;

    int connect();
    int disconnect();

    int execCommand(const QByteArray &command, int index);
    int writeCommand(const QByteArray &command, int index, const QByteArray &value);
    int writeCommand(const QByteArray &command, int index, float value);
    int writeCommand(const QByteArray &command, int index, int value);
    int writeCommand(const QByteArray &command, int index, unsigned int value);

    int readCommand(const QByteArray &command, int index, QByteArray &value);
    int readCommand(const QByteArray &command, int index, float &value);
    int readCommand(const QByteArray &command, int index, int &value);
    int readCommand(const QByteArray &command, int index, QList<float> &values);

    // One answer line: 0, -1 (time-out, over-long line, or no "#" within
    // Protocol::kAnswerStartLimitMs) or -2 (port error).
    int readAnswer(QByteArray &answer, int timeout);

    // The clock that bounds the wait for the start of an answer, in
    // milliseconds; a monotonic one unless replaced (tests give the time of
    // their scripted line).
    void setClock(std::function<qint64()> milliseconds);
    // Once `flag` is set, every command but the start and stop of the
    // communication mode fails with kCancelled without going out. Not owned.
    void setCancelFlag(const std::atomic<bool> *flag) { m_cancel = flag; }

private:
    bool cancelled() const { return m_cancel && *m_cancel; }
    void setStatus(int code);
    void writeCommandLine(const QByteArray &command, int index, char verb,
                          const QByteArray &value = QByteArray());
    // Reads the answer of an "!" or "=" command: its number, or -99.
    int resultOfCommand(const QByteArray &command, int index, char verb);
    // The answer to the command just written; answers naming another command
    // are dropped while the time for the answer's start runs on.
    int readAnswerTo(const QByteArray &command, int index, char verb, QByteArray &answer);
    int readAnswerLine(QByteArray &answer, int timeout, qint64 startDeadline);
    qint64 now() const;
    int startOrStop(int code, int failureCode, const char *logPrefix);
    // One poll of the port; after an empty one it pauses (ended early by input).
    bool pollByte(char &c, int timeout, int &idleCount);

    InterfaceRS232 *port;
    const std::atomic<bool> *m_cancel = nullptr;
    LinkTiming m_timing;
    QElapsedTimer m_elapsed;
    std::function<qint64()> m_clock;
};
