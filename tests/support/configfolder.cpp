#include "configfolder.h"

#include <QFile>

namespace {
constexpr char kConfigHome[] = "XDG_CONFIG_HOME";
}

TemporaryConfigHome::TemporaryConfigHome()
    : m_previous(qgetenv(kConfigHome)), m_hadPrevious(qEnvironmentVariableIsSet(kConfigHome))
{
    qputenv(kConfigHome, m_dir.path().toLocal8Bit());
}

TemporaryConfigHome::~TemporaryConfigHome()
{
    if (m_hadPrevious)
        qputenv(kConfigHome, m_previous);
    else
        qunsetenv(kConfigHome);
}

QByteArray TemporaryConfigHome::iniPath(const char *name) const
{
    return (appFolder() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".ini"))
        .toLatin1();
}

bool TemporaryConfigHome::blockFolder() const
{
    QFile blocker(m_dir.filePath(QStringLiteral("Kavro")));
    return blocker.open(QIODevice::WriteOnly);
}
