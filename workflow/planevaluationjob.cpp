#include "workflow/planevaluationjob.h"

#include "archive/archivegroupreader.h"
#include "measurement/measurement.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <QThread>
#include <future>
#include <mutex>
#include <vector>

namespace {

// A connection name no other evaluation uses at the same time.
QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("tspx-plan-evaluation-%1").arg(++next);
}

// A clone of a connection for the calling thread (a connection belongs to
// the thread that opened it), closed and removed with this object.
class OwnConnection
{
public:
    explicit OwnConnection(const ArchiveReadSource &of) : m_source{newConnectionName(), of.spool}
    {
        QSqlDatabase db = QSqlDatabase::cloneDatabase(of.connection, m_source.connection);
        if (!db.open())
            m_status = ArchiveStatus::failure(ArchiveStatus::CannotOpen, db.lastError().text());
    }
    ~OwnConnection()
    {
        QSqlDatabase::database(m_source.connection, false).close();
        QSqlDatabase::removeDatabase(m_source.connection);
    }
    OwnConnection(const OwnConnection &) = delete;
    OwnConnection &operator=(const OwnConnection &) = delete;

    const ArchiveReadSource &source() const { return m_source; }
    const ArchiveStatus &status() const { return m_status; }

private:
    ArchiveReadSource m_source;
    ArchiveStatus m_status;
};

// The measurements judged so far by all lanes, reported one at a time.
class SharedProgress
{
public:
    SharedProgress(int total, const std::function<void(int, int)> &report)
        : m_total(total), m_report(report)
    {
    }
    void add(int judged)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_done += judged;
        if (m_report)
            m_report(m_done, m_total);
    }

private:
    std::mutex m_mutex;
    int m_done = 0;
    const int m_total;
    const std::function<void(int, int)> &m_report;
};

GroupEvaluation emptyEvaluation(const TestPlan &plan)
{
    GroupEvaluation e;
    e.plan = plan;
    for (int k = 0; k < plan.characteristics.size(); ++k)
        e.tallies.append(CharacteristicTally());
    return e;
}

// One lane: its part of the group read and judged batch by batch on a
// connection of its own.
GroupEvaluation judgeLane(const GroupEvaluationRequest &request, const QList<qint64> &ids,
                          SharedProgress &progress, const std::atomic<bool> &cancel)
{
    GroupEvaluation part = emptyEvaluation(request.plan);
    OwnConnection connection(request.source);
    part.status = connection.status();
    ArchiveGroupReader reader(connection.source());
    const bool keepAll = request.kept == KeptVerdicts::All;
    for (int first = 0; part.status.ok() && first < ids.size() && !cancel.load();
         first += ArchiveGroupReader::kBatchSize) {
        const std::vector<ArchivedMeasurement> batch =
            reader.load(ids.mid(first, ArchiveGroupReader::kBatchSize), &part.status);
        const int before = part.done;
        for (const ArchivedMeasurement &a : batch) {
            if (cancel.load())
                break;
            part.add(JudgedMeasurement::of(a.device.serialNr, a.measurement, request.plan, a.id),
                     keepAll);
        }
        progress.add(part.done - before);
    }
    return part;
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

void GroupEvaluation::merge(const GroupEvaluation &part)
{
    done += part.done;
    passed += part.passed;
    failed += part.failed;
    for (int k = 0; k < tallies.size() && k < part.tallies.size(); ++k) {
        tallies[k].judged += part.tallies.at(k).judged;
        tallies[k].passed += part.tallies.at(k).passed;
        tallies[k].failed += part.tallies.at(k).failed;
        tallies[k].notFound += part.tallies.at(k).notFound;
    }
    measurements += part.measurements;
    if (status.ok())
        status = part.status;
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
    GroupEvaluation result = emptyEvaluation(request.plan);
    QList<qint64> ids;
    {
        OwnConnection listing(request.source);
        result.status = listing.status();
        if (!request.selection)
            result.status = ArchiveStatus::failure(ArchiveStatus::Failed, QStringLiteral("no group"));
        if (result.status.ok())
            ids = request.selection(listing.source(), &result.status);
    }
    result.total = ids.size();
    if (!result.status.ok())
        return result;
    // Two lanes, each reading and judging its half, use both cores; the
    // halves are joined in the group's order.
    SharedProgress shared(result.total, progress);
    const int half = ids.size() / 2;
    auto second = std::async(std::launch::async, [&] {
        return judgeLane(request, ids.mid(half), shared, cancel);
    });
    result.merge(judgeLane(request, ids.mid(0, half), shared, cancel));
    result.merge(second.get());
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
