#pragma once

#include "workflow/eraserequest.h"

#include <QByteArray>
#include <QList>
#include <optional>

class GaugeSession;
class MeasurementArchive;
class ThreadHop;
struct DeviceData;
struct Measurement;

// What a slot about to be erased holds now, judged by what the operator has
// seen and what the archive keeps.
enum class SlotVerdict
{
    Empty,           // nothing to lose
    ShownArchived,   // the measurement shown, and kept
    ShownUnarchived, // the measurement shown, not kept yet
    Archived,        // its samples, read now, match a kept copy
    // Kept only as short as the gauge sent it (and sends it now): fewer
    // samples than its count.
    ArchivedIncomplete,
    Unread,          // nobody has read it: never erased
    Unchecked,       // what it holds could not be read
};

// The copy the archive keeps of `m` when `m` has fewer samples than its count
// and exactly those are archived.
std::optional<IncompleteCopy> incompleteCopyOf(MeasurementArchive &archive,
                                               const QByteArray &serialNr, const Measurement &m);

// The check before an erase, one slot at a time, on the open session. A slot
// is read as count, time and date; a filled one counts as the one shown when
// the shown list has a record of that slot, count, date and time whose samples
// were read from the gauge. Otherwise its samples are read (only when the
// archive keeps a measurement of that date, time and count) and must match a
// kept copy bit for bit: summary values alone cannot tell two measurements apart.
// A measurement with fewer samples than its count is never kept whole; when
// exactly those samples are archived, it is named as archived incomplete.
class EraseCheck
{
public:
    // The archive is asked through `hop` (on its own thread; null: here).
    EraseCheck(GaugeSession &session, MeasurementArchive &archive, const QByteArray &serialNr,
               const DeviceData *shown, ThreadHop *hop = nullptr);

    SlotVerdict check(int slot);
    // The shown record of the last slot checked with a Shown verdict.
    const Measurement *shownRecord() const { return m_shownRecord; }
    // The copy of the last slot checked with the verdict ArchivedIncomplete.
    IncompleteCopy incompleteCopy() const { return m_incomplete; }

private:
    const Measurement *shownMatch(const Measurement &now) const;
    SlotVerdict archivedVerdict(Measurement &now);
    bool keptIncomplete(const Measurement &m);
    bool archiveHolds(const Measurement &m);

    GaugeSession &m_session;
    MeasurementArchive &m_archive;
    ThreadHop *m_hop;
    QByteArray m_serialNr;
    const DeviceData *m_shown;
    const Measurement *m_shownRecord = nullptr;
    IncompleteCopy m_incomplete;
};
