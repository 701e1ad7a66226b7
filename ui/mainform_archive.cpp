// The archive in the window is the ArchiveBrowser's; here it is wired in.
#include "ui/mainform.h"

#include "ui/archivebrowser.h"
#include "ui/archivetree.h"
#include "ui/exportwriter.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"
#include "workflow/gaugeworkflow.h"

void Mainform::setUpArchive()
{
    m_archiveBrowser =
        new ArchiveBrowser({this, ui->frame2, ui->treeView, treeModel, status, errorMessage});
    workflow = new GaugeWorkflow(*session, *m_archiveBrowser->archive(), *status);
    connect(m_archiveBrowser, &ArchiveBrowser::measurementShown, this,
            [this](const Measurement &m, double factor, const QString &unit) {
                m_page->showValues(m, factor, unit);
            });
    connect(m_archiveBrowser, &ArchiveBrowser::measurementCleared, this,
            [this] { m_page->clearValues(); });
    connect(m_archiveBrowser, &ArchiveBrowser::exportRequested, this,
            [this](const QList<const Measurement *> &records, const DeviceData &source) {
                m_exportWriter->exportCsv(records, source);
            });
    m_archiveBrowser->open();
}

void Mainform::tearDownArchive()
{
    delete workflow;
    workflow = nullptr;
    delete m_archiveBrowser;
    m_archiveBrowser = nullptr;
}

MeasurementArchive *Mainform::measurementArchive() const
{
    return m_archiveBrowser->archive();
}

ArchiveFilterBar *Mainform::archiveFilter() const
{
    return m_archiveBrowser->filterBar();
}

QModelIndex Mainform::archiveIndex() const
{
    return m_archiveBrowser->rootIndex();
}

void Mainform::archiveFilterChanged()
{
    m_archiveBrowser->rebuildRows();
}

void Mainform::showArchivedRow(const QModelIndex &index)
{
    m_archiveBrowser->showRow(index);
    // The device page keeps the gauge's serial number.
    ui->labelSerialNr->setText(QString::fromLatin1(measurements.serialNr));
    // Commands on the gauge's selected slot do not apply to the archive.
    const bool shown = !m_archiveBrowser->shown().records.isEmpty();
    for (QAction *action : {ui->actionDruckvorschau, ui->actionDrucken, ui->actionAlsPDFspeichern,
                            ui->actionGewaehlteMessungexportieren})
        action->setEnabled(shown);
    ui->actionGewaehlteMessungloeschen->setEnabled(false);
    ui->actionAlleMessungenexportieren->setEnabled(!archiveIdsAt(index).isEmpty());
    ui->actionAlleMessungenloeschen->setEnabled(treeModel->deviceIndex().isValid());
}

const DeviceData &Mainform::reportData() const
{
    return m_archiveBrowser->rowSelected() ? m_archiveBrowser->shown() : measurements;
}

int Mainform::reportNumber() const
{
    if (!m_archiveBrowser->rowSelected())
        return currentMeasurementNumber();
    const DeviceData &shown = m_archiveBrowser->shown();
    return shown.records.size() == 1 ? shown.records.first()->number : 0;
}

void Mainform::storeReportDesignation(const QString &designation)
{
    m_archiveBrowser->storeDesignation(designation, measurements, currentMeasurementNumber());
}

void Mainform::on_actionArchivImportieren_triggered()
{
    m_archiveBrowser->importCsv();
}
