#include "plot/forceplot.h"

#include "measurement/measurementset.h"
#include "plot/forcecurve.h"
#include "plot/plainscaledraw.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QPen>
#include <QVector>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_text.h>

#include <algorithm>
#include <cmath>

namespace {

// The plot belongs to the main window: its texts share that window's context
// (marked for lupdate at each use).
QString trMainform(const char *text)
{
    return QCoreApplication::translate("Mainform", text);
}

QString timeAxisTitle(bool fromTrigger = false)
{
    const QString title = fromTrigger ? trMainform(QT_TRANSLATE_NOOP("Mainform", "Zeit ab Trigger"))
                                      : trMainform(QT_TRANSLATE_NOOP("Mainform", "Zeit"));
    return title + QStringLiteral(" / s");
}

QwtText textInFont(const QString &text, const QFont &font, int weight)
{
    QFont weighted(font);
    weighted.setWeight(weight);
    QwtText result(text);
    result.setFont(weighted);
    return result;
}

QwtPlotCurve *createCurve(QwtPlot *plot)
{
    auto *curve = new ForceCurve(trMainform(QT_TRANSLATE_NOOP("Mainform", "Plot 1")));
    curve->setPen(QPen(QBrush(QColor(0, 0, 255, 255), Qt::SolidPattern), 2.0, Qt::SolidLine,
                       Qt::SquareCap, Qt::BevelJoin));
    curve->setYAxis(QwtPlot::yLeft);
    curve->attach(plot);
    return curve;
}

QwtPlotGrid *createGrid(QwtPlot *plot)
{
    auto *grid = new QwtPlotGrid;
    grid->setPen(QPen(QBrush(Qt::darkGreen, Qt::SolidPattern), 1.0, Qt::DotLine, Qt::SquareCap,
                      Qt::MiterJoin));
    grid->attach(plot);
    return grid;
}

} // namespace

ForcePlotItems configureForcePlot(QwtPlot *plot, const QFont &font)
{
    plot->setAutoReplot(true);
    usePlainAxisNumbers(plot);
    plot->setTitle(textInFont(trMainform(QT_TRANSLATE_NOOP("Mainform", "Kraft/Zeit-Diagramm")),
                              font, QFont::Bold));
    const QwtText axisText = textInFont(timeAxisTitle(), font, QFont::Normal);
    plot->setAxisTitle(QwtPlot::xBottom, axisText);
    QwtText forceText(axisText);
    forceText.setText(trMainform(QT_TRANSLATE_NOOP("Mainform", "Kraft")));
    plot->setAxisTitle(QwtPlot::yLeft, forceText);

    ForcePlotItems items;
    items.curve = createCurve(plot);
    items.grid = createGrid(plot);
    plot->setEnabled(false);
    return items;
}

ForceCurvePoints forceCurvePoints(const Measurement &measurement, double forceUnitFactor,
                                  double timeShift)
{
    const int count = heldSampleCount(measurement);
    const double step = sampleInterval(measurement);

    ForceCurvePoints points;
    points.times.resize(count);
    points.forces.resize(count);
    double t = 0.0;
    for (int i = 0; i < count; ++i) {
        points.times[i] = t - timeShift;
        t += step;
        points.forces[i] = double(measurement.forces.at(i)) * forceUnitFactor;
    }
    return points;
}

double timeAxisEnd(uint32_t count, float rate)
{
    return std::ceil(double(count) / double(rate) - 0.1);
}

void showForceCurve(QwtPlot *plot, QwtPlotCurve *curve, const Measurement &measurement,
                    double forceUnitFactor, const QString &forceUnitText, double timeShift)
{
    const ForceCurvePoints points = forceCurvePoints(measurement, forceUnitFactor, timeShift);
    plot->setAxisAutoScale(QwtPlot::xBottom, true);
    plot->setAxisAutoScale(QwtPlot::yLeft, true);
    // Without a rate, or for less than a tenth of a second, the fixed range
    // would be empty: the time axis then keeps scaling to the points.
    if (measurement.sampleRate > 0) {
        const double end = timeAxisEnd(uint32_t(points.times.size()), measurement.sampleRate);
        if (end > 0)
            plot->setAxisScale(QwtPlot::xBottom, -timeShift, end - timeShift);
    }
    curve->setSamples(points.times, points.forces);
    setForceAxisTitles(plot, forceUnitText, timeShift != 0.0);
    plot->setEnabled(true);
    plot->replot();
}

void setForceAxisTitles(QwtPlot *plot, const QString &forceUnitText, bool fromTrigger)
{
    plot->setAxisTitle(QwtPlot::yLeft, trMainform(QT_TRANSLATE_NOOP("Mainform", "Kraft")) +
                                           QStringLiteral(" / ") + forceUnitText);
    plot->setAxisTitle(QwtPlot::xBottom, timeAxisTitle(fromTrigger));
}

void clearForceCurve(QwtPlotCurve *curve)
{
    curve->setSamples(QVector<double>(), QVector<double>());
}
