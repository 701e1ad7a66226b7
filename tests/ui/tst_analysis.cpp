// Analysis in the real main window, with records put into its list: several
// selected rows overlaid with a legend and their statistics, the pinned
// reference, alignment, zoom and cursor through the plot's tools, the
// level-of-detail drawing, and the selection's CSV, Excel and PDF files.
#include "configfolder.h"
#include "modalanswerer.h"
#include "ui/measurementtree.h"
#include "windowharness.h"
#include "workbookreader.h"

#include "measurement/dblist.h"
#include "plot/forcecurve.h"
#include "plot/overlayplot.h"
#include "plot/plotanalysis.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/controlchartview.h"
#include "ui/mainform.h"
#include "ui/statisticsview.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_div.h>

#include <cmath>
#include <memory>

namespace {

// A force ramp to `peak` at sample `peakAt`, then back down: 10 samples a second.
Measurement *rampRecord(int number, int peakAt, float peak, const char *time)
{
    auto *m = new Measurement(number);
    m->sampleRate = 10.0f;
    for (int i = 0; i < 40; ++i)
        m->forces.append(i <= peakAt ? peak * i / peakAt : peak * (40 - i) / (40 - peakAt));
    m->sampleCount = uint32_t(m->forces.size());
    m->forceMax = peak;
    m->forceAvg = peak / 2;
    m->dateText = "24;01;2017";
    m->timeText = time;
    return m;
}

QStandardItem *row(int number)
{
    auto *item = new QStandardItem(QStringLiteral("#%1").arg(number));
    item->setData(number, MeasurementNumberRole);
    return item;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Answers the save dialog with `fileName` and the designation prompt with "Serie".
std::unique_ptr<ModalAnswerer> answerSaveDialog(const QString &fileName)
{
    return std::make_unique<ModalAnswerer>([=](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            input->setTextValue(QStringLiteral("Serie"));
            input->accept();
        } else if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            files->setOption(QFileDialog::DontConfirmOverwrite);
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(fileName);
            static_cast<QDialog *>(files)->accept();
        } else {
            dialog->close();
        }
    });
}

// The top- and bottom-most row of blue (the curve's) pixels in each column.
QVector<QPair<int, int>> columnExtents(const QImage &image)
{
    QVector<QPair<int, int>> extents(image.width(), qMakePair(-1, -1));
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 100 &&
                qGreen(image.pixel(x, y)) < 100) {
                if (extents[x].first < 0)
                    extents[x].first = y;
                extents[x].second = y;
            }
    return extents;
}

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void severalRowsAreOverlaidWithALegendAndTheirStatistics();
    void pinnedReferenceStaysWhileOthersAreBrowsed();
    void alignmentPutsStartOrMaximumAtZero_data();
    void alignmentPutsStartOrMaximumAtZero();
    void zoomPanAndWholeView();
    void cursorReadsTheNearestSampleAndTheMaximumIsMarked();
    void levelOfDetailDrawsTheSamePicture();
    void selectionIsExportedSideBySideToCsvAndExcel();
    void reportOfSeveralShowsOverlayAndStatistics();
    void controlChartMarksARuleBreakAndTheSeriesGoesOutAsDfq();
    void theActivePlansCharacteristicsAreChartedAndCounted();
    void fiveFromTheGaugeAreComparedAndExported();

private:
    // Selects the rows of these numbers (tree order is slot order 1..5), the
    // first one current.
    void select(const QList<int> &numbers);
    QModelIndex rowIndex(int number) const;

    TemporaryConfigHome m_configHome;
    std::unique_ptr<ConfigIni> m_config;
    std::unique_ptr<GaugeServices> m_services;
    StatusIni *m_status = nullptr;
    std::unique_ptr<Mainform> m_window;
    Ui::MainForm *ui = nullptr;
};

void TestAnalysis::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestAnalysis::init()
{
    m_config = std::make_unique<ConfigIni>("config");
    m_services = std::make_unique<GaugeServices>();
    m_status = &m_services->status();
    m_status->lastExportListPath = m_configHome.path().toLatin1();
    m_window = std::make_unique<Mainform>(m_config.get(), *m_services, "1.2  build: test");
    ui = m_window->formUi();
    DeviceData &data = m_window->deviceData();
    data.serialNr = "TP-0815";
    const char *times[] = {"10;00;00", "10;05;00", "10;10;00", "10;15;00", "10;20;00"};
    QStandardItem *device = row(0);
    m_window->model()->appendRow(device);
    for (int n = 1; n <= 5; ++n) {
        // Maxima 100, 110, ... 140 N at samples 10, 12, ... 18.
        data.records.append(rampRecord(n, 8 + 2 * n, 90.0f + 10 * n, times[n - 1]));
        device->appendRow(row(n));
    }
    ui->frame2->setEnabled(true);
    m_window->resize(1000, 760);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestAnalysis::cleanup()
{
    m_window.reset();
    m_status = nullptr;
    m_services.reset();
    m_config.reset();
}

QModelIndex TestAnalysis::rowIndex(int number) const
{
    return m_window->model()->index(number - 1, 0, m_window->model()->index(0, 0));
}

void TestAnalysis::select(const QList<int> &numbers)
{
    QItemSelectionModel *selection = ui->treeView->selectionModel();
    selection->setCurrentIndex(rowIndex(numbers.first()),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (int number : numbers.mid(1))
        selection->select(rowIndex(number),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TestAnalysis::severalRowsAreOverlaidWithALegendAndTheirStatistics()
{
    m_status->forceLimits["N"] = {"95", "135"};
    select({1, 2, 3, 4, 5});
    const QList<QwtPlotCurve *> &curves = m_window->overlayPlot()->curves();
    QCOMPARE(curves.size(), 5);
    QSet<QRgb> colours;
    for (int k = 0; k < 5; ++k) {
        const Measurement &m = *m_window->deviceData().records.at(k);
        QCOMPARE(
            curves.at(k)->title().text(),
            QStringLiteral("#%1 24.01.17 10:%2").arg(k + 1).arg(5 * k, 2, 10, QLatin1Char('0')));
        QCOMPARE(int(curves.at(k)->dataSize()), m.forces.size());
        QCOMPARE(curves.at(k)->sample(10).y(), double(m.forces.at(10)));
        colours.insert(curves.at(k)->pen().color().rgb());
    }
    QCOMPARE(colours.size(), 5);
    QVERIFY(!m_window->plotCurve()->isVisible());
    auto *legend = qobject_cast<QwtLegend *>(ui->qwtPlot->legend());
    QVERIFY(legend);
    QStringList entries;
    for (const QwtLegendLabel *label : legend->findChildren<QwtLegendLabel *>())
        entries << label->text().text();
    entries.sort();
    QCOMPARE(entries, QStringList({curves.at(0)->title().text(), curves.at(1)->title().text(),
                                   curves.at(2)->title().text(), curves.at(3)->title().text(),
                                   curves.at(4)->title().text()}));

    // Maximum forces 100 ... 140 N: mean 120, sd sqrt(250) = 15.81, limits 95 and 135;
    // within: moving ranges of 10, σ = 10 / d2 = 8.86.
    QVERIFY(ui->statisticsView->isVisible());
    const QStringList maxima = ui->statisticsView->statisticsRow(0);
    QCOMPARE(maxima, QStringList({"Maximalkraft / N", "5", "120.0", "15.81", "13.2", "100.0",
                                  "140.0", "40.0", "0.42", "0.32", "0.75", "0.56"}));
    QVERIFY(!ui->frameMeasGraph->isVisible());
    QCOMPARE(ui->statisticsView->verdictCount(), 5);
    QCOMPARE(ui->statisticsView->verdictRow(4), QStringList({"#5", "140.0", "NIO"}));
    QCOMPARE(ui->statisticsView->verdictRow(0).last(), QStringLiteral("IO"));
    QVERIFY(ui->statisticsView->note().contains(QStringLiteral("30")));
    // The commands on the selection cover the set.
    QVERIFY(ui->actionAlsPDFspeichern->isEnabled() &&
            ui->actionGewaehlteMessungexportieren->isEnabled());
    // Limits changed in the settings judge the set on OK, with the selection unchanged.
    ModalAnswerer settings([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("editUpperLimitN"))->setText("145");
        static_cast<QDialog *>(dialog)->accept();
    });
    ui->actionEinstellungen->trigger();
    QCOMPARE(ui->statisticsView->verdictRow(4).last(), QStringLiteral("IO"));

    // One row again: the single curve exactly as before, no legend, no statistics.
    select({3});
    QVERIFY(m_window->overlayPlot()->curves().isEmpty());
    QVERIFY(!ui->qwtPlot->legend());
    QVERIFY(m_window->plotCurve()->isVisible());
    QCOMPARE(int(m_window->plotCurve()->dataSize()), 40);
    QCOMPARE(ui->labelMeasN->text(), QStringLiteral("3"));
    QVERIFY(ui->frameMeasGraph->isVisible());
    QCOMPARE(ui->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 4.0);
    QVERIFY(!ui->statisticsView->isVisible());
}

void TestAnalysis::pinnedReferenceStaysWhileOthersAreBrowsed()
{
    select({2});
    ui->actionReferenzFesthalten->trigger();
    QVERIFY(ui->actionReferenzFesthalten->isChecked());
    QVERIFY(m_window->overlayPlot()->curves().isEmpty()); // the reference alone is the curve

    for (int number : {4, 5}) {
        select({number});
        const QList<QwtPlotCurve *> &curves = m_window->overlayPlot()->curves();
        QCOMPARE(curves.size(), 2);
        QCOMPARE(curves.at(0)->title().text(), QStringLiteral("Referenz: #2 24.01.17 10:05"));
        QCOMPARE(curves.at(0)->pen().color(), QColor(Qt::black));
        QVERIFY(curves.at(0)->pen().widthF() > curves.at(1)->pen().widthF());
        QCOMPARE(curves.at(1)->title().text().left(3), QStringLiteral("#%1 ").arg(number));
        QVERIFY(!ui->statisticsView->isVisible()); // statistics are of the selection
    }
    // The reference is a copy: a new transfer replacing the records keeps it.
    for (float &force : m_window->deviceData().records.at(1)->forces)
        force = 0.0f;
    select({4});
    QCOMPARE(m_window->overlayPlot()->curves().at(0)->sample(20).y(),
             double(110.0f * (40 - 20) / (40 - 12)));

    ui->actionReferenzFesthalten->trigger();
    QVERIFY(!ui->actionReferenzFesthalten->isChecked());
    QVERIFY(m_window->overlayPlot()->curves().isEmpty());

    // Nothing to pin on the device row.
    ui->treeView->setCurrentIndex(m_window->model()->index(0, 0));
    ui->actionReferenzFesthalten->trigger();
    QVERIFY(!ui->actionReferenzFesthalten->isChecked());
}

void TestAnalysis::alignmentPutsStartOrMaximumAtZero_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<double>>("firstTimes"); // of records 1 and 5
    QTest::addColumn<QList<double>>("maximumTimes");
    // Record 1 peaks at sample 10, record 5 at 18; 5 % of the peak is reached
    // by sample 1 on both ramps.
    QTest::newRow("none") << "actionNichtAusrichten" << QList<double>{0.0, 0.0}
                          << QList<double>{1.0, 1.8};
    QTest::newRow("start") << "actionAmStartAusrichten" << QList<double>{-0.1, -0.1}
                           << QList<double>{0.9, 1.7};
    QTest::newRow("maximum") << "actionAmMaximumAusrichten" << QList<double>{-1.0, -1.8}
                             << QList<double>{0.0, 0.0};
}

void TestAnalysis::alignmentPutsStartOrMaximumAtZero()
{
    QFETCH(QString, action);
    QFETCH(QList<double>, firstTimes);
    QFETCH(QList<double>, maximumTimes);
    select({1, 5});
    m_window->findChild<QAction *>(action)->trigger();
    QVERIFY(m_window->findChild<QAction *>(action)->isChecked());
    const QList<QwtPlotCurve *> &curves = m_window->overlayPlot()->curves();
    QCOMPARE(curves.size(), 2);
    const QList<QwtPlotMarker *> &maxima = m_window->plotAnalysis()->maximumMarkers();
    QCOMPARE(maxima.size(), 2);
    for (int k = 0; k < 2; ++k) {
        QVERIFY(std::fabs(curves.at(k)->sample(0).x() - firstTimes.at(k)) < 1e-6);
        QVERIFY(std::fabs(maxima.at(k)->xValue() - maximumTimes.at(k)) < 1e-6);
    }
}

void TestAnalysis::zoomPanAndWholeView()
{
    select({3});
    PlotAnalysis *analysis = m_window->plotAnalysis();
    const QRectF whole = analysis->visibleRect();
    QCOMPARE(whole.left(), 0.0);
    QCOMPARE(whole.right(), 4.0);

    // The zoomer's rubber band, on the break of the curve.
    analysis->zoomTo(QRectF(QPointF(1.0, 80.0), QPointF(2.0, 130.0)));
    QRectF zoomed = analysis->visibleRect();
    QCOMPARE(zoomed.left(), 1.0);
    QCOMPARE(zoomed.right(), 2.0);
    QCOMPARE(zoomed.top(), 80.0);
    QCOMPARE(zoomed.bottom(), 130.0);
    QCOMPARE(analysis->zoomer()->zoomRectIndex(), 1u);

    // Panning moves the view; the wheel zooms out around its centre.
    // As the panner does when the middle button is let go.
    emit analysis->panner()->panned(-100, 0);
    QVERIFY(std::fabs(analysis->visibleRect().left() - 1.0) > 0.1);
    QWheelEvent wheel(QPointF(50, 50), ui->qwtPlot->canvas()->mapToGlobal(QPoint(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ui->qwtPlot->canvas(), &wheel);
    QVERIFY(std::fabs(analysis->visibleRect().width() - 1.0) > 0.01);

    ui->actionGesamtansicht->trigger();
    QCOMPARE(analysis->visibleRect(), whole);
    // The zoomer starts again from the whole view: one step back stays there.
    analysis->zoomer()->zoom(-1);
    QCOMPARE(analysis->visibleRect(), whole);
}

void TestAnalysis::cursorReadsTheNearestSampleAndTheMaximumIsMarked()
{
    select({1});
    PlotAnalysis *analysis = m_window->plotAnalysis();
    // Record 1: 100 N at 1.0 s; samples every 0.1 s.
    QCOMPARE(analysis->maximumMarkers().size(), 1);
    QCOMPARE(analysis->maximumMarkers().first()->value(), QPointF(1.0, 100.0));
    QCOMPARE(analysis->maximumMarkers().first()->label().text(), QStringLiteral("Fmax = 100.0 N"));

    analysis->placeCursor(QPointF(0.53, 0.0));
    QCOMPARE(analysis->cursorReadout(), QStringLiteral("t = 0.500 s  F = 50.0 N"));
    QVERIFY(analysis->cursorMarker()->isVisible());
    QCOMPARE(analysis->cursorMarker()->value(), QPointF(0.5, 50.0));
    QCOMPARE(m_window->statusBar()->currentMessage(), analysis->cursorReadout());

    // The mouse over the canvas moves it, as the picker follows the mouse.
    const QwtScaleMap x = ui->qwtPlot->canvasMap(QwtPlot::xBottom);
    const QwtScaleMap y = ui->qwtPlot->canvasMap(QwtPlot::yLeft);
    QTest::mouseMove(ui->qwtPlot->canvas(), QPoint(int(x.transform(2.02)), int(y.transform(50))));
    // The sample times are computed, so 2.0 may be off in the last bit.
    QTRY_VERIFY(qFuzzyCompare(analysis->cursorMarker()->value().x(), 2.0));

    // Of several curves the nearest on the screen, named in the readout.
    select({1, 5});
    analysis->placeCursor(QPointF(1.8, 139.0));
    QCOMPARE(analysis->cursorReadout(),
             QStringLiteral("#5 24.01.17 10:20: t = 1.800 s  F = 140.0 N"));
    QVERIFY(!analysis->cursorMarker()->label().isEmpty());
    QCOMPARE(analysis->maximumMarkers().size(), 2);
    QVERIFY(analysis->maximumMarkers().first()->label().isEmpty());

    // A report's diagram shows the curves as they are: the marks are hidden
    // while it is rendered, and back afterwards.
    {
        const PlotAnalysis::MarkersHidden hidden(analysis);
        QVERIFY(!analysis->cursorMarker()->isVisible());
        QVERIFY(!analysis->maximumMarkers().last()->isVisible());
    }
    QVERIFY(analysis->cursorMarker()->isVisible());
    QVERIFY(analysis->maximumMarkers().last()->isVisible());
}

// With a million samples the screen gets a few points per pixel column and
// the same picture: each column spans the lowest to the highest sample in it.
void TestAnalysis::levelOfDetailDrawsTheSamePicture()
{
    auto *m = new Measurement(9);
    m->sampleRate = 10000.0f;
    for (int i = 0; i < 1000000; ++i)
        m->forces.append(float(100.0 * std::sin(i / 20000.0) + 30.0 * std::sin(i / 7.0)));
    m->sampleCount = uint32_t(m->forces.size());
    m->dateText = "24;01;2017";
    m->timeText = "11;00;00";
    m_window->deviceData().records.append(m);
    m_window->model()->item(0)->appendRow(row(9));
    ui->treeView->setCurrentIndex(m_window->model()->index(5, 0, m_window->model()->index(0, 0)));
    auto *curve = dynamic_cast<ForceCurve *>(m_window->plotCurve());
    QVERIFY(curve);
    QCOMPARE(int(curve->dataSize()), 1000000);
    curve->setPen(QPen(Qt::blue, 1.0));
    m_window->plotAnalysis()->maximumMarkers().first()->setVisible(false);

    const QImage reduced = ui->qwtPlot->canvas()->grab().toImage();
    const int width = ui->qwtPlot->canvas()->width();
    QVERIFY(curve->lastDrawnPointCount() > 0);
    QVERIFY2(curve->lastDrawnPointCount() <= 4 * (width + 2),
             qPrintable(QString::number(curve->lastDrawnPointCount())));
    curve->setLevelOfDetail(false);
    const QImage full = ui->qwtPlot->canvas()->grab().toImage();
    const auto a = columnExtents(reduced);
    const auto b = columnExtents(full);
    for (int x = 2; x < a.size() - 2; ++x) {
        QVERIFY2(std::abs(a[x].first - b[x].first) <= 2 && std::abs(a[x].second - b[x].second) <= 2,
                 qPrintable(QStringLiteral("column %1: %2..%3 against %4..%5")
                                .arg(x)
                                .arg(a[x].first)
                                .arg(a[x].second)
                                .arg(b[x].first)
                                .arg(b[x].second)));
    }
}

void TestAnalysis::selectionIsExportedSideBySideToCsvAndExcel()
{
    m_status->exportListCsvWithSepHeader = false;
    select({4, 2});
    const QString csv = m_configHome.filePath("auswahl.csv");
    {
        const auto answerer = answerSaveDialog(csv);
        ui->actionGewaehlteMessungexportieren->trigger();
        QCOMPARE(answerer->seen(), QStringList({"QFileDialog"}));
    }
    const QList<QByteArray> lines = readFile(csv).split('\n');
    QCOMPARE(lines.size(), 10 + 40 + 1);
    QCOMPARE(lines.at(5), QByteArray("\"Messung-Nr:\",\"2\",\"4\"\r"));
    QCOMPARE(lines.at(9), QByteArray("\"Zeit / s\",\"Kraft / N\",\"Kraft / N\"\r"));
    // 0.3 s: record 2 (peak 110 N at 1.2 s) and record 4 (130 N at 1.6 s) on their ramps.
    QCOMPARE(lines.at(13), QByteArray("\"0.300\",\"27.5\",\"24.4\"\r"));

    const QString xlsx = m_configHome.filePath("auswahl");
    {
        const auto answerer = answerSaveDialog(xlsx);
        ui->actionExcelExportieren->trigger();
        QCOMPARE(answerer->seen(), QStringList({"QFileDialog"}));
    }
    const WorkbookReader book(xlsx + ".xlsx");
    QCOMPARE(book.sheetNames(),
             QStringList({"Tensimo Parl", "Statistik Tensimo Parl", "Regelkarte Tensimo Parl"}));
    const WorkbookReader::Sheet data = book.sheet(1);
    QCOMPARE(WorkbookReader::text(data, "B3"), QStringLiteral("TP-0815"));
    QCOMPARE(WorkbookReader::number(data, "B6"), 2.0);
    QCOMPARE(WorkbookReader::number(data, "C6"), 4.0);
    QVERIFY(qFuzzyCompare(WorkbookReader::number(data, "B16"), double(110.0f * 5 / 12)));
    const WorkbookReader::Sheet stats = book.sheet(2);
    const int force = WorkbookReader::rowOf(stats, QStringLiteral("Maximalkraft / N"));
    QCOMPARE(WorkbookReader::number(stats, QStringLiteral("C%1").arg(force)), 120.0);

    // The device row stands for all measurements.
    ui->treeView->setCurrentIndex(m_window->model()->index(0, 0));
    const QString all = m_configHome.filePath("alle.xlsx");
    {
        const auto answerer = answerSaveDialog(all);
        ui->actionExcelExportieren->trigger();
    }
    QCOMPARE(WorkbookReader::number(WorkbookReader(all).sheet(1), "F6"), 5.0);
}

void TestAnalysis::reportOfSeveralShowsOverlayAndStatistics()
{
    m_status->printLogoFilename.clear();
    select({1, 3, 5});
    const QString several = m_configHome.filePath("serie.pdf");
    {
        const auto answerer = answerSaveDialog(several);
        ui->actionAlsPDFspeichern->trigger();
        QCOMPARE(answerer->seen(), QStringList({"QFileDialog", "QInputDialog"}));
    }
    const QString text = pdfText(several);
    for (const char *expected : {"Serie", "TP-0815", "Statistik", "Maximalkraft / N",
                                 "Standardabweichung", "10:20", "120.00", "140.0 N",
                                 "Regelkarte I-MR", "Keine Regel verletzt."})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    // Every page names its series, so that a loose page is still identified.
    int pages = 0;
    for (const QString &page : text.split(QLatin1Char('\f'))) {
        if (page.trimmed().isEmpty())
            continue;
        ++pages;
        QVERIFY2(page.contains("TP-0815") && page.contains("Serie"), qPrintable(page));
    }
    QVERIFY(pages >= 2);

    // One measurement: its own report, the diagram without the analysis marks.
    select({3});
    QVERIFY(!m_window->plotAnalysis()->maximumMarkers().isEmpty());
    const QString single = m_configHome.filePath("einzeln.pdf");
    {
        const auto answerer = answerSaveDialog(single);
        ui->actionAlsPDFspeichern->trigger();
    }
    const QString singleText = pdfText(single);
    QVERIFY(singleText.contains(QStringLiteral("Maximalkraft:")));
    QVERIFY(!singleText.contains(QStringLiteral("Statistik")));
    QVERIFY(m_window->plotAnalysis()->maximumMarkers().first()->isVisible());
}

// Maxima 100, 110, 120, 130 and 200 N: x̄ 132, MR̄ 25, UCL 132 + 3 * 25 / d2 =
// 198.5, so #5 lies beyond it; the chart tab is there only for several rows.
void TestAnalysis::controlChartMarksARuleBreakAndTheSeriesGoesOutAsDfq()
{
    m_window->deviceData().records.last()->forceMax = 200.0f;
    QCOMPARE(ui->tabsDiagram->indexOf(ui->controlChartView), -1);
    select({1, 2, 3, 4, 5});
    ui->tabsDiagram->setCurrentWidget(ui->controlChartView);
    QCOMPARE(ui->controlChartView->violationCount(), 1);
    QCOMPARE(ui->controlChartView->violationRow(0),
             QStringList({"5", "#5", "Nelson 1: Punkt außerhalb der Eingriffsgrenzen"}));
    QVERIFY(ui->controlChartView->sourceText().contains(QStringLiteral("MR")));
    // At 1024x768 charts, violations and statistics fit without scrolling.
    m_window->resize(1024, 768);
    QTest::qWait(50);
    QCOMPARE(ui->controlChartView->findChild<QScrollArea *>()->verticalScrollBar()->maximum(), 0);
    QVERIFY(ui->statisticsView->isVisible());

    // Limits kept from this period judge the next selection: #1-#3 lie
    // within them, though their own limits would be narrower.
    auto *keep = ui->controlChartView->findChild<QCheckBox *>(QStringLiteral("checkFixLimits"));
    keep->setChecked(true);
    const ChartLimits reference = *ui->controlChartView->settings().fixedLimits;
    select({1, 2, 3});
    QVERIFY(ui->controlChartView->chart().chart->fixedLimits);
    QCOMPARE(ui->controlChartView->chart().chart->limits.location.upper,
             reference.location.upper);
    keep->setChecked(false);
    QVERIFY(!ui->controlChartView->chart().chart->fixedLimits);
    select({1, 2, 3, 4, 5});
    // X̄-R: the statistics' Cp/Cpk follow the chart's within estimate.
    auto *type = ui->controlChartView->findChild<QComboBox *>(QStringLiteral("comboType"));
    type->setCurrentIndex(type->findText(QString::fromUtf8("X\u0304-R")));
    QVERIFY(ui->statisticsView->note().contains(QString::fromUtf8("R\u0304/d2 (n = 5)")));
    type->setCurrentIndex(0);

    const QString dfq = m_configHome.filePath("serie");
    {
        const ModalAnswerer answerer([&](QWidget *dialog) {
            if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
                files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(dfq);
                static_cast<QDialog *>(files)->accept();
            } else if (dialog->objectName() == QLatin1String("DfqPartDialog")) {
                dialog->findChild<QLineEdit *>(QStringLiteral("editNumber"))->setText("P-7");
                static_cast<QDialog *>(dialog)->accept();
            } else {
                dialog->close();
            }
        });
        ui->actionDfqExportieren->trigger();
        QCOMPARE(answerer.seen(), QStringList({"QDialog", "QFileDialog"}));
    }
    const QByteArray bytes = readFile(dfq + ".dfq");
    QVERIFY(bytes.startsWith("K0100 3\r\nK1001 P-7\r\nK1002 \r\n"));
    QVERIFY(bytes.contains("K0001/1 200.00\r\nK0004/1 24.01.2017/10:20:00\r\nK0009/1 TP-0815 #5"));

    select({3});
    QCOMPARE(ui->tabsDiagram->indexOf(ui->controlChartView), -1);
    QVERIFY(ui->qwtPlot->isVisible());
}

// The forces at 0.5 s are 50.0, 45.8, 42.9, 40.6 and 38.9 N: two above 45 N.
// The characteristic is charted and counted while its plan is active.
void TestAnalysis::theActivePlansCharacteristicsAreChartedAndCounted()
{
    TestPlan plan;
    plan.name = QStringLiteral("Feder");
    Characteristic at;
    at.name = QStringLiteral("F 0,5 s");
    at.kind = CharacteristicKind::ForceAtTime;
    at.from = 0.5;
    at.upper = 45.0;
    plan.characteristics = {at};
    m_services->activePlan().setPlan(plan);
    select({1, 2, 3, 4, 5});
    ui->tabsDiagram->setCurrentWidget(ui->controlChartView);
    auto *quantity = ui->controlChartView->findChild<QComboBox *>(QStringLiteral("comboQuantity"));
    QCOMPARE(quantity->count(), 4);
    quantity->setCurrentIndex(3);
    QCOMPARE(ui->controlChartView->chart().values.size(), 5);
    const QString verdict = ui->controlChartView->verdictText();
    QVERIFY2(verdict.contains("2 von 5 n.i.O.") && verdict.contains("OGW 45.00 N"), qPrintable(verdict));
    QCOMPARE(ui->statisticsView->statisticsRow(3).first(), QStringLiteral("F 0,5 s / N"));
    QCOMPARE(ui->statisticsView->verdictRow(0).last(), QStringLiteral("n.i.O.: F 0,5 s"));
    // The series report: the characteristic's statistics, note and chart.
    const QString pdf = m_configHome.filePath("plan.pdf");
    {
        const auto answerer = answerSaveDialog(pdf);
        ui->actionAlsPDFspeichern->trigger();
    }
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains("2 von 5 n.i.O.; Cpk 0.18") && text.contains("\nF 0,5 s / N"),
             qPrintable(text));
    m_services->activePlan().clear();
    QCOMPARE(quantity->count(), 3);
    QCOMPARE(ui->controlChartView->chart().quantity.builtIn, Quantity::MaximumForce);
    QCOMPARE(ui->statisticsView->statisticsRow(3), QStringList());
}

// The whole road against the simulated gauge: five measurements transferred,
// selected, overlaid with a legend and their statistics, zoomed on a break,
// the cursor read, and the set written as PDF, CSV and Excel workbook.
void TestAnalysis::fiveFromTheGaugeAreComparedAndExported()
{
    WindowHarness gauge;
    QVERIFY(gauge.setUp());
    QVERIFY(gauge.startGeneratedGauge({"--slots", "1-5", "--samples", "400", "--seed", "3"}));
    gauge.transfer();
    QCOMPARE(gauge.rowNumbers().size(), 5);
    Mainform *window = gauge.window();
    Ui::MainForm *form = gauge.ui();
    const QModelIndex device = gauge.deviceIndex();
    form->treeView->setCurrentIndex(window->model()->index(0, 0, device));
    form->treeView->selectionModel()->select(
        QItemSelection(window->model()->index(0, 0, device), window->model()->index(4, 0, device)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);

    const QList<QwtPlotCurve *> &curves = window->overlayPlot()->curves();
    QCOMPARE(curves.size(), 5);
    QCOMPARE(form->qwtPlot->legend()->findChildren<QwtLegendLabel *>().size(), 5);
    double sum = 0.0;
    for (const Measurement *m : window->deviceData().records)
        sum += double(m->forceMax);
    QCOMPARE(form->statisticsView->statisticsRow(0).mid(1, 2),
             QStringList({"5", QString::number(sum / 5, 'f', 1)}));

    // Zoom on the break of the first curve and read the cursor there.
    const QwtPlotCurve *first = curves.first();
    int top = 0;
    for (int i = 1; i < int(first->dataSize()); ++i)
        if (first->sample(i).y() > first->sample(top).y())
            top = i;
    const QPointF peak = first->sample(top);
    PlotAnalysis *analysis = window->plotAnalysis();
    analysis->zoomTo(QRectF(peak - QPointF(0.5, peak.y() / 4), peak + QPointF(0.5, peak.y() / 10)));
    QVERIFY(analysis->visibleRect().width() < 1.01);
    analysis->placeCursor(peak);
    QVERIFY2(
        analysis->cursorReadout().endsWith(QStringLiteral("F = %1 N").arg(peak.y(), 0, 'f', 1)),
        qPrintable(analysis->cursorReadout()));

    const QString pdf = gauge.filePath("fuenf.pdf");
    const QString csv = gauge.filePath("fuenf.csv");
    const QString xlsx = gauge.filePath("fuenf.xlsx");
    for (const auto &[file, action] : {std::make_pair(pdf, form->actionAlsPDFspeichern),
                                       std::make_pair(csv, form->actionGewaehlteMessungexportieren),
                                       std::make_pair(xlsx, form->actionExcelExportieren)}) {
        const auto answerer = answerSaveDialog(file);
        action->trigger();
        QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
    }
    QVERIFY(pdfText(pdf).contains(QStringLiteral("Standardabweichung")));
    QList<QByteArray> numbers;
    for (int number : gauge.rowNumbers())
        numbers << QByteArray::number(number);
    // The generated rates differ: an empty cell above each further time column.
    QVERIFY(readFile(csv).contains("\"Messung-Nr:\",\"" + numbers.join("\",\"\",\"") + "\"\r\n"));
    const WorkbookReader::Sheet sheet = WorkbookReader(xlsx).sheet(1);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(WorkbookReader::number(sheet, QString(QChar('B' + k)) + "6"),
                 numbers.at(k).toDouble());
}

QTEST_MAIN(TestAnalysis)
#include "tst_analysis.moc"
