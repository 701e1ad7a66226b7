#pragma once

#include "archive/measurementarchive.h"
#include "cli/cliargs.h"
#include "cli/clioutput.h"
#include "device/gaugesession.h"
#include "settings/statusini.h"

#include <QString>

class QIODevice;
struct DeviceData;

// Runs one request of tspx-cli against the gauge: results on `out`, messages
// and progress on `err`. Uses the same settings folder as the window.
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

    // Connects on the given port or searches; tells why not.
    bool connectGauge();
    // Identity and the requested slots (all when none), newest first. False,
    // with a message, when a read failed; what was read stays in `data`.
    bool readMeasurements(DeviceData &data, const QList<int> &slotNumbers, bool withSamples);
    int writeDownload(const DeviceData &data);
    // Writes `bytes` to the output file or standard output.
    int writeOutput(const QByteArray &bytes);
    // Keeps a download in the window's archive, as every transfer there is.
    bool archiveDownload(const DeviceData &data);
    // Of the filled `slots`, those whose measurement the archive holds; all
    // of them while there is no archive file yet. False when a read failed.
    bool archivedSlots(const QByteArray &serialNr, const QList<int> &slots, QList<int> &archived);
    SessionProgress progress();
    void endProgress();
    void message(const QString &text);
    void error(const QString &text);

    CliRequest m_request;
    CheckedOutput m_out;
    QIODevice &m_err;
    StatusIni m_status;
    GaugeSession m_session;
    MeasurementArchive m_archive;
    bool m_progressShown = false;
    bool m_progressLineOpen = false;
};

// The report is the window's report; it needs the widgets library and a
// QApplication (the offscreen platform will do). Returns the exit code.
int writeCliReport(const DeviceData &data, const StatusIni &status, int slot,
                   const QString &fileName, const QString &designation, QIODevice &err);
