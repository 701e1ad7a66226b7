#pragma once

#include <QString>
#include <QStringList>

struct MeasurementSet;
struct SeriesChart;
struct SeriesStatistics;

// The HTML of the report of several measurements: the head as in the report
// of one, then a table of the measurements with their verdicts; after the
// overlay diagram the statistics table on a page of its own, under the same
// head (logo, title, serial number, designation), so that each page names
// its series.
struct SeriesReportHtml
{
    QString values;     // before the diagram
    QString statistics; // after it
};

SeriesReportHtml seriesReportHtml(const MeasurementSet &set, const SeriesStatistics &statistics,
                                  const QString &logoFragment, const QString &headerLine,
                                  const QString &designation);

// The control chart's page: its kind, characteristic and estimate, the
// images (location chart, dispersion chart, histogram), both charts' centre
// lines and limits, and the points that break a rule with the rule.
QString seriesChartHtml(const SeriesChart &chart, const QStringList &imageTags);
// The line above each page after the first: "Tensimo Parl – Seriennummer
// Gerät: 5501 – Bezeichnung: Serie 7".
QString seriesPageHead(const MeasurementSet &set, const QString &designation);

// The numbers in the document name: "7, #3, #12" ("Tensimo Parl - #%0").
QString seriesDocumentNumbers(const MeasurementSet &set);
