// A whole transfer against the line's limit: the real main window presses its
// transfer button with tspx-sim --paced (11,520 bytes per second each way, the
// rate of 115200 8N1) behind COM4. The raw cases replay the same commands
// without the program, which shows what the gauge's pacing costs on its own.
//
//   bench_transfer [--case empty|filled1000|filled10000|raw1000|raw10000]...
//
// Without --case: empty, filled1000 and raw1000 (about a minute and a half).
#include "benchsupport.h"
#include "gaugestats.h"
#include "rawline.h"
#include "windowharness.h"

#include "device/protocol.h"
#include "sim/simconfig.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

struct TransferCase
{
    QString name;
    QStringList gaugeOptions;
    QList<int> filledSlots;
    bool raw;
};

QList<int> allSlots()
{
    QList<int> numbers;
    for (int slot = 1; slot <= Protocol::kSlotCount; ++slot)
        numbers << slot;
    return numbers;
}

QList<TransferCase> knownCases()
{
    const QStringList samples1000 = {"--slots", "1-50", "--samples", "1000"};
    const QStringList samples10000 = {"--slots", "1-50", "--samples", "10000"};
    return {{"empty", {"--empty"}, {}, false},
            {"filled1000", samples1000, allSlots(), false},
            {"filled10000", samples10000, allSlots(), false},
            {"raw1000", samples1000, allSlots(), true},
            {"raw10000", samples10000, allSlots(), true}};
}

int fail(const QString &caseName, const QString &reason)
{
    return ::fail(caseName + ": " + reason);
}

double wireSeconds(qint64 bytes)
{
    return double(bytes) / kWireBytesPerSecond;
}

void printTraffic(const Traffic &traffic)
{
    printCount("bytes to gauge", traffic.toGauge, "B");
    printCount("bytes from gauge", traffic.fromGauge, "B");
    printFigure(QStringLiteral("wire time at %1 B/s").arg(kWireBytesPerSecond),
                wireSeconds(traffic.total()), "s");
}

QList<QByteArray> withoutLineEnds(const QList<QByteArray> &lines)
{
    QList<QByteArray> stripped;
    for (const QByteArray &line : lines)
        stripped << line.left(line.size() - 2);
    return stripped;
}

// The pauses the device code makes after the stop command: once at the
// connection (a leftover mode ended) and once at the close.
double fixedPauseSeconds()
{
    return 2 * Protocol::kStopPause / 1000.0;
}

void printToolFigures(const TransferCase &c, double elapsed, const Traffic &traffic, int commands)
{
    const double wire = wireSeconds(traffic.total());
    const double pauses = fixedPauseSeconds();
    printFigure("elapsed", elapsed, "s");
    printTraffic(traffic);
    printCount("command lines", commands, "");
    printFigure("fixed pauses (2 x stop pause)", pauses, "s");
    printFigure("elapsed beyond wire and pauses", elapsed - wire - pauses, "s");
    printFigure("per command beyond wire and pauses", (elapsed - wire - pauses) * 1000 / commands,
                "ms");
    printFigure("ratio elapsed/wire", elapsed / wire, "");
    printFigure("ratio (elapsed - pauses)/wire", (elapsed - pauses) / wire, "");
    if (c.filledSlots.isEmpty()) {
        printGoal("elapsed <= wire + 0.1 s", elapsed <= wire + 0.1);
        printGoal("elapsed - pauses <= wire + 0.1 s", elapsed - pauses <= wire + 0.1);
    } else {
        printGoal("ratio <= 1.05", elapsed / wire <= 1.05);
    }
}

int runToolCase(const TransferCase &c)
{
    WindowHarness gauge;
    if (!gauge.setUp())
        return fail(c.name, "the window did not come up");
    const QString statsPath = gauge.filePath(QStringLiteral("gauge-stats.txt"));
    if (!gauge.startGeneratedGauge(c.gaugeOptions + QStringList{"--paced", "--stats", statsPath}))
        return fail(c.name, gauge.gauge()->errorText());
    const qint64 peakBefore = peakResidentKiB();
    QElapsedTimer timer;
    timer.start();
    gauge.transfer();
    const double elapsed = double(timer.nsecsElapsed()) / 1e9;
    const qint64 peakAfter = peakResidentKiB();
    const int rows = gauge.rowNumbers().size();
    const QString error = gauge.shownError();
    // The transcript lives only as long as the gauge's process object.
    const QList<QByteArray> transcript = gauge.traffic();
    if (!gauge.gauge()->stop())
        return fail(c.name, "the gauge did not stop cleanly");
    // Figures of a transfer that went wrong would be meaningless.
    if (!error.isEmpty())
        return fail(c.name, "the program showed: " + error);
    if (rows != c.filledSlots.size())
        return fail(c.name,
                    QStringLiteral("%1 rows instead of %2").arg(rows).arg(c.filledSlots.size()));
    const QList<QByteArray> expected = withoutLineEnds(transferCommands(c.filledSlots));
    if (transcript != expected)
        return fail(c.name, "the program sent other commands than a transfer's");
    const Traffic traffic = readTraffic(statsPath);
    if (!traffic.isValid())
        return fail(c.name, "no byte counts from the gauge");

    printCase(c.name + " (tspx-sim --paced " + c.gaugeOptions.join(' ') + ")");
    printToolFigures(c, elapsed, traffic, expected.size());
    printCount("peak memory before the transfer (VmHWM)", peakBefore / 1024, "MiB");
    printCount("peak memory after the transfer (VmHWM)", peakAfter / 1024, "MiB");
    printCount("resident memory after the transfer (VmRSS)", residentKiB() / 1024, "MiB");
    return 0;
}

int runRawCase(const TransferCase &c)
{
    TemporaryConfigHome home;
    const QString statsPath = home.path() + QStringLiteral("/gauge-stats.txt");
    SimProcess gauge(c.gaugeOptions + QStringList{"--paced", "--stats", statsPath});
    if (!home.isValid() || !gauge.start())
        return fail(c.name, gauge.errorText());
    QElapsedTimer timer;
    double longest = 0;
    qint64 longestBytes = 0;
    {
        RawLine line(gauge.linkPath());
        if (!line.isOpen())
            return fail(c.name, "cannot open " + gauge.linkPath());
        QElapsedTimer exchange;
        timer.start();
        for (const QByteArray &command : transferCommands(c.filledSlots)) {
            exchange.start();
            const QByteArray answer = line.exchange(command);
            if (answer.isEmpty())
                return fail(c.name, "no answer to " + QString::fromLatin1(command.trimmed()));
            if (command.size() + answer.size() > longestBytes) {
                longestBytes = command.size() + answer.size();
                longest = double(exchange.nsecsElapsed()) / 1e9;
            }
        }
    }
    const double elapsed = double(timer.nsecsElapsed()) / 1e9;
    if (!gauge.stop())
        return fail(c.name, "the gauge did not stop cleanly");
    const Traffic traffic = readTraffic(statsPath);
    if (!traffic.isValid())
        return fail(c.name, "no byte counts from the gauge");

    printCase(c.name + " (raw client, tspx-sim --paced " + c.gaugeOptions.join(' ') + ")");
    printFigure("elapsed", elapsed, "s");
    printTraffic(traffic);
    printFigure("ratio elapsed/wire", elapsed / wireSeconds(traffic.total()), "");
    printCount("longest exchange", longestBytes, "B");
    printFigure("longest exchange rate", double(longestBytes) / longest, "B/s", 0);
    printGoal("gauge not slower than the wire (ratio <= 1.01)",
              elapsed / wireSeconds(traffic.total()) <= 1.01);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    const QuietLog quiet;
    const QList<TransferCase> cases = knownCases();
    int result = 0;
    for (const QString &name :
         requestedCases(app.arguments(), {"empty", "filled1000", "raw1000"})) {
        const auto found = std::find_if(cases.begin(), cases.end(),
                                        [&](const TransferCase &c) { return c.name == name; });
        if (found == cases.end()) {
            result = fail(name, "unknown case");
            continue;
        }
        if ((found->raw ? runRawCase(*found) : runToolCase(*found)) != 0)
            result = 1;
    }
    return result;
}
