#include "archive/archivestore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// The marks belong to a spool file alone and are made on first use, outside
// the schema's versions: a file without them (an older one, or one started
// again from a damaged one) is checked whole once more, which costs time but
// skips nothing. Ids in a file only grow, so a record added later is always
// above every mark.

namespace {

const QStringList &markTables()
{
    static const QStringList tables{
        QStringLiteral("CREATE TABLE IF NOT EXISTS server_checked"
                       " (server TEXT PRIMARY KEY, checked_to BIGINT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS server_missing"
                       " (server TEXT NOT NULL, measurement_id BIGINT NOT NULL,"
                       " PRIMARY KEY (server, measurement_id))")};
    return tables;
}

} // namespace

bool ArchiveStore::keepsServerMarks()
{
    QSqlQuery query(database());
    return query.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table'"
                                     " AND name = 'server_missing'")) &&
           query.next();
}

qint64 ArchiveStore::checkedUpTo(const QString &server)
{
    if (server.isEmpty() || m_dialect.isServer() || !keepsServerMarks())
        return 0;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT checked_to FROM server_checked WHERE server = ?"));
    query.addBindValue(server);
    // Unreadable: no mark, so everything is checked again.
    if (!query.exec() || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

QList<qint64> ArchiveStore::missingOn(const QString &server, ArchiveStatus *status)
{
    QList<qint64> ids;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT measurement_id FROM server_missing m WHERE server = ? AND NOT EXISTS"
        " (SELECT 1 FROM upload_queue q WHERE q.measurement_id = m.measurement_id)"
        " ORDER BY measurement_id"));
    query.addBindValue(server);
    if (!query.exec()) {
        if (status)
            *status = statusOf(query);
        return ids;
    }
    while (query.next())
        ids.append(query.value(0).toLongLong());
    if (query.lastError().isValid() && status)
        *status = statusOf(query);
    return ids;
}

ArchiveStatus ArchiveStore::markChecked(const QString &server, qint64 upTo,
                                        const QList<qint64> &missing)
{
    if (server.isEmpty() || m_dialect.isServer())
        return {};
    ArchiveStatus status = exec(m_dialect.beginWrite());
    for (const QString &table : markTables()) {
        if (status.ok())
            status = exec(table);
    }
    QSqlQuery add(database());
    add.prepare(QStringLiteral("INSERT INTO server_missing (server, measurement_id) VALUES (?, ?)"
                               " ON CONFLICT DO NOTHING"));
    for (qint64 id : missing) {
        if (!status.ok())
            break;
        add.addBindValue(server);
        add.addBindValue(id);
        if (!add.exec())
            status = statusOf(add);
    }
    QSqlQuery mark(database());
    mark.prepare(QStringLiteral(
        "INSERT INTO server_checked (server, checked_to) VALUES (?, ?) ON CONFLICT (server)"
        " DO UPDATE SET checked_to = max(checked_to, excluded.checked_to)"));
    mark.addBindValue(server);
    mark.addBindValue(upTo);
    if (status.ok() && !mark.exec())
        status = statusOf(mark);
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok())
        exec(QStringLiteral("ROLLBACK"));
    return status;
}

ArchiveStatus ArchiveStore::forgetMissing(const QString &server, const QList<qint64> &ids)
{
    if (!keepsServerMarks())
        return {};
    QSqlQuery remove(database());
    remove.prepare(
        QStringLiteral("DELETE FROM server_missing WHERE server = ? AND measurement_id = ?"));
    for (qint64 id : ids) {
        remove.addBindValue(server);
        remove.addBindValue(id);
        if (!remove.exec())
            return statusOf(remove);
    }
    return {};
}

QString ArchiveStore::serverIdentity()
{
    if (!m_dialect.isServer())
        return QString();
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral(
            "SELECT oid FROM pg_database WHERE datname = current_database()")) ||
        !query.next())
        return QString();
    return serverLocation(m_server) + QStringLiteral("#") + query.value(0).toString();
}
