// The program's real start-up and shutdown (runTspx) with settings it cannot
// use: a status file of random bytes, a folder in the status file's place, a
// settings folder that is a file or cannot be written. The program starts
// with its defaults or with what it could read, and exits normally.
#include "configfolder.h"
#include "programrun.h"

#include "settings/settingspaths.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <QTest>

#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

struct Run : ProgramRun
{
    bool windowShown = false;
    QSize windowSize;
};

// Runs the program, looks at its main window from inside the event loop and
// closes it as a user would.
Run runProgram()
{
    Run run;
    static_cast<ProgramRun &>(run) = runProgramInProcess({}, [&run](QWidget *window) {
        if (!window) {
            QCoreApplication::exit(99);
            return;
        }
        run.windowShown = true;
        run.windowSize = window->size();
        window->close();
    });
    return run;
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(contents) == contents.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(quint32 seed, int size)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// The window's size without a status file: the default, fitted to the screen
// the test runs on.
QSize defaultWindowSize()
{
    static const QSize size = [] {
        const TemporaryConfigHome fresh;
        return runProgram().windowSize;
    }();
    return size;
}

} // namespace

class TestFileFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unreadableStatusFile_data();
    void unreadableStatusFile();
    void folderInPlaceOfTheStatusFile();
    void settingsFolderIsAFile();
    void readOnlySettingsFolder();

private:
    std::unique_ptr<TemporaryConfigHome> m_configHome;
};

void TestFileFaults::init()
{
    m_configHome = std::make_unique<TemporaryConfigHome>();
    QVERIFY(m_configHome->isValid());
}

void TestFileFaults::cleanup()
{
    // A read-only folder would keep the temporary folder from going.
    QFile::setPermissions(settingsFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_configHome.reset();
}

void TestFileFaults::unreadableStatusFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("defaultSize");
    QTest::newRow("random 1") << randomBytes(1, 4096) << true;
    QTest::newRow("random 2") << randomBytes(2, 65536) << true;
    QTest::newRow("NUL bytes") << QByteArray(1000, '\0') << true;
    QTest::newRow("NUL inside a section")
        << QByteArray("[gui]\nlanguage=d\0e\n[main\0form]\nformWidth=\0\n", 44) << true;
    QTest::newRow("values out of range")
        << QByteArray("[mainform]\nformPosX=-2147483648\nformPosY=99999999999\nformWidth=-5\n"
                      "formHeight=2147483647\nformMaximized=vielleicht\n"
                      "[com]\nlastConnectedPortNr=-7\n[export]\nexportListCsvWithSepHeader=2\n")
        << false;
}

void TestFileFaults::unreadableStatusFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, defaultSize);
    const QString statusFile = settingsFilePath(QStringLiteral("status"));
    QVERIFY(writeFile(statusFile, contents));

    const Run first = runProgram();
    QVERIFY(first.windowShown);
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.log.last(), QByteArray("TSPX beendet: 0"));
    if (defaultSize)
        QCOMPARE(first.windowSize, defaultWindowSize());
    else
        QVERIFY(!first.windowSize.isEmpty());

    // What the first run left behind starts the program again.
    const Run second = runProgram();
    QVERIFY(second.windowShown);
    QCOMPARE(second.exitCode, 0);
}

void TestFileFaults::folderInPlaceOfTheStatusFile()
{
    const QString statusFile = settingsFilePath(QStringLiteral("status"));
    QVERIFY(QDir().mkpath(statusFile));

    const Run run = runProgram();

    QVERIFY(run.windowShown);
    QCOMPARE(run.windowSize, defaultWindowSize());
    QCOMPARE(run.exitCode, 0);
    // The status could not be saved, and the log does not claim it was.
    QVERIFY(!run.logged("Save StatusIni '"));
    QVERIFY(QFileInfo(statusFile).isDir());
}

void TestFileFaults::settingsFolderIsAFile()
{
    // A regular file where the settings folder belongs: nothing can be
    // created below it, not even by root.
    const QString folder = settingsFolder();
    QVERIFY(writeFile(folder, "x"));

    const Run run = runProgram();

    QVERIFY(run.windowShown);
    QCOMPARE(run.windowSize, defaultWindowSize());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.logged("Load StatusIni '"));
    QVERIFY(!run.logged("Save StatusIni '"));
    QCOMPARE(readFile(folder), QByteArray("x"));
}

void TestFileFaults::readOnlySettingsFolder()
{
    if (::geteuid() == 0)
        QSKIP("root writes into a read-only folder; settingsFolderIsAFile covers root");
    const QString statusFile = settingsFilePath(QStringLiteral("status"));
    const QByteArray contents = "[mainform]\nformWidth=640\nformHeight=480\n";
    QVERIFY(writeFile(statusFile, contents));
    QVERIFY(QFile::setPermissions(settingsFolder(), QFile::ReadOwner | QFile::ExeOwner));

    const Run run = runProgram();

    QVERIFY(run.windowShown);
    // What could be read is used.
    QCOMPARE(run.windowSize, QSize(640, 480));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.logged("Load StatusIni '"));
    QVERIFY(!run.logged("Save StatusIni '"));
    QCOMPARE(readFile(statusFile), contents);
}

QTEST_APPLESS_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
