// The port search at the real line rate with another talkative device (a GPS
// receiver sending a line without "#" now and then) on a port the search
// reaches before the gauge's: the search must neither hang on it nor take it
// for the gauge, and finds the gauge on the next port.
#include "configfolder.h"
#include "simprocess.h"

#include "device/interfacehardware.h"
#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "settings/statusini.h"

#include <QElapsedTimer>
#include <QTest>

namespace {
// What the search of all thirty ports may take at most.
constexpr qint64 kSearchLimitMs = 30000;
constexpr int kChatterPort = 3;
constexpr int kGaugePort = 4;
} // namespace

class TestSearchFaults : public QObject
{
    Q_OBJECT

private slots:
    void talkativeDeviceBeforeTheGauge_data();
    void talkativeDeviceBeforeTheGauge();
};

void TestSearchFaults::talkativeDeviceBeforeTheGauge_data()
{
    QTest::addColumn<int>("intervalMs");
    QTest::newRow("a line every half second") << 500;
    QTest::newRow("a line every 50 ms") << 50;
}

void TestSearchFaults::talkativeDeviceBeforeTheGauge()
{
    QFETCH(int, intervalMs);
    TemporaryConfigHome config;
    SimProcess gauge({"--paced", "--empty"}, kGaugePort);
    QVERIFY2(gauge.start(), qPrintable(gauge.errorText()));
    SimProcess other({"--paced", "--chatter", QString::number(intervalMs)}, kChatterPort);
    other.leavePortAlone(kGaugePort);
    QVERIFY2(other.start(), qPrintable(other.errorText()));

    StatusIni status("status");
    status.load();
    status.lastConnectedPortNr = 1;
    InterfaceHardware hardware;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(hardware.open(status.lastConnectedPortNr), 0);
    const qint64 elapsed = timer.elapsed();

    QCOMPARE(hardware.connectedPortNr(), kGaugePort);
    QByteArray serialNr;
    QCOMPARE(hardware.device->readCommand(Protocol::kSerialNr, 0, serialNr), 0);
    QVERIFY(!serialNr.isEmpty());
    hardware.close();
    // The other device got the stop command only: unanswered, it ended the
    // attempt on that port.
    QCOMPARE(other.transcriptLines(), QList<QByteArray>{"#stCom102!"});
    QVERIFY2(elapsed >= Protocol::kAnswerStartLimitMs && elapsed < kSearchLimitMs,
             qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(TestSearchFaults)
#include "tst_searchfaults.moc"
