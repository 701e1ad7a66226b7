// The report commands: print, print preview, page setup and PDF file.
#include "ui/mainform.h"

#include "plot/plotanalysis.h"
#include "report/report.h"
#include "settings/statusini.h"
#include "ui_mainform.h"

#include <QErrorMessage>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

void Mainform::on_actionAlsPDFspeichern_triggered()
{
    const QString filter = tr("PDF-Datei") + QStringLiteral(" (*.pdf)");
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("PDF-Datei speichern"), status->lastFilePath, filter);
    if (fileName.isEmpty())
        return;

    // Several selected measurements give the report of the set.
    const MeasurementSet selection = selectedSet();
    ReportPrinter report(reportData(), *status, ui->qwtPlot, this);
    const PlotAnalysis::MarkersHidden plainDiagram(plotAnalysis());
    const ReportResult result = selection.records.size() >= 2
                                    ? report.saveSeriesPdf(selection, &pdfPrinter, fileName)
                                    : report.savePdf(reportNumber(), &pdfPrinter, fileName);
    if (result == ReportResult::PdfNotWritten)
        errorMessage->showMessage(pdfNotWrittenMessage(fileName));
    else if (result == ReportResult::Printed && selection.records.size() < 2)
        storeReportDesignation(report.lastDesignation());
    status->lastFilePath = QFileInfo(fileName).path();
    status->save();
}

void Mainform::on_actionSeiteEinrichten_triggered()
{
    QPageSetupDialog dialog(&printer, this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

void Mainform::on_actionDruckvorschau_triggered()
{
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &Mainform::printPreviewPaint);
    preview.exec();
}

void Mainform::printPreviewPaint(QPrinter *previewPrinter)
{
    printReport(reportNumber(), previewPrinter);
}

void Mainform::on_actionDrucken_triggered()
{
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printReport(reportNumber(), &printer);
}

void Mainform::printReport(int number, QPrinter *reportPrinter)
{
    // A number without a record prints nothing; the preview then stays empty.
    // Several selected measurements give the report of the set.
    const MeasurementSet selection = selectedSet();
    ReportPrinter report(reportData(), *status, ui->qwtPlot, this);
    const PlotAnalysis::MarkersHidden plainDiagram(plotAnalysis());
    if (selection.records.size() >= 2)
        report.printSeries(selection, reportPrinter);
    else if (report.print(number, reportPrinter) == ReportResult::Printed)
        storeReportDesignation(report.lastDesignation());
}
