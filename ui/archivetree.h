#pragma once

#include "archive/archivebrowsing.h"
#include "ui/measurementtree.h"
#include "workflow/planevaluationjob.h"

#include <QList>
#include <Qt>

class QModelIndex;
class QStandardItem;
struct ArchiveSearchResult;

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
    Note = 5,    // says that a search found nothing
    Station = 6, // the measurements one station downloaded, by gauge
};

// The "Archiv" row and the rows under it: the gauges at once, a gauge's days
// and a day's measurements when they are expanded, each level one query of
// ArchiveBrowsing; by serial number, then by day, newest first. A search's
// result comes as far as it was found, the rest again on expanding.
class ArchiveRows : public LazyRows
{
public:
    // Where the rows are read: set before each new "Archiv" row
    // (MeasurementArchive::readSource()).
    ArchiveBrowsing &browsing() { return m_browsing; }
    // Station rows above the gauges (a search's result is by gauge anyway).
    void setGroupByStation(bool on) { m_byStation = on; }
    // The "Archiv" row with every gauge, folded.
    QStandardItem *newRoot();
    // The "Archiv" row of a search: what it found, or that nothing matched.
    QStandardItem *newRoot(const ArchiveSearchResult &result);

    bool canFetch(const QStandardItem *item) const override;
    void fetch(QStandardItem *item) override;
    // The ids of the archived measurements a gauge's, a day's or a
    // measurement's row stands for, top down (fetched or not).
    QList<qint64> idsAt(const QModelIndex &index);
    // The group a row heads (a measurement's row: its day), listed where and
    // when it is judged, on a connection of that thread; empty for rows that
    // stand for no measurements.
    GroupSelection groupAt(const QModelIndex &index) const;
    // The row of the archived measurement `id` of that gauge and day below
    // `item`, fetching the rows on its way; null when the rows do not show it.
    QStandardItem *find(QStandardItem *item, const QByteArray &serialNr, const QDate &day,
                        qint64 id);

private:
    // The filter of the rows under `item`: the search's, within its station.
    ArchiveFilter filterAt(const QStandardItem *item) const;
    QList<QStandardItem *> gaugeItems(const ArchiveFilter &filter);

    ArchiveBrowsing m_browsing;
    ArchiveFilter m_filter; // the one the rows shown were found with
    bool m_byStation = false;
};

// The text of a measurement's row: "#slot - time", then the designation.
QString archiveEntryText(const ArchiveEntry &entry);

// Whether the row belongs to the archive's part of the tree.
bool isArchiveRow(const QModelIndex &index);
ArchiveRow archiveRowKind(const QModelIndex &index);
// Whether the row stands for measurements: a gauge, a day or one measurement.
bool isArchiveGroupOrMeasurement(const QModelIndex &index);
