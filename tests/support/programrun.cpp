#include "programrun.h"

#include "base/log.h"
#include "app/startup.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

std::function<void()> &whileRunning()
{
    static std::function<void()> action;
    return action;
}

// Runs in every QApplication constructor, so the action waits in the
// program's own event loop.
void queueWhileRunning()
{
    QTimer::singleShot(0, [] { whileRunning()(); });
}
Q_COREAPP_STARTUP_FUNCTION(queueWhileRunning)

QWidget *shownMainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (window->inherits("Mainform") && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

bool ProgramRun::logged(const QByteArray &prefix) const
{
    return std::any_of(log.begin(), log.end(),
                       [&](const QByteArray &line) { return line.startsWith(prefix); });
}

ProgramRun runProgramInProcess(const QList<QByteArray> &options,
                               const std::function<void(QWidget *mainWindow)> &inside)
{
    whileRunning() = [&inside] { inside(shownMainWindow()); };

    QList<QByteArray> arguments = QList<QByteArray>{"tspx"} + options;
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    ProgramRun run;
    const LogSink previous = setLogSink([&run](const QByteArray &line) { run.log << line; });
    run.exitCode = runTspx(int(arguments.size()), argv.data());
    setLogSink(previous);
    whileRunning() = nullptr;
    return run;
}
