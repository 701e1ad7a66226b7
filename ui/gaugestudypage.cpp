#include "ui/gaugestudypage.h"

#include "ui_gaugestudypage.h"

#include "archive/measurementarchive.h"
#include "plot/controlchartplot.h"
#include "plot/plainscaledraw.h"
#include "plot/type1chartplot.h"
#include "report/report.h"
#include "report/studyreport.h"
#include "settings/statusini.h"
#include "ui/savefiledialog.h"
#include "workflow/studyrecord.h"
#include "workflow/workflowtexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPushButton>
#include <QTableWidgetItem>

namespace {

// A number as a person types it: "." as decimal point; unset when empty.
std::optional<double> typedNumber(const QLineEdit *edit, bool *wrong)
{
    const QString text = edit->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool number = false;
    const double value = QLocale::c().toDouble(text, &number);
    if (!number)
        *wrong = true;
    return number ? std::optional<double>(value) : std::nullopt;
}

} // namespace

GaugeStudyPage::GaugeStudyPage(const GaugeStudyRecord &study, MeasurementArchive *archive,
                               const StatusIni &status, QWidget *parent)
    : QDialog(parent), m_study(study), m_archive(archive), m_status(status),
      m_ui(std::make_unique<Ui::GaugeStudyPage>())
{
    m_ui->setupUi(this);
    m_ui->labelSource->setText(
        tr("Gerät %1: %n Maximalkräfte in %2", nullptr, m_study.input.values.size())
            .arg(QString::fromLatin1(m_study.serialNr), m_study.unit));
    m_ui->editResolution->setText(QStringLiteral("0.1"));
    // Small minimums: the page fits 1024x768 with its table and both charts.
    m_ui->tableResults->setMinimumSize(200, 120);
    for (QwtPlot *plot : {m_ui->plotRun, m_ui->plotHistogram}) {
        plot->setMinimumSize(240, 160);
        plot->setCanvasBackground(Qt::white);
        usePlainAxisNumbers(plot);
    }
    m_ui->buttonKeep->setEnabled(false);
    m_ui->buttonPdf->setEnabled(false);
    connect(m_ui->buttonCompute, &QPushButton::clicked, this, &GaugeStudyPage::compute);
    connect(m_ui->buttonKeep, &QPushButton::clicked, this, &GaugeStudyPage::keep);
    connect(m_ui->buttonPdf, &QPushButton::clicked, this, &GaugeStudyPage::askPdf);
}

GaugeStudyPage::~GaugeStudyPage() = default;

bool GaugeStudyPage::compute()
{
    m_result.reset();
    m_ui->buttonKeep->setEnabled(false);
    m_ui->buttonPdf->setEnabled(false);
    bool wrong = false;
    const std::optional<double> reference = typedNumber(m_ui->editReference, &wrong);
    const std::optional<double> tolerance = typedNumber(m_ui->editTolerance, &wrong);
    const std::optional<double> lower = typedNumber(m_ui->editLower, &wrong);
    const std::optional<double> upper = typedNumber(m_ui->editUpper, &wrong);
    const std::optional<double> resolution = typedNumber(m_ui->editResolution, &wrong);
    const Type1Characteristic characteristic{reference.value_or(0.0), tolerance, lower, upper,
                                             resolution.value_or(0.0)};
    if (wrong || !reference || !characteristic.isComplete()) {
        say(tr("Referenzwert und Toleranz (oder beide Grenzen) als Zahlen mit Punkt eingeben."));
        return false;
    }
    setType1Characteristic(m_study, characteristic, m_status.type1Minimum);
    if (const std::optional<Type1Problem> problem = type1ProblemOf(m_study.input)) {
        say(GaugeStudyText::problem(*problem));
        return false;
    }
    showResult(type1Study(m_study.input));
    return true;
}

void GaugeStudyPage::showResult(const Type1Result &result)
{
    m_result = result;
    const auto rows = type1ResultRows(m_study.input, result, m_study.unit);
    QTableWidget *table = m_ui->tableResults;
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows.at(row).first));
        auto *value = new QTableWidgetItem(rows.at(row).second);
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 1, value);
    }
    table->resizeColumnToContents(0);
    say(GaugeStudyText::verdict(result));
    const QString axis = QStringLiteral("x / ") + m_study.unit;
    drawType1RunChart(m_ui->plotRun, m_study.input.values, m_study.input, result, axis);
    // No limits in the histogram: the band is the run chart's, not the characteristic's.
    drawHistogram(m_ui->plotHistogram, m_study.input.values, ForceLimits(), axis);
    m_ui->buttonKeep->setEnabled(m_archive != nullptr);
    m_ui->buttonPdf->setEnabled(true);
}

bool GaugeStudyPage::keep()
{
    if (!m_result || !m_archive)
        return false;
    GaugeStudyRecord study = m_study;
    const ArchiveStatus kept = GaugeStudyStore(*m_archive).add(study, &study.id);
    if (!kept.ok()) {
        say(WorkflowText::archiveProblem(kept, m_archive->location()));
        return false;
    }
    m_ui->buttonKeep->setEnabled(false);
    say(GaugeStudyText::verdict(*m_result) + QStringLiteral(" – ") +
        tr("im Archiv gespeichert (Nr. %1)").arg(study.id));
    return true;
}

bool GaugeStudyPage::savePdf(const QString &fileName)
{
    if (!m_result)
        return false;
    const StudyPage page{m_study.serialNr, m_study.unit, m_study.input.values, m_study.input,
                         *m_result};
    const bool written = writeStudyPdf(page, m_status, fileName);
    if (!written)
        say(pdfNotWrittenMessage(fileName));
    return written;
}

void GaugeStudyPage::askPdf()
{
    const QString fileName = askSaveFileName(
        this, GaugeStudyText::title(), QString(), proposedFileName(QString::fromLatin1(m_study.serialNr)),
        QCoreApplication::translate("Mainform", "PDF-Datei") + QStringLiteral(" (*.pdf)"),
        QStringLiteral(".pdf"));
    if (!fileName.isEmpty())
        savePdf(fileName);
}

void GaugeStudyPage::say(const QString &text)
{
    m_ui->labelVerdict->setText(text);
}
