// Fills a new archive file with synthetic measurements (see archivefill.h).
//
//   bench_archivefill FILE COUNT
#include "archivefill.h"
#include "benchsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    bool isNumber = false;
    const int count = arguments.value(2).toInt(&isNumber);
    if (arguments.size() != 3 || !isNumber || count < 0)
        return fail(QStringLiteral("usage: bench_archivefill FILE COUNT"));
    QuietLog quiet;
    QElapsedTimer timer;
    timer.start();
    const QString problem = fillArchive(arguments.at(1), count);
    if (!problem.isEmpty())
        return fail(problem);
    printCount(QStringLiteral("measurements"), count, QString());
    printFigure(QStringLiteral("elapsed"), double(timer.elapsed()) / 1000.0, QStringLiteral("s"));
    return 0;
}
