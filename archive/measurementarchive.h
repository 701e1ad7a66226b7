#pragma once

#include "archive/archivetypes.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlQuery;

// The local archive of every measurement: one SQLite file (WAL journal),
// written one transaction per transfer, read for browsing, export and report.
// A measurement is identified by serial number, date, time, sample count and
// the SHA-256 of its samples; storing it again adds nothing. Every operation
// reports failure as an ArchiveStatus value.
class MeasurementArchive
{
public:
    // The file's default name in the settings folder.
    static constexpr const char *kFileName = "archive.sqlite";
    // How long a write waits for another program that holds the file.
    static constexpr int kDefaultBusyTimeoutMs = 3000;

    MeasurementArchive();
    ~MeasurementArchive();
    MeasurementArchive(const MeasurementArchive &) = delete;
    MeasurementArchive &operator=(const MeasurementArchive &) = delete;


    // Opens (creating the file and its folder when missing) and brings the
    // schema to the current version. A damaged file is moved aside, never
    // written, and a new one started: the status is Ok, movedAside says where.
    ArchiveStatus open(const QString &path, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    void close();
    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }
    // The Qt SQL connection, for tools that look into the file.
    QString connectionName() const { return m_connection; }

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
    ArchiveStatus openFile(int busyTimeoutMs);
    ArchiveStatus checkIntegrity();
    ArchiveStatus migrate();
    ArchiveStatus moveAside();
    ArchiveStatus exec(const QString &sql);
    ArchiveStatus insertRecord(QSqlQuery &insert, const ArchiveDevice &device, const Measurement &m,
                               const QString &downloadedAt, const QString &source, bool &added);
    QSqlDatabase database() const;

    QString m_connection;
    QString m_path;
    bool m_open = false;
};

// The status of a failed Qt SQL call, by SQLite's result code.
ArchiveStatus archiveStatusOf(const QString &nativeErrorCode, const QString &text);
