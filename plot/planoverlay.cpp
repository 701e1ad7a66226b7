#include "plot/planoverlay.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <qwt_painter.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_intervalcurve.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_zoneitem.h>
#include <qwt_scale_map.h>
#include <qwt_symbol.h>

#include <algorithm>
#include <utility>

namespace {

QString trOverlay(const char *text)
{
    return QCoreApplication::translate("PlanOverlay", text);
}

// Pixels around an edge that grab it.
constexpr double kGripPixels = 5.0;
const QColor kBoxColour(40, 90, 200);
const QColor kEntryColour(0, 150, 0);
const QColor kExitColour(200, 0, 0);
const QColor kMarkColour(200, 90, 0);

// A window box: its area, the name, the entry side green ("ein") and the
// exit side red ("aus").
class WindowBoxItem : public QwtPlotItem
{
public:
    WindowBoxItem(const QRectF &rect, const WindowBox &box, const QString &name)
        : QwtPlotItem(QwtText(name)), m_rect(rect), m_box(box)
    {
        setZ(30);
        setItemAttribute(AutoScale, true);
    }

    int rtti() const override { return Rtti_PlotUserItem + 1; }
    QRectF boundingRect() const override { return m_rect; }

    void draw(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
              const QRectF &) const override
    {
        const QRectF r = QwtScaleMap::transform(xMap, yMap, m_rect).normalized();
        painter->save();
        painter->setPen(QPen(kBoxColour, 1.5));
        QColor fill(kBoxColour);
        fill.setAlpha(30);
        painter->setBrush(fill);
        painter->drawRect(r);
        // The name above the box: a narrow box would cut it.
        painter->drawText(QPointF(r.left(), r.top() - 4), title().text());
        drawSide(painter, r, m_box.entry, kEntryColour,
                 trOverlay(QT_TRANSLATE_NOOP("PlanOverlay", "ein")));
        drawSide(painter, r, m_box.exit, kExitColour,
                 trOverlay(QT_TRANSLATE_NOOP("PlanOverlay", "aus")));
        painter->restore();
    }

private:
    static void drawSide(QPainter *painter, const QRectF &r, BoxSide side, const QColor &colour,
                         const QString &text)
    {
        QLineF line;
        QPointF textAt;
        switch (side) {
        case BoxSide::Left:
            line = QLineF(r.topLeft(), r.bottomLeft());
            textAt = QPointF(r.left() - 22, r.center().y());
            break;
        case BoxSide::Right:
            line = QLineF(r.topRight(), r.bottomRight());
            textAt = QPointF(r.right() + 4, r.center().y());
            break;
        case BoxSide::Top:
            line = QLineF(r.topLeft(), r.topRight());
            textAt = QPointF(r.center().x(), r.top() - 4);
            break;
        case BoxSide::Bottom:
            line = QLineF(r.bottomLeft(), r.bottomRight());
            textAt = QPointF(r.center().x(), r.bottom() + 12);
            break;
        case BoxSide::None:
            return;
        }
        painter->setPen(QPen(colour, 4.0));
        painter->drawLine(line);
        painter->setPen(colour);
        painter->drawText(textAt, text);
    }

    QRectF m_rect;
    WindowBox m_box;
};

QwtPlotMarker *lineMarker(QwtPlotMarker::LineStyle style, double value, const QString &label)
{
    auto *marker = new QwtPlotMarker(label);
    marker->setLineStyle(style);
    marker->setLinePen(QPen(kBoxColour, 1.5, Qt::DashLine));
    (style == QwtPlotMarker::VLine ? marker->setXValue(value) : marker->setYValue(value));
    marker->setLabel(QwtText(label));
    marker->setLabelAlignment(Qt::AlignTop | Qt::AlignRight);
    marker->setZ(30);
    return marker;
}

bool isFoundAtAPoint(const Characteristic &c, const CharacteristicResult &r)
{
    switch (c.kind) {
    case CharacteristicKind::FirstPeak:
    case CharacteristicKind::BreakForce:
    case CharacteristicKind::BreakTime:
        return r.found;
    case CharacteristicKind::Envelope:
        return r.found && !r.pass; // where the curve first left the band
    default:
        return false;
    }
}

} // namespace

PlanOverlay::PlanOverlay(QwtPlot *plot, QObject *parent) : QObject(parent), m_plot(plot)
{
    takeMouseFirst();
}

void PlanOverlay::takeMouseFirst()
{
    // The filter installed last sees an event first.
    m_plot->canvas()->installEventFilter(this);
}

PlanOverlay::~PlanOverlay()
{
    m_plot->canvas()->removeEventFilter(this);
    removeItems();
}

void PlanOverlay::removeItems()
{
    for (QwtPlotItem *item : std::as_const(m_items)) {
        item->detach();
        delete item;
    }
    m_items.clear();
}

void PlanOverlay::clear()
{
    removeItems();
    m_plan = TestPlan();
    m_verdict = PlanVerdict();
    m_drag = Drag();
    m_plot->replot();
}

void PlanOverlay::setVisible(bool visible)
{
    m_visible = visible;
    for (QwtPlotItem *item : std::as_const(m_items))
        item->setVisible(visible);
    m_plot->replot();
}

void PlanOverlay::addItem(QwtPlotItem *item)
{
    item->setVisible(m_visible);
    item->attach(m_plot);
    m_items.append(item);
}

void PlanOverlay::show(const TestPlan &plan, const PlanVerdict &verdict, double forceUnitFactor)
{
    // The plan may be this overlay's own (a box being dragged).
    TestPlan shown = plan;
    PlanVerdict found = verdict;
    removeItems();
    m_plan = std::move(shown);
    m_verdict = std::move(found);
    m_factor = forceUnitFactor;
    for (int i = 0; i < m_plan.characteristics.size(); ++i) {
        const Characteristic &c = m_plan.characteristics.at(i);
        const CharacteristicResult *result =
            i < m_verdict.results.size() ? &m_verdict.results.at(i) : nullptr;
        addCharacteristic(i);
        if (result && isFoundAtAPoint(c, *result))
            addFoundMark(c, *result);
    }
    m_plot->replot();
}

void PlanOverlay::addCharacteristic(int index)
{
    const Characteristic &c = m_plan.characteristics.at(index);
    switch (c.kind) {
    case CharacteristicKind::Window:
        addItem(new WindowBoxItem(boxRect(index), c.box, c.name));
        break;
    case CharacteristicKind::ForceAtTime:
        addItem(lineMarker(QwtPlotMarker::VLine, c.from, c.name));
        break;
    case CharacteristicKind::TimeToForce:
    case CharacteristicKind::TimeAboveForce:
        addItem(lineMarker(QwtPlotMarker::HLine, c.force * m_factor, c.name));
        break;
    case CharacteristicKind::WindowMean:
    case CharacteristicKind::WindowMinimum:
    case CharacteristicKind::WindowMaximum:
    case CharacteristicKind::Work: {
        if (c.kind == CharacteristicKind::Work && c.fromForce)
            break; // between crossings: nothing fixed to draw
        auto *zone = new QwtPlotZoneItem;
        zone->setOrientation(Qt::Vertical);
        zone->setInterval(c.from, c.to);
        QColor fill(kBoxColour);
        fill.setAlpha(25);
        zone->setBrush(fill);
        zone->setPen(QPen(kBoxColour, 1.0, Qt::DotLine));
        zone->setTitle(c.name);
        zone->setZ(5);
        addItem(zone);
        break;
    }
    case CharacteristicKind::Envelope: {
        QVector<QwtIntervalSample> band;
        for (int k = 0; k < c.band.lower.size() && k < c.band.upper.size(); ++k)
            band.append(QwtIntervalSample(k * c.band.step, c.band.lower.at(k) * m_factor,
                                          c.band.upper.at(k) * m_factor));
        auto *curve = new QwtPlotIntervalCurve(c.name);
        curve->setSamples(band);
        QColor fill(kBoxColour);
        fill.setAlpha(40);
        curve->setBrush(fill);
        curve->setPen(QPen(kBoxColour, 1.0));
        curve->setZ(4);
        addItem(curve);
        break;
    }
    default:
        break;
    }
}

void PlanOverlay::addFoundMark(const Characteristic &c, const CharacteristicResult &r)
{
    const bool isBreak = c.kind == CharacteristicKind::BreakForce ||
                         c.kind == CharacteristicKind::BreakTime ||
                         c.kind == CharacteristicKind::Envelope;
    auto *marker = new QwtPlotMarker(c.name);
    marker->setValue(r.atTime, r.atForce * m_factor);
    marker->setSymbol(new QwtSymbol(isBreak ? QwtSymbol::XCross : QwtSymbol::Diamond,
                                    QBrush(kMarkColour), QPen(kMarkColour, 2.0), QSize(13, 13)));
    QString label = c.name;
    if (c.kind != CharacteristicKind::Envelope)
        label += QStringLiteral(": ") + characteristicValueText(c, r) + QLatin1Char(' ') + c.unit();
    QwtText text(label);
    text.setColor(kMarkColour);
    marker->setLabel(text);
    marker->setLabelAlignment(Qt::AlignTop | Qt::AlignRight);
    marker->setZ(40);
    addItem(marker);
}

QRectF PlanOverlay::boxRect(int index) const
{
    if (index < 0 || index >= m_plan.characteristics.size() ||
        m_plan.characteristics.at(index).kind != CharacteristicKind::Window)
        return QRectF();
    const WindowBox &b = m_plan.characteristics.at(index).box;
    return QRectF(QPointF(b.fromTime, b.lowForce * m_factor),
                  QPointF(b.toTime, b.highForce * m_factor));
}

QRectF PlanOverlay::onCanvas(const QRectF &plotRect) const
{
    return QwtScaleMap::transform(m_plot->canvasMap(QwtPlot::xBottom),
                                  m_plot->canvasMap(QwtPlot::yLeft), plotRect)
        .normalized();
}

QPointF PlanOverlay::inPlot(const QPointF &pixel) const
{
    return QPointF(m_plot->canvasMap(QwtPlot::xBottom).invTransform(pixel.x()),
                   m_plot->canvasMap(QwtPlot::yLeft).invTransform(pixel.y()));
}

PlanOverlay::Grip PlanOverlay::gripAt(const QRectF &r, const QPointF &p) const
{
    Grip grip;
    const QRectF around = r.adjusted(-kGripPixels, -kGripPixels, kGripPixels, kGripPixels);
    if (!around.contains(p))
        return grip;
    grip.left = std::abs(p.x() - r.left()) <= kGripPixels;
    grip.right = !grip.left && std::abs(p.x() - r.right()) <= kGripPixels;
    // The screen's top is the higher force.
    grip.top = std::abs(p.y() - r.top()) <= kGripPixels;
    grip.bottom = !grip.top && std::abs(p.y() - r.bottom()) <= kGripPixels;
    if (!grip.any() && r.contains(p))
        grip.left = grip.right = grip.top = grip.bottom = true;
    return grip;
}

bool PlanOverlay::press(const QPointF &pixel)
{
    if (!m_visible)
        return false;
    for (int i = m_plan.characteristics.size() - 1; i >= 0; --i) {
        const QRectF r = boxRect(i);
        if (r.isNull())
            continue;
        const Grip grip = gripAt(onCanvas(r), pixel);
        if (grip.any()) {
            m_drag = Drag{i, grip, inPlot(pixel), m_plan.characteristics.at(i).box};
            return true;
        }
    }
    return false;
}

void PlanOverlay::drag(const QPointF &pixel)
{
    const QPointF delta = inPlot(pixel) - m_drag.start;
    const double dt = delta.x();
    const double dF = m_factor != 0.0 ? delta.y() / m_factor : 0.0;
    WindowBox box = m_drag.box;
    if (m_drag.grip.left)
        box.fromTime = std::min(box.fromTime + dt, m_drag.grip.right ? box.toTime + dt : box.toTime);
    if (m_drag.grip.right)
        box.toTime = std::max(box.toTime + dt, box.fromTime);
    if (m_drag.grip.bottom)
        box.lowForce = std::min(box.lowForce + dF, m_drag.grip.top ? box.highForce + dF
                                                                   : box.highForce);
    if (m_drag.grip.top)
        box.highForce = std::max(box.highForce + dF, box.lowForce);
    TestPlan moved = m_plan;
    moved.characteristics[m_drag.index].box = box;
    show(moved, m_verdict, m_factor);
    emit boxChanged(m_drag.index, box);
}

bool PlanOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_plot->canvas())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        return mouse->button() == Qt::LeftButton && press(mouse->localPos());
    }
    case QEvent::MouseMove:
        if (m_drag.index < 0)
            return false;
        drag(static_cast<QMouseEvent *>(event)->localPos());
        return true;
    case QEvent::MouseButtonRelease:
        if (m_drag.index < 0)
            return false;
        m_drag = Drag();
        return true;
    default:
        return false;
    }
}
