// Statistics of a set of measurements against values worked out by hand, the
// limits and their verdicts, and where the overlay lines curves up.
#include "gaugefixtures.h"
#include "measurement/curvealignment.h"
#include "measurement/serieschart.h"
#include "measurement/seriesstatistics.h"
#include "measurement/statisticstable.h"

#include <QTest>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// An unset statistic in the data tables.
const double kUnset = std::nan("");

std::optional<double> expected(double value)
{
    return std::isnan(value) ? std::nullopt : std::optional<double>(value);
}

bool same(const std::optional<double> &actual, double wanted)
{
    if (std::isnan(wanted))
        return !actual;
    return actual && std::fabs(*actual - wanted) < 1e-9 * std::max(1.0, std::fabs(wanted));
}

QString shown(const std::optional<double> &value)
{
    return value ? QString::number(*value, 'g', 17) : QStringLiteral("unset");
}

ForceLimits limits(double lower, double upper)
{
    return ForceLimits{expected(lower), expected(upper)};
}

} // namespace

class TestSeriesStatistics : public QObject
{
    Q_OBJECT

private slots:
    void summary_data();
    void summary();
    void capabilityAndVerdicts_data();
    void capabilityAndVerdicts();
    void setTakesItsValuesInItsUnit();
    void tableHoldsTextsAndNumbers();
    void withinCapabilityInTimeOrder();
    void aPlansCharacteristicsAreQuantities();
    void limitsAreReadAsTyped_data();
    void limitsAreReadAsTyped();
    void alignment_data();
    void alignment();

private:
    Measurement *record(int number, float forceMax, float forceAvg, float rate,
                        QList<float> forces);
    std::vector<std::unique_ptr<Measurement>> m_records;
};

Measurement *TestSeriesStatistics::record(int number, float forceMax, float forceAvg, float rate,
                                          QList<float> forces)
{
    m_records.push_back(std::make_unique<Measurement>(number));
    Measurement *m = m_records.back().get();
    m->forceMax = forceMax;
    m->forceAvg = forceAvg;
    m->sampleRate = rate;
    m->sampleCount = uint32_t(forces.size());
    m->forces = std::move(forces);
    return m;
}

void TestSeriesStatistics::summary_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("sd");
    QTest::addColumn<double>("cv");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("range");

    // sd = sqrt(((10-12)^2 + 0 + (14-12)^2) / 2) = 2; cv = 2 / 12.
    QTest::newRow("three") << QVector<double>{14, 10, 12} << 12.0 << 2.0 << 100.0 / 6 << 10.0
                           << 14.0 << 4.0;
    // sd = sqrt((2.25 + 0.25 + 0.25 + 2.25) / 3) = sqrt(5 / 3).
    QTest::newRow("four") << QVector<double>{1, 2, 3, 4} << 2.5 << std::sqrt(5.0 / 3.0)
                          << std::sqrt(5.0 / 3.0) / 2.5 * 100 << 1.0 << 4.0 << 3.0;
    QTest::newRow("n = 1") << QVector<double>{7.5} << 7.5 << kUnset << kUnset << 7.5 << 7.5 << 0.0;
    QTest::newRow("equal values") << QVector<double>{5, 5, 5} << 5.0 << 0.0 << 0.0 << 5.0 << 5.0
                                  << 0.0;
    QTest::newRow("mean 0: no cv")
        << QVector<double>{-1, 1} << 0.0 << std::sqrt(2.0) << kUnset << -1.0 << 1.0 << 2.0;
    QTest::newRow("empty") << QVector<double>{} << kUnset << kUnset << kUnset << kUnset << kUnset
                           << kUnset;
}

void TestSeriesStatistics::summary()
{
    QFETCH(QVector<double>, values);
    QFETCH(double, mean);
    QFETCH(double, sd);
    QFETCH(double, cv);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, range);
    const Summary s = summarize(values);
    QCOMPARE(s.count, values.size());
    QVERIFY2(same(s.mean, mean), qPrintable(shown(s.mean)));
    QVERIFY2(same(s.standardDeviation, sd), qPrintable(shown(s.standardDeviation)));
    QVERIFY2(same(s.variationPercent, cv), qPrintable(shown(s.variationPercent)));
    QVERIFY2(same(s.minimum, minimum), qPrintable(shown(s.minimum)));
    QVERIFY2(same(s.maximum, maximum), qPrintable(shown(s.maximum)));
    QVERIFY2(same(s.range, range), qPrintable(shown(s.range)));
}

void TestSeriesStatistics::capabilityAndVerdicts_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("pp");
    QTest::addColumn<double>("ppk");
    QTest::addColumn<QString>("verdicts"); // P pass, F fail, - no limits

    const QVector<double> spread{10, 12, 14}; // mean 12, sd 2
    // Pp = (18 - 6) / 12; Ppk = min(18 - 12, 12 - 6) / 6.
    QTest::newRow("centred") << spread << 6.0 << 18.0 << 1.0 << 1.0 << "PPP";
    // Pp = 9 / 12; Ppk = min(6, 3) / 6.
    QTest::newRow("off centre") << spread << 9.0 << 18.0 << 0.75 << 0.5 << "PPP";
    QTest::newRow("upper only") << spread << kUnset << 15.0 << kUnset << 0.5 << "PPP";
    QTest::newRow("lower only, on the limit passes")
        << spread << 12.0 << kUnset << kUnset << 0.0 << "FPP";
    QTest::newRow("upper below the mean")
        << spread << kUnset << 11.0 << kUnset << -1.0 / 6 << "PFF";
    QTest::newRow("no limits") << spread << kUnset << kUnset << kUnset << kUnset << "---";
    QTest::newRow("n = 1: verdict but no capability")
        << QVector<double>{7} << 5.0 << 6.0 << kUnset << kUnset << "F";
    QTest::newRow("equal values: no spread")
        << QVector<double>{5, 5} << 4.0 << 6.0 << kUnset << kUnset << "PP";
}

void TestSeriesStatistics::capabilityAndVerdicts()
{
    QFETCH(QVector<double>, values);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, pp);
    QFETCH(double, ppk);
    QFETCH(QString, verdicts);

    MeasurementSet set;
    set.limits = limits(lower, upper);
    for (double v : values)
        set.records.append(record(1, float(v), 0.0f, 1.0f, {1.0f}));
    const SeriesStatistics stats = computeSeriesStatistics(set);
    QVERIFY2(same(stats.performance.cp, pp), qPrintable(shown(stats.performance.cp)));
    QVERIFY2(same(stats.performance.cpk, ppk), qPrintable(shown(stats.performance.cpk)));
    // Cp/Cpk exist exactly where Pp/Ppk do (the within spread MR̄/d2 > 0 here).
    QCOMPARE(stats.capability.cp.has_value(), stats.performance.cp.has_value());
    QCOMPARE(stats.capability.cpk.has_value(), stats.performance.cpk.has_value());
    QString marks;
    for (Verdict v : stats.verdicts)
        marks += v == Verdict::Pass ? 'P' : v == Verdict::Fail ? 'F' : '-';
    QCOMPARE(marks, verdicts);
    QVERIFY(stats.fewForCapability());
}

// The one table the view, the report and the workbook render.
void TestSeriesStatistics::tableHoldsTextsAndNumbers()
{
    MeasurementSet set;
    set.unitText = QStringLiteral("kN");
    set.factor = 0.5;
    set.limits = limits(kUnset, 5.5);
    set.records = {record(4, 10.0f, 8.0f, 1.0f, {1.0f}), record(9, 14.0f, 9.0f, 1.0f, {1.0f})};
    const StatisticsTable table = statisticsTable(set, computeSeriesStatistics(set));

    QCOMPARE(table.columns.size(), 11);
    QCOMPARE(table.rows.size(), 3);
    const StatisticsRow &force = table.rows.at(0);
    QCOMPARE(force.label, StatisticsText::quantity(Quantity::MaximumForce, "kN"));
    QCOMPARE(force.cells.at(0).text(), QStringLiteral("2"));
    QCOMPARE(force.cells.at(1).text(), QStringLiteral("6.0"));
    QCOMPARE(force.cells.at(2).text(), QStringLiteral("1.41")); // s: one decimal more
    QCOMPARE(force.cells.at(7).text(), QStringLiteral("-"));     // Pp wants both limits
    QCOMPARE(force.cells.at(8).text(), QStringLiteral("-0.12")); // Ppk (5.5 - 6) / 3s, s = √2
    QCOMPARE(force.cells.at(9).text(), QStringLiteral("-"));
    QCOMPARE(force.cells.at(10).text(), QStringLiteral("-0.09")); // Cpk: σ = MR̄/d2 = 2/1.128
    QCOMPARE(table.rows.at(1).cells.at(10).text(), QString());   // no Cpk of the mean force
    QCOMPARE(table.limits.at(0).value.text(), QStringLiteral("-"));
    QCOMPARE(table.limits.at(1).value.text(), QStringLiteral("5.50"));
    QCOMPARE(table.verdicts.at(1).forceText, QStringLiteral("7.0"));
    QCOMPARE(table.verdicts.at(1).verdictText, StatisticsText::verdict(Verdict::Fail));
    QCOMPARE(table.note, StatisticsText::fewMeasurementsNote());
    QVERIFY(table.estimateNote.contains(QString::fromUtf8("MR\u0304/d2")));
    // One measurement against the limits: the limit crossed, with its value.
    QCOMPARE(StatisticsText::singleVerdict(7.04, set.limits, "kN"),
             QStringLiteral("n.i.O.: 7.0 kN > OGW 5.50 kN"));
    QCOMPARE(StatisticsText::singleVerdict(5.5, set.limits, "kN"), QStringLiteral("i.O."));
    QCOMPARE(StatisticsText::singleVerdict(5.5, ForceLimits(), "kN"), QString());
}

// Cp/Cpk from the within spread of the values in time order, whatever the
// set's order; Pp/Ppk from the overall s.
void TestSeriesStatistics::withinCapabilityInTimeOrder()
{
    MeasurementSet set;
    set.limits = limits(9.0, 18.0);
    // Taken 10, 12, 14, 12: moving ranges 2, 2, 2 (set order would give 2, 4, 2).
    const QList<std::pair<float, const char *>> taken = {
        {12.0f, "10;00;01"}, {10.0f, "10;00;00"}, {14.0f, "10;00;02"}, {12.0f, "10;00;03"}};
    for (const auto &[force, time] : taken) {
        Measurement *m = record(1, force, 0.0f, 1.0f, {1.0f});
        m->dateText = "24;01;2017";
        m->timeText = time;
    }
    set.records = constRecords({m_records.end()[-4].get(), m_records.end()[-3].get(),
                                m_records.end()[-2].get(), m_records.end()[-1].get()});
    const SeriesStatistics stats = computeSeriesStatistics(set);
    const double s = std::sqrt(8.0 / 3.0);
    const double sigma = 2.0 / 1.128379; // MR̄ / d2
    QVERIFY2(same(stats.performance.cp, 9.0 / (6 * s)), qPrintable(shown(stats.performance.cp)));
    QVERIFY2(same(stats.performance.cpk, 3.0 / (3 * s)), qPrintable(shown(stats.performance.cpk)));
    QVERIFY(std::fabs(*stats.sigmaWithin - sigma) < 1e-6);
    QVERIFY(std::fabs(*stats.capability.cp - 9.0 / (6 * sigma)) < 1e-6);
    QVERIFY(std::fabs(*stats.capability.cpk - 3.0 / (3 * sigma)) < 1e-6);

    // Subgroups of two (10, 12 | 14, 12): s̄/c4 = √2 / 0.7979 and R̄/d2 = 2 / 1.128.
    const auto bySubgroups = computeSeriesStatistics(set, {ChartType::MeanStdDev, 2});
    QVERIFY(std::fabs(*bySubgroups.sigmaWithin - std::sqrt(2.0) / 0.797885) < 1e-5);
    QCOMPARE(bySubgroups.within.estimate(), WithinEstimate::SubgroupStdDev);
    // One-sided limits and no spread: no index divides by zero.
    set.limits = limits(kUnset, 18.0);
    for (Measurement *m : {m_records.end()[-4].get(), m_records.end()[-2].get(),
                           m_records.end()[-1].get()})
        m->forceMax = 10.0f;
    const SeriesStatistics flat = computeSeriesStatistics(set);
    QVERIFY(!flat.capability.cp && !flat.capability.cpk && !flat.performance.cpk);
}

// Forces in the set's unit; the duration is the span of the samples held.
void TestSeriesStatistics::setTakesItsValuesInItsUnit()
{
    MeasurementSet set;
    set.factor = 0.5;
    set.records = {record(1, 20.0f, 8.0f, 2.0f, {1, 2, 3, 4}),
                   record(2, 24.0f, 10.0f, 0.0f, {1, 2, 3, 4}),
                   record(3, 28.0f, 12.0f, 4.0f, {1, 2, 3, 4, 5, 6, 7, 8})};
    const SeriesStatistics stats = computeSeriesStatistics(set);
    QVERIFY(same(stats.maximumForce.mean, 12.0));
    QVERIFY(same(stats.maximumForce.standardDeviation, 2.0));
    QVERIFY(same(stats.meanForce.mean, 5.0));
    QVERIFY(same(stats.meanForce.range, 2.0));
    // 2 s, 4 s (no rate: one second per sample), 2 s.
    QVERIFY(same(stats.duration.minimum, 2.0));
    QVERIFY(same(stats.duration.maximum, 4.0));
    QVERIFY(same(stats.duration.mean, 8.0 / 3));

    // A count from the gauge beyond the samples held does not lengthen it.
    Measurement *damaged = record(4, 1.0f, 1.0f, 2.0f, {1, 2});
    damaged->sampleCount = 1000;
    QCOMPARE(quantityValue(*damaged, Quantity::Duration, 1.0), 1.0);
}

void TestSeriesStatistics::limitsAreReadAsTyped_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("point") << QByteArray("12.5") << 12.5;
    QTest::newRow("comma") << QByteArray(" 12,5 ") << 12.5;
    QTest::newRow("negative") << QByteArray("-3") << -3.0;
    QTest::newRow("empty") << QByteArray("") << kUnset;
    QTest::newRow("text") << QByteArray("abc") << kUnset;
    QTest::newRow("infinite") << QByteArray("inf") << kUnset;
}

void TestSeriesStatistics::limitsAreReadAsTyped()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const std::optional<double> limit = parseLimit(text);
    QVERIFY2(same(limit, value), qPrintable(shown(limit)));
    QCOMPARE(parseLimit(limitText(limit)), limit);
}

void TestSeriesStatistics::alignment_data()
{
    QTest::addColumn<QList<float>>("forces");
    QTest::addColumn<float>("rate");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("maximum");

    // 5 % of the maximum 100 is 5: reached by the third sample.
    QTest::newRow("rise") << QList<float>{0, 1, 10, 40, 100, 30} << 10.0f << 0.2 << 0.4;
    QTest::newRow("loaded from the start") << QList<float>{50, 80, 60} << 10.0f << 0.0 << 0.1;
    QTest::newRow("first of equal maxima") << QList<float>{0, 9, 9} << 1.0f << 1.0 << 1.0;
    QTest::newRow("no rate: one second a sample") << QList<float>{0, 0, 8, 2} << 0.0f << 2.0 << 2.0;
    QTest::newRow("no force") << QList<float>{0, -1, 0} << 10.0f << 0.0 << 0.0;
    QTest::newRow("no samples") << QList<float>{} << 10.0f << 0.0 << 0.0;
}

void TestSeriesStatistics::alignment()
{
    QFETCH(QList<float>, forces);
    QFETCH(float, rate);
    QFETCH(double, start);
    QFETCH(double, maximum);
    const Measurement *m = record(1, 0, 0, rate, forces);
    QCOMPARE(alignmentTime(*m, CurveAlignment::None), 0.0);
    QVERIFY(qFuzzyCompare(1 + alignmentTime(*m, CurveAlignment::Start), 1 + start));
    QVERIFY(qFuzzyCompare(1 + alignmentTime(*m, CurveAlignment::Maximum), 1 + maximum));
}

// A window's maximum of 4, 6, 8 and 10 N against 3..9 N, and a time to
// 7 N that the first two curves never reach.
void TestSeriesStatistics::aPlansCharacteristicsAreQuantities()
{
    auto plan = std::make_shared<TestPlan>();
    Characteristic highest = characteristic("Höchstkraft", CharacteristicKind::WindowMaximum, 3.0, 9.0);
    highest.to = 1.0;
    Characteristic reach = characteristic("Zeit bis 7 N", CharacteristicKind::TimeToForce);
    reach.force = 7.0;
    plan->characteristics = {highest, reach};
    MeasurementSet set;
    set.plan = plan;
    for (float top : {4.0f, 6.0f, 8.0f, 10.0f})
        set.records.append(record(int(top), top, 2.0f, 10.0f, {0.0f, 2.0f, top}));
    const SeriesStatistics stats = computeSeriesStatistics(set);
    QCOMPARE(stats.characteristics.size(), 2);
    const QuantityStatistics &c = stats.characteristics.at(0);
    const double s = std::sqrt(20.0 / 3.0);
    QVERIFY(same(c.summary.mean, 7.0) && same(c.summary.standardDeviation, s));
    QVERIFY(same(c.performance.cp, 6.0 / (6.0 * s)) && same(c.performance.cpk, 2.0 / (3.0 * s)));
    QVERIFY(std::fabs(*c.capability.cpk - 2.0 / (3.0 * 2.0 / 1.128)) < 1e-3); // MR̄ 2, d2 1.128
    QCOMPARE(c.verdicts, (QVector<Verdict>{Verdict::Pass, Verdict::Pass, Verdict::Pass, Verdict::Fail}));
    const QuantityStatistics &t = stats.characteristics.at(1);
    QCOMPARE(t.summary.count, 2);
    QCOMPARE(t.verdicts.mid(0, 2), (QVector<Verdict>{Verdict::NotFound, Verdict::NotFound}));

    const StatisticsTable table = statisticsTable(set, stats);
    QCOMPARE(table.rows.size(), 5);
    QCOMPARE(table.rows.at(3).label, QString::fromUtf8("Höchstkraft / N"));
    QCOMPARE(table.rows.at(3).cells.at(1).text(), QStringLiteral("7.0"));
    QCOMPARE(table.rows.at(3).cells.at(8).text(), QStringLiteral("0.26"));
    QVERIFY(table.notes().contains(QString::fromUtf8("Höchstkraft / N: UGW 3.00 N, OGW 9.00 N; 1 von 4 n.i.O.")));
    QVERIFY(table.notes().contains("2 Messungen ohne Wert für Zeit bis 7 N: nicht auf der Kurve gefunden."));
    // Each measurement's verdict is the plan's, naming what failed: not found and judged is failed.
    const QStringList byPlan{"i.O.", "i.O.", "i.O.", QString::fromUtf8("n.i.O.: Höchstkraft")};
    for (int k = 0; k < 4; ++k)
        QCOMPARE(table.verdicts.at(k).verdictText, byPlan.at(k));
    plan->characteristics[1].upper = 0.15; // 7 N at 0.183 s, 0.163 s, or never
    const StatisticsTable judged = statisticsTable(set, computeSeriesStatistics(set));
    QCOMPARE(judged.verdicts.at(0).verdictText, QStringLiteral("n.i.O.: Zeit bis 7 N"));
    QCOMPARE(judged.verdicts.at(3).verdictText, QString::fromUtf8("n.i.O.: Höchstkraft, Zeit bis 7 N"));
    QCOMPARE(judged.verdicts.at(3).verdict, Verdict::Fail);

    ChartSettings chosen;
    chosen.characteristic = 1;
    const SeriesChart chart = seriesChart(set, chosen);
    QCOMPARE(chart.values.size(), 2);
    QCOMPARE(chart.notFound, 2);
    QCOMPARE(chart.unitText, QStringLiteral("s"));
}

QTEST_APPLESS_MAIN(TestSeriesStatistics)
#include "tst_seriesstatistics.moc"
