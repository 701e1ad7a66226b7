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

void DeviceData::clear()
{
    qDeleteAll(records);
    records.clear();
}
