#include "ui/planevaluationdialog.h"

#include "measurement/measurement.h"
#include "ui/savefiledialog.h"
#include "ui_planevaluationdialog.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QTableWidgetItem *cell(const QString &text, bool number = false)
{
    auto *item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

PlanEvaluationDialog::PlanEvaluationDialog(const GroupEvaluation &result, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::PlanEvaluationDialog>()), m_result(result)
{
    ui->setupUi(this);
    ui->labelPlan->setText(
        tr("Prüfplan %1, Version %2").arg(result.plan.name).arg(result.plan.version));
    ui->labelCounts->setText(countsText(result));
    fillTallies();
    fillFailed();
    QPushButton *save = ui->buttons->addButton(tr("Als CSV speichern..."),
                                               QDialogButtonBox::ActionRole);
    save->setEnabled(!result.measurements.isEmpty());
    connect(save, &QPushButton::clicked, this, &PlanEvaluationDialog::saveCsv);
    connect(ui->tableFailed, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        const int kept = ui->tableFailed->item(row, 0)->data(Qt::UserRole).toInt();
        emit measurementChosen(m_result.measurements.at(kept));
    });
}

PlanEvaluationDialog::~PlanEvaluationDialog() = default;

QString PlanEvaluationDialog::countsText(const GroupEvaluation &result)
{
    QString text = tr("%n Messung(en) bewertet", nullptr, result.done) + QStringLiteral(": ") +
                   tr("%1 i.O., %2 n.i.O.").arg(result.passed).arg(result.failed);
    if (result.cancelled)
        text += QLatin1Char(' ') + tr("(abgebrochen nach %1 von %2)").arg(result.done).arg(result.total);
    return text;
}

void PlanEvaluationDialog::fillTallies()
{
    QTableWidget *table = ui->tableCharacteristics;
    const QList<Characteristic> &characteristics = m_result.plan.characteristics;
    table->setRowCount(characteristics.size());
    for (int k = 0; k < characteristics.size() && k < m_result.tallies.size(); ++k) {
        const CharacteristicTally &tally = m_result.tallies.at(k);
        table->setItem(k, 0, cell(characteristics.at(k).name));
        table->setItem(k, 1, cell(QString::number(tally.judged), true));
        table->setItem(k, 2, cell(QString::number(tally.passed), true));
        table->setItem(k, 3, cell(QString::number(tally.failed), true));
        table->setItem(k, 4, cell(QString::number(tally.notFound), true));
    }
    table->resizeColumnsToContents();
}

void PlanEvaluationDialog::fillFailed()
{
    QTableWidget *table = ui->tableFailed;
    int row = 0;
    for (int kept = 0; kept < m_result.measurements.size(); ++kept) {
        const JudgedMeasurement &m = m_result.measurements.at(kept);
        if (m.verdict.pass())
            continue;
        QStringList failedNames;
        for (int k = 0; k < m.verdict.results.size(); ++k) {
            const CharacteristicResult &r = m.verdict.results.at(k);
            if (r.judged && !r.pass)
                failedNames << m_result.plan.characteristics.at(k).name;
        }
        table->setRowCount(row + 1);
        table->setItem(row, 0, cell(QString::fromLatin1(m.serialNr)));
        table->item(row, 0)->setData(Qt::UserRole, kept);
        table->setItem(row, 1, cell(QString::number(m.slot), true));
        table->setItem(row, 2, cell(formatMeasurementDate(m.dateText)));
        table->setItem(row, 3, cell(formatMeasurementTime(m.timeText)));
        table->setItem(row, 4, cell(failedNames.join(QStringLiteral(", "))));
        ++row;
    }
    table->resizeColumnsToContents();
}

void PlanEvaluationDialog::saveCsv()
{
    const QString path = askSaveFileName(
        this, tr("Bewertung speichern"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        m_result.plan.name, tr("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QByteArray csv = groupEvaluationCsv(m_result);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(csv) != csv.size() ||
        !file.flush()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Die Datei '%1' konnte nicht geschrieben werden!").arg(path));
    }
}
