#include "sim/gaugeserver.h"

#include "device/protocol.h"
#include "sim/transcript.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {
constexpr int kReadChunk = 64 * 1024;
constexpr int kWriteChunk = 64 * 1024;
// Paced answers leave in small pieces so the reader sees a steady stream.
constexpr int kPacedChunk = 32;
// What a chattering device sends: a GPS receiver's position line, no "#" in it.
constexpr char kChatterLine[] =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}
} // namespace

QByteArray GaugeServer::Output::nextChunk(int maxLength) const
{
    if (sent < bytes.size())
        return bytes.mid(int(sent), maxLength);
    const qint64 fillerSent = sent - bytes.size();
    return endlessFiller(fillerSent, int(std::min<qint64>(maxLength, fillerBytes - fillerSent)));
}

GaugeServer::GaugeServer(int masterFd, GaugeController &controller, const LinkOptions &link,
                         Transcript &transcript)
    : m_master(masterFd), m_controller(controller), m_link(link), m_transcript(transcript)
{
}

bool GaugeServer::run(int stopFd, int endFd, QString &error)
{
    m_nextChatter = Clock::now() + std::chrono::milliseconds(m_link.chatterMs);
    for (;;) {
        Clock::time_point now = Clock::now();
        handleDueLines(now);
        if (m_unplugged)
            return true;
        startChatter(now);
        const bool wantWrite = outputIsDue(now);
        // poll() skips the entry of a negative descriptor.
        pollfd fds[3] = {{m_master, short(POLLIN | (wantWrite ? POLLOUT : 0)), 0},
                         {stopFd, POLLIN, 0},
                         {endFd, POLLIN, 0}};
        // ppoll() waits to the nanosecond: whole milliseconds would add up
        // to a millisecond or two on every command of a paced line.
        timespec wait{};
        if (::ppoll(fds, 3, pollTimeout(now, wait), nullptr) < 0) {
            if (errno == EINTR)
                continue;
            error = systemError("poll");
            return false;
        }
        if (fds[1].revents != 0 || (fds[2].revents != 0 && hasEnded(endFd)))
            return true;
        now = Clock::now();
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) && !readInput(now, error))
            return false;
        if ((fds[0].revents & POLLOUT) && outputIsDue(now) && !writeOutput(now, error))
            return false;
    }
}

bool GaugeServer::hasEnded(int fd)
{
    char buffer[256];
    const ssize_t length = ::read(fd, buffer, sizeof buffer);
    return length == 0 || (length < 0 && errno != EAGAIN && errno != EINTR);
}

bool GaugeServer::readInput(Clock::time_point now, QString &error)
{
    char buffer[kReadChunk];
    const ssize_t length = ::read(m_master, buffer, sizeof buffer);
    if (length > 0) {
        m_bytesReceived += length;
        takeBytes(buffer, int(length), now);
        return true;
    }
    if (length < 0 && (errno == EAGAIN || errno == EINTR))
        return true;
    error = length == 0 ? QStringLiteral("the pseudo-terminal was closed") : systemError("read");
    return false;
}

void GaugeServer::takeBytes(const char *data, int length, Clock::time_point now)
{
    const Clock::time_point start = m_link.paced ? std::max(now, m_receiveFreeAt) : now;
    int lineStart = 0;
    for (int i = 0; i < length; ++i) {
        if (data[i] != Protocol::kLF)
            continue;
        m_partialLine.append(data + lineStart, i - lineStart);
        const Clock::time_point due = m_link.paced ? start + wireTime(i + 1) : now;
        m_lines.push_back({due, m_partialLine});
        m_partialLine.clear();
        lineStart = i + 1;
    }
    m_partialLine.append(data + lineStart, length - lineStart);
    m_receiveFreeAt = start + wireTime(length);
}

void GaugeServer::handleDueLines(Clock::time_point now)
{
    // A new command stops an answer that would never end.
    if (!m_lines.empty() && m_output.isPending() && m_output.sent >= m_output.bytes.size())
        m_output.fillerBytes = m_output.sent - m_output.bytes.size();
    while (!m_output.isPending() && !m_lines.empty() && m_lines.front().due <= now) {
        const QByteArray line = m_lines.front().line;
        m_lines.pop_front();
        m_transcript.append(line);
        if (m_link.exitAt > 0 && ++m_linesTaken >= m_link.exitAt) {
            m_unplugged = true;
            return;
        }
        if (m_link.chatterMs > 0)
            continue; // another device: it does not understand the gauge's commands
        const std::optional<GaugeReply> reply = m_controller.answer(line);
        if (!reply)
            continue;
        m_output = Output{reply->bytes, reply->fillerBytes, 0,
                          now + std::chrono::milliseconds(m_link.delayMs)};
        // The wire starts carrying the answer once the delay is over.
        m_sendFreeAt = m_output.notBefore;
    }
}

void GaugeServer::startChatter(Clock::time_point now)
{
    if (m_link.chatterMs <= 0 || m_output.isPending() || now < m_nextChatter)
        return;
    m_output = Output{QByteArray(kChatterLine), 0, 0, now};
    m_sendFreeAt = now;
    const auto interval = std::chrono::milliseconds(m_link.chatterMs);
    m_nextChatter += interval;
    if (m_nextChatter < now) // woken late: no burst to catch up
        m_nextChatter = now + interval;
}

bool GaugeServer::writeOutput(Clock::time_point now, QString &error)
{
    // Paced, a piece leaves once its last byte could have crossed the wire;
    // after a late wake-up it also holds every byte the wire could have
    // carried meanwhile, so a busy machine never slows the answer down.
    const QByteArray chunk = m_output.nextChunk(
        m_link.paced
            ? int(std::clamp<qint64>(bytesOnWire(now - m_sendFreeAt), kPacedChunk, kWriteChunk))
            : kWriteChunk);
    const ssize_t written = ::write(m_master, chunk.constData(), size_t(chunk.size()));
    if (written < 0) {
        if (errno == EAGAIN || errno == EINTR)
            return true;
        error = systemError("write");
        return false;
    }
    m_output.sent += written;
    m_bytesSent += written;
    m_sendFreeAt += wireTime(written);
    return true;
}

bool GaugeServer::outputIsDue(Clock::time_point now) const
{
    return m_output.isPending() && writableAt() <= now;
}

GaugeServer::Clock::time_point GaugeServer::writableAt() const
{
    if (!m_link.paced)
        return m_output.notBefore;
    return m_sendFreeAt + wireTime(std::min<qint64>(kPacedChunk, m_output.total() - m_output.sent));
}

const timespec *GaugeServer::pollTimeout(Clock::time_point now, timespec &wait) const
{
    Clock::time_point wake = Clock::time_point::max();
    if (m_output.isPending() && writableAt() > now)
        wake = writableAt();
    else if (!m_output.isPending() && !m_lines.empty())
        wake = m_lines.front().due;
    if (!m_output.isPending() && m_link.chatterMs > 0)
        wake = std::min(wake, m_nextChatter);
    if (wake == Clock::time_point::max())
        return nullptr;
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wake - now).count();
    const qint64 capped = std::clamp<qint64>(ns, 0, 60 * 1000000000LL);
    wait.tv_sec = time_t(capped / 1000000000LL);
    wait.tv_nsec = long(capped % 1000000000LL);
    return &wait;
}

qint64 GaugeServer::bytesOnWire(Clock::duration time)
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(time).count();
    return ns > 0 ? ns * kWireBytesPerSecond / 1000000000LL : 0;
}

GaugeServer::Clock::duration GaugeServer::wireTime(qint64 bytes)
{
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(bytes * 1000000000LL / kWireBytesPerSecond));
}
