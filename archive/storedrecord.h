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

// The statements that write records, prepared once per transaction.
struct RowStatements;
