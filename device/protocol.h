#pragma once

// The controller's command set and the fixed values of its line protocol.
namespace Protocol {

constexpr char kStart = '#';
constexpr char kRead = '?';
constexpr char kExecute = '!';
constexpr char kWrite = '=';
constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kListSeparator[] = ";";
// Every command name has five letters; an answer to "?" repeats the name and
// the index before its "=" ("#dMsSR005=12.5").
constexpr int kCommandNameLength = 5;

// Indexes of "stCom" that start and end the communication mode.
constexpr int kConnectCode = 101;
constexpr int kDisconnectCode = 102;

// The only answer time-out the system uses (about one second of silence).
constexpr int kAnswerTimeout = 100;
// Pause after an empty poll while an answer is awaited; it ends early as soon
// as a byte arrives. Answer time-outs below it poll without pausing.
constexpr int kPollPause = 20;
// The pause after the stop command before the port is given up.
constexpr int kStopPause = 100;
// Longest answer line accepted (a list of one million samples fits easily),
// the most noise bytes skipped before its "#" and the most stale input dropped
// before a command. Beyond that the read fails, so a noisy line can neither
// fill the memory nor hang the tool.
constexpr int kMaxAnswerLength = 32 * 1024 * 1024;
// The longest wait for the start of the answer to a command while bytes keep
// coming (silence ends a read after the idle time-out already): a device that
// talks without "#", or only answers to other commands, fails the read.
constexpr int kAnswerStartLimitMs = 3000;

// Serial settings of the link: 115200 baud, 8N1, no flow control.
constexpr int kBaudRate = 115200;
constexpr int kParity = 0;
constexpr int kDataBits = 8;
constexpr int kStopBits = 1;
constexpr int kHandshake = 0;

constexpr int kSlotCount = 50;

// The device is searched on the ports "COM1" to "COM30".
constexpr char kPortNamePrefix[] = "COM";
constexpr int kPortCount = 30;

constexpr char kStartCom[] = "stCom";
constexpr char kSerialNr[] = "serNr";
constexpr char kSwVersion[] = "swVer";
constexpr char kForceUnit[] = "sFcUn";
constexpr char kSampleCount[] = "dMsCt";
constexpr char kSampleRate[] = "dMsSR";
constexpr char kForces[] = "dMsFc";
constexpr char kForceStart[] = "dMsFS";
constexpr char kForceEnd[] = "dMsFP";
constexpr char kForceMax[] = "dMsFX";
constexpr char kForceAvg[] = "dMsFA";
constexpr char kTime[] = "dMsTm";
constexpr char kDate[] = "dMsDt";
constexpr char kErase[] = "dMsEr";

// Result codes.
constexpr int kOk = 0;
constexpr int kTimeout = -1;
constexpr int kRefused = -2;
constexpr int kNoAnswer = -99;
// The job was cancelled before the command went out.
constexpr int kCancelled = -98;

} // namespace Protocol
