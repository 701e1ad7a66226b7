#include "ui/commandstates.h"

#include "ui_mainform.h"

CommandStates::CommandStates(Ui::MainForm *ui) : m_ui(ui) {}

void CommandStates::setSelectionCommands(bool enabled)
{
    for (QAction *action : {m_ui->actionDruckvorschau, m_ui->actionDrucken,
                            m_ui->actionAlsPDFspeichern, m_ui->actionGewaehlteMessungexportieren})
        action->setEnabled(enabled);
}

void CommandStates::forGaugeRow(bool selected, bool all)
{
    setSelectionCommands(selected);
    m_ui->actionGewaehlteMessungloeschen->setEnabled(selected);
    m_ui->actionAlleMessungenexportieren->setEnabled(all);
    m_ui->actionAlleMessungenloeschen->setEnabled(all);
}

void CommandStates::forSelection(bool any)
{
    // Deleting stays with the current row.
    setSelectionCommands(any);
}

void CommandStates::forArchiveRow(bool shown, bool group, bool gaugeListed)
{
    // Commands on the gauge's selected slot do not apply to the archive.
    setSelectionCommands(shown);
    m_ui->actionGewaehlteMessungloeschen->setEnabled(false);
    m_ui->actionAlleMessungenexportieren->setEnabled(group);
    m_ui->actionAlleMessungenloeschen->setEnabled(gaugeListed);
}

void CommandStates::followExportOfAll()
{
    // The Excel and DFQ exports cover all measurements when no measurement
    // row is selected, so they are there whenever exporting all is.
    QAction *exportAll = m_ui->actionAlleMessungenexportieren;
    for (QAction *follower : {m_ui->actionExcelExportieren, m_ui->actionDfqExportieren}) {
        follower->setEnabled(exportAll->isEnabled());
        QObject::connect(exportAll, &QAction::changed, follower, [exportAll, follower] {
            follower->setEnabled(exportAll->isEnabled());
        });
    }
}
