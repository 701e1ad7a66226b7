#include "report/report.h"

#include "measurement/devicedata.h"
#include "measurement/measurement.h"
#include "measurement/seriesstatistics.h"
#include "plot/controlchartplot.h"
#include "report/pageprinting.h"
#include "report/reporthead.h"
#include "report/seriesreport.h"
#include "settings/statusini.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextOption>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <qwt_plot.h>
#include <qwt_plot_renderer.h>

namespace {

constexpr double kLogoShareOfPaper = 0.33;
// The logo width was tuned on a screen of about this many dpi.
constexpr int kLogoTunedDpi = 92;
constexpr double kDiagramShareOfPaper = 0.7;
constexpr double kDiagramHeightRatio = 0.6666666666666666;
constexpr int kPdfResolution = 200;
constexpr const char *kDiagramFileName = "tspx_print.svg";
// The control chart page: the location chart, the dispersion chart and the
// histogram, each the diagram's width and this share of it high.
constexpr double kChartHeightRatio = 0.36;
constexpr const char *kDocumentName = "Tensimo Parl - #%0";
// QTextDocument::print() gives a printer without margins these, in millimetres...
constexpr double kPrintFallbackMarginMm = 2.0;
// ...and lays an unpaginated document out with this margin on each side, in centimetres.
constexpr double kPrintDocumentMarginCm = 2.0;

// An image file as the src of an <img> tag. Qt's HTML reader takes attribute
// values as they stand (it decodes no entities), so the characters that would
// end the quoted value or read as markup are percent-encoded in a file URL.
QString imageSource(const QString &fileName)
{
    QByteArray url = QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()).toEncoded();
    url.replace('&', "%26").replace('\'', "%27");
    return QString::fromLatin1(url);
}

QString valueRow(const QString &caption, const QString &value)
{
    return QStringLiteral("<tr><td>") + caption + QStringLiteral("</td><td>") + value +
           QStringLiteral("</td></tr>\n");
}

QString boldRow(const QString &caption, const QString &value)
{
    return QStringLiteral("<tr><td><b>") + caption + QStringLiteral("</b></td><td><b>") + value +
           QStringLiteral("</b></td></tr>\n");
}

QString forceText(float newtons, const DeviceData &device)
{
    return formatForce(newtons, device.forceUnitFactor) + QLatin1Char(' ') + device.forceUnitText;
}

// The resolution QTextDocument takes image sizes in: it enlarges them by the
// printer's resolution over this one.
int documentImageDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

// What QTextDocument::print() would do to a printer without margins, done
// beforehand so that the text width below is the one it prints with.
void applyPrintMargins(QPrinter *printer)
{
    const QMarginsF margins = printer->pageLayout().margins(QPageLayout::Millimeter);
    if (!margins.isNull())
        return;
    const double m = kPrintFallbackMarginMm;
    printer->setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

// The diagram's HTML width that fills the text width of the printed page.
int diagramHtmlWidth(const QPrinter &printer)
{
    const int margin = int(kPrintDocumentMarginCm / 2.54 * printer.logicalDpiX());
    const int textWidth = printer.width() - 2 * margin;
    return int(std::floor(double(textWidth) * documentImageDpi() / printer.logicalDpiY()));
}

bool renderDiagram(QwtPlot *plot, const QPrinter &printer, const QString &fileName)
{
    const int widthMm =
        qRound(printer.paperRect(QPrinter::Millimeter).width() * kDiagramShareOfPaper);
    const int heightMm = int(widthMm * kDiagramHeightRatio);
    QwtPlotRenderer renderer;
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
    renderer.renderDocument(plot, fileName, QStringLiteral("svg"), QSizeF(widthMm, heightMm),
                            printer.resolution());
    return QFileInfo(fileName).size() > 0;
}

// The chart page's three plots, drawn off-screen and rendered as SVG files
// into `folder`; their image tags, in page order.
QStringList renderChartImages(const SeriesChart &chart,
                              const QPrinter &printer, const QTemporaryDir &folder)
{
    const int widthMm =
        qRound(printer.paperRect(QPrinter::Millimeter).width() * kDiagramShareOfPaper);
    const int heightMm = int(widthMm * kChartHeightRatio);
    const int htmlWidth = diagramHtmlWidth(printer);
    QStringList images;
    for (int k = 0; k < 3; ++k) {
        QwtPlot plot;
        plot.setCanvasBackground(Qt::white);
        if (k < 2)
            drawControlChart(&plot, chart, k == 0 ? ChartPart::Location : ChartPart::Dispersion);
        else
            drawHistogram(&plot, chart.values, chart.quantity.limits, chart.quantity.label(),
                          chart.quantity.spreadDecimals());
        const QString file = folder.filePath(QStringLiteral("tspx_chart%1.svg").arg(k));
        QwtPlotRenderer renderer;
        renderer.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
        renderer.renderDocument(&plot, file, QStringLiteral("svg"), QSizeF(widthMm, heightMm),
                                printer.resolution());
        if (QFileInfo(file).size() > 0)
            images << QStringLiteral("<img src='%0' width='%1' alt='' border=0 />")
                          .arg(imageSource(file))
                          .arg(htmlWidth);
    }
    return images;
}

// Opening the target first catches a folder in its place or a missing folder:
// QTextDocument::print() reports no error.
bool canWrite(const QString &fileName)
{
    QFile probe(fileName);
    return probe.open(QIODevice::WriteOnly);
}

bool isWritten(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() && info.size() > 0;
}

QString reportDiagramHtml(const QString &diagramFileName, int width)
{
    QString html = QStringLiteral("<p>&nbsp;</p>\n<p>&nbsp;</p>\n");
    html += QStringLiteral("<p><img src='%0' width='%1' alt='' border=0 /></p>\n")
                .arg(imageSource(diagramFileName))
                .arg(width);
    return html;
}

} // namespace

QString reportValuesHtml(const DeviceData &device, const Measurement &record,
                         const QString &logoFragment, const QString &headerLine,
                         const QString &designation)
{
    const QString emptyRow = QStringLiteral("<tr><td>&nbsp;</td><td></td></tr>\n");
    QString html = reportHead(logoFragment, headerLine);
    html += QStringLiteral("<table width='100%'>\n");
    html += QStringLiteral("<tr><td width='30%'>&nbsp;</td><td width='70%'>&nbsp;</td></tr>\n");
    html += valueRow(QCoreApplication::translate("Mainform", "Seriennummer Gerät:"),
                     QString::fromLatin1(device.serialNr).toHtmlEscaped());
    html += emptyRow;
    html += boldRow(QCoreApplication::translate("Mainform", "Messung-Nr:"),
                    QString::number(record.number));
    html += boldRow(QCoreApplication::translate("Mainform", "Bezeichnung:"),
                    designation.toHtmlEscaped());
    html += emptyRow;
    html += valueRow(QCoreApplication::translate("Mainform", "Datum:"),
                     formatMeasurementDate(record.dateText));
    html += valueRow(QCoreApplication::translate("Mainform", "Zeit:"),
                     formatMeasurementTime(record.timeText));
    const QString mark = calibrationMarkText(calibrationMarkOf(record, device.calibration));
    if (!mark.isEmpty())
        html += boldRow(GaugeCalibrationText::tr("Kalibrierung:"), mark.toHtmlEscaped());
    html += valueRow(QCoreApplication::translate("Mainform", "Startkraft:"),
                     forceText(record.forceStart, device));
    html += valueRow(QCoreApplication::translate("Mainform", "Maximalkraft:"),
                     forceText(record.forceMax, device));
    html += valueRow(QCoreApplication::translate("Mainform", "Endkraft:"),
                     forceText(record.forceEnd, device));
    html += valueRow(QCoreApplication::translate("Mainform", "Mittelwert der Kraft:"),
                     forceText(record.forceAvg, device));
    html += QStringLiteral("</table>\n</span>\n");
    return html;
}

int reportLogoWidth(const QPrinter &printer)
{
    const int width = qRound(printer.paperRect(QPrinter::DevicePixel).width() * kLogoShareOfPaper);
    // Below 92 dpi the divisor would be 0.
    const int divisor = std::max(1, printer.resolution() / kLogoTunedDpi);
    return width / divisor;
}

QString reportLogoFragment(const QString &logoFileName, const QPrinter &printer)
{
    if (logoFileName.isEmpty() || !QFile::exists(logoFileName))
        return QString();
    if (QImage(logoFileName).isNull())
        return QString();
    return QStringLiteral("<img src='%0' width='%1' alt='' border=0 />")
        .arg(imageSource(logoFileName))
        .arg(reportLogoWidth(printer));
}

QString pdfNotWrittenMessage(const QString &fileName)
{
    return QCoreApplication::translate("Mainform",
                                       "Die PDF-Datei \"%1\" konnte nicht geschrieben werden.")
        .arg(fileName);
}

ReportPrinter::ReportPrinter(const DeviceData &device, const StatusIni &status, QwtPlot *plot)
    : m_device(device), m_status(status), m_plot(plot)
{
}

void ReportPrinter::setChartSettings(const ChartSettings &settings)
{
    m_chartSettings = settings;
}

void ReportPrinter::setDesignationPrompt(DesignationPrompt prompt)
{
    m_designationPrompt = std::move(prompt);
}

ReportResult ReportPrinter::print(int number, QPrinter *printer)
{
    return printOn(number, printer, QString());
}

ReportResult ReportPrinter::savePdf(int number, QPrinter *pdfPrinter, const QString &fileName)
{
    pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
    pdfPrinter->setOutputFileName(fileName);
    pdfPrinter->setResolution(kPdfResolution);
    return printOn(number, pdfPrinter, fileName);
}

QString ReportPrinter::askDesignation() const
{
    m_lastDesignation = m_designationPrompt ? m_designationPrompt() : QString();
    return m_lastDesignation;
}

ReportResult ReportPrinter::printOn(int number, QPrinter *printer, const QString &pdfFileName)
{
    const QString logoFragment = reportLogoFragment(m_status.printLogoFilename, *printer);
    const QString designation = askDesignation();
    // A record without samples still has its values: it gets the page with
    // an empty diagram (the plot shows no curve for it).
    const Measurement *record = findMeasurement(m_device.records, number);
    if (!record)
        return ReportResult::NoMeasurement;
    if (!pdfFileName.isEmpty() && !canWrite(pdfFileName))
        return ReportResult::PdfNotWritten;

    applyPrintMargins(printer);
    QString html = reportValuesHtml(m_device, *record, logoFragment,
                                    QString::fromLatin1(m_status.printHeaderLine), designation);
    // A private folder: no other program can read or replace the diagram meanwhile.
    QTemporaryDir diagramFolder;
    const QString diagramFile = diagramFolder.filePath(QString::fromLatin1(kDiagramFileName));
    if (diagramFolder.isValid() && renderDiagram(m_plot, *printer, diagramFile))
        html += reportDiagramHtml(diagramFile, diagramHtmlWidth(*printer));

    QTextDocument document;
    document.setHtml(html);
    printer->setDocName(QString::fromLatin1(kDocumentName).arg(number));
    document.print(printer);
    QFile::remove(diagramFile);

    if (!pdfFileName.isEmpty() && !isWritten(pdfFileName))
        return ReportResult::PdfNotWritten;
    return ReportResult::Printed;
}

ReportResult ReportPrinter::printSeries(const MeasurementSet &set, QPrinter *printer)
{
    return printSeriesOn(set, printer, QString());
}

ReportResult ReportPrinter::saveSeriesPdf(const MeasurementSet &set, QPrinter *pdfPrinter,
                                          const QString &fileName)
{
    pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
    pdfPrinter->setOutputFileName(fileName);
    pdfPrinter->setResolution(kPdfResolution);
    return printSeriesOn(set, pdfPrinter, fileName);
}

ReportResult ReportPrinter::printSeriesOn(const MeasurementSet &set, QPrinter *printer,
                                          const QString &pdfFileName)
{
    const QString logoFragment = reportLogoFragment(m_status.printLogoFilename, *printer);
    const QString designation = askDesignation();
    if (set.records.isEmpty())
        return ReportResult::NoMeasurement;
    if (!pdfFileName.isEmpty() && !canWrite(pdfFileName))
        return ReportResult::PdfNotWritten;

    applyPrintMargins(printer);
    const SeriesReportHtml parts =
        seriesReportHtml(set, computeSeriesStatistics(set, m_chartSettings.withinSpread()),
                         logoFragment,
                         QString::fromLatin1(m_status.printHeaderLine), designation);
    QString html = parts.values;
    QTemporaryDir diagramFolder;
    const QString diagramFile = diagramFolder.filePath(QString::fromLatin1(kDiagramFileName));
    if (diagramFolder.isValid() && renderDiagram(m_plot, *printer, diagramFile))
        html += reportDiagramHtml(diagramFile, diagramHtmlWidth(*printer));
    html += parts.statistics;
    const SeriesChart chart = seriesChart(set, m_chartSettings);
    if (diagramFolder.isValid())
        html += seriesChartHtml(chart, renderChartImages(chart, *printer, diagramFolder));

    QTextDocument document;
    // Words never break inside (a narrow column's title).
    QTextOption wrapAtWords = document.defaultTextOption();
    wrapAtWords.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(wrapAtWords);
    document.setHtml(html);
    printer->setDocName(QString::fromLatin1(kDocumentName).arg(seriesDocumentNumbers(set)));
    // A page the measurements' table or the diagram goes on to names the series too.
    printWithPageHead(document, printer, seriesPageHead(set, designation));
    QFile::remove(diagramFile);

    if (!pdfFileName.isEmpty() && !isWritten(pdfFileName))
        return ReportResult::PdfNotWritten;
    return ReportResult::Printed;
}
