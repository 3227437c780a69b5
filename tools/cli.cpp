#include "cli.h"

#include "appmanager.h"

#include <QCoreApplication>

namespace cli {
namespace {

struct Command
{
    const char* name;
    const char* synopsis;
    const char* description;
    int (*run)(const QStringList& arguments, std::FILE* out, std::FILE* err);
};

// Subcommands arrive with the engine parts they drive.
constexpr Command kCommands[] = {
    {nullptr, nullptr, nullptr, nullptr},
};

const Command* findCommand(const QString& name)
{
    for (const Command& command : kCommands) {
        if (command.name && name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

void printUsage(std::FILE* out)
{
    std::fputs("Usage: zelvani-cli --version\n"
               "       zelvani-cli --help | SUBCOMMAND --help\n"
               "       zelvani-cli SUBCOMMAND [OPTIONS]\n\n"
               "The engine of Zelvani Voice Changer without its windows.\n",
               out);
    bool any = false;
    for (const Command& command : kCommands) {
        if (!command.name)
            continue;
        if (!any)
            std::fputs("\nSubcommands:\n", out);
        any = true;
        std::fprintf(out, "  %-40s %s\n", command.synopsis, command.description);
    }
    std::fputs("\nExit codes: 0 success, 1 failure at run time, 2 bad usage.\n", out);
}

} // namespace

int run(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    if (arguments.isEmpty()) {
        printUsage(err);
        return BadUsage;
    }
    const QString& first = arguments.first();
    if (first == QLatin1String("--version")) {
        AppManager::applyProcessIdentity();
        std::fprintf(out, "zelvani-cli %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return Success;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printUsage(out);
        return Success;
    }
    const Command* command = findCommand(first);
    if (!command) {
        std::fprintf(err, "zelvani-cli: unknown command '%s'. Try 'zelvani-cli --help'.\n",
                     qPrintable(first));
        return BadUsage;
    }
    const QStringList rest = arguments.mid(1);
    if (rest.contains(QStringLiteral("--help"))) {
        std::fprintf(out, "Usage: zelvani-cli %s\n\n%s\n", command->synopsis, command->description);
        return Success;
    }
    AppManager::applyProcessIdentity();
    return command->run(rest, out, err);
}

} // namespace cli
