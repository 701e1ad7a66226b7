#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <memory>

class MeasurementArchive;
class QAction;
class QErrorMessage;
class QLabel;
class QStatusBar;
class QThread;
class QTimer;

// The shared archive's state in the window: a status bar field that says
// whether the server is in use and how many measurements wait for it, the
// command that uploads them, and the server's announcements of measurements
// other stations archived, passed on as archiveChanged().
class ArchiveServerStatus : public QObject
{
    Q_OBJECT

public:
    ArchiveServerStatus(MeasurementArchive *archive, QStatusBar *bar, QAction *syncAction,
                        QErrorMessage *errors, QObject *parent = nullptr);
    // Stops a running check and waits for it.
    ~ArchiveServerStatus() override;

    // After the archive was opened (again): listens to its server and offers
    // to upload what the file kept before the server was set up.
    void attach();
    // After the archive was written: the waiting count may have changed.
    void refresh();
    void syncNow();

signals:
    void archiveChanged();

private:
    void listen();
    // Looks for them on a thread of its own, then asks.
    void offerUpload();
    // One question with the count, once the window is shown.
    void askToUpload(int count);
    void uploadFromFile();

    MeasurementArchive *m_archive;
    QLabel *m_field;
    QAction *m_syncAction;
    QErrorMessage *m_errors;
    // Announcements come one a record: the rows are rebuilt once per burst.
    QTimer *m_announced;
    // The open question, so that a second opening asks no second one.
    QPointer<QMessageBox> m_offer;
    // The running look-up of what the file kept before the server.
    QThread *m_check = nullptr;
    bool m_checkAgain = false;
    std::shared_ptr<std::atomic<bool>> m_cancelCheck = std::make_shared<std::atomic<bool>>(false);
};
