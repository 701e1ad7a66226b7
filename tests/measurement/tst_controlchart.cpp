// Control charts: the constants against the published tables, the limits of
// each chart type worked out by hand, and every run rule against a series
// crafted to break that rule alone.
#include "measurement/controlchart.h"
#include "measurement/runrules.h"
#include "measurement/spcconstants.h"

#include <QTest>
#include <cmath>

namespace {

bool near(double actual, double wanted, double tolerance)
{
    return std::fabs(actual - wanted) <= tolerance;
}

// A series that breaks no rule: sides, zones and directions change often.
QVector<double> calm()
{
    return {0.5, -0.5, 1.5, 0.7, -0.5, -1.2, 0.5, -0.5, 1.5, 0.7, -0.5, -1.2};
}

// Calm points, the pattern, calm points: the pattern's last point is at 12 + size - 1.
QVector<double> around(const QVector<double> &pattern)
{
    return calm() + pattern + calm();
}

const ChartLine kUnitLine{0.0, -3.0, 3.0}; // centre 0, sigma 1

} // namespace

class TestControlChart : public QObject
{
    Q_OBJECT

private slots:
    void constantsMatchPublishedTables();
    void limitsFromTheData();
    void rules_data();
    void rules();
};

void TestControlChart::constantsMatchPublishedTables()
{
    // ISO 7870-2 / ASTM E2587, n = 2..10: A2 A3 B3 B4 D3 D4 d2 c4.
    const double published[9][8] = {
        {1.880, 2.659, 0, 3.267, 0, 3.267, 1.128, 0.7979},
        {1.023, 1.954, 0, 2.568, 0, 2.574, 1.693, 0.8862},
        {0.729, 1.628, 0, 2.266, 0, 2.282, 2.059, 0.9213},
        {0.577, 1.427, 0, 2.089, 0, 2.114, 2.326, 0.9400},
        {0.483, 1.287, 0.030, 1.970, 0, 2.004, 2.534, 0.9515},
        {0.419, 1.182, 0.118, 1.882, 0.076, 1.924, 2.704, 0.9594},
        {0.373, 1.099, 0.185, 1.815, 0.136, 1.864, 2.847, 0.9650},
        {0.337, 1.032, 0.239, 1.761, 0.184, 1.816, 2.970, 0.9693},
        {0.308, 0.975, 0.284, 1.716, 0.223, 1.777, 3.078, 0.9727},
    };
    for (int n = 2; n <= 10; ++n) {
        const auto k = controlConstants(n);
        QVERIFY(k);
        const double got[8] = {k->a2, k->a3, k->b3, k->b4, k->d3, k->d4, k->d2, k->c4};
        for (int c = 0; c < 8; ++c)
            QVERIFY2(near(got[c], published[n - 2][c], c == 7 ? 0.00006 : 0.0007),
                     qPrintable(QStringLiteral("n = %1, column %2: %3").arg(n).arg(c).arg(got[c])));
    }
    QVERIFY(!controlConstants(1) && !controlConstants(11));
}

void TestControlChart::limitsFromTheData()
{
    // I-MR: x̄ 12, MR̄ 2: 12 ± 3 * 2 / d2; MR up to D4 * 2.
    const auto imr = controlChart({10, 12, 14, 12}, ChartType::IndividualsMovingRange, 5);
    QVERIFY(imr);
    QCOMPARE(imr->dispersion, (QVector<double>{2, 2, 2}));
    QCOMPARE(imr->dispersionOffset, 1);
    QVERIFY(near(imr->limits.location.upper, 12 + 6 / 1.128379, 1e-6));
    QVERIFY(near(imr->limits.location.lower, 12 - 6 / 1.128379, 1e-6));
    QVERIFY(near(imr->limits.dispersion.upper, 3.267 * 2, 0.002));
    QCOMPARE(imr->limits.dispersion.lower, 0.0);

    // Subgroups of three, the incomplete last one left out: means 2, 4, 3;
    // ranges 2, 4, 0; standard deviations 1, 2, 0.
    const QVector<double> values{1, 2, 3, 2, 4, 6, 3, 3, 3, 99};
    const auto xr = controlChart(values, ChartType::MeanRange, 3);
    QVERIFY(xr);
    QCOMPARE(xr->location, (QVector<double>{2, 4, 3}));
    QVERIFY(near(xr->limits.location.upper, 3 + 1.023 * 2, 0.002));
    QVERIFY(near(xr->limits.dispersion.upper, 2.574 * 2, 0.002));
    QVERIFY(near(*xr->sigmaWithin, 2 / 1.693, 0.001));
    const auto xs = controlChart(values, ChartType::MeanStdDev, 3);
    QVERIFY(xs);
    QVERIFY(near(xs->limits.location.lower, 3 - 1.954, 0.001));
    QVERIFY(near(xs->limits.dispersion.upper, 2.568, 0.001));
    QVERIFY(near(*xs->sigmaWithin, 1 / 0.8862, 0.0005));

    // Fixed limits are kept; too few values or a subgroup size out of range give no chart.
    const ChartLimits reference{{5, 4, 6}, {1, 0, 2}};
    const auto fixed = controlChart(values, ChartType::MeanRange, 3, reference);
    QVERIFY(fixed && fixed->fixedLimits && fixed->limits.location.upper == 6.0);
    QVERIFY(!controlChart({1}, ChartType::IndividualsMovingRange, 1));
    QVERIFY(!controlChart(values, ChartType::MeanStdDev, 11));
    QVERIFY(!controlChart({1, 2, 3}, ChartType::MeanRange, 2));
}

void TestControlChart::rules_data()
{
    QTest::addColumn<QVector<double>>("points");
    // The rules broken and the first point that completes a pattern (-1: none).
    QTest::addColumn<QList<int>>("westernElectric");
    QTest::addColumn<int>("firstWesternElectric");
    QTest::addColumn<QList<int>>("nelson");
    QTest::addColumn<int>("firstNelson");

    QTest::newRow("none") << calm() + calm() + calm() << QList<int>{} << -1 << QList<int>{} << -1;
    QTest::newRow("beyond 3 sigma")
        << around({3.5}) << QList<int>{1} << 12 << QList<int>{1} << 12;
    QTest::newRow("2 of 3 beyond 2 sigma")
        << around({2.5, -0.5, 2.2}) << QList<int>{2} << 14 << QList<int>{5} << 14;
    QTest::newRow("4 of 5 beyond 1 sigma")
        << around({1.5, 1.2, 0.5, 1.8, 1.3}) << QList<int>{3} << 16 << QList<int>{6} << 16;
    QTest::newRow("8 on one side") << around({0.5, 0.6, 0.3, 0.2, 1.2, 0.8, 0.4, 0.5, -0.5})
                                   << QList<int>{4} << 19 << QList<int>{} << -1;
    QTest::newRow("9 on one side") << around({0.5, 0.6, 0.3, 0.2, 1.2, 0.8, 0.4, 0.5, 0.7, -0.5})
                                   << QList<int>{4} << 19 << QList<int>{2} << 20;
    QTest::newRow("6 rising") << around({-1.3, -0.8, -0.3, 0.2, 0.6, 0.9}) << QList<int>{} << -1
                              << QList<int>{3} << 17;
    // The calm points before it go on alternating from point 10.
    QTest::newRow("14 alternating")
        << around({0.5, -0.5, 1.5, -0.5, 0.5, -1.2, 0.5, -0.5, 1.5, -0.5, 0.5, -1.2})
        << QList<int>{} << -1 << QList<int>{4} << 23;
    QTest::newRow("15 within 1 sigma") << around({0.5, 0.3, -0.2, -0.4, 0.6, 0.1, -0.3, -0.5, 0.2,
                                                  0.4, -0.1, -0.6, 0.3, 0.5, -0.2})
                                       << QList<int>{} << -1 << QList<int>{7} << 26;
    // The calm point before it lies beyond 1 sigma too.
    QTest::newRow("8 beyond 1 sigma, both sides")
        << around({1.5, -1.5, -1.2, 1.8, 1.3, -1.5, -1.4}) << QList<int>{} << -1 << QList<int>{8}
        << 18;
}

void TestControlChart::rules()
{
    QFETCH(QVector<double>, points);
    QFETCH(QList<int>, westernElectric);
    QFETCH(int, firstWesternElectric);
    QFETCH(QList<int>, nelson);
    QFETCH(int, firstNelson);

    for (const RuleSet ruleSet : {RuleSet::WesternElectric, RuleSet::Nelson}) {
        const bool isNelson = ruleSet == RuleSet::Nelson;
        const QVector<RuleViolation> found = locationViolations(points, kUnitLine, ruleSet);
        QList<int> rules;
        for (const RuleViolation &v : found)
            if (!rules.contains(v.rule))
                rules.append(v.rule);
        const int first = found.isEmpty() ? -1 : found.first().point;
        const QString what = ruleSetName(ruleSet) + QStringLiteral(": %1 found, first at %2")
                                                        .arg(found.size())
                                                        .arg(first);
        QVERIFY2(rules == (isNelson ? nelson : westernElectric), qPrintable(what));
        QVERIFY2(first == (isNelson ? firstNelson : firstWesternElectric), qPrintable(what));
        if (!found.isEmpty())
            QVERIFY(ruleText(ruleSet, found.first().rule).startsWith(ruleSetName(ruleSet)));
    }
}

QTEST_APPLESS_MAIN(TestControlChart)
#include "tst_controlchart.moc"
