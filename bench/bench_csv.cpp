// CSV export of 50 measurements of 10,000 samples with the program's writer
// (DbList::exportListCSV) into a temporary folder, beside a plain buffered
// write of the very same file contents in 1 MiB pieces.
//
//   bench_csv [--records N] [--samples N] [--runs N]
#include "benchsupport.h"

#include "measurement/dblist.h"
#include "measurement/measurement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr qint64 kChunk = 1024 * 1024;

// Records as a transfer leaves them: forces with three decimals, as sent.
std::vector<std::unique_ptr<Measurement>> makeRecords(int count, int samples)
{
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> thousandths(0, 500000);
    std::vector<std::unique_ptr<Measurement>> records;
    for (int number = 1; number <= count; ++number) {
        auto m = std::make_unique<Measurement>(number);
        m->sampleCount = uint32_t(samples);
        m->sampleRate = 100.0f;
        m->dateText = "24;01;2017";
        m->timeText = "16;11;58";
        m->forces.reserve(samples);
        for (int j = 0; j < samples; ++j)
            m->forces.append(float(thousandths(random)) / 1000.0f);
        records.push_back(std::move(m));
    }
    return records;
}

// The file written at once from memory: the fastest the disk path allows.
bool writePlain(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (qint64 at = 0; at < contents.size(); at += kChunk) {
        const qint64 length = std::min(kChunk, contents.size() - at);
        if (file.write(contents.constData() + at, length) != length)
            return false;
    }
    file.close();
    return file.error() == QFileDevice::NoError;
}

// Median seconds of `runs` calls; -1 when one of them failed.
double timed(int runs, const std::function<bool()> &work)
{
    QList<double> seconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        seconds << double(timer.nsecsElapsed()) / 1e9;
    }
    return median(seconds);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int recordCount = std::max(1, optionValue(arguments, "--records", 50));
    const int samples = std::max(1, optionValue(arguments, "--samples", 10000));
    const int runs = std::max(1, optionValue(arguments, "--runs", 5));

    QTemporaryDir dir;
    if (!dir.isValid())
        return fail("no temporary folder");
    const auto records = makeRecords(recordCount, samples);
    QList<const Measurement *> list;
    for (const auto &record : records)
        list << record.get();
    const DbList table(list, "TP-2231-0417", "N", 1.0);
    const QString exported = dir.filePath("export.csv");
    const QString plain = dir.filePath("plain.csv");

    QuietLog quiet;
    const double writerSeconds =
        timed(runs, [&] { return table.exportListCSV(exported, true) == 0; });
    if (writerSeconds < 0)
        return fail("the export failed");
    QFile written(exported);
    if (!written.open(QIODevice::ReadOnly))
        return fail("cannot read the export back");
    const QByteArray contents = written.readAll();
    const double plainSeconds = timed(runs, [&] { return writePlain(plain, contents); });
    if (plainSeconds < 0)
        return fail("the plain write failed");
    if (QFile(plain).size() != contents.size())
        return fail("the plain file differs in size");

    const double megabytes = double(contents.size()) / 1e6;
    printCase(QStringLiteral("CSV export of %1 measurements of %2 samples (median of %3)")
                  .arg(recordCount)
                  .arg(samples)
                  .arg(runs));
    printCount("file size", contents.size(), "B");
    // Every sample row has a time cell and one cell per record.
    const double cells = double(samples) * (recordCount + 1);
    printFigure("exportListCSV", writerSeconds * 1000, "ms", 2);
    printFigure("exportListCSV rate", megabytes / writerSeconds, "MB/s", 1);
    printFigure("plain write of the same bytes", plainSeconds * 1000, "ms", 2);
    printFigure("plain write rate", megabytes / plainSeconds, "MB/s", 1);
    printFigure("exportListCSV beyond the plain write, per cell",
                (writerSeconds - plainSeconds) * 1e9 / cells, "ns", 1);
    printFigure("ratio exportListCSV/plain", writerSeconds / plainSeconds, "", 2);
    printGoal("ratio <= 2", writerSeconds <= 2 * plainSeconds);
    return 0;
}
