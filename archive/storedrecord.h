#pragma once

#include "archive/archivetypes.h"

#include <QString>

// One record on its way into an archive, with everything its row keeps.
struct StoredRecord
{
    ArchiveDevice device;
    const Measurement *measurement = nullptr;
    QString downloadedAt; // ISO 8601, UTC, with milliseconds
    QString source;
    QString station;
    QString designation;
};

// An archived record stored again (uploaded, or read back from a damaged
// file), as it was kept; it refers to `kept`.
inline StoredRecord storedRecordOf(const ArchivedMeasurement &kept)
{
    return StoredRecord{kept.device, &kept.measurement,
                        kept.downloadedAt.toUTC().toString(Qt::ISODateWithMs), kept.source,
                        kept.station, kept.designation};
}


// The statements that write records, prepared once per transaction.
struct RowStatements;
