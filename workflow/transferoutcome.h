#pragma once

#include "archive/archivetypes.h"
#include "device/gaugesession.h"

#include <QList>
#include <functional>

// Called as a long job goes on: `done` of `total` steps. Returning false
// cancels the job after that step.
using JobProgress = std::function<bool(int done, int total)>;

// What a transfer read and what the archive made of it.
struct TransferOutcome
{
    // Identity, slots with failed reads, cancelled.
    TransferResult read;
    // Why the records are not in the archive; Ok when they are (or there were none).
    ArchiveStatus archive;
    int added = 0;       // newly archived
    int fromArchive = 0; // slots whose samples the quick transfer took from the archive
    // Slots read without a failure whose record lacks samples of its count
    // (the gauge sent fewer): archived as received, flagged incomplete.
    QList<int> incompleteSlots;
    // Slots whose record holds a value that is no number: archived as
    // received, flagged, left out of statistics.
    QList<int> notNumberSlots;
    // Slots asked for by number that hold no measurement, ascending.
    QList<int> emptySlots;

    bool ok() const { return read.ok() && archive.ok(); }
};
