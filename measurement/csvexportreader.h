#pragma once

#include "measurement/measurement.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A CSV file written by the tool's export (one measurement or all), read back.
// The file shows forces in the exported unit with one decimal, dates and
// times in the exporting machine's short formats and one time column for all
// (or one per measurement when their rates differ); so samples come back
// rounded, seconds as 00, the sample rate from the time column and the
// summary forces from the samples.
struct CsvExportFile
{
    QByteArray serialNr;
    int forceUnit = 0;
    QList<Measurement> records;
    // Per record, the force cells as the file shows them.
    QList<QStringList> shownForces;
};

enum class CsvImportProblem
{
    None,
    NotReadable,    // the file cannot be opened
    NotAnExport,    // not a file of the tool's export
    UnknownUnit,    // a force unit the gauge does not have
    NoMeasurements, // a valid export without a complete measurement
};

// Reads the file written by DbList back into records.
CsvImportProblem readExportFile(const QString &path, CsvExportFile &file);
