#pragma once

#include "workflow/transferoutcome.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class GaugeServices;
class GaugeWorkflow;
class QProgressDialog;
class QStatusBar;
class QWidget;

// One job on the gauge: connect, the work, disconnect, run on the gauge's
// thread (GaugeThread) while the window stays responsive, with the wait
// cursor, the status bar's texts and, for a long job, a window-modal
// progress dialog whose Cancel ends the work before the next command. One
// job at a time: a job started while another runs is refused.
class DeviceJob : public QObject
{
    Q_OBJECT

public:
    // The work between connecting and disconnecting, on the gauge's thread:
    // it touches nothing of the window (questions go through the services'
    // hop). `progress` returns false once the operator cancelled.
    using Work = std::function<void(GaugeWorkflow &workflow, const JobProgress &progress)>;
    // Back on the window's thread after the job; `connected` when a gauge answered.
    using Done = std::function<void(bool connected)>;

    DeviceJob(QWidget *window, QStatusBar *statusBar, GaugeServices &services);
    // A running job is cancelled and waited for; its `done` does not run.
    ~DeviceJob() override;

    bool isRunning() const { return m_running; }
    // Starts `work` on the gauge's thread; `progressText` names the job in
    // the status bar and, when `withDialog`, in the progress dialog. False
    // when refused.
    bool start(const QString &progressText, bool withDialog, const Work &work, const Done &done);
    // Ends the running work before its next command.
    void cancel();
    // Ends the running job now and waits for it (the window closing).
    void end();

signals:
    // A job starts or has ended (the window's commands follow).
    void runningChanged(bool running);
    // Connected, or no gauge answered.
    void connected(bool connected);
    void progressChanged(int done, int total);
    // The connected gauge's calibration is overdue (or missing while asked for).
    void gaugeNoticed(const QString &note);

private:
    void showConnected(bool isConnected, const QString &progressText, bool withDialog);
    void showProgress(int done, int total);
    void finish(bool isConnected, const Done &done);

    QWidget *m_window;
    QStatusBar *m_statusBar;
    GaugeServices &m_services;
    std::unique_ptr<QProgressDialog> m_dialog;
    bool m_running = false;
};
