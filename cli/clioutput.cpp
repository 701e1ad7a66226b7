#include "cli/clioutput.h"

#include "cli/cliargs.h"

#include <QFileInfo>
#include <QSaveFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

CheckedOutput::CheckedOutput(QIODevice &target) : m_target(target)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 CheckedOutput::writeData(const char *data, qint64 size)
{
    if (!m_failure.isEmpty())
        return -1;
    if (m_target.write(data, size) == size)
        return size;
    fail();
    return -1;
}

bool CheckedOutput::finish()
{
    if (!m_failure.isEmpty())
        return false;
    // Only a file device holds bytes of its own (stdout's C stream buffer).
    auto *file = qobject_cast<QFileDevice *>(&m_target);
    if (file && !file->flush())
        fail();
    return m_failure.isEmpty();
}

void CheckedOutput::fail()
{
    m_failure = m_target.errorString();
    if (m_failure.isEmpty())
        m_failure = Cli::tr("Unbekannter Fehler");
}

int finishOutput(CheckedOutput &out, QIODevice &err)
{
    if (out.finish())
        return kExitOk;
    err.write(Cli::tr("Die Standardausgabe konnte nicht geschrieben werden: %1")
                  .arg(out.failure())
                  .toUtf8() +
              '\n');
    return kExitFile;
}

bool writeOutputFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        QFile file(path);
        const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        file.close();
        return written && file.error() == QFileDevice::NoError;
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void guardClosedStandardStreams()
{
#ifndef Q_OS_WIN
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int readOnly = ::open("/dev/null", O_RDONLY);
        if (readOnly >= 0 && readOnly != fd) {
            dup2(readOnly, fd);
            ::close(readOnly);
        }
    }
#endif
}
