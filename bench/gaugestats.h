#pragma once

#include <QString>

// What crossed the line during one run of the simulated gauge, in bytes.
struct Traffic
{
    qint64 toGauge = -1;
    qint64 fromGauge = -1;

    bool isValid() const { return toGauge >= 0 && fromGauge >= 0; }
    qint64 total() const { return toGauge + fromGauge; }
};

// The counts tspx-sim writes with --stats when it stops.
Traffic readTraffic(const QString &statsPath);
