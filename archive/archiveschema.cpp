#include "archive/archiveschema.h"

namespace ArchiveSchema {

const std::vector<QStringList> &migrationSteps()
{
    // Version 1: one row per measurement. The gauge's date and time texts are
    // kept as sent, taken_at as ISO 8601 (NULL when they do not parse); the
    // samples are little-endian float32 with their SHA-256. Forces in newtons.
    static const std::vector<QStringList> steps = {
        {QStringLiteral("CREATE TABLE measurement ("
                        " id INTEGER PRIMARY KEY,"
                        " serial_nr TEXT NOT NULL,"
                        " sw_version TEXT NOT NULL,"
                        " slot INTEGER NOT NULL,"
                        " date_text TEXT NOT NULL,"
                        " time_text TEXT NOT NULL,"
                        " taken_at TEXT,"
                        " force_unit INTEGER NOT NULL,"
                        " sample_rate REAL NOT NULL,"
                        " sample_count INTEGER NOT NULL,"
                        " samples BLOB NOT NULL,"
                        " samples_sha256 BLOB NOT NULL,"
                        " force_start REAL NOT NULL,"
                        " force_end REAL NOT NULL,"
                        " force_max REAL NOT NULL,"
                        " force_avg REAL NOT NULL,"
                        " downloaded_at TEXT NOT NULL,"
                        " source TEXT NOT NULL,"
                        " designation TEXT NOT NULL DEFAULT '',"
                        " UNIQUE (serial_nr, date_text, time_text, sample_count, samples_sha256))"),
         QStringLiteral("CREATE INDEX measurement_quick ON measurement"
                        " (serial_nr, date_text, time_text, sample_count)"),
         QStringLiteral("CREATE INDEX measurement_browse ON measurement (serial_nr, taken_at)")},
        // Version 2: every record is kept as the gauge sent it; `complete` is 0
        // for one that lacks samples of its count or a date and time that parse.
        {QStringLiteral("ALTER TABLE measurement ADD COLUMN complete INTEGER NOT NULL DEFAULT 1")},
    };
    return steps;
}

} // namespace ArchiveSchema
