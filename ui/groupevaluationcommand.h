#pragma once

#include "workflow/planevaluationjob.h"

#include <QObject>
#include <QPointer>

class ActivePlan;
class MeasurementArchive;
class PlanEvaluationDialog;
class QErrorMessage;
class QProgressDialog;
class QWidget;

// "Mit Prüfplan bewerten…" on an archive row: the group judged by the
// window's plan (one asked for when there is none) on a thread of its own,
// a progress dialog with Cancel while the window goes on answering, then
// the result in a dialog of its own.
class GroupEvaluationCommand : public QObject
{
    Q_OBJECT

public:
    // What the command works with; all of it outlives the command.
    struct Parts
    {
        QWidget *window = nullptr;
        MeasurementArchive *archive = nullptr;
        ActivePlan *activePlan = nullptr;
        QErrorMessage *errors = nullptr;
    };

    explicit GroupEvaluationCommand(const Parts &parts, QObject *parent = nullptr);
    ~GroupEvaluationCommand() override;

    // Judges `group`; refused while an evaluation runs (its progress shows).
    void run(const GroupSelection &group);
    bool isRunning() const { return m_job->isRunning(); }
    // The last result's dialog, while it is open.
    PlanEvaluationDialog *resultDialog() const;

signals:
    void resultShown();
    // The operator double-clicked a failed measurement in the result.
    void measurementChosen(const JudgedMeasurement &measurement);

private:
    // The window's plan, else one kept in the archive or read from a file;
    // false when the operator chose none or it cannot be read.
    bool choosePlan(TestPlan &plan);
    bool readPlanFile(TestPlan &plan);
    void showProgress(int done, int total);
    void showResult(const GroupEvaluation &result);

    Parts m_parts;
    PlanEvaluationJob *m_job;
    QPointer<QProgressDialog> m_progress;
    QPointer<PlanEvaluationDialog> m_result;
};
