#include "measurement/gaugecalibration.h"

CalibrationMark calibrationMarkOf(const Measurement &m, const GaugeCalibration &calibration)
{
    if (!calibration.known)
        return CalibrationMark::None;
    if (!calibration.dueOn)
        return calibration.recordRequired ? CalibrationMark::Uncalibrated : CalibrationMark::None;
    return calibration.isOverdueOn(measurementDate(m.dateText)) ? CalibrationMark::Overdue
                                                                : CalibrationMark::None;
}

QString calibrationMarkText(CalibrationMark mark)
{
    switch (mark) {
    case CalibrationMark::Overdue:
        return GaugeCalibrationText::tr("Kalibrierung überfällig");
    case CalibrationMark::Uncalibrated:
        return GaugeCalibrationText::tr("ohne Kalibrierung");
    case CalibrationMark::None:
        break;
    }
    return QString();
}

QString calibrationMarkKey(CalibrationMark mark)
{
    switch (mark) {
    case CalibrationMark::Overdue:
        return QStringLiteral("overdue");
    case CalibrationMark::Uncalibrated:
        return QStringLiteral("uncalibrated");
    case CalibrationMark::None:
        break;
    }
    return QString();
}

QString overdueGaugeNote(const QByteArray &serialNr, const GaugeCalibration &calibration,
                         const QDate &today)
{
    const QString gauge = QString::fromLatin1(serialNr);
    if (calibration.known && calibration.isOverdueOn(today))
        return GaugeCalibrationText::tr("Die Kalibrierung des Geräts %1 war am %2 fällig.")
            .arg(gauge, calibration.dueOn->toString(Qt::ISODate));
    if (calibration.known && !calibration.dueOn && calibration.recordRequired)
        return GaugeCalibrationText::tr("Für das Gerät %1 ist keine Kalibrierung erfasst.").arg(gauge);
    return QString();
}
