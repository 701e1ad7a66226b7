// Odd answers and an unusable port under the real window: noise before every
// answer, an answer line that never ends, one of a million samples, refused
// start and stop commands, and a port another program holds.
#include "faultsupport.h"
#include "windowharness.h"

#include "measurement/measurement.h"
#include "ui/mainform.h"
#include "ui_mainform.h"

#include <QErrorMessage>
#include <QProcess>
#include <QTest>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QList<int> kEarlierSlots = {1, 2};
const QList<int> kFilledSlots = {4, 9, 17};
const QString kConnectionError =
    QStringLiteral("Verbindung zum Gerät konnte nicht hergestellt werden!");
constexpr int kMillion = 1000000;

QList<int> sorted(QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

const Measurement *findRecord(Mainform *window, int number)
{
    for (const Measurement *record : window->deviceData().records)
        if (record->number == number)
            return record;
    return nullptr;
}

QString forceLabel(float newtons)
{
    return QString::number(double(newtons), 'f', 1) + QStringLiteral(" N");
}

// tspx-portholder beside the test: another program holding a serial port.
class PortHolder
{
public:
    bool start(const QString &path)
    {
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tspx-portholder"),
                        {path});
        if (!m_process.waitForStarted(5000))
            return false;
        while (m_process.waitForReadyRead(5000)) {
            if (m_process.canReadLine())
                return m_process.readLine() == "held\n";
        }
        return false;
    }
    bool release()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(5000) && m_process.exitCode() == 0;
    }
    ~PortHolder()
    {
        if (m_process.state() != QProcess::NotRunning && !release())
            m_process.kill();
    }

private:
    QProcess m_process;
};

} // namespace

class TestAnswerFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noiseBeforeEveryAnswer();
    void answerThatNeverEnds();
    void millionSamples();
    void refusedCommunicationMode_data();
    void refusedCommunicationMode();
    void portHeldByAnotherProgram();

private:
    // The window still holds the transfer of init(), after a failed connection.
    void expectEarlierTransferKept();

    std::unique_ptr<WindowHarness> m_harness;
};

void TestAnswerFaults::init()
{
    m_harness = std::make_unique<WindowHarness>();
    QVERIFY(m_harness->setUp());
    // A million samples take the gauge longer to send than a short time-out.
    if (QTest::currentTestFunction() != QByteArray("millionSamples"))
        m_harness->useQuickLink();
    QVERIFY(m_harness->startGauge(gaugeWithSlots(kEarlierSlots)));
    m_harness->transfer();
    QCOMPARE(sorted(m_harness->recordNumbers()), kEarlierSlots);
}

void TestAnswerFaults::cleanup()
{
    m_harness.reset();
}

void TestAnswerFaults::expectEarlierTransferKept()
{
    QCOMPARE(m_harness->shownError(), kConnectionError);
    QCOMPARE(sorted(m_harness->recordNumbers()), kEarlierSlots);
    QCOMPARE(sorted(m_harness->rowNumbers()), kEarlierSlots);
    QCOMPARE(m_harness->ui()->labelSerialNr->text(), QStringLiteral("SN-4711"));
    // The archive holds the earlier transfer: the tree stays usable for it.
    QVERIFY(m_harness->ui()->frame2->isEnabled());
    expectIdleWindow(*m_harness);
}

void TestAnswerFaults::noiseBeforeEveryAnswer()
{
    QVERIFY(m_harness->startGauge(gaugeWithSlots(kFilledSlots), {"--noise"}));
    const qint64 elapsed = timedTransfer(*m_harness);

    QVERIFY2(elapsed < jobBoundMs(0), qPrintable(QString::number(elapsed)));
    QCOMPARE(m_harness->shownError(), QString());
    QCOMPARE(sorted(m_harness->rowNumbers()), kFilledSlots);
    QVERIFY(m_harness->select(9));
    QCOMPARE(m_harness->ui()->labelForceMax->text(), QStringLiteral("100.0 N"));
    QCOMPARE(m_harness->ui()->labelForceEnd->text(), QStringLiteral("3.0 N"));
    QCOMPARE(findRecord(m_harness->window(), 9)->forces, QList<float>({1, 100, 50, 3}));
    expectIdleWindow(*m_harness);
}

void TestAnswerFaults::answerThatNeverEnds()
{
    // The sample list of the last slot never ends: the only read whose
    // failure the transfer reports.
    QVERIFY(m_harness->startGauge(gaugeWithSlots({3, 50}), {"--endless-at", "50:dMsFc"}));
    resetPeakMemory();
    const qint64 residentBefore = memoryKiB("VmRSS");

    const qint64 elapsed = timedTransfer(*m_harness);

    // The read gives up at the line limit (32 MiB): that one line, and a copy
    // while the buffer grows, is all it may cost.
    const qint64 growth = memoryKiB("VmHWM") - residentBefore;
    QVERIFY2(growth < 3 * 32 * 1024 + sanitizerSlackKiB(), qPrintable(QString::number(growth)));
    // Bytes flow all the time, so no silence ends the read: the line limit does.
    QVERIFY2(elapsed < 60000, qPrintable(QString::number(elapsed)));
    QCOMPARE(m_harness->shownError(), transferErrorText({50}));
    QCOMPARE(sorted(m_harness->rowNumbers()), QList<int>({3, 50}));
    // The reads after the endless one are in step with the gauge again.
    const Measurement *record = findRecord(m_harness->window(), 50);
    QVERIFY(record);
    QVERIFY(record->forces.isEmpty());
    QCOMPARE(record->forceMax, 100.0f);
    QCOMPARE(record->forceAvg, 38.5f);
    QCOMPARE(record->dateText, QByteArray("01;02;2018"));
    QCOMPARE(findRecord(m_harness->window(), 3)->forces, QList<float>({1, 100, 50, 3}));
    expectIdleWindow(*m_harness);
    expectGoodTransferAgain(*m_harness, kFilledSlots);
}

void TestAnswerFaults::millionSamples()
{
    QVERIFY(
        m_harness->startGeneratedGauge({"--slots", "1", "--samples", QString::number(kMillion)}));
    resetPeakMemory();
    const qint64 residentBefore = memoryKiB("VmRSS");

    const qint64 elapsed = timedTransfer(*m_harness);
    QVERIFY(m_harness->select(1));

    QCOMPARE(m_harness->shownError(), QString());
    const Measurement *record = findRecord(m_harness->window(), 1);
    QVERIFY(record);
    QCOMPARE(record->sampleCount, uint32_t(kMillion));
    QCOMPARE(record->forces.size(), kMillion);
    // The gauge computes its summary from the samples as sent.
    const float largest = *std::max_element(record->forces.begin(), record->forces.end());
    QCOMPARE(record->forceMax, largest);
    QCOMPARE(m_harness->ui()->labelForceMax->text(), forceLabel(largest));
    QCOMPARE(record->forceStart, record->forces.first());
    QCOMPARE(record->forceEnd, record->forces.last());

    const QwtPlotCurve *curve = m_harness->window()->plotCurve();
    QCOMPARE(int(curve->dataSize()), kMillion);
    const double rate = double(record->sampleRate);
    QVERIFY(rate > 0);
    QCOMPARE(curve->sample(kMillion - 1).y(), double(record->forces.last()));
    QVERIFY(std::abs(curve->sample(kMillion - 1).x() - (kMillion - 1) / rate) < 1e-6 * kMillion);
    QCOMPARE(m_harness->ui()->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(),
             std::ceil(kMillion / rate - 0.1));

    // The answer text, its pieces, the samples, the plot's arrays and the
    // curve's copy: about 70 bytes per sample; 200 at most.
    const qint64 growth = memoryKiB("VmHWM") - residentBefore;
    QVERIFY2(growth < 200 * kMillion / 1024 + sanitizerSlackKiB(),
             qPrintable(QString::number(growth)));
    QVERIFY2(elapsed < jobBoundMs(0) + 60000, qPrintable(QString::number(elapsed)));
    expectIdleWindow(*m_harness);
}

void TestAnswerFaults::refusedCommunicationMode_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<QByteArray>>("traffic");
    // A refused stop leaves the device object in its error state, and a
    // refused start its second attempt: neither sends again.
    QTest::newRow("start") << "--refuse-start"
                           << QList<QByteArray>{wireCommand("stCom", 102, '!'),
                                                wireCommand("stCom", 101, '!')};
    QTest::newRow("stop") << "--refuse-stop" << QList<QByteArray>{wireCommand("stCom", 102, '!')};
}

void TestAnswerFaults::refusedCommunicationMode()
{
    QFETCH(QString, option);
    QFETCH(QList<QByteArray>, traffic);
    QVERIFY(m_harness->startGauge(gaugeWithSlots(kFilledSlots), {option}));

    const qint64 elapsed = timedTransfer(*m_harness);

    // A refusal is an answer: no time-out is waited for.
    QVERIFY2(elapsed < jobBoundMs(0), qPrintable(QString::number(elapsed)));
    QCOMPARE(m_harness->traffic(), traffic);
    expectEarlierTransferKept();
    expectGoodTransferAgain(*m_harness, kFilledSlots);
}

void TestAnswerFaults::portHeldByAnotherProgram()
{
    QVERIFY(m_harness->startGauge(gaugeWithSlots(kFilledSlots)));
    // A terminal program on the device the tool's COM4 link leads to. The
    // kernel's exclusive mode stops a second open for everyone but root; for
    // root only the lock file under the device's name does.
    PortHolder holder;
    QVERIFY(holder.start(m_harness->gauge()->terminalPath()));

    const qint64 elapsed = timedTransfer(*m_harness);

    QVERIFY2(elapsed < jobBoundMs(0), qPrintable(QString::number(elapsed)));
    // The tool never wrote to the port the other program holds.
    QCOMPARE(m_harness->traffic(), QList<QByteArray>());
    expectEarlierTransferKept();

    // Once the other program is gone, the same gauge is found.
    QVERIFY(holder.release());
    m_harness->window()->errorWindow()->close();
    m_harness->transfer();
    QCOMPARE(m_harness->shownError(), QString());
    QCOMPARE(sorted(m_harness->rowNumbers()), kFilledSlots);
    expectIdleWindow(*m_harness);
}

QTEST_MAIN(TestAnswerFaults)
#include "tst_answerfaults.moc"
