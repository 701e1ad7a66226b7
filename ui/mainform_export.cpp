// CSV export of the selected or all measurements; the ExportWriter writes.
#include "ui/mainform.h"

#include "ui/archivebrowser.h"
#include "ui/exportwriter.h"

void Mainform::on_actionGewaehlteMessungexportieren_triggered()
{
    if (m_archiveBrowser->rowSelected()) {
        const DeviceData &shown = m_archiveBrowser->shown();
        if (shown.records.size() == 1)
            m_exportWriter->exportCsv(constRecords(shown.records), shown);
        return;
    }
    // Several selected rows go side by side, as an export of all does.
    const MeasurementSet selection = selectedSet();
    if (selection.records.size() >= 2) {
        m_exportWriter->exportCsv(selection.records, measurements);
        return;
    }
    if (Measurement *record = findMeasurement(measurements.records, currentMeasurementNumber()))
        m_exportWriter->exportCsv({record}, measurements);
}

void Mainform::on_actionAlleMessungenexportieren_triggered()
{
    if (m_archiveBrowser->rowSelected())
        m_archiveBrowser->exportGroup();
    else
        m_exportWriter->exportCsv(constRecords(measurements.records), measurements);
}
