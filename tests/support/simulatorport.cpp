#include "simulatorport.h"

#include "device/protocol.h"
#include "sim/transcript.h"

#include <algorithm>

namespace {
// readString with maxLength 0 reads this many bytes, as the real port does.
constexpr int kDefaultReadLength = 255;
constexpr int kFillerChunk = 64 * 1024;
} // namespace

SimulatorPort::SimulatorPort(GaugeMemory memory, FaultOptions faults)
    : m_controller(std::move(memory), std::move(faults))
{
}

void SimulatorPort::writeChar(char c)
{
    m_written.append(c);
    take(c);
}

void SimulatorPort::writeString(const QByteArray &text)
{
    const int nul = text.indexOf('\0');
    const QByteArray bytes = nul < 0 ? text : text.left(nul);
    m_written.append(bytes);
    for (char c : bytes)
        take(c);
}

void SimulatorPort::take(char c)
{
    m_line.append(c);
    if (c != Protocol::kLF)
        return;
    m_lines.append(withoutLineEnd(m_line));
    m_line.chop(1);
    // As on the line: a new command stops an answer that would never end.
    m_fillerLeft = 0;
    const std::optional<GaugeReply> reply = m_controller.answer(m_line);
    m_line.clear();
    if (reply)
        queue(*reply);
}

void SimulatorPort::queue(const GaugeReply &reply)
{
    m_input = m_input.mid(m_readPos) + reply.bytes;
    m_readPos = 0;
    m_fillerLeft = reply.fillerBytes;
    m_fillerOffset = 0;
}

void SimulatorPort::inject(const QByteArray &bytes)
{
    m_input.append(bytes);
}

bool SimulatorPort::refill()
{
    if (m_readPos < m_input.size())
        return true;
    if (m_fillerLeft == 0)
        return false;
    const int length = int(std::min<qint64>(kFillerChunk, m_fillerLeft));
    m_input = endlessFiller(m_fillerOffset, length);
    m_readPos = 0;
    m_fillerOffset += length;
    m_fillerLeft -= length;
    return true;
}

void SimulatorPort::readChar(char *c)
{
    *c = refill() ? m_input[m_readPos++] : 0;
}

void SimulatorPort::readString(QByteArray *text, int maxLength)
{
    text->clear();
    const int wanted = maxLength > 0 ? maxLength : kDefaultReadLength;
    while (text->size() < wanted && refill()) {
        const int length = std::min(wanted - text->size(), m_input.size() - m_readPos);
        text->append(m_input.constData() + m_readPos, length);
        m_readPos += length;
    }
    const int nul = text->indexOf('\0');
    if (nul >= 0)
        text->truncate(nul);
}

uint32_t SimulatorPort::size()
{
    return uint32_t(std::min<qint64>(pending(), UINT32_MAX));
}

qint64 SimulatorPort::pending() const
{
    return m_input.size() - m_readPos + m_fillerLeft;
}

void SimulatorPort::clearInput()
{
    // Everything queued has arrived; an endless answer arrives up to the bound.
    qint64 dropped = 0;
    while (dropped < Protocol::kMaxAnswerLength && refill()) {
        dropped += m_input.size() - m_readPos;
        m_readPos = m_input.size();
    }
}

int SimulatorPort::init(int, int, int, int, int)
{
    return m_initResult;
}
