#include "ui/groupevaluationcommand.h"

#include "archive/measurementarchive.h"
#include "archive/planstore.h"
#include "ui/planevaluationdialog.h"
#include "workflow/activeplan.h"
#include "workflow/workflowtexts.h"

#include <QErrorMessage>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QProgressDialog>
#include <QStandardPaths>

namespace {


} // namespace

GroupEvaluationCommand::GroupEvaluationCommand(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_job(new PlanEvaluationJob(this))
{
    connect(m_job, &PlanEvaluationJob::progressed, this, &GroupEvaluationCommand::showProgress);
    connect(m_job, &PlanEvaluationJob::finished, this, &GroupEvaluationCommand::showResult);
}

GroupEvaluationCommand::~GroupEvaluationCommand() = default;

PlanEvaluationDialog *GroupEvaluationCommand::resultDialog() const
{
    return m_result;
}

void GroupEvaluationCommand::run(const GroupSelection &group)
{
    if (m_job->isRunning()) {
        if (m_progress)
            m_progress->raise();
        return;
    }
    TestPlan plan;
    if (!group || !m_parts.archive->isOpen() || !choosePlan(plan))
        return;
    // Only the failed ones are listed: a group may hold a hundred thousand.
    m_job->start({m_parts.archive->readSource(), group, plan, KeptVerdicts::FailedOnly});
    m_progress = new QProgressDialog(tr("Messungen werden mit dem Prüfplan %1 bewertet...")
                                         .arg(plan.name),
                                     tr("Abbrechen"), 0, 0, m_parts.window);
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    m_progress->setMinimumDuration(0);
    connect(m_progress, &QProgressDialog::canceled, m_job, &PlanEvaluationJob::cancel);
    m_progress->show();
}

bool GroupEvaluationCommand::choosePlan(TestPlan &plan)
{
    if (const TestPlan *active = m_parts.activePlan->plan()) {
        plan = *active;
        return true;
    }
    const QString fromFile = tr("Prüfplan-Datei öffnen...");
    const QStringList items = PlanStore(*m_parts.archive).names() << fromFile;
    bool chosen = false;
    const QString item =
        QInputDialog::getItem(m_parts.window, tr("Mit Prüfplan bewerten"),
                              tr("Kein Prüfplan ist gewählt. Prüfplan:"), items, 0, false, &chosen);
    if (!chosen)
        return false;
    if (item == fromFile)
        return readPlanFile(plan);
    ArchiveStatus status;
    std::optional<TestPlan> kept = PlanStore(*m_parts.archive).load(item, 0, &status);
    if (!kept) {
        m_parts.errors->showMessage(
            WorkflowText::archiveProblem(status, m_parts.archive->location()));
        return false;
    }
    plan = *kept;
    return true;
}

bool GroupEvaluationCommand::readPlanFile(TestPlan &plan)
{
    const QString path = QFileDialog::getOpenFileName(
        m_parts.window, tr("Prüfplan öffnen"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Prüfpläne (*.json)"));
    if (path.isEmpty())
        return false;
    QFile file(path);
    QString problem;
    if (!file.open(QIODevice::ReadOnly) || !readTestPlan(file.read(kLargestPlanFile), plan, problem)) {
        m_parts.errors->showMessage(WorkflowText::planUnreadable(path, problem));
        return false;
    }
    // Kept in the archive (a changed file as the next version), so that the
    // result names a kept version.
    const ArchiveStatus kept = PlanStore(*m_parts.archive).save(plan);
    if (!kept.ok())
        m_parts.errors->showMessage(
            WorkflowText::archiveProblem(kept, m_parts.archive->location()));
    return true;
}

void GroupEvaluationCommand::showProgress(int done, int total)
{
    if (!m_progress)
        return;
    m_progress->setMaximum(total);
    m_progress->setValue(done);
}

void GroupEvaluationCommand::showResult(const GroupEvaluation &result)
{
    if (m_progress)
        m_progress->close();
    if (!result.status.ok()) {
        m_parts.errors->showMessage(
            WorkflowText::archiveProblem(result.status, m_parts.archive->location()));
        return;
    }
    if (m_result)
        m_result->close();
    m_result = new PlanEvaluationDialog(result, m_parts.window);
    m_result->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_result, &PlanEvaluationDialog::measurementChosen, this,
            &GroupEvaluationCommand::measurementChosen);
    m_result->show();
    emit resultShown();
}
