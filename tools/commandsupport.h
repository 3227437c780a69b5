#pragma once

// Helpers shared by the subcommands: argument parsing, progress lines on a
// terminal, the library's diagnostics, stop signals and system clean-up.

#include "zaudio/zaudio.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <chrono>
#include <csignal>
#include <cstdio>

namespace cli {

// The arguments of one subcommand: options in the order given, and the
// positional arguments. "--name value" and "--name=value" are the same; "--"
// ends the options.
struct ParsedArguments
{
    QVector<QPair<QString, QString>> options; // name with its dashes, value (empty for a flag)
    QStringList positional;

    bool has(const QString& name) const;
    // The last value given for `name`.
    QString value(const QString& name) const;
};

// `valueOptions` take a value, `flagOptions` do not. False with `error` set
// for an unknown option, a missing value or a value given to a flag.
bool parseArguments(const QStringList& arguments, const QStringList& valueOptions,
                    const QStringList& flagOptions, ParsedArguments* parsed, QString* error);

// Prints "zelvani-cli: COMMAND: MESSAGE" and the hint to the subcommand's help;
// returns BadUsage.
int usageError(std::FILE* err, const char* command, const QString& message);

// Sends the library's diagnostics to `err`, each line prefixed "zelvani-cli: ",
// while it lives; afterwards the library logs nowhere, so a stream closed later
// is never written to.
class LibraryLog
{
public:
    explicit LibraryLog(std::FILE* err);
    ~LibraryLog();
    LibraryLog(const LibraryLog&) = delete;
    LibraryLog& operator=(const LibraryLog&) = delete;
};

bool isTerminal(std::FILE* stream);

// A status line rewritten in place on a terminal, at most ten times a second;
// silent when the stream is not a terminal.
class ProgressLine
{
public:
    explicit ProgressLine(std::FILE* stream);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    bool enabled() const { return m_enabled; }
    void show(const QString& text, bool force = false);
    // Ends the line: kept with a newline, or erased.
    void finish(bool keep);

private:
    std::FILE* m_stream;
    bool m_enabled;
    bool m_shown = false;
    std::chrono::steady_clock::time_point m_last;
};

// Catches SIGINT and SIGTERM while it lives, so long work can stop cleanly. A
// second signal of the same kind takes its default action (ends the process),
// so a stuck stop never traps the user.
class StopSignals
{
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The signal caught, or 0.
    static int caught();

private:
    struct sigaction m_oldInt;
    struct sigaction m_oldTerm;
};

// Releases a system when it goes out of scope.
class SystemGuard
{
public:
    explicit SystemGuard(zaudio::System system) : m_system(system) {}
    ~SystemGuard() { m_system.release(); }
    SystemGuard(const SystemGuard&) = delete;
    SystemGuard& operator=(const SystemGuard&) = delete;

private:
    zaudio::System m_system;
};

} // namespace cli
