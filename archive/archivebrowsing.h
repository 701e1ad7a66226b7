#pragma once

#include "archive/archivetypes.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

class QSqlQuery;

// One gauge of the archive's tree, as a filter sees it.
struct ArchiveGauge
{
    QByteArray serialNr;
    // The search text is part of the serial number, so every measurement of
    // the gauge matches it.
    bool textInSerial = false;
    // Measurements the filter lets through, counted up to the limit asked
    // for; -1 when not counted.
    int count = -1;
};

// The archive's tree level by level, each level one statement on an index, in
// SQL that SQLite and PostgreSQL both run: the gauges, a gauge's days, a
// day's measurements (never their samples). A filter narrows every level
// the way the search does: its text is part of the serial number or of the
// designation, any case; its days are those of the measurement's date.
class ArchiveBrowsing
{
public:
    // Sees every statement run, with its values (query plans, counting).
    using StatementObserver = std::function<void(const QString &sql, const QVariantList &values)>;

    // Queries go to the Qt SQL connection of that name, which belongs to the
    // thread that opened it; a spool's ids are given negative.
    explicit ArchiveBrowsing(const QString &connectionName = QString(), bool spool = false)
        : m_connection(connectionName), m_spool(spool)
    {
    }
    void setSource(const ArchiveReadSource &source)
    {
        m_connection = source.connection;
        m_spool = source.spool;
    }

    bool isEmpty();
    // The stations that downloaded measurements, by name ('' for records
    // kept before stations were named).
    QStringList stations(ArchiveStatus *status = nullptr);
    // The gauges by serial number. With `countLimit` > 0, or a filter that
    // narrows a gauge's measurements, each gauge's matches are counted up to
    // that limit (at least one) and gauges without any are left out.
    QList<ArchiveGauge> gauges(const ArchiveFilter &filter, int countLimit = 0,
                               ArchiveStatus *status = nullptr);
    // The gauge's days with matches, newest first; an invalid day last
    // stands for the measurements whose date and time do not parse.
    QList<QDate> days(const ArchiveGauge &gauge, const ArchiveFilter &filter,
                      ArchiveStatus *status = nullptr);
    // The day's matches, newest first.
    QList<ArchiveEntry> measurements(const ArchiveGauge &gauge, const QDate &day,
                                     const ArchiveFilter &filter, ArchiveStatus *status = nullptr);
    // All the gauge's matches in the tree's order (by day, newest first),
    // in one query: for a search's result and a gauge's export.
    QList<ArchiveEntry> measurements(const ArchiveGauge &gauge, const ArchiveFilter &filter,
                                     ArchiveStatus *status = nullptr);
    // Their ids.
    QList<qint64> ids(const ArchiveGauge &gauge, const ArchiveFilter &filter);

    void setObserver(StatementObserver observer) { m_observer = std::move(observer); }

private:
    QSqlQuery prepare(const QString &sql);
    // A failed query in words, as the connection's database maps it.
    ArchiveStatus statusOf(const QSqlQuery &query) const;
    // Binds the values and executes; on failure false and the status set.
    bool execute(QSqlQuery &query, const QVariantList &values, ArchiveStatus *status);
    // The executed statement; inactive (and the status set) on failure.
    QSqlQuery run(const QString &sql, const QVariantList &values, ArchiveStatus *status);
    std::optional<ArchiveGauge> nextGauge(const QByteArray *after, const ArchiveFilter &filter,
                                          ArchiveStatus *status);
    // Whether the connection goes to a server, where each query costs a round trip.
    bool onServer() const;
    QList<QDate> daysBySteps(const QString &where, const QVariantList &values,
                             ArchiveStatus *status);
    QList<QDate> daysByGroup(const QString &where, const QVariantList &values,
                             ArchiveStatus *status);
    QList<ArchiveEntry> entries(const ArchiveGauge &gauge, const QString &where,
                                const QVariantList &values, ArchiveStatus *status);
    int countUpTo(const ArchiveGauge &gauge, const ArchiveFilter &filter, int limit,
                  ArchiveStatus *status);

    QString m_connection;
    bool m_spool = false;
    StatementObserver m_observer;
};
