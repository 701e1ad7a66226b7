#pragma once

#include "measurement/seriesstatistics.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The statistics of a set as one table of texts and numbers, laid out once
// for the window's view, the report's HTML and the workbook's sheet, which
// only render it.

// A number of the table: unset shows as "-", a cell that does not apply
// (the capability indices of the mean force and the duration, all but the
// count of a pass and fail characteristic) as nothing.
struct StatisticsCell
{
    bool applies = true;
    std::optional<double> value;
    int decimals = 0; // 0: a count

    QString text() const;
};

// A column's full title and its short symbol for narrow tables.
struct StatisticsColumn
{
    QString name;
    QString symbol;
};

// One quantity: its title with the unit and a cell per column.
struct StatisticsRow
{
    Quantity quantity = Quantity::MaximumForce;
    QString label;
    QString key; // the machine name (SeriesQuantity::key)
    QString note; // a plan characteristic's limits and verdicts; empty for the others
    QVector<StatisticsCell> cells;
};

// A limit of the maximum force with its caption.
struct StatisticsLimit
{
    QString caption;
    StatisticsCell value;
};

// One measurement's maximum force and its verdict: by the set's test plan
// when it has one (the characteristics it failed named), else of the maximum
// force against the limits.
struct StatisticsVerdict
{
    const Measurement *record = nullptr;
    double forceMax = 0.0; // in the set's unit
    QString forceText;     // as forces are shown
    Verdict verdict = Verdict::NoLimits;
    QString verdictText;
};

struct StatisticsTable
{
    QString title;
    QString unitText;
    QVector<StatisticsLimit> limits; // lower, upper
    QVector<StatisticsColumn> columns;
    QVector<StatisticsRow> rows; // one per quantity, in kQuantities order, then the plan's
    QString measurementTitle;
    QString resultTitle;
    QVector<StatisticsVerdict> verdicts; // in set order
    QString note; // no limits, or too few measurements for the indices; empty otherwise
    QString estimateNote; // which spread Pp/Ppk and Cp/Cpk are taken from
    QString leftOutNote;  // measurements left out because a value is no number

    // Each plan characteristic's note (StatisticsRow::note), in row order.
    QStringList characteristicNotes() const;
    // The notes to show below the table, one a line; the characteristics'
    // notes last, unless left to their rows (`withCharacteristics` false).
    QString notes(bool withCharacteristics = true) const;
};

StatisticsTable statisticsTable(const MeasurementSet &set, const SeriesStatistics &statistics);
