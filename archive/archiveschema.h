#pragma once

#include "archive/archivedialect.h"

#include <QStringList>
#include <vector>

// The archive's tables, the same on SQLite and PostgreSQL. The database keeps
// the version of the schema it has (SQLite: PRAGMA user_version; PostgreSQL:
// the table archive_schema); each migration step brings it from version n to
// n + 1 in one transaction, so a database is always at one whole version.
namespace ArchiveSchema {

// The version this program writes.
constexpr int kVersion = 6;

// The statements of step n (index n - 1) that bring version n - 1 to n.
std::vector<QStringList> migrationSteps(const ArchiveDialect &dialect);

// The indexes browsing and the search use, beyond those of the steps;
// created after every migration (CREATE INDEX IF NOT EXISTS).
QStringList indexStatements();

// The columns a station names when it adds a measurement to a server; the
// server makes the rest (id, station, time received, link).
QStringList stationColumns();
// The same for a calibration record ("gauge_calibration") or a type-1 study
// ("gauge_study"): the server makes id, station and the time received.
QStringList keptRecordColumns(const QString &table);

// The roles a server's owner grants to people's login roles: stations may add
// measurements and read them (and edit designations, nothing else), readers
// may only read.
constexpr const char *kStationRole = "tspx_station";
constexpr const char *kReaderRole = "tspx_reader";
// The channel a server announces every new measurement on; the payload is
// the station's name (on a server: the login that added it).
constexpr const char *kLiveChannel = "tspx_measurement";

} // namespace ArchiveSchema
