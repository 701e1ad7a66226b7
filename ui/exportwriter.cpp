// Its texts keep the context they had in the window, "Mainform".
#include "ui/exportwriter.h"

#include "measurement/dblist.h"
#include "settings/statusini.h"
#include "ui/savefiledialog.h"

#include <QApplication>
#include <QErrorMessage>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

namespace {

// How long "Daten exportiert: …" stays in the status bar.
constexpr int kExportedMessageMs = 2000;

QString mainformText(const char *text)
{
    return QCoreApplication::translate("Mainform", text);
}

} // namespace

ExportWriter::ExportWriter(QWidget *window, QStatusBar *statusBar, StatusIni *status,
                           QErrorMessage *errors)
    : QObject(window), m_window(window), m_statusBar(statusBar), m_status(status), m_errors(errors)
{
}

void ExportWriter::exportCsv(const QList<const Measurement *> &list, const DeviceData &source)
{
    if (list.isEmpty()) {
        // Asking for a file and then reporting an export would mislead: no
        // file would be written.
        m_statusBar->showMessage(mainformText(
            QT_TRANSLATE_NOOP("Mainform", "Keine Messungen zum Exportieren vorhanden.")));
        startStatusClearTimer();
        return;
    }
    const DbList table(list, QString::fromLatin1(source.serialNr), source.forceUnitText,
                       source.forceUnitFactor);
    const QString fileName = askSaveFileName(
        m_window, mainformText(QT_TRANSLATE_NOOP("Mainform", "Daten exportieren")),
        m_status->lastExportListPath, proposedFileName(QString::fromLatin1(source.serialNr)),
        mainformText(QT_TRANSLATE_NOOP("Mainform", "CSV-Datei (*.CSV)")), QStringLiteral("CSV"));
    if (fileName.isEmpty())
        return;

    write(fileName,
          [&] { return table.exportListCSV(fileName, m_status->exportListCsvWithSepHeader); });
}

void ExportWriter::write(const QString &fileName, const std::function<int()> &write)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    m_statusBar->showMessage(
        mainformText(QT_TRANSLATE_NOOP("Mainform", "Daten werden exportiert...")));
    QCoreApplication::processEvents();

    const int result = write();
    m_status->lastExportListPath = QFileInfo(fileName).path();
    m_status->save();
    QApplication::restoreOverrideCursor();

    if (result == 0) {
        m_statusBar->showMessage(mainformText(QT_TRANSLATE_NOOP("Mainform", "Daten exportiert: %1"))
                                     .arg(QDir::toNativeSeparators(fileName)));
    } else {
        // The operator must not leave believing the data are saved.
        m_statusBar->showMessage(
            mainformText(QT_TRANSLATE_NOOP("Mainform", "Daten wurden nicht exportiert.")));
        m_errors->showMessage(
            mainformText(
                QT_TRANSLATE_NOOP("Mainform", "Die Datei '%1' konnte nicht geschrieben werden!"))
                .arg(fileName));
    }
    startStatusClearTimer();
}

void ExportWriter::startStatusClearTimer()
{
    if (!m_statusClearTimer) {
        m_statusClearTimer = new QTimer(this);
        m_statusClearTimer->setObjectName(QStringLiteral("statusClearTimer"));
        m_statusClearTimer->setSingleShot(true);
        m_statusClearTimer->setInterval(kExportedMessageMs);
        connect(m_statusClearTimer, &QTimer::timeout, m_statusBar,
                [this] { m_statusBar->showMessage(QString()); });
    }
    // A second export restarts it: its message gets the full time too.
    m_statusClearTimer->start();
}
