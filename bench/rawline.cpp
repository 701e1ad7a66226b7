#include "rawline.h"

#include "device/protocol.h"

#include <QFile>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

RawLine::RawLine(const QString &path)
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY))
{
    termios settings;
    if (m_fd >= 0 && tcgetattr(m_fd, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(m_fd, TCSANOW, &settings);
    }
}

RawLine::~RawLine()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray RawLine::exchange(const QByteArray &line, int quietMs)
{
    if (::write(m_fd, line.constData(), size_t(line.size())) != line.size())
        return QByteArray();
    char buffer[64 * 1024];
    pollfd fd = {m_fd, POLLIN, 0};
    while (!m_pending.contains(Protocol::kLF) && ::poll(&fd, 1, quietMs) > 0) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            break;
        m_pending.append(buffer, int(length));
    }
    const int end = m_pending.indexOf(Protocol::kLF);
    if (end < 0)
        return QByteArray();
    const QByteArray answer = m_pending.left(end + 1);
    m_pending.remove(0, end + 1);
    return answer;
}

QList<QByteArray> transferCommands(const QList<int> &filledSlots)
{
    const auto command = [](const char *name, int index, char verb) {
        return Protocol::kStart + QByteArray(name) +
               QByteArray::number(index).rightJustified(3, '0') + verb + "\r\n";
    };
    const QByteArray stop =
        command(Protocol::kStartCom, Protocol::kDisconnectCode, Protocol::kExecute);
    QList<QByteArray> lines = {
        stop, command(Protocol::kStartCom, Protocol::kConnectCode, Protocol::kExecute),
        command(Protocol::kSerialNr, 0, Protocol::kRead),
        command(Protocol::kSwVersion, 0, Protocol::kRead),
        command(Protocol::kForceUnit, 0, Protocol::kRead)};
    for (int slot = 1; slot <= Protocol::kSlotCount; ++slot) {
        lines << command(Protocol::kSampleCount, slot, Protocol::kRead);
        if (!filledSlots.contains(slot))
            continue;
        for (const char *name : {Protocol::kSampleCount, Protocol::kSampleRate, Protocol::kForces,
                                 Protocol::kForceStart, Protocol::kForceEnd, Protocol::kForceMax,
                                 Protocol::kForceAvg, Protocol::kTime, Protocol::kDate})
            lines << command(name, slot, Protocol::kRead);
    }
    lines << stop << stop;
    return lines;
}
