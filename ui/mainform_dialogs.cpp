// The settings and info dialogs: built, run modally and destroyed.
#include "ui/mainform.h"

#include "settings/statusini.h"
#include "ui/archivebrowser.h"
#include "ui/infodialog.h"
#include "ui/settingsdialog.h"

void Mainform::on_actionEinstellungen_triggered()
{
    const QString archivePath = status->archivePath;
    SettingsDialog dialog(status, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (status->archivePath != archivePath)
        m_archiveBrowser->open();
    // Changed limits judge the shown measurements at once.
    updateAnalysis();
}

void Mainform::on_actionInfo_triggered()
{
    InfoDialog dialog(versionText, this);
    dialog.exec();
}
