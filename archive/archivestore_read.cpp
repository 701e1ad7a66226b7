#include "archive/archivefiltersql.h"
#include "archive/archivesql.h"
#include "archive/archivestore.h"
#include "archive/sampleblob.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

std::optional<qint64> ArchiveStore::findQuick(const QuickKey &key)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT id FROM measurement WHERE serial_nr = ? AND date_text = ? AND time_text = ?"
        " AND sample_count = ? AND sample_rate = ? AND force_start = ? AND force_end = ?"
        " AND force_max = ? AND force_avg = ? AND source = ? AND complete = 1"
        " ORDER BY id LIMIT 1"));
    query.addBindValue(ArchiveSql::text(key.serialNr));
    query.addBindValue(ArchiveSql::text(key.dateText));
    query.addBindValue(ArchiveSql::text(key.timeText));
    query.addBindValue(qint64(key.sampleCount));
    query.addBindValue(ArchiveSql::real(key.sampleRate));
    query.addBindValue(ArchiveSql::real(key.forceStart));
    query.addBindValue(ArchiveSql::real(key.forceEnd));
    query.addBindValue(ArchiveSql::real(key.forceMax));
    query.addBindValue(ArchiveSql::real(key.forceAvg));
    query.addBindValue(QLatin1String(ArchiveSql::kGaugeSource));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<qint64> ArchiveStore::idOf(const QByteArray &serialNr,
                                                 const Measurement &measurement)
{
    QSqlQuery query(database());
    query.prepare(ArchiveSql::kFindIdentical);
    ArchiveSql::bindIdentity(query, serialNr, measurement,
                             samplesHash(samplesToBlob(measurement.forces)));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool ArchiveStore::mayHold(const QByteArray &serialNr, const QByteArray &dateText,
                                     const QByteArray &timeText, uint32_t sampleCount)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT 1 FROM measurement WHERE serial_nr = ? AND date_text = ? AND time_text = ?"
        " AND sample_count = ? LIMIT 1"));
    query.addBindValue(ArchiveSql::text(serialNr));
    query.addBindValue(ArchiveSql::text(dateText));
    query.addBindValue(ArchiveSql::text(timeText));
    query.addBindValue(qint64(sampleCount));
    return query.exec() && query.next();
}

std::optional<ArchivedMeasurement> ArchiveStore::load(qint64 id, ArchiveStatus *status)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT %1 FROM measurement WHERE id = ?")
                      .arg(ArchiveSql::kRecordColumns));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) {
        if (status && query.lastError().isValid())
            *status = statusOf(query);
        return std::nullopt;
    }
    std::optional<ArchivedMeasurement> a = ArchiveSql::recordFromRow(query, id);
    if (!a && status)
        *status = ArchiveStatus::failure(ArchiveStatus::Corrupt, QString::number(id));
    return a;
}

QList<ArchiveEntry> ArchiveStore::entries(const ArchiveFilter &filter, ArchiveStatus *status)
{
    QList<ArchiveEntry> list;
    const ArchiveFilterSql where = ArchiveFilterSql::matches(filter);
    const QVariantList &values = where.values;
    const QString sql = QStringLiteral("SELECT id, serial_nr, slot, date_text, time_text,"
                                       " sample_count, designation, station, force_max"
                                       " FROM measurement") +
                        where.where + ArchiveSql::kEntriesOrder;

    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : qAsConst(values))
        query.addBindValue(value);
    if (!query.exec()) {
        if (status)
            *status = statusOf(query);
        return list;
    }
    while (query.next()) {
        ArchiveEntry e;
        e.id = query.value(0).toLongLong();
        e.serialNr = query.value(1).toString().toLatin1();
        e.slot = query.value(2).toInt();
        e.dateText = query.value(3).toString().toLatin1();
        e.timeText = query.value(4).toString().toLatin1();
        e.day = measurementDate(e.dateText);
        e.sampleCount = uint32_t(query.value(5).toLongLong());
        e.designation = query.value(6).toString();
        e.station = query.value(7).toString();
        e.forceMax = float(query.value(8).toDouble());
        list.append(e);
    }
    return list;
}

ArchiveStatus ArchiveStore::setDesignation(qint64 id, const QString &designation)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE measurement SET designation = ? WHERE id = ?"));
    query.addBindValue(designation.isNull() ? QString(QLatin1String("")) : designation);
    query.addBindValue(id);
    if (!query.exec())
        return statusOf(query);
    return {};
}

QList<qint64> ArchiveStore::sameMinute(const QByteArray &serialNr,
                                                 const Measurement &measurement)
{
    QList<qint64> ids;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id FROM measurement WHERE serial_nr = ? AND date_text = ?"
                                 " AND substr(time_text, 1, 5) = ? AND sample_count = ?"));
    query.addBindValue(ArchiveSql::text(serialNr));
    query.addBindValue(ArchiveSql::text(measurement.dateText));
    query.addBindValue(ArchiveSql::text(measurement.timeText.left(5)));
    query.addBindValue(qint64(measurement.sampleCount));
    if (query.exec()) {
        while (query.next())
            ids.append(query.value(0).toLongLong());
    }
    return ids;
}

QList<qint64> ArchiveStore::queuedIds()
{
    QList<qint64> ids;
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("SELECT measurement_id FROM upload_queue ORDER BY measurement_id"))) {
        while (query.next())
            ids.append(query.value(0).toLongLong());
    }
    return ids;
}

ArchiveStatus ArchiveStore::dequeue(const QList<qint64> &ids, const QString &server)
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
    if (status.ok() && !server.isEmpty())
        status = forgetMissing(server, ids);
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok())
        exec(QStringLiteral("ROLLBACK"));
    return status;
}

int ArchiveStore::count()
{
    QSqlQuery query(database());
    if (!m_open || !query.exec(QStringLiteral("SELECT count(*) FROM measurement")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

int ArchiveStore::queuedCount()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM upload_queue")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

ChainReport ArchiveStore::verify()
{
    QSqlDatabase db = database();
    return verifyChains(db);
}

ArchiveStatus ArchiveStore::enqueue(const QList<qint64> &ids)
{
    ArchiveStatus status = exec(m_dialect.beginWrite());
    QSqlQuery add(database());
    add.prepare(QStringLiteral(
        "INSERT INTO upload_queue (measurement_id) VALUES (?) ON CONFLICT DO NOTHING"));
    for (qint64 id : ids) {
        if (!status.ok())
            break;
        add.addBindValue(id);
        if (!add.exec())
            status = statusOf(add);
    }
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok())
        exec(QStringLiteral("ROLLBACK"));
    return status;
}

QList<RecordIdentity> ArchiveStore::recordsAfter(qint64 afterId, int limit, ArchiveStatus *status)
{
    QList<RecordIdentity> records;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT id, serial_nr, date_text, time_text, sample_count, samples_sha256,"
        " EXISTS (SELECT 1 FROM upload_queue WHERE measurement_id = measurement.id)"
        " FROM measurement WHERE id > ? ORDER BY id LIMIT ?"));
    query.addBindValue(afterId);
    query.addBindValue(limit);
    if (!query.exec()) {
        if (status)
            *status = statusOf(query);
        return records;
    }
    while (query.next()) {
        records.append(RecordIdentity{query.value(0).toLongLong(), query.value(1).toString(),
                                      query.value(2).toString(), query.value(3).toString(),
                                      query.value(4).toLongLong(), query.value(5).toByteArray(),
                                      query.value(6).toBool()});
    }
    if (query.lastError().isValid() && status)
        *status = statusOf(query);
    return records;
}

namespace {

QString identityKey(const QString &serialNr, const QString &dateText, const QString &timeText,
                    qint64 sampleCount, const QByteArray &sha256)
{
    return QStringList{serialNr, dateText, timeText, QString::number(sampleCount),
                       QString::fromLatin1(sha256.toHex())}
        .join(QChar(0));
}

} // namespace

QSet<qint64> ArchiveStore::held(const QList<RecordIdentity> &records, ArchiveStatus *status)
{
    QSet<qint64> found;
    if (records.isEmpty())
        return found;
    // One statement for all: each term is a look-up on the unique key's index.
    QStringList terms;
    for (int i = 0; i < records.size(); ++i)
        terms.append(QStringLiteral("(serial_nr = ? AND date_text = ? AND time_text = ?"
                                    " AND sample_count = ? AND samples_sha256 = ?)"));
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT serial_nr, date_text, time_text, sample_count,"
                                 " samples_sha256 FROM measurement WHERE ") +
                  terms.join(QStringLiteral(" OR ")));
    for (const RecordIdentity &r : records) {
        query.addBindValue(r.serialNr);
        query.addBindValue(r.dateText);
        query.addBindValue(r.timeText);
        query.addBindValue(r.sampleCount);
        query.addBindValue(r.samplesSha256);
    }
    if (!query.exec()) {
        if (status)
            *status = statusOf(query);
        return found;
    }
    QSet<QString> keys;
    while (query.next())
        keys.insert(identityKey(query.value(0).toString(), query.value(1).toString(),
                                query.value(2).toString(), query.value(3).toLongLong(),
                                query.value(4).toByteArray()));
    for (const RecordIdentity &r : records) {
        if (keys.contains(identityKey(r.serialNr, r.dateText, r.timeText, r.sampleCount,
                                      r.samplesSha256)))
            found.insert(r.id);
    }
    return found;
}
