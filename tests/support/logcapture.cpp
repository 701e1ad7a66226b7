#include "logcapture.h"

LogCapture::LogCapture()
{
    m_previous = setLogSink([this](const QByteArray &line) { m_lines.append(line); });
}

LogCapture::~LogCapture()
{
    setLogSink(m_previous);
}

QList<QByteArray> LogCapture::linesStartingWith(const QByteArray &prefix) const
{
    QList<QByteArray> found;
    for (const QByteArray &line : m_lines) {
        if (line.startsWith(prefix))
            found.append(line);
    }
    return found;
}
