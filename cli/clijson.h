#pragma once

#include <QByteArray>
#include <QList>

struct ArchiveEntry;
struct DeviceData;

// The gauge's identity and records as JSON: forces in newtons exactly as the
// gauge sent them (shortest text that reads back the same float), dates and
// times both as sent and as ISO 8601, and the unit the gauge shows.
QByteArray measurementsJson(const DeviceData &data);

// The archive's list: station, serial number, slot, ISO date and time and the
// maximum force in newtons, one object a measurement.
QByteArray archiveEntriesJson(const QList<ArchiveEntry> &entries);
