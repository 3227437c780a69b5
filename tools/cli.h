#pragma once

#include <QStringList>

#include <cstdio>

// The command-line companion: the engine without windows.
namespace cli {

// Exit codes shared by every subcommand.
enum ExitCode
{
    Success = 0,
    Failure = 1,
    BadUsage = 2
};

// Runs the command line `arguments` (without the program name), writing to
// `out` and `err`. Returns the process exit code.
int run(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace cli
