#pragma once

#include "archive/archivetypes.h"
#include "measurement/testplan.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

// One measurement a plan judged, by its identity (never its samples).
struct JudgedMeasurement
{
    qint64 id = 0; // in the archive; 0 for one read from the gauge
    QByteArray serialNr;
    int slot = 0;
    QByteArray dateText;
    QByteArray timeText;
    PlanVerdict verdict;

    static JudgedMeasurement of(const QByteArray &serialNr, const Measurement &m,
                                const TestPlan &plan, qint64 id = 0);
};

// How one characteristic fared over a group.
struct CharacteristicTally
{
    int judged = 0;   // had limits (or is pass and fail) and was found
    int passed = 0;
    int failed = 0;   // judged and out of its limits, or judged and not found
    int notFound = 0; // not on the curve
};

// An archive group judged by a plan: the results are computed from the kept
// samples and never stored in place of them.
struct GroupEvaluation
{
    TestPlan plan; // name and version name what judged
    int total = 0; // the group's measurements
    int done = 0;  // judged before the end (all of them unless cancelled or failed)
    int passed = 0;
    int failed = 0;
    QList<CharacteristicTally> tallies; // one per characteristic of the plan
    // In the group's order: every measurement judged, or only the failed ones.
    QList<JudgedMeasurement> measurements;
    bool cancelled = false;
    ArchiveStatus status; // why reading stopped; Ok when it did not

    void add(const JudgedMeasurement &judged, bool keep);
    // Adds a part judged after the ones before it.
    void merge(const GroupEvaluation &part);
};

Q_DECLARE_METATYPE(GroupEvaluation)

// The measurements kept in `e` as CSV (";", UTF-8, a title row): serial
// number, slot, date and time (ISO), each characteristic's value as people
// read it ("." and its decimals), the verdict.
QByteArray groupEvaluationCsv(const GroupEvaluation &e);

// Lists the group's ids on the connection of `source` (opened on the
// calling thread), in the order the results take.
using GroupSelection =
    std::function<QList<qint64>(const ArchiveReadSource &source, ArchiveStatus *status)>;
// Every measurement the filter lets through, in the browsing list's order.
GroupSelection matchingGroup(const ArchiveFilter &filter);

enum class KeptVerdicts
{
    All,
    FailedOnly,
};

struct GroupEvaluationRequest
{
    // Where the archive reads (MeasurementArchive::readSource()): a
    // connection of the evaluating thread to the same database is made from it.
    ArchiveReadSource source;
    GroupSelection selection;
    TestPlan plan;
    KeptVerdicts kept = KeptVerdicts::All;
};

// Judges the group from the calling thread: its ids listed on a connection
// of its own, then its two halves, each on a thread and a connection of its
// own, read and judged batch by batch. `progress(done, total)` follows each
// batch, from either thread, one call at a time; `cancel` is read between
// records.
GroupEvaluation evaluateArchiveGroup(const GroupEvaluationRequest &request,
                                     const std::function<void(int done, int total)> &progress,
                                     const std::atomic<bool> &cancel);

// evaluateArchiveGroup on a thread of its own, for the window: progress and
// the end come back queued to the thread that started it.
class PlanEvaluationJob : public QObject
{
    Q_OBJECT

public:
    explicit PlanEvaluationJob(QObject *parent = nullptr);
    // Cancels a running job and waits for it; its end is not delivered.
    ~PlanEvaluationJob() override;
    PlanEvaluationJob(const PlanEvaluationJob &) = delete;
    PlanEvaluationJob &operator=(const PlanEvaluationJob &) = delete;

    // False (nothing started) while a job runs.
    bool start(const GroupEvaluationRequest &request);
    void cancel() { m_cancel->store(true); }
    bool isRunning() const { return m_running; }

signals:
    void progressed(int done, int total);
    void finished(const GroupEvaluation &result);

private:
    void reap();

    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_running = false;
};
