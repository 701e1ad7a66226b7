// The test plan in the real window: a window box dragged on the diagram, the
// tree's verdicts by the active plan, a plan kept from the editor.
#include "configfolder.h"
#include "archive/planstore.h"
#include "plot/planoverlay.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/mainform.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui/planeditor.h"
#include "ui_mainform.h"
#include "ui_planeditor.h"
#include "workflow/gaugeservices.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTest>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_div.h>
#include <qwt_scale_map.h>

#include <algorithm>
#include <cmath>

#include <memory>

namespace {

// A ramp to `peak` N at 2 s, down to 0 at 4 s: 10 samples a second.
Measurement *rampRecord(int number, float peak)
{
    auto *m = new Measurement(number);
    m->sampleRate = 10.0f;
    for (int i = 0; i < 40; ++i)
        m->forces.append(i <= 20 ? peak * i / 20 : peak * (40 - i) / 20);
    m->sampleCount = uint32_t(m->forces.size());
    m->forceMax = peak;
    m->dateText = "24;01;2017";
    m->timeText = "10;00;00";
    return m;
}

Characteristic maximumUpTo(double upper)
{
    Characteristic c;
    c.name = QStringLiteral("Fmax");
    c.upper = upper;
    return c;
}

void sendMouse(QWidget *canvas, QEvent::Type type, const QPointF &at)
{
    QMouseEvent event(type, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

} // namespace

class TestPlanEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void draggingABoxMovesAndResizesIt();
    void treeAndTableShowTheVerdictsOfTheActivePlan();
    void savedPlanComesBackWithItsVersion();
    void envelopeIsLearnedFromTheSelection();

private:
    QModelIndex rowIndex(int number, int column = 0) const
    {
        return m_window->model()->index(number - 1, column, m_window->model()->index(0, 0));
    }

    TemporaryConfigHome m_configHome;
    std::unique_ptr<ConfigIni> m_config;
    std::unique_ptr<GaugeServices> m_services;
    std::unique_ptr<Mainform> m_window;
};

void TestPlanEditor::init()
{
    QVERIFY(m_configHome.isValid());
    m_config = std::make_unique<ConfigIni>("config");
    m_services = std::make_unique<GaugeServices>();
    m_window = std::make_unique<Mainform>(m_config.get(), *m_services, "1.2  build: test");
    DeviceData &data = m_window->deviceData();
    auto *tree = static_cast<MeasurementTree *>(m_window->model());
    QStandardItem *deviceRow = tree->itemFromIndex(tree->resetToDevice());
    for (int n = 1; n <= 3; ++n) {
        data.records.append(rampRecord(n, 90.0f + 10 * n)); // 100, 110, 120 N
        auto *row = new QStandardItem(QStringLiteral("#%1").arg(n));
        row->setData(n, MeasurementNumberRole);
        deviceRow->appendRow(row);
    }
    m_window->formUi()->frame2->setEnabled(true);
    m_window->resize(1024, 768);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPlanEditor::cleanup()
{
    m_window.reset();
    m_services.reset();
    m_config.reset();
}

void TestPlanEditor::draggingABoxMovesAndResizesIt()
{
    TestPlan plan;
    plan.name = QStringLiteral("Box");
    plan.triggerForce = 10.0; // reached at 0.2 s: the plot's times start there
    Characteristic window;
    window.kind = CharacteristicKind::Window;
    window.name = QStringLiteral("Fenster");
    window.box = WindowBox{0.5, 1.0, 30.0, 70.0, BoxSide::Left, BoxSide::Right};
    Characteristic fracture;
    fracture.kind = CharacteristicKind::BreakForce;
    fracture.name = QStringLiteral("Bruch");
    fracture.within = 1.0; // half the peak lost within a second: at the peak
    plan.characteristics = {window, fracture};
    m_window->planEditor()->editPlan(plan);
    m_window->formUi()->treeView->setCurrentIndex(rowIndex(1));
    QCOMPARE(m_window->plotCurve()->sample(0).x(), -0.2);
    // The break is marked where it was found: 100 N, 1.8 s after the trigger.
    const QList<QwtPlotItem *> &drawn = m_window->measurementPage()->planOverlay()->items();
    const auto mark = std::find_if(drawn.begin(), drawn.end(), [](QwtPlotItem *item) {
        return item->rtti() == QwtPlotItem::Rtti_PlotMarker && item->title().text() == "Bruch";
    });
    QVERIFY(mark != drawn.end());
    QCOMPARE(static_cast<QwtPlotMarker *>(*mark)->value(), QPointF(1.8, 100.0));
    QCOMPARE(static_cast<QwtPlotMarker *>(*mark)->label().text(), QStringLiteral("Bruch: 100.0 N"));

    QwtPlot *plot = m_window->formUi()->qwtPlot;
    const QwtScaleMap x = plot->canvasMap(QwtPlot::xBottom), y = plot->canvasMap(QwtPlot::yLeft);
    const QRectF box = m_window->measurementPage()->planOverlay()->boxRect(0);
    QCOMPARE(box, QRectF(QPointF(0.5, 30.0), QPointF(1.0, 70.0)));
    const QRectF pixels = QwtScaleMap::transform(x, y, box).normalized();
    QWidget *canvas = plot->canvas();
    const QwtInterval shownBefore = plot->axisScaleDiv(QwtPlot::xBottom).interval();
    // Moved by 40 pixels right and 20 up: both times and both forces follow.
    sendMouse(canvas, QEvent::MouseButtonPress, pixels.center());
    sendMouse(canvas, QEvent::MouseMove, pixels.center() + QPointF(40, -20));
    sendMouse(canvas, QEvent::MouseButtonRelease, pixels.center() + QPointF(40, -20));
    const double dt = x.invTransform(pixels.center().x() + 40) - x.invTransform(pixels.center().x());
    const double dF = y.invTransform(pixels.center().y() - 20) - y.invTransform(pixels.center().y());
    QVERIFY(dt > 0.05 && dF > 1.0);
    WindowBox moved = m_window->planEditor()->plan().characteristics.at(0).box;
    QVERIFY(qFuzzyCompare(moved.fromTime, 0.5 + dt) && qFuzzyCompare(moved.toTime, 1.0 + dt));
    QVERIFY(qFuzzyCompare(moved.lowForce, 30.0 + dF) && qFuzzyCompare(moved.highForce, 70.0 + dF));
    QCOMPARE(m_services->activePlan().plan()->characteristics.at(0).box.toTime, moved.toTime);
    QCOMPARE(m_window->planEditor()->formUi()->spinBoxTo->value(),
             std::round(moved.toTime * 1000) / 1000);
    // The press was the box's: the zoomer's rubber band did not zoom.
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).interval().minValue(), shownBefore.minValue());
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).interval().maxValue(), shownBefore.maxValue());

    // Its right edge dragged 30 pixels further: only the end time moves.
    const QRectF now = QwtScaleMap::transform(
        x, y, m_window->measurementPage()->planOverlay()->boxRect(0)).normalized();
    const QPointF edge(now.right(), now.center().y());
    sendMouse(canvas, QEvent::MouseButtonPress, edge);
    sendMouse(canvas, QEvent::MouseMove, edge + QPointF(30, 0));
    sendMouse(canvas, QEvent::MouseButtonRelease, edge + QPointF(30, 0));
    const WindowBox resized = m_window->planEditor()->plan().characteristics.at(0).box;
    QCOMPARE(resized.fromTime, moved.fromTime);
    QCOMPARE(resized.lowForce, moved.lowForce);
    QVERIFY(qFuzzyCompare(resized.toTime,
                          moved.toTime + x.invTransform(edge.x() + 30) - x.invTransform(edge.x())));
}

void TestPlanEditor::treeAndTableShowTheVerdictsOfTheActivePlan()
{
    TestPlan plan;
    plan.name = QStringLiteral("Zug");
    plan.characteristics = {maximumUpTo(105.0)};
    m_window->planEditor()->editPlan(plan);
    QCOMPARE(rowIndex(1, 1).data().toString(), QStringLiteral("i.O."));
    QCOMPARE(rowIndex(2, 1).data().toString(), QStringLiteral("n.i.O."));
    QCOMPARE(rowIndex(3, 1).data().toString(), QStringLiteral("n.i.O."));
    QCOMPARE(m_window->formUi()->treeView->header()->count(), 2);

    m_window->formUi()->treeView->setCurrentIndex(rowIndex(2));
    QTableWidget *table = m_window->planEditor()->formUi()->tableCharacteristics;
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("110.0 N"));
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("n.i.O."));

    // A plan without characteristics judges nothing: the column goes.
    m_window->planEditor()->editPlan(TestPlan());
    QVERIFY(!m_services->activePlan().plan());
    QVERIFY(!rowIndex(1, 1).isValid());
    QCOMPARE(m_window->formUi()->treeView->header()->count(), 1);
}

void TestPlanEditor::savedPlanComesBackWithItsVersion()
{
    TestPlan plan;
    plan.name = QStringLiteral("Zug 4711");
    plan.partNumber = QStringLiteral("4711-A");
    plan.characteristics = {maximumUpTo(105.0)};
    PlanEditor *editor = m_window->planEditor();
    editor->editPlan(plan);
    Ui::PlanEditor *form = editor->formUi();
    form->buttonSave->click();
    form->tableCharacteristics->setCurrentCell(0, 0);
    form->spinUpper->setValue(125.0); // a changed limit is the next version
    form->buttonSave->click();
    QCOMPARE(form->labelVersion->text(), QStringLiteral("Version 2"));
    QCOMPARE(m_services->status().testPlan, plan.name);

    const std::optional<TestPlan> kept = PlanStore(m_services->archive()).load(plan.name);
    QVERIFY(kept);
    QCOMPARE(kept->version, 2);
    QCOMPARE(kept->partNumber, plan.partNumber);
    QCOMPARE(*kept->characteristics.at(0).upper, 125.0);
    QCOMPARE(*PlanStore(m_services->archive()).load(plan.name, 1)->characteristics.at(0).upper,
             105.0);
    // At the next start the editor takes the plan the status file names.
    editor->editPlan(TestPlan());
    editor->loadKeptPlans();
    QCOMPARE(m_services->activePlan().plan()->version, 2);
    QCOMPARE(form->comboPlans->currentText(), plan.name);
}

void TestPlanEditor::envelopeIsLearnedFromTheSelection()
{
    TestPlan plan;
    plan.triggerForce = 10.0;
    Characteristic envelope;
    envelope.kind = CharacteristicKind::Envelope;
    plan.characteristics = {envelope};
    PlanEditor *editor = m_window->planEditor();
    editor->editPlan(plan);
    QItemSelectionModel *selection = m_window->formUi()->treeView->selectionModel();
    selection->setCurrentIndex(rowIndex(1), QItemSelectionModel::ClearAndSelect);
    for (int number : {2, 3})
        selection->select(rowIndex(number), QItemSelectionModel::Select);
    editor->formUi()->spinBandK->setValue(2.0);
    editor->formUi()->buttonLearn->click();
    // At the peaks (1.8 s after the trigger) 100, 110 and 120 N: 110 ± 2 · 10 N.
    const EnvelopeBand &band = m_services->activePlan().plan()->characteristics.at(0).band;
    QVERIFY(band.upper.size() > 18);
    QCOMPARE(band.upper.at(18), 130.0);
    QCOMPARE(band.lower.at(18), 90.0);
}

QTEST_MAIN(TestPlanEditor)
#include "tst_planeditor.moc"
