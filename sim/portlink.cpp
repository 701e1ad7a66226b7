#include "sim/portlink.h"

#include "device/protocol.h"
#include "settings/settingspaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString portLinkPath(int comNumber)
{
    return portsFolder() + QLatin1Char('/') + QLatin1String(Protocol::kPortNamePrefix) +
           QString::number(comNumber);
}

bool installPortLink(const QString &linkPath, const QString &target, QString &error)
{
    const QFileInfo link(linkPath);
    if (!QDir().mkpath(link.absolutePath())) {
        error = QStringLiteral("cannot create the folder %1").arg(link.absolutePath());
        return false;
    }
    if (link.isSymLink()) {
        QFile::remove(linkPath);
    } else if (link.exists()) {
        error = QStringLiteral("%1 exists and is not a link").arg(linkPath);
        return false;
    }
    if (!QFile::link(target, linkPath)) {
        error = QStringLiteral("cannot create the link %1").arg(linkPath);
        return false;
    }
    return true;
}

void removePortLink(const QString &linkPath, const QString &target)
{
    const QFileInfo link(linkPath);
    if (link.isSymLink() && link.symLinkTarget() == QFileInfo(target).absoluteFilePath())
        QFile::remove(linkPath);
}
