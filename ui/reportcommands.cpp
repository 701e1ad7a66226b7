// Its texts keep the context they had in the window, "Mainform".
#include "ui/reportcommands.h"

#include "plot/plotanalysis.h"
#include "report/report.h"
#include "settings/statusini.h"
#include "ui/savefiledialog.h"

#include <QCoreApplication>
#include <QErrorMessage>
#include <QFileInfo>
#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

QString askReportDesignation(QWidget *parent)
{
    return QInputDialog::getText(
        parent, QCoreApplication::translate("Mainform", "Bezeichnung"),
        QCoreApplication::translate("Mainform",
                                    "Bitte geben Sie eine Bezeichnung für den Ausdruck ein: "),
        QLineEdit::Normal, QString());
}

ReportCommands::ReportCommands(QWidget *window, QwtPlot *plot, PlotAnalysis *analysis,
                               StatusIni *status, QErrorMessage *errors, const Source &source)
    : m_window(window), m_plot(plot), m_analysis(analysis), m_status(status), m_errors(errors),
      m_source(source)
{
}

void ReportCommands::savePdf()
{
    const QString filter =
        QCoreApplication::translate("Mainform", "PDF-Datei") + QStringLiteral(" (*.pdf)");
    const QString fileName = askSaveFileName(
        m_window, QCoreApplication::translate("Mainform", "PDF-Datei speichern"),
        m_status->lastFilePath, proposedFileName(QString::fromLatin1(m_source.data().serialNr)),
        filter, QStringLiteral("pdf"));
    if (fileName.isEmpty())
        return;

    // Several selected measurements give the report of the set.
    const MeasurementSet selection = m_source.selection();
    ReportPrinter report(m_source.data(), *m_status, m_plot);
    report.setDesignationPrompt([this] { return askReportDesignation(m_window); });
    if (m_source.chartSettings)
        report.setChartSettings(m_source.chartSettings());
    const PlotAnalysis::MarkersHidden plainDiagram(m_analysis);
    const ReportResult result = selection.records.size() >= 2
                                    ? report.saveSeriesPdf(selection, &m_pdfPrinter, fileName)
                                    : report.savePdf(m_source.number(), &m_pdfPrinter, fileName);
    if (result == ReportResult::PdfNotWritten)
        m_errors->showMessage(pdfNotWrittenMessage(fileName));
    else if (result == ReportResult::Printed && selection.records.size() < 2)
        m_source.storeDesignation(report.lastDesignation());
    m_status->lastFilePath = QFileInfo(fileName).path();
    m_status->save();
}

void ReportCommands::setUpPage()
{
    QPageSetupDialog dialog(&m_printer, m_window);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

void ReportCommands::preview(const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog preview(&m_printer, m_window);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, m_window, paint);
    preview.exec();
}

void ReportCommands::print()
{
    QPrintDialog dialog(&m_printer, m_window);
    if (dialog.exec() == QDialog::Accepted)
        printTo(&m_printer);
}

void ReportCommands::printTo(QPrinter *printer)
{
    // Several selected measurements give the report of the set.
    const MeasurementSet selection = m_source.selection();
    ReportPrinter report(m_source.data(), *m_status, m_plot);
    report.setDesignationPrompt([this] { return askReportDesignation(m_window); });
    if (m_source.chartSettings)
        report.setChartSettings(m_source.chartSettings());
    const PlotAnalysis::MarkersHidden plainDiagram(m_analysis);
    if (selection.records.size() >= 2)
        report.printSeries(selection, printer);
    else if (report.print(m_source.number(), printer) == ReportResult::Printed)
        m_source.storeDesignation(report.lastDesignation());
}
