#include "ui/statisticsview.h"

#include "measurement/statisticstable.h"
#include "ui_statisticsview.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

namespace {

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

// Beyond this many measurements the verdicts scroll.
constexpr int kVisibleVerdicts = 8;
// Beyond this many quantities (the three built in and a plan's first two
// characteristics) the statistics scroll: the charts keep their room at 1024x768.
constexpr int kVisibleQuantities = 5;

// The table as large as its content (up to `visibleRows` rows): no empty
// area below the rows, no scroll bar where the window leaves the room.
void fitRows(QTableWidget *table, int visibleRows)
{
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    QHeaderView *rows = table->verticalHeader();
    QHeaderView *columns = table->horizontalHeader();
    const int frame = 2 * table->frameWidth();
    const int shownRows = std::min(table->rowCount(), visibleRows);
    int height = 0;
    for (int row = 0; row < shownRows; ++row)
        height += rows->sectionSize(row);
    table->setFixedHeight(columns->sizeHint().height() + height + frame);
    const int scrollBar =
        table->rowCount() > shownRows ? table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    table->setMaximumWidth(rows->sizeHint().width() + columns->length() + frame + scrollBar);
}

// Symbols as column titles, the full names as their tool tips.
void showQuantities(QTableWidget *table, const StatisticsTable &content)
{
    table->clear();
    table->setColumnCount(content.columns.size());
    for (int c = 0; c < content.columns.size(); ++c) {
        auto *title = new QTableWidgetItem(content.columns.at(c).symbol);
        title->setToolTip(content.columns.at(c).name);
        table->setHorizontalHeaderItem(c, title);
    }
    table->setRowCount(content.rows.size());
    for (int r = 0; r < content.rows.size(); ++r) {
        const StatisticsRow &row = content.rows.at(r);
        auto *title = new QTableWidgetItem(row.label);
        // A characteristic's limits and verdicts: under the pointer, not below
        // the table, whose room the charts need.
        title->setToolTip(row.note);
        table->setVerticalHeaderItem(r, title);
        for (int c = 0; c < row.cells.size(); ++c)
            if (row.cells.at(c).applies)
                table->setItem(r, c, cell(row.cells.at(c).text()));
    }
    fitRows(table, kVisibleQuantities);
}

void showVerdicts(QTableWidget *table, const StatisticsTable &content)
{
    table->clear();
    table->setColumnCount(2);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Fmax / ") + content.unitText, content.resultTitle});
    table->setRowCount(content.verdicts.size());
    for (int k = 0; k < content.verdicts.size(); ++k) {
        const StatisticsVerdict &v = content.verdicts.at(k);
        auto *name = new QTableWidgetItem(QLatin1Char('#') + QString::number(v.record->number));
        name->setToolTip(measurementLegendText(*v.record));
        table->setVerticalHeaderItem(k, name);
        table->setItem(k, 0, cell(v.forceText));
        QTableWidgetItem *mark = cell(v.verdictText, Qt::AlignCenter);
        mark->setToolTip(v.verdictText); // a plan's failed characteristics may be cut off
        if (v.verdict != Verdict::NoLimits)
            mark->setBackground(v.verdict == Verdict::Pass ? kPassColour : kFailColour);
        table->setItem(k, 1, mark);
    }
    fitRows(table, kVisibleVerdicts);
}

} // namespace

StatisticsView::StatisticsView(QWidget *parent) : QWidget(parent), m_ui(new Ui::StatisticsView)
{
    m_ui->setupUi(this);
}

StatisticsView::~StatisticsView()
{
    delete m_ui;
}

void StatisticsView::showStatistics(const MeasurementSet &set, const SeriesStatistics &statistics)
{
    const StatisticsTable content = statisticsTable(set, statistics);
    // A point smaller than the window's text: all the columns fit beside
    // the tree at the window's default width.
    QFont tableFont = font();
    tableFont.setPointSizeF(tableFont.pointSizeF() - 1.0);
    for (QTableWidget *table : {m_ui->tableStatistics, m_ui->tableVerdicts}) {
        table->setFont(tableFont);
        table->verticalHeader()->setDefaultSectionSize(QFontMetrics(tableFont).height() + 6);
    }
    showQuantities(m_ui->tableStatistics, content);
    showVerdicts(m_ui->tableVerdicts, content);
    m_ui->labelNote->setText(content.notes(false));
}

void StatisticsView::setCompact(bool compact)
{
    m_ui->tableVerdicts->setVisible(!compact);
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
