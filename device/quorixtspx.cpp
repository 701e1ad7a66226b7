#include "device/quorixtspx.h"

#include "base/log.h"
#include "device/conversion.h"
#include "device/interfacers232.h"
#include "device/protocol.h"

#include <QCoreApplication>
#include <exception>

namespace {

// Room for a typical answer line before the buffer has to grow.
constexpr int kAnswerReserve = 256;
// A read succeeded when fewer than timeout / 20 empty polls closed it.
constexpr int kSuccessIdleDivisor = 20;
// The index goes out as at least three decimal digits.
constexpr int kIndexWidth = 3;
// Written values: three decimals for floats, no padding.
constexpr int kValuePrecision = 3;

// Status texts are shown as UTF-8, so the log reads right on a UTF-8 terminal.
QByteArray translated(const char *sourceText)
{
    return QCoreApplication::translate("QTranslator", sourceText).toUtf8();
}

QByteArray indexText(int index)
{
    return intToText(uint32_t(index), 10, kIndexWidth, '0', true);
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "dMsSR005" of "dMsSR005=12.5": five letters and digits before the first
// "=", the form in which the controller names the command it answers. Empty
// for an answer of another form (accepted as it is: gauges may differ).
QByteArray commandPrefix(const QByteArray &answer)
{
    const int equals = answer.indexOf(Protocol::kWrite);
    if (equals <= Protocol::kCommandNameLength)
        return QByteArray();
    for (int i = 0; i < equals; ++i) {
        const char c = answer.at(i);
        if (i < Protocol::kCommandNameLength ? !isAsciiLetter(c) : !isAsciiDigit(c))
            return QByteArray();
    }
    return answer.left(equals);
}

// A read is answered under its own name and index; "!" and "=" only with a
// number, so any named answer then belongs to an earlier read.
bool answersAnotherCommand(const QByteArray &answer, const QByteArray &sentPrefix, char verb)
{
    const QByteArray prefix = commandPrefix(answer);
    return !prefix.isEmpty() && (verb != Protocol::kRead || prefix != sentPrefix);
}

// A result is a decimal number ("0", "-12"; blanks and a line end around it
// do not matter). Anything else, such as "READY" or the echo of the command
// from a loopback plug, is no result at all.
bool isResultNumber(const QByteArray &answer)
{
    bool ok = false;
    answer.toInt(&ok, 10);
    return ok;
}

} // namespace

QByteArray DeviceStatus::statusText() const
{
    switch (code) {
    case NotInitialised:
        return translated(QT_TRANSLATE_NOOP("QTranslator", "Gerät nicht initialisiert!"));
    case Ok:
        return translated(QT_TRANSLATE_NOOP("QTranslator", "OK"));
    case PortError:
        return translated(
            QT_TRANSLATE_NOOP("QTranslator", "Fehler beim Öffnen der Schnittstelle!"));
    case InitError:
        return translated(QT_TRANSLATE_NOOP("QTranslator", "Fehler beim Initialisieren!"));
    case DeviceError:
        return detail < unsigned(texts.size())
                   ? texts.at(int(detail))
                   : translated(QT_TRANSLATE_NOOP("QTranslator", "Fehler!"));
    default:
        return QByteArray();
    }
}

void DeviceStatus::logStatus(const QByteArray &prefix) const
{
    if (logEnabled)
        logLine(prefix + statusText());
}

QuorixTSPX::QuorixTSPX(InterfaceRS232 *port, const LinkTiming &timing)
    : port(port), m_timing(timing)
{
    m_elapsed.start();
    status = new DeviceStatus;
    if (!port)
        return;
    if (port->init(Protocol::kBaudRate, Protocol::kParity, Protocol::kDataBits, Protocol::kStopBits,
                   Protocol::kHandshake) != Protocol::kOk) {
        setStatus(DeviceStatus::PortError);
        status->logStatus("QuorixTSPX::QuorixTSPX: ");
        return;
    }
    port->clearInput();
    setStatus(DeviceStatus::Ok);
}

QuorixTSPX::~QuorixTSPX()
{
    delete status;
}

void QuorixTSPX::setClock(std::function<qint64()> milliseconds)
{
    m_clock = std::move(milliseconds);
}

qint64 QuorixTSPX::now() const
{
    return m_clock ? m_clock() : m_elapsed.elapsed();
}

void QuorixTSPX::setStatus(int code)
{
    status->code = code;
    status->detail = 0;
}

int QuorixTSPX::connect()
{
    return startOrStop(Protocol::kConnectCode, DeviceStatus::InitError, "QuorixTSPX::connect: ");
}

int QuorixTSPX::disconnect()
{
    return startOrStop(Protocol::kDisconnectCode, DeviceStatus::DeviceError,
                       "QuorixTSPX::disconnect: ");
}

int QuorixTSPX::startOrStop(int code, int failureCode, const char *logPrefix)
{
    int result = Protocol::kTimeout;
    if (status->code == DeviceStatus::Ok) {
        result = Protocol::kOk;
        if (execCommand(Protocol::kStartCom, code) != Protocol::kOk) {
            setStatus(failureCode);
            result = Protocol::kRefused;
        }
    }
    status->logStatus(logPrefix);
    return result;
}

void QuorixTSPX::writeCommandLine(const QByteArray &command, int index, char verb,
                                  const QByteArray &value)
{
    if (!port)
        return;
    // Whatever is pending now answers no command of ours.
    port->clearInput();
    port->writeChar(Protocol::kStart);
    port->writeString(command);
    port->writeString(indexText(index));
    port->writeChar(verb);
    if (verb == Protocol::kWrite)
        port->writeString(value);
    port->writeChar(Protocol::kCR);
    port->writeChar(Protocol::kLF);
}

int QuorixTSPX::resultOfCommand(const QByteArray &command, int index, char verb)
{
    QByteArray answer;
    if (readAnswerTo(command, index, verb, answer) != Protocol::kOk || !isResultNumber(answer))
        return Protocol::kNoAnswer;
    return textToInt(answer);
}

int QuorixTSPX::execCommand(const QByteArray &command, int index)
{
    // The communication mode is always ended, also after a cancel.
    if (cancelled() && command != Protocol::kStartCom)
        return Protocol::kCancelled;
    writeCommandLine(command, index, Protocol::kExecute);
    return resultOfCommand(command, index, Protocol::kExecute);
}

int QuorixTSPX::writeCommand(const QByteArray &command, int index, const QByteArray &value)
{
    if (cancelled())
        return Protocol::kCancelled;
    writeCommandLine(command, index, Protocol::kWrite, value);
    return resultOfCommand(command, index, Protocol::kWrite);
}

int QuorixTSPX::writeCommand(const QByteArray &command, int index, float value)
{
    return writeCommand(command, index, floatToText(value, kValuePrecision, 0, ' ', true));
}

int QuorixTSPX::writeCommand(const QByteArray &command, int index, int value)
{
    return writeCommand(command, index, intToText(int32_t(value), 0, ' ', true));
}

int QuorixTSPX::writeCommand(const QByteArray &command, int index, unsigned int value)
{
    return writeCommand(command, index, intToText(uint32_t(value), 10, 0, ' ', true));
}

int QuorixTSPX::readCommand(const QByteArray &command, int index, QByteArray &value)
{
    value.clear();
    if (cancelled())
        return Protocol::kCancelled;
    writeCommandLine(command, index, Protocol::kRead);
    QByteArray answer;
    if (readAnswerTo(command, index, Protocol::kRead, answer) != Protocol::kOk)
        return Protocol::kNoAnswer;
    const int equals = answer.indexOf(Protocol::kWrite);
    if (equals < 0) // the controller's error code
        return isResultNumber(answer) ? textToInt(answer) : Protocol::kNoAnswer;
    value = answer.mid(equals + 1);
    return Protocol::kOk;
}

int QuorixTSPX::readCommand(const QByteArray &command, int index, float &value)
{
    QByteArray text;
    const int result = readCommand(command, index, text);
    value = answerToFloat(text);
    return result;
}

int QuorixTSPX::readCommand(const QByteArray &command, int index, int &value)
{
    QByteArray text;
    const int result = readCommand(command, index, text);
    value = textToInt(text, 10);
    return result;
}

int QuorixTSPX::readCommand(const QByteArray &command, int index, QList<float> &values)
{
    QByteArray text;
    const int result = readCommand(command, index, text);
    QList<QByteArray> pieces;
    splitText(text, Protocol::kListSeparator, pieces);
    values.clear();
    values.reserve(pieces.size());
    for (const QByteArray &piece : pieces) {
        try {
            values.append(answerToFloat(piece));
        } catch (const std::exception &) {
            continue; // a piece that cannot be stored is left out
        }
    }
    return result;
}

bool QuorixTSPX::pollByte(char &c, int timeout, int &idleCount)
{
    c = 0;
    port->readChar(&c);
    if (c != 0) {
        idleCount = 0;
        return true;
    }
    ++idleCount;
    if (timeout >= Protocol::kPollPause)
        port->waitForInput(m_timing.pollPause);
    return false;
}

int QuorixTSPX::readAnswer(QByteArray &answer, int timeout)
{
    if (status->code == DeviceStatus::PortError)
        return Protocol::kRefused;
    if (!port)
        return Protocol::kTimeout;
    return readAnswerLine(answer, timeout, now() + m_timing.answerStartLimitMs);
}

int QuorixTSPX::readAnswerTo(const QByteArray &command, int index, char verb, QByteArray &answer)
{
    if (status->code == DeviceStatus::PortError)
        return Protocol::kRefused;
    if (!port)
        return Protocol::kTimeout;
    const qint64 startDeadline = now() + m_timing.answerStartLimitMs;
    const QByteArray sentPrefix = command + indexText(index);
    for (;;) {
        QByteArray line;
        const int result = readAnswerLine(line, m_timing.answerTimeout, startDeadline);
        if (result != Protocol::kOk)
            return result;
        if (!answersAnotherCommand(line, sentPrefix, verb)) {
            answer = line;
            return Protocol::kOk;
        }
        logLine("QuorixTSPX::readAnswer: Antwort auf " + commandPrefix(line) + " verworfen");
    }
}

int QuorixTSPX::readAnswerLine(QByteArray &answer, int timeout, qint64 startDeadline)
{
    const int idleLimit = timeout / 2;
    int idleCount = 0;
    char c = 0;
    // Everything before the start character is noise. A line that sends
    // nothing but noise must not keep the read going for ever either: neither
    // by its amount nor, at the line's pace, by its time.
    int skipped = 0;
    do {
        if (pollByte(c, timeout, idleCount) && ++skipped > Protocol::kMaxAnswerLength)
            return Protocol::kTimeout;
        if (c != Protocol::kStart && now() >= startDeadline)
            return Protocol::kTimeout;
    } while (c != Protocol::kStart && idleCount < idleLimit);

    QByteArray line;
    line.reserve(kAnswerReserve);
    do {
        if (pollByte(c, timeout, idleCount)) {
            if (line.size() >= Protocol::kMaxAnswerLength)
                return Protocol::kTimeout; // a line without end
            line.append(c);
        }
    } while (c != Protocol::kLF && idleCount < idleLimit);

    // Only a line that ended with LF leaves the idle count this low.
    if (idleCount >= timeout / kSuccessIdleDivisor)
        return Protocol::kTimeout;
    const int cr = line.indexOf(Protocol::kCR);
    answer = cr < 0 ? line : line.left(cr);
    return Protocol::kOk;
}
