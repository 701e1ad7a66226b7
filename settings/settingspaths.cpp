#include "settings/settingspaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

#ifndef Q_OS_WIN
// $XDG_CONFIG_HOME when it names an absolute folder, else ~/.config. Read on
// every call: QSettings caches its own idea of it for the whole process.
QString userConfigFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return QDir::cleanPath(configHome);
    return QDir::homePath() + QStringLiteral("/.config");
}
#endif

} // namespace

QString settingsFolder(const QString &organization, const QString &application, int scope)
{
#ifdef Q_OS_WIN
    // Ask QSettings where a file of that application would live; nothing is written.
    const QSettings probe(QSettings::IniFormat,
                          scope == 0 ? QSettings::UserScope : QSettings::SystemScope, organization,
                          application + QStringLiteral("/probe"));
    return QFileInfo(probe.fileName()).absolutePath();
#else
    Q_UNUSED(scope)
    return userConfigFolder() + QLatin1Char('/') + organization + QLatin1Char('/') + application;
#endif
}

QString settingsFolder()
{
    return settingsFolder(QString::fromLatin1(kSettingsOrganization),
                          QString::fromLatin1(kSettingsApplication), 1);
}

QString settingsFilePath(const QString &name)
{
    return settingsFolder() + QLatin1Char('/') + name + QStringLiteral(".ini");
}

QString portsFolder()
{
    return settingsFolder() + QStringLiteral("/ports");
}

bool isReadableFile(const QByteArray &path)
{
    const QFileInfo info(QString::fromLatin1(path));
    return info.exists() && info.isReadable();
}
