#include "archive/archivebrowsing.h"

#include "archive/measurementarchive.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <functional>

namespace {

// The browsing index (serial number, then the ISO date and time) comes with
// the schema. Designations are rare: a partial index holds only the
// measurements that have one, so searching them reads little. It holds the
// id too: PostgreSQL then finds the matches in the index alone (SQLite's
// indexes hold it anyway).
// The tree's station rows step along an index of the stations' gauges.
const QStringList kIndexes = {
    QStringLiteral("CREATE INDEX IF NOT EXISTS measurement_designations ON measurement"
                   " (serial_nr, taken_at, designation, id) WHERE designation <> ''"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS measurement_stations ON measurement"
                   " (station, serial_nr, taken_at)"),
};

// LIKE's pattern for a part of a text, any case: both sides go through lower().
QString containsPattern(const QString &part)
{
    QString escaped = part.toLower();
    escaped.replace(QLatin1Char('!'), QStringLiteral("!!"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("!%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("!_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// A text column's value; never NULL, which would match nothing.
QString textValue(const QByteArray &bytes)
{
    return bytes.isEmpty() ? QString(QLatin1String("")) : QString::fromLatin1(bytes);
}

const QString kContains = QStringLiteral(" LIKE ? ESCAPE '!'");

ArchiveStatus statusOf(const QSqlQuery &query)
{
    return archiveStatusOf(query.lastError().nativeErrorCode(), query.lastError().text());
}

// Whether a filter leaves out some measurements of a gauge it keeps.
bool narrowsMeasurements(const ArchiveFilter &filter)
{
    return !filter.text.isEmpty() || !filter.designation.isEmpty() || filter.from.isValid() ||
           filter.to.isValid();
}

// The WHERE clause of one gauge's matches.
struct Conditions
{
    QString sql;
    QVariantList values;

    Conditions(const ArchiveGauge &gauge, const ArchiveFilter &filter)
        : sql(QStringLiteral(" WHERE serial_nr = ?")), values{textValue(gauge.serialNr)}
    {
        if (filter.station)
            add(QStringLiteral("station = ?"), *filter.station);
        if (filter.from.isValid())
            add(QStringLiteral("taken_at >= ?"), filter.from.toString(Qt::ISODate));
        if (filter.to.isValid())
            add(QStringLiteral("taken_at < ?"), filter.to.addDays(1).toString(Qt::ISODate));
        QStringList parts;
        if (!filter.designation.isEmpty())
            parts << filter.designation;
        if (!filter.text.isEmpty() && !gauge.textInSerial)
            parts << filter.text;
        if (!parts.isEmpty())
            sql += QStringLiteral(" AND designation <> ''");
        for (const QString &part : qAsConst(parts))
            add(QStringLiteral("lower(designation)") + kContains, containsPattern(part));
    }

    void add(const QString &condition, const QVariant &value)
    {
        sql += QStringLiteral(" AND ") + condition;
        values << value;
    }

    void restrictToDay(const QDate &day)
    {
        if (!day.isValid()) {
            sql += QStringLiteral(" AND taken_at IS NULL");
            return;
        }
        add(QStringLiteral("taken_at >= ?"), day.toString(Qt::ISODate));
        add(QStringLiteral("taken_at < ?"), day.addDays(1).toString(Qt::ISODate));
    }
};

} // namespace

ArchiveStatus ArchiveBrowsing::createIndexes(const QString &connectionName)
{
    QSqlQuery query(QSqlDatabase::database(connectionName, false));
    for (const QString &statement : kIndexes) {
        if (!query.exec(statement))
            return statusOf(query);
    }
    return {};
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
    values << textValue(after ? *after : QByteArray());
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
    const Conditions where(gauge, filter);
    QSqlQuery query = run(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM measurement") +
                              where.sql + QStringLiteral(" LIMIT ?) AS hits"),
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
    const Conditions where(gauge, filter);
    QList<QDate> list = onServer() ? daysByGroup(where.sql, where.values, status)
                                   : daysBySteps(where.sql, where.values, status);
    QSqlQuery undated = run(QStringLiteral("SELECT 1 FROM measurement") + where.sql +
                                QStringLiteral(" AND taken_at IS NULL LIMIT 1"),
                            where.values, status);
    if (undated.isActive() && undated.next())
        list.append(QDate());
    return list;
}

bool ArchiveBrowsing::onServer() const
{
    return QSqlDatabase::database(m_connection, false).driverName() != QLatin1String("QSQLITE");
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
        const QDate day = QDate::fromString(step.value(0).toString().left(10), Qt::ISODate);
        if (!day.isValid())
            break;
        list.append(day);
        before = day.toString(Qt::ISODate);
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
        list.append(QDate::fromString(query.value(0).toString(), Qt::ISODate));
    std::sort(list.begin(), list.end(), std::greater<QDate>());
    return list;
}

QList<ArchiveEntry> ArchiveBrowsing::measurements(const ArchiveGauge &gauge, const QDate &day,
                                                  const ArchiveFilter &filter,
                                                  ArchiveStatus *status)
{
    Conditions where(gauge, filter);
    where.restrictToDay(day);
    return entries(gauge, where.sql, where.values, status);
}

QList<ArchiveEntry> ArchiveBrowsing::measurements(const ArchiveGauge &gauge,
                                                  const ArchiveFilter &filter,
                                                  ArchiveStatus *status)
{
    const Conditions where(gauge, filter);
    QList<ArchiveEntry> list = entries(gauge, where.sql, where.values, status);
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
        e.day = QDate::fromString(query.value(6).toString().left(10), Qt::ISODate);
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
