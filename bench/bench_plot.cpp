// Showing a measurement of 100,000 samples: the real main window holds one
// slot of 100,000 samples (transferred from tspx-sim, not paced); the time
// runs from selecting the measurement's row until the plot's canvas has been
// painted. Between runs the device row is selected, which hides the plot, so
// every run draws the curve afresh.
//
//   bench_plot [--runs N] [--samples N]
#include "benchsupport.h"
#include "windowharness.h"

#include "measurement/measurement.h"
#include "ui/mainform.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>

#include <cstdio>

namespace {

constexpr int kPaintTimeoutMs = 10000;

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return QObject::eventFilter(watched, event);
    }

private:
    int m_count = 0;
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Selects the row and lets events run until the canvas has painted; the
// milliseconds that took, or -1 when it never painted.
double showAndPaint(Mainform *window, const QModelIndex &row, const PaintCounter &paints)
{
    const int before = paints.count();
    QElapsedTimer timer;
    timer.start();
    window->formUi()->treeView->setCurrentIndex(row);
    const QDeadlineTimer deadline(kPaintTimeoutMs);
    while (paints.count() == before && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return paints.count() == before ? -1.0 : double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    const QuietLog quiet;
    const int runs = std::max(1, optionValue(app.arguments(), "--runs", 11));
    const int samples = std::max(1, optionValue(app.arguments(), "--samples", 100000));

    WindowHarness gauge;
    if (!gauge.setUp())
        return fail("the window did not come up");
    if (!gauge.startGeneratedGauge({"--slots", "1", "--samples", QString::number(samples)}))
        return fail(gauge.gauge()->errorText());
    QElapsedTimer timer;
    timer.start();
    gauge.transfer();
    const double transferSeconds = double(timer.nsecsElapsed()) / 1e9;
    if (gauge.rowNumbers() != QList<int>{1} || !gauge.shownError().isEmpty())
        return fail("the transfer did not bring the measurement: " + gauge.shownError());

    Mainform *window = gauge.window();
    const QModelIndex deviceRow = window->model()->index(0, 0);
    const QModelIndex measurementRow = window->model()->index(0, 0, deviceRow);
    const PaintCounter paints(window->formUi()->qwtPlot->canvas());
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        window->formUi()->treeView->setCurrentIndex(deviceRow);
        settle();
        const double ms = showAndPaint(window, measurementRow, paints);
        if (ms < 0)
            return fail("the plot was not painted");
        if (window->plotCurve()->dataSize() != size_t(samples))
            return fail(
                QStringLiteral("the curve holds %1 points").arg(window->plotCurve()->dataSize()));
        times << ms;
    }

    printCase(
        QStringLiteral("show one measurement of %1 samples (%2 runs)").arg(samples).arg(runs));
    printFigure("transfer (not paced)", transferSeconds, "s");
    printFigure("select to painted plot, median", median(times), "ms", 1);
    printFigure("select to painted plot, fastest", *std::min_element(times.begin(), times.end()),
                "ms", 1);
    printFigure("select to painted plot, slowest", *std::max_element(times.begin(), times.end()),
                "ms", 1);
    return 0;
}
