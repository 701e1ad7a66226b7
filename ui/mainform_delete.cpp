// Erasing the selected or all measurements in the gauge's memory. The rules
// (which gauge, which slot, what must be kept first) are the workflow's; the
// window asks its questions and shows the outcome.
#include "ui/mainform.h"

#include "archive/measurementarchive.h"
#include "ui/archivebrowser.h"
#include "ui/erasequestions.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"

#include <QErrorMessage>

void Mainform::on_actionGewaehlteMessungloeschen_triggered()
{
    if (!confirmedByOperator(
            this, tr("Messung löschen"),
            tr("Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?")))
        return;
    const int number = currentMeasurementNumber();
    runDeviceJob(tr("Daten werden gelöscht..."), false,
                 [this, number](GaugeWorkflow &gauge, const JobProgress &) {
                     if (number == 0)
                         return;
                     EraseRequest request;
                     request.slotNumbers = {number};
                     request.shown = &measurements;
                     showEraseOutcome(
                         gauge.erase(request, askingOperator(this, &m_transferRequested), {}),
                         false);
                 });
}

void Mainform::on_actionAlleMessungenloeschen_triggered()
{
    if (!confirmedByOperator(this, tr("Alle Messungen löschen"),
                             tr("Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?")))
        return;
    runDeviceJob(tr("Daten werden gelöscht..."), true,
                 [this](GaugeWorkflow &gauge, const JobProgress &progress) {
                     EraseRequest request;
                     request.shown = &measurements;
                     showEraseOutcome(
                         gauge.erase(request, askingOperator(this, &m_transferRequested), progress),
                         true);
                 });
}

void Mainform::showEraseOutcome(const EraseOutcome &outcome, bool all)
{
    const ErasedRows rows = reportEraseOutcome(outcome, all, measurements.serialNr,
                                               measurementArchive()->path(), errorMessage);
    if (!outcome.erase.wrongGauge)
        m_archiveBrowser->rebuildRows();
    if (rows == ErasedRows::RemoveDevice) {
        treeModel->removeDeviceRow();
        showEmptySelection();
    } else if (rows == ErasedRows::RemoveErased) {
        treeModel->removeMeasurementRows(outcome.erase.erasedSlots);
    }
    ui->treeView->viewport()->update();
}
