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
