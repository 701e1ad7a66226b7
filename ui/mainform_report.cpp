// The report commands are ReportCommands'; here they are wired in.
#include "ui/mainform.h"

#include "ui/analysispanel.h"
#include "ui/archivebrowser.h"
#include "ui/reportcommands.h"
#include "ui_mainform.h"

void Mainform::setUpReports()
{
    ReportCommands::Source source;
    source.data = [this]() -> const DeviceData & {
        return m_archiveBrowser->reportData(measurements);
    };
    source.number = [this] { return m_archiveBrowser->reportNumber(currentMeasurementNumber()); };
    source.selection = [this] { return selectedSet(); };
    // The designation typed in for a report goes with the measurement into the archive.
    source.storeDesignation = [this](const QString &designation) {
        m_archiveBrowser->storeDesignation(designation, measurements, currentMeasurementNumber());
    };
    source.chartSettings = [this] { return m_analysisPanel->chartSettings(); };
    m_reports = std::make_unique<ReportCommands>(this, ui->qwtPlot, plotAnalysis(), status,
                                                 errorMessage.get(), source);
}

void Mainform::on_actionAlsPDFspeichern_triggered()
{
    m_reports->savePdf();
}

void Mainform::on_actionSeiteEinrichten_triggered()
{
    m_reports->setUpPage();
}

void Mainform::on_actionDruckvorschau_triggered()
{
    m_reports->preview([this](QPrinter *printer) { printPreviewPaint(printer); });
}

void Mainform::printPreviewPaint(QPrinter *previewPrinter)
{
    m_reports->printTo(previewPrinter);
}

void Mainform::on_actionDrucken_triggered()
{
    m_reports->print();
}
