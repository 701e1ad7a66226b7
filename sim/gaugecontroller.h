#pragma once

#include "sim/gaugememory.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The controller's own result codes (0 is "accepted").
namespace GaugeResult {
constexpr int kNotInCommunicationMode = -3;
constexpr int kStartRefused = -4;
constexpr int kStopRefused = -5;
constexpr int kUnknownCommand = -6;
constexpr int kBadIndex = -7;
constexpr int kBadSyntax = -8;
constexpr int kSlotEmpty = -9;
} // namespace GaugeResult

// Names one command, optionally only for one index ("dMsFc" or "3:dMsFc").
struct CommandMatch
{
    QByteArray command;
    std::optional<int> index;

    bool matches(const QByteArray &name, int commandIndex) const
    {
        return name == command && (!index || *index == commandIndex);
    }
};

// An answer given in place of the gauge's own one; the command itself is not
// carried out (an overridden erase erases nothing).
struct AnswerOverride
{
    CommandMatch match;
    QByteArray text;
    // false: "#" name index "=" text, the value of a read;
    // true: "#" text, for example a negative result such as "-12".
    bool whole = false;
};

// Faults the gauge can be told to show.
struct FaultOptions
{
    // From this received command line on (1 = the first) the gauge is silent; 0 = never.
    int silentFrom = 0;
    // Noise bytes before the "#" of every answer.
    bool noise = false;
    bool refuseStart = false;
    bool refuseStop = false;
    // Commands whose answer never ends: the answer's start, then `endlessBytes`
    // bytes without a line end. A new command stops such an answer.
    QList<CommandMatch> endlessAt;
    qint64 endlessBytes = Protocol::kMaxAnswerLength + 1024 * 1024;
    QList<AnswerOverride> overrides;
};

// The bytes of one answer: `bytes`, then `fillerBytes` bytes of endlessFiller().
struct GaugeReply
{
    QByteArray bytes;
    qint64 fillerBytes = 0;
};

// The bytes of an answer that never ends, starting at `offset` within the filler.
QByteArray endlessFiller(qint64 offset, int length);

// What the gauge sends before the "#" of an answer when told to be noisy.
QByteArray answerNoise();

// The gauge's controller: takes one received command line (without its LF;
// a CR before the LF is dropped) and gives the answer, or nothing when silent.
class GaugeController
{
public:
    explicit GaugeController(GaugeMemory memory, FaultOptions faults = FaultOptions());

    std::optional<GaugeReply> answer(const QByteArray &line);

    bool inCommunicationMode() const { return m_communicationMode; }
    int receivedLineCount() const { return m_receivedLines; }
    const GaugeMemory &memory() const { return m_memory; }
    // The gauge takes or replaces measurements between two commands.
    GaugeMemory &memory() { return m_memory; }

private:
    struct Command
    {
        QByteArray name;
        QByteArray indexText;
        int index = 0;
        char verb = 0;
        QByteArray value;
    };

    static std::optional<Command> parse(const QByteArray &line);
    GaugeReply respond(const Command &command);
    QByteArray execute(const Command &command);
    QByteArray startOrStop(int index);
    QByteArray read(const Command &command) const;
    QByteArray readIdentity(const QByteArray &name) const;
    static QByteArray readSlotValue(const QByteArray &name, const SimMeasurement &measurement);
    static QByteArray refusal(const QByteArray &name);
    const AnswerOverride *findOverride(const Command &command) const;
    bool isEndless(const Command &command) const;
    static QByteArray result(int code);
    static QByteArray value(const Command &command, const QByteArray &text);
    GaugeReply frame(const QByteArray &text) const;

    GaugeMemory m_memory;
    FaultOptions m_faults;
    bool m_communicationMode = false;
    int m_receivedLines = 0;
};
