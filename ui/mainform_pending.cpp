// The commands whose workflows are still to come: empty until then.
#include "ui/mainform.h"

// filled in by the deletion/export/report step
void Mainform::on_actionAlsPDFspeichern_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionSeiteEinrichten_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionDruckvorschau_triggered() {}

// filled in by the deletion/export/report step
void Mainform::printPreviewPaint(QPrinter *) {}

// filled in by the deletion/export/report step
void Mainform::on_actionDrucken_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionGewaehlteMessungloeschen_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionAlleMessungenloeschen_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionGewaehlteMessungexportieren_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionAlleMessungenexportieren_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionEinstellungen_triggered() {}

// filled in by the deletion/export/report step
void Mainform::on_actionInfo_triggered() {}

// filled in by the deletion/export/report step
void Mainform::deleteSelectedMeasurement() {}

// filled in by the deletion/export/report step
void Mainform::deleteAllMeasurements() {}
