#include "gaugestats.h"

#include <QByteArray>
#include <QFile>
#include <QList>

Traffic readTraffic(const QString &statsPath)
{
    Traffic traffic;
    QFile file(statsPath);
    if (!file.open(QIODevice::ReadOnly))
        return traffic;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2)
            continue;
        if (parts.first() == "received")
            traffic.toGauge = parts.last().toLongLong();
        else if (parts.first() == "sent")
            traffic.fromGauge = parts.last().toLongLong();
    }
    return traffic;
}
