#include "cli/cliargs.h"

#include "device/protocol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>

namespace {

const QStringList kCommands = {QStringLiteral("scan"),   QStringLiteral("info"),
                               QStringLiteral("list"),   QStringLiteral("download"),
                               QStringLiteral("delete"), QStringLiteral("report"),
                               QStringLiteral("archive")};
const QStringList kArchiveActions = {QStringLiteral("init"), QStringLiteral("list"),
                                     QStringLiteral("sync"), QStringLiteral("verify")};

bool isSlotNumber(int number)
{
    return number >= 1 && number <= Protocol::kSlotCount;
}

bool parseSlotRange(const QString &piece, QList<int> &slotNumbers)
{
    const QStringList ends = piece.split(QLatin1Char('-'));
    if (ends.size() > 2)
        return false;
    bool firstOk = false;
    bool lastOk = false;
    const int first = ends.first().toInt(&firstOk);
    const int last = ends.size() == 2 ? ends.last().toInt(&lastOk) : first;
    if (!firstOk || (ends.size() == 2 && !lastOk) || !isSlotNumber(first) || !isSlotNumber(last) ||
        last < first)
        return false;
    for (int slot = first; slot <= last; ++slot)
        slotNumbers.append(slot);
    return true;
}

CliParseResult usageError(const QString &message)
{
    CliParseResult result;
    result.exitCode = kExitUsage;
    result.message = message + QLatin1Char('\n') +
                     Cli::tr("Mit --help werden die Befehle und Optionen gezeigt.") +
                     QLatin1Char('\n');
    return result;
}

QString commandsHelp()
{
    return Cli::tr("Befehle:\n"
                   "  scan      die Schnittstellen COM1 bis COM30 und was auf ihnen antwortet\n"
                   "  info      Seriennummer, Softwarestand und Krafteinheit des Geräts\n"
                   "  list      die gespeicherten Messungen\n"
                   "  download  Messungen als CSV oder JSON (--slots oder --all, -o)\n"
                   "  delete    Messungen auf dem Gerät löschen (--slots oder --all, --yes)\n"
                   "  report    Protokoll einer Messung als PDF (--slot, -o)\n"
                   "  archive init    das Archiv auf dem Server anlegen (als dessen Eigentümer)\n"
                   "  archive list    die archivierten Messungen (--format table oder json)\n"
                   "  archive sync    wartende Messungen zum Archivserver übertragen\n"
                   "  archive verify  die Verkettung der archivierten Messungen prüfen\n"
                   "\n"
                   "Rückgabewerte: 0 in Ordnung, 2 Aufruf falsch, 3 kein Gerät gefunden,\n"
                   "4 Fehler in der Verbindung mit dem Gerät, 5 Datei oder Archiv nicht\n"
                   "verwendbar, 7 archivierte Messungen verändert.\n");
}

// Checks what each command needs and fills the request.
CliParseResult checkedRequest(const QCommandLineParser &parser, CliRequest request)
{
    const QString &command = request.command;
    const bool needsSlots = command == QLatin1String("delete");
    const bool takesSlots = needsSlots || command == QLatin1String("download");
    if (parser.isSet(QStringLiteral("slots"))) {
        if (!takesSlots)
            return usageError(Cli::tr("--slots gilt nur für download und delete."));
        if (!parseSlotList(parser.value(QStringLiteral("slots")), request.slotNumbers))
            return usageError(
                Cli::tr("Ungültige Speicherplätze: %1").arg(parser.value(QStringLiteral("slots"))));
    }
    request.allSlots = parser.isSet(QStringLiteral("all"));
    if (request.allSlots && !request.slotNumbers.isEmpty())
        return usageError(Cli::tr("--slots und --all schließen sich aus."));
    if (needsSlots && !request.allSlots && request.slotNumbers.isEmpty())
        return usageError(Cli::tr("delete braucht --slots oder --all."));
    if (needsSlots && !request.yes)
        return usageError(Cli::tr("Gelöscht wird nur mit --yes."));
    if (command == QLatin1String("download") || command == QLatin1String("report")) {
        if (request.output.isEmpty())
            return usageError(Cli::tr("%1 braucht -o DATEI.").arg(command));
    }
    if (command == QLatin1String("archive")) {
        if (request.output.isEmpty())
            request.output = QStringLiteral("-");
        if (!parser.isSet(QStringLiteral("format")))
            request.format = QStringLiteral("table");
        if (request.format != QLatin1String("table") && request.format != QLatin1String("json"))
            return usageError(Cli::tr("Unbekanntes Format: %1").arg(request.format));
    } else if (request.format != QLatin1String("csv") && request.format != QLatin1String("json")) {
        return usageError(Cli::tr("Unbekanntes Format: %1").arg(request.format));
    }
    if (command == QLatin1String("report")) {
        if (!isSlotNumber(request.slot))
            return usageError(Cli::tr("report braucht --slot N (1 bis 50)."));
        if (request.output == QLatin1String("-"))
            return usageError(Cli::tr("Das Protokoll wird in eine Datei geschrieben, nicht auf die "
                                      "Standardausgabe."));
    }
    CliParseResult result;
    result.run = true;
    result.request = request;
    return result;
}

} // namespace

QByteArray cliLanguage(const QStringList &arguments)
{
    QByteArray language;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size())
            language = arguments.at(i + 1).toLatin1();
        else if (argument.startsWith(QLatin1String("--lang=")))
            language = argument.mid(7).toLatin1();
    }
    return language;
}

bool parseSlotList(const QString &text, QList<int> &slotNumbers)
{
    QList<int> numbers;
    for (const QString &piece : text.split(QLatin1Char(','))) {
        if (!parseSlotRange(piece.trimmed(), numbers))
            return false;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    slotNumbers = numbers;
    return true;
}

CliParseResult parseCliArguments(const QStringList &arguments, const QString &versionText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Cli::tr(
        "Liest Messungen des Kraftmessgeräts Tensimo Parl über die serielle Schnittstelle."));
    parser.addPositionalArgument(QStringLiteral("command"), commandsHelp(),
                                 QStringLiteral("<scan|info|list|download|delete|report|archive>"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Cli::tr("Zeigt diese Hilfe."));
    const QCommandLineOption version(QStringLiteral("version"), Cli::tr("Zeigt die Version."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOptions({
        {QStringLiteral("port"), Cli::tr("Nur diese Schnittstelle (COMn oder Gerätedatei)."),
         QStringLiteral("port")},
        {QStringLiteral("lang"), Cli::tr("Sprache der Texte (en, fr, it)."),
         QStringLiteral("code")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, Cli::tr("Keine Meldungen außer Fehlern.")},
        {QStringLiteral("verbose"), Cli::tr("Protokollzeilen auf der Standardfehlerausgabe.")},
        {QStringLiteral("slots"), Cli::tr("Speicherplätze, z. B. 1,3-7."), QStringLiteral("list")},
        {QStringLiteral("all"), Cli::tr("Alle Speicherplätze.")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         Cli::tr("Zieldatei; - für die Standardausgabe."),
         QStringLiteral("file")},
        {QStringLiteral("format"), Cli::tr("csv (wie der Export des Programms) oder json; für archive list table oder json."),
         QStringLiteral("format"), QStringLiteral("csv")},
        {QStringLiteral("yes"), Cli::tr("Löschen ohne Rückfrage bestätigen.")},
        {QStringLiteral("slot"), Cli::tr("Speicherplatz der Messung."), QStringLiteral("n")},
        {QStringLiteral("designation"), Cli::tr("Bezeichnung im Protokoll."),
         QStringLiteral("text")},
    });

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    CliParseResult result;
    if (parser.isSet(help)) {
        result.message = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.message = QStringLiteral("tspx-cli ") + versionText + QLatin1Char('\n');
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(Cli::tr("Kein Befehl angegeben."));
    if (!kCommands.contains(positional.first()))
        return usageError(Cli::tr("Unbekannter Befehl: %1").arg(positional.first()));
    const bool isArchive = positional.first() == QLatin1String("archive");
    if (isArchive && (positional.size() != 2 || !kArchiveActions.contains(positional.at(1))))
        return usageError(Cli::tr("archive braucht init, list, sync oder verify."));
    if (!isArchive && positional.size() != 1)
        return usageError(Cli::tr("Nur ein Befehl auf einmal."));

    CliRequest request;
    request.command = positional.first();
    request.archiveAction = isArchive ? positional.at(1) : QString();
    request.output = parser.value(QStringLiteral("output"));
    request.format = parser.value(QStringLiteral("format"));
    request.yes = parser.isSet(QStringLiteral("yes"));
    request.designation = parser.value(QStringLiteral("designation"));
    request.port = parser.value(QStringLiteral("port")).toLocal8Bit();
    request.language = parser.value(QStringLiteral("lang")).toLatin1();
    request.quiet = parser.isSet(QStringLiteral("quiet"));
    if (parser.isSet(QStringLiteral("slot"))) {
        bool ok = false;
        request.slot = parser.value(QStringLiteral("slot")).toInt(&ok);
        if (!ok)
            request.slot = 0;
    }
    return checkedRequest(parser, request);
}
