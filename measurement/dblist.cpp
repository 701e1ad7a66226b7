#include "measurement/dblist.h"

#include "base/log.h"
#include "measurement/csvexportlayout.h"
#include "measurement/csvwriter.h"
#include "measurement/measurementset.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kTimeDecimals = 3;
constexpr int kForceDecimals = 1;

// The samples of one column that can be written: below sampleCount and held.
struct ForceColumn
{
    const QList<float> *forces;
    quint32 usable;
    double timeStep;
};

// A force cell; empty for a sample that is no finite number.
char *nextForceCell(char *out, float force, double factor)
{
    return std::isfinite(force)
               ? CsvWriter::nextNumberCell(out, double(force) * factor, kForceDecimals)
               : CsvWriter::nextEmptyCell(out);
}

// Writes the table of one DbList row by row.
class CsvTableWriter
{
public:
    CsvTableWriter(const DbList &table, QIODevice &out)
        : m_table(table), m_ownTimes(table.hasDifferentRates()), m_out(out)
    {
    }

    void writeHeaderRows(bool withSepHeader);
    // Counts the rows written in `rows`; stops when the device fails.
    void writeSampleRows(quint64 &rows);
    // Hands the rest to the device; false when any write failed.
    bool finish() { return m_out.flush(); }

private:
    void writeRecordRow(const QString &title, QString (*cell)(const DbList &, const Measurement &),
                        const QString &ownTimeCell = QString());
    void writeEmptyRow();
    // The header's cells after the first one.
    int cellsAfterTitle() const;
    void writeSharedTimeRows(quint64 &rows);
    void writeOwnTimeRows(quint64 &rows);
    std::vector<ForceColumn> forceColumns() const;

    const DbList &m_table;
    // Each measurement has its time column before its force column.
    const bool m_ownTimes;
    CsvWriter m_out;
};

QString numberCell(const DbList &, const Measurement &m)
{
    return QString::number(m.number);
}

QString dateCell(const DbList &, const Measurement &m)
{
    return formatMeasurementDate(m.dateText);
}

QString timeCell(const DbList &, const Measurement &m)
{
    return formatMeasurementTime(m.timeText);
}

QString forceTitleCell(const DbList &table, const Measurement &)
{
    return CsvExportLayout::forceTitle(table.unitText);
}

void CsvTableWriter::writeHeaderRows(bool withSepHeader)
{
    using CsvExportLayout::Row;
    if (withSepHeader)
        m_out.addRawLine(CsvExportLayout::kSeparatorLine);
    for (const Row row : CsvExportLayout::kHeaderRows) {
        switch (row) {
        case Row::Device:
            m_out.addText(QString::fromLatin1(kDeviceName));
            m_out.addEmpty(cellsAfterTitle());
            m_out.endLine();
            break;
        case Row::Empty:
            writeEmptyRow();
            break;
        case Row::Serial:
            m_out.addText(QCoreApplication::translate("QObject", "Seriennummer Gerät:"));
            m_out.addText(m_table.serialNr);
            m_out.addEmpty(cellsAfterTitle() - 1);
            m_out.endLine();
            break;
        case Row::Number:
            writeRecordRow(QCoreApplication::translate("QObject", "Messung-Nr:"), numberCell);
            break;
        case Row::Date:
            writeRecordRow(QCoreApplication::translate("QObject", "Datum:"), dateCell);
            break;
        case Row::Time:
            writeRecordRow(QCoreApplication::translate("QObject", "Zeit:"), timeCell);
            break;
        case Row::Titles:
            writeRecordRow(CsvExportLayout::timeTitle(), forceTitleCell,
                           CsvExportLayout::timeTitle());
            break;
        }
    }
}

int CsvTableWriter::cellsAfterTitle() const
{
    const int records = m_table.list.size();
    return m_ownTimes ? 2 * records - 1 : records;
}

void CsvTableWriter::writeSampleRows(quint64 &rows)
{
    if (m_table.list.isEmpty())
        return; // the header rows of no measurement
    if (m_ownTimes)
        writeOwnTimeRows(rows);
    else
        writeSharedTimeRows(rows);
}

// One time column for all, at the common rate.
void CsvTableWriter::writeSharedTimeRows(quint64 &rows)
{
    const quint32 rowCount = m_table.sampleRowCount();
    const std::vector<ForceColumn> columns = forceColumns();
    const double dt = sampleInterval(*m_table.list.first());
    const double factor = m_table.factor;

    const std::size_t lineRoom =
        (columns.size() + 1) * CsvWriter::kNumberCellRoom + CsvWriter::kLineEndRoom;

    double t = 0.0;
    for (quint32 j = 0; j < rowCount && m_out.isOk(); ++j) {
        char *out = m_out.reserve(lineRoom);
        out = CsvWriter::numberCell(out, t, kTimeDecimals);
        for (const ForceColumn &column : columns) {
            out = j < column.usable ? nextForceCell(out, column.forces->at(int(j)), factor)
                                    : CsvWriter::nextEmptyCell(out);
        }
        m_out.commitLine(CsvWriter::lineEnd(out));
        ++rows;
        t += dt;
    }
}

// A time and a force cell per measurement, each time at its own rate; both
// empty past its samples.
void CsvTableWriter::writeOwnTimeRows(quint64 &rows)
{
    const quint32 rowCount = m_table.sampleRowCount();
    const std::vector<ForceColumn> columns = forceColumns();
    const double factor = m_table.factor;
    const std::size_t lineRoom =
        2 * columns.size() * CsvWriter::kNumberCellRoom + CsvWriter::kLineEndRoom;

    std::vector<double> times(columns.size(), 0.0);
    for (quint32 j = 0; j < rowCount && m_out.isOk(); ++j) {
        char *const start = m_out.reserve(lineRoom);
        char *out = start;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const ForceColumn &column = columns[k];
            if (out != start)
                *out++ = ',';
            if (j < column.usable) {
                out = CsvWriter::numberCell(out, times[k], kTimeDecimals);
                out = nextForceCell(out, column.forces->at(int(j)), factor);
            } else {
                *out++ = '"';
                *out++ = '"';
                out = CsvWriter::nextEmptyCell(out);
            }
            times[k] += column.timeStep;
        }
        m_out.commitLine(CsvWriter::lineEnd(out));
        ++rows;
    }
}

void CsvTableWriter::writeRecordRow(const QString &title,
                                    QString (*cell)(const DbList &, const Measurement &),
                                    const QString &ownTimeCell)
{
    m_out.addText(title);
    for (const Measurement *m : m_table.list) {
        if (m_ownTimes && m != m_table.list.first())
            m_out.addText(ownTimeCell);
        m_out.addText(cell(m_table, *m));
    }
    m_out.endLine();
}

void CsvTableWriter::writeEmptyRow()
{
    m_out.addEmpty(cellsAfterTitle() + 1);
    m_out.endLine();
}

std::vector<ForceColumn> CsvTableWriter::forceColumns() const
{
    std::vector<ForceColumn> columns;
    columns.reserve(size_t(m_table.list.size()));
    for (const Measurement *m : m_table.list) {
        const quint32 held = quint32(m->forces.size());
        columns.push_back({&m->forces, std::min(m->sampleCount, held), sampleInterval(*m)});
    }
    return columns;
}

// Writes the whole file; false on any failure to write or to close it.
bool writeCsvFile(QFile &file, const DbList &table, bool withSepHeader, quint64 &rows)
{
    bool written = table.writeCSV(file, withSepHeader, rows);
    written = file.flush() && written;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

DbList::DbList(const QList<const Measurement *> &list, const QString &serialNr,
               const QString &unitText, double factor)
    : serialNr(serialNr), unitText(unitText), factor(factor), list(list)
{
}

bool DbList::hasDifferentRates() const
{
    return std::any_of(list.begin(), list.end(), [this](const Measurement *m) {
        return sampleInterval(*m) != sampleInterval(*list.first());
    });
}

quint32 DbList::sampleRowCount() const
{
    // A count from the gauge beyond what one answer line could carry is
    // damaged; it must not make an export run for hours.
    quint32 rows = 0;
    for (const Measurement *m : list)
        rows = std::max(rows, m->sampleCount);
    return std::min(rows, kMostSamplesPerMeasurement);
}

bool DbList::writeCSV(QIODevice &out, bool withSepHeader, quint64 &rows) const
{
    CsvTableWriter writer(*this, out);
    writer.writeHeaderRows(withSepHeader);
    writer.writeSampleRows(rows);
    return writer.finish();
}

int DbList::exportListCSV(const QString &fileName, bool withSepHeader) const
{
    if (list.isEmpty())
        return 0;

    // The name is used as given, so that names beyond Latin-1 work too.
    QFile file(fileName);
    quint64 rows = 0;
    int result = -1;
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (writeCsvFile(file, *this, withSepHeader, rows))
            result = 0;
        else
            rows = 0; // a failed file counts no rows, as one that did not open
    }
    logLine("DbList::exportListCSV: " + fileName.toLocal8Bit() +
            " Anzahl Zeilen: " + QByteArray::number(rows));
    return result;
}
