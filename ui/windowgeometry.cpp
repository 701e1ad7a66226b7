#include "ui/windowgeometry.h"

#include "settings/statusini.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <algorithm>

namespace {

// The share of a large screen the first start's window takes.
constexpr double kDefaultScreenShare = 0.75;
// The tree's width at the first start.
constexpr int kTreeWidth = 240;

// Beyond any screen: a status file's numbers are kept within it, so that no
// sum of position and size overflows.
constexpr int kFarthest = 1 << 20;

QRect storedGeometry(const StatusIni &status)
{
    return QRect(std::clamp(status.formPosX, -kFarthest, kFarthest),
                 std::clamp(status.formPosY, -kFarthest, kFarthest),
                 std::clamp(status.formWidth, 1, kFarthest),
                 std::clamp(status.formHeight, 1, kFarthest));
}

bool isDefaultGeometry(const StatusIni &status)
{
    return status.formPosX == StatusIni::kDefaultFormPos &&
           status.formPosY == StatusIni::kDefaultFormPos &&
           status.formWidth == StatusIni::kDefaultFormWidth &&
           status.formHeight == StatusIni::kDefaultFormHeight;
}

} // namespace

QRect fittedWindowGeometry(const QRect &wanted, const QRect &available, const QMargins &frame,
                           bool isDefault)
{
    const QRect room = available.marginsRemoved(frame);
    QSize size = wanted.size();
    if (isDefault)
        size = size.expandedTo(room.size() * kDefaultScreenShare);
    size = size.boundedTo(room.size());
    QRect fitted(wanted.topLeft(), size);
    if (isDefault)
        fitted.moveCenter(room.center());
    fitted.moveLeft(std::clamp(fitted.left(), room.left(), room.right() - size.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), room.top(), room.bottom() - size.height() + 1));
    return fitted;
}

void restoreWindowGeometry(QMainWindow &window, const StatusIni &status)
{
    const QRect wanted = storedGeometry(status);
    const QScreen *screen = QGuiApplication::screenAt(wanted.center());
    if (!screen)
        screen = window.screen();
    // Before the window manager has framed the window, a title bar is assumed.
    QMargins frame(window.geometry().left() - window.frameGeometry().left(),
                   window.geometry().top() - window.frameGeometry().top(),
                   window.frameGeometry().right() - window.geometry().right(),
                   window.frameGeometry().bottom() - window.geometry().bottom());
    if (frame.isNull())
        frame.setTop(window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QRect fitted =
        fittedWindowGeometry(wanted, screen->availableGeometry(), frame, isDefaultGeometry(status));
    window.move(fitted.topLeft());
    window.resize(fitted.size());
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

void splitTreeAndPage(QWidget *frame, QWidget *treeColumn, QWidget *page)
{
    auto *grid = qobject_cast<QGridLayout *>(frame->layout());
    if (!grid)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(treeColumn), &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(treeColumn);
    grid->removeWidget(page);
    auto *splitter = new QSplitter(Qt::Horizontal, frame);
    splitter->setObjectName(QStringLiteral("treePageSplitter"));
    splitter->setChildrenCollapsible(false);
    QList<QWidget *> columnWidgets = treeColumn->findChildren<QWidget *>();
    columnWidgets.append(treeColumn);
    for (QWidget *widget : qAsConst(columnWidgets))
        widget->setMaximumWidth(QWIDGETSIZE_MAX);
    treeColumn->setMinimumWidth(treeColumn->minimumSizeHint().width());
    splitter->addWidget(treeColumn);
    splitter->addWidget(page);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({std::max(kTreeWidth, treeColumn->minimumWidth()), frame->width()});
    grid->addWidget(splitter, row, column, rowSpan, columnSpan + 1);
}
