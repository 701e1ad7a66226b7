#include "ui/statisticsview.h"

#include "measurement/seriesstatistics.h"
#include "ui_statisticsview.h"

#include <QHeaderView>
#include <QTableWidget>
#include <iterator>

namespace {

constexpr int kCapabilityDecimals = 2;
constexpr int kPercentDecimals = 1;
const QColor kPassColour(200, 240, 200);
const QColor kFailColour(255, 200, 200);

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignRight)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(int(alignment | Qt::AlignVCenter));
    return item;
}

QStringList rowTexts(const QTableWidget *table, int row)
{
    QStringList texts;
    if (row < 0 || row >= table->rowCount())
        return texts;
    texts << table->verticalHeaderItem(row)->text();
    for (int c = 0; c < table->columnCount(); ++c)
        texts << (table->item(row, c) ? table->item(row, c)->text() : QString());
    return texts;
}

void fitRows(QTableWidget *table)
{
    table->resizeColumnsToContents();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

} // namespace

StatisticsView::StatisticsView(QWidget *parent) : QWidget(parent), m_ui(new Ui::StatisticsView)
{
    m_ui->setupUi(this);
    for (QTableWidget *table : {m_ui->tableStatistics, m_ui->tableVerdicts})
        table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_ui->tableStatistics->horizontalHeader()->setStretchLastSection(true);
}

StatisticsView::~StatisticsView()
{
    delete m_ui;
}

void StatisticsView::showStatistics(const MeasurementSet &set, const SeriesStatistics &statistics)
{
    QTableWidget *table = m_ui->tableStatistics;
    // Symbols as column titles, the full names as their tool tips.
    const QStringList names = StatisticsText::columns();
    const QStringList symbols = StatisticsText::shortColumns();
    table->clear();
    table->setColumnCount(symbols.size());
    for (int c = 0; c < symbols.size(); ++c) {
        auto *title = new QTableWidgetItem(symbols.at(c));
        title->setToolTip(names.at(c));
        table->setHorizontalHeaderItem(c, title);
    }
    table->setRowCount(int(std::size(kQuantities)));
    int row = 0;
    for (Quantity quantity : kQuantities) {
        const Summary &s = statistics.summary(quantity);
        const int decimals = quantityDecimals(quantity);
        table->setVerticalHeaderItem(
            row, new QTableWidgetItem(StatisticsText::quantity(quantity, set.unitText)));
        const QString texts[] = {QString::number(s.count),
                                 formatStatistic(s.mean, decimals),
                                 formatStatistic(s.standardDeviation, decimals),
                                 formatStatistic(s.variationPercent, kPercentDecimals),
                                 formatStatistic(s.minimum, decimals),
                                 formatStatistic(s.maximum, decimals),
                                 formatStatistic(s.range, decimals)};
        for (int c = 0; c < int(std::size(texts)); ++c)
            table->setItem(row, c, cell(texts[c]));
        if (quantity == Quantity::MaximumForce) {
            table->setItem(row, 7,
                           cell(formatStatistic(statistics.capability.cp, kCapabilityDecimals)));
            table->setItem(row, 8,
                           cell(formatStatistic(statistics.capability.cpk, kCapabilityDecimals)));
        }
        ++row;
    }
    fitRows(table);

    QTableWidget *verdicts = m_ui->tableVerdicts;
    verdicts->clear();
    verdicts->setColumnCount(2);
    verdicts->setHorizontalHeaderLabels(
        {QStringLiteral("Fmax / ") + set.unitText, StatisticsText::result()});
    verdicts->setRowCount(set.records.size());
    for (int k = 0; k < set.records.size(); ++k) {
        const Measurement &m = *set.records.at(k);
        auto *name = new QTableWidgetItem(QLatin1Char('#') + QString::number(m.number));
        name->setToolTip(measurementLegendText(m));
        verdicts->setVerticalHeaderItem(k, name);
        verdicts->setItem(k, 0, cell(formatForce(m.forceMax, set.factor)));
        const Verdict verdict = statistics.verdicts.value(k, Verdict::NoLimits);
        QTableWidgetItem *mark = cell(StatisticsText::verdict(verdict), Qt::AlignCenter);
        if (verdict != Verdict::NoLimits)
            mark->setBackground(verdict == Verdict::Pass ? kPassColour : kFailColour);
        verdicts->setItem(k, 1, mark);
    }
    fitRows(verdicts);

    QString note;
    if (set.limits.isEmpty())
        note = StatisticsText::noLimitsNote(set.unitText);
    else if (statistics.fewForCapability())
        note = StatisticsText::fewMeasurementsNote();
    m_ui->labelNote->setText(note);
}

QStringList StatisticsView::statisticsRow(int row) const
{
    return rowTexts(m_ui->tableStatistics, row);
}

QStringList StatisticsView::verdictRow(int row) const
{
    return rowTexts(m_ui->tableVerdicts, row);
}

int StatisticsView::verdictCount() const
{
    return m_ui->tableVerdicts->rowCount();
}

QString StatisticsView::note() const
{
    return m_ui->labelNote->text();
}
