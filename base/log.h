#pragma once

#include <QByteArray>
#include <functional>

// The program's log: one line per event on standard output, flushed at once.
// Tests may install a sink to capture the lines instead.
using LogSink = std::function<void(const QByteArray &line)>;

void logLine(const QByteArray &line);

// Installs a sink that receives every line (without its line break) in place of
// standard output; an empty sink restores standard output. Returns the old one.
LogSink setLogSink(LogSink sink);
