// Start-up to the first shown window.
//
// The real program: tspx runs as a child process on the offscreen platform
// with a fresh config folder and Qt's own logging category
// "qt.widgets.painting" switched on. Qt writes "Flushing top level ..." to
// standard error once a top-level window's first paint has been handed to
// the platform, i.e. when the window is on the screen. The time runs from
// starting the process (fork and exec included) to that line; then the child
// is killed. No hook in the program is needed.
//
// In-process, the same steps one by one (without the translation files):
// QApplication, the settings objects, the main window, show and first paint.
//
//   bench_startup [--runs N]
#include "benchsupport.h"
#include "configfolder.h"

#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/mainform.h"
#include "workflow/gaugeservices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <memory>

namespace {

constexpr int kStartTimeoutMs = 20000;
// One start of the real program until its first window is painted.
FirstPaint startProgramOnce()
{
    TemporaryConfigHome home;
    return startUntilFirstPaint(kStartTimeoutMs);
}

struct InProcessStart
{
    double application = -1;
    double window = -1;
    double shown = -1;
};

class PaintWatcher : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

InProcessStart startInProcess(int &argc, char **argv, std::unique_ptr<QApplication> &application)
{
    InProcessStart result;
    QElapsedTimer timer;
    timer.start();
    application = std::make_unique<QApplication>(argc, argv);
    result.application = double(timer.nsecsElapsed()) / 1e6;
    TemporaryConfigHome home;
    QuietLog quiet;
    timer.restart();
    ConfigIni config("config");
    GaugeServices services;
    Mainform window(&config, services, "1.2  build: bench");
    result.window = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    PaintWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!watcher.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // The rest of the first paint: the children after the window itself.
    QCoreApplication::processEvents();
    if (watcher.painted)
        result.shown = double(timer.nsecsElapsed()) / 1e6;
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    std::unique_ptr<QApplication> application;
    const InProcessStart inProcess = startInProcess(argc, argv, application);
    const int runs = std::max(1, optionValue(QCoreApplication::arguments(), "--runs", 7));
    if (!QFile::exists(programPath()))
        return fail(programPath() + " is missing");

    QList<double> seconds;
    qint64 peakKiB = -1;
    for (int run = 0; run < runs; ++run) {
        const FirstPaint start = startProgramOnce();
        if (start.seconds < 0)
            return fail("the program did not show its window (no first paint in Qt's paint log)");
        seconds << start.seconds;
        peakKiB = std::max(peakKiB, start.peakKiB);
    }

    printCase(QStringLiteral("start-up of %1 to the first painted window (%2 runs)")
                  .arg(programPath())
                  .arg(runs));
    printFigure("process start to first painted window, median", median(seconds) * 1000, "ms", 1);
    printFigure("process start to first painted window, fastest",
                *std::min_element(seconds.begin(), seconds.end()) * 1000, "ms", 1);
    printCount("peak memory at the first painted window (VmHWM)", peakKiB / 1024, "MiB");
    printCase("the same steps in-process (libraries already loaded, no translations)");
    printFigure("QApplication", inProcess.application, "ms", 1);
    printFigure("settings and main window", inProcess.window, "ms", 1);
    printFigure("show to first paint", inProcess.shown, "ms", 1);
    return inProcess.shown < 0 ? fail("the in-process window was not painted") : 0;
}
