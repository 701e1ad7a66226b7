#include "archive/archivesql.h"

#include "archive/sampleblob.h"

#include <cmath>

namespace ArchiveSql {

const QString kFindIdentical = QStringLiteral(
    "SELECT id FROM measurement WHERE serial_nr = ? AND date_text = ? AND time_text = ?"
    " AND sample_count = ? AND samples_sha256 = ?");

const QString kRecordColumns = QStringLiteral(
    "serial_nr, sw_version, slot, date_text, time_text, force_unit, sample_rate,"
    " sample_count, samples, force_start, force_end, force_max, force_avg, downloaded_at,"
    " source, designation, station");

const QString kEntriesOrder =
    QStringLiteral(" ORDER BY serial_nr, taken_at IS NULL, taken_at DESC, id DESC");

std::optional<ArchivedMeasurement> recordFromRow(const QSqlQuery &query, qint64 id, int first)
{
    const auto value = [&query, first](int column) { return query.value(first + column); };
    ArchivedMeasurement a;
    a.id = id;
    a.device.serialNr = value(0).toString().toLatin1();
    a.device.swVersion = value(1).toString().toLatin1();
    a.measurement.number = value(2).toInt();
    a.measurement.dateText = value(3).toString().toLatin1();
    a.measurement.timeText = value(4).toString().toLatin1();
    a.device.forceUnit = value(5).toInt();
    a.measurement.sampleRate = float(value(6).toDouble());
    a.measurement.sampleCount = uint32_t(value(7).toLongLong());
    if (!samplesFromBlob(value(8).toByteArray(), a.measurement.forces))
        return std::nullopt;
    a.measurement.forceStart = float(value(9).toDouble());
    a.measurement.forceEnd = float(value(10).toDouble());
    a.measurement.forceMax = float(value(11).toDouble());
    a.measurement.forceAvg = float(value(12).toDouble());
    a.downloadedAt = QDateTime::fromString(value(13).toString(), Qt::ISODateWithMs);
    a.source = value(14).toString();
    a.designation = value(15).toString();
    a.station = value(16).toString();
    return a;
}

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

QString dayStart(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

QDate dayOf(const QVariant &takenAt)
{
    return QDate::fromString(takenAt.toString().left(10), Qt::ISODate);
}

} // namespace ArchiveSql
