// Ten characteristics of a test plan on one curve of 1,000,000 samples, on
// one core: goal under 10 ms for the ten, the copy from the trigger on
// included.
#include "benchplan.h"
#include "benchsupport.h"

#include "measurement/measurement.h"
#include "measurement/testplan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>

namespace {

constexpr int kSamples = 1000000;
constexpr int kRuns = 20;

// A peel test: contact noise, a rise, a plateau with ripples, a break.
Measurement peelCurve()
{
    Measurement m(1);
    m.sampleRate = 10000.0f;
    for (int i = 0; i < kSamples; ++i) {
        const double t = i / 10000.0;
        double f = t < 5.0 ? 0.05 * std::sin(i) : t < 10.0 ? (t - 5.0) * 20.0 : 100.0;
        f += 3.0 * std::sin(t * 7.0);
        if (t > 90.0)
            f = 2.0;
        m.forces.append(float(f));
    }
    m.sampleCount = kSamples;
    return m;
}

TestPlan tenCharacteristics(const Measurement &reference)
{
    Characteristic shape;
    shape.from = 10.0;
    shape.to = 80.0;
    shape.force = 50.0;
    shape.fall = 20.0;
    shape.fallInPercent = true;
    shape.share = 0.5;
    shape.within = 0.01;
    shape.activation = 20.0;
    shape.lower = 1.0;
    TestPlan plan = tenCharacteristicPlan(shape, 1.0, reference, 10.0);
    return plan;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Measurement curve = peelCurve();
    const TestPlan plan = tenCharacteristics(curve);
    QList<double> times;
    bool pass = true;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const PlanVerdict verdict = judgeByPlan(plan, curve);
        times.append(timer.nsecsElapsed() / 1e6);
        pass = verdict.pass();
    }
    printCase(QStringLiteral("ten characteristics, %1 samples").arg(kSamples));
    const TriggeredCurve triggered = TriggeredCurve::of(curve, plan.triggerForce);
    for (const Characteristic &c : plan.characteristics) {
        QElapsedTimer timer;
        timer.start();
        evaluateCharacteristic(c, triggered);
        printFigure(c.name, timer.nsecsElapsed() / 1e6, QStringLiteral("ms"));
    }
    QElapsedTimer copy;
    copy.start();
    TriggeredCurve::of(curve, plan.triggerForce);
    printFigure(QStringLiteral("samples from the trigger on"), copy.nsecsElapsed() / 1e6,
                QStringLiteral("ms"));
    printFigure(QStringLiteral("the plan, median of %1").arg(kRuns), median(times),
                QStringLiteral("ms"));
    printNote(QStringLiteral("verdict"), pass ? QStringLiteral("pass") : QStringLiteral("fail"));
    printGoal(QStringLiteral("under 10 ms"), median(times) < 10.0);
    return 0;
}
