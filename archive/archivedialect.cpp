#include "archive/archivedialect.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Any fixed number: every station's first connection to an empty server
// takes this lock before it creates the schema.
constexpr qint64 kMigrationLockKey = 0x74737078; // "tspx"

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

ArchiveStatus::Kind kindOfSqliteCode(const QString &nativeErrorCode)
{
    bool isNumber = false;
    const int code = nativeErrorCode.toInt(&isNumber);
    if (!isNumber)
        return ArchiveStatus::Failed;
    switch (code) {
    case kSqliteBusy:
    case kSqliteLocked:
        return ArchiveStatus::Locked;
    case kSqlitePerm:
    case kSqliteReadOnly:
        return ArchiveStatus::ReadOnly;
    case kSqliteFull:
        return ArchiveStatus::DiskFull;
    case kSqliteCorrupt:
    case kSqliteNotADb:
        return ArchiveStatus::Corrupt;
    case kSqliteCantOpen:
        return ArchiveStatus::CannotOpen;
    default:
        return ArchiveStatus::Failed;
    }
}

// PostgreSQL's SQLSTATE codes (class or exact code) and what they mean here.
ArchiveStatus::Kind kindOfSqlState(const QString &state)
{
    // Every error the server sends has its SQLSTATE; one without was libpq's
    // own: the connection is gone ("no connection to the server").
    if (state.isEmpty())
        return ArchiveStatus::CannotOpen;
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")))
        return ArchiveStatus::CannotOpen; // the connection failed, or the server shut down
    if (state == QLatin1String("42501"))
        return ArchiveStatus::ReadOnly; // insufficient privilege
    if (state == QLatin1String("53100"))
        return ArchiveStatus::DiskFull;
    if (state == QLatin1String("40P01") || state == QLatin1String("55P03"))
        return ArchiveStatus::Locked;
    return ArchiveStatus::Failed;
}

} // namespace

ArchiveDialect ArchiveDialect::of(const QSqlDatabase &db)
{
    return ArchiveDialect(db.driverName() == QLatin1String("QPSQL") ? PostgreSQL : SQLite);
}

QString ArchiveDialect::beginWrite() const
{
    return isServer() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

QString ArchiveDialect::schemaSql(QString statement) const
{
    statement.replace(QLatin1String("{id}"), isServer() ? QLatin1String("BIGSERIAL PRIMARY KEY")
                                                        : QLatin1String("INTEGER PRIMARY KEY"));
    statement.replace(QLatin1String("{blob}"),
                      isServer() ? QLatin1String("BYTEA") : QLatin1String("BLOB"));
    statement.replace(QLatin1String("{real}"),
                      isServer() ? QLatin1String("DOUBLE PRECISION") : QLatin1String("REAL"));
    return statement;
}

int ArchiveDialect::readVersion(QSqlDatabase &db, QSqlError *error) const
{
    QSqlQuery query(db);
    if (!isServer()) {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            *error = query.lastError();
            return -1;
        }
        return query.value(0).toInt();
    }
    // Whether the table exists, whatever the role may see of it.
    if (!query.exec(QStringLiteral("SELECT to_regclass('archive_schema') IS NOT NULL")) ||
        !query.next()) {
        *error = query.lastError();
        return -1;
    }
    if (!query.value(0).toBool())
        return 0;
    if (!query.exec(QStringLiteral("SELECT version FROM archive_schema")) || !query.next()) {
        *error = query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

QStringList ArchiveDialect::writeVersionSql(int version) const
{
    if (!isServer())
        return {QStringLiteral("PRAGMA user_version=%1").arg(version)};
    if (version == 1)
        return {QStringLiteral("CREATE TABLE archive_schema (version INTEGER NOT NULL)"),
                QStringLiteral("INSERT INTO archive_schema VALUES (1)")};
    return {QStringLiteral("UPDATE archive_schema SET version = %1").arg(version)};
}

QString ArchiveDialect::migrationLockSql() const
{
    return isServer() ? QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kMigrationLockKey)
                      : QString();
}

ArchiveStatus ArchiveDialect::statusOf(const QSqlError &error) const
{
    if (!isServer())
        return ArchiveStatus::failure(kindOfSqliteCode(error.nativeErrorCode()), error.text());
    ArchiveStatus::Kind kind = kindOfSqlState(error.nativeErrorCode());
    if (error.type() == QSqlError::ConnectionError)
        kind = ArchiveStatus::CannotOpen;
    return ArchiveStatus::failure(kind, error.text());
}
