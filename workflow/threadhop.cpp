#include "workflow/threadhop.h"

#include <QThread>
#include <memory>

struct ThreadHop::Call
{
    bool started = false;
    bool done = false;
    bool abandoned = false;
};

ThreadHop::ThreadHop() = default;

ThreadHop::~ThreadHop()
{
    close();
}

bool ThreadHop::run(const std::function<void()> &work)
{
    if (QThread::currentThread() == m_home.thread()) {
        work();
        return true;
    }
    auto call = std::make_shared<Call>();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_closed)
            return false;
    }
    // The work refers to the caller's stack: it runs only while the caller waits.
    QMetaObject::invokeMethod(
        &m_home,
        [this, call, work] {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (call->abandoned)
                    return;
                call->started = true;
            }
            work();
            std::lock_guard<std::mutex> lock(m_mutex);
            call->done = true;
            m_changed.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return call->done || (m_closed && !call->started); });
    if (!call->done)
        call->abandoned = true;
    return call->done;
}

void ThreadHop::reopen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = false;
}

void ThreadHop::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = true;
    m_changed.notify_all();
}
