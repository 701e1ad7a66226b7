// Erasing measurements on tspx-sim through the real main window: the
// confirmation, the wire traffic, the tree and the record list afterwards.
#include "modalanswerer.h"
#include "windowharness.h"

#include "ui/mainform.h"
#include "ui_mainform.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <memory>
#include <qwt_plot_curve.h>

namespace {

const QList<int> kFilledSlots = {4, 9, 17};

// What connecting, running a job that sends `jobLines` and disconnecting puts
// on the wire: disconnect and connect, the job, disconnect by the job and by
// closing the port.
QList<QByteArray> jobTraffic(const QList<QByteArray> &jobLines)
{
    return QList<QByteArray>{wireCommand("stCom", 102, '!'), wireCommand("stCom", 101, '!')} +
           jobLines +
           QList<QByteArray>{wireCommand("stCom", 102, '!'), wireCommand("stCom", 102, '!')};
}

// Erasing asks the gauge for its serial number, reads what each slot holds
// now (the count; time and date of a filled one), then erases the filled ones.
QList<QByteArray> eraseLines(int firstSlot, int lastSlot, bool checkedOnly = false)
{
    QList<QByteArray> lines{wireCommand("serNr", 0, '?')};
    for (int slot = firstSlot; slot <= lastSlot; ++slot) {
        lines << wireCommand("dMsCt", slot, '?');
        if (kFilledSlots.contains(slot))
            lines << wireCommand("dMsTm", slot, '?') << wireCommand("dMsDt", slot, '?');
    }
    for (int slot = firstSlot; slot <= lastSlot && !checkedOnly; ++slot) {
        if (kFilledSlots.contains(slot))
            lines << wireCommand("dMsEr", slot, '!');
    }
    return lines;
}

struct QuestionSeen
{
    QString title, text;
    bool noIsDefaultAndFocused = false;
    int count = 0;
};

void lookAt(QMessageBox *box, QuestionSeen &seen)
{
    seen.title = box->windowTitle();
    seen.text = box->text();
    QAbstractButton *no = box->button(QMessageBox::No);
    seen.noIsDefaultAndFocused = no && box->defaultButton() == no && box->focusWidget() == no;
    ++seen.count;
}

ModalAnswerer::Step answerQuestion(QMessageBox::StandardButton answer, QuestionSeen &seen)
{
    return {"QMessageBox", [answer, &seen](QWidget *widget) {
                auto *box = static_cast<QMessageBox *>(widget);
                lookAt(box, seen);
                box->button(answer)->click();
            }};
}

// The operator presses Enter on the question, without looking.
ModalAnswerer::Step pressEnter(QuestionSeen &seen)
{
    return {"QMessageBox", [&seen](QWidget *widget) {
                auto *box = static_cast<QMessageBox *>(widget);
                lookAt(box, seen);
                QWidget *focused = box->focusWidget();
                QTest::keyClick(focused ? focused : box, Qt::Key_Return);
            }};
}

} // namespace

class TestDeletion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deletingTheSelectedMeasurementErasesItsSlotOnly();
    void deletingSeveralSelectedErasesExactlyTheNamedSlots();
    void deletingTheSelectedMeasurementWithTheDeviceRowSendsNoErase();
    void deletingAllErasesEverySlotInOrder();
    void cancellingDeleteAllKeepsTheTree();
    void answeringNoNeverConnects_data();
    void answeringNoNeverConnects();
    void eraseProblemsKeepTheirRows_data();
    void eraseProblemsKeepTheirRows();
    void rebuiltOrEmptiedTreeShowsNoMeasurement_data();
    void rebuiltOrEmptiedTreeShowsNoMeasurement();

private:
    // The wire traffic since the transfer of the set-up.
    QList<QByteArray> trafficAfterTransfer() const;

    std::unique_ptr<WindowHarness> m_env;
    int m_transferLines = 0;
};

void TestDeletion::init()
{
    m_env = std::make_unique<WindowHarness>();
    QVERIFY(m_env->setUp());
    QVERIFY(m_env->startGauge(gaugeWithSlots(kFilledSlots)));
    m_env->transfer();
    QCOMPARE(m_env->rowNumbers().size(), kFilledSlots.size());
    m_transferLines = m_env->traffic().size();
}

void TestDeletion::cleanup()
{
    m_env.reset();
}

QList<QByteArray> TestDeletion::trafficAfterTransfer() const
{
    return m_env->traffic().mid(m_transferLines);
}

void TestDeletion::deletingTheSelectedMeasurementErasesItsSlotOnly()
{
    QVERIFY(m_env->select(9));
    const QList<int> rowsBefore = m_env->rowNumbers();
    QuestionSeen seen;
    ModalAnswerer answerer({answerQuestion(QMessageBox::Yes, seen)});
    m_env->ui()->actionGewaehlteMessungloeschen->trigger();
    QVERIFY(m_env->waitForJob());

    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.title, QStringLiteral("Messung löschen"));
    QCOMPARE(
        seen.text,
        QStringLiteral("Möchten Sie die gewählte Messung auf dem Gerät wirklich löschen?\n#9"));
    QVERIFY(seen.noIsDefaultAndFocused);
    QCOMPARE(trafficAfterTransfer(), jobTraffic(eraseLines(9, 9)));

    QList<int> expectedRows = rowsBefore;
    expectedRows.removeOne(9);
    QCOMPARE(m_env->rowNumbers(), expectedRows);
    // The record stays for the export of all measurements.
    QVERIFY(m_env->recordNumbers().contains(9));
    QVERIFY(m_env->window()->statusBar()->currentMessage().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

void TestDeletion::deletingSeveralSelectedErasesExactlyTheNamedSlots()
{
    // Slot 4 current, 17 added to the selection, 9 left out.
    QVERIFY(m_env->select(4));
    const QList<int> rowsBefore = m_env->rowNumbers();
    m_env->ui()->treeView->selectionModel()->select(
        m_env->window()->model()->index(rowsBefore.indexOf(17), 0, m_env->deviceIndex()),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QAction *erase = m_env->ui()->actionGewaehlteMessungloeschen;
    QCOMPARE(erase->text(), QStringLiteral("Gewählte Messungen &löschen"));
    QuestionSeen seen;
    ModalAnswerer answerer({answerQuestion(QMessageBox::Yes, seen)});
    erase->trigger();
    QVERIFY(m_env->waitForJob());

    const bool newestFirst = rowsBefore.indexOf(17) < rowsBefore.indexOf(4);
    QCOMPARE(seen.text, QStringLiteral("Möchten Sie die 2 gewählten Messungen auf dem Gerät "
                                       "wirklich löschen?\n") +
                            (newestFirst ? QStringLiteral("#17, #4") : QStringLiteral("#4, #17")));
    QList<QByteArray> lines{wireCommand("serNr", 0, '?')};
    for (int slot : {4, 17})
        lines << wireCommand("dMsCt", slot, '?') << wireCommand("dMsTm", slot, '?')
              << wireCommand("dMsDt", slot, '?');
    lines << wireCommand("dMsEr", 4, '!') << wireCommand("dMsEr", 17, '!');
    QCOMPARE(trafficAfterTransfer(), jobTraffic(lines));
    QCOMPARE(m_env->rowNumbers(), QList<int>{9});
    QCOMPARE(erase->text(), QStringLiteral("Gewählte Messung &löschen"));
}

void TestDeletion::deletingTheSelectedMeasurementWithTheDeviceRowSendsNoErase()
{
    QVERIFY(m_env->select(0));
    const QList<int> rowsBefore = m_env->rowNumbers();
    QuestionSeen seen;
    ModalAnswerer answerer({answerQuestion(QMessageBox::Yes, seen)});
    m_env->window()->on_actionGewaehlteMessungloeschen_triggered();
    QVERIFY(m_env->waitForJob());

    QCOMPARE(seen.count, 1);
    QCOMPARE(trafficAfterTransfer(), jobTraffic({}));
    QCOMPARE(m_env->rowNumbers(), rowsBefore);
}

void TestDeletion::deletingAllErasesEverySlotInOrder()
{
    QuestionSeen seen;
    ModalAnswerer answerer({answerQuestion(QMessageBox::Yes, seen)});
    m_env->ui()->actionAlleMessungenloeschen->trigger();
    QVERIFY(m_env->waitForJob());

    QCOMPARE(seen.title, QStringLiteral("Alle Messungen löschen"));
    QCOMPARE(seen.text, QStringLiteral("Möchten Sie wirklich ALLE Messung auf dem Gerät löschen?"));
    QVERIFY(seen.noIsDefaultAndFocused);
    QCOMPARE(trafficAfterTransfer(), jobTraffic(eraseLines(1, 50)));
    // Only the archive's row is left.
    QCOMPARE(m_env->window()->model()->rowCount(), 1);
    QCOMPARE(m_env->window()->model()->index(0, 0).data().toString(), QStringLiteral("Archiv"));
    QCOMPARE(m_env->recordNumbers().size(), kFilledSlots.size());
    QVERIFY(!m_env->ui()->actionGewaehlteMessungloeschen->isEnabled());
    QVERIFY(m_env->ui()->actionAlleMessungenexportieren->isEnabled());
    QVERIFY(m_env->window()->statusBar()->currentMessage().isEmpty());
    QVERIFY(!m_env->window()->findChild<QProgressDialog *>());
}

void TestDeletion::cancellingDeleteAllKeepsTheTree()
{
    // Restart the gauge slow enough for the progress dialog to show.
    m_env->stopGauge();
    QVERIFY(m_env->startGauge(gaugeWithSlots(kFilledSlots), {"--delay-ms", "100"}));
    const QList<int> rowsBefore = m_env->rowNumbers();

    int cancelledAt = 0;
    QTimer watcher;
    watcher.setInterval(0);
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto *progress = m_env->window()->findChild<QProgressDialog *>();
        if (cancelledAt == 0 && progress && progress->isVisible() && progress->value() >= 10) {
            cancelledAt = progress->value();
            progress->cancel();
        }
    });
    watcher.start();
    QuestionSeen seen;
    ModalAnswerer answerer({answerQuestion(QMessageBox::Yes, seen)});
    m_env->window()->on_actionAlleMessungenloeschen_triggered();
    QVERIFY(m_env->waitForJob());

    // Cancelled while the slots were checked: nothing erased.
    QCOMPARE(cancelledAt, 10);
    QCOMPARE(m_env->traffic(), jobTraffic(eraseLines(1, 10, true)));
    QCOMPARE(m_env->rowNumbers(), rowsBefore);
}

void TestDeletion::answeringNoNeverConnects_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<bool>("enter"); // the Enter key, else a click on No
    QTest::newRow("selected, No") << false << false;
    QTest::newRow("all, No") << true << false;
    QTest::newRow("selected, Enter") << false << true;
    QTest::newRow("all, Enter") << true << true;
}

void TestDeletion::answeringNoNeverConnects()
{
    QFETCH(bool, all);
    QFETCH(bool, enter);
    QVERIFY(m_env->select(4));
    QuestionSeen seen;
    ModalAnswerer answerer({enter ? pressEnter(seen) : answerQuestion(QMessageBox::No, seen)});
    if (all)
        m_env->window()->on_actionAlleMessungenloeschen_triggered();
    else
        m_env->window()->on_actionGewaehlteMessungloeschen_triggered();
    QVERIFY(m_env->waitForJob());

    QCOMPARE(seen.count, 1);
    QCOMPARE(trafficAfterTransfer(), QList<QByteArray>());
    QCOMPARE(m_env->rowNumbers().size(), kFilledSlots.size());
    QVERIFY(seen.noIsDefaultAndFocused);
}

void TestDeletion::rebuiltOrEmptiedTreeShowsNoMeasurement_data()
{
    QTest::addColumn<bool>("deleteAll"); // else a second transfer
    QTest::newRow("second transfer") << false;
    QTest::newRow("delete all") << true;
}

void TestDeletion::rebuiltOrEmptiedTreeShowsNoMeasurement()
{
    QFETCH(bool, deleteAll);
    Ui::MainForm *ui = m_env->ui();
    QVERIFY(m_env->select(9));
    QCOMPARE(ui->labelMeasN->text(), QStringLiteral("9"));
    QVERIFY(m_env->window()->plotCurve()->dataSize() > 0);

    QuestionSeen seen;
    ModalAnswerer answerer({answerQuestion(QMessageBox::Yes, seen)});
    if (deleteAll)
        ui->actionAlleMessungenloeschen->trigger();
    else
        m_env->transfer();
    QVERIFY(m_env->waitForJob());

    QCOMPARE(seen.count, deleteAll ? 1 : 0);
    // The device row goes with delete-all; the archive's row stays.
    QVERIFY(m_env->window()->archiveIndex().isValid());
    QCOMPARE(m_env->window()->model()->rowCount(), deleteAll ? 1 : 2);
    QCOMPARE(m_env->window()->currentMeasurementNumber(), 0);
    // The device page, and the actions on a selected measurement are off.
    QCOMPARE(ui->stackedWidgetMeas->currentIndex(), 1);
    QCOMPARE(ui->labelSerialNr->text(), QStringLiteral("SN-4711"));
    for (QAction *action :
         {ui->actionDruckvorschau, ui->actionDrucken, ui->actionAlsPDFspeichern,
          ui->actionGewaehlteMessungexportieren, ui->actionGewaehlteMessungloeschen})
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(ui->actionAlleMessungenexportieren->isEnabled());
    QVERIFY(ui->actionAlleMessungenloeschen->isEnabled());
    // Nothing of measurement 9 is left to show.
    for (QLabel *label : {ui->labelMeasN, ui->labelMeasDate, ui->labelMeasTime, ui->labelForceStart,
                          ui->labelForceMax, ui->labelForceEnd, ui->labelForceAvg})
        QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
    QCOMPARE(int(m_env->window()->plotCurve()->dataSize()), 0);
}

QTEST_MAIN(TestDeletion)
#include "tst_deletion.moc"

void TestDeletion::eraseProblemsKeepTheirRows_data()
{
    QTest::addColumn<QByteArray>("gauge");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("all");
    QTest::addColumn<QList<int>>("rowsAfter");
    QTest::addColumn<int>("eraseCommands");
    QTest::addColumn<QString>("error");

    QByteArray otherGauge = gaugeWithSlots(kFilledSlots);
    otherGauge.replace("SN-4711", "SN-0815");
    const QString wrongGauge = QStringLiteral(
        "Das angeschlossene Gerät (Seriennummer SN-0815) ist nicht das Gerät der angezeigten "
        "Liste (Seriennummer SN-4711). Es wurde nichts gelöscht.");
    QTest::newRow("selected on another gauge")
        << otherGauge << QStringList() << false << QList<int>{4, 9, 17} << 0 << wrongGauge;
    QTest::newRow("all on another gauge")
        << otherGauge << QStringList() << true << QList<int>{4, 9, 17} << 0 << wrongGauge;
    QTest::newRow("selected refused")
        << gaugeWithSlots(kFilledSlots) << QStringList{"--answer", "9:dMsEr=-12"} << false
        << QList<int>{4, 9, 17} << 1
        << QStringLiteral("Diese Speicherplätze wurden nicht gelöscht: 9");
    QTest::newRow("all, one refused")
        << gaugeWithSlots(kFilledSlots) << QStringList{"--answer", "17:dMsEr=-12"} << true
        << QList<int>{17} << 3 << QStringLiteral("Diese Speicherplätze wurden nicht gelöscht: 17");
}

void TestDeletion::eraseProblemsKeepTheirRows()
{
    QFETCH(QByteArray, gauge);
    QFETCH(QStringList, options);
    QFETCH(bool, all);
    QFETCH(QList<int>, rowsAfter);
    QFETCH(int, eraseCommands);
    QFETCH(QString, error);

    QVERIFY(m_env->startGauge(gauge, options));
    QVERIFY(m_env->select(9));
    QuestionSeen seen;
    ModalAnswerer answerer({answerQuestion(QMessageBox::Yes, seen)});
    if (all)
        m_env->window()->on_actionAlleMessungenloeschen_triggered();
    else
        m_env->window()->on_actionGewaehlteMessungloeschen_triggered();
    QVERIFY(m_env->waitForJob());

    QList<int> rows = m_env->rowNumbers();
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, rowsAfter);
    QCOMPARE(m_env->shownError(), error);
    int erases = 0;
    for (const QByteArray &line : m_env->traffic())
        erases += line.startsWith("#dMsEr") ? 1 : 0;
    QCOMPARE(erases, eraseCommands);
}
