#include "cli/clievaluate.h"

#include "cli/clirunner.h"
#include "measurement/devicedata.h"
#include "measurement/measurement.h"
#include "measurement/measurementset.h"
#include "workflow/workflowtexts.h"
#include "archive/planstore.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <atomic>

namespace {

// The slot, date and time.
QStringList identityCells(const JudgedMeasurement &m)
{
    return {QString::number(m.slot), measurementDate(m.dateText).toString(Qt::ISODate),
            measurementTime(m.timeText).toString(Qt::ISODate)};
}

// The title, date and time columns, then one per characteristic, the verdict last.
QList<QStringList> evaluationRows(const PlanEvaluation &e)
{
    QStringList titles = {Cli::tr("Nr."), Cli::tr("Datum"), Cli::tr("Zeit")};
    for (const Characteristic &c : e.plan.characteristics)
        titles << (c.unit().isEmpty() ? c.name : c.name + QStringLiteral(" / ") + c.unit());
    titles << Cli::tr("Urteil");
    QList<QStringList> rows = {titles};
    for (const JudgedMeasurement &m : e.measurements) {
        const PlanVerdict &verdict = m.verdict;
        QStringList row = identityCells(m);
        for (int k = 0; k < e.plan.characteristics.size(); ++k) {
            const CharacteristicResult &r = verdict.results.at(k);
            QString cell = characteristicValueText(e.plan.characteristics.at(k), r);
            if (r.judged && !r.pass && !e.plan.characteristics.at(k).isPassFail())
                cell += QLatin1Char('!');
            row << cell;
        }
        row << verdictText(verdict.pass());
        rows << row;
    }
    return rows;
}

QJsonValue number(const CharacteristicResult &r)
{
    return r.found ? QJsonValue(r.value) : QJsonValue(QJsonValue::Null);
}

} // namespace

bool PlanEvaluation::allPass() const
{
    return std::all_of(measurements.begin(), measurements.end(),
                       [](const JudgedMeasurement &m) { return m.verdict.pass(); });
}

QByteArray evaluationTable(const PlanEvaluation &e)
{
    const QList<QStringList> rows = evaluationRows(e);
    QList<int> widths;
    for (const QStringList &row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.append(0);
            widths[c] = std::max(widths[c], int(row.at(c).size()));
        }
    }
    QString text = Cli::tr("Prüfplan %1, Version %2").arg(e.plan.name).arg(e.plan.version) +
                   QLatin1Char('\n');
    for (const QStringList &row : rows) {
        QStringList cells;
        for (int c = 0; c < row.size(); ++c)
            cells << (c < 3 ? row.at(c).leftJustified(widths[c]) : row.at(c).rightJustified(widths[c]));
        text += cells.join(QStringLiteral("  ")).trimmed() + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray evaluationTsv(const PlanEvaluation &e)
{
    QStringList header = {QStringLiteral("slot"), QStringLiteral("date"), QStringLiteral("time")};
    for (const Characteristic &c : e.plan.characteristics)
        header << c.name;
    header << QStringLiteral("pass");
    QByteArray out = header.join(QLatin1Char('\t')).toUtf8() + '\n';
    for (const JudgedMeasurement &m : e.measurements) {
        QStringList row = identityCells(m);
        for (const CharacteristicResult &r : m.verdict.results)
            row << (r.found ? QString::number(r.value, 'g', 10) : QString());
        row << (m.verdict.pass() ? QStringLiteral("1") : QStringLiteral("0"));
        out += row.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return out;
}

QByteArray evaluationJson(const PlanEvaluation &e)
{
    QJsonArray measurements;
    for (const JudgedMeasurement &m : e.measurements) {
        QJsonArray results;
        for (int k = 0; k < e.plan.characteristics.size(); ++k) {
            const CharacteristicResult &r = m.verdict.results.at(k);
            QJsonObject o{{QStringLiteral("name"), e.plan.characteristics.at(k).name},
                          {QStringLiteral("value"), number(r)},
                          {QStringLiteral("found"), r.found}};
            if (r.judged)
                o.insert(QStringLiteral("pass"), r.pass);
            results.append(o);
        }
        measurements.append(
            QJsonObject{{QStringLiteral("slot"), m.slot},
                        {QStringLiteral("date"), measurementDate(m.dateText).toString(Qt::ISODate)},
                        {QStringLiteral("time"), measurementTime(m.timeText).toString(Qt::ISODate)},
                        {QStringLiteral("results"), results},
                        {QStringLiteral("pass"), m.verdict.pass()}});
    }
    const QJsonObject plan{{QStringLiteral("name"), e.plan.name},
                           {QStringLiteral("partNumber"), e.plan.partNumber},
                           {QStringLiteral("version"), e.plan.version}};
    return QJsonDocument(QJsonObject{{QStringLiteral("plan"), plan},
                                     {QStringLiteral("measurements"), measurements}})
        .toJson(QJsonDocument::Indented);
}

int CliRunner::readPlan(TestPlan &plan)
{
    // A file is kept in the archive (a changed one as its next version), so
    // that the results name a kept version; a name is the archive's newest.
    const bool isFile = QFileInfo(m_request.planFile).isFile();
    QString problem;
    if (isFile) {
        QFile file(m_request.planFile);
        if (!file.open(QIODevice::ReadOnly) ||
            !readTestPlan(file.read(kLargestPlanFile), plan, problem)) {
            error(WorkflowText::planUnreadable(m_request.planFile, problem));
            return kExitFile;
        }
    }
    ArchiveStatus status = m_workflow.openArchive();
    if (status.ok() && isFile)
        status = PlanStore(m_archive).save(plan);
    else if (status.ok())
        plan = PlanStore(m_archive).load(m_request.planFile, 0, &status).value_or(TestPlan{});
    if (!status.ok())
        error(WorkflowText::archiveProblem(status, m_archive.location()));
    if (!isFile && plan.characteristics.isEmpty()) {
        error(Cli::tr("Im Archiv ist kein Prüfplan '%1'.").arg(m_request.planFile));
        return kExitFile;
    }
    return kExitOk;
}

int CliRunner::evaluate()
{
    PlanEvaluation e;
    const int read = readPlan(e.plan);
    if (read != kExitOk)
        return read;
    if (m_request.fromArchive)
        return evaluateArchive(e);
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const TransferOutcome outcome = m_workflow.transfer(data, progress(), m_request.slotNumbers);
    m_workflow.disconnect();
    if (!readSucceeded(outcome.read))
        return kExitCommunication;
    for (const Measurement *m : qAsConst(data.records))
        e.measurements << JudgedMeasurement::of(data.serialNr, *m, e.plan);
    const int written = writeEvaluation(e);
    if (written != kExitOk)
        return written;
    if (namedEmptySlots(outcome.emptySlots))
        return kExitCommunication;
    return e.allPass() ? kExitOk : kExitOutOfControl;
}

int CliRunner::evaluateArchive(PlanEvaluation &e)
{
    if (!openArchiveForGroup())
        return kExitFile;
    // Streamed: the curves are read and judged batch by batch, never held at once.
    const std::atomic<bool> never{false};
    GroupEvaluationRequest request{m_archive.readSource(),
                                   matchingGroup(m_request.archiveFilter), e.plan};
    const bool shown = m_progressShown && !m_request.quiet;
    GroupEvaluation result = evaluateArchiveGroup(
        request,
        [this, shown](int done, int total) {
            if (!shown)
                return;
            m_err.write('\r' + Cli::tr("%1 von %2 Messungen bewertet").arg(done).arg(total).toUtf8());
            m_progressLineOpen = true;
        },
        never);
    endProgress();
    if (!result.status.ok()) {
        error(WorkflowText::archiveProblem(result.status, m_archive.location()));
        return kExitFile;
    }
    e.measurements = std::move(result.measurements);
    const int written = writeEvaluation(e);
    if (written != kExitOk)
        return written;
    return e.allPass() ? kExitOk : kExitOutOfControl;
}

int CliRunner::writeEvaluation(const PlanEvaluation &e)
{
    return writeOutput(m_request.format == QLatin1String("json")  ? evaluationJson(e)
                       : m_request.format == QLatin1String("tsv") ? evaluationTsv(e)
                                                                  : evaluationTable(e));
}
