#include "ui/windowgeometry.h"

#include "settings/statusini.h"

#include <QMainWindow>
#include <algorithm>

void restoreWindowGeometry(QMainWindow &window, const StatusIni &status)
{
    window.move(status.formPosX, status.formPosY);
    window.resize(status.formWidth, status.formHeight);
    if (status.formMaximized)
        window.showMaximized();
}

void keepWindowGeometry(const QMainWindow &window, StatusIni &status)
{
    if (!window.isMaximized()) {
        status.formPosX = std::max(0, window.x());
        status.formPosY = std::max(0, window.y());
        status.formWidth = window.width();
        status.formHeight = window.height();
    }
    status.formMaximized = window.isMaximized();
}
