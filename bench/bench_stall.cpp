// How long the window's event loop stalls while the gauge is worked: the
// real main window (offscreen) presses its transfer button with tspx-sim
// --paced behind COM4. The search starts at COM5 and goes round all 30 ports
// to COM4; COM5..COM7 are pseudo-terminals nobody answers on (a cable without
// a gauge), the others lead nowhere. Then a full transfer of 50 slots.
//
//   bench_stall [--samples 200] [--silent 3]
//
// A 1 ms timer counts the event loop's rounds; the longest gap between two
// rounds (from the click until the button is back) is the longest stall.
#include "benchsupport.h"
#include "windowharness.h"

#include "settings/statusini.h"
#include "sim/portlink.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFirstSilentPort = 5;

// A pseudo-terminal whose other end stays silent.
class SilentPort
{
public:
    SilentPort() : m_master(posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_master >= 0 && (grantpt(m_master) != 0 || unlockpt(m_master) != 0)) {
            ::close(m_master);
            m_master = -1;
        }
    }
    ~SilentPort()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    SilentPort(const SilentPort &) = delete;
    SilentPort &operator=(const SilentPort &) = delete;

    QString path() const
    {
        const char *name = m_master >= 0 ? ptsname(m_master) : nullptr;
        return name ? QString::fromLocal8Bit(name) : QString();
    }

private:
    int m_master;
};

struct Stall
{
    double longestMs = 0;
    double longestAtS = 0; // when the longest stall ended
    double elapsedS = 0;
    int rounds = 0;
};

// Presses the transfer button and lets the loop run until the job is over.
Stall measureTransfer(WindowHarness &harness)
{
    Stall stall;
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (double(now - last) / 1e6 > stall.longestMs) {
            stall.longestMs = double(now - last) / 1e6;
            stall.longestAtS = double(now) / 1e9;
        }
        last = now;
        ++stall.rounds;
    });
    QPushButton *button = harness.ui()->buttonTransfer;
    clock.start();
    ticker.start();
    harness.transfer();
    while (!button->isEnabled() || stall.rounds == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 now = clock.nsecsElapsed();
    stall.longestMs = qMax(stall.longestMs, double(now - last) / 1e6);
    stall.elapsedS = double(now) / 1e9;
    return stall;
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    const QuietLog quiet;
    const int samples = optionValue(app.arguments(), "--samples", 200);
    const int silentCount = optionValue(app.arguments(), "--silent", 3);

    WindowHarness harness;
    if (!harness.setUp())
        return fail("the window did not come up");
    std::vector<std::unique_ptr<SilentPort>> silent;
    for (int i = 0; i < silentCount; ++i)
        silent.push_back(std::make_unique<SilentPort>());
    const QStringList gaugeOptions = {"--paced", "--slots", "1-50", "--samples",
                                      QString::number(samples)};
    if (!harness.startGeneratedGauge(gaugeOptions))
        return fail("the gauge did not start");
    // The gauge masked every other port; the silent ones replace their masks.
    QString error;
    for (int i = 0; i < silentCount; ++i) {
        if (silent[size_t(i)]->path().isEmpty() ||
            !installPortLink(portLinkPath(kFirstSilentPort + i), silent[size_t(i)]->path(), error))
            return fail("no silent port: " + error);
    }
    // The search goes round from COM5 to COM4: all 30 ports.
    harness.status()->lastConnectedPortNr = kFirstSilentPort;
    harness.status()->save();

    const Stall stall = measureTransfer(harness);
    const int rows = harness.rowNumbers().size();
    const QString shown = harness.shownError();
    if (!shown.isEmpty())
        return fail("the program showed: " + shown);
    if (rows != 50)
        return fail(QStringLiteral("%1 rows instead of 50").arg(rows));

    printCase(QStringLiteral("port search over 30 ports (%1 silent) and a transfer of 50 x %2 "
                             "samples, tspx-sim --paced")
                  .arg(silentCount)
                  .arg(samples));
    printFigure("elapsed", stall.elapsedS, "s");
    printCount("event loop rounds", stall.rounds, "");
    printFigure("longest stall of the event loop", stall.longestMs, "ms", 1);
    printFigure("it ended at", stall.longestAtS, "s");
    printGoal("longest stall <= 50 ms", stall.longestMs <= 50);
    return 0;
}
