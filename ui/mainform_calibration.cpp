// The gauge itself: "Kalibrierung…" (the calibration records of the gauge
// the current row belongs to) and "Typ-1-Studie…" (the type-1 study of the
// selection or the current archive group), in the Edit menu and the tree's
// context menu.
#include "ui/mainform.h"

#include "ui_mainform.h"

#include "ui/archivebrowser.h"
#include "ui/archivetree.h"
#include "ui/calibrationdialog.h"
#include "ui/gaugestudypage.h"

#include "archive/measurementarchive.h"
#include "workflow/seriesset.h"
#include "workflow/studyrecord.h"

#include <QAction>
#include <QErrorMessage>

void Mainform::setUpCalibrationCommand()
{
    auto *action = new QAction(tr("Kalibrierung…"), this);
    action->setObjectName(QStringLiteral("actionKalibrierung"));
    ui->menuBearbeiten->insertAction(ui->actionEinstellungen, action);
    ui->menuBearbeiten->insertSeparator(ui->actionEinstellungen);
    ui->treeView->setContextMenuPolicy(Qt::ActionsContextMenu);
    ui->treeView->addAction(action);
    connect(action, &QAction::triggered, this, &Mainform::showCalibration);

    auto *study = new QAction(tr("Typ-1-Studie…"), this);
    study->setObjectName(QStringLiteral("actionTyp1Studie"));
    ui->menuBearbeiten->insertAction(ui->actionEinstellungen, study);
    ui->treeView->addAction(study);
    connect(study, &QAction::triggered, this, &Mainform::showGaugeStudy);
}

void Mainform::showGaugeStudy()
{
    // The selection of several, else the archive group of the current row.
    DeviceData group;
    MeasurementSet set = selectedSet();
    if (set.records.size() < 2 && m_archiveBrowser->rowSelected() &&
        m_archiveBrowser->loadCurrentGroup(group, kType1LargestCount + 1)) {
        set = measurementSetOf(group, *status);
        set.records = constRecords(group.records);
    }
    GaugeStudyPage page(type1StudyOf(set, measurementArchive()), measurementArchive(), *status,
                        this);
    page.exec();
}

void Mainform::showCalibration()
{
    // An archived measurement's row names its gauge; any other row the connected one.
    const QModelIndex current = ui->treeView->currentIndex();
    const bool archived =
        ArchiveRow(current.data(ArchiveRowRole).toInt()) == ArchiveRow::Measurement;
    const QByteArray serialNr =
        archived ? m_archiveBrowser->shown().serialNr : measurements.serialNr;
    if (serialNr.isEmpty() || !measurementArchive()) {
        errorMessage->showMessage(
            tr("Erst ein Gerät verbinden oder eine archivierte Messung wählen."));
        return;
    }
    CalibrationDialog dialog(*measurementArchive(), serialNr, this);
    dialog.exec();
}
