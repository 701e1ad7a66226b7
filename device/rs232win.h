#pragma once

#include "device/interfacers232.h"

#include <QString>

class QSerialPort;

// The serial port behind InterfaceRS232, driven by QSerialPort. Opens the
// port exclusively at construction; a port that cannot be opened logs one
// line and stays closed (init() then returns -1). Writes block until the bytes
// have left (bounded); reads return at once with what is pending.
class RS232Win : public InterfaceRS232
{
public:
    explicit RS232Win(const QByteArray &portName);
    ~RS232Win() override;

    RS232Win(const RS232Win &) = delete;
    RS232Win &operator=(const RS232Win &) = delete;

    void writeChar(char c) override;
    void writeString(const QByteArray &text) override;
    void readChar(char *c) override;
    void readString(QByteArray *text, int maxLength) override;
    uint32_t size() override;
    void clearInput() override;
    bool flush() override;
    int init(int baudRate, int parity, int dataBits, int stopBits, int handshake) override;
    void waitForInput(int milliseconds) override;

    bool isOpen = false;
    QByteArray portName;

private:
    // Open and not broken off (an unplugged device reports a resource error).
    bool isUsable() const;
    void writeBytes(const char *data, int length);
    void pullPendingInput();
    bool configure(int baudRate, int parity, int dataBits, int stopBits, int handshake);

    QSerialPort *m_port;
};

// The device a port name stands for: "COMn" (n = 1..30) is first looked up as
// an entry ports/COMn in the settings folder; otherwise, on Linux, COM1-COM10
// are /dev/ttyUSB0-9, COM11-COM20 /dev/ttyACM0-9, COM21-COM30 /dev/ttyS0-9.
// On Windows and for other names the name itself.
QString systemPortLocation(const QByteArray &portName);
