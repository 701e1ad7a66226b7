#include "workflow/archivepath.h"

#include "archive/measurementarchive.h"
#include "settings/settingspaths.h"
#include "settings/statusini.h"

QString archiveFilePath(const StatusIni &status)
{
    if (!status.archivePath.isEmpty())
        return status.archivePath;
    return settingsFolder() + QLatin1Char('/') + QLatin1String(MeasurementArchive::kFileName);
}
