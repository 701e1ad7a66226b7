#include "archive/archivestore.h"

#include "archive/archivesalvage.h"
#include "archive/archiveschema.h"
#include "archive/archivesql.h"
#include "archive/sampleblob.h"
#include "archive/storedrecord.h"
#include "base/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

constexpr char kFileDriver[] = "QSQLITE";
constexpr char kServerDriver[] = "QPSQL";
// Up to this size (some 50,000 measurements, 0.2 s) every page is checked at open.
constexpr qint64 kFullCheckBytes = 64 * 1024 * 1024;

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

// A connection to the server under that name, not yet open; invalid
// without the driver.
QSqlDatabase addServerConnection(const ArchiveServer &server, const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(kServerDriver), connectionName);
    if (!db.isValid())
        return db;
    if (!server.host.isEmpty())
        db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(server.database);
    db.setUserName(server.user);
    db.setConnectOptions(connectOptions(server));
    return db;
}

} // namespace

ArchiveStore::ArchiveStore(const QString &connectionName) : m_connection(connectionName) {}

ArchiveStore::~ArchiveStore()
{
    close();
}

QSqlDatabase ArchiveStore::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void ArchiveStore::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
}

void ArchiveStore::disconnect()
{
    database().close();
    m_open = false;
}

bool ArchiveStore::answers()
{
    QSqlQuery probe(database());
    return probe.exec(QStringLiteral("SELECT 1"));
}

QString ArchiveStore::location() const
{
    if (!m_dialect.isServer())
        return m_path;
    return serverLocation(m_server);
}

QString serverLocation(const ArchiveServer &server)
{
    const QString host = server.host.isEmpty() ? QStringLiteral("localhost") : server.host;
    return QStringLiteral("postgresql://%1:%2/%3").arg(host).arg(server.port).arg(server.database);
}

ArchiveStatus probeServer(const ArchiveServer &server, const QString &connectionName)
{
    ArchiveStatus status;
    {
        QSqlDatabase db = addServerConnection(server, connectionName);
        if (!db.isValid()) {
            status = ArchiveStatus::failure(ArchiveStatus::CannotOpen, QLatin1String(kServerDriver));
        } else {
            if (!db.open())
                status = ArchiveDialect(ArchiveDialect::PostgreSQL).statusOf(db.lastError());
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return status;
}

ArchiveStatus ArchiveStore::openCloneOf(const QString &other)
{
    close();
    ArchiveStatus status;
    {
        QSqlDatabase db = QSqlDatabase::cloneDatabase(other, m_connection);
        if (!db.isValid())
            return ArchiveStatus::failure(ArchiveStatus::NotOpen, other);
        m_dialect = ArchiveDialect::of(db);
        m_path = db.databaseName();
        if (!db.open())
            status = m_dialect.statusOf(db.lastError());
    }
    // A setting of each connection, not of the file.
    if (status.ok() && !m_dialect.isServer())
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
    m_open = status.ok();
    return status;
}

ArchiveStatus ArchiveStore::openFile(const QString &path, int busyTimeoutMs)
{
    close();
    m_dialect = ArchiveDialect(ArchiveDialect::SQLite);
    m_path = path;
    ArchiveStatus status = openFileOnce(busyTimeoutMs);
    if (status.kind == ArchiveStatus::Corrupt) {
        // Keep the damaged file for whoever can rescue it; start afresh with
        // what can still be read from it.
        close();
        const SalvagedArchive salvaged = salvageArchive(m_path);
        status = moveAside();
        if (!status.ok())
            return status;
        const QString movedTo = status.movedAside;
        status = openFileOnce(busyTimeoutMs);
        if (status.ok())
            status = keepSalvaged(salvaged);
        status.movedAside = movedTo;
    }
    if (!status.ok()) {
        close();
        return status;
    }
    m_open = true;
    return status;
}

ArchiveStatus ArchiveStore::openServer(const ArchiveServer &server)
{
    close();
    m_dialect = ArchiveDialect(ArchiveDialect::PostgreSQL);
    m_server = server;
    ArchiveStatus status;
    {
        QSqlDatabase db = addServerConnection(server, m_connection);
        if (!db.isValid())
            return ArchiveStatus::failure(ArchiveStatus::CannotOpen, QLatin1String(kServerDriver));
        if (!db.open())
            status = m_dialect.statusOf(db.lastError());
    }
    if (status.ok())
        status = migrate();
    if (!status.ok())
        return status;
    // Without them browsing is slow, not wrong (a station may not own the table).
    const ArchiveStatus indexed = createIndexes();
    if (!indexed.ok())
        logLine("ArchiveStore: " + indexed.detail.toLocal8Bit());
    m_open = true;
    return status;
}

ArchiveStatus ArchiveStore::createIndexes()
{
    for (const QString &statement : ArchiveSchema::indexStatements()) {
        const ArchiveStatus status = exec(statement);
        if (!status.ok())
            return status;
    }
    return {};
}

ArchiveStatus ArchiveStore::openFileOnce(int busyTimeoutMs)
{
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath()))
        return ArchiveStatus::failure(ArchiveStatus::CannotOpen, file.absolutePath());
    if (file.exists() && !file.isFile())
        return ArchiveStatus::failure(ArchiveStatus::CannotOpen, m_path);

    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(kFileDriver), m_connection);
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
    const ArchiveStatus indexed = createIndexes();
    if (!indexed.ok())
        logLine("ArchiveStore::open: " + indexed.detail.toLocal8Bit());
    return status;
}

ArchiveStatus ArchiveStore::keepSalvaged(const SalvagedArchive &salvaged)
{
    QList<StoredRecord> kept, waiting;
    for (const ArchivedMeasurement &record : salvaged.records) {
        (salvaged.waiting.contains(record.id) ? waiting : kept).append(storedRecordOf(record));
    }
    ArchiveStatus status = storeRows(kept, false, nullptr, {});
    if (status.ok())
        status = storeRows(waiting, true, nullptr, {});
    int keptRows = 0;
    if (status.ok())
        status = keepSalvagedRows(salvaged, keptRows);
    if (status.ok()) {
        status.keptRecordsRecovered = keptRows;
        status.recovered = kept.size() + waiting.size();
        status.waitingRecovered = waiting.size();
    }
    status.waitingBefore = salvaged.waitingBefore;
    return status;
}

namespace {

// "4 5 9" with each id replaced by its new one; 0 for a measurement not read back.
QString renumberedIds(const QString &ids, const QHash<qint64, qint64> &newIds)
{
    QStringList renumbered;
    for (const QString &id : ids.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        renumbered << QString::number(newIds.value(id.toLongLong(), 0));
    return renumbered.join(QLatin1Char(' '));
}

} // namespace

ArchiveStatus ArchiveStore::keepSalvagedRows(const SalvagedArchive &salvaged, int &kept)
{
    kept = 0;
    QHash<qint64, qint64> newIds;
    for (const ArchivedMeasurement &record : salvaged.records)
        newIds.insert(record.id, idOf(record.device.serialNr, record.measurement).value_or(0));
    ArchiveStatus status = exec(m_dialect.beginWrite());
    for (const SalvagedRows &table : salvaged.keptRows) {
        const int idsColumn = measurementIdsColumn(table);
        QStringList marks;
        while (marks.size() < table.columns.size())
            marks << QStringLiteral("?");
        QSqlQuery insert(database());
        insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(table.table, table.columns.join(QStringLiteral(", ")),
                                marks.join(QStringLiteral(", "))));
        for (QVariantList row : table.rows) {
            if (!status.ok())
                break;
            if (idsColumn >= 0)
                row[idsColumn] = renumberedIds(row.at(idsColumn).toString(), newIds);
            for (const QVariant &value : qAsConst(row))
                insert.addBindValue(value);
            if (insert.exec())
                ++kept;
            else
                status = statusOf(insert);
        }
    }
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok()) {
        exec(QStringLiteral("ROLLBACK"));
        logLine("ArchiveStore::keepSalvaged: " + status.detail.toLocal8Bit());
        kept = 0;
    }
    return status;
}

ArchiveStatus ArchiveStore::checkIntegrity()
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

ArchiveStatus ArchiveStore::migrate()
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

ArchiveStatus ArchiveStore::migrateStep(int &version)
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
            logLine("ArchiveStore::migrate: " + location().toLocal8Bit() + " version " +
                    QByteArray::number(version));
        }
    }
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok())
        exec(QStringLiteral("ROLLBACK"));
    return status;
}

ArchiveStatus ArchiveStore::moveAside()
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
    logLine("ArchiveStore::open: " + m_path.toLocal8Bit() + " damaged, moved to " +
            target.toLocal8Bit());
    ArchiveStatus status;
    status.movedAside = target;
    return status;
}

ArchiveStatus ArchiveStore::exec(const QString &sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql))
        return statusOf(query);
    return {};
}

ArchiveStatus ArchiveStore::statusOf(const QSqlQuery &query) const
{
    return m_dialect.statusOf(query.lastError());
}

namespace {

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks.append(QStringLiteral("?"));
    return marks.join(QStringLiteral(", "));
}

// A file's row names everything; a server's only what a station may send.
QStringList insertedColumns(bool onServer)
{
    if (onServer)
        return ArchiveSchema::stationColumns();
    return RecordChain::columns() + QStringList{QStringLiteral("samples"),
                                                QStringLiteral("designation"),
                                                QStringLiteral("chain_hash"),
                                                QStringLiteral("link_version")};
}

} // namespace

struct RowStatements
{
    RowStatements(const QSqlDatabase &db, bool onServer)
        : onServer(onServer), insert(db), lastLink(db), find(db), queue(db)
    {
        const QStringList columns = insertedColumns(onServer);
        // Only the same measurement is no conflict: any other stays an error.
        insert.prepare(QStringLiteral("INSERT INTO measurement (%1) VALUES (%2) ON CONFLICT"
                                      " (serial_nr, date_text, time_text, sample_count,"
                                      " samples_sha256) DO NOTHING")
                           .arg(columns.join(QStringLiteral(", ")), placeholders(columns.size())));
        lastLink.prepare(QStringLiteral("SELECT last_link FROM chain_head WHERE station = ?"));
        find.prepare(ArchiveSql::kFindIdentical);
        queue.prepare(QStringLiteral(
            "INSERT INTO upload_queue (measurement_id) VALUES (?) ON CONFLICT DO NOTHING"));
    }

    bool onServer;
    QSqlQuery insert;
    QSqlQuery lastLink;
    QSqlQuery find;
    QSqlQuery queue;
};

ArchiveStatus ArchiveStore::storeRows(const QList<StoredRecord> &rows, bool queue,
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
    int newRecords = 0;
    int stored = 0;
    {
        RowStatements statements(database(), m_dialect.isServer());
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
        logLine("ArchiveStore::storeRecords: " + status.detail.toLocal8Bit());
        return status;
    }
    if (added)
        *added = newRecords;
    return status;
}

namespace {

// Every column of a record's row, by name.
QHash<QString, QVariant> rowValues(const StoredRecord &row, const QByteArray &blob,
                                   const QByteArray &hash)
{
    const Measurement &m = *row.measurement;
    return {
        {QStringLiteral("station"), row.station},
        {QStringLiteral("serial_nr"), ArchiveSql::text(row.device.serialNr)},
        {QStringLiteral("sw_version"), ArchiveSql::text(row.device.swVersion)},
        {QStringLiteral("slot"), m.number},
        {QStringLiteral("date_text"), ArchiveSql::text(m.dateText)},
        {QStringLiteral("time_text"), ArchiveSql::text(m.timeText)},
        {QStringLiteral("taken_at"), ArchiveSql::takenAt(m)},
        {QStringLiteral("force_unit"), row.device.forceUnit},
        {QStringLiteral("sample_rate"), ArchiveSql::real(m.sampleRate)},
        {QStringLiteral("sample_count"), qint64(m.sampleCount)},
        {QStringLiteral("samples"), blob},
        {QStringLiteral("samples_sha256"), hash},
        {QStringLiteral("force_start"), ArchiveSql::real(m.forceStart)},
        {QStringLiteral("force_end"), ArchiveSql::real(m.forceEnd)},
        {QStringLiteral("force_max"), ArchiveSql::real(m.forceMax)},
        {QStringLiteral("force_avg"), ArchiveSql::real(m.forceAvg)},
        {QStringLiteral("downloaded_at"), row.downloadedAt},
        {QStringLiteral("received_at"),
         QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
        {QStringLiteral("source"), row.source},
        {QStringLiteral("designation"),
         row.designation.isNull() ? QStringLiteral("") : row.designation},
        {QStringLiteral("complete"), isCompleteRecord(m) ? 1 : 0},
        {QStringLiteral("link_version"), RecordChain::kVersion},
    };
}

QVariantList valuesOf(const QHash<QString, QVariant> &row, const QStringList &columns)
{
    QVariantList values;
    for (const QString &column : columns)
        values.append(row.value(column));
    return values;
}

} // namespace

ArchiveStatus ArchiveStore::insertRow(RowStatements &statements, const StoredRecord &row,
                                            bool queue, bool &added)
{
    const QByteArray blob = samplesToBlob(row.measurement->forces);
    const QByteArray hash = samplesHash(blob);
    QHash<QString, QVariant> values = rowValues(row, blob, hash);
    // A server links its records itself; a file's are linked here, under its
    // write lock, to the station's head.
    if (!statements.onServer) {
        statements.lastLink.addBindValue(row.station);
        if (!statements.lastLink.exec())
            return statusOf(statements.lastLink);
        const QByteArray previous =
            statements.lastLink.next() ? statements.lastLink.value(0).toByteArray() : QByteArray();
        statements.lastLink.finish();
        values.insert(QStringLiteral("chain_hash"),
                      RecordChain::link(RecordChain::kVersion, previous,
                                        valuesOf(values, RecordChain::columns())));
    }
    for (const QVariant &value : valuesOf(values, insertedColumns(statements.onServer)))
        statements.insert.addBindValue(value);
    if (!statements.insert.exec())
        return statusOf(statements.insert);
    added = statements.insert.numRowsAffected() == 1;
    if (!queue)
        return {};

    ArchiveSql::bindIdentity(statements.find, row.device.serialNr, *row.measurement, hash);
    if (!statements.find.exec() || !statements.find.next())
        return statusOf(statements.find);
    statements.queue.addBindValue(statements.find.value(0));
    statements.find.finish();
    if (!statements.queue.exec())
        return statusOf(statements.queue);
    return {};
}
