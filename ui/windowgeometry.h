#pragma once

#include <QMargins>
#include <QRect>

class QMainWindow;
class QWidget;
class StatusIni;

// The main window's place and size, kept in the status file between runs,
// fitted to the screen it opens on.
void restoreWindowGeometry(QMainWindow &window, const StatusIni &status);
// A maximized window keeps the last normal geometry in the file.
void keepWindowGeometry(const QMainWindow &window, StatusIni &status);

// `wanted` (the window without its frame) made to fit `available` with the
// frame around it: no larger than the screen, moved onto it. The first
// start's default size grows with a large screen and is centred on it.
QRect fittedWindowGeometry(const QRect &wanted, const QRect &available, const QMargins &frame,
                           bool isDefault);

// Puts the tree's column (`treeColumn`, in the grid of `frame`) and the page
// beside it into a splitter, so the operator can widen the tree; the tree's
// column keeps at least the width its contents need.
void splitTreeAndPage(QWidget *frame, QWidget *treeColumn, QWidget *page);
