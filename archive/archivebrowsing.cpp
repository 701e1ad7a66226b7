#include "archive/archivebrowsing.h"

#include "archive/archivedialect.h"
#include "archive/archivefiltersql.h"
#include "archive/archivesql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <functional>

namespace {

const QString &kContains = ArchiveFilterSql::kContains;

QString containsPattern(const QString &part)
{
    return ArchiveFilterSql::containsPattern(part);
}

// Whether a filter leaves out some measurements of a gauge it keeps.
bool narrowsMeasurements(const ArchiveFilter &filter)
{
    return !filter.text.isEmpty() || !filter.designation.isEmpty() || filter.from.isValid() ||
           filter.to.isValid();
}

ArchiveFilterSql conditions(const ArchiveGauge &gauge, const ArchiveFilter &filter)
{
    return ArchiveFilterSql::gaugeMatches(gauge.serialNr, gauge.textInSerial, filter);
}

} // namespace

ArchiveStatus ArchiveBrowsing::statusOf(const QSqlQuery &query) const
{
    return ArchiveDialect::of(QSqlDatabase::database(m_connection, false))
        .statusOf(query.lastError());
}

QSqlQuery ArchiveBrowsing::prepare(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
}

bool ArchiveBrowsing::execute(QSqlQuery &query, const QVariantList &values, ArchiveStatus *status)
{
    if (m_observer)
        m_observer(query.lastQuery(), values);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    if (status)
        *status = statusOf(query);
    return false;
}

QSqlQuery ArchiveBrowsing::run(const QString &sql, const QVariantList &values,
                               ArchiveStatus *status)
{
    QSqlQuery query = prepare(sql);
    execute(query, values, status);
    return query;
}

std::optional<ArchiveGauge> ArchiveBrowsing::nextGauge(const QByteArray *after,
                                                       const ArchiveFilter &filter,
                                                       ArchiveStatus *status)
{
    // One step along the index from the last gauge: a few look-ups for the
    // gauges of a million measurements, where DISTINCT would read them all.
    const QString sql =
        QStringLiteral("SELECT serial_nr, lower(serial_nr)") + kContains +
        QStringLiteral(", lower(serial_nr)") + kContains +
        QStringLiteral(" FROM measurement WHERE %1serial_nr %2 ? ORDER BY serial_nr LIMIT 1")
            .arg(filter.station ? QStringLiteral("station = ? AND ") : QString(),
                 after ? QStringLiteral(">") : QStringLiteral(">="));
    QVariantList values{containsPattern(filter.text), containsPattern(filter.serialNr)};
    if (filter.station)
        values << *filter.station;
    values << ArchiveSql::text(after ? *after : QByteArray());
    QSqlQuery query = run(sql, values, status);
    if (!query.isActive() || !query.next())
        return std::nullopt;
    ArchiveGauge gauge;
    gauge.serialNr = query.value(0).toString().toLatin1();
    gauge.textInSerial = !filter.text.isEmpty() && query.value(1).toBool();
    if (!filter.serialNr.isEmpty() && !query.value(2).toBool())
        gauge.count = 0; // left out by the serial number
    return gauge;
}

int ArchiveBrowsing::countUpTo(const ArchiveGauge &gauge, const ArchiveFilter &filter, int limit,
                               ArchiveStatus *status)
{
    const ArchiveFilterSql where = conditions(gauge, filter);
    QSqlQuery query = run(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM measurement") +
                              where.where + QStringLiteral(" LIMIT ?) AS hits"),
                          where.values + QVariantList{limit}, status);
    return query.isActive() && query.next() ? query.value(0).toInt() : 0;
}

QStringList ArchiveBrowsing::stations(ArchiveStatus *status)
{
    // A step along the index per station, as for the gauges.
    QStringList list;
    QSqlQuery first = prepare(QStringLiteral(
        "SELECT station FROM measurement WHERE station >= ? ORDER BY station LIMIT 1"));
    QSqlQuery next = prepare(QStringLiteral(
        "SELECT station FROM measurement WHERE station > ? ORDER BY station LIMIT 1"));
    QSqlQuery *step = &first;
    QString from = QLatin1String("");
    while (execute(*step, {from}, status) && step->next()) {
        from = step->value(0).toString();
        list.append(from);
        step = &next;
    }
    return list;
}

bool ArchiveBrowsing::isEmpty()
{
    return !nextGauge(nullptr, {}, nullptr).has_value();
}

QList<ArchiveGauge> ArchiveBrowsing::gauges(const ArchiveFilter &filter, int countLimit,
                                            ArchiveStatus *status)
{
    QList<ArchiveGauge> list;
    const bool counted = countLimit > 0 || narrowsMeasurements(filter);
    std::optional<ArchiveGauge> gauge = nextGauge(nullptr, filter, status);
    while (gauge) {
        const QByteArray serialNr = gauge->serialNr;
        if (gauge->count != 0 && counted)
            gauge->count = countUpTo(*gauge, filter, std::max(countLimit, 1), status);
        if (gauge->count != 0)
            list.append(*gauge);
        gauge = nextGauge(&serialNr, filter, status);
    }
    return list;
}

QList<QDate> ArchiveBrowsing::days(const ArchiveGauge &gauge, const ArchiveFilter &filter,
                                   ArchiveStatus *status)
{
    const ArchiveFilterSql where = conditions(gauge, filter);
    QList<QDate> list = onServer() ? daysByGroup(where.where, where.values, status)
                                   : daysBySteps(where.where, where.values, status);
    QSqlQuery undated = run(QStringLiteral("SELECT 1 FROM measurement") + where.where +
                                QStringLiteral(" AND taken_at IS NULL LIMIT 1"),
                            where.values, status);
    if (undated.isActive() && undated.next())
        list.append(QDate());
    return list;
}

bool ArchiveBrowsing::onServer() const
{
    return ArchiveDialect::of(QSqlDatabase::database(m_connection, false)).isServer();
}

QList<QDate> ArchiveBrowsing::daysBySteps(const QString &where, const QVariantList &values,
                                          ArchiveStatus *status)
{
    // From the newest day back, one step along the index per day: a gauge
    // of 2,500 days in a third of the time GROUP BY takes SQLite to sort its
    // 125,000 measurements' days.
    QSqlQuery step = prepare(QStringLiteral("SELECT taken_at FROM measurement") + where +
                             QStringLiteral(" AND taken_at < ? ORDER BY taken_at DESC LIMIT 1"));
    QList<QDate> list;
    QString before = QStringLiteral("9999"); // after every ISO date
    while (execute(step, values + QVariantList{before}, status) && step.next()) {
        const QDate day = ArchiveSql::dayOf(step.value(0));
        if (!day.isValid())
            break;
        list.append(day);
        before = ArchiveSql::dayStart(day);
    }
    return list;
}

QList<QDate> ArchiveBrowsing::daysByGroup(const QString &where, const QVariantList &values,
                                          ArchiveStatus *status)
{
    // A server answers each step with a round trip of its own: one query
    // that groups is faster there.
    QSqlQuery query =
        run(QStringLiteral("SELECT substr(taken_at, 1, 10) FROM measurement") + where +
                QStringLiteral(" AND taken_at IS NOT NULL"
                               " GROUP BY substr(taken_at, 1, 10)"),
            values, status);
    QList<QDate> list;
    while (query.isActive() && query.next())
        list.append(ArchiveSql::dayOf(query.value(0)));
    std::sort(list.begin(), list.end(), std::greater<QDate>());
    return list;
}

QList<ArchiveEntry> ArchiveBrowsing::measurements(const ArchiveGauge &gauge, const QDate &day,
                                                  const ArchiveFilter &filter,
                                                  ArchiveStatus *status)
{
    ArchiveFilterSql where = conditions(gauge, filter);
    where.restrictToDay(day);
    return entries(gauge, where.where, where.values, status);
}

QList<ArchiveEntry> ArchiveBrowsing::measurements(const ArchiveGauge &gauge,
                                                  const ArchiveFilter &filter,
                                                  ArchiveStatus *status)
{
    const ArchiveFilterSql where = conditions(gauge, filter);
    QList<ArchiveEntry> list = entries(gauge, where.where, where.values, status);
    // Those without a date last, wherever the database sorts NULL.
    std::stable_partition(list.begin(), list.end(),
                          [](const ArchiveEntry &e) { return e.day.isValid(); });
    return list;
}

QList<ArchiveEntry> ArchiveBrowsing::entries(const ArchiveGauge &gauge, const QString &where,
                                             const QVariantList &values, ArchiveStatus *status)
{
    // The matches first, from the index; then their rows. In one query
    // PostgreSQL read every designated row's page to test its designation.
    QSqlQuery query = run(QStringLiteral("SELECT id, slot, date_text, time_text, sample_count,"
                                         " designation, taken_at FROM measurement"
                                         " WHERE id IN (SELECT id FROM measurement") +
                              where + QStringLiteral(") ORDER BY taken_at DESC, id DESC"),
                          values, status);
    QList<ArchiveEntry> list;
    while (query.isActive() && query.next()) {
        ArchiveEntry e;
        e.id = query.value(0).toLongLong() * (m_spool ? -1 : 1);
        e.serialNr = gauge.serialNr;
        e.slot = query.value(1).toInt();
        e.dateText = query.value(2).toString().toLatin1();
        e.timeText = query.value(3).toString().toLatin1();
        e.sampleCount = uint32_t(query.value(4).toLongLong());
        e.designation = query.value(5).toString();
        e.day = ArchiveSql::dayOf(query.value(6));
        list.append(e);
    }
    return list;
}

QList<qint64> ArchiveBrowsing::ids(const ArchiveGauge &gauge, const ArchiveFilter &filter)
{
    QList<qint64> list;
    for (const ArchiveEntry &entry : measurements(gauge, filter))
        list.append(entry.id);
    return list;
}
