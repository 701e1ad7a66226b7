#include "archive/gaugestudystore.h"

#include "archive/keptrecords.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

// Every value as the shortest text that reads back the same double.
QString valuesText(const QVector<double> &values)
{
    QStringList texts;
    for (double value : values)
        texts << QString::number(value, 'g', 17);
    return texts.join(QLatin1Char(' '));
}

QString idsText(const QList<qint64> &ids)
{
    QStringList texts;
    for (qint64 id : ids)
        texts << QString::number(id);
    return texts.join(QLatin1Char(' '));
}

GaugeStudyRecord studyFromRow(const QSqlQuery &query)
{
    GaugeStudyRecord s;
    s.id = query.value(0).toLongLong();
    s.serialNr = query.value(1).toString().toLatin1();
    s.unit = query.value(2).toString();
    s.input.reference = query.value(3).toDouble();
    s.input.tolerance = query.value(4).toDouble();
    s.input.resolution = query.value(5).toDouble();
    s.input.minimum = query.value(6).toDouble();
    const QStringList values = query.value(7).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &value : values)
        s.input.values << value.toDouble();
    const QStringList ids = query.value(8).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &id : ids)
        s.measurementIds << id.toLongLong();
    s.capable = query.value(9).toInt() != 0;
    s.note = query.value(10).toString();
    s.station = query.value(11).toString();
    s.receivedAt = query.value(12).toString();
    return s;
}

} // namespace

ArchiveStatus GaugeStudyStore::add(const GaugeStudyRecord &s, qint64 *id)
{
    if (type1ProblemOf(s.input) || s.measurementIds.size() != s.input.values.size())
        return ArchiveStatus::failure(ArchiveStatus::Failed, QStringLiteral("incomplete study"));
    return KeptRecords::add(m_archive, QStringLiteral("gauge_study"),
                            {QString::fromLatin1(s.serialNr), s.unit, s.input.reference,
                             s.input.tolerance, s.input.resolution, s.input.minimum,
                             valuesText(s.input.values), idsText(s.measurementIds),
                             type1Study(s.input).capable ? 1 : 0, s.note},
                            id);
}

QList<GaugeStudyRecord> GaugeStudyStore::list(const QByteArray &serialNr, ArchiveStatus *status)
{
    QSqlQuery query;
    const QString where = serialNr.isEmpty() ? QString() : QStringLiteral(" WHERE serial_nr = ?");
    QVariantList values;
    if (!serialNr.isEmpty())
        values << QString::fromLatin1(serialNr);
    const ArchiveStatus selected = KeptRecords::select(
        m_archive,
        QStringLiteral("SELECT id, serial_nr, unit, reference, tolerance, resolution, minimum,"
                       " study_values, measurement_ids, capable, note, station, received_at"
                       " FROM gauge_study") + where + QStringLiteral(" ORDER BY id DESC"),
        values, query);
    if (status)
        *status = selected;
    QList<GaugeStudyRecord> studies;
    while (selected.ok() && query.next())
        studies.append(studyFromRow(query));
    return studies;
}
