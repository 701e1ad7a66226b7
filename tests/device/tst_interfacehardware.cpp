#include "device/interfacehardware.h"
#include "device/quorixtspx.h"
#include "portfixtures.h"
#include "scriptedport.h"
#include "settings/statusini.h"

#include <QTest>

namespace {

const QByteArray kCannotOpen = "RS232 kann nicht ge\xc3\xb6"
                               "ffnet werden! COM";

// The numbers of the ports that could not be opened, in log order.
QList<int> portsTried(const QList<QByteArray> &lines)
{
    QList<int> numbers;
    for (const QByteArray &line : lines) {
        if (line.startsWith(kCannotOpen))
            numbers.append(line.mid(kCannotOpen.size()).toInt());
    }
    return numbers;
}

QList<int> ports(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(n);
    return numbers;
}

QByteArray accept(const QByteArray &)
{
    return "#0\r\n";
}

} // namespace

class TestInterfaceHardware : public QObject
{
    Q_OBJECT

private slots:
    void searchOrderWithoutDevice();
#ifdef Q_OS_LINUX
    void deviceFoundOnItsPort();
    void refusingControllers();
    void searchPassesPortsThatAreNotTheGauge_data();
    void searchPassesPortsThatAreNotTheGauge();
#endif
};

void TestInterfaceHardware::searchOrderWithoutDevice()
{
    const QList<QPair<int, QList<int>>> cases{{0, ports(1, 30)},
                                              {7, ports(7, 30) + ports(1, 6)},
                                              {30, QList<int>{30} + ports(1, 29)},
                                              {31, ports(1, 30)},
                                              {-4, ports(1, 30)}};
    for (const auto &c : cases) {
        PortEntries entries;
        QVERIFY(entries.linkAllToNothing());
        LogCapture log;
        StatusIni status("status");
        status.load();
        InterfaceHardware hardware;
        QCOMPARE(hardware.open(c.first), -1);
        QCOMPARE(portsTried(log.lines()), c.second);
        QVERIFY(!hardware.port && !hardware.device);
        QCOMPARE(hardware.connectedPortNr(), 0);
        // The device layer leaves the status file to its caller.
        QVERIFY(log.linesStartingWith("Save StatusIni").isEmpty());

        hardware.close(); // closed already: nothing happens
        QByteArray text;
        QCOMPARE(hardware.getError(text), 0);
        QCOMPARE(text, QByteArray("OK"));
    }
}

#ifdef Q_OS_LINUX

void TestInterfaceHardware::deviceFoundOnItsPort()
{
    PseudoTerminal terminal;
    ControllerStub controller(terminal, accept);
    PortEntries entries;
    QVERIFY(entries.linkAllToNothing());
    QVERIFY(entries.link(4, terminal.devicePath()));
    LogCapture log;
    StatusIni status("status");
    status.load();
    {
        InterfaceHardware hardware;
        QCOMPARE(hardware.open(7), 0);
        QCOMPARE(portsTried(log.lines()), ports(7, 30) + ports(1, 3));
        QVERIFY(hardware.port && hardware.device);
        QCOMPARE(hardware.connectedPortNr(), 4);
        // Configured by the search and again by the protocol object.
        QCOMPARE(log.linesStartingWith("Init RS232: "),
                 QVector<QByteArray>(2, "Init RS232: COM41152000810").toList());
        QCOMPARE(log.linesStartingWith("QuorixTSPX::"),
                 (QList<QByteArray>{"QuorixTSPX::disconnect: OK", "QuorixTSPX::connect: OK"}));
        QCOMPARE(controller.lines(), (QList<QByteArray>{"#stCom102!\r\n", "#stCom101!\r\n"}));

        hardware.device->status->code = DeviceStatus::InitError;
        QByteArray text;
        QCOMPARE(hardware.getError(text), -1);
        QCOMPARE(text, QByteArray("Fehler : Fehler beim Initialisieren!\n"));
        hardware.device->status->code = DeviceStatus::Ok;

        // While it is open, nobody else gets the port.
        log.clear();
        InterfaceHardware other;
        QCOMPARE(other.open(4), -1);
        QCOMPARE(portsTried(log.lines()), ports(4, 30) + ports(1, 3));
    }
    // Closed by the destructor with the stop command, once.
    QCOMPARE(controller.lines().size(), 3);
    QCOMPARE(controller.lines().last(), QByteArray("#stCom102!\r\n"));

    log.clear();
    InterfaceHardware again;
    QCOMPARE(again.open(4), 0);
    QVERIFY(portsTried(log.lines()).isEmpty()); // found at once on COM4
}

void TestInterfaceHardware::refusingControllers()
{
    // Refuses the stop command (it would accept the start command), or
    // refuses the start command.
    const QList<QPair<QByteArray, QList<QByteArray>>> cases{
        {"#stCom102",
         {"QuorixTSPX::disconnect: Fehler!", "QuorixTSPX::connect: Fehler!",
          "QuorixTSPX::connect: Fehler!"}},
        {"#stCom101",
         {"QuorixTSPX::disconnect: OK", "QuorixTSPX::connect: Fehler beim Initialisieren!",
          "QuorixTSPX::connect: Fehler beim Initialisieren!"}}};
    for (const auto &c : cases) {
        PseudoTerminal terminal;
        ControllerStub controller(terminal, [&](const QByteArray &line) {
            return line.startsWith(c.first) ? QByteArray("#5\r\n") : QByteArray("#0\r\n");
        });
        PortEntries entries;
        QVERIFY(entries.linkAllToNothing());
        QVERIFY(entries.link(2, terminal.devicePath()));
        LogCapture log;
        StatusIni status("status");
        status.load();
        InterfaceHardware hardware;
        QCOMPARE(hardware.open(status.lastConnectedPortNr), -1);
        QVERIFY(!hardware.port && !hardware.device);
        QCOMPARE(portsTried(log.lines()), QList<int>{1} + ports(3, 30));
        QCOMPARE(log.linesStartingWith("QuorixTSPX::"), c.second);
        // Nothing is sent after the first refusal.
        QCOMPARE(controller.lines().last(), c.first + "!\r\n");
        QCOMPARE(hardware.connectedPortNr(), 0);
    }
}

void TestInterfaceHardware::searchPassesPortsThatAreNotTheGauge_data()
{
    QTest::addColumn<bool>("loopback"); // else a device that prints READY
    QTest::newRow("loopback plug") << true;
    QTest::newRow("device that prints READY") << false;
}

void TestInterfaceHardware::searchPassesPortsThatAreNotTheGauge()
{
    QFETCH(bool, loopback);
    PseudoTerminal otherLine;
    ControllerStub other(otherLine, [loopback](const QByteArray &line) {
        return loopback ? line : QByteArray("#READY\r\n");
    });
    PseudoTerminal gaugeLine;
    ControllerStub gauge(gaugeLine, accept);
    PortEntries entries;
    QVERIFY(entries.linkAllToNothing());
    QVERIFY(entries.link(2, otherLine.devicePath()));
    QVERIFY(entries.link(3, gaugeLine.devicePath()));
    LogCapture log;
    StatusIni status("status");
    status.load();
    InterfaceHardware hardware;
    QCOMPARE(hardware.open(status.lastConnectedPortNr), 0);
    QCOMPARE(hardware.connectedPortNr(), 3);
    // The other device got the stop command only: its answer is no result.
    QCOMPARE(other.lines(), QList<QByteArray>{"#stCom102!\r\n"});
    QCOMPARE(log.linesStartingWith("QuorixTSPX::"),
             (QList<QByteArray>{"QuorixTSPX::disconnect: Fehler!", "QuorixTSPX::connect: Fehler!",
                                "QuorixTSPX::connect: Fehler!", "QuorixTSPX::disconnect: OK",
                                "QuorixTSPX::connect: OK"}));
}

#endif

QTEST_GUILESS_MAIN(TestInterfaceHardware)
#include "tst_interfacehardware.moc"
