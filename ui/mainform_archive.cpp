// The measurement archive in the window: opening it, keeping every transfer,
// the "Archiv" rows, showing, exporting and printing archived measurements,
// the CSV import and the check before measurements are erased on the gauge.
// Its texts have a context of their own, "MainformArchive".
#include "ui/mainform.h"

#include "archive/csvimport.h"
#include "archive/measurementarchive.h"
#include "base/log.h"
#include "settings/statusini.h"
#include "ui/archivefilterbar.h"
#include "ui/archivetree.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/workflowtexts.h"

#include <QCoreApplication>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The filter bar goes above the tree, in the tree's cell of the frame's grid.
void placeAboveTree(QWidget *bar, QTreeView *tree)
{
    auto *grid = qobject_cast<QGridLayout *>(tree->parentWidget()->layout());
    if (!grid)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(tree), &row, &column, &rowSpan, &columnSpan);
    auto *cell = new QWidget(tree->parentWidget());
    cell->setObjectName(QStringLiteral("archiveTreeCell"));
    cell->setSizePolicy(tree->sizePolicy());
    cell->setMinimumWidth(tree->minimumWidth());
    cell->setMaximumWidth(tree->maximumWidth());
    auto *column2 = new QVBoxLayout(cell);
    column2->setContentsMargins(0, 0, 0, 0);
    grid->removeWidget(tree);
    column2->addWidget(bar);
    column2->addWidget(tree);
    grid->addWidget(cell, row, column, rowSpan, columnSpan);
}

QStandardItem *archiveRootItem(QStandardItemModel *model)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        QStandardItem *item = model->item(row);
        if (ArchiveRow(item->data(ArchiveRowRole).toInt()) == ArchiveRow::Root)
            return item;
    }
    return nullptr;
}

} // namespace

void Mainform::setUpArchive()
{
    archive = new MeasurementArchive;
    workflow = new GaugeWorkflow(*session, *archive, *status);
    archiveFilterBar = new ArchiveFilterBar(ui->frame2);
    placeAboveTree(archiveFilterBar, ui->treeView);
    connect(archiveFilterBar, &ArchiveFilterBar::filterChanged, this,
            &Mainform::archiveFilterChanged);
    openArchive();
}

void Mainform::tearDownArchive()
{
    archiveView.clear();
    delete workflow;
    workflow = nullptr;
    delete archive;
    archive = nullptr;
}

void Mainform::openArchive()
{
    const QString path = workflow->archivePath();
    const ArchiveStatus opened = archive->open(path);
    if (!opened.ok())
        logLine("Mainform::openArchive: " + path.toLocal8Bit() + ": " +
                opened.detail.toLocal8Bit());
    if (!opened.movedAside.isEmpty())
        reportArchiveProblem(
            QCoreApplication::translate(
                "MainformArchive",
                "Die Archivdatei '%1' war beschädigt. Sie wurde unverändert nach '%2' verschoben; "
                "ein neues Archiv wurde angelegt.")
                .arg(path, opened.movedAside));
    else if (!opened.ok())
        reportArchiveProblem(archiveErrorText(opened));
    rebuildArchiveRows();
    enableFrameForBrowsing();
}

// While the window is not shown yet (at start-up) the message waits for it,
// in a box that belongs to the window and so never outlives it.
void Mainform::reportArchiveProblem(const QString &text)
{
    if (isVisible()) {
        errorMessage->showMessage(text);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, box, [this, box] {
        if (isVisible())
            box->open();
        else
            box->deleteLater();
    });
}

// The tree can be used whenever it has something to show.
void Mainform::enableFrameForBrowsing()
{
    if (archive->isOpen() && archive->count() > 0)
        ui->frame2->setEnabled(true);
}

QString Mainform::archiveErrorText(const ArchiveStatus &failure) const
{
    return WorkflowText::archiveProblem(failure, archive->path());
}

// A transfer's records go to the archive before they are shown: a failure
// is said (the records stay in the list), success logged.
void Mainform::showArchiveOutcome(const TransferOutcome &outcome)
{
    if (!outcome.archive.ok()) {
        errorMessage->showMessage(archiveErrorText(outcome.archive) + QLatin1Char('\n') +
                                  WorkflowText::transferNotArchived());
    } else if (!measurements.records.isEmpty()) {
        logLine("Mainform::archiveTransfer: " + QByteArray::number(outcome.added) + " neu, " +
                QByteArray::number(outcome.fromArchive) + " aus dem Archiv");
    }
    const QString incomplete = WorkflowText::incompleteKept(outcome.incompleteSlots);
    if (!incomplete.isEmpty())
        errorMessage->showMessage(incomplete);
    rebuildArchiveRows();
    enableFrameForBrowsing();
}

QModelIndex Mainform::archiveIndex() const
{
    QStandardItem *root = archiveRootItem(treeModel);
    return root ? root->index() : QModelIndex();
}

void Mainform::rebuildArchiveRows()
{
    const bool wasSelected = archiveRowSelected();
    if (QStandardItem *old = archiveRootItem(treeModel))
        treeModel->removeRow(old->row());
    if (!archive->isOpen())
        return;
    const ArchiveFilter filter = archiveFilterBar->filter();
    // An empty archive gets no row until it holds something.
    if (filter.isEmpty() && archive->count() == 0)
        return;
    QStandardItem *root = newArchiveTree(archive->entries(filter));
    treeModel->appendRow(root);
    ui->treeView->expand(root->index());
    // A search shows what it found; otherwise the gauges stay folded.
    if (!filter.isEmpty())
        ui->treeView->expandRecursively(root->index());
    if (wasSelected)
        ui->treeView->setCurrentIndex(root->index());
}

void Mainform::archiveFilterChanged()
{
    rebuildArchiveRows();
}

bool Mainform::archiveRowSelected() const
{
    return isArchiveRow(ui->treeView->currentIndex());
}

bool Mainform::loadArchived(const QList<qint64> &ids, DeviceData &into)
{
    into.clear();
    QList<QByteArray> serials;
    for (qint64 id : ids) {
        ArchiveStatus loaded;
        std::optional<ArchivedMeasurement> kept = archive->load(id, &loaded);
        if (!kept) {
            errorMessage->showMessage(archiveErrorText(loaded));
            into.clear();
            return false;
        }
        if (into.records.isEmpty()) {
            into.swVersion = kept->device.swVersion;
            into.forceUnit = kept->device.forceUnit;
        }
        if (!serials.contains(kept->device.serialNr))
            serials.append(kept->device.serialNr);
        into.records.append(new Measurement(kept->measurement));
    }
    into.serialNr = serials.join(", ");
    into.updateForceUnit();
    return true;
}

void Mainform::showArchivedRow(const QModelIndex &index)
{
    archiveView.clear();
    archiveShownId = 0;
    const bool isMeasurement = archiveRowKind(index) == ArchiveRow::Measurement;
    const qint64 id = index.data(ArchiveIdRole).toLongLong();
    if (isMeasurement && loadArchived({id}, archiveView)) {
        archiveShownId = id;
        const Measurement &shown = *archiveView.records.first();
        if (shown.sampleCount != 0)
            showMeasurementValues(shown, archiveView.forceUnitFactor, archiveView.forceUnitText);
        else
            clearMeasurementValues();
    } else {
        clearMeasurementValues();
    }
    // The device page keeps the gauge's serial number.
    ui->labelSerialNr->setText(QString::fromLatin1(measurements.serialNr));
    // Commands on the gauge's selected slot do not apply to the archive.
    const bool shown = archiveShownId != 0;
    for (QAction *action : {ui->actionDruckvorschau, ui->actionDrucken, ui->actionAlsPDFspeichern,
                            ui->actionGewaehlteMessungexportieren})
        action->setEnabled(shown);
    ui->actionGewaehlteMessungloeschen->setEnabled(false);
    ui->actionAlleMessungenexportieren->setEnabled(!archiveIdsAt(index).isEmpty());
    ui->actionAlleMessungenloeschen->setEnabled(deviceItemIndex.isValid());
}

// "All" on an archive row: the group it heads, or the day of a measurement.
void Mainform::exportArchiveGroup()
{
    QModelIndex group = ui->treeView->currentIndex();
    if (archiveRowKind(group) == ArchiveRow::Measurement)
        group = group.parent();
    DeviceData records;
    if (!loadArchived(archiveIdsAt(group), records) || records.records.isEmpty())
        return;
    exportCSV(constRecords(records.records), records);
}

const DeviceData &Mainform::reportData() const
{
    return archiveRowSelected() ? archiveView : measurements;
}

int Mainform::reportNumber() const
{
    if (!archiveRowSelected())
        return currentMeasurementNumber();
    return archiveView.records.size() == 1 ? archiveView.records.first()->number : 0;
}

// The designation typed in for a report goes with the measurement into the archive.
void Mainform::storeReportDesignation(const QString &designation)
{
    if (designation.isEmpty() || !archive->isOpen())
        return;
    qint64 id = archiveRowSelected() ? archiveShownId : 0;
    if (!archiveRowSelected()) {
        const Measurement *record =
            findMeasurement(measurements.records, currentMeasurementNumber());
        if (record)
            id = archive->idOf(measurements.serialNr, *record).value_or(0);
    }
    if (id == 0)
        return;
    const ArchiveStatus stored = archive->setDesignation(id, designation);
    if (!stored.ok()) {
        errorMessage->showMessage(archiveErrorText(stored));
        return;
    }
    // The archive rows show it from now on; a shown archive row stays current.
    if (!archiveRowSelected()) {
        rebuildArchiveRows();
        return;
    }
    const Measurement &shown = *archiveView.records.first();
    ArchiveEntry entry;
    entry.slot = shown.number;
    entry.timeText = shown.timeText;
    entry.designation = designation;
    treeModel->setData(ui->treeView->currentIndex(), archiveEntryText(entry));
}

void Mainform::on_actionArchivImportieren_triggered()
{
    const QString filter = QCoreApplication::translate("MainformArchive", "CSV-Datei (*.CSV)");
    const QStringList files = QFileDialog::getOpenFileNames(
        this, QCoreApplication::translate("MainformArchive", "CSV-Dateien ins Archiv importieren"),
        status->lastExportListPath, filter);
    if (files.isEmpty())
        return;
    if (!archive->isOpen())
        openArchive();

    QStringList report;
    int added = 0;
    for (const QString &file : files) {
        const CsvImportReport imported = importExportFile(*archive, file);
        const QString name = QFileInfo(file).fileName();
        added += imported.added;
        if (imported.problem == CsvImportProblem::NotReadable)
            report << QCoreApplication::translate("MainformArchive",
                                                  "%1: kann nicht gelesen werden.")
                          .arg(name);
        else if (imported.problem == CsvImportProblem::NotAnExport)
            report << QCoreApplication::translate("MainformArchive",
                                                  "%1: keine Exportdatei dieses Programms.")
                          .arg(name);
        else if (imported.problem == CsvImportProblem::UnknownUnit)
            report << QCoreApplication::translate("MainformArchive", "%1: unbekannte Krafteinheit.")
                          .arg(name);
        else if (imported.problem == CsvImportProblem::NoMeasurements)
            report << QCoreApplication::translate("MainformArchive",
                                                  "%1: enthält keine vollständige Messung.")
                          .arg(name);
        else if (!imported.status.ok())
            report << name + QStringLiteral(": ") + archiveErrorText(imported.status);
        else
            report << QCoreApplication::translate(
                          "MainformArchive",
                          "%1: %2 Messungen, %3 neu archiviert, %4 waren schon im Archiv.")
                          .arg(name)
                          .arg(imported.found)
                          .arg(imported.added)
                          .arg(imported.alreadyKept);
        for (const RefusedMeasurement &refused : imported.refused)
            report << QCoreApplication::translate("MainformArchive",
                                                  "%1: Messung %2 nicht archiviert: %3.")
                          .arg(name)
                          .arg(refused.number)
                          .arg(csvRefusalText(refused.reason));
    }
    rebuildArchiveRows();
    enableFrameForBrowsing();
    logLine("Mainform::importCsv: " + QByteArray::number(added) + " neu");
    QMessageBox::information(this,
                             QCoreApplication::translate("MainformArchive", "Import ins Archiv"),
                             report.join(QLatin1Char('\n')));
}
