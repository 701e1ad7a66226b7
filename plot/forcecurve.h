#pragma once

#include <qwt_plot_curve.h>

// A force/time curve that stays fluid with a million samples: on the screen
// it draws, per pixel column, only the first, lowest, highest and last point
// of the samples falling into it, which gives the same picture as every
// sample. Printers, PDF and SVG get every sample, so reports are unchanged.
class ForceCurve : public QwtPlotCurve
{
public:
    explicit ForceCurve(const QString &title = QString());

    // The reduction on screen; on by default (off for comparisons).
    void setLevelOfDetail(bool on) { m_levelOfDetail = on; }
    bool levelOfDetail() const { return m_levelOfDetail; }

    // The points the last screen drawing handed to the painter (for tests
    // and the benchmark); -1 before any.
    int lastDrawnPointCount() const { return m_lastDrawn; }

protected:
    void drawSeries(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                    const QRectF &canvasRect, int from, int to) const override;

private:
    bool m_levelOfDetail = true;
    mutable int m_lastDrawn = -1;
};
