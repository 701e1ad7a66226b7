// Feeds arbitrary controller output to the answer reader and to every typed
// command form of QuorixTSPX. The first byte chooses the form, the second the
// command and the first index; the rest is what the "controller" sends. The
// form is repeated, one command after the other, until the bytes are used up.
// The bytes arrive while the commands wait (nothing is pending before a
// command, so its drain drops nothing). The bare reader runs on the line's
// time, 20 ms per empty poll, so the bound on the wait for an answer's start
// can strike; the command forms run with the time standing still.

#include "device/conversion.h"
#include "device/protocol.h"
#include "device/quorixtspx.h"
#include "fuzzcheck.h"
#include "fuzzport.h"

#include <QList>
#include <QRegularExpression>
#include <cstdint>
#include <cstring>

namespace {

// The reader gives up after this many empty polls in a row (timeout 100 / 2).
constexpr int kIdleLimit = Protocol::kAnswerTimeout / 2;
// Empty polls, each followed by a pause, that use up the wait for the start.
constexpr int kStartLimitPolls = Protocol::kAnswerStartLimitMs / Protocol::kPollPause;
// Enough commands for any input libFuzzer builds; each one takes a byte at least.
constexpr int kMaxCommands = 64;

const char *const kCommands[] = {
    Protocol::kSerialNr,   Protocol::kSwVersion, Protocol::kForceUnit,  Protocol::kSampleCount,
    Protocol::kSampleRate, Protocol::kForces,    Protocol::kForceStart, Protocol::kForceEnd,
    Protocol::kForceMax,   Protocol::kForceAvg,  Protocol::kTime,       Protocol::kDate,
    Protocol::kErase,      Protocol::kStartCom,
};
constexpr int kCommandCount = int(sizeof(kCommands) / sizeof(kCommands[0]));

struct Fixture
{
    explicit Fixture(const QByteArray &stream, int initResult = 0, bool clockRuns = false)
        : port(stream, initResult), device(&port), clockRuns(clockRuns)
    {
        device.setClock(
            [this] { return this->clockRuns ? qint64(port.waits) * Protocol::kPollPause : 0; });
    }
    FuzzPort port;
    QuorixTSPX device;
    bool clockRuns;
};

bool sameFloat(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QByteArray sentPrefix(const QByteArray &name, int index)
{
    return name + QByteArray::number(index).rightJustified(3, '0');
}

// The command line as the controller must receive it.
QByteArray commandLine(const QByteArray &name, int index, char verb)
{
    return '#' + sentPrefix(name, index) + verb + "\r\n";
}

// An answer that names a command ("dMsSR005=...") other than the one sent; a
// "!" is answered by a number only, so any named answer is another's.
bool namesAnotherCommand(const QByteArray &answer, const QByteArray &sent, char verb)
{
    static const QRegularExpression named(QStringLiteral("^([A-Za-z]{5}[0-9]+)="));
    const QRegularExpressionMatch match = named.match(QString::fromLatin1(answer));
    return match.hasMatch() && (verb != '?' || match.captured(1).toLatin1() != sent);
}

// A result: a decimal int, blanks around it allowed; any number of leading
// zeros ("000…0" of a hundred digits is 0).
bool isResultNumber(const QByteArray &answer)
{
    QByteArray text = answer.trimmed();
    const bool negative = text.startsWith('-');
    if (text.startsWith('+') || negative)
        text.remove(0, 1);
    if (text.isEmpty() ||
        !QRegularExpression(QStringLiteral("^[0-9]+$")).match(QString::fromLatin1(text)).hasMatch())
        return false;
    while (text.size() > 1 && text.startsWith('0'))
        text.remove(0, 1);
    if (text.size() > 10)
        return false;
    const qint64 value = (negative ? -1 : 1) * text.toLongLong();
    return value >= INT32_MIN && value <= INT32_MAX;
}

// The answer line format applied to the stream from `from`: bytes before the
// first "#" are dropped, the line ends at the first LF, a NUL reads as
// silence, the answer is cut at its first CR.
struct ExpectedAnswer
{
    bool found = false;
    QByteArray text;
    int end = 0; // just after the LF
};

ExpectedAnswer expectedAnswer(const QByteArray &stream, int from)
{
    ExpectedAnswer expected;
    const int hash = stream.indexOf('#', from);
    const int lf = hash < 0 ? -1 : stream.indexOf('\n', hash + 1);
    if (lf < 0)
        return expected;
    QByteArray line = stream.mid(hash + 1, lf - hash);
    line.replace(QByteArray(1, '\0'), QByteArray());
    const int cr = line.indexOf('\r');
    expected.found = true;
    expected.text = cr < 0 ? line : line.left(cr);
    expected.end = lf + 1;
    return expected;
}

// The position just after the NUL that uses up the wait for the start of the
// answer when no "#" comes before it; -1 when the "#" (or the end) comes first.
int startLimitEnd(const QByteArray &stream, int from)
{
    const int hash = stream.indexOf('#', from);
    const int end = hash < 0 ? stream.size() : hash;
    int nuls = 0;
    for (int i = from; i < end; ++i) {
        if (stream.at(i) == '\0' && ++nuls == kStartLimitPolls)
            return i + 1;
    }
    return -1;
}

// One answer, checked against the line format. The format decides the result
// whenever no idle time-out can strike, i.e. without a run of kIdleLimit NULs,
// and, on a running clock, the wait for the start is not used up.
int checkedReadAnswer(Fixture &f, const QByteArray &stream, QByteArray &answer)
{
    const int from = f.port.consumed();
    const int pollsBefore = f.port.polls;
    const ExpectedAnswer expected = expectedAnswer(stream, from);
    const int scanEnd = expected.found ? expected.end : stream.size();
    const bool noIdleTimeout =
        !stream.mid(from, scanEnd - from).contains(QByteArray(kIdleLimit, 0));
    const int limitEnd = f.clockRuns ? startLimitEnd(stream, from) : -1;

    answer = "untouched";
    const int result = f.device.readAnswer(answer, Protocol::kAnswerTimeout);
    const int used = f.port.consumed() - from;

    FUZZ_CHECK(result == Protocol::kOk || result == Protocol::kTimeout);
    // Silence ends a read: at most one idle run beyond the bytes it took.
    FUZZ_CHECK(f.port.polls - pollsBefore <= used + kIdleLimit + 1);
    FUZZ_CHECK(f.port.waits <= f.port.polls);
    if (result == Protocol::kOk)
        FUZZ_CHECK(used > 0 && stream.at(f.port.consumed() - 1) == '\n'); // never reads past LF
    else
        FUZZ_CHECK(answer == "untouched");
    if (noIdleTimeout && limitEnd >= 0) {
        // Given up at the bound, not before and not after.
        FUZZ_CHECK(result == Protocol::kTimeout);
        FUZZ_CHECK(f.port.consumed() == limitEnd);
    } else if (noIdleTimeout && expected.found && limitEnd < 0) {
        FUZZ_CHECK(result == Protocol::kOk);
        FUZZ_CHECK(answer == expected.text);
        FUZZ_CHECK(f.port.consumed() == expected.end);
    } else if (noIdleTimeout && limitEnd < 0) {
        FUZZ_CHECK(result == Protocol::kTimeout);
        FUZZ_CHECK(f.port.remaining() == 0);
    }
    return result;
}

void fuzzAnswers(const QByteArray &stream)
{
    Fixture f(stream, 0, true);
    QByteArray answer;
    for (int i = 0; i < kMaxCommands && f.port.remaining() > 0; ++i)
        checkedReadAnswer(f, stream, answer);
}

// The answer a command takes, from the reader on the same bytes: answers
// that name another command are passed over.
int answerTo(Fixture &reference, const QByteArray &stream, const QByteArray &sent, char verb,
             QByteArray &answer)
{
    for (;;) {
        const int result = checkedReadAnswer(reference, stream, answer);
        if (result != Protocol::kOk || !namesAnotherCommand(answer, sent, verb))
            return result;
    }
}

// The command's result for an answer without a value.
int resultOf(int answerResult, const QByteArray &answer)
{
    if (answerResult != Protocol::kOk || !isResultNumber(answer))
        return Protocol::kNoAnswer;
    return textToInt(answer);
}

// The text form, checked against the answer the reader gives for the same
// bytes: the value after the first "=", else the answer as a result number.
int checkedReadText(Fixture &f, Fixture &reference, const QByteArray &stream,
                    const QByteArray &name, int index, QByteArray &value)
{
    QByteArray answer;
    const int answerResult = answerTo(reference, stream, sentPrefix(name, index), '?', answer);
    f.port.written.clear();
    value = "junk";
    const int result = f.device.readCommand(name, index, value);

    FUZZ_CHECK(f.port.written == commandLine(name, index, '?'));
    FUZZ_CHECK(f.port.consumed() == reference.port.consumed());
    if (answerResult != Protocol::kOk) {
        FUZZ_CHECK(result == Protocol::kNoAnswer && value.isEmpty());
    } else if (answer.contains('=')) {
        FUZZ_CHECK(result == Protocol::kOk && value == answer.mid(answer.indexOf('=') + 1));
    } else {
        FUZZ_CHECK(result == resultOf(answerResult, answer) && value.isEmpty());
    }
    return result;
}

// The typed forms, each checked against the text form on the same bytes.
struct Lockstep
{
    explicit Lockstep(const QByteArray &stream) : f(stream), text(stream), answers(stream) {}
    Fixture f;       // runs the form under test
    Fixture text;    // runs the text form
    Fixture answers; // runs the bare reader
};

void checkFloat(Lockstep &s, const QByteArray &stream, const QByteArray &name, int index)
{
    QByteArray text;
    const int textResult = checkedReadText(s.text, s.answers, stream, name, index, text);
    float value = 7.0f;
    const int result = s.f.device.readCommand(name, index, value);
    FUZZ_CHECK(result == textResult);
    FUZZ_CHECK(sameFloat(value, answerToFloat(text)));
}

void checkInt(Lockstep &s, const QByteArray &stream, const QByteArray &name, int index)
{
    QByteArray text;
    const int textResult = checkedReadText(s.text, s.answers, stream, name, index, text);
    int value = 7;
    const int result = s.f.device.readCommand(name, index, value);
    FUZZ_CHECK(result == textResult);
    FUZZ_CHECK(value == textToInt(text, 10));
}

void checkFloatList(Lockstep &s, const QByteArray &stream, const QByteArray &name, int index)
{
    QByteArray text;
    const int textResult = checkedReadText(s.text, s.answers, stream, name, index, text);
    QList<float> values = {1.0f, 2.0f};
    const int result = s.f.device.readCommand(name, index, values);
    FUZZ_CHECK(result == textResult);
    QList<QByteArray> pieces;
    splitText(text, Protocol::kListSeparator, pieces);
    FUZZ_CHECK(values.size() == pieces.size());
    for (int i = 0; i < pieces.size(); ++i)
        FUZZ_CHECK(sameFloat(values.at(i), answerToFloat(pieces.at(i))));
}

void checkText(Lockstep &s, const QByteArray &stream, const QByteArray &name, int index)
{
    QByteArray value;
    checkedReadText(s.f, s.answers, stream, name, index, value);
}

// "!" commands: the answer is the result number.
void checkExec(Lockstep &s, const QByteArray &stream, const QByteArray &name, int index)
{
    QByteArray answer;
    const int answerResult = answerTo(s.answers, stream, sentPrefix(name, index), '!', answer);
    const int result = s.f.device.execCommand(name, index);
    FUZZ_CHECK(result == resultOf(answerResult, answer));
}

using Check = void (*)(Lockstep &, const QByteArray &, const QByteArray &, int);

void runForm(Check check, char verb, const QByteArray &stream, int selector)
{
    Lockstep s(stream);
    const QByteArray name = kCommands[selector % kCommandCount];
    for (int i = 0; i < kMaxCommands && s.f.port.remaining() > 0; ++i) {
        const int index = (selector + i) % 1200; // four-digit indexes too
        s.f.port.written.clear();
        check(s, stream, name, index);
        FUZZ_CHECK(s.f.port.written == commandLine(name, index, verb));
        FUZZ_CHECK(s.f.port.consumed() == s.answers.port.consumed());
    }
}

// Start and stop of the communication mode: a refused start leaves the
// device in code 3, after which neither sends anything.
void fuzzStartStop(const QByteArray &stream)
{
    Fixture f(stream);
    Fixture answers(stream);
    QByteArray answer;
    const int answerResult = answerTo(
        answers, stream, sentPrefix(Protocol::kStartCom, Protocol::kConnectCode), '!', answer);
    const bool started = resultOf(answerResult, answer) == 0;
    FUZZ_CHECK(f.device.connect() == (started ? Protocol::kOk : Protocol::kRefused));
    FUZZ_CHECK(f.device.status->code == (started ? DeviceStatus::Ok : DeviceStatus::InitError));
    f.port.written.clear();
    const int stopped = f.device.disconnect();
    if (!started) {
        FUZZ_CHECK(stopped == Protocol::kTimeout && f.port.written.isEmpty());
        FUZZ_CHECK(f.device.status->code == DeviceStatus::InitError);
        return;
    }
    FUZZ_CHECK(f.port.written == commandLine(Protocol::kStartCom, Protocol::kDisconnectCode, '!'));
    FUZZ_CHECK(stopped == Protocol::kOk || stopped == Protocol::kRefused);
    FUZZ_CHECK(f.device.status->code ==
               (stopped == Protocol::kOk ? DeviceStatus::Ok : DeviceStatus::DeviceError));
    FUZZ_CHECK(!f.device.status->statusText().isEmpty());
}

// A port that could not be configured: every command fails at once, unread.
void fuzzUnconfiguredPort(const QByteArray &stream, int selector)
{
    Fixture f(stream, -2);
    const QByteArray name = kCommands[selector % kCommandCount];
    QByteArray text = "junk", answer = "untouched";
    float number = 7.0f;
    QList<float> list = {1.0f};
    FUZZ_CHECK(f.device.status->code == DeviceStatus::PortError);
    FUZZ_CHECK(f.device.readAnswer(answer, Protocol::kAnswerTimeout) == Protocol::kRefused);
    FUZZ_CHECK(f.device.readCommand(name, selector, text) == Protocol::kNoAnswer && text.isEmpty());
    FUZZ_CHECK(f.device.readCommand(name, selector, number) == Protocol::kNoAnswer && number == 0);
    FUZZ_CHECK(f.device.readCommand(name, selector, list) == Protocol::kNoAnswer && list.isEmpty());
    FUZZ_CHECK(f.device.execCommand(name, selector) == Protocol::kNoAnswer);
    FUZZ_CHECK(f.device.connect() == Protocol::kTimeout);
    FUZZ_CHECK(answer == "untouched" && f.port.polls == 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int selector = data[1];
    const QByteArray stream(reinterpret_cast<const char *>(data + 2), int(size - 2));
    switch (data[0] % 8) {
    case 0:
        fuzzAnswers(stream);
        break;
    case 1:
        runForm(checkText, Protocol::kRead, stream, selector);
        break;
    case 2:
        runForm(checkFloat, Protocol::kRead, stream, selector);
        break;
    case 3:
        runForm(checkInt, Protocol::kRead, stream, selector);
        break;
    case 4:
        runForm(checkFloatList, Protocol::kRead, stream, selector);
        break;
    case 5:
        runForm(checkExec, Protocol::kExecute, stream, selector);
        break;
    case 6:
        fuzzStartStop(stream);
        break;
    default:
        fuzzUnconfiguredPort(stream, selector);
        break;
    }
    return 0;
}
