#include "archive/archivelookup.h"

#include "archive/measurementarchive.h"

bool ArchiveLookup::fillKnownSamples(const QByteArray &serialNr, Measurement &measurement)
{
    const std::optional<qint64> id = m_archive.findQuick(QuickKey::of(serialNr, measurement));
    if (!id)
        return false;
    const std::optional<ArchivedMeasurement> kept = m_archive.load(*id);
    // A kept copy that cannot be read is no copy: the gauge sends the samples.
    if (!kept || uint32_t(kept->measurement.forces.size()) != measurement.sampleCount)
        return false;
    measurement.forces = kept->measurement.forces;
    ++m_filled;
    return true;
}
