#pragma once

#include <QByteArray>

class IniStore;

// One set of device settings, saved to and loaded from an INI file whose
// path each call names.
class DeviceSettingsIni
{
public:
    DeviceSettingsIni();
    ~DeviceSettingsIni();

    DeviceSettingsIni(const DeviceSettingsIni &) = delete;
    DeviceSettingsIni &operator=(const DeviceSettingsIni &) = delete;

    int save(const QByteArray &filePath);
    int load(const QByteArray &filePath);

    QByteArray unusedText1;
    QByteArray hwVersion;
    QByteArray language = "en";
    QByteArray unusedText2;
    QByteArray unusedText3;
    int dateFormat = 0;
    int measTime = 5;
    int forceUnit = 0;
    int timeout = 60;
    int calib[4] = {0, 0, 0, 0};
    // "load1" to "load3" (named loadValues: load is the operation).
    double loadValues[3] = {0.0, 0.0, 0.0};

private:
    IniStore *store = nullptr;

public:
    QByteArray fileName;
};
