#pragma once

#include <QString>

// A pseudo-terminal whose slave side looks like a serial port at 115200 8N1
// in raw mode. The gauge reads and writes the master side. It keeps a slave
// descriptor of its own open, so the master never sees EIO (and no input is
// lost) when the program closes its side between jobs.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();

    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool open(QString &error);

    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

private:
    bool configureSlave(QString &error);

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
