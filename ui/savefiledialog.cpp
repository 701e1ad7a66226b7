#include "ui/savefiledialog.h"

#include <QFileDialog>
#include <QFileInfo>

QString proposedFileName(const QString &serialNr, const QDate &date)
{
    const QString day = date.toString(Qt::ISODate);
    // Characters a file name cannot hold do not come from the gauge, but a
    // serial number read badly must not reach into another folder.
    QString serial = serialNr.trimmed();
    serial.replace(QLatin1Char('/'), QLatin1Char('_'));
    return serial.isEmpty() ? day : serial + QLatin1Char('_') + day;
}

QString askSaveFileName(QWidget *parent, const QString &title, const QString &folder,
                        const QString &proposedName, const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposedName + QLatin1Char('.') + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    // A device or FIFO typed as it is named ("/dev/lp0") is written into,
    // not given a file beside it.
    const QFileInfo typed(chosen.left(chosen.size() - suffix.size() - 1));
    if (chosen.endsWith(QLatin1Char('.') + suffix) && !QFileInfo::exists(chosen) &&
        typed.exists() && !typed.isFile() && !typed.isDir())
        return typed.filePath();
    return chosen;
}
