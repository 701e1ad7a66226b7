// The gauge session without a window, against tspx-sim on a pseudo-terminal.
#include "configfolder.h"
#include "device/gaugesession.h"
#include "device/interfacehardware.h"
#include "device/knownmeasurements.h"
#include "gaugefixtures.h"
#include "measurement/devicedata.h"
#include "settings/statusini.h"
#include "simprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <memory>

namespace {

// A gauge with `memory` and `options` behind COM4, and a session that found it.
struct Rig
{
    bool start(const QByteArray &memory, const QStringList &options = QStringList())
    {
        QFile file(config.path() + "/gauge.txt");
        if (!file.open(QIODevice::WriteOnly) || file.write(memory) != memory.size())
            return false;
        file.close();
        sim = std::make_unique<SimProcess>(QStringList{"--data", file.fileName()} + options);
        if (!sim->start()) {
            qWarning() << sim->errorText();
            return false;
        }
        status.load();
        return session.open(status.lastConnectedPortNr) == 0;
    }
    // The command lines after the two "stCom" of the connection.
    QList<QByteArray> jobTraffic() const { return sim->transcriptLines().mid(2); }

    TemporaryConfigHome config;
    std::unique_ptr<SimProcess> sim;
    StatusIni status{"status"};
    GaugeSession session{quickLinkTiming()};
};

QList<int> numbersOf(const QList<Measurement *> &records)
{
    QList<int> numbers;
    for (const Measurement *m : records)
        numbers.append(m->number);
    return numbers;
}

QList<QByteArray> erasesIn(const QList<QByteArray> &lines)
{
    QList<QByteArray> erases;
    for (const QByteArray &line : lines) {
        if (line.startsWith("#dMsEr"))
            erases.append(line);
    }
    return erases;
}

// Cancels the job when asked whether it knows a measurement: between the
// slot's summary values and its samples.
struct CancellingLookup : KnownMeasurements
{
    bool fillKnownSamples(const QByteArray &, Measurement &) override
    {
        cancel = true;
        return false;
    }
    std::atomic<bool> cancel{false};
};

} // namespace

class TestGaugeSession : public QObject
{
    Q_OBJECT

private slots:
    void transferReadsEverySlotNewestFirst();
    void failedReadsNameTheirSlots_data();
    void failedReadsNameTheirSlots();
    void cancelStopsAfterTheSlot();
    void cancelFlagStopsBeforeTheNextCommand();
    void eraseChecksTheGaugeAndItsAnswers_data();
    void eraseChecksTheGaugeAndItsAnswers();
    void closeEndsTheCommunicationMode();
};

void TestGaugeSession::transferReadsEverySlotNewestFirst()
{
    Rig rig;
    QVERIFY(rig.start(threeMeasurements()));
    DeviceData data;
    QList<int> progress;
    const TransferResult result = rig.session.transfer(data, [&progress](int slot) {
        progress.append(slot);
        return true;
    });
    QVERIFY(result.ok());
    QVERIFY(!result.cancelled);
    QCOMPARE(data.serialNr, QByteArray("SN-4711"));
    QCOMPARE(data.swVersion, QByteArray("2.10"));
    QCOMPARE(numbersOf(data.records), (QList<int>{12, 3, 30}));
    QCOMPARE(data.records.at(1)->forces, (QList<float>{1, 2.5f, 10, 4}));
    QCOMPARE(progress.size(), 50);
    QCOMPARE(progress.last(), 50);

    // The exact commands of a filled slot, in order.
    const QList<QByteArray> lines = rig.jobTraffic();
    const int slot3 = lines.indexOf("#dMsCt003?");
    QVERIFY(slot3 > 0);
    QCOMPARE(
        lines.mid(slot3, 10),
        (QList<QByteArray>{"#dMsCt003?", "#dMsCt003?", "#dMsSR003?", "#dMsFc003?", "#dMsFS003?",
                           "#dMsFP003?", "#dMsFX003?", "#dMsFA003?", "#dMsTm003?", "#dMsDt003?"}));
    QCOMPARE(lines.count("#dMsCt004?"), 1);
}

void TestGaugeSession::failedReadsNameTheirSlots_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<int>>("failedSlots");
    QTest::addColumn<bool>("identityFailed");
    QTest::addColumn<QList<int>>("records");

    // Only an early slot fails: the last slot's success must not hide it.
    QTest::newRow("refused value in slot 3")
        << QStringList{"--answer", "3:dMsSR=-9"} << QList<int>{3} << false << QList<int>{12, 3, 30};
    QTest::newRow("refused count in slot 7")
        << QStringList{"--answer", "7:dMsCt=-9"} << QList<int>{7} << false << QList<int>{12, 3, 30};
    QTest::newRow("identity refused")
        << QStringList{"--answer", "swVer=-9"} << QList<int>{} << true << QList<int>{12, 3, 30};
    // Lines 1-2 open the link, 3-5 read the identity, 6 is dMsCt001.
    QList<int> fromSlot2;
    for (int slot = 2; slot <= 50; ++slot)
        fromSlot2.append(slot);
    QTest::newRow("silent from slot 2")
        << QStringList{"--silent-from", "7"} << fromSlot2 << false << QList<int>{};
}

void TestGaugeSession::failedReadsNameTheirSlots()
{
    QFETCH(QStringList, options);
    QFETCH(QList<int>, failedSlots);
    QFETCH(bool, identityFailed);
    QFETCH(QList<int>, records);

    Rig rig;
    QVERIFY(rig.start(threeMeasurements(), options));
    DeviceData data;
    const TransferResult result = rig.session.transfer(data, {});
    QCOMPARE(result.failedSlots, failedSlots);
    QCOMPARE(result.identityFailed, identityFailed);
    QVERIFY(!result.ok());
    QCOMPARE(numbersOf(data.records), records);
}

void TestGaugeSession::cancelStopsAfterTheSlot()
{
    Rig rig;
    QVERIFY(rig.start(threeMeasurements()));
    DeviceData data;
    const TransferResult result = rig.session.transfer(data, [](int slot) { return slot < 5; });
    QVERIFY(result.cancelled);
    QVERIFY(result.ok());
    QCOMPARE(numbersOf(data.records), QList<int>{3});
    QVERIFY(rig.jobTraffic().contains("#dMsCt005?"));
    QVERIFY(!rig.jobTraffic().contains("#dMsCt006?"));
}

void TestGaugeSession::cancelFlagStopsBeforeTheNextCommand()
{
    Rig rig;
    QVERIFY(rig.start(threeMeasurements()));
    CancellingLookup lookup;
    rig.session.setCancelFlag(&lookup.cancel);
    rig.session.setKnownMeasurements(&lookup);
    DeviceData data;
    const TransferResult result = rig.session.transfer(data, {});
    rig.session.close();
    // The slot cut short is left out, not named as failed; the
    // communication mode still ends.
    QVERIFY(result.cancelled);
    QVERIFY(result.ok());
    QVERIFY(data.records.isEmpty());
    const QList<QByteArray> traffic = rig.jobTraffic();
    QCOMPARE(traffic.mid(traffic.size() - 3),
             QList<QByteArray>({"#dMsDt003?", "#stCom102!", "#stCom102!"}));
}

void TestGaugeSession::eraseChecksTheGaugeAndItsAnswers_data()
{
    QTest::addColumn<QByteArray>("expectedSerialNr");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("wrongGauge");
    QTest::addColumn<QList<int>>("erased");
    QTest::addColumn<QList<int>>("failed");
    QTest::addColumn<int>("eraseCommands");

    QTest::newRow("the gauge of the list") << QByteArray("SN-4711") << QStringList() << false
                                           << QList<int>{12, 3} << QList<int>{} << 2;
    QTest::newRow("another gauge")
        << QByteArray("SN-0815") << QStringList() << true << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("serial number unanswered")
        << QByteArray("SN-4711") << QStringList{"--silent-from", "3"} << true << QList<int>{}
        << QList<int>{} << 0;
    QTest::newRow("erase refused")
        << QByteArray("SN-4711") << QStringList{"--answer", "3:dMsEr=-12"} << false
        << QList<int>{12} << QList<int>{3} << 2;
    QTest::newRow("erase unanswered") << QByteArray("SN-4711") << QStringList{"--silent-from", "5"}
                                      << false << QList<int>{12} << QList<int>{3} << 2;
}

void TestGaugeSession::eraseChecksTheGaugeAndItsAnswers()
{
    QFETCH(QByteArray, expectedSerialNr);
    QFETCH(QStringList, options);
    QFETCH(bool, wrongGauge);
    QFETCH(QList<int>, erased);
    QFETCH(QList<int>, failed);
    QFETCH(int, eraseCommands);

    Rig rig;
    QVERIFY(rig.start(threeMeasurements(), options));
    const QList<int> selected{12, 3};
    const EraseResult result = rig.session.erase(expectedSerialNr, selected, selected, {});
    QCOMPARE(result.wrongGauge, wrongGauge);
    QCOMPARE(result.serialNrUnread, options.contains("3"));
    QCOMPARE(result.erasedSlots, erased);
    QCOMPARE(result.failedSlots, failed);
    QCOMPARE(result.ok(), !wrongGauge && failed.isEmpty());
    const QList<QByteArray> lines = rig.jobTraffic();
    QCOMPARE(lines.value(0), QByteArray("#serNr000?"));
    QCOMPARE(erasesIn(lines).size(), eraseCommands);
}

void TestGaugeSession::closeEndsTheCommunicationMode()
{
    Rig rig;
    QVERIFY(rig.start(gaugeWithSlots({1})));
    QVERIFY(rig.session.isOpen());
    rig.session.close();
    QVERIFY(!rig.session.isOpen());
    QVERIFY(!rig.session.hardware().port);
    QCOMPARE(rig.jobTraffic(), (QList<QByteArray>{"#stCom102!", "#stCom102!"}));
    rig.session.close(); // a second close sends nothing
    QCOMPARE(rig.jobTraffic().size(), 2);
}

QTEST_GUILESS_MAIN(TestGaugeSession)
#include "tst_gaugesession.moc"
