// Erasing the selected or all measurements in the gauge's memory.
#include "ui/mainform.h"

#include "device/gaugesession.h"
#include "device/protocol.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QErrorMessage>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardItemModel>

namespace {

// Erasing cannot be undone: the operator must choose Yes on purpose, so No
// is the default and focused button (with none set, QMessageBox would make
// the first one, Yes, the default, and Enter would erase).
bool confirmedByOperator(QWidget *parent, const QString &title, const QString &text)
{
    QApplication::beep();
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

void Mainform::on_actionGewaehlteMessungloeschen_triggered()
{
    Measurement *record = findMeasurement(measurements.records, currentMeasurementNumber());
    if (record && !confirmArchivedBeforeErase({record}))
        return;
    if (confirmedByOperator(this, tr("Messung löschen"),
                            tr("Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?")))
        runDeviceJob(DeleteSelectedJob);
}

void Mainform::on_actionAlleMessungenloeschen_triggered()
{
    // The measurements still on the gauge: those of the rows under the device.
    QList<Measurement *> onGauge;
    for (int number : shownMeasurementNumbers()) {
        if (Measurement *record = findMeasurement(measurements.records, number))
            onGauge.append(record);
    }
    if (!confirmArchivedBeforeErase(onGauge))
        return;
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
        const QList<int> slotNumbers{number};
        const EraseResult result =
            session->erase(measurements.serialNr, slotNumbers, slotNumbers, {});
        if (confirmGauge(result)) {
            removeErasedRows(result.erasedSlots);
            reportEraseFailures(result);
        }
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

    const EraseResult result =
        session->eraseAll(measurements.serialNr, shownMeasurementNumbers(), [&progress](int slot) {
            // A visible window-modal dialog lets the event loop run here.
            progress.setValue(slot);
            return !progress.wasCanceled();
        });
    if (confirmGauge(result) && !result.cancelled) {
        if (result.ok()) {
            // The archive's rows stay.
            if (deviceItemIndex.isValid())
                treeModel->removeRow(deviceItemIndex.row());
            ui->treeView->viewport()->update();
            showEmptySelection();
        } else {
            removeErasedRows(result.erasedSlots);
        }
        reportEraseFailures(result);
    }

    statusBar()->clearMessage();
    progress.close();
    busyGuard.release();
}

// False, with a message naming both serial numbers, when the connected gauge
// is not the one whose list is shown; nothing was erased then.
bool Mainform::confirmGauge(const EraseResult &result)
{
    if (!result.wrongGauge)
        return true;
    if (result.serialNrUnread) {
        errorMessage->showMessage(tr("Das Gerät hat seine Seriennummer nicht genannt. Es wurde "
                                     "nichts gelöscht."));
        return false;
    }
    errorMessage->showMessage(
        tr("Das angeschlossene Gerät (Seriennummer %1) ist nicht das Gerät der angezeigten "
           "Liste (Seriennummer %2). Es wurde nichts gelöscht.")
            .arg(QString::fromLatin1(result.gaugeSerialNr),
                 QString::fromLatin1(measurements.serialNr)));
    return false;
}

void Mainform::reportEraseFailures(const EraseResult &result)
{
    if (result.failedSlots.isEmpty())
        return;
    errorMessage->showMessage(tr("Diese Speicherplätze wurden nicht gelöscht: %1")
                                  .arg(QString::fromLatin1(slotListText(result.failedSlots))));
}

void Mainform::removeErasedRows(const QList<int> &slotNumbers)
{
    QStandardItem *deviceRow = treeModel->itemFromIndex(deviceItemIndex);
    if (!deviceRow)
        return;
    for (int row = deviceRow->rowCount() - 1; row >= 0; --row) {
        if (slotNumbers.contains(deviceRow->child(row)->data(MeasurementNumberRole).toInt()))
            deviceRow->removeRow(row);
    }
    ui->treeView->viewport()->update();
}

// The measurement numbers of the rows under the device row.
QList<int> Mainform::shownMeasurementNumbers() const
{
    QList<int> numbers;
    const QStandardItem *deviceRow = treeModel->itemFromIndex(deviceItemIndex);
    for (int row = 0; deviceRow && row < deviceRow->rowCount(); ++row)
        numbers.append(deviceRow->child(row)->data(MeasurementNumberRole).toInt());
    return numbers;
}
