#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

class QwtPlot;
class QwtPlotCurve;
class QwtPlotMagnifier;
class QwtPlotMarker;
class QwtPlotPanner;
class QwtPlotPicker;
class QwtPlotZoomer;

// The analysis tools of the force/time diagram, all Qwt's own: rubber-band
// zoom (left button; right button one step back, Ctrl+right all), panning
// (middle button), wheel zoom, a cursor that follows the nearest sample and
// reads out its time and force, and a marker on each curve's maximum.
class PlotAnalysis : public QObject
{
    Q_OBJECT

public:
    // A sample of one of the curves.
    struct Sample
    {
        const QwtPlotCurve *curve = nullptr;
        int index = -1;
        QPointF point;

        bool isValid() const { return curve != nullptr; }
    };

    explicit PlotAnalysis(QwtPlot *plot, QObject *parent = nullptr);
    ~PlotAnalysis() override;

    // The curves the cursor and the maximum markers follow, their forces in
    // `unitText`; the cursor is taken away. `withLabels` writes the maximum's
    // value beside its marker (for a single curve).
    void setCurves(const QList<QwtPlotCurve *> &curves, const QString &unitText, bool withLabels);
    // Takes the plot's present scales as the whole view (after new curves).
    void takeWholeView();
    // Back to the whole view, whatever zooming and panning happened.
    void showWholeView();
    // Zooms to a rectangle in plot coordinates, as the rubber band does.
    void zoomTo(const QRectF &rect);
    // The plot coordinates the diagram shows.
    QRectF visibleRect() const;

    // The sample of the curves nearest to a plot position: nearest in time on
    // each curve, then the curve nearest on the screen.
    Sample nearestSample(const QPointF &position) const;
    // "t = 1.234 s  F = 56.7 N", with the curve's title when there are several.
    QString readout(const Sample &sample) const;
    // Puts the cursor on the sample nearest to the position; empty readout
    // when there is none.
    void placeCursor(const QPointF &position);
    QString cursorReadout() const { return m_cursorReadout; }
    QwtPlotMarker *cursorMarker() const { return m_cursor; }
    const QList<QwtPlotMarker *> &maximumMarkers() const { return m_maximumMarkers; }

    // Hides the cursor and the maxima while the diagram is rendered into a
    // report, which shows the curves as they are.
    class MarkersHidden
    {
    public:
        explicit MarkersHidden(PlotAnalysis *analysis);
        ~MarkersHidden();
        MarkersHidden(const MarkersHidden &) = delete;
        MarkersHidden &operator=(const MarkersHidden &) = delete;

    private:
        PlotAnalysis *m_analysis;
        QList<QwtPlotMarker *> m_shown;
    };

    QwtPlotZoomer *zoomer() const { return m_zoomer; }
    QwtPlotPanner *panner() const { return m_panner; }
    QwtPlotMagnifier *magnifier() const { return m_magnifier; }
    QwtPlotPicker *picker() const { return m_picker; }

signals:
    // The cursor's readout changed (the mouse moved over the diagram).
    void cursorMoved(const QString &readout);

private:
    struct AxisState
    {
        bool autoScale = true;
        double minimum = 0.0;
        double maximum = 0.0;
    };

    void clearMaximumMarkers();
    void addMaximumMarker(const QwtPlotCurve *curve, bool withLabel);
    QString forceText(double force) const;

    QwtPlot *m_plot;
    QwtPlotZoomer *m_zoomer;
    QwtPlotPanner *m_panner;
    QwtPlotMagnifier *m_magnifier;
    QwtPlotPicker *m_picker;
    QwtPlotMarker *m_cursor;
    QList<QwtPlotMarker *> m_maximumMarkers;
    QList<QwtPlotCurve *> m_curves;
    QString m_unitText;
    QString m_cursorReadout;
    AxisState m_wholeTime;
    AxisState m_wholeForce;
};
