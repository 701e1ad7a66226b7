#include "sim/gaugecontroller.h"

#include <cstring>

namespace {

// Looks like a sample list that goes on and on; no "#", CR or LF in it.
constexpr char kFillerPattern[] = "0.000;";
// Line noise before an answer; it holds a "=" and a CR to make sure the host
// really waits for the "#".
constexpr char kNoise[] = "\xff\x15~?noise=1\r";

const QList<QByteArray> kIdentityReads = {Protocol::kSerialNr, Protocol::kSwVersion,
                                          Protocol::kForceUnit};
const QList<QByteArray> kSlotReads = {
    Protocol::kSampleCount, Protocol::kSampleRate, Protocol::kForces,
    Protocol::kForceStart,  Protocol::kForceEnd,   Protocol::kForceMax,
    Protocol::kForceAvg,    Protocol::kTime,       Protocol::kDate};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

QByteArray endlessFiller(qint64 offset, int length)
{
    const int patternLength = int(std::strlen(kFillerPattern));
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = kFillerPattern[(offset + i) % patternLength];
    return bytes;
}

QByteArray answerNoise()
{
    return QByteArray(kNoise);
}

GaugeController::GaugeController(GaugeMemory memory, FaultOptions faults)
    : m_memory(std::move(memory)), m_faults(std::move(faults))
{
}

std::optional<GaugeReply> GaugeController::answer(const QByteArray &line)
{
    ++m_receivedLines;
    if (m_faults.silentFrom > 0 && m_receivedLines >= m_faults.silentFrom)
        return std::nullopt;
    QByteArray text = line;
    if (text.endsWith(Protocol::kCR))
        text.chop(1);
    const std::optional<Command> command = parse(text);
    if (!command)
        return frame(result(GaugeResult::kBadSyntax));
    return respond(*command);
}

std::optional<GaugeController::Command> GaugeController::parse(const QByteArray &line)
{
    if (!line.startsWith(Protocol::kStart))
        return std::nullopt;
    Command command;
    int pos = 1;
    while (pos < line.size() && isLetter(line[pos]))
        command.name.append(line[pos++]);
    while (pos < line.size() && isDigit(line[pos]))
        command.indexText.append(line[pos++]);
    if (command.name.isEmpty() || command.indexText.isEmpty() || pos >= line.size())
        return std::nullopt;
    command.verb = line[pos++];
    command.value = line.mid(pos);
    const bool takesValue = command.verb == Protocol::kWrite;
    const bool knownVerb =
        takesValue || command.verb == Protocol::kRead || command.verb == Protocol::kExecute;
    if (!knownVerb || (!takesValue && !command.value.isEmpty()))
        return std::nullopt;
    bool ok = false;
    command.index = command.indexText.toInt(&ok);
    if (!ok)
        command.index = -1;
    return command;
}

GaugeReply GaugeController::respond(const Command &command)
{
    if (isEndless(command)) {
        GaugeReply reply = frame(value(command, QByteArray()));
        reply.bytes.chop(2); // no line end, ever
        reply.fillerBytes = m_faults.endlessBytes;
        return reply;
    }
    if (!m_communicationMode && command.name != Protocol::kStartCom)
        return frame(result(GaugeResult::kNotInCommunicationMode));
    if (const AnswerOverride *answer = findOverride(command))
        return frame(answer->whole ? answer->text : value(command, answer->text));
    if (command.verb == Protocol::kExecute)
        return frame(execute(command));
    if (command.verb == Protocol::kRead)
        return frame(read(command));
    // The gauge takes no values from the host.
    return frame(refusal(command.name));
}

QByteArray GaugeController::refusal(const QByteArray &name)
{
    const bool known = name == Protocol::kStartCom || name == Protocol::kErase ||
                       kIdentityReads.contains(name) || kSlotReads.contains(name);
    return result(known ? GaugeResult::kBadSyntax : GaugeResult::kUnknownCommand);
}

QByteArray GaugeController::execute(const Command &command)
{
    if (command.name == Protocol::kStartCom)
        return startOrStop(command.index);
    if (command.name == Protocol::kErase) {
        if (!GaugeMemory::isSlotNumber(command.index))
            return result(GaugeResult::kBadIndex);
        m_memory.slot(command.index).reset();
        return result(Protocol::kOk);
    }
    return refusal(command.name);
}

QByteArray GaugeController::startOrStop(int index)
{
    if (index == Protocol::kConnectCode) {
        if (m_faults.refuseStart)
            return result(GaugeResult::kStartRefused);
        m_communicationMode = true;
        return result(Protocol::kOk);
    }
    if (index == Protocol::kDisconnectCode) {
        if (m_faults.refuseStop)
            return result(GaugeResult::kStopRefused);
        m_communicationMode = false;
        return result(Protocol::kOk);
    }
    return result(GaugeResult::kBadIndex);
}

QByteArray GaugeController::read(const Command &command) const
{
    if (kIdentityReads.contains(command.name)) {
        if (command.index != 0)
            return result(GaugeResult::kBadIndex);
        return value(command, readIdentity(command.name));
    }
    if (!kSlotReads.contains(command.name))
        return refusal(command.name);
    if (!GaugeMemory::isSlotNumber(command.index))
        return result(GaugeResult::kBadIndex);
    const std::optional<SimMeasurement> &measurement = m_memory.slot(command.index);
    if (!measurement) {
        if (command.name == Protocol::kSampleCount)
            return value(command, "0");
        return result(GaugeResult::kSlotEmpty);
    }
    return value(command, readSlotValue(command.name, *measurement));
}

QByteArray GaugeController::readIdentity(const QByteArray &name) const
{
    const GaugeIdentity &identity = m_memory.identity;
    if (name == Protocol::kSerialNr)
        return identity.serialNr;
    if (name == Protocol::kSwVersion)
        return identity.swVersion;
    return QByteArray::number(identity.forceUnit);
}

QByteArray GaugeController::readSlotValue(const QByteArray &name, const SimMeasurement &measurement)
{
    if (name == Protocol::kSampleCount)
        return QByteArray::number(measurement.milliNewtons.size());
    if (name == Protocol::kSampleRate)
        return sampleRateText(measurement.sampleRate);
    if (name == Protocol::kForces)
        return forcesText(measurement.milliNewtons);
    if (name == Protocol::kForceStart)
        return milliNewtonText(measurement.forceStart());
    if (name == Protocol::kForceEnd)
        return milliNewtonText(measurement.forceEnd());
    if (name == Protocol::kForceMax)
        return milliNewtonText(measurement.forceMax());
    if (name == Protocol::kForceAvg)
        return milliNewtonText(measurement.forceAvg());
    if (name == Protocol::kTime)
        return measurement.timeText;
    return measurement.dateText;
}

const AnswerOverride *GaugeController::findOverride(const Command &command) const
{
    for (const AnswerOverride &answer : m_faults.overrides) {
        if (answer.match.matches(command.name, command.index))
            return &answer;
    }
    return nullptr;
}

bool GaugeController::isEndless(const Command &command) const
{
    for (const CommandMatch &match : m_faults.endlessAt) {
        if (match.matches(command.name, command.index))
            return true;
    }
    return false;
}

QByteArray GaugeController::result(int code)
{
    return QByteArray::number(code);
}

QByteArray GaugeController::value(const Command &command, const QByteArray &text)
{
    return command.name + command.indexText + Protocol::kWrite + text;
}

GaugeReply GaugeController::frame(const QByteArray &text) const
{
    GaugeReply reply;
    if (m_faults.noise)
        reply.bytes = answerNoise();
    reply.bytes += Protocol::kStart + text + Protocol::kCR + Protocol::kLF;
    return reply;
}
