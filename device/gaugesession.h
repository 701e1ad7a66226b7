#pragma once

#include "device/linktiming.h"

#include <QByteArray>
#include <QList>
#include <atomic>
#include <functional>

class InterfaceHardware;
class InterfaceRS232;
class KnownMeasurements;
class QuorixTSPX;
struct DeviceData;
struct Measurement;

// Called after each slot of a long job with the slot just handled (1..50).
// Returning false cancels the job after that slot.
using SessionProgress = std::function<bool(int slot)>;

// What a transfer read and where it failed.
struct TransferResult
{
    bool cancelled = false;
    // A read of "serNr", "swVer" or "sFcUn" failed.
    bool identityFailed = false;
    // Slots with at least one failed read, ascending. Their records stay in
    // the list with what could be read.
    QList<int> failedSlots;

    bool ok() const { return !identityFailed && failedSlots.isEmpty(); }
};

// What an erase did. Nothing is erased on a gauge other than the expected one.
struct EraseResult
{
    // The serial number the connected gauge reported before erasing.
    QByteArray gaugeSerialNr;
    // The gauge is not the expected one, or did not tell its serial number
    // (serialNrUnread): nothing was sent to erase.
    bool wrongGauge = false;
    bool serialNrUnread = false;
    bool cancelled = false;
    // Of the slots that held a measurement: erased, and refused or unanswered.
    QList<int> erasedSlots;
    QList<int> failedSlots;

    bool ok() const { return !wrongGauge && failedSlots.isEmpty(); }
};

// One conversation with the gauge, without any window: the port search, the
// identity, the transfer of the 50 slots and erasing. Errors come back as
// values; progress and cancelling go through a callback.
class GaugeSession
{
public:
    explicit GaugeSession(const LinkTiming &timing = LinkTiming());
    ~GaugeSession();

    GaugeSession(const GaugeSession &) = delete;
    GaugeSession &operator=(const GaugeSession &) = delete;

    // Searches COM1..COM30 from `lastPortNr`, the port that answered last;
    // 0 when connected, otherwise the error of the last port tried.
    int open(int lastPortNr);
    // The port that answered the last search (InterfaceHardware::connectedPortNr).
    int connectedPortNr() const;
    // Connects on the one port given ("COMn" or a device); no search.
    int openPort(const QByteArray &portName);
    // Connects on a port the caller keeps (InterfaceHardware::openOn).
    int openOn(InterfaceRS232 *port);
    // Ends the communication mode and gives up the port; safe when closed.
    void close();
    bool isOpen() const;

    // Serial number, software version and force unit into `data`. Returns
    // false when any of the three reads failed (the fields are still set).
    bool readIdentity(DeviceData &data);
    // Reads the slots (all 50 when `slotNumbers` is empty); a filled slot
    // becomes a record appended to `records` (owned by the caller). Logs
    // "readCommand retCum=" per filled slot. Without samples the sample list
    // ("dMsFc", nearly all of the bytes) is left out.
    TransferResult readSlots(QList<Measurement *> &records, const SessionProgress &progress,
                             const QList<int> &slotNumbers = QList<int>(), bool withSamples = true);
    // Reads the count of every slot; `filled` gets those holding a
    // measurement. False when a read failed.
    bool readFilledSlots(QList<int> &filled);
    // The download: identity, the old records dropped, the slots (all when
    // `slotNumbers` is empty), newest first.
    TransferResult transfer(DeviceData &data, const SessionProgress &progress,
                            const QList<int> &slotNumbers = QList<int>());

    // Erases `slots` one by one after checking that the gauge is the one with
    // `expectedSerialNr`. `filledSlots` are the slots known to hold a
    // measurement: only their answers count (erasing an empty slot may be
    // refused harmlessly). Pass the same list twice to erase exactly those.
    EraseResult erase(const QByteArray &expectedSerialNr, const QList<int> &slotNumbers,
                      const QList<int> &filledSlots, const SessionProgress &progress);
    // The connected gauge's serial number ("serNr"); false when unread.
    bool readSerialNr(QByteArray &serialNr);
    // Erases `slots` one by one, without asking for the serial number first;
    // `filledSlots` as for erase().
    EraseResult eraseSlots(const QList<int> &slotNumbers, const QList<int> &filledSlots,
                           const SessionProgress &progress);
    // Erases every slot 1..50 of the expected gauge.
    EraseResult eraseAll(const QByteArray &expectedSerialNr, const QList<int> &filledSlots,
                         const SessionProgress &progress);

    // What a slot holds now: its count and, when filled, its time and date
    // ("dMsCt", "dMsTm", "dMsDt"). False when a read failed.
    bool readSlotState(int slot, Measurement &state);
    // The slot's samples ("dMsFc"). False when the read failed.
    bool readSamples(int slot, QList<float> &forces);

    InterfaceHardware &hardware() { return *m_hardware; }
    // Set from another thread to end the job between two commands: the port
    // search before the next port, a transfer before the next command (the
    // slot being read is dropped and the result says cancelled). Not owned.
    void setCancelFlag(const std::atomic<bool> *flag);

    // Called with the serial number each time the gauge tells it (its
    // identity or the serial number read); none by default.
    void setSerialNrHeard(std::function<void(const QByteArray &serialNr)> heard)
    {
        m_serialNrHeard = std::move(heard);
    }

    // Quick transfer: with `known` set, a filled slot's count, rate, summary
    // forces, time and date are read first, and its samples ("dMsFc") only
    // when `known` does not hold the measurement. Null (the default) reads
    // every slot in the full order. Not owned.
    void setKnownMeasurements(KnownMeasurements *known) { m_known = known; }

private:
    // Reads one slot into a new record when filled; false when a read failed.
    bool readSlot(int slot, QList<Measurement *> &records, bool withSamples);
    bool readSlotValues(int slot, Measurement &measurement, bool withSamples);
    bool readSlotValuesQuick(int slot, Measurement &measurement);
    bool readSummaryValues(int slot, Measurement &measurement);
    QuorixTSPX &device();
    bool cancelled() const { return m_cancel && *m_cancel; }

    InterfaceHardware *m_hardware;
    KnownMeasurements *m_known = nullptr;
    const std::atomic<bool> *m_cancel = nullptr;
    // The serial number of the last identity read; the key of known measurements.
    QByteArray m_serialNr;
    std::function<void(const QByteArray &)> m_serialNrHeard;
};

// 1..50.
QList<int> allSlotNumbers();

// "1, 3, 7": the slot numbers for a message.
QByteArray slotListText(const QList<int> &slotNumbers);
