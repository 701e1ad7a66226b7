#pragma once

#include "archive/archivetypes.h"

#include <QList>
#include <QString>
#include <QStringList>

class MeasurementArchive;

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

CsvImportProblem readExportFile(const QString &path, CsvExportFile &file);

// Why a measurement of the file is not archived.
enum class CsvRefusal
{
    SerialNumberWithNul,
    NegativeNumber,
    NoSamples,
    ForceNotFinite, // a force cell that is no finite number
    NoRate,         // fewer than two times, or times that do not advance
    DateOrTimeUnreadable,
};

struct RefusedMeasurement
{
    int number; // as the file gives it
    CsvRefusal reason;
};

// The reason as the window shows it.
QString csvRefusalText(CsvRefusal reason);

// Every measurement of the file is counted once: added, alreadyKept or refused.
struct CsvImportReport
{
    CsvImportProblem problem = CsvImportProblem::None;
    ArchiveStatus status;
    int found = 0;       // measurements in the file
    int added = 0;       // new in the archive
    int alreadyKept = 0; // the archive held them (from the gauge or an earlier import)
    QList<RefusedMeasurement> refused;

    bool ok() const { return problem == CsvImportProblem::None && status.ok(); }
};

// Imports the file in one transaction. A measurement the archive already holds
// from the gauge (same serial number, date, minute, count, and samples that
// show as the file shows them) is not added again.
CsvImportReport importExportFile(MeasurementArchive &archive, const QString &path);
