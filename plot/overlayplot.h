#pragma once

#include "measurement/curvealignment.h"

#include <QColor>
#include <QList>
#include <QString>

class QwtPlot;
class QwtPlotCurve;
struct Measurement;

// One curve of the overlay: the record and its legend text; the reference
// ("golden part") is drawn black and thicker than the others.
struct OverlayEntry
{
    const Measurement *record = nullptr;
    QString label;
    bool reference = false;
};

// Several measurements drawn together on the force/time diagram, each in its
// own colour, with a legend below the diagram that lists the first curves and
// says how many more there are (a printed legend has room for few). Owns its
// curves.
class OverlayPlot
{
public:
    explicit OverlayPlot(QwtPlot *plot);
    ~OverlayPlot();

    OverlayPlot(const OverlayPlot &) = delete;
    OverlayPlot &operator=(const OverlayPlot &) = delete;

    // Draws the entries in the shown unit, lined up as asked; both axes scale
    // to the curves.
    void show(const QList<OverlayEntry> &entries, double forceUnitFactor,
              const QString &forceUnitText, CurveAlignment alignment);
    // Removes the curves and the legend.
    void clear();

    const QList<QwtPlotCurve *> &curves() const { return m_curves; }
    bool isShown() const { return !m_curves.isEmpty(); }

    // The colour of the k-th curve that is not the reference.
    static QColor colour(int k);
    // The curves the legend lists; the others are counted in its last entry.
    static constexpr int kLegendCurves = 12;
    // "… und 18 weitere Kurven"
    static QString moreCurvesText(int count);

private:
    QwtPlot *m_plot;
    QList<QwtPlotCurve *> m_curves;
    QwtPlotCurve *m_moreEntry = nullptr;
};
