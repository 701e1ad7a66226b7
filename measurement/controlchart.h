#pragma once

#include <QVector>
#include <optional>

// Shewhart control charts (ISO 7870-2) of one characteristic, in time order:
// I-MR for individual values, X̄-s and X̄-R for consecutive subgroups of 2 to
// 10 values. The centre lines and limits come from the data, or are fixed
// from a reference period.

enum class ChartType
{
    IndividualsMovingRange, // I-MR
    MeanStdDev,             // X̄-s
    MeanRange,              // X̄-R
};

// How the within (short-term) standard deviation is estimated.
enum class WithinEstimate
{
    MovingRange,    // MR̄ / d2, moving ranges of two
    SubgroupStdDev, // s̄ / c4
    SubgroupRange,  // R̄ / d2
};

WithinEstimate withinEstimateOf(ChartType type);

// A chart's centre line and its lower and upper control limit.
struct ChartLine
{
    double centre = 0.0;
    double lower = 0.0;
    double upper = 0.0;
};

// The limits of both charts: the location chart (values or subgroup means)
// and the dispersion chart (moving ranges, subgroup s or R).
struct ChartLimits
{
    ChartLine location;
    ChartLine dispersion;
};

struct ControlChart
{
    ChartType type = ChartType::IndividualsMovingRange;
    int subgroupSize = 1; // 1 for I-MR
    QVector<double> location;
    // I-MR: the moving range of point k stands at k (point 0 has none);
    // subgroups: one value per subgroup, beside its mean.
    QVector<double> dispersion;
    int dispersionOffset = 0; // the location point of dispersion[0]
    ChartLimits limits;
    bool fixedLimits = false;
    // The within standard deviation of the data (not of a fixed reference);
    // unset when the data do not give one.
    std::optional<double> sigmaWithin;
};

// The chart of `values` (time order). Subgroups are consecutive; a last
// incomplete subgroup is left out. nullopt when the values give fewer than
// two points or a subgroup size is outside 2..10. With `fixed` the limits
// are those, otherwise computed from the values.
std::optional<ControlChart> controlChart(const QVector<double> &values, ChartType type,
                                         int subgroupSize,
                                         const std::optional<ChartLimits> &fixed = std::nullopt);

// The within standard deviation of `values` by the chart's estimate; unset
// when there are too few values for it.
std::optional<double> withinSigma(const QVector<double> &values, ChartType type,
                                  int subgroupSize);
