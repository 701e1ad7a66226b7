#pragma once

#include <QString>

// Device nodes and FIFOs for a test, made in its temporary folder so that
// what a command writes into them stays there.
// The character device `major`:`minor` (1:3 discards, 1:7 is always full).
bool makeCharDevice(const QString &path, unsigned major, unsigned minor);
bool makeFifo(const QString &path);
