#include "measurement/dblist.h"

#include "app/log.h"
#include "measurement/csvline.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <vector>

namespace {

constexpr int kTimeDecimals = 3;
constexpr int kForceDecimals = 1;

// The samples of one column that can be written: below sampleCount and held.
struct ForceColumn
{
    const QList<float> *forces;
    quint32 usable;
};

// Writes the table of one DbList row by row through a single line buffer.
class CsvTableWriter
{
public:
    CsvTableWriter(const DbList &table, QIODevice &out) : m_table(table), m_out(out) {}

    bool writeHeaderRows(bool withSepHeader);
    // Counts the rows written in `rows`.
    bool writeSampleRows(quint64 &rows);

private:
    bool writeRecordRow(const QString &title, QString (*cell)(const DbList &, const Measurement &));
    bool writeEmptyRow();
    double timeStep() const;
    std::vector<ForceColumn> forceColumns() const;

    const DbList &m_table;
    QIODevice &m_out;
    CsvLine m_line;
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
    return QCoreApplication::translate("QObject", "Kraft") + QStringLiteral(" / ") + table.unitText;
}

bool CsvTableWriter::writeHeaderRows(bool withSepHeader)
{
    const int recordCount = m_table.list.size();
    if (withSepHeader && !CsvLine::writeRaw(m_out, "sep=,"))
        return false;

    m_line.addText(QString::fromLatin1(kDeviceName));
    m_line.addEmpty(recordCount);
    if (!m_line.writeTo(m_out) || !writeEmptyRow())
        return false;

    m_line.addText(QCoreApplication::translate("QObject", "Seriennummer Gerät:"));
    m_line.addText(m_table.serialNr);
    m_line.addEmpty(recordCount - 1);
    if (!m_line.writeTo(m_out) || !writeEmptyRow() || !writeEmptyRow())
        return false;

    return writeRecordRow(QCoreApplication::translate("QObject", "Messung-Nr:"), numberCell) &&
           writeRecordRow(QCoreApplication::translate("QObject", "Datum:"), dateCell) &&
           writeRecordRow(QCoreApplication::translate("QObject", "Zeit:"), timeCell) &&
           writeEmptyRow() &&
           writeRecordRow(QCoreApplication::translate("QObject", "Zeit") + QStringLiteral(" / s"),
                          forceTitleCell);
}

bool CsvTableWriter::writeSampleRows(quint64 &rows)
{
    quint32 rowCount = 0;
    for (const Measurement *m : m_table.list)
        rowCount = std::max(rowCount, m->sampleCount);
    const std::vector<ForceColumn> columns = forceColumns();
    const double dt = timeStep();
    const double factor = m_table.factor;

    double t = 0.0;
    for (quint32 j = 0; j < rowCount; ++j) {
        m_line.addNumber(t, kTimeDecimals);
        for (const ForceColumn &column : columns) {
            if (j < column.usable)
                m_line.addNumber(double(column.forces->at(int(j))) * factor, kForceDecimals);
            else
                m_line.addEmpty();
        }
        if (!m_line.writeTo(m_out))
            return false;
        ++rows;
        t += dt;
    }
    return true;
}

bool CsvTableWriter::writeRecordRow(const QString &title,
                                    QString (*cell)(const DbList &, const Measurement &))
{
    m_line.addText(title);
    for (const Measurement *m : m_table.list)
        m_line.addText(cell(m_table, *m));
    return m_line.writeTo(m_out);
}

bool CsvTableWriter::writeEmptyRow()
{
    m_line.addEmpty(m_table.list.size() + 1);
    return m_line.writeTo(m_out);
}

// Every column follows the first record's rate.
double CsvTableWriter::timeStep() const
{
    const float rate = m_table.list.first()->sampleRate;
    return rate > 0.0f ? 1.0 / double(rate) : 1.0;
}

std::vector<ForceColumn> CsvTableWriter::forceColumns() const
{
    std::vector<ForceColumn> columns;
    columns.reserve(size_t(m_table.list.size()));
    for (const Measurement *m : m_table.list) {
        const quint32 held = quint32(m->forces.size());
        columns.push_back({&m->forces, std::min(m->sampleCount, held)});
    }
    return columns;
}

// Writes the whole file; false on any failure to write or to close it.
bool writeCsvFile(QFile &file, const DbList &table, bool withSepHeader, quint64 &rows)
{
    CsvTableWriter writer(table, file);
    bool written = writer.writeHeaderRows(withSepHeader) && writer.writeSampleRows(rows);
    written = file.flush() && written;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

DbList::DbList(const QList<Measurement *> &list, const QString &serialNr, const QString &unitText,
               double factor)
    : serialNr(serialNr), unitText(unitText), factor(factor), list(list)
{
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
