#pragma once

#include "measurement/measurementset.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

// Statistics of a set of measurements: the spread of the maximum force, the
// mean force and the duration, and, against limits of the maximum force,
// pass/fail per measurement and the process capability Cp/Cpk.

// Below this many measurements Cp and Cpk are only a rough guide.
constexpr int kCapabilityMinimumCount = 30;

// A limit as typed or stored: "." or "," as decimal point; empty or no number = unset.
std::optional<double> parseLimit(const QByteArray &text);
// A limit as stored: "." as decimal point, as many digits as needed; empty when unset.
QByteArray limitText(const std::optional<double> &limit);

// n, mean, sample standard deviation (n - 1), coefficient of variation in
// percent, minimum, maximum and range of some values. What a set too small
// (or a mean of 0) leaves undefined is unset.
struct Summary
{
    int count = 0;
    std::optional<double> mean;
    std::optional<double> standardDeviation;
    std::optional<double> variationPercent;
    std::optional<double> minimum;
    std::optional<double> maximum;
    std::optional<double> range;
};

Summary summarize(const QVector<double> &values);

enum class Verdict
{
    NoLimits,
    Pass,
    Fail,
};

// Pass when the value lies within the limits that are set (limits included).
Verdict verdictFor(double value, const ForceLimits &limits);

struct Capability
{
    std::optional<double> cp;  // both limits and a spread
    std::optional<double> cpk; // at least one limit and a spread
};

Capability capabilityOf(const Summary &summary, const ForceLimits &limits);

// The quantities the statistics are taken of, in table order.
enum class Quantity
{
    MaximumForce,
    MeanForce,
    Duration,
};
constexpr Quantity kQuantities[] = {Quantity::MaximumForce, Quantity::MeanForce,
                                    Quantity::Duration};

// One measurement's values in the set's unit.
double quantityValue(const Measurement &m, Quantity quantity, double factor);
// The decimals a quantity's values are shown with.
int quantityDecimals(Quantity quantity);

struct SeriesStatistics
{
    ForceLimits limits;
    Summary maximumForce;
    Summary meanForce;
    Summary duration;
    Capability capability;     // of the maximum force
    QVector<Verdict> verdicts; // per record, in set order

    const Summary &summary(Quantity quantity) const;
    // Cp/Cpk from fewer measurements than kCapabilityMinimumCount.
    bool fewForCapability() const;
};

// The statistics of the set against its limits.
SeriesStatistics computeSeriesStatistics(const MeasurementSet &set);

// The texts of the statistics, shared by the window, the report and the
// workbook (translation context "SeriesStatistics").
namespace StatisticsText {
QString title();
QString quantity(Quantity quantity, const QString &unitText);
// Column titles: n, mean, standard deviation, CV %, minimum, maximum, range, Cp, Cpk.
QStringList columns();
// The same as short symbols for narrow tables: n, x̄, s, CV %, Min, Max, R, Cp, Cpk.
QStringList shortColumns();
QString verdict(Verdict verdict);
QString lowerLimit();
QString upperLimit();
QString measurement();
QString result();
QString fewMeasurementsNote();
QString noLimitsNote(const QString &unitText);
} // namespace StatisticsText

// A statistic as shown: fixed decimals, "." as decimal point; "-" when unset.
QString formatStatistic(const std::optional<double> &value, int decimals);
