#include "workflow/activeplan.h"

void ActivePlan::setPlan(const TestPlan &plan)
{
    m_plan = plan;
    emit changed();
}

void ActivePlan::clear()
{
    if (!m_plan)
        return;
    m_plan.reset();
    emit changed();
}
