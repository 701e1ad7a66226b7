#pragma once

#include <QString>
#include <QVector>
#include <cstdint>

class QFont;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotGrid;
struct Measurement;

// The force/time diagram of the main window: one curve and one grid on the
// form's plot widget.

// The items the plot draws; created by configureForcePlot, owned by the caller.
struct ForcePlotItems
{
    QwtPlotCurve *curve = nullptr;
    QwtPlotGrid *grid = nullptr;
};

// Sets titles (in `font`, the title bold), auto-replot, the curve and the
// grid attached to the plot, and disables the plot until a curve is shown.
ForcePlotItems configureForcePlot(QwtPlot *plot, const QFont &font);

// Plots the record's samples in the shown unit and enables the plot; times
// less `timeShift` (a test plan's trigger), which the time axis then names.
void showForceCurve(QwtPlot *plot, QwtPlotCurve *curve, const Measurement &measurement,
                    double forceUnitFactor, const QString &forceUnitText,
                    double timeShift = 0.0);

// The points of a record's curve: time in seconds (a running sum of 1 / rate,
// or of 1 s when the rate is not positive), less `timeShift`, and force in the
// shown unit. Only the samples the record holds are plotted: the count comes
// from the device and may be larger than what arrived.
struct ForceCurvePoints
{
    QVector<double> times;
    QVector<double> forces;
};
ForceCurvePoints forceCurvePoints(const Measurement &measurement, double forceUnitFactor,
                                  double timeShift = 0.0);

// Axis titles as plain text (the configured fonts stay): "Kraft / " and the
// unit, "Zeit / s" (with a shift "Zeit ab Trigger / s").
void setForceAxisTitles(QwtPlot *plot, const QString &forceUnitText, bool fromTrigger = false);

// Leaves the curve without points; axes, titles and enabled state stay.
void clearForceCurve(QwtPlotCurve *curve);

// The end of the time axis for `count` samples at `rate` (> 0): count / rate
// less a tenth, rounded up to whole seconds. Shown with the curve when it is
// above 0; otherwise the axis scales to the points.
double timeAxisEnd(uint32_t count, float rate);
