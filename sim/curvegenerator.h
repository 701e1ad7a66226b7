#pragma once

#include "sim/gaugememory.h"

#include <QList>

// What the generated memory holds. Everything else follows from the seed.
struct GenerateOptions
{
    quint32 seed = 1;
    // Slot numbers to fill (1 to 50).
    QList<int> slotNumbers;
    // Samples per measurement; 0 lets the seed choose a different count per slot.
    int samples = 0;
};

// Realistic tear-off curves: a little preload, a rise to the peak, the break
// (a drop within a few samples) and a small residual force. Different sample
// counts and rates per slot; dates and times in an order that is not the slot
// order (with two slots the higher one is the newer).
GaugeMemory generateMemory(const GenerateOptions &options);

// One curve of `samples` values peaking at `peakMilliNewtons`.
QVector<qint32> generateCurve(quint32 seed, int samples, qint32 peakMilliNewtons);
