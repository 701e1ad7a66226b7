// The gauge's line failing under the real window: silence at each stage of a
// transfer and during an erase, and the gauge unplugged in mid-transfer. Each
// case bounds the time the window stays busy, checks the operator's message
// and what the window still holds, and transfers from a good gauge afterwards.
#include "faultsupport.h"
#include "modalanswerer.h"
#include "windowharness.h"

#include "measurement/measurement.h"
#include "ui/mainform.h"
#include "ui_mainform.h"

#include <QElapsedTimer>
#include <QErrorMessage>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

const QList<int> kFilledSlots = {4, 9, 17};

// Lines the gauge received from `firstLine` (1 = the first) on.
int linesFrom(const QList<QByteArray> &traffic, int firstLine)
{
    return std::max(0, int(traffic.size()) - firstLine + 1);
}

QList<int> sorted(QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Cancels the transfer's progress dialog as soon as it shows, as an operator
// does who sees the transfer hang: every further silent slot would cost a second.
class GiveUpWhenProgressShows
{
public:
    explicit GiveUpWhenProgressShows(Mainform *window)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, window] {
            auto *progress = window->findChild<QProgressDialog *>();
            if (!m_cancelled && progress && progress->isVisible()) {
                m_cancelled = true;
                progress->cancel();
            }
        });
        m_timer.start(0);
    }
    bool cancelled() const { return m_cancelled; }

private:
    QTimer m_timer;
    bool m_cancelled = false;
};

} // namespace

class TestLinkFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void silenceFromTheIdentityOn();
    void silenceFromSlot1On();
    void silenceFromSlot37On();
    void silenceDuringAnErase();
    void gaugeUnpluggedDuringATransfer();

private:
    // A transfer against a gauge that falls silent at `silentLine`; the
    // operator gives up once the progress shows when `giveUp` is set.
    // The error message must start with `error` (where the operator gives
    // up, more slots may follow).
    void silentTransfer(int silentLine, bool giveUp, const QString &error);

    std::unique_ptr<WindowHarness> m_harness;
};

void TestLinkFaults::init()
{
    m_harness = std::make_unique<WindowHarness>();
    QVERIFY(m_harness->setUp());
    // The erase case runs at the gauge's real time-outs; the rest with short ones.
    if (QTest::currentTestFunction() != QByteArray("silenceDuringAnErase"))
        m_harness->useQuickLink();
    // What the failed transfers replace.
    QVERIFY(m_harness->startGauge(gaugeWithSlots({1, 2})));
    m_harness->transfer();
    QCOMPARE(m_harness->recordNumbers().size(), 2);
}

void TestLinkFaults::cleanup()
{
    m_harness.reset();
}

void TestLinkFaults::silentTransfer(int silentLine, bool giveUp, const QString &error)
{
    QVERIFY(m_harness->startGauge(gaugeWithSlots(kFilledSlots),
                                  {"--silent-from", QString::number(silentLine)}));
    std::unique_ptr<GiveUpWhenProgressShows> operatorAction;
    if (giveUp)
        operatorAction = std::make_unique<GiveUpWhenProgressShows>(m_harness->window());

    const qint64 elapsed = timedTransfer(*m_harness);

    const QList<QByteArray> traffic = m_harness->traffic();
    QVERIFY(traffic.size() >= silentLine);
    const int unanswered = linesFrom(traffic, silentLine);
    QVERIFY2(elapsed < jobBoundMs(unanswered, kQuickSilentReadMs),
             qPrintable(QStringLiteral("%1 ms for %2 silent lines").arg(elapsed).arg(unanswered)));
    QVERIFY(!giveUp || operatorAction->cancelled());
    // The job's stop command goes out once; unanswered, it leaves the device
    // object in its error state, so closing the port sends no second one.
    QCOMPARE(traffic.last(), wireCommand("stCom", 102, '!'));
    QVERIFY(traffic.at(traffic.size() - 2) != traffic.last());
    QVERIFY2(m_harness->shownError().startsWith(error), qPrintable(m_harness->shownError()));
    expectIdleWindow(*m_harness);
}

void TestLinkFaults::silenceFromTheIdentityOn()
{
    // The operator gives up while slot 1 is read.
    silentTransfer(kSerialNrLine, true, transferErrorText({1}, true));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_harness->traffic().at(kSerialNrLine - 1), wireCommand("serNr", 0, '?'));
    // The identity stays empty and the old records are gone: the list is
    // replaced once the identity has been asked for.
    QCOMPARE(m_harness->ui()->labelSerialNr->text(), QString());
    QCOMPARE(m_harness->window()->deviceData().forceUnitText, QStringLiteral("N"));
    QCOMPARE(m_harness->recordNumbers(), QList<int>());
    QVERIFY(m_harness->deviceIndex().isValid());
    QCOMPARE(m_harness->rowNumbers(), QList<int>());
    expectGoodTransferAgain(*m_harness, kFilledSlots);
}

void TestLinkFaults::silenceFromSlot1On()
{
    const int silentLine = transferLineOfSlot(1, kFilledSlots);
    silentTransfer(silentLine, true, transferErrorText({1}));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_harness->traffic().at(silentLine - 1), wireCommand("dMsCt", 1, '?'));
    QCOMPARE(m_harness->ui()->labelSerialNr->text(), QStringLiteral("SN-4711"));
    QCOMPARE(m_harness->recordNumbers(), QList<int>());
    QCOMPARE(m_harness->rowNumbers(), QList<int>());
    expectGoodTransferAgain(*m_harness, kFilledSlots);
}

void TestLinkFaults::silenceFromSlot37On()
{
    const QList<int> filled = {3, 12, 30, 40};
    const int silentLine = transferLineOfSlot(37, filled);
    QVERIFY(m_harness->startGauge(gaugeWithSlots(filled),
                                  {"--silent-from", QString::number(silentLine)}));
    // Slots 37 to 50 and the stop command: one time-out each.
    const qint64 elapsed = timedTransfer(*m_harness);

    const QList<QByteArray> traffic = m_harness->traffic();
    QCOMPARE(traffic.at(silentLine - 1), wireCommand("dMsCt", 37, '?'));
    QCOMPARE(linesFrom(traffic, silentLine), 14 + 1);
    QVERIFY2(elapsed < jobBoundMs(15, kQuickSilentReadMs), qPrintable(QString::number(elapsed)));
    QCOMPARE(m_harness->shownError(), transferErrorText(slotRange(37, 50)));
    // The slots read before the silence; the silent ones hold no record.
    QCOMPARE(sorted(m_harness->recordNumbers()), QList<int>({3, 12, 30}));
    QCOMPARE(sorted(m_harness->rowNumbers()), QList<int>({3, 12, 30}));
    expectIdleWindow(*m_harness);
    expectGoodTransferAgain(*m_harness, filled);
}

void TestLinkFaults::silenceDuringAnErase()
{
    QVERIFY(m_harness->startGauge(gaugeWithSlots(kFilledSlots)));
    m_harness->transfer();
    // The transfer's lines, then connecting again, the serial number and the
    // slot's count, time and date; the erase is not answered.
    const int silentLine = m_harness->traffic().size() + 7;
    QVERIFY(m_harness->startGauge(gaugeWithSlots(kFilledSlots),
                                  {"--silent-from", QString::number(silentLine)}));
    m_harness->transfer();
    QVERIFY(m_harness->select(9));

    ModalAnswerer answerer({{"QMessageBox", [](QWidget *box) {
                                 static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
                             }}});
    QElapsedTimer timer;
    timer.start();
    m_harness->ui()->actionGewaehlteMessungloeschen->trigger();
    QVERIFY(m_harness->waitForJob());
    const qint64 elapsed = timer.elapsed();

    QCOMPARE(answerer.pending(), 0);
    const QList<QByteArray> traffic = m_harness->traffic();
    QCOMPARE(traffic.at(silentLine - 1), wireCommand("dMsEr", 9, '!'));
    // The erase and the stop command wait for their time-out.
    QCOMPARE(linesFrom(traffic, silentLine), 2);
    QVERIFY2(elapsed < jobBoundMs(2), qPrintable(QString::number(elapsed)));
    // An erase without an answer may not have happened: the row stays and
    // the operator is told.
    QCOMPARE(sorted(m_harness->rowNumbers()), kFilledSlots);
    QCOMPARE(sorted(m_harness->recordNumbers()), kFilledSlots);
    QCOMPARE(m_harness->shownError(),
             QStringLiteral("Diese Speicherplätze wurden nicht gelöscht: 9"));
    m_harness->window()->errorWindow()->close();
    expectIdleWindow(*m_harness);

    // The silent gauge is not found again: the tree stays as it is.
    const qint64 searchElapsed = timedTransfer(*m_harness);
    QVERIFY2(searchElapsed < jobBoundMs(1), qPrintable(QString::number(searchElapsed)));
    QCOMPARE(m_harness->shownError(),
             QStringLiteral("Verbindung zum Gerät konnte nicht hergestellt werden!"));
    QCOMPARE(sorted(m_harness->rowNumbers()), kFilledSlots);
    // The archive holds the earlier transfer: the tree stays usable for it.
    QVERIFY(m_harness->ui()->frame2->isEnabled());
    expectIdleWindow(*m_harness);
    expectGoodTransferAgain(*m_harness, kFilledSlots);
}

void TestLinkFaults::gaugeUnpluggedDuringATransfer()
{
    const QList<int> filled = {3, 12, 30};
    // The sample list of slot 12: after its two counts and its rate.
    const int unplugLine = transferLineOfSlot(12, filled) + 3;
    QVERIFY(
        m_harness->startGauge(gaugeWithSlots(filled), {"--exit-at", QString::number(unplugLine)}));
    const QString link = m_harness->gauge()->linkPath();

    const qint64 elapsed = timedTransfer(*m_harness);

    SimProcess *gauge = m_harness->gauge();
    // The window's loop ran during the transfer: its end may be known already.
    QVERIFY(gauge->process().state() == QProcess::NotRunning ||
            gauge->process().waitForFinished(5000));
    QCOMPARE(gauge->process().exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
    const QList<QByteArray> traffic = m_harness->traffic();
    QCOMPARE(traffic.size(), unplugLine);
    QCOMPARE(traffic.last(), wireCommand("dMsFc", 12, '?'));
    // A port whose device is gone fails every further read at once instead
    // of waiting out a second of silence for each of the 45 left.
    QVERIFY2(elapsed < jobBoundMs(1, kQuickSilentReadMs), qPrintable(QString::number(elapsed)));
    QCOMPARE(m_harness->shownError(), transferErrorText(slotRange(12, 50)));
    // Slot 12 keeps what came before the plug was pulled; later slots are lost.
    QCOMPARE(sorted(m_harness->recordNumbers()), QList<int>({3, 12}));
    QCOMPARE(sorted(m_harness->rowNumbers()), QList<int>({3, 12}));
    const Measurement *partial = nullptr;
    for (const Measurement *record : m_harness->window()->deviceData().records)
        if (record->number == 12)
            partial = record;
    QVERIFY(partial);
    QCOMPARE(partial->sampleCount, 4u);
    QCOMPARE(partial->sampleRate, 10.0f);
    QVERIFY(partial->forces.isEmpty());
    QVERIFY(partial->dateText.isEmpty());
    expectIdleWindow(*m_harness);
    expectGoodTransferAgain(*m_harness, filled);
}

QTEST_MAIN(TestLinkFaults)
#include "tst_linkfaults.moc"
