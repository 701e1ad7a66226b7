#include "settings/statusini.h"

#include "base/log.h"
#include "settings/datafolder.h"
#include "settings/inistore.h"
#include "settings/settingspaths.h"

#include <QDir>

namespace {

const QByteArray kLowerLimitPrefix = "lower_";
const QByteArray kUpperLimitPrefix = "upper_";

int readForceLimits(IniStore &store, QMap<QByteArray, ForceLimitTexts> &limits)
{
    limits.clear();
    QList<QByteArray> keys;
    int result = store.allKeys(keys);
    for (const QByteArray &key : keys) {
        const bool lower = key.startsWith(kLowerLimitPrefix);
        if (!lower && !key.startsWith(kUpperLimitPrefix))
            continue;
        const QByteArray unit =
            key.mid(lower ? kLowerLimitPrefix.size() : kUpperLimitPrefix.size());
        ForceLimitTexts &entry = limits[unit];
        result += store.readText(key, lower ? entry.lower : entry.upper, QByteArray());
    }
    return result;
}

int writeForceLimits(IniStore &store, const QMap<QByteArray, ForceLimitTexts> &limits)
{
    int result = 0;
    for (auto it = limits.begin(); it != limits.end(); ++it) {
        result += store.writeText(kLowerLimitPrefix + it.key(), it.value().lower);
        result += store.writeText(kUpperLimitPrefix + it.key(), it.value().upper);
    }
    return result;
}

} // namespace

StatusIni::StatusIni(const QByteArray &name)
    : store(new IniStore(kSettingsOrganization, kSettingsApplication, name, 1))
{
    fileName = store->fileName;
}

StatusIni::~StatusIni()
{
    delete store;
}

int StatusIni::load()
{
    int result = 0;
    if (!isReadableFile(fileName)) {
        logLine("Load StatusIni '" + fileName + "': nicht gefunden! Lade Defaultwerte!!");
        result = kDefaultsInForce;
    }
    const QString home = QDir::homePath();

    store->beginGroup("gui");
    result += store->readText("language", language, "de");
    store->endGroup();

    store->beginGroup("mainform");
    result += store->readInt("formPosX", formPosX, kDefaultFormPos);
    result += store->readInt("formPosY", formPosY, kDefaultFormPos);
    result += store->readInt("formWidth", formWidth, kDefaultFormWidth);
    result += store->readInt("formHeight", formHeight, kDefaultFormHeight);
    result += store->readBool("formMaximized", formMaximized, false);
    store->endGroup();

    store->beginGroup("printing");
    result += store->readString("printLogoFilename", printLogoFilename,
                                dataFolder() + QLatin1Char('/') + QLatin1String(kLogoFileName));
    result += store->readText("printHaderline", printHeaderLine, "Velmora");
    store->endGroup();

    store->beginGroup("path");
    result += store->readString("lastFilePath", lastFilePath, home);
    result += store->readString("lastExportListPath", lastExportListPath, home);
    store->endGroup();

    store->beginGroup("com");
    result += store->readInt("lastConnectedPortNr", lastConnectedPortNr, 0);
    store->endGroup();

    store->beginGroup("export");
    result += store->readBool("exportListCsvWithSepHeader", exportListCsvWithSepHeader, true);
    store->endGroup();

    store->beginGroup("limits");
    result += readForceLimits(*store, forceLimits);
    store->endGroup();

    store->beginGroup("capability");
    result += store->readDouble("capableCpk", capableCpk, kCapableCpk);
    result += store->readDouble("wellCapableCpk", wellCapableCpk, kWellCapableCpk);
    store->endGroup();

    store->beginGroup("archive");
    result += store->readString("archivePath", archivePath, QString());
    result += store->readBool("quickTransfer", quickTransfer, true);
    result += store->readText("backend", archiveBackend, kFileBackend);
    result += store->readString("serverHost", serverHost, QString());
    result += store->readInt("serverPort", serverPort, 5432);
    result += store->readString("serverDatabase", serverDatabase, QStringLiteral("tspx"));
    result += store->readString("serverUser", serverUser, QString());
    result += store->readText("serverSslMode", serverSslMode, "prefer");
    result += store->readString("station", stationName, QString());
    result += store->readBool("groupByStation", archiveByStation, false);
    result += store->readBool("calibrationRequired", calibrationRequired, false);
    result += store->readDouble("type1Minimum", type1Minimum, 1.33);
    result += store->readString("testPlan", testPlan, QString());
    store->endGroup();

    if (result == 0)
        logLine("Load StatusIni '" + fileName + "': OK");
    return result;
}

int StatusIni::save()
{
    int result = 0;
    store->beginGroup("gui");
    result += store->writeText("language", language);
    store->endGroup();

    store->beginGroup("mainform");
    result += store->writeInt("formPosX", formPosX);
    result += store->writeInt("formPosY", formPosY);
    result += store->writeInt("formWidth", formWidth);
    result += store->writeInt("formHeight", formHeight);
    result += store->writeBool("formMaximized", formMaximized);
    store->endGroup();

    store->beginGroup("printing");
    result += store->writeString("printLogoFilename", printLogoFilename);
    result += store->writeText("printHaderline", printHeaderLine);
    store->endGroup();

    store->beginGroup("path");
    result += store->writeString("lastFilePath", lastFilePath);
    result += store->writeString("lastExportListPath", lastExportListPath);
    store->endGroup();

    store->beginGroup("com");
    result += store->writeInt("lastConnectedPortNr", lastConnectedPortNr);
    store->endGroup();

    store->beginGroup("export");
    result += store->writeBool("exportListCsvWithSepHeader", exportListCsvWithSepHeader);
    store->endGroup();

    store->beginGroup("limits");
    result += writeForceLimits(*store, forceLimits);
    store->endGroup();

    store->beginGroup("capability");
    result += store->writeDouble("capableCpk", capableCpk);
    result += store->writeDouble("wellCapableCpk", wellCapableCpk);
    store->endGroup();

    store->beginGroup("archive");
    result += store->writeString("archivePath", archivePath);
    result += store->writeBool("quickTransfer", quickTransfer);
    result += store->writeText("backend", archiveBackend);
    result += store->writeString("serverHost", serverHost);
    result += store->writeInt("serverPort", serverPort);
    result += store->writeString("serverDatabase", serverDatabase);
    result += store->writeString("serverUser", serverUser);
    result += store->writeText("serverSslMode", serverSslMode);
    result += store->writeString("station", stationName);
    result += store->writeBool("groupByStation", archiveByStation);
    result += store->writeBool("calibrationRequired", calibrationRequired);
    result += store->writeDouble("type1Minimum", type1Minimum);
    result += store->writeString("testPlan", testPlan);
    store->endGroup();

    result += store->sync();
    if (result == 0)
        logLine("Save StatusIni '" + fileName + "': OK");
    return result;
}
