// The characteristics of a test plan on crafted curves whose answers are
// known by hand: 1000 samples a second unless said otherwise.
#include "measurement/testplan.h"
#include "measurement/measurement.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A curve of `count` samples at `rate`, force(i) for sample i.
Measurement curve(int count, const std::function<double(int)> &force, float rate = 1000.0f)
{
    Measurement m(1);
    m.sampleRate = rate;
    for (int i = 0; i < count; ++i)
        m.forces.append(float(force(i)));
    m.sampleCount = quint32(count);
    return m;
}

// 100 N a second, rising from 0 for one second.
Measurement ramp()
{
    return curve(1001, [](int i) { return 0.1 * i; });
}

Characteristic of(CharacteristicKind kind)
{
    Characteristic c;
    c.name = QStringLiteral("c");
    c.kind = kind;
    return c;
}

// Samples are float32: a tenth of a newton is no exact number.
bool near(double actual, double expected)
{
    return std::abs(actual - expected) <= 1e-5 * std::max(1.0, std::abs(expected));
}

CharacteristicResult judge(const Characteristic &c, const Measurement &m, double trigger = 0.0)
{
    return evaluateCharacteristic(c, TriggeredCurve::of(m, trigger));
}

} // namespace

class TestCharacteristics : public QObject
{
    Q_OBJECT

private slots:
    void valuesOfARamp()
    {
        const Measurement m = ramp();
        Characteristic at = of(CharacteristicKind::ForceAtTime);
        at.from = 0.2505; // between two samples
        QVERIFY(near(judge(at, m).value, 25.05));
        Characteristic mean = of(CharacteristicKind::WindowMean);
        mean.from = 0.2;
        mean.to = 0.4;
        QVERIFY(near(judge(mean, m).value, 30.0));
        Characteristic reach = of(CharacteristicKind::TimeToForce);
        reach.force = 42.05;
        QVERIFY(near(judge(reach, m).value, 0.4205));
        Characteristic above = of(CharacteristicKind::TimeAboveForce);
        above.force = 90.0;
        QVERIFY(near(judge(above, m).value, 0.101)); // samples 900..1000
        Characteristic work = of(CharacteristicKind::Work);
        work.from = 0.2;
        work.to = 0.4;
        QVERIFY(near(judge(work, m).value, 6.0)); // 100 N/s · (0.4² − 0.2²) / 2
        work.fromForce = 20.0;
        QVERIFY(near(judge(work, m).value, 48.0)); // from 0.2 s to the end
        // The trigger sets time zero: 10 N is reached at 0.1 s.
        QVERIFY(near(judge(reach, m, 10.0).value, 0.3205));
    }

    void limitsJudge()
    {
        Characteristic c = of(CharacteristicKind::MaximumForce);
        c.lower = 50.0;
        c.upper = 99.0;
        const CharacteristicResult r = judge(c, ramp());
        QCOMPARE(r.value, 100.0);
        QVERIFY(r.judged && !r.pass);
        QVERIFY(!judge(of(CharacteristicKind::MeanForce), ramp()).judged);
    }

    // A first peak of 50 N at 0.1 s, a fall of 20 N, then a higher one of 80 N.
    void firstPeakBeforeAHigherSecond()
    {
        const Measurement m = curve(600, [](int i) {
            if (i <= 100)
                return 0.5 * i;
            if (i <= 150)
                return 50.0 - 0.4 * (i - 100);
            if (i <= 300)
                return 30.0 + (i - 150) / 3.0;
            return 80.0 - 0.2 * (i - 300);
        });
        Characteristic c = of(CharacteristicKind::FirstPeak);
        c.fall = 10.0;
        CharacteristicResult r = judge(c, m);
        QCOMPARE(r.value, 50.0);
        QCOMPARE(r.atTime, 0.1);
        c.fall = 30.0; // the first fall is too small: the second peak
        r = judge(c, m);
        QVERIFY(r.found);
        QVERIFY(near(r.value, 80.0));
        c.fall = 30.0;
        c.fallInPercent = true; // 30 % of 50 N is 15 N: the first
        QCOMPARE(judge(c, m).value, 50.0);
    }

    // Up to 100 N at sample 500, then 10 N: the break is at sample 500.
    void breakAtAGivenSample()
    {
        const Measurement m = curve(700, [](int i) { return i <= 500 ? 0.2 * i : 10.0; });
        Characteristic force = of(CharacteristicKind::BreakForce);
        force.share = 0.5;
        force.within = 0.005;
        force.activation = 20.0;
        CharacteristicResult r = judge(force, m);
        QVERIFY(r.found);
        QCOMPARE(r.value, 100.0);
        Characteristic time = force;
        time.kind = CharacteristicKind::BreakTime;
        QCOMPARE(judge(time, m, 1.0).value, 0.495); // 1 N at sample 5 is time zero
        force.share = 0.95; // a fall of 90 N is no break of 95 %: "kein Bruch"
        r = judge(force, m);
        QVERIFY(!r.found);
        force.share = 0.5;
        force.activation = 150.0;
        QVERIFY(!judge(force, m).found);
    }

    void windowSides_data()
    {
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("pass");
        // The ramp enters a box from 0.2 to 0.4 s through its left side at 20 N ...
        QTest::newRow("through the right") << 50.0 << int(BoxSide::Right) << true;
        // ... and leaves one only 30 N high through its top, at 0.3 s.
        QTest::newRow("through the top") << 30.0 << int(BoxSide::Top) << false;
    }

    void windowSides()
    {
        QFETCH(double, high);
        QFETCH(int, left);
        QFETCH(bool, pass);
        Characteristic c = of(CharacteristicKind::Window);
        c.box = WindowBox{0.2, 0.4, 10.0, high, BoxSide::Left, BoxSide::Right};
        const CharacteristicResult r = judge(c, ramp());
        QCOMPARE(int(r.entered), int(BoxSide::Left));
        QVERIFY(near(r.atTime, 0.2));
        QCOMPARE(int(r.left), left);
        QCOMPARE(r.pass, pass);
        c.box = WindowBox{0.2, 0.4, 200.0, 300.0, BoxSide::Left, BoxSide::Right};
        QVERIFY(!judge(c, ramp()).pass); // never entered
    }

    // Three references 1 N apart; a curve that leaves their band at 0.25 s.
    void envelopeLeftAtAGivenPoint()
    {
        const Measurement a = curve(501, [](int i) { return 0.1 * i - 1.0; });
        const Measurement b = curve(501, [](int i) { return 0.1 * i; });
        const Measurement c = curve(501, [](int i) { return 0.1 * i + 1.0; });
        Characteristic e = of(CharacteristicKind::Envelope);
        e.band = learnEnvelope({&a, &b, &c}, -10.0, 3.0, 0.0);
        QCOMPARE(e.band.lower.size(), 501);
        QVERIFY(near(e.band.upper[100], 13.0)); // 10 N + 3 · 1 N
        QVERIFY(judge(e, b).pass);
        const Measurement spiked = curve(501, [](int i) { return i == 250 ? 30.0 : 0.1 * i; });
        const CharacteristicResult r = judge(e, spiked);
        QVERIFY(r.found && !r.pass);
        QCOMPARE(r.atTime, 0.25);
        QCOMPARE(r.atForce, 30.0);
    }

    void planRoundTripsThroughItsFile()
    {
        TestPlan plan;
        plan.name = QStringLiteral("Clip 7");
        plan.partNumber = QStringLiteral("A-100");
        plan.version = 3;
        plan.triggerForce = 2.0;
        for (const CharacteristicKind kind :
             {CharacteristicKind::MaximumForce, CharacteristicKind::ForceAtTime,
              CharacteristicKind::WindowMean, CharacteristicKind::FirstPeak,
              CharacteristicKind::BreakForce, CharacteristicKind::TimeToForce,
              CharacteristicKind::Work, CharacteristicKind::Window, CharacteristicKind::Envelope}) {
            Characteristic c = of(kind);
            c.name = characteristicKindName(kind);
            c.from = 0.25;
            c.to = 0.5;
            c.fall = 12.5;
            c.force = 7.0;
            c.upper = 90.0;
            c.box = WindowBox{0.1, 0.2, 5.0, 6.0, BoxSide::Bottom, BoxSide::Top};
            c.band.step = 0.001;
            c.band.lower = {1.0, 2.0};
            c.band.upper = {3.0, 4.5};
            plan.characteristics.append(c);
        }
        const QByteArray json = testPlanJson(plan);
        TestPlan read;
        QString problem;
        QVERIFY2(readTestPlan(json, read, problem), qPrintable(problem));
        QCOMPARE(read.version, 3);
        QCOMPARE(read.characteristics.size(), plan.characteristics.size());
        QCOMPARE(int(read.characteristics[7].box.exit), int(BoxSide::Top));
        QCOMPARE(read.characteristics[8].band.upper, (QVector<double>{3.0, 4.5}));
        QCOMPARE(testPlanJson(read), json);

        QVERIFY(!readTestPlan(QByteArray(json).replace("\"fall\"", "\"fell\""), read, problem));
        QVERIFY2(problem.contains(QLatin1String("4 (firstPeak)")), qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(TestCharacteristics)
#include "tst_characteristics.moc"
