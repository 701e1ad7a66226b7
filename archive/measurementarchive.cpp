#include "archive/measurementarchive.h"

#include "archive/archivesql.h"
#include "archive/storedrecord.h"

#include <QAtomicInt>
#include <QSysInfo>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tspx-archive-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

MeasurementArchive::MeasurementArchive()
    : m_main(std::make_unique<ArchiveStore>(nextConnectionName()))
{
}

MeasurementArchive::~MeasurementArchive()
{
    close();
}

QString MeasurementArchive::stationName(const QString &configured)
{
    return configured.isEmpty() ? QSysInfo::machineHostName() : configured;
}

QString MeasurementArchive::connectionName() const
{
    return m_main->connectionName();
}

void MeasurementArchive::close()
{
    m_main->close();
    m_spool.reset();
    m_open = false;
    m_online = false;
    m_serverStatus = {};
    m_uploadedOnOpen = 0;
}

ArchiveStatus MeasurementArchive::open(const ArchiveConfig &config)
{
    if (config.backend == ArchiveConfig::PostgreSQL)
        return openServer(config);
    const ArchiveStatus status = open(config.filePath);
    m_station = stationName(config.station);
    return status;
}

ArchiveStatus MeasurementArchive::open(const QString &path, int busyTimeoutMs)
{
    close();
    m_station = stationName(QString());
    m_path = path;
    const ArchiveStatus status = m_main->openFile(path, busyTimeoutMs);
    m_open = status.ok();
    return status;
}

ArchiveStatus MeasurementArchive::storeTransfer(const ArchiveDevice &device,
                                                const QList<Measurement *> &records,
                                                const QDateTime &downloadedAt, int *added,
                                                const std::function<void(int)> &afterRecord)
{
    return storeRecords(device, records, downloadedAt, QLatin1String(ArchiveSql::kGaugeSource), added,
                        afterRecord);
}

ArchiveStatus MeasurementArchive::storeRecords(const ArchiveDevice &device,
                                               const QList<Measurement *> &records,
                                               const QDateTime &downloadedAt, const QString &source,
                                               int *added,
                                               const std::function<void(int)> &afterRecord)
{
    if (added)
        *added = 0;
    if (!m_open)
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
    const QString downloaded = downloadedAt.toUTC().toString(Qt::ISODateWithMs);
    QList<StoredRecord> rows;
    for (const Measurement *m : records) {
        if (m)
            rows.append(StoredRecord{device, m, downloaded, source, m_station, QString()});
    }
    if (m_spool)
        return storeOnServer(rows, added, afterRecord);
    return m_main->storeRows(rows, false, added, afterRecord);
}
