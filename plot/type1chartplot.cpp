#include "plot/type1chartplot.h"

#include "plot/controlchartplot.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPen>
#include <algorithm>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_marker.h>
#include <qwt_symbol.h>

namespace {

const QColor kPointColour(30, 80, 160);
const QColor kReferenceColour(40, 140, 40);
const QColor kBandColour(200, 60, 60);

QString plain(double value)
{
    return QLocale::c().toString(value, 'g', 6);
}

void addLine(QwtPlot *plot, double at, const QColor &colour, Qt::PenStyle style,
             const QString &label, Qt::Alignment alignment)
{
    auto *marker = new QwtPlotMarker;
    marker->setLineStyle(QwtPlotMarker::HLine);
    marker->setLinePen(QPen(colour, 1.5, style));
    marker->setYValue(at);
    QwtText text(label);
    text.setColor(colour);
    text.setBackgroundBrush(QColor(255, 255, 255, 200));
    marker->setLabel(text);
    marker->setLabelAlignment(alignment);
    marker->setZ(30.0);
    marker->attach(plot);
}

} // namespace

void drawType1RunChart(QwtPlot *plot, const QVector<double> &values, const Type1Input &input,
                       const Type1Result &result, const QString &axisTitle)
{
    clearChartPlot(plot);
    auto *grid = new QwtPlotGrid;
    grid->setMajorPen(QPen(Qt::lightGray, 0.0, Qt::DotLine));
    grid->attach(plot);
    QVector<double> x;
    for (int i = 0; i < values.size(); ++i)
        x << i + 1;
    auto *curve = new QwtPlotCurve;
    curve->setRenderHint(QwtPlotItem::RenderAntialiased);
    curve->setPen(QPen(kPointColour, 1.0));
    curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(kPointColour), QPen(kPointColour),
                                   QSize(5, 5)));
    curve->setSamples(x, values);
    curve->attach(plot);
    addLine(plot, input.reference, kReferenceColour, Qt::SolidLine,
            QCoreApplication::translate("GaugeStudy", "Referenz") + QLatin1Char(' ') +
                plain(input.reference),
            Qt::AlignLeft | Qt::AlignTop);
    addLine(plot, result.upperBand, kBandColour, Qt::DashLine,
            QStringLiteral("+10 % T ") + plain(result.upperBand), Qt::AlignRight | Qt::AlignBottom);
    addLine(plot, result.lowerBand, kBandColour, Qt::DashLine,
            QStringLiteral("-10 % T ") + plain(result.lowerBand), Qt::AlignRight | Qt::AlignTop);
    // The band stays in view even when every value lies well inside it.
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double bottom = values.isEmpty() ? result.lowerBand : std::min(*low, result.lowerBand);
    const double top = values.isEmpty() ? result.upperBand : std::max(*high, result.upperBand);
    const double margin = std::max(1e-9, (top - bottom) * 0.08);
    plot->setAxisScale(QwtPlot::yLeft, bottom - margin, top + margin);
    plot->setAxisScale(QwtPlot::xBottom, 0.5, std::max(2, int(values.size())) + 0.5);
    plot->setAxisTitle(QwtPlot::yLeft, axisTitle);
    plot->setAxisTitle(QwtPlot::xBottom, QCoreApplication::translate("GaugeStudy", "Messung"));
    plot->replot();
}
