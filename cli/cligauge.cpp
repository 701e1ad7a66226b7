// tspx-cli gauge calibration add|list and msa type1.
#include "cli/clirunner.h"

#include "archive/calibrationstore.h"
#include "archive/gaugestudystore.h"
#include "measurement/devicedata.h"
#include "measurement/gaugestudy.h"
#include "measurement/seriesstatistics.h"
#include "workflow/studyrecord.h"
#include "workflow/workflowtexts.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray tsv(const QStringList &cells)
{
    return cells.join(QLatin1Char('\t')).toUtf8() + '\n';
}

QString uncertaintyText(const std::optional<double> &u)
{
    return u ? QString::number(*u, 'g', 6) : QString();
}

QByteArray calibrationsTable(const QList<CalibrationRecord> &records)
{
    QByteArray out = tsv({QStringLiteral("id"), QStringLiteral("serial"),
                          QStringLiteral("certificate"), QStringLiteral("calibrated"),
                          QStringLiteral("due"), QStringLiteral("laboratory"),
                          QStringLiteral("U/N"), QStringLiteral("standard"), QStringLiteral("note"),
                          QStringLiteral("station"), QStringLiteral("received")});
    for (const CalibrationRecord &r : records)
        out += tsv({QString::number(r.id), QString::fromLatin1(r.serialNr), r.certificate,
                    r.calibratedOn.toString(Qt::ISODate), r.dueOn.toString(Qt::ISODate),
                    r.laboratory, uncertaintyText(r.uncertainty), r.referenceStandard, r.note,
                    r.station, r.receivedAt});
    return out;
}

QByteArray calibrationsJson(const QList<CalibrationRecord> &records)
{
    QJsonArray array;
    for (const CalibrationRecord &r : records) {
        QJsonObject o{{QStringLiteral("id"), double(r.id)},
                      {QStringLiteral("serial"), QString::fromLatin1(r.serialNr)},
                      {QStringLiteral("certificate"), r.certificate},
                      {QStringLiteral("calibrated"), r.calibratedOn.toString(Qt::ISODate)},
                      {QStringLiteral("due"), r.dueOn.toString(Qt::ISODate)},
                      {QStringLiteral("laboratory"), r.laboratory},
                      {QStringLiteral("standard"), r.referenceStandard},
                      {QStringLiteral("note"), r.note},
                      {QStringLiteral("station"), r.station},
                      {QStringLiteral("received"), r.receivedAt}};
        o.insert(QStringLiteral("uncertaintyN"), r.uncertainty ? QJsonValue(*r.uncertainty)
                                                               : QJsonValue(QJsonValue::Null));
        array.append(o);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QJsonValue optionalJson(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QByteArray studyJson(const GaugeStudyRecord &study, const Type1Result &r)
{
    QJsonArray values;
    for (double v : study.input.values)
        values.append(v);
    QJsonArray ids;
    for (qint64 id : study.measurementIds)
        ids.append(double(id));
    const QJsonObject o{{QStringLiteral("serial"), QString::fromLatin1(study.serialNr)},
                        {QStringLiteral("unit"), study.unit},
                        {QStringLiteral("reference"), study.input.reference},
                        {QStringLiteral("tolerance"), study.input.tolerance},
                        {QStringLiteral("resolution"), study.input.resolution},
                        {QStringLiteral("count"), r.count},
                        {QStringLiteral("mean"), r.mean},
                        {QStringLiteral("standardDeviation"), r.standardDeviation},
                        {QStringLiteral("bias"), r.bias},
                        {QStringLiteral("cg"), optionalJson(r.cg)},
                        {QStringLiteral("cgk"), optionalJson(r.cgk)},
                        {QStringLiteral("t"), optionalJson(r.t)},
                        {QStringLiteral("tCritical"), r.tCritical},
                        {QStringLiteral("biasSignificant"), r.biasSignificant},
                        {QStringLiteral("resolutionPercent"), r.resolutionPercent},
                        {QStringLiteral("minimum"), r.minimum},
                        {QStringLiteral("capable"), r.capable},
                        {QStringLiteral("values"), values},
                        {QStringLiteral("archiveIds"), ids},
                        {QStringLiteral("studyId"), double(study.id)}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

} // namespace

void CliRunner::noteCalibration(const QByteArray &serialNr, const GaugeCalibration &calibration)
{
    const QString note = overdueGaugeNote(serialNr, calibration, QDate::currentDate());
    if (!note.isEmpty())
        error(note);
}

bool CliRunner::archiveForRecords()
{
    const ArchiveStatus opened = m_workflow.openArchive();
    if (!opened.ok()) {
        error(WorkflowText::archiveProblem(opened, m_workflow.archivePath()));
        return false;
    }
    if (m_archive.isOnServer() && !m_archive.isOnline()) {
        error(GaugeCalibrationText::tr("Kalibrierungen und Studien werden nur im erreichbaren "
                                       "Archiv gespeichert und gelesen.") +
              QLatin1Char(' ') +
              WorkflowText::serverNotInUse(m_archive.serverStatus(), m_archive.location(),
                                           m_archive.waitingCount()));
        return false;
    }
    return true;
}

QByteArray CliRunner::requestedSerialNr()
{
    if (!m_request.serialNr.isEmpty())
        return m_request.serialNr;
    if (!connectGauge())
        return QByteArray();
    DeviceData data;
    m_session.readIdentity(data);
    m_workflow.disconnect();
    return data.serialNr;
}

int CliRunner::gauge()
{
    const QByteArray serialNr = requestedSerialNr();
    if (serialNr.isEmpty())
        return kExitNoGauge;
    if (!archiveForRecords())
        return kExitFile;
    CalibrationStore store(m_archive);
    ArchiveStatus status;
    if (m_request.gaugeAction == QLatin1String("add")) {
        CalibrationRecord r;
        r.serialNr = serialNr;
        r.certificate = m_request.certificate;
        r.calibratedOn = QDate::fromString(m_request.calibratedOn, Qt::ISODate);
        r.dueOn = QDate::fromString(m_request.dueOn, Qt::ISODate);
        r.laboratory = m_request.laboratory;
        r.uncertainty = m_request.uncertainty;
        r.referenceStandard = m_request.referenceStandard;
        r.note = m_request.note;
        status = store.add(r);
    }
    const QList<CalibrationRecord> records = status.ok() ? store.list(serialNr, &status)
                                                         : QList<CalibrationRecord>();
    if (!status.ok()) {
        error(WorkflowText::archiveProblem(status, m_archive.location()));
        return kExitFile;
    }
    GaugeCalibration calibration = m_workflow.calibrationOf(serialNr);
    noteCalibration(serialNr, calibration);
    return writeOutput(m_request.format == QLatin1String("json") ? calibrationsJson(records)
                                                                 : calibrationsTable(records));
}

int CliRunner::msaType1()
{
    DeviceData data;
    QHash<const Measurement *, qint64> groupIds;
    MeasurementSet set;
    if (!m_request.fromArchive) {
        if (!connectGauge())
            return kExitNoGauge;
        const TransferOutcome outcome = m_workflow.transfer(data, progress(), m_request.slotNumbers);
        m_workflow.disconnect();
        if (!readSucceeded(outcome.read) || namedEmptySlots(outcome.emptySlots))
            return kExitCommunication;
        set = requestedSet(data);
        if (!archiveForRecords())
            return kExitFile;
    } else {
        QList<qint64> ids;
        if (!archiveForRecords() || !readArchiveGroup(data, ids))
            return kExitFile;
        set = requestedSet(data);
        for (int i = 0; i < set.records.size(); ++i)
            groupIds.insert(set.records.at(i), ids.at(i));
        noteCalibration(data.serialNr, m_workflow.calibrationOf(data.serialNr));
    }
    GaugeStudyRecord study = type1StudyOf(set, &m_archive, groupIds);
    setType1Characteristic(study,
                           {*m_request.reference, m_request.tolerance, m_request.lower,
                            m_request.upper, m_request.resolution},
                           m_status.type1Minimum);
    if (const std::optional<Type1Problem> problem = type1ProblemOf(study.input)) {
        error(GaugeStudyText::problem(*problem));
        return kExitUsage;
    }
    const Type1Result result = type1Study(study.input);
    const ArchiveStatus kept = GaugeStudyStore(m_archive).add(study, &study.id);
    if (!kept.ok())
        error(WorkflowText::archiveProblem(kept, m_archive.location()));
    QByteArray table;
    for (const auto &row : type1ResultRows(study.input, result, study.unit))
        table += tsv({row.first, row.second});
    const int written =
        writeOutput(m_request.format == QLatin1String("json") ? studyJson(study, result) : table);
    if (written != kExitOk)
        return written;
    if (!kept.ok())
        return kExitFile;
    return result.capable ? kExitOk : kExitOutOfControl;
}
