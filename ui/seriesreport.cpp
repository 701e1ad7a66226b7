#include "ui/seriesreport.h"

#include "measurement/seriesstatistics.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int kCapabilityDecimals = 2;
constexpr int kPercentDecimals = 1;

// The captions the report of one measurement has too.
QString trMainform(const char *text)
{
    return QCoreApplication::translate("Mainform", text);
}

QString headCell(const QString &text)
{
    return QStringLiteral("<th align='left'>") + text.toHtmlEscaped() + QStringLiteral("</th>");
}

QString valueCell(const QString &text)
{
    return QStringLiteral("<td align='right'>") + text.toHtmlEscaped() + QStringLiteral("</td>");
}

QString textCell(const QString &text)
{
    return QStringLiteral("<td>") + text.toHtmlEscaped() + QStringLiteral("</td>");
}

QString reportHead(const QString &logoFragment, const QString &headerLine)
{
    QString html;
    html += QStringLiteral("<span style=\"font-family: 'Sans Serif'; font-size: 11pt;\">\n");
    html += QStringLiteral("<table width='100%'>\n");
    html += QStringLiteral("<tr><td align='left'>") + logoFragment +
            QStringLiteral("&nbsp;</td><td align='right'>") + headerLine.toHtmlEscaped() +
            QStringLiteral("</td></tr>\n");
    html += QStringLiteral("</table>\n<hr>\n<h1 align='center'>Tensimo Parl</h1>\n<p>&nbsp;</p>\n");
    return html;
}

QString measurementTable(const MeasurementSet &set, const SeriesStatistics &statistics)
{
    const QString unit = QLatin1Char(' ') + set.unitText;
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' "
                                  "border='1' style='border-collapse: collapse;'>\n<tr>");
    for (const QString &title : {trMainform("Messung-Nr:"), trMainform("Datum:"),
                                 trMainform("Zeit:"), trMainform("Maximalkraft:"),
                                 trMainform("Mittelwert der Kraft:"), StatisticsText::result()})
        html += headCell(title);
    html += QStringLiteral("</tr>\n");
    for (int k = 0; k < set.records.size(); ++k) {
        const Measurement &m = *set.records.at(k);
        html += QStringLiteral("<tr>") + valueCell(QString::number(m.number)) +
                textCell(formatMeasurementDate(m.dateText)) +
                textCell(formatMeasurementTime(m.timeText)) +
                valueCell(formatForce(m.forceMax, set.factor) + unit) +
                valueCell(formatForce(m.forceAvg, set.factor) + unit) +
                textCell(StatisticsText::verdict(statistics.verdicts.value(k))) +
                QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString limitRow(const QString &caption, const std::optional<double> &limit, const QString &unit)
{
    const QString value =
        limit ? formatStatistic(limit, 2) + QLatin1Char(' ') + unit : QStringLiteral("-");
    return QStringLiteral("<tr>") + textCell(caption) + textCell(value) + QStringLiteral("</tr>\n");
}

// Statistic `row` of StatisticsText::columns() for a quantity; Cp and Cpk
// only for the maximum force.
QString statisticText(const SeriesStatistics &statistics, Quantity quantity, int row)
{
    const Summary &s = statistics.summary(quantity);
    const int decimals = quantityDecimals(quantity);
    const bool capability = quantity == Quantity::MaximumForce;
    switch (row) {
    case 0:
        return QString::number(s.count);
    case 1:
        return formatStatistic(s.mean, decimals);
    case 2:
        return formatStatistic(s.standardDeviation, decimals);
    case 3:
        return formatStatistic(s.variationPercent, kPercentDecimals);
    case 4:
        return formatStatistic(s.minimum, decimals);
    case 5:
        return formatStatistic(s.maximum, decimals);
    case 6:
        return formatStatistic(s.range, decimals);
    case 7:
        return capability ? formatStatistic(statistics.capability.cp, kCapabilityDecimals)
                          : QString();
    case 8:
        return capability ? formatStatistic(statistics.capability.cpk, kCapabilityDecimals)
                          : QString();
    default:
        return QString();
    }
}

QString statisticsTable(const MeasurementSet &set, const SeriesStatistics &statistics)
{
    // The statistics start a page of their own below the diagram.
    QString html = QStringLiteral("<h2 style='page-break-before: always;'>") +
                   StatisticsText::title().toHtmlEscaped() +
                   QStringLiteral("</h2>\n<table cellspacing='0' cellpadding='2'>\n");
    html += limitRow(StatisticsText::lowerLimit(), set.limits.lower, set.unitText);
    html += limitRow(StatisticsText::upperLimit(), set.limits.upper, set.unitText);
    html += QStringLiteral("</table>\n<p>&nbsp;</p>\n");

    // One column per quantity, one row per statistic: fits the page's width.
    html += QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n<tr>") +
            headCell(QString());
    for (Quantity quantity : kQuantities)
        html += headCell(StatisticsText::quantity(quantity, set.unitText));
    html += QStringLiteral("</tr>\n");
    const QStringList titles = StatisticsText::columns();
    for (int row = 0; row < titles.size(); ++row) {
        html += QStringLiteral("<tr>") + textCell(titles.at(row));
        for (Quantity quantity : kQuantities)
            html += valueCell(statisticText(statistics, quantity, row));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    QString note;
    if (set.limits.isEmpty())
        note = StatisticsText::noLimitsNote(set.unitText);
    else if (statistics.fewForCapability())
        note = StatisticsText::fewMeasurementsNote();
    if (!note.isEmpty())
        html += QStringLiteral("<p>") + note.toHtmlEscaped() + QStringLiteral("</p>\n");
    return html;
}

} // namespace

SeriesReportHtml seriesReportHtml(const MeasurementSet &set, const SeriesStatistics &statistics,
                                  const QString &logoFragment, const QString &headerLine,
                                  const QString &designation)
{
    SeriesReportHtml html;
    html.values = reportHead(logoFragment, headerLine);
    html.values += QStringLiteral("<table width='100%'>\n");
    html.values += QStringLiteral("<tr><td width='30%'>") + trMainform("Seriennummer Gerät:") +
                   QStringLiteral("</td><td width='70%'>") + set.serialNr.toHtmlEscaped() +
                   QStringLiteral("</td></tr>\n");
    html.values += QStringLiteral("<tr><td><b>") + trMainform("Bezeichnung:") +
                   QStringLiteral("</b></td><td><b>") + designation.toHtmlEscaped() +
                   QStringLiteral("</b></td></tr>\n</table>\n<p>&nbsp;</p>\n");
    html.values += measurementTable(set, statistics);
    html.values += QStringLiteral("</span>\n");
    html.statistics =
        QStringLiteral("<span style=\"font-family: 'Sans Serif'; font-size: 11pt;\">\n") +
        statisticsTable(set, statistics) + QStringLiteral("</span>\n");
    return html;
}

QString seriesDocumentNumbers(const MeasurementSet &set)
{
    QStringList numbers;
    for (const Measurement *m : set.records)
        numbers << QString::number(m->number);
    return numbers.join(QStringLiteral(", #"));
}
