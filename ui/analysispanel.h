#pragma once

#include "measurement/curvealignment.h"
#include "measurement/devicedata.h"
#include "measurement/measurementset.h"

#include <QObject>
#include <functional>
#include <memory>

class OverlayPlot;
class PlotAnalysis;
class QAction;
class QTreeView;
class QwtPlot;
class QwtPlotCurve;
class StatisticsView;
class StatusIni;

// The analysis of the selection: the plot's zoom, pan and cursor tools, the
// overlay of several selected measurements with a pinned reference, their
// statistics against the limits and the Excel export.
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
    };
    // The curves and statistics follow the selection.
    Shown update();
    void showWholeView();
    void pinReference(bool pinned, int currentNumber);
    void setAlignment(CurveAlignment alignment);
    void exportWorkbook(const WriteExport &write);

signals:
    void cursorMoved(const QString &readout);

private:
    // The record a tree row stands for; null for a top row.
    const Measurement *recordForRow(const QModelIndex &index) const;

    Parts m_parts;
    PlotAnalysis *m_analysis;
    std::unique_ptr<OverlayPlot> m_overlay;
    // A copy: the reference outlives the transfer that replaces its record.
    std::unique_ptr<Measurement> m_reference;
    CurveAlignment m_alignment = CurveAlignment::None;
};
