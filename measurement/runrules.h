#pragma once

#include "measurement/controlchart.h"

#include <QString>
#include <QVector>

// Run rules of control charts: the Western Electric rules 1-4 and the
// Nelson rules 1-8 on the location chart, each point that completes a
// pattern listed with its rule. The zones are thirds of the distance from
// the centre line to the upper control limit (one sigma each). On the
// dispersion chart only a point beyond its limits counts (rule 1).

enum class RuleSet
{
    WesternElectric,
    Nelson,
};

enum class ChartPart
{
    Location,
    Dispersion,
};

struct RuleViolation
{
    RuleSet ruleSet = RuleSet::Nelson;
    int rule = 1;
    ChartPart part = ChartPart::Location;
    int point = 0; // index in the part's points

    bool operator==(const RuleViolation &o) const
    {
        return ruleSet == o.ruleSet && rule == o.rule && part == o.part && point == o.point;
    }
};

int ruleCount(RuleSet ruleSet);

// The violations of the location points against `line`, by point, then rule.
QVector<RuleViolation> locationViolations(const QVector<double> &points, const ChartLine &line,
                                          RuleSet ruleSet);
// Both charts' violations: the location chart's, then the dispersion chart's.
QVector<RuleViolation> chartViolations(const ControlChart &chart, RuleSet ruleSet);

// The rule's name and what it looks for, e.g. "Nelson 2: 9 Punkte in Folge
// auf einer Seite der Mittellinie" (translation context "RunRules").
QString ruleText(RuleSet ruleSet, int rule);
QString ruleSetName(RuleSet ruleSet);
