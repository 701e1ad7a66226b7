#include "measurement/csvline.h"

#include "measurement/fixednumber.h"

#include <QIODevice>
#include <cstring>

namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ',';
constexpr char kLineEnd[] = "\r\n";
constexpr char kNotLatin1 = '?';

void appendLatin1(std::string &out, const QString &text)
{
    const int length = text.size();
    for (int i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xff) {
            out.push_back(char(c.unicode()));
            continue;
        }
        // A character beyond the basic plane is one character, not two.
        if (c.isHighSurrogate() && i + 1 < length && text.at(i + 1).isLowSurrogate())
            ++i;
        out.push_back(kNotLatin1);
    }
}

bool writeAll(QIODevice &out, const char *data, size_t size)
{
    return out.write(data, qint64(size)) == qint64(size);
}

} // namespace

void CsvLine::addText(const QString &text)
{
    beginCell();
    appendLatin1(m_text, text);
    endCell();
}

void CsvLine::addNumber(double value, int decimals)
{
    beginCell();
    appendFixed(m_text, value, decimals);
    endCell();
}

void CsvLine::addEmpty(int count)
{
    for (int i = 0; i < count; ++i) {
        beginCell();
        endCell();
    }
}

bool CsvLine::writeTo(QIODevice &out)
{
    m_text.append(kLineEnd);
    const bool written = writeAll(out, m_text.data(), m_text.size());
    m_text.clear();
    m_lineStarted = false;
    return written;
}

bool CsvLine::writeRaw(QIODevice &out, const char *text)
{
    return writeAll(out, text, std::strlen(text)) && writeAll(out, kLineEnd, sizeof(kLineEnd) - 1);
}

void CsvLine::beginCell()
{
    if (m_lineStarted)
        m_text.push_back(kSeparator);
    m_lineStarted = true;
    m_text.push_back(kQuote);
}

void CsvLine::endCell()
{
    m_text.push_back(kQuote);
}
