#pragma once

#include <QFile>
#include <QString>

// Appends every received command line (without its line end) to a file and
// flushes at once, so a test sees the traffic while the gauge runs.
class Transcript
{
public:
    bool open(const QString &path, QString &error);
    bool isOpen() const { return m_file.isOpen(); }
    void append(const QByteArray &line);

private:
    QFile m_file;
};

// A received line as the transcript keeps it: without LF and the CR before it.
QByteArray withoutLineEnd(const QByteArray &line);
