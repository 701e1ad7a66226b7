#pragma once

#include "archive/gaugestudystore.h"
#include "measurement/measurementset.h"

#include <QHash>
#include <optional>

class MeasurementArchive;

// What a person gives for a type-1 study: the standard's reference value, the
// tolerance of the characteristic or its two limits, the gauge's resolution.
struct Type1Characteristic
{
    double reference = 0.0;
    std::optional<double> tolerance;
    std::optional<double> lower;
    std::optional<double> upper;
    double resolution = 0.0;

    // A reference and a tolerance, given or from both limits.
    bool isComplete() const { return tolerance || (lower && upper); }
};

// The record the archive keeps of a type-1 study of a set's maximum forces,
// for the window and the command line alike: the gauge, the unit, the values
// in time order and the archive's ids of their measurements in the same
// order. An id comes from `knownIds` (an archive group's), else from the
// archive's copy of the measurement as received; 0 for one it does not hold
// (or without an archive). The characteristic is set with
// setType1Characteristic.
GaugeStudyRecord type1StudyOf(const MeasurementSet &set, MeasurementArchive *archive,
                              const QHash<const Measurement *, qint64> &knownIds = {});

// The study's reference, tolerance (given, else upper - lower limit),
// resolution and the minimum Cg and Cgk must reach; `characteristic` must be
// complete.
void setType1Characteristic(GaugeStudyRecord &study, const Type1Characteristic &characteristic,
                            double minimum);
