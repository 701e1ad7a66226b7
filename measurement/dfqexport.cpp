#include "measurement/dfqexport.h"

#include "measurement/seriesstatistics.h"

#include <QVector>

#include <QLocale>
#include <QSaveFile>
#include <iterator>

namespace {

// The file's fixed number format, whatever the window shows.
int dfqDecimals(Quantity quantity)
{
    return quantity == Quantity::Duration ? 3 : 2;
}

// A plan's characteristic: its own decimals, forces one more.
int dfqDecimals(const SeriesQuantity &q)
{
    return q.unitText == QLatin1String("N") ? q.decimals + 1 : q.decimals;
}

// The field length of K2001.
constexpr int kCharacteristicNumberLength = 20;

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
    const QList<SeriesQuantity> planned = planQuantities(set);
    const QVector<QuantityValues> plannedValues = planValues(set);
    lines.add("K0100", 0, QByteArray::number(int(std::size(kQuantities)) + planned.size()));
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
    for (const SeriesQuantity &q : planned) {
        ++index;
        const int decimals = dfqDecimals(q);
        lines.add("K2001", index, dfqText(q.name.left(kCharacteristicNumberLength)));
        lines.add("K2002", index, dfqText(q.name));
        if (!q.unitText.isEmpty())
            lines.add("K2142", index, dfqText(q.unitText));
        const std::optional<double> lower = q.passFail ? std::optional<double>(1.0) : q.limits.lower;
        if (lower)
            lines.add("K2110", index, number(*lower, decimals));
        if (q.limits.upper)
            lines.add("K2111", index, number(*q.limits.upper, decimals));
        lines.add("K2022", index, QByteArray::number(decimals));
    }
    for (int k : timeOrderedIndices(set)) {
        const Measurement *m = set.records.at(k);
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
        for (int c = 0; c < planned.size(); ++c) {
            ++index;
            const QuantityValue &v = plannedValues.at(c).at(k);
            if (v.state != QuantityValue::Found)
                continue;
            lines.add("K0001", index, number(v.value, dfqDecimals(planned.at(c))));
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
