#include "workflow/erasecheck.h"

#include "archive/measurementarchive.h"
#include "device/gaugesession.h"
#include "measurement/devicedata.h"
#include "workflow/threadhop.h"

EraseCheck::EraseCheck(GaugeSession &session, MeasurementArchive &archive,
                       const QByteArray &serialNr, const DeviceData *shown, ThreadHop *hop)
    : m_session(session), m_archive(archive), m_hop(hop), m_serialNr(serialNr), m_shown(shown)
{
}

SlotVerdict EraseCheck::check(int slot)
{
    m_shownRecord = nullptr;
    Measurement now(slot);
    if (!m_session.readSlotState(slot, now))
        return SlotVerdict::Unchecked;
    if (now.sampleCount == 0)
        return SlotVerdict::Empty;
    const Measurement *shown = shownMatch(now);
    // A curve a quick transfer took from the archive is not the gauge's: it
    // is checked like a measurement nobody has seen.
    if (shown && !shown->samplesFromArchive) {
        m_shownRecord = shown;
        if (archiveHolds(*shown))
            return SlotVerdict::ShownArchived;
        return keptIncomplete(*shown) ? SlotVerdict::ArchivedIncomplete
                                      : SlotVerdict::ShownUnarchived;
    }
    return archivedVerdict(now);
}

const Measurement *EraseCheck::shownMatch(const Measurement &now) const
{
    if (!m_shown)
        return nullptr;
    for (const Measurement *m : m_shown->records) {
        if (m->number == now.number && m->sampleCount == now.sampleCount &&
            m->dateText == now.dateText && m->timeText == now.timeText)
            return m;
    }
    return nullptr;
}

// The samples cost the most bytes; they are read only when a kept copy could match.
SlotVerdict EraseCheck::archivedVerdict(Measurement &now)
{
    // Unanswered (the window going away): unread, never erased.
    if (!runOn(m_hop, false, [&] {
            return m_archive.mayHold(m_serialNr, now.dateText, now.timeText, now.sampleCount);
        }))
        return SlotVerdict::Unread;
    if (!m_session.readSamples(now.number, now.forces))
        return SlotVerdict::Unchecked;
    if (archiveHolds(now))
        return SlotVerdict::Archived;
    return keptIncomplete(now) ? SlotVerdict::ArchivedIncomplete : SlotVerdict::Unread;
}

bool EraseCheck::keptIncomplete(const Measurement &m)
{
    const std::optional<IncompleteCopy> copy = runOn(m_hop, std::optional<IncompleteCopy>(), [&] {
        return incompleteCopyOf(m_archive, m_serialNr, m);
    });
    if (copy)
        m_incomplete = *copy;
    return copy.has_value();
}

bool EraseCheck::archiveHolds(const Measurement &m)
{
    return runOn(m_hop, false, [&] { return m_archive.holds(m_serialNr, m); });
}

std::optional<IncompleteCopy> incompleteCopyOf(MeasurementArchive &archive,
                                               const QByteArray &serialNr, const Measurement &m)
{
    if (holdsAllSamples(m) || !archive.holdsAsReceived(serialNr, m))
        return std::nullopt;
    return IncompleteCopy{m.number, int(m.forces.size()), m.sampleCount};
}
