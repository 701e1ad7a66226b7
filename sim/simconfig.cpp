#include "sim/simconfig.h"

#include "sim/curvegenerator.h"
#include "sim/datafile.h"

#include <QCommandLineParser>

namespace {

struct Options
{
    QCommandLineOption com{"com", "COM port number of the link ports/COMn (1 to 30; 4).", "n"};
    QCommandLineOption seed{"seed", "Seed of the generated measurements (1).", "n"};
    QCommandLineOption slotList{"slots", "Slots to fill, e.g. 1-5,9,50 (1-3,5,8,13).", "list"};
    QCommandLineOption samples{"samples", "Samples per measurement (0: chosen per slot).", "n"};
    QCommandLineOption unit{"unit", "Force unit code: 0 N, 1 kg, 2 lbf.", "code"};
    QCommandLineOption data{"data", "Load the memory from a data file.", "file"};
    QCommandLineOption empty{"empty", "Start with no measurements."};
    QCommandLineOption delay{"delay-ms", "Pause before each answer.", "ms"};
    QCommandLineOption paced{"paced", "Receive and send at 11520 bytes per second."};
    QCommandLineOption silentFrom{"silent-from", "Answer nothing from the n-th command line on.",
                                  "n"};
    QCommandLineOption noise{"noise", "Send noise bytes before every answer."};
    QCommandLineOption refuseStart{"refuse-start", "Refuse the start of the communication mode."};
    QCommandLineOption refuseStop{"refuse-stop", "Refuse the end of the communication mode."};
    QCommandLineOption endlessAt{"endless-at",
                                 "Never end the answer to CMD or N:CMD (may be repeated).", "cmd"};
    QCommandLineOption endlessBytes{"endless-bytes", "Bytes of an answer that never ends.", "n"};
    QCommandLineOption overrideValue{
        "override", "Answer the command with the value TEXT (N: optional index).", "N:CMD=TEXT"};
    QCommandLineOption answerText{"answer", "Answer the command with #TEXT.", "N:CMD=TEXT"};
    QCommandLineOption transcript{"transcript", "Append every received line to a file.", "file"};
    QCommandLineOption stopOnEof{"stop-on-eof", "Stop when standard input ends."};
    QCommandLineOption exitAt{"exit-at", "Stop at once when the n-th command line arrives.", "n"};
    QCommandLineOption stats{"stats", "Write the bytes received and sent to a file at the stop.",
                             "file"};
    QCommandLineOption chatter{
        "chatter", "Be another device: answer nothing, send a line without # every ms.", "ms"};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({com, seed, slotList, samples, unit, data, empty, delay, paced,
                           silentFrom, noise, refuseStart, refuseStop, endlessAt, endlessBytes,
                           overrideValue, answerText, transcript, stopOnEof});
        parser.addOption(stats);
        parser.addOption(exitAt);
        parser.addOption(chatter);
    }
};

// Reads the option's value into `out` when the option is given; keeps `out` otherwise.
template <typename T>
bool readNumber(const QCommandLineParser &parser, const QCommandLineOption &option, qint64 low,
                qint64 high, T &out, QString &error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const qint64 value = parser.value(option).toLongLong(&ok);
    if (!ok || value < low || value > high) {
        error = QStringLiteral("--%1 needs a number from %2 to %3")
                    .arg(option.names().first())
                    .arg(low)
                    .arg(high);
        return false;
    }
    out = T(value);
    return true;
}

bool readNumbers(const QCommandLineParser &parser, const Options &o, SimConfig &config,
                 QString &error)
{
    int unit = 0;
    const bool ok =
        readNumber(parser, o.com, 1, 30, config.comNumber, error) &&
        readNumber(parser, o.seed, 0, 0xffffffffLL, config.seed, error) &&
        readNumber(parser, o.samples, 0, 100000000, config.samples, error) &&
        readNumber(parser, o.delay, 0, 600000, config.link.delayMs, error) &&
        readNumber(parser, o.unit, -1000, 1000, unit, error) &&
        readNumber(parser, o.silentFrom, 1, 1000000000, config.faults.silentFrom, error) &&
        readNumber(parser, o.exitAt, 1, 1000000000, config.link.exitAt, error) &&
        readNumber(parser, o.chatter, 1, 600000, config.link.chatterMs, error) &&
        readNumber(parser, o.endlessBytes, 0, 1LL << 40, config.faults.endlessBytes, error);
    if (ok && parser.isSet(o.unit))
        config.unit = unit;
    return ok;
}

bool readFaultLists(const QCommandLineParser &parser, const Options &o, SimConfig &config,
                    QString &error)
{
    for (const QString &text : parser.values(o.endlessAt)) {
        const std::optional<CommandMatch> match = parseCommandMatch(text);
        if (!match) {
            error = QStringLiteral("--endless-at needs CMD or N:CMD, not '%1'").arg(text);
            return false;
        }
        config.faults.endlessAt.append(*match);
    }
    const std::pair<const QCommandLineOption *, bool> kinds[] = {{&o.overrideValue, false},
                                                                 {&o.answerText, true}};
    for (const auto &[option, whole] : kinds) {
        for (const QString &text : parser.values(*option)) {
            const std::optional<AnswerOverride> answer = parseAnswerOverride(text, whole);
            if (!answer) {
                error = QStringLiteral("--%1 needs N:CMD=TEXT, not '%2'")
                            .arg(option->names().first(), text);
                return false;
            }
            config.faults.overrides.append(*answer);
        }
    }
    return true;
}

} // namespace

ParseResult parseSimArguments(const QStringList &arguments, SimConfig &config, QString &message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "The simulated Tensimo Parl gauge on a pseudo-terminal, reachable as ports/COMn.");
    const QCommandLineOption help = parser.addHelpOption();
    const Options o;
    o.addTo(parser);
    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return ParseResult::Error;
    }
    if (parser.isSet(help)) {
        message = parser.helpText();
        return ParseResult::Help;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0]);
        return ParseResult::Error;
    }
    if (!readNumbers(parser, o, config, message) || !readFaultLists(parser, o, config, message))
        return ParseResult::Error;
    if (parser.isSet(o.slotList)) {
        config.slotNumbers = parseSlotList(parser.value(o.slotList));
        if (config.slotNumbers.isEmpty()) {
            message = QStringLiteral("--slots needs a list such as 1-5,9,50 with slots 1 to 50");
            return ParseResult::Error;
        }
    }
    config.dataFile = parser.value(o.data);
    config.empty = parser.isSet(o.empty);
    config.transcriptPath = parser.value(o.transcript);
    config.statsPath = parser.value(o.stats);
    config.stopOnEof = parser.isSet(o.stopOnEof);
    config.link.paced = parser.isSet(o.paced);
    config.faults.noise = parser.isSet(o.noise);
    config.faults.refuseStart = parser.isSet(o.refuseStart);
    config.faults.refuseStop = parser.isSet(o.refuseStop);
    return ParseResult::Ok;
}

QList<int> parseSlotList(const QString &text)
{
    QList<int> numbers;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = false;
        const int first = ends.first().toInt(&firstOk);
        const int last = ends.last().toInt(&lastOk);
        if (ends.size() > 2 || !firstOk || !lastOk || first > last ||
            !GaugeMemory::isSlotNumber(first) || !GaugeMemory::isSlotNumber(last))
            return {};
        for (int number = first; number <= last; ++number) {
            if (!numbers.contains(number))
                numbers.append(number);
        }
    }
    return numbers;
}

std::optional<CommandMatch> parseCommandMatch(const QString &text)
{
    CommandMatch match;
    QString name = text;
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        bool ok = false;
        match.index = text.left(colon).toInt(&ok);
        if (!ok || *match.index < 0)
            return std::nullopt;
        name = text.mid(colon + 1);
    }
    if (name.isEmpty())
        return std::nullopt;
    match.command = name.toLatin1();
    return match;
}

std::optional<AnswerOverride> parseAnswerOverride(const QString &text, bool whole)
{
    const int equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    const std::optional<CommandMatch> match = parseCommandMatch(text.left(equals));
    if (!match)
        return std::nullopt;
    return AnswerOverride{*match, text.mid(equals + 1).toLatin1(), whole};
}

bool buildMemory(const SimConfig &config, GaugeMemory &memory, QString &error)
{
    memory = GaugeMemory();
    if (!config.dataFile.isEmpty()) {
        if (!loadGaugeData(config.dataFile, memory, error))
            return false;
    } else if (!config.empty) {
        memory = generateMemory({config.seed, config.slotNumbers, config.samples});
    }
    if (config.unit)
        memory.identity.forceUnit = *config.unit;
    return true;
}
