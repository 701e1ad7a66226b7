// The window over a large archive: start-up, expanding, searching, memory.
//
// For each size an archive of synthetic measurements (archivefill.h) is
// made once in the data folder (--data, default a temporary one) and kept
// there. Then, each size in a fresh process:
// - the real program (tspx, offscreen, a fresh settings folder whose status
//   file names the archive) from its start to the first painted window, as
//   bench_startup times it, with its resident memory then (VmRSS);
// - in-process, the real main window shown over the archive: expanding the
//   first gauge and then its newest day (to the tree painted), and typing
//   "los 1234" into the search key by key, each keystroke to the search
//   field painted and to the search's rows in the tree, with the longest
//   time the event loop did not run meanwhile; resident memory after all.
// An empty archive gives the memory to compare with.
//
// With --server the archives are databases on a throwaway PostgreSQL server
// (tests/support TestServer, as the tests use it), filled by one INSERT from
// generate_series with the same gauges, days and designations (the samples
// all zero: browsing never reads them), then vacuumed and analysed as the
// server's autovacuum would.
//
//   bench_archive [--data DIR] [--sizes 10000,100000,1000000] [--runs 3] [--shot PREFIX]
//   bench_archive --server [--sizes ...] [--runs 3]
#include "archivefill.h"
#include "benchsupport.h"
#include "configfolder.h"

#include "archive/measurementarchive.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "testserver.h"
#include "ui/archivefilterbar.h"
#include "ui/mainform.h"
#include "ui_archivefilterbar.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTreeView>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kTimeoutMs = 60000;
const QString kSearch = QStringLiteral("los 1234");

// The archive a run opens: a file, or a database on a server (with a spool
// file of its own).
struct Target
{
    QString path;
    ArchiveServer server;
};

QStringList targetArguments(const Target &target)
{
    return {target.path, target.server.host, QString::number(target.server.port),
            target.server.database, target.server.user};
}

Target targetOf(const QStringList &arguments)
{
    Target target;
    target.path = arguments.value(0);
    target.server.host = arguments.value(1);
    target.server.port = arguments.value(2).toInt();
    target.server.database = arguments.value(3);
    target.server.user = arguments.value(4);
    return target;
}

// A fresh settings folder whose status file names the archive.
void useArchive(const Target &target)
{
    QuietLog quiet;
    StatusIni status("status");
    status.load();
    if (target.server.database.isEmpty()) {
        status.archivePath = target.path;
    } else {
        status.archiveBackend = "postgresql";
        status.serverHost = target.server.host;
        status.serverPort = target.server.port;
        status.serverDatabase = target.server.database;
        status.serverUser = target.server.user;
        status.serverSslMode = "disable";
    }
    status.save();
}

// A database of `size` measurements like the file's (see archivefill.h).
QString fillServer(TestServer &server, int size, Target &target)
{
    target.server = server.freshDatabase(QStringLiteral("bench_%1").arg(size));
    ArchiveConfig config;
    config.backend = ArchiveConfig::PostgreSQL;
    config.server = target.server;
    config.filePath = target.path;
    MeasurementArchive archive;
    if (!archive.open(config).ok() || !archive.isOnline())
        return QStringLiteral("the server's archive did not open");
    QSqlQuery fill(QSqlDatabase::database(archive.connectionName()));
    const QString sql = QStringLiteral(
        "INSERT INTO measurement (serial_nr, sw_version, slot, date_text, time_text, taken_at,"
        " force_unit, sample_rate, sample_count, samples, samples_sha256, force_start,"
        " force_end, force_max, force_avg, downloaded_at, source, designation, station)"
        " SELECT 'TP-' || (24070 + (g % 8) * 13), '2.14', (g / 8) % 50 + 1,"
        " to_char(t, 'DD;MM;YYYY'), to_char(t, 'HH24;MI;SS'),"
        " to_char(t, 'YYYY-MM-DD\"T\"HH24:MI:SS'), 0, 100, 200,"
        " decode(repeat('00', 800), 'hex'), sha256(int8send(g)), 1.5, 1.5, 150, 38,"
        " '2026-12-08T00:00:00.000Z', 'gauge',"
        " CASE WHEN g % 25 = 0 THEN 'Los ' || (g / 125) || ' Bolzen M8' ELSE '' END, 'bench'"
        " FROM (SELECT g, timestamp '2026-12-01 06:00:00' - (g / 8 / 50) * interval '1 day'"
        " + ((g / 8) % 50) * interval '12 minutes' + (g % 8) * interval '7 seconds' AS t"
        " FROM generate_series(0, %1) AS g) AS generated");
    if (!fill.exec(sql.arg(qint64(size) - 1)) ||
        !fill.exec(QStringLiteral("VACUUM ANALYZE measurement")))
        return fill.lastError().text();
    return QString();
}

// One start of the program over the archive, until its window is painted.
FirstPaint startProgramOnce(const Target &target)
{
    TemporaryConfigHome home;
    useArchive(target);
    return startUntilFirstPaint(kTimeoutMs);
}

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

// Runs the event loop until `done`; returns the longest stretch (ms) in
// which it did not come round.
double runUntil(const std::function<bool()> &done)
{
    QElapsedTimer gap;
    gap.start();
    double longest = 0;
    const QDeadlineTimer deadline(kTimeoutMs);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        longest = std::max(longest, double(gap.nsecsElapsed()) / 1e6);
        gap.restart();
        if (!done())
            QThread::usleep(200);
    }
    return longest;
}

// Expands the row and paints the tree, as the view does it, with the
// model's fetch of the rows first to tell its part.
void expandAndPaint(QTreeView *tree, const QModelIndex &index, const QString &what)
{
    QElapsedTimer timer;
    timer.start();
    QAbstractItemModel *model = tree->model();
    if (model->canFetchMore(index))
        model->fetchMore(index);
    const double fetched = double(timer.nsecsElapsed()) / 1e6;
    tree->expand(index);
    tree->scrollTo(index, QAbstractItemView::PositionAtTop);
    tree->viewport()->repaint();
    printFigure(what, double(timer.nsecsElapsed()) / 1e6, "ms", 1);
    printFigure("of that, fetching the rows", fetched, "ms", 1);
}

int browseInProcess(const Target &target, const QString &shotPrefix)
{
    TemporaryConfigHome home;
    useArchive(target);
    QuietLog quiet;
    // The screenshots show the window as a German user sees it.
    if (!shotPrefix.isEmpty())
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ConfigIni config("config");
    GaugeServices services;
    QElapsedTimer timer;
    timer.start();
    Mainform window(&config, services, "1.2  build: bench");
    window.resize(1280, 900);
    PaintWatcher shown;
    window.installEventFilter(&shown);
    window.show();
    runUntil([&] { return shown.painted; });
    QCoreApplication::processEvents();
    printFigure("in-process: window made, shown and painted", double(timer.nsecsElapsed()) / 1e6,
                "ms", 1);

    QTreeView *tree = window.formUi()->treeView;
    QStandardItemModel *model = window.model();
    const QModelIndex gauge = model->index(0, 0, window.archiveIndex());
    if (!gauge.isValid())
        return fail("no gauge under \"Archiv\"");
    expandAndPaint(tree, gauge, "expand the first gauge (days fetched, tree painted)");
    const QModelIndex day = model->index(0, 0, gauge);
    expandAndPaint(tree, day, "expand its newest day (measurements fetched, tree painted)");
    printCount("rows under that day", model->rowCount(day), "");
    if (!shotPrefix.isEmpty()) {
        tree->setCurrentIndex(model->index(0, 0, day));
        tree->scrollToTop();
        QCoreApplication::processEvents();
        window.grab().save(shotPrefix + "-browse.png");
    }

    QLineEdit *search = window.archiveFilter()->formUi()->editSuche;
    search->setFocus();
    PaintWatcher typed;
    search->installEventFilter(&typed);
    QList<double> shownMs, resultMs, stallMs;
    for (const QChar key : kSearch) {
        bool replaced = false;
        const auto connection = QObject::connect(
            model, &QAbstractItemModel::rowsInserted,
            [&](const QModelIndex &parent) { replaced = replaced || !parent.isValid(); });
        typed.painted = false;
        QElapsedTimer keystroke;
        keystroke.start();
        QTest::keyClick(search, key.toLatin1());
        double stall = runUntil([&] { return typed.painted; });
        shownMs << double(keystroke.nsecsElapsed()) / 1e6;
        stall = std::max(stall, runUntil([&] { return replaced; }));
        resultMs << double(keystroke.nsecsElapsed()) / 1e6;
        stallMs << stall;
        QObject::disconnect(connection);
    }
    const auto longest = [](const QList<double> &values) {
        return *std::max_element(values.begin(), values.end());
    };
    printNote("search typed", '"' + kSearch + "\", one key at a time, each waited for");
    printFigure("keystroke to the search field painted, median", median(shownMs), "ms", 1);
    printFigure("keystroke to the search field painted, slowest", longest(shownMs), "ms", 1);
    printFigure("keystroke to its result in the tree, median", median(resultMs), "ms", 1);
    printFigure("keystroke to its result in the tree, slowest", longest(resultMs), "ms", 1);
    printFigure("longest time the event loop did not run while searching", longest(stallMs), "ms",
                1);
    printCount("rows of the last result under \"Archiv\"", model->rowCount(window.archiveIndex()),
               "gauges");
    if (!shotPrefix.isEmpty())
        window.grab().save(shotPrefix + "-search.png");
    printCount("resident memory after browsing (VmRSS)", residentKiB() / 1024, "MiB");
    printCount("peak resident memory (VmHWM)", peakResidentKiB() / 1024, "MiB");
    return 0;
}

QString archiveFile(const QString &folder, int size)
{
    return QDir(folder).filePath(QStringLiteral("archive-%1.sqlite").arg(size));
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString shotPrefix = arguments.value(arguments.indexOf("--shot") + 1);
    const bool shoot = arguments.contains("--shot");
    if (arguments.value(1) == "--browse")
        return browseInProcess(targetOf(arguments.mid(2)), shoot ? shotPrefix : QString());

    QTemporaryDir temporary;
    const int dataAt = arguments.indexOf("--data");
    const QString data = dataAt > 0 ? arguments.value(dataAt + 1) : temporary.path();
    QList<int> sizes{10000, 100000, 1000000};
    if (arguments.contains("--sizes")) {
        sizes.clear();
        for (const QString &size : arguments.value(arguments.indexOf("--sizes") + 1).split(','))
            sizes << size.toInt();
    }
    const int runs = std::max(1, optionValue(arguments, "--runs", 3));
    QuietLog quiet;
    QDir().mkpath(data);
    sizes.prepend(0);
    qint64 emptyKiB = -1;
    const bool onServer = arguments.contains("--server");
    std::unique_ptr<TestServer> server;
    if (onServer) {
        server = std::make_unique<TestServer>();
        if (!server->isRunning())
            return fail("no PostgreSQL server: " + server->whyNot());
    }
    for (int size : sizes) {
        Target target;
        target.path = archiveFile(data, size);
        if (onServer) {
            target.path =
                QDir(temporary.path()).filePath(QStringLiteral("spool-%1.sqlite").arg(size));
            printCase(QStringLiteral("%1 archived measurements on PostgreSQL").arg(size));
            QElapsedTimer filling;
            filling.start();
            const QString problem = fillServer(*server, size, target);
            if (!problem.isEmpty())
                return fail(problem);
            printFigure("database filled", double(filling.elapsed()) / 1000.0, "s");
        } else {
            printCase(QStringLiteral("%1 archived measurements (%2)").arg(size).arg(target.path));
            if (!QFile::exists(target.path)) {
                QElapsedTimer filling;
                filling.start();
                const QString problem = fillArchive(target.path, size);
                if (!problem.isEmpty())
                    return fail(problem);
                printFigure("archive generated", double(filling.elapsed()) / 1000.0, "s");
            }
            printCount("archive file", QFileInfo(target.path).size() / (1024 * 1024), "MiB");
        }
        QList<double> ms;
        qint64 residentKiB = -1;
        for (int run = 0; run < runs; ++run) {
            const FirstPaint start = startProgramOnce(target);
            if (start.seconds < 0)
                return fail("the program did not show its window");
            ms << start.seconds * 1000;
            residentKiB = std::max(residentKiB, start.residentKiB);
        }
        printFigure("tspx: process start to first painted window, median", median(ms), "ms", 1);
        printCount("tspx: resident memory at the first painted window (VmRSS)", residentKiB / 1024,
                   "MiB");
        if (size == 0) {
            emptyKiB = residentKiB;
            continue;
        }
        const int factor = onServer ? 2 : 1;
        printGoal(QStringLiteral("window shown within %1 s").arg(0.5 * factor),
                  median(ms) <= 500 * factor);
        printGoal("resident memory within 50 MB of the empty archive's",
                  (residentKiB - emptyKiB) * 1024 <= 50000000);
        std::fflush(stdout);
        QStringList browse = QStringList{"--browse"} + targetArguments(target);
        if (shoot && size == sizes.last())
            browse << "--shot" << shotPrefix;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), browse);
        if (!child.waitForFinished(10 * kTimeoutMs) || child.exitCode() != 0)
            return fail("browsing " + target.path + " failed");
    }
    return 0;
}
