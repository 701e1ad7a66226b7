#include "archive/archiveschema.h"

#include "archive/recordchain.h"

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

// Version 4: each station's head (its last record, last link and count), kept
// by the database on every insert; the mark below which records are from
// before the links; the time a record was received and its link's version.
QStringList version4()
{
    return {
        QStringLiteral("ALTER TABLE measurement ADD COLUMN received_at TEXT"),
        QStringLiteral("ALTER TABLE measurement ADD COLUMN link_version INTEGER"),
        QStringLiteral("CREATE TABLE chain_head (station TEXT PRIMARY KEY, last_id BIGINT NOT NULL,"
                       " last_link {blob} NOT NULL, record_count BIGINT NOT NULL)"),
        QStringLiteral("CREATE TABLE chain_origin (unchained_below BIGINT NOT NULL)"),
        QStringLiteral("INSERT INTO chain_origin SELECT coalesce("
                       "(SELECT min(id) FROM measurement WHERE chain_hash IS NOT NULL),"
                       " (SELECT coalesce(max(id), 0) + 1 FROM measurement))"),
        QStringLiteral("INSERT INTO chain_head (station, last_id, last_link, record_count)"
                       " SELECT m.station, m.id, m.chain_hash, (SELECT count(*) FROM measurement c"
                       " WHERE c.station = m.station AND c.chain_hash IS NOT NULL)"
                       " FROM measurement m WHERE m.id = (SELECT max(id) FROM measurement l"
                       " WHERE l.station = m.station AND l.chain_hash IS NOT NULL)"),
    };
}

// In a file the program links each record; the file keeps the head.
QStringList version4InFile()
{
    return {QStringLiteral(
        "CREATE TRIGGER measurement_head AFTER INSERT ON measurement"
        " WHEN NEW.chain_hash IS NOT NULL BEGIN"
        " INSERT INTO chain_head (station, last_id, last_link, record_count)"
        " VALUES (NEW.station, NEW.id, NEW.chain_hash, 1) ON CONFLICT (station) DO UPDATE SET"
        " last_id = excluded.last_id, last_link = excluded.last_link,"
        " record_count = record_count + 1; END")};
}

// On a server the server makes what a station cannot be trusted with: the id,
// the station (its login), the time received, the samples' hash and the link,
// under the station's lock, with the owner's rights. Stations may name only
// the measurement's own columns.
QStringList version4OnServer()
{
    const QString station = QLatin1String(kStationRole);
    const QString reader = QLatin1String(kReaderRole);
    return {
        QStringLiteral(
            "CREATE FUNCTION tspx_link_record() RETURNS trigger LANGUAGE plpgsql"
            " SECURITY DEFINER SET search_path = public, pg_temp AS $$"
            " DECLARE previous bytea; BEGIN"
            " NEW.station := session_user;"
            " PERFORM pg_advisory_xact_lock(hashtextextended('tspx chain ' || NEW.station, 0));"
            " NEW.id := nextval('measurement_id_seq');"
            " NEW.received_at := to_char(clock_timestamp() AT TIME ZONE 'UTC',"
            " 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"');"
            " NEW.samples_sha256 := sha256(NEW.samples);"
            " NEW.link_version := %1;"
            " SELECT last_link INTO previous FROM chain_head WHERE station = NEW.station;"
            " NEW.chain_hash := %2;"
            " RETURN NEW; END $$")
            .arg(RecordChain::kVersion)
            .arg(RecordChain::serverLinkExpression(QStringLiteral("previous"))),
        // A default would take the id with the station's rights, before the trigger.
        QStringLiteral("ALTER TABLE measurement ALTER COLUMN id DROP DEFAULT"),
        QStringLiteral("CREATE TRIGGER measurement_link BEFORE INSERT ON measurement"
                       " FOR EACH ROW EXECUTE FUNCTION tspx_link_record()"),
        QStringLiteral(
            "CREATE FUNCTION tspx_advance_head() RETURNS trigger LANGUAGE plpgsql"
            " SECURITY DEFINER SET search_path = public, pg_temp AS $$ BEGIN"
            " INSERT INTO chain_head AS h (station, last_id, last_link, record_count)"
            " VALUES (NEW.station, NEW.id, NEW.chain_hash, 1) ON CONFLICT (station) DO UPDATE SET"
            " last_id = excluded.last_id, last_link = excluded.last_link,"
            " record_count = h.record_count + 1; RETURN NULL; END $$"),
        QStringLiteral("CREATE TRIGGER measurement_head AFTER INSERT ON measurement"
                       " FOR EACH ROW EXECUTE FUNCTION tspx_advance_head()"),
        QStringLiteral("REVOKE INSERT ON measurement FROM %1").arg(station),
        QStringLiteral("REVOKE USAGE ON SEQUENCE measurement_id_seq FROM %1").arg(station),
        QStringLiteral("GRANT INSERT (%1) ON measurement TO %2")
            .arg(stationColumns().join(QStringLiteral(", ")), station),
        QStringLiteral("GRANT SELECT ON chain_head, chain_origin TO %1, %2").arg(station, reader),
    };
}

// Version 5: each gauge's calibration records and its type-1 studies. Both
// are only ever added: a correction is a new record.
QStringList version5Calibration()
{
    return {QStringLiteral("CREATE TABLE gauge_calibration ("
                           " id {id},"
                           " serial_nr TEXT NOT NULL,"
                           " certificate TEXT NOT NULL,"
                           " calibrated_on TEXT NOT NULL,"
                           " due_on TEXT NOT NULL,"
                           " laboratory TEXT NOT NULL,"
                           " uncertainty {real},"
                           " reference_standard TEXT NOT NULL,"
                           " note TEXT NOT NULL,"
                           " station TEXT NOT NULL DEFAULT '',"
                           " received_at TEXT)"),
            QStringLiteral("CREATE INDEX gauge_calibration_gauge ON gauge_calibration (serial_nr, id)")};
}

QStringList version5Studies()
{
    return {QStringLiteral("CREATE TABLE gauge_study ("
                           " id {id},"
                           " serial_nr TEXT NOT NULL,"
                           " unit TEXT NOT NULL,"
                           " reference {real} NOT NULL,"
                           " tolerance {real} NOT NULL,"
                           " resolution {real} NOT NULL,"
                           " minimum {real} NOT NULL,"
                           " study_values TEXT NOT NULL,"
                           " measurement_ids TEXT NOT NULL,"
                           " capable INTEGER NOT NULL,"
                           " note TEXT NOT NULL,"
                           " station TEXT NOT NULL DEFAULT '',"
                           " received_at TEXT)"),
            QStringLiteral("CREATE INDEX gauge_study_gauge ON gauge_study (serial_nr, id)")};
}

const QStringList kKeptTables = {QStringLiteral("gauge_calibration"),
                                 QStringLiteral("gauge_study")};

// In a file nothing changes a kept record either.
QStringList keptInFile(const QStringList &tables)
{
    QStringList statements;
    for (const QString &table : tables) {
        for (const char *change : {"UPDATE", "DELETE"})
            statements << QStringLiteral("CREATE TRIGGER %1_kept_%2 BEFORE %3 ON %1 BEGIN"
                                         " SELECT RAISE(ABORT, '%1 records are only added'); END")
                              .arg(table, QString::fromLatin1(change).toLower(),
                                   QLatin1String(change));
    }
    return statements;
}

// On a server, as for measurements: the server makes the id, the station
// (the login) and the time received; stations add, readers read, nobody
// changes a record (tspx_stamp_record, tspx_refuse_change: version 5).
QStringList keptOnServer(const QStringList &tables)
{
    const QString station = QLatin1String(kStationRole);
    const QString reader = QLatin1String(kReaderRole);
    QStringList statements;
    for (const QString &table : tables) {
        statements << QStringLiteral("ALTER TABLE %1 ALTER COLUMN id DROP DEFAULT").arg(table)
                   << QStringLiteral("CREATE TRIGGER %1_stamp BEFORE INSERT ON %1 FOR EACH ROW"
                                     " EXECUTE FUNCTION tspx_stamp_record('%1_id_seq')")
                          .arg(table)
                   << QStringLiteral("CREATE TRIGGER %1_kept BEFORE UPDATE OR DELETE ON %1"
                                     " FOR EACH ROW EXECUTE FUNCTION tspx_refuse_change()")
                          .arg(table)
                   << QStringLiteral("GRANT INSERT (%1) ON %2 TO %3")
                          .arg(keptRecordColumns(table).join(QStringLiteral(", ")), table, station)
                   << QStringLiteral("GRANT SELECT ON %1 TO %2, %3").arg(table, station, reader);
    }
    return statements;
}

QStringList version5OnServer()
{
    return QStringList{
               QStringLiteral(
                   "CREATE FUNCTION tspx_stamp_record() RETURNS trigger LANGUAGE plpgsql"
                   " SECURITY DEFINER SET search_path = public, pg_temp AS $$ BEGIN"
                   " NEW.id := nextval(TG_ARGV[0]::regclass);"
                   " NEW.station := session_user;"
                   " NEW.received_at := to_char(clock_timestamp() AT TIME ZONE 'UTC',"
                   " 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"');"
                   " RETURN NEW; END $$"),
               QStringLiteral(
                   "CREATE FUNCTION tspx_refuse_change() RETURNS trigger LANGUAGE plpgsql AS $$"
                   " BEGIN RAISE EXCEPTION '% records are only added', TG_TABLE_NAME"
                   " USING ERRCODE = '42501'; END $$"),
           } +
           keptOnServer(kKeptTables);
}

// Version 6: test plans, each version of a plan kept as its JSON file's text;
// a changed plan is a new version, a kept one never changes.
QStringList version6Plans()
{
    return {QStringLiteral("CREATE TABLE test_plan ("
                           " id {id},"
                           " name TEXT NOT NULL,"
                           " part_number TEXT NOT NULL,"
                           " version INTEGER NOT NULL,"
                           " plan_json TEXT NOT NULL,"
                           " station TEXT NOT NULL DEFAULT '',"
                           " received_at TEXT,"
                           " UNIQUE (name, version))")};
}

} // namespace

// The browsing index (serial number, then the ISO date and time) comes with
// the schema. Designations are rare: a partial index holds only the
// measurements that have one, so searching them reads little. It holds the
// id too: PostgreSQL then finds the matches in the index alone (SQLite's
// indexes hold it anyway). The tree's station rows step along an index of
// the stations' gauges.
QStringList indexStatements()
{
    return {
        QStringLiteral("CREATE INDEX IF NOT EXISTS measurement_designations ON measurement"
                       " (serial_nr, taken_at, designation, id) WHERE designation <> ''"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS measurement_stations ON measurement"
                       " (station, serial_nr, taken_at)"),
    };
}

QStringList stationColumns()
{
    return {QStringLiteral("serial_nr"),     QStringLiteral("sw_version"),
            QStringLiteral("slot"),          QStringLiteral("date_text"),
            QStringLiteral("time_text"),     QStringLiteral("taken_at"),
            QStringLiteral("force_unit"),    QStringLiteral("sample_rate"),
            QStringLiteral("sample_count"),  QStringLiteral("samples"),
            QStringLiteral("samples_sha256"), QStringLiteral("force_start"),
            QStringLiteral("force_end"),     QStringLiteral("force_max"),
            QStringLiteral("force_avg"),     QStringLiteral("downloaded_at"),
            QStringLiteral("source"),        QStringLiteral("designation"),
            QStringLiteral("complete")};
}

QStringList keptRecordColumns(const QString &table)
{
    if (table == QLatin1String("test_plan"))
        return {QStringLiteral("name"), QStringLiteral("part_number"), QStringLiteral("version"),
                QStringLiteral("plan_json")};
    if (table == QLatin1String("gauge_calibration"))
        return {QStringLiteral("serial_nr"),   QStringLiteral("certificate"),
                QStringLiteral("calibrated_on"), QStringLiteral("due_on"),
                QStringLiteral("laboratory"),  QStringLiteral("uncertainty"),
                QStringLiteral("reference_standard"), QStringLiteral("note")};
    return {QStringLiteral("serial_nr"),     QStringLiteral("unit"),
            QStringLiteral("reference"),     QStringLiteral("tolerance"),
            QStringLiteral("resolution"),    QStringLiteral("minimum"),
            QStringLiteral("study_values"),  QStringLiteral("measurement_ids"),
            QStringLiteral("capable"),       QStringLiteral("note")};
}

std::vector<QStringList> migrationSteps(const ArchiveDialect &dialect)
{
    const QStringList plans = {QStringLiteral("test_plan")};
    std::vector<QStringList> steps = {version1(), version2(), version3(), version4(),
                                      version5Calibration() + version5Studies(),
                                      version6Plans()};
    if (dialect.isServer()) {
        steps[2] += version3OnServer();
        steps[3] += version4OnServer();
        steps[4] += version5OnServer();
        steps[5] += keptOnServer(plans);
    } else {
        steps[3] += version4InFile();
        steps[4] += keptInFile(kKeptTables);
        steps[5] += keptInFile(plans);
    }
    for (QStringList &step : steps) {
        for (QString &statement : step)
            statement = dialect.schemaSql(statement);
    }
    return steps;
}

} // namespace ArchiveSchema
