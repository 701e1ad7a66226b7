// A quick transfer against tspx-sim: what goes over the wire for measurements
// the archive holds and for those it does not.
#include "archive/archivelookup.h"
#include "archive/measurementarchive.h"
#include "archive/sampleblob.h"
#include "configfolder.h"
#include "device/gaugesession.h"
#include "gaugefixtures.h"
#include "logcapture.h"
#include "measurement/devicedata.h"
#include "settings/statusini.h"
#include "simprocess.h"

#include <QFile>
#include <QTest>
#include <memory>

namespace {

// The gauge's memory: slot 3 as in threeMeasurements(), slot 12 with `forces`.
QByteArray gaugeMemory(const QByteArray &slot12Forces)
{
    return "serial SN-4711\nversion 2.10\nunit 0\n"
           "slot 3\nrate 100\ndate 24;01;2018\ntime 16;11;58\nforces 1;2.5;10;4\n"
           "slot 12\nrate 10\ndate 05;03;2019\ntime 08;00;00\nforces " +
           slot12Forces + "\n";
}

QList<QByteArray> slotTraffic(const QList<QByteArray> &lines, int slot)
{
    const QByteArray index = QByteArray::number(slot).rightJustified(3, '0');
    QList<QByteArray> found;
    for (const QByteArray &line : lines) {
        if (line.startsWith("#dMs") && line.mid(6, 3) == index)
            found.append(line);
    }
    return found;
}

QList<QByteArray> quickOrder(int slot, bool withSamples)
{
    QList<QByteArray> order;
    for (const char *name :
         {"dMsCt", "dMsCt", "dMsSR", "dMsFS", "dMsFP", "dMsFX", "dMsFA", "dMsTm", "dMsDt"})
        order.append(wireCommand(name, slot, '?'));
    if (withSamples)
        order.append(wireCommand("dMsFc", slot, '?'));
    return order;
}

} // namespace

class TestQuickTransfer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void knownMeasurementsSkipTheirSamples();

private:
    // Transfers from a gauge holding `memory`; the transcript's slot lines.
    bool transfer(const QByteArray &memory, DeviceData &data, QList<QByteArray> &traffic);

    std::unique_ptr<TemporaryConfigHome> m_config;
    std::unique_ptr<MeasurementArchive> m_archive;
    std::unique_ptr<ArchiveLookup> m_lookup;
    LogCapture m_log;
};

void TestQuickTransfer::init()
{
    m_config = std::make_unique<TemporaryConfigHome>();
    m_archive = std::make_unique<MeasurementArchive>();
    QVERIFY(m_archive->open(m_config->path() + "/archive.sqlite").ok());
    m_lookup = std::make_unique<ArchiveLookup>(*m_archive);
}

bool TestQuickTransfer::transfer(const QByteArray &memory, DeviceData &data,
                                 QList<QByteArray> &traffic)
{
    QFile file(m_config->path() + "/gauge.txt");
    if (!file.open(QIODevice::WriteOnly) || file.write(memory) != memory.size())
        return false;
    file.close();
    SimProcess sim({"--data", file.fileName()});
    if (!sim.start())
        return false;
    StatusIni status("status");
    status.load();
    GaugeSession session(quickLinkTiming());
    session.setKnownMeasurements(m_lookup.get());
    if (session.open(status.lastConnectedPortNr) != 0)
        return false;
    const bool ok = session.transfer(data, {}).ok();
    session.close();
    traffic = sim.transcriptLines();
    return ok;
}

void TestQuickTransfer::knownMeasurementsSkipTheirSamples()
{
    // First transfer: nothing known, every slot sends its samples last.
    DeviceData first;
    QList<QByteArray> traffic;
    QVERIFY(transfer(gaugeMemory("0.5;20;7"), first, traffic));
    QCOMPARE(slotTraffic(traffic, 3), quickOrder(3, true));
    QCOMPARE(slotTraffic(traffic, 12), quickOrder(12, true));
    QCOMPARE(first.records.size(), 2);
    QCOMPARE(first.records.at(1)->forces, (QList<float>{1, 2.5f, 10, 4}));
    QVERIFY(m_archive
                ->storeTransfer({first.serialNr, first.swVersion, first.forceUnit}, first.records,
                                QDateTime::currentDateTimeUtc())
                .ok());

    // Unchanged gauge: no samples on the wire, the same records from the archive.
    DeviceData second;
    QVERIFY(transfer(gaugeMemory("0.5;20;7"), second, traffic));
    QCOMPARE(slotTraffic(traffic, 3), quickOrder(3, false));
    QCOMPARE(slotTraffic(traffic, 12), quickOrder(12, false));
    QVERIFY(std::none_of(traffic.begin(), traffic.end(),
                         [](const QByteArray &line) { return line.contains("dMsFc"); }));
    QCOMPARE(m_lookup->filledCount(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(second.records.at(i)->number, first.records.at(i)->number);
        QCOMPARE(samplesToBlob(second.records.at(i)->forces),
                 samplesToBlob(first.records.at(i)->forces));
        QCOMPARE(second.records.at(i)->forceMax, first.records.at(i)->forceMax);
    }

    // Slot 12 measured anew at the same second with other forces: only its
    // samples are read.
    DeviceData third;
    QVERIFY(transfer(gaugeMemory("0.5;21;7"), third, traffic));
    QCOMPARE(slotTraffic(traffic, 3), quickOrder(3, false));
    QCOMPARE(slotTraffic(traffic, 12), quickOrder(12, true));
    QCOMPARE(third.records.first()->forces, (QList<float>{0.5f, 21, 7}));
}

QTEST_GUILESS_MAIN(TestQuickTransfer)
#include "tst_quicktransfer.moc"
