// An archive group judged by a plan of ten characteristics, as the window's
// "Mit Prüfplan bewerten…" runs it (PlanEvaluationJob: each half of the
// group read and judged on a thread and a connection of its own): 100,000 curves of
// 1,000 samples from a SQLite file and, when a PostgreSQL server can run,
// from the server. Goal: the file under 20 s on two cores, the server within
// twice that (40 s; its ratio to the file's time is printed too); meanwhile the longest gap of the starting thread's event loop
// (a 1 ms timer, as bench_stall counts the window's), goal 50 ms at most.
//
// The file is made once (archivefill.h, with 1,000 samples) and kept in the
// data folder; the server's database is filled from it at each run.
//
//   bench_planevaluation [--data DIR] [--count 100000] [--no-server]
#include "archivefill.h"
#include "benchplan.h"
#include "benchsupport.h"

#include "archive/archivegroupreader.h"
#include "archive/measurementarchive.h"
#include "testserver.h"
#include "workflow/planevaluationjob.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

constexpr int kSamples = 1000;

TestPlan tenCharacteristics(const Measurement &reference)
{
    Characteristic shape;
    shape.from = 1.0;
    shape.to = 5.0;
    shape.force = 100.0;
    shape.fall = 20.0;
    shape.fallInPercent = true;
    shape.share = 0.5;
    shape.within = 0.05;
    shape.activation = 50.0;
    shape.lower = 1.0;
    shape.upper = 400.0;
    TestPlan plan = tenCharacteristicPlan(shape, 5.0, reference, 150.0);
    plan.characteristics[8].upper = 2000.0; // N·s
    return plan;
}

struct Run
{
    GroupEvaluation result;
    double seconds = 0;
    double longestGapMs = 0;
};

// The job started from this thread's event loop, a 1 ms timer counting its rounds.
Run judge(MeasurementArchive &archive, const TestPlan &plan)
{
    Run run;
    PlanEvaluationJob job;
    QEventLoop loop;
    QObject::connect(&job, &PlanEvaluationJob::finished, &loop,
                     [&](const GroupEvaluation &result) {
                         run.result = result;
                         loop.quit();
                     });
    QElapsedTimer clock, sinceTick;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        run.longestGapMs = std::max(run.longestGapMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    clock.start();
    sinceTick.start();
    ticker.start();
    job.start({archive.readSource(), matchingGroup({}), plan, KeptVerdicts::FailedOnly});
    loop.exec();
    run.seconds = clock.nsecsElapsed() / 1e9;
    return run;
}

void print(const Run &run, double goalSeconds)
{
    printCount(QStringLiteral("measurements judged"), run.result.done, QString());
    printCount(QStringLiteral("n.i.O."), run.result.failed, QString());
    QStringList tallies;
    for (int k = 0; k < run.result.tallies.size(); ++k)
        tallies << QStringLiteral("%1 %2/%3").arg(run.result.plan.characteristics.at(k).name)
                       .arg(run.result.tallies.at(k).failed)
                       .arg(run.result.tallies.at(k).notFound);
    printNote(QStringLiteral("n.i.O./not found per characteristic"), tallies.join(QStringLiteral(", ")));
    printFigure(QStringLiteral("elapsed"), run.seconds, QStringLiteral("s"));
    printFigure(QStringLiteral("measurements per second"), run.result.done / run.seconds,
                QStringLiteral("1/s"), 0);
    printFigure(QStringLiteral("longest stall of the event loop"), run.longestGapMs,
                QStringLiteral("ms"), 1);
    printFigure(QStringLiteral("peak memory"), peakResidentKiB() / 1024.0, QStringLiteral("MiB"), 0);
    printGoal(QStringLiteral("elapsed < %1 s").arg(goalSeconds), run.seconds < goalSeconds);
    printGoal(QStringLiteral("longest stall <= 50 ms"), run.longestGapMs <= 50);
}

// The file's records copied to the server, one transfer per gauge and batch.
QString copyToServer(MeasurementArchive &file, MeasurementArchive &server)
{
    ArchiveGroupReader reader(file.readSource());
    ArchiveStatus status;
    const QList<qint64> ids = reader.matchingIds({}, &status);
    for (int first = 0; status.ok() && first < ids.size(); first += ArchiveGroupReader::kBatchSize) {
        std::vector<ArchivedMeasurement> batch =
            reader.load(ids.mid(first, ArchiveGroupReader::kBatchSize), &status);
        QMap<QByteArray, QList<Measurement *>> byGauge;
        for (ArchivedMeasurement &a : batch)
            byGauge[a.device.serialNr].append(&a.measurement);
        for (auto gauge = byGauge.begin(); status.ok() && gauge != byGauge.end(); ++gauge)
            status = server.storeTransfer({gauge.key(), "2.14", 0}, gauge.value(),
                                          QDateTime::currentDateTimeUtc());
    }
    return status.ok() ? QString() : status.detail;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QuietLog quiet;
    const QStringList arguments = app.arguments();
    const int count = optionValue(arguments, QStringLiteral("--count"), 100000);
    const int dataAt = arguments.indexOf(QStringLiteral("--data"));
    QTemporaryDir scratch;
    const QString data = dataAt > 0 && dataAt + 1 < arguments.size() ? arguments.at(dataAt + 1)
                                                                     : scratch.path();
    QDir().mkpath(data);
    const QString path = QStringLiteral("%1/plans-%2x%3.sqlite").arg(data).arg(count).arg(kSamples);
    if (!QFileInfo::exists(path)) {
        QElapsedTimer filling;
        filling.start();
        const QString failed = fillArchive(path, count, kSamples);
        if (!failed.isEmpty())
            return fail(failed);
        printFigure(QStringLiteral("archive made in"), filling.nsecsElapsed() / 1e9,
                    QStringLiteral("s"), 1);
    }
    MeasurementArchive file;
    if (!file.open(path).ok())
        return fail(QStringLiteral("cannot open ") + path);
    ArchiveStatus status;
    const std::vector<ArchivedMeasurement> first =
        ArchiveGroupReader(file.readSource()).load({1}, &status);
    if (first.empty())
        return fail(QStringLiteral("the archive holds no first measurement"));
    const TestPlan plan = tenCharacteristics(first.front().measurement);

    printCase(QStringLiteral("%1 curves x %2 samples, ten characteristics, SQLite")
                  .arg(count)
                  .arg(kSamples));
    const Run onFile = judge(file, plan);
    if (onFile.result.done != count)
        return fail(QStringLiteral("the file's group was not judged whole"));
    print(onFile, 20.0);

    if (arguments.contains(QStringLiteral("--no-server")))
        return 0;
    TestServer server;
    if (!server.isRunning()) {
        printNote(QStringLiteral("PostgreSQL"), QStringLiteral("no server: ") + server.whyNot());
        return 0;
    }
    ArchiveConfig config;
    config.backend = ArchiveConfig::PostgreSQL;
    config.server = server.freshDatabase(QStringLiteral("bench_plans"));
    config.filePath = scratch.filePath(QStringLiteral("spool.sqlite"));
    MeasurementArchive onServer;
    if (!onServer.open(config).ok() || !onServer.isOnline())
        return fail(QStringLiteral("the server's archive did not open"));
    const QString copied = copyToServer(file, onServer);
    if (!copied.isEmpty())
        return fail(copied);
    printCase(QStringLiteral("%1 curves x %2 samples, ten characteristics, PostgreSQL")
                  .arg(count)
                  .arg(kSamples));
    const Run serverRun = judge(onServer, plan);
    if (serverRun.result.done != count || serverRun.result.failed != onFile.result.failed)
        return fail(QStringLiteral("the server's group was not judged as the file's"));
    print(serverRun, 40.0);
    printFigure(QStringLiteral("ratio to the file"), serverRun.seconds / onFile.seconds,
                QString(), 2);
    return 0;
}
