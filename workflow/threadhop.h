#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>

// Runs work on the thread that made the hop and waits for it: the gauge's
// worker thread reaches the archive's connection, the status file and the
// window's questions only through it. On that thread itself the work runs at
// once. Once closed (the owner going away), a waiting call gives up and no
// further work runs; the caller then takes its safe answer.
class ThreadHop
{
public:
    ThreadHop();
    ~ThreadHop();

    ThreadHop(const ThreadHop &) = delete;
    ThreadHop &operator=(const ThreadHop &) = delete;

    // False when the work did not run because the hop was closed.
    bool run(const std::function<void()> &work);
    // From the hop's own thread: calls waiting now and later give up.
    void close();
    // Takes calls again (after a job was ended through close()).
    void reopen();

private:
    struct Call;

    QObject m_home;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_closed = false;
};

// `work()` on the hop's thread, at once without a hop; `fallback` when the
// hop was closed before it ran.
template <typename T, typename Work> T runOn(ThreadHop *hop, T fallback, Work work)
{
    if (!hop)
        return work();
    T result = fallback;
    if (!hop->run([&] { result = work(); }))
        return fallback;
    return result;
}
