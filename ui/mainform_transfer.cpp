// The transfer of all measurements from the gauge, run as a device job.
#include "ui/mainform.h"

#include "ui/archivebrowser.h"
#include "ui/devicejob.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/workflowtexts.h"

#include <QErrorMessage>

void Mainform::setUpDeviceJob()
{
    m_job = new DeviceJob(this, statusBar(), m_services);
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
    connect(m_job, &DeviceJob::gaugeNoticed, this,
            [this](const QString &note) { errorMessage->showMessage(note); });
}

void Mainform::runDeviceJob(const QString &progressText, bool withDialog,
                            const DeviceJob::Work &work, const DeviceJob::Done &done)
{
    m_job->start(progressText, withDialog, work, [this, done](bool connected) {
        done(connected);
        transferIfRequested();
    });
}

void Mainform::transferIfRequested()
{
    // The operator chose to transfer what an erase found unread.
    if (m_transferRequested) {
        m_transferRequested = false;
        transferData();
    }
}

void Mainform::transferData()
{
    // Read on the gauge's thread into a list of the job's own; the window
    // takes it over when the job is done.
    auto read = std::make_shared<DeviceData>();
    auto outcome = std::make_shared<TransferOutcome>();
    runDeviceJob(
        tr("Daten werden übertragen..."), true,
        [read, outcome](GaugeWorkflow &gauge, const JobProgress &progress) {
            // Kept in the archive before it is shown: what the operator sees is kept.
            *outcome = gauge.transfer(*read, progress);
        },
        [this, read, outcome](bool connected) {
            if (!connected)
                return;
            resetTree();
            takeOver(*read, measurements);
            m_page->showIdentity(measurements);
            m_archiveBrowser->showTransferOutcome(*outcome, !measurements.records.isEmpty());
            treeModel->addMeasurementRows(measurements);
            treeModel->markVerdicts(measurements, m_services.activePlan().plan());
            const QString failure = WorkflowText::transferFailed(outcome->read);
            if (!failure.isEmpty())
                errorMessage->showMessage(failure);
        });
}

void Mainform::resetTree()
{
    measurements.clear();
    ui->treeView->expand(treeModel->resetToDevice());
    m_archiveBrowser->rebuildRows();
    showEmptySelection();
}
