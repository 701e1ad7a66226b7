// The DFQ file of two measurements and three characteristics byte for byte
// against a file written by hand, and read back by a reader of its own.
#include "gaugefixtures.h"
#include "measurement/dfqexport.h"
#include "measurement/serieschart.h"
#include "measurement/seriesstatistics.h"
#include "measurement/statisticstable.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

// The values of a DFQ file: K0001/i in order of appearance, per characteristic.
struct DfqContent
{
    QMap<QByteArray, QByteArray> header; // keys other than K0001/K0004/K0009, with index
    QMap<int, QList<double>> values;
    QMap<int, QList<QByteArray>> times;
    bool wellFormed = true;
};

DfqContent readDfq(const QByteArray &bytes)
{
    DfqContent content;
    if (!bytes.endsWith("\r\n"))
        content.wellFormed = false;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        const int blank = line.indexOf(' ');
        if (!line.endsWith('\r') || blank < 5) {
            content.wellFormed = false;
            continue;
        }
        const QByteArray key = line.left(blank);
        const QByteArray value = line.mid(blank + 1).chopped(1);
        const int index = key.contains('/') ? key.mid(key.indexOf('/') + 1).toInt() : 0;
        bool ok = true;
        if (key.startsWith("K0001/"))
            content.values[index].append(value.toDouble(&ok));
        else if (key.startsWith("K0004/"))
            content.times[index].append(value);
        else if (!key.startsWith("K0009/"))
            content.header.insert(key, value);
        content.wellFormed = content.wellFormed && ok;
    }
    return content;
}

} // namespace

class TestDfqExport : public QObject
{
    Q_OBJECT

private slots:
    void twoMeasurementsMatchTheGoldenFile();
    void valuesThatAreNoNumbersAndLongPartTextsAreLeftOut();
    void aPlansCharacteristicsFollowTheBuiltInOnes();

private:
    Measurement *record(int number, float forceMax, float forceAvg, float rate, int samples,
                        const char *date, const char *time);
    std::vector<std::unique_ptr<Measurement>> m_records;
};

Measurement *TestDfqExport::record(int number, float forceMax, float forceAvg, float rate,
                                   int samples, const char *date, const char *time)
{
    m_records.push_back(std::make_unique<Measurement>(number));
    Measurement *m = m_records.back().get();
    m->forceMax = forceMax;
    m->forceAvg = forceAvg;
    m->sampleRate = rate;
    m->sampleCount = uint32_t(samples);
    m->forces = QList<float>::fromVector(QVector<float>(samples, 1.0f));
    m->dateText = date;
    m->timeText = time;
    return m;
}

void TestDfqExport::twoMeasurementsMatchTheGoldenFile()
{
    MeasurementSet set;
    set.serialNr = QStringLiteral("4711");
    set.limits = ForceLimits{10.0, 13.5};
    // Newest first, as the tree lists them; the file is in time order.
    set.records = {record(7, 12.5f, 8.25f, 100.0f, 150, "24;01;2017", "16;11;05"),
                   record(3, 11.0f, 7.5f, 50.0f, 100, "23;01;2017", "09;05;00")};
    const DfqPart part{QStringLiteral("A-100"), QString::fromUtf8("Zugprüfung Öse")};

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("series.dfq"));
    QVERIFY(writeDfqFile(path, set, part));
    QFile written(path);
    QFile golden(QFINDTESTDATA("data/two-measurements.dfq"));
    QVERIFY(written.open(QIODevice::ReadOnly) && golden.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes, golden.readAll());

    const DfqContent content = readDfq(bytes);
    QVERIFY(content.wellFormed);
    QCOMPARE(content.header.value("K0100").toInt(), content.values.size());
    QCOMPARE(QString::fromLatin1(content.header.value("K1002")), part.description);
    QCOMPARE(content.header.value("K2142/1"), QByteArray("N"));
    for (int index = 1; index <= 3; ++index) {
        QCOMPARE(content.values.value(index).size(), 2);
        QCOMPARE(content.times.value(index).last(), QByteArray("24.01.2017/16:11:05"));
    }
    const Quantity quantities[] = {Quantity::MaximumForce, Quantity::MeanForce, Quantity::Duration};
    for (int index = 1; index <= 3; ++index)
        for (int k = 0; k < 2; ++k)
            QCOMPARE(content.values.value(index).at(k),
                     quantityValue(*set.records.at(1 - k), quantities[index - 1], 1.0));
    QCOMPARE(content.header.value("K2111/1").toDouble(), 13.5);
    QVERIFY(!content.header.contains("K2110/2")); // limits only where set

    // A file that cannot be written is reported.
    QVERIFY(!writeDfqFile(folder.filePath(QStringLiteral("missing/series.dfq")), set, part));
}

// The statistics, the chart and the file of a set leave out a measurement
// whose value is no number, and say how many.
void TestDfqExport::valuesThatAreNoNumbersAndLongPartTextsAreLeftOut()
{
    MeasurementSet set;
    set.limits = ForceLimits{10.0, 13.5};
    Measurement *infinite = record(3, 11.0f, 7.5f, 50.0f, 2, "23;01;2017", "09;05;00");
    infinite->forces[1] = std::numeric_limits<float>::infinity();
    set.records = {record(7, std::nanf(""), 8.25f, 100.0f, 2, "24;01;2017", "16;11;05"),
                   record(5, 12.0f, 7.5f, 100.0f, 2, "23;01;2017", "10;00;00"), infinite,
                   record(2, 11.5f, 7.5f, 50.0f, 1, "22;01;2017", "09;00;00")};
    QCOMPARE(leftOutCount(set), 2);
    const SeriesStatistics stats = computeSeriesStatistics(set);
    QCOMPARE(stats.maximumForce.count, 2);
    QCOMPARE(stats.verdicts, (QVector<Verdict>{Verdict::LeftOut, Verdict::Pass, Verdict::LeftOut,
                                               Verdict::Pass}));
    QVERIFY(statisticsTable(set, stats).notes().startsWith("2 Messungen ausgelassen: ein Wert"));
    QCOMPARE(seriesChart(set, ChartSettings()).leftOut, 2);

    const QString longNumber(40, QLatin1Char('N'));
    bool cut = false;
    QCOMPARE(fittedDfqPart({longNumber, QStringLiteral("Hook")}, &cut).number, longNumber.left(30));
    QVERIFY(cut);
    const DfqContent content = readDfq(dfqDocument(set, {longNumber, QString(90, QLatin1Char('D'))}));
    QCOMPARE(content.header.value("K1001"), QByteArray(30, 'N'));
    QCOMPARE(content.header.value("K1002"), QByteArray(80, 'D'));
    QCOMPARE(content.values.value(1), (QList<double>{11.5, 12.0}));
}

// A force at a time with limits, a break not found on the newer curve and
// a window the newer curve leaves through its top: a block each, with the
// values in time order and none where nothing was found.
void TestDfqExport::aPlansCharacteristicsFollowTheBuiltInOnes()
{
    auto plan = std::make_shared<TestPlan>();
    Characteristic at = characteristic("Kraft bei 0,5 s", CharacteristicKind::ForceAtTime, 4.0, 6.0);
    at.from = 0.5;
    Characteristic broken = characteristic("Bruchkraft Haltenaht Griff", CharacteristicKind::BreakForce);
    broken.within = 0.02;
    broken.activation = 1.0;
    Characteristic window = characteristic("Fenster", CharacteristicKind::Window);
    window.box = WindowBox{0.2, 0.4, 1.0, 4.2, BoxSide::Left, BoxSide::Right};
    plan->characteristics = {at, broken, window};
    MeasurementSet set;
    set.plan = plan;
    Measurement *newer = record(7, 11.0f, 5.5f, 100.0f, 101, "24;01;2017", "16;11;05");
    Measurement *older = record(3, 8.0f, 4.0f, 100.0f, 101, "23;01;2017", "09;05;00");
    for (int i = 0; i <= 100; ++i) {
        newer->forces[i] = float(0.11 * i);                 // rising to the end: no break
        older->forces[i] = i > 80 ? 0.0f : float(0.1 * i); // breaks after 8 N
    }
    set.records = {newer, older};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plan.dfq"));
    QVERIFY(writeDfqFile(path, set, {QStringLiteral("A-100"), QString()}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const DfqContent content = readDfq(file.readAll());
    QVERIFY(content.wellFormed);
    QCOMPARE(content.header.value("K0100"), QByteArray("6"));
    QCOMPARE(content.header.value("K2001/4"), QByteArray("Kraft bei 0,5 s"));
    QCOMPARE(content.header.value("K2001/5"), QByteArray("Bruchkraft Haltenaht"));
    QCOMPARE(content.header.value("K2002/5"), QByteArray("Bruchkraft Haltenaht Griff"));
    QCOMPARE(content.header.value("K2142/4"), QByteArray("N"));
    QCOMPARE(content.header.value("K2110/4"), QByteArray("4.00"));
    QCOMPARE(content.header.value("K2111/4"), QByteArray("6.00"));
    QVERIFY(!content.header.contains("K2110/5") && !content.header.contains("K2142/6"));
    QCOMPARE(content.header.value("K2110/6"), QByteArray("1"));
    QCOMPARE(content.header.value("K2022/6"), QByteArray("0"));
    QCOMPARE(content.values.value(4), (QList<double>{5.0, 5.5}));
    QCOMPARE(content.values.value(5), (QList<double>{8.0}));
    QCOMPARE(content.times.value(5), (QList<QByteArray>{"23.01.2017/09:05:00"}));
    QCOMPARE(content.values.value(6), (QList<double>{1.0, 0.0}));
    QCOMPARE(content.values.value(1), (QList<double>{8.0, 11.0}));
}

QTEST_APPLESS_MAIN(TestDfqExport)
#include "tst_dfqexport.moc"
