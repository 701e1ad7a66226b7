#include "settings/devicesettingsini.h"

#include "base/log.h"
#include "settings/inistore.h"
#include "settings/settingspaths.h"

#include <QByteArray>

namespace {

QByteArray calibKey(int i)
{
    return "calib" + QByteArray::number(i);
}

QByteArray loadKey(int i)
{
    return "load" + QByteArray::number(i + 1);
}

} // namespace

DeviceSettingsIni::DeviceSettingsIni() = default;

DeviceSettingsIni::~DeviceSettingsIni()
{
    delete store;
}

int DeviceSettingsIni::save(const QByteArray &filePath)
{
    openStore(filePath);
    int result = store->writeText("hwVersion", hwVersion);
    result += store->writeText("language", language);
    result += store->writeInt("dateFormat", dateFormat);
    result += store->writeInt("measTime", measTime);
    result += store->writeInt("forceUnit", forceUnit);
    result += store->writeInt("timeout", timeout);
    for (int i = 0; i < kCalibCount; ++i)
        result += store->writeLong(calibKey(i), calib[i]);
    for (int i = 0; i < kLoadCount; ++i)
        result += store->writeDouble(loadKey(i), loadValues[i]);
    result += store->sync();
    if (result == 0)
        logLine("Save DeviceSettingsIni '" + filePath + "': OK");
    closeStore();
    return result;
}

int DeviceSettingsIni::load(const QByteArray &filePath)
{
    openStore(filePath);
    int result = 0;
    if (!isReadableFile(filePath)) {
        logLine("Load DeviceSettingsIni '" + filePath + "': nicht gefunden! Lade Defaultwerte!!");
        result = kDefaultsInForce;
    }
    result += store->readText("hwVersion", hwVersion, hwVersion);
    result += store->readText("language", language, language);
    result += store->readInt("dateFormat", dateFormat, dateFormat);
    result += store->readInt("measTime", measTime, measTime);
    result += store->readInt("forceUnit", forceUnit, forceUnit);
    result += store->readInt("timeout", timeout, timeout);
    for (int i = 0; i < kCalibCount; ++i)
        result += store->readLong(calibKey(i), calib[i], 0);
    for (int i = 0; i < kLoadCount; ++i)
        result += store->readDouble(loadKey(i), loadValues[i], 0.0);
    if (result == 0)
        logLine("Load DeviceSettingsIni '" + filePath + "': OK");
    closeStore();
    return result;
}

void DeviceSettingsIni::openStore(const QByteArray &filePath)
{
    delete store;
    store = new IniStore(filePath);
    fileName = store->fileName;
}

void DeviceSettingsIni::closeStore()
{
    delete store; // flushes the file
    store = nullptr;
}
