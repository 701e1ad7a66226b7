#pragma once

#include "archive/archivetypes.h"

#include <QSet>
#include <QString>
#include <vector>

// What could still be read from a damaged archive file, before it is moved
// aside: SQLite reads most pages of a damaged file, and a file whose first
// bytes were overwritten reads again once its header's signature is back.
struct SalvagedArchive
{
    std::vector<ArchivedMeasurement> records; // in the order they were kept
    QSet<qint64> waiting;                     // ids of those that waited for a server
    // How many records waited for a server; -1 when the queue did not read.
    int waitingBefore = -1;
};

// Reads a copy of the file (and its WAL), never the file itself.
SalvagedArchive salvageArchive(const QString &path);
