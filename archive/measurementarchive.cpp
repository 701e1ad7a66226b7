#include "archive/measurementarchive.h"

#include "archive/archivebrowsing.h"
#include "archive/archiveschema.h"
#include "archive/sampleblob.h"
#include "base/log.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

constexpr char kDriver[] = "QSQLITE";
constexpr char kGaugeSource[] = "gauge";
const QString kIsoDateTime = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
const QString kIsoDate = QStringLiteral("yyyy-MM-dd");
// Up to this size (some 50,000 measurements, 0.2 s) every page is checked at open.
constexpr qint64 kFullCheckBytes = 64 * 1024 * 1024;

// SQLite's primary result codes, as the QSQLITE driver reports them.
enum SqliteCode
{
    kSqlitePerm = 3,
    kSqliteBusy = 5,
    kSqliteLocked = 6,
    kSqliteReadOnly = 8,
    kSqliteCorrupt = 11,
    kSqliteFull = 13,
    kSqliteCantOpen = 14,
    kSqliteNotADb = 26,
};

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tspx-archive-%1").arg(counter.fetchAndAddRelaxed(1));
}

// A text column never holds NULL: a null text binds as ''.
QVariant textValue(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.isNull() ? QByteArray("") : bytes);
}

QVariant realValue(float value)
{
    return double(value);
}

ArchiveStatus statusOf(const QSqlError &error)
{
    return archiveStatusOf(error.nativeErrorCode(), error.text());
}

// The gauge's date and time as ISO 8601; NULL when they do not parse.
QVariant takenAt(const Measurement &m)
{
    const QDateTime taken = measurementDateTime(m);
    if (!taken.isValid())
        return QVariant(QVariant::String);
    return taken.toString(kIsoDateTime);
}

QString likePattern(const QString &part)
{
    QString escaped = part;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

ArchiveStatus archiveStatusOf(const QString &nativeErrorCode, const QString &text)
{
    bool isNumber = false;
    const int code = nativeErrorCode.toInt(&isNumber);
    ArchiveStatus::Kind kind = ArchiveStatus::Failed;
    if (isNumber) {
        switch (code) {
        case kSqliteBusy:
        case kSqliteLocked:
            kind = ArchiveStatus::Locked;
            break;
        case kSqlitePerm:
        case kSqliteReadOnly:
            kind = ArchiveStatus::ReadOnly;
            break;
        case kSqliteFull:
            kind = ArchiveStatus::DiskFull;
            break;
        case kSqliteCorrupt:
        case kSqliteNotADb:
            kind = ArchiveStatus::Corrupt;
            break;
        case kSqliteCantOpen:
            kind = ArchiveStatus::CannotOpen;
            break;
        default:
            break;
        }
    }
    return ArchiveStatus::failure(kind, text);
}

MeasurementArchive::MeasurementArchive() : m_connection(nextConnectionName()) {}

MeasurementArchive::~MeasurementArchive()
{
    close();
}

QSqlDatabase MeasurementArchive::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void MeasurementArchive::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
}

ArchiveStatus MeasurementArchive::open(const QString &path, int busyTimeoutMs)
{
    close();
    m_path = path;
    ArchiveStatus status = openFile(busyTimeoutMs);
    if (status.kind == ArchiveStatus::Corrupt) {
        // Keep the damaged file for whoever can rescue it; start afresh.
        close();
        status = moveAside();
        if (!status.ok())
            return status;
        const QString movedTo = status.movedAside;
        status = openFile(busyTimeoutMs);
        status.movedAside = movedTo;
    }
    if (!status.ok()) {
        close();
        return status;
    }
    m_open = true;
    return status;
}

ArchiveStatus MeasurementArchive::openFile(int busyTimeoutMs)
{
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath()))
        return ArchiveStatus::failure(ArchiveStatus::CannotOpen, file.absolutePath());
    if (file.exists() && !file.isFile())
        return ArchiveStatus::failure(ArchiveStatus::CannotOpen, m_path);

    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(kDriver), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        return statusOf(db.lastError());

    ArchiveStatus status = checkIntegrity();
    if (!status.ok())
        return status;
    // WAL: readers never block the writer, and a killed writer leaves the
    // committed data intact. A read-only file keeps its mode; writes report it.
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    status = migrate();
    if (!status.ok())
        return status;
    // Without them browsing is slow, not wrong (a read-only file may lack them).
    const ArchiveStatus indexed = ArchiveBrowsing::createIndexes(m_connection);
    if (!indexed.ok())
        logLine("MeasurementArchive::open: " + indexed.detail.toLocal8Bit());
    return status;
}

ArchiveStatus MeasurementArchive::checkIntegrity()
{
    // quick_check reads every page (4 s for a million measurements); a
    // larger file has its header and schema read at open, damage elsewhere
    // is reported by the query that meets it.
    QSqlQuery check(database());
    if (QFileInfo(m_path).size() > kFullCheckBytes) {
        if (!check.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            return statusOf(check.lastError());
        return {};
    }
    if (!check.exec(QStringLiteral("PRAGMA quick_check")))
        return statusOf(check.lastError());
    QStringList problems;
    while (check.next()) {
        const QString line = check.value(0).toString();
        if (line != QLatin1String("ok"))
            problems.append(line);
    }
    if (check.lastError().isValid())
        return statusOf(check.lastError());
    if (!problems.isEmpty())
        return ArchiveStatus::failure(ArchiveStatus::Corrupt, problems.join(QLatin1Char('\n')));
    return {};
}

ArchiveStatus MeasurementArchive::migrate()
{
    QSqlQuery versionQuery(database());
    if (!versionQuery.exec(QStringLiteral("PRAGMA user_version")) || !versionQuery.next())
        return statusOf(versionQuery.lastError());
    int version = versionQuery.value(0).toInt();
    versionQuery.finish();
    if (version > ArchiveSchema::kVersion)
        return ArchiveStatus::failure(ArchiveStatus::NewerVersion, QString::number(version));

    const auto &steps = ArchiveSchema::migrationSteps();
    for (; version < ArchiveSchema::kVersion; ++version) {
        ArchiveStatus status = exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!status.ok())
            return status;
        QStringList statements = steps.at(size_t(version));
        statements.append(QStringLiteral("PRAGMA user_version=%1").arg(version + 1));
        for (const QString &statement : qAsConst(statements)) {
            status = exec(statement);
            if (!status.ok())
                break;
        }
        if (status.ok())
            status = exec(QStringLiteral("COMMIT"));
        if (!status.ok()) {
            exec(QStringLiteral("ROLLBACK"));
            return status;
        }
        logLine("MeasurementArchive::migrate: " + m_path.toLocal8Bit() + " version " +
                QByteArray::number(version + 1));
    }
    return {};
}

ArchiveStatus MeasurementArchive::moveAside()
{
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + "-wal"); ++n)
        target =
            m_path + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    // QFile::rename never replaces an existing file.
    if (!QFile::rename(m_path, target))
        return ArchiveStatus::failure(ArchiveStatus::Corrupt, m_path);
    for (const char *companion : {"-wal", "-shm"}) {
        if (QFileInfo::exists(m_path + companion))
            QFile::rename(m_path + companion, target + companion);
    }
    logLine("MeasurementArchive::open: " + m_path.toLocal8Bit() + " damaged, moved to " +
            target.toLocal8Bit());
    ArchiveStatus status;
    status.movedAside = target;
    return status;
}

ArchiveStatus MeasurementArchive::exec(const QString &sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql))
        return statusOf(query.lastError());
    return {};
}

ArchiveStatus MeasurementArchive::storeTransfer(const ArchiveDevice &device,
                                                const QList<Measurement *> &records,
                                                const QDateTime &downloadedAt, int *added,
                                                const std::function<void(int)> &afterRecord)
{
    return storeRecords(device, records, downloadedAt, QLatin1String(kGaugeSource), added,
                        afterRecord);
}

ArchiveStatus MeasurementArchive::storeRecords(const ArchiveDevice &device,
                                               const QList<Measurement *> &records,
                                               const QDateTime &downloadedAt, const QString &source,
                                               int *added,
                                               const std::function<void(int)> &afterRecord)
{
    if (added)
        *added = 0;
    if (!m_open)
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
    // The write lock is taken at the start, so a held archive fails at once
    // (after the busy time-out) and not halfway through.
    ArchiveStatus status = exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!status.ok())
        return status;

    const QString downloaded = downloadedAt.toUTC().toString(Qt::ISODateWithMs);
    int newRecords = 0;
    int stored = 0;
    {
        QSqlQuery insert(database());
        insert.prepare(QStringLiteral(
            "INSERT OR IGNORE INTO measurement (serial_nr, sw_version, slot, date_text, time_text,"
            " taken_at, force_unit, sample_rate, sample_count, samples, samples_sha256,"
            " force_start, force_end, force_max, force_avg, downloaded_at, source, complete)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const Measurement *m : records) {
            if (!m)
                continue;
            bool isNew = false;
            status = insertRecord(insert, device, *m, downloaded, source, isNew);
            if (!status.ok())
                break;
            newRecords += isNew ? 1 : 0;
            if (afterRecord)
                afterRecord(++stored);
        }
    }
    if (status.ok())
        status = exec(QStringLiteral("COMMIT"));
    if (!status.ok()) {
        exec(QStringLiteral("ROLLBACK"));
        logLine("MeasurementArchive::storeRecords: " + status.detail.toLocal8Bit());
        return status;
    }
    if (added)
        *added = newRecords;
    return status;
}

ArchiveStatus MeasurementArchive::insertRecord(QSqlQuery &insert, const ArchiveDevice &device,
                                               const Measurement &m, const QString &downloadedAt,
                                               const QString &source, bool &added)
{
    const QByteArray blob = samplesToBlob(m.forces);
    insert.addBindValue(textValue(device.serialNr));
    insert.addBindValue(textValue(device.swVersion));
    insert.addBindValue(m.number);
    insert.addBindValue(textValue(m.dateText));
    insert.addBindValue(textValue(m.timeText));
    insert.addBindValue(takenAt(m));
    insert.addBindValue(device.forceUnit);
    insert.addBindValue(realValue(m.sampleRate));
    insert.addBindValue(qint64(m.sampleCount));
    insert.addBindValue(blob);
    insert.addBindValue(samplesHash(blob));
    insert.addBindValue(realValue(m.forceStart));
    insert.addBindValue(realValue(m.forceEnd));
    insert.addBindValue(realValue(m.forceMax));
    insert.addBindValue(realValue(m.forceAvg));
    insert.addBindValue(downloadedAt);
    insert.addBindValue(source);
    insert.addBindValue(isCompleteRecord(m) ? 1 : 0);
    if (!insert.exec())
        return statusOf(insert.lastError());
    added = insert.numRowsAffected() == 1;
    return {};
}

std::optional<qint64> MeasurementArchive::findQuick(const QuickKey &key)
{
    if (!m_open)
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT id FROM measurement WHERE serial_nr = ? AND date_text = ? AND time_text = ?"
        " AND sample_count = ? AND sample_rate = ? AND force_start = ? AND force_end = ?"
        " AND force_max = ? AND force_avg = ? AND source = ? AND complete = 1"
        " ORDER BY id LIMIT 1"));
    query.addBindValue(textValue(key.serialNr));
    query.addBindValue(textValue(key.dateText));
    query.addBindValue(textValue(key.timeText));
    query.addBindValue(qint64(key.sampleCount));
    query.addBindValue(realValue(key.sampleRate));
    query.addBindValue(realValue(key.forceStart));
    query.addBindValue(realValue(key.forceEnd));
    query.addBindValue(realValue(key.forceMax));
    query.addBindValue(realValue(key.forceAvg));
    query.addBindValue(QLatin1String(kGaugeSource));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<qint64> MeasurementArchive::idOf(const QByteArray &serialNr,
                                               const Measurement &measurement)
{
    if (!m_open || !holdsAllSamples(measurement))
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT id FROM measurement WHERE serial_nr = ? AND date_text = ? AND time_text = ?"
        " AND sample_count = ? AND samples_sha256 = ?"));
    query.addBindValue(textValue(serialNr));
    query.addBindValue(textValue(measurement.dateText));
    query.addBindValue(textValue(measurement.timeText));
    query.addBindValue(qint64(measurement.sampleCount));
    query.addBindValue(samplesHash(samplesToBlob(measurement.forces)));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<ArchivedMeasurement> MeasurementArchive::load(qint64 id, ArchiveStatus *status)
{
    if (status)
        *status = {};
    if (!m_open) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
        return std::nullopt;
    }
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT serial_nr, sw_version, slot, date_text, time_text, force_unit, sample_rate,"
        " sample_count, samples, force_start, force_end, force_max, force_avg, downloaded_at,"
        " source, designation FROM measurement WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) {
        if (status && query.lastError().isValid())
            *status = statusOf(query.lastError());
        return std::nullopt;
    }
    ArchivedMeasurement a;
    a.id = id;
    a.device.serialNr = query.value(0).toString().toLatin1();
    a.device.swVersion = query.value(1).toString().toLatin1();
    a.measurement.number = query.value(2).toInt();
    a.measurement.dateText = query.value(3).toString().toLatin1();
    a.measurement.timeText = query.value(4).toString().toLatin1();
    a.device.forceUnit = query.value(5).toInt();
    a.measurement.sampleRate = float(query.value(6).toDouble());
    a.measurement.sampleCount = uint32_t(query.value(7).toLongLong());
    if (!samplesFromBlob(query.value(8).toByteArray(), a.measurement.forces)) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::Corrupt, QString::number(id));
        return std::nullopt;
    }
    a.measurement.forceStart = float(query.value(9).toDouble());
    a.measurement.forceEnd = float(query.value(10).toDouble());
    a.measurement.forceMax = float(query.value(11).toDouble());
    a.measurement.forceAvg = float(query.value(12).toDouble());
    a.downloadedAt = QDateTime::fromString(query.value(13).toString(), Qt::ISODateWithMs);
    a.source = query.value(14).toString();
    a.designation = query.value(15).toString();
    return a;
}

QList<ArchiveEntry> MeasurementArchive::entries(const ArchiveFilter &filter, ArchiveStatus *status)
{
    if (status)
        *status = {};
    QList<ArchiveEntry> list;
    if (!m_open) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
        return list;
    }
    QStringList conditions;
    QVariantList values;
    if (!filter.text.isEmpty()) {
        conditions << QStringLiteral(
            "(designation LIKE ? ESCAPE '\\' OR serial_nr LIKE ? ESCAPE '\\')");
        values << likePattern(filter.text) << likePattern(filter.text);
    }
    if (!filter.designation.isEmpty()) {
        conditions << QStringLiteral("designation LIKE ? ESCAPE '\\'");
        values << likePattern(filter.designation);
    }
    if (!filter.serialNr.isEmpty()) {
        conditions << QStringLiteral("serial_nr LIKE ? ESCAPE '\\'");
        values << likePattern(filter.serialNr);
    }
    if (filter.from.isValid()) {
        conditions << QStringLiteral("taken_at >= ?");
        values << filter.from.toString(kIsoDate);
    }
    if (filter.to.isValid()) {
        conditions << QStringLiteral("taken_at < ?");
        values << filter.to.addDays(1).toString(kIsoDate);
    }
    QString sql = QStringLiteral("SELECT id, serial_nr, slot, date_text, time_text, sample_count,"
                                 " designation FROM measurement");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY serial_nr, taken_at DESC, id DESC");

    QSqlQuery query(database());
    query.prepare(sql);
    for (const QVariant &value : qAsConst(values))
        query.addBindValue(value);
    if (!query.exec()) {
        if (status)
            *status = statusOf(query.lastError());
        return list;
    }
    while (query.next()) {
        ArchiveEntry e;
        e.id = query.value(0).toLongLong();
        e.serialNr = query.value(1).toString().toLatin1();
        e.slot = query.value(2).toInt();
        e.dateText = query.value(3).toString().toLatin1();
        e.timeText = query.value(4).toString().toLatin1();
        e.day = measurementDate(e.dateText);
        e.sampleCount = uint32_t(query.value(5).toLongLong());
        e.designation = query.value(6).toString();
        list.append(e);
    }
    return list;
}

ArchiveStatus MeasurementArchive::setDesignation(qint64 id, const QString &designation)
{
    if (!m_open)
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE measurement SET designation = ? WHERE id = ?"));
    query.addBindValue(designation.isNull() ? QString(QLatin1String("")) : designation);
    query.addBindValue(id);
    if (!query.exec())
        return statusOf(query.lastError());
    return {};
}

bool MeasurementArchive::mayHold(const QByteArray &serialNr, const QByteArray &dateText,
                                 const QByteArray &timeText, uint32_t sampleCount)
{
    if (!m_open)
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT 1 FROM measurement WHERE serial_nr = ? AND date_text = ? AND time_text = ?"
        " AND sample_count = ? LIMIT 1"));
    query.addBindValue(textValue(serialNr));
    query.addBindValue(textValue(dateText));
    query.addBindValue(textValue(timeText));
    query.addBindValue(qint64(sampleCount));
    return query.exec() && query.next();
}

int MeasurementArchive::count()
{
    QSqlQuery query(database());
    if (!m_open || !query.exec(QStringLiteral("SELECT count(*) FROM measurement")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

QList<qint64> MeasurementArchive::sameMinute(const QByteArray &serialNr,
                                             const Measurement &measurement)
{
    QList<qint64> ids;
    if (!m_open)
        return ids;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id FROM measurement WHERE serial_nr = ? AND date_text = ?"
                                 " AND substr(time_text, 1, 5) = ? AND sample_count = ?"));
    query.addBindValue(textValue(serialNr));
    query.addBindValue(textValue(measurement.dateText));
    query.addBindValue(textValue(measurement.timeText.left(5)));
    query.addBindValue(qint64(measurement.sampleCount));
    if (query.exec()) {
        while (query.next())
            ids.append(query.value(0).toLongLong());
    }
    return ids;
}
