#include "cli/cliargs.h"

#include "device/protocol.h"
#include "measurement/seriesstatistics.h"
#include "measurement/spcconstants.h"
#include "settings/datafolder.h"

#include <QCommandLineParser>
#include <QDate>
#include <QCoreApplication>
#include <QDate>
#include <algorithm>

namespace {

const QStringList kCommands = {QStringLiteral("scan"),   QStringLiteral("info"),
                               QStringLiteral("list"),   QStringLiteral("download"),
                               QStringLiteral("delete"), QStringLiteral("report"),
                               QStringLiteral("stats"), QStringLiteral("archive"),
                               QStringLiteral("gauge"), QStringLiteral("msa"),
                               QStringLiteral("evaluate")};
const QStringList kArchiveActions = {QStringLiteral("init"), QStringLiteral("list"),
                                     QStringLiteral("sync"), QStringLiteral("verify")};

// The formats each command writes; the first is the default.
QStringList formatsOf(const QString &command)
{
    if (command == QLatin1String("stats") || command == QLatin1String("evaluate"))
        return {QStringLiteral("table"), QStringLiteral("tsv"), QStringLiteral("json")};
    if (command == QLatin1String("archive") ||
        command == QLatin1String("gauge") || command == QLatin1String("msa"))
        return {QStringLiteral("table"), QStringLiteral("json")};
    return {QStringLiteral("csv"), QStringLiteral("json"), QStringLiteral("dfq")};
}

const QStringList kCharts = {QStringLiteral("imr"), QStringLiteral("xbar-s"),
                             QStringLiteral("xbar-r")};
const QStringList kRuleSets = {QStringLiteral("nelson"), QStringLiteral("we")};

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
                   "  download  Messungen als CSV, JSON oder DFQ (--slots oder --all, -o;\n"
                   "            DFQ mit --plan auch die Merkmale des Prüfplans)\n"
                   "  delete    Messungen auf dem Gerät löschen (--slots oder --all, --yes;\n"
                   "            --erase-incomplete auch nur unvollständig archivierte)\n"
                   "  report    Protokoll einer Messung als PDF (--slot, -o)\n"
                   "  stats     Statistik, Fähigkeit und Regelverletzungen (--slots oder --all;\n"
                   "            --archive mit --serial, --station, --from, --to, --search;\n"
                   "            --plan mit den Merkmalen des Prüfplans, --characteristic als Regelkarte)\n"
                   "  archive init    das Archiv auf dem Server anlegen (als dessen Eigentümer)\n"
                   "  archive list    die archivierten Messungen (--format table oder json)\n"
                   "  archive sync    wartende Messungen zum Archivserver übertragen, auch die\n"
                   "                  der Archivdatei, die ihm fehlen\n"
                   "  archive verify  die Verkettung der archivierten Messungen prüfen\n"
                   "  gauge calibration add   eine Kalibrierung erfassen (--certificate,\n"
                   "                          --calibrated, --due, --serial oder das Gerät)\n"
                   "  gauge calibration list  die Kalibrierungen des Geräts\n"
                   "  msa type1  Messmittelfähigkeit Verfahren 1 (--reference, --tolerance oder\n"
                   "             --lower/--upper; --slots, --all oder --archive mit den Filtern von stats)\n"
                   "  evaluate  Messungen nach einem Prüfplan beurteilen (--plan; --slots, --all\n"
                   "            oder --archive; --format table, tsv oder json)\n"
                   "\n"
                   "Rückgabewerte: 0 in Ordnung, 2 Aufruf falsch, 3 kein Gerät gefunden,\n"
                   "4 Fehler in der Verbindung mit dem Gerät, 5 Datei oder Archiv nicht\n"
                   "verwendbar, 6 stats: Grenzwert überschritten oder Regel verletzt, msa: nicht fähig,\n"
                   "evaluate: eine Messung n.i.O.,\n"
                   "7 archivierte Messungen verändert.\n");
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

std::optional<double> numberOption(const QCommandLineParser &parser, const char *name)
{
    return parseLimit(parser.value(QString::fromLatin1(name)).toLatin1());
}

// What gauge calibration and msa type1 need.
CliParseResult checkedStudyOrCalibration(const QCommandLineParser &parser, CliRequest request)
{
    CliParseResult result;
    result.run = true;
    for (const char *name : {"reference", "tolerance", "resolution", "uncertainty"}) {
        const QString option = QString::fromLatin1(name);
        if (parser.isSet(option) && !numberOption(parser, name))
            return usageError(Cli::tr("Keine Zahl: --%1 %2").arg(option, parser.value(option)));
    }
    request.reference = numberOption(parser, "reference");
    request.tolerance = numberOption(parser, "tolerance");
    request.uncertainty = numberOption(parser, "uncertainty");
    if (parser.isSet(QStringLiteral("resolution")))
        request.resolution = *numberOption(parser, "resolution");
    if (request.command == QLatin1String("msa")) {
        if (!request.reference)
            return usageError(Cli::tr("msa type1 braucht --reference."));
        if (!request.tolerance && !(request.lower && request.upper))
            return usageError(Cli::tr("msa type1 braucht --tolerance oder --lower und --upper."));
        if (!request.fromArchive && !request.allSlots && request.slotNumbers.isEmpty())
            return usageError(Cli::tr("msa type1 braucht --slots, --all oder --archive."));
    }
    if (request.command == QLatin1String("gauge") && request.gaugeAction == QLatin1String("add")) {
        const QDate calibrated = QDate::fromString(request.calibratedOn, Qt::ISODate);
        const QDate due = QDate::fromString(request.dueOn, Qt::ISODate);
        if (request.certificate.trimmed().isEmpty() || !calibrated.isValid() || !due.isValid())
            return usageError(Cli::tr("gauge calibration add braucht --certificate, --calibrated "
                                      "JJJJ-MM-TT und --due JJJJ-MM-TT."));
        if (due < calibrated)
            return usageError(Cli::tr("Das Fälligkeitsdatum liegt vor dem Kalibrierdatum."));
    }
    result.request = request;
    return result;
}

// Checks what each command needs and fills the request.
CliParseResult checkedRequest(const QCommandLineParser &parser, CliRequest request)
{
    const QString &command = request.command;
    const bool needsSlots = command == QLatin1String("delete");
    const bool takesSlots = needsSlots || command == QLatin1String("download") ||
                            command == QLatin1String("stats") || command == QLatin1String("msa") ||
                            command == QLatin1String("evaluate");
    if (parser.isSet(QStringLiteral("slots"))) {
        if (!takesSlots)
            return usageError(Cli::tr("--slots gilt nur für download, delete, stats und msa."));
        if (!parseSlotList(parser.value(QStringLiteral("slots")), request.slotNumbers))
            return usageError(
                Cli::tr("Ungültige Speicherplätze: %1 (erlaubt sind 1 bis %2)")
                    .arg(parser.value(QStringLiteral("slots")))
                    .arg(Protocol::kSlotCount));
    }
    request.allSlots = parser.isSet(QStringLiteral("all"));
    if (request.allSlots && !request.slotNumbers.isEmpty())
        return usageError(Cli::tr("--slots und --all schließen sich aus."));
    if (needsSlots && !request.allSlots && request.slotNumbers.isEmpty())
        return usageError(Cli::tr("delete braucht --slots oder --all."));
    if (needsSlots && !request.yes)
        return usageError(Cli::tr("Gelöscht wird nur mit --yes."));
    if (request.eraseIncomplete && !needsSlots)
        return usageError(Cli::tr("--erase-incomplete gilt nur für delete."));
    if (command == QLatin1String("download") || command == QLatin1String("report")) {
        if (request.output.isEmpty())
            return usageError(Cli::tr("%1 braucht -o DATEI.").arg(command));
    }
    // gauge: --serial names the gauge, not a part of serial numbers.
    if (command == QLatin1String("gauge"))
        request.archiveFilter.serialNr.clear();
    const bool filtered = !request.archiveFilter.isEmpty();
    const bool takesArchive = command == QLatin1String("stats") || command == QLatin1String("msa") ||
                              command == QLatin1String("evaluate");
    if (filtered && !request.fromArchive)
        return usageError(Cli::tr("--serial, --station, --from, --to und --search gelten nur "
                                  "mit stats --archive."));
    if (request.fromArchive && !takesArchive)
        return usageError(Cli::tr("--archive gilt nur für stats und msa."));
    if (request.fromArchive && (!request.slotNumbers.isEmpty() || request.allSlots))
        return usageError(Cli::tr("--archive und --slots oder --all schließen sich aus."));
    for (const char *name : {"from", "to"}) {
        const QString option = QString::fromLatin1(name);
        if (parser.isSet(option) && !QDate::fromString(parser.value(option), Qt::ISODate).isValid())
            return usageError(Cli::tr("Kein Datum (JJJJ-MM-TT): %1").arg(parser.value(option)));
    }
    const CliParseResult studied = checkedStudyOrCalibration(parser, request);
    if (!studied.run)
        return studied;
    request = studied.request;
    if (command == QLatin1String("evaluate") && request.planFile.isEmpty())
        return usageError(Cli::tr("evaluate braucht --plan DATEI oder NAME."));
    const bool takesPlan = command == QLatin1String("evaluate") || command == QLatin1String("stats") ||
                           (command == QLatin1String("download") &&
                            request.format == QLatin1String("dfq"));
    if (!request.planFile.isEmpty() && !takesPlan)
        return usageError(Cli::tr("--plan gilt nur für evaluate, stats und download --format dfq."));
    if (!request.characteristic.isEmpty() &&
        (command != QLatin1String("stats") || request.planFile.isEmpty()))
        return usageError(Cli::tr("--characteristic gilt nur für stats mit --plan."));
    if (command == QLatin1String("evaluate") && !request.fromArchive && !request.allSlots &&
        request.slotNumbers.isEmpty())
        return usageError(Cli::tr("evaluate braucht --slots, --all oder --archive."));
    if ((command == QLatin1String("evaluate") || command == QLatin1String("stats") ||
         command == QLatin1String("archive") ||
         command == QLatin1String("gauge") || command == QLatin1String("msa")) &&
        request.output.isEmpty())
        request.output = QStringLiteral("-");
    if (!parser.isSet(QStringLiteral("format")))
        request.format = formatsOf(command).first();
    if (!formatsOf(command).contains(request.format))
        return usageError(Cli::tr("Unbekanntes Format: %1").arg(request.format));
    if (!kCharts.contains(request.chart))
        return usageError(Cli::tr("Unbekannte Regelkarte: %1").arg(request.chart));
    if (!kRuleSets.contains(request.rules))
        return usageError(Cli::tr("Unbekannte Regeln: %1").arg(request.rules));
    if (request.subgroupSize < kSmallestSubgroup || request.subgroupSize > kLargestSubgroup)
        return usageError(Cli::tr("Die Untergruppe hat 2 bis 10 Messungen."));
    for (const char *name : {"lower", "upper"}) {
        const QString option = QString::fromLatin1(name);
        if (parser.isSet(option) && !parseLimit(parser.value(option).toLatin1()))
            return usageError(Cli::tr("Kein Grenzwert: %1").arg(parser.value(option)));
    }
    if (ForceLimits{request.lower, request.upper}.isCrossed())
        return usageError(Cli::tr("--lower %1 liegt nicht unter --upper %2.")
                              .arg(parser.value(QStringLiteral("lower")),
                                   parser.value(QStringLiteral("upper"))));
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
                                 QStringLiteral("<scan|info|list|download|delete|report|stats|archive|gauge|msa|evaluate>"));
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
        {QStringLiteral("format"),
         Cli::tr("download: csv (wie der Export des Programms), json oder dfq (Q-DAS); "
                 "stats: table (Spalten zum Lesen), tsv (tabulatorgetrennt) oder json; "
                 "archive list: table oder json."),
         QStringLiteral("format")},
        {QStringLiteral("part"), Cli::tr("dfq: Teilenummer (K1001)."), QStringLiteral("text")},
        {QStringLiteral("part-description"), Cli::tr("dfq: Teilebezeichnung (K1002)."),
         QStringLiteral("text")},
        {QStringLiteral("chart"), Cli::tr("stats: Regelkarte imr, xbar-s oder xbar-r."),
         QStringLiteral("type"), QStringLiteral("imr")},
        {QStringLiteral("subgroup"), Cli::tr("stats: Messungen je Untergruppe (2 bis 10)."),
         QStringLiteral("n"), QStringLiteral("5")},
        {QStringLiteral("rules"), Cli::tr("stats: Regeln nelson (1-8) oder we (Western Electric 1-4)."),
         QStringLiteral("set"), QStringLiteral("nelson")},
        {QStringLiteral("lower"), Cli::tr("stats: untere Grenze der Maximalkraft."),
         QStringLiteral("value")},
        {QStringLiteral("upper"), Cli::tr("stats: obere Grenze der Maximalkraft."),
         QStringLiteral("value")},
        {QStringLiteral("archive"),
         Cli::tr("stats, msa: die Messungen des Archivs statt der des Geräts.")},
        {QStringLiteral("serial"),
         Cli::tr("stats, msa --archive: Teil der Seriennummer; gauge: Seriennummer des Geräts "
                 "(ohne sie das angeschlossene)."),
         QStringLiteral("text")},
        {QStringLiteral("station"), Cli::tr("stats --archive: nur diese Station."),
         QStringLiteral("name")},
        {QStringLiteral("from"), Cli::tr("stats --archive: erster Tag (JJJJ-MM-TT)."),
         QStringLiteral("date")},
        {QStringLiteral("to"), Cli::tr("stats --archive: letzter Tag (JJJJ-MM-TT)."),
         QStringLiteral("date")},
        {QStringLiteral("search"),
         Cli::tr("stats --archive: Teil der Bezeichnung oder der Seriennummer."),
         QStringLiteral("text")},
        {QStringLiteral("plan"), Cli::tr("evaluate, stats, download --format dfq: der Prüfplan, eine JSON-Datei oder der Name eines archivierten."),
         QStringLiteral("file")},
        {QStringLiteral("characteristic"),
         Cli::tr("stats --plan: Regelkarte und Grenzwerte dieses Merkmals des Prüfplans."),
         QStringLiteral("name")},
        {QStringLiteral("yes"), Cli::tr("Löschen ohne Rückfrage bestätigen.")},
        {QStringLiteral("erase-incomplete"),
         Cli::tr("delete: auch Messungen löschen, die nur unvollständig archiviert sind (das "
                 "Gerät hat weniger Messwerte gesendet, als es angibt).")},
        {QStringLiteral("slot"), Cli::tr("Speicherplatz der Messung."), QStringLiteral("n")},
        {QStringLiteral("designation"), Cli::tr("Bezeichnung im Protokoll."),
         QStringLiteral("text")},
        {QStringLiteral("certificate"), Cli::tr("gauge: Nummer des Kalibrierscheins."),
         QStringLiteral("text")},
        {QStringLiteral("calibrated"), Cli::tr("gauge: Kalibrierdatum (JJJJ-MM-TT)."),
         QStringLiteral("date")},
        {QStringLiteral("due"), Cli::tr("gauge: nächste Kalibrierung fällig am (JJJJ-MM-TT)."),
         QStringLiteral("date")},
        {QStringLiteral("laboratory"), Cli::tr("gauge: Kalibrierlabor."), QStringLiteral("text")},
        {QStringLiteral("uncertainty"), Cli::tr("gauge: erweiterte Messunsicherheit U (k = 2) in N."),
         QStringLiteral("value")},
        {QStringLiteral("standard"), Cli::tr("gauge: Bezugsnormal der Kalibrierung."),
         QStringLiteral("text")},
        {QStringLiteral("note"), Cli::tr("gauge: Bemerkung."), QStringLiteral("text")},
        {QStringLiteral("reference"), Cli::tr("msa: Referenzwert des Normals."),
         QStringLiteral("value")},
        {QStringLiteral("tolerance"), Cli::tr("msa: Toleranz des Merkmals."), QStringLiteral("value")},
        {QStringLiteral("resolution"), Cli::tr("msa: Auflösung des Geräts (Vorgabe 0.1)."),
         QStringLiteral("value")},
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
    if (positional.isEmpty())
        return usageError(Cli::tr("Kein Befehl angegeben."));
    if (!kCommands.contains(positional.first()))
        return usageError(Cli::tr("Unbekannter Befehl: %1").arg(positional.first()));
    const bool isArchive = positional.first() == QLatin1String("archive");
    const bool isGauge = positional.first() == QLatin1String("gauge");
    const bool isMsa = positional.first() == QLatin1String("msa");
    if (isArchive && (positional.size() != 2 || !kArchiveActions.contains(positional.at(1))))
        return usageError(Cli::tr("archive braucht init, list, sync oder verify."));
    if (isGauge && (positional.size() != 3 || positional.at(1) != QLatin1String("calibration") ||
                    (positional.at(2) != QLatin1String("add") &&
                     positional.at(2) != QLatin1String("list"))))
        return usageError(Cli::tr("gauge braucht calibration add oder calibration list."));
    if (isMsa && (positional.size() != 2 || positional.at(1) != QLatin1String("type1")))
        return usageError(Cli::tr("msa braucht type1."));
    if (!isArchive && !isGauge && !isMsa && positional.size() != 1)
        return usageError(Cli::tr("Nur ein Befehl auf einmal."));

    CliRequest request;
    request.command = positional.first();
    request.archiveAction = isArchive ? positional.at(1) : QString();
    request.gaugeAction = isGauge ? positional.at(2) : QString();
    request.serialNr = parser.value(QStringLiteral("serial")).toLatin1();
    request.certificate = parser.value(QStringLiteral("certificate"));
    request.calibratedOn = parser.value(QStringLiteral("calibrated"));
    request.dueOn = parser.value(QStringLiteral("due"));
    request.laboratory = parser.value(QStringLiteral("laboratory"));
    request.referenceStandard = parser.value(QStringLiteral("standard"));
    request.note = parser.value(QStringLiteral("note"));
    request.output = parser.value(QStringLiteral("output"));
    request.planFile = parser.value(QStringLiteral("plan"));
    request.characteristic = parser.value(QStringLiteral("characteristic"));
    request.format = parser.value(QStringLiteral("format"));
    request.yes = parser.isSet(QStringLiteral("yes"));
    request.eraseIncomplete = parser.isSet(QStringLiteral("erase-incomplete"));
    request.designation = parser.value(QStringLiteral("designation"));
    request.port = parser.value(QStringLiteral("port")).toLocal8Bit();
    request.language = parser.value(QStringLiteral("lang")).toLatin1();
    request.quiet = parser.isSet(QStringLiteral("quiet"));
    request.partNumber = parser.value(QStringLiteral("part"));
    request.partDescription = parser.value(QStringLiteral("part-description"));
    request.chart = parser.value(QStringLiteral("chart"));
    request.rules = parser.value(QStringLiteral("rules"));
    request.subgroupSize = parser.value(QStringLiteral("subgroup")).toInt();
    request.lower = parseLimit(parser.value(QStringLiteral("lower")).toLatin1());
    request.upper = parseLimit(parser.value(QStringLiteral("upper")).toLatin1());
    request.fromArchive = parser.isSet(QStringLiteral("archive"));
    ArchiveFilter &filter = request.archiveFilter;
    filter.serialNr = parser.value(QStringLiteral("serial"));
    filter.text = parser.value(QStringLiteral("search"));
    filter.from = QDate::fromString(parser.value(QStringLiteral("from")), Qt::ISODate);
    filter.to = QDate::fromString(parser.value(QStringLiteral("to")), Qt::ISODate);
    if (parser.isSet(QStringLiteral("station")))
        filter.station = parser.value(QStringLiteral("station"));
    if (parser.isSet(QStringLiteral("slot"))) {
        bool ok = false;
        request.slot = parser.value(QStringLiteral("slot")).toInt(&ok);
        if (!ok)
            request.slot = 0;
    }
    return checkedRequest(parser, request);
}
