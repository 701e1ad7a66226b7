#include "device/gaugesession.h"

#include "base/log.h"
#include "device/interfacehardware.h"
#include "device/knownmeasurements.h"
#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "measurement/devicedata.h"

static_assert(Protocol::kMaxAnswerLength / 2 == int(kMostSamplesPerMeasurement),
              "a measurement holds at most the samples one answer line can carry");

GaugeSession::GaugeSession(const LinkTiming &timing) : m_hardware(new InterfaceHardware(timing))
{
}

GaugeSession::~GaugeSession()
{
    close();
    delete m_hardware;
}

int GaugeSession::open(int lastPortNr)
{
    return m_hardware->open(lastPortNr);
}

int GaugeSession::connectedPortNr() const
{
    return m_hardware->connectedPortNr();
}

int GaugeSession::openPort(const QByteArray &portName)
{
    return m_hardware->openPort(portName);
}

int GaugeSession::openOn(InterfaceRS232 *port)
{
    return m_hardware->openOn(port);
}

void GaugeSession::close()
{
    // The stop command goes out here and once more from close(), so a gauge
    // that missed the first one still leaves its communication mode.
    if (m_hardware->device)
        m_hardware->device->disconnect();
    m_hardware->close();
}

void GaugeSession::setCancelFlag(const std::atomic<bool> *flag)
{
    m_cancel = flag;
    m_hardware->setCancelFlag(flag);
    if (m_hardware->device)
        m_hardware->device->setCancelFlag(flag);
}

bool GaugeSession::isOpen() const
{
    return m_hardware->device != nullptr;
}

QuorixTSPX &GaugeSession::device()
{
    return *m_hardware->device;
}

bool GaugeSession::readIdentity(DeviceData &data)
{
    QuorixTSPX &gauge = device();
    const bool serialNrRead =
        gauge.readCommand(Protocol::kSerialNr, 0, data.serialNr) == Protocol::kOk;
    bool ok = serialNrRead;
    ok &= gauge.readCommand(Protocol::kSwVersion, 0, data.swVersion) == Protocol::kOk;
    ok &= gauge.readCommand(Protocol::kForceUnit, 0, data.forceUnit) == Protocol::kOk;
    data.updateForceUnit();
    // Without a serial number no kept measurement can be told apart.
    m_serialNr = ok ? data.serialNr : QByteArray();
    if (serialNrRead && m_serialNrHeard)
        m_serialNrHeard(data.serialNr);
    return ok;
}

TransferResult GaugeSession::readSlots(QList<Measurement *> &records,
                                       const SessionProgress &progress,
                                       const QList<int> &slotNumbers, bool withSamples)
{
    TransferResult result;
    for (int slot : slotNumbers.isEmpty() ? allSlotNumbers() : slotNumbers) {
        const int before = records.size();
        const bool read = readSlot(slot, records, withSamples);
        if (cancelled()) {
            // A slot cut short by the cancel is no failed read: it is left out.
            while (records.size() > before)
                delete records.takeLast();
            result.cancelled = true;
            break;
        }
        if (!read)
            result.failedSlots.append(slot);
        if (progress && !progress(slot)) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}

bool GaugeSession::readFilledSlots(QList<int> &filled)
{
    bool ok = true;
    filled.clear();
    for (int slot : allSlotNumbers()) {
        int count = 0;
        ok &= device().readCommand(Protocol::kSampleCount, slot, count) == Protocol::kOk;
        if (count != 0)
            filled.append(slot);
    }
    return ok;
}

TransferResult GaugeSession::transfer(DeviceData &data, const SessionProgress &progress,
                                      const QList<int> &slotNumbers)
{
    const bool identityRead = readIdentity(data);
    data.clear();
    TransferResult result = readSlots(data.records, progress, slotNumbers);
    result.identityFailed = !identityRead;
    sortNewestFirst(data.records);
    return result;
}

bool GaugeSession::readSlot(int slot, QList<Measurement *> &records, bool withSamples)
{
    int count = 0;
    int rc = device().readCommand(Protocol::kSampleCount, slot, count);
    if (count == 0)
        return rc == Protocol::kOk; // empty, or a failed read that yields 0

    auto *measurement = new Measurement(slot);
    records.append(measurement);
    int sampleCount = 0;
    rc = device().readCommand(Protocol::kSampleCount, slot, sampleCount);
    // The count is only a number: nothing is sized by it.
    measurement->sampleCount = uint32_t(sampleCount);
    logLine("readCommand retCum=" + QByteArray::number(rc));
    return rc == Protocol::kOk && readSlotValues(slot, *measurement, withSamples);
}

// Every value is read even after a failed one.
bool GaugeSession::readSlotValues(int slot, Measurement &measurement, bool withSamples)
{
    if (withSamples && m_known && !m_serialNr.isEmpty())
        return readSlotValuesQuick(slot, measurement);
    QuorixTSPX &gauge = device();
    bool ok =
        gauge.readCommand(Protocol::kSampleRate, slot, measurement.sampleRate) == Protocol::kOk;
    if (withSamples)
        ok &= gauge.readCommand(Protocol::kForces, slot, measurement.forces) == Protocol::kOk;
    ok &= readSummaryValues(slot, measurement);
    return ok;
}

// The summary forces (start, end, maximum, mean), then time and date. Every
// one is read even after a failed one.
bool GaugeSession::readSummaryValues(int slot, Measurement &measurement)
{
    QuorixTSPX &gauge = device();
    bool ok =
        gauge.readCommand(Protocol::kForceStart, slot, measurement.forceStart) == Protocol::kOk;
    ok &= gauge.readCommand(Protocol::kForceEnd, slot, measurement.forceEnd) == Protocol::kOk;
    ok &= gauge.readCommand(Protocol::kForceMax, slot, measurement.forceMax) == Protocol::kOk;
    ok &= gauge.readCommand(Protocol::kForceAvg, slot, measurement.forceAvg) == Protocol::kOk;
    ok &= gauge.readCommand(Protocol::kTime, slot, measurement.timeText) == Protocol::kOk;
    ok &= gauge.readCommand(Protocol::kDate, slot, measurement.dateText) == Protocol::kOk;
    return ok;
}

// The samples last, and only for a measurement not kept yet: they are nearly
// all of a slot's bytes.
bool GaugeSession::readSlotValuesQuick(int slot, Measurement &measurement)
{
    QuorixTSPX &gauge = device();
    bool ok =
        gauge.readCommand(Protocol::kSampleRate, slot, measurement.sampleRate) == Protocol::kOk;
    ok &= readSummaryValues(slot, measurement);
    if (ok && m_known->fillKnownSamples(m_serialNr, measurement)) {
        measurement.samplesFromArchive = true;
        return true;
    }
    ok &= gauge.readCommand(Protocol::kForces, slot, measurement.forces) == Protocol::kOk;
    return ok;
}

bool GaugeSession::readSlotState(int slot, Measurement &state)
{
    QuorixTSPX &gauge = device();
    int count = 0;
    bool ok = gauge.readCommand(Protocol::kSampleCount, slot, count) == Protocol::kOk;
    state.number = slot;
    state.sampleCount = uint32_t(count);
    if (ok && count != 0) {
        ok &= gauge.readCommand(Protocol::kTime, slot, state.timeText) == Protocol::kOk;
        ok &= gauge.readCommand(Protocol::kDate, slot, state.dateText) == Protocol::kOk;
    }
    return ok;
}

bool GaugeSession::readSamples(int slot, QList<float> &forces)
{
    return device().readCommand(Protocol::kForces, slot, forces) == Protocol::kOk;
}

EraseResult GaugeSession::erase(const QByteArray &expectedSerialNr, const QList<int> &slotNumbers,
                                const QList<int> &filledSlots, const SessionProgress &progress)
{
    QByteArray gaugeSerialNr;
    const bool serialNrRead = readSerialNr(gaugeSerialNr);
    if (!serialNrRead || gaugeSerialNr != expectedSerialNr) {
        EraseResult result;
        result.gaugeSerialNr = gaugeSerialNr;
        result.serialNrUnread = !serialNrRead;
        result.wrongGauge = true;
        return result;
    }
    EraseResult result = eraseSlots(slotNumbers, filledSlots, progress);
    result.gaugeSerialNr = gaugeSerialNr;
    return result;
}

bool GaugeSession::readSerialNr(QByteArray &serialNr)
{
    const bool read = device().readCommand(Protocol::kSerialNr, 0, serialNr) == Protocol::kOk;
    if (read && m_serialNrHeard)
        m_serialNrHeard(serialNr);
    return read;
}

EraseResult GaugeSession::eraseSlots(const QList<int> &slotNumbers, const QList<int> &filledSlots,
                                     const SessionProgress &progress)
{
    EraseResult result;
    for (int slot : slotNumbers) {
        // 0 is the only answer that means the slot was erased.
        const bool erased = device().execCommand(Protocol::kErase, slot) == Protocol::kOk;
        if (filledSlots.contains(slot))
            (erased ? result.erasedSlots : result.failedSlots).append(slot);
        if (progress && !progress(slot)) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}

EraseResult GaugeSession::eraseAll(const QByteArray &expectedSerialNr,
                                   const QList<int> &filledSlots, const SessionProgress &progress)
{
    // Every slot, filled or not: the list may not show all the gauge holds.
    return erase(expectedSerialNr, allSlotNumbers(), filledSlots, progress);
}

QList<int> allSlotNumbers()
{
    QList<int> numbers;
    for (int slot = 1; slot <= Protocol::kSlotCount; ++slot)
        numbers.append(slot);
    return numbers;
}

QByteArray slotListText(const QList<int> &slotNumbers)
{
    QByteArray text;
    for (int slot : slotNumbers) {
        if (!text.isEmpty())
            text += ", ";
        text += QByteArray::number(slot);
    }
    return text;
}
