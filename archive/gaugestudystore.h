#pragma once

#include "archive/archivetypes.h"
#include "measurement/gaugestudy.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

class MeasurementArchive;

// A type-1 study as kept: its input, the archive's ids of the measurements
// it was made of (in the input's order) and its verdict when it was made.
struct GaugeStudyRecord
{
    qint64 id = 0;
    QByteArray serialNr;
    QString unit = QStringLiteral("N");
    Type1Input input;
    QList<qint64> measurementIds;
    bool capable = false;
    QString note;
    QString station;
    QString receivedAt;
};

// The type-1 studies in the archive (table gauge_study); only ever added.
class GaugeStudyStore
{
public:
    explicit GaugeStudyStore(MeasurementArchive &archive) : m_archive(archive) {}

    // Refuses (Failed) a study that cannot be computed or whose ids do not
    // match its values one to one.
    ArchiveStatus add(const GaugeStudyRecord &study, qint64 *id = nullptr);
    // Every study, or the gauge's, newest first.
    QList<GaugeStudyRecord> list(const QByteArray &serialNr = QByteArray(),
                                 ArchiveStatus *status = nullptr);

private:
    MeasurementArchive &m_archive;
};
