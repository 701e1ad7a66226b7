#pragma once

#include "base/log.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

// A private config folder for one test case: $XDG_CONFIG_HOME points into a
// fresh temporary folder and is restored afterwards.
class ScopedConfigHome
{
public:
    ScopedConfigHome()
        : m_old(qgetenv("XDG_CONFIG_HOME")), m_hadOld(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    }
    ~ScopedConfigHome()
    {
        if (m_hadOld)
            qputenv("XDG_CONFIG_HOME", m_old);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    ScopedConfigHome(const ScopedConfigHome &) = delete;
    ScopedConfigHome &operator=(const ScopedConfigHome &) = delete;

    QString path() const { return m_dir.path(); }
    QString appFolder() const { return m_dir.path() + "/Kavro/TensimoParl"; }
    QByteArray filePath(const char *name) const
    {
        return (appFolder() + '/' + name + ".ini").toLatin1();
    }

    // Puts a regular file where the Kavro folder must be created, so that no
    // settings file can be written, not even by root.
    bool blockFolder() const
    {
        QFile blocker(m_dir.path() + "/Kavro");
        return blocker.open(QIODevice::WriteOnly);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
    bool m_hadOld;
};

// Collects the log lines written while it exists.
class LogCapture
{
public:
    LogCapture()
    {
        m_old = setLogSink([this](const QByteArray &line) { lines.append(line); });
    }
    ~LogCapture() { setLogSink(m_old); }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QList<QByteArray> lines;

private:
    LogSink m_old;
};

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
