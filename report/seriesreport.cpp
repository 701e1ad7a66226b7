#include "report/seriesreport.h"

#include "measurement/serieschart.h"
#include "measurement/statisticstable.h"
#include "report/reporthead.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The captions the report of one measurement has too.
QString trMainform(const char *text)
{
    return QCoreApplication::translate("Mainform", text);
}

// A title breaks between its words only, and its unit stays with the word
// before it ("Maximalkraft / N").
QString headCell(const QString &text)
{
    return QStringLiteral("<th align='left'>") +
           text.toHtmlEscaped().replace(QStringLiteral(" / "), QStringLiteral("&nbsp;/&nbsp;")) +
           QStringLiteral("</th>");
}

// Every cell below the titles is one line: the layout moves a line to the
// next page whole but splits a cell of several lines, so a row of single
// lines never splits across two pages.
QString unbrokenCell(const QString &text, const QString &attributes = QString())
{
    return QStringLiteral("<td style='white-space: nowrap;'") + attributes + QLatin1Char('>') +
           text.toHtmlEscaped() + QStringLiteral("</td>");
}

QString valueCell(const QString &text)
{
    return unbrokenCell(text, QStringLiteral(" align='right'"));
}

QString textCell(const QString &text)
{
    return unbrokenCell(text);
}

// The verdict and beside it the measurement's calibration mark, if any.
QString verdictCell(const QString &verdict, const Measurement &m, const MeasurementSet &set)
{
    const QString mark = calibrationMarkText(calibrationMarkOf(m, set.calibration));
    if (mark.isEmpty() || verdict.isEmpty())
        return unbrokenCell(verdict + mark);
    return unbrokenCell(verdict + QStringLiteral(" \u2013 ") + mark);
}

// What names the series on each of its pages: the head, the gauge's serial
// number and the designation.
QString seriesHead(const MeasurementSet &set, const QString &logoFragment,
                   const QString &headerLine, const QString &designation, bool newPage)
{
    QString html = reportHead(logoFragment, headerLine, newPage);
    html += QStringLiteral("<table width='100%'>\n<tr>") +
            unbrokenCell(trMainform("Seriennummer Gerät:"), QStringLiteral(" width='30%'")) +
            QStringLiteral("<td width='70%'>") + set.serialNr.toHtmlEscaped() +
            QStringLiteral("</td></tr>\n");
    html += QStringLiteral("<tr><td style='white-space: nowrap;'><b>") +
            trMainform("Bezeichnung:").toHtmlEscaped() + QStringLiteral("</b></td><td><b>") +
            designation.toHtmlEscaped() +
            QStringLiteral("</b></td></tr>\n</table>\n<p>&nbsp;</p>\n");
    return html;
}

// The column titles repeat on every page the table goes on to.
QString measurementTable(const MeasurementSet &set, const StatisticsTable &content)
{
    const QString unit = QLatin1Char(' ') + set.unitText;
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' "
                                  "border='1' style='border-collapse: collapse;'>\n<thead><tr>");
    for (const QString &title :
         {trMainform("Messung-Nr:"), trMainform("Datum:"), trMainform("Zeit:"),
          trMainform("Maximalkraft:"), trMainform("Mittelwert der Kraft:"), content.resultTitle})
        html += headCell(title);
    html += QStringLiteral("</tr></thead>\n");
    for (int k = 0; k < set.records.size(); ++k) {
        const Measurement &m = *set.records.at(k);
        html += QStringLiteral("<tr>") + valueCell(QString::number(m.number)) +
                unbrokenCell(formatMeasurementDate(m.dateText)) +
                unbrokenCell(formatMeasurementTime(m.timeText)) +
                valueCell(formatForce(m.forceMax, set.factor) + unit) +
                valueCell(formatForce(m.forceAvg, set.factor) + unit) +
                verdictCell(content.verdicts.at(k).verdictText, m, set) +
                QStringLiteral("</tr>\n");
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

QString statisticsHtml(const StatisticsTable &content, const QStringList &verdict)
{
    QString html = QStringLiteral("<h2>") + content.title.toHtmlEscaped() +
                   QStringLiteral("</h2>\n<table cellspacing='0' cellpadding='2'>\n");
    for (const StatisticsLimit &limit : content.limits)
        html += limitRow(limit, content.unitText);
    html += QStringLiteral("</table>\n<p>&nbsp;</p>\n");

    // One column per quantity, one row per statistic: fits the page's width.
    html += QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n<thead><tr>") +
            headCell(QString());
    for (const StatisticsRow &quantity : content.rows)
        html += headCell(quantity.label);
    html += QStringLiteral("</tr></thead>\n");
    for (int c = 0; c < content.columns.size(); ++c) {
        html += QStringLiteral("<tr>") + textCell(content.columns.at(c).name);
        for (const StatisticsRow &quantity : content.rows)
            html += valueCell(quantity.cells.at(c).text());
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    if (!verdict.isEmpty())
        html += QStringLiteral("<p><b>") + verdict.join(QStringLiteral("; ")).toHtmlEscaped() +
                QStringLiteral("</b></p>\n");
    for (const QString &note :
         QStringList{content.leftOutNote, content.note, content.estimateNote} +
             content.characteristicNotes())
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
    html.values = seriesHead(set, logoFragment, headerLine, designation, false);
    html.values += measurementTable(set, content);
    html.values += QStringLiteral("</span>\n");
    // The statistics start a page of their own, under the series' head.
    html.statistics = seriesHead(set, logoFragment, headerLine, designation, true) +
                      statisticsHtml(content, StatisticsText::verdictLines(statistics, set.thresholds)) +
                      QStringLiteral("</span>\n");
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
                   chart.quantity.label().toHtmlEscaped();
    if (chart.chart && chart.chart->sigmaWithin)
        html += QStringLiteral("; σ = ") +
                StatisticsText::estimateFormula(settings.withinSpread()).toHtmlEscaped() +
                QStringLiteral(" = ") + chart.limitText(*chart.chart->sigmaWithin);
    if (chart.chart && chart.chart->fixedLimits)
        html += QStringLiteral("; ") + ChartText::fixedLimits().toHtmlEscaped();
    if (chart.leftOut > 0)
        html += QStringLiteral(" ") + StatisticsText::leftOutNote(chart.leftOut).toHtmlEscaped();
    if (chart.notFound > 0)
        html += QStringLiteral(" ") +
                StatisticsText::notFoundNote(chart.notFound, chart.quantity.name).toHtmlEscaped();
    html += QStringLiteral("</p>\n");
    if (!chart.chart)
        return html + QStringLiteral("<p>") +
               (chart.quantity.passFail ? ChartText::passFailNotCharted() : ChartText::tooFewPoints())
                   .toHtmlEscaped() +
               QStringLiteral("</p>\n</span>\n");
    for (const QString &image : imageTags)
        html += QStringLiteral("<p>") + image + QStringLiteral("</p>\n");

    const ControlChart &c = *chart.chart;
    html += QStringLiteral("<table cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n<thead><tr>") +
            headCell(QString()) + headCell(ChartText::lowerControlLimit()) +
            headCell(ChartText::centreLine()) + headCell(ChartText::upperControlLimit()) +
            QStringLiteral("</tr></thead>\n");
    const std::pair<QString, ChartLine> lines[] = {
        {ChartText::locationName(settings.type), c.limits.location},
        {ChartText::dispersionName(settings.type), c.limits.dispersion}};
    for (const auto &[name, line] : lines)
        html += QStringLiteral("<tr>") + textCell(name) + valueCell(chart.limitText(line.lower)) +
                valueCell(chart.limitText(line.centre)) +
                valueCell(chart.limitText(line.upper)) + QStringLiteral("</tr>\n");
    html += QStringLiteral("</table>\n");
    const QString outside = ChartText::outsideSubgroupsNote(chart.outsideSubgroups());
    if (!outside.isEmpty())
        html += QStringLiteral("<p>") + outside.toHtmlEscaped() + QStringLiteral("</p>\n");
    html += QStringLiteral("<p>&nbsp;</p>\n");

    if (chart.violations.isEmpty())
        return html + QStringLiteral("<p>") + ChartText::noViolations().toHtmlEscaped() +
               QStringLiteral("</p>\n</span>\n");
    // The titles repeat on every page the table goes on to.
    html += QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n<thead><tr>") +
            headCell(ChartText::point()) + headCell(ChartText::records()) +
            headCell(ChartText::rule()) + QStringLiteral("</tr></thead>\n");
    for (const RuleViolation &v : chart.violations) {
        html += QStringLiteral("<tr>") +
                valueCell(chart.pointText(v)) +
                unbrokenCell(chart.pointRecordsText(v.part, v.point)) +
                unbrokenCell(ruleText(v.ruleSet, v.rule)) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n</span>\n");
}

QString seriesPageHead(const MeasurementSet &set, const QString &designation)
{
    return QStringLiteral("Tensimo Parl \u2013 ") + trMainform("Seriennummer Gerät:") +
           QLatin1Char(' ') + set.serialNr + QStringLiteral(" \u2013 ") +
           trMainform("Bezeichnung:") + QLatin1Char(' ') + designation;
}

QString seriesDocumentNumbers(const MeasurementSet &set)
{
    QStringList numbers;
    for (const Measurement *m : set.records)
        numbers << QString::number(m->number);
    return numbers.join(QStringLiteral(", #"));
}
