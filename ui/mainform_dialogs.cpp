// The settings and info dialogs: built, run modally and destroyed.
#include "ui/mainform.h"

#include "ui/infodialog.h"
#include "ui/settingsdialog.h"

void Mainform::on_actionEinstellungen_triggered()
{
    SettingsDialog dialog(status, this);
    dialog.exec();
}

void Mainform::on_actionInfo_triggered()
{
    InfoDialog dialog(versionText, this);
    dialog.exec();
}
