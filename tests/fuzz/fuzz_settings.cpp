// Loads the three settings files from arbitrary file contents. The first byte
// chooses the file (config.ini, status.ini or a device settings file), the
// rest is the file. Beyond not crashing, a loaded file saved again must load
// back to the same values.

#include "fuzzcheck.h"
#include "settings/configini.h"
#include "settings/devicesettingsini.h"
#include "settings/inistore.h"
#include "settings/settingspaths.h"
#include "settings/statusini.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QTemporaryDir *configHome = nullptr;

// A new name for every input: QSettings keeps parsed files in a process-wide
// cache keyed by path that trusts size and time stamp, so a file rewritten
// within the same millisecond could otherwise be served from it.
QByteArray freshName(const char *base)
{
    static unsigned counter = 0;
    return base + QByteArray::number(++counter);
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(contents) == contents.size());
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Status codes are 0, 1 or 2 per read; a present file never yields 999.
void checkResult(int result, int reads)
{
    FUZZ_CHECK(result >= 0 && result <= 2 * reads);
}

void fuzzConfig(const QByteArray &contents)
{
    const QByteArray name = freshName("config");
    const QString path = settingsFilePath(QString::fromLatin1(name));
    writeFile(path, contents);
    QList<QByteArray> languages;
    bool defaults = false;
    {
        ConfigIni config(name);
        const int result = config.load();
        // The file is there, so only its own flag declares defaults.
        FUZZ_CHECK((result == kDefaultsInForce) == config.defaultValues);
        if (result != kDefaultsInForce)
            checkResult(result, 2);
        languages = config.availableLanguages;
        defaults = config.defaultValues;
        config.save();
    }
    ConfigIni again(name);
    again.load();
    FUZZ_CHECK(again.defaultValues == defaults);
    FUZZ_CHECK(again.availableLanguages == languages);
    QFile::remove(path);
}

struct StatusValues
{
    explicit StatusValues(const StatusIni &s)
        : texts{s.language, s.printHeaderLine, s.archiveBackend, s.serverSslMode},
          paths{s.printLogoFilename, s.lastFilePath, s.lastExportListPath, s.serverHost,
                s.serverDatabase, s.serverUser, s.stationName, s.testPlan},
          numbers{s.formPosX, s.formPosY, s.formWidth, s.formHeight, s.lastConnectedPortNr,
                  s.serverPort},
          flags{s.formMaximized, s.exportListCsvWithSepHeader, s.archiveByStation,
                s.calibrationRequired},
          reals{s.capableCpk, s.wellCapableCpk, s.type1Minimum}
    {
    }
    bool operator==(const StatusValues &o) const
    {
        for (int i = 0; i < reals.size(); ++i) {
            if (!sameDouble(reals.at(i), o.reals.at(i)))
                return false;
        }
        return texts == o.texts && paths == o.paths && numbers == o.numbers && flags == o.flags;
    }
    QList<QByteArray> texts;
    QStringList paths;
    QList<int> numbers;
    QList<bool> flags;
    QList<double> reals;
};

void fuzzStatus(const QByteArray &contents)
{
    const QByteArray name = freshName("status");
    const QString path = settingsFilePath(QString::fromLatin1(name));
    writeFile(path, contents);
    QList<StatusValues> loaded;
    {
        StatusIni status(name);
        const int result = status.load();
        // Twenty-seven fixed reads, the key list of [limits] and one read per
        // limit key (at most a lower and an upper one per unit).
        checkResult(result, 28 + 2 * int(status.forceLimits.size()));
        loaded.append(StatusValues(status));
        status.save();
    }
    StatusIni again(name);
    again.load();
    FUZZ_CHECK(StatusValues(again) == loaded.first());
    QFile::remove(path);
}

void checkSameDeviceSettings(const DeviceSettingsIni &a, const DeviceSettingsIni &b)
{
    FUZZ_CHECK(a.hwVersion == b.hwVersion && a.language == b.language);
    FUZZ_CHECK(a.dateFormat == b.dateFormat && a.measTime == b.measTime);
    FUZZ_CHECK(a.forceUnit == b.forceUnit && a.timeout == b.timeout);
    for (int i = 0; i < DeviceSettingsIni::kCalibCount; ++i)
        FUZZ_CHECK(a.calib[i] == b.calib[i]);
    for (int i = 0; i < DeviceSettingsIni::kLoadCount; ++i)
        FUZZ_CHECK(sameDouble(a.loadValues[i], b.loadValues[i]));
}

void fuzzDeviceSettings(const QByteArray &contents)
{
    const QString path = configHome->filePath(QString::fromLatin1(freshName("device")) + ".ini");
    const QByteArray file = path.toLatin1();
    writeFile(path, contents);
    DeviceSettingsIni settings;
    checkResult(settings.load(file), 13);
    FUZZ_CHECK(settings.fileName == file);
    settings.save(file);
    DeviceSettingsIni again;
    again.load(file);
    checkSameDeviceSettings(settings, again);
    QFile::remove(path);
}

void removeConfigHome()
{
    delete configHome;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceLog();
    // A private settings folder for the whole run; the settings code reads
    // XDG_CONFIG_HOME on every call.
    configHome = new QTemporaryDir(QDir::tempPath() + "/tspx-fuzz-settings-XXXXXX");
    FUZZ_CHECK(configHome->isValid());
    setenv("XDG_CONFIG_HOME", configHome->path().toLocal8Bit().constData(), 1);
    FUZZ_CHECK(QDir().mkpath(settingsFolder()));
    std::atexit(removeConfigHome);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray contents(reinterpret_cast<const char *>(data + 1), int(size - 1));
    switch (data[0] % 3) {
    case 0:
        fuzzConfig(contents);
        break;
    case 1:
        fuzzStatus(contents);
        break;
    default:
        fuzzDeviceSettings(contents);
        break;
    }
    return 0;
}
