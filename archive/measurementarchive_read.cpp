#include "archive/archivesql.h"
#include "archive/measurementarchive.h"
#include "archive/sampleblob.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// Each look-up asks the server (or the file) first and then the spool, whose
// records wait for the server: they are kept as surely as those on it.

namespace {

const QString kIsoDate = QStringLiteral("yyyy-MM-dd");

std::optional<qint64> spoolId(std::optional<qint64> id)
{
    return id ? std::optional<qint64>(-*id) : std::nullopt;
}

QList<ArchiveEntry> withSpoolIds(QList<ArchiveEntry> entries)
{
    for (ArchiveEntry &e : entries)
        e.id = -e.id;
    return entries;
}

} // namespace

std::optional<qint64> MeasurementArchive::findQuick(const QuickKey &key)
{
    if (!m_open)
        return std::nullopt;
    if (!m_spool)
        return findQuickHere(key);
    const std::optional<qint64> id = m_online ? findQuickHere(key) : std::nullopt;
    return id ? id : spoolId(m_spool->findQuickHere(key));
}

std::optional<qint64> MeasurementArchive::idOf(const QByteArray &serialNr,
                                               const Measurement &measurement)
{
    return holdsAllSamples(measurement) ? idAsReceived(serialNr, measurement) : std::nullopt;
}

std::optional<qint64> MeasurementArchive::idAsReceived(const QByteArray &serialNr,
                                                       const Measurement &measurement)
{
    if (!m_open)
        return std::nullopt;
    if (!m_spool)
        return idHere(serialNr, measurement);
    const std::optional<qint64> id = m_online ? idHere(serialNr, measurement) : std::nullopt;
    return id ? id : spoolId(m_spool->idHere(serialNr, measurement));
}

bool MeasurementArchive::mayHold(const QByteArray &serialNr, const QByteArray &dateText,
                                 const QByteArray &timeText, uint32_t sampleCount)
{
    if (!m_open)
        return false;
    if (!m_spool)
        return mayHoldHere(serialNr, dateText, timeText, sampleCount);
    return (m_online && mayHoldHere(serialNr, dateText, timeText, sampleCount)) ||
           m_spool->mayHoldHere(serialNr, dateText, timeText, sampleCount);
}

std::optional<ArchivedMeasurement> MeasurementArchive::load(qint64 id, ArchiveStatus *status)
{
    if (status)
        *status = {};
    if (m_open && m_spool && id < 0) {
        std::optional<ArchivedMeasurement> a = m_spool->loadHere(-id, status);
        if (a)
            a->id = id;
        return a;
    }
    if (!m_open || readsSpool()) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::NotOpen, location());
        return std::nullopt;
    }
    return loadHere(id, status);
}

QList<ArchiveEntry> MeasurementArchive::entries(const ArchiveFilter &filter, ArchiveStatus *status)
{
    if (status)
        *status = {};
    if (!m_open) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
        return {};
    }
    if (readsSpool())
        return withSpoolIds(m_spool->entriesHere(filter, status));
    return entriesHere(filter, status);
}

ArchiveStatus MeasurementArchive::setDesignation(qint64 id, const QString &designation)
{
    if (m_open && m_spool && id < 0)
        return m_spool->setDesignationHere(-id, designation);
    if (!m_open || readsSpool())
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, location());
    return setDesignationHere(id, designation);
}

int MeasurementArchive::count()
{
    if (readsSpool())
        return m_spool->count();
    QSqlQuery query(database());
    if (!m_open || !query.exec(QStringLiteral("SELECT count(*) FROM measurement")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

QList<qint64> MeasurementArchive::sameMinute(const QByteArray &serialNr,
                                             const Measurement &measurement)
{
    if (!m_open)
        return {};
    if (!readsSpool())
        return sameMinuteHere(serialNr, measurement);
    QList<qint64> ids = m_spool->sameMinuteHere(serialNr, measurement);
    for (qint64 &id : ids)
        id = -id;
    return ids;
}

std::optional<qint64> MeasurementArchive::findQuickHere(const QuickKey &key)
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

std::optional<qint64> MeasurementArchive::idHere(const QByteArray &serialNr,
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

bool MeasurementArchive::mayHoldHere(const QByteArray &serialNr, const QByteArray &dateText,
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

std::optional<ArchivedMeasurement> MeasurementArchive::loadHere(qint64 id, ArchiveStatus *status)
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

QList<ArchiveEntry> MeasurementArchive::entriesHere(const ArchiveFilter &filter,
                                                    ArchiveStatus *status)
{
    QList<ArchiveEntry> list;
    // lower() on both sides: LIKE ignores case on SQLite only.
    QStringList conditions;
    QVariantList values;
    const QString like = QStringLiteral("lower(%1) LIKE lower(?) ESCAPE '\\'");
    if (!filter.text.isEmpty()) {
        conditions << QLatin1Char('(') + like.arg(QLatin1String("designation")) +
                          QStringLiteral(" OR ") + like.arg(QLatin1String("serial_nr")) +
                          QLatin1Char(')');
        values << ArchiveSql::likePattern(filter.text) << ArchiveSql::likePattern(filter.text);
    }
    if (!filter.designation.isEmpty()) {
        conditions << like.arg(QLatin1String("designation"));
        values << ArchiveSql::likePattern(filter.designation);
    }
    if (!filter.serialNr.isEmpty()) {
        conditions << like.arg(QLatin1String("serial_nr"));
        values << ArchiveSql::likePattern(filter.serialNr);
    }
    if (filter.from.isValid()) {
        conditions << QStringLiteral("taken_at >= ?");
        values << filter.from.toString(kIsoDate);
    }
    if (filter.to.isValid()) {
        conditions << QStringLiteral("taken_at < ?");
        values << filter.to.addDays(1).toString(kIsoDate);
    }
    QString sql = QStringLiteral("SELECT id, serial_nr, slot, date_text, time_text, sample_count,"
                                 " designation, station, force_max FROM measurement");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    // Undated last on both databases (PostgreSQL sorts NULL first when descending).
    sql += QStringLiteral(" ORDER BY serial_nr, taken_at IS NULL, taken_at DESC, id DESC");

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

ArchiveStatus MeasurementArchive::setDesignationHere(qint64 id, const QString &designation)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE measurement SET designation = ? WHERE id = ?"));
    query.addBindValue(designation.isNull() ? QString(QLatin1String("")) : designation);
    query.addBindValue(id);
    if (!query.exec())
        return statusOf(query);
    return {};
}

QList<qint64> MeasurementArchive::sameMinuteHere(const QByteArray &serialNr,
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
