#pragma once

#include <QString>
#include <QStringList>

struct MeasurementSet;
struct SeriesChart;
struct SeriesStatistics;

// The HTML of the report of several measurements: the head as in the report
// of one, then a table of the measurements with their verdicts; after the
// overlay diagram the statistics table, which goes to a second page when the
// first is full.
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

// The numbers in the document name: "7, #3, #12" ("Tensimo Parl - #%0").
QString seriesDocumentNumbers(const MeasurementSet &set);
