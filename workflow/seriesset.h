#pragma once

#include "measurement/devicedata.h"
#include "measurement/measurementset.h"

class StatusIni;

// The limits of the maximum force set for a unit (empty when none).
ForceLimits forceLimitsFor(const StatusIni &status, const QString &unitText);

// A set of the gauge's (or an archive group's) identity, unit and limits
// (crossed ones kept apart, unused); the records are added by the caller.
MeasurementSet measurementSetOf(const DeviceData &data, const StatusIni &status);
