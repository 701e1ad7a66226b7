#include "workflow/seriesset.h"

#include "measurement/seriesstatistics.h"
#include "settings/statusini.h"

#include <utility>

ForceLimits forceLimitsFor(const StatusIni &status, const QString &unitText)
{
    const ForceLimitTexts texts = status.forceLimits.value(unitText.toLatin1());
    return ForceLimits{parseLimit(texts.lower), parseLimit(texts.upper)};
}

MeasurementSet measurementSetOf(const DeviceData &data, const StatusIni &status)
{
    MeasurementSet set;
    set.label = QString::fromLatin1(kDeviceName);
    set.serialNr = QString::fromLatin1(data.serialNr);
    set.unitText = data.forceUnitText;
    set.factor = data.forceUnitFactor;
    set.calibration = data.calibration;
    set.limits = forceLimitsFor(status, set.unitText);
    if (set.limits.isCrossed())
        std::swap(set.limits, set.crossedLimits);
    set.thresholds = CapabilityThresholds{status.capableCpk, status.wellCapableCpk};
    return set;
}
