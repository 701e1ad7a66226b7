#pragma once

#include "device/linktiming.h"
#include "measurement/devicedata.h"
#include "measurement/measurementset.h"
#include "ui/devicejob.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class AnalysisPanel;
class CommandStates;
class ArchiveBrowser;
class ArchiveServerStatus;
class ArchiveFilterBar;
class ConfigIni;
class ExportWriter;
class GroupEvaluationCommand;
class GaugeServices;
class MeasurementArchive;
class MeasurementPage;
class MeasurementTree;
class OverlayPlot;
class PlanEditor;
class PlotAnalysis;
class QErrorMessage;
class QItemSelection;
class QModelIndex;
class QPrinter;
class QStandardItemModel;
class QwtPlotCurve;
class ReportCommands;
class StatusIni;
struct EraseOutcome;

namespace Ui {
class MainForm;
}

// The program's only top-level window: the gauge and its measurements in a
// tree, the selected measurement's values and force/time curve, the menus and
// the transfer button: a shell that wires the window's components (the tree
// model, the measurement page, the analysis panel, the archive browser, the
// device job) to the workflow, and keeps its own geometry in the status file.
class Mainform : public QMainWindow
{
    Q_OBJECT

public:
    // The window works with `services` (which outlive it) and the config file.
    Mainform(ConfigIni *config, GaugeServices &services, const QString &versionText,
             QWidget *parent = nullptr);
    ~Mainform() override;

    Mainform(const Mainform &) = delete;
    Mainform &operator=(const Mainform &) = delete;

    // The number of the tree's current measurement; 0 for none or the device row.
    int currentMeasurementNumber() const;
    // 0 shows the device page; any other number that measurement.
    void showMeasurement(int number);

    // Replaces the link's time-outs and pauses (tests shorten them); ignored
    // while a device job runs.
    void setLinkTiming(const LinkTiming &timing);

    // A job on the gauge runs (on its own thread).
    bool deviceJobRunning() const { return m_job->isRunning(); }

    // Read access for the tests.
    Ui::MainForm *formUi() const { return ui.get(); }
    QStandardItemModel *model() const;
    DeviceData &deviceData() { return measurements; }
    QwtPlotCurve *plotCurve() const;
    QErrorMessage *errorWindow() const { return errorMessage.get(); }
    PlotAnalysis *plotAnalysis() const;
    OverlayPlot *overlayPlot() const;
    PlanEditor *planEditor() const { return m_planEditor; }
    MeasurementPage *measurementPage() const { return m_page.get(); }

    // The selected measurements (tree order) with the unit, the limits and
    // the label of their set: what the overlay, the statistics and the
    // exports of the selection work on.
    MeasurementSet selectedSet() const;
    MeasurementArchive *measurementArchive() const;
    ArchiveFilterBar *archiveFilter() const;
    // The "Archiv" row of the tree (invalid while the archive is closed).
    QModelIndex archiveIndex() const;

public slots:
    void on_buttonTransfer_clicked();
    void on_actionDatenUebertragen_triggered();
    void measSelected(const QModelIndex &current, const QModelIndex &previous);
    void clearStatusBar();
    void on_actionAlsPDFspeichern_triggered();
    void on_actionSeiteEinrichten_triggered();
    void on_actionDruckvorschau_triggered();
    void printPreviewPaint(QPrinter *previewPrinter);
    void on_actionDrucken_triggered();
    void on_actionGewaehlteMessungloeschen_triggered();
    void on_actionAlleMessungenloeschen_triggered();
    void on_actionGewaehlteMessungexportieren_triggered();
    void on_actionAlleMessungenexportieren_triggered();
    void on_actionEinstellungen_triggered();
    void on_actionInfo_triggered();
    // Analysis of the selection: zoom, reference, alignment, Excel export.
    void on_actionGesamtansicht_triggered();
    void on_actionReferenzFesthalten_toggled(bool pinned);
    void on_actionNichtAusrichten_triggered();
    void on_actionAmStartAusrichten_triggered();
    void on_actionAmMaximumAusrichten_triggered();
    void on_actionExcelExportieren_triggered();
    void on_actionDfqExportieren_triggered();
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void on_actionArchivImportieren_triggered();
    void archiveFilterChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Device jobs (DeviceJob): connect, the work, disconnect; then the
    // transfer an erase's operator asked for.
    void setUpDeviceJob();
    void runDeviceJob(const QString &progressText, bool withDialog, const DeviceJob::Work &work,
                      const DeviceJob::Done &done);
    // After a job: the transfer an erase's operator asked for.
    void transferIfRequested();
    void transferData();

    void resetTree();
    // The splitter between tree and page, and the keyboard's order.
    void setUpLayout();
    // The gauge's slots the selection covers, in tree order: what deleting
    // the selected measurements names and erases.
    QList<int> erasableSlotNumbers() const;
    void showEraseOutcome(const EraseOutcome &outcome, bool all);
    // Erases `slotNumbers` (all when empty) on the gauge's thread.
    void runErase(const QList<int> &slotNumbers, bool all);

    // The archive: every transfer kept, browsed under "Archiv" (ArchiveBrowser).
    void setUpArchive();
    // "Mit Prüfplan bewerten…" on the archive rows.
    void setUpGroupEvaluation();
    void setUpReports();
    void showArchivedRow(const QModelIndex &index);
    // "Kalibrierung…" (CalibrationDialog) for the current row's gauge.
    void setUpCalibrationCommand();
    void showCalibration();
    void showGaugeStudy();
    // The test plan editor beside the curve (PlanEditor), the plan's marks
    // in the tree and on the diagram.
    void setUpPlanEditor();

    // After the tree was rebuilt or emptied, which drops the current row
    // without a word to the selection: the page and the actions follow the
    // empty selection, and no erased or replaced measurement stays on screen.
    void showEmptySelection();

    // The analysis of the selection (AnalysisPanel).
    void setUpAnalysis();
    void updateAnalysis();

    QString versionText;
    bool firstShow = true;
    GaugeServices &m_services;
    ConfigIni *config;
    StatusIni *status;
    // What the window owns goes in the reverse order of these lines, after
    // the destructor has ended the job and let go of the tree: the reports
    // and the analysis before the page, the archive's parts, the model and
    // the error window.
    std::unique_ptr<Ui::MainForm> ui;
    std::unique_ptr<QErrorMessage> errorMessage;
    std::unique_ptr<MeasurementTree> treeModel;
    DeviceData measurements;
    std::unique_ptr<CommandStates> m_commands;
    std::unique_ptr<ArchiveBrowser> m_archiveBrowser;
    std::unique_ptr<ArchiveServerStatus> m_serverStatus;
    std::unique_ptr<MeasurementPage> m_page;
    std::unique_ptr<AnalysisPanel> m_analysisPanel;
    std::unique_ptr<ReportCommands> m_reports;
    // Children of the window (Qt's ownership).
    ExportWriter *m_exportWriter = nullptr;
    DeviceJob *m_job = nullptr;
    PlanEditor *m_planEditor = nullptr;
    GroupEvaluationCommand *m_groupEvaluation = nullptr;
    // An erase found measurements nobody has read and the operator wants them first.
    bool m_transferRequested = false;
};
