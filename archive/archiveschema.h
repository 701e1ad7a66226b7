#pragma once

#include <QStringList>
#include <vector>

// The archive's tables. PRAGMA user_version holds the version of the schema a
// file has; each migration step brings a file from version n to n + 1 in one
// transaction, so a file is always at one whole version.
namespace ArchiveSchema {

// The version this program writes.
constexpr int kVersion = 2;

// The statements of step n (index n - 1) that bring version n - 1 to n.
const std::vector<QStringList> &migrationSteps();

} // namespace ArchiveSchema
