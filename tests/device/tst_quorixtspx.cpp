#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "scriptedport.h"

#include <QTranslator>
#include <QTest>

#include <algorithm>

namespace {

const QByteArray kPortErrorText = "Fehler beim \xc3\x96"
                                  "ffnen der Schnittstelle!";
const QByteArray kInitErrorText = "Fehler beim Initialisieren!";
const QByteArray kDroppedPrefix = "QuorixTSPX::readAnswer: Antwort auf ";
// One byte on the line at 115200 baud, 8N1.
constexpr double kByteMs = 1000.0 / 11520;

// The log lines of answers dropped because they named another command.
int droppedAnswers(const LogCapture &log)
{
    return int(std::count_if(log.lines().begin(), log.lines().end(), [](const QByteArray &line) {
        return line.startsWith(kDroppedPrefix);
    }));
}

// Stands in for a loaded translation file.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        const bool ours = QByteArray(context) == "QTranslator" && QByteArray(text) == "Fehler!";
        return ours ? QStringLiteral("Erreur \u00e0 voir") : QString();
    }
};

} // namespace

class TestQuorixTSPX : public QObject
{
    Q_OBJECT

private slots:
    void constructorConfiguresAndDropsStaleInput();
    void commandLines();
    void answerParsing();
    void answersMatchedToTheirCommand_data();
    void answersMatchedToTheirCommand();
    void repeatedAndLateAnswersShiftNothing_data();
    void repeatedAndLateAnswersShiftNothing();
    void silence();
    void waitForTheAnswerIsBoundedInTime_data();
    void waitForTheAnswerIsBoundedInTime();
    void longLines();
    void portsThatAreNotTheGauge_data();
    void portsThatAreNotTheGauge();
    void connectAndDisconnect();
    void refusals();
    void unusablePorts();
    void statusTexts();
};

void TestQuorixTSPX::constructorConfiguresAndDropsStaleInput()
{
    LogCapture log;
    ScriptedPort port;
    port.queue("#9\r\n");
    QuorixTSPX device(&port);
    QCOMPARE(port.initArgs, (QList<int>{115200, 0, 8, 1, 0}));
    QCOMPARE(device.status->code, 1);
    QVERIFY(log.lines().isEmpty());
    port.reply("#0\r\n");
    QCOMPARE(device.execCommand("dMsEr", 1), 0); // not the stale 9
}

void TestQuorixTSPX::commandLines()
{
    ScriptedPort port;
    QuorixTSPX device(&port);
    float rate = 0;
    port.reply("#0\r\n");
    port.reply("#0\r\n");
    device.readCommand("dMsSR", 5, rate);
    QCOMPARE(port.writes, (QList<QByteArray>{"c:#", "s:dMsSR", "s:005", "c:?", "c:\r", "c:\n"}));
    port.written.clear();
    device.execCommand("dMsEr", 12);
    QCOMPARE(port.written, QByteArray("#dMsEr012!\r\n"));

    const QList<QPair<std::function<int()>, QByteArray>> writes{
        {[&] { return device.writeCommand("sVal1", 1234, QByteArray("abc")); }, "1234=abc"},
        {[&] { return device.writeCommand("sVal1", 3, 2.5f); }, "003=2.500"},
        {[&] { return device.writeCommand("sVal1", 3, -5); }, "003=-5"},
        {[&] { return device.writeCommand("sVal1", 3, 4000000000u); }, "003=4000000000"}};
    for (const auto &write : writes) {
        port.written.clear();
        port.reply("#-7\r\n");
        QCOMPARE(write.first(), -7);
        QCOMPARE(port.written, "#sVal1" + write.second + "\r\n");
    }
    QCOMPARE(port.writes.at(port.writes.size() - 3), QByteArray("s:4000000000"));
}

void TestQuorixTSPX::answerParsing()
{
    const struct
    {
        const char *answer;
        int result;
        const char *text;
    } cases[] = {{"xx\x01 \r\n#dMsSR005=12.5\r\n", 0, "12.5"},
                 {"#-5\r\n", -5, ""},
                 {"#x=1=2\r\n", 0, "1=2"},
                 {"#x=abc\n", 0, "abc\n"},
                 {"#x=12\r34\r\n", 0, "12"},
                 {"#x=#y\r\n", 0, "#y"}};
    for (const auto &c : cases) {
        ScriptedPort port;
        QuorixTSPX device(&port);
        port.reply(c.answer);
        QByteArray text = "stale";
        QCOMPARE(device.readCommand("dMsSR", 5, text), c.result);
        QCOMPARE(text, QByteArray(c.text));
        QVERIFY(port.waits.isEmpty()); // waiting bytes are read without pausing
    }

    ScriptedPort port;
    QuorixTSPX device(&port);
    float number = 7;
    int count = 7;
    for (const QByteArray answer : {"#-5\r\n", "#-6\r\n", "#x=1500\r\n", "#x=2.25\r\n"})
        port.reply(answer);
    QCOMPARE(device.readCommand("x", 1, number), -5);
    QCOMPARE(number, 0.0f);
    QCOMPARE(device.readCommand("x", 1, count), -6);
    QCOMPARE(count, 0);
    QCOMPARE(device.readCommand("x", 1, count), 0);
    QCOMPARE(count, 1500);
    QCOMPARE(device.readCommand("x", 1, number), 0);
    QCOMPARE(number, 2.25f);

    const QList<QPair<QByteArray, QList<float>>> lists{{"1.5;2.5;3", {1.5f, 2.5f, 3.0f}},
                                                       {"1;;2", {1.0f, 0.0f, 2.0f}},
                                                       {"1;2;", {1.0f, 2.0f}},
                                                       {"", {}}};
    for (const auto &list : lists) {
        QList<float> values{9.0f};
        port.reply("#x=" + list.first + "\r\n");
        QCOMPARE(device.readCommand("x", 1, values), 0);
        QCOMPARE(values, list.second);
    }
}

void TestQuorixTSPX::answersMatchedToTheirCommand_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("isRead"); // "?", else "!"
    QTest::addColumn<QByteArray>("arriving");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("dropped");

    // A read's answer names its command and index; others are dropped.
    QTest::newRow("own answer") << QByteArray("dMsSR") << 5 << true
                                << QByteArray("#dMsSR005=12.5\r\n") << 0 << QByteArray("12.5") << 0;
    QTest::newRow("late answer to the read before")
        << QByteArray("dMsFS") << 5 << true << QByteArray("#dMsSR005=12.5\r\n#dMsFS005=1.0\r\n")
        << 0 << QByteArray("1.0") << 1;
    QTest::newRow("answer for another slot")
        << QByteArray("dMsSR") << 5 << true << QByteArray("#dMsSR004=9\r\n#dMsSR005=12.5\r\n") << 0
        << QByteArray("12.5") << 1;
    QTest::newRow("two foreign answers and noise")
        << QByteArray("dMsCt") << 7 << true
        << QByteArray("#dMsCt006=5\r\nxx#dMsFc006=1;2\r\n#dMsCt007=3\r\n") << 0 << QByteArray("3")
        << 2;
    QTest::newRow("index not in three digits")
        << QByteArray("dMsSR") << 5 << true << QByteArray("#dMsSR5=12.5\r\n") << -99 << QByteArray()
        << 1;
    QTest::newRow("only another command answers")
        << QByteArray("dMsSR") << 5 << true << QByteArray("#dMsFS005=1.0\r\n") << -99
        << QByteArray() << 1;
    // What does not have the form of a command is accepted as it stands.
    QTest::newRow("short prefix") << QByteArray("dMsSR") << 5 << true << QByteArray("#SR5=12.5\r\n")
                                  << 0 << QByteArray("12.5") << 0;
    QTest::newRow("six letters") << QByteArray("dMsSR") << 5 << true
                                 << QByteArray("#dMsSRx005=1\r\n") << 0 << QByteArray("1") << 0;
    QTest::newRow("error code") << QByteArray("dMsSR") << 5 << true << QByteArray("#-9\r\n") << -9
                                << QByteArray() << 0;
    // Without "=" only a number is an answer.
    QTest::newRow("echo of the read") << QByteArray("dMsSR") << 5 << true
                                      << QByteArray("#dMsSR005?\r\n") << -99 << QByteArray() << 0;
    QTest::newRow("read answered READY")
        << QByteArray("serNr") << 0 << true << QByteArray("#READY\r\n") << -99 << QByteArray() << 0;

    // "!" is answered with a number.
    QTest::newRow("result") << QByteArray("dMsEr") << 12 << false << QByteArray("#0\r\n") << 0
                            << QByteArray() << 0;
    QTest::newRow("refusal") << QByteArray("dMsEr") << 12 << false << QByteArray("#-5\r\n") << -5
                             << QByteArray() << 0;
    QTest::newRow("result line ended by LF alone")
        << QByteArray("dMsEr") << 12 << false << QByteArray("#0\n") << 0 << QByteArray() << 0;
    QTest::newRow("result after a late read answer")
        << QByteArray("dMsEr") << 12 << false << QByteArray("#dMsCt012=5\r\n#0\r\n") << 0
        << QByteArray() << 1;
    QTest::newRow("READY") << QByteArray("stCom") << 101 << false << QByteArray("#READY\r\n") << -99
                           << QByteArray() << 0;
    QTest::newRow("echo of the command")
        << QByteArray("dMsEr") << 12 << false << QByteArray("#dMsEr012!\r\n") << -99 << QByteArray()
        << 0;
    QTest::newRow("number and text") << QByteArray("dMsEr") << 12 << false
                                     << QByteArray("#0 done\r\n") << -99 << QByteArray() << 0;
    QTest::newRow("number too large") << QByteArray("dMsEr") << 12 << false
                                      << QByteArray("#99999999999\r\n") << -99 << QByteArray() << 0;
}

void TestQuorixTSPX::answersMatchedToTheirCommand()
{
    QFETCH(QByteArray, command);
    QFETCH(int, index);
    QFETCH(bool, isRead);
    QFETCH(QByteArray, arriving);
    QFETCH(int, result);
    QFETCH(QByteArray, value);
    QFETCH(int, dropped);

    LogCapture log;
    ScriptedPort port;
    QuorixTSPX device(&port);
    device.setClock(port.clock());
    port.reply(arriving);
    QByteArray text = "stale";
    if (isRead) {
        QCOMPARE(device.readCommand(command, index, text), result);
        QCOMPARE(text, value);
    } else {
        QCOMPARE(device.execCommand(command, index), result);
    }
    QCOMPARE(droppedAnswers(log), dropped);
    // Every byte that came was read; no answer is left for the next command.
    port.reply("#x=next\r\n");
    QCOMPARE(device.readCommand("x", 1, text), 0);
    QCOMPARE(text, QByteArray("next"));
}

void TestQuorixTSPX::repeatedAndLateAnswersShiftNothing_data()
{
    QTest::addColumn<bool>("late");
    // Every answer comes twice: the copy waits when the next command goes out.
    QTest::newRow("every answer twice") << false;
    // Every read's answer comes once more after the next command, before that
    // one's own answer.
    QTest::newRow("every read answered again late") << true;
}

void TestQuorixTSPX::repeatedAndLateAnswersShiftNothing()
{
    QFETCH(bool, late);
    LogCapture log;
    ScriptedPort port;
    QuorixTSPX device(&port);
    device.setClock(port.clock());
    // A slot read as the transfer reads it, then two erasures: command, index
    // and what the gauge answers (a value of a read, a result of "!").
    const struct
    {
        const char *command;
        int index;
        const char *answer;
    } commands[] = {{"dMsCt", 9, "4"},        {"dMsCt", 9, "4"},
                    {"dMsSR", 9, "100.0"},    {"dMsFc", 9, "1.0;2.0;3.0;4.0"},
                    {"dMsFS", 9, "1.0"},      {"dMsFP", 9, "4.0"},
                    {"dMsTm", 9, "16;11;58"}, {"dMsDt", 9, "24;01;2017"},
                    {"dMsEr", 9, "-7"},       {"dMsEr", 10, "0"}};
    QByteArray previousRead;
    for (const auto &c : commands) {
        const bool isRead = QByteArray(c.command) != "dMsEr";
        const QByteArray answer = isRead ? "#" + QByteArray(c.command) + "009=" + c.answer + "\r\n"
                                         : "#" + QByteArray(c.answer) + "\r\n";
        port.reply(late ? previousRead + answer : answer + answer);
        previousRead = isRead ? answer : QByteArray();
    }
    for (const auto &c : commands) {
        if (QByteArray(c.command) == "dMsEr") {
            QCOMPARE(device.execCommand(c.command, c.index), QByteArray(c.answer).toInt());
            continue;
        }
        QByteArray text;
        QCOMPARE(device.readCommand(c.command, c.index, text), 0);
        QCOMPARE(text, QByteArray(c.answer));
    }
}

void TestQuorixTSPX::silence()
{
    ScriptedPort port;
    QuorixTSPX device(&port);
    QByteArray text = "stale";
    float number = 7;
    int count = 7;
    QList<float> list{1.0f};
    QCOMPARE(device.readCommand("x", 0, text), -99);
    // 50 polls of 20 ms wait for the start, one more ends the collecting.
    QCOMPARE(port.waits, QVector<int>(51, 20).toList());
    QVERIFY(text.isEmpty());
    QCOMPARE(device.readCommand("x", 1, number), -99);
    QCOMPARE(number, 0.0f);
    QCOMPARE(device.readCommand("x", 1, count), -99);
    QCOMPARE(count, 0);
    QCOMPARE(device.readCommand("x", 1, list), -99);
    QVERIFY(list.isEmpty());

    // Up to 49 silent polls in a row are tolerated, before and within a line.
    port.waits.clear();
    port.afterCommand([&port] {
        port.queueSilence(49);
        port.queue("zz#x=1");
        port.queueSilence(49);
        port.queue("2\r\n");
    });
    QCOMPARE(device.readCommand("x", 1, text), 0);
    QCOMPARE(text, QByteArray("12"));
    QCOMPARE(port.waits.size(), 98);
    port.afterCommand([&port] {
        port.queue("#x=1");
        port.queueSilence(50);
        port.queue("2\r\n");
    });
    QCOMPARE(device.readCommand("x", 1, text), -99);
}

void TestQuorixTSPX::waitForTheAnswerIsBoundedInTime_data()
{
    QTest::addColumn<QByteArray>("line");   // sent again and again
    QTest::addColumn<int>("pausePolls");    // silent polls of 20 ms after each
    QTest::addColumn<int>("repeats");       //
    QTest::addColumn<QByteArray>("answer"); // after the repeats
    QTest::addColumn<int>("result");

    const QByteArray position =
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    QTest::newRow("lines without a start every half second")
        << position << 25 << 200 << QByteArray() << -99;
    QTest::newRow("answers to another command")
        << QByteArray("#dMsSR004=1\r\n") << 10 << 200 << QByteArray() << -99;
    QTest::newRow("noise, then the answer in time")
        << position << 25 << 5 << QByteArray("#dMsSR005=12.5\r\n") << 0;
    // Only the wait for the start is bounded: this answer takes 4.3 s.
    QTest::newRow("long answer") << QByteArray() << 0 << 0
                                 << "#dMsSR005=" + QByteArray(50000, '7') + "\r\n"
                                 << 0;
}

void TestQuorixTSPX::waitForTheAnswerIsBoundedInTime()
{
    QFETCH(QByteArray, line);
    QFETCH(int, pausePolls);
    QFETCH(int, repeats);
    QFETCH(QByteArray, answer);
    QFETCH(int, result);

    LogCapture log;
    ScriptedPort port;
    port.byteMs = kByteMs;
    QuorixTSPX device(&port);
    device.setClock(port.clock());
    port.afterCommand([&] {
        for (int i = 0; i < repeats; ++i) {
            port.queue(line);
            port.queueSilence(pausePolls);
        }
        port.queue(answer);
    });
    QByteArray text;
    QCOMPARE(device.readCommand("dMsSR", 5, text), result);
    if (result == 0) {
        QCOMPARE(text, answer.mid(10, answer.size() - 12));
    } else {
        // Given up at the bound, not when the line fell silent.
        QVERIFY2(port.clockMs >= Protocol::kAnswerStartLimitMs &&
                     port.clockMs < Protocol::kAnswerStartLimitMs + 100,
                 qPrintable(QString::number(port.clockMs)));
    }
}

void TestQuorixTSPX::longLines()
{
    ScriptedPort port;
    QuorixTSPX device(&port);
    // Time stands still: only the amounts end these reads.
    device.setClock(port.clock());
    // "x=", the digits, CR and LF fill the longest line accepted.
    port.afterCommand([&port] {
        port.queue("#x=");
        port.queueRepeated('7', Protocol::kMaxAnswerLength - 4);
        port.queue("\r\n");
    });
    QByteArray text;
    QCOMPARE(device.readCommand("x", 1, text), 0);
    QCOMPARE(text.count('7'), Protocol::kMaxAnswerLength - 4);

    // A line without end is given up right after the limit.
    port.served = 0;
    port.afterCommand([&port] {
        port.queue("#x=");
        port.queueRepeated('7', -1);
    });
    QCOMPARE(device.readCommand("x", 1, text), -99);
    QVERIFY(port.served <= Protocol::kMaxAnswerLength + 16);

    // So is noise that never brings a start character.
    ScriptedPort noisy;
    QuorixTSPX noisyDevice(&noisy);
    noisyDevice.setClock(noisy.clock());
    noisy.queueRepeated('x', -1);
    QCOMPARE(noisyDevice.readCommand("x", 1, text), -99);
    QVERIFY(noisy.served <= Protocol::kMaxAnswerLength + 16);
}

void TestQuorixTSPX::portsThatAreNotTheGauge_data()
{
    QTest::addColumn<bool>("loopback");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("loopback plug") << true << QByteArray();
    QTest::newRow("device that prints READY") << false << QByteArray("#READY\r\n");
}

void TestQuorixTSPX::portsThatAreNotTheGauge()
{
    QFETCH(bool, loopback);
    QFETCH(QByteArray, answer);
    LogCapture log;
    ScriptedPort port;
    port.loopback = loopback;
    QuorixTSPX device(&port);
    device.setClock(port.clock());
    for (int i = 0; i < 3 && !answer.isEmpty(); ++i)
        port.reply(answer);
    // The search's order: end an old communication mode, then start one.
    QCOMPARE(device.disconnect(), -2);
    QCOMPARE(device.connect(), -1);
    QCOMPARE(port.written, QByteArray("#stCom102!\r\n"));
    QCOMPARE(log.lines(), (QList<QByteArray>{"QuorixTSPX::disconnect: Fehler!",
                                             "QuorixTSPX::connect: Fehler!"}));
    // Straight to the start command: not accepted either.
    ScriptedPort second;
    second.loopback = loopback;
    QuorixTSPX fresh(&second);
    if (!answer.isEmpty())
        second.reply(answer);
    QCOMPARE(fresh.connect(), -2);
    QCOMPARE(fresh.status->code, int(DeviceStatus::InitError));
}

void TestQuorixTSPX::connectAndDisconnect()
{
    LogCapture log;
    ScriptedPort port;
    QuorixTSPX device(&port);
    port.reply("#0\r\n");
    port.reply("#0\r\n");
    QCOMPARE(device.disconnect(), 0);
    QCOMPARE(device.connect(), 0);
    QCOMPARE(port.written, QByteArray("#stCom102!\r\n#stCom101!\r\n"));
    QCOMPARE(log.lines(),
             (QList<QByteArray>{"QuorixTSPX::disconnect: OK", "QuorixTSPX::connect: OK"}));
}

void TestQuorixTSPX::refusals()
{
    LogCapture log;
    ScriptedPort port;
    QuorixTSPX device(&port);
    port.reply("#3\r\n");
    QCOMPARE(device.connect(), -2);
    QCOMPARE(device.status->code, 3);
    // Refused once: start and stop send nothing any more, but still log.
    QCOMPARE(device.connect(), -1);
    QCOMPARE(device.disconnect(), -1);
    QCOMPARE(port.written, QByteArray("#stCom101!\r\n"));
    const QByteArray line = "QuorixTSPX::connect: " + kInitErrorText;
    QCOMPARE(log.lines(),
             (QList<QByteArray>{line, line, "QuorixTSPX::disconnect: " + kInitErrorText}));

    ScriptedPort silent;
    QuorixTSPX unanswered(&silent);
    QCOMPARE(unanswered.connect(), -2);
    QuorixTSPX stopRefused(&port);
    stopRefused.status->detail = 1;
    stopRefused.status->texts = {"Akku leer"};
    port.reply("#-1\r\n");
    QCOMPARE(stopRefused.disconnect(), -2);
    QCOMPARE(stopRefused.status->code, 4);
    QCOMPARE(log.lines().last(), QByteArray("QuorixTSPX::disconnect: Akku leer")); // detail 0
}

void TestQuorixTSPX::unusablePorts()
{
    LogCapture log;
    ScriptedPort port;
    port.initResult = -2;
    QuorixTSPX device(&port);
    QCOMPARE(device.status->code, 2);
    QCOMPARE(port.clears, 0);
    QCOMPARE(log.lines(), QList<QByteArray>{"QuorixTSPX::QuorixTSPX: " + kPortErrorText});
    port.queue("#0\r\n");
    QByteArray text;
    QCOMPARE(device.readCommand("x", 1, text), -99);
    QCOMPARE(device.execCommand("x", 1), -99);
    QCOMPARE(port.reads + port.waits.size(), 0); // at once, without polling
    QCOMPARE(device.connect(), -1);

    QuorixTSPX withoutPort(nullptr);
    QCOMPARE(withoutPort.status->code, 0);
    QCOMPARE(withoutPort.readCommand("x", 1, text), -99);
    QCOMPARE(withoutPort.connect(), -1);
    QCOMPARE(log.lines().last(), "QuorixTSPX::connect: Ger\xc3\xa4t nicht initialisiert!");
}

void TestQuorixTSPX::statusTexts()
{
    DeviceStatus status;
    const QList<QByteArray> texts{
        "Ger\xc3\xa4t nicht initialisiert!", "OK", kPortErrorText, kInitErrorText, "Fehler!", ""};
    for (int code = 0; code < texts.size(); ++code) {
        status.code = code;
        QCOMPARE(status.statusText(), texts.at(code));
    }
    status.code = DeviceStatus::DeviceError;
    status.texts = {"a", "b"};
    status.detail = 1;
    QCOMPARE(status.statusText(), QByteArray("b"));
    status.detail = 2;
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QByteArray translated = status.statusText();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, QByteArray("Erreur \xc3\xa0 voir"));

    LogCapture log;
    status.logEnabled = false;
    status.logStatus("P: ");
    QVERIFY(log.lines().isEmpty());
}

QTEST_GUILESS_MAIN(TestQuorixTSPX)
#include "tst_quorixtspx.moc"
