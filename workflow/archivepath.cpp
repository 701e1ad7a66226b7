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

ArchiveConfig archiveConfig(const StatusIni &status)
{
    ArchiveConfig config;
    config.backend = status.archiveBackend == StatusIni::kServerBackend ? ArchiveConfig::PostgreSQL
                                                           : ArchiveConfig::SQLite;
    config.filePath = archiveFilePath(status);
    config.server.host = status.serverHost;
    config.server.port = status.serverPort;
    config.server.database = status.serverDatabase;
    config.server.user = status.serverUser;
    config.server.sslMode = QString::fromLatin1(status.serverSslMode);
    config.station = status.stationName;
    return config;
}
