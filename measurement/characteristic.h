#pragma once

#include <QList>
#include <QString>
#include <QVector>
#include <optional>
#include <vector>

struct Measurement;

// What a characteristic takes from a curve. Times are seconds after the
// plan's trigger (the first sample at or above its trigger force), forces
// newtons as the gauge sent them.
enum class CharacteristicKind
{
    MaximumForce,   // the highest force
    MeanForce,      // the mean force
    Duration,       // from the trigger to the last sample held
    ForceAtTime,    // the force at `from` (between samples: on the line between them)
    WindowMean,     // the mean force from `from` to `to`
    WindowMinimum,  // the lowest force from `from` to `to`
    WindowMaximum,  // the highest force from `from` to `to`
    FirstPeak,      // the first maximum followed by a fall of `fall` N (or % of it)
    BreakForce,     // the force just before a break (see BreakRule)
    BreakTime,      // when that was
    TimeToForce,    // when the force first reaches `force`, rising
    TimeAboveForce, // how long the force is at or above `force`
    Work,           // the area under the curve from `from` to `to` (N·s)
    Window,         // the curve passes a box through given sides: 1 pass, 0 fail
    Envelope,       // the curve stays within a band: 1 pass, 0 fail
};

// The sides of a box on the force/time plane.
enum class BoxSide
{
    None, // the curve starts (or ends) inside
    Left,
    Right,
    Bottom,
    Top,
};

// A box the curve must enter through one side and leave through another.
struct WindowBox
{
    double fromTime = 0.0;
    double toTime = 0.0;
    double lowForce = 0.0;
    double highForce = 0.0;
    BoxSide entry = BoxSide::Left;
    BoxSide exit = BoxSide::Right;
};

// A band around reference curves, on a grid from the trigger on.
struct EnvelopeBand
{
    double step = 0.0; // seconds between the grid's points
    QVector<double> lower;
    QVector<double> upper;

    bool isEmpty() const { return lower.isEmpty(); }
};

// One entry of a test plan: what to take from the curve and the limits it
// must keep (pass and fail characteristics need none).
struct Characteristic
{
    QString name;
    CharacteristicKind kind = CharacteristicKind::MaximumForce;
    std::optional<double> lower;
    std::optional<double> upper;
    double from = 0.0; // seconds
    double to = 0.0;   // seconds
    double force = 0.0;
    // First peak: the fall that ends a peak, in N or (fallInPercent) % of the peak.
    double fall = 0.0;
    bool fallInPercent = false;
    // Break: a fall by `share` (0..1) of the running peak within `within`
    // seconds, once the force was above `activation` N.
    double share = 0.5;
    double within = 0.01;
    double activation = 0.0;
    // Work between crossings instead of times: from the first rising through
    // `fromForce`, to the next falling through `toForce` (when set).
    std::optional<double> fromForce;
    std::optional<double> toForce;
    WindowBox box;
    EnvelopeBand band;

    // "N", "s", "N·s", or empty for pass and fail.
    QString unit() const;
    bool isPassFail() const;
};

// What a characteristic found on one curve.
struct CharacteristicResult
{
    bool found = false; // false: what it looks for is not on the curve
    double value = 0.0;
    double atTime = 0.0;  // where it was found (a peak, a break, the point outside)
    double atForce = 0.0;
    // A window: where the curve entered and left the box.
    BoxSide entered = BoxSide::None;
    BoxSide left = BoxSide::None;
    // Within the limits (and for pass and fail: passed); false when not found.
    bool pass = false;
    // Whether there was anything to judge against (limits, or pass and fail).
    bool judged = false;
};

// A curve's samples from its trigger on, held once for all characteristics.
struct TriggeredCurve
{
    std::vector<float> forces;
    int count = 0;     // samples from the trigger on
    double step = 1.0; // seconds between samples
    bool triggered = false;
    int first = 0; // the measurement's sample the trigger is at

    static TriggeredCurve of(const Measurement &m, double triggerForce);
    double time(int i) const { return i * step; }
    // Seconds from the measurement's first sample to the trigger.
    double triggerTime() const { return first * step; }
};

CharacteristicResult evaluateCharacteristic(const Characteristic &c, const TriggeredCurve &curve);

// A band from reference curves aligned at the trigger: the mean plus and
// minus `k` standard deviations or (`percent` > 0) that share of the mean.
EnvelopeBand learnEnvelope(const QList<const Measurement *> &references, double triggerForce,
                           double k, double percent);
