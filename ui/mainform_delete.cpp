// Erasing the selected or all measurements in the gauge's memory.
#include "ui/mainform.h"

#include "device/interfacehardware.h"
#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "ui_mainform.h"

#include <QApplication>
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
        // The gauge's answer is not checked: the row goes either way.
        hardware->device->execCommand(Protocol::kErase, number);
        treeModel->removeRow(ui->treeView->currentIndex().row(), deviceItemIndex);
        ui->treeView->viewport()->update();
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

    bool cancelled = false;
    // Every slot, filled or not: the tree may not show all the gauge holds.
    for (int slot = 1; slot <= Protocol::kSlotCount && !cancelled; ++slot) {
        hardware->device->execCommand(Protocol::kErase, slot);
        // A visible window-modal dialog lets the event loop run here.
        progress.setValue(slot);
        cancelled = progress.wasCanceled();
    }
    if (!cancelled) {
        treeModel->clear();
        ui->treeView->viewport()->update();
        showEmptySelection();
    }

    statusBar()->clearMessage();
    progress.close();
    busyGuard.release();
}
