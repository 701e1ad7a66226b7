#include "cli/clirunner.h"

#include "cli/clijson.h"
#include "cli/clistats.h"
#include "workflow/archivegroup.h"
#include "device/interfacehardware.h"
#include "device/protocol.h"
#include "device/rs232win.h"
#include "measurement/dblist.h"
#include "measurement/devicedata.h"
#include "measurement/dfqexport.h"
#include "measurement/measurementset.h"
#include "workflow/seriesset.h"
#include "workflow/workflowtexts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray tsvLine(const QStringList &cells)
{
    return cells.join(QLatin1Char('\t')).toUtf8() + '\n';
}

QString isoDate(const Measurement &m)
{
    return measurementDate(m.dateText).toString(Qt::ISODate);
}

QString isoTime(const Measurement &m)
{
    return measurementTime(m.timeText).toString(Qt::ISODate);
}

// Windows names its ports; elsewhere a port is a device file.
bool portExists(const QString &location)
{
#ifdef Q_OS_WIN
    Q_UNUSED(location)
    return true;
#else
    return QFileInfo::exists(location);
#endif
}

} // namespace

CliRunner::CliRunner(const CliRequest &request, QIODevice &out, QIODevice &err,
                     const LinkTiming &timing)
    : m_request(request), m_out(out), m_err(err), m_services(timing), m_status(m_services.status()),
      m_session(m_services.session()), m_archive(m_services.archive()),
      m_workflow(m_services.workflow())
{
    // `gauge calibration` names the gauge's calibration after its own record.
    if (m_request.command != QLatin1String("gauge"))
        m_workflow.setGaugeNotice([this](const QString &note) { error(note); });
}

int CliRunner::run()
{
    const int code = runCommand();
    return finishOutput(m_out, m_err) == kExitOk ? code : kExitFile;
}

int CliRunner::runCommand()
{
    const QString &command = m_request.command;
    if (command == QLatin1String("scan"))
        return scan();
    if (command == QLatin1String("info"))
        return info();
    if (command == QLatin1String("list"))
        return list();
    if (command == QLatin1String("download"))
        return download();
    if (command == QLatin1String("delete"))
        return erase();
    if (command == QLatin1String("report"))
        return report();
    if (command == QLatin1String("archive"))
        return archive();
    if (command == QLatin1String("stats"))
        return stats();
    if (command == QLatin1String("gauge"))
        return gauge();
    if (command == QLatin1String("msa"))
        return msaType1();
    if (command == QLatin1String("evaluate"))
        return evaluate();
    return kExitUsage;
}

void CliRunner::message(const QString &text)
{
    if (!m_request.quiet)
        m_err.write(text.toUtf8() + '\n');
}

void CliRunner::error(const QString &text)
{
    endProgress();
    m_err.write(text.toUtf8() + '\n');
}

JobProgress CliRunner::progress()
{
    if (!m_progressShown || m_request.quiet)
        return {};
    return [this](int done, int total) {
        m_err.write('\r' + Cli::tr("Speicherplatz %1 von %2").arg(done).arg(total).toUtf8());
        m_progressLineOpen = true;
        return true;
    };
}

void CliRunner::endProgress()
{
    if (m_progressLineOpen)
        m_err.write("\n");
    m_progressLineOpen = false;
}

bool CliRunner::connectGauge()
{
    if (m_workflow.connect(m_request.port) == Protocol::kOk)
        return true;
    if (m_request.port.isEmpty())
        error(Cli::tr("Kein Gerät gefunden (COM1 bis COM30)."));
    else
        error(Cli::tr("Kein Gerät an %1.").arg(QString::fromLocal8Bit(m_request.port)));
    return false;
}

int CliRunner::scan()
{
    // Every port once, each on its own, the way the search tries them.
    for (int number = 1; number <= Protocol::kPortCount; ++number) {
        const QByteArray name = InterfaceHardware::portName(number);
        const QString location = systemPortLocation(name);
        QStringList cells{QString::fromLatin1(name), location};
        // Through the workflow, so that an overdue gauge is named as it answers.
        if (m_workflow.connect(name) == Protocol::kOk) {
            DeviceData data;
            m_session.readIdentity(data);
            m_workflow.disconnect();
            cells << QStringLiteral("gauge") << QString::fromLatin1(data.serialNr);
        } else {
            cells << (portExists(location) ? QStringLiteral("no-gauge") : QStringLiteral("absent"));
        }
        m_out.write(tsvLine(cells));
    }
    return kExitOk;
}

int CliRunner::info()
{
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const bool identityRead = m_session.readIdentity(data);
    QList<int> filled;
    const bool countsRead = m_session.readFilledSlots(filled);
    m_workflow.disconnect();
    m_out.write(tsvLine({QStringLiteral("serial"), QString::fromLatin1(data.serialNr)}));
    m_out.write(tsvLine({QStringLiteral("software"), QString::fromLatin1(data.swVersion)}));
    m_out.write(tsvLine({QStringLiteral("unit"), data.forceUnitText}));
    m_out.write(tsvLine({QStringLiteral("measurements"), QString::number(filled.size())}));
    if (!identityRead || !countsRead) {
        error(Cli::tr("Fehler beim Übertragen der Daten!"));
        return kExitCommunication;
    }
    return kExitOk;
}

bool CliRunner::readSucceeded(const TransferResult &result)
{
    endProgress();
    if (result.ok())
        return true;
    error(WorkflowText::transferFailed(result));
    return false;
}

int CliRunner::list()
{
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const bool complete = readSucceeded(m_workflow.readList(data, progress()));
    m_workflow.disconnect();
    m_out.write(tsvLine({QStringLiteral("slot"), QStringLiteral("date"), QStringLiteral("time"),
                         QStringLiteral("samples"), QStringLiteral("rate"),
                         QStringLiteral("max/") + data.forceUnitText}));
    for (const Measurement *m : qAsConst(data.records)) {
        m_out.write(tsvLine({QString::number(m->number), isoDate(*m), isoTime(*m),
                             QString::number(m->sampleCount), QString::number(m->sampleRate),
                             formatForce(m->forceMax, data.forceUnitFactor)}));
    }
    return complete ? kExitOk : kExitCommunication;
}

int CliRunner::download()
{
    const int planRead = readRequestedPlan();
    if (planRead != kExitOk)
        return planRead;
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const TransferOutcome outcome = m_workflow.transfer(data, progress(), m_request.slotNumbers);
    m_workflow.disconnect();
    const bool complete = readSucceeded(outcome.read);
    // What was read is written even after a failed read: nothing is lost.
    const int written = writeDownload(data);
    if (written != kExitOk)
        return written;
    if (!outcome.archive.ok()) {
        error(WorkflowText::archiveProblem(outcome.archive, m_workflow.archivePath()));
        return kExitFile;
    }
    for (const QString &kept : {WorkflowText::incompleteKept(outcome.incompleteSlots),
                                WorkflowText::notNumbersKept(outcome.notNumberSlots)})
        if (!kept.isEmpty())
            error(kept);
    const int archived = archiveExitCode();
    const bool anyEmpty = namedEmptySlots(outcome.emptySlots);
    if (!complete)
        return kExitCommunication;
    message(Cli::tr("Übertragene Messungen: %1").arg(data.records.size()));
    if (archived != kExitOk)
        return archived;
    return anyEmpty ? kExitCommunication : kExitOk;
}

int CliRunner::archiveExitCode()
{
    const QString damaged = m_workflow.damagedArchiveText();
    if (!damaged.isEmpty())
        error(damaged);
    // Kept in the spool file: safe, but not yet where the plant sees it.
    // A server that answers and refuses records is a failure.
    const QString server = WorkflowText::serverProblem(m_archive);
    if (m_archive.serverRefused())
        error(server);
    else if (!server.isEmpty())
        message(server);
    return damaged.isEmpty() && !m_archive.serverRefused() ? kExitOk : kExitFile;
}

bool CliRunner::namedEmptySlots(const QList<int> &slotNumbers)
{
    if (slotNumbers.isEmpty())
        return false;
    error(WorkflowText::emptySlots(slotNumbers));
    return true;
}

int CliRunner::writeDownload(const DeviceData &data)
{
    if (m_request.format == QLatin1String("json"))
        return writeOutput(measurementsJson(data));
    if (m_request.format == QLatin1String("dfq")) {
        const MeasurementSet set = requestedSet(data);
        const QString leftOut = StatisticsText::leftOutNote(leftOutCount(set));
        if (!leftOut.isEmpty())
            error(leftOut);
        bool cut = false;
        fittedDfqPart({m_request.partNumber, m_request.partDescription}, &cut);
        if (cut)
            error(Cli::tr("Teilenummer und Teilebezeichnung sind in der DFQ-Datei auf %1 und %2 "
                          "Zeichen gekürzt.")
                      .arg(kDfqPartNumberLength)
                      .arg(kDfqPartDescriptionLength));
        return writeOutput(dfqDocument(set, {m_request.partNumber, m_request.partDescription}));
    }
    const DbList table(constRecords(data.records), QString::fromLatin1(data.serialNr),
                       data.forceUnitText, data.forceUnitFactor);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    quint64 rows = 0;
    table.writeCSV(buffer, m_status.exportListCsvWithSepHeader, rows);
    return writeOutput(buffer.data());
}

MeasurementSet CliRunner::requestedSet(const DeviceData &data) const
{
    MeasurementSet set = measurementSetOf(data, m_status);
    set.records = constRecords(data.records);
    set.plan = m_plan;
    if (m_request.lower || m_request.upper) {
        set.limits = ForceLimits{m_request.lower, m_request.upper};
        set.crossedLimits = ForceLimits();
    }
    return set;
}

int CliRunner::stats()
{
    const int planRead = readRequestedPlan();
    if (planRead != kExitOk)
        return planRead;
    DeviceData data;
    QList<int> emptySlots;
    if (m_request.fromArchive) {
        const int loaded = loadArchiveGroup(data);
        if (loaded != kExitOk)
            return loaded;
    } else {
        if (!connectGauge())
            return kExitNoGauge;
        const TransferOutcome outcome =
            m_workflow.transfer(data, progress(), m_request.slotNumbers);
        m_workflow.disconnect();
        if (!readSucceeded(outcome.read))
            return kExitCommunication;
        emptySlots = outcome.emptySlots;
    }
    ChartSettings settings;
    settings.type = m_request.chart == QLatin1String("xbar-s")   ? ChartType::MeanStdDev
                    : m_request.chart == QLatin1String("xbar-r") ? ChartType::MeanRange
                                                                 : ChartType::IndividualsMovingRange;
    settings.subgroupSize = m_request.subgroupSize;
    settings.ruleSet =
        m_request.rules == QLatin1String("we") ? RuleSet::WesternElectric : RuleSet::Nelson;
    const MeasurementSet set = requestedSet(data);
    if (set.crossedLimits.isCrossed())
        error(StatisticsText::crossedLimitsNote(set.unitText, set.crossedLimits));
    if (!m_request.characteristic.isEmpty())
        settings.characteristic = planQuantity(set, m_request.characteristic)->characteristic;
    const CliStats result = cliStats(set, settings);
    const QString leftOut = StatisticsText::leftOutNote(result.statistics.leftOut);
    if (!leftOut.isEmpty())
        error(leftOut);
    const int written = writeOutput(m_request.format == QLatin1String("json")  ? statsJson(result)
                                    : m_request.format == QLatin1String("tsv") ? statsTsv(result)
                                                                               : statsText(result));
    if (written != kExitOk)
        return written;
    if (namedEmptySlots(emptySlots))
        return kExitCommunication;
    return result.outOfControl() ? kExitOutOfControl : kExitOk;
}

int CliRunner::readRequestedPlan()
{
    if (m_request.planFile.isEmpty())
        return kExitOk;
    TestPlan plan;
    const int read = readPlan(plan);
    if (read != kExitOk)
        return read;
    const bool named = std::any_of(plan.characteristics.begin(), plan.characteristics.end(),
                                   [this](const Characteristic &c) {
                                       return c.name == m_request.characteristic;
                                   });
    if (!m_request.characteristic.isEmpty() && !named) {
        error(Cli::tr("Der Prüfplan %1 hat kein Merkmal '%2'.")
                  .arg(plan.name, m_request.characteristic));
        return kExitUsage;
    }
    m_plan = std::make_shared<const TestPlan>(plan);
    return kExitOk;
}

bool CliRunner::openArchiveForGroup()
{
    const ArchiveStatus opened = m_workflow.openArchive();
    if (!opened.ok()) {
        error(WorkflowText::archiveProblem(opened, m_workflow.archivePath()));
        return false;
    }
    const QString damaged = m_workflow.damagedArchiveText();
    if (!damaged.isEmpty())
        error(damaged);
    return true;
}

int CliRunner::loadArchiveGroup(DeviceData &data)
{
    QList<qint64> ids;
    return openArchiveForGroup() && readArchiveGroup(data, ids) ? kExitOk : kExitFile;
}

bool CliRunner::readArchiveGroup(DeviceData &data, QList<qint64> &ids)
{
    ArchiveStatus status;
    ids = archiveGroupIds(m_archive, m_request.archiveFilter, &status);
    if (!status.ok() || !loadArchiveRecords(m_archive, ids, data, &status)) {
        error(WorkflowText::archiveProblem(status, m_archive.location()));
        return false;
    }
    return true;
}

int CliRunner::writeOutput(const QByteArray &bytes)
{
    if (m_request.output == QLatin1String("-")) {
        // Flushed now, so that a lost download is not counted as transferred.
        return m_out.write(bytes) == bytes.size() && m_out.finish() ? kExitOk : kExitFile;
    }
    if (writeOutputFile(m_request.output, bytes))
        return kExitOk;
    error(Cli::tr("Die Datei '%1' konnte nicht geschrieben werden!").arg(m_request.output));
    return kExitFile;
}

int CliRunner::erase()
{
    if (!connectGauge())
        return kExitNoGauge;
    // Only what the archive holds is erased: nobody sees the gauge's list here.
    EraseRequest request;
    request.slotNumbers = m_request.slotNumbers;
    EraseDecisions decisions;
    decisions.eraseOthersThanUnread = [](const QList<int> &) { return true; };
    const IncompleteChoice incomplete =
        m_request.eraseIncomplete ? IncompleteChoice::Erase : IncompleteChoice::Keep;
    decisions.archivedIncomplete = [incomplete](const QList<IncompleteCopy> &) {
        return incomplete;
    };
    const EraseOutcome outcome = m_workflow.erase(request, decisions, progress());
    m_workflow.disconnect();
    endProgress();
    return eraseExitCode(outcome);
}

int CliRunner::eraseExitCode(const EraseOutcome &outcome)
{
    if (!outcome.archive.ok()) {
        error(WorkflowText::archiveProblem(outcome.archive, m_workflow.archivePath()) +
              QLatin1Char(' ') + WorkflowText::nothingErased());
        return kExitFile;
    }
    if (outcome.erase.wrongGauge) {
        error(WorkflowText::serialNrUnread());
        return kExitCommunication;
    }
    message(Cli::tr("Gelöschte Messungen: %1").arg(outcome.erase.erasedSlots.size()));
    if (!outcome.unreadSlots.isEmpty())
        error(Cli::tr("Nicht im Archiv und darum nicht gelöscht: %1. Zuerst mit download "
                      "übertragen.")
                  .arg(QString::fromLatin1(slotListText(outcome.unreadSlots))));
    QList<int> otherwiseNotErased = outcome.notErased;
    for (int slot : outcome.unreadSlots)
        otherwiseNotErased.removeAll(slot);
    QList<IncompleteCopy> keptIncomplete;
    for (const IncompleteCopy &copy : outcome.incompleteCopies) {
        if (!m_request.eraseIncomplete && otherwiseNotErased.removeAll(copy.slot) > 0)
            keptIncomplete.append(copy);
    }
    if (!keptIncomplete.isEmpty())
        error(WorkflowText::archivedIncomplete(keptIncomplete) + QLatin1Char('\n') +
              Cli::tr("Nicht gelöscht. Erneut mit download übertragen (vielleicht sendet das "
                      "Gerät sie diesmal vollständig) oder mit --erase-incomplete löschen.",
                      nullptr, keptIncomplete.size()));
    if (!otherwiseNotErased.isEmpty())
        error(WorkflowText::notErased(otherwiseNotErased));
    const bool anyEmpty = namedEmptySlots(outcome.emptySlots);
    return outcome.notErased.isEmpty() && !anyEmpty ? kExitOk : kExitCommunication;
}

int CliRunner::report()
{
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const TransferOutcome outcome = m_workflow.transfer(data, progress(), {m_request.slot});
    m_workflow.disconnect();
    if (!readSucceeded(outcome.read) || namedEmptySlots(outcome.emptySlots))
        return kExitCommunication;
    return writeCliReport(data, m_status, m_request.slot, m_request.output, m_request.designation,
                          m_err);
}

int CliRunner::archive()
{
    const ArchiveStatus opened = m_workflow.openArchive();
    if (!opened.ok()) {
        error(WorkflowText::archiveProblem(opened, m_workflow.archivePath()));
        return kExitFile;
    }
    const QString &action = m_request.archiveAction;
    // A damaged file's records that could be read are in the new one: the
    // command runs on them, and the exit code says what happened.
    const QString damaged = m_workflow.damagedArchiveText();
    if (!damaged.isEmpty())
        error(damaged);
    if (m_archive.isOnServer() && !m_archive.isOnline()) {
        error(WorkflowText::serverNotInUse(m_archive.serverStatus(), m_archive.location(),
                                           m_archive.waitingCount()));
        return kExitFile;
    }
    int code = kExitOk;
    if (action == QLatin1String("list"))
        code = archiveList();
    else if (action == QLatin1String("verify"))
        code = archiveVerify();
    else
        code = archiveSync(); // init: opening made the schema; what waits goes too
    return code == kExitOk && !damaged.isEmpty() ? kExitFile : code;
}

int CliRunner::archiveList()
{
    ArchiveStatus status;
    const QList<ArchiveEntry> entries = m_archive.entries({}, &status);
    if (!status.ok()) {
        error(WorkflowText::archiveProblem(status, m_archive.location()));
        return kExitFile;
    }
    if (m_request.format == QLatin1String("json"))
        return writeOutput(archiveEntriesJson(entries));
    QByteArray table = tsvLine({QStringLiteral("station"), QStringLiteral("serial"),
                                QStringLiteral("slot"), QStringLiteral("date"),
                                QStringLiteral("time"), QStringLiteral("max/N")});
    for (const ArchiveEntry &e : entries) {
        table += tsvLine({e.station, QString::fromLatin1(e.serialNr), QString::number(e.slot),
                          e.day.toString(Qt::ISODate),
                          measurementTime(e.timeText).toString(Qt::ISODate),
                          formatForce(e.forceMax, 1.0)});
    }
    return writeOutput(table);
}

int CliRunner::archiveSync()
{
    if (!m_archive.isOnServer())
        return kExitOk; // a file needs no set-up and nothing waits
    // What the file kept before the server was set up goes too.
    int queued = 0;
    ArchiveStatus status = m_archive.queueNotOnServer(&queued);
    if (queued > 0)
        message(WorkflowText::queuedFromFile(queued));
    if (!status.ok() && m_archive.isOnline()) {
        error(WorkflowText::archiveProblem(status, m_archive.path()));
        return kExitFile;
    }
    int uploaded = 0;
    status = m_archive.sync(&uploaded);
    uploaded += m_archive.uploadedOnOpen();
    message(WorkflowText::uploadedToServer(uploaded));
    if (!status.ok()) {
        error(m_archive.serverRefused()
                  ? WorkflowText::serverRefused(status, m_archive.location(),
                                                m_archive.waitingCount())
                  : WorkflowText::serverNotInUse(status, m_archive.location(),
                                                 m_archive.waitingCount()));
        return kExitFile;
    }
    return kExitOk;
}

int CliRunner::archiveVerify()
{
    const ChainReport report = m_archive.verify();
    if (report.readFailed) {
        error(WorkflowText::archiveProblem(ArchiveStatus::failure(ArchiveStatus::Failed,
                                                                  report.detail),
                                           m_archive.location()));
        return kExitFile;
    }
    for (const BrokenLink &link : report.broken)
        error(WorkflowText::chainBroken(link));
    if (!report.broken.isEmpty())
        return kExitArchiveChanged;
    message(WorkflowText::chainsIntact(report));
    return kExitOk;
}
