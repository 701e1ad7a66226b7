#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class InfoDialog;
}

// The about box: logo, product title, maker and the program version text.
class InfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InfoDialog(const QString &versionText, QWidget *parent = nullptr);
    ~InfoDialog() override;

private:
    Ui::InfoDialog *m_ui;
};
