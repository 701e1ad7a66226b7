#include "workflow/planevaluationjob.h"

#include "archive/archivegroupreader.h"
#include "measurement/measurement.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <QThread>
#include <future>
#include <vector>

namespace {

// A connection name no other evaluation uses at the same time.
QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("tspx-plan-evaluation-%1").arg(++next);
}

std::vector<JudgedMeasurement> judgeBatch(const TestPlan &plan,
                                          const std::vector<ArchivedMeasurement> &batch,
                                          const std::atomic<bool> &cancel)
{
    std::vector<JudgedMeasurement> judged;
    judged.reserve(batch.size());
    for (const ArchivedMeasurement &a : batch) {
        if (cancel.load())
            break;
        judged.push_back(JudgedMeasurement::of(a.device.serialNr, a.measurement, plan, a.id));
    }
    return judged;
}

// The work on one connection, cloned from `source` for this thread.
void evaluateOn(const ArchiveReadSource &source, const GroupEvaluationRequest &request,
                const std::function<void(int, int)> &progress, const std::atomic<bool> &cancel,
                GroupEvaluation &result)
{
    if (!request.selection) {
        result.status = ArchiveStatus::failure(ArchiveStatus::Failed, QStringLiteral("no group"));
        return;
    }
    const QList<qint64> ids = request.selection(source, &result.status);
    result.total = ids.size();
    if (!result.status.ok())
        return;
    ArchiveGroupReader reader(source);
    const bool keepAll = request.kept == KeptVerdicts::All;
    // Judging one batch on a second thread while this one reads the next.
    std::future<std::vector<JudgedMeasurement>> judging;
    const auto collect = [&] {
        if (!judging.valid())
            return;
        for (const JudgedMeasurement &judged : judging.get())
            result.add(judged, keepAll);
        if (progress)
            progress(result.done, result.total);
    };
    for (int first = 0; first < ids.size() && !cancel.load();
         first += ArchiveGroupReader::kBatchSize) {
        auto batch = std::make_shared<std::vector<ArchivedMeasurement>>(
            reader.load(ids.mid(first, ArchiveGroupReader::kBatchSize), &result.status));
        collect();
        if (!result.status.ok())
            return;
        judging = std::async(std::launch::async, [&plan = request.plan, batch, &cancel] {
            return judgeBatch(plan, *batch, cancel);
        });
    }
    collect();
}

// A CSV field, quoted when it holds the separator, a quote or a line break.
QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
           + QLatin1Char('"');
}

QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(';')).toUtf8() + "\r\n";
}

QString trEvaluation(const char *text)
{
    return QCoreApplication::translate("GroupEvaluation", text);
}

} // namespace

QByteArray groupEvaluationCsv(const GroupEvaluation &e)
{
    QStringList titles = {trEvaluation(QT_TRANSLATE_NOOP("GroupEvaluation", "Seriennummer")),
                          trEvaluation(QT_TRANSLATE_NOOP("GroupEvaluation", "Nr.")),
                          trEvaluation(QT_TRANSLATE_NOOP("GroupEvaluation", "Datum")),
                          trEvaluation(QT_TRANSLATE_NOOP("GroupEvaluation", "Zeit"))};
    for (const Characteristic &c : e.plan.characteristics)
        titles << (c.unit().isEmpty() ? c.name : c.name + QStringLiteral(" / ") + c.unit());
    titles << trEvaluation(QT_TRANSLATE_NOOP("GroupEvaluation", "Urteil"));
    QByteArray csv = csvLine(titles);
    for (const JudgedMeasurement &m : e.measurements) {
        QStringList row = {QString::fromLatin1(m.serialNr), QString::number(m.slot),
                           measurementDate(m.dateText).toString(Qt::ISODate),
                           measurementTime(m.timeText).toString(Qt::ISODate)};
        for (int k = 0; k < e.plan.characteristics.size() && k < m.verdict.results.size(); ++k)
            row << characteristicValueText(e.plan.characteristics.at(k), m.verdict.results.at(k));
        row << verdictText(m.verdict.pass());
        csv += csvLine(row);
    }
    return csv;
}

JudgedMeasurement JudgedMeasurement::of(const QByteArray &serialNr, const Measurement &m,
                                        const TestPlan &plan, qint64 id)
{
    return {id, serialNr, m.number, m.dateText, m.timeText, judgeByPlan(plan, m)};
}

void GroupEvaluation::add(const JudgedMeasurement &judged, bool keep)
{
    ++done;
    const bool pass = judged.verdict.pass();
    ++(pass ? passed : failed);
    for (int k = 0; k < judged.verdict.results.size() && k < tallies.size(); ++k) {
        const CharacteristicResult &r = judged.verdict.results.at(k);
        CharacteristicTally &tally = tallies[k];
        tally.notFound += r.found ? 0 : 1;
        if (!r.judged)
            continue;
        ++tally.judged;
        ++(r.pass ? tally.passed : tally.failed);
    }
    if (keep || !pass)
        measurements.append(judged);
}

GroupSelection matchingGroup(const ArchiveFilter &filter)
{
    return [filter](const ArchiveReadSource &source, ArchiveStatus *status) {
        return ArchiveGroupReader(source).matchingIds(filter, status);
    };
}

GroupEvaluation evaluateArchiveGroup(const GroupEvaluationRequest &request,
                                     const std::function<void(int, int)> &progress,
                                     const std::atomic<bool> &cancel)
{
    GroupEvaluation result;
    result.plan = request.plan;
    for (int k = 0; k < request.plan.characteristics.size(); ++k)
        result.tallies.append(CharacteristicTally());
    const QString connection = newConnectionName();
    {
        // A connection belongs to the thread that opened it: this one gets its own.
        QSqlDatabase db = QSqlDatabase::cloneDatabase(request.source.connection, connection);
        if (!db.open()) {
            result.status = ArchiveStatus::failure(ArchiveStatus::CannotOpen,
                                                   db.lastError().text());
        } else {
            evaluateOn({connection, request.source.spool}, request, progress, cancel, result);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    result.cancelled = cancel.load() && result.done < result.total;
    return result;
}

PlanEvaluationJob::PlanEvaluationJob(QObject *parent)
    : QObject(parent), m_cancel(std::make_shared<std::atomic<bool>>(false))
{
    qRegisterMetaType<GroupEvaluation>();
}

PlanEvaluationJob::~PlanEvaluationJob()
{
    cancel();
    reap();
}

void PlanEvaluationJob::reap()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

bool PlanEvaluationJob::start(const GroupEvaluationRequest &request)
{
    if (m_running)
        return false;
    reap();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_running = true;
    const std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    m_thread = QThread::create([this, request, cancel] {
        const auto progress = [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { emit progressed(done, total); }, Qt::QueuedConnection);
        };
        const GroupEvaluation result = evaluateArchiveGroup(request, progress, *cancel);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                m_running = false;
                emit finished(result);
            },
            Qt::QueuedConnection);
    });
    m_thread->setObjectName(QStringLiteral("plan evaluation"));
    m_thread->start();
    return true;
}
