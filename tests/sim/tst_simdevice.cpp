#include "configfolder.h"
#include "device/interfacehardware.h"
#include "device/quorixtspx.h"
#include "logcapture.h"
#include "settings/statusini.h"
#include "archive/measurementarchive.h"
#include "device/gaugesession.h"
#include "workflow/gaugeworkflow.h"
#include "simprocess.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

namespace {

const QByteArray kMemoryText = "serial TP-7788-0001\n"
                               "version 4.01b\n"
                               "unit 1\n"
                               "slot 9\n"
                               "rate 200.0\n"
                               "date 24;01;2017\n"
                               "time 16;11;58\n"
                               "forces 0.25;80.5;160.125;3.0\n";

// The program's side: the status file, the session and the workflow that
// connects it, as the main window has them.
struct Program
{
    Program() { status.load(); }
    int open() { return workflow.connect(); }

    StatusIni status{"status"};
    GaugeSession session;
    MeasurementArchive archive;
    GaugeWorkflow workflow{session, archive, status};
    InterfaceHardware &hardware = session.hardware();
};

QList<QByteArray> portsThatFailedToOpen(const LogCapture &log)
{
    QList<QByteArray> names;
    const QByteArray prefix = "RS232 kann nicht geöffnet werden! ";
    for (const QByteArray &line : log.linesStartingWith(prefix))
        names.append(line.mid(prefix.size()));
    return names;
}

QList<QByteArray> portNames(int first, int last)
{
    QList<QByteArray> names;
    for (int number = first; number <= last; ++number)
        names.append("COM" + QByteArray::number(number));
    return names;
}

int storedPortNumber()
{
    StatusIni status("status");
    status.load();
    return status.lastConnectedPortNr;
}

} // namespace

class TestSimDevice : public QObject
{
    Q_OBJECT

private slots:
    void connectAndDisconnectTwice();
    void identityAndStoredMeasurement();
    void millionSamplesArriveWhole();
    void silentGaugeGivesNoAnswer();
    void searchFindsTheGaugeOnItsPort();
    void searchStartsAtTheRememberedPort();
    void refusedModeIsNoConnection_data();
    void refusedModeIsNoConnection();
    void faultyAnswers();
};

void TestSimDevice::connectAndDisconnectTwice()
{
    TemporaryConfigHome config;
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    LogCapture log;
    Program program;
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(program.open(), 0);
        QVERIFY(program.hardware.device && program.hardware.port);
        program.hardware.close();
        QVERIFY(!program.hardware.device && !program.hardware.port);
    }
    const QList<QByteArray> oneJob = {"#stCom102!", "#stCom101!", "#stCom102!"};
    QCOMPARE(sim.transcriptLines(), oneJob + oneJob);
    QCOMPARE(log.linesStartingWith("QuorixTSPX::connect: "),
             (QList<QByteArray>{"QuorixTSPX::connect: OK", "QuorixTSPX::connect: OK"}));
    QCOMPARE(log.linesStartingWith("QuorixTSPX::disconnect: OK").size(), 4);
}

void TestSimDevice::identityAndStoredMeasurement()
{
    TemporaryConfigHome config;
    QFile data(config.path() + "/memory.txt");
    QVERIFY(data.open(QIODevice::WriteOnly) && data.write(kMemoryText) > 0);
    data.close();
    SimProcess sim({"--data", data.fileName()});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    Program program;
    QCOMPARE(program.open(), 0);
    QuorixTSPX &device = *program.hardware.device;

    QByteArray text;
    int number = -1;
    QCOMPARE(device.readCommand("serNr", 0, text), 0);
    QCOMPARE(text, QByteArray("TP-7788-0001"));
    QCOMPARE(device.readCommand("swVer", 0, text), 0);
    QCOMPARE(text, QByteArray("4.01b"));
    QCOMPARE(device.readCommand("sFcUn", 0, number), 0);
    QCOMPARE(number, 1);

    float value = -1;
    QList<float> forces;
    QCOMPARE(device.readCommand("dMsCt", 9, number), 0);
    QCOMPARE(number, 4);
    QCOMPARE(device.readCommand("dMsSR", 9, value), 0);
    QCOMPARE(value, 200.0f);
    QCOMPARE(device.readCommand("dMsFc", 9, forces), 0);
    QCOMPARE(forces, (QList<float>{0.25f, 80.5f, 160.125f, 3.0f}));
    QCOMPARE(device.readCommand("dMsFS", 9, value), 0);
    QCOMPARE(value, 0.25f);
    QCOMPARE(device.readCommand("dMsFP", 9, value), 0);
    QCOMPARE(value, 3.0f);
    QCOMPARE(device.readCommand("dMsFX", 9, value), 0);
    QCOMPARE(value, 160.125f);
    QCOMPARE(device.readCommand("dMsFA", 9, value), 0);
    QCOMPARE(value, 60.969f); // 243.875 / 4, rounded to three decimals
    QCOMPARE(device.readCommand("dMsTm", 9, text), 0);
    QCOMPARE(text, QByteArray("16;11;58"));
    QCOMPARE(device.readCommand("dMsDt", 9, text), 0);
    QCOMPARE(text, QByteArray("24;01;2017"));

    // An empty slot: no samples; its values are refused with the gauge's own code.
    QCOMPARE(device.readCommand("dMsCt", 10, number), 0);
    QCOMPARE(number, 0);
    QCOMPARE(device.readCommand("dMsSR", 10, value), -9);
    QCOMPARE(value, 0.0f);
    QCOMPARE(device.execCommand("dMsEr", 9), 0);
    QCOMPARE(device.readCommand("dMsCt", 9, number), 0);
    QCOMPARE(number, 0);
    program.hardware.close();
    QCOMPARE(sim.transcriptLines().mid(2, 3),
             (QList<QByteArray>{"#serNr000?", "#swVer000?", "#sFcUn000?"}));
    QCOMPARE(sim.transcriptLines().last(), QByteArray("#stCom102!"));
}

void TestSimDevice::millionSamplesArriveWhole()
{
    TemporaryConfigHome config;
    SimProcess sim({"--slots", "17", "--samples", "1000000", "--seed", "3"});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    Program program;
    QCOMPARE(program.open(), 0);
    QuorixTSPX &device = *program.hardware.device;
    int count = 0;
    QList<float> forces;
    float start = 0, end = 0, max = 0, avg = 0;
    QCOMPARE(device.readCommand("dMsCt", 17, count), 0);
    QCOMPARE(device.readCommand("dMsFc", 17, forces), 0);
    QCOMPARE(device.readCommand("dMsFS", 17, start), 0);
    QCOMPARE(device.readCommand("dMsFP", 17, end), 0);
    QCOMPARE(device.readCommand("dMsFX", 17, max), 0);
    QCOMPARE(device.readCommand("dMsFA", 17, avg), 0);
    QCOMPARE(count, 1000000);
    QCOMPARE(forces.size(), 1000000);
    QCOMPARE(start, forces.first());
    QCOMPARE(end, forces.last());
    QCOMPARE(max, *std::max_element(forces.cbegin(), forces.cend()));
    const double sum = std::accumulate(forces.cbegin(), forces.cend(), 0.0);
    QVERIFY(qAbs(avg - sum / forces.size()) < 0.001);
}

void TestSimDevice::silentGaugeGivesNoAnswer()
{
    TemporaryConfigHome config;
    SimProcess sim({"--silent-from", "3"});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    Program program;
    QCOMPARE(program.open(), 0);
    QByteArray text = "old";
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(program.hardware.device->readCommand("serNr", 0, text), -99);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= 800 && elapsed <= 5000, qPrintable(QString::number(elapsed)));
    QVERIFY(text.isEmpty());
    QCOMPARE(sim.transcriptLines().last(), QByteArray("#serNr000?"));
}

void TestSimDevice::searchFindsTheGaugeOnItsPort()
{
    TemporaryConfigHome config;
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    LogCapture log;
    Program program;
    QCOMPARE(program.status.lastConnectedPortNr, 0);
    QCOMPARE(program.open(), 0);
    QCOMPARE(portsThatFailedToOpen(log), portNames(1, 3));
    QCOMPARE(log.linesStartingWith("Init RS232: ").first(),
             QByteArray("Init RS232: COM41152000810"));
    program.hardware.close();

    QCOMPARE(storedPortNumber(), 4);
    QFile file(QString::fromLatin1(program.status.fileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const int section = lines.indexOf("[com]");
    QVERIFY(section >= 0);
    QCOMPARE(lines.value(section + 1), QByteArray("lastConnectedPortNr=4"));
}

void TestSimDevice::searchStartsAtTheRememberedPort()
{
    TemporaryConfigHome config;
    {
        SimProcess sim;
        QVERIFY2(sim.start(), qPrintable(sim.errorText()));
        Program program;
        program.status.lastConnectedPortNr = 4;
        LogCapture log;
        QCOMPARE(program.open(), 0);
        QCOMPARE(portsThatFailedToOpen(log), QList<QByteArray>());
        QVERIFY(log.linesStartingWith("Init RS232: ").first().startsWith("Init RS232: COM4"));
    }
    // The gauge moved to COM2: the round runs from COM4 to COM30 and on from COM1.
    SimProcess sim({}, 2);
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    Program program;
    QCOMPARE(program.status.lastConnectedPortNr, 4);
    LogCapture log;
    QCOMPARE(program.open(), 0);
    QCOMPARE(portsThatFailedToOpen(log), portNames(4, 30) + portNames(1, 1));
    program.hardware.close();
    QCOMPARE(storedPortNumber(), 2);

    // A search that finds nothing still saves the file.
    QVERIFY(sim.stop());
    program.status.lastConnectedPortNr = 7; // in memory only: the search must save
    QVERIFY(program.open() != 0);
    QCOMPARE(storedPortNumber(), 7);
}

void TestSimDevice::refusedModeIsNoConnection_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<QByteArray>>("traffic");
    // A refused stop leaves the protocol object unable to send the start command.
    QTest::newRow("stop") << "--refuse-stop" << QList<QByteArray>{"#stCom102!"};
    QTest::newRow("start") << "--refuse-start" << QList<QByteArray>{"#stCom102!", "#stCom101!"};
}

void TestSimDevice::refusedModeIsNoConnection()
{
    QFETCH(QString, option);
    QFETCH(QList<QByteArray>, traffic);
    TemporaryConfigHome config;
    SimProcess sim({option});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    LogCapture log;
    Program program;
    QVERIFY(program.open() != 0);
    QVERIFY(!program.hardware.device && !program.hardware.port);
    QCOMPARE(sim.transcriptLines(), traffic);
    QCOMPARE(portsThatFailedToOpen(log).size(), 29);
    QVERIFY(!log.linesStartingWith("QuorixTSPX::connect: ").contains("QuorixTSPX::connect: OK"));
    QCOMPARE(storedPortNumber(), 0);
}

void TestSimDevice::faultyAnswers()
{
    TemporaryConfigHome config;
    SimProcess sim({"--slots", "1,3", "--noise", "--endless-at", "1:dMsFc", "--endless-bytes",
                    "20000", "--override", "3:dMsCt=4294967295", "--override", "3:dMsFc=1.5;;2;",
                    "--override", "3:dMsSR=", "--answer", "3:dMsTm=-12"});
    QVERIFY2(sim.start(), qPrintable(sim.errorText()));
    Program program;
    QCOMPARE(program.open(), 0);
    QuorixTSPX &device = *program.hardware.device;
    QList<float> forces = {9.0f};
    QCOMPARE(device.readCommand("dMsFc", 1, forces), -99);
    QVERIFY(forces.isEmpty());
    // The next command stops the endless answer and gets its own.
    int count = 0;
    QCOMPARE(device.readCommand("dMsCt", 1, count), 0);
    QVERIFY(count > 0);
    QCOMPARE(device.readCommand("dMsCt", 3, count), 0);
    QCOMPARE(count, -1); // 4294967295 read as unsigned, returned as int
    QCOMPARE(device.readCommand("dMsFc", 3, forces), 0);
    QCOMPARE(forces, (QList<float>{1.5f, 0.0f, 2.0f}));
    float rate = -1;
    QCOMPARE(device.readCommand("dMsSR", 3, rate), 0);
    QCOMPARE(rate, 0.0f);
    QByteArray time = "old";
    QCOMPARE(device.readCommand("dMsTm", 3, time), -12);
    QVERIFY(time.isEmpty());
}

QTEST_GUILESS_MAIN(TestSimDevice)
#include "tst_simdevice.moc"
