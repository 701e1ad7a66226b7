#include "modalanswerer.h"

#include <QApplication>

namespace {
constexpr int kPollIntervalMs = 5;
}

ModalAnswerer::ModalAnswerer(Handler handler) : m_handler(std::move(handler))
{
    start();
}

ModalAnswerer::ModalAnswerer(const QList<Step> &steps) : m_steps(steps), m_inOrder(true)
{
    start();
}

void ModalAnswerer::start()
{
    connect(&m_poll, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_poll.start(kPollIntervalMs);
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || m_met.contains(modal))
        return;
    const Handler handler = takeHandler(modal);
    if (!handler)
        return;
    m_met.append(modal);
    m_seen.append(QString::fromLatin1(modal->metaObject()->className()));
    handler(modal);
}

ModalAnswerer::Handler ModalAnswerer::takeHandler(const QWidget *modal)
{
    if (!m_inOrder)
        return m_handler;
    if (m_steps.isEmpty() || !modal->inherits(m_steps.first().className))
        return Handler();
    return m_steps.takeFirst().handler;
}
