#include "archive/archivegroupreader.h"

#include "archive/archivedialect.h"
#include "archive/archivefiltersql.h"
#include "archive/archivesql.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

bool run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

} // namespace

QList<qint64> ArchiveGroupReader::matchingIds(const ArchiveFilter &filter, ArchiveStatus *status)
{
    const QSqlDatabase db = QSqlDatabase::database(m_source.connection, false);
    const ArchiveFilterSql where = ArchiveFilterSql::matches(filter);
    QSqlQuery query(db);
    QList<qint64> ids;
    if (!run(query, QStringLiteral("SELECT id FROM measurement") + where.where +
                        ArchiveSql::kEntriesOrder,
             where.values)) {
        if (status)
            *status = ArchiveDialect::of(db).statusOf(query.lastError());
        return ids;
    }
    const qint64 sign = m_source.spool ? -1 : 1;
    while (query.next())
        ids.append(sign * query.value(0).toLongLong());
    return ids;
}

std::vector<ArchivedMeasurement> ArchiveGroupReader::load(const QList<qint64> &ids,
                                                          ArchiveStatus *status)
{
    std::vector<ArchivedMeasurement> records;
    if (ids.isEmpty())
        return records;
    const QSqlDatabase db = QSqlDatabase::database(m_source.connection, false);
    const qint64 sign = m_source.spool ? -1 : 1;
    QVariantList values;
    QStringList marks;
    for (qint64 id : ids) {
        values.append(sign * id);
        marks.append(QStringLiteral("?"));
    }
    QSqlQuery query(db);
    if (!run(query,
             QStringLiteral("SELECT id, %1 FROM measurement WHERE id IN (%2)")
                 .arg(ArchiveSql::kRecordColumns, marks.join(QLatin1Char(','))),
             values)) {
        if (status)
            *status = ArchiveDialect::of(db).statusOf(query.lastError());
        return records;
    }
    // The database returns them in its own order; they go out in the order asked.
    QHash<qint64, ArchivedMeasurement> byId;
    byId.reserve(ids.size());
    while (query.next()) {
        const qint64 id = sign * query.value(0).toLongLong();
        std::optional<ArchivedMeasurement> a = ArchiveSql::recordFromRow(query, id, 1);
        if (!a) {
            if (status)
                *status = ArchiveStatus::failure(ArchiveStatus::Corrupt, QString::number(id));
            return {};
        }
        byId.insert(id, std::move(*a));
    }
    records.reserve(ids.size());
    for (qint64 id : ids) {
        auto found = byId.find(id);
        if (found != byId.end())
            records.push_back(std::move(*found));
    }
    return records;
}
