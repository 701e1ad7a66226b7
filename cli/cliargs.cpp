#include "cli/cliargs.h"

#include "device/protocol.h"
#include "settings/datafolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>

namespace {

const QStringList kCommands = {QStringLiteral("scan"),   QStringLiteral("info"),
                               QStringLiteral("list"),   QStringLiteral("download"),
                               QStringLiteral("delete"), QStringLiteral("report")};

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

QString languageList()
{
    QStringList codes;
    for (const QByteArray &code : programLanguages())
        codes << QString::fromLatin1(code);
    return codes.join(QStringLiteral(", "));
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
                   "\n"
                   "Rückgabewerte: 0 in Ordnung, 2 Aufruf falsch, 3 kein Gerät gefunden,\n"
                   "4 Fehler in der Verbindung mit dem Gerät, 5 Datei nicht geschrieben.\n");
}

// Qt's help with its headings in the program's language (whatever catalogue
// Qt has for it), and the commands as a list of their own below.
QString helpText(const QCommandLineParser &parser)
{
    const auto qtText = [](const char *text) {
        return QCoreApplication::translate("QCommandLineParser", text);
    };
    QString text = parser.helpText();
    const QString usage = qtText("Usage: %1").section(QStringLiteral("%1"), 0, 0);
    if (text.startsWith(usage))
        text.replace(0, usage.size(), Cli::tr("Aufruf: %1").section(QStringLiteral("%1"), 0, 0));
    text.replace(qtText("[options]"), Cli::tr("[Optionen]"));
    text.replace(QLatin1Char('\n') + qtText("Options:") + QLatin1Char('\n'),
                 QLatin1Char('\n') + Cli::tr("Optionen:") + QLatin1Char('\n'));
    text.replace(QLatin1Char('\n') + qtText("Arguments:") + QLatin1Char('\n'),
                 QLatin1Char('\n') + Cli::tr("Argumente:") + QLatin1Char('\n'));
    return text + QLatin1Char('\n') + commandsHelp();
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
    if (request.format != QLatin1String("csv") && request.format != QLatin1String("json"))
        return usageError(Cli::tr("Unbekanntes Format: %1").arg(request.format));
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

QByteArray localeLanguage(const QByteArray &localeName)
{
    if (localeName == "C" || localeName.startsWith("C.") || localeName == "POSIX")
        return QByteArrayLiteral("en");
    const QByteArray language = localeName.left(2);
    const bool whole = localeName.size() == 2 ||
                       (localeName.size() > 2 && QByteArray("_.@").contains(localeName.at(2)));
    return whole && programLanguages().contains(language) ? language : QByteArray();
}

QByteArray cliLanguage(const QStringList &arguments, const QByteArray &configured)
{
    QByteArray language;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size())
            language = arguments.at(i + 1).toLatin1();
        else if (argument.startsWith(QLatin1String("--lang=")))
            language = argument.mid(7).toLatin1();
    }
    if (programLanguages().contains(language))
        return language;
    // As the C library does: the first variable set decides.
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray localeName = qgetenv(variable);
        if (localeName.isEmpty())
            continue;
        language = localeLanguage(localeName);
        return language.isEmpty() ? configured : language;
    }
    return configured;
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
    parser.addPositionalArgument(QStringLiteral("command"), Cli::tr("Einer der Befehle unten."),
                                 QStringLiteral("<scan|info|list|download|delete|report>"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Cli::tr("Zeigt diese Hilfe."));
    const QCommandLineOption version(QStringLiteral("version"), Cli::tr("Zeigt die Version."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOptions({
        {QStringLiteral("port"), Cli::tr("Nur diese Schnittstelle (COMn oder Gerätedatei)."),
         QStringLiteral("port")},
        {QStringLiteral("lang"),
         Cli::tr("Sprache der Texte (%1); ohne sie die der Umgebung "
                 "(LC_ALL, LC_MESSAGES, LANG).")
             .arg(languageList()),
         QStringLiteral("code")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, Cli::tr("Keine Meldungen außer Fehlern.")},
        {QStringLiteral("verbose"), Cli::tr("Protokollzeilen auf der Standardfehlerausgabe.")},
        {QStringLiteral("slots"), Cli::tr("Speicherplätze, z. B. 1,3-7."), QStringLiteral("list")},
        {QStringLiteral("all"), Cli::tr("Alle Speicherplätze.")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         Cli::tr("Zieldatei; - für die Standardausgabe."),
         QStringLiteral("file")},
        {QStringLiteral("format"), Cli::tr("csv (wie der Export des Programms) oder json."),
         QStringLiteral("format"), QStringLiteral("csv")},
        {QStringLiteral("yes"), Cli::tr("Löschen ohne Rückfrage bestätigen.")},
        {QStringLiteral("slot"), Cli::tr("Speicherplatz der Messung."), QStringLiteral("n")},
        {QStringLiteral("designation"), Cli::tr("Bezeichnung im Protokoll."),
         QStringLiteral("text")},
    });

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    const QByteArray language = parser.value(QStringLiteral("lang")).toLatin1();
    if (parser.isSet(QStringLiteral("lang")) && !programLanguages().contains(language))
        return usageError(Cli::tr("Unbekannte Sprache: %1. Bekannt sind %2.")
                              .arg(QString::fromLatin1(language), languageList()));
    CliParseResult result;
    if (parser.isSet(help)) {
        result.message = helpText(parser);
        return result;
    }
    if (parser.isSet(version)) {
        result.message = QStringLiteral("tspx-cli ") + versionText + QLatin1Char('\n');
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(positional.isEmpty() ? Cli::tr("Kein Befehl angegeben.")
                                               : Cli::tr("Nur ein Befehl auf einmal."));
    if (!kCommands.contains(positional.first()))
        return usageError(Cli::tr("Unbekannter Befehl: %1").arg(positional.first()));

    CliRequest request;
    request.command = positional.first();
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
