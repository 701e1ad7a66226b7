#include "workflow/gaugeworkflow.h"

#include "archive/calibrationstore.h"
#include "workflow/workflowtexts.h"

#include "archive/archivelookup.h"
#include "archive/measurementarchive.h"
#include "device/gaugesession.h"
#include "device/interfacehardware.h"
#include "measurement/devicedata.h"
#include "settings/statusini.h"
#include "workflow/archivepath.h"
#include "workflow/erasecheck.h"
#include "workflow/threadhop.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>

namespace {

// The session's per-slot progress as steps `offset + slot` of `total`.
SessionProgress slotSteps(const JobProgress &progress, int offset, int total)
{
    if (!progress)
        return {};
    return [progress, offset, total](int slot) { return progress(offset + slot, total); };
}

ArchiveDevice archiveDeviceOf(const DeviceData &data)
{
    return {data.serialNr, data.swVersion, data.forceUnit};
}

void addSorted(QList<int> &list, int slot)
{
    if (!list.contains(slot)) {
        list.append(slot);
        std::sort(list.begin(), list.end());
    }
}

// The archive's look-up asked on the archive's thread.
class LookupThroughHop : public KnownMeasurements
{
public:
    LookupThroughHop(ArchiveLookup &lookup, ThreadHop *hop) : m_lookup(lookup), m_hop(hop) {}

    bool fillKnownSamples(const QByteArray &serialNr, Measurement &measurement) override
    {
        return runOn(m_hop, false,
                     [&] { return m_lookup.fillKnownSamples(serialNr, measurement); });
    }

private:
    ArchiveLookup &m_lookup;
    ThreadHop *m_hop;
};

ArchiveStatus notAnswered()
{
    ArchiveStatus status;
    status.kind = ArchiveStatus::NotOpen;
    return status;
}

} // namespace

GaugeWorkflow::GaugeWorkflow(GaugeSession &session, MeasurementArchive &archive, StatusIni &status,
                             ThreadHop *hop)
    : m_session(session), m_archive(archive), m_status(status), m_hop(hop)
{
}

GaugeWorkflow::~GaugeWorkflow()
{
    m_session.setSerialNrHeard({});
}

int GaugeWorkflow::connect(const QByteArray &port)
{
    listenForGauge();
    if (!port.isEmpty())
        return m_session.openPort(port);
    // The next search starts where the gauge answered; the file is saved
    // after every search, found or not.
    const int lastPortNr = runOn(m_hop, 0, [&] { return m_status.lastConnectedPortNr; });
    const int result = m_session.open(lastPortNr);
    const int portNr = m_session.connectedPortNr();
    runOn(m_hop, true, [&] {
        if (result == Protocol::kOk)
            m_status.lastConnectedPortNr = portNr;
        m_status.save();
        return true;
    });
    return result;
}

int GaugeWorkflow::connectOn(InterfaceRS232 *port)
{
    listenForGauge();
    return m_session.openOn(port);
}

void GaugeWorkflow::listenForGauge()
{
    m_gaugeNamed = false;
    m_session.setSerialNrHeard([this](const QByteArray &serialNr) { nameGauge(serialNr); });
}

void GaugeWorkflow::nameGauge(const QByteArray &serialNr)
{
    if (m_gaugeNamed || serialNr.isEmpty() || !m_notice)
        return;
    m_gaugeNamed = true;
    const QString note = overdueGaugeNote(serialNr, calibrationOf(serialNr), QDate::currentDate());
    if (!note.isEmpty())
        m_notice(note);
}

void GaugeWorkflow::disconnect()
{
    m_session.setSerialNrHeard({});
    if (m_session.isOpen())
        m_session.close();
}

QString GaugeWorkflow::archivePath() const
{
    return archiveFilePath(m_status);
}

ArchiveStatus GaugeWorkflow::openArchive()
{
    return runOn(m_hop, notAnswered(), [&]() -> ArchiveStatus {
        // Not the archive the settings mean: nothing may count as kept in it.
        const ArchiveStatus settings = archiveSettingsStatus(m_status);
        if (!settings.ok())
            return settings;
        if (m_archive.isOpen())
            return {};
        m_opened = m_archive.open(archiveConfig(m_status));
        return m_opened;
    });
}

QString GaugeWorkflow::damagedArchiveText() const
{
    if (m_opened.movedAside.isEmpty())
        return QString();
    return WorkflowText::movedAside(m_opened, archivePath(), m_archive.isOnServer());
}

TransferOutcome GaugeWorkflow::transfer(DeviceData &data, const JobProgress &progress,
                                        const QList<int> &slotNumbers)
{
    TransferOutcome out;
    const ArchiveStatus opened = openArchive();
    ArchiveLookup lookup(m_archive);
    LookupThroughHop hopping(lookup, m_hop);
    const bool quick = runOn(m_hop, false, [&] { return m_status.quickTransfer; });
    m_session.setKnownMeasurements(quick && opened.ok() ? &hopping : nullptr);
    const int total = slotNumbers.isEmpty() ? Protocol::kSlotCount : slotNumbers.size();
    int done = 0;
    out.read =
        m_session.transfer(data,
                           progress ? SessionProgress([&](int) { return progress(++done, total); })
                                    : SessionProgress(),
                           slotNumbers);
    m_session.setKnownMeasurements(nullptr);
    out.fromArchive = lookup.filledCount();
    for (const Measurement *m : qAsConst(data.records)) {
        if (!holdsAllSamples(*m) && !out.read.failedSlots.contains(m->number))
            out.incompleteSlots.append(m->number);
        if (!holdsOnlyNumbers(*m))
            out.notNumberSlots.append(m->number);
    }
    std::sort(out.incompleteSlots.begin(), out.incompleteSlots.end());
    std::sort(out.notNumberSlots.begin(), out.notNumberSlots.end());
    for (int slot : out.read.cancelled ? QList<int>() : slotNumbers) {
        if (!findMeasurement(data.records, slot) && !out.read.failedSlots.contains(slot))
            out.emptySlots.append(slot);
    }
    if (!data.records.isEmpty())
        out.archive = opened.ok() ? archiveRecords(data, data.records, &out.added) : opened;
    data.calibration = calibrationOf(data.serialNr);
    return out;
}

GaugeCalibration GaugeWorkflow::calibrationOf(const QByteArray &serialNr)
{
    if (serialNr.isEmpty() || !openArchive().ok())
        return GaugeCalibration();
    // The archive and the status file belong to the window's thread.
    return runOn(m_hop, GaugeCalibration(), [&] {
        GaugeCalibration calibration;
        ArchiveStatus status;
        const std::optional<CalibrationRecord> current =
            CalibrationStore(m_archive).current(serialNr, &status);
        calibration.known = status.ok();
        if (current)
            calibration.dueOn = current->dueOn;
        calibration.recordRequired = m_status.calibrationRequired;
        return calibration;
    });
}

TransferResult GaugeWorkflow::readList(DeviceData &data, const JobProgress &progress)
{
    const bool identityRead = m_session.readIdentity(data);
    data.clear();
    TransferResult result = m_session.readSlots(
        data.records, slotSteps(progress, 0, Protocol::kSlotCount), QList<int>(), false);
    result.identityFailed = !identityRead;
    sortNewestFirst(data.records);
    data.calibration = calibrationOf(data.serialNr);
    return result;
}

ArchiveStatus GaugeWorkflow::archiveRecords(const DeviceData &device,
                                            const QList<Measurement *> &records, int *added)
{
    ArchiveStatus status = openArchive();
    if (status.ok())
        status = runOn(m_hop, notAnswered(), [&] {
            return m_archive.storeTransfer(archiveDeviceOf(device), records,
                                           QDateTime::currentDateTimeUtc(), added);
        });
    return status;
}

EraseOutcome GaugeWorkflow::erase(const EraseRequest &request, const EraseDecisions &decisions,
                                  const JobProgress &progress)
{
    EraseOutcome out;
    QList<int> erasable, filled;
    QList<const Measurement *> unarchived;
    // Without the archive nothing can be told kept: nothing is erased.
    out.archive = openArchive();
    const bool go = out.archive.ok() &&
                    checkSlots(request, progress, out, erasable, filled, unarchived) &&
                    decide(request, decisions, out, erasable, unarchived);
    if (go) {
        const int total =
            request.slotNumbers.isEmpty() ? Protocol::kSlotCount : request.slotNumbers.size();
        int done = 0;
        const QByteArray serialNr = out.erase.gaugeSerialNr;
        out.erase = m_session.eraseSlots(
            erasable, filled,
            progress ? SessionProgress([&](int) { return progress(total + ++done, 2 * total); })
                     : SessionProgress());
        out.erase.gaugeSerialNr = serialNr;
    }
    for (int slot : qAsConst(filled)) {
        if (!out.erase.erasedSlots.contains(slot))
            addSorted(out.notErased, slot);
    }
    for (int slot : qAsConst(out.uncheckedSlots))
        addSorted(out.notErased, slot);
    return out;
}

bool GaugeWorkflow::checkSlots(const EraseRequest &request, const JobProgress &progress,
                               EraseOutcome &out, QList<int> &erasable, QList<int> &filled,
                               QList<const Measurement *> &unarchived)
{
    EraseResult &gauge = out.erase;
    gauge.serialNrUnread = !m_session.readSerialNr(gauge.gaugeSerialNr);
    gauge.wrongGauge =
        gauge.serialNrUnread || (request.shown && gauge.gaugeSerialNr != request.shown->serialNr);
    if (gauge.wrongGauge)
        return false;

    const QList<int> asked = request.slotNumbers.isEmpty() ? allSlotNumbers() : request.slotNumbers;
    EraseCheck check(m_session, m_archive, gauge.gaugeSerialNr, request.shown, m_hop);
    for (int i = 0; i < asked.size(); ++i) {
        const int slot = asked.at(i);
        const SlotVerdict verdict = check.check(slot);
        if (verdict != SlotVerdict::Empty && verdict != SlotVerdict::Unchecked)
            filled.append(slot);
        if (verdict == SlotVerdict::Empty && !request.slotNumbers.isEmpty())
            out.emptySlots.append(slot);
        if (verdict == SlotVerdict::Unread)
            out.unreadSlots.append(slot);
        else if (verdict == SlotVerdict::Unchecked)
            out.uncheckedSlots.append(slot);
        else if (verdict == SlotVerdict::ArchivedIncomplete) // erased only when so decided
            out.incompleteCopies.append(check.incompleteCopy());
        else if (verdict != SlotVerdict::Empty) // an empty slot has nothing to erase
            erasable.append(slot);
        if (verdict == SlotVerdict::ShownUnarchived)
            unarchived.append(check.shownRecord());
        if (progress && !progress(i + 1, 2 * asked.size())) {
            gauge.cancelled = true;
            out.stopped = true;
            return false;
        }
    }
    // In the order the operator sees them.
    if (request.shown) {
        const QList<Measurement *> &order = request.shown->records;
        std::sort(unarchived.begin(), unarchived.end(),
                  [&order](const Measurement *a, const Measurement *b) {
                      return order.indexOf(const_cast<Measurement *>(a)) <
                             order.indexOf(const_cast<Measurement *>(b));
                  });
    }
    return true;
}

bool GaugeWorkflow::decide(const EraseRequest &request, const EraseDecisions &decisions,
                           EraseOutcome &out, QList<int> &erasable,
                           const QList<const Measurement *> &unarchived)
{
    if (!out.unreadSlots.isEmpty() &&
        !(decisions.eraseOthersThanUnread && decisions.eraseOthersThanUnread(out.unreadSlots))) {
        out.stopped = true;
        return false;
    }
    if (!unarchived.isEmpty()) {
        const UnarchivedChoice choice =
            decisions.unarchived ? decisions.unarchived(unarchived) : UnarchivedChoice::Stop;
        const bool kept = choice == UnarchivedChoice::ArchiveFirst && request.shown &&
                          archiveFirst(*request.shown, unarchived, out, erasable);
        if (!kept && choice != UnarchivedChoice::EraseAnyway) {
            out.stopped = true;
            return false;
        }
    }
    if (!out.incompleteCopies.isEmpty()) {
        const IncompleteChoice choice = decisions.archivedIncomplete
                                            ? decisions.archivedIncomplete(out.incompleteCopies)
                                            : IncompleteChoice::Stop;
        if (choice == IncompleteChoice::Stop) {
            out.stopped = true;
            return false;
        }
        if (choice == IncompleteChoice::Erase) {
            for (const IncompleteCopy &copy : qAsConst(out.incompleteCopies))
                addSorted(erasable, copy.slot);
        }
    }
    return !erasable.isEmpty();
}

// Keeps the shown measurements not archived yet; false (nothing to be erased)
// when the archive cannot take them. One the gauge sent short is kept as it
// came and asked about as archived incomplete.
bool GaugeWorkflow::archiveFirst(const DeviceData &shown, const QList<const Measurement *> &records,
                                 EraseOutcome &out, QList<int> &erasable)
{
    QList<Measurement *> toKeep;
    for (const Measurement *m : records)
        toKeep.append(const_cast<Measurement *>(m));
    out.archive = archiveRecords(shown, toKeep);
    if (!out.archive.ok())
        return false;
    for (const Measurement *m : records) {
        if (archiveHolds(shown.serialNr, *m))
            continue;
        erasable.removeAll(m->number);
        if (const std::optional<IncompleteCopy> copy =
                runOn(m_hop, std::optional<IncompleteCopy>(),
                      [&] { return incompleteCopyOf(m_archive, shown.serialNr, *m); }))
            out.incompleteCopies.append(*copy);
        else
            out.incompleteSlots.append(m->number);
    }
    std::sort(out.incompleteCopies.begin(), out.incompleteCopies.end(),
              [](const IncompleteCopy &a, const IncompleteCopy &b) { return a.slot < b.slot; });
    return out.incompleteSlots.isEmpty();
}

bool GaugeWorkflow::archiveHolds(const QByteArray &serialNr, const Measurement &m)
{
    return runOn(m_hop, false, [&] { return m_archive.holds(serialNr, m); });
}
