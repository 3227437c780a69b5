#include "startoptions.h"

#include <cstddef>

namespace {

constexpr StartOption kOptions[] = {
    {"--minimized",
     "starts in the system tray without showing the window (the autostart entry uses it); on a\n"
     "desktop without a tray the window shows as usual"},
    {"--soundboard",
     "opens on the soundboard; when the program is already running, its window comes up on the\n"
     "soundboard"},
    {"--help", "prints this help and exits"},
    {"--version", "prints the program's name and version and exits"},
    {nullptr, nullptr},
};

// Qt's own options, which it also takes with two dashes; the first ones take
// a value.
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "style",
                                               "stylesheet",
                                               "display",
                                               "geometry",
                                               "name",
                                               "title",
                                               "visual",
                                               "qmljsdebugger",
                                               "dialogs",
                                               "fontengine"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"};

template <std::size_t N> bool listed(const char* const (&names)[N], const QString& option)
{
    for (const char* name : names) {
        if (option == QLatin1String(name))
            return true;
    }
    return false;
}

} // namespace

const StartOption* startOptionTable()
{
    return kOptions;
}

StartOptions parseStartOptions(const QStringList& arguments)
{
    StartOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--")))
            continue;
        const QString name = argument.mid(2).section(QLatin1Char('='), 0, 0);
        if (listed(kQtOptionsWithValue, name)) {
            if (!argument.contains(QLatin1Char('=')))
                ++i;
            continue;
        }
        if (listed(kQtFlags, name))
            continue;
        if (argument == QLatin1String("--minimized"))
            options.minimized = true;
        else if (argument == QLatin1String("--soundboard"))
            options.soundboard = true;
        else if (argument == QLatin1String("--help"))
            options.help = true;
        else if (argument == QLatin1String("--version"))
            options.version = true;
        else if (options.error.isEmpty())
            options.error = argument;
    }
    return options;
}

void printStartUsage(std::FILE* out)
{
    std::fputs(
        "Usage: zelvani-voice-changer [OPTIONS]\n\n"
        "Zelvani Voice Changer: a real-time voice changer with a soundboard. It runs the microphone\n"
        "through the chosen voice and plays it into the speakers and into a virtual cable that other\n"
        "programs use as their microphone. Only one copy runs; a second start brings up its window.\n\n"
        "Options:\n",
        out);
    for (const StartOption* option = kOptions; option->name; ++option) {
        std::fprintf(out, "  %-14s ", option->name);
        for (const char* c = option->description; *c; ++c) {
            std::fputc(*c, out);
            if (*c == '\n')
                std::fprintf(out, "  %-14s ", "");
        }
        std::fputc('\n', out);
    }
}
