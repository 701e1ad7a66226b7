#include "workflow/gaugethread.h"

#include "workflow/threadhop.h"

EraseDecisions answeredOn(ThreadHop &hop, const EraseDecisions &decisions)
{
    EraseDecisions hopped;
    if (decisions.eraseOthersThanUnread)
        hopped.eraseOthersThanUnread = [&hop, decisions](const QList<int> &slotNumbers) {
            return runOn(&hop, false, [&] { return decisions.eraseOthersThanUnread(slotNumbers); });
        };
    if (decisions.unarchived)
        hopped.unarchived = [&hop, decisions](const QList<const Measurement *> &records) {
            return runOn(&hop, UnarchivedChoice::Stop,
                         [&] { return decisions.unarchived(records); });
        };
    if (decisions.archivedIncomplete)
        hopped.archivedIncomplete = [&hop, decisions](const QList<IncompleteCopy> &copies) {
            return runOn(&hop, IncompleteChoice::Stop,
                         [&] { return decisions.archivedIncomplete(copies); });
        };
    return hopped;
}

GaugeThread::GaugeThread(ThreadHop &hop) : m_hop(hop), m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("gauge"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

GaugeThread::~GaugeThread()
{
    endJob();
    m_thread.quit();
    m_thread.wait();
}

bool GaugeThread::start(const Job &job, QObject *context, const std::function<void()> &done)
{
    if (m_running)
        return false;
    m_running = true;
    m_cancelled = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobEnded = false;
    }
    QMetaObject::invokeMethod(
        m_worker,
        [this, job, context, done] {
            job([this](int step, int total) {
                return runOn(&m_hop, false, [&] {
                    emit progressChanged(step, total);
                    return !m_cancelled;
                });
            });
            QMetaObject::invokeMethod(
                context,
                [this, done] {
                    m_running = false;
                    done();
                },
                Qt::QueuedConnection);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_jobEnded = true;
            m_ended.notify_all();
        },
        Qt::QueuedConnection);
    return true;
}

void GaugeThread::endJob()
{
    if (!m_running)
        return;
    m_hop.close();
    cancel();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ended.wait(lock, [this] { return m_jobEnded; });
    }
    m_running = false;
    m_hop.reopen();
}
