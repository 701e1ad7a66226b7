#pragma once

#include "measurement/testplan.h"

#include <QObject>
#include <optional>

// The test plan the window judges by: the plan editor sets it, the tree,
// the curve, the charts and a re-evaluation read it and follow its changes.
// Its name is kept in the status file (StatusIni::testPlan), its versions in
// the archive (PlanStore).
class ActivePlan : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The plan, or null without one.
    const TestPlan *plan() const { return m_plan ? &*m_plan : nullptr; }
    void setPlan(const TestPlan &plan);
    void clear();

signals:
    void changed();

private:
    std::optional<TestPlan> m_plan;
};
