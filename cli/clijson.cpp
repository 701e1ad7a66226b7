#include "cli/clijson.h"

#include "archive/archivetypes.h"
#include "measurement/devicedata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <charconv>
#include <cmath>

namespace {

// The shortest text that reads back as the same float (not the float widened
// to double, which would print 0.1f as 0.10000000149011612).
void appendFloat(QByteArray &out, float value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, int(end - text));
}

void appendString(QByteArray &out, const QString &text)
{
    // QJsonDocument quotes and escapes; the array brackets are cut off.
    const QByteArray quoted = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    out += quoted.mid(1, quoted.size() - 2);
}

void appendKey(QByteArray &out, const char *key)
{
    out += '"';
    out += key;
    out += "\": ";
}

void appendField(QByteArray &out, const char *key, const QString &value)
{
    appendKey(out, key);
    appendString(out, value);
    out += ", ";
}

void appendField(QByteArray &out, const char *key, float value)
{
    appendKey(out, key);
    appendFloat(out, value);
    out += ", ";
}

void appendMeasurement(QByteArray &out, const Measurement &m, const GaugeCalibration &calibration)
{
    out += "    {";
    appendKey(out, "slot");
    out += QByteArray::number(m.number) + ", ";
    // Only a measurement that carries a calibration mark names it.
    const QString mark = calibrationMarkKey(calibrationMarkOf(m, calibration));
    if (!mark.isEmpty())
        appendField(out, "calibration", mark);
    appendField(out, "date", measurementDate(m.dateText).toString(Qt::ISODate));
    appendField(out, "time", measurementTime(m.timeText).toString(Qt::ISODate));
    appendField(out, "dateText", QString::fromLatin1(m.dateText));
    appendField(out, "timeText", QString::fromLatin1(m.timeText));
    appendKey(out, "sampleCount");
    out += QByteArray::number(m.sampleCount) + ", ";
    appendField(out, "sampleRate", m.sampleRate);
    appendField(out, "forceStartN", m.forceStart);
    appendField(out, "forceEndN", m.forceEnd);
    appendField(out, "forceMaxN", m.forceMax);
    appendField(out, "forceAvgN", m.forceAvg);
    appendKey(out, "forcesN");
    out += '[';
    for (int i = 0; i < m.forces.size(); ++i) {
        if (i != 0)
            out += ", ";
        appendFloat(out, m.forces.at(i));
    }
    out += "]}";
}

} // namespace

QByteArray measurementsJson(const DeviceData &data)
{
    QByteArray out = "{\n  ";
    appendField(out, "device", QString::fromLatin1(kDeviceName));
    appendField(out, "serialNr", QString::fromLatin1(data.serialNr));
    appendField(out, "swVersion", QString::fromLatin1(data.swVersion));
    appendField(out, "unit", data.forceUnitText);
    appendKey(out, "unitFactor");
    out += QByteArray::number(data.forceUnitFactor, 'g', 17) + ",\n  ";
    appendKey(out, "measurements");
    out += "[\n";
    for (int i = 0; i < data.records.size(); ++i) {
        appendMeasurement(out, *data.records.at(i), data.calibration);
        out += i + 1 < data.records.size() ? ",\n" : "\n";
    }
    out += "  ]\n}\n";
    return out;
}

QByteArray archiveEntriesJson(const QList<ArchiveEntry> &entries)
{
    QByteArray out = "[\n";
    for (int i = 0; i < entries.size(); ++i) {
        const ArchiveEntry &e = entries.at(i);
        out += "    {";
        appendField(out, "station", e.station);
        appendField(out, "serial", QString::fromLatin1(e.serialNr));
        appendKey(out, "slot");
        out += QByteArray::number(e.slot) + ", ";
        appendField(out, "date", e.day.toString(Qt::ISODate));
        appendField(out, "time", measurementTime(e.timeText).toString(Qt::ISODate));
        appendKey(out, "forceMaxN");
        appendFloat(out, e.forceMax);
        out += i + 1 < entries.size() ? "},\n" : "}\n";
    }
    return out + "]\n";
}
