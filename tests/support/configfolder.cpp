#include "configfolder.h"

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
