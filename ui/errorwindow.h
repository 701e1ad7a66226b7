#pragma once

#include <QErrorMessage>

class QTextEdit;

// The window's error messages. Plain QErrorMessage shows them in a box a few
// words wide, so that a message of two lines needs its scroll bar; this one
// grows with each message up to a screenful of lines.
class ErrorWindow : public QErrorMessage
{
    Q_OBJECT

public:
    explicit ErrorWindow(QWidget *parent = nullptr);

private:
    void fitText();

    QTextEdit *m_text;
};
