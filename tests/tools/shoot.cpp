// Opens the real main window, downloads the measurements of the gauge found on
// the serial ports (the simulated one, started by scripts/screenshots.sh),
// and saves PNG pictures of the device page, of the newest measurement, of
// five measurements overlaid with their statistics and of the zoom on a
// curve's break with the cursor on it; or of the control chart tab of all
// measurements, and the series report as PDF (its control chart page is
// turned into a picture by scripts/screenshots.sh).
//
//   tspx-shoot <language> <output prefix> [chart|group|gauge|plan]
//
// With "chart" only the control chart tab and the series report. With
// "group" the window fills the screen: the chart tab of the "Archiv" row and
// the settings dialog, named after the screen's size
// (chart-group-<language>-<width>x<height>.png, settings-...). With "gauge"
// the calibration dialog (one record added) and the type-1 study page of 25
// measurements of a reference weight, each at 1024x768. With "plan" the test
// plan editor with a window box and a found break, at 1024x768.
//
// With TSPX_SHOOT_AS_OPENED set, the window keeps the size it opens with on
// the screen, the pictures show the whole screen, and the settings dialog is
// taken in every language.

#include "base/version.h"
#include "report/report.h"
#include "archive/calibrationstore.h"
#include "measurement/seriesstatistics.h"
#include "workflow/seriesset.h"
#include "ui/analysispanel.h"
#include "ui/calibrationdialog.h"
#include "ui/gaugestudypage.h"
#include "workflow/studyrecord.h"
#include "ui_calibrationdialog.h"
#include "ui_gaugestudypage.h"
#include "ui/controlchartview.h"
#include "plot/overlayplot.h"
#include "plot/plotanalysis.h"
#include "report/report.h"
#include "settings/configini.h"
#include "settings/datafolder.h"
#include "settings/statusini.h"
#include "ui/analysispanel.h"
#include "ui/controlchartview.h"
#include "ui/mainform.h"
#include "ui/measurementtree.h"
#include "ui/planeditor.h"
#include "ui_planeditor.h"
#include "ui/archivetree.h"
#include "ui/settingsdialog.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QItemSelectionModel>
#include <QPrinter>
#include <QScreen>
#include <QStandardItemModel>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

namespace {

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool asOpened()
{
    return qEnvironmentVariableIsSet("TSPX_SHOOT_AS_OPENED");
}

bool save(QWidget &window, const QString &path)
{
    settle(300);
    const bool saved = (asOpened() ? window.screen()->grabWindow(0) : window.grab()).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// Limits of the maximum force around the maxima of the first `rows` measurements.
void setLimitsAround(Mainform &window, StatusIni &status, int rows)
{
    QStandardItemModel *model = window.model();
    const QModelIndex device = model->index(0, 0);
    double lowest = 1e300, highest = -1e300;
    for (int row = 0; row < rows; ++row) {
        const int number = model->index(row, 0, device).data(MeasurementNumberRole).toInt();
        const Measurement *m = findMeasurement(window.deviceData().records, number);
        const double force = double(m->forceMax) * window.deviceData().forceUnitFactor;
        lowest = std::min(lowest, force);
        highest = std::max(highest, force);
    }
    const double margin = (highest - lowest) * 0.1;
    status.forceLimits[window.deviceData().forceUnitText.toLatin1()] = {
        QByteArray::number(std::floor(lowest + margin)),
        QByteArray::number(std::ceil(highest + margin))};
}

// Five measurements overlaid with their statistics, against limits around
// their maxima; then the zoom on the break of the first with the cursor on
// its maximum.
bool shootAnalysis(Mainform &window, StatusIni &status, const QString &prefix,
                   const QString &language)
{
    // The size of a lab's screen: the statistics need the width.
    if (!asOpened())
        window.resize(1260, 900);
    QStandardItemModel *model = window.model();
    const QModelIndex device = model->index(0, 0);
    // TSPX_SHOOT_ROWS selects more, for a report of several pages.
    const int wanted = qEnvironmentVariableIntValue("TSPX_SHOOT_ROWS");
    const int rows = std::min(wanted > 0 ? wanted : 5, model->rowCount(device));
    QItemSelectionModel *selection = window.formUi()->treeView->selectionModel();
    setLimitsAround(window, status, rows);
    selection->setCurrentIndex(model->index(0, 0, device), QItemSelectionModel::ClearAndSelect);
    selection->select(QItemSelection(model->index(0, 0, device), model->index(rows - 1, 0, device)),
                      QItemSelectionModel::Select);
    PlotAnalysis *analysis = window.plotAnalysis();
    const QList<QwtPlotCurve *> &curves = window.overlayPlot()->curves();
    if (curves.isEmpty())
        return false;
    bool ok = save(window, prefix + "overlay-" + language + ".png");
    if (asOpened()) {
        // The report of the five, to look at each page's head.
        ReportPrinter report(window.deviceData(), status, window.formUi()->qwtPlot);
        report.setDesignationPrompt([] { return QStringLiteral("Serie A-17"); });
        QPrinter printer(QPrinter::ScreenResolution);
        ok =
            report.saveSeriesPdf(window.selectedSet(), &printer,
                                 prefix + "series-" + language + ".pdf") == ReportResult::Printed &&
            ok;
    }

    // The break: around the first curve's maximum.
    const QwtPlotCurve *curve = curves.first();
    int top = 0;
    for (int i = 1; i < int(curve->dataSize()); ++i)
        if (curve->sample(i).y() > curve->sample(top).y())
            top = i;
    const QPointF peak = curve->sample(top);
    const QRectF whole = analysis->visibleRect();
    analysis->zoomTo(QRectF(QPointF(peak.x() - whole.width() * 0.08, peak.y() * 0.75),
                            QPointF(peak.x() + whole.width() * 0.08, peak.y() * 1.08)));
    analysis->placeCursor(peak);
    ok = save(window, prefix + "zoom-" + language + ".png") && ok;
    return ok;
}

// Every measurement in the control chart tab; then the series report of them.
bool shootControlChart(Mainform &window, StatusIni &status, const QString &prefix,
                       const QString &language)
{
    if (!asOpened())
        window.resize(1260, 900);
    QStandardItemModel *model = window.model();
    const QModelIndex device = model->index(0, 0);
    const int rows = model->rowCount(device);
    setLimitsAround(window, status, rows);
    QItemSelectionModel *selection = window.formUi()->treeView->selectionModel();
    selection->setCurrentIndex(model->index(0, 0, device), QItemSelectionModel::ClearAndSelect);
    selection->select(QItemSelection(model->index(0, 0, device), model->index(rows - 1, 0, device)),
                      QItemSelectionModel::Select);
    Ui::MainForm *ui = window.formUi();
    ui->tabsDiagram->setCurrentWidget(ui->controlChartView);
    bool ok = save(window, prefix + "controlchart-" + language + ".png");

    ReportPrinter report(window.deviceData(), status, ui->qwtPlot);
    report.setDesignationPrompt([] { return QStringLiteral("Bolzen M8"); });
    report.setChartSettings(ui->controlChartView->settings());
    QPrinter printer(QPrinter::ScreenResolution);
    const QString pdf = prefix + "series-report-" + language + ".pdf";
    ui->tabsDiagram->setCurrentWidget(ui->tabCurve);
    ok = report.saveSeriesPdf(window.selectedSet(), &printer, pdf) == ReportResult::Printed && ok;
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(pdf));
    return ok;
}

// The archive's top row charted in a window as large as the screen, and the
// settings dialog as it opens there.
bool shootArchiveGroup(Mainform &window, StatusIni &status, const QString &prefix,
                       const QString &language)
{
    const QSize screen = window.screen()->geometry().size();
    window.move(0, 0);
    window.resize(screen);
    QStandardItemModel *model = window.model();
    const QModelIndex device = model->index(0, 0);
    setLimitsAround(window, status, model->rowCount(device));
    QModelIndex archive;
    for (int row = 0; row < model->rowCount(); ++row)
        if (archiveRowKind(model->index(row, 0)) == ArchiveRow::Root)
            archive = model->index(row, 0);
    if (!archive.isValid())
        return false;
    window.formUi()->treeView->setCurrentIndex(archive);
    settle(500);
    const QString size = QStringLiteral("-%1x%2.png").arg(screen.width()).arg(screen.height());
    bool ok = save(window, prefix + "chart-group-" + language + size);
    SettingsDialog dialog(&status, &window);
    dialog.show();
    dialog.move(0, 0);
    ok = save(dialog, prefix + "settings-" + language + size) && ok;
    return ok;
}

// The calibration dialog with a record added, and the type-1 study page of
// 25 measurements of a 500 N reference weight.
bool shootGauge(Mainform &window, StatusIni &status, const QString &prefix,
                const QString &language)
{
    CalibrationDialog calibration(*window.measurementArchive(), window.deviceData().serialNr,
                                  &window);
    Ui::CalibrationDialog *form = calibration.formUi();
    form->editCertificate->setText(QStringLiteral("K-2025-0417"));
    form->dateCalibrated->setDate(QDate(2025, 4, 17));
    form->dateDue->setDate(QDate(2026, 4, 16));
    form->editLaboratory->setText(QStringLiteral("DAkkS D-K-15071-01"));
    form->editUncertainty->setText(QStringLiteral("0.05"));
    form->editReference->setText(QStringLiteral("Gewichtssatz M1 Nr. 88"));
    form->buttonAdd->click();
    calibration.resize(1024, 768);
    calibration.show();
    bool ok = save(calibration, prefix + "calibration-" + language + ".png");

    // 25 repeated measurements of a 500 N reference weight.
    std::vector<std::unique_ptr<Measurement>> repeats;
    MeasurementSet set = measurementSetOf(window.deviceData(), status);
    for (int i = 0; i < 25; ++i) {
        repeats.push_back(std::make_unique<Measurement>(i + 1));
        repeats.back()->forceMax = float(500.0 + 0.4 * std::sin(i * 1.7) + 0.2 * std::cos(i * 0.9));
        set.records << repeats.back().get();
    }
    GaugeStudyPage study(type1StudyOf(set, window.measurementArchive()),
                         window.measurementArchive(), status, &window);
    Ui::GaugeStudyPage *page = study.formUi();
    page->editReference->setText(QStringLiteral("500.0"));
    page->editTolerance->setText(QStringLiteral("20"));
    study.compute();
    study.resize(1024, 768);
    study.show();
    ok = save(study, prefix + "type1-study-" + language + ".png") && ok;
    return ok;
}

// The test plan editor beside the newest measurement at 1024x768: a window
// box on its rising flank, its maximum and its break found and marked.
bool shootPlan(Mainform &window, const QString &prefix, const QString &language)
{
    QTreeView *tree = window.formUi()->treeView;
    const QModelIndex row = window.model()->index(0, 0, window.model()->index(0, 0));
    const Measurement *m = findMeasurement(window.deviceData().records,
                                           row.data(MeasurementNumberRole).toInt());
    TestPlan plan;
    plan.name = QStringLiteral("Zugprüfung 4711");
    plan.partNumber = QStringLiteral("4711-A");
    plan.triggerForce = std::round(double(m->forceMax) * 0.05);
    const TriggeredCurve curve = TriggeredCurve::of(*m, plan.triggerForce);
    const int peak = int(std::max_element(curve.forces.begin(), curve.forces.end()) -
                         curve.forces.begin());
    Characteristic maximum;
    maximum.name = QStringLiteral("Fmax");
    maximum.lower = std::round(m->forceMax * 0.8);
    maximum.upper = std::round(m->forceMax * 1.2);
    Characteristic fracture;
    fracture.name = QStringLiteral("Bruch");
    fracture.kind = CharacteristicKind::BreakForce;
    fracture.within = 0.2;
    fracture.activation = std::round(m->forceMax * 0.2);
    fracture.lower = maximum.lower;
    Characteristic box;
    box.name = QStringLiteral("Fenster");
    box.kind = CharacteristicKind::Window;
    const int from = peak * 3 / 10, to = peak / 2;
    const double margin = m->forceMax * 0.1;
    box.box = WindowBox{curve.time(from), curve.time(to), curve.forces[from] - margin,
                        curve.forces[to] + margin, BoxSide::Left, BoxSide::Right};
    plan.characteristics = {maximum, fracture, box};
    window.planEditor()->editPlan(plan);
    window.resize(1024, 768);
    tree->setCurrentIndex(row);
    window.planEditor()->formUi()->tableCharacteristics->setCurrentCell(2, 0);
    return save(window, prefix + "plan-editor-" + language + ".png");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tspx-shoot <language> <output prefix> [chart]\n");
        return 2;
    }
    const bool chartOnly = argc == 4 && QByteArray(argv[3]) == "chart";
    const bool groupOnly = argc == 4 && QByteArray(argv[3]) == "group";
    const bool gaugeOnly = argc == 4 && QByteArray(argv[3]) == "gauge";
    const bool planOnly = argc == 4 && QByteArray(argv[3]) == "plan";
    const QString language = QString::fromLatin1(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[2]);

    QTranslator framework, program;
    loadTranslations(framework, program, language);
    QCoreApplication::installTranslator(&framework);
    QCoreApplication::installTranslator(&program);

    ConfigIni config("config");
    GaugeServices services;
    StatusIni &status = services.status();
    if (!asOpened()) {
        status.formWidth = 1003;
        status.formHeight = 736;
    }

    Mainform window(&config, services, QString::fromLatin1(versionString()));
    // The pointer off the window: the diagram's cursor shows where the tool puts it.
    QCursor::setPos(0, 0);
    window.show();
    settle(300);
    window.formUi()->buttonTransfer->click();
    // The transfer runs on the gauge's thread; its end comes as an event.
    while (window.deviceJobRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    QStandardItemModel *model = window.model();
    if (model->rowCount() == 0 || model->item(0)->rowCount() == 0) {
        std::fprintf(stderr, "no measurements were transferred\n");
        return 1;
    }
    if (chartOnly)
        return shootControlChart(window, status, prefix, language) ? 0 : 1;
    if (groupOnly)
        return shootArchiveGroup(window, status, prefix, language) ? 0 : 1;
    if (gaugeOnly)
        return shootGauge(window, status, prefix, language) ? 0 : 1;
    if (planOnly)
        return shootPlan(window, prefix, language) ? 0 : 1;
    QTreeView *tree = window.formUi()->treeView;
    const QModelIndex device = model->index(0, 0);
    tree->setCurrentIndex(device);
    bool ok = save(window, prefix + "device-" + language + ".png");
    tree->setCurrentIndex(model->index(0, 0, device));
    ok = save(window, prefix + "measurement-" + language + ".png") && ok;
    ok = shootAnalysis(window, status, prefix, language) && ok;
    if (language == QLatin1String("de") || asOpened()) {
        // The settings dialog with the limits the overlay was judged by.
        SettingsDialog dialog(&status, &window);
        dialog.show();
        ok = save(dialog, prefix + (asOpened() ? "settings-" + language + ".png"
                                               : QStringLiteral("settings-dialog.png"))) &&
             ok;
    }
    return ok ? 0 : 1;
}
