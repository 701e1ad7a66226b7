#include "workflow/studyrecord.h"

#include "archive/measurementarchive.h"
#include "measurement/seriesstatistics.h"

GaugeStudyRecord type1StudyOf(const MeasurementSet &set, MeasurementArchive *archive,
                              const QHash<const Measurement *, qint64> &knownIds)
{
    GaugeStudyRecord study;
    study.serialNr = set.serialNr.toLatin1();
    study.unit = set.unitText;
    study.input.values = timeOrderedValues(set, Quantity::MaximumForce);
    for (const Measurement *m : timeOrdered(set)) {
        if (knownIds.contains(m))
            study.measurementIds << knownIds.value(m);
        else
            study.measurementIds << (archive ? archive->idAsReceived(study.serialNr, *m).value_or(0)
                                             : 0);
    }
    return study;
}

void setType1Characteristic(GaugeStudyRecord &study, const Type1Characteristic &characteristic,
                            double minimum)
{
    study.input.reference = characteristic.reference;
    study.input.tolerance = characteristic.tolerance
                                ? *characteristic.tolerance
                                : characteristic.upper.value_or(0.0) - characteristic.lower.value_or(0.0);
    study.input.resolution = characteristic.resolution;
    study.input.minimum = minimum;
}
