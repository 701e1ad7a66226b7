#include "archive/keptrecords.h"

#include "archive/archivedialect.h"
#include "archive/archiveschema.h"
#include "archive/measurementarchive.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace KeptRecords {

namespace {

ArchiveDialect dialectOf(const MeasurementArchive &archive)
{
    return ArchiveDialect(archive.isOnServer() ? ArchiveDialect::PostgreSQL
                                               : ArchiveDialect::SQLite);
}

ArchiveStatus usable(const MeasurementArchive &archive)
{
    if (!archive.isOpen())
        return ArchiveStatus::failure(ArchiveStatus::NotOpen);
    if (archive.isOnServer() && !archive.isOnline())
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, archive.serverStatus().detail);
    return {};
}

} // namespace

ArchiveStatus add(MeasurementArchive &archive, const QString &table, const QVariantList &values,
                  qint64 *id)
{
    const ArchiveStatus status = usable(archive);
    if (!status.ok())
        return status;
    const ArchiveDialect dialect = dialectOf(archive);
    QStringList columns = ArchiveSchema::keptRecordColumns(table);
    QVariantList bound = values;
    if (!dialect.isServer()) {
        columns << QStringLiteral("station") << QStringLiteral("received_at");
        bound << archive.station()
              << QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    }
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table, columns.join(QStringLiteral(", ")),
                           marks.join(QStringLiteral(", ")));
    if (dialect.isServer())
        sql += QStringLiteral(" RETURNING id");
    QSqlQuery query(QSqlDatabase::database(archive.connectionName(), false));
    query.prepare(sql);
    for (const QVariant &value : qAsConst(bound)) {
        // A text column never holds NULL: a null text binds as ''.
        const bool nullText = value.type() == QVariant::String && value.toString().isNull();
        query.addBindValue(nullText ? QVariant(QStringLiteral("")) : value);
    }
    if (!query.exec())
        return dialect.statusOf(query.lastError());
    if (id)
        *id = dialect.isServer() && query.next() ? query.value(0).toLongLong()
                                                 : query.lastInsertId().toLongLong();
    return {};
}

ArchiveStatus select(MeasurementArchive &archive, const QString &sql, const QVariantList &values,
                     QSqlQuery &query)
{
    const ArchiveStatus status = usable(archive);
    if (!status.ok())
        return status;
    query = QSqlQuery(QSqlDatabase::database(archive.connectionName(), false));
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return dialectOf(archive).statusOf(query.lastError());
    return {};
}

} // namespace KeptRecords
