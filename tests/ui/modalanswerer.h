#pragma once

#include <QApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the modal dialogs a command opens, the way an operator would: each
// time a dialog not met before is the active modal widget, it is handed to
// the handler once, from the event loop that dialog runs.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;

    explicit ModalAnswerer(Handler handler) : m_handler(std::move(handler))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_poll.start(10);
    }

    // The class names of the dialogs met, in order.
    QStringList seen() const { return m_seen; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_met.contains(modal))
            return;
        m_met.append(modal);
        m_seen.append(QString::fromLatin1(modal->metaObject()->className()));
        m_handler(modal);
    }

    Handler m_handler;
    QTimer m_poll;
    QList<QPointer<QWidget>> m_met;
    QStringList m_seen;
};
