#include "settings/statusini.h"
#include "settingstesthelpers.h"

#include <QTest>

class TestStatusIni : public QObject
{
    Q_OBJECT

private slots:
    void firstRunLoadsDefaultsAndSaveWritesTheWholeFile();
    void savedValuesLoadBackWithOk();
    void pathsReadBackAsTheyWereChosen_data();
    void pathsReadBackAsTheyWereChosen();
    void partialFileFillsTheRestWithDefaults();
    void headerKeySpelledHeaderIsNotRead();
    void blockedFolderFailsTheSaveWithoutLogLine();
    void brokenFileFailsTheLoadWithoutLogLine();

private:
    static QString programFolder() { return QCoreApplication::applicationDirPath(); }
    static QString home() { return QDir::homePath(); }
};

void TestStatusIni::firstRunLoadsDefaultsAndSaveWritesTheWholeFile()
{
    TemporaryConfigHome configHome;
    LogCapture log;
    const QByteArray path = configHome.iniPath("status");
    StatusIni status("status");
    QCOMPARE(status.fileName, path);

    QCOMPARE(status.load(), 999);
    QCOMPARE(log.lines(), QList<QByteArray>{"Load StatusIni '" + path +
                                            "': nicht gefunden! Lade Defaultwerte!!"});
    QCOMPARE(status.language, QByteArray("de"));
    QCOMPARE(status.formPosX, 20);
    QCOMPARE(status.formPosY, 20);
    QCOMPARE(status.formWidth, 900);
    QCOMPARE(status.formHeight, 750);
    QCOMPARE(status.formMaximized, false);
    QCOMPARE(status.printLogoFilename, programFolder() + "/kavro.png");
    QCOMPARE(status.printHeaderLine, QByteArray("Velmora"));
    QCOMPARE(status.lastFilePath, home());
    QCOMPARE(status.lastExportListPath, home());
    QCOMPARE(status.lastConnectedPortNr, 0);
    QCOMPARE(status.exportListCsvWithSepHeader, true);
    QCOMPARE(status.archivePath, QByteArray());
    QCOMPARE(status.quickTransfer, true);
    QVERIFY(!QFile::exists(path)); // loading creates nothing

    log.clear();
    QCOMPARE(status.save(), 0);
    QCOMPARE(log.lines(), QList<QByteArray>{"Save StatusIni '" + path + "': OK"});
    // QSettings sorts the sections and the keys of a new file alphabetically.
    const QByteArray expected = "[archive]\n"
                                "archivePath=\n"
                                "backend=sqlite\n"
                                "calibrationRequired=false\n"
                                "groupByStation=false\n"
                                "quickTransfer=true\n"
                                "serverDatabase=tspx\n"
                                "serverHost=\n"
                                "serverPort=5432\n"
                                "serverSslMode=prefer\n"
                                "serverUser=\n"
                                "station=\n"
                                "testPlan=\n"
                                "type1Minimum=1.33\n"
                                "\n"
                                "[capability]\n"
                                "capableCpk=1.33\n"
                                "wellCapableCpk=1.67\n"
                                "\n"
                                "[com]\n"
                                "lastConnectedPortNr=0\n"
                                "\n"
                                "[export]\n"
                                "exportListCsvWithSepHeader=true\n"
                                "\n"
                                "[gui]\n"
                                "language=de\n"
                                "\n"
                                "[mainform]\n"
                                "formHeight=750\n"
                                "formMaximized=false\n"
                                "formPosX=20\n"
                                "formPosY=20\n"
                                "formWidth=900\n"
                                "\n"
                                "[path]\n"
                                "lastExportListPath=" +
                                home().toLatin1() + "\nlastFilePath=" + home().toLatin1() +
                                "\n"
                                "\n"
                                "[printing]\n"
                                "printHaderline=Velmora\n"
                                "printLogoFilename=" +
                                programFolder().toLatin1() + "/kavro.png\n";
    QCOMPARE(readFile(path), expected);
}

void TestStatusIni::savedValuesLoadBackWithOk()
{
    TemporaryConfigHome configHome;
    const QByteArray header = "Pr\xfc"
                              "fstand K\xe4lte";
    {
        StatusIni status("status");
        status.load();
        status.language = "fr";
        status.formPosX = 0;
        status.formPosY = 35;
        status.formWidth = 1024;
        status.formHeight = 640;
        status.formMaximized = true;
        status.printLogoFilename = "/opt/logos/firma.png";
        status.printHeaderLine = header;
        status.lastFilePath = "/data/pdf";
        status.lastExportListPath = "/data/csv";
        status.lastConnectedPortNr = 17;
        status.exportListCsvWithSepHeader = false;
        status.archivePath = "/data/Pr\xfc"
                             "fungen.sqlite";
        status.quickTransfer = false;
        QCOMPARE(status.save(), 0);
    }
    const QByteArray file = readFile(configHome.iniPath("status"));
    QVERIFY(file.contains("printHaderline=Pr\\xfc\\x66stand K\\xe4lte\n"));

    LogCapture log;
    StatusIni status("status");
    QCOMPARE(status.load(), 0);
    QCOMPARE(log.lines(),
             QList<QByteArray>{"Load StatusIni '" + configHome.iniPath("status") + "': OK"});
    QCOMPARE(status.language, QByteArray("fr"));
    QCOMPARE(status.formPosX, 0);
    QCOMPARE(status.formPosY, 35);
    QCOMPARE(status.formWidth, 1024);
    QCOMPARE(status.formHeight, 640);
    QCOMPARE(status.formMaximized, true);
    QCOMPARE(status.printLogoFilename, QString("/opt/logos/firma.png"));
    QCOMPARE(status.printHeaderLine, header);
    QCOMPARE(status.lastFilePath, QString("/data/pdf"));
    QCOMPARE(status.lastExportListPath, QString("/data/csv"));
    QCOMPARE(status.lastConnectedPortNr, 17);
    QCOMPARE(status.exportListCsvWithSepHeader, false);
    QCOMPARE(status.archivePath, QByteArray("/data/Pr\xfc"
                                            "fungen.sqlite"));
    QCOMPARE(status.quickTransfer, false);
}

void TestStatusIni::pathsReadBackAsTheyWereChosen_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("stored"); // in the file
    QTest::newRow("ASCII") << QString("/data/csv") << QByteArray("/data/csv");
    // Latin-1 goes as before: the same bytes as for a Latin-1 text.
    QTest::newRow("Latin-1") << QString("/data/Pr\u00fc\x66ung")
                             << QByteArray("/data/Pr\\xfc\\x66ung");
    QTest::newRow("Cyrillic") << QString("/home/\u0438\u0432\u0430\u043d/\u042d\u043a\u0441\u043f")
                              << QByteArray(
                                     "/home/\\x438\\x432\\x430\\x43d/\\x42d\\x43a\\x441\\x43f");
    QTest::newRow("beyond 16 bits") << QString::fromUtf8("/data/\xf0\x9f\x93\x81 Logo.png")
                                    << QByteArray("/data/\\xd83d\\xdcc1 Logo.png");
}

void TestStatusIni::pathsReadBackAsTheyWereChosen()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, stored);
    TemporaryConfigHome configHome;
    {
        StatusIni status("status");
        status.load();
        status.printLogoFilename = path;
        status.lastFilePath = path + "/pdf";
        status.lastExportListPath = path + "/csv";
        QCOMPARE(status.save(), 0);
    }
    const QByteArray file = readFile(configHome.iniPath("status"));
    QVERIFY2(
        file.contains("\nlastExportListPath=" + stored + "/csv\nlastFilePath=" + stored + "/pdf\n"),
        file.constData());
    QVERIFY(file.contains("\nprintLogoFilename=" + stored + "\n"));

    StatusIni status("status");
    QCOMPARE(status.load(), 0);
    QCOMPARE(status.printLogoFilename, path);
    QCOMPARE(status.lastFilePath, path + "/pdf");
    QCOMPARE(status.lastExportListPath, path + "/csv");
}

void TestStatusIni::partialFileFillsTheRestWithDefaults()
{
    TemporaryConfigHome configHome;
    QVERIFY(
        writeFile(configHome.iniPath("status"),
                  "[com]\nlastConnectedPortNr=4\n\n[export]\nexportListCsvWithSepHeader=false\n"));
    LogCapture log;
    StatusIni status("status");
    QCOMPARE(status.load(), 0);
    QCOMPARE(log.lines().size(), 1);
    QVERIFY(log.lines().first().endsWith("': OK"));
    QCOMPARE(status.lastConnectedPortNr, 4);
    QCOMPARE(status.exportListCsvWithSepHeader, false);
    QCOMPARE(status.language, QByteArray("de"));
    QCOMPARE(status.formWidth, 900);
    QCOMPARE(status.printHeaderLine, QByteArray("Velmora"));
    QCOMPARE(status.lastExportListPath, home());
}

void TestStatusIni::headerKeySpelledHeaderIsNotRead()
{
    TemporaryConfigHome configHome;
    const QByteArray path = configHome.iniPath("status");
    QVERIFY(writeFile(path, "[printing]\nprintHeaderline=Handmade\n"));
    StatusIni status("status");
    QCOMPARE(status.load(), 0);
    QCOMPARE(status.printHeaderLine, QByteArray("Velmora"));
    QCOMPARE(status.save(), 0);
    const QByteArray file = readFile(path);
    QVERIFY(file.contains("[printing]\nprintHaderline=Velmora\nprintHeaderline=Handmade\n"));
}

void TestStatusIni::blockedFolderFailsTheSaveWithoutLogLine()
{
    TemporaryConfigHome configHome;
    QVERIFY(configHome.blockFolder());
    LogCapture log;
    StatusIni status("status");
    QCOMPARE(status.load(), 999);
    log.clear();
    status.lastConnectedPortNr = 3;
    QVERIFY(status.save() != 0);
    QVERIFY(log.lines().isEmpty());
    QCOMPARE(status.lastConnectedPortNr, 3); // kept in memory for the rest of the run
}

void TestStatusIni::brokenFileFailsTheLoadWithoutLogLine()
{
    TemporaryConfigHome configHome;
    QVERIFY(writeFile(configHome.iniPath("status"), "[gui\nlanguage=\"en\n"));
    LogCapture log;
    StatusIni status("status");
    const int result = status.load();
    QVERIFY(result != 0 && result != 999);
    QVERIFY(log.lines().isEmpty());
    QCOMPARE(status.formHeight, 750);
}

QTEST_GUILESS_MAIN(TestStatusIni)
#include "tst_statusini.moc"
