#include "measurement/devicedata.h"

namespace {

// Force unit codes of the device ("sFcUn") and their factors from newtons.
constexpr int kUnitNewton = 0;
constexpr int kUnitKilogram = 1;
constexpr int kUnitPoundForce = 2;
constexpr double kNewtonToKilogram = 0.101972;
constexpr double kNewtonToPoundForce = 0.224809;

} // namespace

QString forceUnitTextFor(int forceUnit)
{
    switch (forceUnit) {
    case kUnitKilogram:
        return QStringLiteral("kg");
    case kUnitPoundForce:
        return QStringLiteral("lbf");
    default:
        return QStringLiteral("N");
    }
}

std::optional<int> forceUnitOfText(const QString &unitText)
{
    for (int code : {kUnitNewton, kUnitKilogram, kUnitPoundForce}) {
        if (forceUnitTextFor(code) == unitText)
            return code;
    }
    return std::nullopt;
}

double forceUnitFactorFor(int forceUnit)
{
    switch (forceUnit) {
    case kUnitKilogram:
        return kNewtonToKilogram;
    case kUnitPoundForce:
        return kNewtonToPoundForce;
    default:
        return 1.0;
    }
}

void DeviceData::updateForceUnit()
{
    forceUnitText = forceUnitTextFor(forceUnit);
    forceUnitFactor = forceUnitFactorFor(forceUnit);
}

namespace {

void copyIdentity(const DeviceData &from, DeviceData &to)
{
    to.serialNr = from.serialNr;
    to.swVersion = from.swVersion;
    to.forceUnit = from.forceUnit;
    to.forceUnitText = from.forceUnitText;
    to.forceUnitFactor = from.forceUnitFactor;
    to.calibration = from.calibration;
}

} // namespace

void takeOver(DeviceData &from, DeviceData &to)
{
    to.clear();
    copyIdentity(from, to);
    to.records.swap(from.records);
}

void copyDeviceData(const DeviceData &from, DeviceData &to)
{
    to.clear();
    copyIdentity(from, to);
    for (const Measurement *m : from.records)
        to.records.append(new Measurement(*m));
}

void DeviceData::clear()
{
    qDeleteAll(records);
    records.clear();
}
