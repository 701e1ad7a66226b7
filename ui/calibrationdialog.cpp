#include "ui/calibrationdialog.h"

#include "ui_calibrationdialog.h"

#include "archive/calibrationstore.h"
#include "archive/measurementarchive.h"
#include "measurement/gaugecalibration.h"
#include "workflow/workflowtexts.h"

#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidgetItem>

namespace {

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

// Numbers as a person reads them: "." and no digit grouping.
QString uncertaintyText(const std::optional<double> &value)
{
    return value ? QLocale::c().toString(*value, 'g', 6) : QString();
}

} // namespace

CalibrationDialog::CalibrationDialog(MeasurementArchive &archive, const QByteArray &serialNr,
                                     QWidget *parent)
    : QDialog(parent), m_archive(archive), m_serialNr(serialNr),
      m_ui(std::make_unique<Ui::CalibrationDialog>())
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Kalibrierung des Geräts %1").arg(QString::fromLatin1(serialNr)));
    const QDate today = QDate::currentDate();
    m_ui->dateCalibrated->setDate(today);
    m_ui->dateDue->setDate(today.addYears(1));
    m_ui->tableRecords->horizontalHeader()->setStretchLastSection(true);
    connect(m_ui->buttonAdd, &QPushButton::clicked, this, &CalibrationDialog::addRecord);
    showRecords();
}

CalibrationDialog::~CalibrationDialog() = default;

void CalibrationDialog::showRecords()
{
    ArchiveStatus status;
    const QList<CalibrationRecord> records = CalibrationStore(m_archive).list(m_serialNr, &status);
    if (!status.ok())
        showProblem(WorkflowText::archiveProblem(status, m_archive.location()));
    QTableWidget *table = m_ui->tableRecords;
    table->setRowCount(records.size());
    for (int row = 0; row < records.size(); ++row) {
        const CalibrationRecord &r = records.at(row);
        const QStringList cells = {r.certificate,      dayText(r.calibratedOn),
                                   dayText(r.dueOn),   r.laboratory,
                                   uncertaintyText(r.uncertainty), r.referenceStandard,
                                   r.note,             r.station};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    table->resizeColumnsToContents();

    GaugeCalibration calibration;
    calibration.known = status.ok();
    calibration.recordRequired = true; // here a gauge without a record is worth naming
    if (!records.isEmpty())
        calibration.dueOn = records.first().dueOn;
    const QString note = overdueGaugeNote(m_serialNr, calibration, QDate::currentDate());
    m_ui->labelGauge->setText(note.isEmpty() && calibration.dueOn
                                  ? tr("Fällig am %1.").arg(dayText(*calibration.dueOn))
                                  : note);
}

void CalibrationDialog::addRecord()
{
    CalibrationRecord r;
    r.serialNr = m_serialNr;
    r.certificate = m_ui->editCertificate->text().trimmed();
    r.calibratedOn = m_ui->dateCalibrated->date();
    r.dueOn = m_ui->dateDue->date();
    r.laboratory = m_ui->editLaboratory->text().trimmed();
    r.referenceStandard = m_ui->editReference->text().trimmed();
    r.note = m_ui->editNote->text().trimmed();
    const QString uncertainty = m_ui->editUncertainty->text().trimmed();
    if (!uncertainty.isEmpty()) {
        bool number = false;
        const double value = QLocale::c().toDouble(uncertainty, &number);
        if (!number || value < 0.0) {
            showProblem(tr("Die Unsicherheit ist eine Zahl in N mit Punkt, z. B. 0.25."));
            return;
        }
        r.uncertainty = value;
    }
    if (!r.isComplete()) {
        showProblem(tr("Eine Kalibrierung braucht eine Zertifikat-Nr. und ein Fälligkeitsdatum "
                       "nicht vor dem Kalibrierdatum."));
        return;
    }
    const ArchiveStatus status = CalibrationStore(m_archive).add(r);
    if (!status.ok()) {
        showProblem(WorkflowText::archiveProblem(status, m_archive.location()));
        return;
    }
    m_added = true;
    showProblem(QString());
    for (QLineEdit *edit : {m_ui->editCertificate, m_ui->editLaboratory, m_ui->editUncertainty,
                            m_ui->editReference, m_ui->editNote})
        edit->clear();
    showRecords();
}

void CalibrationDialog::showProblem(const QString &text)
{
    m_ui->labelProblem->setText(text);
}
