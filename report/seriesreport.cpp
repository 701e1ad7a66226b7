#include "report/seriesreport.h"

#include "measurement/serieschart.h"
#include "measurement/statisticstable.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

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

QString measurementTable(const MeasurementSet &set, const StatisticsTable &content)
{
    const QString unit = QLatin1Char(' ') + set.unitText;
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' "
                                  "border='1' style='border-collapse: collapse;'>\n<tr>");
    for (const QString &title :
         {trMainform("Messung-Nr:"), trMainform("Datum:"), trMainform("Zeit:"),
          trMainform("Maximalkraft:"), trMainform("Mittelwert der Kraft:"), content.resultTitle})
        html += headCell(title);
    html += QStringLiteral("</tr>\n");
    for (int k = 0; k < set.records.size(); ++k) {
        const Measurement &m = *set.records.at(k);
        html += QStringLiteral("<tr>") + valueCell(QString::number(m.number)) +
                textCell(formatMeasurementDate(m.dateText)) +
                textCell(formatMeasurementTime(m.timeText)) +
                valueCell(formatForce(m.forceMax, set.factor) + unit) +
                valueCell(formatForce(m.forceAvg, set.factor) + unit) +
                textCell(content.verdicts.at(k).verdictText) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString limitRow(const StatisticsLimit &limit, const QString &unit)
{
    const QString value =
        limit.value.value ? limit.value.text() + QLatin1Char(' ') + unit : limit.value.text();
    return QStringLiteral("<tr>") + textCell(limit.caption) + textCell(value) +
           QStringLiteral("</tr>\n");
}

QString statisticsHtml(const StatisticsTable &content)
{
    // The statistics start a page of their own below the diagram.
    QString html = QStringLiteral("<h2 style='page-break-before: always;'>") +
                   content.title.toHtmlEscaped() +
                   QStringLiteral("</h2>\n<table cellspacing='0' cellpadding='2'>\n");
    for (const StatisticsLimit &limit : content.limits)
        html += limitRow(limit, content.unitText);
    html += QStringLiteral("</table>\n<p>&nbsp;</p>\n");

    // One column per quantity, one row per statistic: fits the page's width.
    html += QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n<tr>") +
            headCell(QString());
    for (const StatisticsRow &quantity : content.rows)
        html += headCell(quantity.label);
    html += QStringLiteral("</tr>\n");
    for (int c = 0; c < content.columns.size(); ++c) {
        html += QStringLiteral("<tr>") + textCell(content.columns.at(c).name);
        for (const StatisticsRow &quantity : content.rows)
            html += valueCell(quantity.cells.at(c).text());
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    for (const QString &note : {content.note, content.estimateNote})
        if (!note.isEmpty())
            html += QStringLiteral("<p>") + note.toHtmlEscaped() + QStringLiteral("</p>\n");
    return html;
}

} // namespace

SeriesReportHtml seriesReportHtml(const MeasurementSet &set, const SeriesStatistics &statistics,
                                  const QString &logoFragment, const QString &headerLine,
                                  const QString &designation)
{
    const StatisticsTable content = statisticsTable(set, statistics);
    SeriesReportHtml html;
    html.values = reportHead(logoFragment, headerLine);
    html.values += QStringLiteral("<table width='100%'>\n");
    html.values += QStringLiteral("<tr><td width='30%'>") + trMainform("Seriennummer Gerät:") +
                   QStringLiteral("</td><td width='70%'>") + set.serialNr.toHtmlEscaped() +
                   QStringLiteral("</td></tr>\n");
    html.values += QStringLiteral("<tr><td><b>") + trMainform("Bezeichnung:") +
                   QStringLiteral("</b></td><td><b>") + designation.toHtmlEscaped() +
                   QStringLiteral("</b></td></tr>\n</table>\n<p>&nbsp;</p>\n");
    html.values += measurementTable(set, content);
    html.values += QStringLiteral("</span>\n");
    html.statistics =
        QStringLiteral("<span style=\"font-family: 'Sans Serif'; font-size: 11pt;\">\n") +
        statisticsHtml(content) + QStringLiteral("</span>\n");
    return html;
}

QString seriesChartHtml(const SeriesChart &chart, const QStringList &imageTags)
{
    const ChartSettings &settings = chart.settings;
    QString html = QStringLiteral("<span style=\"font-family: 'Sans Serif'; font-size: 11pt;\">\n"
                                  "<h2 style='page-break-before: always;'>") +
                   (ChartText::title() + QLatin1Char(' ') + ChartText::typeName(settings.type))
                       .toHtmlEscaped() +
                   QStringLiteral("</h2>\n<p>") +
                   StatisticsText::quantity(settings.quantity, chart.unitText).toHtmlEscaped();
    if (chart.chart && chart.chart->sigmaWithin)
        html += QStringLiteral("; σ = ") +
                StatisticsText::estimateFormula(settings.withinSpread()).toHtmlEscaped() +
                QStringLiteral(" = ") + formatStatistic(chart.chart->sigmaWithin, 4);
    if (chart.chart && chart.chart->fixedLimits)
        html += QStringLiteral("; ") + ChartText::fixedLimits().toHtmlEscaped();
    html += QStringLiteral("</p>\n");
    if (!chart.chart)
        return html + QStringLiteral("<p>") + ChartText::tooFewPoints().toHtmlEscaped() +
               QStringLiteral("</p>\n</span>\n");
    for (const QString &image : imageTags)
        html += QStringLiteral("<p>") + image + QStringLiteral("</p>\n");

    const ControlChart &c = *chart.chart;
    html += QStringLiteral("<table cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n<tr>") +
            headCell(QString()) + headCell(ChartText::lowerControlLimit()) +
            headCell(ChartText::centreLine()) + headCell(ChartText::upperControlLimit()) +
            QStringLiteral("</tr>\n");
    const std::pair<QString, ChartLine> lines[] = {
        {ChartText::locationName(settings.type), c.limits.location},
        {ChartText::dispersionName(settings.type), c.limits.dispersion}};
    for (const auto &[name, line] : lines)
        html += QStringLiteral("<tr>") + textCell(name) + valueCell(formatStatistic(line.lower, 3)) +
                valueCell(formatStatistic(line.centre, 3)) +
                valueCell(formatStatistic(line.upper, 3)) + QStringLiteral("</tr>\n");
    html += QStringLiteral("</table>\n<p>&nbsp;</p>\n");

    if (chart.violations.isEmpty())
        return html + QStringLiteral("<p>") + ChartText::noViolations().toHtmlEscaped() +
               QStringLiteral("</p>\n</span>\n");
    html += QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n<tr>") +
            headCell(ChartText::point()) + headCell(ChartText::records()) +
            headCell(ChartText::rule()) + QStringLiteral("</tr>\n");
    for (const RuleViolation &v : chart.violations) {
        html += QStringLiteral("<tr>") + valueCell(chart.pointText(v)) +
                textCell(chart.pointRecordsText(v.part, v.point)) +
                textCell(ruleText(v.ruleSet, v.rule)) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n</span>\n");
}

QString seriesDocumentNumbers(const MeasurementSet &set)
{
    QStringList numbers;
    for (const Measurement *m : set.records)
        numbers << QString::number(m->number);
    return numbers.join(QStringLiteral(", #"));
}
