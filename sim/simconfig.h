#pragma once

#include "sim/gaugecontroller.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// How the gauge uses its serial line.
struct LinkOptions
{
    // Pause before each answer.
    int delayMs = 0;
    // Both directions at the wire speed of 115200 8N1 (ten bits per byte).
    bool paced = false;
    // The gauge is unplugged when this received line (1 = the first) arrives:
    // it stops at once, its terminal and link go away; 0 = never.
    int exitAt = 0;
    // Not a gauge but another talkative device (a GPS receiver, say): it
    // answers no command and sends a line without "#" every chatterMs; 0 = off.
    int chatterMs = 0;
};

// Everything tspx-sim is told on its command line.
struct SimConfig
{
    int comNumber = 4;
    quint32 seed = 1;
    QList<int> slotNumbers = {1, 2, 3, 5, 8, 13};
    int samples = 0;
    std::optional<int> unit;
    QString dataFile;
    bool empty = false;
    QString transcriptPath;
    // Where the byte counts of both directions go when the gauge stops.
    QString statsPath;
    // Stop when standard input ends: the process that started the gauge is gone.
    bool stopOnEof = false;
    LinkOptions link;
    FaultOptions faults;
};

// Bytes per second on a 115200 baud line with start and stop bit.
constexpr int kWireBytesPerSecond = 11520;

enum class ParseResult
{
    Ok,
    Help,
    Error
};

// Reads the command line (program name first). On Help, `message` is the help
// text; on Error, the reason.
ParseResult parseSimArguments(const QStringList &arguments, SimConfig &config, QString &message);

// "1-5,9,50" -> 1,2,3,4,5,9,50. Empty on an error.
QList<int> parseSlotList(const QString &text);
// "dMsFc" or "3:dMsFc".
std::optional<CommandMatch> parseCommandMatch(const QString &text);
// "3:dMsCt=4294967295" or "sFcUn=7": match, then the text after the first "=".
std::optional<AnswerOverride> parseAnswerOverride(const QString &text, bool whole);

// The gauge's memory as the configuration describes it (generated, loaded or
// empty). False with a message when the data file cannot be read.
bool buildMemory(const SimConfig &config, GaugeMemory &memory, QString &error);
