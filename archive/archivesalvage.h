#pragma once

#include "archive/archivetypes.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

// The rows of a table kept beside the measurements (calibration records,
// type-1 studies, test plans) as the damaged file held them: their id, their
// own columns, the station and the time received, in the order of their ids.
struct SalvagedRows
{
    QString table;
    QStringList columns;
    QList<QVariantList> rows;
};

// What could still be read from a damaged archive file, before it is moved
// aside: SQLite reads most pages of a damaged file, and a file whose first
// bytes were overwritten reads again once its header's signature is back.
struct SalvagedArchive
{
    std::vector<ArchivedMeasurement> records; // in the order they were kept
    QSet<qint64> waiting;                     // ids of those that waited for a server
    // How many records waited for a server; -1 when the queue did not read.
    int waitingBefore = -1;
    std::vector<SalvagedRows> keptRows;
};

// The column of a study's measurement ids among a salvaged table's columns;
// -1 in any other table.
int measurementIdsColumn(const SalvagedRows &rows);

// Reads a copy of the file (and its WAL), never the file itself.
SalvagedArchive salvageArchive(const QString &path);
