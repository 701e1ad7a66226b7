#pragma once

#include "measurement/characteristic.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A test plan ("Prüfplan"): a named, versioned set of characteristics for a
// part number, each judged on the curve from the plan's trigger on. Written
// and read as JSON (docs/testplan.md); what was judged names the plan's name
// and version.
struct TestPlan
{
    QString name;
    QString partNumber;
    int version = 1;
    // The force that sets time zero: the noise before contact is no part of the test.
    double triggerForce = 0.0;
    QList<Characteristic> characteristics;
};

// One measurement judged by a plan: a result per characteristic, in order.
struct PlanVerdict
{
    QList<CharacteristicResult> results;

    // i.O.: every characteristic with something to judge passed.
    bool pass() const;
};

PlanVerdict judgeByPlan(const TestPlan &plan, const Measurement &m);

// A plan file larger than this is no plan.
constexpr qint64 kLargestPlanFile = 16 * 1024 * 1024;

// The plan as its JSON file's bytes.
QByteArray testPlanJson(const TestPlan &plan);
// The plan of a JSON file; false with the reason (the entry and what is
// wrong with it) when the file is no plan.
bool readTestPlan(const QByteArray &json, TestPlan &plan, QString &problem);
// A result as a person reads it: forces to one decimal, times to three,
// work to two, "." whatever the locale; "i.O."/"n.i.O." for pass and fail;
// what was not found ("kein Bruch", "–").
QString characteristicValueText(const Characteristic &c, const CharacteristicResult &r);
QString verdictText(bool pass);
// The decimals a characteristic's values are shown with: forces one, times
// three, work two, pass and fail none.
int characteristicDecimals(const Characteristic &c);

// The kind's name in the file ("maximumForce", ...).
QString characteristicKindName(CharacteristicKind kind);
