#include "measurement/characteristic.h"

#include "measurement/measurement.h"
#include "measurement/measurementset.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

CharacteristicResult foundValue(double value, double atTime = 0.0, double atForce = 0.0)
{
    CharacteristicResult r;
    r.found = std::isfinite(value);
    r.value = value;
    r.atTime = atTime;
    r.atForce = atForce;
    return r;
}

CharacteristicResult notFound()
{
    return CharacteristicResult{};
}

// The samples whose times lie from `from` to `to`; empty when none.
struct SampleRange
{
    int first = 0;
    int last = -1;
    bool isEmpty() const { return last < first; }
};

SampleRange samplesBetween(const TriggeredCurve &c, double from, double to)
{
    SampleRange r;
    r.first = std::max(0, int(std::ceil(from / c.step - 1e-9)));
    r.last = std::min(c.count - 1, int(std::floor(to / c.step + 1e-9)));
    return r;
}

std::optional<double> forceAt(const TriggeredCurve &c, double time)
{
    const double position = time / c.step;
    if (c.count == 0 || position < 0.0 || position > double(c.count - 1))
        return std::nullopt;
    const int i = std::min(int(position), c.count - 1);
    if (i == c.count - 1)
        return double(c.forces[i]);
    const double share = position - i;
    return double(c.forces[i]) + share * (double(c.forces[i + 1]) - double(c.forces[i]));
}

CharacteristicResult windowValue(const TriggeredCurve &c, const Characteristic &ch)
{
    const SampleRange range = samplesBetween(c, ch.from, ch.to);
    if (range.isEmpty())
        return notFound();
    double sum = 0.0;
    int lowest = range.first, highest = range.first;
    for (int i = range.first; i <= range.last; ++i) {
        sum += double(c.forces[i]);
        if (c.forces[i] < c.forces[lowest])
            lowest = i;
        if (c.forces[i] > c.forces[highest])
            highest = i;
    }
    switch (ch.kind) {
    case CharacteristicKind::WindowMinimum:
        return foundValue(c.forces[lowest], c.time(lowest), c.forces[lowest]);
    case CharacteristicKind::WindowMaximum:
    case CharacteristicKind::MaximumForce:
        return foundValue(c.forces[highest], c.time(highest), c.forces[highest]);
    default:
        return foundValue(sum / double(range.last - range.first + 1));
    }
}

CharacteristicResult firstPeak(const TriggeredCurve &c, const Characteristic &ch)
{
    if (c.count == 0)
        return notFound();
    int peak = 0;
    for (int i = 1; i < c.count; ++i) {
        if (c.forces[i] > c.forces[peak]) {
            peak = i;
            continue;
        }
        const double needed = ch.fallInPercent ? c.forces[peak] * ch.fall / 100.0 : ch.fall;
        if (double(c.forces[peak]) - double(c.forces[i]) >= needed && needed > 0.0)
            return foundValue(c.forces[peak], c.time(peak), c.forces[peak]);
    }
    return notFound();
}

// The first sample that lies by `share` of the running peak below a sample of
// the last `within` seconds that was above the activation force; the result
// names that higher sample, the last before the fall.
std::optional<int> breakSample(const TriggeredCurve &c, const Characteristic &ch)
{
    const int span = std::max(1, int(std::lround(ch.within / c.step)));
    // The window's candidates for its highest force, forces falling, in a
    // ring of at most span + 1 samples: `head` is the highest.
    const int size = span + 2;
    std::vector<int> ring(size_t(size), 0);
    int head = 0, tail = 0; // tail: one past the last
    const auto next = [size](int k) { return k + 1 == size ? 0 : k + 1; };
    const auto before = [size](int k) { return k == 0 ? size - 1 : k - 1; };
    double runningPeak = -std::numeric_limits<double>::infinity();
    const float *f = c.forces.data();
    for (int i = 0; i < c.count; ++i) {
        while (head != tail && ring[size_t(head)] < i - span)
            head = next(head);
        runningPeak = std::max(runningPeak, double(f[i]));
        if (head != tail) {
            const int top = ring[size_t(head)];
            const double fall = double(f[top]) - double(f[i]);
            if (f[top] > ch.activation && fall >= ch.share * runningPeak && fall > 0.0)
                return top;
        }
        while (head != tail && f[ring[size_t(before(tail))]] <= f[i])
            tail = before(tail);
        ring[size_t(tail)] = i;
        tail = next(tail);
    }
    return std::nullopt;
}

// When the force first reaches `force` rising, between the samples.
std::optional<double> risingThrough(const TriggeredCurve &c, double force, int from = 0)
{
    for (int i = std::max(from, 0); i < c.count; ++i) {
        if (double(c.forces[i]) < force)
            continue;
        if (i == 0 || i == from)
            return c.time(i);
        const double below = c.forces[i - 1];
        return c.time(i - 1) + (force - below) / (double(c.forces[i]) - below) * c.step;
    }
    return std::nullopt;
}

std::optional<double> fallingThrough(const TriggeredCurve &c, double force, int from)
{
    for (int i = std::max(from, 1); i < c.count; ++i) {
        if (double(c.forces[i]) > force || double(c.forces[i - 1]) <= force)
            continue;
        const double above = c.forces[i - 1];
        return c.time(i - 1) + (above - force) / (above - double(c.forces[i])) * c.step;
    }
    return std::nullopt;
}

// The area under the curve from `from` to `to`, on the lines between samples:
// the whole intervals between, and the parts at both ends.
double areaBetween(const TriggeredCurve &c, double from, double to)
{
    const SampleRange inner = samplesBetween(c, from, to);
    if (inner.isEmpty())
        return 0.5 * (*forceAt(c, from) + *forceAt(c, to)) * (to - from);
    double sum = 0.0;
    for (int i = inner.first; i < inner.last; ++i)
        sum += double(c.forces[size_t(i)]) + double(c.forces[size_t(i) + 1]);
    double area = 0.5 * sum * c.step;
    area += 0.5 * (*forceAt(c, from) + double(c.forces[size_t(inner.first)])) *
            (c.time(inner.first) - from);
    area += 0.5 * (double(c.forces[size_t(inner.last)]) + *forceAt(c, to)) *
            (to - c.time(inner.last));
    return area;
}

CharacteristicResult work(const TriggeredCurve &c, const Characteristic &ch)
{
    double from = ch.from, to = ch.to;
    if (ch.fromForce) {
        const std::optional<double> start = risingThrough(c, *ch.fromForce);
        if (!start)
            return notFound();
        from = *start;
        to = c.time(c.count - 1);
        if (ch.toForce) {
            const std::optional<double> end =
                fallingThrough(c, *ch.toForce, int(std::ceil(from / c.step)));
            if (!end)
                return notFound();
            to = *end;
        }
    }
    if (c.count < 2 || to <= from)
        return notFound();
    return foundValue(areaBetween(c, from, to));
}

// Where a segment crosses a box (Liang–Barsky): the share of the segment at
// which it enters and leaves, and through which sides.
struct Crossing
{
    bool hits = false;
    double enterAt = 0.0;
    double leaveAt = 1.0;
    BoxSide entered = BoxSide::None;
    BoxSide left = BoxSide::None;
};

Crossing crossBox(const WindowBox &box, double t0, double f0, double t1, double f1)
{
    const double dt = t1 - t0, df = f1 - f0;
    const struct
    {
        double p, q;
        BoxSide side;
    } edges[] = {{-dt, t0 - box.fromTime, BoxSide::Left},
                 {dt, box.toTime - t0, BoxSide::Right},
                 {-df, f0 - box.lowForce, BoxSide::Bottom},
                 {df, box.highForce - f0, BoxSide::Top}};
    Crossing x;
    for (const auto &e : edges) {
        if (e.p == 0.0) {
            if (e.q < 0.0)
                return x;
            continue;
        }
        const double r = e.q / e.p;
        if (e.p < 0.0 && r > x.enterAt) {
            x.enterAt = r;
            x.entered = e.side;
        } else if (e.p > 0.0 && r < x.leaveAt) {
            x.leaveAt = r;
            x.left = e.side;
        }
    }
    x.hits = x.enterAt <= x.leaveAt;
    return x;
}

CharacteristicResult window(const TriggeredCurve &c, const WindowBox &box)
{
    CharacteristicResult r;
    bool inside = false;
    for (int i = 0; i + 1 < c.count; ++i) {
        const Crossing x =
            crossBox(box, c.time(i), c.forces[i], c.time(i + 1), c.forces[i + 1]);
        if (!x.hits)
            continue;
        if (!inside) {
            inside = true;
            r.entered = x.entered;
            r.atTime = c.time(i) + x.enterAt * c.step;
            r.atForce = c.forces[i] + x.enterAt * (c.forces[i + 1] - c.forces[i]);
        }
        if (x.left != BoxSide::None) {
            r.left = x.left;
            break;
        }
    }
    r.found = inside;
    r.value = inside && r.entered == box.entry && r.left == box.exit ? 1.0 : 0.0;
    return r;
}

CharacteristicResult envelope(const TriggeredCurve &c, const EnvelopeBand &band)
{
    if (band.isEmpty() || c.count == 0)
        return notFound();
    const int last = band.lower.size() - 1;
    const double perSample = c.step / band.step; // grid points a sample on
    const double *lower = band.lower.constData();
    const double *upper = band.upper.constData();
    if (perSample == 1.0) { // the band on the curve's own samples
        const int n = std::min(c.count, last + 1);
        for (int i = 0; i < n; ++i) {
            const double f = c.forces[size_t(i)];
            if (f < lower[i] || f > upper[i])
                return foundValue(0.0, c.time(i), f);
        }
        return foundValue(1.0);
    }
    double position = 0.0;
    for (int i = 0; i < c.count && position <= last + 1e-9; ++i, position = i * perSample) {
        const int g = std::min(int(position), last);
        const int next = std::min(g + 1, last);
        const double share = position - g;
        const double low = lower[g] + share * (lower[next] - lower[g]);
        const double high = upper[g] + share * (upper[next] - upper[g]);
        const double f = c.forces[size_t(i)];
        if (f < low || f > high)
            return foundValue(0.0, c.time(i), f);
    }
    return foundValue(1.0);
}

CharacteristicResult measure(const Characteristic &ch, const TriggeredCurve &c)
{
    if (!c.triggered)
        return notFound();
    const double end = c.time(c.count - 1);
    switch (ch.kind) {
    case CharacteristicKind::MaximumForce: {
        Characteristic all = ch;
        all.from = 0.0;
        all.to = end;
        return windowValue(c, all);
    }
    case CharacteristicKind::MeanForce: {
        Characteristic all = ch;
        all.from = 0.0;
        all.to = end;
        return windowValue(c, all);
    }
    case CharacteristicKind::Duration:
        return foundValue(c.count * c.step);
    case CharacteristicKind::ForceAtTime: {
        const std::optional<double> f = forceAt(c, ch.from);
        return f ? foundValue(*f, ch.from, *f) : notFound();
    }
    case CharacteristicKind::WindowMean:
    case CharacteristicKind::WindowMinimum:
    case CharacteristicKind::WindowMaximum:
        return windowValue(c, ch);
    case CharacteristicKind::FirstPeak:
        return firstPeak(c, ch);
    case CharacteristicKind::BreakForce:
    case CharacteristicKind::BreakTime: {
        const std::optional<int> at = breakSample(c, ch);
        if (!at)
            return notFound();
        const double value =
            ch.kind == CharacteristicKind::BreakForce ? double(c.forces[*at]) : c.time(*at);
        return foundValue(value, c.time(*at), c.forces[*at]);
    }
    case CharacteristicKind::TimeToForce: {
        const std::optional<double> t = risingThrough(c, ch.force);
        return t ? foundValue(*t, *t, ch.force) : notFound();
    }
    case CharacteristicKind::TimeAboveForce: {
        int above = 0;
        for (int i = 0; i < c.count; ++i)
            above += double(c.forces[i]) >= ch.force ? 1 : 0;
        return foundValue(above * c.step);
    }
    case CharacteristicKind::Work:
        return work(c, ch);
    case CharacteristicKind::Window:
        return window(c, ch.box);
    case CharacteristicKind::Envelope:
        return envelope(c, ch.band);
    }
    return notFound();
}

} // namespace

QString Characteristic::unit() const
{
    switch (kind) {
    case CharacteristicKind::Duration:
    case CharacteristicKind::BreakTime:
    case CharacteristicKind::TimeToForce:
    case CharacteristicKind::TimeAboveForce:
        return QStringLiteral("s");
    case CharacteristicKind::Work:
        return QStringLiteral("N·s");
    case CharacteristicKind::Window:
    case CharacteristicKind::Envelope:
        return QString();
    default:
        return QStringLiteral("N");
    }
}

bool Characteristic::isPassFail() const
{
    return kind == CharacteristicKind::Window || kind == CharacteristicKind::Envelope;
}

TriggeredCurve TriggeredCurve::of(const Measurement &m, double triggerForce)
{
    TriggeredCurve c;
    c.step = sampleInterval(m);
    const int held = std::min(m.forces.size(), int(std::min<quint32>(m.sampleCount, INT32_MAX)));
    int first = 0;
    while (first < held && !(double(m.forces.at(first)) >= triggerForce))
        ++first;
    c.triggered = first < held;
    c.first = first;
    // Sized once and copied in one pass: a million samples are 4 MB.
    c.forces.assign(m.forces.cbegin() + first, m.forces.cbegin() + std::max(first, held));
    c.count = held - first;
    return c;
}

CharacteristicResult evaluateCharacteristic(const Characteristic &c, const TriggeredCurve &curve)
{
    CharacteristicResult r = measure(c, curve);
    if (c.isPassFail()) {
        r.judged = true;
        r.pass = r.found && r.value == 1.0;
        return r;
    }
    r.judged = c.lower.has_value() || c.upper.has_value();
    r.pass = r.found && (!c.lower || r.value >= *c.lower) && (!c.upper || r.value <= *c.upper);
    return r;
}

EnvelopeBand learnEnvelope(const QList<const Measurement *> &references, double triggerForce,
                           double k, double percent)
{
    EnvelopeBand band;
    QList<TriggeredCurve> curves;
    double span = std::numeric_limits<double>::infinity();
    for (const Measurement *m : references) {
        const TriggeredCurve c = TriggeredCurve::of(*m, triggerForce);
        if (!c.triggered || c.count < 2)
            continue;
        curves.append(c);
        span = std::min(span, c.time(c.count - 1));
    }
    if (curves.isEmpty())
        return band;
    band.step = curves.first().step;
    const int points = int(std::floor(span / band.step + 1e-9)) + 1;
    for (int g = 0; g < points; ++g) {
        double sum = 0.0, squares = 0.0;
        for (const TriggeredCurve &c : qAsConst(curves)) {
            const double f = forceAt(c, std::min(g * band.step, span)).value_or(0.0);
            sum += f;
            squares += f * f;
        }
        const double n = curves.size();
        const double mean = sum / n;
        const double sd = n > 1 ? std::sqrt(std::max(0.0, (squares - n * mean * mean) / (n - 1))) : 0.0;
        const double half = percent > 0.0 ? std::abs(mean) * percent / 100.0 : k * sd;
        band.lower.append(mean - half);
        band.upper.append(mean + half);
    }
    return band;
}
