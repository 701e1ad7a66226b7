#pragma once

#include "measurement/measurement.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <optional>

// The texts of calibration marks and notes (translation context "GaugeCalibration").
class GaugeCalibrationText
{
    Q_DECLARE_TR_FUNCTIONS(GaugeCalibration)
};

// What the archive knows of the calibration of the gauge measurements came
// from: the due date of its newest record, and whether the settings ask for
// a record at all. Nothing is refused because of it; measurements are marked.
struct GaugeCalibration
{
    bool known = false; // looked up in the archive
    std::optional<QDate> dueOn; // unset: the gauge has no record
    bool recordRequired = false;

    bool isOverdueOn(const QDate &day) const { return dueOn && day.isValid() && day > *dueOn; }
};

enum class CalibrationMark
{
    None,
    Overdue,      // taken after the gauge's due date
    Uncalibrated, // no record while the settings ask for one
};

CalibrationMark calibrationMarkOf(const Measurement &m, const GaugeCalibration &calibration);
// The mark in words ("Kalibrierung überfällig"); empty for None.
QString calibrationMarkText(CalibrationMark mark);
// The mark for files for machines: "overdue", "uncalibrated", empty for None.
QString calibrationMarkKey(CalibrationMark mark);
// The note on a gauge whose due date has passed (by `today`), or that has no
// record while one is asked for; empty otherwise.
QString overdueGaugeNote(const QByteArray &serialNr, const GaugeCalibration &calibration,
                         const QDate &today);
