#include "measurement/statisticstable.h"

#include <QStringList>
#include <iterator>

namespace {

constexpr int kCapabilityDecimals = 2;
constexpr int kPercentDecimals = 1;

StatisticsCell number(const std::optional<double> &value, int decimals)
{
    return StatisticsCell{true, value, decimals};
}

// A row of a summary and its indices; `indices` false: they do not apply.
StatisticsRow summaryRow(const SeriesQuantity &quantity, const Summary &s,
                         const Capability &performance, const Capability &capability, bool indices)
{
    const int decimals = quantity.decimals;
    StatisticsRow row{quantity.builtIn, quantity.label(), quantity.key(), {}, {}};
    row.cells = {number(double(s.count), 0),
                 number(s.mean, decimals),
                 number(s.standardDeviation, quantity.spreadDecimals()),
                 number(s.variationPercent, kPercentDecimals),
                 number(s.minimum, decimals),
                 number(s.maximum, decimals),
                 number(s.range, decimals)};
    for (const Capability &c : {performance, capability}) {
        StatisticsCell index = number(c.cp, kCapabilityDecimals);
        StatisticsCell indexK = number(c.cpk, kCapabilityDecimals);
        index.applies = indexK.applies = indices;
        row.cells << index << indexK;
    }
    return row;
}

StatisticsRow quantityRow(const MeasurementSet &set, const SeriesStatistics &statistics,
                          Quantity quantity)
{
    return summaryRow(seriesQuantity(set, quantity), statistics.summary(quantity),
                      statistics.performance, statistics.capability,
                      quantity == Quantity::MaximumForce);
}

// A pass and fail characteristic shows only its count.
StatisticsRow characteristicRow(const QuantityStatistics &statistics)
{
    StatisticsRow row = summaryRow(statistics.quantity, statistics.summary, statistics.performance,
                                   statistics.capability, !statistics.quantity.passFail);
    for (int c = 1; statistics.quantity.passFail && c < row.cells.size(); ++c)
        row.cells[c].applies = false;
    return row;
}

QString noteFor(const MeasurementSet &set, const SeriesStatistics &statistics)
{
    if (set.limits.isEmpty() && set.crossedLimits.isCrossed())
        return StatisticsText::crossedLimitsNote(set.unitText, set.crossedLimits);
    if (set.limits.isEmpty())
        return StatisticsText::noLimitsNote(set.unitText);
    if (statistics.fewForCapability())
        return StatisticsText::fewMeasurementsNote();
    return QString();
}

} // namespace

QString StatisticsCell::text() const
{
    return applies ? formatStatistic(value, decimals) : QString();
}

StatisticsTable statisticsTable(const MeasurementSet &set, const SeriesStatistics &statistics)
{
    StatisticsTable table;
    table.title = StatisticsText::title();
    table.unitText = set.unitText;
    table.limits = {{StatisticsText::lowerLimit(), number(set.limits.lower, spreadDecimals(Quantity::MaximumForce))},
                    {StatisticsText::upperLimit(), number(set.limits.upper, spreadDecimals(Quantity::MaximumForce))}};
    const QStringList names = StatisticsText::columns();
    const QStringList symbols = StatisticsText::shortColumns();
    for (int c = 0; c < names.size(); ++c)
        table.columns.append({names.at(c), symbols.at(c)});
    for (Quantity quantity : kQuantities)
        table.rows.append(quantityRow(set, statistics, quantity));
    for (const QuantityStatistics &c : statistics.characteristics) {
        table.rows.append(characteristicRow(c));
        table.rows.last().note = StatisticsText::characteristicNote(c, set.thresholds);
    }
    table.measurementTitle = StatisticsText::measurement();
    table.resultTitle = StatisticsText::result();
    for (int k = 0; k < set.records.size(); ++k) {
        const Measurement *m = set.records.at(k);
        Verdict verdict = statistics.verdicts.value(k, Verdict::NoLimits);
        QString text = StatisticsText::verdict(verdict);
        // A plan judges the whole curve; a record left out stays so.
        if (set.plan && verdict != Verdict::LeftOut) {
            const QStringList failed = failedCharacteristics(statistics, k);
            verdict = failed.isEmpty() ? Verdict::Pass : Verdict::Fail;
            text = StatisticsText::planVerdict(failed);
        }
        table.verdicts.append({m, double(m->forceMax) * set.factor,
                               formatForce(m->forceMax, set.factor), verdict, text});
    }
    table.note = noteFor(set, statistics);
    table.estimateNote = StatisticsText::estimateNote(statistics.within);
    table.leftOutNote = StatisticsText::leftOutNote(statistics.leftOut);
    return table;
}

QStringList StatisticsTable::characteristicNotes() const
{
    QStringList notes;
    for (const StatisticsRow &row : rows)
        if (!row.note.isEmpty())
            notes << row.note;
    return notes;
}

QString StatisticsTable::notes(bool withCharacteristics) const
{
    QStringList lines = QStringList{leftOutNote, note, estimateNote};
    if (withCharacteristics)
        lines += characteristicNotes();
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}
