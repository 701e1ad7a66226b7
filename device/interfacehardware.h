#pragma once

#include <QByteArray>

class InterfaceRS232;
class QuorixTSPX;
class StatusIni;

// Finds the device on COM1 to COM30, starting at the port where it answered
// last, and keeps port and protocol object open until close().
class InterfaceHardware
{
public:
    explicit InterfaceHardware(StatusIni *status);
    ~InterfaceHardware();

    InterfaceHardware(const InterfaceHardware &) = delete;
    InterfaceHardware &operator=(const InterfaceHardware &) = delete;

    // 0 when connected; otherwise the error of the last port tried (-1, -2).
    int open();
    void close();
    int getError(QByteArray &text);

    InterfaceRS232 *port = nullptr;
    QuorixTSPX *device = nullptr;

private:
    StatusIni *status;
};
