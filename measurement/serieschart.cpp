#include "measurement/serieschart.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString trChart(const char *text)
{
    return QCoreApplication::translate("SeriesChart", text);
}

} // namespace

int ChartSettings::pointSize() const
{
    return type == ChartType::IndividualsMovingRange ? 1 : subgroupSize;
}

WithinSpread ChartSettings::withinSpread() const
{
    return WithinSpread{type, pointSize()};
}

int SeriesChart::outsideSubgroups() const
{
    const int size = settings.pointSize();
    return chart && size > 1 ? records.size() - chart->location.size() * size : 0;
}

QList<const Measurement *> SeriesChart::recordsOf(ChartPart part, int point) const
{
    const int size = settings.pointSize();
    // A moving range stands for its point and the one before.
    const bool movingRange = part == ChartPart::Dispersion && size == 1;
    const int last = movingRange ? point + 1 : point * size + size - 1;
    const int first = movingRange ? point : point * size;
    QList<const Measurement *> covered;
    for (int k = first; k <= last && k < records.size(); ++k)
        covered.append(records.at(k));
    return covered;
}

QString SeriesChart::pointRecordsText(ChartPart part, int point) const
{
    QStringList numbers;
    for (const Measurement *m : recordsOf(part, point))
        numbers << QLatin1Char('#') + QString::number(m->number);
    return numbers.join(QStringLiteral(", "));
}

QString SeriesChart::limitText(double value) const
{
    return formatStatistic(value, quantity.spreadDecimals());
}

QString SeriesChart::pointText(const RuleViolation &violation) const
{
    if (violation.part == ChartPart::Location)
        return QString::number(violation.point + 1);
    const int offset = chart ? chart->dispersionOffset : 0;
    return QString::number(violation.point + offset + 1) + QStringLiteral(" (") +
           trChart(QT_TRANSLATE_NOOP("SeriesChart", "Streuung")) + QLatin1Char(')');
}

SeriesQuantity chartQuantity(const MeasurementSet &set, const ChartSettings &settings)
{
    const bool planned = set.plan && settings.characteristic >= 0 &&
                         settings.characteristic < set.plan->characteristics.size();
    return planned ? seriesQuantity(set, settings.characteristic)
                   : seriesQuantity(set, settings.quantity);
}

SeriesChart seriesChart(const MeasurementSet &set, const ChartSettings &settings)
{
    SeriesChart series;
    series.settings = settings;
    series.quantity = chartQuantity(set, settings);
    series.unitText = series.quantity.unitText;
    const QuantityValues values = quantityValues(set, series.quantity);
    const QVector<int> ordered = timeOrderedIndices(set);
    series.leftOut = set.records.size() - ordered.size();
    if (series.quantity.passFail)
        return series;
    for (int k : ordered) {
        if (values.at(k).state == QuantityValue::NotFound) {
            ++series.notFound;
            continue;
        }
        series.records.append(set.records.at(k));
        series.values.append(values.at(k).value);
    }
    series.chart =
        controlChart(series.values, settings.type, settings.subgroupSize, settings.fixedLimits);
    if (series.chart)
        series.violations = chartViolations(*series.chart, settings.ruleSet);
    return series;
}

namespace ChartText {

QString title()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Regelkarte"));
}

QString typeName(ChartType type)
{
    switch (type) {
    case ChartType::MeanStdDev:
        return QString::fromUtf8("X\u0304-s");
    case ChartType::MeanRange:
        return QString::fromUtf8("X\u0304-R");
    case ChartType::IndividualsMovingRange:
        break;
    }
    return QStringLiteral("I-MR");
}

QString locationName(ChartType type)
{
    return type == ChartType::IndividualsMovingRange
               ? trChart(QT_TRANSLATE_NOOP("SeriesChart", "Einzelwerte"))
               : trChart(QT_TRANSLATE_NOOP("SeriesChart", "Mittelwerte der Untergruppen"));
}

QString dispersionName(ChartType type)
{
    switch (type) {
    case ChartType::MeanStdDev:
        return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Standardabweichungen der Untergruppen"));
    case ChartType::MeanRange:
        return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Spannweiten der Untergruppen"));
    case ChartType::IndividualsMovingRange:
        break;
    }
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Gleitende Spannweiten"));
}

QString centreLine()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Mittellinie"));
}

QString lowerControlLimit()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Untere Eingriffsgrenze"));
}

QString upperControlLimit()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Obere Eingriffsgrenze"));
}

QString centreLineShort()
{
    //: the centre line of a control chart (CL)
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "M"));
}

QString lowerControlLimitShort()
{
    //: lower control limit (LCL)
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "UEG"));
}

QString upperControlLimitShort()
{
    //: upper control limit (UCL)
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "OEG"));
}

QString lowerSpecLimitShort()
{
    //: lower tolerance limit (LSL)
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "UGW"));
}

QString upperSpecLimitShort()
{
    //: upper tolerance limit (USL)
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "OGW"));
}

QString point()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Punkt"));
}

QString rule()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Regel"));
}

QString records()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Messungen"));
}

QString fixedLimits()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Grenzen aus dem Referenzzeitraum"));
}

QString tooFewPoints()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart",
                                     "Zu wenige Messungen für eine Regelkarte (mindestens zwei "
                                     "Punkte)."));
}

QString noViolations()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart", "Keine Regel verletzt."));
}

QString passFailNotCharted()
{
    return trChart(QT_TRANSLATE_NOOP("SeriesChart",
                                     "Ein Gut/Schlecht-Merkmal hat keine Regelkarte, nur die Zahl der n.i.O."));
}

QString outsideSubgroupsNote(int count)
{
    if (count <= 0)
        return QString();
    return QCoreApplication::translate(
        "SeriesChart", "%n Messung(en) nach der letzten ganzen Untergruppe nicht in der Karte.",
        nullptr, count);
}

} // namespace ChartText
