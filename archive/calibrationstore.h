#pragma once

#include "archive/archivetypes.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class MeasurementArchive;

// One calibration of a gauge, as its certificate states it. Records are only
// added: a correction is a new record, and the newest record counts.
struct CalibrationRecord
{
    qint64 id = 0;
    QByteArray serialNr;
    QString certificate;
    QDate calibratedOn;
    QDate dueOn;
    QString laboratory;
    std::optional<double> uncertainty; // expanded, k = 2, in newtons
    QString referenceStandard;
    QString note;
    QString station;   // who added it (on a server: the login)
    QString receivedAt; // ISO 8601, UTC

    // What a record needs: a serial number, a certificate, both dates and a
    // due date not before the calibration.
    bool isComplete() const
    {
        return !serialNr.isEmpty() && !certificate.trimmed().isEmpty() && calibratedOn.isValid() &&
               dueOn.isValid() && dueOn >= calibratedOn;
    }
};

// The gauges' calibration records in the archive (table gauge_calibration).
class CalibrationStore
{
public:
    explicit CalibrationStore(MeasurementArchive &archive) : m_archive(archive) {}

    // Needs a serial number, a certificate and a due date not before the
    // calibration date (Failed with the reason otherwise).
    ArchiveStatus add(const CalibrationRecord &record, qint64 *id = nullptr);
    // The gauge's records, newest first.
    QList<CalibrationRecord> list(const QByteArray &serialNr, ArchiveStatus *status = nullptr);
    // The record that counts: the newest one.
    std::optional<CalibrationRecord> current(const QByteArray &serialNr,
                                             ArchiveStatus *status = nullptr);

private:
    MeasurementArchive &m_archive;
};
