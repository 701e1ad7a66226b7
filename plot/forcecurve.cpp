#include "plot/forcecurve.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <qwt_painter.h>
#include <qwt_point_data.h>
#include <qwt_scale_map.h>

#include <algorithm>
#include <cmath>

namespace {

// Below this many points per pixel column everything is drawn as it is.
constexpr int kPointsPerColumnToReduce = 4;

bool paintsOnScreen(const QPainter *painter)
{
    const QPaintEngine *engine = painter->paintEngine();
    return engine &&
           (engine->type() == QPaintEngine::Raster || engine->type() == QPaintEngine::OpenGL2 ||
            engine->type() == QPaintEngine::X11);
}

// The first, lowest, highest and last point of each pixel column, in the
// order they come, mapped to the painter's coordinates. The times rise and
// the map rises with them, so each column is found by a binary search and
// only its minimum and maximum are looked for sample by sample.
QPolygonF reducedPolyline(const QVector<double> &xs, const QVector<double> &ys, int first, int last,
                          const QwtScaleMap &xMap, const QwtScaleMap &yMap)
{
    QPolygonF line;
    line.reserve(4 * int(std::ceil(std::fabs(xMap.p2() - xMap.p1())) + 2));
    const double *x = xs.constData();
    const double *y = ys.constData();
    int i = first;
    while (i <= last) {
        const double column = std::floor(xMap.transform(x[i]));
        const double nextColumnStarts = xMap.invTransform(column + 1.0);
        const int end =
            std::max(i + 1, int(std::lower_bound(x + i, x + last + 1, nextColumnStarts) - x));
        int low = i, high = i;
        for (int k = i + 1; k < end; ++k) {
            if (y[k] < y[low])
                low = k;
            else if (y[k] > y[high])
                high = k;
        }
        const double centre = column + 0.5;
        const int inOrder[] = {i, std::min(low, high), std::max(low, high), end - 1};
        for (int k = 0; k < 4; ++k)
            if (k == 0 || inOrder[k] != inOrder[k - 1])
                line.append(QPointF(centre, yMap.transform(y[inOrder[k]])));
        i = end;
    }
    return line;
}

} // namespace

ForceCurve::ForceCurve(const QString &title) : QwtPlotCurve(title) {}

void ForceCurve::drawSeries(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                            const QRectF &canvasRect, int from, int to) const
{
    const auto *points = dynamic_cast<const QwtPointArrayData *>(data());
    if (to < 0)
        to = int(dataSize()) - 1;
    if (!m_levelOfDetail || !points || style() != Lines || from > to || !paintsOnScreen(painter)) {
        QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, from, to);
        return;
    }

    // The times rise: the samples in view, with one beyond each edge.
    const QVector<double> &xs = points->xData();
    const QVector<double> &ys = points->yData();
    const double left = std::min(xMap.s1(), xMap.s2());
    const double right = std::max(xMap.s1(), xMap.s2());
    const auto begin = xs.begin() + from;
    const auto end = xs.begin() + to + 1;
    const int first = int(std::max(begin, std::lower_bound(begin, end, left) - 1) - xs.begin());
    const int last = int(std::min(end - 1, std::upper_bound(begin, end, right)) - xs.begin());
    if (first > last)
        return;

    const int columns = int(std::ceil(canvasRect.width())) + 1;
    if (last - first + 1 <= kPointsPerColumnToReduce * columns) {
        m_lastDrawn = last - first + 1;
        QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, first, last);
        return;
    }
    const QPolygonF line = reducedPolyline(xs, ys, first, last, xMap, yMap);
    m_lastDrawn = line.size();
    painter->save();
    painter->setPen(pen());
    QwtPainter::drawPolyline(painter, line);
    painter->restore();
}
