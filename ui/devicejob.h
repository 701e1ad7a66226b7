#pragma once

#include "workflow/transferoutcome.h"

#include <QObject>
#include <QString>
#include <functional>

class GaugeWorkflow;
class QStatusBar;
class QWidget;

// One job on the gauge: connect, the work, disconnect, with the wait cursor,
// the status bar's texts and, for a long job, a window-modal progress dialog
// whose Cancel ends the work after the current step. One job at a time: a job
// started while another runs (from the dialog's event loop) is refused.
class DeviceJob : public QObject
{
    Q_OBJECT

public:
    // The work between connecting and disconnecting; `progress` drives the
    // dialog and returns false once the operator cancelled.
    using Work = std::function<void(GaugeWorkflow &workflow, const JobProgress &progress)>;

    DeviceJob(QWidget *window, QStatusBar *statusBar);

    bool isRunning() const { return m_running; }
    // Runs `work` on a connected gauge; `progressText` names the job in the
    // status bar and, when `withDialog`, in the progress dialog. False when
    // refused or when no gauge answered.
    bool start(GaugeWorkflow &workflow, const QString &progressText, bool withDialog,
               const Work &work);
    // Ends the running work after its current step.
    void cancel() { m_cancelled = true; }

signals:
    // A job starts or has ended (the window's commands follow).
    void runningChanged(bool running);
    // Connected, or no gauge answered.
    void connected(bool connected);
    void progressChanged(int done, int total);

private:
    bool runConnected(GaugeWorkflow &workflow, const QString &progressText, bool withDialog,
                      const Work &work);

    QWidget *m_window;
    QStatusBar *m_statusBar;
    bool m_running = false;
    bool m_cancelled = false;
};
