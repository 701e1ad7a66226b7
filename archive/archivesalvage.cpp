#include "archive/archivesalvage.h"

#include "archive/archiveschema.h"
#include "archive/archivesql.h"
#include "base/log.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>

namespace {

// The first 16 bytes of every SQLite file.
constexpr char kSignature[] = "SQLite format 3";
constexpr int kSignatureSize = 16;

// A copy of the file and its WAL, the copy's signature put back.
bool copyForReading(const QString &path, const QString &copy)
{
    if (!QFile::copy(path, copy))
        return false;
    if (QFile::exists(path + "-wal"))
        QFile::copy(path + "-wal", copy + "-wal");
    QFile file(copy);
    if (!file.open(QIODevice::ReadWrite) || file.size() < kSignatureSize)
        return false;
    const QByteArray signature(kSignature, kSignatureSize);
    return file.read(kSignatureSize) == signature || (file.seek(0) && file.write(signature) == kSignatureSize);
}

QList<qint64> readIds(QSqlDatabase &db, const QString &sql, bool *complete)
{
    QList<qint64> ids;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    *complete = query.exec(sql);
    while (*complete && query.next())
        ids.append(query.value(0).toLongLong());
    if (query.lastError().isValid())
        *complete = false;
    return ids;
}

// Every row that still reads; a table a file of an older version lacks is
// left out.
SalvagedRows readKeptRows(QSqlDatabase &db, const QString &table)
{
    SalvagedRows kept{table,
                      QStringList{QStringLiteral("id")} + ArchiveSchema::keptRecordColumns(table) +
                          QStringList{QStringLiteral("station"), QStringLiteral("received_at")},
                      {}};
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY id")
                        .arg(kept.columns.join(QStringLiteral(", ")), table)))
        return kept;
    while (query.next()) {
        QVariantList row;
        for (int column = 0; column < kept.columns.size(); ++column)
            row << query.value(column);
        kept.rows << row;
    }
    return kept;
}

void readRecords(QSqlDatabase &db, SalvagedArchive &salvaged)
{
    for (const char *table : {"gauge_calibration", "gauge_study", "test_plan"})
        salvaged.keptRows.push_back(readKeptRows(db, QLatin1String(table)));
    bool complete = false;
    const QList<qint64> queued =
        readIds(db, QStringLiteral("SELECT measurement_id FROM upload_queue"), &complete);
    salvaged.waiting = QSet<qint64>(queued.begin(), queued.end());
    if (complete)
        salvaged.waitingBefore = queued.size();
    // A scan may stop at a damaged page; a record the queue names may still
    // be found by its id.
    QList<qint64> ids = readIds(db, QStringLiteral("SELECT id FROM measurement ORDER BY id"), &complete);
    for (qint64 id : queued) {
        if (!ids.contains(id))
            ids.append(id);
    }
    std::sort(ids.begin(), ids.end());
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT %1 FROM measurement WHERE id = ?")
                      .arg(ArchiveSql::kRecordColumns));
    for (qint64 id : qAsConst(ids)) {
        query.addBindValue(id);
        if (!query.exec() || !query.next())
            continue;
        if (std::optional<ArchivedMeasurement> record = ArchiveSql::recordFromRow(query, id))
            salvaged.records.push_back(std::move(*record));
        query.finish();
    }
}

} // namespace

int measurementIdsColumn(const SalvagedRows &rows)
{
    return rows.table == QLatin1String("gauge_study")
               ? rows.columns.indexOf(QStringLiteral("measurement_ids"))
               : -1;
}

SalvagedArchive salvageArchive(const QString &path)
{
    SalvagedArchive salvaged;
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("salvage.sqlite"));
    if (!folder.isValid() || !copyForReading(path, copy))
        return salvaged;
    static QAtomicInt counter;
    const QString connection =
        QStringLiteral("tspx-salvage-%1").arg(counter.fetchAndAddRelaxed(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(copy);
        if (db.open())
            readRecords(db, salvaged);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    logLine("MeasurementArchive::open: " + QByteArray::number(int(salvaged.records.size())) +
            " records read back from " + path.toLocal8Bit());
    return salvaged;
}
