#pragma once

#include "measurement/serieschart.h"

#include <QString>
#include <functional>

struct DeviceData;
struct Measurement;
struct MeasurementSet;
class QPrinter;
class QwtPlot;
class StatusIni;

// How a report ended.
enum class ReportResult
{
    Printed,
    NoMeasurement, // no record with that number: nothing printed
    PdfNotWritten, // the PDF file could not be written
};

// The one-page report of a measurement: logo, header line, values, designation
// and the force/time diagram, printed as an HTML text document.
class ReportPrinter
{
public:
    // Asks for the designation printed in the report (the window: a dialog).
    using DesignationPrompt = std::function<QString()>;

    ReportPrinter(const DeviceData &device, const StatusIni &status, QwtPlot *plot);

    // Without a prompt the report has no designation.
    void setDesignationPrompt(DesignationPrompt prompt);
    // The control chart of the series report (default: I-MR of the maximum
    // force, Nelson rules); its within estimate gives Cp/Cpk too.
    void setChartSettings(const ChartSettings &settings);

    // Prints measurement `number` on the printer (print dialog and preview).
    ReportResult print(int number, QPrinter *printer);
    // Writes measurement `number` as PDF: sets the printer to PDF output, the
    // file name and 200 dpi, prints and checks that the file was written.
    ReportResult savePdf(int number, QPrinter *pdfPrinter, const QString &fileName);
    // The designation the operator gave for the last report.
    QString lastDesignation() const { return m_lastDesignation; }

    // The report of several measurements: their values and verdicts, the
    // diagram as the plot shows them (the overlay), their statistics and a
    // page with their control chart.
    ReportResult printSeries(const MeasurementSet &set, QPrinter *printer);
    ReportResult saveSeriesPdf(const MeasurementSet &set, QPrinter *pdfPrinter,
                               const QString &fileName);

private:
    ReportResult printOn(int number, QPrinter *printer, const QString &pdfFileName);
    ReportResult printSeriesOn(const MeasurementSet &set, QPrinter *printer,
                               const QString &pdfFileName);
    QString askDesignation() const;

    const DeviceData &m_device;
    const StatusIni &m_status;
    QwtPlot *m_plot;
    DesignationPrompt m_designationPrompt;
    mutable QString m_lastDesignation;
    ChartSettings m_chartSettings;
};

// The report's HTML down to the values table: logo and header line, heading,
// serial number, number, designation, date, time and the four forces.
QString reportValuesHtml(const DeviceData &device, const Measurement &record,
                         const QString &logoFragment, const QString &headerLine,
                         const QString &designation);

// The width given to the logo in the report's HTML for this printer.
int reportLogoWidth(const QPrinter &printer);
// The logo cell's image tag; empty when the file is missing or no image.
QString reportLogoFragment(const QString &logoFileName, const QPrinter &printer);

// The operator's message for a PDF file that could not be written (context "Mainform").
QString pdfNotWrittenMessage(const QString &fileName);
