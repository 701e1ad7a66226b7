#pragma once

#include "measurement/testplan.h"
#include "workflow/planevaluationjob.h"

#include <QByteArray>
#include <QList>

// The measurements a plan judged, for `tspx-cli evaluate`.
struct PlanEvaluation
{
    TestPlan plan;
    QList<JudgedMeasurement> measurements;

    bool allPass() const;
};

// A table for people (aligned columns, the verdict last), tab-separated
// values for programs (numbers as the plan computed them), or JSON.
QByteArray evaluationTable(const PlanEvaluation &e);
QByteArray evaluationTsv(const PlanEvaluation &e);
QByteArray evaluationJson(const PlanEvaluation &e);
