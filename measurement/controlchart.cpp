#include "measurement/controlchart.h"

#include "measurement/spcconstants.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Moving ranges are ranges of two consecutive values.
constexpr int kMovingRangeSpan = 2;

double meanOf(const QVector<double> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / values.size();
}

double sampleStdDev(const double *first, int n)
{
    const double mean = std::accumulate(first, first + n, 0.0) / n;
    double squares = 0.0;
    for (int i = 0; i < n; ++i)
        squares += (first[i] - mean) * (first[i] - mean);
    return std::sqrt(squares / (n - 1));
}

double rangeOf(const double *first, int n)
{
    const auto [low, high] = std::minmax_element(first, first + n);
    return *high - *low;
}

// Location and dispersion points, without limits.
ControlChart points(const QVector<double> &values, ChartType type, int subgroupSize)
{
    ControlChart chart;
    chart.type = type;
    chart.subgroupSize = subgroupSize;
    if (type == ChartType::IndividualsMovingRange) {
        chart.location = values;
        for (int k = 1; k < values.size(); ++k)
            chart.dispersion.append(std::fabs(values.at(k) - values.at(k - 1)));
        chart.dispersionOffset = 1;
        return chart;
    }
    for (int first = 0; first + subgroupSize <= values.size(); first += subgroupSize) {
        const double *group = values.constData() + first;
        chart.location.append(std::accumulate(group, group + subgroupSize, 0.0) / subgroupSize);
        chart.dispersion.append(type == ChartType::MeanStdDev ? sampleStdDev(group, subgroupSize)
                                                              : rangeOf(group, subgroupSize));
    }
    return chart;
}

ChartLimits limitsFrom(const ControlChart &chart, const ControlConstants &k)
{
    const double centre = meanOf(chart.location);
    const double spread = meanOf(chart.dispersion); // MR̄, s̄ or R̄
    ChartLimits limits;
    limits.location.centre = centre;
    limits.dispersion.centre = spread;
    double halfWidth = 0.0;
    switch (chart.type) {
    case ChartType::IndividualsMovingRange:
        halfWidth = 3.0 * spread / k.d2;
        limits.dispersion.lower = k.d3 * spread;
        limits.dispersion.upper = k.d4 * spread;
        break;
    case ChartType::MeanStdDev:
        halfWidth = k.a3 * spread;
        limits.dispersion.lower = k.b3 * spread;
        limits.dispersion.upper = k.b4 * spread;
        break;
    case ChartType::MeanRange:
        halfWidth = k.a2 * spread;
        limits.dispersion.lower = k.d3 * spread;
        limits.dispersion.upper = k.d4 * spread;
        break;
    }
    limits.location.lower = centre - halfWidth;
    limits.location.upper = centre + halfWidth;
    return limits;
}

int constantsSize(ChartType type, int subgroupSize)
{
    return type == ChartType::IndividualsMovingRange ? kMovingRangeSpan : subgroupSize;
}

} // namespace

WithinEstimate withinEstimateOf(ChartType type)
{
    switch (type) {
    case ChartType::MeanStdDev:
        return WithinEstimate::SubgroupStdDev;
    case ChartType::MeanRange:
        return WithinEstimate::SubgroupRange;
    case ChartType::IndividualsMovingRange:
        break;
    }
    return WithinEstimate::MovingRange;
}

std::optional<ControlChart> controlChart(const QVector<double> &values, ChartType type,
                                         int subgroupSize, const std::optional<ChartLimits> &fixed)
{
    if (type == ChartType::IndividualsMovingRange)
        subgroupSize = 1;
    const std::optional<ControlConstants> k =
        controlConstants(constantsSize(type, subgroupSize));
    if (!k)
        return std::nullopt;
    ControlChart chart = points(values, type, subgroupSize);
    if (chart.location.size() < 2)
        return std::nullopt;
    const ChartLimits computed = limitsFrom(chart, *k);
    const double spread = computed.dispersion.centre;
    chart.sigmaWithin = spread / (type == ChartType::MeanStdDev ? k->c4 : k->d2);
    chart.limits = fixed.value_or(computed);
    chart.fixedLimits = fixed.has_value();
    return chart;
}

std::optional<double> withinSigma(const QVector<double> &values, ChartType type, int subgroupSize)
{
    const std::optional<ControlChart> chart = controlChart(values, type, subgroupSize);
    return chart ? chart->sigmaWithin : std::nullopt;
}
