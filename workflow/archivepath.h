#pragma once

#include "archive/archiveconfig.h"
#include "archive/archivetypes.h"

#include <QString>

class StatusIni;

// Where the archive lives: the status file's archivePath when set, else
// the default.
QString archiveFilePath(const StatusIni &status);
// "archive.sqlite" in the settings folder.
QString defaultArchivePath();
// The file, or the server with the file as its spool, as the status file says
// (the backend in any case).
ArchiveConfig archiveConfig(const StatusIni &status);
// Misconfigured, naming the value, when the status file's backend or the
// server's TLS mode is none this program knows; Ok otherwise.
ArchiveStatus archiveSettingsStatus(const StatusIni &status);
