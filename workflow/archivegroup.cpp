#include "workflow/archivegroup.h"

#include "archive/measurementarchive.h"

QList<qint64> archiveGroupIds(MeasurementArchive &archive, const ArchiveFilter &filter,
                              ArchiveStatus *status)
{
    QList<qint64> ids;
    for (const ArchiveEntry &entry : archive.entries(filter, status))
        ids.append(entry.id);
    return ids;
}

bool loadArchiveRecords(MeasurementArchive &archive, const QList<qint64> &ids, DeviceData &into,
                        ArchiveStatus *status)
{
    into.clear();
    QList<QByteArray> serials;
    for (qint64 id : ids) {
        ArchiveStatus loaded;
        std::optional<ArchivedMeasurement> kept = archive.load(id, &loaded);
        if (!kept) {
            if (status)
                *status = loaded;
            into.clear();
            return false;
        }
        if (into.records.isEmpty()) {
            into.swVersion = kept->device.swVersion;
            into.forceUnit = kept->device.forceUnit;
        }
        if (!serials.contains(kept->device.serialNr))
            serials.append(kept->device.serialNr);
        into.records.append(new Measurement(kept->measurement));
    }
    into.serialNr = serials.join(", ");
    into.updateForceUnit();
    return true;
}
