#include "ui/mainform.h"

#include "device/gaugesession.h"
#include "plot/forceplot.h"
#include "plot/overlayplot.h"
#include "plot/plotanalysis.h"
#include "settings/statusini.h"
#include "ui/archivetree.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"

#include <QCloseEvent>
#include <QErrorMessage>
#include <QShowEvent>
#include <QStandardItemModel>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <algorithm>

namespace {

constexpr int kMeasurementPage = 0;
constexpr int kDevicePage = 1;

} // namespace

Mainform::Mainform(ConfigIni *config, StatusIni *status, const QString &versionText,
                   QWidget *parent)
    : QMainWindow(parent), versionText(versionText), config(config), status(status),
      errorMessage(new QErrorMessage), treeModel(new QStandardItemModel), ui(new Ui::MainForm)
{
    session = new GaugeSession(status);
    ui->setupUi(this);

    ui->frame2->setEnabled(false);
    ui->treeView->setModel(treeModel);
    ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
    setMeasurementActionsEnabled(false, false);

    const ForcePlotItems items = configureForcePlot(ui->qwtPlot, ui->stackedWidgetMeas->font());
    curve = items.curve;
    grid = items.grid;
    setUpAnalysis();

    connect(ui->treeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Mainform::measSelected);
    connect(ui->treeView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Mainform::selectionChanged);
    setUpArchive();
}

Mainform::~Mainform()
{
    // The selection must not reach a half-destroyed window.
    disconnect(ui->treeView->selectionModel(), nullptr, this, nullptr);
    measurements.clear();
    tearDownAnalysis();
    grid->detach();
    delete grid;
    curve->detach();
    delete curve;
    tearDownArchive();
    delete session;
    ui->treeView->setModel(nullptr);
    delete treeModel;
    delete errorMessage;
    delete ui;
}

int Mainform::currentMeasurementNumber() const
{
    const QModelIndex current = ui->treeView->currentIndex();
    if (!current.isValid())
        return 0;
    bool isInt = false;
    const int number = current.data(MeasurementNumberRole).toInt(&isInt);
    return isInt && number > 0 ? number : 0;
}

void Mainform::showMeasurement(int number)
{
    if (number == 0) {
        ui->stackedWidgetMeas->setCurrentIndex(kDevicePage);
    } else {
        const Measurement *found = findMeasurement(measurements.records, number);
        if (found && found->sampleCount != 0)
            showMeasurementValues(*found);
        else
            clearMeasurementValues();
    }
    setMeasurementActionsEnabled(number != 0, true);
}

void Mainform::showMeasurementValues(const Measurement &measurement)
{
    showMeasurementValues(measurement, measurements.forceUnitFactor, measurements.forceUnitText);
}

void Mainform::showMeasurementValues(const Measurement &measurement, double factor,
                                     const QString &unit)
{
    ui->labelMeasN->setText(QString::number(measurement.number));
    ui->labelMeasDate->setText(formatMeasurementDate(measurement.dateText));
    ui->labelMeasTime->setText(formatMeasurementTime(measurement.timeText));
    ui->labelForceStart->setText(formatForce(measurement.forceStart, factor, unit));
    ui->labelForceMax->setText(formatForce(measurement.forceMax, factor, unit));
    ui->labelForceEnd->setText(formatForce(measurement.forceEnd, factor, unit));
    ui->labelForceAvg->setText(formatForce(measurement.forceAvg, factor, unit));
    showForceCurve(ui->qwtPlot, curve, measurement, factor, unit);
    ui->stackedWidgetMeas->setEnabled(true);
    ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
}

void Mainform::clearMeasurementValues()
{
    ui->labelSerialNr->clear();
    clearShownMeasurement();
    ui->stackedWidgetMeas->setEnabled(false);
    ui->stackedWidgetMeas->setCurrentIndex(kMeasurementPage);
}

void Mainform::clearShownMeasurement()
{
    for (QLabel *label : {ui->labelMeasN, ui->labelMeasDate, ui->labelMeasTime, ui->labelForceStart,
                          ui->labelForceMax, ui->labelForceEnd, ui->labelForceAvg})
        label->clear();
    clearForceCurve(curve);
}

void Mainform::showEmptySelection()
{
    clearShownMeasurement();
    measSelected(ui->treeView->currentIndex(), QModelIndex());
}

void Mainform::setMeasurementActionsEnabled(bool selected, bool all)
{
    for (QAction *action :
         {ui->actionDruckvorschau, ui->actionDrucken, ui->actionAlsPDFspeichern,
          ui->actionGewaehlteMessungexportieren, ui->actionGewaehlteMessungloeschen})
        action->setEnabled(selected);
    ui->actionAlleMessungenexportieren->setEnabled(all);
    ui->actionAlleMessungenloeschen->setEnabled(all);
}

void Mainform::setLinkTiming(const LinkTiming &timing)
{
    if (!busyGuard.tryAcquire())
        return;
    delete workflow;
    delete session;
    session = new GaugeSession(status, timing);
    workflow = new GaugeWorkflow(*session, *measurementArchive(), *status);
    busyGuard.release();
}

void Mainform::on_buttonTransfer_clicked()
{
    runDeviceJob(TransferJob);
}

void Mainform::measSelected(const QModelIndex &current, const QModelIndex & /*previous*/)
{
    if (isArchiveRow(current)) {
        showArchivedRow(current);
        return;
    }
    showMeasurement(current.isValid() ? current.data(MeasurementNumberRole).toInt() : 0);
    updateAnalysis();
}

void Mainform::clearStatusBar()
{
    statusBar()->showMessage(QString());
}

void Mainform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!firstShow)
        return;
    firstShow = false;
    move(status->formPosX, status->formPosY);
    resize(status->formWidth, status->formHeight);
    if (status->formMaximized)
        showMaximized();
}

void Mainform::closeEvent(QCloseEvent *event)
{
    // A maximized window keeps the last normal geometry in the file.
    if (!isMaximized()) {
        status->formPosX = std::max(0, x());
        status->formPosY = std::max(0, y());
        status->formWidth = width();
        status->formHeight = height();
    }
    status->formMaximized = isMaximized();
    QMainWindow::closeEvent(event);
}
