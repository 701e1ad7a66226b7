#pragma once

#include <QByteArray>

// "1.2", two blanks, "build:", one blank, and the twelve-digit build stamp
// (year, month, day, hour, minute of the compile time of version.cpp).
QByteArray versionString();

// The build stamp made from a compile date like "Jan 24 2017" and a time like
// "16:11:58": "201701241611". Empty when the texts do not parse.
QByteArray buildStamp(const char *compileDate, const char *compileTime);
