#include "archive/measurementarchive.h"

#include "archive/archivebrowsing.h"
#include "archive/archivesql.h"
#include "archive/archiveschema.h"
#include "archive/sampleblob.h"
#include "archive/storedrecord.h"
#include "base/log.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>
#include <set>

namespace {

constexpr char kDriver[] = "QSQLITE";
// Up to this size (some 50,000 measurements, 0.2 s) every page is checked at open.
constexpr qint64 kFullCheckBytes = 64 * 1024 * 1024;

// SQLite's primary result codes, as the QSQLITE driver reports them.
enum SqliteCode
{
    kSqlitePerm = 3,
    kSqliteBusy = 5,
    kSqliteLocked = 6,
    kSqliteReadOnly = 8,
    kSqliteCorrupt = 11,
    kSqliteFull = 13,
    kSqliteCantOpen = 14,
    kSqliteNotADb = 26,
};

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tspx-archive-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString stationOr(const QString &configured)
{
    return configured.isEmpty() ? QSysInfo::machineHostName() : configured;
}

} // namespace

ArchiveStatus archiveStatusOf(const QString &nativeErrorCode, const QString &text)
{
    bool isNumber = false;
    const int code = nativeErrorCode.toInt(&isNumber);
    ArchiveStatus::Kind kind = ArchiveStatus::Failed;
    if (isNumber) {
        switch (code) {
        case kSqliteBusy:
        case kSqliteLocked:
            kind = ArchiveStatus::Locked;
            break;
        case kSqlitePerm:
        case kSqliteReadOnly:
            kind = ArchiveStatus::ReadOnly;
            break;
        case kSqliteFull:
            kind = ArchiveStatus::DiskFull;
            break;
        case kSqliteCorrupt:
        case kSqliteNotADb:
            kind = ArchiveStatus::Corrupt;
            break;
        case kSqliteCantOpen:
            kind = ArchiveStatus::CannotOpen;
            break;
        default:
            break;
        }
    }
    return ArchiveStatus::failure(kind, text);
}

MeasurementArchive::MeasurementArchive() : m_connection(nextConnectionName()) {}

MeasurementArchive::~MeasurementArchive()
{
    close();
}

QSqlDatabase MeasurementArchive::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void MeasurementArchive::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
    m_spool.reset();
    m_online = false;
    m_serverStatus = {};
    m_uploadedOnOpen = 0;
}

ArchiveStatus MeasurementArchive::open(const ArchiveConfig &config)
{
    if (config.backend == ArchiveConfig::PostgreSQL)
        return openServer(config);
    const ArchiveStatus status = open(config.filePath);
    m_station = stationOr(config.station);
    return status;
}

ArchiveStatus MeasurementArchive::open(const QString &path, int busyTimeoutMs)
{
    close();
    m_dialect = ArchiveDialect(ArchiveDialect::SQLite);
    m_station = stationOr(QString());
    m_path = path;
    ArchiveStatus status = openFile(busyTimeoutMs);
    if (status.kind == ArchiveStatus::Corrupt) {
        // Keep the damaged file for whoever can rescue it; start afresh.
        close();
        status = moveAside();
        if (!status.ok())
            return status;
        const QString movedTo = status.movedAside;
        status = openFile(busyTimeoutMs);
        status.movedAside = movedTo;
    }
    if (!status.ok()) {
        close();
        return status;
    }
    m_open = true;
    return status;
}

ArchiveStatus MeasurementArchive::openFile(int busyTimeoutMs)
{
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath()))
        return ArchiveStatus::failure(ArchiveStatus::CannotOpen, file.absolutePath());
    if (file.exists() && !file.isFile())
        return ArchiveStatus::failure(ArchiveStatus::CannotOpen, m_path);

    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(kDriver), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        return m_dialect.statusOf(db.lastError());

    ArchiveStatus status = checkIntegrity();
    if (!status.ok())
        return status;
    // WAL: readers never block the writer, and a killed writer leaves the
    // committed data intact. A read-only file keeps its mode; writes report it.
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    status = migrate();
    if (!status.ok())
        return status;
    // Without them browsing is slow, not wrong (a read-only file may lack them).
    const ArchiveStatus indexed = ArchiveBrowsing::createIndexes(m_connection);
    if (!indexed.ok())
        logLine("MeasurementArchive::open: " + indexed.detail.toLocal8Bit());
    return status;
}

ArchiveStatus MeasurementArchive::checkIntegrity()
{
    // quick_check reads every page (4 s for a million measurements); a
    // larger file has its header and schema read at open, damage elsewhere
    // is reported by the query that meets it.
    QSqlQuery check(database());
    if (QFileInfo(m_path).size() > kFullCheckBytes) {
        if (!check.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            return statusOf(check);
        return {};
    }
    if (!check.exec(QStringLiteral("PRAGMA quick_check")))
        return statusOf(check);
    QStringList problems;
    while (check.next()) {
        const QString line = check.value(0).toString();
        if (line != QLatin1String("ok"))
            problems.append(line);
    }
    if (check.lastError().isValid())
        return statusOf(check);
    if (!problems.isEmpty())
        return ArchiveStatus::failure(ArchiveStatus::Corrupt, problems.join(QLatin1Char('\n')));
    return {};
}

ArchiveStatus MeasurementArchive::migrate()
{
    QSqlDatabase db = database();
    QSqlError error;
    int version = m_dialect.readVersion(db, &error);
    if (version < 0)
        return m_dialect.statusOf(error);
    // Up to date: no write lock, so a read-only file still opens.
    while (version != ArchiveSchema::kVersion) {
        if (version > ArchiveSchema::kVersion)
            return ArchiveStatus::failure(ArchiveStatus::NewerVersion, QString::number(version));
        ArchiveStatus status = migrateStep(version);
        if (!status.ok())
            return status;
    }
    // A version table whose measurements were dropped is no archive to use.
    return exec(QStringLiteral("SELECT 1 FROM measurement WHERE 1 = 0"));
}

ArchiveStatus MeasurementArchive::migrateStep(int &version)
{
    ArchiveStatus status = exec(m_dialect.beginWrite());
    if (!status.ok())
        return status;
    if (!m_dialect.migrationLockSql().isEmpty())
        status = exec(m_dialect.migrationLockSql());
    // Another station may have migrated meanwhile: read again under the lock.
    QSqlDatabase db = database();
    QSqlError error;
    if (status.ok())
        version = m_dialect.readVersion(db, &error);
    if (status.ok() && version < 0)
        status = m_dialect.statusOf(error);
    if (status.ok() && version < ArchiveSchema::kVersion) {
        const QStringList statements = ArchiveSchema::migrationSteps(m_dialect).at(size_t(version)) +
                                       m_dialect.writeVersionSql(version + 1);
        for (const QString &statement : statements) {
            status = exec(statement);
            if (!status.ok())
                break;
        }
        if (status.ok()) {
            ++version;
            logLine("MeasurementArchive::migrate: " + location().toLocal8Bit() + " version " +
                    QByteArray::number(version));
        }
    }
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok())
        exec(QStringLiteral("ROLLBACK"));
    return status;
}

ArchiveStatus MeasurementArchive::moveAside()
{
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + "-wal"); ++n)
        target =
            m_path + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    // QFile::rename never replaces an existing file.
    if (!QFile::rename(m_path, target))
        return ArchiveStatus::failure(ArchiveStatus::Corrupt, m_path);
    for (const char *companion : {"-wal", "-shm"}) {
        if (QFileInfo::exists(m_path + companion))
            QFile::rename(m_path + companion, target + companion);
    }
    logLine("MeasurementArchive::open: " + m_path.toLocal8Bit() + " damaged, moved to " +
            target.toLocal8Bit());
    ArchiveStatus status;
    status.movedAside = target;
    return status;
}

ArchiveStatus MeasurementArchive::exec(const QString &sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql))
        return statusOf(query);
    return {};
}

ArchiveStatus MeasurementArchive::statusOf(const QSqlQuery &query) const
{
    return m_dialect.statusOf(query.lastError());
}

ArchiveStatus MeasurementArchive::storeTransfer(const ArchiveDevice &device,
                                                const QList<Measurement *> &records,
                                                const QDateTime &downloadedAt, int *added,
                                                const std::function<void(int)> &afterRecord)
{
    return storeRecords(device, records, downloadedAt, QLatin1String(ArchiveSql::kGaugeSource), added,
                        afterRecord);
}

ArchiveStatus MeasurementArchive::storeRecords(const ArchiveDevice &device,
                                               const QList<Measurement *> &records,
                                               const QDateTime &downloadedAt, const QString &source,
                                               int *added,
                                               const std::function<void(int)> &afterRecord)
{
    if (added)
        *added = 0;
    if (!m_open)
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
    const QString downloaded = downloadedAt.toUTC().toString(Qt::ISODateWithMs);
    QList<StoredRecord> rows;
    for (const Measurement *m : records) {
        if (m)
            rows.append(StoredRecord{device, m, downloaded, source, m_station, QString()});
    }
    if (m_spool)
        return storeOnServer(rows, added, afterRecord);
    return storeRows(rows, false, added, afterRecord);
}

struct RowStatements
{
    explicit RowStatements(const QSqlDatabase &db) : insert(db), lastLink(db), find(db), queue(db)
    {
        insert.prepare(QStringLiteral("INSERT INTO measurement (%1, taken_at, samples, designation,"
                                      " chain_hash) VALUES (%2) ON CONFLICT DO NOTHING")
                           .arg(RecordChain::columnList(), placeholders(RecordChain::columnList())));
        lastLink.prepare(QStringLiteral("SELECT chain_hash FROM measurement WHERE station = ?"
                                        " AND chain_hash IS NOT NULL ORDER BY id DESC LIMIT 1"));
        find.prepare(ArchiveSql::kFindIdentical);
        queue.prepare(QStringLiteral(
            "INSERT INTO upload_queue (measurement_id) VALUES (?) ON CONFLICT DO NOTHING"));
    }

    // One "?" for each chained column and the four more.
    static QString placeholders(const QString &columns)
    {
        QStringList marks;
        for (int i = columns.count(QLatin1Char(',')) + 1 + 4; i > 0; --i)
            marks.append(QStringLiteral("?"));
        return marks.join(QStringLiteral(", "));
    }

    QSqlQuery insert;
    QSqlQuery lastLink;
    QSqlQuery find;
    QSqlQuery queue;
};

ArchiveStatus MeasurementArchive::storeRows(const QList<StoredRecord> &rows, bool queue,
                                            int *added,
                                            const std::function<void(int)> &afterRecord)
{
    if (added)
        *added = 0;
    // The write lock is taken at the start, so a held archive fails at once
    // (after the busy time-out) and not halfway through.
    ArchiveStatus status = exec(m_dialect.beginWrite());
    if (!status.ok())
        return status;
    std::set<QString> stations;
    for (const StoredRecord &row : rows)
        stations.insert(row.station);
    int newRecords = 0;
    int stored = 0;
    {
        // One writer per chain, in one order for every writer.
        QSqlQuery lock(database());
        if (!m_dialect.chainLockSql().isEmpty()) {
            lock.prepare(m_dialect.chainLockSql());
            for (const QString &station : stations) {
                lock.addBindValue(chainLockKey(station));
                if (!lock.exec()) {
                    status = statusOf(lock);
                    break;
                }
            }
        }
        RowStatements statements(database());
        for (const StoredRecord &row : rows) {
            if (!status.ok())
                break;
            bool isNew = false;
            status = insertRow(statements, row, queue, isNew);
            newRecords += isNew ? 1 : 0;
            if (status.ok() && afterRecord)
                afterRecord(++stored);
        }
    }
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok()) {
        exec(QStringLiteral("ROLLBACK"));
        logLine("MeasurementArchive::storeRecords: " + status.detail.toLocal8Bit());
        return status;
    }
    if (added)
        *added = newRecords;
    return status;
}

ArchiveStatus MeasurementArchive::insertRow(RowStatements &statements, const StoredRecord &row,
                                            bool queue, bool &added)
{
    const Measurement &m = *row.measurement;
    const QByteArray blob = samplesToBlob(m.forces);
    const QByteArray hash = samplesHash(blob);
    const QVariantList values = {row.station,
                                 ArchiveSql::text(row.device.serialNr),
                                 ArchiveSql::text(row.device.swVersion),
                                 m.number,
                                 ArchiveSql::text(m.dateText),
                                 ArchiveSql::text(m.timeText),
                                 row.device.forceUnit,
                                 ArchiveSql::real(m.sampleRate),
                                 qint64(m.sampleCount),
                                 hash,
                                 ArchiveSql::real(m.forceStart),
                                 ArchiveSql::real(m.forceEnd),
                                 ArchiveSql::real(m.forceMax),
                                 ArchiveSql::real(m.forceAvg),
                                 row.downloadedAt,
                                 row.source,
                                 isCompleteRecord(m) ? 1 : 0};
    statements.lastLink.addBindValue(row.station);
    if (!statements.lastLink.exec())
        return statusOf(statements.lastLink);
    const QByteArray previous =
        statements.lastLink.next() ? statements.lastLink.value(0).toByteArray() : QByteArray();
    statements.lastLink.finish();

    for (const QVariant &value : values)
        statements.insert.addBindValue(value);
    statements.insert.addBindValue(ArchiveSql::takenAt(m));
    statements.insert.addBindValue(blob);
    statements.insert.addBindValue(row.designation.isNull() ? QStringLiteral("") : row.designation);
    statements.insert.addBindValue(RecordChain::link(previous, values));
    if (!statements.insert.exec())
        return statusOf(statements.insert);
    added = statements.insert.numRowsAffected() == 1;
    if (!queue)
        return {};

    ArchiveSql::bindIdentity(statements.find, row.device.serialNr, m, hash);
    if (!statements.find.exec() || !statements.find.next())
        return statusOf(statements.find);
    statements.queue.addBindValue(statements.find.value(0));
    statements.find.finish();
    if (!statements.queue.exec())
        return statusOf(statements.queue);
    return {};
}

