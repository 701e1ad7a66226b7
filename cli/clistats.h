#pragma once

#include "measurement/serieschart.h"
#include "measurement/seriesstatistics.h"

#include <QByteArray>

// What `tspx-cli stats` prints of a set: its statistics and capability, the
// chart's limits, the measurements beyond the limits and the points that
// break a run rule; as tab-separated lines or as JSON.
struct CliStats
{
    MeasurementSet set;
    SeriesStatistics statistics;
    SeriesChart chart;

    // A measurement beyond a limit or a rule broken: exit code 6.
    bool outOfControl() const;
};

CliStats cliStats(const MeasurementSet &set, const ChartSettings &settings);
QByteArray statsTable(const CliStats &stats);
QByteArray statsJson(const CliStats &stats);
