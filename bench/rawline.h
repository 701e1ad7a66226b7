#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The program's side of the simulated gauge's line without the program: the
// port link opened as a raw terminal, lines written whole and answers read in
// large pieces. What the gauge and the pseudo-terminal cost on their own.
class RawLine
{
public:
    explicit RawLine(const QString &path);
    ~RawLine();

    RawLine(const RawLine &) = delete;
    RawLine &operator=(const RawLine &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Writes the line and returns the answer up to its LF; empty when no
    // byte came for `quietMs`.
    QByteArray exchange(const QByteArray &line, int quietMs = 3000);

private:
    int m_fd;
    QByteArray m_pending;
};

// The command lines (with CR LF) of a whole transfer as the program sends
// them: stop and start, identity, every slot, stop twice.
QList<QByteArray> transferCommands(const QList<int> &filledSlots);
