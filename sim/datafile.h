#pragma once

#include "sim/gaugememory.h"

#include <QString>

// Reads the gauge's memory from a small text file (described in README.md):
// "keyword value" lines, "serial", "version", "unit" for the identity, then
// per measurement "slot N" followed by "rate", "date", "time" and one or more
// "forces" lines. Returns false with a message naming the line on an error.
bool loadGaugeData(const QString &path, GaugeMemory &memory, QString &error);

// The same for text already in memory (the file's contents).
bool parseGaugeData(const QByteArray &text, GaugeMemory &memory, QString &error);
