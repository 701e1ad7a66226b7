#pragma once

#include "measurement/gaugecalibration.h"
#include "measurement/measurement.h"
#include "measurement/testplan.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

// Lower and upper limit of the maximum force in a set's unit; either may be unset.
struct ForceLimits
{
    std::optional<double> lower;
    std::optional<double> upper;

    bool isEmpty() const { return !lower && !upper; }
    // A lower limit at or above the upper one judges nothing: never used.
    bool isCrossed() const { return lower && upper && *lower >= *upper; }
};

// The Cpk from which a process counts as capable and as well capable.
struct CapabilityThresholds
{
    double capable = 1.33;
    double wellCapable = 1.67;
};

// Measurements looked at together (the overlay, the statistics, the exports),
// whatever tree row they came from: the records (not owned) with the unit they
// are shown in and a label naming where they come from.
struct MeasurementSet
{
    QString label;
    QString serialNr;
    QString unitText = QStringLiteral("N");
    double factor = 1.0;
    ForceLimits limits;
    // Crossed limits from the settings, named but not used.
    ForceLimits crossedLimits;
    CapabilityThresholds thresholds;
    QList<const Measurement *> records;
    // The gauge's calibration: records taken after its due date are marked.
    GaugeCalibration calibration;
    // The test plan the records are judged by: its characteristics are
    // quantities of the statistics, charts and files beside the built-in ones.
    std::shared_ptr<const TestPlan> plan;
};

// The same records, read-only.
QList<const Measurement *> constRecords(const QList<Measurement *> &records);

// A record's name in legends and tables: "#7 24.01.17 16:11".
QString measurementLegendText(const Measurement &m);

// The samples a record holds that count: below sampleCount and held.
int heldSampleCount(const Measurement &m);
// Seconds between two samples: 1 / rate, or 1 s when the rate is not positive.
double sampleInterval(const Measurement &m);
