#pragma once

#include <QString>

class StatusIni;

// Where the archive lives: the status file's archivePath when set, else
// the default.
QString archiveFilePath(const StatusIni &status);
// "archive.sqlite" in the settings folder.
QString defaultArchivePath();
