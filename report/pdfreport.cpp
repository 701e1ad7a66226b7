#include "report/pdfreport.h"

#include "measurement/devicedata.h"
#include "plot/forceplot.h"

#include <QApplication>
#include <QPrinter>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

namespace {

// The diagram's size on screen in the window; the report scales it to the page.
constexpr int kPlotWidth = 640;
constexpr int kPlotHeight = 400;

} // namespace

ReportResult writeReportPdf(const DeviceData &data, const StatusIni &status, int slot,
                            const QString &fileName, const QString &designation)
{
    const Measurement *measurement = findMeasurement(data.records, slot);
    if (!measurement)
        return ReportResult::NoMeasurement;

    QwtPlot plot;
    plot.resize(kPlotWidth, kPlotHeight);
    const ForcePlotItems items = configureForcePlot(&plot, QApplication::font());
    showForceCurve(&plot, items.curve, *measurement, data.forceUnitFactor, data.forceUnitText);

    QPrinter printer(QPrinter::ScreenResolution);
    ReportPrinter report(data, status, &plot);
    report.setDesignationPrompt([designation] { return designation; });
    const ReportResult result = report.savePdf(slot, &printer, fileName);

    items.grid->detach();
    delete items.grid;
    items.curve->detach();
    delete items.curve;
    return result;
}
