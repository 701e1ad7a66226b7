// The archive in the real main window against tspx-sim: every transfer kept
// and shown under "Archiv" (also after a restart), the quick transfer, a
// locked archive, the check before erasing, export, report designation,
// search, CSV import and the settings.
#include "modalanswerer.h"
#include "windowharness.h"

#include "archive/measurementarchive.h"
#include "gaugefixtures.h"
#include "measurement/dblist.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/archivefilterbar.h"
#include "ui/archivetree.h"
#include "ui/mainform.h"
#include "ui/planevaluationdialog.h"
#include "ui/settingsdialog.h"
#include "ui_archivefilterbar.h"
#include "ui_mainform.h"
#include "ui_settingsdialog.h"
#include "workflow/gaugeservices.h"

#include "ui/controlchartview.h"

#include <QErrorMessage>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTest>
#include <qwt_plot_curve.h>

#include <memory>

namespace {

// What expanding the row shows.
QStringList childTexts(const QModelIndex &parent)
{
    auto *model = const_cast<QAbstractItemModel *>(parent.model());
    if (model->canFetchMore(parent))
        model->fetchMore(parent);
    QStringList texts;
    for (int row = 0; row < parent.model()->rowCount(parent); ++row)
        texts << parent.model()->index(row, 0, parent).data().toString();
    return texts;
}

// The archive row of the measurement in `slot`, searched below `parent`,
// expanding rows on the way.
QModelIndex archivedRow(const QModelIndex &parent, int slot)
{
    auto *model = const_cast<QAbstractItemModel *>(parent.model());
    if (model && model->canFetchMore(parent))
        model->fetchMore(parent);
    for (int row = 0; model && row < model->rowCount(parent); ++row) {
        const QModelIndex child = model->index(row, 0, parent);
        if (archiveRowKind(child) == ArchiveRow::Measurement &&
            child.data().toString().startsWith(QStringLiteral("#%1 ").arg(slot)))
            return child;
        const QModelIndex found = archivedRow(child, slot);
        if (found.isValid())
            return found;
    }
    return QModelIndex();
}

int commandCount(const QList<QByteArray> &lines, const QByteArray &name)
{
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const QByteArray &line) { return line.mid(1, 5) == name; }));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Answers file dialogs with `fileName`, the report's designation prompt with
// `designation`, and closes message boxes.
std::unique_ptr<ModalAnswerer> answerDialogs(const QString &fileName,
                                             const QString &designation = QString())
{
    return std::make_unique<ModalAnswerer>([=](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            input->setTextValue(designation);
            input->accept();
        } else if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            files->setOption(QFileDialog::DontConfirmOverwrite);
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(fileName);
            static_cast<QDialog *>(files)->accept();
        } else {
            dialog->close();
        }
    });
}

} // namespace

class TestArchiveWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void transfersAreKeptAndShownAfterARestart();
    void quickTransferSkipsTheSamplesOfKeptMeasurements();
    void lockedArchiveKeepsTheTransferInTheList();
    void erasingChecksTheArchiveFirst_data();
    void erasingChecksTheArchiveFirst();
    void archivedMeasurementsExportPrintAndSearch();
    void exportedFilesCanBeImported();
    void settingsChooseTheFileAndTheQuickTransfer();

private:
    MeasurementArchive &archive() { return *m_env->window()->measurementArchive(); }
    QModelIndex archiveRoot() const { return m_env->window()->archiveIndex(); }

    std::unique_ptr<WindowHarness> m_env;
};

void TestArchiveWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_env = std::make_unique<WindowHarness>();
    QVERIFY(m_env->setUp());
    QVERIFY(m_env->startGauge(threeMeasurements()));
}

void TestArchiveWindow::cleanup()
{
    m_env.reset();
}

void TestArchiveWindow::transfersAreKeptAndShownAfterARestart()
{
    QVERIFY(!m_env->ui()->frame2->isEnabled()); // an empty archive has nothing to browse
    m_env->transfer();
    QCOMPARE(m_env->shownError(), QString());
    QCOMPARE(archive().count(), 3);
    QCOMPARE(archive().path(), m_env->folder() + "/Kavro/TensimoParl/archive.sqlite");
    QStandardItemModel *model = m_env->window()->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Tensimo Parl"));
    QCOMPARE(archiveRoot().row(), 1);
    QCOMPARE(archiveRoot().data().toString(), QStringLiteral("Archiv"));
    // The gauge, then its days newest first.
    QCOMPARE(childTexts(archiveRoot()), QStringList{"SN-4711"});
    const QModelIndex gauge = model->index(0, 0, archiveRoot());
    QCOMPARE(childTexts(gauge), QStringList({"05.03.19", "24.01.18", "23.12.17"}));
    QCOMPARE(childTexts(model->index(1, 0, gauge)), QStringList{"#3 - 16:11"});

    QVERIFY(m_env->select(3));
    const QStringList gaugeLabels = {
        m_env->ui()->labelMeasN->text(), m_env->ui()->labelMeasDate->text(),
        m_env->ui()->labelForceMax->text(), m_env->ui()->labelForceAvg->text()};
    const int gaugePoints = int(m_env->window()->plotCurve()->dataSize());

    // A restart with the same settings folder shows the same measurements.
    ConfigIni config("config");
    GaugeServices restarted;
    Mainform again(&config, restarted, "1.2  build: test");
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.model()->rowCount(), 1);
    QVERIFY(again.formUi()->frame2->isEnabled());
    const QModelIndex kept = archivedRow(again.archiveIndex(), 3);
    QVERIFY(kept.isValid());
    again.formUi()->treeView->setCurrentIndex(kept);
    QCOMPARE(
        QStringList({again.formUi()->labelMeasN->text(), again.formUi()->labelMeasDate->text(),
                     again.formUi()->labelForceMax->text(), again.formUi()->labelForceAvg->text()}),
        gaugeLabels);
    QCOMPARE(int(again.plotCurve()->dataSize()), gaugePoints);
    QVERIFY(again.formUi()->actionDrucken->isEnabled());
    // No command meant for the gauge's slots takes an archive row for one.
    QCOMPARE(again.currentMeasurementNumber(), 0);
    QVERIFY(!again.formUi()->actionGewaehlteMessungloeschen->isEnabled());
}

void TestArchiveWindow::quickTransferSkipsTheSamplesOfKeptMeasurements()
{
    m_env->status()->quickTransfer = true;
    m_env->transfer();
    QCOMPARE(commandCount(m_env->traffic(), "dMsFc"), 3);
    QList<QList<float>> firstForces;
    for (const Measurement *m : m_env->window()->deviceData().records)
        firstForces << m->forces;

    QVERIFY(m_env->startGauge(threeMeasurements()));
    m_env->transfer();
    QCOMPARE(m_env->shownError(), QString());
    QCOMPARE(commandCount(m_env->traffic(), "dMsFc"), 0);
    QCOMPARE(commandCount(m_env->traffic(), "dMsDt"), 3);
    QCOMPARE(m_env->rowNumbers(), QList<int>({12, 3, 30}));
    QList<QList<float>> secondForces;
    for (const Measurement *m : m_env->window()->deviceData().records)
        secondForces << m->forces;
    QCOMPARE(secondForces, firstForces);
    QCOMPARE(archive().count(), 3);
}

void TestArchiveWindow::lockedArchiveKeepsTheTransferInTheList()
{
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        other.setDatabaseName(archive().path());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec("BEGIN IMMEDIATE"));
        m_env->transfer();
        lock.exec("ROLLBACK");
    }
    QSqlDatabase::removeDatabase("other-program");

    const QString error = m_env->shownError();
    QVERIFY2(error.contains("wird von einem anderen Programm benutzt"), qPrintable(error));
    QVERIFY(error.contains("bleiben in der Liste"));
    QCOMPARE(m_env->rowNumbers(), QList<int>({12, 3, 30}));
    QCOMPARE(archive().count(), 0);
}

void TestArchiveWindow::erasingChecksTheArchiveFirst_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("eraseCommands");
    QTest::addColumn<int>("archived");
    QTest::newRow("archive first") << "Zuerst archivieren" << 3 << 3;
    QTest::newRow("cancel") << "Cancel" << 0 << 0;
    QTest::newRow("erase without the archive") << "Ohne Archiv löschen" << 3 << 0;
}

void TestArchiveWindow::erasingChecksTheArchiveFirst()
{
    QFETCH(QString, answer);
    QFETCH(int, eraseCommands);
    QFETCH(int, archived);
    // A transfer the archive could not take (another program held it).
    const QString path = archive().path();
    archive().close();
    QVERIFY(QFile::rename(path, path + ".away"));
    QVERIFY(QDir().mkpath(path));
    m_env->transfer();
    QVERIFY(!m_env->shownError().isEmpty());
    m_env->window()->errorWindow()->close();
    QVERIFY(QDir().rmdir(path));
    QVERIFY(archive().open(path).ok());
    const int transferLines = m_env->traffic().size();

    // The operator confirms; the check of the slots then finds them unarchived.
    QString warning;
    ModalAnswerer answerer(
        {{"QMessageBox",
          [](QWidget *widget) {
              static_cast<QMessageBox *>(widget)->button(QMessageBox::Yes)->click();
          }},
         {"QMessageBox", [&](QWidget *widget) {
              auto *box = static_cast<QMessageBox *>(widget);
              warning = box->windowTitle() + ": " + box->text();
              for (QAbstractButton *button : box->buttons()) {
                  if (button->text() == answer ||
                      (answer == "Cancel" && box->buttonRole(button) == QMessageBox::RejectRole))
                      button->click();
              }
          }}});
    m_env->window()->on_actionAlleMessungenloeschen_triggered();
    QVERIFY(m_env->waitForJob());

    QCOMPARE(warning, QStringLiteral("Nicht archiviert: Diese Messungen sind nicht im Archiv: "
                                     "#12, #3, #30\nNach dem Löschen auf dem Gerät gibt es sie "
                                     "nirgends mehr."));
    QCOMPARE(commandCount(m_env->traffic().mid(transferLines), "dMsEr"), eraseCommands);
    QCOMPARE(archive().count(), archived);
}

void TestArchiveWindow::archivedMeasurementsExportPrintAndSearch()
{
    m_env->transfer();
    Ui::MainForm *ui = m_env->ui();
    QVERIFY(m_env->select(12));
    {
        const auto answerer = answerDialogs(m_env->filePath("gauge.csv"));
        ui->actionGewaehlteMessungexportieren->trigger();
    }
    ui->treeView->setCurrentIndex(archivedRow(archiveRoot(), 12));
    {
        const auto answerer = answerDialogs(m_env->filePath("archive.csv"));
        ui->actionGewaehlteMessungexportieren->trigger();
    }
    QCOMPARE(readFile(m_env->filePath("archive.csv")), readFile(m_env->filePath("gauge.csv")));

    // The designation typed in for the report is kept with the measurement.
    {
        const auto answerer = answerDialogs(m_env->filePath("report.pdf"), "Bolzen M8");
        ui->actionAlsPDFspeichern->trigger();
    }
    QVERIFY(readFile(m_env->filePath("report.pdf")).startsWith("%PDF"));
    QCOMPARE(ui->treeView->currentIndex().data().toString(),
             QStringLiteral("#12 - 08:00 - Bolzen M8"));
    const QList<ArchiveEntry> entries = archive().entries({"", "bolzen", "", {}, {}});
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().slot, 12);
    QCOMPARE(entries.first().designation, QStringLiteral("Bolzen M8"));

    // All of a group: the gauge's row.
    ui->treeView->setCurrentIndex(m_env->window()->model()->index(0, 0, archiveRoot()));
    QVERIFY(ui->actionAlleMessungenexportieren->isEnabled());
    QVERIFY(!ui->actionDrucken->isEnabled());
    {
        const auto answerer = answerDialogs(m_env->filePath("group.csv"));
        ui->actionAlleMessungenexportieren->trigger();
    }
    QVERIFY(readFile(m_env->filePath("group.csv"))
                .contains("\"Messung-Nr:\",\"12\",\"\",\"3\",\"\",\"30\"\r\n"));
    // The group's control chart: all of it, oldest first, across transfers.
    ui->tabsDiagram->setCurrentWidget(ui->controlChartView);
    QCOMPARE(ui->tabsDiagram->currentWidget(), ui->controlChartView);
    const SeriesChart &chart = ui->controlChartView->chart();
    QCOMPARE(chart.records.size(), 3);
    QCOMPARE(chart.pointRecordsText(ChartPart::Location, 0), QStringLiteral("#30"));
    QCOMPARE(chart.pointRecordsText(ChartPart::Location, 2), QStringLiteral("#12"));
    QVERIFY(ui->controlChartView->sourceText().startsWith(
        QStringLiteral("Archiv: 3 Messungen von SN-4711")));
    // A group's page is its chart with every control and the statistics, and
    // its numbers are those of the same measurements selected on the gauge.
    QVERIFY(ui->controlChartView->isEnabled() && ui->statisticsView->isVisible());
    const ChartLimits groupLimits = chart.chart->limits;
    const QStringList groupStatistics = ui->statisticsView->statisticsRow(0);
    ui->treeView->setCurrentIndex(archiveRoot());
    QCOMPARE(ui->controlChartView->chart().records.size(), 3);
    // Judged by the window's plan, off its thread: slot 12 peaks above 15 N.
    TestPlan plan;
    plan.name = QStringLiteral("Clip");
    plan.characteristics = {Characteristic()};
    plan.characteristics[0].name = QStringLiteral("Fmax");
    plan.characteristics[0].upper = 15.0;
    m_env->services()->activePlan().setPlan(plan);
    ui->actionMitPruefplanBewerten->trigger();
    PlanEvaluationDialog *judged = nullptr;
    QTRY_VERIFY((judged = m_env->window()->findChild<PlanEvaluationDialog *>()) != nullptr);
    QVERIFY(judged->findChild<QLabel *>("labelCounts")->text().endsWith(": 2 i.O., 1 n.i.O."));
    QTableWidget *failed = judged->findChild<QTableWidget *>("tableFailed");
    QCOMPARE(failed->item(0, 1)->text(), "12");
    emit failed->cellDoubleClicked(0, 2);
    QCOMPARE(ui->treeView->currentIndex(), archivedRow(archiveRoot(), 12));
    judged->close();
    ui->treeView->setCurrentIndex(archiveRoot());
    const QModelIndex device = m_env->deviceIndex();
    ui->treeView->setCurrentIndex(m_env->window()->model()->index(0, 0, device));
    ui->treeView->selectionModel()->select(
        QItemSelection(m_env->window()->model()->index(0, 0, device),
                       m_env->window()->model()->index(2, 0, device)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(ui->controlChartView->chart().records.size(), 3);
    QCOMPARE(ui->controlChartView->chart().chart->limits.location.upper,
             groupLimits.location.upper);
    QCOMPARE(ui->statisticsView->statisticsRow(0), groupStatistics);

    // The search: the designation, then a range of days.
    ArchiveFilterBar *search = m_env->window()->archiveFilter();
    search->formUi()->editSuche->setText("m8");
    QTRY_VERIFY(!archivedRow(archiveRoot(), 3).isValid());
    QVERIFY(archivedRow(archiveRoot(), 12).isValid());
    QVERIFY(archivedRow(archiveRoot(), 12).data().toString().endsWith(" - Bolzen M8"));
    search->formUi()->editSuche->clear();
    search->formUi()->dateVon->setDate({2017, 12, 1});
    search->formUi()->dateBis->setDate({2018, 12, 31});
    search->formUi()->cbZeitraum->setChecked(true);
    QTRY_VERIFY(!archivedRow(archiveRoot(), 12).isValid());
    QVERIFY(archivedRow(archiveRoot(), 3).isValid());
    QVERIFY(archivedRow(archiveRoot(), 30).isValid());
    // The chart follows a day range chosen in the search, and comes back to
    // the front with a group row.
    ui->treeView->setCurrentIndex(m_env->window()->model()->index(0, 0, archiveRoot()));
    QCOMPARE(ui->controlChartView->chart().records.size(), 2);
}

void TestArchiveWindow::exportedFilesCanBeImported()
{
    Measurement m(5);
    m.dateText = "01;06;2015";
    m.timeText = "07;30;00";
    m.sampleRate = 100;
    m.forces = {1.5f, 2.5f, -3.0f};
    m.sampleCount = 3;
    const QString file = m_env->filePath("old.csv");
    QCOMPARE(DbList({&m}, "SN-OLD", "N", 1.0).exportListCSV(file, true), 0);

    const auto answerer = answerDialogs(file);
    m_env->ui()->actionArchivImportieren->trigger();
    QCOMPARE(archive().count(), 1);
    QCOMPARE(childTexts(archiveRoot()), QStringList{"SN-OLD"});
    QVERIFY(m_env->ui()->frame2->isEnabled());
    m_env->ui()->treeView->setCurrentIndex(archivedRow(archiveRoot(), 5));
    QCOMPARE(m_env->ui()->labelForceMax->text(), QStringLiteral("2.5 N"));
}

void TestArchiveWindow::settingsChooseTheFileAndTheQuickTransfer()
{
    StatusIni *status = m_env->status();
    const QString moved = m_env->filePath("elsewhere/archive.sqlite");
    {
        SettingsDialog dialog(status, m_env->window());
        dialog.show();
        Ui::SettingsDialog *form = dialog.formUi();
        QCOMPARE(form->editArchivePath->text(), archive().path());
        QVERIFY(form->cbQuickTransfer->isChecked() == status->quickTransfer);
        form->editArchivePath->setText(moved);
        form->cbQuickTransfer->setChecked(true);
        dialog.accept();
    }
    QCOMPARE(status->archivePath, moved.toLocal8Bit());
    QVERIFY(status->quickTransfer);
    // The window opens the file the dialog chose.
    const QString chosen = m_env->filePath("chosen/archive.sqlite");
    ModalAnswerer answerer({{"SettingsDialog", [&](QWidget *widget) {
                                 auto *dialog = static_cast<SettingsDialog *>(widget);
                                 dialog->formUi()->editArchivePath->setText(chosen);
                                 dialog->accept();
                             }}});
    m_env->window()->on_actionEinstellungen_triggered();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(archive().path(), chosen);
    QVERIFY(archive().isOpen());
    QVERIFY(QFileInfo::exists(chosen));
}

QTEST_MAIN(TestArchiveWindow)
#include "tst_archivewindow.moc"
