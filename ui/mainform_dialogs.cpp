// The settings and info dialogs: built, run modally and destroyed.
#include "ui/mainform.h"

#include "settings/statusini.h"
#include "ui/archivebrowser.h"
#include "ui/infodialog.h"
#include "ui/settingsdialog.h"
#include "workflow/archivepath.h"

void Mainform::on_actionEinstellungen_triggered()
{
    const ArchiveConfig archive = archiveConfig(*status);
    SettingsDialog dialog(status, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (archiveConfig(*status) != archive)
        m_archiveBrowser->open();
    // Changed limits judge the shown measurements at once.
    updateAnalysis();
}

void Mainform::on_actionInfo_triggered()
{
    InfoDialog dialog(versionText, this);
    dialog.exec();
}
