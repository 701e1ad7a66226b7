#pragma once

#include "measurement/testplan.h"

#include <QByteArray>
#include <QList>

struct Measurement;

// The measurements a plan judged, for `tspx-cli evaluate`.
struct PlanEvaluation
{
    TestPlan plan;
    QList<const Measurement *> measurements;
    QList<PlanVerdict> verdicts; // one per measurement

    bool allPass() const;
};

// A table for people (aligned columns, the verdict last), tab-separated
// values for programs (numbers as the plan computed them), or JSON.
QByteArray evaluationTable(const PlanEvaluation &e);
QByteArray evaluationTsv(const PlanEvaluation &e);
QByteArray evaluationJson(const PlanEvaluation &e);
