#pragma once

#include "workflow/eraserequest.h"
#include "workflow/transferoutcome.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

class ThreadHop;

// `decisions` asked on the hop's thread (the window's dialogs) while the
// erase on the gauge's thread waits; unanswered (the window going away),
// every question stops the erase.
EraseDecisions answeredOn(ThreadHop &hop, const EraseDecisions &decisions);

// The thread the gauge is worked on, one job at a time: the port search, a
// transfer, an erase. The job runs there; each progress step is handed to the
// starting thread through the hop (progressChanged is emitted there, so a
// Cancel pressed meanwhile is seen before the next slot), Cancel is also a
// flag the device layer reads before every command, and the job's end comes
// back to the starting thread.
class GaugeThread : public QObject
{
    Q_OBJECT

public:
    using Job = std::function<void(const JobProgress &progress)>;

    explicit GaugeThread(ThreadHop &hop);
    // Ends a running job (endJob) and the thread.
    ~GaugeThread() override;

    GaugeThread(const GaugeThread &) = delete;
    GaugeThread &operator=(const GaugeThread &) = delete;

    bool isRunning() const { return m_running; }
    // Runs `job` on the worker, then `done` on the thread of `context`
    // (dropped when `context` is gone); false (nothing started) while a job runs.
    bool start(const Job &job, QObject *context, const std::function<void()> &done);
    void cancel() { m_cancelled = true; }
    // Read by the device layer before every command.
    const std::atomic<bool> &cancelFlag() const { return m_cancelled; }
    // Cancels the running job and waits for it: calls it waits in on the
    // hop give up (the safe answers), its `done` does not run.
    void endJob();

signals:
    // `done` of `total` steps, emitted on the starting thread.
    void progressChanged(int done, int total);

private:
    ThreadHop &m_hop;
    QThread m_thread;
    QObject *m_worker;
    bool m_running = false;
    std::atomic<bool> m_cancelled{false};
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_jobEnded = true;
};
