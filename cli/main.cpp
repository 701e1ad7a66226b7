// tspx-cli: the gauge from the command line, without a window.
#include "base/log.h"
#include "base/version.h"
#include "cli/cliargs.h"
#include "cli/clioutput.h"
#include "cli/clirunner.h"
#include "settings/datafolder.h"
#include "settings/statusini.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace {

// Only the report draws (its diagram); it needs no display either.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "report") != 0)
            continue;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Qt's and the database driver's own lines ("Unable to free statement") go
// to the log, which only --verbose shows.
void logQtMessage(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    logLine("Qt: " + text.toLocal8Bit());
    if (type == QtFatalMsg)
        abort();
}

// Without --verbose the server sends no notices ("already exists,
// skipping"), which libpq would print on standard error.
void quietServerNotices()
{
    QByteArray options = qgetenv("PGOPTIONS");
    options += options.isEmpty() ? "" : " ";
    qputenv("PGOPTIONS", options + "-c client_min_messages=warning");
}

} // namespace

int main(int argc, char **argv)
{
    guardClosedStandardStreams();
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tspx-cli"));
    const QStringList arguments = QCoreApplication::arguments();

    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);

    // Standard output carries only results (a CSV may go there); the log goes
    // to standard error with --verbose and nowhere otherwise.
    const bool verbose = arguments.contains(QStringLiteral("--verbose"));
    setLogSink([&err, verbose](const QByteArray &line) {
        if (verbose)
            err.write(line + '\n');
    });
    qInstallMessageHandler(logQtMessage);
    if (!verbose)
        quietServerNotices();

    QTranslator framework;
    QTranslator program;
    StatusIni status("status");
    status.load();
    const QString language = QString::fromLatin1(cliLanguage(arguments, status.language));
    loadTranslations(framework, program, language);
    QCoreApplication::installTranslator(&framework);
    QCoreApplication::installTranslator(&program);

    const CliParseResult parsed =
        parseCliArguments(arguments, QString::fromLatin1(versionString()));
    if (!parsed.run) {
        if (parsed.exitCode != kExitOk) {
            err.write(parsed.message.toUtf8());
            return parsed.exitCode;
        }
        CheckedOutput checked(out);
        checked.write(parsed.message.toUtf8());
        return finishOutput(checked, err);
    }
    CliRunner runner(parsed.request, out, err);
    runner.setProgressShown(isatty(2) != 0);
    return runner.run();
}
