#pragma once

#include "measurement/controlchart.h"
#include "measurement/measurementset.h"
#include "measurement/seriesquantity.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// Statistics of a set of measurements: the spread of the maximum force, the
// mean force and the duration, and, against limits of the maximum force,
// pass/fail per measurement, the process performance Pp/Ppk (ISO 22514-2:
// from the overall standard deviation) and the process capability Cp/Cpk
// (from the within standard deviation, in time order).

// Below this many measurements Pp, Ppk, Cp and Cpk are only a rough guide.
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
    LeftOut, // a value of the measurement is no number
    NotFound, // the characteristic is not on the curve: left out of its statistics
};

// Pass when the value lies within the limits that are set (limits included).
Verdict verdictFor(double value, const ForceLimits &limits);

// Cp/Cpk or, of the overall spread, Pp/Ppk.
struct Capability
{
    std::optional<double> cp;  // both limits and a spread
    std::optional<double> cpk; // at least one limit and a spread
};

// (USL - LSL) / 6 sigma and the nearer limit's distance / 3 sigma; unset
// where a limit is missing or sigma is not positive (no spread to divide by).
Capability capabilityOf(double mean, double sigma, const ForceLimits &limits);
// Pp/Ppk of a summary: its mean and overall standard deviation.
Capability capabilityOf(const Summary &summary, const ForceLimits &limits);

// One measurement's values in the set's unit.
double quantityValue(const Measurement &m, Quantity quantity, double factor);
// The decimals a quantity's values are shown with.
int quantityDecimals(Quantity quantity);
// The decimals of a quantity's spread (s, σ) and of what is drawn from it
// (control limits, centre lines) and of the limits typed in: one more.
int spreadDecimals(Quantity quantity);
// The records of a set that hold only numbers, oldest first (records of the
// same time keep their order).
QList<const Measurement *> timeOrdered(const MeasurementSet &set);
// The records of a set left out of its statistics, chart and DFQ file: a
// value of theirs is no number.
int leftOutCount(const MeasurementSet &set);
// A quantity of each record of the set, oldest first.
QVector<double> timeOrderedValues(const MeasurementSet &set, Quantity quantity);

// How Cp/Cpk estimate the within standard deviation: the chart type (moving
// ranges of individual values, or subgroups of 2..10 by s̄/c4 or R̄/d2).
struct WithinSpread
{
    ChartType chart = ChartType::IndividualsMovingRange;
    int subgroupSize = 1;

    WithinEstimate estimate() const { return withinEstimateOf(chart); }
};

// The statistics of one quantity: its spread, Pp/Ppk from the overall s,
// Cp/Cpk from the within estimate, each record's verdict against the
// quantity's limits. A pass and fail characteristic has only its count and
// verdicts.
struct QuantityStatistics
{
    SeriesQuantity quantity;
    Summary summary;
    Capability performance;
    Capability capability;
    std::optional<double> sigmaWithin;
    QVector<Verdict> verdicts; // per record, in set order
    QuantityValues values;     // per record, in set order
    int notFound = 0;          // records the characteristic was not found on
};

QuantityStatistics quantityStatistics(const MeasurementSet &set, const SeriesQuantity &quantity,
                                      const QuantityValues &values, const WithinSpread &within);
// The records judged against the limits and those beyond them.
int judgedCount(const QVector<Verdict> &verdicts);
int failedCount(const QVector<Verdict> &verdicts);

struct SeriesStatistics
{
    ForceLimits limits;
    Summary maximumForce;
    Summary meanForce;
    Summary duration;
    // Of the maximum force: Pp/Ppk from its overall s, Cp/Cpk from the
    // within estimate `within` (sigmaWithin).
    Capability performance;
    Capability capability;
    WithinSpread within;
    std::optional<double> sigmaWithin;
    QVector<Verdict> verdicts; // per record, in set order
    int leftOut = 0;           // records with a value that is no number
    // Each characteristic of the set's plan, in plan order.
    QVector<QuantityStatistics> characteristics;

    const Summary &summary(Quantity quantity) const;
    // Capability from fewer measurements than kCapabilityMinimumCount.
    bool fewForCapability() const;
};

// The characteristics of the set's plan that record `k` failed (judged and
// not passed, found or not), in plan order: none means the plan's i.O. Read
// from the statistics, which judged each curve once.
QStringList failedCharacteristics(const SeriesStatistics &statistics, int k);

// Cpk against the thresholds of the settings.
enum class CapabilityVerdict
{
    Unknown, // no Cpk (no limit, no spread)
    NotCapable,
    Capable,
    WellCapable,
};
CapabilityVerdict capabilityVerdict(const std::optional<double> &cpk,
                                    const CapabilityThresholds &thresholds);
// The records judged against the limits and those beyond them.
int judgedCount(const SeriesStatistics &statistics);
int failedCount(const SeriesStatistics &statistics);

// The statistics of the set against its limits, and of its plan's characteristics.
SeriesStatistics computeSeriesStatistics(const MeasurementSet &set,
                                         const WithinSpread &within = WithinSpread());

// The texts of the statistics, shared by the window, the report and the
// workbook (translation context "SeriesStatistics").
namespace StatisticsText {
QString title();
// "Maximalkraft / N"; the duration in seconds whatever the unit.
QString quantity(Quantity quantity, const QString &unitText);
QString quantityName(Quantity quantity);
// Column titles: n, mean, standard deviation, CV %, minimum, maximum, range,
// Pp, Ppk, Cp, Cpk.
QStringList columns();
// The same as short symbols for narrow tables: n, x̄, s, CV %, Min, Max, R,
// Pp, Ppk, Cp, Cpk.
QStringList shortColumns();
QString verdict(Verdict verdict);
// A measurement judged by a plan: "i.O.", or "n.i.O.: Bruch, Fenster" with
// the characteristics it failed.
QString planVerdict(const QStringList &failed);
// "Cpk 0.30: nicht fähig (fähig ab 1.33)".
QString capabilityVerdict(const std::optional<double> &cpk, const CapabilityThresholds &thresholds);
// "7 von 30 n.i.O."
QString failedCount(int failed, int judged);
// The capability verdict and the count beyond the limits, each left out when
// there is nothing to say.
QStringList verdictLines(const SeriesStatistics &statistics, const CapabilityThresholds &thresholds);
// The limit a maximum force crossed, "2612.3 N > OGW 2500.00 N"; empty
// within the limits or without them.
QString crossedLimit(double value, const ForceLimits &limits, const QString &unitText,
                     int decimals = 1);
// One measurement's maximum force against the limits: "i.O.", or "n.i.O.:"
// with the limit crossed; empty without limits.
QString singleVerdict(double value, const ForceLimits &limits, const QString &unitText);
QString lowerLimit();
QString upperLimit();
QString measurement();
QString result();
QString fewMeasurementsNote();
// "2 Messungen ausgelassen: ein Wert ist keine Zahl."; empty for none.
QString leftOutNote(int count);
// A characteristic's limits, verdicts and capability on one line:
// "Abzug / N: UGW 10.00 N, OGW 20.00 N; 2 von 10 n.i.O.; Cpk …; 1 Messung ohne Wert."
QString characteristicNote(const QuantityStatistics &statistics,
                           const CapabilityThresholds &thresholds);
// "3 Messungen ohne Wert für Abzug: nicht auf der Kurve gefunden."; empty for none.
QString notFoundNote(int count, const QString &name);
QString noLimitsNote(const QString &unitText);
// The settings' limits for the unit are crossed and not used.
QString crossedLimitsNote(const QString &unitText, const ForceLimits &crossed);
// Which spread each index is taken from, e.g. "σ = MR̄/d2".
QString estimateNote(const WithinSpread &within);
// The estimate as a formula: "MR̄/d2", "s̄/c4 (n = 5)", "R̄/d2 (n = 5)".
QString estimateFormula(const WithinSpread &within);
} // namespace StatisticsText

// A statistic as shown: fixed decimals, "." as decimal point; "-" when unset.
QString formatStatistic(const std::optional<double> &value, int decimals);
