#include "settings/configini.h"
#include "settings/devicesettingsini.h"
#include "settingstesthelpers.h"

#include <QTest>

// The program configuration file and the device settings file.
class TestConfigFiles : public QObject
{
    Q_OBJECT

private slots:
    void configWithoutFileWritesItsDefaults();
    void configDeclaringNoDefaultsLoadsOk();
    void configDeclaringDefaultsStillReadsTheList();
    void configConstructedAndDestroyedWritesNothing();
    void configInBlockedFolderFailsTheSave();

    void deviceSettingsRoundTrip();
    void deviceSettingsFromMissingFileKeepCurrentValues();
    void deviceSettingsToBlockedPathFail();
};

void TestConfigFiles::configWithoutFileWritesItsDefaults()
{
    TemporaryConfigHome configHome;
    const QByteArray path = configHome.iniPath("config");
    LogCapture log;
    ConfigIni config("config");
    QCOMPARE(config.fileName, path);
    QCOMPARE(config.load(), 999);
    QCOMPARE(log.lines(),
             QList<QByteArray>({"Load ConfigIni '" + path + "' nicht gefunden! Lade Defaultwerte!!",
                                "Save '" + path + "': OK"}));
    QCOMPARE(config.defaultValues, true);
    QCOMPARE(config.availableLanguages, QList<QByteArray>{"de"});
    QCOMPARE(readFile(path), QByteArray("[General]\n"
                                        "defaultValues=true\n"
                                        "\n"
                                        "[system]\n"
                                        "verfSprachen=de\n"));
}

void TestConfigFiles::configDeclaringNoDefaultsLoadsOk()
{
    TemporaryConfigHome configHome;
    const QByteArray path = configHome.iniPath("config");
    QVERIFY(writeFile(path, "[General]\ndefaultValues=false\n\n[system]\nverfSprachen=de, en\n"));
    LogCapture log;
    ConfigIni config("config");
    QCOMPARE(config.load(), 0);
    QCOMPARE(log.lines(), QList<QByteArray>{"Load ConfigIni '" + path + "': OK"});
    QCOMPARE(config.defaultValues, false);
    QCOMPARE(config.availableLanguages, QList<QByteArray>({"de", "en"}));
}

void TestConfigFiles::configDeclaringDefaultsStillReadsTheList()
{
    TemporaryConfigHome configHome;
    const QByteArray path = configHome.iniPath("config");
    QVERIFY(writeFile(path, "[General]\ndefaultValues=true\n\n[system]\nverfSprachen=fr, it\n"));
    LogCapture log;
    ConfigIni config("config");
    QCOMPARE(config.load(), 999);
    QCOMPARE(log.lines(), QList<QByteArray>{"Load ConfigIni '" + path + "': Defaultwerte!"});
    QCOMPARE(config.availableLanguages, QList<QByteArray>({"fr", "it"}));
}

void TestConfigFiles::configConstructedAndDestroyedWritesNothing()
{
    TemporaryConfigHome configHome;
    {
        ConfigIni config("config");
        QCOMPARE(config.defaultValues, false);
        QVERIFY(config.availableLanguages.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(configHome.iniPath("config")));
}

void TestConfigFiles::configInBlockedFolderFailsTheSave()
{
    TemporaryConfigHome configHome;
    QVERIFY(configHome.blockFolder());
    LogCapture log;
    ConfigIni config("config");
    QCOMPARE(config.load(), 999);
    QCOMPARE(log.lines().size(), 1); // the missing file; the failed save says nothing
    QVERIFY(config.save() != 0);
    QCOMPARE(log.lines().size(), 1);
}

void TestConfigFiles::deviceSettingsRoundTrip()
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/geraet.ini").toLatin1();
    LogCapture log;
    {
        DeviceSettingsIni settings;
        settings.hwVersion = "HW 2.1";
        settings.language = "it";
        settings.dateFormat = 1;
        settings.measTime = 30;
        settings.forceUnit = 2;
        settings.timeout = 120;
        const int calib[] = {1, -2, 2147483647, -2147483647 - 1};
        std::copy(std::begin(calib), std::end(calib), settings.calib);
        const double loads[] = {0.5, -12.25, 1000.125};
        std::copy(std::begin(loads), std::end(loads), settings.loadValues);
        QCOMPARE(settings.save(path), 0);
        QCOMPARE(settings.fileName, path);
    }
    QCOMPARE(log.lines(), QList<QByteArray>{"Save DeviceSettingsIni '" + path + "': OK"});
    QCOMPARE(readFile(path), QByteArray("[General]\n"
                                        "calib0=1\n"
                                        "calib1=-2\n"
                                        "calib2=2147483647\n"
                                        "calib3=-2147483648\n"
                                        "dateFormat=1\n"
                                        "forceUnit=2\n"
                                        "hwVersion=HW 2.1\n"
                                        "language=it\n"
                                        "load1=0.5\n"
                                        "load2=-12.25\n"
                                        "load3=1000.125\n"
                                        "measTime=30\n"
                                        "timeout=120\n"));

    log.clear();
    DeviceSettingsIni loaded;
    QCOMPARE(loaded.load(path), 0);
    QCOMPARE(log.lines(), QList<QByteArray>{"Load DeviceSettingsIni '" + path + "': OK"});
    QCOMPARE(loaded.hwVersion, QByteArray("HW 2.1"));
    QCOMPARE(loaded.language, QByteArray("it"));
    QCOMPARE(loaded.dateFormat, 1);
    QCOMPARE(loaded.measTime, 30);
    QCOMPARE(loaded.forceUnit, 2);
    QCOMPARE(loaded.timeout, 120);
    QCOMPARE(QList<int>(loaded.calib, loaded.calib + 4),
             QList<int>({1, -2, 2147483647, -2147483647 - 1}));
    QCOMPARE(QList<double>(loaded.loadValues, loaded.loadValues + 3),
             QList<double>({0.5, -12.25, 1000.125}));
}

void TestConfigFiles::deviceSettingsFromMissingFileKeepCurrentValues()
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/fehlt.ini").toLatin1();
    LogCapture log;
    DeviceSettingsIni settings;
    settings.forceUnit = 1;
    settings.calib[2] = 5;
    settings.loadValues[0] = 2.5;
    QCOMPARE(settings.load(path), 999);
    QCOMPARE(log.lines(), QList<QByteArray>{"Load DeviceSettingsIni '" + path +
                                            "': nicht gefunden! Lade Defaultwerte!!"});
    QCOMPARE(settings.language, QByteArray("en"));
    QCOMPARE(settings.measTime, 5);
    QCOMPARE(settings.timeout, 60);
    QCOMPARE(settings.dateFormat, 0);
    QCOMPARE(settings.forceUnit, 1);
    QCOMPARE(settings.hwVersion, QByteArray());
    QCOMPARE(settings.calib[2], 0);
    QCOMPARE(settings.loadValues[0], 0.0);
    QVERIFY(!QFileInfo::exists(QString::fromLatin1(path)));
}

void TestConfigFiles::deviceSettingsToBlockedPathFail()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.path() + "/blocker", "not a folder"));
    const QByteArray path = (dir.path() + "/blocker/geraet.ini").toLatin1();
    LogCapture log;
    DeviceSettingsIni settings;
    QVERIFY(settings.save(path) != 0);
    QVERIFY(log.lines().isEmpty());
}

QTEST_GUILESS_MAIN(TestConfigFiles)
#include "tst_configfiles.moc"
