#pragma once

#include "configfolder.h"
#include "gaugefixtures.h"
#include "simprocess.h"

#include <QByteArray>
#include <QList>
#include <QModelIndex>
#include <QString>
#include <QStringList>

#include <memory>

class ConfigIni;
class GaugeServices;
class Mainform;
class StatusIni;
namespace Ui {
class MainForm;
}

// The real main window with a private settings folder and, once started,
// tspx-sim behind COM4, for the tests that drive the window like an operator.
class WindowHarness
{
public:
    WindowHarness();
    ~WindowHarness();

    WindowHarness(const WindowHarness &) = delete;
    WindowHarness &operator=(const WindowHarness &) = delete;

    // Settings folder, status file, the window shown. False on failure.
    bool setUp();
    // Writes `data` as the gauge's memory and starts it; a gauge running
    // before is stopped first.
    bool startGauge(const QByteArray &data, const QStringList &options = QStringList());
    // Starts a gauge with a generated memory (--seed, --slots, --samples).
    bool startGeneratedGauge(const QStringList &options);
    // Stops the gauge (its link goes with it); nothing when none runs.
    void stopGauge();
    // Short answer time-outs and pauses from now on (quickLinkTiming).
    void useQuickLink();
    // Presses the transfer button and waits until the job on the gauge is over.
    void transfer();
    // Lets the window's events run until the job on the gauge is over; false
    // when it did not end within `timeoutMs`.
    bool waitForJob(int timeoutMs = 600000);

    Mainform *window() const { return m_window.get(); }
    Ui::MainForm *ui() const { return m_ui; }
    StatusIni *status() const { return m_status; }
    GaugeServices *services() const { return m_services.get(); }
    // The running gauge, or null.
    SimProcess *gauge() const { return m_gauge.get(); }
    // The gauge's transcript; empty without a gauge.
    QList<QByteArray> traffic() const;
    // A folder for the test's own files (the settings folder's parent).
    QString folder() const { return m_configHome->path(); }
    QString filePath(const QString &name) const;

    QModelIndex deviceIndex() const;
    // The measurement numbers of the rows under the device row, top down.
    QList<int> rowNumbers() const;
    // The numbers of the records the window holds, in list order.
    QList<int> recordNumbers() const;
    // 0 selects the device row.
    bool select(int number);
    // The text in the error window; empty while it is hidden.
    QString shownError() const;

private:
    // Destroyed in reverse order: the window before the gauge and the folder.
    std::unique_ptr<TemporaryConfigHome> m_configHome;
    std::unique_ptr<SimProcess> m_gauge;
    std::unique_ptr<ConfigIni> m_config;
    std::unique_ptr<GaugeServices> m_services;
    StatusIni *m_status = nullptr;
    std::unique_ptr<Mainform> m_window;
    Ui::MainForm *m_ui = nullptr;
};
