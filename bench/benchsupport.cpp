#include "benchsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

qint64 statusFieldKiB(const QByteArray &field)
{
    QFile file(QStringLiteral("/proc/self/status"));
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
