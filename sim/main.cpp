// tspx-sim: the simulated Tensimo Parl gauge on a pseudo-terminal.

#include "base/log.h"
#include "sim/gaugeserver.h"
#include "sim/portlink.h"
#include "sim/pseudoterminal.h"
#include "sim/simconfig.h"
#include "sim/stopsignal.h"
#include "sim/transcript.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <unistd.h>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tspx-sim: %s\n", qPrintable(message));
    return 1;
}

// The traffic of the whole run, for measurements of the line's use.
bool writeStats(const QString &path, const GaugeServer &server, QString &error)
{
    const QByteArray text = "received " + QByteArray::number(server.bytesReceived()) + "\nsent " +
                            QByteArray::number(server.bytesSent()) + "\n";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size() &&
        file.flush())
        return true;
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

int serve(const SimConfig &config, GaugeController &controller, Transcript &transcript)
{
    QString error;
    PseudoTerminal terminal;
    StopSignal stop;
    if (!terminal.open(error))
        return fail(error);
    if (!stop.install())
        return fail(QStringLiteral("cannot install the signal handlers"));
    const QString link = portLinkPath(config.comNumber);
    if (!installPortLink(link, terminal.slavePath(), error))
        return fail(error);
    logLine(QByteArray("tspx-sim: COM") + QByteArray::number(config.comNumber) + " -> " +
            terminal.slavePath().toLocal8Bit());
    logLine("ready");
    GaugeServer server(terminal.masterFd(), controller, config.link, transcript);
    bool ok = server.run(stop.fd(), config.stopOnEof ? STDIN_FILENO : -1, error);
    removePortLink(link, terminal.slavePath());
    if (ok && !config.statsPath.isEmpty())
        ok = writeStats(config.statsPath, server, error);
    return ok ? 0 : fail(error);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SimConfig config;
    QString message;
    switch (parseSimArguments(app.arguments(), config, message)) {
    case ParseResult::Help:
        std::fputs(qPrintable(message), stdout);
        return 0;
    case ParseResult::Error:
        fail(message);
        return 2;
    case ParseResult::Ok:
        break;
    }
    GaugeMemory memory;
    if (!buildMemory(config, memory, message))
        return fail(message);
    Transcript transcript;
    if (!config.transcriptPath.isEmpty() && !transcript.open(config.transcriptPath, message))
        return fail(message);
    GaugeController controller(memory, config.faults);
    return serve(config, controller, transcript);
}
