#pragma once

#include "archive/archivetypes.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The context of tspx-cli's texts in the translation files.
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

// Exit codes of tspx-cli.
enum CliExitCode
{
    kExitOk = 0,
    kExitUsage = 2,
    kExitNoGauge = 3,
    kExitCommunication = 4,
    kExitFile = 5,
    kExitOutOfControl = 6, // stats: a limit or run rule broken; msa type1: not capable
    // The archive's records were changed or taken out (archive verify).
    kExitArchiveChanged = 7,
};

// One call of tspx-cli, as given on its command line.
struct CliRequest
{
    QString command;        // scan, info, list, download, delete, report, stats, archive
    QString archiveAction;  // archive: init, list, sync, verify
    QList<int> slotNumbers; // ascending, without repeats; empty means all
    bool allSlots = false;
    QString output; // a file name, or "-" for standard output
    QString format = QStringLiteral("csv"); // download: csv, json, dfq; stats: table, tsv, json
    bool yes = false;
    // delete: also slots whose measurement is archived only incomplete.
    bool eraseIncomplete = false;
    int slot = 0;
    QString designation;
    QByteArray port; // "COMn" or a device; empty: search COM1..COM30
    QByteArray language;
    bool quiet = false;
    QString partNumber;      // dfq: K1001
    QString partDescription; // dfq: K1002
    // stats: the chart, its subgroup size and rules, and limits in place of the stored ones.
    QString chart = QStringLiteral("imr"); // imr, xbar-s, xbar-r
    int subgroupSize = 5;
    QString rules = QStringLiteral("nelson"); // nelson, we
    std::optional<double> lower;
    std::optional<double> upper;
    // stats and msa --archive: the archive's measurements this filter lets through
    // (--serial, --station, --from, --to, --search), not the gauge's.
    bool fromArchive = false;
    ArchiveFilter archiveFilter;
    // gauge calibration add|list: the gauge (empty: the one connected) and the record.
    QString gaugeAction;
    QByteArray serialNr;
    QString certificate;
    QString calibratedOn; // ISO dates
    QString dueOn;
    QString laboratory;
    std::optional<double> uncertainty;
    QString referenceStandard;
    QString note;
    // evaluate, stats, download as DFQ: the test plan's JSON file or a kept plan's name.
    QString planFile;
    // stats: the plan's characteristic charted and judged.
    QString characteristic;
    // msa type1: the standard's value, the tolerance (or --lower/--upper) and
    // the gauge's resolution.
    std::optional<double> reference;
    std::optional<double> tolerance;
    double resolution = 0.1;
};

// The outcome of reading the command line: a request to run, or a text to
// print (help, version, or what was wrong) and the exit code.
struct CliParseResult
{
    bool run = false;
    int exitCode = kExitOk;
    QString message;
    CliRequest request;
};

// The program's language of a locale name: "fr_CH.UTF-8" gives "fr", "C" and
// "POSIX" English; empty when the locale's language is none of the program's.
QByteArray localeLanguage(const QByteArray &localeName);
// The language of the texts, needed before they are built: that of "--lang
// CODE" or "--lang=CODE" when it is one of the program's, else the user's
// locale (the first set of LC_ALL, LC_MESSAGES and LANG) when the program
// speaks it, else `configured` (the status file's setting).
QByteArray cliLanguage(const QStringList &arguments, const QByteArray &configured);

CliParseResult parseCliArguments(const QStringList &arguments, const QString &versionText);

// "1,3-7" into 1, 3, 4, 5, 6, 7 (ascending, no repeats, each 1..50). False for
// anything else.
bool parseSlotList(const QString &text, QList<int> &slotNumbers);
