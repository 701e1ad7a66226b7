#include "benchplan.h"

namespace {

Characteristic shaped(const Characteristic &shape, const QString &name, CharacteristicKind kind)
{
    Characteristic c = shape;
    c.name = name;
    c.kind = kind;
    return c;
}

} // namespace

TestPlan tenCharacteristicPlan(const Characteristic &shape, double triggerForce,
                               const Measurement &reference, double percent)
{
    const QString span = QStringLiteral("%1-%2 s").arg(shape.from).arg(shape.to);
    TestPlan plan;
    plan.name = QStringLiteral("bench");
    plan.triggerForce = triggerForce;
    using K = CharacteristicKind;
    plan.characteristics = {
        shaped(shape, QStringLiteral("Fmax"), K::MaximumForce),
        shaped(shape, QStringLiteral("Fmean"), K::MeanForce),
        shaped(shape, QStringLiteral("F(%1 s)").arg(shape.from), K::ForceAtTime),
        shaped(shape, QStringLiteral("Fmean ") + span, K::WindowMean),
        shaped(shape, QStringLiteral("Fmin ") + span, K::WindowMinimum),
        shaped(shape, QStringLiteral("peak"), K::FirstPeak),
        shaped(shape, QStringLiteral("break"), K::BreakForce),
        shaped(shape, QStringLiteral("t(%1 N)").arg(shape.force), K::TimeToForce),
        shaped(shape, QStringLiteral("work"), K::Work),
        shaped(shape, QStringLiteral("envelope"), K::Envelope)};
    plan.characteristics.last().band = learnEnvelope({&reference}, triggerForce, 0.0, percent);
    return plan;
}
