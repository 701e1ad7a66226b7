#include "workflow/archivepath.h"

#include "archive/measurementarchive.h"
#include "settings/settingspaths.h"
#include "settings/statusini.h"

QString archiveFilePath(const StatusIni &status)
{
    return status.archivePath.isEmpty() ? defaultArchivePath() : status.archivePath;
}

QString defaultArchivePath()
{
    return settingsFolder() + QLatin1Char('/') + QLatin1String(MeasurementArchive::kFileName);
}

namespace {

// libpq's sslmode values but "allow", as the settings dialog offers them.
const QByteArrayList kSslModes = {"disable", "prefer", "require", "verify-ca", "verify-full"};

bool isServerBackend(const StatusIni &status)
{
    return status.archiveBackend.toLower() == StatusIni::kServerBackend;
}

} // namespace

ArchiveStatus archiveSettingsStatus(const StatusIni &status)
{
    const QByteArray backend = status.archiveBackend.toLower();
    if (!backend.isEmpty() && backend != StatusIni::kFileBackend &&
        backend != StatusIni::kServerBackend)
        return ArchiveStatus::failure(
            ArchiveStatus::Misconfigured,
            QStringLiteral("backend=%1 (sqlite, postgresql)")
                .arg(QString::fromLatin1(status.archiveBackend)));
    const QByteArray sslMode = status.serverSslMode.toLower();
    if (isServerBackend(status) && !sslMode.isEmpty() && !kSslModes.contains(sslMode))
        return ArchiveStatus::failure(ArchiveStatus::Misconfigured,
                                      QStringLiteral("serverSslMode=%1 (%2)")
                                          .arg(QString::fromLatin1(status.serverSslMode),
                                               QString::fromLatin1(kSslModes.join(", "))));
    return {};
}

ArchiveConfig archiveConfig(const StatusIni &status)
{
    ArchiveConfig config;
    config.backend = isServerBackend(status) ? ArchiveConfig::PostgreSQL : ArchiveConfig::SQLite;
    config.filePath = archiveFilePath(status);
    config.server.host = status.serverHost;
    config.server.port = status.serverPort;
    config.server.database = status.serverDatabase;
    config.server.user = status.serverUser;
    config.server.sslMode = QString::fromLatin1(status.serverSslMode.toLower());
    config.station = status.stationName;
    return config;
}
