#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the modal dialogs a command opens, the way an operator would, from
// the event loop the dialog runs. Either every dialog not met before is handed
// to one handler, or the dialogs are answered in the order of the steps: each
// step waits for an active modal widget of its class.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;
    struct Step
    {
        const char *className;
        Handler handler;
    };

    explicit ModalAnswerer(Handler handler);
    explicit ModalAnswerer(const QList<Step> &steps);

    // The class names of the dialogs answered, in order.
    QStringList seen() const { return m_seen; }
    // The steps no dialog turned up for.
    int pending() const { return m_steps.size(); }

private:
    void start();
    void poll();
    // The handler for `modal`, or none when it is not this answerer's to answer.
    Handler takeHandler(const QWidget *modal);

    Handler m_handler;
    QList<Step> m_steps;
    bool m_inOrder = false;
    QTimer m_poll;
    QList<QPointer<QWidget>> m_met;
    QStringList m_seen;
};
