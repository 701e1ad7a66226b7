#include "archive/archivesearch.h"

#include <QSqlDatabase>
#include <QThread>

namespace {

QString workerConnectionName(const void *owner)
{
    return QStringLiteral("tspx-archive-search-%1").arg(quintptr(owner));
}

} // namespace

ArchiveSearch::ArchiveSearch(QObject *parent)
    : QObject(parent), m_thread(new QThread), m_worker(new QObject)
{
    m_thread->setObjectName(QStringLiteral("archive search"));
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

ArchiveSearch::~ArchiveSearch()
{
    cancel();
    QMetaObject::invokeMethod(
        m_worker, [this] { closeWorkerConnection(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
    delete m_thread;
}

int ArchiveSearch::start(const ArchiveReadSource &source, const ArchiveFilter &filter)
{
    const int generation = m_latest.fetchAndAddOrdered(1) + 1;
    // A connection is only looked into on its own thread.
    QSqlDatabase db = QSqlDatabase::database(source.connection, false);
    const QString database = source.connection + QLatin1Char('\n') + db.hostName() +
                             QLatin1Char('\n') + db.databaseName();
    QMetaObject::invokeMethod(
        m_worker,
        [this, source, database, filter, generation] {
            searchOnWorker(source, database, filter, generation);
        },
        Qt::QueuedConnection);
    return generation;
}

void ArchiveSearch::reconnect()
{
    cancel();
    QMetaObject::invokeMethod(
        m_worker, [this] { closeWorkerConnection(); }, Qt::QueuedConnection);
}

void ArchiveSearch::closeWorkerConnection()
{
    if (m_workerConnection.isEmpty())
        return;
    QSqlDatabase::database(m_workerConnection, false).close();
    QSqlDatabase::removeDatabase(m_workerConnection);
    m_workerConnection.clear();
    m_clonedFrom.clear();
}

void ArchiveSearch::searchOnWorker(const ArchiveReadSource &source, const QString &database,
                                   const ArchiveFilter &filter, int generation)
{
    const auto stillWanted = [this, generation] { return m_latest.loadAcquire() == generation; };
    if (!stillWanted())
        return;
    // A connection of this thread to the same archive (made anew when the
    // window reads another one).
    if (database != m_clonedFrom) {
        closeWorkerConnection();
        m_workerConnection = workerConnectionName(this);
        QSqlDatabase::cloneDatabase(source.connection, m_workerConnection).open();
        m_clonedFrom = database;
    }
    ArchiveBrowsing browsing(m_workerConnection, source.spool);
    ArchiveSearchResult result = search(browsing, filter, stillWanted);
    result.generation = generation;
    if (!stillWanted())
        return;
    QMetaObject::invokeMethod(
        this, [this, result] { emit found(result); }, Qt::QueuedConnection);
}

ArchiveSearchResult ArchiveSearch::search(ArchiveBrowsing &browsing, const ArchiveFilter &filter,
                                          const std::function<bool()> &stillWanted)
{
    const auto wanted = [&] { return !stillWanted || stillWanted(); };
    ArchiveSearchResult result;
    result.filter = filter;
    int matches = 0;
    for (const ArchiveGauge &gauge : browsing.gauges(filter, kShownInFull + 1, &result.status)) {
        if (!wanted())
            return result;
        result.gauges.append({gauge, {}});
        matches += gauge.count;
    }
    result.complete = result.status.ok() && matches <= kShownInFull;
    // Few enough: each gauge's matches in one query, grouped by day here.
    for (int g = 0; result.complete && g < result.gauges.size(); ++g) {
        if (!wanted())
            return result;
        ArchiveSearchResult::Gauge &gauge = result.gauges[g];
        for (const ArchiveEntry &entry :
             browsing.measurements(gauge.gauge, filter, &result.status)) {
            if (gauge.days.isEmpty() || gauge.days.last().day != entry.day)
                gauge.days.append({entry.day, {}});
            gauge.days.last().entries.append(entry);
        }
    }
    return result;
}
