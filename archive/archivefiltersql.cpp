#include "archive/archivefiltersql.h"

#include "archive/archivesql.h"

#include <QStringList>

const QString ArchiveFilterSql::kContains = QStringLiteral(" LIKE ? ESCAPE '!'");

QString ArchiveFilterSql::containsPattern(const QString &part)
{
    QString escaped = part.toLower();
    escaped.replace(QLatin1Char('!'), QStringLiteral("!!"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("!%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("!_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

void ArchiveFilterSql::add(const QString &condition, const QVariant &value)
{
    where += (where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + condition;
    values << value;
}

namespace {

// What every level shares: the station and the days.
void addStationAndDays(ArchiveFilterSql &sql, const ArchiveFilter &filter)
{
    if (filter.station)
        sql.add(QStringLiteral("station = ?"), *filter.station);
    if (filter.from.isValid())
        sql.add(QStringLiteral("taken_at >= ?"), ArchiveSql::dayStart(filter.from));
    if (filter.to.isValid())
        sql.add(QStringLiteral("taken_at < ?"), ArchiveSql::dayStart(filter.to.addDays(1)));
}

QString lowerContains(const char *column)
{
    return QStringLiteral("lower(%1)").arg(QLatin1String(column)) + ArchiveFilterSql::kContains;
}

} // namespace

ArchiveFilterSql ArchiveFilterSql::matches(const ArchiveFilter &filter)
{
    ArchiveFilterSql sql;
    addStationAndDays(sql, filter);
    if (!filter.serialNr.isEmpty())
        sql.add(lowerContains("serial_nr"), containsPattern(filter.serialNr));
    if (!filter.designation.isEmpty())
        sql.add(lowerContains("designation"), containsPattern(filter.designation));
    if (!filter.text.isEmpty()) {
        sql.add(QLatin1Char('(') + lowerContains("designation") + QStringLiteral(" OR ") +
                    lowerContains("serial_nr") + QLatin1Char(')'),
                containsPattern(filter.text));
        sql.values << containsPattern(filter.text);
    }
    return sql;
}

ArchiveFilterSql ArchiveFilterSql::gaugeMatches(const QByteArray &serialNr, bool textInSerial,
                                                const ArchiveFilter &filter)
{
    ArchiveFilterSql sql;
    sql.add(QStringLiteral("serial_nr = ?"), ArchiveSql::text(serialNr));
    addStationAndDays(sql, filter);
    QStringList parts;
    if (!filter.designation.isEmpty())
        parts << filter.designation;
    if (!filter.text.isEmpty() && !textInSerial)
        parts << filter.text;
    // Only designated rows are in the designations' index.
    if (!parts.isEmpty())
        sql.where += QStringLiteral(" AND designation <> ''");
    for (const QString &part : qAsConst(parts))
        sql.add(lowerContains("designation"), containsPattern(part));
    return sql;
}

void ArchiveFilterSql::restrictToDay(const QDate &day)
{
    if (!day.isValid()) {
        where += QStringLiteral(" AND taken_at IS NULL");
        return;
    }
    add(QStringLiteral("taken_at >= ?"), ArchiveSql::dayStart(day));
    add(QStringLiteral("taken_at < ?"), ArchiveSql::dayStart(day.addDays(1)));
}
