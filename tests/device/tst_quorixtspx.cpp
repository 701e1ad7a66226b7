#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "scriptedport.h"

#include <QTranslator>
#include <QtTest>

namespace {

const QByteArray kPortErrorText = "Fehler beim \xc3\x96"
                                  "ffnen der Schnittstelle!";
const QByteArray kInitErrorText = "Fehler beim Initialisieren!";

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
    void silence();
    void longLines();
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
    QVERIFY(log.lines.isEmpty());
    port.queue("#0\r\n");
    QCOMPARE(device.execCommand("dMsEr", 1), 0); // not the stale 9
}

void TestQuorixTSPX::commandLines()
{
    ScriptedPort port;
    QuorixTSPX device(&port);
    float rate = 0;
    port.queue("#0\r\n#0\r\n");
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
        port.queue("#-7\r\n");
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
        port.queue(c.answer);
        QByteArray text = "stale";
        QCOMPARE(device.readCommand("x", 1, text), c.result);
        QCOMPARE(text, QByteArray(c.text));
        QVERIFY(port.waits.isEmpty()); // waiting bytes are read without pausing
    }

    ScriptedPort port;
    QuorixTSPX device(&port);
    float number = 7;
    int count = 7;
    port.queue("#-5\r\n#-6\r\n#x=1500\r\n#x=2.25\r\n");
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
        port.queue("#x=" + list.first + "\r\n");
        QCOMPARE(device.readCommand("x", 1, values), 0);
        QCOMPARE(values, list.second);
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
    port.queueSilence(49);
    port.queue("zz#x=1");
    port.queueSilence(49);
    port.queue("2\r\n");
    QCOMPARE(device.readCommand("x", 1, text), 0);
    QCOMPARE(text, QByteArray("12"));
    QCOMPARE(port.waits.size(), 98);
    port.queue("#x=1");
    port.queueSilence(50);
    port.queue("2\r\n");
    QCOMPARE(device.readCommand("x", 1, text), -99);
}

void TestQuorixTSPX::longLines()
{
    ScriptedPort port;
    QuorixTSPX device(&port);
    // "x=", the digits, CR and LF fill the longest line accepted.
    port.queue("#x=");
    port.queueRepeated('7', Protocol::kMaxAnswerLength - 4);
    port.queue("\r\n#x=");
    QByteArray text;
    QCOMPARE(device.readCommand("x", 1, text), 0);
    QCOMPARE(text.count('7'), Protocol::kMaxAnswerLength - 4);

    // A line without end is given up right after the limit.
    port.served = 0;
    port.queueRepeated('7', -1);
    QCOMPARE(device.readCommand("x", 1, text), -99);
    QVERIFY(port.served <= Protocol::kMaxAnswerLength + 16);

    // So is noise that never brings a start character.
    ScriptedPort noisy;
    QuorixTSPX noisyDevice(&noisy);
    noisy.queueRepeated('x', -1);
    QCOMPARE(noisyDevice.readCommand("x", 1, text), -99);
    QVERIFY(noisy.served <= Protocol::kMaxAnswerLength + 16);
}

void TestQuorixTSPX::connectAndDisconnect()
{
    LogCapture log;
    ScriptedPort port;
    QuorixTSPX device(&port);
    port.queue("#0\r\n#0\r\n");
    QCOMPARE(device.disconnect(), 0);
    QCOMPARE(device.connect(), 0);
    QCOMPARE(port.written, QByteArray("#stCom102!\r\n#stCom101!\r\n"));
    QCOMPARE(log.lines,
             (QList<QByteArray>{"QuorixTSPX::disconnect: OK", "QuorixTSPX::connect: OK"}));
}

void TestQuorixTSPX::refusals()
{
    LogCapture log;
    ScriptedPort port;
    QuorixTSPX device(&port);
    port.queue("#3\r\n");
    QCOMPARE(device.connect(), -2);
    QCOMPARE(device.status->code, 3);
    // Refused once: start and stop send nothing any more, but still log.
    QCOMPARE(device.connect(), -1);
    QCOMPARE(device.disconnect(), -1);
    QCOMPARE(port.written, QByteArray("#stCom101!\r\n"));
    const QByteArray line = "QuorixTSPX::connect: " + kInitErrorText;
    QCOMPARE(log.lines,
             (QList<QByteArray>{line, line, "QuorixTSPX::disconnect: " + kInitErrorText}));

    ScriptedPort silent;
    QuorixTSPX unanswered(&silent);
    QCOMPARE(unanswered.connect(), -2);
    QuorixTSPX stopRefused(&port);
    stopRefused.status->detail = 1;
    stopRefused.status->texts = {"Akku leer"};
    port.queue("#-1\r\n");
    QCOMPARE(stopRefused.disconnect(), -2);
    QCOMPARE(stopRefused.status->code, 4);
    QCOMPARE(log.lines.last(), QByteArray("QuorixTSPX::disconnect: Akku leer")); // detail 0
}

void TestQuorixTSPX::unusablePorts()
{
    LogCapture log;
    ScriptedPort port;
    port.initResult = -2;
    QuorixTSPX device(&port);
    QCOMPARE(device.status->code, 2);
    QCOMPARE(port.clears, 0);
    QCOMPARE(log.lines, QList<QByteArray>{"QuorixTSPX::QuorixTSPX: " + kPortErrorText});
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
    QCOMPARE(log.lines.last(), "QuorixTSPX::connect: Ger\xc3\xa4t nicht initialisiert!");
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
    QVERIFY(log.lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestQuorixTSPX)
#include "tst_quorixtspx.moc"
