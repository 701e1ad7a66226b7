#include "device/rs232win.h"

#include "base/log.h"
#include "device/protocol.h"
#include "settings/settingspaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPort>

namespace {

// Writes block until the bytes have left, but never longer than this, so that
// a stalled port cannot hang the program.
constexpr int kWriteTimeoutMs = 1000;
// readString with maxLength 0 reads this many bytes at most.
constexpr int kDefaultReadLength = 255;
// Pending input is dropped in pieces of this size.
constexpr int kDropChunk = 64 * 1024;

// Linux device families that COM1-COM10, COM11-COM20 and COM21-COM30 stand for.
constexpr int kPortsPerFamily = 10;
constexpr const char *kLinuxPortFamilies[] = {"/dev/ttyUSB", "/dev/ttyACM", "/dev/ttyS"};

// The n of "COMn" for n = 1..30 written without leading zeros; 0 otherwise.
int comPortNumber(const QByteArray &portName)
{
    const QByteArray prefix(Protocol::kPortNamePrefix);
    if (!portName.startsWith(prefix))
        return 0;
    const QByteArray digits = portName.mid(prefix.size());
    if (digits.isEmpty() || digits.size() > 2 || digits.startsWith('0'))
        return 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
    }
    const int number = digits.toInt();
    return number <= Protocol::kPortCount ? number : 0;
}

QByteArray settingsText(int baudRate, int parity, int dataBits, int stopBits, int handshake)
{
    QByteArray text;
    for (int value : {baudRate, parity, dataBits, stopBits, handshake})
        text += QByteArray::number(value);
    return text;
}

QSerialPort::Parity parityFor(int parity)
{
    switch (parity) {
    case 1:
        return QSerialPort::EvenParity;
    case 2:
        return QSerialPort::OddParity;
    case 3:
        return QSerialPort::MarkParity;
    case 4:
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

QSerialPort::FlowControl flowControlFor(int handshake)
{
    switch (handshake) {
    case 1:
        return QSerialPort::SoftwareControl;
    case 2:
        return QSerialPort::HardwareControl;
    default:
        return QSerialPort::NoFlowControl;
    }
}

bool isValidDataBits(int dataBits)
{
    return dataBits >= QSerialPort::Data5 && dataBits <= QSerialPort::Data8;
}

// The device a port entry leads to. Programs lock a serial port under its
// device name, and for root that lock is all that keeps a second program
// off a port in use, so the port is opened under that name, not the link's.
QString deviceLocation(const QString &location)
{
    const QString device = QFileInfo(location).canonicalFilePath();
    return device.isEmpty() ? location : device;
}

} // namespace

QString systemPortLocation(const QByteArray &portName)
{
    const int number = comPortNumber(portName);
    if (number == 0)
        return QString::fromLatin1(portName);
    const QFileInfo entry(QDir(portsFolder()).filePath(QString::fromLatin1(portName)));
    // A dangling link still names the port: opening it then fails, as it
    // should for a port that is not there.
    if (entry.isSymLink() || entry.exists())
        return entry.absoluteFilePath();
#ifdef Q_OS_LINUX
    const int family = (number - 1) / kPortsPerFamily;
    return QString::fromLatin1(kLinuxPortFamilies[family]) +
           QString::number((number - 1) % kPortsPerFamily);
#else
    return QString::fromLatin1(portName);
#endif
}

RS232Win::RS232Win(const QByteArray &portName) : portName(portName), m_port(new QSerialPort)
{
    m_port->setPortName(deviceLocation(systemPortLocation(portName)));
    isOpen = m_port->open(QIODevice::ReadWrite);
    if (!isOpen)
        logLine("RS232 kann nicht geöffnet werden! " + portName);
}

RS232Win::~RS232Win()
{
    delete m_port;
}

bool RS232Win::isUsable() const
{
    return isOpen && m_port->error() != QSerialPort::ResourceError;
}

void RS232Win::writeBytes(const char *data, int length)
{
    if (!isUsable())
        return;
    m_port->write(data, length);
    m_port->waitForBytesWritten(kWriteTimeoutMs);
}

void RS232Win::pullPendingInput()
{
    // Without an event loop QSerialPort takes bytes from the driver only here.
    if (m_port->bytesAvailable() == 0 && isUsable())
        m_port->waitForReadyRead(0);
}

void RS232Win::writeChar(char c)
{
    writeBytes(&c, 1);
}

void RS232Win::writeString(const QByteArray &text)
{
    const int nul = text.indexOf('\0');
    writeBytes(text.constData(), nul < 0 ? text.size() : nul);
}

void RS232Win::readChar(char *c)
{
    if (!isOpen)
        return;
    pullPendingInput();
    if (!m_port->getChar(c))
        *c = 0;
}

void RS232Win::readString(QByteArray *text, int maxLength)
{
    text->clear();
    if (!isOpen)
        return;
    pullPendingInput();
    const QByteArray bytes = m_port->read(maxLength > 0 ? maxLength : kDefaultReadLength);
    const int nul = bytes.indexOf('\0');
    *text = nul < 0 ? bytes : bytes.left(nul);
}

uint32_t RS232Win::size()
{
    return isOpen ? uint32_t(m_port->bytesAvailable()) : 0;
}

void RS232Win::clearInput()
{
    if (!isOpen)
        return;
    qint64 dropped = 0;
    while (dropped < Protocol::kMaxAnswerLength) {
        pullPendingInput();
        const qint64 length = m_port->read(kDropChunk).size();
        if (length == 0)
            break;
        dropped += length;
    }
}

bool RS232Win::flush()
{
    if (!isUsable())
        return false;
    if (m_port->bytesToWrite() > 0)
        m_port->waitForBytesWritten(kWriteTimeoutMs);
    return m_port->bytesToWrite() == 0;
}

int RS232Win::init(int baudRate, int parity, int dataBits, int stopBits, int handshake)
{
    if (!isOpen)
        return Protocol::kTimeout;
    const QByteArray numbers = settingsText(baudRate, parity, dataBits, stopBits, handshake);
    if (!configure(baudRate, parity, dataBits, stopBits, handshake)) {
        logLine("RS232 kann nicht konfiguriert werden! " + portName + " (" + numbers + ")");
        isOpen = false;
        return Protocol::kRefused;
    }
    logLine("Init RS232: " + portName + numbers);
    return Protocol::kOk;
}

bool RS232Win::configure(int baudRate, int parity, int dataBits, int stopBits, int handshake)
{
    if (!isValidDataBits(dataBits))
        return false;
    const bool configured =
        m_port->setBaudRate(baudRate) && m_port->setDataBits(QSerialPort::DataBits(dataBits)) &&
        m_port->setParity(parityFor(parity)) &&
        m_port->setStopBits(stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        m_port->setFlowControl(flowControlFor(handshake));
    if (!configured)
        return false;
    // Lines that cannot be driven (a pseudo-terminal has none, and RTS belongs
    // to the hardware handshake) are no reason to give up the port.
    m_port->setDataTerminalReady(true);
    m_port->setRequestToSend(true);
    m_port->clearError();
    return true;
}

void RS232Win::waitForInput(int milliseconds)
{
    if (!isUsable() || m_port->bytesAvailable() > 0)
        return;
    m_port->waitForReadyRead(qMax(0, milliseconds));
}
