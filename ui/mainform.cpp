#include "ui/mainform.h"

#include "device/gaugesession.h"
#include "settings/statusini.h"
#include "ui/archivetree.h"
#include "ui/errorwindow.h"
#include "ui/exportwriter.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui/reportcommands.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"

#include <QCloseEvent>
#include <QErrorMessage>
#include <QShowEvent>
#include <QStandardItemModel>

#include <algorithm>

Mainform::Mainform(ConfigIni *config, StatusIni *status, const QString &versionText,
                   QWidget *parent)
    : QMainWindow(parent), versionText(versionText), config(config), status(status),
      errorMessage(new ErrorWindow), treeModel(new MeasurementTree), ui(new Ui::MainForm)
{
    session = new GaugeSession;
    ui->setupUi(this);

    ui->frame2->setEnabled(false);
    ui->treeView->setModel(treeModel);
    setMeasurementActionsEnabled(false, false);
    m_page = new MeasurementPage(ui);
    m_exportWriter = new ExportWriter(this, statusBar(), status, errorMessage);
    setUpAnalysis();
    setUpReports();

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
    delete m_reports;
    tearDownAnalysis();
    delete m_page;
    tearDownArchive();
    delete session;
    ui->treeView->setModel(nullptr);
    delete treeModel;
    delete errorMessage;
    delete ui;
}

int Mainform::currentMeasurementNumber() const
{
    return MeasurementTree::numberAt(ui->treeView->currentIndex());
}

void Mainform::showMeasurement(int number)
{
    if (number == 0) {
        m_page->showDevicePage();
    } else {
        const Measurement *found = findMeasurement(measurements.records, number);
        if (found && found->sampleCount != 0)
            m_page->showValues(*found, measurements.forceUnitFactor, measurements.forceUnitText);
        else
            m_page->clearValues();
    }
    setMeasurementActionsEnabled(number != 0, true);
}

QStandardItemModel *Mainform::model() const
{
    return treeModel;
}

QwtPlotCurve *Mainform::plotCurve() const
{
    return m_page->curve();
}

void Mainform::showEmptySelection()
{
    m_page->clearShown();
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
    session = new GaugeSession(timing);
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
