#pragma once

#include "measurement/fixednumber.h"

#include <QString>
#include <cstddef>
#include <cstring>
#include <vector>

class QIODevice;

// The CSV export's output: every cell quoted, cells separated by ",", texts
// in Latin-1 ("?" for other characters), CR LF at the end of a line. Cells go
// straight into one large buffer that is handed to the device whenever it is
// nearly full, so a cell costs no call into the device and no allocation.
//
// Long runs of numbers (the sample rows) are written at a raw position:
// reserve() the room of a line, write its cells and its end with the static
// functions, commitLine() the end. A local pointer lets the compiler keep the position in a
// register, which a member written through char pointers cannot.
class CsvWriter
{
public:
    // The most a number cell needs: separator, quotes and the number.
    static constexpr std::size_t kNumberCellRoom = kMaxFixedLength + 3;
    static constexpr std::size_t kLineEndRoom = 2;

    explicit CsvWriter(QIODevice &out);

    void addText(const QString &text);
    void addNumber(double value, int decimals);
    void addEmpty(int count = 1);
    void endLine();
    // A line as it is (not quoted), with CR LF.
    void addRawLine(const char *text);

    // The position with room for `bytes` more; flushes (and grows the
    // buffer for an unusually long line) first when needed.
    char *reserve(std::size_t bytes);
    // Takes the bytes written after reserve() up to `end`, which ends a line.
    void commitLine(char *end);

    // A line's first cell, a further cell, and the line's end, at `out`.
    static inline char *numberCell(char *out, double value, int decimals);
    static inline char *nextNumberCell(char *out, double value, int decimals);
    static inline char *nextEmptyCell(char *out);
    static inline char *lineEnd(char *out);

    // Hands the buffered bytes to the device. False when the device did not
    // take everything written so far.
    bool flush();
    // False once the device refused a piece; later cells are dropped.
    bool isOk() const { return m_ok; }

private:
    void beginCell();
    void put(char c);

    QIODevice &m_out;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
    bool m_lineStarted = false;
    bool m_ok = true;
};

inline char *CsvWriter::numberCell(char *out, double value, int decimals)
{
    *out++ = '"';
    out = writeFixed(out, value, decimals);
    *out++ = '"';
    return out;
}

inline char *CsvWriter::nextNumberCell(char *out, double value, int decimals)
{
    *out++ = ',';
    return numberCell(out, value, decimals);
}

inline char *CsvWriter::nextEmptyCell(char *out)
{
    std::memcpy(out, ",\"\"", 3);
    return out + 3;
}

inline char *CsvWriter::lineEnd(char *out)
{
    std::memcpy(out, "\r\n", 2);
    return out + 2;
}
