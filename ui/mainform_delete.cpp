// Erasing the selected or all measurements in the gauge's memory. The rules
// (which gauge, which slot, what must be kept first) are the workflow's; the
// window asks its questions and shows the outcome.
#include "ui/mainform.h"

#include "archive/measurementarchive.h"
#include "device/protocol.h"
#include "ui/archivebrowser.h"
#include "ui/erasequestions.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/workflowtexts.h"

#include <QErrorMessage>
#include <QProgressDialog>

void Mainform::on_actionGewaehlteMessungloeschen_triggered()
{
    if (confirmedByOperator(this, tr("Messung löschen"),
                            tr("Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?")))
        runDeviceJob(DeleteSelectedJob);
}

void Mainform::on_actionAlleMessungenloeschen_triggered()
{
    if (confirmedByOperator(this, tr("Alle Messungen löschen"),
                            tr("Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?")))
        runDeviceJob(DeleteAllJob);
}

void Mainform::deleteSelectedMeasurement()
{
    if (!deviceConnected || !busyGuard.tryAcquire())
        return;

    statusBar()->showMessage(tr("Daten werden gelöscht..."));
    const int number = currentMeasurementNumber();
    if (number != 0) {
        EraseRequest request;
        request.slotNumbers = {number};
        request.shown = &measurements;
        showEraseOutcome(workflow->erase(request, askingOperator(this, &m_transferRequested), {}),
                         false);
    }
    busyGuard.release();
}

void Mainform::deleteAllMeasurements()
{
    if (!deviceConnected || !busyGuard.tryAcquire())
        return;

    const QString deletingText = tr("Daten werden gelöscht...");
    QProgressDialog progress(deletingText, tr("Abbrechen"), 0, Protocol::kSlotCount, this);
    progress.setWindowModality(Qt::WindowModal);
    statusBar()->showMessage(deletingText);

    EraseRequest request;
    request.shown = &measurements;
    const EraseOutcome outcome = workflow->erase(
        request, askingOperator(this, &m_transferRequested), [&progress](int done, int total) {
            // A visible window-modal dialog lets the event loop run here.
            progress.setMaximum(total);
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    showEraseOutcome(outcome, true);

    statusBar()->clearMessage();
    progress.close();
    busyGuard.release();
}

void Mainform::showEraseOutcome(const EraseOutcome &outcome, bool all)
{
    if (outcome.erase.wrongGauge) {
        errorMessage->showMessage(
            outcome.erase.serialNrUnread
                ? WorkflowText::serialNrUnread()
                : WorkflowText::wrongGauge(outcome.erase.gaugeSerialNr, measurements.serialNr));
        return;
    }
    m_archiveBrowser->rebuildRows();
    if (!outcome.archive.ok()) {
        errorMessage->showMessage(
            WorkflowText::archiveProblem(outcome.archive, measurementArchive()->path()) +
            QLatin1Char('\n') + WorkflowText::nothingErased());
        return;
    }
    if (!outcome.incompleteSlots.isEmpty()) {
        errorMessage->showMessage(WorkflowText::incompleteNotArchived(outcome.incompleteSlots));
        return;
    }
    // A cancelled erase keeps the rows: the list is read anew.
    if (outcome.stopped || outcome.erase.cancelled)
        return;
    if (all && outcome.ok()) {
        // The archive's rows stay.
        treeModel->removeDeviceRow();
        ui->treeView->viewport()->update();
        showEmptySelection();
    } else {
        treeModel->removeMeasurementRows(outcome.erase.erasedSlots);
        ui->treeView->viewport()->update();
    }
    if (!outcome.notErased.isEmpty())
        errorMessage->showMessage(WorkflowText::notErased(outcome.notErased));
}
