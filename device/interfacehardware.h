#pragma once

#include "device/linktiming.h"

#include <QByteArray>
#include <atomic>

class InterfaceRS232;
class QuorixTSPX;

// Finds the device on COM1 to COM30, starting at the port where it answered
// last, and keeps port and protocol object open until close(). Which port
// answered is the caller's to keep.
class InterfaceHardware
{
public:
    explicit InterfaceHardware(const LinkTiming &timing = LinkTiming());
    ~InterfaceHardware();

    InterfaceHardware(const InterfaceHardware &) = delete;
    InterfaceHardware &operator=(const InterfaceHardware &) = delete;

    // Tries COM1..COM30 in a ring from `lastPortNr` (COM1 when it is none of
    // them). 0 when connected; otherwise the error of the last port tried (-1, -2).
    int open(int lastPortNr);
    // The number of the port that answered the last search; 0 after none.
    int connectedPortNr() const { return m_connectedPortNr; }
    // Tries the one port given by name ("COMn" or a device), without the
    // search. 0, -1 or -2 as open().
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

    // A cancelled search stops before the next port (see QuorixTSPX). Not owned.
    void setCancelFlag(const std::atomic<bool> *flag) { m_cancel = flag; }

private:
    static int startPort(int lastPortNr);
    // Creates the protocol object on the open port and starts the
    // communication mode; on failure the object is deleted again.
    int connectDevice();

    LinkTiming m_timing;
    int m_connectedPortNr = 0;
    bool m_ownsPort = true;
    const std::atomic<bool> *m_cancel = nullptr;
};
