// An archive group judged by a plan on a connection of its own, in batches:
// the counts and verdicts those of judgeByPlan on the same records, Cancel
// stopping it early.
#include "archive/measurementarchive.h"
#include "workflow/planevaluationjob.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// More than two batches. Measurement n peaks at 5 + n % 20 N: above 15 N
// (the plan's limit) for 9 of every 20; it reaches 12 N (its second
// characteristic) for 13 of every 20.
constexpr int kCount = 1100;

TestPlan twoCharacteristics()
{
    TestPlan plan;
    plan.name = QStringLiteral("Clip");
    plan.version = 3;
    plan.triggerForce = 1.0;
    Characteristic fmax;
    fmax.name = QStringLiteral("Fmax");
    fmax.upper = 15.0;
    Characteristic t12;
    t12.name = QStringLiteral("t12");
    t12.kind = CharacteristicKind::TimeToForce;
    t12.force = 12.0;
    plan.characteristics = {fmax, t12};
    return plan;
}

void fill(MeasurementArchive &archive, const QByteArray &serial, int first, int count)
{
    std::vector<std::unique_ptr<Measurement>> records;
    QList<Measurement *> pointers;
    for (int n = first; n < first + count; ++n) {
        records.push_back(std::make_unique<Measurement>(n % 50 + 1));
        Measurement &m = *records.back();
        m.dateText = QByteArray::number(n % 28 + 1) + ";02;2024";
        m.timeText = "10;" + QByteArray::number(n / 60 % 60) + ";" + QByteArray::number(n % 60);
        m.sampleRate = 100.0f;
        const float peak = 5.0f + n % 20;
        for (int i = 0; i < 40; ++i)
            m.forces.append(peak * float(i < 20 ? i : 40 - i) / 20.0f);
        m.sampleCount = uint32_t(m.forces.size());
        m.forceMax = peak;
        pointers.append(&m);
    }
    QVERIFY(archive.storeTransfer({serial, "2.10", 0}, pointers, QDateTime::currentDateTimeUtc())
                .ok());
}

} // namespace

class TestPlanEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void countsAreThoseOfJudgeByPlan();
    void cancelStopsEarly();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MeasurementArchive> m_archive;
};

void TestPlanEvaluation::init()
{
    m_archive = std::make_unique<MeasurementArchive>();
    QVERIFY(m_archive->open(m_dir.filePath(QStringLiteral("archive.sqlite"))).ok());
    if (m_archive->count() == 0) {
        fill(*m_archive, "SN-1", 0, kCount - 100);
        fill(*m_archive, "SN-2", kCount - 100, 100);
    }
}

void TestPlanEvaluation::countsAreThoseOfJudgeByPlan()
{
    const TestPlan plan = twoCharacteristics();
    PlanEvaluationJob job;
    QSignalSpy finished(&job, &PlanEvaluationJob::finished);
    QVERIFY(job.start({m_archive->readSource(), matchingGroup({}), plan}));
    QVERIFY(finished.wait(30000));
    const GroupEvaluation e = finished.first().first().value<GroupEvaluation>();
    QCOMPARE(e.plan.version, 3);
    QCOMPARE(e.total, kCount);
    QCOMPARE(e.done, kCount);
    QCOMPARE(e.failed, kCount / 20 * 9);
    QCOMPARE(e.passed, kCount / 20 * 11);
    QCOMPARE(e.tallies.at(0).failed, kCount / 20 * 9);
    QCOMPARE(e.tallies.at(1).notFound, kCount / 20 * 7);
    QCOMPARE(e.tallies.at(1).judged, 0);
    QVERIFY(!e.cancelled);
    // In the browsing list's order, each verdict that of the record kept.
    const QList<ArchiveEntry> entries = m_archive->entries();
    QCOMPARE(e.measurements.size(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const JudgedMeasurement &judged = e.measurements.at(i);
        QCOMPARE(judged.id, entries.at(i).id);
        const PlanVerdict expected = judgeByPlan(plan, m_archive->load(judged.id)->measurement);
        QCOMPARE(judged.verdict.pass(), expected.pass());
        QCOMPARE(judged.verdict.results.at(1).found, expected.results.at(1).found);
        QCOMPARE(judged.verdict.results.at(1).value, expected.results.at(1).value);
    }

    // One gauge, only its failed measurements kept.
    ArchiveFilter second;
    second.serialNr = QStringLiteral("sn-2");
    const std::atomic<bool> never{false};
    const GroupEvaluation gauge = evaluateArchiveGroup(
        {m_archive->readSource(), matchingGroup(second), plan, KeptVerdicts::FailedOnly}, {},
        never);
    QCOMPARE(gauge.total, 100);
    QCOMPARE(gauge.failed, 45);
    QCOMPARE(gauge.measurements.size(), 45);
    // Its CSV, newest first: #1091 of 28 February peaks at 16 N and passes
    // 12 N 13 samples after the trigger (1.6 N).
    const QList<QByteArray> csv = groupEvaluationCsv(gauge).split('\n');
    QCOMPARE(csv.size(), 47);
    QCOMPARE(csv.at(0), QByteArray("Seriennummer;Nr.;Datum;Zeit;Fmax / N;t12 / s;Urteil\r"));
    QCOMPARE(csv.at(1), QByteArray("SN-2;42;2024-02-28;10:18:11;16.0;0.130;n.i.O.\r"));
}

// Cancelled at the first batch's progress: the other half stops within its
// first batch, the rest is not read.
void TestPlanEvaluation::cancelStopsEarly()
{
    std::atomic<bool> cancel{false};
    QList<int> steps;
    const GroupEvaluation e = evaluateArchiveGroup(
        {m_archive->readSource(), matchingGroup({}), twoCharacteristics()},
        [&](int done, int total) {
            steps << done;
            QCOMPARE(total, kCount);
            cancel = true;
        },
        cancel);
    QCOMPARE(steps.first(), 500);
    QVERIFY2(e.done >= 500 && e.done <= 1000, qPrintable(QString::number(e.done)));
    QCOMPARE(steps.last(), e.done);
    QCOMPARE(e.measurements.size(), e.done);
    QVERIFY(e.cancelled);
    QVERIFY(e.status.ok());
}

QTEST_GUILESS_MAIN(TestPlanEvaluation)
#include "tst_planevaluation.moc"
