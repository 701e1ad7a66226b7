#pragma once

#include "archive/archivetypes.h"
#include "measurement/csvexportreader.h"

#include <QList>
#include <QString>
#include <QStringList>

class MeasurementArchive;

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
