// The report command: the window's one-page report, written as PDF.
#include "cli/clirunner.h"

#include "report/pdfreport.h"

#include <QIODevice>

int writeCliReport(const DeviceData &data, const StatusIni &status, int slot,
                   const QString &fileName, const QString &designation, QIODevice &err)
{
    switch (writeReportPdf(data, status, slot, fileName, designation)) {
    case ReportResult::Printed:
        return kExitOk;
    case ReportResult::PdfNotWritten:
        err.write(pdfNotWrittenMessage(fileName).toUtf8() + '\n');
        return kExitFile;
    case ReportResult::NoMeasurement:
        break;
    }
    err.write(Cli::tr("Speicherplatz %1 ist leer.").arg(slot).toUtf8() + '\n');
    return kExitCommunication;
}
