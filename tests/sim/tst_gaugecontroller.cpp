#include "device/quorixtspx.h"
#include "sim/datafile.h"
#include "sim/gaugecontroller.h"
#include "simulatorport.h"

#include <QTest>

namespace {

// Slot 5 holds a short curve, slot 12 another; everything else is empty.
const QByteArray kMemoryText = "serial TP-0001-0042\n"
                               "version 2.15\n"
                               "unit 2\n"
                               "slot 5\n"
                               "rate 100.0\n"
                               "date 24;01;2017\n"
                               "time 16;11;58\n"
                               "forces 0.5;12.25;30.001\n"
                               "forces 7.5\n"
                               "slot 12\n"
                               "rate 1000\n"
                               "date 02;03;2016\n"
                               "time 08;00;01\n"
                               "forces 1;2\n";

GaugeMemory testMemory()
{
    GaugeMemory memory;
    QString error;
    if (!parseGaugeData(kMemoryText, memory, error))
        qFatal("%s", qPrintable(error));
    return memory;
}

QByteArray reply(GaugeController &controller, const QByteArray &line)
{
    const std::optional<GaugeReply> answer = controller.answer(line);
    if (!answer)
        return "<silent>";
    return answer->bytes;
}

// A controller already in its communication mode.
GaugeController connectedController(FaultOptions faults = FaultOptions())
{
    GaugeController controller(testMemory(), faults);
    controller.answer("#stCom101!\r");
    return controller;
}

} // namespace

class TestGaugeController : public QObject
{
    Q_OBJECT

private slots:
    void commandsOutsideTheModeAreRefused();
    void startAndStopSwitchTheMode();
    void readAnswersAreExact_data();
    void readAnswersAreExact();
    void emptySlotReportsZeroSamplesOnly();
    void malformedCommandsGetTheirCodes_data();
    void malformedCommandsGetTheirCodes();
    void eraseEmptiesTheSlot();
    void silenceCountsEveryReceivedLine();
    void noiseComesBeforeTheAnswer();
    void refusedStartAndStop();
    void endlessAnswerHasNoLineEnd();
    void overridesReplaceAnswers();
    void simulatorPortSpeaksWithTheProtocolObject();
    void simulatorPortStopsAnEndlessAnswerOnTheNextCommand();
    void millionSamplesInOneAnswer();
};

void TestGaugeController::commandsOutsideTheModeAreRefused()
{
    GaugeController controller(testMemory());
    QCOMPARE(reply(controller, "#serNr000?\r"), QByteArray("#-3\r\n"));
    QCOMPARE(reply(controller, "#dMsEr005!\r"), QByteArray("#-3\r\n"));
    // Refused commands do nothing: the slot is still there once connected.
    controller.answer("#stCom101!\r");
    QCOMPARE(reply(controller, "#dMsCt005?\r"), QByteArray("#dMsCt005=4\r\n"));
}

void TestGaugeController::startAndStopSwitchTheMode()
{
    GaugeController controller(testMemory());
    // Ending a mode that is not on is accepted: the program always does it first.
    QCOMPARE(reply(controller, "#stCom102!\r"), QByteArray("#0\r\n"));
    QVERIFY(!controller.inCommunicationMode());
    QCOMPARE(reply(controller, "#stCom101!\r"), QByteArray("#0\r\n"));
    QVERIFY(controller.inCommunicationMode());
    QCOMPARE(reply(controller, "#stCom102!\r"), QByteArray("#0\r\n"));
    QVERIFY(!controller.inCommunicationMode());
    QCOMPARE(reply(controller, "#swVer000?\r"), QByteArray("#-3\r\n"));
    QCOMPARE(reply(controller, "#stCom103!\r"), QByteArray("#-7\r\n"));
    QCOMPARE(controller.receivedLineCount(), 5);
}

void TestGaugeController::readAnswersAreExact_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("serial") << QByteArray("#serNr000?\r")
                            << QByteArray("#serNr000=TP-0001-0042\r\n");
    QTest::newRow("version") << QByteArray("#swVer000?\r") << QByteArray("#swVer000=2.15\r\n");
    QTest::newRow("unit") << QByteArray("#sFcUn000?\r") << QByteArray("#sFcUn000=2\r\n");
    QTest::newRow("count") << QByteArray("#dMsCt005?\r") << QByteArray("#dMsCt005=4\r\n");
    QTest::newRow("rate") << QByteArray("#dMsSR005?\r") << QByteArray("#dMsSR005=100.0\r\n");
    QTest::newRow("forces") << QByteArray("#dMsFc005?\r")
                            << QByteArray("#dMsFc005=0.500;12.250;30.001;7.500\r\n");
    QTest::newRow("start") << QByteArray("#dMsFS005?\r") << QByteArray("#dMsFS005=0.500\r\n");
    QTest::newRow("end") << QByteArray("#dMsFP005?\r") << QByteArray("#dMsFP005=7.500\r\n");
    QTest::newRow("max") << QByteArray("#dMsFX005?\r") << QByteArray("#dMsFX005=30.001\r\n");
    // (500 + 12250 + 30001 + 7500) / 4 = 12562.75 mN
    QTest::newRow("avg") << QByteArray("#dMsFA005?\r") << QByteArray("#dMsFA005=12.563\r\n");
    QTest::newRow("time") << QByteArray("#dMsTm005?\r") << QByteArray("#dMsTm005=16;11;58\r\n");
    QTest::newRow("date") << QByteArray("#dMsDt005?\r") << QByteArray("#dMsDt005=24;01;2017\r\n");
    QTest::newRow("other slot") << QByteArray("#dMsSR012?\r") << QByteArray("#dMsSR012=1000.0\r\n");
    QTest::newRow("without CR") << QByteArray("#dMsFc012?")
                                << QByteArray("#dMsFc012=1.000;2.000\r\n");
    QTest::newRow("long index") << QByteArray("#dMsCt0005?\r") << QByteArray("#dMsCt0005=4\r\n");
}

void TestGaugeController::readAnswersAreExact()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, answer);
    GaugeController controller = connectedController();
    QCOMPARE(reply(controller, line), answer);
}

void TestGaugeController::emptySlotReportsZeroSamplesOnly()
{
    GaugeController controller = connectedController();
    QCOMPARE(reply(controller, "#dMsCt001?\r"), QByteArray("#dMsCt001=0\r\n"));
    QCOMPARE(reply(controller, "#dMsCt050?\r"), QByteArray("#dMsCt050=0\r\n"));
    QCOMPARE(reply(controller, "#dMsFc001?\r"), QByteArray("#-9\r\n"));
    QCOMPARE(reply(controller, "#dMsDt050?\r"), QByteArray("#-9\r\n"));
}

void TestGaugeController::malformedCommandsGetTheirCodes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("slot 0") << QByteArray("#dMsCt000?\r") << QByteArray("#-7\r\n");
    QTest::newRow("slot 51") << QByteArray("#dMsSR051?\r") << QByteArray("#-7\r\n");
    QTest::newRow("serial of a slot") << QByteArray("#serNr001?\r") << QByteArray("#-7\r\n");
    QTest::newRow("huge index") << QByteArray("#dMsCt99999999999?\r") << QByteArray("#-7\r\n");
    QTest::newRow("unknown") << QByteArray("#dMsXX001?\r") << QByteArray("#-6\r\n");
    QTest::newRow("unknown execute") << QByteArray("#reset000!\r") << QByteArray("#-6\r\n");
    QTest::newRow("read by execute") << QByteArray("#dMsCt001!\r") << QByteArray("#-8\r\n");
    QTest::newRow("erase by read") << QByteArray("#dMsEr001?\r") << QByteArray("#-8\r\n");
    QTest::newRow("write") << QByteArray("#sFcUn000=1\r") << QByteArray("#-8\r\n");
    QTest::newRow("no start") << QByteArray("serNr000?\r") << QByteArray("#-8\r\n");
    QTest::newRow("no index") << QByteArray("#serNr?\r") << QByteArray("#-8\r\n");
    QTest::newRow("no verb") << QByteArray("#serNr000\r") << QByteArray("#-8\r\n");
    QTest::newRow("text after verb") << QByteArray("#serNr000?x\r") << QByteArray("#-8\r\n");
    QTest::newRow("empty") << QByteArray("") << QByteArray("#-8\r\n");
}

void TestGaugeController::malformedCommandsGetTheirCodes()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, answer);
    GaugeController controller = connectedController();
    QCOMPARE(reply(controller, line), answer);
    QVERIFY(controller.inCommunicationMode());
}

void TestGaugeController::eraseEmptiesTheSlot()
{
    GaugeController controller = connectedController();
    QCOMPARE(reply(controller, "#dMsEr005!\r"), QByteArray("#0\r\n"));
    QCOMPARE(reply(controller, "#dMsCt005?\r"), QByteArray("#dMsCt005=0\r\n"));
    QVERIFY(!controller.memory().slot(5));
    QVERIFY(controller.memory().slot(12));
    // Erasing an empty slot is fine; a slot that does not exist is not.
    QCOMPARE(reply(controller, "#dMsEr005!\r"), QByteArray("#0\r\n"));
    QCOMPARE(reply(controller, "#dMsEr051!\r"), QByteArray("#-7\r\n"));
    QCOMPARE(controller.memory().filledSlotCount(), 1);
}

void TestGaugeController::silenceCountsEveryReceivedLine()
{
    FaultOptions faults;
    faults.silentFrom = 3;
    GaugeController controller(testMemory(), faults);
    QCOMPARE(reply(controller, "#serNr000?\r"), QByteArray("#-3\r\n"));
    QCOMPARE(reply(controller, "garbage"), QByteArray("#-8\r\n"));
    QCOMPARE(reply(controller, "#stCom101!\r"), QByteArray("<silent>"));
    QCOMPARE(reply(controller, "#stCom101!\r"), QByteArray("<silent>"));
    // Silent means the command was not carried out either.
    QVERIFY(!controller.inCommunicationMode());
    QCOMPARE(controller.receivedLineCount(), 4);
}

void TestGaugeController::noiseComesBeforeTheAnswer()
{
    FaultOptions faults;
    faults.noise = true;
    GaugeController controller = connectedController(faults);
    const QByteArray answer = reply(controller, "#dMsSR005?\r");
    QVERIFY(!answerNoise().isEmpty());
    QVERIFY(!answerNoise().contains('#'));
    QVERIFY(!answerNoise().contains('\n'));
    QCOMPARE(answer, answerNoise() + "#dMsSR005=100.0\r\n");
}

void TestGaugeController::refusedStartAndStop()
{
    FaultOptions faults;
    faults.refuseStart = true;
    GaugeController refusingStart(testMemory(), faults);
    QCOMPARE(reply(refusingStart, "#stCom101!\r"), QByteArray("#-4\r\n"));
    QVERIFY(!refusingStart.inCommunicationMode());
    QCOMPARE(reply(refusingStart, "#stCom102!\r"), QByteArray("#0\r\n"));

    faults = FaultOptions();
    faults.refuseStop = true;
    GaugeController refusingStop = connectedController(faults);
    QCOMPARE(reply(refusingStop, "#stCom102!\r"), QByteArray("#-5\r\n"));
    QVERIFY(refusingStop.inCommunicationMode());
}

void TestGaugeController::endlessAnswerHasNoLineEnd()
{
    FaultOptions faults;
    faults.endlessAt = {CommandMatch{"dMsFc", 12}};
    faults.endlessBytes = 5000;
    GaugeController controller = connectedController(faults);
    const std::optional<GaugeReply> endless = controller.answer("#dMsFc012?\r");
    QVERIFY(endless);
    QCOMPARE(endless->bytes, QByteArray("#dMsFc012="));
    QCOMPARE(endless->fillerBytes, qint64(5000));
    // Only slot 12 is endless; the filler holds nothing that ends or starts a line.
    QCOMPARE(reply(controller, "#dMsFc005?\r"),
             QByteArray("#dMsFc005=0.500;12.250;30.001;7.500\r\n"));
    const QByteArray filler = endlessFiller(3, 4000);
    QCOMPARE(filler.size(), 4000);
    QVERIFY(!filler.contains('\n') && !filler.contains('\r') && !filler.contains('#'));
    QCOMPARE(endlessFiller(0, 10).mid(3), endlessFiller(3, 7));
}

void TestGaugeController::overridesReplaceAnswers()
{
    FaultOptions faults;
    faults.overrides = {
        {CommandMatch{"dMsCt", 5}, "4294967295", false},
        {CommandMatch{"dMsCt", 7}, "-1", false},
        {CommandMatch{"dMsSR", std::nullopt}, "fast", false},
        {CommandMatch{"dMsTm", 5}, "", false},
        {CommandMatch{"dMsFc", 5}, "1.0;;2.0;", false},
        {CommandMatch{"dMsEr", 5}, "-12", true},
    };
    GaugeController controller = connectedController(faults);
    QCOMPARE(reply(controller, "#dMsCt005?\r"), QByteArray("#dMsCt005=4294967295\r\n"));
    QCOMPARE(reply(controller, "#dMsCt007?\r"), QByteArray("#dMsCt007=-1\r\n"));
    QCOMPARE(reply(controller, "#dMsSR012?\r"), QByteArray("#dMsSR012=fast\r\n"));
    QCOMPARE(reply(controller, "#dMsTm005?\r"), QByteArray("#dMsTm005=\r\n"));
    QCOMPARE(reply(controller, "#dMsFc005?\r"), QByteArray("#dMsFc005=1.0;;2.0;\r\n"));
    QCOMPARE(reply(controller, "#dMsEr005!\r"), QByteArray("#-12\r\n"));
    // An overridden erase is not carried out; other answers stay the gauge's own.
    QCOMPARE(reply(controller, "#dMsCt012?\r"), QByteArray("#dMsCt012=2\r\n"));
    QVERIFY(controller.memory().slot(5));
}

void TestGaugeController::simulatorPortSpeaksWithTheProtocolObject()
{
    SimulatorPort port(testMemory());
    QuorixTSPX device(&port);
    QCOMPARE(device.disconnect(), 0);
    QCOMPARE(device.connect(), 0);
    QList<float> forces;
    QCOMPARE(device.readCommand("dMsFc", 5, forces), 0);
    QCOMPARE(forces, (QList<float>{0.5f, 12.25f, 30.001f, 7.5f}));
    QCOMPARE(device.execCommand("dMsEr", 12), 0);
    QCOMPARE(port.written(),
             QByteArray("#stCom102!\r\n#stCom101!\r\n#dMsFc005?\r\n#dMsEr012!\r\n"));
    QCOMPARE(port.receivedLines(),
             (QList<QByteArray>{"#stCom102!", "#stCom101!", "#dMsFc005?", "#dMsEr012!"}));
    QVERIFY(!port.controller().memory().slot(12));
    QCOMPARE(port.size(), 0u);
}

void TestGaugeController::simulatorPortStopsAnEndlessAnswerOnTheNextCommand()
{
    FaultOptions faults;
    faults.endlessAt = {CommandMatch{"dMsFc", std::nullopt}};
    faults.endlessBytes = 200000;
    SimulatorPort port(testMemory(), faults);
    port.controller().answer("#stCom101!");
    QByteArray start;
    port.writeString("#dMsFc005?\r\n");
    QCOMPARE(port.size(), uint32_t(10 + 200000));
    port.readString(&start, 10);
    QCOMPARE(start, QByteArray("#dMsFc005="));
    char c = 0;
    port.readChar(&c);
    QCOMPARE(c, endlessFiller(0, 1)[0]);
    port.writeString("#dMsCt005?\r\n");
    // What was already on its way stays; then comes the new answer.
    QByteArray rest;
    QByteArray chunk;
    do {
        port.readString(&chunk, 100000);
        rest += chunk;
    } while (!chunk.isEmpty());
    const QByteArray answer = "#dMsCt005=4\r\n";
    QVERIFY(rest.endsWith(answer));
    const QByteArray leftOver = rest.chopped(answer.size());
    QVERIFY(leftOver.size() < 200000 - 1);
    QVERIFY(!leftOver.contains('#'));
}

void TestGaugeController::millionSamplesInOneAnswer()
{
    SimMeasurement measurement;
    measurement.milliNewtons = QVector<qint32>(1000000, 1234);
    measurement.milliNewtons[999999] = 5;
    GaugeMemory memory;
    memory.slot(1) = measurement;
    GaugeController controller(memory);
    controller.answer("#stCom101!");
    const QByteArray answer = reply(controller, "#dMsFc001?\r");
    QVERIFY(answer.startsWith("#dMsFc001=1.234;1.234;"));
    QVERIFY(answer.endsWith(";1.234;0.005\r\n"));
    QCOMPARE(answer.count(';'), 999999);
    QCOMPARE(reply(controller, "#dMsCt001?\r"), QByteArray("#dMsCt001=1000000\r\n"));
}

QTEST_GUILESS_MAIN(TestGaugeController)
#include "tst_gaugecontroller.moc"
