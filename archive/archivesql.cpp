#include "archive/archivesql.h"

#include <cmath>

namespace ArchiveSql {

const QString kFindIdentical = QStringLiteral(
    "SELECT id FROM measurement WHERE serial_nr = ? AND date_text = ? AND time_text = ?"
    " AND sample_count = ? AND samples_sha256 = ?");

void bindIdentity(QSqlQuery &query, const QByteArray &serialNr, const Measurement &m,
                  const QByteArray &samplesSha256)
{
    query.addBindValue(text(serialNr));
    query.addBindValue(text(m.dateText));
    query.addBindValue(text(m.timeText));
    query.addBindValue(qint64(m.sampleCount));
    query.addBindValue(samplesSha256);
}

QVariant text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.isNull() ? QByteArray("") : bytes);
}

QVariant real(float value)
{
    // SQLite would store NaN as NULL; both databases read these texts back.
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    return double(value);
}

QVariant takenAt(const Measurement &m)
{
    const QDateTime taken = measurementDateTime(m);
    if (!taken.isValid())
        return QVariant(QVariant::String);
    return taken.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QString likePattern(const QString &part)
{
    QString escaped = part;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace ArchiveSql
