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

namespace {

// A plan file larger than this is no plan.
constexpr qint64 kLargestPlanFile = 16 * 1024 * 1024;

// The title, date and time columns, then one per characteristic, the verdict last.
QList<QStringList> evaluationRows(const PlanEvaluation &e)
{
    QStringList titles = {Cli::tr("Nr."), Cli::tr("Datum"), Cli::tr("Zeit")};
    for (const Characteristic &c : e.plan.characteristics)
        titles << (c.unit().isEmpty() ? c.name : c.name + QStringLiteral(" / ") + c.unit());
    titles << Cli::tr("Urteil");
    QList<QStringList> rows = {titles};
    for (int i = 0; i < e.measurements.size(); ++i) {
        const Measurement &m = *e.measurements.at(i);
        QStringList row = {QString::number(m.number),
                           measurementDate(m.dateText).toString(Qt::ISODate),
                           measurementTime(m.timeText).toString(Qt::ISODate)};
        const PlanVerdict &verdict = e.verdicts.at(i);
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
    return std::all_of(verdicts.begin(), verdicts.end(),
                       [](const PlanVerdict &v) { return v.pass(); });
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
    for (int i = 0; i < e.measurements.size(); ++i) {
        const Measurement &m = *e.measurements.at(i);
        QStringList row = {QString::number(m.number),
                           measurementDate(m.dateText).toString(Qt::ISODate),
                           measurementTime(m.timeText).toString(Qt::ISODate)};
        for (const CharacteristicResult &r : e.verdicts.at(i).results)
            row << (r.found ? QString::number(r.value, 'g', 10) : QString());
        row << (e.verdicts.at(i).pass() ? QStringLiteral("1") : QStringLiteral("0"));
        out += row.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return out;
}

QByteArray evaluationJson(const PlanEvaluation &e)
{
    QJsonArray measurements;
    for (int i = 0; i < e.measurements.size(); ++i) {
        const Measurement &m = *e.measurements.at(i);
        QJsonArray results;
        for (int k = 0; k < e.plan.characteristics.size(); ++k) {
            const CharacteristicResult &r = e.verdicts.at(i).results.at(k);
            QJsonObject o{{QStringLiteral("name"), e.plan.characteristics.at(k).name},
                          {QStringLiteral("value"), number(r)},
                          {QStringLiteral("found"), r.found}};
            if (r.judged)
                o.insert(QStringLiteral("pass"), r.pass);
            results.append(o);
        }
        measurements.append(
            QJsonObject{{QStringLiteral("slot"), m.number},
                        {QStringLiteral("date"), measurementDate(m.dateText).toString(Qt::ISODate)},
                        {QStringLiteral("time"), measurementTime(m.timeText).toString(Qt::ISODate)},
                        {QStringLiteral("results"), results},
                        {QStringLiteral("pass"), e.verdicts.at(i).pass()}});
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
            error(Cli::tr("Der Prüfplan '%1' ist nicht lesbar. %2").arg(m_request.planFile, problem));
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
    DeviceData data;
    QList<int> emptySlots;
    if (m_request.fromArchive) {
        const int loaded = loadArchiveGroup(data);
        if (loaded != kExitOk)
            return loaded;
    } else {
        if (!connectGauge())
            return kExitNoGauge;
        const TransferOutcome outcome = m_workflow.transfer(data, progress(), m_request.slotNumbers);
        m_workflow.disconnect();
        if (!readSucceeded(outcome.read))
            return kExitCommunication;
        emptySlots = outcome.emptySlots;
    }
    e.measurements = constRecords(data.records);
    for (const Measurement *m : qAsConst(e.measurements))
        e.verdicts << judgeByPlan(e.plan, *m);
    const QByteArray text = m_request.format == QLatin1String("json")  ? evaluationJson(e)
                            : m_request.format == QLatin1String("tsv") ? evaluationTsv(e)
                                                                       : evaluationTable(e);
    const int written = writeOutput(text);
    if (written != kExitOk)
        return written;
    if (namedEmptySlots(emptySlots))
        return kExitCommunication;
    return e.allPass() ? kExitOk : kExitOutOfControl;
}
