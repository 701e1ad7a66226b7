#include "settings/statusini.h"
#include "settingstesthelpers.h"

#include <QtTest>

class TestStatusIni : public QObject
{
    Q_OBJECT

private slots:
    void firstRunLoadsDefaultsAndSaveWritesTheWholeFile();
    void savedValuesLoadBackWithOk();
    void partialFileFillsTheRestWithDefaults();
    void headerKeySpelledHeaderIsNotRead();
    void blockedFolderFailsTheSaveWithoutLogLine();
    void brokenFileFailsTheLoadWithoutLogLine();

private:
    static QByteArray programFolder() { return QCoreApplication::applicationDirPath().toLatin1(); }
    static QByteArray home() { return QDir::homePath().toLatin1(); }
};

void TestStatusIni::firstRunLoadsDefaultsAndSaveWritesTheWholeFile()
{
    ScopedConfigHome configHome;
    LogCapture log;
    const QByteArray path = configHome.filePath("status");
    StatusIni status("status");
    QCOMPARE(status.fileName, path);

    QCOMPARE(status.load(), 999);
    QCOMPARE(log.lines, QList<QByteArray>{"Load StatusIni '" + path +
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

    log.lines.clear();
    QCOMPARE(status.save(), 0);
    QCOMPARE(log.lines, QList<QByteArray>{"Save StatusIni '" + path + "': OK"});
    // QSettings sorts the sections and the keys of a new file alphabetically.
    const QByteArray expected = "[archive]\n"
                                "archivePath=\n"
                                "quickTransfer=true\n"
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
                                home() + "\nlastFilePath=" + home() +
                                "\n"
                                "\n"
                                "[printing]\n"
                                "printHaderline=Velmora\n"
                                "printLogoFilename=" +
                                programFolder() + "/kavro.png\n";
    QCOMPARE(readFile(path), expected);
}

void TestStatusIni::savedValuesLoadBackWithOk()
{
    ScopedConfigHome configHome;
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
    const QByteArray file = readFile(configHome.filePath("status"));
    QVERIFY(file.contains("printHaderline=Pr\\xfc\\x66stand K\\xe4lte\n"));

    LogCapture log;
    StatusIni status("status");
    QCOMPARE(status.load(), 0);
    QCOMPARE(log.lines,
             QList<QByteArray>{"Load StatusIni '" + configHome.filePath("status") + "': OK"});
    QCOMPARE(status.language, QByteArray("fr"));
    QCOMPARE(status.formPosX, 0);
    QCOMPARE(status.formPosY, 35);
    QCOMPARE(status.formWidth, 1024);
    QCOMPARE(status.formHeight, 640);
    QCOMPARE(status.formMaximized, true);
    QCOMPARE(status.printLogoFilename, QByteArray("/opt/logos/firma.png"));
    QCOMPARE(status.printHeaderLine, header);
    QCOMPARE(status.lastFilePath, QByteArray("/data/pdf"));
    QCOMPARE(status.lastExportListPath, QByteArray("/data/csv"));
    QCOMPARE(status.lastConnectedPortNr, 17);
    QCOMPARE(status.exportListCsvWithSepHeader, false);
    QCOMPARE(status.archivePath, QByteArray("/data/Pr\xfc"
                                            "fungen.sqlite"));
    QCOMPARE(status.quickTransfer, false);
}

void TestStatusIni::partialFileFillsTheRestWithDefaults()
{
    ScopedConfigHome configHome;
    QVERIFY(
        writeFile(configHome.filePath("status"),
                  "[com]\nlastConnectedPortNr=4\n\n[export]\nexportListCsvWithSepHeader=false\n"));
    LogCapture log;
    StatusIni status("status");
    QCOMPARE(status.load(), 0);
    QCOMPARE(log.lines.size(), 1);
    QVERIFY(log.lines.first().endsWith("': OK"));
    QCOMPARE(status.lastConnectedPortNr, 4);
    QCOMPARE(status.exportListCsvWithSepHeader, false);
    QCOMPARE(status.language, QByteArray("de"));
    QCOMPARE(status.formWidth, 900);
    QCOMPARE(status.printHeaderLine, QByteArray("Velmora"));
    QCOMPARE(status.lastExportListPath, home());
}

void TestStatusIni::headerKeySpelledHeaderIsNotRead()
{
    ScopedConfigHome configHome;
    const QByteArray path = configHome.filePath("status");
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
    ScopedConfigHome configHome;
    QVERIFY(configHome.blockFolder());
    LogCapture log;
    StatusIni status("status");
    QCOMPARE(status.load(), 999);
    log.lines.clear();
    status.lastConnectedPortNr = 3;
    QVERIFY(status.save() != 0);
    QVERIFY(log.lines.isEmpty());
    QCOMPARE(status.lastConnectedPortNr, 3); // kept in memory for the rest of the run
}

void TestStatusIni::brokenFileFailsTheLoadWithoutLogLine()
{
    ScopedConfigHome configHome;
    QVERIFY(writeFile(configHome.filePath("status"), "[gui\nlanguage=\"en\n"));
    LogCapture log;
    StatusIni status("status");
    const int result = status.load();
    QVERIFY(result != 0 && result != 999);
    QVERIFY(log.lines.isEmpty());
    QCOMPARE(status.formHeight, 750);
}

QTEST_GUILESS_MAIN(TestStatusIni)
#include "tst_statusini.moc"
