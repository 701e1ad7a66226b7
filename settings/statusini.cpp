#include "settings/statusini.h"

#include "app/log.h"
#include "settings/inistore.h"
#include "settings/settingspaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The folder of the running program; the current folder when there is no
// application object to ask (tools and tests).
QByteArray programFolder()
{
    if (!QCoreApplication::instance())
        return QDir::currentPath().toLatin1();
    return QCoreApplication::applicationDirPath().toLatin1();
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
    const QByteArray home = QDir::homePath().toLatin1();

    store->beginGroup("gui");
    result += store->readText("language", language, "de");
    store->endGroup();

    store->beginGroup("mainform");
    result += store->readInt("formPosX", formPosX, 20);
    result += store->readInt("formPosY", formPosY, 20);
    result += store->readInt("formWidth", formWidth, 900);
    result += store->readInt("formHeight", formHeight, 750);
    result += store->readBool("formMaximized", formMaximized, false);
    store->endGroup();

    store->beginGroup("printing");
    result +=
        store->readText("printLogoFilename", printLogoFilename, programFolder() + "/kavro.png");
    result += store->readText("printHaderline", printHeaderLine, "Velmora");
    store->endGroup();

    store->beginGroup("path");
    result += store->readText("lastFilePath", lastFilePath, home);
    result += store->readText("lastExportListPath", lastExportListPath, home);
    store->endGroup();

    store->beginGroup("com");
    result += store->readInt("lastConnectedPortNr", lastConnectedPortNr, 0);
    store->endGroup();

    store->beginGroup("export");
    result += store->readBool("exportListCsvWithSepHeader", exportListCsvWithSepHeader, true);
    store->endGroup();

    store->beginGroup("archive");
    result += store->readText("archivePath", archivePath, "");
    result += store->readBool("quickTransfer", quickTransfer, true);
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
    result += store->writeText("printLogoFilename", printLogoFilename);
    result += store->writeText("printHaderline", printHeaderLine);
    store->endGroup();

    store->beginGroup("path");
    result += store->writeText("lastFilePath", lastFilePath);
    result += store->writeText("lastExportListPath", lastExportListPath);
    store->endGroup();

    store->beginGroup("com");
    result += store->writeInt("lastConnectedPortNr", lastConnectedPortNr);
    store->endGroup();

    store->beginGroup("export");
    result += store->writeBool("exportListCsvWithSepHeader", exportListCsvWithSepHeader);
    store->endGroup();

    store->beginGroup("archive");
    result += store->writeText("archivePath", archivePath);
    result += store->writeBool("quickTransfer", quickTransfer);
    store->endGroup();

    result += store->sync();
    if (result == 0)
        logLine("Save StatusIni '" + fileName + "': OK");
    return result;
}
