#pragma once

#include "measurement/devicedata.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QErrorMessage;
class QStatusBar;
class QTimer;
class StatusIni;

// Writes the window's export files: asks for the CSV file, runs the writing
// with the wait cursor and the status texts, remembers the folder and says
// when a file was not written.
class ExportWriter : public QObject
{
    Q_OBJECT

public:
    ExportWriter(QWidget *window, QStatusBar *statusBar, StatusIni *status, QErrorMessage *errors);

    // `source` gives the serial number and the unit.
    void exportCsv(const QList<const Measurement *> &list, const DeviceData &source);
    // Runs `write` (0: written).
    void write(const QString &fileName, const std::function<int()> &write);

private:
    // Clears the status bar a moment after an export's closing message.
    void startStatusClearTimer();

    QWidget *m_window;
    QStatusBar *m_statusBar;
    StatusIni *m_status;
    QErrorMessage *m_errors;
    QTimer *m_statusClearTimer = nullptr;
};
