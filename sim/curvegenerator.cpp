#include "sim/curvegenerator.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace {

const double kSampleRates[] = {50.0, 100.0, 200.0, 500.0, 1000.0};
const QDateTime kEarliestMeasurement(QDate(2016, 1, 1), QTime(0, 0), Qt::UTC);
constexpr qint64 kMeasurementSpanSeconds = 7LL * 365 * 24 * 3600;

qint32 clampToRange(double value, qint32 low, qint32 high)
{
    return qint32(std::clamp(std::lround(value), long(low), long(high)));
}

double uniform(QRandomGenerator &random, double low, double high)
{
    return low + random.bounded(high - low);
}

bool isMonotonic(const QVector<QDateTime> &times)
{
    const bool rising = std::is_sorted(times.cbegin(), times.cend());
    const bool falling = std::is_sorted(times.cbegin(), times.cend(), std::greater<QDateTime>());
    return rising || falling;
}

// Random, distinct date-times whose order is not the slot order.
QVector<QDateTime> measurementTimes(QRandomGenerator &random, int count)
{
    QVector<QDateTime> times;
    for (int i = 0; i < count; ++i) {
        QDateTime time =
            kEarliestMeasurement.addSecs(qint64(random.bounded(double(kMeasurementSpanSeconds))));
        while (times.contains(time))
            time = time.addSecs(60);
        times.append(time);
    }
    if (count == 2 && times[0] > times[1])
        std::swap(times[0], times[1]);
    if (count >= 3 && isMonotonic(times))
        std::swap(times[0], times[1]);
    return times;
}

SimMeasurement generateMeasurement(QRandomGenerator &random, int samples, const QDateTime &time)
{
    SimMeasurement measurement;
    measurement.sampleRate = kSampleRates[random.bounded(int(std::size(kSampleRates)))];
    const int count = samples > 0 ? samples : 150 + random.bounded(2851);
    const qint32 peak = 20000 + qint32(random.bounded(2480000));
    measurement.milliNewtons = generateCurve(random.generate(), count, peak);
    measurement.dateText = time.toString(QStringLiteral("dd;MM;yyyy")).toLatin1();
    measurement.timeText = time.toString(QStringLiteral("HH;mm;ss")).toLatin1();
    return measurement;
}

} // namespace

QVector<qint32> generateCurve(quint32 seed, int samples, qint32 peakMilliNewtons)
{
    QRandomGenerator random(seed);
    QVector<qint32> curve(samples);
    if (samples <= 0)
        return curve;
    const int preload = samples / 20;
    const int peakIndex =
        std::clamp(int(samples * uniform(random, 0.55, 0.85)), preload, samples - 1);
    const double exponent = uniform(random, 1.2, 1.8);
    const double noise = peakMilliNewtons * 0.004;
    const double residual = peakMilliNewtons * uniform(random, 0.01, 0.05);
    const int breakSamples = 2 + random.bounded(4);

    for (int i = 0; i < samples; ++i) {
        const double jitter = uniform(random, -noise, noise);
        double value;
        if (i < preload) {
            value = peakMilliNewtons * 0.01 + jitter;
        } else if (i < peakIndex) {
            const double x = double(i - preload + 1) / double(peakIndex - preload + 1);
            value = std::min(peakMilliNewtons * std::pow(x, exponent) + jitter,
                             double(peakMilliNewtons) - 1.0);
        } else if (i == peakIndex) {
            value = peakMilliNewtons;
        } else if (i - peakIndex <= breakSamples) {
            const double fall = double(i - peakIndex) / double(breakSamples);
            value = peakMilliNewtons + (residual - peakMilliNewtons) * fall;
        } else {
            value = residual * 0.98 + jitter * 0.25;
        }
        curve[i] = clampToRange(value, 0, peakMilliNewtons);
    }
    return curve;
}

GaugeMemory generateMemory(const GenerateOptions &options)
{
    QRandomGenerator random(options.seed);
    GaugeMemory memory;
    const QVector<QDateTime> times = measurementTimes(random, options.slotNumbers.size());
    for (int i = 0; i < options.slotNumbers.size(); ++i) {
        const int number = options.slotNumbers[i];
        if (GaugeMemory::isSlotNumber(number))
            memory.slot(number) = generateMeasurement(random, options.samples, times[i]);
    }
    return memory;
}
