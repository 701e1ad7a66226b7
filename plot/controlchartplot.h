#pragma once

#include "measurement/serieschart.h"

#include <QString>
#include <QVector>

class QwtPlot;
struct ForceLimits;

// The control chart and the histogram of a series on Qwt plots, shared by
// the window's chart tab and the series report. Each call replaces what the
// plot showed; the plot owns the items.

// One part of the chart: its points joined, the centre line and the control
// limits as lines, the points that break a rule in red.
void drawControlChart(QwtPlot *plot, const SeriesChart &chart, ChartPart part);

// The values' histogram with the normal curve of their mean and standard
// deviation, and the limits that are set as vertical lines (with
// `limitDecimals`).
void drawHistogram(QwtPlot *plot, const QVector<double> &values, const ForceLimits &limits,
                   const QString &axisTitle,
                   int limitDecimals = spreadDecimals(Quantity::MaximumForce));

// Rings the violation's point on its chart (location or dispersion plot);
// the ring of an earlier call goes.
void markChartPoint(QwtPlot *location, QwtPlot *dispersion, const SeriesChart &chart,
                    const RuleViolation &violation);

// Empties the plot (a chart that cannot be drawn).
void clearChartPlot(QwtPlot *plot);
