#include "plot/plotanalysis.h"

#include <QPen>
#include <qwt_picker_machine.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_magnifier.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_picker.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_div.h>
#include <qwt_scale_map.h>
#include <qwt_symbol.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTimeDecimals = 3;
constexpr int kForceDecimals = 1;
constexpr double kMarkerZ = 30.0;
constexpr int kMaximumSymbolSize = 11;
constexpr int kCursorSymbolSize = 9;
const QColor kToolColour(200, 0, 0);

// The cursor's picker: its tracker text is the readout of the nearest sample.
class CursorPicker : public QwtPlotPicker
{
public:
    CursorPicker(QWidget *canvas, const PlotAnalysis *analysis)
        : QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, QwtPicker::VLineRubberBand,
                        QwtPicker::AlwaysOn, canvas),
          m_analysis(analysis)
    {
        setStateMachine(new QwtPickerTrackerMachine);
        setRubberBandPen(QPen(kToolColour, 1.0, Qt::DashLine));
        setTrackerPen(QPen(Qt::black));
    }

protected:
    QwtText trackerTextF(const QPointF &position) const override
    {
        QwtText text(m_analysis->readout(m_analysis->nearestSample(position)));
        text.setBackgroundBrush(QBrush(QColor(255, 255, 255, 220)));
        return text;
    }

private:
    const PlotAnalysis *m_analysis;
};

// The index of the sample nearest in time; the times rise.
int nearestIndex(const QwtPlotCurve *curve, double time)
{
    const int size = int(curve->dataSize());
    if (size == 0)
        return -1;
    int low = 0, high = size - 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (curve->sample(middle).x() < time)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && time - curve->sample(low - 1).x() < curve->sample(low).x() - time)
        --low;
    return low;
}

int indexOfMaximum(const QwtPlotCurve *curve)
{
    const int size = int(curve->dataSize());
    int best = -1;
    for (int i = 0; i < size; ++i)
        if (best < 0 || curve->sample(i).y() > curve->sample(best).y())
            best = i;
    return best;
}

} // namespace

PlotAnalysis::PlotAnalysis(QwtPlot *plot, QObject *parent)
    : QObject(parent), m_plot(plot), m_cursor(new QwtPlotMarker)
{
    QWidget *canvas = plot->canvas();
    m_zoomer = new QwtPlotZoomer(canvas, false);
    m_zoomer->setRubberBandPen(QPen(kToolColour, 1.0, Qt::DashLine));
    m_zoomer->setTrackerMode(QwtPicker::AlwaysOff);
    m_zoomer->setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ControlModifier);
    m_zoomer->setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton);

    m_panner = new QwtPlotPanner(canvas);
    m_panner->setMouseButton(Qt::MiddleButton);

    // The wheel only: the buttons belong to the zoomer and the panner.
    m_magnifier = new QwtPlotMagnifier(canvas);
    m_magnifier->setMouseButton(Qt::NoButton);

    m_picker = new CursorPicker(canvas, this);
    connect(m_picker, qOverload<const QPointF &>(&QwtPlotPicker::moved), this,
            &PlotAnalysis::placeCursor);
    // Off until there are curves: an empty diagram shows no cursor line.
    m_picker->setEnabled(false);

    m_cursor->setLineStyle(QwtPlotMarker::VLine);
    m_cursor->setLinePen(QPen(kToolColour, 1.0, Qt::DotLine));
    m_cursor->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::white), QPen(kToolColour, 2.0),
                                      QSize(kCursorSymbolSize, kCursorSymbolSize)));
    m_cursor->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    m_cursor->setZ(kMarkerZ + 1);
    m_cursor->setVisible(false);
    m_cursor->attach(plot);
}

PlotAnalysis::~PlotAnalysis()
{
    // The tools belong to the canvas, which outlives this; the cursor's picker asks this.
    delete m_picker;
    delete m_zoomer;
    delete m_panner;
    delete m_magnifier;
    clearMaximumMarkers();
    m_cursor->detach();
    delete m_cursor;
}

void PlotAnalysis::setCurves(const QList<QwtPlotCurve *> &curves, const QString &unitText,
                             bool withLabels)
{
    m_curves = curves;
    m_unitText = unitText;
    m_cursor->setVisible(false);
    m_cursorReadout.clear();
    m_picker->setEnabled(!curves.isEmpty());
    clearMaximumMarkers();
    for (const QwtPlotCurve *curve : curves)
        addMaximumMarker(curve, withLabels);
}

void PlotAnalysis::clearMaximumMarkers()
{
    for (QwtPlotMarker *marker : m_maximumMarkers) {
        marker->detach();
        delete marker;
    }
    m_maximumMarkers.clear();
}

void PlotAnalysis::addMaximumMarker(const QwtPlotCurve *curve, bool withLabel)
{
    const int index = indexOfMaximum(curve);
    if (index < 0)
        return;
    const QPointF maximum = curve->sample(index);
    auto *marker = new QwtPlotMarker;
    const QColor colour = curve->pen().color();
    marker->setSymbol(new QwtSymbol(QwtSymbol::Triangle, QBrush(colour), QPen(Qt::black, 1.0),
                                    QSize(kMaximumSymbolSize, kMaximumSymbolSize)));
    marker->setValue(maximum);
    if (withLabel) {
        marker->setLabel(QwtText(QStringLiteral("Fmax = ") + forceText(maximum.y())));
        marker->setLabelAlignment(Qt::AlignRight | Qt::AlignBottom);
    }
    marker->setZ(kMarkerZ);
    marker->attach(m_plot);
    m_maximumMarkers.append(marker);
}

QString PlotAnalysis::forceText(double force) const
{
    return QString::number(force, 'f', kForceDecimals) + QLatin1Char(' ') + m_unitText;
}

void PlotAnalysis::takeWholeView()
{
    m_plot->replot();
    const auto state = [this](int axis) {
        const QwtScaleDiv &div = m_plot->axisScaleDiv(axis);
        return AxisState{m_plot->axisAutoScale(axis), div.lowerBound(), div.upperBound()};
    };
    m_wholeTime = state(QwtPlot::xBottom);
    m_wholeForce = state(QwtPlot::yLeft);
    m_zoomer->setZoomBase(false);
}

void PlotAnalysis::showWholeView()
{
    const auto apply = [this](int axis, const AxisState &state) {
        if (state.autoScale)
            m_plot->setAxisAutoScale(axis, true);
        else
            m_plot->setAxisScale(axis, state.minimum, state.maximum);
    };
    apply(QwtPlot::xBottom, m_wholeTime);
    apply(QwtPlot::yLeft, m_wholeForce);
    m_plot->replot();
    m_zoomer->setZoomBase(false);
}

void PlotAnalysis::zoomTo(const QRectF &rect)
{
    m_zoomer->zoom(rect);
}

QRectF PlotAnalysis::visibleRect() const
{
    const QwtScaleDiv &x = m_plot->axisScaleDiv(QwtPlot::xBottom);
    const QwtScaleDiv &y = m_plot->axisScaleDiv(QwtPlot::yLeft);
    return QRectF(QPointF(x.lowerBound(), y.lowerBound()), QPointF(x.upperBound(), y.upperBound()));
}

PlotAnalysis::Sample PlotAnalysis::nearestSample(const QPointF &position) const
{
    const QwtScaleMap xMap = m_plot->canvasMap(QwtPlot::xBottom);
    const QwtScaleMap yMap = m_plot->canvasMap(QwtPlot::yLeft);
    const QPointF target(xMap.transform(position.x()), yMap.transform(position.y()));
    Sample best;
    double bestDistance = 0.0;
    for (const QwtPlotCurve *curve : m_curves) {
        const int index = nearestIndex(curve, position.x());
        if (index < 0)
            continue;
        const QPointF point = curve->sample(index);
        const QPointF onScreen(xMap.transform(point.x()), yMap.transform(point.y()));
        const double distance = std::hypot(onScreen.x() - target.x(), onScreen.y() - target.y());
        if (!best.isValid() || distance < bestDistance) {
            best = Sample{curve, index, point};
            bestDistance = distance;
        }
    }
    return best;
}

QString PlotAnalysis::readout(const Sample &sample) const
{
    if (!sample.isValid())
        return QString();
    QString text = QStringLiteral("t = ") + QString::number(sample.point.x(), 'f', kTimeDecimals) +
                   QStringLiteral(" s  F = ") + forceText(sample.point.y());
    if (m_curves.size() > 1)
        text = sample.curve->title().text() + QStringLiteral(": ") + text;
    return text;
}

void PlotAnalysis::placeCursor(const QPointF &position)
{
    const Sample sample = nearestSample(position);
    m_cursorReadout = readout(sample);
    m_cursor->setVisible(sample.isValid());
    if (sample.isValid()) {
        m_cursor->setValue(sample.point);
        m_cursor->setLabel(QwtText(m_cursorReadout));
    }
    m_plot->replot();
    emit cursorMoved(m_cursorReadout);
}

PlotAnalysis::MarkersHidden::MarkersHidden(PlotAnalysis *analysis) : m_analysis(analysis)
{
    if (!m_analysis)
        return;
    QList<QwtPlotMarker *> markers = m_analysis->m_maximumMarkers;
    markers.append(m_analysis->m_cursor);
    for (QwtPlotMarker *marker : markers) {
        if (marker->isVisible()) {
            m_shown.append(marker);
            marker->setVisible(false);
        }
    }
}

PlotAnalysis::MarkersHidden::~MarkersHidden()
{
    for (QwtPlotMarker *marker : m_shown)
        marker->setVisible(true);
}
