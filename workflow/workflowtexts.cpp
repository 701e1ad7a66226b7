#include "workflow/workflowtexts.h"

#include "archive/measurementarchive.h"
#include "device/gaugesession.h"
#include "workflow/eraserequest.h"

#include <QStringList>
#include <algorithm>
#include <climits>

namespace {

QString slotList(const QList<int> &numbers)
{
    return QString::fromLatin1(slotListText(numbers));
}

// Why a server is not in use, as the driver words it: the server cannot be
// reached, it refused the login, or something else.
enum class ServerTrouble
{
    Unreachable,
    LoginRefused,
    Other,
};

// The driver's text is in the language of the locale (libpq's own words)
// or of the server (what the server sent, marked FATAL in every language it
// speaks); only what it names is looked for.
ServerTrouble troubleOf(const ArchiveStatus &why)
{
    const QString detail = why.detail;
    static const char *const login[] = {"password", "Passwort", "mot de passe", "authentication",
                                        "Authentifizierung", "authentification", "autenticazione"};
    for (const char *text : login)
        if (detail.contains(QLatin1String(text), Qt::CaseInsensitive))
            return ServerTrouble::LoginRefused;
    // Without the server's answer and not about TLS: it was never reached.
    if (!detail.contains(QLatin1String("FATAL")) && !detail.contains(QLatin1String("SSL")))
        return ServerTrouble::Unreachable;
    return ServerTrouble::Other;
}

// The driver's first line, without its own name ("QPSQL: Unable to connect").
QString driverReason(const ArchiveStatus &why)
{
    QStringList lines = why.detail.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QString &line) {
                                   return line.trimmed().startsWith(QLatin1String("QPSQL:"));
                               }),
                lines.end());
    return lines.isEmpty() ? QString() : lines.first().trimmed();
}

} // namespace

namespace WorkflowText {

QString transferFailed(const TransferResult &result)
{
    if (result.ok())
        return QString();
    QString text = GaugeWorkflowTexts::tr("Fehler beim Übertragen der Daten!");
    if (result.identityFailed)
        text += QLatin1Char(' ') +
                GaugeWorkflowTexts::tr("Die Kennung des Geräts wurde nicht gelesen.");
    if (!result.failedSlots.isEmpty())
        text += QLatin1Char(' ') + GaugeWorkflowTexts::tr("Betroffene Speicherplätze: %1", nullptr,
                                                          result.failedSlots.size())
                                       .arg(slotList(result.failedSlots));
    return text;
}

QString incompleteKept(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return QString();
    return GaugeWorkflowTexts::tr(
               "Diese Messungen sind unvollständig: Das Gerät hat weniger Messwerte gesendet, "
               "als es angibt. Sie wurden so archiviert, wie das Gerät sie gesendet hat: %1",
               nullptr, numbers.size())
        .arg(slotNumbers(numbers));
}

QString notNumbersKept(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return QString();
    return GaugeWorkflowTexts::tr(
               "In diesen Messungen sind Werte keine Zahl. Sie wurden so archiviert, wie das "
               "Gerät sie gesendet hat, und bleiben in Statistik, Regelkarte und DFQ-Datei "
               "außen vor: %1",
               nullptr, numbers.size())
        .arg(slotNumbers(numbers));
}

QString emptySlots(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return QString();
    return GaugeWorkflowTexts::tr("Leere Speicherplätze: %1", nullptr, numbers.size())
        .arg(slotList(numbers));
}

QString planUnreadable(const QString &path, const QString &problem)
{
    return GaugeWorkflowTexts::tr("Der Prüfplan '%1' ist nicht lesbar. %2").arg(path, problem);
}

QString archiveProblem(const ArchiveStatus &status, const QString &path)
{
    switch (status.kind) {
    case ArchiveStatus::Ok:
        return QString();
    case ArchiveStatus::ReadOnly:
        return GaugeWorkflowTexts::tr("Das Archiv '%1' ist schreibgeschützt.").arg(path);
    case ArchiveStatus::DiskFull:
        return GaugeWorkflowTexts::tr("Auf dem Datenträger des Archivs '%1' ist kein Platz mehr.")
            .arg(path);
    case ArchiveStatus::Locked:
        return GaugeWorkflowTexts::tr("Das Archiv '%1' wird von einem anderen Programm benutzt.")
            .arg(path);
    case ArchiveStatus::Corrupt:
        return GaugeWorkflowTexts::tr("Das Archiv '%1' ist beschädigt.").arg(path);
    case ArchiveStatus::CannotOpen:
        return GaugeWorkflowTexts::tr("Das Archiv '%1' kann nicht geöffnet werden.").arg(path);
    case ArchiveStatus::NewerVersion:
        return GaugeWorkflowTexts::tr(
                   "Das Archiv '%1' stammt von einer neueren Programmversion und bleibt "
                   "unverändert.")
            .arg(path);
    case ArchiveStatus::NotOpen:
        return GaugeWorkflowTexts::tr("Es ist kein Archiv geöffnet.");
    case ArchiveStatus::Misconfigured:
        return GaugeWorkflowTexts::tr("Die Statusdatei nennt ein unbekanntes Archiv: %1. Es wird "
                                      "kein Archiv benutzt.")
            .arg(status.detail);
    case ArchiveStatus::Failed:
        break;
    }
    return GaugeWorkflowTexts::tr("Das Archiv '%1' meldet einen Fehler: %2")
        .arg(path, status.detail);
}

QString serverTrouble(const ArchiveStatus &why, const QString &server)
{
    if (why.ok())
        return GaugeWorkflowTexts::tr("Der Archivserver %1 antwortet.").arg(server);
    switch (troubleOf(why)) {
    case ServerTrouble::Unreachable:
        return GaugeWorkflowTexts::tr("Der Archivserver %1 ist nicht erreichbar.").arg(server);
    case ServerTrouble::LoginRefused:
        return GaugeWorkflowTexts::tr("Der Archivserver %1 hat die Anmeldung abgelehnt (das "
                                      "Passwort gehört in die Datei ~/.pgpass).")
            .arg(server);
    case ServerTrouble::Other:
        break;
    }
    return GaugeWorkflowTexts::tr("Der Archivserver %1 ist nicht in Gebrauch (%2).")
        .arg(server, driverReason(why));
}

QString serverNotInUse(const ArchiveStatus &why, const QString &server, int waiting)
{
    if (why.kind == ArchiveStatus::NewerVersion)
        return archiveProblem(why, server) + QLatin1Char(' ') + waitingForServer(waiting);
    return serverTrouble(why, server) + QLatin1Char(' ') +
           GaugeWorkflowTexts::tr("Übertragene Messungen bleiben in der Archivdatei, bis er "
                                  "wieder antwortet.") +
           QLatin1Char(' ') + waitingForServer(waiting);
}

QString serverRefused(const ArchiveStatus &why, const QString &server, int waiting)
{
    return GaugeWorkflowTexts::tr("Der Archivserver %1 hat Messungen nicht angenommen (%2). Sie "
                                  "bleiben in der Archivdatei.")
               .arg(server, why.detail.trimmed()) +
           QLatin1Char(' ') + waitingForServer(waiting);
}

QString serverProblem(MeasurementArchive &archive)
{
    if (!archive.isOpen() || !archive.isOnServer())
        return QString();
    const int waiting = archive.waitingCount();
    if (archive.serverRefused())
        return serverRefused(archive.serverStatus(), archive.location(), waiting);
    if (!archive.isOnline() || waiting > 0)
        return serverNotInUse(archive.serverStatus(), archive.location(), waiting);
    return QString();
}

QString movedAside(const ArchiveStatus &opened, const QString &path, bool spool)
{
    QString text = GaugeWorkflowTexts::tr("Die Archivdatei '%1' war beschädigt. Sie wurde "
                                          "unverändert nach '%2' verschoben; ein neues Archiv "
                                          "wurde angelegt.")
                       .arg(path, opened.movedAside);
    text += QLatin1Char(' ') + GaugeWorkflowTexts::tr("Daraus wieder gelesen und behalten: %n "
                                                      "Messungen.",
                                                      nullptr, opened.recovered);
    if (opened.keptRecordsRecovered > 0)
        text += QLatin1Char(' ') +
                GaugeWorkflowTexts::tr("Dazu Kalibrierungen, Typ-1-Studien und Prüfpläne: %1.")
                    .arg(opened.keptRecordsRecovered);
    if (!spool)
        return text;
    if (opened.waitingBefore < 0)
        return text + QLatin1Char(' ') +
               GaugeWorkflowTexts::tr("Welche Messungen auf den Archivserver warteten, ließ "
                                      "sich nicht lesen; was fehlt, ist nur noch in '%1'.")
                   .arg(opened.movedAside);
    if (opened.waitingBefore == 0)
        return text;
    return text + QLatin1Char(' ') +
           GaugeWorkflowTexts::tr("Von %n Messungen, die auf den Archivserver warteten, warten "
                                  "%1 wieder; die übrigen sind nur noch in '%2'.",
                                  nullptr, opened.waitingBefore)
               .arg(opened.waitingRecovered)
               .arg(opened.movedAside);
}

QString waitingForServer(int waiting)
{
    return GaugeWorkflowTexts::tr("Messungen, die auf den Archivserver warten: %1").arg(waiting);
}

QString uploadedToServer(int uploaded)
{
    return GaugeWorkflowTexts::tr("Zum Archivserver übertragene Messungen: %1").arg(uploaded);
}

QString notOnServerQuestion(int count)
{
    return GaugeWorkflowTexts::tr("Messungen in der Archivdatei, die nicht auf dem Archivserver "
                                  "sind: %1. Jetzt zum Archivserver hochladen?")
        .arg(count);
}

QString queuedFromFile(int queued)
{
    return GaugeWorkflowTexts::tr("Messungen aus der Archivdatei zum Hochladen vorgemerkt: %1")
        .arg(queued);
}

QString chainsIntact(const ChainReport &report)
{
    return GaugeWorkflowTexts::tr("Archiv unverändert: %1 verkettete Messungen geprüft, %2 aus "
                                  "der Zeit vor der Verkettung.")
        .arg(report.checked)
        .arg(report.unchained);
}

QString chainBroken(const BrokenLink &link)
{
    if (link.reason == QLatin1String("end"))
        return GaugeWorkflowTexts::tr("Archiv verändert: Die letzten Messungen der Station '%1' "
                                      "fehlen; ihre Kette endete bei Messung %2.")
            .arg(link.station)
            .arg(link.id);
    if (link.reason == QLatin1String("gone"))
        return GaugeWorkflowTexts::tr("Archiv verändert: Alle Messungen der Station '%1' fehlen; "
                                      "ihre Kette endete bei Messung %2.")
            .arg(link.station)
            .arg(link.id);
    if (link.reason == QLatin1String("head"))
        return GaugeWorkflowTexts::tr("Archiv verändert: Das Ende der Kette der Station '%1' "
                                      "passt nicht zu ihrer letzten Messung %2.")
            .arg(link.station)
            .arg(link.id);
    QString what = GaugeWorkflowTexts::tr("ihre Werte");
    if (link.reason == QLatin1String("samples"))
        what = GaugeWorkflowTexts::tr("ihre Messwerte");
    else if (link.reason == QLatin1String("missing"))
        what = GaugeWorkflowTexts::tr("ihre Verkettung fehlt");
    return GaugeWorkflowTexts::tr("Archiv verändert: Messung %1 der Station '%2' passt nicht zur "
                                  "Kette (%3), oder die Messung davor fehlt.")
        .arg(link.id)
        .arg(link.station, what);
}

QString transferNotArchived()
{
    return GaugeWorkflowTexts::tr(
        "Die übertragenen Messungen wurden nicht archiviert; sie bleiben in der Liste.");
}

QString nothingErased()
{
    return GaugeWorkflowTexts::tr("Es wurde nichts gelöscht.");
}

QString serialNrUnread()
{
    return GaugeWorkflowTexts::tr(
        "Das Gerät hat seine Seriennummer nicht genannt. Es wurde nichts gelöscht.");
}

QString wrongGauge(const QByteArray &gaugeSerialNr, const QByteArray &shownSerialNr)
{
    return GaugeWorkflowTexts::tr(
               "Das angeschlossene Gerät (Seriennummer %1) ist nicht das Gerät der angezeigten "
               "Liste (Seriennummer %2). Es wurde nichts gelöscht.")
        .arg(QString::fromLatin1(gaugeSerialNr), QString::fromLatin1(shownSerialNr));
}

QString notErased(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return QString();
    return GaugeWorkflowTexts::tr("Diese Speicherplätze wurden nicht gelöscht: %1", nullptr,
                                  numbers.size())
        .arg(slotList(numbers));
}

QString unread(const QList<int> &numbers)
{
    return GaugeWorkflowTexts::tr(
               "Diese Messungen auf dem Gerät wurden noch nicht übertragen und sind nicht im "
               "Archiv: %1\nSie werden nicht gelöscht.",
               nullptr, numbers.size())
        .arg(slotNumbers(numbers));
}

QString incompleteNotArchived(const QList<int> &numbers)
{
    return GaugeWorkflowTexts::tr(
               "Diese Messungen wurden nicht vollständig übertragen und können nicht archiviert "
               "werden: %1\nBitte übertragen Sie die Daten erneut. Es wurde nichts gelöscht.",
               nullptr, numbers.size())
        .arg(slotNumbers(numbers));
}

QString archivedIncomplete(const QList<IncompleteCopy> &copies)
{
    return GaugeWorkflowTexts::tr("Diese Messungen sind nur unvollständig archiviert: %1\nDas "
                                  "Gerät hat weniger Messwerte gesendet, als es angibt.",
                                  nullptr, copies.size())
        .arg(incompleteCopies(copies));
}

QString incompleteCopies(const QList<IncompleteCopy> &copies)
{
    QStringList texts;
    for (const IncompleteCopy &copy : copies) {
        // The count names the form; one from the wire may exceed int.
        const int form = int(std::min<uint32_t>(copy.sampleCount, INT_MAX));
        texts << GaugeWorkflowTexts::tr("#%1 (%2 von %3 Messwerten)", nullptr, form)
                     .arg(copy.slot)
                     .arg(copy.samplesHeld)
                     .arg(copy.sampleCount);
    }
    return texts.join(QStringLiteral(", "));
}

QString slotNumbers(const QList<int> &numbers)
{
    QStringList texts;
    for (int slot : numbers)
        texts << QLatin1Char('#') + QString::number(slot);
    return texts.join(QStringLiteral(", "));
}

} // namespace WorkflowText
