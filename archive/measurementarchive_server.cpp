#include "archive/measurementarchive.h"
#include "archive/archivebrowsing.h"
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

constexpr char kServerDriver[] = "QPSQL";
// Records uploaded in one transaction: a lost connection costs one batch.
constexpr int kUploadBatch = 25;

// libpq's options: a server that does not answer, or a network that drops,
// ends a call within seconds instead of hanging the program.
QString connectOptions(const ArchiveServer &server)
{
    QStringList options = {QStringLiteral("connect_timeout=5"),
                           QStringLiteral("keepalives_idle=5"),
                           QStringLiteral("keepalives_interval=2"),
                           QStringLiteral("keepalives_count=3"),
                           QStringLiteral("tcp_user_timeout=10000"),
                           QStringLiteral("application_name=tspx")};
    if (!server.sslMode.isEmpty())
        options.append(QStringLiteral("sslmode=") + server.sslMode);
    return options.join(QLatin1Char(';'));
}

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
    auto spool = std::make_unique<MeasurementArchive>();
    const ArchiveStatus spoolStatus = spool->open(config.filePath);
    // Without the spool a transfer could be lost while the server is away.
    if (!spoolStatus.ok())
        return spoolStatus;
    m_station = spool->m_station = config.station.isEmpty() ? spool->m_station : config.station;
    m_spool = std::move(spool);
    m_path = config.filePath;
    m_server = config.server;
    m_dialect = ArchiveDialect(ArchiveDialect::PostgreSQL);
    m_open = true;
    if (connectServer().ok())
        uploadWaiting(&m_uploadedOnOpen);
    // A damaged spool is news even when the server answers.
    return spoolStatus;
}

ArchiveStatus MeasurementArchive::connectServer()
{
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::removeDatabase(m_connection);
    ArchiveStatus status;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(kServerDriver), m_connection);
        if (!db.isValid()) {
            status = ArchiveStatus::failure(ArchiveStatus::CannotOpen,
                                            QLatin1String(kServerDriver));
        } else {
            if (!m_server.host.isEmpty())
                db.setHostName(m_server.host);
            db.setPort(m_server.port);
            db.setDatabaseName(m_server.database);
            db.setUserName(m_server.user);
            db.setConnectOptions(connectOptions(m_server));
            if (!db.open())
                status = m_dialect.statusOf(db.lastError());
        }
    }
    if (status.ok())
        status = migrate();
    if (!status.ok()) {
        goOffline(status);
        return status;
    }
    // Without them browsing is slow, not wrong (a station may not own the table).
    const ArchiveStatus indexed = ArchiveBrowsing::createIndexes(m_connection);
    if (!indexed.ok())
        logLine("MeasurementArchive: " + indexed.detail.toLocal8Bit());
    m_online = true;
    m_serverStatus = {};
    logLine("MeasurementArchive: " + location().toLocal8Bit() + " connected, station " +
            m_station.toUtf8());
    return status;
}

void MeasurementArchive::goOffline(const ArchiveStatus &why)
{
    m_online = false;
    m_serverStatus = why;
    database().close();
    logLine("MeasurementArchive: " + location().toLocal8Bit() + " not in use: " +
            why.detail.toLocal8Bit());
}

bool MeasurementArchive::serverAnswers()
{
    QSqlQuery probe(database());
    return probe.exec(QStringLiteral("SELECT 1"));
}

QSqlDriver *MeasurementArchive::liveDriver() const
{
    return m_spool && m_online ? database().driver() : nullptr;
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
        const ArchiveStatus status = storeRows(rows, false, added, afterRecord);
        if (status.ok()) {
            if (waitingCount() == 0)
                m_serverStatus = {};
            return status;
        }
        // Whatever the server said, the records stay here until it takes them.
        if (!serverAnswers())
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
    if (!m_spool)
        return 0;
    QSqlQuery query(m_spool->database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM upload_queue")) || !query.next())
        return 0;
    return query.value(0).toInt();
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
            std::optional<ArchivedMeasurement> kept = m_spool->loadHere(id, nullptr);
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
    ArchiveStatus status = storeRows(rows, false, &added, {});
    if (!status.ok() && !serverAnswers()) {
        goOffline(status);
        return status;
    }
    if (status.ok()) {
        *total += added;
    } else {
        // The server answers but refused the batch: each record on its own,
        // so that one it refuses holds back no other.
        for (const StoredRecord &row : qAsConst(rows)) {
            status = storeRows({row}, false, &added, {});
            if (status.ok()) {
                *total += added;
            } else if (serverAnswers()) {
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
        if (idHere(record.device.serialNr, record.measurement))
            held.append(record.id);
    }
    if (held.size() < int(batch.size()) && refusal.ok())
        refusal = ArchiveStatus::failure(ArchiveStatus::Failed, QStringLiteral("not kept"));
    m_spool->dequeue(held);
    return {};
}

QList<qint64> MeasurementArchive::queuedIds()
{
    QList<qint64> ids;
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("SELECT measurement_id FROM upload_queue ORDER BY measurement_id"))) {
        while (query.next())
            ids.append(query.value(0).toLongLong());
    }
    return ids;
}

ArchiveStatus MeasurementArchive::dequeue(const QList<qint64> &ids)
{
    ArchiveStatus status = exec(m_dialect.beginWrite());
    QSqlQuery remove(database());
    remove.prepare(QStringLiteral("DELETE FROM upload_queue WHERE measurement_id = ?"));
    for (qint64 id : ids) {
        if (!status.ok())
            break;
        remove.addBindValue(id);
        if (!remove.exec())
            status = statusOf(remove);
    }
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok())
        exec(QStringLiteral("ROLLBACK"));
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
    if (readsSpool())
        return m_spool->verify();
    QSqlDatabase db = database();
    return verifyChains(db);
}
