#pragma once

#include "measurement/measurement.h"

#include <QList>
#include <QString>

class QIODevice;

// The tool's CSV export of a list of measurements, and its writer: one column
// per measurement, the header rows of CsvExportLayout, then a row per sample
// time (readExportFile reads such a file back). Does not own the records.
class DbList
{
public:
    DbList(const QList<const Measurement *> &list, const QString &serialNr, const QString &unitText,
           double factor);

    // Writes the CSV file. 0 when written or the list is empty; -1 when the
    // file could not be opened or written.
    int exportListCSV(const QString &fileName, bool withSepHeader) const;
    // Writes the same table to an open device (a file, standard output);
    // false when a write failed. `rows` counts the sample rows written.
    bool writeCSV(QIODevice &out, bool withSepHeader, quint64 &rows) const;
    // The sample rows of the export: the largest sample count, but no more
    // samples than one answer of the gauge can carry (each takes at least a
    // digit and a separator). Rows past a record's held samples stay empty.
    quint32 sampleRowCount() const;
    // Whether the measurements were sampled at different rates; the file then
    // gives each its own time column.
    bool hasDifferentRates() const;

    QString serialNr;
    QString unitText;
    double factor;
    QList<const Measurement *> list;
};
