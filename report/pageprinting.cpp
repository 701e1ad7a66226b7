#include "report/pageprinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

void printWithPageHead(QTextDocument &source, QPrinter *printer, const QString &pageHead)
{
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    // Laid out anew for the printer, as QTextDocument::print does.
    const std::unique_ptr<QTextDocument> copy(source.clone());
    QTextDocument &document = *copy;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    layout->setPaintDevice(printer);
    const int dpiY = printer->logicalDpiY();
    const int margin = int((2 / 2.54) * dpiY);
    // The layout takes the frame's margin in pixels of 96 dpi and scales it.
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * 96);
    document.rootFrame()->setFrameFormat(frame);
    const QRectF body(0, 0, printer->width(), printer->height());
    document.setPageSize(body.size());

    const QFont headFont = document.defaultFont();
    const QFontMetricsF metrics(headFont, printer);
    const int pageCount = document.pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            printer->newPage();
        painter.save();
        painter.translate(body.left(), body.top() - page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = body.translated(0, page * body.height());
        layout->draw(&painter, context);
        painter.restore();

        painter.save();
        painter.setFont(document.defaultFont());
        const QString number = QString::number(page + 1);
        const QFontMetricsF numberMetrics(document.defaultFont(), printer);
        painter.drawText(QPointF(body.width() - margin - numberMetrics.horizontalAdvance(number),
                                 body.height() - margin + numberMetrics.ascent() + 5 * dpiY / 72.0),
                         number);
        if (page > 0) {
            painter.setFont(headFont);
            const qreal baseline = margin - metrics.descent() - 5 * dpiY / 72.0;
            painter.drawText(
                QPointF(margin, baseline),
                metrics.elidedText(pageHead, Qt::ElideRight, body.width() - 2 * margin));
            painter.drawLine(QPointF(margin, baseline + metrics.descent() + 1),
                             QPointF(body.width() - margin, baseline + metrics.descent() + 1));
        }
        painter.restore();
    }
}
