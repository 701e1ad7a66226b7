// The report command: the window's one-page report, written as PDF.
#include "cli/clirunner.h"

#include "measurement/devicedata.h"
#include "ui/forceplot.h"
#include "ui/report.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPrinter>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

namespace {

// The diagram's size on screen in the window; the report scales it to the page.
constexpr int kPlotWidth = 640;
constexpr int kPlotHeight = 400;

} // namespace

int writeCliReport(const DeviceData &data, const StatusIni &status, int slot,
                   const QString &fileName, const QString &designation, QIODevice &err)
{
    const Measurement *measurement = findMeasurement(data.records, slot);
    if (!measurement)
        return kExitCommunication;

    QwtPlot plot;
    plot.resize(kPlotWidth, kPlotHeight);
    const ForcePlotItems items = configureForcePlot(&plot, QApplication::font());
    showForceCurve(&plot, items.curve, *measurement, data.forceUnitFactor, data.forceUnitText);

    QPrinter printer(QPrinter::ScreenResolution);
    ReportPrinter report(data, status, &plot, nullptr);
    report.setDesignationPrompt([designation] { return designation; });
    const ReportResult result = report.savePdf(slot, &printer, fileName);

    items.grid->detach();
    delete items.grid;
    items.curve->detach();
    delete items.curve;

    if (result == ReportResult::Printed)
        return kExitOk;
    if (result == ReportResult::PdfNotWritten) {
        err.write(pdfNotWrittenMessage(fileName).toUtf8() + '\n');
        return kExitFile;
    }
    err.write(Cli::tr("Speicherplatz %1 ist leer.").arg(slot).toUtf8() + '\n');
    return kExitCommunication;
}
