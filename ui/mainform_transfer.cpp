// The device job wrapper and the transfer of all measurements from the gauge.
#include "ui/mainform.h"

#include "app/log.h"
#include "device/interfacehardware.h"
#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QErrorMessage>
#include <QProgressDialog>
#include <QStandardItemModel>

namespace {

const QString kDeviceRowText = QStringLiteral("Tensimo Parl");

QStandardItem *newTreeItem(const QString &text, int number)
{
    auto *item = new QStandardItem(text);
    item->setData(number, MeasurementNumberRole);
    return item;
}

} // namespace

void Mainform::runDeviceJob(int job)
{
    if (!busyGuard.tryAcquire())
        return;
    ui->buttonTransfer->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    statusBar()->showMessage(tr("Verbindung zum Gerät wird hergestellt..."));
    QCoreApplication::processEvents();

    deviceConnected = hardware->open() == Protocol::kOk;
    if (!deviceConnected)
        errorMessage->showMessage(tr("Verbindung zum Gerät konnte nicht hergestellt werden!"));
    ui->frame2->setEnabled(deviceConnected);
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

    if (hardware->device) {
        hardware->device->disconnect();
        deviceConnected = false;
        hardware->close();
    }
    ui->buttonTransfer->setEnabled(true);
    QApplication::restoreOverrideCursor();
    statusBar()->clearMessage();
}

void Mainform::transferData()
{
    if (!deviceConnected || !busyGuard.tryAcquire())
        return;

    const QString transferText = tr("Daten werden übertragen...");
    QProgressDialog progress(transferText, tr("Abbrechen"), 0, Protocol::kSlotCount, this);
    progress.setWindowModality(Qt::WindowModal);
    statusBar()->showMessage(transferText);

    readIdentity();
    resetTree();
    int rc = Protocol::kOk;
    for (int slot = 1; slot <= Protocol::kSlotCount; ++slot) {
        rc = readSlot(slot);
        // A visible window-modal dialog lets the event loop run here.
        progress.setValue(slot);
        if (progress.wasCanceled())
            break;
    }
    sortNewestFirst(measurements.records);
    addMeasurementRows();
    progress.close();

    if (rc != Protocol::kOk)
        errorMessage->showMessage(tr("Fehler beim Übertragen der Daten!"));
    busyGuard.release();
}

void Mainform::readIdentity()
{
    QuorixTSPX *device = hardware->device;
    device->readCommand(Protocol::kSerialNr, 0, measurements.serialNr);
    device->readCommand(Protocol::kSwVersion, 0, measurements.swVersion);
    device->readCommand(Protocol::kForceUnit, 0, measurements.forceUnit);
    measurements.updateForceUnit();
    ui->labelSerialNr->setText(QString::fromLatin1(measurements.serialNr));
    ui->labelSwVersion->setText(QString::fromLatin1(measurements.swVersion));
}

void Mainform::resetTree()
{
    measurements.clear();
    treeModel->clear();
    QStandardItem *deviceRow = newTreeItem(kDeviceRowText, 0);
    treeModel->appendRow(deviceRow);
    deviceItemIndex = deviceRow->index();
    ui->treeView->expand(deviceItemIndex);
    showEmptySelection();
}

// Reads one slot; a filled one becomes a record. Returns the slot's status code.
int Mainform::readSlot(int slot)
{
    QuorixTSPX *device = hardware->device;
    int count = 0;
    int rc = device->readCommand(Protocol::kSampleCount, slot, count);
    if (count == 0)
        return rc;

    auto *measurement = new Measurement(slot);
    measurements.records.append(measurement);
    int sampleCount = 0;
    rc = device->readCommand(Protocol::kSampleCount, slot, sampleCount);
    // The count is only a number: nothing is sized by it.
    measurement->sampleCount = uint32_t(sampleCount);
    logLine("readCommand retCum=" + QByteArray::number(rc));
    if (rc == Protocol::kOk)
        rc = readSlotValues(slot, *measurement);
    return rc;
}

// Every value is read even after a failed one; returns the sum of the codes.
int Mainform::readSlotValues(int slot, Measurement &measurement)
{
    QuorixTSPX *device = hardware->device;
    int rc = device->readCommand(Protocol::kSampleRate, slot, measurement.sampleRate);
    rc += device->readCommand(Protocol::kForces, slot, measurement.forces);
    rc += device->readCommand(Protocol::kForceStart, slot, measurement.forceStart);
    rc += device->readCommand(Protocol::kForceEnd, slot, measurement.forceEnd);
    rc += device->readCommand(Protocol::kForceMax, slot, measurement.forceMax);
    rc += device->readCommand(Protocol::kForceAvg, slot, measurement.forceAvg);
    rc += device->readCommand(Protocol::kTime, slot, measurement.timeText);
    rc += device->readCommand(Protocol::kDate, slot, measurement.dateText);
    return rc;
}

void Mainform::addMeasurementRows()
{
    QStandardItem *deviceRow = treeModel->itemFromIndex(deviceItemIndex);
    for (const Measurement *measurement : qAsConst(measurements.records)) {
        if (measurement->number != 0)
            deviceRow->appendRow(
                newTreeItem(measurementRowText(*measurement), measurement->number));
    }
}
