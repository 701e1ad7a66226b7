#include "devicenodes.h"

#include <QFile>
#include <sys/stat.h>
#include <sys/sysmacros.h>

bool makeCharDevice(const QString &path, unsigned major, unsigned minor)
{
    return mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(major, minor)) == 0;
}

bool makeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0666) == 0;
}
