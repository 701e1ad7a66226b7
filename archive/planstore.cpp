#include "archive/planstore.h"

#include "archive/keptrecords.h"

#include <QSqlQuery>
#include <QVariant>

std::optional<TestPlan> PlanStore::load(const QString &name, int version, ArchiveStatus *status)
{
    QSqlQuery query;
    const ArchiveStatus selected = KeptRecords::select(
        m_archive,
        QStringLiteral("SELECT plan_json FROM test_plan WHERE name = ?%1 ORDER BY version DESC"
                       " LIMIT 1")
            .arg(version > 0 ? QStringLiteral(" AND version = ?") : QString()),
        version > 0 ? QVariantList{name, version} : QVariantList{name}, query);
    if (status)
        *status = selected;
    if (!selected.ok() || !query.next())
        return std::nullopt;
    TestPlan plan;
    QString problem;
    if (!readTestPlan(query.value(0).toString().toUtf8(), plan, problem)) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::Corrupt, problem);
        return std::nullopt;
    }
    return plan;
}

QStringList PlanStore::names(ArchiveStatus *status)
{
    QSqlQuery query;
    const ArchiveStatus selected = KeptRecords::select(
        m_archive, QStringLiteral("SELECT DISTINCT name FROM test_plan ORDER BY name"), {}, query);
    if (status)
        *status = selected;
    QStringList names;
    while (selected.ok() && query.next())
        names.append(query.value(0).toString());
    return names;
}

ArchiveStatus PlanStore::save(TestPlan &plan)
{
    ArchiveStatus status;
    const std::optional<TestPlan> newest = load(plan.name, 0, &status);
    if (!status.ok())
        return status;
    if (newest) {
        TestPlan same = plan;
        same.version = newest->version;
        if (testPlanJson(same) == testPlanJson(*newest)) {
            plan.version = newest->version;
            return {};
        }
    }
    TestPlan kept = plan;
    kept.version = newest ? newest->version + 1 : 1;
    status = KeptRecords::add(m_archive, QStringLiteral("test_plan"),
                              {kept.name, kept.partNumber, kept.version,
                               QString::fromUtf8(testPlanJson(kept))});
    if (status.ok())
        plan.version = kept.version;
    return status;
}
