#pragma once

#include "archive/archivetypes.h"

#include <QList>
#include <QString>
#include <QStringList>

class MeasurementArchive;

// A CSV file written by the tool's export (one measurement or all), read back.
// The file shows forces in the exported unit with one decimal, dates and
// times in the exporting machine's short formats and one time column for all;
// so samples come back rounded, seconds as 00, the sample rate from the time
// column and the summary forces from the samples.
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

CsvImportProblem readExportFile(const QString &path, CsvExportFile &file);

struct CsvImportReport
{
    CsvImportProblem problem = CsvImportProblem::None;
    ArchiveStatus status;
    int found = 0;       // measurements in the file
    int added = 0;       // new in the archive
    int alreadyKept = 0; // the archive held them (from the gauge or an earlier import)

    bool ok() const { return problem == CsvImportProblem::None && status.ok(); }
};

// Imports the file in one transaction. A measurement the archive already holds
// from the gauge (same serial number, date, minute, count, and samples that
// show as the file shows them) is not added again.
CsvImportReport importExportFile(MeasurementArchive &archive, const QString &path);
