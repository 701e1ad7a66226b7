#include "workflow/gaugeservices.h"

#include "workflow/gaugethread.h"

GaugeServices::GaugeServices(const LinkTiming &timing)
    : m_status("status"), m_session(std::make_unique<GaugeSession>(timing)),
      m_workflow(std::make_unique<GaugeWorkflow>(*m_session, m_archive, m_status, &m_hop))
{
    m_status.load();
}

GaugeServices::~GaugeServices()
{
    // The job ends before what it works with goes.
    m_thread.reset();
}

GaugeThread &GaugeServices::gaugeThread()
{
    if (!m_thread) {
        m_thread = std::make_unique<GaugeThread>(m_hop);
        m_session->setCancelFlag(&m_thread->cancelFlag());
    }
    return *m_thread;
}

void GaugeServices::setLinkTiming(const LinkTiming &timing)
{
    if (m_thread && m_thread->isRunning())
        return;
    m_workflow.reset();
    m_session = std::make_unique<GaugeSession>(timing);
    if (m_thread)
        m_session->setCancelFlag(&m_thread->cancelFlag());
    m_workflow = std::make_unique<GaugeWorkflow>(*m_session, m_archive, m_status, &m_hop);
}
