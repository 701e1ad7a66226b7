#pragma once

#include "archive/archivetypes.h"

#include <QString>
#include <QVariantList>

class MeasurementArchive;
class QSqlQuery;

// What the archive keeps beside measurements and never changes (calibration
// records, type-1 studies): added to the file, or to the server while it
// answers. They do not wait in a server's spool: while the server is away
// they are refused (NotOpen).
namespace KeptRecords {

// Adds one row of `table` with the values of ArchiveSchema::keptRecordColumns
// in their order. In a file the station is the settings' and the time
// received the clock's; on a server the server makes both and the id.
ArchiveStatus add(MeasurementArchive &archive, const QString &table, const QVariantList &values,
                  qint64 *id = nullptr);

// Runs a read of `sql` with `values` bound where they can be read: the file,
// or the server while it answers (else NotOpen).
ArchiveStatus select(MeasurementArchive &archive, const QString &sql, const QVariantList &values,
                     QSqlQuery &query);

} // namespace KeptRecords
