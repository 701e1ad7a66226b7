#pragma once

#include "archive/measurementarchive.h"
#include "device/gaugesession.h"
#include "device/linktiming.h"
#include "settings/statusini.h"
#include "workflow/activeplan.h"
#include "workflow/gaugeworkflow.h"
#include "workflow/threadhop.h"

#include <memory>

class GaugeThread;

// What the window and the command line work with, made in one place and in
// the order of their needs: the status file (loaded), the archive (opened
// when first needed), the session with the gauge and the workflow over all
// three. Members go in reverse: the gauge's thread (if any) ends its job
// before the workflow, the session and the archive go. The thread that makes
// the services keeps the archive and the status file; the gauge's thread
// reaches them through `hop()`.
class GaugeServices
{
public:
    explicit GaugeServices(const LinkTiming &timing = LinkTiming());
    ~GaugeServices();

    GaugeServices(const GaugeServices &) = delete;
    GaugeServices &operator=(const GaugeServices &) = delete;

    StatusIni &status() { return m_status; }
    MeasurementArchive &archive() { return m_archive; }
    GaugeSession &session() { return *m_session; }
    GaugeWorkflow &workflow() { return *m_workflow; }
    ThreadHop &hop() { return m_hop; }
    // The test plan the window judges by (none at first).
    ActivePlan &activePlan() { return m_activePlan; }
    // The thread the window's jobs on the gauge run on; made on first use.
    GaugeThread &gaugeThread();

    // New time-outs and pauses (tests shorten them): a new session and
    // workflow. Ignored while a job runs on the gauge's thread.
    void setLinkTiming(const LinkTiming &timing);

private:
    ThreadHop m_hop;
    StatusIni m_status;
    MeasurementArchive m_archive;
    ActivePlan m_activePlan;
    std::unique_ptr<GaugeSession> m_session;
    std::unique_ptr<GaugeWorkflow> m_workflow;
    std::unique_ptr<GaugeThread> m_thread;
};
