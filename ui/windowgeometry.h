#pragma once

class QMainWindow;
class StatusIni;

// The main window's place and size, kept in the status file between runs.
void restoreWindowGeometry(QMainWindow &window, const StatusIni &status);
// A maximized window keeps the last normal geometry in the file.
void keepWindowGeometry(const QMainWindow &window, StatusIni &status);
