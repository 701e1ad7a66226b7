#include "base/log.h"

#include <cstdio>

namespace {
LogSink &currentSink()
{
    static LogSink sink;
    return sink;
}
} // namespace

void logLine(const QByteArray &line)
{
    const LogSink &sink = currentSink();
    if (sink) {
        sink(line);
        return;
    }
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

LogSink setLogSink(LogSink sink)
{
    LogSink old = currentSink();
    currentSink() = std::move(sink);
    return old;
}
