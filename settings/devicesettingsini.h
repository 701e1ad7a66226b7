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
    static constexpr int kCalibCount = 4;
    static constexpr int kLoadCount = 3;
    int calib[kCalibCount] = {0, 0, 0, 0};
    // "load1" to "load3" (named loadValues: load is the operation).
    double loadValues[kLoadCount] = {0.0, 0.0, 0.0};

private:
    // The store lives only during one save or load.
    void openStore(const QByteArray &filePath);
    void closeStore();

    IniStore *store = nullptr;

public:
    QByteArray fileName;
};
