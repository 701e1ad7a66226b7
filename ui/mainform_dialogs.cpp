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
    dialog.exec();
    if (archiveConfig(*status) != archive)
        m_archiveBrowser->open();
}

void Mainform::on_actionInfo_triggered()
{
    InfoDialog dialog(versionText, this);
    dialog.exec();
}
