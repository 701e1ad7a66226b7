#include "ui/archiveserverstatus.h"

#include "archive/archiveschema.h"
#include "archive/measurementarchive.h"
#include "archive/serveruploadcheck.h"
#include "workflow/workflowtexts.h"

#include <QAction>
#include <QErrorMessage>
#include <QLabel>
#include <QPushButton>
#include <QSqlDriver>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <utility>

namespace {

constexpr int kAnnouncementPauseMs = 200;

} // namespace

ArchiveServerStatus::ArchiveServerStatus(MeasurementArchive *archive, QStatusBar *bar,
                                         QAction *syncAction, QErrorMessage *errors,
                                         QObject *parent)
    : QObject(parent), m_archive(archive), m_field(new QLabel(bar)), m_syncAction(syncAction),
      m_errors(errors), m_announced(new QTimer(this))
{
    bar->addPermanentWidget(m_field);
    m_field->hide();
    m_announced->setSingleShot(true);
    m_announced->setInterval(kAnnouncementPauseMs);
    connect(m_announced, &QTimer::timeout, this, &ArchiveServerStatus::archiveChanged);
    connect(m_syncAction, &QAction::triggered, this, &ArchiveServerStatus::syncNow);
}

void ArchiveServerStatus::attach()
{
    listen();
    refresh();
    offerUpload();
}

ArchiveServerStatus::~ArchiveServerStatus()
{
    if (m_check) {
        m_cancelCheck->store(true);
        m_check->wait();
        delete m_check;
    }
}

void ArchiveServerStatus::offerUpload()
{
    if (m_offer || !m_archive->isOpen() || !m_archive->isOnServer() || !m_archive->isOnline())
        return;
    // Opened again while a look-up runs: its answer may be another server's.
    if (m_check) {
        m_checkAgain = true;
        return;
    }
    // The first check of a big file asks the server for every record: never
    // on the window's thread. Later ones ask only for newer records.
    const ServerCheckSource source = m_archive->serverCheckSource();
    const QString connection = QStringLiteral("tspx-upload-check-%1").arg(quintptr(this));
    auto count = std::make_shared<int>(0);
    std::shared_ptr<std::atomic<bool>> cancel = m_cancelCheck;
    m_check = QThread::create([source, connection, count, cancel] {
        ArchiveStatus read;
        const QList<qint64> ids = findNotOnServer(source, connection, read, cancel.get());
        *count = read.ok() && !cancel->load() ? ids.size() : 0;
    });
    connect(m_check, &QThread::finished, this, [this, count] {
        m_check->deleteLater();
        m_check = nullptr;
        if (std::exchange(m_checkAgain, false))
            offerUpload();
        else
            askToUpload(*count);
    });
    m_check->start();
}

void ArchiveServerStatus::askToUpload(int count)
{
    if (count == 0 || m_offer || !m_archive->isOnline())
        return;
    QWidget *window = m_field->window();
    m_offer = new QMessageBox(QMessageBox::Question, window->windowTitle(),
                              WorkflowText::notOnServerQuestion(count), QMessageBox::NoButton,
                              window);
    m_offer->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *upload = m_offer->addButton(tr("Hochladen"), QMessageBox::AcceptRole);
    m_offer->addButton(tr("Später"), QMessageBox::RejectRole);
    m_offer->setDefaultButton(upload);
    connect(upload, &QPushButton::clicked, this, &ArchiveServerStatus::uploadFromFile);
    // At start-up the window may not be shown yet.
    QMessageBox *offer = m_offer;
    QTimer::singleShot(0, offer, [window, offer] {
        if (window->isVisible())
            offer->open();
        else
            offer->deleteLater();
    });
}

void ArchiveServerStatus::uploadFromFile()
{
    const ArchiveStatus status = m_archive->queueNotOnServer();
    if (!status.ok() && m_archive->isOnline())
        m_errors->showMessage(WorkflowText::archiveProblem(status, m_archive->path()));
    syncNow();
}

void ArchiveServerStatus::listen()
{
    QSqlDriver *driver = m_archive->liveDriver();
    if (!driver || driver->subscribedToNotifications().contains(ArchiveSchema::kLiveChannel))
        return;
    driver->subscribeToNotification(QLatin1String(ArchiveSchema::kLiveChannel));
    connect(driver,
            QOverload<const QString &, QSqlDriver::NotificationSource, const QVariant &>::of(
                &QSqlDriver::notification),
            m_announced, QOverload<>::of(&QTimer::start));
}

void ArchiveServerStatus::refresh()
{
    const bool onServer = m_archive->isOpen() && m_archive->isOnServer();
    m_syncAction->setEnabled(onServer);
    m_field->setVisible(onServer);
    if (!onServer)
        return;
    const int waiting = m_archive->waitingCount();
    QString text = !m_archive->isOnline()      ? tr("Archivserver nicht erreichbar")
                   : m_archive->serverRefused() ? tr("Archivserver nimmt Messungen nicht an")
                                                : tr("Archivserver: %1").arg(m_archive->location());
    if (waiting > 0 || !m_archive->isOnline())
        text += QStringLiteral(" – ") + WorkflowText::waitingForServer(waiting);
    m_field->setText(text);
    m_field->setToolTip(m_archive->serverStatus().detail);
}

void ArchiveServerStatus::syncNow()
{
    int uploaded = 0;
    const ArchiveStatus status = m_archive->sync(&uploaded);
    if (!status.ok())
        m_errors->showMessage(m_archive->isOnline() ? WorkflowText::serverProblem(*m_archive)
                                                    : WorkflowText::serverNotInUse(
                                                          status, m_archive->location(),
                                                          m_archive->waitingCount()));
    listen();
    refresh();
    if (uploaded > 0)
        emit archiveChanged();
}
