#pragma once

#include "archive/archivetypes.h"
#include "device/gaugesession.h"

#include <QList>
#include <functional>

struct DeviceData;
struct Measurement;

// Which slots to erase, and what the operator has seen of them.
struct EraseRequest
{
    // The slots to erase; empty: all 50.
    QList<int> slotNumbers;
    // The list the operator sees (the window's last transfer): its gauge must
    // be the connected one, and its records count as read. Null on the
    // command line: the connected gauge, every measurement checked against
    // the archive.
    const DeviceData *shown = nullptr;
};

// Shown measurements the archive does not hold: kept first, erased anyway, or
// nothing erased.
enum class UnarchivedChoice
{
    ArchiveFirst,
    EraseAnyway,
    Stop,
};

// A measurement the archive keeps only as short as the gauge sent it: fewer
// samples than its count. Sent again, it may come whole.
struct IncompleteCopy
{
    int slot = 0;
    int samplesHeld = 0;
    uint32_t sampleCount = 0;
};

// Measurements archived only incomplete: erased knowingly, left on the gauge
// (the others erased), or nothing erased.
enum class IncompleteChoice
{
    Erase,
    Keep,
    Stop,
};

// The questions an erase may have to ask; the window answers them with
// dialogs, the command line with its flags. A question left unset stops the erase.
struct EraseDecisions
{
    // Measurements on the gauge that nobody has read: neither shown nor in
    // the archive. They are never erased; true erases the others.
    std::function<bool(const QList<int> &slotNumbers)> eraseOthersThanUnread;
    std::function<UnarchivedChoice(const QList<const Measurement *> &records)> unarchived;
    std::function<IncompleteChoice(const QList<IncompleteCopy> &copies)> archivedIncomplete;
};

// What an erase did. Every filled slot asked for is either erased or named in
// notErased.
struct EraseOutcome
{
    // The serial number check and the erase commands' answers.
    EraseResult erase;
    // The archive could not be opened or written: nothing was erased.
    ArchiveStatus archive;
    // Not erased: measurements nobody has read.
    QList<int> unreadSlots;
    // Not erased: what the slot holds could not be read.
    QList<int> uncheckedSlots;
    // Slots asked for by number that hold no measurement: nothing to erase.
    QList<int> emptySlots;
    // Kept first on request, but not found in the archive then: nothing was erased.
    QList<int> incompleteSlots;
    // Archived only incomplete; erased only when so decided.
    QList<IncompleteCopy> incompleteCopies;
    // A question was answered with stop, or the check was cancelled: nothing was erased.
    bool stopped = false;
    // Every filled (or unchecked) slot asked for that was not erased, ascending.
    QList<int> notErased;

    bool ok() const { return !erase.wrongGauge && archive.ok() && !stopped && notErased.isEmpty(); }
};
