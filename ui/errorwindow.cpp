#include "ui/errorwindow.h"

#include <QFontMetrics>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

// Wide enough for a file path and a sentence, narrow enough to read.
constexpr int kLineChars = 70;
// Longer messages (long lists of slots) scroll.
constexpr int kMostLines = 24;

} // namespace

ErrorWindow::ErrorWindow(QWidget *parent) : QErrorMessage(parent), m_text(findChild<QTextEdit *>())
{
    // QErrorMessage puts each message into its text view before it is shown.
    connect(m_text, &QTextEdit::textChanged, this, &ErrorWindow::fitText);
}

void ErrorWindow::fitText()
{
    const QFontMetrics metrics(m_text->font());
    const int frame = 2 * m_text->frameWidth();
    const int width = metrics.averageCharWidth() * kLineChars;
    QTextDocument *document = m_text->document();
    document->setTextWidth(width);
    const int height = std::min(static_cast<int>(std::ceil(document->size().height())),
                                metrics.lineSpacing() * kMostLines);
    m_text->setMinimumSize(width + frame, height + frame);
    resize(size().expandedTo(sizeHint()));
}
