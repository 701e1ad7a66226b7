#pragma once

#include "measurement/measurementset.h"

#include <QList>
#include <QString>
#include <QVector>
#include <optional>

// The quantities built into the statistics, in table order.
enum class Quantity
{
    MaximumForce,
    MeanForce,
    Duration,
};
constexpr Quantity kQuantities[] = {Quantity::MaximumForce, Quantity::MeanForce,
                                    Quantity::Duration};

// One quantity a set's statistics, charts and files are taken of: one of the
// three built in, or a characteristic of the set's test plan, with what the
// window, the report, the workbook, the DFQ file and the command line show
// of it.
struct SeriesQuantity
{
    Quantity builtIn = Quantity::MaximumForce;
    int characteristic = -1; // index in the set's plan; -1: built in
    QString name;
    QString unitText;
    int decimals = 1;
    // The maximum force's from the settings, a characteristic's own; the mean
    // force and the duration are not judged.
    ForceLimits limits;
    bool passFail = false; // a window or envelope: only a count of n.i.O.

    bool isCharacteristic() const { return characteristic >= 0; }
    // Decimals of its spread, control limits and limits: one more.
    int spreadDecimals() const { return decimals + 1; }
    // "Maximalkraft / N"; a pass and fail characteristic by its name alone.
    QString label() const;
    // The machine name: "maxForce", "meanForce", "duration", or the characteristic's name.
    QString key() const;
};

SeriesQuantity seriesQuantity(const MeasurementSet &set, Quantity quantity);
// The set's plan's characteristic `index`.
SeriesQuantity seriesQuantity(const MeasurementSet &set, int index);
// The plan's characteristics, in plan order; none without a plan.
QList<SeriesQuantity> planQuantities(const MeasurementSet &set);
// The plan's characteristic of that name.
std::optional<SeriesQuantity> planQuantity(const MeasurementSet &set, const QString &name);

// A quantity's value of one record.
struct QuantityValue
{
    enum State
    {
        Found,
        NoNumber, // a value of the record is no number: the record is left out
        NotFound, // the characteristic is not on the curve ("kein Bruch")
    };
    State state = Found;
    double value = 0.0;
    // A characteristic judged against its limits (or pass and fail) that the
    // curve did not pass, found or not: the plan's verdict of the record.
    bool failed = false;
};
using QuantityValues = QVector<QuantityValue>; // per record, in set order

QuantityValues quantityValues(const MeasurementSet &set, const SeriesQuantity &quantity);
// Every characteristic of the set's plan at once: each curve is judged once
// (judgeByPlan); one list per characteristic, in plan order.
QVector<QuantityValues> planValues(const MeasurementSet &set);

// The indices of the records that hold only numbers, oldest first (records
// of the same time keep their order).
QVector<int> timeOrderedIndices(const MeasurementSet &set);
