#pragma once

#include "archive/archivetypes.h"

#include <QList>
#include <Qt>

class QModelIndex;
class QStandardItem;

// Item data roles of the archive's rows in the tree. Archive rows hold
// MeasurementNumberRole -1, so no command meant for the gauge takes them for a
// slot on it.
constexpr int ArchiveIdRole = Qt::UserRole + 2;  // the archived measurement's id; 0 for groups
constexpr int ArchiveRowRole = Qt::UserRole + 3; // an ArchiveRow value

enum class ArchiveRow
{
    Root = 1,   // "Archiv"
    Serial = 2, // one gauge
    Day = 3,    // one day of that gauge
    Measurement = 4,
};

// The "Archiv" row with the entries under it: by serial number, then by day,
// newest first, in the order the archive lists them.
QStandardItem *newArchiveTree(const QList<ArchiveEntry> &entries);

// The text of a measurement's row: "#slot - time", then the designation.
QString archiveEntryText(const ArchiveEntry &entry);

// Whether the row belongs to the archive's part of the tree.
bool isArchiveRow(const QModelIndex &index);
ArchiveRow archiveRowKind(const QModelIndex &index);
// The ids of the archived measurements at or below the row, top down.
QList<qint64> archiveIdsAt(const QModelIndex &index);
