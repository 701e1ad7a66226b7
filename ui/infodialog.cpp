#include "ui/infodialog.h"

#include "ui_infodialog.h"

InfoDialog::InfoDialog(const QString &versionText, QWidget *parent)
    : QDialog(parent), m_ui(new Ui::InfoDialog)
{
    m_ui->setupUi(this);
    m_ui->labelProgVersion->setText(versionText);
}

InfoDialog::~InfoDialog()
{
    delete m_ui;
}
