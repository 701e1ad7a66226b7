#pragma once

#include "configfolder.h"

#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <termios.h>
#include <thread>

// A private config folder (XDG_CONFIG_HOME) with its ports/COMn entries.
class PortEntries
{
public:
    PortEntries();
    QString entryPath(int number) const;
    bool link(int number, const QString &target);
    // COMn leads nowhere: the port exists by name only. Done for all 30, a
    // search never reaches a real serial port of the machine.
    bool linkToNothing(int number) { return link(number, m_home.filePath("nothing")); }
    bool linkAllToNothing();

private:
    TemporaryConfigHome m_home;
};

// A pseudo-terminal as the serial cable: the program opens the device side by
// path, the test is the controller side. The test holds the device side open
// too, so the controller side never sees a hang-up while the program reopens
// the port, and so it can tell how many bytes wait for the program.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal() { unplug(); }
    bool isValid() const { return m_device >= 0; }
    QString devicePath() const { return m_path; }
    int controllerFd() const { return m_controller; }
    // Sends to the program; returns once all bytes wait to be read.
    bool send(const QByteArray &bytes);
    // What the program wrote, until `count` bytes or `quietMs` of silence.
    QByteArray receive(int count, int quietMs);
    termios lineSettings() const;
    void unplug();

private:
    int m_controller = -1;
    int m_device = -1;
    QString m_path;
};

// A controller on a pseudo-terminal: records every command line and answers
// it with what the test's function returns.
class ControllerStub
{
public:
    ControllerStub(PseudoTerminal &terminal, std::function<QByteArray(const QByteArray &)> answer);
    ~ControllerStub();
    QList<QByteArray> lines() const;

private:
    void run();
    PseudoTerminal &m_terminal;
    std::function<QByteArray(const QByteArray &)> m_answer;
    mutable std::mutex m_mutex;
    QList<QByteArray> m_lines;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
