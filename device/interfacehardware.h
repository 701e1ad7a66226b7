#pragma once

#include "device/linktiming.h"

#include <QByteArray>

class InterfaceRS232;
class QuorixTSPX;
class StatusIni;

// Finds the device on COM1 to COM30, starting at the port where it answered
// last, and keeps port and protocol object open until close().
class InterfaceHardware
{
public:
    explicit InterfaceHardware(StatusIni *status, const LinkTiming &timing = LinkTiming());
    ~InterfaceHardware();

    InterfaceHardware(const InterfaceHardware &) = delete;
    InterfaceHardware &operator=(const InterfaceHardware &) = delete;

    // 0 when connected; otherwise the error of the last port tried (-1, -2).
    // The status file is saved after every search.
    int open();
    // Tries the one port given by name ("COMn" or a device), without the
    // search and without touching the status file. 0, -1 or -2 as open().
    int openPort(const QByteArray &name);
    // Connects on a port the caller made and keeps (a simulated gauge in the
    // same process, say); close() leaves it to the caller. 0 as open().
    int openOn(InterfaceRS232 *callersPort);
    // Ends the communication mode and deletes device and port; safe when closed.
    void close();
    // "OK" and 0, or the device's error text and -1.
    int getError(QByteArray &text);

    // "COM" followed by the number.
    static QByteArray portName(int number);

    InterfaceRS232 *port = nullptr;
    QuorixTSPX *device = nullptr;

private:
    int startPort() const;
    // Creates the protocol object on the open port and starts the
    // communication mode; on failure the object is deleted again.
    int connectDevice();

    StatusIni *status;
    LinkTiming m_timing;
    bool m_ownsPort = true;
};
