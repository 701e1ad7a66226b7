#include "ui/dfqpartdialog.h"

#include "ui_dfqpartdialog.h"

#include <QDialog>

bool askDfqPart(QWidget *parent, DfqPart &part)
{
    QDialog dialog(parent);
    Ui::DfqPartDialog form;
    form.setupUi(&dialog);
    form.editNumber->setMaxLength(kDfqPartNumberLength);
    form.editDescription->setMaxLength(kDfqPartDescriptionLength);
    form.editNumber->setText(part.number);
    form.editDescription->setText(part.description);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    part = DfqPart{form.editNumber->text().trimmed(), form.editDescription->text().trimmed()};
    return true;
}
