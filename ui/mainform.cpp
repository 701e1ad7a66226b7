#include "ui/mainform.h"

#include "settings/statusini.h"
#include "ui/analysispanel.h"
#include "ui/archivebrowser.h"
#include "ui/archivefilterbar.h"
#include "ui/archiveserverstatus.h"
#include "ui/archivetree.h"
#include "ui/commandstates.h"
#include "ui/errorwindow.h"
#include "ui/exportwriter.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui/reportcommands.h"
#include "ui/windowgeometry.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"
#include "workflow/seriesset.h"

#include <QCloseEvent>
#include <QErrorMessage>
#include <QStandardItemModel>

Mainform::Mainform(ConfigIni *config, GaugeServices &services, const QString &versionText,
                   QWidget *parent)
    : QMainWindow(parent), versionText(versionText), m_services(services), config(config),
      status(&services.status()), ui(std::make_unique<Ui::MainForm>()),
      errorMessage(std::make_unique<ErrorWindow>()), treeModel(std::make_unique<MeasurementTree>())
{
    ui->setupUi(this);

    ui->frame2->setEnabled(false);
    ui->treeView->setModel(treeModel.get());
    m_commands = std::make_unique<CommandStates>(ui.get());
    m_commands->forGaugeRow(false, false);
    m_commands->forErasable(0);
    m_page = std::make_unique<MeasurementPage>(ui.get());
    m_exportWriter = new ExportWriter(this, statusBar(), status, errorMessage.get());
    setUpAnalysis();
    setUpReports();

    connect(ui->treeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Mainform::measSelected);
    connect(ui->treeView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Mainform::selectionChanged);
    setUpArchive();
    setUpCalibrationCommand();
    setUpPlanEditor();
    setUpLayout();
    setUpDeviceJob();
}

Mainform::~Mainform()
{
    // A job still on the gauge ends first: its questions would reach a
    // half-destroyed window.
    m_job->end();
    // The selection must not reach a half-destroyed window.
    disconnect(ui->treeView->selectionModel(), nullptr, this, nullptr);
    measurements.clear();
    ui->treeView->setModel(nullptr);
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
            m_page->showValues(
                *found, measurements.forceUnitFactor, measurements.forceUnitText,
                forceLimitsFor(*status, measurements.forceUnitText),
                calibrationMarkText(calibrationMarkOf(*found, measurements.calibration)));
        else
            m_page->clearValues();
    }
    m_commands->forGaugeRow(number != 0, true);
    m_commands->forErasable(erasableSlotNumbers().size());
}

QStandardItemModel *Mainform::model() const
{
    return treeModel.get();
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

void Mainform::setUpLayout()
{
    QWidget *treeColumn = ui->treeView;
    while (treeColumn->parentWidget() && treeColumn->parentWidget() != ui->frame2)
        treeColumn = treeColumn->parentWidget();
    splitTreeAndPage(ui->frame2, treeColumn, ui->stackedWidgetMeas);
    // The keyboard goes top down: the transfer button, the archive's filter,
    // the tree, then the page (the filter bar is made after the form).
    QWidget *previous = ui->buttonTransfer;
    for (QWidget *field :
         archiveFilter()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (field->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, field);
            previous = field;
        }
    }
    setTabOrder(previous, ui->treeView);
}

void Mainform::setLinkTiming(const LinkTiming &timing)
{
    if (m_job->isRunning())
        return;
    m_services.setLinkTiming(timing);
}

void Mainform::on_buttonTransfer_clicked()
{
    transferData();
}

void Mainform::on_actionDatenUebertragen_triggered()
{
    transferData();
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
    if (firstShow)
        restoreWindowGeometry(*this, *status);
    firstShow = false;
}

void Mainform::closeEvent(QCloseEvent *event)
{
    keepWindowGeometry(*this, *status);
    QMainWindow::closeEvent(event);
    // The error window has no parent, so that a window-modal progress dialog
    // does not block it; left open, it would keep the program running.
    if (event->isAccepted())
        errorMessage->close();
}
