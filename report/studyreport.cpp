#include "report/studyreport.h"

#include "measurement/measurementset.h"
#include "plot/controlchartplot.h"
#include "plot/type1chartplot.h"
#include "report/report.h"
#include "report/reporthead.h"
#include "settings/statusini.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>
#include <functional>
#include <qwt_plot.h>
#include <qwt_plot_renderer.h>

namespace {

constexpr QSize kChartPixels(600, 420);

QImage chartImage(const std::function<void(QwtPlot *)> &draw)
{
    QwtPlot plot;
    plot.setCanvasBackground(Qt::white);
    plot.resize(kChartPixels);
    draw(&plot);
    QImage image(kChartPixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QwtPlotRenderer().render(&plot, &painter, QRectF(QPointF(0, 0), QSizeF(kChartPixels)));
    return image;
}

QString studyHtml(const StudyPage &page, const QString &logoFragment, const QString &headerLine)
{
    QString html = reportHead(logoFragment, headerLine);
    html += QStringLiteral("<h2>") + GaugeStudyText::title().toHtmlEscaped() +
            QStringLiteral("</h2>\n<p>") +
            QCoreApplication::translate("Mainform", "Seriennummer Gerät:").toHtmlEscaped() +
            QLatin1Char(' ') + QString::fromLatin1(page.serialNr).toHtmlEscaped() +
            QStringLiteral("</p>\n<table cellspacing='0' cellpadding='3' border='1' "
                           "style='border-collapse: collapse;'>\n");
    for (const auto &row : type1ResultRows(page.input, page.result, page.unitText))
        html += QStringLiteral("<tr><td>") + row.first.toHtmlEscaped() +
                QStringLiteral("</td><td align='right'>") + row.second.toHtmlEscaped() +
                QStringLiteral("</td></tr>\n");
    // The run chart and the histogram side by side: the page holds both.
    html += QStringLiteral("</table>\n<p>&nbsp;</p>\n<table><tr><td><img src='tspx:run' "
                           "width='320'></td><td><img src='tspx:histogram' width='320'></td>"
                           "</tr></table>\n</span>\n");
    return html;
}

} // namespace

bool writeStudyPdf(const StudyPage &page, const StatusIni &status, const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));

    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("tspx:run")),
                         chartImage([&](QwtPlot *plot) {
                             drawType1RunChart(plot, page.values, page.input, page.result,
                                               QStringLiteral("x / ") + page.unitText);
                         }));
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("tspx:histogram")),
                         chartImage([&](QwtPlot *plot) {
                             drawHistogram(plot, page.values, ForceLimits(),
                                           QStringLiteral("x / ") + page.unitText);
                         }));
    document.setHtml(studyHtml(page,
                               reportLogoFragment(status.printLogoFilename, printer),
                               QString::fromLatin1(status.printHeaderLine)));
    printer.setDocName(GaugeStudyText::title());
    document.print(&printer);
    const QFileInfo written(fileName);
    return written.isFile() && written.size() > 0;
}
