#include "cli/clistats.h"

#include "measurement/statisticstable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

// Machine names of the statistics, in the statistics table's column order.
const QStringList kStatisticKeys = {
    QStringLiteral("n"),     QStringLiteral("mean"), QStringLiteral("sd"),
    QStringLiteral("cv"),    QStringLiteral("min"),  QStringLiteral("max"),
    QStringLiteral("range"), QStringLiteral("pp"),   QStringLiteral("ppk"),
    QStringLiteral("cp"),    QStringLiteral("cpk")};

QString partKey(ChartPart part)
{
    return part == ChartPart::Location ? QStringLiteral("location")
                                       : QStringLiteral("dispersion");
}

QByteArray line(const QStringList &cells)
{
    return cells.join(QLatin1Char('\t')).toUtf8() + '\n';
}

QJsonValue jsonNumber(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

QJsonObject jsonLine(const ChartLine &l)
{
    return {{QStringLiteral("centre"), l.centre},
            {QStringLiteral("lower"), l.lower},
            {QStringLiteral("upper"), l.upper}};
}

QJsonValue capabilityKey(CapabilityVerdict verdict)
{
    switch (verdict) {
    case CapabilityVerdict::NotCapable:
        return QStringLiteral("no");
    case CapabilityVerdict::Capable:
        return QStringLiteral("capable");
    case CapabilityVerdict::WellCapable:
        return QStringLiteral("well");
    case CapabilityVerdict::Unknown:
        break;
    }
    return QJsonValue();
}

QList<int> slotsJudged(const CliStats &stats, const QVector<Verdict> &verdicts, Verdict verdict)
{
    QList<int> numbers;
    for (int k = 0; k < stats.set.records.size(); ++k)
        if (verdicts.value(k) == verdict)
            numbers.append(stats.set.records.at(k)->number);
    return numbers;
}

QList<int> slotsJudged(const CliStats &stats, Verdict verdict)
{
    return slotsJudged(stats, stats.statistics.verdicts, verdict);
}

// The columns a text takes on a terminal: combining marks (the bar of x̄)
// take none.
int displayWidth(const QString &text)
{
    int width = 0;
    for (const QChar c : text)
        if (c.category() != QChar::Mark_NonSpacing && !c.isLowSurrogate())
            ++width;
    return width;
}

// Rows as columns two blanks apart: the first column left-aligned, the
// others right-aligned (numbers).
QByteArray aligned(const QVector<QStringList> &rows)
{
    QVector<int> widths;
    for (const QStringList &row : rows)
        for (int c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.append(0);
            widths[c] = std::max(widths.at(c), displayWidth(row.at(c)));
        }
    QByteArray out;
    for (const QStringList &row : rows) {
        QString text;
        for (int c = 0; c < row.size(); ++c) {
            const QString padding(widths.at(c) - displayWidth(row.at(c)), QLatin1Char(' '));
            text += c == 0 ? row.at(c) + padding : QStringLiteral("  ") + padding + row.at(c);
        }
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        out += text.toUtf8() + '\n';
    }
    return out;
}

QString slotText(const Measurement *m)
{
    return QLatin1Char('#') + QString::number(m->number);
}

QByteArray statisticsRows(const StatisticsTable &table)
{
    QVector<QStringList> rows{QStringList{QString()}};
    for (const StatisticsColumn &column : table.columns)
        rows[0] << column.symbol;
    for (const StatisticsRow &row : table.rows) {
        QStringList cells{row.label};
        for (const StatisticsCell &cell : row.cells)
            cells << (cell.applies ? cell.text() : QString());
        rows << cells;
    }
    return aligned(rows);
}

// Limits, the verdict and the count beyond the limits, one a line.
QByteArray verdictLines(const CliStats &stats, const StatisticsTable &table)
{
    QVector<QStringList> rows;
    for (const StatisticsLimit &limit : table.limits)
        rows << QStringList{limit.caption, limit.value.value
                                               ? limit.value.text() + QLatin1Char(' ') + table.unitText
                                               : limit.value.text()};
    QByteArray out = aligned(rows);
    QStringList lines = StatisticsText::verdictLines(stats.statistics, stats.set.thresholds);
    lines << table.notes().split(QLatin1Char('\n'));
    lines.removeAll(QString());
    for (const QString &text : lines)
        out += text.toUtf8() + '\n';
    return out;
}

// Each measurement beyond a limit with its value and the limit crossed, and
// those left out.
QByteArray judgedLines(const CliStats &stats, const StatisticsTable &table)
{
    QVector<QStringList> rows;
    for (const StatisticsVerdict &v : table.verdicts) {
        if (v.verdict == Verdict::Fail)
            rows << QStringList{slotText(v.record), v.verdictText,
                                StatisticsText::crossedLimit(v.forceMax, stats.set.limits,
                                                             stats.set.unitText)};
        else if (v.verdict == Verdict::LeftOut)
            rows << QStringList{slotText(v.record), v.verdictText};
    }
    if (const QuantityStatistics *c = stats.charted()) {
        for (int k = 0; k < stats.set.records.size(); ++k) {
            const Verdict verdict = c->verdicts.value(k);
            if (verdict != Verdict::Fail && verdict != Verdict::NotFound)
                continue;
            const Measurement *m = stats.set.records.at(k);
            QString detail = c->quantity.name;
            const int at = stats.chart.records.indexOf(m);
            if (verdict == Verdict::Fail && at >= 0 && !c->quantity.passFail)
                detail += QStringLiteral(": ") +
                          StatisticsText::crossedLimit(stats.chart.values.at(at), c->quantity.limits,
                                                       c->quantity.unitText, c->quantity.decimals);
            rows << QStringList{slotText(m), StatisticsText::verdict(verdict), detail};
        }
    }
    return aligned(rows);
}

QByteArray chartLines(const SeriesChart &chart)
{
    QByteArray out = (ChartText::title() + QStringLiteral(": ") +
                      ChartText::typeName(chart.settings.type) + QStringLiteral(", ") +
                      chart.quantity.label())
                         .toUtf8() +
                     '\n';
    if (chart.quantity.passFail)
        return out + ChartText::passFailNotCharted().toUtf8() + '\n';
    if (!chart.chart)
        return out + ChartText::tooFewPoints().toUtf8() + '\n';
    QVector<QStringList> rows{{QString(), ChartText::lowerControlLimit(), ChartText::centreLine(),
                               ChartText::upperControlLimit()}};
    const ControlChart &c = *chart.chart;
    for (const auto &[name, l] : {std::pair{ChartText::locationName(chart.settings.type), c.limits.location},
                                  std::pair{ChartText::dispersionName(chart.settings.type), c.limits.dispersion}})
        rows << QStringList{name, chart.limitText(l.lower), chart.limitText(l.centre),
                            chart.limitText(l.upper)};
    out += aligned(rows);
    const int outside = chart.outsideSubgroups();
    if (outside > 0) {
        QStringList numbers;
        for (const Measurement *m : chart.records.mid(chart.records.size() - outside))
            numbers << slotText(m);
        out += (ChartText::outsideSubgroupsNote(outside) + QLatin1Char(' ') +
                numbers.join(QStringLiteral(", ")))
                   .toUtf8() +
               '\n';
    }
    if (chart.violations.isEmpty())
        return out + ChartText::noViolations().toUtf8() + '\n';
    QVector<QStringList> violations{{ChartText::point(), ChartText::records(), ChartText::rule()}};
    for (const RuleViolation &v : chart.violations)
        violations << QStringList{chart.pointText(v), chart.pointRecordsText(v.part, v.point),
                                  ruleText(v.ruleSet, v.rule)};
    return out + aligned(violations);
}

} // namespace

QByteArray statsText(const CliStats &stats)
{
    const StatisticsTable table = statisticsTable(stats.set, stats.statistics);
    QByteArray out = statisticsRows(table) + '\n' + verdictLines(stats, table);
    const QByteArray judged = judgedLines(stats, table);
    if (!judged.isEmpty())
        out += '\n' + judged;
    return out + '\n' + chartLines(stats.chart);
}

const QuantityStatistics *CliStats::charted() const
{
    const int k = chart.quantity.characteristic;
    return k >= 0 && k < statistics.characteristics.size() ? &statistics.characteristics.at(k)
                                                            : nullptr;
}

bool CliStats::outOfControl() const
{
    const QuantityStatistics *c = charted();
    return !chart.violations.isEmpty() || failedCount(statistics.verdicts) > 0 ||
           (c && failedCount(c->verdicts) > 0);
}

CliStats cliStats(const MeasurementSet &set, const ChartSettings &settings)
{
    return CliStats{set, computeSeriesStatistics(set, settings.withinSpread()),
                    seriesChart(set, settings)};
}

QByteArray statsTsv(const CliStats &stats)
{
    const StatisticsTable table = statisticsTable(stats.set, stats.statistics);
    QByteArray out = line(QStringList{QStringLiteral("quantity")} + kStatisticKeys);
    for (const StatisticsRow &row : table.rows) {
        QStringList cells{row.key};
        for (const StatisticsCell &cell : row.cells)
            cells << (cell.applies ? cell.text() : QStringLiteral("-"));
        out += line(cells);
    }
    out += line({QStringLiteral("unit"), stats.set.unitText});
    out += line({QStringLiteral("limits"), table.limits.at(0).value.text(),
                 table.limits.at(1).value.text()});
    out += line({QStringLiteral("estimate"),
                 StatisticsText::estimateFormula(stats.statistics.within)});
    const SeriesChart &chart = stats.chart;
    out += line({QStringLiteral("chart"), ChartText::typeName(chart.settings.type),
                 chart.quantity.key()});
    if (chart.chart) {
        const ChartLine &l = chart.chart->limits.location;
        out += line({QStringLiteral("control-limits"), chart.limitText(l.lower),
                     chart.limitText(l.centre), chart.limitText(l.upper)});
    }
    for (int slot : slotsJudged(stats, Verdict::LeftOut))
        out += line({QStringLiteral("left-out"), QLatin1Char('#') + QString::number(slot),
                     QStringLiteral("not-a-number")});
    for (int slot : slotsJudged(stats, Verdict::Fail))
        out += line({QStringLiteral("beyond-limit"), QLatin1Char('#') + QString::number(slot)});
    if (const QuantityStatistics *c = stats.charted()) {
        for (int slot : slotsJudged(stats, c->verdicts, Verdict::NotFound))
            out += line({QStringLiteral("not-found"), QLatin1Char('#') + QString::number(slot),
                         c->quantity.key()});
        for (int slot : slotsJudged(stats, c->verdicts, Verdict::Fail))
            out += line({QStringLiteral("beyond-limit"), QLatin1Char('#') + QString::number(slot),
                         c->quantity.key()});
    }
    for (const RuleViolation &v : chart.violations)
        out += line({QStringLiteral("violation"), partKey(v.part), QString::number(v.point + 1),
                     chart.pointRecordsText(v.part, v.point), ruleText(v.ruleSet, v.rule)});
    return out;
}

QByteArray statsJson(const CliStats &stats)
{
    QJsonObject root;
    root.insert(QStringLiteral("serialNr"), stats.set.serialNr);
    root.insert(QStringLiteral("unit"), stats.set.unitText);
    root.insert(QStringLiteral("lowerLimit"), jsonNumber(stats.set.limits.lower));
    root.insert(QStringLiteral("upperLimit"), jsonNumber(stats.set.limits.upper));
    const StatisticsTable table = statisticsTable(stats.set, stats.statistics);
    QJsonObject quantities;
    for (const StatisticsRow &row : table.rows) {
        QJsonObject values;
        for (int c = 0; c < row.cells.size(); ++c)
            if (row.cells.at(c).applies)
                values.insert(kStatisticKeys.at(c), jsonNumber(row.cells.at(c).value));
        quantities.insert(row.key, values);
    }
    root.insert(QStringLiteral("statistics"), quantities);
    root.insert(QStringLiteral("estimate"),
                StatisticsText::estimateFormula(stats.statistics.within));
    root.insert(QStringLiteral("sigmaWithin"), jsonNumber(stats.statistics.sigmaWithin));
    root.insert(QStringLiteral("capable"), capabilityKey(capabilityVerdict(
                                               stats.statistics.capability.cpk, stats.set.thresholds)));
    root.insert(QStringLiteral("judged"), judgedCount(stats.statistics));
    for (const auto &[key, verdict] : {std::pair{QStringLiteral("beyondLimit"), Verdict::Fail},
                                       std::pair{QStringLiteral("leftOut"), Verdict::LeftOut}}) {
        QJsonArray numbers;
        for (int slot : slotsJudged(stats, verdict))
            numbers.append(slot);
        root.insert(key, numbers);
    }

    if (const QuantityStatistics *c = stats.charted()) {
        QJsonObject characteristic{{QStringLiteral("name"), c->quantity.name},
                                   {QStringLiteral("unit"), c->quantity.unitText},
                                   {QStringLiteral("lowerLimit"), jsonNumber(c->quantity.limits.lower)},
                                   {QStringLiteral("upperLimit"), jsonNumber(c->quantity.limits.upper)},
                                   {QStringLiteral("judged"), judgedCount(c->verdicts)},
                                   {QStringLiteral("sigmaWithin"), jsonNumber(c->sigmaWithin)},
                                   {QStringLiteral("capable"),
                                    capabilityKey(capabilityVerdict(c->capability.cpk,
                                                                    stats.set.thresholds))}};
        for (const auto &[key, verdict] : {std::pair{QStringLiteral("beyondLimit"), Verdict::Fail},
                                           std::pair{QStringLiteral("notFound"), Verdict::NotFound}}) {
            QJsonArray numbers;
            for (int slot : slotsJudged(stats, c->verdicts, verdict))
                numbers.append(slot);
            characteristic.insert(key, numbers);
        }
        root.insert(QStringLiteral("characteristic"), characteristic);
    }
    const SeriesChart &chart = stats.chart;
    QJsonObject chartObject{{QStringLiteral("type"), ChartText::typeName(chart.settings.type)},
                            {QStringLiteral("quantity"), chart.quantity.key()},
                            {QStringLiteral("subgroupSize"), chart.settings.pointSize()},
                            {QStringLiteral("rules"), ruleSetName(chart.settings.ruleSet)}};
    if (chart.chart) {
        chartObject.insert(QStringLiteral("location"), jsonLine(chart.chart->limits.location));
        chartObject.insert(QStringLiteral("dispersion"), jsonLine(chart.chart->limits.dispersion));
    }
    QJsonArray violations;
    for (const RuleViolation &v : chart.violations) {
        QJsonArray numbers;
        for (const Measurement *m : chart.recordsOf(v.part, v.point))
            numbers.append(m->number);
        violations.append(QJsonObject{{QStringLiteral("rule"), v.rule},
                                      {QStringLiteral("chart"), partKey(v.part)},
                                      {QStringLiteral("point"), v.point + 1},
                                      {QStringLiteral("slots"), numbers},
                                      {QStringLiteral("text"), ruleText(v.ruleSet, v.rule)}});
    }
    chartObject.insert(QStringLiteral("violations"), violations);
    QJsonArray outside;
    for (const Measurement *m : chart.records.mid(chart.records.size() - chart.outsideSubgroups()))
        outside.append(m->number);
    chartObject.insert(QStringLiteral("outsideSubgroups"), outside);
    root.insert(QStringLiteral("chart"), chartObject);
    root.insert(QStringLiteral("outOfControl"), stats.outOfControl());
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
