#pragma once

#include "archive/archivebrowsing.h"

#include <QAtomicInt>
#include <QObject>

class QThread;

// What a search found: the gauges with matches and, when there are few
// enough to show at once, their days and measurements.
struct ArchiveSearchResult
{
    struct Day
    {
        QDate day;
        QList<ArchiveEntry> entries;
    };
    struct Gauge
    {
        ArchiveGauge gauge;
        QList<Day> days; // empty unless `complete`
    };

    int generation = 0;
    ArchiveFilter filter;
    ArchiveStatus status;
    QList<Gauge> gauges;
    bool complete = false; // every match is in `gauges`
};

Q_DECLARE_METATYPE(ArchiveSearchResult)

// Runs the archive's search on a thread of its own with its own connection
// to the archive, so the window never waits for it. Only the newest search
// counts: an older one still running is dropped at its next query, its
// result never reported.
class ArchiveSearch : public QObject
{
    Q_OBJECT

public:
    // Up to this many matches come with their days and measurements.
    static constexpr int kShownInFull = 500;

    explicit ArchiveSearch(QObject *parent = nullptr);
    ~ArchiveSearch() override;
    ArchiveSearch(const ArchiveSearch &) = delete;
    ArchiveSearch &operator=(const ArchiveSearch &) = delete;

    // Searches where the archive reads (MeasurementArchive::readSource());
    // returns the search's generation, which its result carries.
    int start(const ArchiveReadSource &source, const ArchiveFilter &filter);
    // Any search still running will not be reported.
    void cancel() { m_latest.fetchAndAddOrdered(1); }
    // The archive was opened again (perhaps a new file at the same path):
    // the next search makes a new connection.
    void reconnect();

    // The search itself, on the calling thread; `stillWanted` is asked
    // before each query.
    static ArchiveSearchResult search(ArchiveBrowsing &browsing, const ArchiveFilter &filter,
                                      const std::function<bool()> &stillWanted = {});

signals:
    void found(const ArchiveSearchResult &result);

private:
    // `database` names the connection's database, to tell another archive.
    void searchOnWorker(const ArchiveReadSource &source, const QString &database,
                        const ArchiveFilter &filter, int generation);
    void closeWorkerConnection();

    QThread *m_thread;
    QObject *m_worker;
    QAtomicInt m_latest;
    QString m_workerConnection; // used on the worker thread only
    QString m_clonedFrom;
};
