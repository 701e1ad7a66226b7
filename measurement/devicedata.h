#pragma once

#include "measurement/gaugecalibration.h"
#include "measurement/measurement.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Device identity and the records of the last transfer, newest first. Owns the
// records.
struct DeviceData
{
    DeviceData() = default;
    ~DeviceData() { clear(); }
    DeviceData(const DeviceData &) = delete;
    DeviceData &operator=(const DeviceData &) = delete;

    QList<Measurement *> records;
    QByteArray serialNr;
    QByteArray swVersion;
    int forceUnit = 0;
    QString forceUnitText = QStringLiteral("N");
    double forceUnitFactor = 1.0;
    // The gauge's calibration as the archive had it at the transfer.
    GaugeCalibration calibration;

    // Derives forceUnitText and forceUnitFactor from forceUnit.
    void updateForceUnit();
    // Destroys every record and empties the list.
    void clear();
};

// `to` gets the identity and the records of `from`, which is left without
// records; `to`'s own records are destroyed.
void takeOver(DeviceData &from, DeviceData &to);
// `to` becomes a copy of `from` with records of its own.
void copyDeviceData(const DeviceData &from, DeviceData &to);

// Unit text and factor from newtons for a force unit code of the device.
QString forceUnitTextFor(int forceUnit);
double forceUnitFactorFor(int forceUnit);
// The force unit code of a unit text; nullopt for a unit the device has not.
std::optional<int> forceUnitOfText(const QString &unitText);
