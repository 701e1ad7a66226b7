// The transfer button of the real main window against tspx-sim on a
// pseudo-terminal: tree, values, plot, wire traffic, and the faults of a
// transfer (a second press, cancelling, silence, no gauge, a bogus count).
#include "logcapture.h"
#include "windowharness.h"

#include "measurement/measurement.h"
#include "sim/portlink.h"
#include "ui/mainform.h"
#include "ui/measurementtree.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QErrorMessage>
#include <QLocale>
#include <QProgressDialog>
#include <QStandardItemModel>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <functional>
#include <memory>

namespace {

struct GaugeSlot
{
    int number;
    const char *rate, *date, *time, *forces;
};

// The gauge's data file: identity, then each slot.
QByteArray gaugeData(const QList<GaugeSlot> &gaugeSlots, int unit = 0)
{
    QByteArray text = "serial SN-4711\nversion 2.10\nunit " + QByteArray::number(unit) + "\n";
    for (const GaugeSlot &slot : gaugeSlots)
        text += "slot " + QByteArray::number(slot.number) + "\nrate " + slot.rate + "\ndate " +
                slot.date + "\ntime " + slot.time + "\nforces " + slot.forces + "\n";
    return text;
}

// Dates in another order than the slots; 20 and 30 taken at the same moment.
const QByteArray kFiveMeasurements = gaugeData({{3, "100", "24;01;2017", "16;11;58", "1;2.5;10;4"},
                                                {7, "2", "25;01;2017", "08;00;00", "0.5;20;7;1;2"},
                                                {12, "100", "23;12;2016", "23;59;59", "3;3.5"},
                                                {20, "100", "01;01;2016", "12;00;00", "1"},
                                                {30, "100", "01;01;2016", "12;00;00", "2"}});

QByteArray slotsWithSmallCurves(const QList<int> &numbers, int unit = 0)
{
    QList<GaugeSlot> gaugeSlots;
    for (int number : numbers)
        gaugeSlots.append({number, "10", "01;02;2018", "10;00;00", "1;100;50;3"});
    return gaugeData(gaugeSlots, unit);
}

// What a whole transfer sends: connect, identity, every slot, disconnect twice
// (by the job and by closing the port).
QList<QByteArray> transferTraffic(const QList<int> &filledSlots)
{
    QList<QByteArray> lines = {wireCommand("stCom", 102, '!'), wireCommand("stCom", 101, '!'),
                               wireCommand("serNr", 0, '?'), wireCommand("swVer", 0, '?'),
                               wireCommand("sFcUn", 0, '?')};
    for (int slot = 1; slot <= 50; ++slot) {
        lines << wireCommand("dMsCt", slot, '?');
        if (!filledSlots.contains(slot))
            continue;
        for (const char *name :
             {"dMsCt", "dMsSR", "dMsFc", "dMsFS", "dMsFP", "dMsFX", "dMsFA", "dMsTm", "dMsDt"})
            lines << wireCommand(name, slot, '?');
    }
    lines << wireCommand("stCom", 102, '!') << wireCommand("stCom", 102, '!');
    return lines;
}

QString rowText(int number, QDate date, QTime time)
{
    return QStringLiteral("#%1 - %2 %3")
        .arg(number)
        .arg(QLocale().toString(date, QLocale::ShortFormat),
             QLocale().toString(time, QLocale::ShortFormat));
}

int countLines(const QList<QByteArray> &lines, const QByteArray &prefix)
{
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const QByteArray &line) { return line.startsWith(prefix); }));
}

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void transferReadsEverySlotAndListsNewestFirst();
    void emptyGaugeGivesOnlyTheDeviceRow();
    void poundForceUnitIsUsedEverywhere();
    void secondPressDuringATransferDoesNothing();
    void cancelKeepsTheSlotsReadSoFar();
    void gaugeFallingSilentReportsAnErrorAndKeepsEarlierSlots();
    void missingGaugeReportsAConnectionErrorAndKeepsTheList();
    void bogusSampleCountPlotsOnlyTheSamplesHeld();

private:
    bool startGauge(const QByteArray &data, const QStringList &options = QStringList())
    {
        return m_harness->startGauge(data, options);
    }
    void transfer() { m_harness->transfer(); }
    // Calls `action` with the progress dialog each time the transfer lets
    // events run while the dialog is shown.
    void transferWhileProgressShows(const std::function<void(QProgressDialog *)> &action);
    QModelIndex deviceIndex() const { return m_harness->deviceIndex(); }
    QStringList rowTexts() const;
    QList<int> rowNumbers() const { return m_harness->rowNumbers(); }
    QString shownError() const { return m_harness->shownError(); }
    void select(int number) { QVERIFY(m_harness->select(number)); }
    SimProcess *gauge() const { return m_harness->gauge(); }

    std::unique_ptr<WindowHarness> m_harness;
    Mainform *m_window = nullptr;
    Ui::MainForm *ui = nullptr;
};

void TestTransfer::init()
{
    m_harness = std::make_unique<WindowHarness>();
    QVERIFY(m_harness->setUp());
    m_window = m_harness->window();
    ui = m_harness->ui();
}

void TestTransfer::cleanup()
{
    m_window = nullptr;
    ui = nullptr;
    m_harness.reset();
}

void TestTransfer::transferWhileProgressShows(const std::function<void(QProgressDialog *)> &action)
{
    QTimer watcher;
    watcher.setInterval(0);
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto *progress = m_window->findChild<QProgressDialog *>();
        if (progress && progress->isVisible())
            action(progress);
    });
    watcher.start();
    transfer();
}

QStringList TestTransfer::rowTexts() const
{
    QStringList texts;
    const QStandardItemModel *model = m_window->model();
    for (int row = 0; row < model->rowCount(deviceIndex()); ++row)
        texts << model->index(row, 0, deviceIndex()).data().toString();
    return texts;
}

void TestTransfer::transferReadsEverySlotAndListsNewestFirst()
{
    QVERIFY(startGauge(kFiveMeasurements));
    LogCapture log;
    transfer();

    // The device row, then the archive's.
    QCOMPARE(m_window->model()->rowCount(), 2);
    QCOMPARE(deviceIndex().data().toString(), QStringLiteral("Tensimo Parl"));
    QCOMPARE(deviceIndex().data(MeasurementNumberRole).toInt(), 0);
    QVERIFY(ui->treeView->isExpanded(deviceIndex()));
    QCOMPARE(rowNumbers(), QList<int>({7, 3, 12, 20, 30}));
    QCOMPARE(rowTexts(),
             QStringList(
                 {rowText(7, {2017, 1, 25}, {8, 0, 0}), rowText(3, {2017, 1, 24}, {16, 11, 58}),
                  rowText(12, {2016, 12, 23}, {23, 59, 59}), rowText(20, {2016, 1, 1}, {12, 0, 0}),
                  rowText(30, {2016, 1, 1}, {12, 0, 0})}));
    QList<int> listed;
    for (const Measurement *m : m_window->deviceData().records)
        listed << m->number;
    QCOMPARE(listed, rowNumbers());

    QCOMPARE(ui->labelSerialNr->text(), QStringLiteral("SN-4711"));
    QCOMPARE(ui->labelSwVersion->text(), QStringLiteral("2.10"));
    QVERIFY(ui->frame2->isEnabled());
    QVERIFY(ui->buttonTransfer->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
    QCOMPARE(shownError(), QString());

    QCOMPARE(gauge()->transcriptLines(), transferTraffic({3, 7, 12, 20, 30}));
    const QList<QByteArray> retCum = log.linesStartingWith("readCommand ");
    QCOMPARE(retCum.size(), 5);
    for (const QByteArray &line : retCum)
        QCOMPARE(line, QByteArrayLiteral("readCommand retCum=0"));

    select(7);

    QCOMPARE(m_window->currentMeasurementNumber(), 7);
    QCOMPARE(ui->labelMeasN->text(), QStringLiteral("7"));
    QCOMPARE(ui->labelMeasDate->text(),
             QLocale().toString(QDate(2017, 1, 25), QLocale::ShortFormat));
    QCOMPARE(QStringList({ui->labelForceStart->text(), ui->labelForceMax->text(),
                          ui->labelForceEnd->text(), ui->labelForceAvg->text()}),
             QStringList({"0.5 N", "20.0 N", "2.0 N", "6.1 N"}));
    QVERIFY(ui->actionDrucken->isEnabled());

    const QwtPlotCurve *curve = m_window->plotCurve();
    const QList<QPointF> expected = {{0.0, 0.5}, {0.5, 20.0}, {1.0, 7.0}, {1.5, 1.0}, {2.0, 2.0}};
    QCOMPARE(int(curve->dataSize()), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(curve->sample(i), expected[i]);
    // 5 samples at 2 per second: 2.5 s less a tenth, rounded up.
    QCOMPARE(ui->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 3.0);
    QVERIFY(ui->qwtPlot->isEnabled());
}

void TestTransfer::emptyGaugeGivesOnlyTheDeviceRow()
{
    QVERIFY(startGauge("serial SN-2\nversion 1.0\n"));
    transfer();

    // Nothing archived yet: no "Archiv" row either.
    QCOMPARE(m_window->model()->rowCount(), 1);
    QCOMPARE(m_window->model()->rowCount(deviceIndex()), 0);
    QVERIFY(ui->treeView->isExpanded(deviceIndex()));
    QVERIFY(m_window->deviceData().records.isEmpty());
    QCOMPARE(shownError(), QString());
    QCOMPARE(gauge()->transcriptLines(), transferTraffic({}));
}

void TestTransfer::poundForceUnitIsUsedEverywhere()
{
    QVERIFY(startGauge(slotsWithSmallCurves({4}, 2)));
    transfer();
    select(4);

    QCOMPARE(m_window->deviceData().forceUnitText, QStringLiteral("lbf"));
    QCOMPARE(ui->labelForceMax->text(), QStringLiteral("22.5 lbf"));
    QCOMPARE(ui->qwtPlot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("Kraft / lbf"));
    QCOMPARE(m_window->plotCurve()->sample(1).y(), 100.0 * 0.224809);
}

void TestTransfer::secondPressDuringATransferDoesNothing()
{
    const QList<int> filled = {1, 2, 3, 4, 5, 6, 7, 8};
    QVERIFY(startGauge(slotsWithSmallCurves(filled), {"--delay-ms", "10"}));

    int pressesDuringTransfer = 0;
    bool buttonStayedDisabled = true;
    transferWhileProgressShows([&](QProgressDialog *) {
        if (pressesDuringTransfer > 0)
            return;
        ++pressesDuringTransfer;
        m_window->on_buttonTransfer_clicked();
        buttonStayedDisabled = !ui->buttonTransfer->isEnabled();
    });

    QCOMPARE(pressesDuringTransfer, 1);
    QVERIFY(buttonStayedDisabled);
    // One connection, every slot asked once.
    QCOMPARE(gauge()->transcriptLines(), transferTraffic(filled));
    QCOMPARE(rowNumbers().size(), filled.size());
    QVERIFY(ui->buttonTransfer->isEnabled());
}

void TestTransfer::cancelKeepsTheSlotsReadSoFar()
{
    QVERIFY(startGauge(slotsWithSmallCurves({1, 2, 3, 4, 5, 6, 7, 8}), {"--delay-ms", "10"}));

    int cancelledAt = 0;
    transferWhileProgressShows([&](QProgressDialog *progress) {
        if (cancelledAt == 0 && progress->value() >= 5) {
            cancelledAt = progress->value();
            progress->cancel();
        }
    });

    QCOMPARE(cancelledAt, 5);
    QList<int> numbers = rowNumbers();
    std::sort(numbers.begin(), numbers.end());
    QCOMPARE(numbers, QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(m_window->deviceData().records.size(), 5);
    const QList<QByteArray> traffic = gauge()->transcriptLines();
    QVERIFY(traffic.contains(wireCommand("dMsDt", 5, '?')));
    QVERIFY(!traffic.contains(wireCommand("dMsCt", 6, '?')));
    QCOMPARE(traffic.last(), wireCommand("stCom", 102, '!'));
    QCOMPARE(shownError(), QString());
    QVERIFY(ui->buttonTransfer->isEnabled());
}

void TestTransfer::gaugeFallingSilentReportsAnErrorAndKeepsEarlierSlots()
{
    // Connect, identity (5 lines), slots 1 to 47 with 2 and 47 filled (47 + 2 * 9
    // lines): the gauge falls silent at the first question about slot 48.
    const int firstSilentLine = 5 + 47 + 2 * 9 + 1;
    QVERIFY(startGauge(slotsWithSmallCurves({2, 47, 49}),
                       {"--silent-from", QString::number(firstSilentLine)}));
    transfer();

    QList<int> numbers = rowNumbers();
    std::sort(numbers.begin(), numbers.end());
    QCOMPARE(numbers, QList<int>({2, 47}));
    QCOMPARE(shownError(), QStringLiteral("Fehler beim Übertragen der Daten! "
                                          "Betroffene Speicherplätze: 48, 49, 50"));
    const QList<QByteArray> traffic = gauge()->transcriptLines();
    QCOMPARE(traffic.at(firstSilentLine - 1), wireCommand("dMsCt", 48, '?'));
    QCOMPARE(countLines(traffic, "#dMsCt049"), 1);
    QCOMPARE(countLines(traffic, "#dMsCt050"), 1);
    QVERIFY(ui->buttonTransfer->isEnabled());
}

void TestTransfer::missingGaugeReportsAConnectionErrorAndKeepsTheList()
{
    QVERIFY(startGauge(kFiveMeasurements));
    transfer();
    QCOMPARE(rowNumbers().size(), 5);

    QVERIFY(gauge()->stop());
    // With its link gone the port would be looked up on the machine.
    QString error;
    QVERIFY2(installPortLink(gauge()->linkPath(), "/nonexistent/tspx-no-gauge", error),
             qPrintable(error));
    transfer();

    QCOMPARE(shownError(), QStringLiteral("Verbindung zum Gerät konnte nicht hergestellt werden!"));
    QCOMPARE(rowNumbers(), QList<int>({7, 3, 12, 20, 30}));
    QCOMPARE(m_window->deviceData().records.size(), 5);
    QCOMPARE(ui->labelSerialNr->text(), QStringLiteral("SN-4711"));
    // The archive holds the first transfer: the tree stays usable for it.
    QVERIFY(ui->frame2->isEnabled());
    QVERIFY(ui->buttonTransfer->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
}

void TestTransfer::bogusSampleCountPlotsOnlyTheSamplesHeld()
{
    QVERIFY(startGauge(slotsWithSmallCurves({3}), {"--override", "3:dMsCt=4294967295"}));
    transfer();

    QCOMPARE(rowNumbers(), QList<int>({3}));
    const Measurement *record = m_window->deviceData().records.value(0);
    QVERIFY(record);
    QCOMPARE(record->sampleCount, 4294967295u);
    QCOMPARE(record->forces.size(), 4);
    select(3);
    QCOMPARE(int(m_window->plotCurve()->dataSize()), 4);
    QCOMPARE(ui->labelForceMax->text(), QStringLiteral("100.0 N"));
    // 4 samples at 10 per second: 0.4 s, so the axis ends at 1 s.
    QCOMPARE(ui->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 1.0);
}

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
