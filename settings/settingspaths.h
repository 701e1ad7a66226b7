#pragma once

#include <QByteArray>
#include <QString>

// Organization and application folder of the name-based settings files.
constexpr const char *kSettingsOrganization = "Kavro";
constexpr const char *kSettingsApplication = "TensimoParl";

// The folder of the name-based INI files of organization/application. On Linux
// it is the user's config folder ($XDG_CONFIG_HOME, default ~/.config)
// followed by organization/application, read anew on every call; on Windows
// the folder QSettings resolves for that scope (0 = user, 1 = system-wide).
QString settingsFolder(const QString &organization, const QString &application, int scope);

// The folder that holds "config.ini" and "status.ini" (organization Kavro,
// application TensimoParl, system-wide scope).
QString settingsFolder();

// The full path of the name-based INI file `name` (without ".ini").
QString settingsFilePath(const QString &name);

// The folder of hand-made serial port entries "ports/COMn" beside the status file.
QString portsFolder();

// Whether the file at the 8-bit (Latin-1) path exists and may be read.
bool isReadableFile(const QByteArray &path);
