#pragma once

#include "device/protocol.h"

#include <QByteArray>
#include <QVector>
#include <array>
#include <optional>

// What the gauge reports about itself.
struct GaugeIdentity
{
    QByteArray serialNr = "TP-2231-0417";
    QByteArray swVersion = "3.02";
    // 1 kg, 2 lbf, anything else N.
    int forceUnit = 0;
};

// One stored measurement. Forces are kept in millinewtons, so what the gauge
// sends (three decimals) is exactly what it stores and the summary values
// agree with the samples to the last digit.
struct SimMeasurement
{
    double sampleRate = 100.0;
    QVector<qint32> milliNewtons;
    QByteArray dateText; // "dd;MM;yyyy"
    QByteArray timeText; // "HH;mm;ss"

    qint32 forceStart() const;
    qint32 forceEnd() const;
    qint32 forceMax() const;
    // The mean, rounded to the nearest millinewton.
    qint32 forceAvg() const;
};

// The gauge's memory: identity and the slots 1 to 50 (slot n at index n - 1).
struct GaugeMemory
{
    GaugeIdentity identity;
    std::array<std::optional<SimMeasurement>, Protocol::kSlotCount> stored;

    static bool isSlotNumber(int number) { return number >= 1 && number <= Protocol::kSlotCount; }
    std::optional<SimMeasurement> &slot(int number) { return stored[size_t(number - 1)]; }
    const std::optional<SimMeasurement> &slot(int number) const
    {
        return stored[size_t(number - 1)];
    }
    int filledSlotCount() const;
};

// "12.345", "-0.500": a force in newtons with three decimals.
QByteArray milliNewtonText(qint64 milliNewtons);
// The samples as the gauge sends them: three decimals, separated by ";".
QByteArray forcesText(const QVector<qint32> &milliNewtons);
// "100.0": the sample rate as the gauge sends it.
QByteArray sampleRateText(double sampleRate);
