#pragma once

#include "measurement/serieschart.h"
#include "measurement/seriesstatistics.h"

#include <QByteArray>

// What `tspx-cli stats` prints of a set: its statistics and capability, the
// chart's limits, the measurements beyond the limits and the points that
// break a run rule; as a table for a person, as tab-separated lines or as JSON.
struct CliStats
{
    MeasurementSet set;
    SeriesStatistics statistics;
    SeriesChart chart;

    // The plan's characteristic charted (stats --characteristic), or null.
    const QuantityStatistics *charted() const;
    // A measurement beyond a limit (the maximum force's, the charted
    // characteristic's) or a rule broken: exit code 6.
    bool outOfControl() const;
};

CliStats cliStats(const MeasurementSet &set, const ChartSettings &settings);
// Aligned columns in the language of the translations loaded: the verdict,
// each measurement beyond a limit with its value and the limit crossed, the
// measurements a subgroup chart left out.
QByteArray statsText(const CliStats &stats);
// The machine format: tab-separated keys and values.
QByteArray statsTsv(const CliStats &stats);
QByteArray statsJson(const CliStats &stats);
