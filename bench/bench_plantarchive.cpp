// Eight stations archive one transfer each (50 measurements of 10,000
// samples) at the same time: into one PostgreSQL server (a throwaway local
// one, as the tests use), and for comparison into eight SQLite files. A
// reader on the server counts until it sees the last measurement.
//
//   bench_plantarchive [--stations N] [--records N] [--samples N]
#include "benchsupport.h"
#include "testserver.h"

#include "archive/measurementarchive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <future>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Sizes
{
    int stations = 8;
    int records = 50;
    int samples = 10000;
};

std::vector<std::unique_ptr<Measurement>> makeRecords(int station, const Sizes &sizes)
{
    std::mt19937 random(uint32_t(4711 + station));
    std::uniform_int_distribution<int> thousandths(0, 500000);
    std::vector<std::unique_ptr<Measurement>> records;
    for (int number = 1; number <= sizes.records; ++number) {
        auto m = std::make_unique<Measurement>(number);
        m->sampleCount = uint32_t(sizes.samples);
        m->sampleRate = 1000.0f;
        m->dateText = "08;12;2026";
        m->timeText = QByteArray::number(10 + station) + ";" +
                      QByteArray::number(number).rightJustified(2, '0') + ";00";
        for (int j = 0; j < sizes.samples; ++j)
            m->forces.append(float(thousandths(random)) / 1000.0f);
        m->forceMax = 500.0f;
        records.push_back(std::move(m));
    }
    return records;
}

QList<Measurement *> pointers(const std::vector<std::unique_ptr<Measurement>> &records)
{
    QList<Measurement *> list;
    for (const auto &m : records)
        list.append(m.get());
    return list;
}

// Every station stores its transfer at once; the seconds until all are done.
using Transfers = std::vector<std::vector<std::unique_ptr<Measurement>>>;

Transfers makeTransfers(const Sizes &sizes)
{
    Transfers transfers;
    for (int i = 0; i < sizes.stations; ++i)
        transfers.push_back(makeRecords(i, sizes));
    return transfers;
}

double runStations(const std::vector<ArchiveConfig> &configs, const Transfers &transfers,
                   const Sizes &sizes, std::atomic<int> &failures)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<std::future<void>> running;
    for (size_t i = 0; i < configs.size(); ++i) {
        running.push_back(std::async(std::launch::async, [&, i] {
            MeasurementArchive archive;
            int added = 0;
            if (!archive.open(configs[i]).ok() ||
                !archive.storeTransfer({"TP-BENCH", "1.0", 0}, pointers(transfers[i]),
                                       QDateTime::currentDateTimeUtc(), &added)
                     .ok() ||
                added != sizes.records || archive.waitingCount() != 0)
                ++failures;
        }));
    }
    for (auto &station : running)
        station.get();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QuietLog quiet;
    const QStringList arguments = app.arguments();
    Sizes sizes;
    sizes.stations = optionValue(arguments, QStringLiteral("--stations"), sizes.stations);
    sizes.records = optionValue(arguments, QStringLiteral("--records"), sizes.records);
    sizes.samples = optionValue(arguments, QStringLiteral("--samples"), sizes.samples);
    const int total = sizes.stations * sizes.records;
    QTemporaryDir folder;

    TestServer server;
    if (!server.isRunning())
        return fail(QStringLiteral("no PostgreSQL server: ") + server.whyNot());
    std::vector<ArchiveConfig> onServer, inFiles;
    const ArchiveServer database = server.freshDatabase(QStringLiteral("bench_plant"));
    for (int i = 0; i < sizes.stations; ++i) {
        ArchiveConfig config;
        config.backend = ArchiveConfig::PostgreSQL;
        config.server = database;
        config.station = QStringLiteral("station-%1").arg(i + 1);
        config.filePath = folder.filePath(config.station + QStringLiteral("-spool.sqlite"));
        onServer.push_back(config);
        config.backend = ArchiveConfig::SQLite;
        config.filePath = folder.filePath(config.station + QStringLiteral(".sqlite"));
        inFiles.push_back(config);
    }
    MeasurementArchive reader;
    reader.open(onServer.front()); // makes the schema before the stations start

    printCase(QStringLiteral("%1 stations x %2 measurements x %3 samples, PostgreSQL")
                  .arg(sizes.stations)
                  .arg(sizes.records)
                  .arg(sizes.samples));
    std::atomic<int> failures{0};
    const Transfers transfers = makeTransfers(sizes);
    QElapsedTimer sinceStart;
    sinceStart.start();
    auto writers = std::async(std::launch::async,
                              [&] { return runStations(onServer, transfers, sizes, failures); });
    // Counting is cheap (no samples read); a poll every 2 ms.
    while (reader.count() < total && sinceStart.elapsed() < 600000 && failures == 0)
        QThread::msleep(2);
    const double lastVisible = sinceStart.nsecsElapsed() / 1e9;
    const double seconds = writers.get();
    if (failures != 0 || reader.count() != total)
        return fail(QStringLiteral("the server did not take every measurement"));
    printFigure(QStringLiteral("measurements per second"), total / seconds, QStringLiteral("1/s"), 1);
    printFigure(QStringLiteral("all stored"), seconds, QStringLiteral("s"));
    printFigure(QStringLiteral("last visible to a reader"), lastVisible, QStringLiteral("s"));

    printCase(QStringLiteral("%1 stations x %2 measurements x %3 samples, one SQLite file each")
                  .arg(sizes.stations)
                  .arg(sizes.records)
                  .arg(sizes.samples));
    const double fileSeconds = runStations(inFiles, transfers, sizes, failures);
    if (failures != 0)
        return fail(QStringLiteral("a file did not take every measurement"));
    printFigure(QStringLiteral("measurements per second"), total / fileSeconds, QStringLiteral("1/s"), 1);
    printFigure(QStringLiteral("all stored"), fileSeconds, QStringLiteral("s"));
    return 0;
}
