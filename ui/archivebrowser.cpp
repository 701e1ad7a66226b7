// Its texts keep the context they had in the window, "MainformArchive".
#include "ui/archivebrowser.h"

#include "archive/archivesearch.h"
#include "archive/csvimport.h"
#include "archive/measurementarchive.h"
#include "base/log.h"
#include "settings/statusini.h"
#include "ui/archivefilterbar.h"
#include "ui/archivetree.h"
#include "ui/measurementtree.h"
#include "workflow/archivegroup.h"
#include "workflow/archivepath.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/workflowtexts.h"

#include <QCoreApplication>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The search waits for this pause in typing; a faster typist's keystrokes
// make one search.
constexpr int kTypingPauseMs = 80;

QString archiveText(const char *text)
{
    return QCoreApplication::translate("MainformArchive", text);
}

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

// One file's lines of the import report.
QStringList importReport(const QString &name, const CsvImportReport &imported,
                         const QString &archivePath)
{
    QStringList report;
    if (imported.problem == CsvImportProblem::NotReadable)
        report << archiveText(
                      QT_TRANSLATE_NOOP("MainformArchive", "%1: kann nicht gelesen werden."))
                      .arg(name);
    else if (imported.problem == CsvImportProblem::NotAnExport)
        report << archiveText(QT_TRANSLATE_NOOP("MainformArchive",
                                                "%1: keine Exportdatei dieses Programms."))
                      .arg(name);
    else if (imported.problem == CsvImportProblem::UnknownUnit)
        report << archiveText(QT_TRANSLATE_NOOP("MainformArchive", "%1: unbekannte Krafteinheit."))
                      .arg(name);
    else if (imported.problem == CsvImportProblem::NoMeasurements)
        report << archiveText(QT_TRANSLATE_NOOP("MainformArchive",
                                                "%1: enthält keine vollständige Messung."))
                      .arg(name);
    else if (!imported.status.ok())
        report << name + QStringLiteral(": ") +
                      WorkflowText::archiveProblem(imported.status, archivePath);
    else
        // Each count with its own plural form.
        report << name + QStringLiteral(": ") +
                      QStringList{QCoreApplication::translate("MainformArchive", "%n Messung(en)",
                                                              nullptr, imported.found),
                                  QCoreApplication::translate("MainformArchive",
                                                              "%n neu archiviert", nullptr,
                                                              imported.added),
                                  QCoreApplication::translate("MainformArchive",
                                                              "%n war(en) schon im Archiv", nullptr,
                                                              imported.alreadyKept)}
                          .join(QStringLiteral(", ")) +
                      QLatin1Char('.');
    for (const RefusedMeasurement &refused : imported.refused)
        report << archiveText(
                      QT_TRANSLATE_NOOP("MainformArchive", "%1: Messung %2 nicht archiviert: %3."))
                      .arg(name)
                      .arg(refused.number)
                      .arg(csvRefusalText(refused.reason));
    return report;
}

} // namespace

ArchiveBrowser::ArchiveBrowser(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_archive(parts.archive),
      m_filterBar(new ArchiveFilterBar(parts.frame)), m_rows(std::make_unique<ArchiveRows>()),
      m_search(new ArchiveSearch(this)), m_typingPause(new QTimer(this))
{
    placeAboveTree(m_filterBar, parts.tree);
    parts.model->setLazyRows(m_rows.get());
    m_rows->setGroupByStation(parts.status->archiveByStation);
    // Every row is one line: the view need not measure thousands of days.
    parts.tree->setUniformRowHeights(true);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);
    connect(m_filterBar, &ArchiveFilterBar::filterChanged, m_typingPause,
            qOverload<>(&QTimer::start));
    connect(m_typingPause, &QTimer::timeout, this, &ArchiveBrowser::rebuildRows);
    connect(m_search, &ArchiveSearch::found, this, &ArchiveBrowser::showSearchResult);
}

ArchiveBrowser::~ArchiveBrowser()
{
    m_parts.model->setLazyRows(nullptr);
    m_shown.clear();
}

void ArchiveBrowser::open()
{
    const QString path = archiveFilePath(*m_parts.status);
    m_search->reconnect();
    ArchiveStatus opened = archiveSettingsStatus(*m_parts.status);
    if (opened.ok())
        opened = m_archive->open(archiveConfig(*m_parts.status));
    else
        m_archive->close();
    if (!opened.ok())
        logLine("Mainform::openArchive: " + path.toLocal8Bit() + ": " +
                opened.detail.toLocal8Bit());
    if (!opened.movedAside.isEmpty())
        reportProblem(WorkflowText::movedAside(opened, path, m_archive->isOnServer()));
    else if (!opened.ok())
        reportProblem(errorText(opened));
    else if (m_archive->isOnServer() && !m_archive->isOnline())
        reportProblem(WorkflowText::serverProblem(*m_archive));
    rebuildRows();
    enableFrameForBrowsing();
    emit archiveOpened();
}

// While the window is not shown yet (at start-up) the message waits for it,
// in a box that belongs to the window and so never outlives it.
void ArchiveBrowser::reportProblem(const QString &text)
{
    QWidget *window = m_parts.window;
    if (window->isVisible()) {
        m_parts.errors->showMessage(text);
        return;
    }
    auto *box =
        new QMessageBox(QMessageBox::Warning, window->windowTitle(), text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, box, [window, box] {
        if (window->isVisible())
            box->open();
        else
            box->deleteLater();
    });
}

void ArchiveBrowser::enableFrameForBrowsing()
{
    if (m_archive->isOpen() && !browsing().isEmpty())
        m_parts.frame->setEnabled(true);
}

QString ArchiveBrowser::errorText(const ArchiveStatus &failure) const
{
    return WorkflowText::archiveProblem(failure, m_archive->path());
}

// A transfer's records go to the archive before they are shown: a failure
// is said (the records stay in the list), success logged.
void ArchiveBrowser::showTransferOutcome(const TransferOutcome &outcome, bool anyRecords)
{
    if (!outcome.archive.ok()) {
        m_parts.errors->showMessage(errorText(outcome.archive) + QLatin1Char('\n') +
                                    WorkflowText::transferNotArchived());
    } else if (anyRecords) {
        logLine("Mainform::archiveTransfer: " + QByteArray::number(outcome.added) + " neu, " +
                QByteArray::number(outcome.fromArchive) + " aus dem Archiv");
    }
    for (const QString &kept : {WorkflowText::incompleteKept(outcome.incompleteSlots),
                                WorkflowText::notNumbersKept(outcome.notNumberSlots)})
        if (!kept.isEmpty())
            m_parts.errors->showMessage(kept);
    rebuildRows();
    enableFrameForBrowsing();
    emit archiveWritten();
}

QModelIndex ArchiveBrowser::rootIndex() const
{
    QStandardItem *root = archiveRootItem(m_parts.model);
    return root ? root->index() : QModelIndex();
}

void ArchiveBrowser::rebuildRows()
{
    m_typingPause->stop();
    m_search->cancel();
    if (!m_archive->isOpen()) {
        replaceRoot(nullptr, false);
        return;
    }
    const ArchiveFilter filter = m_filterBar->filter();
    if (!filter.isEmpty()) {
        m_searchGeneration = m_search->start(m_archive->readSource(), filter);
        return;
    }
    // An empty archive gets no row until it holds something.
    replaceRoot(browsing().isEmpty() ? nullptr : m_rows->newRoot(), false);
}

ArchiveBrowsing &ArchiveBrowser::browsing()
{
    m_rows->browsing().setSource(m_archive->readSource());
    return m_rows->browsing();
}

void ArchiveBrowser::showSearchResult(const ArchiveSearchResult &result)
{
    if (result.generation != m_searchGeneration || !m_archive->isOpen())
        return;
    // A search that failed (the server went away) would say "Keine Treffer"
    // wrongly: the rows stay as they are.
    if (!result.status.ok()) {
        logLine("Mainform::searchArchive: " + result.status.detail.toLocal8Bit());
        return;
    }
    // A search shows what it found, when that is little enough to show at once.
    browsing();
    replaceRoot(m_rows->newRoot(result), result.complete);
}

void ArchiveBrowser::replaceRoot(QStandardItem *root, bool expandAll)
{
    MeasurementTree *model = m_parts.model;
    QTreeView *tree = m_parts.tree;
    const bool wasSelected = rowSelected();
    if (QStandardItem *old = archiveRootItem(model))
        model->removeRow(old->row());
    if (!root)
        return;
    model->appendRow(root);
    tree->expand(root->index());
    if (expandAll)
        tree->expandRecursively(root->index());
    if (wasSelected)
        tree->setCurrentIndex(root->index());
}

bool ArchiveBrowser::rowSelected() const
{
    return isArchiveRow(m_parts.tree->currentIndex());
}

bool ArchiveBrowser::load(const QList<qint64> &ids, DeviceData &into)
{
    ArchiveStatus failed;
    if (loadArchiveRecords(*m_archive, ids, into, &failed))
        return true;
    m_parts.errors->showMessage(errorText(failed));
    return false;
}

GroupSelection ArchiveBrowser::currentGroup() const
{
    return m_rows->groupAt(m_parts.tree->currentIndex());
}

void ArchiveBrowser::selectArchived(const JudgedMeasurement &measurement)
{
    QStandardItem *root = archiveRootItem(m_parts.model);
    QStandardItem *row = root ? m_rows->find(root, measurement.serialNr,
                                             measurementDate(measurement.dateText), measurement.id)
                              : nullptr;
    if (!row)
        return;
    m_parts.tree->setCurrentIndex(row->index());
    m_parts.tree->scrollTo(row->index());
}

void ArchiveBrowser::setGroupByStation(bool on)
{
    m_parts.status->archiveByStation = on;
    m_parts.status->save();
    m_rows->setGroupByStation(on);
    rebuildRows();
}

void ArchiveBrowser::showRow(const QModelIndex &index)
{
    m_shown.clear();
    m_shownId = 0;
    const bool isMeasurement = archiveRowKind(index) == ArchiveRow::Measurement;
    const qint64 id = index.data(ArchiveIdRole).toLongLong();
    if (isMeasurement && load({id}, m_shown)) {
        m_shownId = id;
        const Measurement &shown = *m_shown.records.first();
        if (shown.sampleCount != 0)
            emit measurementShown(shown, m_shown.forceUnitFactor, m_shown.forceUnitText);
        else
            emit measurementCleared();
    } else {
        emit measurementCleared();
    }
}

bool ArchiveBrowser::loadCurrentGroup(DeviceData &into, int largest)
{
    QModelIndex group = m_parts.tree->currentIndex();
    if (archiveRowKind(group) == ArchiveRow::Measurement)
        group = group.parent();
    return load(m_rows->idsAt(group).mid(0, largest), into) &&
           !into.records.isEmpty();
}

void ArchiveBrowser::exportGroup()
{
    DeviceData records;
    if (loadCurrentGroup(records))
        emit exportRequested(constRecords(records.records), records);
}

void ArchiveBrowser::storeDesignation(const QString &designation, const DeviceData &gauge,
                                      int current)
{
    if (designation.isEmpty() || !m_archive->isOpen())
        return;
    const bool archived = rowSelected();
    qint64 id = archived ? m_shownId : 0;
    if (!archived) {
        const Measurement *record = findMeasurement(gauge.records, current);
        if (record)
            id = m_archive->idOf(gauge.serialNr, *record).value_or(0);
    }
    if (id == 0)
        return;
    const ArchiveStatus stored = m_archive->setDesignation(id, designation);
    if (!stored.ok()) {
        m_parts.errors->showMessage(errorText(stored));
        return;
    }
    // The archive rows show it from now on; a shown archive row stays current.
    if (!archived) {
        rebuildRows();
        return;
    }
    const Measurement &shown = *m_shown.records.first();
    ArchiveEntry entry;
    entry.slot = shown.number;
    entry.timeText = shown.timeText;
    entry.designation = designation;
    m_parts.model->setData(m_parts.tree->currentIndex(), archiveEntryText(entry));
}

void ArchiveBrowser::importCsv()
{
    const QString filter = archiveText(QT_TRANSLATE_NOOP("MainformArchive", "CSV-Datei (*.CSV)"));
    const QStringList files = QFileDialog::getOpenFileNames(
        m_parts.window,
        archiveText(QT_TRANSLATE_NOOP("MainformArchive", "CSV-Dateien ins Archiv importieren")),
        m_parts.status->lastExportListPath, filter);
    if (files.isEmpty())
        return;
    if (!m_archive->isOpen())
        open();

    QStringList report;
    int added = 0;
    for (const QString &file : files) {
        const CsvImportReport imported = importExportFile(*m_archive, file);
        added += imported.added;
        report << importReport(QFileInfo(file).fileName(), imported, m_archive->path());
    }
    rebuildRows();
    enableFrameForBrowsing();
    logLine("Mainform::importCsv: " + QByteArray::number(added) + " neu");
    QMessageBox::information(m_parts.window,
                             archiveText(QT_TRANSLATE_NOOP("MainformArchive", "Import ins Archiv")),
                             report.join(QLatin1Char('\n')));
}

const DeviceData &ArchiveBrowser::reportData(const DeviceData &gauge) const
{
    return rowSelected() ? m_shown : gauge;
}

int ArchiveBrowser::reportNumber(int current) const
{
    if (!rowSelected())
        return current;
    return m_shown.records.size() == 1 ? m_shown.records.first()->number : 0;
}
