// Analysis in the diagram and across the selection: the plot's zoom, pan and
// cursor tools, the overlay of several selected measurements with a pinned
// reference, their statistics against the limits, and the Excel export.
#include "ui/mainform.h"

#include "measurement/seriesstatistics.h"
#include "measurement/workbookexport.h"
#include "plot/overlayplot.h"
#include "plot/plotanalysis.h"
#include "settings/statusini.h"
#include "ui/statisticsview.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>
#include <qwt_plot_curve.h>

#include <algorithm>

namespace {

constexpr int kMeasurementPage = 0;
const QString kWorkbookSuffix = QStringLiteral("xlsx");

// The place of a row in the tree, top down, for sorting a selection.
QList<int> treePath(QModelIndex index)
{
    QList<int> path;
    for (; index.isValid(); index = index.parent())
        path.prepend(index.row());
    return path;
}

bool sameMeasurement(const Measurement &a, const Measurement &b)
{
    return a.number == b.number && a.dateText == b.dateText && a.timeText == b.timeText &&
           a.sampleCount == b.sampleCount && a.forces == b.forces;
}

} // namespace

void Mainform::setUpAnalysis()
{
    m_analysis = new PlotAnalysis(ui->qwtPlot, this);
    m_overlay = std::make_unique<OverlayPlot>(ui->qwtPlot);
    // The single curve has no legend entry; only the overlay shows a legend.
    curve->setItemAttribute(QwtPlotItem::Legend, false);
    ui->statisticsView->hide();
    // The Excel export covers all measurements when no measurement row is
    // selected, so it is there whenever exporting all is.
    ui->actionExcelExportieren->setEnabled(ui->actionAlleMessungenexportieren->isEnabled());
    connect(ui->actionAlleMessungenexportieren, &QAction::changed, this, [this] {
        ui->actionExcelExportieren->setEnabled(ui->actionAlleMessungenexportieren->isEnabled());
    });
    connect(m_analysis, &PlotAnalysis::cursorMoved, this,
            [this](const QString &readout) { statusBar()->showMessage(readout); });
}

void Mainform::tearDownAnalysis()
{
    m_analysis->setCurves({}, QString(), false);
    m_overlay.reset();
    delete m_analysis;
    m_analysis = nullptr;
}

const Measurement *Mainform::recordForRow(const QModelIndex &index) const
{
    if (!index.isValid() || !index.parent().isValid())
        return nullptr;
    bool isInt = false;
    const int number = index.data(MeasurementNumberRole).toInt(&isInt);
    return isInt && number > 0 ? findMeasurement(measurements.records, number) : nullptr;
}

ForceLimits Mainform::limitsForUnit(const QString &unitText) const
{
    const ForceLimitTexts texts = status->forceLimits.value(unitText.toLatin1());
    return ForceLimits{parseLimit(texts.lower), parseLimit(texts.upper)};
}

MeasurementSet Mainform::selectedSet() const
{
    MeasurementSet set;
    set.label = QString::fromLatin1(kDeviceName);
    set.serialNr = QString::fromLatin1(measurements.serialNr);
    set.unitText = measurements.forceUnitText;
    set.factor = measurements.forceUnitFactor;
    set.limits = limitsForUnit(set.unitText);
    // Column 0 of each selected row, however many columns the model has.
    QModelIndexList rows;
    for (const QModelIndex &index : ui->treeView->selectionModel()->selectedIndexes())
        if (index.column() == 0)
            rows.append(index);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return treePath(a) < treePath(b); });
    for (const QModelIndex &row : rows) {
        const Measurement *record = recordForRow(row);
        if (record && !set.records.contains(record))
            set.records.append(record);
    }
    return set;
}

void Mainform::selectionChanged(const QItemSelection & /*selected*/,
                                const QItemSelection & /*deselected*/)
{
    updateAnalysis();
}

void Mainform::updateAnalysis()
{
    // The cursor lets go of the curves before the overlay replaces them.
    m_analysis->setCurves({}, QString(), false);
    const MeasurementSet set = selectedSet();
    QList<OverlayEntry> entries;
    const bool referenceSelected =
        m_reference &&
        std::any_of(set.records.begin(), set.records.end(),
                    [this](const Measurement *m) { return sameMeasurement(*m, *m_reference); });
    if (m_reference && !referenceSelected)
        entries.append({m_reference.get(),
                        tr("Referenz") + QStringLiteral(": ") + measurementLegendText(*m_reference),
                        true});
    for (const Measurement *m : set.records)
        if (heldSampleCount(*m) > 0)
            entries.append({m, measurementLegendText(*m), false});

    if (entries.size() >= 2) {
        m_overlay->show(entries, set.factor, set.unitText, m_alignment);
        curve->setVisible(false);
        m_analysis->setCurves(m_overlay->curves(), set.unitText, false);
        ui->qwtPlot->setEnabled(true);
        ui->stackedWidgetMeas->setEnabled(true);
    } else {
        if (m_overlay->isShown()) {
            // Back to the single curve exactly as the current row shows it.
            m_overlay->clear();
            curve->setVisible(true);
            showMeasurement(currentMeasurementNumber());
        }
        QList<QwtPlotCurve *> single;
        if (curve->dataSize() > 0)
            single.append(curve);
        m_analysis->setCurves(single, measurements.forceUnitText, true);
    }
    m_analysis->takeWholeView();

    const bool several = set.records.size() >= 2;
    if (several) {
        ui->statisticsView->showStatistics(set, computeSeriesStatistics(set));
        ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
    }
    ui->statisticsView->setVisible(several);
    // The values of one measurement make room for the diagram of several.
    ui->frameMeasGraph->setVisible(!several);
    // The commands on the selection cover several rows; deleting stays with the current one.
    const bool selection = several || currentMeasurementNumber() != 0;
    for (QAction *action : {ui->actionDruckvorschau, ui->actionDrucken, ui->actionAlsPDFspeichern,
                            ui->actionGewaehlteMessungexportieren})
        action->setEnabled(selection);
}

void Mainform::on_actionGesamtansicht_triggered()
{
    m_analysis->showWholeView();
}

void Mainform::on_actionReferenzFesthalten_toggled(bool pinned)
{
    m_reference.reset();
    if (pinned) {
        const Measurement *current =
            findMeasurement(measurements.records, currentMeasurementNumber());
        if (current && heldSampleCount(*current) > 0) {
            m_reference = std::make_unique<Measurement>(*current);
        } else {
            // Nothing to pin: the action does not stay checked.
            const QSignalBlocker blocker(ui->actionReferenzFesthalten);
            ui->actionReferenzFesthalten->setChecked(false);
        }
    }
    updateAnalysis();
}

void Mainform::setAlignment(CurveAlignment alignment)
{
    m_alignment = alignment;
    updateAnalysis();
}

void Mainform::on_actionNichtAusrichten_triggered()
{
    setAlignment(CurveAlignment::None);
}

void Mainform::on_actionAmStartAusrichten_triggered()
{
    setAlignment(CurveAlignment::Start);
}

void Mainform::on_actionAmMaximumAusrichten_triggered()
{
    setAlignment(CurveAlignment::Maximum);
}

void Mainform::on_actionExcelExportieren_triggered()
{
    MeasurementSet set = selectedSet();
    // A top row selected stands for all its measurements.
    if (set.records.isEmpty())
        set.records = constRecords(measurements.records);
    if (set.records.isEmpty())
        return;

    QString filter = tr("Excel-Arbeitsmappe") + QStringLiteral(" (*.xlsx)");
    QString fileName = QFileDialog::getSaveFileName(this, tr("Als Excel-Datei exportieren"),
                                                    status->lastExportListPath, filter, &filter);
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1Char('.') + kWorkbookSuffix;

    writeExport(fileName, [&] { return writeWorkbook(fileName, {set}); });
}
