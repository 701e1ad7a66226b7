#pragma once

#include "archive/archivetypes.h"
#include "measurement/measurement.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>

// Values and statements shared by the archive's reading and writing.
namespace ArchiveSql {

// The source of a record downloaded from the gauge (imports name their file).
constexpr char kGaugeSource[] = "gauge";

// A measurement by its identity: gauge, date, time, count and samples' hash.
extern const QString kFindIdentical;
void bindIdentity(QSqlQuery &query, const QByteArray &serialNr, const Measurement &m,
                  const QByteArray &samplesSha256);

// The columns of a whole record, as recordFromRow reads them.
extern const QString kRecordColumns;
// The record on the query's current row (kRecordColumns from column
// `first` on); nullopt when its samples do not read.
std::optional<ArchivedMeasurement> recordFromRow(const QSqlQuery &query, qint64 id, int first = 0);
// The browsing list's order: by serial number, then newest first, undated
// last on both databases (PostgreSQL sorts NULL first when descending).
extern const QString kEntriesOrder;

// A text column never holds NULL: a null text binds as ''.
QVariant text(const QByteArray &bytes);
QVariant real(float value);
// The gauge's date and time as ISO 8601 (`taken_at`); NULL when they do
// not parse.
QVariant takenAt(const Measurement &m);
// Where a day starts in `taken_at`'s order, and the day of a `taken_at`.
QString dayStart(const QDate &day);
QDate dayOf(const QVariant &takenAt);

} // namespace ArchiveSql
