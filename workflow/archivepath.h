#pragma once

#include "archive/archiveconfig.h"

#include <QString>

class StatusIni;

// Where the archive lives: the status file's archivePath when set, else
// the default.
QString archiveFilePath(const StatusIni &status);
// "archive.sqlite" in the settings folder.
QString defaultArchivePath();
// The file, or the server with the file as its spool, as the status file says.
ArchiveConfig archiveConfig(const StatusIni &status);
