#include "ui/commandstates.h"

#include "ui_mainform.h"

CommandStates::CommandStates(Ui::MainForm *ui)
    : m_ui(ui), m_eraseOneText(ui->actionGewaehlteMessungloeschen->text()),
      m_exportOneText(ui->actionGewaehlteMessungexportieren->text())
{
}

void CommandStates::setSelectionCommands(bool enabled)
{
    for (QAction *action : {m_ui->actionDruckvorschau, m_ui->actionDrucken,
                            m_ui->actionAlsPDFspeichern, m_ui->actionGewaehlteMessungexportieren})
        action->setEnabled(enabled);
}

void CommandStates::forGaugeRow(bool selected, bool all)
{
    setSelectionCommands(selected);
    m_ui->actionAlleMessungenexportieren->setEnabled(all);
    m_ui->actionAlleMessungenloeschen->setEnabled(all);
    forEvaluation(false);
}

void CommandStates::forEvaluation(bool group)
{
    m_ui->actionMitPruefplanBewerten->setEnabled(group);
}

void CommandStates::forSelection(bool any, bool several)
{
    setSelectionCommands(any);
    m_ui->actionGewaehlteMessungexportieren->setText(
        several ? tr("Gewählte Messungen e&xportieren...") : m_exportOneText);
}

void CommandStates::forArchiveRow(bool shown, bool group, bool gaugeListed)
{
    // Commands on the gauge's selected slot do not apply to the archive.
    setSelectionCommands(shown);
    m_ui->actionAlleMessungenexportieren->setEnabled(group);
    m_ui->actionAlleMessungenloeschen->setEnabled(gaugeListed);
}

void CommandStates::forErasable(int count)
{
    QAction *erase = m_ui->actionGewaehlteMessungloeschen;
    erase->setEnabled(count > 0);
    erase->setText(count > 1 ? tr("Gewählte Messungen &löschen") : m_eraseOneText);
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
