#pragma once

#include <QString>

// Device nodes and FIFOs for tests of output that is no regular file, made
// in the test's own folder: tests never write to the system's /dev.
// The character device `major`:`minor` at `path` (1:3 discards, 1:7 is always full).
bool makeCharDevice(const QString &path, unsigned major, unsigned minor);
bool makeFifo(const QString &path);
// Whether `path` is still a character device or a FIFO, not a regular file.
bool isCharDevice(const QString &path);
bool isFifo(const QString &path);
