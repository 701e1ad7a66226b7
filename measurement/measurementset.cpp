#include "measurement/measurementset.h"

#include <algorithm>

QList<const Measurement *> constRecords(const QList<Measurement *> &records)
{
    QList<const Measurement *> result;
    result.reserve(records.size());
    for (const Measurement *m : records)
        result.append(m);
    return result;
}

QString measurementLegendText(const Measurement &m)
{
    return QLatin1Char('#') + QString::number(m.number) + QLatin1Char(' ') +
           formatMeasurementDate(m.dateText) + QLatin1Char(' ') + formatMeasurementTime(m.timeText);
}

int heldSampleCount(const Measurement &m)
{
    return int(std::min<uint64_t>(m.sampleCount, uint64_t(m.forces.size())));
}

double sampleInterval(const Measurement &m)
{
    return m.sampleRate > 0 ? 1.0 / double(m.sampleRate) : 1.0;
}
