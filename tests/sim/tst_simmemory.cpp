#include "sim/curvegenerator.h"
#include "sim/datafile.h"
#include "sim/simconfig.h"

#include <QDateTime>
#include <QTest>
#include <algorithm>

namespace {

QDateTime measuredAt(const SimMeasurement &measurement)
{
    return QDateTime(QDate::fromString(QString::fromLatin1(measurement.dateText), "dd;MM;yyyy"),
                     QTime::fromString(QString::fromLatin1(measurement.timeText), "HH;mm;ss"));
}

QList<QDateTime> timesInSlotOrder(const GaugeMemory &memory)
{
    QList<QDateTime> times;
    for (const std::optional<SimMeasurement> &measurement : memory.stored) {
        if (measurement)
            times.append(measuredAt(*measurement));
    }
    return times;
}

SimConfig parsed(const QStringList &options, ParseResult expected = ParseResult::Ok)
{
    SimConfig config;
    QString message;
    const ParseResult result =
        parseSimArguments(QStringList{"tspx-sim"} + options, config, message);
    if (result != expected)
        qWarning("unexpected parse result: %s", qPrintable(message));
    return config;
}

} // namespace

class TestSimMemory : public QObject
{
    Q_OBJECT

private slots:
    void curveRisesToOnePeakAndBreaks_data();
    void curveRisesToOnePeakAndBreaks();
    void generatedMemoryFollowsTheOptions();
    void generatedMemoryDependsOnlyOnTheSeed();
    void datesAreNotInSlotOrder();
    void summaryValuesAgreeWithTheSamples();
    void forceTexts();
    void dataFileIsRead();
    void dataFileErrorsNameTheLine_data();
    void dataFileErrorsNameTheLine();
    void slotLists_data();
    void slotLists();
    void commandLine();
    void commandLineErrors_data();
    void commandLineErrors();
};

void TestSimMemory::curveRisesToOnePeakAndBreaks_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("samples");
    QTest::newRow("short") << 7u << 40;
    QTest::newRow("typical") << 1u << 1500;
    QTest::newRow("long") << 99u << 10000;
    QTest::newRow("another seed") << 123456u << 500;
}

void TestSimMemory::curveRisesToOnePeakAndBreaks()
{
    QFETCH(quint32, seed);
    QFETCH(int, samples);
    const qint32 peak = 850000;
    const QVector<qint32> curve = generateCurve(seed, samples, peak);
    QCOMPARE(curve.size(), samples);
    const auto top = std::max_element(curve.cbegin(), curve.cend());
    QCOMPARE(*top, peak);
    QCOMPARE(std::count(curve.cbegin(), curve.cend(), peak), 1L);
    const int peakIndex = int(top - curve.cbegin());
    // The peak comes after the first half, and the break leaves room behind it.
    QVERIFY(peakIndex > samples / 2);
    QVERIFY(peakIndex < samples - 5);
    QVERIFY(std::all_of(curve.cbegin(), curve.cend(), [](qint32 v) { return v >= 0; }));
    // The rise: the curve climbs from a small preload to the peak.
    QVERIFY(curve.first() < peak / 10);
    QVERIFY(curve[peakIndex / 2] < curve[peakIndex * 9 / 10]);
    // The break: within six samples the force falls below a tenth of the peak and stays there.
    QVERIFY(std::all_of(curve.cbegin() + peakIndex + 6, curve.cend(),
                        [](qint32 v) { return v < peak / 10; }));
}

void TestSimMemory::generatedMemoryFollowsTheOptions()
{
    const GaugeMemory memory = generateMemory({5, {2, 9, 50}, 333});
    QCOMPARE(memory.filledSlotCount(), 3);
    for (int number : {2, 9, 50}) {
        QVERIFY(memory.slot(number));
        QCOMPARE(memory.slot(number)->milliNewtons.size(), 333);
        QVERIFY(memory.slot(number)->sampleRate > 0);
    }

    // Without a sample count the slots differ in count and rate.
    const GaugeMemory varied = generateMemory({5, {1, 2, 3, 4, 5, 6, 7, 8}, 0});
    QSet<int> counts;
    QSet<double> rates;
    for (const std::optional<SimMeasurement> &measurement : varied.stored) {
        if (measurement) {
            counts.insert(measurement->milliNewtons.size());
            rates.insert(measurement->sampleRate);
        }
    }
    QVERIFY(counts.size() >= 4);
    QVERIFY(rates.size() >= 2);
}

void TestSimMemory::generatedMemoryDependsOnlyOnTheSeed()
{
    const GaugeMemory first = generateMemory({42, {1, 3}, 0});
    const GaugeMemory again = generateMemory({42, {1, 3}, 0});
    const GaugeMemory other = generateMemory({43, {1, 3}, 0});
    QCOMPARE(again.slot(3)->milliNewtons, first.slot(3)->milliNewtons);
    QCOMPARE(again.slot(3)->dateText, first.slot(3)->dateText);
    QVERIFY(other.slot(3)->milliNewtons != first.slot(3)->milliNewtons);
}

void TestSimMemory::datesAreNotInSlotOrder()
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        const QList<QDateTime> times =
            timesInSlotOrder(generateMemory({seed, {1, 2, 3, 5, 8}, 10}));
        QCOMPARE(times.size(), 5);
        for (const QDateTime &time : times)
            QVERIFY2(time.isValid(), "date and time must parse as dd;MM;yyyy and HH;mm;ss");
        QVERIFY(!std::is_sorted(times.cbegin(), times.cend()));
        QVERIFY(!std::is_sorted(times.crbegin(), times.crend()));
        QCOMPARE(QSet<QDateTime>(times.cbegin(), times.cend()).size(), 5);

        // With two measurements the higher slot is the newer one.
        const QList<QDateTime> two = timesInSlotOrder(generateMemory({seed, {3, 7}, 10}));
        QVERIFY(two[0] < two[1]);
    }
}

void TestSimMemory::summaryValuesAgreeWithTheSamples()
{
    SimMeasurement measurement;
    measurement.milliNewtons = {100, 5000, 2500, 1};
    QCOMPARE(measurement.forceStart(), 100);
    QCOMPARE(measurement.forceEnd(), 1);
    QCOMPARE(measurement.forceMax(), 5000);
    QCOMPARE(measurement.forceAvg(), 1900); // 7601 / 4 = 1900.25
    measurement.milliNewtons = {1, 2};
    QCOMPARE(measurement.forceAvg(), 2); // 1.5 rounds up
    measurement.milliNewtons.clear();
    QCOMPARE(measurement.forceMax(), 0);
    QCOMPARE(measurement.forceAvg(), 0);
}

void TestSimMemory::forceTexts()
{
    QCOMPARE(milliNewtonText(0), QByteArray("0.000"));
    QCOMPARE(milliNewtonText(12345), QByteArray("12.345"));
    QCOMPARE(milliNewtonText(7), QByteArray("0.007"));
    QCOMPARE(milliNewtonText(-500), QByteArray("-0.500"));
    QCOMPARE(milliNewtonText(2500000000LL), QByteArray("2500000.000"));
    QCOMPARE(forcesText({1000, -20, 333}), QByteArray("1.000;-0.020;0.333"));
    QCOMPARE(forcesText({}), QByteArray());
    QCOMPARE(sampleRateText(12.5), QByteArray("12.5"));
}

void TestSimMemory::dataFileIsRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("memory.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# a comment\n\nserial  SN 17 \nversion 1.0\nunit 1\n"
               "slot 50\n  rate 12.5\n  date 31;12;2020\n  time 23;59;59\n"
               "  forces 1.5 ; -2;0.0004\n");
    file.close();
    GaugeMemory memory;
    QString error;
    QVERIFY2(loadGaugeData(path, memory, error), qPrintable(error));
    QCOMPARE(memory.identity.serialNr, QByteArray("SN 17"));
    QCOMPARE(memory.identity.swVersion, QByteArray("1.0"));
    QCOMPARE(memory.identity.forceUnit, 1);
    QCOMPARE(memory.filledSlotCount(), 1);
    const SimMeasurement &measurement = *memory.slot(50);
    QCOMPARE(measurement.sampleRate, 12.5);
    QCOMPARE(measurement.dateText, QByteArray("31;12;2020"));
    QCOMPARE(measurement.timeText, QByteArray("23;59;59"));
    QCOMPARE(measurement.milliNewtons, (QVector<qint32>{1500, -2000, 0}));

    QVERIFY(!loadGaugeData(dir.filePath("missing.txt"), memory, error));
    QVERIFY(error.contains("missing.txt"));
}

void TestSimMemory::dataFileErrorsNameTheLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("keyword") << QByteArray("serial 1\ncolour red\n")
                             << "line 2: unknown keyword 'colour'";
    QTest::newRow("before slot") << QByteArray("rate 10\n")
                                 << "line 1: 'rate' before the first 'slot'";
    QTest::newRow("slot range") << QByteArray("slot 51\n")
                                << "line 1: the slot number must be 1 to 50";
    QTest::newRow("twice") << QByteArray("slot 2\nforces 1\nslot 2\n")
                           << "line 3: slot 2 is given twice";
    QTest::newRow("no forces") << QByteArray("slot 2\nrate 5\nslot 3\n")
                               << "line 3: slot 2 has no forces";
    QTest::newRow("bad force") << QByteArray("slot 4\nforces 1;x\n")
                               << "line 2: 'x' is not a force";
    QTest::newRow("bad unit") << QByteArray("unit kg\n")
                              << "line 1: the unit must be a whole number";
}

void TestSimMemory::dataFileErrorsNameTheLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    GaugeMemory memory;
    QString message;
    QVERIFY(!parseGaugeData(text, memory, message));
    QCOMPARE(message, error);
}

void TestSimMemory::slotLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("single") << "7" << QList<int>{7};
    QTest::newRow("ranges") << "1-3,9,48-50" << QList<int>{1, 2, 3, 9, 48, 49, 50};
    QTest::newRow("repeats once") << "2,1-3" << QList<int>{2, 1, 3};
    QTest::newRow("zero") << "0-2" << QList<int>{};
    QTest::newRow("backwards") << "5-3" << QList<int>{};
    QTest::newRow("junk") << "1,x" << QList<int>{};
    QTest::newRow("empty piece") << "1,,2" << QList<int>{};
}

void TestSimMemory::slotLists()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, numbers);
    QCOMPARE(parseSlotList(text), numbers);
}

void TestSimMemory::commandLine()
{
    const SimConfig defaults = parsed({});
    QCOMPARE(defaults.comNumber, 4);
    QVERIFY(!defaults.slotNumbers.isEmpty());
    QVERIFY(!defaults.link.paced);

    const SimConfig config = parsed({"--com",
                                     "12",
                                     "--seed",
                                     "9",
                                     "--slots",
                                     "4-5",
                                     "--samples",
                                     "10000",
                                     "--unit",
                                     "2",
                                     "--delay-ms",
                                     "250",
                                     "--paced",
                                     "--silent-from",
                                     "7",
                                     "--noise",
                                     "--refuse-start",
                                     "--refuse-stop",
                                     "--endless-at",
                                     "dMsFc",
                                     "--endless-at",
                                     "3:serNr",
                                     "--endless-bytes",
                                     "1000",
                                     "--override",
                                     "3:dMsCt=4294967295",
                                     "--answer",
                                     "dMsEr=-12",
                                     "--override",
                                     "5:dMsFc=1;;2",
                                     "--transcript",
                                     "/tmp/t.txt"});
    QCOMPARE(config.comNumber, 12);
    QCOMPARE(config.seed, 9u);
    QCOMPARE(config.slotNumbers, (QList<int>{4, 5}));
    QCOMPARE(config.samples, 10000);
    QCOMPARE(config.unit, std::optional<int>(2));
    QCOMPARE(config.link.delayMs, 250);
    QVERIFY(config.link.paced);
    QCOMPARE(config.faults.silentFrom, 7);
    QVERIFY(config.faults.noise && config.faults.refuseStart && config.faults.refuseStop);
    QCOMPARE(config.faults.endlessAt.size(), 2);
    QVERIFY(config.faults.endlessAt[0].matches("dMsFc", 17));
    QVERIFY(config.faults.endlessAt[1].matches("serNr", 3));
    QVERIFY(!config.faults.endlessAt[1].matches("serNr", 0));
    QCOMPARE(config.faults.endlessBytes, qint64(1000));
    QCOMPARE(config.faults.overrides.size(), 3);
    QCOMPARE(config.faults.overrides[0].text, QByteArray("4294967295"));
    QVERIFY(!config.faults.overrides[0].whole);
    QVERIFY(config.faults.overrides[0].match.matches("dMsCt", 3));
    // Value overrides come first, then whole answers.
    QCOMPARE(config.faults.overrides[1].text, QByteArray("1;;2"));
    QCOMPARE(config.faults.overrides[2].text, QByteArray("-12"));
    QVERIFY(config.faults.overrides[2].whole);
    QCOMPARE(config.transcriptPath, QString("/tmp/t.txt"));

    GaugeMemory memory;
    QString error;
    QVERIFY(buildMemory(config, memory, error));
    QCOMPARE(memory.filledSlotCount(), 2);
    QCOMPARE(memory.slot(5)->milliNewtons.size(), 10000);
    QCOMPARE(memory.identity.forceUnit, 2);
    QVERIFY(buildMemory(parsed({"--empty"}), memory, error));
    QCOMPARE(memory.filledSlotCount(), 0);
}

void TestSimMemory::commandLineErrors_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("error");
    QTest::newRow("com 31") << QStringList{"--com", "31"} << "--com needs a number from 1 to 30";
    QTest::newRow("silent 0") << QStringList{"--silent-from", "0"}
                              << "--silent-from needs a number from 1 to 1000000000";
    QTest::newRow("slots") << QStringList{"--slots", "0"}
                           << "--slots needs a list such as 1-5,9,50 with slots 1 to 50";
    QTest::newRow("override") << QStringList{"--override", "3:dMsCt"}
                              << "--override needs N:CMD=TEXT, not '3:dMsCt'";
    QTest::newRow("endless") << QStringList{"--endless-at", "x:dMsFc"}
                             << "--endless-at needs CMD or N:CMD, not 'x:dMsFc'";
    QTest::newRow("positional") << QStringList{"extra"} << "unexpected argument 'extra'";
    QTest::newRow("unknown") << QStringList{"--colour"} << "Unknown option 'colour'.";
}

void TestSimMemory::commandLineErrors()
{
    QFETCH(QStringList, options);
    QFETCH(QString, error);
    SimConfig config;
    QString message;
    QCOMPARE(parseSimArguments(QStringList{"tspx-sim"} + options, config, message),
             ParseResult::Error);
    QCOMPARE(message, error);
}

QTEST_GUILESS_MAIN(TestSimMemory)
#include "tst_simmemory.moc"
