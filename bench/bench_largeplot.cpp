// Redrawing the diagram with 1,000,000 samples: the real main window (offscreen)
// holds generated records; the time runs from a redraw request until the
// plot's canvas has been painted. Cases: the whole curve with the level-of-
// detail reduction and, for comparison, without it; zoomed in on a tenth;
// the overlay of five such measurements; and selecting one row until painted.
//
//   bench_largeplot [--runs N] [--samples N]
#include "benchsupport.h"
#include "configfolder.h"
#include "ui/measurementtree.h"

#include "measurement/measurement.h"
#include "plot/forcecurve.h"
#include "plot/overlayplot.h"
#include "plot/plotanalysis.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/mainform.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <cmath>
#include <functional>
#include <qwt_plot_canvas.h>

namespace {

constexpr double kGoalMs = 50.0;

// A pull test: a rise to the break, noise on it, a fall after it.
Measurement *generatedRecord(int number, int samples)
{
    auto *m = new Measurement(number);
    m->sampleRate = 10000.0f;
    m->forces.reserve(samples);
    const int breakAt = samples * (6 + number) / 10 / 2;
    for (int i = 0; i < samples; ++i) {
        const double rise = i < breakAt ? 500.0 * i / breakAt : 50.0 * (samples - i) / samples;
        m->forces.append(float(rise + 8.0 * std::sin(i * 0.37) + number));
    }
    m->sampleCount = uint32_t(samples);
    m->dateText = "24;01;2017";
    m->timeText = QByteArray::number(10 + number) + ";00;00";
    return m;
}

// Milliseconds from the request to the painted canvas (repaint paints at once).
double redraw(QWidget *canvas, const std::function<void()> &request)
{
    QElapsedTimer timer;
    timer.start();
    request();
    canvas->repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

void printTimes(const QString &what, const QList<double> &times)
{
    printFigure(what + ", median", median(times), "ms", 1);
    printFigure(what + ", slowest", *std::max_element(times.begin(), times.end()), "ms", 1);
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    const QuietLog quiet;
    const int runs = std::max(1, optionValue(app.arguments(), "--runs", 11));
    const int samples = std::max(1, optionValue(app.arguments(), "--samples", 1000000));

    TemporaryConfigHome home;
    ConfigIni config("config");
    GaugeServices services;
    StatusIni &status = services.status();
    status.formWidth = 1280;
    status.formHeight = 900;
    Mainform window(&config, services, QStringLiteral("bench"));
    window.show();
    QCoreApplication::processEvents();
    Ui::MainForm *ui = window.formUi();
    ui->frame2->setEnabled(true);
    QStandardItemModel *model = window.model();
    auto *device = new QStandardItem(QStringLiteral("Tensimo Parl"));
    device->setData(0, MeasurementNumberRole);
    model->appendRow(device);
    for (int n = 1; n <= 5; ++n) {
        window.deviceData().records.append(generatedRecord(n, samples));
        auto *row = new QStandardItem(QStringLiteral("#%1").arg(n));
        row->setData(n, MeasurementNumberRole);
        device->appendRow(row);
    }
    const QModelIndex first = model->index(0, 0, model->index(0, 0));
    QWidget *canvas = ui->qwtPlot->canvas();
    auto *curve = dynamic_cast<ForceCurve *>(window.plotCurve());
    if (!curve)
        return fail("the plot does not draw a ForceCurve");

    QList<double> select;
    for (int run = 0; run < runs; ++run) {
        ui->treeView->setCurrentIndex(model->index(0, 0));
        QCoreApplication::processEvents();
        select << redraw(canvas, [&] { ui->treeView->setCurrentIndex(first); });
    }
    if (curve->dataSize() != size_t(samples))
        return fail(QStringLiteral("the curve holds %1 points").arg(curve->dataSize()));

    QList<double> reduced, full, zoomed;
    for (int run = 0; run < runs; ++run)
        reduced << redraw(canvas, [&] { ui->qwtPlot->replot(); });
    const int drawnPoints = curve->lastDrawnPointCount();
    curve->setLevelOfDetail(false);
    for (int run = 0; run < std::min(runs, 3); ++run)
        full << redraw(canvas, [&] { ui->qwtPlot->replot(); });
    curve->setLevelOfDetail(true);
    const QRectF whole = window.plotAnalysis()->visibleRect();
    for (int run = 0; run < runs; ++run) {
        zoomed << redraw(canvas, [&] {
            const double left = whole.left() + whole.width() * 0.45;
            window.plotAnalysis()->zoomTo(QRectF(
                QPointF(left, whole.top()), QPointF(left + whole.width() / 10, whole.bottom())));
        });
        window.plotAnalysis()->showWholeView();
    }

    QList<double> overlay;
    QItemSelectionModel *selection = ui->treeView->selectionModel();
    for (int run = 0; run < std::max(1, runs / 2); ++run) {
        selection->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
        overlay << redraw(canvas, [&] {
            selection->select(QItemSelection(first, model->index(4, 0, model->index(0, 0))),
                              QItemSelectionModel::Select);
        });
    }
    if (window.overlayPlot()->curves().size() != 5)
        return fail("the overlay does not show five curves");
    QList<double> overlayRedraw;
    for (int run = 0; run < runs; ++run)
        overlayRedraw << redraw(canvas, [&] { ui->qwtPlot->replot(); });

    printCase(QStringLiteral("diagram of %1 samples, canvas %2 x %3 pixels (%4 runs)")
                  .arg(samples)
                  .arg(canvas->width())
                  .arg(canvas->height())
                  .arg(runs));
    printCount("points drawn of the whole curve", drawnPoints, "");
    printTimes("redraw, whole curve", reduced);
    printTimes("redraw, whole curve without reduction", full);
    printTimes("zoom to a tenth, redraw", zoomed);
    printTimes("select row to painted plot", select);
    printTimes("select five rows to painted overlay", overlay);
    printTimes("redraw, overlay of five", overlayRedraw);
    printGoal(QStringLiteral("redraw of %1 samples under %2 ms").arg(samples).arg(kGoalMs),
              median(reduced) < kGoalMs && median(zoomed) < kGoalMs);
    printGoal(
        QStringLiteral("redraw of five curves of %1 samples under %2 ms").arg(samples).arg(kGoalMs),
        median(overlayRedraw) < kGoalMs);
    return 0;
}
