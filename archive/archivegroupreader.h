#pragma once

#include "archive/archivetypes.h"

#include <QList>
#include <QString>
#include <vector>

// An archive group's records with their samples, read batch by batch on one
// Qt SQL connection (which belongs to the thread that opened it), so that a
// group of any size is never held whole. Ids are those of browsing: a
// spool's given negative.
class ArchiveGroupReader
{
public:
    // A batch of this many records holds some 2 MB of samples at 1,000
    // each, and stays within SQLite's older limit of 999 bound values.
    static constexpr int kBatchSize = 500;

    explicit ArchiveGroupReader(const ArchiveReadSource &source) : m_source(source) {}

    // The ids of every measurement the filter lets through, in the browsing
    // list's order (by serial number, then newest first).
    QList<qint64> matchingIds(const ArchiveFilter &filter, ArchiveStatus *status);
    // The records of `ids`, in that order, in one query. Empty, with the
    // failure in `status`, when one cannot be read; one no longer kept is
    // left out.
    std::vector<ArchivedMeasurement> load(const QList<qint64> &ids, ArchiveStatus *status);

private:
    ArchiveReadSource m_source;
};
