#pragma once

#include "measurement/testplan.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class ActivePlan;
class MeasurementArchive;
class StatusIni;
class QDoubleSpinBox;
struct Measurement;

namespace Ui {
class PlanEditor;
}

// The test plan editor beside the force curve: a plan kept in the archive
// chosen or a new one made, its name, part number, trigger force and
// characteristics edited, kept (a changed plan as its next version) or
// written to and read from a JSON file. Every change is the window's active
// plan at once; each characteristic's value and verdict on the shown
// measurement stand in its row.
class PlanEditor : public QWidget
{
    Q_OBJECT

public:
    struct Parts
    {
        ActivePlan *active = nullptr;
        MeasurementArchive *archive = nullptr;
        StatusIni *status = nullptr;
        // The measurements an envelope is learned from (the selection).
        std::function<QList<const Measurement *>()> references;
    };

    explicit PlanEditor(const Parts &parts, QWidget *parent = nullptr);
    ~PlanEditor() override;

    // The plans kept in the archive listed, the one the status file names
    // loaded and made active.
    void loadKeptPlans();
    // The results of the active plan on the shown measurement; null: none shown.
    void showResults(const PlanVerdict *verdict);
    // Edits `plan` (not yet kept) and makes it active.
    void editPlan(const TestPlan &plan) { usePlan(plan, false); }
    // A window box moved on the diagram.
    void setBox(int index, const WindowBox &box);

    const TestPlan &plan() const { return m_plan; }
    Ui::PlanEditor *formUi() const { return ui.get(); }

private:
    void setUpFields();
    void connectFields();
    // Shows `plan` and makes it active; `kept`: as the archive holds it.
    void usePlan(const TestPlan &plan, bool kept);
    void chooseKept(int comboIndex);
    void newPlan();
    void fillTable();
    void fillDetails();
    void showKindFields(CharacteristicKind kind);
    void showVersion();
    // The fields into the plan, which then becomes active.
    void readPlanFields();
    void readDetails();
    void activate();
    void addCharacteristic();
    void removeCharacteristic();
    void learnEnvelope();
    void savePlan();
    void openFile();
    void saveFile();
    int currentRow() const;

    std::unique_ptr<Ui::PlanEditor> ui;
    Parts m_parts;
    TestPlan m_plan;
    PlanVerdict m_verdict;
    bool m_haveVerdict = false;
    // Kept: the plan is a version in the archive; changed: edited since.
    bool m_kept = false;
    bool m_changed = false;
    // Set while the fields are filled from the plan: no edits then.
    bool m_filling = false;
};
