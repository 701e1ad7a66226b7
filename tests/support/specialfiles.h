#pragma once

#include <QString>

// Made in the test's own folder: tests never write to the system's /dev.
// The character device `major`:`minor` (1:3 discards, 1:7 is always full).
bool makeCharDevice(const QString &path, unsigned major, unsigned minor);
bool makeFifo(const QString &path);
