#pragma once

#include "measurement/testplan.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>

class QwtPlot;
class QwtPlotItem;

// A test plan drawn on the force/time diagram, times from the plan's
// trigger: window boxes with their entry and exit sides (moved and resized
// with the left mouse button), force-at-time and time windows as lines and
// shaded spans, force thresholds as lines, an envelope as a band, and where
// a peak, a break or the first point outside the envelope was found. Forces
// are drawn in the shown unit; the plan keeps newtons. Owns its items.
class PlanOverlay : public QObject
{
    Q_OBJECT

public:
    explicit PlanOverlay(QwtPlot *plot, QObject *parent = nullptr);
    ~PlanOverlay() override;

    PlanOverlay(const PlanOverlay &) = delete;
    PlanOverlay &operator=(const PlanOverlay &) = delete;

    // `verdict` holds a result per characteristic, or none before a curve.
    void show(const TestPlan &plan, const PlanVerdict &verdict, double forceUnitFactor);
    void clear();
    void setVisible(bool visible);
    // The canvas's mouse is the overlay's first: call after the diagram's
    // other tools (the zoomer's rubber band) are made.
    void takeMouseFirst();

    const QList<QwtPlotItem *> &items() const { return m_items; }
    // The box of characteristic `index` in plot coordinates; empty for none.
    QRectF boxRect(int index) const;

signals:
    // The operator moved or resized the box of characteristic `index`.
    void boxChanged(int index, const WindowBox &box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Which edges a drag moves: all four move the box.
    struct Grip
    {
        bool left = false, right = false, bottom = false, top = false;
        bool any() const { return left || right || bottom || top; }
    };
    struct Drag
    {
        int index = -1;
        Grip grip;
        QPointF start;
        WindowBox box;
    };

    void removeItems();
    void addItem(QwtPlotItem *item);
    void addCharacteristic(int index);
    void addFoundMark(const Characteristic &c, const CharacteristicResult &result);
    Grip gripAt(const QRectF &canvasRect, const QPointF &pixel) const;
    QRectF onCanvas(const QRectF &plotRect) const;
    QPointF inPlot(const QPointF &pixel) const;
    bool press(const QPointF &pixel);
    void drag(const QPointF &pixel);

    QwtPlot *m_plot;
    QList<QwtPlotItem *> m_items;
    TestPlan m_plan;
    PlanVerdict m_verdict;
    double m_factor = 1.0;
    bool m_visible = true;
    Drag m_drag;
};
