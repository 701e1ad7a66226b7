#include "archive/measurementarchive.h"

// Each look-up asks the server (or the file) first and then the spool, whose
// records wait for the server: they are kept as surely as those on it.

namespace {

std::optional<qint64> spoolId(std::optional<qint64> id)
{
    return id ? std::optional<qint64>(-*id) : std::nullopt;
}

QList<ArchiveEntry> withSpoolIds(QList<ArchiveEntry> entries)
{
    for (ArchiveEntry &e : entries)
        e.id = -e.id;
    return entries;
}

} // namespace

std::optional<qint64> MeasurementArchive::findQuick(const QuickKey &key)
{
    if (!m_open)
        return std::nullopt;
    if (!m_spool)
        return m_main->findQuick(key);
    const std::optional<qint64> id = m_online ? m_main->findQuick(key) : std::nullopt;
    return id ? id : spoolId(m_spool->findQuick(key));
}

std::optional<qint64> MeasurementArchive::idOf(const QByteArray &serialNr,
                                               const Measurement &measurement)
{
    return holdsAllSamples(measurement) ? idAsReceived(serialNr, measurement) : std::nullopt;
}

std::optional<qint64> MeasurementArchive::idAsReceived(const QByteArray &serialNr,
                                                       const Measurement &measurement)
{
    if (!m_open)
        return std::nullopt;
    if (!m_spool)
        return m_main->idOf(serialNr, measurement);
    const std::optional<qint64> id =
        m_online ? m_main->idOf(serialNr, measurement) : std::nullopt;
    return id ? id : spoolId(m_spool->idOf(serialNr, measurement));
}

bool MeasurementArchive::mayHold(const QByteArray &serialNr, const QByteArray &dateText,
                                 const QByteArray &timeText, uint32_t sampleCount)
{
    if (!m_open)
        return false;
    if (!m_spool)
        return m_main->mayHold(serialNr, dateText, timeText, sampleCount);
    return (m_online && m_main->mayHold(serialNr, dateText, timeText, sampleCount)) ||
           m_spool->mayHold(serialNr, dateText, timeText, sampleCount);
}

std::optional<ArchivedMeasurement> MeasurementArchive::load(qint64 id, ArchiveStatus *status)
{
    if (status)
        *status = {};
    if (m_open && m_spool && id < 0) {
        std::optional<ArchivedMeasurement> a = m_spool->load(-id, status);
        if (a)
            a->id = id;
        return a;
    }
    if (!m_open || readsSpool()) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::NotOpen, location());
        return std::nullopt;
    }
    return m_main->load(id, status);
}

QList<ArchiveEntry> MeasurementArchive::entries(const ArchiveFilter &filter, ArchiveStatus *status)
{
    if (status)
        *status = {};
    if (!m_open) {
        if (status)
            *status = ArchiveStatus::failure(ArchiveStatus::NotOpen, m_path);
        return {};
    }
    if (readsSpool())
        return withSpoolIds(m_spool->entries(filter, status));
    return m_main->entries(filter, status);
}

ArchiveStatus MeasurementArchive::setDesignation(qint64 id, const QString &designation)
{
    if (m_open && m_spool && id < 0)
        return m_spool->setDesignation(-id, designation);
    if (!m_open || readsSpool())
        return ArchiveStatus::failure(ArchiveStatus::NotOpen, location());
    return m_main->setDesignation(id, designation);
}

int MeasurementArchive::count()
{
    if (!m_open)
        return 0;
    return readsSpool() ? m_spool->count() : m_main->count();
}

QList<qint64> MeasurementArchive::sameMinute(const QByteArray &serialNr,
                                             const Measurement &measurement)
{
    if (!m_open)
        return {};
    if (!readsSpool())
        return m_main->sameMinute(serialNr, measurement);
    QList<qint64> ids = m_spool->sameMinute(serialNr, measurement);
    for (qint64 &id : ids)
        id = -id;
    return ids;
}
