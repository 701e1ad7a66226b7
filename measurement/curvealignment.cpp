#include "measurement/curvealignment.h"

#include "measurement/measurementset.h"

namespace {

int indexOfMaximum(const Measurement &m, int count)
{
    int best = 0;
    for (int i = 1; i < count; ++i)
        if (m.forces.at(i) > m.forces.at(best))
            best = i;
    return best;
}

int indexOfStart(const Measurement &m, int count)
{
    const float maximum = m.forces.at(indexOfMaximum(m, count));
    if (maximum <= 0.0f)
        return 0;
    const double threshold = double(maximum) * kStartShareOfMaximum;
    for (int i = 0; i < count; ++i)
        if (double(m.forces.at(i)) >= threshold)
            return i;
    return 0;
}

} // namespace

double alignmentTime(const Measurement &m, CurveAlignment alignment)
{
    const int count = heldSampleCount(m);
    if (count == 0 || alignment == CurveAlignment::None)
        return 0.0;
    const int index =
        alignment == CurveAlignment::Maximum ? indexOfMaximum(m, count) : indexOfStart(m, count);
    return index * sampleInterval(m);
}
