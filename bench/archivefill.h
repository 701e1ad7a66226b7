#pragma once

#include <QString>

// Fills a new archive file with `count` synthetic measurements: eight gauges,
// each measuring 50 times a day going back from 1 December 2026, curves of
// `samples` (200 unless said) like the simulated gauge's, every 25th measurement with a
// designation ("Los 17 Bolzen M8"). Stored through MeasurementArchive, one
// transaction per gauge and 20,000 measurements. Returns an empty text, or
// why not.
QString fillArchive(const QString &path, int count, int samples = 200);
