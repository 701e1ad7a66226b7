#pragma once

#include <QString>
#include <iterator>

// The rows above the samples in the CSV export (DbList writes them, the
// import reads them back), after an optional "sep=," line. Each record has
// its column; the first column holds the rows' titles and then the times.
namespace CsvExportLayout {

enum class Row
{
    Device, // the device's name
    Empty,
    Serial, // the title and the gauge's serial number
    Number, // each record's number
    Date,   // each record's date, in the short format of the locale
    Time,   // each record's time, the same way
    Titles, // "Zeit / s" and "Kraft / <unit>" (a time title before each force
            // title when the records' rates differ)
};

constexpr Row kHeaderRows[] = {Row::Device, Row::Empty,  Row::Serial, Row::Empty, Row::Empty,
                               Row::Number, Row::Date,   Row::Time,   Row::Empty, Row::Titles};
constexpr int kHeaderRowCount = int(std::size(kHeaderRows));

// The index of a row of the header.
constexpr int rowIndex(Row row)
{
    for (int i = 0; i < kHeaderRowCount; ++i) {
        if (kHeaderRows[i] == row)
            return i;
    }
    return -1;
}

// The line that tells a spreadsheet the separator.
constexpr char kSeparatorLine[] = "sep=,";

// The column titles of the times and forces.
QString timeTitle();
QString forceTitle(const QString &unitText);
// The unit of a force title; empty when it is none.
QString unitOfForceTitle(const QString &title);

} // namespace CsvExportLayout
