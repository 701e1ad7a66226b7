#include "plot/controlchartplot.h"

#include "measurement/measurementset.h"
#include "plot/plainscaledraw.h"

#include <QPen>
#include <algorithm>
#include <cmath>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_histogram.h>
#include <qwt_plot_marker.h>
#include <qwt_symbol.h>

namespace {

const QColor kPointColour(30, 80, 160);
const QColor kViolationColour(220, 30, 30);
const QColor kLimitColour(200, 60, 60);
const QColor kCentreColour(40, 140, 40);
const QColor kBarColour(150, 180, 220);
constexpr double kPi = 3.14159265358979323846;

void addGrid(QwtPlot *plot)
{
    auto *grid = new QwtPlotGrid;
    grid->setMajorPen(QPen(Qt::lightGray, 0.0, Qt::DotLine));
    grid->attach(plot);
}

// A line across the plot with its label: below an upper limit and above the
// others, so that no label leaves the canvas; the centre line's on the left,
// the limits' on the right, so that they do not cover each other.
void addLine(QwtPlot *plot, Qt::Orientation orientation, double at, const QColor &colour,
             Qt::PenStyle style, const QString &label, Qt::Alignment alignment)
{
    auto *marker = new QwtPlotMarker;
    marker->setLineStyle(orientation == Qt::Horizontal ? QwtPlotMarker::HLine
                                                       : QwtPlotMarker::VLine);
    marker->setLinePen(QPen(colour, 1.5, style));
    if (orientation == Qt::Horizontal)
        marker->setYValue(at);
    else
        marker->setXValue(at);
    QwtText text(label);
    text.setColor(colour);
    text.setBackgroundBrush(QColor(255, 255, 255, 200));
    marker->setLabel(text);
    marker->setLabelAlignment(alignment);
    marker->setZ(30.0); // above the points
    marker->attach(plot);
}

// Ticks at whole points: 1, 2, 5, 10, 20, ... apart, at most about ten.
double pointStep(double last)
{
    double step = 1.0;
    for (double decade = 1.0;; decade *= 10.0) {
        for (double factor : {1.0, 2.0, 5.0}) {
            step = factor * decade;
            if (last / step <= 10.0)
                return step;
        }
    }
}

QwtPlotCurve *addPoints(QwtPlot *plot, const QVector<double> &x, const QVector<double> &y,
                        const QColor &colour, bool joined, int symbolSize)
{
    auto *curve = new QwtPlotCurve;
    curve->setRenderHint(QwtPlotItem::RenderAntialiased);
    curve->setPen(QPen(colour, 1.0));
    curve->setStyle(joined ? QwtPlotCurve::Lines : QwtPlotCurve::NoCurve);
    curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(colour), QPen(colour),
                                   QSize(symbolSize, symbolSize)));
    curve->setSamples(x, y);
    curve->attach(plot);
    return curve;
}

} // namespace

void markChartPoint(QwtPlot *location, QwtPlot *dispersion, const SeriesChart &chart,
                    const RuleViolation &violation)
{
    const QString ring = QStringLiteral("marked point");
    for (QwtPlot *plot : {location, dispersion}) {
        for (QwtPlotItem *item : plot->itemList(QwtPlotItem::Rtti_PlotMarker))
            if (item->title().text() == ring)
                delete item;
    }
    if (!chart.chart)
        return;
    const bool onLocation = violation.part == ChartPart::Location;
    const QVector<double> &values = onLocation ? chart.chart->location : chart.chart->dispersion;
    if (violation.point < 0 || violation.point >= values.size())
        return;
    QwtPlot *plot = onLocation ? location : dispersion;
    auto *marker = new QwtPlotMarker(ring);
    marker->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, Qt::NoBrush, QPen(Qt::black, 2.0),
                                    QSize(18, 18)));
    marker->setValue(violation.point + (onLocation ? 0 : chart.chart->dispersionOffset) + 1,
                     values.at(violation.point));
    marker->setZ(40.0);
    marker->attach(plot);
    location->replot();
    dispersion->replot();
}

void clearChartPlot(QwtPlot *plot)
{
    usePlainAxisNumbers(plot);
    plot->detachItems(QwtPlotItem::Rtti_PlotItem, true);
    plot->setAxisAutoScale(QwtPlot::xBottom);
    plot->setAxisAutoScale(QwtPlot::yLeft);
    plot->replot();
}

void drawControlChart(QwtPlot *plot, const SeriesChart &chart, ChartPart part)
{
    clearChartPlot(plot);
    if (!chart.chart)
        return;
    const ControlChart &c = *chart.chart;
    const bool location = part == ChartPart::Location;
    const QVector<double> &values = location ? c.location : c.dispersion;
    const ChartLine &line = location ? c.limits.location : c.limits.dispersion;
    const int offset = location ? 0 : c.dispersionOffset;
    addGrid(plot);
    QVector<double> x;
    for (int i = 0; i < values.size(); ++i)
        x.append(i + offset + 1);
    addPoints(plot, x, values, kPointColour, true, 6);
    QVector<double> badX;
    QVector<double> badY;
    for (const RuleViolation &v : chart.violations)
        if (v.part == part && !badX.contains(v.point + offset + 1)) {
            badX.append(v.point + offset + 1);
            badY.append(values.at(v.point));
        }
    addPoints(plot, badX, badY, kViolationColour, false, 10);
    addLine(plot, Qt::Horizontal, line.centre, kCentreColour, Qt::SolidLine,
            ChartText::centreLineShort() + QLatin1Char(' ') + chart.limitText(line.centre),
            Qt::AlignLeft | Qt::AlignTop);
    addLine(plot, Qt::Horizontal, line.upper, kLimitColour, Qt::DashLine,
            ChartText::upperControlLimitShort() + QLatin1Char(' ') + chart.limitText(line.upper),
            Qt::AlignRight | Qt::AlignBottom);
    addLine(plot, Qt::Horizontal, line.lower, kLimitColour, Qt::DashLine,
            ChartText::lowerControlLimitShort() + QLatin1Char(' ') + chart.limitText(line.lower),
            Qt::AlignRight | Qt::AlignTop);
    // The limits stay in view even when every point lies well inside them.
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double bottom = std::min(*low, line.lower);
    const double top = std::max(*high, line.upper);
    const double margin = std::max(1e-9, (top - bottom) * 0.08);
    plot->setAxisScale(QwtPlot::yLeft, bottom - margin, top + margin);
    const double last = std::max(2.0, x.isEmpty() ? 1.0 : x.last());
    plot->setAxisScale(QwtPlot::xBottom, 0.5, last + 0.5, pointStep(last));
    plot->setAxisMaxMinor(QwtPlot::xBottom, 0);
    plot->setAxisTitle(QwtPlot::yLeft,
                       (location ? ChartText::locationName(c.type)
                                 : ChartText::dispersionName(c.type)) +
                           QStringLiteral(" / ") + chart.unitText);
    plot->setAxisTitle(QwtPlot::xBottom, ChartText::point());
    plot->replot();
}

void drawHistogram(QwtPlot *plot, const QVector<double> &values, const ForceLimits &limits,
                   const QString &axisTitle, int decimals)
{
    clearChartPlot(plot);
    const Summary s = summarize(values);
    if (s.count < 2 || !s.range)
        return;
    addGrid(plot);
    // Sturges' rule; one bin when all values are equal.
    const int bins = *s.range > 0 ? int(std::ceil(std::log2(double(s.count)))) + 1 : 1;
    const double width = *s.range > 0 ? *s.range / bins : 1.0;
    QVector<QwtIntervalSample> bars;
    for (int b = 0; b < bins; ++b)
        bars.append(QwtIntervalSample(0.0, *s.minimum + b * width, *s.minimum + (b + 1) * width));
    for (double v : values) {
        const int b = std::clamp(int((v - *s.minimum) / width), 0, bins - 1);
        bars[b].value += 1.0;
    }
    auto *histogram = new QwtPlotHistogram;
    histogram->setBrush(kBarColour);
    histogram->setPen(QPen(Qt::darkGray));
    histogram->setSamples(bars);
    histogram->attach(plot);

    double left = *s.minimum - width;
    double right = *s.maximum + width;
    for (const std::optional<double> &limit : {limits.lower, limits.upper})
        if (limit) {
            left = std::min(left, *limit - width / 2);
            right = std::max(right, *limit + width / 2);
        }
    if (s.standardDeviation && *s.standardDeviation > 0) {
        // The normal density scaled to counts: n * bin width * φ.
        const double sd = *s.standardDeviation;
        left = std::min(left, *s.mean - 3.5 * sd);
        right = std::max(right, *s.mean + 3.5 * sd);
        QVector<double> x;
        QVector<double> y;
        constexpr int kCurvePoints = 120;
        for (int k = 0; k <= kCurvePoints; ++k) {
            const double at = left + (right - left) * k / kCurvePoints;
            const double z = (at - *s.mean) / sd;
            x.append(at);
            y.append(s.count * width * std::exp(-0.5 * z * z) / (sd * std::sqrt(2 * kPi)));
        }
        auto *curve = new QwtPlotCurve;
        curve->setRenderHint(QwtPlotItem::RenderAntialiased);
        curve->setPen(QPen(kPointColour, 2.0));
        curve->setSamples(x, y);
        curve->attach(plot);
    }
    if (limits.lower)
        addLine(plot, Qt::Vertical, *limits.lower, kLimitColour, Qt::SolidLine,
                ChartText::lowerSpecLimitShort() + QLatin1Char(' ') +
                    formatStatistic(limits.lower, decimals),
                Qt::AlignRight | Qt::AlignBottom);
    if (limits.upper)
        addLine(plot, Qt::Vertical, *limits.upper, kLimitColour, Qt::SolidLine,
                ChartText::upperSpecLimitShort() + QLatin1Char(' ') +
                    formatStatistic(limits.upper, decimals),
                Qt::AlignLeft | Qt::AlignTop);
    plot->setAxisScale(QwtPlot::xBottom, left, right);
    plot->setAxisTitle(QwtPlot::xBottom, axisTitle);
    plot->setAxisTitle(QwtPlot::yLeft, QStringLiteral("n"));
    plot->replot();
}

