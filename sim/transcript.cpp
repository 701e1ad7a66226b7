#include "sim/transcript.h"

#include "device/protocol.h"

bool Transcript::open(const QString &path, QString &error)
{
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return true;
    error = QStringLiteral("%1: %2").arg(path, m_file.errorString());
    return false;
}

void Transcript::append(const QByteArray &line)
{
    if (!m_file.isOpen())
        return;
    m_file.write(withoutLineEnd(line) + Protocol::kLF);
    m_file.flush();
}

QByteArray withoutLineEnd(const QByteArray &line)
{
    QByteArray text = line;
    if (text.endsWith(Protocol::kLF))
        text.chop(1);
    if (text.endsWith(Protocol::kCR))
        text.chop(1);
    return text;
}
