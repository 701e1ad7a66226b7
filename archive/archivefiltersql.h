#pragma once

#include "archive/archivetypes.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariantList>

// An ArchiveFilter as a WHERE clause that SQLite and PostgreSQL both run:
// bound values only, LIKE with escaped patterns and lower() on both sides,
// days as ranges of the ISO `taken_at` text. The one place a filter becomes
// SQL, for the list of entries, browsing's levels and the search alike: a
// measurement matches when the filter's text is part of its serial number or
// of its designation, any case.
struct ArchiveFilterSql
{
    QString where; // " WHERE …", or empty when nothing is filtered
    QVariantList values;

    // Every measurement the filter lets through, of any gauge.
    static ArchiveFilterSql matches(const ArchiveFilter &filter);
    // One gauge's matches. `textInSerial`: the filter's text is part of the
    // gauge's serial number, so it lets every measurement of it through.
    static ArchiveFilterSql gaugeMatches(const QByteArray &serialNr, bool textInSerial,
                                         const ArchiveFilter &filter);
    // Narrows to one day's measurements; an invalid day: those without a date.
    void restrictToDay(const QDate &day);
    void add(const QString &condition, const QVariant &value);

    // " LIKE ? ESCAPE '!'", for `lower(column)` and containsPattern().
    static const QString kContains;
    // LIKE's pattern for a part of a text, any case.
    static QString containsPattern(const QString &part);
};
