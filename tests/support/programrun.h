#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

class QWidget;

// The program's whole start-up and shutdown (runTspx) in this process.
struct ProgramRun
{
    int exitCode = -1;
    QList<QByteArray> log;

    bool logged(const QByteArray &prefix) const;
};

// Runs the program with `options` after its name. Once its event loop runs,
// `inside` gets the shown main window (null when there is none) and must end
// the loop, e.g. by closing the window as a user would.
ProgramRun runProgramInProcess(const QList<QByteArray> &options,
                               const std::function<void(QWidget *mainWindow)> &inside);
