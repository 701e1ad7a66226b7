#pragma once

#include "workflow/planevaluationjob.h"

#include <QDialog>
#include <memory>

namespace Ui {
class PlanEvaluationDialog;
}

// What a re-evaluation found: the plan and its version, the counts, each
// characteristic's tally and the measurements judged n.i.O.; saved as CSV.
class PlanEvaluationDialog : public QDialog
{
    Q_OBJECT

public:
    PlanEvaluationDialog(const GroupEvaluation &result, QWidget *parent = nullptr);
    ~PlanEvaluationDialog() override;

    PlanEvaluationDialog(const PlanEvaluationDialog &) = delete;
    PlanEvaluationDialog &operator=(const PlanEvaluationDialog &) = delete;

    // The counts as the dialog words them.
    static QString countsText(const GroupEvaluation &result);

signals:
    // A failed measurement's row was double-clicked.
    void measurementChosen(const JudgedMeasurement &measurement);

private:
    void fillTallies();
    void fillFailed();
    void saveCsv();

    std::unique_ptr<Ui::PlanEvaluationDialog> ui;
    GroupEvaluation m_result;
};
