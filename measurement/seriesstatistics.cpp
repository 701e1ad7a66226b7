#include "measurement/seriesstatistics.h"

#include "measurement/serieschart.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int kForceDecimals = 1;
constexpr int kDurationDecimals = 3;
// Tolerance in standard deviations on each side of the mean for the indices.
constexpr double kSpreadSigmas = 3.0;

QString trStatistics(const char *text)
{
    return QCoreApplication::translate("SeriesStatistics", text);
}

} // namespace

std::optional<double> parseLimit(const QByteArray &text)
{
    QByteArray trimmed = text.trimmed();
    trimmed.replace(',', '.');
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QByteArray limitText(const std::optional<double> &limit)
{
    return limit ? QByteArray::number(*limit, 'g', 15) : QByteArray();
}

Summary summarize(const QVector<double> &values)
{
    Summary s;
    s.count = values.size();
    if (values.isEmpty())
        return s;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    s.minimum = *low;
    s.maximum = *high;
    s.range = *high - *low;
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
    s.mean = mean;
    if (values.size() < 2)
        return s;
    double squares = 0.0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    const double sd = std::sqrt(squares / (values.size() - 1));
    s.standardDeviation = sd;
    if (mean != 0.0)
        s.variationPercent = sd / std::fabs(mean) * 100.0;
    return s;
}

Verdict verdictFor(double value, const ForceLimits &limits)
{
    if (limits.isEmpty())
        return Verdict::NoLimits;
    if (limits.lower && value < *limits.lower)
        return Verdict::Fail;
    if (limits.upper && value > *limits.upper)
        return Verdict::Fail;
    return Verdict::Pass;
}

Capability capabilityOf(const Summary &summary, const ForceLimits &limits)
{
    if (!summary.standardDeviation || !summary.mean)
        return Capability();
    return capabilityOf(*summary.mean, *summary.standardDeviation, limits);
}

Capability capabilityOf(double mean, double sd, const ForceLimits &limits)
{
    Capability c;
    if (!(sd > 0.0) || !std::isfinite(sd))
        return c;
    if (limits.lower && limits.upper)
        c.cp = (*limits.upper - *limits.lower) / (2.0 * kSpreadSigmas * sd);
    std::optional<double> cpk;
    if (limits.upper)
        cpk = (*limits.upper - mean) / (kSpreadSigmas * sd);
    if (limits.lower) {
        const double lowerSide = (mean - *limits.lower) / (kSpreadSigmas * sd);
        cpk = cpk ? std::min(*cpk, lowerSide) : lowerSide;
    }
    c.cpk = cpk;
    return c;
}

double quantityValue(const Measurement &m, Quantity quantity, double factor)
{
    switch (quantity) {
    case Quantity::MaximumForce:
        return double(m.forceMax) * factor;
    case Quantity::MeanForce:
        return double(m.forceAvg) * factor;
    case Quantity::Duration:
        // The span the diagram shows: the samples held, one interval each.
        return heldSampleCount(m) * sampleInterval(m);
    }
    return 0.0;
}

CapabilityVerdict capabilityVerdict(const std::optional<double> &cpk,
                                    const CapabilityThresholds &thresholds)
{
    if (!cpk)
        return CapabilityVerdict::Unknown;
    if (*cpk >= thresholds.wellCapable)
        return CapabilityVerdict::WellCapable;
    return *cpk >= thresholds.capable ? CapabilityVerdict::Capable : CapabilityVerdict::NotCapable;
}

int judgedCount(const QVector<Verdict> &verdicts)
{
    return int(std::count_if(verdicts.begin(), verdicts.end(),
                             [](Verdict v) { return v == Verdict::Pass || v == Verdict::Fail; }));
}

int failedCount(const QVector<Verdict> &verdicts)
{
    return int(std::count(verdicts.begin(), verdicts.end(), Verdict::Fail));
}

int judgedCount(const SeriesStatistics &statistics)
{
    return judgedCount(statistics.verdicts);
}

int failedCount(const SeriesStatistics &statistics)
{
    return failedCount(statistics.verdicts);
}

int quantityDecimals(Quantity quantity)
{
    return quantity == Quantity::Duration ? kDurationDecimals : kForceDecimals;
}

int spreadDecimals(Quantity quantity)
{
    return quantityDecimals(quantity) + 1;
}

QList<const Measurement *> timeOrdered(const MeasurementSet &set)
{
    QList<const Measurement *> records;
    for (int k : timeOrderedIndices(set))
        records.append(set.records.at(k));
    return records;
}

int leftOutCount(const MeasurementSet &set)
{
    return int(std::count_if(set.records.begin(), set.records.end(),
                             [](const Measurement *m) { return !holdsOnlyNumbers(*m); }));
}

QVector<double> timeOrderedValues(const MeasurementSet &set, Quantity quantity)
{
    QVector<double> values;
    for (const Measurement *m : timeOrdered(set))
        values.append(quantityValue(*m, quantity, set.factor));
    return values;
}

const Summary &SeriesStatistics::summary(Quantity quantity) const
{
    switch (quantity) {
    case Quantity::MeanForce:
        return meanForce;
    case Quantity::Duration:
        return duration;
    case Quantity::MaximumForce:
        break;
    }
    return maximumForce;
}

bool SeriesStatistics::fewForCapability() const
{
    return maximumForce.count < kCapabilityMinimumCount;
}

QuantityStatistics quantityStatistics(const MeasurementSet &set, const SeriesQuantity &quantity,
                                      const QuantityValues &values, const WithinSpread &within)
{
    QuantityStatistics stats;
    stats.quantity = quantity;
    stats.values = values;
    QVector<double> found;
    found.reserve(values.size());
    for (const QuantityValue &v : values) {
        switch (v.state) {
        case QuantityValue::NoNumber:
            stats.verdicts.append(Verdict::LeftOut);
            break;
        case QuantityValue::NotFound:
            stats.verdicts.append(Verdict::NotFound);
            ++stats.notFound;
            break;
        case QuantityValue::Found:
            found.append(v.value);
            // A pass and fail characteristic's value is 1 for pass.
            stats.verdicts.append(quantity.passFail ? (v.value > 0.0 ? Verdict::Pass : Verdict::Fail)
                                                    : verdictFor(v.value, quantity.limits));
            break;
        }
    }
    stats.summary = summarize(found);
    if (quantity.passFail) {
        stats.summary = Summary{stats.summary.count, {}, {}, {}, {}, {}, {}};
        return stats;
    }
    stats.performance = capabilityOf(stats.summary, quantity.limits);
    QVector<double> ordered;
    for (int k : timeOrderedIndices(set))
        if (values.at(k).state == QuantityValue::Found)
            ordered.append(values.at(k).value);
    stats.sigmaWithin = withinSigma(ordered, within.chart, within.subgroupSize);
    if (stats.sigmaWithin && stats.summary.mean)
        stats.capability = capabilityOf(*stats.summary.mean, *stats.sigmaWithin, quantity.limits);
    return stats;
}

SeriesStatistics computeSeriesStatistics(const MeasurementSet &set, const WithinSpread &within)
{
    const SeriesQuantity force = seriesQuantity(set, Quantity::MaximumForce);
    const QuantityStatistics judged =
        quantityStatistics(set, force, quantityValues(set, force), within);
    SeriesStatistics stats;
    stats.limits = set.limits;
    stats.verdicts = judged.verdicts;
    stats.leftOut = int(stats.verdicts.count(Verdict::LeftOut));
    stats.maximumForce = judged.summary;
    stats.performance = judged.performance;
    stats.capability = judged.capability;
    stats.within = within;
    stats.sigmaWithin = judged.sigmaWithin;
    for (Quantity quantity : {Quantity::MeanForce, Quantity::Duration}) {
        const SeriesQuantity q = seriesQuantity(set, quantity);
        const Summary summary = quantityStatistics(set, q, quantityValues(set, q), within).summary;
        (quantity == Quantity::MeanForce ? stats.meanForce : stats.duration) = summary;
    }
    const QVector<QuantityValues> values = planValues(set);
    for (int k = 0; k < values.size(); ++k)
        stats.characteristics.append(
            quantityStatistics(set, seriesQuantity(set, k), values.at(k), within));
    return stats;
}

QStringList failedCharacteristics(const SeriesStatistics &statistics, int k)
{
    QStringList names;
    for (const QuantityStatistics &c : statistics.characteristics)
        if (k < c.values.size() && c.values.at(k).failed)
            names << c.quantity.name;
    return names;
}

namespace StatisticsText {

QString title()
{
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Statistik"));
}

QString quantityName(Quantity quantity)
{
    switch (quantity) {
    case Quantity::MaximumForce:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Maximalkraft"));
    case Quantity::MeanForce:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Mittelwert der Kraft"));
    case Quantity::Duration:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Dauer"));
    }
    return QString();
}

QString quantity(Quantity quantity, const QString &unitText)
{
    return quantityName(quantity) + QStringLiteral(" / ") +
           (quantity == Quantity::Duration ? QStringLiteral("s") : unitText);
}

QStringList columns()
{
    return {QStringLiteral("n"),
            trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Mittelwert")),
            trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Standardabweichung")),
            trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "VK")) + QStringLiteral(" / %"),
            trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Minimum")),
            trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Maximum")),
            trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Spannweite")),
            QStringLiteral("Pp"),
            QStringLiteral("Ppk"),
            QStringLiteral("Cp"),
            QStringLiteral("Cpk")};
}

QStringList shortColumns()
{
    return {QStringLiteral("n"),
            QString::fromUtf8("x\u0304"),
            QStringLiteral("s"),
            trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "VK")) + QStringLiteral(" %"),
            QStringLiteral("Min"),
            QStringLiteral("Max"),
            QStringLiteral("R"),
            QStringLiteral("Pp"),
            QStringLiteral("Ppk"),
            QStringLiteral("Cp"),
            QStringLiteral("Cpk")};
}

QString capabilityVerdict(const std::optional<double> &cpk, const CapabilityThresholds &thresholds)
{
    QString judged;
    switch (::capabilityVerdict(cpk, thresholds)) {
    case CapabilityVerdict::Unknown:
        return QString();
    case CapabilityVerdict::NotCapable:
        judged = trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "nicht fähig"));
        break;
    case CapabilityVerdict::Capable:
        judged = trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "fähig"));
        break;
    case CapabilityVerdict::WellCapable:
        judged = trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "gut fähig"));
        break;
    }
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Cpk %1: %2 (fähig ab %3, gut ab %4)"))
        .arg(formatStatistic(cpk, 2), judged, formatStatistic(thresholds.capable, 2),
             formatStatistic(thresholds.wellCapable, 2));
}

QString failedCount(int failed, int judged)
{
    return QCoreApplication::translate("SeriesStatistics", "%1 von %n n.i.O.", nullptr, judged)
        .arg(failed);
}

QStringList verdictLines(const SeriesStatistics &statistics, const CapabilityThresholds &thresholds)
{
    QStringList lines{StatisticsText::capabilityVerdict(statistics.capability.cpk, thresholds)};
    if (judgedCount(statistics) > 0)
        lines << failedCount(::failedCount(statistics), judgedCount(statistics));
    lines.removeAll(QString());
    return lines;
}

QString crossedLimit(double value, const ForceLimits &limits, const QString &unitText,
                     int decimals)
{
    const auto side = [&](const QString &sign, const QString &name, double limit) {
        return formatStatistic(value, decimals) + QLatin1Char(' ') + unitText + sign + name +
               QLatin1Char(' ') + formatStatistic(limit, decimals + 1) + QLatin1Char(' ') +
               unitText;
    };
    if (limits.lower && value < *limits.lower)
        return side(QStringLiteral(" < "), ChartText::lowerSpecLimitShort(), *limits.lower);
    if (limits.upper && value > *limits.upper)
        return side(QStringLiteral(" > "), ChartText::upperSpecLimitShort(), *limits.upper);
    return QString();
}

QString singleVerdict(double value, const ForceLimits &limits, const QString &unitText)
{
    switch (verdictFor(value, limits)) {
    case Verdict::Pass:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "i.O."));
    case Verdict::Fail:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "n.i.O.: %1"))
            .arg(crossedLimit(value, limits, unitText));
    case Verdict::LeftOut:
    case Verdict::NotFound:
    case Verdict::NoLimits:
        break;
    }
    return QString();
}

QString planVerdict(const QStringList &failed)
{
    if (failed.isEmpty())
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "i.O."));
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "n.i.O.: %1"))
        .arg(failed.join(QStringLiteral(", ")));
}

QString verdict(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "IO"));
    case Verdict::Fail:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "NIO"));
    case Verdict::LeftOut:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "keine Zahl"));
    case Verdict::NotFound:
        return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "nicht gefunden"));
    case Verdict::NoLimits:
        break;
    }
    return QString();
}

QString lowerLimit()
{
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Untere Grenze:"));
}

QString upperLimit()
{
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Obere Grenze:"));
}

QString measurement()
{
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Messung"));
}

QString result()
{
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics", "Ergebnis"));
}

QString fewMeasurementsNote()
{
    return trStatistics(QT_TRANSLATE_NOOP(
        "SeriesStatistics", "Hinweis: weniger als 30 Messungen, Pp, Ppk, Cp und Cpk sind nur ein Anhalt."));
}

QString leftOutNote(int count)
{
    if (count == 0)
        return QString();
    return QCoreApplication::translate(
        "SeriesStatistics", "%n Messungen ausgelassen: ein Wert ist keine Zahl.", nullptr, count);
}

QString notFoundNote(int count, const QString &name)
{
    if (count == 0)
        return QString();
    return QCoreApplication::translate(
               "SeriesStatistics", "%n Messungen ohne Wert für %1: nicht auf der Kurve gefunden.",
               nullptr, count)
        .arg(name);
}

QString characteristicNote(const QuantityStatistics &statistics,
                           const CapabilityThresholds &thresholds)
{
    const SeriesQuantity &q = statistics.quantity;
    QStringList limits;
    for (const auto &[name, limit] : {std::pair{ChartText::lowerSpecLimitShort(), q.limits.lower},
                                      std::pair{ChartText::upperSpecLimitShort(), q.limits.upper}})
        if (limit)
            limits << name + QLatin1Char(' ') + formatStatistic(limit, q.spreadDecimals()) +
                          QLatin1Char(' ') + q.unitText;
    QStringList parts{limits.join(QStringLiteral(", "))};
    if (judgedCount(statistics.verdicts) > 0)
        parts << failedCount(::failedCount(statistics.verdicts), judgedCount(statistics.verdicts));
    parts << StatisticsText::capabilityVerdict(statistics.capability.cpk, thresholds)
          << notFoundNote(statistics.notFound, q.name);
    parts.removeAll(QString());
    return q.label() + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

QString crossedLimitsNote(const QString &unitText, const ForceLimits &crossed)
{
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics",
                                          "Die Grenzwerte für %1 werden nicht verwendet: die untere "
                                          "(%2) liegt nicht unter der oberen (%3)."))
        .arg(unitText, limitText(crossed.lower), limitText(crossed.upper));
}

QString noLimitsNote(const QString &unitText)
{
    return trStatistics(
               QT_TRANSLATE_NOOP("SeriesStatistics", "Keine Grenzwerte für %1 eingestellt."))
        .arg(unitText);
}

QString estimateFormula(const WithinSpread &within)
{
    const QString subgroups = QStringLiteral(" (n = %1)").arg(within.subgroupSize);
    switch (within.estimate()) {
    case WithinEstimate::SubgroupStdDev:
        return QString::fromUtf8("s\u0304/c4") + subgroups;
    case WithinEstimate::SubgroupRange:
        return QString::fromUtf8("R\u0304/d2") + subgroups;
    case WithinEstimate::MovingRange:
        break;
    }
    return QString::fromUtf8("MR\u0304/d2");
}

QString estimateNote(const WithinSpread &within)
{
    return trStatistics(QT_TRANSLATE_NOOP("SeriesStatistics",
                                          "Pp und Ppk aus der Gesamtstreuung s, Cp und Cpk aus "
                                          "der Streuung innerhalb σ = %1."))
        .arg(estimateFormula(within));
}

} // namespace StatisticsText

QString formatStatistic(const std::optional<double> &value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("-");
}
