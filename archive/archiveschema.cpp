#include "archive/archiveschema.h"

namespace ArchiveSchema {

namespace {

// Version 1: one row per measurement. The gauge's date and time texts are
// kept as sent, taken_at as ISO 8601 (NULL when they do not parse); the
// samples are little-endian float32 with their SHA-256. Forces in newtons.
QStringList version1()
{
    return {QStringLiteral("CREATE TABLE measurement ("
                           " id {id},"
                           " serial_nr TEXT NOT NULL,"
                           " sw_version TEXT NOT NULL,"
                           " slot INTEGER NOT NULL,"
                           " date_text TEXT NOT NULL,"
                           " time_text TEXT NOT NULL,"
                           " taken_at TEXT,"
                           " force_unit INTEGER NOT NULL,"
                           " sample_rate {real} NOT NULL,"
                           " sample_count INTEGER NOT NULL,"
                           " samples {blob} NOT NULL,"
                           " samples_sha256 {blob} NOT NULL,"
                           " force_start {real} NOT NULL,"
                           " force_end {real} NOT NULL,"
                           " force_max {real} NOT NULL,"
                           " force_avg {real} NOT NULL,"
                           " downloaded_at TEXT NOT NULL,"
                           " source TEXT NOT NULL,"
                           " designation TEXT NOT NULL DEFAULT '',"
                           " UNIQUE (serial_nr, date_text, time_text, sample_count, samples_sha256))"),
            QStringLiteral("CREATE INDEX measurement_quick ON measurement"
                           " (serial_nr, date_text, time_text, sample_count)"),
            QStringLiteral("CREATE INDEX measurement_browse ON measurement (serial_nr, taken_at)")};
}

// Version 2: every record is kept as the gauge sent it; `complete` is 0 for
// one that lacks samples of its count or a date and time that parse.
QStringList version2()
{
    return {QStringLiteral("ALTER TABLE measurement ADD COLUMN complete INTEGER NOT NULL DEFAULT 1")};
}

// Version 3: the station that downloaded a record, and the record's link in
// its station's chain (NULL for records kept before); upload_queue lists the
// records of a server's spool that wait for the server.
QStringList version3()
{
    return {QStringLiteral("ALTER TABLE measurement ADD COLUMN station TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("ALTER TABLE measurement ADD COLUMN chain_hash {blob}"),
            QStringLiteral("CREATE INDEX measurement_chain ON measurement (station, id)"),
            QStringLiteral("CREATE TABLE upload_queue (measurement_id BIGINT PRIMARY KEY)")};
}

// On a server: the announcement of new measurements and the two roles.
QStringList version3OnServer()
{
    const QString station = QLatin1String(kStationRole);
    const QString reader = QLatin1String(kReaderRole);
    return {
        QStringLiteral("CREATE FUNCTION tspx_announce_measurement() RETURNS trigger"
                       " LANGUAGE plpgsql AS $$ BEGIN"
                       " PERFORM pg_notify('%1', NEW.station); RETURN NULL; END $$")
            .arg(QLatin1String(kLiveChannel)),
        QStringLiteral("CREATE TRIGGER measurement_announce AFTER INSERT ON measurement"
                       " FOR EACH ROW EXECUTE FUNCTION tspx_announce_measurement()"),
        // Roles belong to the whole server: another database may have made them.
        QStringLiteral("DO $$ BEGIN CREATE ROLE %1 NOLOGIN; EXCEPTION"
                       " WHEN duplicate_object OR unique_violation THEN NULL; END $$")
            .arg(station),
        QStringLiteral("DO $$ BEGIN CREATE ROLE %1 NOLOGIN; EXCEPTION"
                       " WHEN duplicate_object OR unique_violation THEN NULL; END $$")
            .arg(reader),
        QStringLiteral("GRANT SELECT, INSERT ON measurement TO %1").arg(station),
        QStringLiteral("GRANT UPDATE (designation) ON measurement TO %1").arg(station),
        QStringLiteral("GRANT USAGE ON SEQUENCE measurement_id_seq TO %1").arg(station),
        QStringLiteral("GRANT SELECT ON measurement, archive_schema TO %1, %2").arg(station, reader),
    };
}

} // namespace

std::vector<QStringList> migrationSteps(const ArchiveDialect &dialect)
{
    std::vector<QStringList> steps = {version1(), version2(), version3()};
    if (dialect.isServer())
        steps[2] += version3OnServer();
    for (QStringList &step : steps) {
        for (QString &statement : step)
            statement = dialect.schemaSql(statement);
    }
    return steps;
}

} // namespace ArchiveSchema
