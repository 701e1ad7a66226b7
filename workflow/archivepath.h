#pragma once

#include <QString>

class StatusIni;

// Where the archive lives: the status file's archivePath when set, else
// "archive.sqlite" in the settings folder.
QString archiveFilePath(const StatusIni &status);
