#include "simprocess.h"

#include "device/protocol.h"
#include "sim/portlink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

namespace {
constexpr int kReadyTimeoutMs = 10000;
constexpr int kStopTimeoutMs = 5000;
// Where masked ports point: a path that never exists.
constexpr char kMaskTarget[] = "/nonexistent/tspx-masked-port";
constexpr char kAnnouncement[] = "tspx-sim: COM";

QString transcriptFile(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("transcript.txt"));
}
} // namespace

SimProcess::SimProcess(const QStringList &options, int comNumber)
    : m_options(options), m_comNumber(comNumber)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
}

SimProcess::~SimProcess()
{
    if (m_process.state() != QProcess::NotRunning && !stop())
        m_process.kill();
    m_process.waitForFinished(kStopTimeoutMs);
}

QString SimProcess::executablePath()
{
    const QString fromEnvironment = qEnvironmentVariable("TSPX_SIM");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tspx-sim");
}

QString SimProcess::linkPath() const
{
    return portLinkPath(m_comNumber);
}

bool SimProcess::start()
{
    if (!m_dir.isValid() || !maskOtherPorts())
        return false;
    QStringList arguments = m_options;
    // --stop-on-eof: a test that gets killed takes its gauge (and link) with it.
    arguments << QStringLiteral("--stop-on-eof") << QStringLiteral("--com")
              << QString::number(m_comNumber) << QStringLiteral("--transcript")
              << transcriptFile(m_dir);
    m_process.start(executablePath(), arguments);
    if (!m_process.waitForStarted(kReadyTimeoutMs)) {
        m_error = QStringLiteral("%1: %2").arg(executablePath(), m_process.errorString());
        return false;
    }
    return waitForReady();
}

bool SimProcess::maskOtherPorts()
{
    for (int number = 1; number <= Protocol::kPortCount; ++number) {
        if (number != m_comNumber && !m_portsLeftAlone.contains(number) &&
            !installPortLink(portLinkPath(number), QLatin1String(kMaskTarget), m_error))
            return false;
    }
    return true;
}

bool SimProcess::waitForReady()
{
    const QDeadlineTimer deadline(kReadyTimeoutMs);
    while (!deadline.hasExpired()) {
        m_output += m_process.readAllStandardOutput();
        for (const QByteArray &line : m_output.split('\n')) {
            if (line.startsWith(kAnnouncement) && line.contains(" -> "))
                m_terminalPath = QString::fromLocal8Bit(line.mid(line.indexOf(" -> ") + 4));
            if (line == "ready")
                return true;
        }
        if (m_process.state() == QProcess::NotRunning)
            break;
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    m_error = QStringLiteral("tspx-sim did not get ready: %1 %2")
                  .arg(QString::fromLocal8Bit(m_output),
                       QString::fromLocal8Bit(m_process.readAllStandardError()));
    return false;
}

bool SimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return false;
    m_process.terminate();
    return m_process.waitForFinished(kStopTimeoutMs) &&
           m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QList<QByteArray> SimProcess::transcriptLines() const
{
    QFile file(transcriptFile(m_dir));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
