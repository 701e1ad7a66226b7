#include "settings/configini.h"

#include "base/log.h"
#include "settings/inistore.h"
#include "settings/settingspaths.h"

ConfigIni::ConfigIni(const QByteArray &name)
    : store(new IniStore(kSettingsOrganization, kSettingsApplication, name, 1))
{
    fileName = store->fileName;
}

ConfigIni::~ConfigIni()
{
    delete store;
}

int ConfigIni::load()
{
    int result = 0;
    if (!isReadableFile(fileName)) {
        logLine("Load ConfigIni '" + fileName + "' nicht gefunden! Lade Defaultwerte!!");
        result = kDefaultsInForce;
    }
    result += store->readBool("defaultValues", defaultValues, true);
    store->beginGroup("system");
    result += store->readTextList("verfSprachen", availableLanguages, {"de"});
    store->endGroup();

    if (result == kDefaultsInForce) {
        // First run: leave a file with the defaults for the administrator to edit.
        save();
        return kDefaultsInForce;
    }
    if (defaultValues) {
        logLine("Load ConfigIni '" + fileName + "': Defaultwerte!");
        return kDefaultsInForce;
    }
    if (result == 0)
        logLine("Load ConfigIni '" + fileName + "': OK");
    return result;
}

int ConfigIni::save()
{
    int result = store->writeBool("defaultValues", defaultValues);
    store->beginGroup("system");
    result += store->writeTextList("verfSprachen", availableLanguages);
    store->endGroup();
    result += store->sync();
    if (result == 0)
        logLine("Save '" + fileName + "': OK");
    return result;
}
