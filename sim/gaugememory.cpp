#include "sim/gaugememory.h"

#include <algorithm>
#include <cmath>

qint32 SimMeasurement::forceStart() const
{
    return milliNewtons.isEmpty() ? 0 : milliNewtons.first();
}

qint32 SimMeasurement::forceEnd() const
{
    return milliNewtons.isEmpty() ? 0 : milliNewtons.last();
}

qint32 SimMeasurement::forceMax() const
{
    if (milliNewtons.isEmpty())
        return 0;
    return *std::max_element(milliNewtons.cbegin(), milliNewtons.cend());
}

qint32 SimMeasurement::forceAvg() const
{
    if (milliNewtons.isEmpty())
        return 0;
    qint64 sum = 0;
    for (qint32 value : milliNewtons)
        sum += value;
    return qint32(std::llround(double(sum) / double(milliNewtons.size())));
}

int GaugeMemory::filledSlotCount() const
{
    return int(std::count_if(stored.cbegin(), stored.cend(),
                             [](const std::optional<SimMeasurement> &m) { return m.has_value(); }));
}

namespace {
// Appends without going through a number-to-text conversion per sample: a
// list of a million samples is formatted on every request.
void appendMilliNewtons(QByteArray &out, qint64 milliNewtons)
{
    if (milliNewtons < 0) {
        out.append('-');
        milliNewtons = -milliNewtons;
    }
    char digits[24];
    int length = 0;
    qint64 whole = milliNewtons / 1000;
    do {
        digits[length++] = char('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    while (length > 0)
        out.append(digits[--length]);
    const int fraction = int(milliNewtons % 1000);
    out.append('.');
    out.append(char('0' + fraction / 100));
    out.append(char('0' + fraction / 10 % 10));
    out.append(char('0' + fraction % 10));
}
} // namespace

QByteArray milliNewtonText(qint64 milliNewtons)
{
    QByteArray text;
    appendMilliNewtons(text, milliNewtons);
    return text;
}

QByteArray forcesText(const QVector<qint32> &milliNewtons)
{
    QByteArray text;
    text.reserve(milliNewtons.size() * 9);
    for (int i = 0; i < milliNewtons.size(); ++i) {
        if (i > 0)
            text.append(Protocol::kListSeparator);
        appendMilliNewtons(text, milliNewtons[i]);
    }
    return text;
}

QByteArray sampleRateText(double sampleRate)
{
    return QByteArray::number(sampleRate, 'f', 1);
}
