// Its texts keep the context they had in the window, "Mainform".
#include "ui/analysispanel.h"

#include "measurement/seriesstatistics.h"
#include "measurement/workbookexport.h"
#include "plot/overlayplot.h"
#include "plot/plotanalysis.h"
#include "settings/statusini.h"
#include "ui/measurementtree.h"
#include "ui/savefiledialog.h"
#include "ui/statisticsview.h"

#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
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

ForceLimits AnalysisPanel::limitsForUnit(const QString &unitText) const
{
    const ForceLimitTexts texts = m_parts.status->forceLimits.value(unitText.toLatin1());
    return ForceLimits{parseLimit(texts.lower), parseLimit(texts.upper)};
}

MeasurementSet AnalysisPanel::selectedSet() const
{
    const DeviceData &gauge = *m_parts.gauge;
    MeasurementSet set;
    set.label = QString::fromLatin1(kDeviceName);
    set.serialNr = QString::fromLatin1(gauge.serialNr);
    set.unitText = gauge.forceUnitText;
    set.factor = gauge.forceUnitFactor;
    set.limits = limitsForUnit(set.unitText);
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
    if (shown.several)
        m_parts.statistics->showStatistics(set, computeSeriesStatistics(set));
    m_parts.statistics->setVisible(shown.several);
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

void AnalysisPanel::exportWorkbook(const WriteExport &write)
{
    MeasurementSet set = selectedSet();
    // A top row selected stands for all its measurements.
    if (set.records.isEmpty())
        set.records = constRecords(m_parts.gauge->records);
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

    write(fileName, [&] { return writeWorkbook(fileName, {set}); });
}
