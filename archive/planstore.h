#pragma once

#include "archive/archivetypes.h"
#include "measurement/testplan.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <optional>

class MeasurementArchive;

// The test plans kept in the archive (table test_plan), each version as its
// JSON file's text. A kept version never changes: a plan saved with other
// characteristics, limits or part number is kept as the next version, so
// that every result judged with a version names what judged it.
class PlanStore
{
public:
    explicit PlanStore(MeasurementArchive &archive) : m_archive(archive) {}

    // Keeps the plan, unless its newest version is the same; sets the
    // plan's version to the one kept.
    ArchiveStatus save(TestPlan &plan);
    // The plan of that name, at `version` or (0) its newest.
    std::optional<TestPlan> load(const QString &name, int version = 0,
                                 ArchiveStatus *status = nullptr);
    // The names of the plans kept, in order.
    QStringList names(ArchiveStatus *status = nullptr);

private:
    MeasurementArchive &m_archive;
};
