#pragma once

#include "configfolder.h"
#include "simprocess.h"

#include <QByteArray>
#include <QList>
#include <QModelIndex>
#include <QString>
#include <QStringList>

#include <memory>

class ConfigIni;
class Mainform;
class StatusIni;
namespace Ui {
class MainForm;
}

// The real main window with a private config folder and, once started,
// tspx-sim behind COM4.
class WindowHarness
{
public:
    WindowHarness();
    ~WindowHarness();

    WindowHarness(const WindowHarness &) = delete;
    WindowHarness &operator=(const WindowHarness &) = delete;

    // Config folder, status file, the window shown. False on failure.
    bool setUp();
    // Writes `data` as the gauge's memory and starts it (a gauge running
    // before is stopped first).
    bool startGauge(const QByteArray &data, const QStringList &options = QStringList());
    void transfer();

    Mainform *window() const { return m_window.get(); }
    Ui::MainForm *ui() const { return m_ui; }
    StatusIni *status() const { return m_status.get(); }
    // A folder for the test's own files.
    QString folder() const { return m_configHome->path(); }
    QString filePath(const QString &name) const;

    QModelIndex deviceIndex() const;
    // The measurement numbers of the rows under the device row, top down.
    QList<int> rowNumbers() const;
    // 0 selects the device row.
    bool select(int number);
    // The text in the error window; empty while it is hidden.
    QString shownError() const;

private:
    std::unique_ptr<TemporaryConfigHome> m_configHome;
    std::unique_ptr<SimProcess> m_gauge;
    std::unique_ptr<ConfigIni> m_config;
    std::unique_ptr<StatusIni> m_status;
    std::unique_ptr<Mainform> m_window;
    Ui::MainForm *m_ui = nullptr;
};

// The gauge's memory: slots 3, 12 and 30, listed newest first as 12, 3, 30.
QByteArray threeMeasurements();
