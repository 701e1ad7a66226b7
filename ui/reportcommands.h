#pragma once

#include "measurement/devicedata.h"
#include "measurement/measurementset.h"
#include "measurement/serieschart.h"

#include <QPrinter>
#include <QString>
#include <functional>

class PlotAnalysis;
class QErrorMessage;
class QwtPlot;
class StatusIni;

// Asks the operator for the designation of a report; cancelling gives an
// empty one (the report goes on).
QString askReportDesignation(QWidget *parent);

// The report commands: print, print preview, page setup and PDF file, of the
// measurement shown or of several selected ones.
class ReportCommands
{
public:
    // What the reports are made of, asked for at each command.
    struct Source
    {
        // The records the number is looked up in: the archived one shown, or the gauge's.
        std::function<const DeviceData &()> data;
        std::function<int()> number;
        std::function<MeasurementSet()> selection;
        // The designation typed in for the report of one measurement.
        std::function<void(const QString &)> storeDesignation;
        // The control chart of the series report: as the chart tab shows it.
        std::function<ChartSettings()> chartSettings;
    };

    ReportCommands(QWidget *window, QwtPlot *plot, PlotAnalysis *analysis, StatusIni *status,
                   QErrorMessage *errors, const Source &source);

    void savePdf();
    void setUpPage();
    // The preview asks `paint` for its pages.
    void preview(const std::function<void(QPrinter *)> &paint);
    void print();
    // A number without a record prints nothing; the preview then stays empty.
    void printTo(QPrinter *printer);

private:
    QWidget *m_window;
    QwtPlot *m_plot;
    PlotAnalysis *m_analysis;
    StatusIni *m_status;
    QErrorMessage *m_errors;
    Source m_source;
    QPrinter m_printer{QPrinter::HighResolution};
    QPrinter m_pdfPrinter{QPrinter::ScreenResolution};
};
