#pragma once

#include "archive/archivetypes.h"

#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlError;

// What differs between the two databases that hold an archive: the SQL of a
// few statements, where the schema version is kept, and how errors read.
// Everything else is the same SQL on both.
class ArchiveDialect
{
public:
    enum Kind
    {
        SQLite,
        PostgreSQL,
    };

    explicit ArchiveDialect(Kind kind = SQLite) : m_kind(kind) {}
    // The dialect of an open connection, by its driver.
    static ArchiveDialect of(const QSqlDatabase &db);
    Kind kind() const { return m_kind; }
    bool isServer() const { return m_kind == PostgreSQL; }

    // A transaction that writes: SQLite takes the write lock at once.
    QString beginWrite() const;
    // A statement of the schema with its types filled in: {id}, {blob}, {real}.
    QString schemaSql(QString statement) const;

    // The schema version (0 for an empty database); -1 when it cannot be read.
    int readVersion(QSqlDatabase &db, QSqlError *error) const;
    // The statements that record `version` as the database's schema version.
    QStringList writeVersionSql(int version) const;
    // Serialises schema migrations of concurrent first connections.
    QString migrationLockSql() const;

    // A failed call in words the window can show: SQLite's result codes and
    // PostgreSQL's SQLSTATEs mapped to one set of kinds (a lost server
    // connection is CannotOpen).
    ArchiveStatus statusOf(const QSqlError &error) const;

private:
    Kind m_kind;
};
