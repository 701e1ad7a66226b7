// Runs the program's start-up and shutdown in this process. The test runs from
// a folder of its own that holds the translation files of the made-up language
// "zz": tspx_zz.qm beside it and translations/qt_zz.qm.
#include "configfolder.h"
#include "programrun.h"

#include "app/startup.h"
#include "settings/settingspaths.h"

#include <QApplication>
#include <QErrorMessage>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

// What the test saw from inside the program's event loop, and how it ended.
struct Run : ProgramRun
{
    bool windowShown = false;
    QString fileMenuTitle;
    QString programText;
    QString frameworkOnlyText;
};

// Runs the program with the given arguments after the program name. Inside
// the event loop it records what it sees, then ends the loop with `exitCode`
// (0: by closing the main window like a user).
Run runProgram(const QList<QByteArray> &options, int exitCode = 0)
{
    Run run;
    static_cast<ProgramRun &>(run) =
        runProgramInProcess(options, [&run, exitCode](QWidget *window) {
            run.windowShown = window != nullptr;
            if (auto *menu = window ? window->findChild<QMenu *>("menuDatei") : nullptr)
                run.fileMenuTitle = menu->title();
            run.programText = QCoreApplication::translate("TspxProbe", "Quelle");
            run.frameworkOnlyText = QCoreApplication::translate("TspxProbe", "NurRahmen");
            if (window && exitCode == 0)
                window->close();
            else
                QCoreApplication::exit(window ? exitCode : 99);
        });
    return run;
}

QByteArray statusFileContents()
{
    QFile file(settingsFilePath(QStringLiteral("status")));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void languageOption_data();
    void languageOption();

    void firstRunLogsAndWritesStatusFile();
    void languageOptionTranslatesAndIsKept();
    void missingTranslationsAndExitCode();
    void quittingClosesTheOpenNotices();

private:
    std::unique_ptr<TemporaryConfigHome> m_configHome;
};

void TestStartup::init()
{
    m_configHome.reset(); // the old folder restores the variable before the new one sets it
    m_configHome = std::make_unique<TemporaryConfigHome>();
    QVERIFY(m_configHome->isValid());
}

void TestStartup::languageOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("language");

    QTest::newRow("program name only") << QStringList{"-lang=fr"} << QByteArray();
    QTest::newRow("-lang=fr") << QStringList{"tspx", "x", "-lang=fr", "y=z"} << QByteArray("fr");
    QTest::newRow("empty code") << QStringList{"tspx", "-lang="} << QByteArray();
    QTest::newRow("no =") << QStringList{"tspx", "-lang"} << QByteArray();
    QTest::newRow("two dashes") << QStringList{"tspx", "--lang=fr"} << QByteArray();
    QTest::newRow("upper case") << QStringList{"tspx", "-LANG=fr"} << QByteArray();
    QTest::newRow("three parts") << QStringList{"tspx", "-lang=fr=x"} << QByteArray();
    QTest::newRow("last wins") << QStringList{"tspx", "-lang=fr", "-lang=it"} << QByteArray("it");
    QTest::newRow("ignored ones keep it")
        << QStringList{"tspx", "-lang=it", "--lang=fr", "-lang", "-lang=fr=x"} << QByteArray("it");
    QTest::newRow("later empty code replaces")
        << QStringList{"tspx", "-lang=fr", "-lang="} << QByteArray();
}

void TestStartup::languageOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, language);
    QCOMPARE(requestedLanguage(arguments), language);
}

void TestStartup::firstRunLogsAndWritesStatusFile()
{
    const Run run = runProgram({});

    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.windowShown);
    QVERIFY(run.log.size() >= 5);
    const QRegularExpression startLine(
        QStringLiteral("^Starte TSPX\\. Version: 1\\.2  build: \\d{12}$"));
    QVERIFY2(startLine.match(QString::fromLatin1(run.log.first())).hasMatch(),
             run.log.first().constData());
    // The status file is loaded before the language is chosen.
    const int languageLine = run.log.indexOf("Lade Sprache 'de'...");
    QVERIFY(languageLine > 1);
    QVERIFY(run.log.at(languageLine - 1).startsWith("Load StatusIni '"));
    QVERIFY(run.log.at(run.log.size() - 2).startsWith("Save StatusIni '"));
    QCOMPARE(run.log.last(), QByteArray("TSPX beendet: 0"));

    const QByteArray status = statusFileContents();
    QVERIFY2(status.contains("[gui]\nlanguage=de\n"), status.constData());
    for (const char *section :
         {"[mainform]\n", "[printing]\n", "[path]\n", "[com]\n", "[export]\n"})
        QVERIFY2(status.contains(section), section);
}

void TestStartup::languageOptionTranslatesAndIsKept()
{
    const Run chosen = runProgram({"-lang=zz"});
    QCOMPARE(chosen.exitCode, 0);
    QVERIFY(chosen.log.contains("Lade Sprache 'zz'..."));
    // Installed before the window is built, the program's file consulted first.
    QCOMPARE(chosen.fileMenuTitle, QStringLiteral("&Datei-zz"));
    QCOMPARE(chosen.programText, QStringLiteral("Programm-zz"));
    QCOMPARE(chosen.frameworkOnlyText, QStringLiteral("Rahmen-zz"));
    QVERIFY(statusFileContents().contains("[gui]\nlanguage=zz\n"));

    const Run later = runProgram({});
    QVERIFY(later.log.contains("Lade Sprache 'zz'..."));
    QCOMPARE(later.programText, QStringLiteral("Programm-zz"));

    const Run emptyOption = runProgram({"-lang="});
    QVERIFY(emptyOption.log.contains("Lade Sprache 'zz'..."));
    QVERIFY(statusFileContents().contains("[gui]\nlanguage=zz\n"));
}

void TestStartup::missingTranslationsAndExitCode()
{
    const Run run = runProgram({"-lang=fr"}, 3);

    QVERIFY(run.windowShown);
    QVERIFY(run.log.contains("Lade Sprache 'fr'..."));
    QCOMPARE(run.fileMenuTitle, QStringLiteral("&Datei"));
    QCOMPARE(run.programText, QStringLiteral("Quelle"));
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.log.last(), QByteArray("TSPX beendet: 3"));
    QVERIFY(run.log.at(run.log.size() - 2).startsWith("Save StatusIni '"));
    QVERIFY(statusFileContents().contains("[gui]\nlanguage=fr\n"));
}

// A notice still open (the transfer's incomplete records) closes with the window.
void TestStartup::quittingClosesTheOpenNotices()
{
    const ProgramRun run = runProgramInProcess({}, [](QWidget *window) {
        for (QWidget *notice : QApplication::topLevelWidgets())
            if (auto *errors = qobject_cast<QErrorMessage *>(notice))
                errors->showMessage(QStringLiteral("#9"));
        auto *stillRunning = new QTimer(window);
        QObject::connect(stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        stillRunning->start(5000);
        window->close(); // as Ctrl+Q does
    });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.log.last(), QByteArray("TSPX beendet: 0"));
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
