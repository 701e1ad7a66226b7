#include "configfolder.h"
#include "sim/gaugecontroller.h"
#include "sim/portlink.h"
#include "sim/simconfig.h"
#include "simprocess.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The program's side of the line, opened through the port link like a serial port.
class RawPort
{
public:
    explicit RawPort(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY))
    {
        termios settings;
        if (m_fd >= 0 && tcgetattr(m_fd, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(m_fd, TCSANOW, &settings);
        }
    }
    ~RawPort()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }

    bool send(const QByteArray &bytes)
    {
        return ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

    // Bytes until `count` arrived, an LF arrived (stopAtLf), or none came for quietMs.
    QByteArray receive(int count, bool stopAtLf, int quietMs = 3000)
    {
        QByteArray bytes;
        char buffer[65536];
        pollfd fd = {m_fd, POLLIN, 0};
        while (bytes.size() < count && !(stopAtLf && bytes.endsWith('\n')) &&
               ::poll(&fd, 1, quietMs) > 0) {
            const int wanted = stopAtLf ? 1 : std::min<int>(sizeof buffer, count - bytes.size());
            const ssize_t length = ::read(m_fd, buffer, size_t(wanted));
            if (length <= 0)
                break;
            bytes.append(buffer, int(length));
        }
        return bytes;
    }

    QByteArray exchange(const QByteArray &line)
    {
        return send(line) ? receive(INT_MAX, true) : QByteArray();
    }

private:
    int m_fd;
};

// Lower bound of the time `bytes` need on a 115200 8N1 line, with 10 % slack.
qint64 wireMsAtLeast(qint64 bytes)
{
    return bytes * 1000 * 9 / 10 / kWireBytesPerSecond;
}

} // namespace

class TestSimProcess : public QObject
{
    Q_OBJECT

private slots:
    void linkLivesAsLongAsTheGauge_data();
    void linkLivesAsLongAsTheGauge();
    void occupiedLinkPlace();
    void answersAndTranscriptOverTheTerminal();
    void pacingAndDelayTakeTheirTime();
    void chatterIsAnotherDeviceThatNeverAnswers();
    void statsCountBothDirectionsAtTheStop();
    void commandLineOfTheProgram();
};

void TestSimProcess::linkLivesAsLongAsTheGauge_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    // The test that started the gauge went away: its standard input ends.
    QTest::newRow("end of input") << 0;
}

void TestSimProcess::linkLivesAsLongAsTheGauge()
{
    QFETCH(int, signal);
    TemporaryConfigHome config;
    // A link left behind by a gauge that died is taken over.
    QString error;
    QVERIFY(installPortLink(portLinkPath(6), "/nonexistent/old-gauge", error));
    SimProcess sim({"--empty"}, 6);
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    QVERIFY(sim.terminalPath().startsWith("/dev/pts/"));
    QCOMPARE(QFileInfo(sim.linkPath()).symLinkTarget(), sim.terminalPath());
    // Every other port is masked by a link to nothing.
    QVERIFY(QFileInfo(portLinkPath(1)).isSymLink());
    QVERIFY(!QFileInfo::exists(portLinkPath(1)));
    QVERIFY(!QFileInfo(portLinkPath(6)).symLinkTarget().contains("old-gauge"));

    if (signal != 0)
        ::kill(pid_t(sim.process().processId()), signal);
    else
        sim.process().closeWriteChannel();
    QVERIFY(sim.process().waitForFinished(5000));
    QCOMPARE(sim.process().exitCode(), 0);
    QVERIFY(!QFileInfo(sim.linkPath()).isSymLink());
    QVERIFY(QFileInfo(portLinkPath(1)).isSymLink());
}

void TestSimProcess::occupiedLinkPlace()
{
    TemporaryConfigHome config;
    SimProcess sim({"--empty"}, 5);
    QVERIFY(QDir().mkpath(sim.linkPath()));
    QVERIFY(!sim.start());
    QVERIFY(sim.errorText().contains("is not a link"));
    QVERIFY(QFileInfo(sim.linkPath()).isDir());
}

void TestSimProcess::answersAndTranscriptOverTheTerminal()
{
    TemporaryConfigHome config;
    SimProcess sim({"--slots", "2", "--samples", "3", "--noise", "--silent-from", "6"});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    {
        RawPort port(sim.linkPath());
        QVERIFY(port.isOpen());
        QCOMPARE(port.exchange("#serNr000?\r\n"), answerNoise() + "#-3\r\n");
        QCOMPARE(port.exchange("#stCom101!\r\n"), answerNoise() + "#0\r\n");
    }
    // The program closes the port between jobs; the gauge goes on answering.
    RawPort port(sim.linkPath());
    QVERIFY(port.isOpen());
    QCOMPARE(port.exchange("#dMsCt002?\n"), answerNoise() + "#dMsCt002=3\r\n");
    QCOMPARE(port.exchange("#dMsCt001?\r\n"), answerNoise() + "#dMsCt001=0\r\n");
    QVERIFY(port.send("#stCom1"));
    QVERIFY(port.send("02!\r\n#swVer000?\r\n"));
    QCOMPARE(port.receive(INT_MAX, true), answerNoise() + "#0\r\n");
    // The sixth line and all after it stay unanswered.
    QCOMPARE(port.receive(1, false, 500), QByteArray());
    QVERIFY(port.send("#stCom101!\r\n"));
    QCOMPARE(port.receive(1, false, 500), QByteArray());
    QCOMPARE(sim.transcriptLines(),
             (QList<QByteArray>{"#serNr000?", "#stCom101!", "#dMsCt002?", "#dMsCt001?",
                                "#stCom102!", "#swVer000?", "#stCom101!"}));
}

void TestSimProcess::pacingAndDelayTakeTheirTime()
{
    TemporaryConfigHome config;
    SimProcess sim({"--slots", "1", "--samples", "1000", "--paced", "--delay-ms", "200"});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    RawPort port(sim.linkPath());
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(port.exchange("#stCom101!\r\n"), QByteArray("#0\r\n"));
    QVERIFY(timer.elapsed() >= 200);

    // Receiving: a 5000-byte line is handled only once it could have crossed the wire.
    const QByteArray longLine = "#" + QByteArray(4997, 'x') + "\r\n";
    timer.restart();
    QCOMPARE(port.exchange(longLine), QByteArray("#-8\r\n"));
    QVERIFY(timer.elapsed() >= 200 + wireMsAtLeast(longLine.size()));

    // Sending: a long answer leaves at wire speed.
    timer.restart();
    const QByteArray forces = port.exchange("#dMsFc001?\r\n");
    QVERIFY(forces.size() > 4000);
    QVERIFY(forces.endsWith("\r\n"));
    QVERIFY(timer.elapsed() >= 200 + wireMsAtLeast(forces.size()));
}

void TestSimProcess::chatterIsAnotherDeviceThatNeverAnswers()
{
    TemporaryConfigHome config;
    SimProcess sim({"--chatter", "200", "--paced"});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    RawPort port(sim.linkPath());
    QVERIFY(port.send("#stCom101!\r\n#serNr000?\r\n"));
    port.receive(INT_MAX, false, 100); // what came before the port was open
    QElapsedTimer timer;
    timer.start();
    QByteArray received;
    while (timer.elapsed() < 1000)
        received += port.receive(INT_MAX, true, int(qMax<qint64>(1, 1000 - timer.elapsed())));
    // A line of its own every 200 ms, no "#": nothing that answers a command.
    QVERIFY2(received.count('\n') >= 4 && received.count('\n') <= 6, received.constData());
    QVERIFY(received.startsWith("$GPGGA,") || received.contains("\n$GPGGA,"));
    QVERIFY(!received.contains('#'));
    QCOMPARE(sim.transcriptLines(), (QList<QByteArray>{"#stCom101!", "#serNr000?"}));
}

void TestSimProcess::statsCountBothDirectionsAtTheStop()
{
    TemporaryConfigHome config;
    QTemporaryDir dir;
    const QString statsFile = dir.filePath("stats.txt");
    SimProcess sim({"--slots", "2", "--samples", "3", "--stats", statsFile});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    qint64 toGauge = 0;
    qint64 fromGauge = 0;
    {
        RawPort port(sim.linkPath());
        for (const QByteArray line : {"#stCom101!\r\n", "#dMsFc002?\r\n", "#bogus\n"}) {
            toGauge += line.size();
            fromGauge += port.exchange(line).size();
        }
    }
    QVERIFY(fromGauge > QByteArray("#0\r\n#dMsFc002=\r\n").size());
    QVERIFY(!QFile::exists(statsFile));
    QVERIFY(sim.stop());
    QFile stats(statsFile);
    QVERIFY(stats.open(QIODevice::ReadOnly));
    QCOMPARE(stats.readAll(), "received " + QByteArray::number(toGauge) + "\nsent " +
                                  QByteArray::number(fromGauge) + "\n");

    // A file that cannot be written is an error of the run.
    SimProcess blocked({"--empty", "--stats", dir.filePath("missing/stats.txt")});
    QVERIFY2(blocked.start(), qPrintable(blocked.errorText()));
    QVERIFY(!blocked.stop());
    QCOMPARE(blocked.process().exitCode(), 1);
}

void TestSimProcess::commandLineOfTheProgram()
{
    QProcess help;
    help.start(SimProcess::executablePath(), {"--help"});
    QVERIFY(help.waitForFinished(10000));
    QCOMPARE(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    for (const char *option : {"--com", "--paced", "--endless-at", "--override", "--transcript"})
        QVERIFY2(text.contains(option), option);

    QProcess wrong;
    wrong.start(SimProcess::executablePath(), {"--com", "0"});
    QVERIFY(wrong.waitForFinished(10000));
    QCOMPARE(wrong.exitCode(), 2);
    QCOMPARE(wrong.readAllStandardError(),
             QByteArray("tspx-sim: --com needs a number from 1 to 30\n"));

    QProcess missing;
    missing.start(SimProcess::executablePath(), {"--data", "/nonexistent/memory.txt"});
    QVERIFY(missing.waitForFinished(10000));
    QCOMPARE(missing.exitCode(), 1);
    QVERIFY(missing.readAllStandardError().contains("/nonexistent/memory.txt"));
}

QTEST_GUILESS_MAIN(TestSimProcess)
#include "tst_simprocess.moc"
