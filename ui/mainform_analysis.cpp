// The analysis of the selection is the AnalysisPanel's; here it is wired in
// and the window's page and commands follow what it shows.
#include "ui/mainform.h"

#include "ui/analysispanel.h"
#include "ui/archivebrowser.h"
#include "ui/commandstates.h"
#include "ui/exportwriter.h"
#include "plot/planoverlay.h"
#include "ui/measurementpage.h"
#include "ui_mainform.h"
#include "workflow/archivegroup.h"
#include "workflow/gaugeservices.h"

#include <QStatusBar>

void Mainform::setUpAnalysis()
{
    m_analysisPanel = std::make_unique<AnalysisPanel>(AnalysisPanel::Parts{
        this, ui->qwtPlot, m_page->curve(), ui->statisticsView, ui->treeView,
        ui->actionReferenzFesthalten, &measurements, status,
        [this] { showMeasurement(currentMeasurementNumber()); }, ui->tabsDiagram,
        ui->controlChartView,
        [this] { return m_archiveBrowser && m_archiveBrowser->rowSelected(); },
        [this](DeviceData &into) {
            return m_archiveBrowser->loadCurrentGroup(into, kLargestChartedGroup);
        },
        &m_services.activePlan()});
    m_commands->followExportOfAll();
    connect(m_analysisPanel.get(), &AnalysisPanel::cursorMoved, this,
            [this](const QString &readout) { statusBar()->showMessage(readout); });
}

PlotAnalysis *Mainform::plotAnalysis() const
{
    return m_analysisPanel->plotAnalysis();
}

OverlayPlot *Mainform::overlayPlot() const
{
    return m_analysisPanel->overlay();
}

MeasurementSet Mainform::selectedSet() const
{
    return m_analysisPanel->selectedSet();
}

void Mainform::selectionChanged(const QItemSelection & /*selected*/,
                                const QItemSelection & /*deselected*/)
{
    updateAnalysis();
}

void Mainform::updateAnalysis()
{
    const AnalysisPanel::Shown shown = m_analysisPanel->update();
    // A test plan's times start at one curve's trigger: not drawn over several.
    m_page->planOverlay()->setVisible(!shown.overlay);
    if (shown.overlay || shown.archiveGroup)
        ui->stackedWidgetMeas->setEnabled(true);
    if (shown.several || shown.archiveGroup)
        m_page->showValuesPage();
    // The values of one measurement make room for the diagram of several.
    ui->frameMeasGraph->setVisible(!shown.several && !shown.archiveGroup);
    m_commands->forSelection(shown.several || currentMeasurementNumber() != 0, shown.several);
    m_commands->forErasable(erasableSlotNumbers().size());
}

void Mainform::on_actionGesamtansicht_triggered()
{
    m_analysisPanel->showWholeView();
}

void Mainform::on_actionReferenzFesthalten_toggled(bool pinned)
{
    m_analysisPanel->pinReference(pinned, currentMeasurementNumber());
    updateAnalysis();
}

void Mainform::on_actionNichtAusrichten_triggered()
{
    m_analysisPanel->setAlignment(CurveAlignment::None);
    updateAnalysis();
}

void Mainform::on_actionAmStartAusrichten_triggered()
{
    m_analysisPanel->setAlignment(CurveAlignment::Start);
    updateAnalysis();
}

void Mainform::on_actionAmMaximumAusrichten_triggered()
{
    m_analysisPanel->setAlignment(CurveAlignment::Maximum);
    updateAnalysis();
}

void Mainform::on_actionExcelExportieren_triggered()
{
    m_analysisPanel->exportWorkbook(
        [this](const QString &fileName, const std::function<int()> &write) {
            m_exportWriter->write(fileName, write);
        });
}

void Mainform::on_actionDfqExportieren_triggered()
{
    m_analysisPanel->exportDfq([this](const QString &fileName, const std::function<int()> &write) {
        m_exportWriter->write(fileName, write);
    });
}
