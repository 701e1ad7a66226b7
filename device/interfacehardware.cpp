#include "device/interfacehardware.h"

#include "base/log.h"
#include "device/conversion.h"
#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "device/rs232win.h"

#include <exception>

namespace {

int nextPort(int number)
{
    return number % Protocol::kPortCount + 1;
}

} // namespace

InterfaceHardware::InterfaceHardware(const LinkTiming &timing) : m_timing(timing)
{
}

InterfaceHardware::~InterfaceHardware()
{
    close();
}

int InterfaceHardware::startPort(int lastPortNr)
{
    // A number outside COM1..COM30 (none yet, or a hand-edited file) starts
    // the round at COM1, so that every port is still tried once.
    return lastPortNr >= 1 && lastPortNr <= Protocol::kPortCount ? lastPortNr : 1;
}

int InterfaceHardware::open(int lastPortNr)
{
    const int start = startPort(lastPortNr);
    int number = start;
    int lastError = Protocol::kOk;
    m_connectedPortNr = 0;
    do {
        if (m_cancel && *m_cancel)
            return Protocol::kCancelled;
        lastError = openPort(portName(number));
        if (lastError == Protocol::kOk) {
            m_connectedPortNr = number;
            return Protocol::kOk;
        }
        number = nextPort(number);
    } while (number != start);
    return lastError;
}

int InterfaceHardware::openPort(const QByteArray &name)
{
    close();
    port = new RS232Win(name);
    int result = port->init(Protocol::kBaudRate, Protocol::kParity, Protocol::kDataBits,
                            Protocol::kStopBits, Protocol::kHandshake);
    if (result == Protocol::kOk) {
        result = connectDevice();
        if (result == Protocol::kOk)
            return Protocol::kOk;
    }
    delete port;
    port = nullptr;
    return result;
}

int InterfaceHardware::openOn(InterfaceRS232 *callersPort)
{
    close();
    port = callersPort;
    m_ownsPort = false;
    int result = port->init(Protocol::kBaudRate, Protocol::kParity, Protocol::kDataBits,
                            Protocol::kStopBits, Protocol::kHandshake);
    if (result == Protocol::kOk)
        result = connectDevice();
    if (result != Protocol::kOk)
        port = nullptr;
    return result;
}

QByteArray InterfaceHardware::portName(int number)
{
    return Protocol::kPortNamePrefix + intToText(int32_t(number), 0, ' ', true);
}

int InterfaceHardware::connectDevice()
{
    device = new QuorixTSPX(port, m_timing);
    device->setCancelFlag(m_cancel);
    // Ends a communication mode left over from an earlier connection.
    if (device->disconnect() == Protocol::kOk)
        msleep(m_timing.stopPause);
    int result = device->connect();
    if (result != Protocol::kOk)
        result = device->connect();
    if (result != Protocol::kOk) {
        delete device;
        device = nullptr;
    }
    return result;
}

void InterfaceHardware::close()
{
    if (device) {
        device->disconnect();
        msleep(m_timing.stopPause);
        delete device;
        device = nullptr;
    }
    if (m_ownsPort)
        delete port;
    port = nullptr;
    m_ownsPort = true;
}

int InterfaceHardware::getError(QByteArray &text)
{
    text.clear();
    try {
        if (!device || device->status->code == DeviceStatus::Ok) {
            text = "OK";
            return 0;
        }
        text = "Fehler " + device->name + ": " + device->status->statusText() + "\n";
    } catch (const std::exception &e) {
        logLine(QByteArray("InterfaceHardware::getError: Exception ") + e.what() + "!");
    }
    return -1;
}
