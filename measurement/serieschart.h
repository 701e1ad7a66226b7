#pragma once

#include "measurement/controlchart.h"
#include "measurement/runrules.h"
#include "measurement/seriesstatistics.h"

#include <QList>
#include <QString>
#include <optional>

// The control chart of a set: one quantity of its records in time order,
// the chart of the chosen type and the points that break the chosen rules,
// shared by the window's chart, the report, the workbook and the command
// line.

struct ChartSettings
{
    Quantity quantity = Quantity::MaximumForce;
    // A characteristic of the set's plan (its index) in place of `quantity`.
    int characteristic = -1;
    ChartType type = ChartType::IndividualsMovingRange;
    int subgroupSize = 5; // for X̄-s and X̄-R
    RuleSet ruleSet = RuleSet::Nelson;
    std::optional<ChartLimits> fixedLimits; // from a reference period

    // The subgroup size the chart uses: 1 for I-MR.
    int pointSize() const;
    // The spread Cp/Cpk are estimated with for this chart.
    WithinSpread withinSpread() const;
};

struct SeriesChart
{
    ChartSettings settings;
    SeriesQuantity quantity; // what is charted, with its unit and limits
    QString unitText; // of the quantity
    QList<const Measurement *> records; // oldest first
    QVector<double> values;             // the quantity of each record, oldest first
    std::optional<ControlChart> chart;  // unset: too few measurements
    QVector<RuleViolation> violations;
    int leftOut = 0; // records of the set with a value that is no number
    int notFound = 0; // records the characteristic was not found on (not charted)

    // Records after the last whole subgroup, not in the chart.
    int outsideSubgroups() const;
    // The records a point of a part stands for (one, or a subgroup).
    QList<const Measurement *> recordsOf(ChartPart part, int point) const;
    // "#3, #4" for those records.
    QString pointRecordsText(ChartPart part, int point) const;
    // A centre line, control limit or σ of this chart as shown: "." and the
    // quantity's decimals plus one.
    QString limitText(double value) const;
    // The violation's point as numbered on the chart's axis, from 1; a
    // point of the dispersion chart says so: "4 (Streuung)".
    QString pointText(const RuleViolation &violation) const;
};

// The quantity the settings choose: a built-in one, or the plan's characteristic.
SeriesQuantity chartQuantity(const MeasurementSet &set, const ChartSettings &settings);
// A pass and fail characteristic has no chart, only its count of n.i.O.
SeriesChart seriesChart(const MeasurementSet &set, const ChartSettings &settings);

// The texts of control charts (translation context "SeriesChart").
namespace ChartText {
QString title();
// "I-MR", "X̄-s", "X̄-R" and the names of their two charts.
QString typeName(ChartType type);
QString locationName(ChartType type);
QString dispersionName(ChartType type);
QString centreLine();
QString lowerControlLimit();
QString upperControlLimit();
// The lines' short labels on the charts: "M", "UEG", "OEG", "UGW", "OGW".
QString centreLineShort();
QString lowerControlLimitShort();
QString upperControlLimitShort();
QString lowerSpecLimitShort();
QString upperSpecLimitShort();
QString point();
QString rule();
QString records();
QString fixedLimits();
QString tooFewPoints();
QString noViolations();
// A pass and fail characteristic is counted, not charted.
QString passFailNotCharted();
// "2 Messungen nach der letzten ganzen Untergruppe sind nicht in der Karte."; empty for none.
QString outsideSubgroupsNote(int count);
} // namespace ChartText
