#pragma once

#include <QString>
#include <string>

class QIODevice;

// One line of the CSV export, built cell by cell: every cell quoted, cells
// separated by ",", texts in Latin-1 ("?" for other characters), CR LF at the
// end. The buffer is kept between lines, so a line costs no allocation once
// the longest line has been seen.
class CsvLine
{
public:
    void addText(const QString &text);
    void addNumber(double value, int decimals);
    void addEmpty(int count = 1);

    // Writes the line with its CR LF to `out` and starts the next one.
    // False when the device did not take it.
    bool writeTo(QIODevice &out);
    // Writes a line as it is (not quoted), with CR LF.
    static bool writeRaw(QIODevice &out, const char *text);

private:
    void beginCell();
    void endCell();

    std::string m_text;
    bool m_lineStarted = false;
};
