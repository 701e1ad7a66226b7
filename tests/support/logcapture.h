#pragma once

#include "base/log.h"

#include <QByteArray>
#include <QList>

// Captures the program's log lines (without their line break) while it
// lives; the sink that was installed before comes back on destruction.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    const QList<QByteArray> &lines() const { return m_lines; }
    // Lines that start with `prefix`, in order.
    QList<QByteArray> linesStartingWith(const QByteArray &prefix) const;
    void clear() { m_lines.clear(); }

private:
    LogSink m_previous;
    QList<QByteArray> m_lines;
};
