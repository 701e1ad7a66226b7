#include "measurement/csvwriter.h"

#include <QIODevice>

namespace {

// Large enough that the device sees few, big writes; small enough to stay
// in the CPU's caches.
constexpr std::size_t kBufferSize = 64 * 1024;
constexpr char kNotLatin1 = '?';

} // namespace

CsvWriter::CsvWriter(QIODevice &out) : m_out(out), m_buffer(kBufferSize) {}

void CsvWriter::addText(const QString &text)
{
    beginCell();
    const int length = text.size();
    for (int i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xff) {
            put(char(c.unicode()));
            continue;
        }
        // A character beyond the basic plane is one character, not two.
        if (c.isHighSurrogate() && i + 1 < length && text.at(i + 1).isLowSurrogate())
            ++i;
        put(kNotLatin1);
    }
    put('"');
}

void CsvWriter::addNumber(double value, int decimals)
{
    char *const out = reserve(kNumberCellRoom);
    char *const end =
        m_lineStarted ? nextNumberCell(out, value, decimals) : numberCell(out, value, decimals);
    m_used = std::size_t(end - m_buffer.data());
    m_lineStarted = true;
}

void CsvWriter::addEmpty(int count)
{
    for (int i = 0; i < count; ++i) {
        beginCell();
        put('"');
    }
}

void CsvWriter::endLine()
{
    put('\r');
    put('\n');
    m_lineStarted = false;
}

void CsvWriter::addRawLine(const char *text)
{
    while (*text != '\0')
        put(*text++);
    endLine();
}

char *CsvWriter::reserve(std::size_t bytes)
{
    if (m_buffer.size() - m_used < bytes) {
        flush();
        if (m_buffer.size() < bytes)
            m_buffer.resize(bytes);
    }
    return m_buffer.data() + m_used;
}

void CsvWriter::commitLine(char *end)
{
    m_used = std::size_t(end - m_buffer.data());
    m_lineStarted = false;
}

bool CsvWriter::flush()
{
    const qint64 size = qint64(m_used);
    if (m_ok && size > 0)
        m_ok = m_out.write(m_buffer.data(), size) == size;
    m_used = 0;
    return m_ok;
}

void CsvWriter::beginCell()
{
    if (m_lineStarted)
        put(',');
    m_lineStarted = true;
    put('"');
}

void CsvWriter::put(char c)
{
    if (m_used == m_buffer.size())
        flush();
    m_buffer[m_used++] = c;
}
