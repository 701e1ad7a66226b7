#include "measurement/dfqexport.h"

#include "measurement/seriesstatistics.h"

#include <QLocale>
#include <QSaveFile>
#include <iterator>

namespace {

// The file's fixed number format, whatever the window shows.
int dfqDecimals(Quantity quantity)
{
    return quantity == Quantity::Duration ? 3 : 2;
}

constexpr char kLineEnd[] = "\r\n";
const QString kDateTimeFormat = QStringLiteral("dd.MM.yyyy/HH:mm:ss");

QByteArray characteristicNumber(Quantity quantity)
{
    switch (quantity) {
    case Quantity::MeanForce:
        return "Fmean";
    case Quantity::Duration:
        return "t";
    case Quantity::MaximumForce:
        break;
    }
    return "Fmax";
}

// A DFQ value: Latin-1, one line (line breaks would start a new key).
QByteArray dfqText(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.toLatin1();
}

class DfqLines
{
public:
    void add(const char *key, int index, const QByteArray &value)
    {
        m_bytes += key;
        if (index > 0)
            m_bytes += '/' + QByteArray::number(index);
        m_bytes += ' ' + value + kLineEnd;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

QByteArray number(double value, int decimals)
{
    // QByteArray::number ignores the locale: "." always.
    return QByteArray::number(value, 'f', decimals);
}

} // namespace

DfqPart fittedDfqPart(const DfqPart &part, bool *cut)
{
    const DfqPart fitted{part.number.left(kDfqPartNumberLength),
                         part.description.left(kDfqPartDescriptionLength)};
    if (cut)
        *cut = fitted.number != part.number || fitted.description != part.description;
    return fitted;
}

QByteArray dfqDocument(const MeasurementSet &set, const DfqPart &wholePart)
{
    const DfqPart part = fittedDfqPart(wholePart);
    DfqLines lines;
    lines.add("K0100", 0, QByteArray::number(int(std::size(kQuantities))));
    lines.add("K1001", 0, dfqText(part.number));
    lines.add("K1002", 0, dfqText(part.description));
    int index = 0;
    for (Quantity quantity : kQuantities) {
        ++index;
        const int decimals = dfqDecimals(quantity);
        lines.add("K2001", index, characteristicNumber(quantity));
        lines.add("K2002", index, dfqText(StatisticsText::quantityName(quantity)));
        lines.add("K2142", index,
                  quantity == Quantity::Duration ? QByteArray("s") : dfqText(set.unitText));
        if (quantity == Quantity::MaximumForce) {
            if (set.limits.lower)
                lines.add("K2110", index, number(*set.limits.lower, decimals));
            if (set.limits.upper)
                lines.add("K2111", index, number(*set.limits.upper, decimals));
        }
        lines.add("K2022", index, QByteArray::number(decimals));
    }
    for (const Measurement *m : timeOrdered(set)) {
        const QByteArray when =
            QLocale::c().toString(measurementDateTime(*m), kDateTimeFormat).toLatin1();
        const QByteArray origin = dfqText(set.serialNr + QStringLiteral(" #") +
                                          QString::number(m->number));
        index = 0;
        for (Quantity quantity : kQuantities) {
            ++index;
            lines.add("K0001", index,
                      number(quantityValue(*m, quantity, set.factor), dfqDecimals(quantity)));
            lines.add("K0004", index, when);
            lines.add("K0009", index, origin);
        }
    }
    return lines.bytes();
}

bool writeDfqFile(const QString &fileName, const MeasurementSet &set, const DfqPart &part)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = dfqDocument(set, part);
    return file.write(bytes) == bytes.size() && file.commit();
}
