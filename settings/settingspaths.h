#pragma once

#include <QString>

// Organization and application folder of the name-based settings files.
constexpr const char *kSettingsOrganization = "Kavro";
constexpr const char *kSettingsApplication = "TensimoParl";

// The folder that holds "config.ini" and "status.ini". On Linux it is the
// user's config folder ($XDG_CONFIG_HOME, default ~/.config) followed by
// Kavro/TensimoParl, read anew on every call; on Windows the system-wide
// folder QSettings resolves for that organization and application.
QString settingsFolder();

// The full path of the name-based INI file `name` (without ".ini").
QString settingsFilePath(const QString &name);

// The folder of hand-made serial port entries "ports/COMn" beside the status file.
QString portsFolder();
