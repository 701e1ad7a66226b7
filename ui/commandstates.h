#pragma once

#include <QCoreApplication>
#include <QString>

namespace Ui {
class MainForm;
}

// Which of the window's commands apply to what the tree shows: one place for
// the rules, whatever row or selection the operator is on.
class CommandStates
{
    Q_DECLARE_TR_FUNCTIONS(CommandStates)

public:
    explicit CommandStates(Ui::MainForm *ui);

    // A gauge's row: `selected` a measurement (else the device row or none);
    // `all` whether the list's commands on all measurements apply.
    void forGaugeRow(bool selected, bool all);
    // Several measurements selected, or one: the commands on the selection;
    // the export's menu text says whether one or several go.
    void forSelection(bool any, bool several = false);
    // An archive row: `shown` a measurement loaded, `group` measurements
    // under it, `gaugeListed` the gauge's row still there.
    void forArchiveRow(bool shown, bool group, bool gaugeListed);
    // Judging by a plan: `group` an archive row that stands for measurements.
    void forEvaluation(bool group);
    // Deleting the selected measurements: `count` gauge slots selected; the
    // menu text says whether one or several go.
    void forErasable(int count);
    // The Excel export follows the export of all measurements.
    void followExportOfAll();

private:
    // Report and export of the current measurement or selection.
    void setSelectionCommands(bool enabled);

    Ui::MainForm *m_ui;
    QString m_eraseOneText;
    QString m_exportOneText;
};
