#pragma once

#include <QDate>
#include <QString>

class QWidget;

// The name a save dialog proposes: the gauge's serial number and the date,
// "5501_2026-12-08"; the date alone without a serial number.
QString proposedFileName(const QString &serialNr, const QDate &date = QDate::currentDate());

// Asks for a file to save in `folder`, proposing `proposedName`; a name typed
// without an extension gets `suffix`, so the file shows up under the filter
// it was saved with. Empty when cancelled.
QString askSaveFileName(QWidget *parent, const QString &title, const QString &folder,
                        const QString &proposedName, const QString &filter, const QString &suffix);
