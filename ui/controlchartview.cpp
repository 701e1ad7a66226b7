#include "ui/controlchartview.h"

#include "measurement/spcconstants.h"
#include "plot/controlchartplot.h"
#include "ui_controlchartview.h"

#include <QHeaderView>
#include <QStringList>
#include <QSignalBlocker>
#include <qwt_plot.h>

namespace {

// The selector's data of a plan's characteristic: below the built-in quantities'.
int characteristicData(int index)
{
    return -1 - index;
}

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
    QHeaderView *header = m_ui->tableViolations->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    // A rule's text wraps to the column's width, whole.
    connect(header, &QHeaderView::sectionResized, m_ui->tableViolations,
            &QTableWidget::resizeRowsToContents);
    connect(m_ui->tableViolations, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row < m_chart.violations.size())
            markChartPoint(m_ui->plotLocation, m_ui->plotDispersion, m_chart,
                           m_chart.violations.at(row));
    });
    m_ui->tableViolations->verticalHeader()->hide();
    // As the statistics table: a point smaller, so that a rule takes fewer lines.
    QFont listFont = m_ui->tableViolations->font();
    listFont.setPointSizeF(listFont.pointSizeF() - 1.0);
    m_ui->tableViolations->setFont(listFont);
    for (QwtPlot *plot : {m_ui->plotLocation, m_ui->plotDispersion, m_ui->plotHistogram}) {
        plot->setCanvasBackground(Qt::white);
        plot->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
        // Each characteristic keeps the reference limits fixed for it.
        const QSignalBlocker blocker(m_ui->checkFixLimits);
        m_ui->checkFixLimits->setChecked(m_fixedLimits.contains(currentQuantity()));
        emit settingsChanged();
    });
    connect(m_ui->comboType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ControlChartView::typeChanged);
    connect(m_ui->spinSubgroup, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] {
        forgetFixedLimits();
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

void ControlChartView::setPlan(const TestPlan *plan)
{
    QComboBox *combo = m_ui->comboQuantity;
    const QString chosen = combo->currentText();
    {
        const QSignalBlocker blocker(combo);
        while (combo->count() > int(std::size(kQuantities)))
            combo->removeItem(combo->count() - 1);
        for (int k = 0; plan && k < plan->characteristics.size(); ++k)
            combo->addItem(plan->characteristics.at(k).name, characteristicData(k));
        combo->setCurrentIndex(std::max(0, combo->findText(chosen)));
    }
    // Reference limits of the plan before do not apply to this one.
    forgetFixedLimits();
}

ChartSettings ControlChartView::settings() const
{
    ChartSettings s;
    const int data = m_ui->comboQuantity->currentData().toInt();
    if (data < 0)
        s.characteristic = characteristicData(data);
    else
        s.quantity = Quantity(data);
    s.type = ChartType(m_ui->comboType->currentData().toInt());
    s.subgroupSize = m_ui->spinSubgroup->value();
    s.ruleSet = RuleSet(m_ui->comboRules->currentData().toInt());
    if (m_fixedLimits.contains(data))
        s.fixedLimits = m_fixedLimits.value(data);
    return s;
}

void ControlChartView::typeChanged()
{
    m_ui->spinSubgroup->setEnabled(settings().type != ChartType::IndividualsMovingRange);
    // Limits of another kind of chart do not apply.
    forgetFixedLimits();
    emit settingsChanged();
}

int ControlChartView::currentQuantity() const
{
    return m_ui->comboQuantity->currentData().toInt();
}

void ControlChartView::fixLimits(bool fixed)
{
    m_fixedLimits.remove(currentQuantity());
    if (fixed && m_chart.chart)
        m_fixedLimits.insert(currentQuantity(), m_chart.chart->limits);
    const QSignalBlocker blocker(m_ui->checkFixLimits);
    m_ui->checkFixLimits->setChecked(m_fixedLimits.contains(currentQuantity()));
}

void ControlChartView::forgetFixedLimits()
{
    m_fixedLimits.clear();
    const QSignalBlocker blocker(m_ui->checkFixLimits);
    m_ui->checkFixLimits->setChecked(false);
}

void ControlChartView::showSet(const MeasurementSet &set, const QString &source,
                               const SeriesStatistics &statistics)
{
    const ChartSettings chosen = settings();
    m_chart = seriesChart(set, chosen);
    m_limits = m_chart.quantity.limits;
    QString text = source;
    if (m_chart.chart && m_chart.chart->sigmaWithin) {
        text += QStringLiteral("; σ = ") +
                StatisticsText::estimateFormula(chosen.withinSpread()) + QStringLiteral(" = ") +
                m_chart.limitText(*m_chart.chart->sigmaWithin) + QLatin1Char(' ') +
                m_chart.unitText;
    }
    if (m_chart.chart && m_chart.chart->fixedLimits)
        text += QStringLiteral("; ") + ChartText::fixedLimits();
    if (m_chart.quantity.passFail)
        text += QStringLiteral(" ") + ChartText::passFailNotCharted();
    else if (!m_chart.chart)
        text += QStringLiteral(" ") + ChartText::tooFewPoints();
    const QString outside = ChartText::outsideSubgroupsNote(m_chart.outsideSubgroups());
    if (!outside.isEmpty())
        text += QStringLiteral(" ") + outside;
    if (m_chart.leftOut > 0)
        text += QStringLiteral(" ") + StatisticsText::leftOutNote(m_chart.leftOut);
    if (m_chart.notFound > 0)
        text += QStringLiteral(" ") +
                StatisticsText::notFoundNote(m_chart.notFound, m_chart.quantity.name);
    m_ui->labelSource->setText(text);
    drawControlChart(m_ui->plotLocation, m_chart, ChartPart::Location);
    drawControlChart(m_ui->plotDispersion, m_chart, ChartPart::Dispersion);
    drawHistogram(m_ui->plotHistogram, m_chart.values, m_limits, m_chart.quantity.label(),
                  m_chart.quantity.spreadDecimals());
    showViolations();
    showVerdict(set, statistics);
}

void ControlChartView::showVerdict(const MeasurementSet &set, const SeriesStatistics &statistics)
{
    // The verdict is the charted characteristic's; the maximum force's for
    // the mean force and the duration, which have no limits.
    const int k = m_chart.quantity.characteristic;
    const bool planned = k >= 0 && k < statistics.characteristics.size();
    const std::optional<double> cpk =
        planned ? statistics.characteristics.at(k).capability.cpk : statistics.capability.cpk;
    const QVector<Verdict> &verdicts =
        planned ? statistics.characteristics.at(k).verdicts : statistics.verdicts;
    const SeriesQuantity judged =
        planned ? m_chart.quantity : seriesQuantity(set, Quantity::MaximumForce);
    QStringList parts;
    const QString capability = StatisticsText::capabilityVerdict(cpk, set.thresholds);
    if (!capability.isEmpty())
        parts << capability;
    if (judgedCount(verdicts) > 0)
        parts << StatisticsText::failedCount(failedCount(verdicts), judgedCount(verdicts));
    const int decimals = judged.spreadDecimals();
    if (judged.limits.lower)
        parts << ChartText::lowerSpecLimitShort() + QLatin1Char(' ') +
                     formatStatistic(judged.limits.lower, decimals) + QLatin1Char(' ') +
                     judged.unitText;
    if (judged.limits.upper)
        parts << ChartText::upperSpecLimitShort() + QLatin1Char(' ') +
                     formatStatistic(judged.limits.upper, decimals) + QLatin1Char(' ') +
                     judged.unitText;
    m_ui->labelVerdict->setText(parts.join(QStringLiteral("   ")));
    const CapabilityVerdict verdict = capabilityVerdict(cpk, set.thresholds);
    const bool failed = failedCount(verdicts) > 0 || verdict == CapabilityVerdict::NotCapable;
    const QString colour = failed                                 ? QStringLiteral("#b00000")
                           : verdict == CapabilityVerdict::Capable ? QStringLiteral("#a06000")
                           : verdict == CapabilityVerdict::WellCapable
                               ? QStringLiteral("#006000")
                               : QString();
    m_ui->labelVerdict->setStyleSheet(
        colour.isEmpty() ? QString() : QStringLiteral("font-weight: bold; color: %1;").arg(colour));
}

QString ControlChartView::verdictText() const
{
    return m_ui->labelVerdict->text();
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
    table->resizeRowsToContents();
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
