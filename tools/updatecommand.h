#pragma once

#include <QStringList>

#include <cstdio>

namespace cli {

// zelvani-cli update-check [--server URL]: asks the update server about the
// newest release and prints the update information and its CheckResult.
int runUpdateCheck(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace cli
