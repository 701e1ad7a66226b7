#include "cli/clirunner.h"

#include "archive/archivelookup.h"
#include "cli/clijson.h"
#include "device/interfacehardware.h"
#include "device/protocol.h"
#include "device/rs232win.h"
#include "measurement/dblist.h"
#include "measurement/devicedata.h"
#include "measurement/measurementset.h"

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
    : m_request(request), m_out(out), m_err(err), m_status("status"), m_session(&m_status, timing)
{
    m_status.load();
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

SessionProgress CliRunner::progress()
{
    if (!m_progressShown || m_request.quiet)
        return {};
    return [this](int slot) {
        m_err.write(
            '\r' + Cli::tr("Speicherplatz %1 von %2").arg(slot).arg(Protocol::kSlotCount).toUtf8());
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
    const int rc = m_request.port.isEmpty() ? m_session.open() : m_session.openPort(m_request.port);
    if (rc == Protocol::kOk)
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
        if (m_session.openPort(name) == Protocol::kOk) {
            DeviceData data;
            m_session.readIdentity(data);
            m_session.close();
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
    m_session.close();
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

bool CliRunner::readMeasurements(DeviceData &data, const QList<int> &slotNumbers, bool withSamples)
{
    const bool identityRead = m_session.readIdentity(data);
    data.clear();
    TransferResult result = m_session.readSlots(data.records, progress(), slotNumbers, withSamples);
    result.identityFailed = !identityRead;
    endProgress();
    sortNewestFirst(data.records);
    if (result.ok())
        return true;
    QString text = Cli::tr("Fehler beim Übertragen der Daten!");
    if (result.identityFailed)
        text += QLatin1Char(' ') + Cli::tr("Die Kennung des Geräts wurde nicht gelesen.");
    if (!result.failedSlots.isEmpty())
        text += QLatin1Char(' ') + Cli::tr("Betroffene Speicherplätze: %1")
                                       .arg(QString::fromLatin1(slotListText(result.failedSlots)));
    error(text);
    return false;
}

int CliRunner::list()
{
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const bool complete = readMeasurements(data, {}, false);
    m_session.close();
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
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const bool complete = readMeasurements(data, m_request.slotNumbers, true);
    m_session.close();
    // What was read is written even after a failed read: nothing is lost.
    const int written = writeDownload(data);
    if (written != kExitOk)
        return written;
    if (!archiveDownload(data))
        return kExitFile;
    if (!complete)
        return kExitCommunication;
    message(Cli::tr("Übertragene Messungen: %1").arg(data.records.size()));
    return kExitOk;
}

bool CliRunner::archiveDownload(const DeviceData &data)
{
    const QString path = MeasurementArchive::pathFor(m_status.archivePath);
    ArchiveStatus status = m_archive.open(path);
    if (status.ok())
        status = m_archive.storeTransfer({data.serialNr, data.swVersion, data.forceUnit},
                                         data.records, QDateTime::currentDateTimeUtc());
    m_archive.close();
    if (status.ok())
        return true;
    error(Cli::tr("Das Archiv '%1' konnte nicht geschrieben werden: %2")
              .arg(QDir::toNativeSeparators(path), status.detail));
    return false;
}

bool CliRunner::archivedSlots(const QByteArray &serialNr, const QList<int> &slotNumbers,
                              QList<int> &archived)
{
    archived = slotNumbers;
    const QString path = MeasurementArchive::pathFor(m_status.archivePath);
    if (slotNumbers.isEmpty() || !QFileInfo::exists(path))
        return true;
    QList<Measurement *> records;
    const TransferResult read = m_session.readSlots(records, {}, slotNumbers, false);
    archived.clear();
    if (read.ok() && m_archive.open(path).ok()) {
        ArchiveLookup lookup(m_archive);
        for (Measurement *m : qAsConst(records)) {
            if (lookup.fillKnownSamples(serialNr, *m))
                archived.append(m->number);
        }
    }
    m_archive.close();
    qDeleteAll(records);
    return read.ok();
}

int CliRunner::writeDownload(const DeviceData &data)
{
    if (m_request.format == QLatin1String("json"))
        return writeOutput(measurementsJson(data));
    const DbList table(constRecords(data.records), QString::fromLatin1(data.serialNr),
                       data.forceUnitText, data.forceUnitFactor);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    quint64 rows = 0;
    table.writeCSV(buffer, m_status.exportListCsvWithSepHeader, rows);
    return writeOutput(buffer.data());
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
    // The slots that hold a measurement now, so that a refused erase of one is told.
    DeviceData data;
    QList<int> filled;
    const bool identityRead = m_session.readIdentity(data);
    if (!identityRead || !m_session.readFilledSlots(filled)) {
        m_session.close();
        error(Cli::tr("Fehler beim Übertragen der Daten!") + QLatin1Char(' ') +
              Cli::tr("Es wurde nichts gelöscht."));
        return kExitCommunication;
    }
    // Once there is an archive, only what it holds is erased.
    QList<int> toErase = filled;
    if (!m_request.slotNumbers.isEmpty()) {
        toErase.clear();
        for (int slot : m_request.slotNumbers)
            if (filled.contains(slot))
                toErase.append(slot);
    }
    QList<int> archived;
    if (!archivedSlots(data.serialNr, toErase, archived)) {
        m_session.close();
        error(Cli::tr("Fehler beim Übertragen der Daten!") + QLatin1Char(' ') +
              Cli::tr("Es wurde nichts gelöscht."));
        return kExitCommunication;
    }
    QList<int> notArchived;
    for (int slot : toErase)
        if (!archived.contains(slot))
            notArchived.append(slot);
    const QList<int> &requested = m_request.slotNumbers;
    const EraseResult result =
        notArchived.isEmpty() && requested.isEmpty()
            ? m_session.eraseAll(data.serialNr, filled, progress())
            : m_session.erase(data.serialNr, notArchived.isEmpty() ? requested : archived, filled,
                              progress());
    m_session.close();
    endProgress();
    if (result.wrongGauge) {
        error(Cli::tr("Das Gerät hat seine Seriennummer nicht genannt. Es wurde nichts gelöscht."));
        return kExitCommunication;
    }
    if (!result.failedSlots.isEmpty()) {
        error(Cli::tr("Diese Speicherplätze wurden nicht gelöscht: %1")
                  .arg(QString::fromLatin1(slotListText(result.failedSlots))));
        return kExitCommunication;
    }
    message(Cli::tr("Gelöschte Messungen: %1").arg(result.erasedSlots.size()));
    if (!notArchived.isEmpty()) {
        error(Cli::tr("Nicht im Archiv und darum nicht gelöscht: %1. Zuerst mit download "
                      "übertragen.")
                  .arg(QString::fromLatin1(slotListText(notArchived))));
        return kExitCommunication;
    }
    return kExitOk;
}

int CliRunner::report()
{
    if (!connectGauge())
        return kExitNoGauge;
    DeviceData data;
    const bool complete = readMeasurements(data, {m_request.slot}, true);
    m_session.close();
    if (!complete)
        return kExitCommunication;
    if (!findMeasurement(data.records, m_request.slot)) {
        error(Cli::tr("Speicherplatz %1 ist leer.").arg(m_request.slot));
        return kExitCommunication;
    }
    return writeCliReport(data, m_status, m_request.slot, m_request.output, m_request.designation,
                          m_err);
}
