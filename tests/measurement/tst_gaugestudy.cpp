// The type-1 study's numbers.
#include "measurement/gaugestudy.h"

#include <QTest>
#include <cmath>

class TestGaugeStudy : public QObject
{
    Q_OBJECT

private slots:
    // Two-sided 95 % quantiles as printed in any table of Student's t.
    void tQuantilesMatchTheTables()
    {
        QCOMPARE(std::round(studentTQuantile(1, 0.05) * 1000) / 1000, 12.706);
        QCOMPARE(std::round(studentTQuantile(24, 0.05) * 10000) / 10000, 2.0639);
        QCOMPARE(std::round(studentTQuantile(49, 0.05) * 10000) / 10000, 2.0096);
    }

    // 25 values: 12 at x + 0.1, 12 at x - 0.1, one at x, x = 10.05 against
    // the reference 10; T = 4. By hand: mean 10.05, s = sqrt(24 * 0.01 / 24)
    // = 0.1, bias 0.05, Cg = 0.8 / 0.6 = 1.3333, Cgk = (0.4 - 0.05) / 0.3 =
    // 1.1667, t = 0.05 / (0.1 / 5) = 2.5 > 2.0639: significant; resolution
    // 0.01 / 4 = 0.25 %; not capable (Cgk < 1.33).
    void craftedSeriesByHand()
    {
        Type1Input input;
        for (int i = 0; i < 12; ++i)
            input.values << 10.15 << 9.95;
        input.values << 10.05;
        input.reference = 10.0;
        input.tolerance = 4.0;
        input.resolution = 0.01;
        QVERIFY(!type1ProblemOf(input));
        const Type1Result r = type1Study(input);
        QCOMPARE(r.count, 25);
        QVERIFY(std::fabs(r.mean - 10.05) < 1e-12);
        QVERIFY(std::fabs(r.standardDeviation - 0.1) < 1e-12);
        QVERIFY(std::fabs(r.bias - 0.05) < 1e-12);
        QVERIFY(std::fabs(*r.cg - 4.0 / 3.0) < 1e-9);
        QVERIFY(std::fabs(*r.cgk - 3.5 / 3.0) < 1e-9);
        QVERIFY(std::fabs(*r.t - 2.5) < 1e-9);
        QVERIFY(r.biasSignificant);
        QVERIFY(std::fabs(r.resolutionPercent - 0.25) < 1e-12);
        QVERIFY(r.resolutionSufficient);
        QVERIFY(!r.capable);
        QVERIFY(std::fabs(r.lowerBand - 9.6) < 1e-12 && std::fabs(r.upperBand - 10.4) < 1e-12);

        // Centred on the reference the same spread reaches 1.33 exactly:
        // capable; a resolution of 0.25 (6.25 % of T) is not.
        for (double &value : input.values)
            value -= 0.05;
        Type1Result centred = type1Study(input);
        QVERIFY(!centred.biasSignificant);
        QVERIFY(*centred.cgk > 1.33 && centred.capable);
        input.resolution = 0.25;
        centred = type1Study(input);
        QVERIFY(!centred.resolutionSufficient && !centred.capable);
    }

    // AIAG, Measurement Systems Analysis, Reference Manual, 4th edition (2010),
    // chapter III, section B, bias study (independent sample method): mean 6.0067,
    // bias 0.0067, sigma_r 0.2120, sigma_b 0.0547, t 0.1220 (df 14; the readings
    // give 0.1218), 95 % interval of the bias -0.1107 to 0.1241. With T = 10, by
    // hand: Cg = 2 / (6 * 0.2120) = 1.5723, Cgk = (1 - 0.0067) / (3 * 0.2120) = 1.5618.
    void publishedBiasExample()
    {
        Type1Input input{{5.8, 5.7, 5.9, 5.9, 6.0, 6.1, 6.0, 6.1, 6.4, 6.3, 6.0, 6.1, 6.2, 5.6, 6.0},
                         6.0, 10.0, 0.1};
        QCOMPARE(*type1ProblemOf(input), Type1Problem::TooFew); // the study's rule, not its numbers
        const Type1Result r = type1Study(input);
        const auto rounded = [](double value) { return std::round(value * 1e4) / 1e4; };
        const double sigmaB = r.standardDeviation / std::sqrt(15.0);
        QCOMPARE(QVector<double>({rounded(r.mean), rounded(r.bias), rounded(r.standardDeviation), rounded(sigmaB),
                                  rounded(r.bias - r.tCritical * sigmaB), rounded(r.bias + r.tCritical * sigmaB)}),
                 QVector<double>({6.0067, 0.0067, 0.2120, 0.0547, -0.1107, 0.1241}));
        QVERIFY(std::fabs(*r.t - 0.1220) < 3e-4 && !r.biasSignificant);
        QVERIFY(std::fabs(*r.cg - 1.5723) < 2e-4 && std::fabs(*r.cgk - 1.5618) < 2e-4);
    }

    void inputsThatCannotBeStudied()
    {
        Type1Input input;
        input.tolerance = 1.0;
        input.values = QVector<double>(24, 1.0);
        QCOMPARE(*type1ProblemOf(input), Type1Problem::TooFew);
        input.values = QVector<double>(51, 1.0);
        QCOMPARE(*type1ProblemOf(input), Type1Problem::TooMany);
        input.values = QVector<double>(25, 1.0);
        input.tolerance = 0.0;
        QCOMPARE(*type1ProblemOf(input), Type1Problem::NoTolerance);
        input.tolerance = 1.0;
        input.values[3] = std::nan("");
        QCOMPARE(*type1ProblemOf(input), Type1Problem::NotNumbers);
        // No spread: no Cg to reach, never capable.
        input.values = QVector<double>(25, 1.0);
        const Type1Result flat = type1Study(input);
        QVERIFY(!flat.cg && !flat.capable);
    }
};

QTEST_APPLESS_MAIN(TestGaugeStudy)
#include "tst_gaugestudy.moc"
