#include "ui/controlchartview.h"

#include "measurement/spcconstants.h"
#include "plot/controlchartplot.h"
#include "ui_controlchartview.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <qwt_plot.h>

namespace {

QTableWidgetItem *cell(const QString &text)
{
    return new QTableWidgetItem(text);
}

} // namespace

ControlChartView::ControlChartView(QWidget *parent)
    : QWidget(parent), m_ui(new Ui::ControlChartView)
{
    m_ui->setupUi(this);
    for (Quantity quantity : kQuantities)
        m_ui->comboQuantity->addItem(StatisticsText::quantityName(quantity), int(quantity));
    for (ChartType type :
         {ChartType::IndividualsMovingRange, ChartType::MeanStdDev, ChartType::MeanRange})
        m_ui->comboType->addItem(ChartText::typeName(type), int(type));
    m_ui->comboRules->addItem(ruleSetName(RuleSet::Nelson) + QStringLiteral(" 1-8"),
                              int(RuleSet::Nelson));
    m_ui->comboRules->addItem(ruleSetName(RuleSet::WesternElectric) + QStringLiteral(" 1-4"),
                              int(RuleSet::WesternElectric));
    m_ui->spinSubgroup->setRange(kSmallestSubgroup, kLargestSubgroup);
    m_ui->spinSubgroup->setEnabled(false);
    m_ui->tableViolations->setColumnCount(3);
    m_ui->tableViolations->setHorizontalHeaderLabels(
        {ChartText::point(), ChartText::records(), ChartText::rule()});
    m_ui->tableViolations->horizontalHeader()->setStretchLastSection(true);
    m_ui->tableViolations->verticalHeader()->hide();
    for (QwtPlot *plot : {m_ui->plotLocation, m_ui->plotDispersion, m_ui->plotHistogram}) {
        plot->setCanvasBackground(Qt::white);
        QFont small = plot->font();
        small.setPointSizeF(small.pointSizeF() - 1.0);
        for (int axis : {QwtPlot::yLeft, QwtPlot::xBottom}) {
            plot->setAxisFont(axis, small);
            QwtText title = plot->axisTitle(axis);
            title.setFont(small);
            plot->setAxisTitle(axis, title);
        }
    }

    const auto changed = [this] { emit settingsChanged(); };
    connect(m_ui->comboQuantity, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        fixLimits(false);
        emit settingsChanged();
    });
    connect(m_ui->comboType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ControlChartView::typeChanged);
    connect(m_ui->spinSubgroup, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] {
        fixLimits(false);
        emit settingsChanged();
    });
    connect(m_ui->comboRules, QOverload<int>::of(&QComboBox::currentIndexChanged), this, changed);
    connect(m_ui->checkFixLimits, &QCheckBox::toggled, this, [this](bool fixed) {
        fixLimits(fixed);
        emit settingsChanged();
    });
}

ControlChartView::~ControlChartView()
{
    delete m_ui;
}

ChartSettings ControlChartView::settings() const
{
    ChartSettings s;
    s.quantity = Quantity(m_ui->comboQuantity->currentData().toInt());
    s.type = ChartType(m_ui->comboType->currentData().toInt());
    s.subgroupSize = m_ui->spinSubgroup->value();
    s.ruleSet = RuleSet(m_ui->comboRules->currentData().toInt());
    s.fixedLimits = m_fixedLimits;
    return s;
}

void ControlChartView::typeChanged()
{
    m_ui->spinSubgroup->setEnabled(settings().type != ChartType::IndividualsMovingRange);
    // Limits of another kind of chart do not apply.
    fixLimits(false);
    emit settingsChanged();
}

void ControlChartView::fixLimits(bool fixed)
{
    m_fixedLimits.reset();
    if (fixed && m_chart.chart)
        m_fixedLimits = m_chart.chart->limits;
    const QSignalBlocker blocker(m_ui->checkFixLimits);
    m_ui->checkFixLimits->setChecked(m_fixedLimits.has_value());
}

void ControlChartView::showSet(const MeasurementSet &set, const QString &source)
{
    const ChartSettings chosen = settings();
    m_chart = seriesChart(set, chosen);
    const bool forces = chosen.quantity == Quantity::MaximumForce;
    m_limits = forces ? set.limits : ForceLimits();
    QString text = source;
    if (m_chart.chart && m_chart.chart->sigmaWithin) {
        text += QStringLiteral("; σ = ") +
                StatisticsText::estimateFormula(chosen.withinSpread()) + QStringLiteral(" = ") +
                formatStatistic(m_chart.chart->sigmaWithin, 4) + QLatin1Char(' ') +
                m_chart.unitText;
    }
    if (m_chart.chart && m_chart.chart->fixedLimits)
        text += QStringLiteral("; ") + ChartText::fixedLimits();
    if (!m_chart.chart)
        text += QStringLiteral(" ") + ChartText::tooFewPoints();
    if (m_chart.leftOut > 0)
        text += QStringLiteral(" ") + StatisticsText::leftOutNote(m_chart.leftOut);
    m_ui->labelSource->setText(text);
    drawControlChart(m_ui->plotLocation, m_chart, ChartPart::Location);
    drawControlChart(m_ui->plotDispersion, m_chart, ChartPart::Dispersion);
    drawHistogram(m_ui->plotHistogram, m_chart.values, m_limits,
                  StatisticsText::quantity(chosen.quantity, set.unitText));
    showViolations();
}

void ControlChartView::showViolations()
{
    QTableWidget *table = m_ui->tableViolations;
    table->clearContents();
    const QVector<RuleViolation> &found = m_chart.violations;
    table->setRowCount(found.isEmpty() ? 1 : found.size());
    if (found.isEmpty()) {
        table->setItem(0, 0, cell(QString()));
        table->setItem(0, 1, cell(QString()));
        table->setItem(0, 2, cell(m_chart.chart ? ChartText::noViolations() : QString()));
    }
    for (int k = 0; k < found.size(); ++k) {
        const RuleViolation &v = found.at(k);
        table->setItem(k, 0, cell(m_chart.pointText(v)));
        table->setItem(k, 1, cell(m_chart.pointRecordsText(v.part, v.point)));
        table->setItem(k, 2, cell(ruleText(v.ruleSet, v.rule)));
    }
    table->resizeColumnsToContents();
}

int ControlChartView::violationCount() const
{
    return m_chart.violations.size();
}

QStringList ControlChartView::violationRow(int row) const
{
    QStringList texts;
    for (int c = 0; c < m_ui->tableViolations->columnCount(); ++c) {
        const QTableWidgetItem *item = m_ui->tableViolations->item(row, c);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

QString ControlChartView::sourceText() const
{
    return m_ui->labelSource->text();
}
