#pragma once

#include "base/log.h"

#include <QList>
#include <QString>
#include <QStringList>

// Shared pieces of the benchmark programs: the output format, the statistics
// and the process figures they print.

// One figure a line: "name: value unit", so scripts can grep it.
// An empty line, then "case: text", before the figures of one case.
void printCase(const QString &text);
void printFigure(const QString &name, double value, const QString &unit, int decimals = 3);
void printCount(const QString &name, qint64 value, const QString &unit);
void printNote(const QString &name, const QString &text);
// "goal <text>: met" or "... NOT met".
void printGoal(const QString &text, bool met);

double median(QList<double> values);

// Peak and current resident memory of this process in KiB (VmHWM, VmRSS of
// /proc/self/status); -1 where the system does not tell.
qint64 peakResidentKiB();
qint64 residentKiB();

// The program (tspx beside the benchmark, or $TSPX_PROGRAM).
QString programPath();
// The program's figures at its first painted window; seconds -1 when it
// showed none within the time-out.
struct FirstPaint
{
    double seconds = -1;
    qint64 peakKiB = -1;
    qint64 residentKiB = -1;
};
// Starts the program on the offscreen platform, with the settings folder the
// caller set, and waits for its first painted window.
FirstPaint startUntilFirstPaint(int timeoutMs);

// The offscreen platform unless the caller chose one; before QApplication.
void useOffscreenPlatform();

// The number after `name` in `arguments` ("--runs 7"), or `fallback`.
int optionValue(const QStringList &arguments, const QString &name, int fallback);
// Says on standard error why the benchmark gave up (with the program's
// name); returns the exit code 1.
int fail(const QString &reason);

// The values after every "--case" in `arguments`, or `defaults` when none is given.
QStringList requestedCases(const QStringList &arguments, const QStringList &defaults);

// Keeps the program's log lines (one per command and slot) out of the
// benchmark's figures while it lives.
class QuietLog
{
public:
    QuietLog();
    ~QuietLog();

    QuietLog(const QuietLog &) = delete;
    QuietLog &operator=(const QuietLog &) = delete;

private:
    LogSink m_previous;
};
