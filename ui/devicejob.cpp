#include "ui/devicejob.h"

#include "device/protocol.h"
#include "workflow/gaugeworkflow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>
#include <QStatusBar>
#include <memory>

namespace {

QString mainformText(const char *text)
{
    return QCoreApplication::translate("Mainform", text);
}

} // namespace

DeviceJob::DeviceJob(QWidget *window, QStatusBar *statusBar)
    : QObject(window), m_window(window), m_statusBar(statusBar)
{
}

bool DeviceJob::start(GaugeWorkflow &workflow, const QString &progressText, bool withDialog,
                      const Work &work)
{
    if (m_running)
        return false;
    m_running = true;
    m_cancelled = false;
    emit runningChanged(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_statusBar->showMessage(
        mainformText(QT_TRANSLATE_NOOP("Mainform", "Verbindung zum Gerät wird hergestellt...")));
    // Painted now: the search blocks the event loop.
    m_statusBar->repaint();

    const bool isConnected = workflow.connect() == Protocol::kOk;
    emit connected(isConnected);
    if (isConnected)
        runConnected(workflow, progressText, withDialog, work);
    workflow.disconnect();

    QApplication::restoreOverrideCursor();
    m_statusBar->clearMessage();
    m_running = false;
    emit runningChanged(false);
    return isConnected;
}

bool DeviceJob::runConnected(GaugeWorkflow &workflow, const QString &progressText, bool withDialog,
                             const Work &work)
{
    m_statusBar->showMessage(progressText);
    // A dialog shows itself after a while once made: only a long job gets one.
    std::unique_ptr<QProgressDialog> dialog;
    if (withDialog) {
        dialog = std::make_unique<QProgressDialog>(
            progressText, mainformText(QT_TRANSLATE_NOOP("Mainform", "Abbrechen")), 0,
            Protocol::kSlotCount, m_window);
        dialog->setWindowModality(Qt::WindowModal);
    }
    work(workflow, [&](int done, int total) {
        emit progressChanged(done, total);
        if (dialog) {
            // A visible window-modal dialog lets the event loop run here.
            dialog->setMaximum(total);
            dialog->setValue(done);
            m_cancelled = m_cancelled || dialog->wasCanceled();
        }
        return !m_cancelled;
    });
    if (dialog)
        dialog->close();
    return !m_cancelled;
}
