#include "measurement/seriesquantity.h"

#include "measurement/seriesstatistics.h"

#include <algorithm>

namespace {

QuantityValue builtInValue(const Measurement &m, Quantity quantity, double factor)
{
    if (!holdsOnlyNumbers(m))
        return {QuantityValue::NoNumber, 0.0, false};
    return {QuantityValue::Found, quantityValue(m, quantity, factor), false};
}

QuantityValue resultValue(const Measurement &m, const CharacteristicResult &r)
{
    const bool failed = r.judged && !r.pass;
    if (!holdsOnlyNumbers(m))
        return {QuantityValue::NoNumber, 0.0, failed};
    if (!r.found)
        return {QuantityValue::NotFound, 0.0, failed};
    return {QuantityValue::Found, r.value, failed};
}

} // namespace

QString SeriesQuantity::label() const
{
    return unitText.isEmpty() ? name : name + QStringLiteral(" / ") + unitText;
}

QString SeriesQuantity::key() const
{
    if (isCharacteristic())
        return name.simplified(); // one field of a line, whatever the plan's name holds
    switch (builtIn) {
    case Quantity::MeanForce:
        return QStringLiteral("meanForce");
    case Quantity::Duration:
        return QStringLiteral("duration");
    case Quantity::MaximumForce:
        break;
    }
    return QStringLiteral("maxForce");
}

SeriesQuantity seriesQuantity(const MeasurementSet &set, Quantity quantity)
{
    SeriesQuantity q;
    q.builtIn = quantity;
    q.name = StatisticsText::quantityName(quantity);
    q.unitText = quantity == Quantity::Duration ? QStringLiteral("s") : set.unitText;
    q.decimals = quantityDecimals(quantity);
    if (quantity == Quantity::MaximumForce)
        q.limits = set.limits;
    return q;
}

SeriesQuantity seriesQuantity(const MeasurementSet &set, int index)
{
    const Characteristic &c = set.plan->characteristics.at(index);
    SeriesQuantity q;
    q.characteristic = index;
    q.name = c.name;
    q.unitText = c.unit();
    q.decimals = characteristicDecimals(c);
    q.passFail = c.isPassFail();
    if (!q.passFail)
        q.limits = ForceLimits{c.lower, c.upper};
    return q;
}

QList<SeriesQuantity> planQuantities(const MeasurementSet &set)
{
    QList<SeriesQuantity> quantities;
    for (int k = 0; set.plan && k < set.plan->characteristics.size(); ++k)
        quantities.append(seriesQuantity(set, k));
    return quantities;
}

std::optional<SeriesQuantity> planQuantity(const MeasurementSet &set, const QString &name)
{
    for (const SeriesQuantity &q : planQuantities(set))
        if (q.name == name)
            return q;
    return std::nullopt;
}

QuantityValues quantityValues(const MeasurementSet &set, const SeriesQuantity &quantity)
{
    QuantityValues values;
    values.reserve(set.records.size());
    if (!quantity.isCharacteristic()) {
        for (const Measurement *m : set.records)
            values.append(builtInValue(*m, quantity.builtIn, set.factor));
        return values;
    }
    // One characteristic alone: its plan's trigger, not the whole plan.
    TestPlan single = *set.plan;
    single.characteristics = {set.plan->characteristics.at(quantity.characteristic)};
    for (const Measurement *m : set.records)
        values.append(resultValue(*m, judgeByPlan(single, *m).results.at(0)));
    return values;
}

QVector<QuantityValues> planValues(const MeasurementSet &set)
{
    if (!set.plan)
        return {};
    QVector<QuantityValues> values(set.plan->characteristics.size());
    for (const Measurement *m : set.records) {
        const PlanVerdict verdict = judgeByPlan(*set.plan, *m);
        for (int k = 0; k < values.size(); ++k)
            values[k].append(resultValue(*m, verdict.results.at(k)));
    }
    return values;
}

QVector<int> timeOrderedIndices(const MeasurementSet &set)
{
    QVector<int> indices;
    for (int k = 0; k < set.records.size(); ++k)
        if (holdsOnlyNumbers(*set.records.at(k)))
            indices.append(k);
    std::stable_sort(indices.begin(), indices.end(), [&set](int a, int b) {
        return isNewerThan(set.records.at(b), set.records.at(a));
    });
    return indices;
}
