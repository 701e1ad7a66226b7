#pragma once

#include <QString>

// The head of every report page, of one measurement and of a set: logo and
// header line, rule, heading.
QString reportHead(const QString &logoFragment, const QString &headerLine, bool newPage = false);
