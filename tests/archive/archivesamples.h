#pragma once

#include "measurement/measurement.h"

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

// Measurements for the archive tests: complete records with samples whose
// bits matter (negative zero, the smallest and largest floats, odd decimals).
inline std::unique_ptr<Measurement> sampleRecord(int slot, const char *date, const char *time,
                                                 int count = 5, float offset = 0.0f)
{
    auto m = std::make_unique<Measurement>(slot);
    m->dateText = date;
    m->timeText = time;
    m->sampleRate = 250.0f;
    const float special[] = {-0.0f, std::numeric_limits<float>::denorm_min(),
                             std::numeric_limits<float>::max(), 0.1f, -123.456f};
    for (int j = 0; j < count; ++j)
        m->forces.append(j < 5 ? (offset == 0.0f ? special[j] : special[j] + offset)
                               : float(j) * 0.013f + offset);
    m->sampleCount = uint32_t(count);
    m->forceStart = 1.5f + offset;
    m->forceEnd = 2.25f;
    m->forceMax = 99.125f;
    m->forceAvg = 33.3f;
    return m;
}

inline QList<Measurement *> pointers(const std::vector<std::unique_ptr<Measurement>> &records)
{
    QList<Measurement *> list;
    for (const auto &m : records)
        list.append(m.get());
    return list;
}
