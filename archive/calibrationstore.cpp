#include "archive/calibrationstore.h"

#include "archive/keptrecords.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

const QString kTable = QStringLiteral("gauge_calibration");

QList<CalibrationRecord> read(MeasurementArchive &archive, const QByteArray &serialNr,
                              const QString &limit, ArchiveStatus *status)
{
    QSqlQuery query;
    const ArchiveStatus selected = KeptRecords::select(
        archive,
        QStringLiteral("SELECT id, serial_nr, certificate, calibrated_on, due_on, laboratory,"
                       " uncertainty, reference_standard, note, station, received_at"
                       " FROM gauge_calibration WHERE serial_nr = ? ORDER BY id DESC") + limit,
        {QString::fromLatin1(serialNr)}, query);
    if (status)
        *status = selected;
    QList<CalibrationRecord> records;
    while (selected.ok() && query.next()) {
        CalibrationRecord r;
        r.id = query.value(0).toLongLong();
        r.serialNr = query.value(1).toString().toLatin1();
        r.certificate = query.value(2).toString();
        r.calibratedOn = QDate::fromString(query.value(3).toString(), Qt::ISODate);
        r.dueOn = QDate::fromString(query.value(4).toString(), Qt::ISODate);
        r.laboratory = query.value(5).toString();
        if (!query.value(6).isNull())
            r.uncertainty = query.value(6).toDouble();
        r.referenceStandard = query.value(7).toString();
        r.note = query.value(8).toString();
        r.station = query.value(9).toString();
        r.receivedAt = query.value(10).toString();
        records.append(r);
    }
    return records;
}

} // namespace

ArchiveStatus CalibrationStore::add(const CalibrationRecord &r, qint64 *id)
{
    if (!r.isComplete())
        return ArchiveStatus::failure(ArchiveStatus::Failed,
                                      QStringLiteral("incomplete calibration record"));
    const QVariant uncertainty = r.uncertainty ? QVariant(*r.uncertainty) : QVariant(QVariant::Double);
    return KeptRecords::add(m_archive, kTable,
                            {QString::fromLatin1(r.serialNr), r.certificate.trimmed(),
                             r.calibratedOn.toString(Qt::ISODate), r.dueOn.toString(Qt::ISODate),
                             r.laboratory, uncertainty, r.referenceStandard, r.note},
                            id);
}

QList<CalibrationRecord> CalibrationStore::list(const QByteArray &serialNr, ArchiveStatus *status)
{
    return read(m_archive, serialNr, QString(), status);
}

std::optional<CalibrationRecord> CalibrationStore::current(const QByteArray &serialNr,
                                                           ArchiveStatus *status)
{
    const QList<CalibrationRecord> records = read(m_archive, serialNr, QStringLiteral(" LIMIT 1"), status);
    if (records.isEmpty())
        return std::nullopt;
    return records.first();
}
