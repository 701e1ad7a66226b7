#pragma once

#include "archive/archiveconfig.h"
#include "archive/archivedialect.h"
#include "archive/archivetypes.h"
#include "archive/recordchain.h"

#include <QList>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlQuery;
struct RowStatements;
struct SalvagedArchive;
struct StoredRecord;

// One database that keeps measurements: a SQLite file (WAL journal) or a
// PostgreSQL server. It opens and migrates its schema, checks a file and
// moves a damaged one aside with what can be read back, stores records one
// transaction at a time, reads them, keeps the upload queue (a server's
// spool) and verifies the chains. What a spooled archive does on top (server
// and spool, uploads) is MeasurementArchive's.
class ArchiveStore
{
public:
    // How long a write waits for another program that holds a file.
    static constexpr int kDefaultBusyTimeoutMs = 3000;

    explicit ArchiveStore(const QString &connectionName);
    ~ArchiveStore();
    ArchiveStore(const ArchiveStore &) = delete;
    ArchiveStore &operator=(const ArchiveStore &) = delete;

    // A file, created with its folder when missing, its schema brought to
    // the current version. A damaged file is moved aside, never written, and
    // a new one started with what could be read back from it: the status is
    // Ok, movedAside says where, recovered how many were kept.
    ArchiveStatus openFile(const QString &path, int busyTimeoutMs);
    // A server, its schema brought to the current version (by its owner).
    ArchiveStatus openServer(const ArchiveServer &server);
    // The database of the connection `other` (an open store's) again, on a
    // connection of the calling thread; neither checked nor migrated again.
    ArchiveStatus openCloneOf(const QString &other);
    // Closes the connection and forgets it.
    void close();
    // Closes the connection but keeps it, to open again (a server gone away).
    void disconnect();
    bool isOpen() const { return m_open; }
    const ArchiveDialect &dialect() const { return m_dialect; }
    QString connectionName() const { return m_connection; }
    QString path() const { return m_path; }
    QSqlDatabase database() const;
    // Whether the database still answers a query.
    bool answers();

    // Keeps records in one transaction; `queue` marks them as waiting for a
    // server. On failure nothing of them is stored.
    ArchiveStatus storeRows(const QList<StoredRecord> &rows, bool queue, int *added,
                            const std::function<void(int stored)> &afterRecord);

    std::optional<qint64> findQuick(const QuickKey &key);
    // The record with this identity, even one short of its count.
    std::optional<qint64> idOf(const QByteArray &serialNr, const Measurement &measurement);
    bool mayHold(const QByteArray &serialNr, const QByteArray &dateText,
                 const QByteArray &timeText, uint32_t sampleCount);
    std::optional<ArchivedMeasurement> load(qint64 id, ArchiveStatus *status);
    QList<ArchiveEntry> entries(const ArchiveFilter &filter, ArchiveStatus *status);
    ArchiveStatus setDesignation(qint64 id, const QString &designation);
    int count();
    QList<qint64> sameMinute(const QByteArray &serialNr, const Measurement &measurement);

    // The upload queue of a server's spool.
    QList<qint64> queuedIds();
    int queuedCount();
    // Takes records out of the queue once `server` (serverIdentity()) holds
    // them; they are no longer missing there.
    ArchiveStatus dequeue(const QList<qint64> &ids, const QString &server = QString());
    // Puts records in the upload queue, all in one transaction.
    ArchiveStatus enqueue(const QList<qint64> &ids);
    // Up to `limit` records with ids above `afterId`, in id order, each with
    // whether it waits in the upload queue.
    QList<RecordIdentity> recordsAfter(qint64 afterId, int limit, ArchiveStatus *status);

    // What a spool remembers of the servers it was checked against, so that
    // each record is looked up on a server once: the highest id checked, and
    // which records up to it the server did not hold then. 0 when none.
    qint64 checkedUpTo(const QString &server);
    // The records up to checkedUpTo() that the server did not hold and that
    // do not wait in the queue.
    QList<qint64> missingOn(const QString &server, ArchiveStatus *status);
    // Records that everything up to `upTo` was checked, `missing` not held.
    ArchiveStatus markChecked(const QString &server, qint64 upTo, const QList<qint64> &missing);
    // On a server: its location and its database's own number, which a
    // database made again under the same name does not keep; empty when the
    // server does not say.
    QString serverIdentity();
    // The ids of those `records` whose identity this database holds.
    QSet<qint64> held(const QList<RecordIdentity> &records, ArchiveStatus *status);

    ChainReport verify();

private:
    ArchiveStatus openFileOnce(int busyTimeoutMs);
    ArchiveStatus checkIntegrity();
    ArchiveStatus migrate();
    ArchiveStatus migrateStep(int &version);
    ArchiveStatus createIndexes();
    ArchiveStatus moveAside();
    // Keeps what was read back from a damaged file, waiting records waiting.
    ArchiveStatus keepSalvaged(const SalvagedArchive &salvaged);
    // The calibration records, studies and plans read back, with their own
    // ids and stamps; a study names its measurements by their new ids.
    ArchiveStatus keepSalvagedRows(const SalvagedArchive &salvaged, int &kept);
    ArchiveStatus exec(const QString &sql);
    // Whether the file has the tables of markChecked() yet.
    bool keepsServerMarks();
    // Inside a transaction: `ids` are held by `server` now.
    ArchiveStatus forgetMissing(const QString &server, const QList<qint64> &ids);
    ArchiveStatus insertRow(RowStatements &statements, const StoredRecord &row, bool queue,
                            bool &added);
    ArchiveStatus statusOf(const QSqlQuery &query) const;
    // The file's path, or the server and database, for the log.
    QString location() const;

    QString m_connection;
    QString m_path;
    ArchiveServer m_server;
    ArchiveDialect m_dialect;
    bool m_open = false;
};

// Whether the server takes a connection with these settings (and the password
// libpq finds): connects on a connection of its own, asks nothing of the
// archive's tables and closes again, within libpq's time-out. May run on any
// thread; `connectionName` must be unique while it runs.
ArchiveStatus probeServer(const ArchiveServer &server, const QString &connectionName);
// "postgresql://host:5432/database"
QString serverLocation(const ArchiveServer &server);
