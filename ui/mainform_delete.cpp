// Erasing the selected or all measurements in the gauge's memory. The rules
// (which gauge, which slot, what must be kept first) are the workflow's; the
// window asks its questions and shows the outcome.
#include "ui/mainform.h"

#include "archive/measurementarchive.h"
#include "ui/archivebrowser.h"
#include "ui/erasequestions.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"
#include "workflow/gaugethread.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/workflowtexts.h"

#include <QErrorMessage>
#include <QItemSelectionModel>

#include <algorithm>

QList<int> Mainform::erasableSlotNumbers() const
{
    // The gauge's selected measurement rows in tree order (newest first);
    // archive rows and the device row are not slots.
    QModelIndexList rows = ui->treeView->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QList<int> numbers;
    for (const QModelIndex &row : qAsConst(rows))
        if (row.parent() == treeModel->deviceIndex() && MeasurementTree::numberAt(row) != 0)
            numbers.append(MeasurementTree::numberAt(row));
    // Nothing selected: the current row, as with the keyboard alone.
    if (numbers.isEmpty() && currentMeasurementNumber() != 0)
        numbers.append(currentMeasurementNumber());
    return numbers;
}

void Mainform::on_actionGewaehlteMessungloeschen_triggered()
{
    // The question names the slots, and exactly those are erased.
    const QList<int> named = erasableSlotNumbers();
    QString question =
        named.size() > 1
            ? tr("Möchten Sie die %n gewählten Messungen auf dem Gerät wirklich löschen?", nullptr,
                 named.size())
            : tr("Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?");
    if (!named.isEmpty())
        question += QLatin1Char('\n') + WorkflowText::slotNumbers(named);
    if (!confirmedByOperator(this, tr("Messung löschen"), question))
        return;
    QList<int> slotNumbers = named;
    std::sort(slotNumbers.begin(), slotNumbers.end());
    // No slot named: an empty request would mean all of them.
    if (slotNumbers.isEmpty()) {
        runDeviceJob(
            tr("Daten werden gelöscht..."), false, [](GaugeWorkflow &, const JobProgress &) {},
            [](bool) {});
        return;
    }
    runErase(slotNumbers, false);
}

void Mainform::runErase(const QList<int> &slotNumbers, bool all)
{
    // The erase runs on the gauge's thread with a copy of the list shown; its
    // questions are asked here while it waits.
    auto shown = std::make_shared<DeviceData>();
    copyDeviceData(measurements, *shown);
    auto outcome = std::make_shared<EraseOutcome>();
    const EraseDecisions decisions =
        answeredOn(m_services.hop(), askingOperator(this, &m_transferRequested));
    runDeviceJob(
        tr("Daten werden gelöscht..."), all,
        [slotNumbers, shown, outcome, decisions](GaugeWorkflow &gauge,
                                                 const JobProgress &progress) {
            EraseRequest request;
            request.slotNumbers = slotNumbers;
            request.shown = shown.get();
            *outcome =
                gauge.erase(request, decisions, slotNumbers.isEmpty() ? progress : JobProgress());
        },
        [this, outcome, all](bool connected) {
            if (connected)
                showEraseOutcome(*outcome, all);
        });
}

void Mainform::on_actionAlleMessungenloeschen_triggered()
{
    if (!confirmedByOperator(this, tr("Alle Messungen löschen"),
                             tr("Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?")))
        return;
    runErase({}, true);
}

void Mainform::showEraseOutcome(const EraseOutcome &outcome, bool all)
{
    const ErasedRows rows = reportEraseOutcome(outcome, all, measurements.serialNr,
                                               measurementArchive()->path(), errorMessage.get());
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
