// The device job wrapper and the transfer of all measurements from the gauge.
#include "ui/mainform.h"

#include "device/gaugesession.h"
#include "device/protocol.h"
#include "ui/archivebrowser.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/workflowtexts.h"

#include <QApplication>
#include <QErrorMessage>
#include <QProgressDialog>

void Mainform::runDeviceJob(int job)
{
    if (!busyGuard.tryAcquire())
        return;
    ui->buttonTransfer->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    statusBar()->showMessage(tr("Verbindung zum Gerät wird hergestellt..."));
    QCoreApplication::processEvents();

    deviceConnected = workflow->connect() == Protocol::kOk;
    if (!deviceConnected)
        errorMessage->showMessage(tr("Verbindung zum Gerät konnte nicht hergestellt werden!"));
    ui->frame2->setEnabled(deviceConnected);
    m_archiveBrowser->enableFrameForBrowsing();
    // The job takes the guard itself.
    busyGuard.release();

    if (deviceConnected) {
        if (job == TransferJob)
            transferData();
        else if (job == DeleteSelectedJob)
            deleteSelectedMeasurement();
        else if (job == DeleteAllJob)
            deleteAllMeasurements();
    }

    deviceConnected = false;
    workflow->disconnect();
    ui->buttonTransfer->setEnabled(true);
    QApplication::restoreOverrideCursor();
    statusBar()->clearMessage();
    // The operator chose to transfer what an erase found unread.
    if (m_transferRequested) {
        m_transferRequested = false;
        runDeviceJob(TransferJob);
    }
}

void Mainform::transferData()
{
    if (!deviceConnected || !busyGuard.tryAcquire())
        return;

    const QString transferText = tr("Daten werden übertragen...");
    QProgressDialog progress(transferText, tr("Abbrechen"), 0, Protocol::kSlotCount, this);
    progress.setWindowModality(Qt::WindowModal);
    statusBar()->showMessage(transferText);

    resetTree();
    // Kept in the archive before it is shown: what the operator sees is kept.
    const TransferOutcome outcome =
        workflow->transfer(measurements, [&progress](int done, int total) {
            // A visible window-modal dialog lets the event loop run here.
            progress.setMaximum(total);
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    m_page->showIdentity(measurements);
    m_archiveBrowser->showTransferOutcome(outcome, !measurements.records.isEmpty());
    treeModel->addMeasurementRows(measurements);
    progress.close();

    const QString failure = WorkflowText::transferFailed(outcome.read);
    if (!failure.isEmpty())
        errorMessage->showMessage(failure);
    busyGuard.release();
}

void Mainform::resetTree()
{
    measurements.clear();
    ui->treeView->expand(treeModel->resetToDevice());
    m_archiveBrowser->rebuildRows();
    showEmptySelection();
}
