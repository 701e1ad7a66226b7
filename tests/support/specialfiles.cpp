#include "specialfiles.h"

#include <QFile>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

mode_t fileType(const QString &path)
{
    struct stat info = {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

} // namespace

bool makeCharDevice(const QString &path, unsigned major, unsigned minor)
{
    return mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(major, minor)) == 0;
}

bool makeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0666) == 0;
}

bool isCharDevice(const QString &path)
{
    return fileType(path) == S_IFCHR;
}

bool isFifo(const QString &path)
{
    return fileType(path) == S_IFIFO;
}
