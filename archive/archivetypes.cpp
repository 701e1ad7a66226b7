#include "archive/archivetypes.h"

QuickKey QuickKey::of(const QByteArray &serialNr, const Measurement &m)
{
    return QuickKey{serialNr,     m.dateText, m.timeText, m.sampleCount, m.sampleRate,
                    m.forceStart, m.forceEnd, m.forceMax, m.forceAvg};
}

bool isCompleteRecord(const Measurement &m)
{
    return holdsAllSamples(m) && holdsOnlyNumbers(m) && measurementDateTime(m).isValid() &&
           measurementTime(m.timeText).isValid();
}

bool holdsAllSamples(const Measurement &m)
{
    return m.sampleCount != 0 && uint32_t(m.forces.size()) == m.sampleCount;
}
