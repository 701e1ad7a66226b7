// CSV export of the selected or all measurements.
#include "ui/mainform.h"

#include "measurement/dblist.h"
#include "settings/statusini.h"
#include "ui/archivebrowser.h"

#include <QApplication>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

namespace {

// How long "Daten exportiert." stays in the status bar.
constexpr int kExportedMessageMs = 2000;

} // namespace

void Mainform::on_actionGewaehlteMessungexportieren_triggered()
{
    if (m_archiveBrowser->rowSelected()) {
        const DeviceData &shown = m_archiveBrowser->shown();
        if (shown.records.size() == 1)
            exportCSV(constRecords(shown.records), shown);
        return;
    }
    // Several selected rows go side by side, as an export of all does.
    const MeasurementSet selection = selectedSet();
    if (selection.records.size() >= 2) {
        exportCSV(selection.records);
        return;
    }
    const int number = currentMeasurementNumber();
    if (number == 0)
        return;
    if (Measurement *record = findMeasurement(measurements.records, number))
        exportCSV({record});
}

void Mainform::on_actionAlleMessungenexportieren_triggered()
{
    if (m_archiveBrowser->rowSelected())
        m_archiveBrowser->exportGroup();
    else
        exportCSV(constRecords(measurements.records));
}

void Mainform::exportCSV(const QList<const Measurement *> &list)
{
    exportCSV(list, measurements);
}

// `source` gives the serial number and the unit.
void Mainform::exportCSV(const QList<const Measurement *> &list, const DeviceData &source)
{
    if (list.isEmpty()) {
        // Asking for a file and then reporting an export would mislead: no
        // file would be written.
        statusBar()->showMessage(tr("Keine Messungen zum Exportieren vorhanden."));
        startStatusClearTimer();
        return;
    }
    const DbList table(list, QString::fromLatin1(source.serialNr), source.forceUnitText,
                       source.forceUnitFactor);
    QString filter = tr("CSV-Datei (*.CSV)");
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Daten exportieren"), status->lastExportListPath, filter, &filter);
    if (fileName.isEmpty())
        return;

    writeExport(fileName,
                [&] { return table.exportListCSV(fileName, status->exportListCsvWithSepHeader); });
}

void Mainform::writeExport(const QString &fileName, const std::function<int()> &write)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    statusBar()->showMessage(tr("Daten werden exportiert..."));
    QCoreApplication::processEvents();

    const int result = write();
    status->lastExportListPath = QFileInfo(fileName).path();
    status->save();
    QApplication::restoreOverrideCursor();

    if (result == 0) {
        statusBar()->showMessage(tr("Daten exportiert."));
    } else {
        // The operator must not leave believing the data are saved.
        statusBar()->showMessage(tr("Daten wurden nicht exportiert."));
        errorMessage->showMessage(
            tr("Die Datei '%1' konnte nicht geschrieben werden!").arg(fileName));
    }
    startStatusClearTimer();
}

void Mainform::startStatusClearTimer()
{
    if (!m_statusClearTimer) {
        m_statusClearTimer = new QTimer(this);
        m_statusClearTimer->setObjectName(QStringLiteral("statusClearTimer"));
        m_statusClearTimer->setSingleShot(true);
        m_statusClearTimer->setInterval(kExportedMessageMs);
        connect(m_statusClearTimer, &QTimer::timeout, this, &Mainform::clearStatusBar);
    }
    // A second export restarts it: its message gets the full time too.
    m_statusClearTimer->start();
}
