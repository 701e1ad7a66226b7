#include "sim/datafile.h"

#include <QFile>
#include <QList>
#include <cmath>

namespace {

class DataParser
{
public:
    explicit DataParser(GaugeMemory &memory) : m_memory(memory) {}

    bool parse(const QByteArray &text, QString &error)
    {
        const QList<QByteArray> lines = text.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            m_lineNumber = i + 1;
            const QByteArray line = lines[i].trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            if (!parseLine(line))
                break;
        }
        if (m_error.isEmpty())
            checkSlotHasForces();
        error = m_error;
        return m_error.isEmpty();
    }

private:
    bool parseLine(const QByteArray &line)
    {
        const int blank = line.indexOf(' ');
        const QByteArray keyword = blank < 0 ? line : line.left(blank);
        const QByteArray value = blank < 0 ? QByteArray() : line.mid(blank + 1).trimmed();
        if (keyword == "serial")
            m_memory.identity.serialNr = value;
        else if (keyword == "version")
            m_memory.identity.swVersion = value;
        else if (keyword == "unit")
            return parseUnit(value);
        else if (keyword == "slot")
            return startSlot(value);
        else if (keyword == "rate" || keyword == "date" || keyword == "time" || keyword == "forces")
            return parseSlotValue(keyword, value);
        else
            return fail(QStringLiteral("unknown keyword '%1'").arg(QString::fromLatin1(keyword)));
        return true;
    }

    bool parseUnit(const QByteArray &value)
    {
        bool ok = false;
        m_memory.identity.forceUnit = value.toInt(&ok);
        return ok || fail(QStringLiteral("the unit must be a whole number"));
    }

    bool startSlot(const QByteArray &value)
    {
        if (!checkSlotHasForces())
            return false;
        bool ok = false;
        const int number = value.toInt(&ok);
        if (!ok || !GaugeMemory::isSlotNumber(number))
            return fail(
                QStringLiteral("the slot number must be 1 to %1").arg(Protocol::kSlotCount));
        if (m_memory.slot(number))
            return fail(QStringLiteral("slot %1 is given twice").arg(number));
        m_slotNumber = number;
        m_memory.slot(number) = SimMeasurement();
        return true;
    }

    bool parseSlotValue(const QByteArray &keyword, const QByteArray &value)
    {
        if (m_slotNumber == 0)
            return fail(
                QStringLiteral("'%1' before the first 'slot'").arg(QString::fromLatin1(keyword)));
        SimMeasurement &measurement = *m_memory.slot(m_slotNumber);
        if (keyword == "date") {
            measurement.dateText = value;
        } else if (keyword == "time") {
            measurement.timeText = value;
        } else if (keyword == "rate") {
            bool ok = false;
            measurement.sampleRate = value.toDouble(&ok);
            if (!ok || measurement.sampleRate <= 0)
                return fail(QStringLiteral("the rate must be a positive number"));
        } else {
            return appendForces(measurement, value);
        }
        return true;
    }

    bool appendForces(SimMeasurement &measurement, const QByteArray &value)
    {
        for (const QByteArray &piece : value.split(';')) {
            const QByteArray number = piece.trimmed();
            if (number.isEmpty())
                continue;
            bool ok = false;
            const double newtons = number.toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("'%1' is not a force").arg(QString::fromLatin1(number)));
            measurement.milliNewtons.append(qint32(std::llround(newtons * 1000.0)));
        }
        return true;
    }

    bool checkSlotHasForces()
    {
        if (m_slotNumber != 0 && m_memory.slot(m_slotNumber)->milliNewtons.isEmpty())
            return fail(QStringLiteral("slot %1 has no forces").arg(m_slotNumber));
        return true;
    }

    bool fail(const QString &message)
    {
        m_error = QStringLiteral("line %1: %2").arg(m_lineNumber).arg(message);
        return false;
    }

    GaugeMemory &m_memory;
    int m_slotNumber = 0;
    int m_lineNumber = 0;
    QString m_error;
};

} // namespace

bool parseGaugeData(const QByteArray &text, GaugeMemory &memory, QString &error)
{
    return DataParser(memory).parse(text, error);
}

bool loadGaugeData(const QString &path, GaugeMemory &memory, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (parseGaugeData(file.readAll(), memory, error))
        return true;
    error = QStringLiteral("%1: %2").arg(path, error);
    return false;
}
