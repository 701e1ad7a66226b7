// The quick transfer against the full one: the real main window transfers a
// full gauge (50 slots) from tspx-sim --paced twice with the quick transfer on.
// The first transfer reads every sample and fills the archive; the second
// finds every measurement there and skips the sample lists.
//
//   bench_quicktransfer [--samples 10000]
//
// With 10,000 samples a slot the first transfer takes about five minutes.
#include "benchsupport.h"
#include "gaugestats.h"
#include "windowharness.h"

#include "archive/measurementarchive.h"
#include "settings/statusini.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QElapsedTimer>

namespace {

constexpr int kSlots = 50;
constexpr double kGoalSpeedUp = 50.0;

struct Pass
{
    double seconds = 0;
    Traffic traffic;
    int sampleLists = 0;
};

// One transfer from a freshly started gauge; false with the reason on failure.
bool transferOnce(WindowHarness &window, const QStringList &gaugeOptions, Pass &pass)
{
    const QString statsPath = window.filePath(QStringLiteral("gauge-stats.txt"));
    if (!window.startGeneratedGauge(gaugeOptions + QStringList{"--paced", "--stats", statsPath}))
        return fail(window.gauge()->errorText()) == 0;
    QElapsedTimer timer;
    timer.start();
    window.transfer();
    pass.seconds = double(timer.nsecsElapsed()) / 1e9;
    const QList<QByteArray> transcript = window.traffic();
    for (const QByteArray &line : transcript)
        pass.sampleLists += line.startsWith("#dMsFc") ? 1 : 0;
    if (!window.gauge()->stop())
        return fail("the gauge did not stop cleanly") == 0;
    if (!window.shownError().isEmpty())
        return fail("the program showed: " + window.shownError()) == 0;
    if (window.rowNumbers().size() != kSlots)
        return fail(QStringLiteral("%1 rows instead of %2")
                        .arg(window.rowNumbers().size())
                        .arg(kSlots)) == 0;
    pass.traffic = readTraffic(statsPath);
    if (!pass.traffic.isValid())
        return fail("no byte counts from the gauge") == 0;
    return true;
}

void printPass(const QString &name, const Pass &pass)
{
    printFigure(name + " elapsed", pass.seconds, "s");
    printCount(name + " bytes from gauge", pass.traffic.fromGauge, "B");
    printCount(name + " bytes to gauge", pass.traffic.toGauge, "B");
    printCount(name + " sample lists read", pass.sampleLists, "");
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    const QuietLog quiet;
    const int samples = optionValue(app.arguments(), QStringLiteral("--samples"), 10000);
    const QStringList gaugeOptions = {"--slots", "1-50", "--samples", QString::number(samples)};

    WindowHarness window;
    if (!window.setUp())
        return fail("the window did not come up");
    window.status()->quickTransfer = true;

    Pass first;
    Pass second;
    if (!transferOnce(window, gaugeOptions, first) || !transferOnce(window, gaugeOptions, second))
        return 1;
    const int archived = window.window()->measurementArchive()->count();
    if (archived != kSlots)
        return fail(
            QStringLiteral("%1 measurements archived instead of %2").arg(archived).arg(kSlots));

    printCase("quick transfer (tspx-sim --paced " + gaugeOptions.join(' ') + ")");
    printPass("first transfer", first);
    printPass("second transfer", second);
    const double speedUp = first.seconds / second.seconds;
    printFigure("speed-up first/second", speedUp, "", 1);
    printGoal(QStringLiteral("second transfer >= %1x faster").arg(kGoalSpeedUp),
              speedUp >= kGoalSpeedUp && second.sampleLists == 0);
    return 0;
}
