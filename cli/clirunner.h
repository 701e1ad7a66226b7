#pragma once

#include "archive/measurementarchive.h"
#include "cli/cliargs.h"
#include "cli/clioutput.h"
#include "device/gaugesession.h"
#include "measurement/measurementset.h"
#include "settings/statusini.h"
#include "workflow/gaugeservices.h"
#include "workflow/gaugeworkflow.h"

#include <QString>

class QIODevice;
struct DeviceData;

// Runs one request of tspx-cli against the gauge: results on `out`, messages
// and progress on `err`. Uses the same settings folder as the window.
struct TestPlan;
struct PlanEvaluation;

class CliRunner
{
public:
    CliRunner(const CliRequest &request, QIODevice &out, QIODevice &err,
              const LinkTiming &timing = LinkTiming());

    // Shows "Speicherplatz n von 50" on `err` while the gauge is read.
    void setProgressShown(bool shown) { m_progressShown = shown; }

    // The exit code; kExitFile when standard output lost anything.
    int run();

private:
    int runCommand();
    int scan();
    int info();
    int list();
    int download();
    int erase();
    int report();
    int archive();
    int archiveList();
    int archiveSync();
    int archiveVerify();
    int stats();
    // stats --archive: the group the request's filter names, from the archive.
    int loadArchiveGroup(DeviceData &data);
    // The archive open for a group (a damaged one said); false when it is not.
    bool openArchiveForGroup();
    // The group's records and their ids, from the open archive; false (said) when unread.
    bool readArchiveGroup(DeviceData &data, QList<qint64> &ids);
    // cligauge.cpp: calibration records and the type-1 study.
    int gauge();
    int msaType1();
    // clievaluate.cpp: measurements judged by a test plan.
    int evaluate();
    // evaluate --archive: the group judged batch by batch.
    int evaluateArchive(PlanEvaluation &e);
    int writeEvaluation(const PlanEvaluation &e);
    // The plan of --plan: a file (kept in the archive) or a kept plan's name.
    int readPlan(TestPlan &plan);
    // stats and download: the plan of --plan (none without it) for requestedSet.
    int readRequestedPlan();
    // The gauge named by --serial, else the one connected; empty when none answers.
    QByteArray requestedSerialNr();
    // The archive open and usable for calibration records and studies.
    bool archiveForRecords();
    // Names the gauge whose calibration is overdue (or missing while asked for).
    void noteCalibration(const QByteArray &serialNr, const GaugeCalibration &calibration);

    // Connects on the given port or searches; tells why not.
    bool connectGauge();
    // False, with the message, when a read failed.
    bool readSucceeded(const TransferResult &result);
    int writeDownload(const DeviceData &data);
    // After a transfer: a damaged file moved aside, or records the server
    // refused, are named and make it exit 5; records kept for a server that
    // is away are named, exit 0.
    int archiveExitCode();
    // Names the empty slots asked for; false when there are none.
    bool namedEmptySlots(const QList<int> &slotNumbers);
    // The records read as a set with the stored limits (or those of the request).
    MeasurementSet requestedSet(const DeviceData &data) const;
    // Writes `bytes` to the output file or standard output.
    int writeOutput(const QByteArray &bytes);
    // The exit code and messages of an erase.
    int eraseExitCode(const EraseOutcome &outcome);
    JobProgress progress();
    void endProgress();
    void message(const QString &text);
    void error(const QString &text);

    CliRequest m_request;
    CheckedOutput m_out;
    QIODevice &m_err;
    // The window's services; here everything runs on the program's one thread.
    GaugeServices m_services;
    StatusIni &m_status;
    GaugeSession &m_session;
    MeasurementArchive &m_archive;
    GaugeWorkflow &m_workflow;
    std::shared_ptr<const TestPlan> m_plan; // --plan of stats and download
    bool m_progressShown = false;
    bool m_progressLineOpen = false;
};

// The report is the window's report; it needs the widgets library and a
// QApplication (the offscreen platform will do). Returns the exit code.
int writeCliReport(const DeviceData &data, const StatusIni &status, int slot,
                   const QString &fileName, const QString &designation, QIODevice &err);
