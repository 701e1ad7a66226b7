#pragma once

#include <QIODevice>
#include <QString>

// Standard output as the commands see it: every write goes on to the real
// device, and the first one it refuses is remembered, so that results lost
// to a full disk or a closed stream are never reported as success.
class CheckedOutput : public QIODevice
{
public:
    explicit CheckedOutput(QIODevice &target);

    bool isSequential() const override { return true; }
    // Hands on what the device still buffers (a C stream's buffer too);
    // false when this or any earlier write failed.
    bool finish();
    // Why the output failed, in the words of the system.
    QString failure() const { return m_failure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    void fail();

    QIODevice &m_target;
    QString m_failure;
};

// Ends the output: kExitOk, or kExitFile after one line on `err` that tells
// what was lost.
int finishOutput(CheckedOutput &out, QIODevice &err);

// Writes `bytes` to the file `path`. What exists and is no regular file (a
// device, a FIFO) is written into, as cp does; a regular file or a new one
// is replaced whole or not at all. False when it could not be written.
bool writeOutputFile(const QString &path, const QByteArray &bytes);

// A standard output or error left closed by the caller gets a descriptor
// that refuses writes: writes to it fail, and no file opened later takes its
// number and receives them.
void guardClosedStandardStreams();
