#include "archive/measurementarchive.h"
#include "archive/serveruploadcheck.h"
#include "archive/storedrecord.h"
#include "base/log.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace {

// Records uploaded in one transaction: a lost connection costs one batch.
constexpr int kUploadBatch = 25;

} // namespace

QString MeasurementArchive::location() const
{
    if (!m_spool)
        return m_path;
    const QString host = m_server.host.isEmpty() ? QStringLiteral("localhost") : m_server.host;
    return QStringLiteral("postgresql://%1:%2/%3").arg(host).arg(m_server.port).arg(m_server.database);
}

ArchiveStatus MeasurementArchive::openServer(const ArchiveConfig &config)
{
    close();
    auto spool = std::make_unique<ArchiveStore>(connectionName() + QStringLiteral("-spool"));
    const ArchiveStatus spoolStatus =
        spool->openFile(config.filePath, ArchiveStore::kDefaultBusyTimeoutMs);
    // Without the spool a transfer could be lost while the server is away.
    if (!spoolStatus.ok())
        return spoolStatus;
    m_station = stationName(config.station);
    m_spool = std::move(spool);
    m_path = config.filePath;
    m_server = config.server;
    m_open = true;
    if (connectServer().ok())
        uploadWaiting(&m_uploadedOnOpen);
    // A damaged spool is news even when the server answers.
    return spoolStatus;
}

ArchiveStatus MeasurementArchive::connectServer()
{
    const ArchiveStatus status = m_main->openServer(m_server);
    if (!status.ok()) {
        goOffline(status);
        return status;
    }
    m_online = true;
    m_serverStatus = {};
    m_serverKey = m_main->serverIdentity();
    logLine("MeasurementArchive: " + location().toLocal8Bit() + " connected, station " +
            m_station.toUtf8());
    return status;
}

void MeasurementArchive::goOffline(const ArchiveStatus &why)
{
    m_online = false;
    m_serverStatus = why;
    m_main->disconnect();
    logLine("MeasurementArchive: " + location().toLocal8Bit() + " not in use: " +
            why.detail.toLocal8Bit());
}

QSqlDriver *MeasurementArchive::liveDriver() const
{
    return m_spool && m_online ? m_main->database().driver() : nullptr;
}

ArchiveStatus MeasurementArchive::storeOnServer(const QList<StoredRecord> &rows, int *added,
                                                const std::function<void(int)> &afterRecord)
{
    if (!m_online)
        connectServer();
    // What waits goes first, so the server's chain keeps the order of transfers.
    if (m_online && waitingCount() > 0)
        uploadWaiting(nullptr);
    if (m_online) {
        const ArchiveStatus status = m_main->storeRows(rows, false, added, afterRecord);
        if (status.ok()) {
            if (waitingCount() == 0)
                m_serverStatus = {};
            return status;
        }
        // Whatever the server said, the records stay here until it takes them.
        if (!m_main->answers())
            goOffline(status);
        else
            refuse(status);
    }
    return m_spool->storeRows(rows, true, added, afterRecord);
}

void MeasurementArchive::refuse(const ArchiveStatus &why)
{
    m_serverStatus = why;
    logLine("MeasurementArchive: " + location().toLocal8Bit() + " refused records: " +
            why.detail.toLocal8Bit());
}

int MeasurementArchive::waitingCount()
{
    return m_spool ? m_spool->queuedCount() : 0;
}

ArchiveStatus MeasurementArchive::sync(int *uploaded)
{
    if (uploaded)
        *uploaded = 0;
    if (!m_open)
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
    if (!m_spool)
        return {};
    if (!m_online) {
        const ArchiveStatus status = connectServer();
        if (!status.ok())
            return status;
    }
    return uploadWaiting(uploaded);
}

ArchiveStatus MeasurementArchive::uploadWaiting(int *uploaded)
{
    int total = 0;
    ArchiveStatus refusal;
    const QList<qint64> ids = m_spool->queuedIds();
    for (int first = 0; first < ids.size(); first += kUploadBatch) {
        std::vector<ArchivedMeasurement> batch;
        for (qint64 id : ids.mid(first, kUploadBatch)) {
            std::optional<ArchivedMeasurement> kept = m_spool->load(id, nullptr);
            if (kept)
                batch.push_back(std::move(*kept));
            else // it stays waiting and counted
                refusal = ArchiveStatus::failure(ArchiveStatus::Corrupt, m_spool->path());
        }
        const ArchiveStatus status = uploadBatch(batch, &total, refusal);
        if (!status.ok()) {
            if (uploaded)
                *uploaded = total;
            return status;
        }
    }
    if (uploaded)
        *uploaded = total;
    if (!ids.isEmpty())
        logLine("MeasurementArchive: " + QByteArray::number(total) + " of " +
                QByteArray::number(ids.size()) + " waiting records uploaded to " +
                location().toLocal8Bit());
    if (!refusal.ok()) {
        refuse(refusal);
        return refusal;
    }
    m_serverStatus = {};
    return {};
}

ArchiveStatus MeasurementArchive::uploadBatch(const std::vector<ArchivedMeasurement> &batch, int *total,
                                              ArchiveStatus &refusal)
{
    QList<StoredRecord> rows;
    for (const ArchivedMeasurement &record : batch)
        rows.append(storedRecordOf(record));
    int added = 0;
    ArchiveStatus status = m_main->storeRows(rows, false, &added, {});
    if (!status.ok() && !m_main->answers()) {
        goOffline(status);
        return status;
    }
    if (status.ok()) {
        *total += added;
    } else {
        // The server answers but refused the batch: each record on its own,
        // so that one it refuses holds back no other.
        for (const StoredRecord &row : qAsConst(rows)) {
            status = m_main->storeRows({row}, false, &added, {});
            if (status.ok()) {
                *total += added;
            } else if (m_main->answers()) {
                refusal = status;
            } else {
                goOffline(status);
                return status;
            }
        }
    }
    // A record leaves the queue only when the server holds it.
    QList<qint64> held;
    for (const ArchivedMeasurement &record : batch) {
        if (m_main->idOf(record.device.serialNr, record.measurement))
            held.append(record.id);
    }
    if (held.size() < int(batch.size()) && refusal.ok())
        refusal = ArchiveStatus::failure(ArchiveStatus::Failed, QStringLiteral("not kept"));
    m_spool->dequeue(held, m_serverKey);
    return {};
}

QList<qint64> MeasurementArchive::notOnServer(ArchiveStatus *status)
{
    QList<qint64> missing;
    if (!m_open || !m_spool || !m_online) {
        if (status)
            *status = m_open && m_spool ? m_serverStatus
                                        : ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
        return missing;
    }
    ArchiveStatus read;
    missing = findNotOnServer(*m_spool, *m_main, m_serverKey, read);
    if (!read.ok() && !m_main->answers())
        goOffline(read);
    if (status)
        *status = read;
    return missing;
}

ServerCheckSource MeasurementArchive::serverCheckSource() const
{
    if (!m_open || !m_spool || !m_online)
        return {};
    return {m_spool->connectionName(), m_main->connectionName(), m_serverKey};
}

ArchiveStatus MeasurementArchive::queueNotOnServer(int *queued)
{
    if (queued)
        *queued = 0;
    ArchiveStatus status;
    const QList<qint64> ids = notOnServer(&status);
    if (!status.ok() || ids.isEmpty())
        return status;
    status = m_spool->enqueue(ids);
    if (status.ok()) {
        if (queued)
            *queued = ids.size();
        logLine("MeasurementArchive: " + QByteArray::number(ids.size()) +
                " records of the file queued for " + location().toLocal8Bit());
    }
    return status;
}

ChainReport MeasurementArchive::verify()
{
    if (!m_open) {
        ChainReport report;
        report.readFailed = true;
        report.detail = location();
        return report;
    }
    return readsSpool() ? m_spool->verify() : m_main->verify();
}
