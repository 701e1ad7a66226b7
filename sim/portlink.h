#pragma once

#include <QString>

// The link ports/COMn in the settings folder by which the program finds a
// serial port under its COM number.
QString portLinkPath(int comNumber);

// Makes `linkPath` a symbolic link to `target`, creating the folders. An
// existing link is replaced (a gauge that died leaves its link behind); any
// other file there is an error.
bool installPortLink(const QString &linkPath, const QString &target, QString &error);

// Removes the link if it still points to `target` (a later gauge may own it now).
void removePortLink(const QString &linkPath, const QString &target);
