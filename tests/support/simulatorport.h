#pragma once

#include "device/interfacers232.h"
#include "sim/gaugecontroller.h"

#include <QByteArray>
#include <QList>

// A serial port with the gauge's controller behind it, in the same process:
// written bytes are cut into lines at LF and answered at once, the answers
// wait to be read. Nothing can arrive while the caller waits, so waiting for
// input returns at once and a silent gauge costs no time. Delay and pacing
// belong to tspx-sim on a pseudo-terminal and do not exist here.
class SimulatorPort : public InterfaceRS232
{
public:
    explicit SimulatorPort(GaugeMemory memory, FaultOptions faults = FaultOptions());

    void writeChar(char c) override;
    void writeString(const QByteArray &text) override;
    void readChar(char *c) override;
    void readString(QByteArray *text, int maxLength) override;
    uint32_t size() override;
    void clearInput() override;
    bool flush() override { return true; }
    int init(int baudRate, int parity, int dataBits, int stopBits, int handshake) override;
    void waitForInput(int) override {}

    GaugeController &controller() { return m_controller; }
    // Every byte written to the port, in order.
    QByteArray written() const { return m_written; }
    // The command lines the controller received, without CR and LF.
    QList<QByteArray> receivedLines() const { return m_lines; }
    // What init() answers from now on (0: configured).
    void setInitResult(int result) { m_initResult = result; }
    // Puts bytes into the input as if they had arrived on the line.
    void inject(const QByteArray &bytes);

private:
    void take(char c);
    void queue(const GaugeReply &reply);
    bool refill();
    qint64 pending() const;

    GaugeController m_controller;
    QByteArray m_written;
    QByteArray m_line;
    QList<QByteArray> m_lines;
    QByteArray m_input;
    int m_readPos = 0;
    qint64 m_fillerLeft = 0;
    qint64 m_fillerOffset = 0;
    int m_initResult = 0;
};
