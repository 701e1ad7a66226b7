#pragma once

#include "report/report.h"

#include <QString>

struct DeviceData;
class StatusIni;

// The report of the measurement in `slot` as a PDF file, without a window:
// the diagram is drawn off screen as the window shows it. Needs a
// QApplication (the offscreen platform will do).
ReportResult writeReportPdf(const DeviceData &data, const StatusIni &status, int slot,
                            const QString &fileName, const QString &designation);
