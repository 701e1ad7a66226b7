#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// tspx-sim in a child process for one test. start() first masks every other
// port COM1..COM30 with a dangling link (except those left alone for a second
// simulated device), so a port search never reaches a real serial port of the
// machine, then waits (bounded) for "ready". The
// gauge writes its transcript into a temporary file; the destructor stops it
// with SIGTERM. Create the test's TemporaryConfigHome before starting.
class SimProcess
{
public:
    explicit SimProcess(const QStringList &options = QStringList(), int comNumber = 4);
    ~SimProcess();

    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    bool start();
    // Leaves the port entry of another gauge of the same test as it is when
    // the other ports are masked. Call before start().
    void leavePortAlone(int comNumber) { m_portsLeftAlone.append(comNumber); }
    // Sends SIGTERM and waits; true when the gauge exited with code 0.
    bool stop();
    QString errorText() const { return m_error; }

    int comNumber() const { return m_comNumber; }
    QString linkPath() const;
    // The pseudo-terminal the gauge announced ("/dev/pts/7").
    QString terminalPath() const { return m_terminalPath; }
    QList<QByteArray> transcriptLines() const;
    QProcess &process() { return m_process; }

    // TSPX_SIM, or tspx-sim beside the test program.
    static QString executablePath();

private:
    bool maskOtherPorts();
    bool waitForReady();

    QStringList m_options;
    int m_comNumber;
    QList<int> m_portsLeftAlone;
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_output;
    QString m_terminalPath;
    QString m_error;
};
