#include "plot/overlayplot.h"

#include "measurement/measurement.h"
#include "plot/forcecurve.h"
#include "plot/forceplot.h"

#include <QCoreApplication>
#include <QPen>
#include <qwt_legend.h>
#include <qwt_plot.h>

namespace {

constexpr double kCurveWidth = 1.5;
constexpr double kReferenceWidth = 3.0;

} // namespace

OverlayPlot::OverlayPlot(QwtPlot *plot) : m_plot(plot) {}

OverlayPlot::~OverlayPlot()
{
    clear();
}

QColor OverlayPlot::colour(int k)
{
    // Told apart on screen and on paper; black is the reference's.
    static const QColor colours[] = {
        QColor(31, 119, 180),  QColor(255, 127, 14), QColor(44, 160, 44),   QColor(214, 39, 40),
        QColor(148, 103, 189), QColor(140, 86, 75),  QColor(227, 119, 194), QColor(127, 127, 127),
        QColor(188, 189, 34),  QColor(23, 190, 207)};
    constexpr int count = int(sizeof(colours) / sizeof(colours[0]));
    return colours[k % count];
}

QString OverlayPlot::moreCurvesText(int count)
{
    return QCoreApplication::translate("OverlayPlot", "… und %n weitere Kurve(n)", nullptr, count);
}

void OverlayPlot::show(const QList<OverlayEntry> &entries, double forceUnitFactor,
                       const QString &forceUnitText, CurveAlignment alignment)
{
    const bool autoReplot = m_plot->autoReplot();
    m_plot->setAutoReplot(false);
    clear();
    int k = 0;
    int listed = 0;
    for (const OverlayEntry &entry : entries) {
        auto *curve = new ForceCurve(entry.label);
        const QColor colour = entry.reference ? QColor(Qt::black) : OverlayPlot::colour(k++);
        curve->setPen(QPen(colour, entry.reference ? kReferenceWidth : kCurveWidth));
        curve->setRenderHint(QwtPlotItem::RenderAntialiased, false);
        const ForceCurvePoints points = forceCurvePoints(*entry.record, forceUnitFactor,
                                                         alignmentTime(*entry.record, alignment));
        curve->setSamples(points.times, points.forces);
        // The reference lies under the others.
        curve->setZ(entry.reference ? 19.0 : 20.0);
        curve->setItemAttribute(QwtPlotItem::Legend, listed < kLegendCurves);
        ++listed;
        curve->attach(m_plot);
        m_curves.append(curve);
    }
    if (listed > kLegendCurves) {
        // A legend entry only: no samples, no line in its icon.
        m_moreEntry = new QwtPlotCurve(moreCurvesText(listed - kLegendCurves));
        m_moreEntry->setStyle(QwtPlotCurve::NoCurve);
        m_moreEntry->attach(m_plot);
    }
    if (!m_plot->legend())
        m_plot->insertLegend(new QwtLegend, QwtPlot::BottomLegend);
    m_plot->setAxisAutoScale(QwtPlot::xBottom, true);
    m_plot->setAxisAutoScale(QwtPlot::yLeft, true);
    setForceAxisTitles(m_plot, forceUnitText);
    m_plot->setAutoReplot(autoReplot);
    m_plot->replot();
}

void OverlayPlot::clear()
{
    for (QwtPlotCurve *curve : m_curves) {
        curve->detach();
        delete curve;
    }
    m_curves.clear();
    if (m_moreEntry) {
        m_moreEntry->detach();
        delete m_moreEntry;
        m_moreEntry = nullptr;
    }
    if (m_plot->legend())
        m_plot->insertLegend(nullptr);
}
