#pragma once

#include "archive/archiveconfig.h"
#include "archive/archivestore.h"
#include "archive/archivetypes.h"
#include "archive/recordchain.h"
#include "archive/serveruploadcheck.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlDatabase;
class QSqlDriver;
class QSqlQuery;
struct RowStatements;
struct StoredRecord;
struct SalvagedArchive;

// The archive of every measurement: one SQLite file, or a PostgreSQL server
// shared by several stations with a SQLite file as its spool, each an
// ArchiveStore; written one transaction per transfer, read for browsing,
// export and report. A measurement is identified by serial number, date,
// time, sample count and the SHA-256 of its samples; storing it again adds
// nothing. Every record names its station and links the station's previous
// record (RecordChain). Every operation reports failure as an ArchiveStatus
// value.
//
// On a server, what cannot reach the server is kept in the spool and uploaded
// when the server answers again (at the next transfer, on open, and by
// sync()). Records of the spool have negative ids.
class MeasurementArchive
{
public:
    // The file's default name in the settings folder.
    static constexpr const char *kFileName = "archive.sqlite";
    // How long a write waits for another program that holds the file.
    static constexpr int kDefaultBusyTimeoutMs = ArchiveStore::kDefaultBusyTimeoutMs;

    MeasurementArchive();
    ~MeasurementArchive();
    MeasurementArchive(const MeasurementArchive &) = delete;
    MeasurementArchive &operator=(const MeasurementArchive &) = delete;


    // Opens (creating the file and its folder when missing) and brings the
    // schema to the current version. A damaged file is moved aside, never
    // written, and a new one started with what could be read back from it:
    // the status is Ok, movedAside says where, recovered how many were kept.
    ArchiveStatus open(const QString &path, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    // The file, or the server with its spool file. A server that does not
    // answer is no failure: the spool takes the transfers (serverStatus()).
    ArchiveStatus open(const ArchiveConfig &config);
    void close();
    bool isOnServer() const { return m_spool != nullptr; }
    // Whether the server answered at the last try; false for a file.
    bool isOnline() const { return m_online; }
    // Why the server is not in use, or why it refused records that wait; Ok
    // while it takes everything.
    ArchiveStatus serverStatus() const { return m_serverStatus; }
    // The server answers but refused records: they wait in the spool.
    bool serverRefused() const { return m_spool && m_online && !m_serverStatus.ok(); }
    QString station() const { return m_station; }
    // The records of the spool that wait for the server.
    int waitingCount();
    // Connects when offline and uploads what waits, each record exactly once
    // (`uploaded` counts those the server did not hold yet).
    ArchiveStatus sync(int *uploaded = nullptr);
    // Records of the spool file that are neither on the server nor waiting
    // for it: archived while the archive was this file alone. Asks the server
    // for each by its identity, once: the spool remembers up to which record
    // it asked this server and which it did not hold, so a later opening asks
    // only for newer records. On a file, or while the server is away, none
    // (`status` says why).
    QList<qint64> notOnServer(ArchiveStatus *status = nullptr);
    // Puts those records in the upload queue in one transaction (`queued`
    // counts them); sync() uploads them, each once, as it does every waiting
    // record.
    ArchiveStatus queueNotOnServer(int *queued = nullptr);
    // The connections for the same check on another thread (findNotOnServer);
    // empty names while the server is away or on a file.
    ServerCheckSource serverCheckSource() const;
    // How many waiting records open() uploaded.
    int uploadedOnOpen() const { return m_uploadedOnOpen; }
    // Walks the links of every station's records.
    ChainReport verify();
    // The server's connection, for its announcements of new records
    // (ArchiveSchema::kLiveChannel); null for a file or while offline.
    QSqlDriver *liveDriver() const;
    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }
    // The file's path, or the server and database, for messages.
    QString location() const;
    // The Qt SQL connection of the file or the server, for tools that look into it.
    QString connectionName() const;
    // Where browsing reads, as entries() does: the server (or the file), or
    // the spool while the server is away, whose ids are given negative.
    ArchiveReadSource readSource() const
    {
        return readsSpool() ? ArchiveReadSource{m_spool->connectionName(), true}
                            : ArchiveReadSource{connectionName(), false};
    }

    // Stores every record of one transfer, as received, in one transaction
    // (isCompleteRecord() false: flagged incomplete); `added` counts the new ones. `afterRecord` runs after each stored record, inside
    // the transaction. On failure nothing of this transfer is stored.
    ArchiveStatus storeTransfer(const ArchiveDevice &device, const QList<Measurement *> &records,
                                const QDateTime &downloadedAt, int *added = nullptr,
                                const std::function<void(int stored)> &afterRecord = {});
    // Stores records of another origin (an imported file) the same way.
    ArchiveStatus storeRecords(const ArchiveDevice &device, const QList<Measurement *> &records,
                               const QDateTime &downloadedAt, const QString &source,
                               int *added = nullptr,
                               const std::function<void(int stored)> &afterRecord = {});

    // The archived measurement matching what a quick transfer read before the
    // samples; nullopt when there is none (or the archive cannot be read).
    std::optional<qint64> findQuick(const QuickKey &key);
    // Whether exactly this measurement (samples included) is archived.
    bool holds(const QByteArray &serialNr, const Measurement &measurement)
    {
        return idOf(serialNr, measurement).has_value();
    }
    std::optional<qint64> idOf(const QByteArray &serialNr, const Measurement &measurement);
    // Whether this record is archived exactly as received, even one the gauge
    // sent short of its count (such a copy never counts for holds()).
    bool holdsAsReceived(const QByteArray &serialNr, const Measurement &measurement)
    {
        return idAsReceived(serialNr, measurement).has_value();
    }
    std::optional<qint64> idAsReceived(const QByteArray &serialNr, const Measurement &measurement);
    // Whether a measurement of this gauge with this date, time and count is
    // kept: only then can its samples, once read, be found by holds().
    bool mayHold(const QByteArray &serialNr, const QByteArray &dateText, const QByteArray &timeText,
                 uint32_t sampleCount);

    std::optional<ArchivedMeasurement> load(qint64 id, ArchiveStatus *status = nullptr);
    // The browsing list: by serial number, then newest first.
    QList<ArchiveEntry> entries(const ArchiveFilter &filter = {}, ArchiveStatus *status = nullptr);
    ArchiveStatus setDesignation(qint64 id, const QString &designation);
    int count();

    // The ids of records of the same serial number, date, minute and sample
    // count: candidates for a measurement that came back through a CSV file.
    QList<qint64> sameMinute(const QByteArray &serialNr, const Measurement &measurement);

private:
    // The station's name: the configured one, else this computer's.
    static QString stationName(const QString &configured);
    ArchiveStatus openServer(const ArchiveConfig &config);
    ArchiveStatus connectServer();
    void goOffline(const ArchiveStatus &why);
    // Whether reads go to the spool (a server that is offline).
    bool readsSpool() const { return m_spool && !m_online; }
    ArchiveStatus storeOnServer(const QList<StoredRecord> &rows, int *added,
                                const std::function<void(int stored)> &afterRecord);
    ArchiveStatus uploadWaiting(int *uploaded);
    // Uploads one batch; what the server refuses stays waiting (`refusal`).
    ArchiveStatus uploadBatch(const std::vector<ArchivedMeasurement> &batch, int *total,
                              ArchiveStatus &refusal);
    // The server answers but did not take records: they stay waiting.
    void refuse(const ArchiveStatus &why);

    QString m_path;
    bool m_open = false;
    QString m_station;
    // The file, or the server; on a server also the spool file.
    std::unique_ptr<ArchiveStore> m_main;
    std::unique_ptr<ArchiveStore> m_spool;
    ArchiveServer m_server;
    // The server's identity for the spool's marks (ArchiveStore::serverIdentity()).
    QString m_serverKey;
    bool m_online = false;
    ArchiveStatus m_serverStatus;
    int m_uploadedOnOpen = 0;
};
