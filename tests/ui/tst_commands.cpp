// The main window's file, report and dialog commands against tspx-sim: CSV
// export and PDF through the real save dialog, print, preview and page setup,
// the settings and info dialogs.
#include "modalanswerer.h"
#include "devicenodes.h"
#include "windowharness.h"

#include "settings/statusini.h"
#include "ui/infodialog.h"
#include "ui/mainform.h"
#include "ui/settingsdialog.h"
#include "ui_mainform.h"

#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include <memory>
#include <unistd.h>

namespace {

struct SaveDialogSeen
{
    QString caption;
    QString directory;
    QStringList nameFilters;
    QString selectedNameFilter;
    QString proposedName;
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

// A regular file where a folder is expected: nothing can be written below it.
bool makeBlocker(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

QString pdfText(const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Targets that cannot be written: below a regular file, the full device
// (opens, but every write fails), and a folder without write permission.
void blockedTargets()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("below a file") << "below a file";
    QTest::newRow("device full") << "device full";
    QTest::newRow("read-only folder") << "read-only folder";
}

bool hasValueLine(const QString &text, const QString &caption, const QString &value)
{
    const QRegularExpression line(QStringLiteral("^\\s*") + QRegularExpression::escape(caption) +
                                      QStringLiteral("\\s+") + QRegularExpression::escape(value) +
                                      QStringLiteral("\\s*$"),
                                  QRegularExpression::MultilineOption);
    return line.match(text).hasMatch();
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void exportingAllWritesTheChosenFile();
    void exportingTheSelectedWritesOnlyItsColumn();
    void exportToABlockedPathReportsTheError_data();
    void exportToABlockedPathReportsTheError();
    void exportOfTheDeviceRowOrACancelledDialogDoesNothing();
    void exportOfAnEmptyListSaysThereIsNothingToExport();

    void pdfOfTheSelectedMeasurement();
    void pdfToABlockedPathReportsTheError_data();
    void pdfToABlockedPathReportsTheError();
    void pdfWithoutMeasurementWritesNoFile();

    void previewPaintsTheSelectedMeasurement_data();
    void previewPaintsTheSelectedMeasurement();
    void rejectedPrintDialogPrintsNothing();
    void pageSetupIsWindowModalOnTheWindow();

    void settingsDialogRunsModallyOnTheWindowsStatus();
    void infoDialogShowsTheVersionAndCloses();

private:
    void transferAndSelect(int number);
    // The target of a blocked-path case: `kind` from blockedTargets().
    QString blockedTarget(const QString &kind, const QString &fileName);
    void recordStatusTexts();
    // Answers the save dialog with `fileName` (or cancels it for an empty
    // one) and the designation prompt with `designation`.
    std::unique_ptr<ModalAnswerer> answerSaveDialog(const QString &fileName,
                                                    const QString &designation = QString());

    std::unique_ptr<WindowHarness> m_harness;
    Mainform *m_window = nullptr;
    Ui::MainForm *ui = nullptr;
    SaveDialogSeen m_saveDialog;
    QStringList m_statusTexts;
};

void TestCommands::initTestCase()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("poppler-utils are not installed");
}

void TestCommands::init()
{
    m_harness = std::make_unique<WindowHarness>();
    QVERIFY(m_harness->setUp());
    m_window = m_harness->window();
    ui = m_harness->ui();
    m_saveDialog = SaveDialogSeen();
    m_statusTexts.clear();
}

void TestCommands::cleanup()
{
    m_harness.reset();
}

void TestCommands::transferAndSelect(int number)
{
    QVERIFY(m_harness->startGauge(threeMeasurements()));
    m_harness->transfer();
    QCOMPARE(m_harness->rowNumbers(), QList<int>({12, 3, 30}));
    QVERIFY(m_harness->select(number));
}

void TestCommands::recordStatusTexts()
{
    connect(m_window->statusBar(), &QStatusBar::messageChanged, this,
            [this](const QString &text) { m_statusTexts << text; });
}

std::unique_ptr<ModalAnswerer> TestCommands::answerSaveDialog(const QString &fileName,
                                                              const QString &designation)
{
    return std::make_unique<ModalAnswerer>([=](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            input->setTextValue(designation);
            input->accept();
            return;
        }
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files) {
            dialog->close();
            return;
        }
        auto *nameEdit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        m_saveDialog = {files->windowTitle(), files->directory().absolutePath(),
                        files->nameFilters(), files->selectedNameFilter(), nameEdit->text()};
        if (fileName.isEmpty() || files->acceptMode() != QFileDialog::AcceptSave) {
            files->reject();
            return;
        }
        // As if the operator confirmed replacing a file that exists.
        files->setOption(QFileDialog::DontConfirmOverwrite);
        nameEdit->setText(fileName);
        // As the Save button does (QFileDialog::accept is not public).
        static_cast<QDialog *>(files)->accept();
    });
}

void TestCommands::exportingAllWritesTheChosenFile()
{
    transferAndSelect(3);
    const QString startFolder = m_harness->filePath("start");
    // Outside Latin-1: the folder must come back as it was chosen.
    const QString targetFolder = m_harness->filePath(QStringLiteral("Экспорт"));
    QVERIFY(makeFolder(startFolder) && makeFolder(targetFolder));
    m_harness->status()->lastExportListPath = startFolder;
    recordStatusTexts();
    const QString target = targetFolder + "/messungen.CSV";
    const auto answerer = answerSaveDialog(target);

    ui->actionAlleMessungenexportieren->trigger();

    QCOMPARE(answerer->seen(), QStringList({"QFileDialog"}));
    QCOMPARE(m_saveDialog.caption, QStringLiteral("Daten exportieren"));
    QCOMPARE(m_saveDialog.directory, startFolder);
    QCOMPARE(m_saveDialog.nameFilters, QStringList({"CSV-Datei (*.CSV)"}));
    QCOMPARE(m_saveDialog.selectedNameFilter, QStringLiteral("CSV-Datei (*.CSV)"));

    const QByteArray csv = readFile(target);
    // Rates 10, 100 and 50 Hz: each measurement has its own time column.
    QVERIFY2(csv.startsWith("sep=,\r\n\"Tensimo Parl\",\"\",\"\",\"\",\"\",\"\"\r\n"),
             csv.left(200));
    QVERIFY(csv.contains("\r\n\"Messung-Nr:\",\"12\",\"\",\"3\",\"\",\"30\"\r\n"));
    QVERIFY(csv.contains("\r\n\"0.000\",\"0.5\",\"0.000\",\"1.0\",\"0.000\",\"3.0\"\r\n"));
    QCOMPARE(m_statusTexts, QStringList({"Daten werden exportiert...", "Daten exportiert: " + target}));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_harness->shownError(), QString());

    QCOMPARE(m_harness->status()->lastExportListPath, targetFolder);
    StatusIni saved("status");
    QCOMPARE(saved.load(), 0);
    QCOMPARE(saved.lastExportListPath, targetFolder);

    auto *clearTimer = m_window->findChild<QTimer *>(QStringLiteral("statusClearTimer"));
    QVERIFY(clearTimer);
    QVERIFY(clearTimer->isActive());
    QVERIFY(clearTimer->isSingleShot());
    QCOMPARE(clearTimer->interval(), 2000);
    // Its connection, without waiting the two seconds.
    clearTimer->start(0);
    QTRY_COMPARE(m_window->statusBar()->currentMessage(), QString());
}

void TestCommands::exportingTheSelectedWritesOnlyItsColumn()
{
    transferAndSelect(30);
    const QString target = m_harness->filePath("eine.CSV");
    const auto answerer = answerSaveDialog(target);

    ui->actionGewaehlteMessungexportieren->trigger();

    const QByteArray csv = readFile(target);
    QVERIFY(csv.contains("\r\n\"Messung-Nr:\",\"30\"\r\n"));
    QVERIFY2(csv.endsWith("\r\n\"0.000\",\"3.0\"\r\n\"0.020\",\"3.5\"\r\n"), csv);
    QCOMPARE(m_window->statusBar()->currentMessage(), "Daten exportiert: " + target);
}

QString TestCommands::blockedTarget(const QString &kind, const QString &fileName)
{
    if (kind == QLatin1String("device full")) {
        const QString full = m_harness->filePath("full");
        return makeCharDevice(full, 1, 7) ? full : QString();
    }
    if (kind == QLatin1String("read-only folder")) {
        if (::geteuid() == 0)
            return QString(); // root writes there all the same
        const QString folder = m_harness->filePath("readonly");
        if (!makeFolder(folder) ||
            !QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner))
            return QString();
        return folder + '/' + fileName;
    }
    const QString blocker = m_harness->filePath("blocker");
    return makeBlocker(blocker) ? blocker + '/' + fileName : QString();
}

void TestCommands::exportToABlockedPathReportsTheError_data()
{
    blockedTargets();
}

void TestCommands::exportToABlockedPathReportsTheError()
{
    QFETCH(QString, kind);
    transferAndSelect(3);
    const QString target = blockedTarget(kind, "messungen.CSV");
    if (target.isEmpty())
        QSKIP("no such target here (root writes into read-only folders)");
    recordStatusTexts();
    const auto answerer = answerSaveDialog(target);

    ui->actionAlleMessungenexportieren->trigger();

    QCOMPARE(answerer->seen(), QStringList({"QFileDialog"}));
    QCOMPARE(m_harness->shownError(),
             QStringLiteral("Die Datei '%1' konnte nicht geschrieben werden!").arg(target));
    QVERIFY(!m_statusTexts.contains("Daten exportiert: " + target));
    QCOMPARE(m_window->statusBar()->currentMessage(),
             QStringLiteral("Daten wurden nicht exportiert."));
    QVERIFY(!QApplication::overrideCursor());
}

void TestCommands::exportOfTheDeviceRowOrACancelledDialogDoesNothing()
{
    transferAndSelect(0);
    m_harness->status()->lastExportListPath = m_harness->folder();
    recordStatusTexts();
    {
        // The action is disabled on the device row; its slot is called directly.
        const auto answerer = answerSaveDialog(QString());
        m_window->on_actionGewaehlteMessungexportieren_triggered();
        QCOMPARE(answerer->seen(), QStringList());
    }
    {
        const auto answerer = answerSaveDialog(QString());
        ui->actionAlleMessungenexportieren->trigger();
        QCOMPARE(answerer->seen(), QStringList({"QFileDialog"}));
    }
    QCOMPARE(m_statusTexts, QStringList());
    QCOMPARE(QDir(m_harness->folder()).entryList({"*.CSV"}, QDir::Files), QStringList());
    QCOMPARE(m_harness->status()->lastExportListPath, m_harness->folder());
    QVERIFY(!m_window->findChild<QTimer *>(QStringLiteral("statusClearTimer")));
}

void TestCommands::exportOfAnEmptyListSaysThereIsNothingToExport()
{
    QVERIFY(m_harness->startGeneratedGauge({"--empty"}));
    m_harness->transfer();
    QVERIFY(m_harness->select(0));
    QVERIFY(ui->actionAlleMessungenexportieren->isEnabled());
    m_harness->status()->lastExportListPath = m_harness->folder();
    recordStatusTexts();
    const auto answerer = answerSaveDialog(m_harness->filePath("leer.CSV"));

    ui->actionAlleMessungenexportieren->trigger();

    // No file to ask for, none written, and no word of an export.
    QCOMPARE(answerer->seen(), QStringList());
    QCOMPARE(m_statusTexts, QStringList({"Keine Messungen zum Exportieren vorhanden."}));
    QCOMPARE(QDir(m_harness->folder()).entryList({"*.CSV"}, QDir::Files), QStringList());
    QCOMPARE(m_harness->status()->lastExportListPath, m_harness->folder());
    QCOMPARE(m_harness->shownError(), QString());
    QVERIFY(!QApplication::overrideCursor());
}

void TestCommands::pdfOfTheSelectedMeasurement()
{
    transferAndSelect(3);
    const QString startFolder = m_harness->filePath("start");
    const QString targetFolder = m_harness->filePath(QStringLiteral("Отчёты PDF"));
    QVERIFY(makeFolder(startFolder) && makeFolder(targetFolder));
    m_harness->status()->lastFilePath = startFolder;
    // Typed without an extension, the name gets the filter's.
    const auto answerer = answerSaveDialog(targetFolder + "/bericht", "Probe 17");
    const QString target = targetFolder + "/bericht.pdf";

    ui->actionAlsPDFspeichern->trigger();

    QCOMPARE(answerer->seen(), QStringList({"QFileDialog", "QInputDialog"}));
    QCOMPARE(m_saveDialog.caption, QStringLiteral("PDF-Datei speichern"));
    QCOMPARE(m_saveDialog.directory, startFolder);
    QCOMPARE(m_saveDialog.nameFilters, QStringList({"PDF-Datei (*.pdf)"}));
    // The gauge's serial number and today's date.
    QCOMPARE(m_saveDialog.proposedName,
             QString::fromLatin1(m_window->deviceData().serialNr) + QLatin1Char('_') +
                 QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".pdf"));
    QVERIFY(QFileInfo(target).size() > 0);
    const QString text = pdfText(target);
    QVERIFY2(hasValueLine(text, "Messung-Nr:", "3"), qPrintable(text));
    QVERIFY(hasValueLine(text, "Bezeichnung:", "Probe 17"));
    QVERIFY(hasValueLine(text, "Maximalkraft:", "10.0 N"));
    QCOMPARE(m_harness->shownError(), QString());

    QCOMPARE(m_harness->status()->lastFilePath, targetFolder);
    StatusIni saved("status");
    QCOMPARE(saved.load(), 0);
    QCOMPARE(saved.lastFilePath, targetFolder);
}

void TestCommands::pdfToABlockedPathReportsTheError_data()
{
    blockedTargets();
}

void TestCommands::pdfToABlockedPathReportsTheError()
{
    QFETCH(QString, kind);
    transferAndSelect(12);
    const QString target = blockedTarget(kind, "bericht.pdf");
    if (target.isEmpty())
        QSKIP("no such target here (root writes into read-only folders)");
    const auto answerer = answerSaveDialog(target);

    ui->actionAlsPDFspeichern->trigger();

    QCOMPARE(m_harness->shownError(),
             QStringLiteral("Die PDF-Datei \"%1\" konnte nicht geschrieben werden.").arg(target));
}

void TestCommands::pdfWithoutMeasurementWritesNoFile()
{
    transferAndSelect(0);
    const QString target = m_harness->filePath("leer.pdf");
    const auto answerer = answerSaveDialog(target);

    // The action is disabled on the device row; its slot is called directly.
    m_window->on_actionAlsPDFspeichern_triggered();

    QCOMPARE(answerer->seen().value(0), QStringLiteral("QFileDialog"));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(m_harness->shownError(), QString());
}

void TestCommands::previewPaintsTheSelectedMeasurement_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("pages");
    QTest::newRow("measurement") << 12 << 1;
    QTest::newRow("device row") << 0 << 0;
}

void TestCommands::previewPaintsTheSelectedMeasurement()
{
    QFETCH(int, number);
    QFETCH(int, pages);
    transferAndSelect(number);
    int designationsAsked = 0;
    int pagesShown = -1;
    QWidget *previewParent = nullptr;
    const ModalAnswerer answerer([&](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            ++designationsAsked;
            input->accept();
        } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(dialog)) {
            pagesShown = preview->findChild<QPrintPreviewWidget *>()->pageCount();
            previewParent = preview->parentWidget();
            preview->reject();
        } else {
            dialog->close();
        }
    });

    m_window->on_actionDruckvorschau_triggered();

    QCOMPARE(previewParent, m_window);
    QCOMPARE(pagesShown, pages);
    QVERIFY(designationsAsked >= 1);
}

void TestCommands::rejectedPrintDialogPrintsNothing()
{
    transferAndSelect(3);
    QWidget *dialogParent = nullptr;
    const ModalAnswerer answerer([&](QWidget *dialog) {
        if (qobject_cast<QPrintDialog *>(dialog))
            dialogParent = dialog->parentWidget();
        // The designation is asked only for a report that prints.
        dialog->close();
    });

    ui->actionDrucken->trigger();

    QCOMPARE(answerer.seen(), QStringList({"QPrintDialog"}));
    QCOMPARE(dialogParent, m_window);
}

void TestCommands::pageSetupIsWindowModalOnTheWindow()
{
    Qt::WindowModality modality = Qt::NonModal;
    QWidget *dialogParent = nullptr;
    const ModalAnswerer answerer([&](QWidget *dialog) {
        if (qobject_cast<QPageSetupDialog *>(dialog)) {
            modality = dialog->windowModality();
            dialogParent = dialog->parentWidget();
        }
        dialog->close();
    });

    ui->actionSeiteEinrichten->trigger();

    QCOMPARE(answerer.seen(), QStringList({"QPageSetupDialog"}));
    QCOMPARE(modality, Qt::WindowModal);
    QCOMPARE(dialogParent, m_window);
}

void TestCommands::settingsDialogRunsModallyOnTheWindowsStatus()
{
    m_harness->status()->language = "de";
    bool modalOnWindow = false;
    const ModalAnswerer answerer([&](QWidget *dialog) {
        auto *settings = qobject_cast<SettingsDialog *>(dialog);
        if (settings) {
            modalOnWindow = settings->isModal() && settings->parentWidget() == m_window;
            settings->findChild<QComboBox *>(QStringLiteral("cbLanguage"))->setCurrentIndex(3);
            settings->accept();
        } else {
            dialog->close();
        }
    });

    ui->actionEinstellungen->trigger();

    QCOMPARE(answerer.seen(), QStringList({"SettingsDialog"}));
    QVERIFY(modalOnWindow);
    // OK wrote into the window's own status object.
    QCOMPARE(m_harness->status()->language, QByteArray("it"));
    QVERIFY(m_window->findChildren<SettingsDialog *>().isEmpty());
}

void TestCommands::infoDialogShowsTheVersionAndCloses()
{
    QString version;
    bool modalOnWindow = false;
    const ModalAnswerer answerer([&](QWidget *dialog) {
        if (auto *info = qobject_cast<InfoDialog *>(dialog)) {
            modalOnWindow = info->isModal() && info->parentWidget() == m_window;
            version = info->findChild<QLabel *>(QStringLiteral("labelProgVersion"))->text();
        }
        dialog->close();
    });

    ui->actionInfo->trigger();

    QCOMPARE(answerer.seen(), QStringList({"InfoDialog"}));
    QVERIFY(modalOnWindow);
    QCOMPARE(version, QStringLiteral("1.2  build: test"));
    QVERIFY(m_window->findChildren<InfoDialog *>().isEmpty());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
