#include "ui/devicejob.h"

#include "device/protocol.h"
#include "workflow/gaugeservices.h"
#include "workflow/gaugethread.h"
#include "workflow/gaugeworkflow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>
#include <QStatusBar>

namespace {

QString mainformText(const char *text)
{
    return QCoreApplication::translate("Mainform", text);
}

} // namespace

DeviceJob::DeviceJob(QWidget *window, QStatusBar *statusBar, GaugeServices &services)
    : QObject(window), m_window(window), m_statusBar(statusBar), m_services(services)
{
    connect(&m_services.gaugeThread(), &GaugeThread::progressChanged, this,
            &DeviceJob::showProgress);
    // Given on the gauge's thread while a job runs; shown on the window's.
    m_services.workflow().setGaugeNotice([this](const QString &note) {
        QMetaObject::invokeMethod(
            this, [this, note] { emit gaugeNoticed(note); }, Qt::QueuedConnection);
    });
}

DeviceJob::~DeviceJob()
{
    end();
    m_services.workflow().setGaugeNotice({});
}

void DeviceJob::end()
{
    if (!m_running)
        return;
    m_services.gaugeThread().endJob();
    m_dialog.reset();
    QApplication::restoreOverrideCursor();
    m_running = false;
}

void DeviceJob::cancel()
{
    if (m_running)
        m_services.gaugeThread().cancel();
}

bool DeviceJob::start(const QString &progressText, bool withDialog, const Work &work,
                      const Done &done)
{
    GaugeThread &thread = m_services.gaugeThread();
    if (m_running || thread.isRunning())
        return false;
    m_running = true;
    emit runningChanged(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_statusBar->showMessage(
        mainformText(QT_TRANSLATE_NOOP("Mainform", "Verbindung zum Gerät wird hergestellt...")));

    GaugeWorkflow &workflow = m_services.workflow();
    // Written by the worker before its end is posted; read after it.
    auto isConnected = std::make_shared<bool>(false);
    thread.start(
        [this, &workflow, work, isConnected, progressText,
         withDialog](const JobProgress &progress) {
            *isConnected = workflow.connect() == Protocol::kOk;
            const bool answered = *isConnected;
            QMetaObject::invokeMethod(
                this,
                [this, answered, progressText, withDialog] {
                    showConnected(answered, progressText, withDialog);
                },
                Qt::QueuedConnection);
            if (answered)
                work(workflow, progress);
            workflow.disconnect();
        },
        this, [this, isConnected, done] { finish(*isConnected, done); });
    return true;
}

void DeviceJob::showConnected(bool isConnected, const QString &progressText, bool withDialog)
{
    emit connected(isConnected);
    if (!isConnected || !m_running)
        return;
    m_statusBar->showMessage(progressText);
    // A dialog shows itself after a while once made: only a long job gets one.
    if (withDialog) {
        m_dialog = std::make_unique<QProgressDialog>(
            progressText, mainformText(QT_TRANSLATE_NOOP("Mainform", "Abbrechen")), 0,
            Protocol::kSlotCount, m_window);
        m_dialog->setWindowModality(Qt::WindowModal);
        connect(m_dialog.get(), &QProgressDialog::canceled, this, &DeviceJob::cancel);
    }
}

void DeviceJob::showProgress(int done, int total)
{
    if (!m_running)
        return;
    emit progressChanged(done, total);
    if (m_dialog) {
        m_dialog->setMaximum(total);
        m_dialog->setValue(done);
        if (m_dialog->wasCanceled())
            cancel();
    }
}

void DeviceJob::finish(bool isConnected, const Done &done)
{
    if (m_dialog)
        m_dialog->close();
    m_dialog.reset();
    done(isConnected);
    QApplication::restoreOverrideCursor();
    m_statusBar->clearMessage();
    m_running = false;
    emit runningChanged(false);
}
