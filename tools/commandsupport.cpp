#include "commandsupport.h"

#include "cli.h"

#include <atomic>
#include <unistd.h>

namespace cli {

bool ParsedArguments::has(const QString& name) const
{
    for (const auto& option : options) {
        if (option.first == name)
            return true;
    }
    return false;
}

QString ParsedArguments::value(const QString& name) const
{
    QString result;
    for (const auto& option : options) {
        if (option.first == name)
            result = option.second;
    }
    return result;
}

bool parseArguments(const QStringList& arguments, const QStringList& valueOptions,
                    const QStringList& flagOptions, ParsedArguments* parsed, QString* error)
{
    *parsed = ParsedArguments();
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            parsed->positional.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = argument;
        QString value;
        const int equals = argument.indexOf(QLatin1Char('='));
        const bool inlineValue = argument.startsWith(QLatin1String("--")) && equals > 2;
        if (inlineValue) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        if (valueOptions.contains(name)) {
            if (!inlineValue) {
                if (i + 1 >= arguments.size()) {
                    *error = QStringLiteral("%1 needs a value").arg(name);
                    return false;
                }
                value = arguments.at(++i);
            }
            parsed->options.append({name, value});
        } else if (flagOptions.contains(name)) {
            if (inlineValue) {
                *error = QStringLiteral("%1 takes no value").arg(name);
                return false;
            }
            parsed->options.append({name, QString()});
        } else {
            *error = QStringLiteral("unknown option '%1'").arg(name);
            return false;
        }
    }
    return true;
}

int usageError(std::FILE* err, const char* command, const QString& message)
{
    std::fprintf(err, "zelvani-cli: %s: %s. Try 'zelvani-cli %s --help'.\n", command, qPrintable(message),
                 command);
    return BadUsage;
}

namespace {

std::atomic<std::FILE*> g_logStream{nullptr};

void logToStream(int, const char* text)
{
    if (std::FILE* stream = g_logStream.load())
        std::fprintf(stream, "zelvani-cli: %s\n", text);
}

volatile std::sig_atomic_t g_caughtSignal = 0;

void onStopSignal(int signal)
{
    g_caughtSignal = signal;
}

} // namespace

LibraryLog::LibraryLog(std::FILE* err)
{
    g_logStream.store(err);
    zaudio::setLogHandler(&logToStream);
}

LibraryLog::~LibraryLog()
{
    zaudio::setLogHandler(nullptr);
    g_logStream.store(nullptr);
}

bool isTerminal(std::FILE* stream)
{
    return stream && ::isatty(::fileno(stream)) == 1;
}

ProgressLine::ProgressLine(std::FILE* stream) : m_stream(stream), m_enabled(isTerminal(stream)) {}

ProgressLine::~ProgressLine()
{
    finish(false);
}

void ProgressLine::show(const QString& text, bool force)
{
    if (!m_enabled)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_shown && !force && now - m_last < std::chrono::milliseconds(100))
        return;
    m_last = now;
    m_shown = true;
    // Carriage return, the text, then erase what a longer earlier text left.
    std::fprintf(m_stream, "\r%s\x1b[K", qPrintable(text));
    std::fflush(m_stream);
}

void ProgressLine::finish(bool keep)
{
    if (!m_shown)
        return;
    std::fputs(keep ? "\n" : "\r\x1b[K", m_stream);
    std::fflush(m_stream);
    m_shown = false;
}

StopSignals::StopSignals()
{
    g_caughtSignal = 0;
    struct sigaction action = {};
    action.sa_handler = &onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
}

StopSignals::~StopSignals()
{
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
}

int StopSignals::caught()
{
    return g_caughtSignal;
}

} // namespace cli
