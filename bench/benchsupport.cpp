#include "benchsupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

qint64 statusFieldKiB(const QByteArray &field, const QString &process = QStringLiteral("self"))
{
    QFile file(QStringLiteral("/proc/%1/status").arg(process));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.startsWith(field + ':'))
            continue;
        // "VmHWM:	  123456 kB"
        bool ok = false;
        const qint64 value =
            line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong(&ok);
        return ok ? value : -1;
    }
    return -1;
}

void printLine(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

void printCase(const QString &text)
{
    printLine(QString());
    printLine(QStringLiteral("case: ") + text);
}

void printFigure(const QString &name, double value, const QString &unit, int decimals)
{
    const QString number = QString::number(value, 'f', decimals);
    printLine(QStringLiteral("%1: %2").arg(name, unit.isEmpty() ? number : number + ' ' + unit));
}

void printCount(const QString &name, qint64 value, const QString &unit)
{
    printFigure(name, double(value), unit, 0);
}

void printNote(const QString &name, const QString &text)
{
    printLine(QStringLiteral("%1: %2").arg(name, text));
}

void printGoal(const QString &text, bool met)
{
    printLine(QStringLiteral("goal %1: %2")
                  .arg(text, met ? QStringLiteral("met") : QStringLiteral("NOT met")));
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

qint64 peakResidentKiB()
{
    return statusFieldKiB("VmHWM");
}

qint64 residentKiB()
{
    return statusFieldKiB("VmRSS");
}

QString programPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TSPX_PROGRAM");
    return fromEnvironment.isEmpty() ? QCoreApplication::applicationDirPath() + "/tspx"
                                     : fromEnvironment;
}

FirstPaint startUntilFirstPaint(int timeoutMs)
{
    // Qt's paint log says when the first window reaches the screen.
    static const QByteArray kPaintedLine = "Flushing top level";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "qt.widgets.painting.info=true");
    QTemporaryDir folder;
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardOutputFile(folder.filePath(QStringLiteral("stdout.log")));
    program.setReadChannel(QProcess::StandardError);
    FirstPaint result;
    QElapsedTimer timer;
    timer.start();
    program.start(programPath(), QStringList());
    QByteArray errors;
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && program.state() != QProcess::NotRunning) {
        if (!program.waitForReadyRead(int(deadline.remainingTime())))
            continue;
        errors += program.readAllStandardError();
        if (errors.contains(kPaintedLine)) {
            result.seconds = double(timer.nsecsElapsed()) / 1e9;
            const QString pid = QString::number(program.processId());
            result.peakKiB = statusFieldKiB("VmHWM", pid);
            result.residentKiB = statusFieldKiB("VmRSS", pid);
            break;
        }
    }
    program.kill();
    program.waitForFinished(timeoutMs);
    return result;
}

void useOffscreenPlatform()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int optionValue(const QStringList &arguments, const QString &name, int fallback)
{
    const int at = arguments.indexOf(name);
    return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : fallback;
}

int fail(const QString &reason)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(reason));
    return 1;
}

QStringList requestedCases(const QStringList &arguments, const QStringList &defaults)
{
    QStringList cases;
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--case"))
            cases << arguments.at(++i);
    }
    return cases.isEmpty() ? defaults : cases;
}

QuietLog::QuietLog() : m_previous(setLogSink([](const QByteArray &) {})) {}

QuietLog::~QuietLog()
{
    setLogSink(m_previous);
}
