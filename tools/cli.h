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

// A subcommand's help: its synopsis and its description, whose first line is
// the summary. The manual page and the shell completion are written from these.
struct CommandHelp
{
    const char* name;
    const char* synopsis;
    const char* description;
};

// Every subcommand in the order of --help.
QList<CommandHelp> commandHelp();

// What `zelvani-cli --help` prints.
void printUsage(std::FILE* out);

} // namespace cli
