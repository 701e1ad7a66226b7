#pragma once

#include "measurement/curvealignment.h"
#include "measurement/devicedata.h"
#include "measurement/dfqexport.h"
#include "measurement/measurementset.h"
#include "measurement/serieschart.h"

#include <QObject>
#include <functional>
#include <memory>

class ActivePlan;
class ControlChartView;
class OverlayPlot;
class QTabWidget;
class PlotAnalysis;
class QAction;
class QTreeView;
class QwtPlot;
class QwtPlotCurve;
class StatisticsView;
class StatusIni;

// The analysis of the selection: the plot's zoom, pan and cursor tools, the
// overlay of several selected measurements with a pinned reference, their
// statistics against the limits, the control chart tab (of the selection, or
// of the archive group at the current archive row), the Excel and DFQ exports.
class AnalysisPanel : public QObject
{
    Q_OBJECT

public:
    // What the panel works in; all of it outlives the panel.
    struct Parts
    {
        QWidget *window = nullptr;
        QwtPlot *plot = nullptr;
        QwtPlotCurve *curve = nullptr;
        StatisticsView *statistics = nullptr;
        QTreeView *tree = nullptr;
        QAction *pinReference = nullptr;
        const DeviceData *gauge = nullptr;
        StatusIni *status = nullptr;
        // Shows the current row's single curve again, as selecting it does.
        std::function<void()> showCurrent;
        QTabWidget *diagramTabs = nullptr; // the force/time diagram and the control chart
        ControlChartView *chart = nullptr;
        // Whether an archive row is current, and its group loaded.
        std::function<bool()> archiveRowCurrent;
        std::function<bool(DeviceData &)> loadArchiveGroup;
        // The test plan whose characteristics are quantities beside the built-in ones.
        const ActivePlan *plan = nullptr;
    };
    // Runs the writing of an export file with the window's status texts.
    using WriteExport = std::function<void(const QString &, const std::function<int()> &)>;

    explicit AnalysisPanel(const Parts &parts, QObject *parent = nullptr);
    ~AnalysisPanel() override;

    AnalysisPanel(const AnalysisPanel &) = delete;
    AnalysisPanel &operator=(const AnalysisPanel &) = delete;

    PlotAnalysis *plotAnalysis() const { return m_analysis; }
    OverlayPlot *overlay() const { return m_overlay.get(); }

    // The selected measurements (tree order) with the unit, the limits and
    // the label of their set.
    MeasurementSet selectedSet() const;
    struct Shown
    {
        bool overlay = false;
        bool several = false;
        bool archiveGroup = false; // an archive group's row is current
    };
    // The curves and statistics follow the selection.
    Shown update();
    void showWholeView();
    void pinReference(bool pinned, int currentNumber);
    void setAlignment(CurveAlignment alignment);
    void exportWorkbook(const WriteExport &write);
    // Asks for the part and writes the DFQ file of the chart's set, or of
    // the selection (all of the gauge's measurements when none is selected).
    void exportDfq(const WriteExport &write);
    // The chart's choices, for the report and the workbook.
    ChartSettings chartSettings() const;
    // A copy of the window's plan for a set, or null without one.
    std::shared_ptr<const TestPlan> activePlan() const;
    // The control chart of the set shown in the chart tab again.
    void updateChart();
    // A row of the archive that stands for a group (the archive, a station,
    // a gauge, a day) is current: its page is the chart and the statistics.
    bool archiveGroupCurrent() const;

signals:
    void cursorMoved(const QString &readout);

private:
    // The record a tree row stands for; null for a top row.
    const Measurement *recordForRow(const QModelIndex &index) const;
    // The set the chart tab shows: the selection of several, else the
    // archive group, loaded into `group`; `source` says which. No records
    // when there is none.
    MeasurementSet chartSet(QString *source, DeviceData &group) const;
    void showChartTab(bool shown);
    // The statistics of several measurements, Cp/Cpk by the chart's estimate.
    void showStatistics(const MeasurementSet &set);
    // The chart tab follows the selection and the current row.
    void followCurrentRow();
    // The selection, or every measurement of the gauge when none is selected.
    MeasurementSet exportSet() const;

    Parts m_parts;
    PlotAnalysis *m_analysis;
    std::unique_ptr<OverlayPlot> m_overlay;
    // A copy: the reference outlives the transfer that replaces its record.
    std::unique_ptr<Measurement> m_reference;
    CurveAlignment m_alignment = CurveAlignment::None;
    bool m_severalSelected = false;
    bool m_chartWanted = false; // the operator chose the chart tab
    bool m_changingTabs = false;
    std::unique_ptr<DeviceData> m_archiveGroup; // the records of the charted archive group
    DfqPart m_dfqPart;         // as last typed in
};
