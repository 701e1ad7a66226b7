#include "base/version.h"

#include <cstdio>
#include <cstring>

namespace {
const char *const kVersionNumber = "1.2";

int monthNumber(const char *name)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i)
        if (std::strncmp(name, months[i], 3) == 0)
            return i + 1;
    return 0;
}
} // namespace

QByteArray buildStamp(const char *compileDate, const char *compileTime)
{
    // Reads "%h %d %Y, %T" as the compiler writes __DATE__ and __TIME__ and
    // writes it again as "%Y%m%d%H%M" (strptime is not portable to Windows).
    char monthName[4] = {};
    int day = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(compileDate, "%3s %d %d", monthName, &day, &year) != 3)
        return QByteArray();
    if (std::sscanf(compileTime, "%d:%d:%d", &hour, &minute, &second) != 3)
        return QByteArray();
    const int month = monthNumber(monthName);
    if (month == 0)
        return QByteArray();
    char buffer[100];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d", year, month, day, hour, minute);
    return QByteArray(buffer);
}

QByteArray versionString()
{
    return QByteArray(kVersionNumber) + "  build: " + buildStamp(__DATE__, __TIME__);
}
