// The archive in the window is the ArchiveBrowser's; here it is wired in.
#include "ui/mainform.h"

#include "settings/statusini.h"
#include "ui/analysispanel.h"
#include "ui/archivebrowser.h"
#include "ui/archiveserverstatus.h"
#include "ui/archivetree.h"
#include "ui/commandstates.h"
#include "ui/exportwriter.h"
#include "ui/groupevaluationcommand.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"
#include "workflow/seriesset.h"

#include <QMenu>

void Mainform::setUpArchive()
{
    m_archiveBrowser = std::make_unique<ArchiveBrowser>(
        ArchiveBrowser::Parts{this, ui->frame2, ui->treeView, treeModel.get(), status,
                              errorMessage.get(), &m_services.archive()});
    ArchiveBrowser *browser = m_archiveBrowser.get();
    connect(browser, &ArchiveBrowser::measurementShown, this,
            [this](const Measurement &m, double factor, const QString &unit) {
                m_page->showValues(m, factor, unit, forceLimitsFor(*status, unit));
            });
    connect(browser, &ArchiveBrowser::measurementCleared, this, [this] { m_page->clearValues(); });
    connect(browser, &ArchiveBrowser::exportRequested, this,
            [this](const QList<const Measurement *> &records, const DeviceData &source) {
                m_exportWriter->exportCsv(records, source);
            });
    m_serverStatus = std::make_unique<ArchiveServerStatus>(
        browser->archive(), statusBar(), ui->actionArchivAbgleichen, errorMessage.get());
    ArchiveServerStatus *serverStatus = m_serverStatus.get();
    connect(browser, &ArchiveBrowser::archiveOpened, serverStatus, &ArchiveServerStatus::attach);
    connect(browser, &ArchiveBrowser::archiveWritten, serverStatus, &ArchiveServerStatus::refresh);
    connect(serverStatus, &ArchiveServerStatus::archiveChanged, browser, [this] {
        m_archiveBrowser->rebuildRows();
        m_archiveBrowser->enableFrameForBrowsing();
    });
    ui->actionArchivNachStationen->setChecked(status->archiveByStation);
    connect(ui->actionArchivNachStationen, &QAction::toggled, browser,
            &ArchiveBrowser::setGroupByStation);
    setUpGroupEvaluation();
    m_archiveBrowser->open();
}

void Mainform::setUpGroupEvaluation()
{
    m_groupEvaluation = new GroupEvaluationCommand(
        {this, &m_services.archive(), &m_services.activePlan(), errorMessage.get()}, this);
    connect(ui->actionMitPruefplanBewerten, &QAction::triggered, this,
            [this] { m_groupEvaluation->run(m_archiveBrowser->currentGroup()); });
    connect(m_groupEvaluation, &GroupEvaluationCommand::measurementChosen, this,
            [this](const JudgedMeasurement &measurement) {
                m_archiveBrowser->selectArchived(measurement);
                activateWindow();
            });
    // The command on an archive row's context menu too (a right click makes it current).
    ui->treeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->treeView, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (!ui->actionMitPruefplanBewerten->isEnabled())
            return;
        QMenu menu(ui->treeView);
        menu.addAction(ui->actionMitPruefplanBewerten);
        menu.exec(ui->treeView->viewport()->mapToGlobal(at));
    });
}

MeasurementArchive *Mainform::measurementArchive() const
{
    return &m_services.archive();
}

ArchiveFilterBar *Mainform::archiveFilter() const
{
    return m_archiveBrowser->filterBar();
}

QModelIndex Mainform::archiveIndex() const
{
    return m_archiveBrowser->rootIndex();
}

void Mainform::archiveFilterChanged()
{
    m_archiveBrowser->rebuildRows();
}

void Mainform::showArchivedRow(const QModelIndex &index)
{
    m_archiveBrowser->showRow(index);
    // A group's page is its control chart and statistics.
    const bool group = m_analysisPanel->archiveGroupCurrent();
    if (group)
        ui->stackedWidgetMeas->setEnabled(true);
    ui->frameMeasGraph->setVisible(!group);
    // The device page keeps the gauge's serial number.
    ui->labelSerialNr->setText(QString::fromLatin1(measurements.serialNr));
    m_commands->forArchiveRow(!m_archiveBrowser->shown().records.isEmpty(),
                              isArchiveGroupOrMeasurement(index), treeModel->deviceIndex().isValid());
    m_commands->forErasable(erasableSlotNumbers().size());
    m_commands->forEvaluation(bool(m_archiveBrowser->currentGroup()));
}

void Mainform::on_actionArchivImportieren_triggered()
{
    m_archiveBrowser->importCsv();
}
