// The transfer of all measurements from the gauge, run as a device job.
#include "ui/mainform.h"

#include <QDate>

#include "ui/archivebrowser.h"
#include "ui/devicejob.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/workflowtexts.h"

#include <QErrorMessage>

void Mainform::setUpDeviceJob()
{
    m_job = new DeviceJob(this, statusBar());
    connect(m_job, &DeviceJob::runningChanged, this, [this](bool running) {
        ui->buttonTransfer->setEnabled(!running);
        ui->actionDatenUebertragen->setEnabled(!running);
    });
    connect(m_job, &DeviceJob::connected, this, [this](bool connected) {
        if (!connected)
            errorMessage->showMessage(tr("Verbindung zum Gerät konnte nicht hergestellt werden!"));
        ui->frame2->setEnabled(connected);
        m_archiveBrowser->enableFrameForBrowsing();
    });
}

void Mainform::runDeviceJob(const QString &progressText, bool withDialog,
                            const DeviceJob::Work &work)
{
    m_job->start(*workflow, progressText, withDialog, work);
    // The operator chose to transfer what an erase found unread.
    if (m_transferRequested) {
        m_transferRequested = false;
        transferData();
    }
}

void Mainform::transferData()
{
    runDeviceJob(tr("Daten werden übertragen..."), true,
                 [this](GaugeWorkflow &gauge, const JobProgress &progress) {
                     resetTree();
                     // Kept in the archive before it is shown: what the operator sees is kept.
                     const TransferOutcome outcome = gauge.transfer(measurements, progress);
                     m_page->showIdentity(measurements);
                     m_archiveBrowser->showTransferOutcome(outcome,
                                                           !measurements.records.isEmpty());
                     treeModel->addMeasurementRows(measurements);
                     const QString failure = WorkflowText::transferFailed(outcome.read);
                     if (!failure.isEmpty())
                         errorMessage->showMessage(failure);
                     const QString overdue = overdueGaugeNote(
                         measurements.serialNr, measurements.calibration, QDate::currentDate());
                     if (!overdue.isEmpty())
                         errorMessage->showMessage(overdue);
                 });
}

void Mainform::resetTree()
{
    measurements.clear();
    ui->treeView->expand(treeModel->resetToDevice());
    m_archiveBrowser->rebuildRows();
    showEmptySelection();
}
