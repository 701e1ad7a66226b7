// The test plan editor beside the curve; here it is wired to the active
// plan, the page's diagram and the tree.
#include "ui/mainform.h"

#include "plot/planoverlay.h"
#include "ui/analysispanel.h"
#include "ui/measurementpage.h"
#include "ui/measurementtree.h"
#include "ui/planeditor.h"
#include "ui_mainform.h"
#include "workflow/gaugeservices.h"

#include <QGridLayout>
#include <QHeaderView>

void Mainform::setUpPlanEditor()
{
    ActivePlan &active = m_services.activePlan();
    m_planEditor = new PlanEditor(
        PlanEditor::Parts{&active, &m_services.archive(), status,
                          [this] { return selectedSet().records; }},
        ui->stackedWidgetMeasPage1);
    // Beside the values and the diagram, the page's whole height.
    ui->gridLayout_2->addWidget(m_planEditor, 0, 1, 3, 1);
    ui->gridLayout_2->setColumnStretch(0, 1);

    // The verdict column right beside the rows' texts.
    ui->treeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_page->setActivePlan(&active, [this](const PlanVerdict *verdict) {
        m_planEditor->showResults(verdict);
    });
    connect(&active, &ActivePlan::changed, this, [this] {
        if (m_page->judgeAgain())
            updateAnalysis();
        treeModel->markVerdicts(measurements, m_services.activePlan().plan());
    });
    m_page->planOverlay()->takeMouseFirst();
    connect(m_page->planOverlay(), &PlanOverlay::boxChanged, m_planEditor, &PlanEditor::setBox);
    connect(ui->actionPruefplanEditor, &QAction::toggled, m_planEditor, &QWidget::setVisible);
    m_planEditor->loadKeptPlans();
}
