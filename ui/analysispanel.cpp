// Its texts keep the context they had in the window, "Mainform".
#include "ui/analysispanel.h"

#include "measurement/seriesstatistics.h"
#include "measurement/workbookexport.h"
#include "plot/overlayplot.h"
#include "plot/plotanalysis.h"
#include "settings/statusini.h"
#include "ui/archivetree.h"
#include "ui/measurementtree.h"
#include "ui/controlchartview.h"
#include "ui/dfqpartdialog.h"
#include "workflow/activeplan.h"
#include "ui/savefiledialog.h"
#include "ui/statisticsview.h"
#include "workflow/seriesset.h"

#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QTabWidget>
#include <QTreeView>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <algorithm>

namespace {

const QString kWorkbookSuffix = QStringLiteral("xlsx");

QString mainformText(const char *text)
{
    return QCoreApplication::translate("Mainform", text);
}

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

AnalysisPanel::AnalysisPanel(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_analysis(new PlotAnalysis(parts.plot, this)),
      m_overlay(std::make_unique<OverlayPlot>(parts.plot))
{
    // The single curve has no legend entry; only the overlay shows a legend.
    parts.curve->setItemAttribute(QwtPlotItem::Legend, false);
    parts.statistics->hide();
    connect(m_analysis, &PlotAnalysis::cursorMoved, this, &AnalysisPanel::cursorMoved);
    showChartTab(false);
    // Cp/Cpk take the within spread of the chart chosen.
    connect(parts.chart, &ControlChartView::settingsChanged, this, [this] {
        showStatistics(selectedSet());
        updateChart();
    });
    connect(parts.diagramTabs, &QTabWidget::currentChanged, this, [this] {
        m_parts.statistics->setCompact(m_parts.diagramTabs->currentWidget() == m_parts.chart);
        // While the tabs change with the row, the row's update draws the chart.
        if (m_changingTabs)
            return;
        m_chartWanted = m_parts.diagramTabs->currentWidget() == m_parts.chart;
        updateChart();
    });
    // The plan's characteristics are charted and counted as soon as it changes.
    parts.chart->setPlan(parts.plan->plan());
    connect(parts.plan, &ActivePlan::changed, this, [this] {
        m_parts.chart->setPlan(m_parts.plan->plan());
        showStatistics(selectedSet());
        updateChart();
    });
    // The archive group is the current row's, which is set after the selection.
    connect(parts.tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AnalysisPanel::followCurrentRow);
}

AnalysisPanel::~AnalysisPanel()
{
    m_analysis->setCurves({}, QString(), false);
    m_overlay.reset();
    delete m_analysis;
}

const Measurement *AnalysisPanel::recordForRow(const QModelIndex &index) const
{
    if (!index.isValid() || !index.parent().isValid())
        return nullptr;
    bool isInt = false;
    const int number = index.data(MeasurementNumberRole).toInt(&isInt);
    return isInt && number > 0 ? findMeasurement(m_parts.gauge->records, number) : nullptr;
}

MeasurementSet AnalysisPanel::selectedSet() const
{
    const DeviceData &gauge = *m_parts.gauge;
    MeasurementSet set = measurementSetOf(gauge, *m_parts.status);
    set.plan = activePlan();
    // Column 0 of each selected row, however many columns the model has.
    QModelIndexList rows;
    for (const QModelIndex &index : m_parts.tree->selectionModel()->selectedIndexes())
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

AnalysisPanel::Shown AnalysisPanel::update()
{
    QwtPlotCurve *curve = m_parts.curve;
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
                        mainformText(QT_TRANSLATE_NOOP("Mainform", "Referenz")) +
                            QStringLiteral(": ") + measurementLegendText(*m_reference),
                        true});
    for (const Measurement *m : set.records)
        if (heldSampleCount(*m) > 0)
            entries.append({m, measurementLegendText(*m), false});

    Shown shown;
    shown.overlay = entries.size() >= 2;
    if (shown.overlay) {
        m_overlay->show(entries, set.factor, set.unitText, m_alignment);
        curve->setVisible(false);
        m_analysis->setCurves(m_overlay->curves(), set.unitText, false);
        m_parts.plot->setEnabled(true);
    } else {
        if (m_overlay->isShown()) {
            // Back to the single curve exactly as the current row shows it.
            m_overlay->clear();
            curve->setVisible(true);
            m_parts.showCurrent();
        }
        QList<QwtPlotCurve *> single;
        if (curve->dataSize() > 0)
            single.append(curve);
        m_analysis->setCurves(single, m_parts.gauge->forceUnitText, true);
    }
    m_analysis->takeWholeView();

    shown.several = set.records.size() >= 2;
    shown.archiveGroup = !shown.several && archiveGroupCurrent();
    if (shown.several)
        showStatistics(set);
    m_parts.statistics->setVisible(shown.several);
    m_severalSelected = shown.several;
    followCurrentRow();
    return shown;
}

void AnalysisPanel::showWholeView()
{
    m_analysis->showWholeView();
}

void AnalysisPanel::pinReference(bool pinned, int currentNumber)
{
    m_reference.reset();
    if (!pinned)
        return;
    const Measurement *current = findMeasurement(m_parts.gauge->records, currentNumber);
    if (current && heldSampleCount(*current) > 0) {
        m_reference = std::make_unique<Measurement>(*current);
    } else {
        // Nothing to pin: the action does not stay checked.
        const QSignalBlocker blocker(m_parts.pinReference);
        m_parts.pinReference->setChecked(false);
    }
}

void AnalysisPanel::setAlignment(CurveAlignment alignment)
{
    m_alignment = alignment;
}

void AnalysisPanel::showStatistics(const MeasurementSet &set)
{
    if (set.records.size() >= 2)
        m_parts.statistics->showStatistics(
            set, computeSeriesStatistics(set, chartSettings().withinSpread()));
}

bool AnalysisPanel::archiveGroupCurrent() const
{
    const ArchiveRow kind = archiveRowKind(m_parts.tree->currentIndex());
    return kind == ArchiveRow::Root || kind == ArchiveRow::Station || kind == ArchiveRow::Serial ||
           kind == ArchiveRow::Day;
}

void AnalysisPanel::followCurrentRow()
{
    showChartTab(m_severalSelected || m_parts.archiveRowCurrent());
    // A group has no curve of its own: its chart comes to the front.
    if (!m_severalSelected && archiveGroupCurrent()) {
        m_changingTabs = true;
        m_parts.diagramTabs->setCurrentWidget(m_parts.chart);
        m_changingTabs = false;
    }
    updateChart();
}

void AnalysisPanel::showChartTab(bool shown)
{
    QTabWidget *tabs = m_parts.diagramTabs;
    const int index = tabs->indexOf(m_parts.chart);
    // The chart comes back to the front when it was there before it went.
    m_changingTabs = true;
    if (shown && index < 0) {
        tabs->addTab(m_parts.chart, ChartText::title());
        if (m_chartWanted)
            tabs->setCurrentWidget(m_parts.chart);
    } else if (!shown && index >= 0) {
        tabs->removeTab(index);
    }
    m_changingTabs = false;
}

MeasurementSet AnalysisPanel::chartSet(QString *source, DeviceData &group) const
{
    MeasurementSet set = selectedSet();
    if (set.records.size() >= 2) {
        *source = mainformText(QT_TRANSLATE_NOOP("Mainform", "Auswahl: %1 Messungen von %2"))
                      .arg(set.records.size())
                      .arg(set.serialNr);
        return set;
    }
    set.records.clear();
    if (m_parts.archiveRowCurrent() && m_parts.loadArchiveGroup(group)) {
        set = measurementSetOf(group, *m_parts.status);
        set.plan = activePlan();
        set.label = mainformText(QT_TRANSLATE_NOOP("Mainform", "Archiv"));
        set.records = constRecords(group.records);
        *source = mainformText(QT_TRANSLATE_NOOP("Mainform", "Archiv: %1 Messungen von %2"))
                      .arg(set.records.size())
                      .arg(set.serialNr);
    }
    return set;
}

void AnalysisPanel::updateChart()
{
    if (m_parts.diagramTabs->currentWidget() != m_parts.chart)
        return;
    QString source;
    // The group shown stays loaded while the chart refers to its records.
    auto group = std::make_unique<DeviceData>();
    const MeasurementSet set = chartSet(&source, *group);
    // Judged once for the chart's verdict and the statistics table.
    const SeriesStatistics statistics = computeSeriesStatistics(set, chartSettings().withinSpread());
    m_parts.chart->showSet(set, source, statistics);
    // A group's statistics are those of the records charted.
    if (!m_severalSelected && m_parts.archiveRowCurrent()) {
        m_parts.statistics->setVisible(set.records.size() >= 2);
        if (set.records.size() >= 2)
            m_parts.statistics->showStatistics(set, statistics);
    }
    m_archiveGroup = std::move(group);
}

std::shared_ptr<const TestPlan> AnalysisPanel::activePlan() const
{
    const TestPlan *plan = m_parts.plan->plan();
    return plan ? std::make_shared<const TestPlan>(*plan) : nullptr;
}

ChartSettings AnalysisPanel::chartSettings() const
{
    return m_parts.chart->settings();
}

MeasurementSet AnalysisPanel::exportSet() const
{
    MeasurementSet set = selectedSet();
    // A top row selected stands for all its measurements.
    if (set.records.isEmpty())
        set.records = constRecords(m_parts.gauge->records);
    return set;
}

void AnalysisPanel::exportDfq(const WriteExport &write)
{
    // The archive group the chart shows, else the gauge's selection.
    QString source;
    DeviceData group;
    const MeasurementSet set = m_parts.archiveRowCurrent() ? chartSet(&source, group) : exportSet();
    if (set.records.isEmpty())
        return;
    if (!askDfqPart(m_parts.window, m_dfqPart))
        return;
    const QString filter = mainformText(QT_TRANSLATE_NOOP("Mainform", "Q-DAS-Datei")) +
                           QStringLiteral(" (*.dfq)");
    const QString fileName = askSaveFileName(
        m_parts.window, mainformText(QT_TRANSLATE_NOOP("Mainform", "Als DFQ-Datei exportieren")),
        m_parts.status->lastExportListPath, proposedFileName(set.serialNr), filter,
        QLatin1String(kDfqSuffix));
    if (fileName.isEmpty())
        return;
    write(fileName, [&] { return writeDfqFile(fileName, set, m_dfqPart) ? 0 : -1; });
    const QString leftOut = StatisticsText::leftOutNote(leftOutCount(set));
    if (!leftOut.isEmpty())
        QMessageBox::information(m_parts.window, QString::fromLatin1(kDeviceName), leftOut);
}

void AnalysisPanel::exportWorkbook(const WriteExport &write)
{
    const MeasurementSet set = exportSet();
    if (set.records.isEmpty())
        return;

    const QString filter = mainformText(QT_TRANSLATE_NOOP("Mainform", "Excel-Arbeitsmappe")) +
                           QStringLiteral(" (*.xlsx)");
    const QString fileName = askSaveFileName(
        m_parts.window, mainformText(QT_TRANSLATE_NOOP("Mainform", "Als Excel-Datei exportieren")),
        m_parts.status->lastExportListPath, proposedFileName(set.serialNr), filter,
        kWorkbookSuffix);
    if (fileName.isEmpty())
        return;

    write(fileName, [&] { return writeWorkbook(fileName, {set}, chartSettings()); });
}
