#pragma once

#include "measurement/measurementset.h"
#include "measurement/serieschart.h"

#include <QList>
#include <QString>

// Excel workbook (.xlsx) of measurement sets, written through libxlsxwriter:
// for each set one sheet with its measurements side by side in the layout of
// the CSV export, one sheet with its statistics and one with the numbers of
// its control chart (`chart`: the quantity, chart type and rules). Numbers are written as
// numbers and dates and times as Excel dates, so any Excel reads them in its
// own locale.
//
// Returns 0 when the file was written or there is nothing to write (no set
// holds a record), -1 when it could not be written. Writes the log line
// "WorkbookExport::write: " + file name + " Anzahl Zeilen: " + sample rows.
int writeWorkbook(const QString &fileName, const QList<MeasurementSet> &sets,
                  const ChartSettings &chart = ChartSettings());

// A sheet name Excel accepts: no []:*?/\ and at most 31 characters.
QString workbookSheetName(const QString &text);
