#include "cli.h"

#include "appmanager.h"
#include "audiocommands.h"
#include "updatecommand.h"

#include <QCoreApplication>

#include <cstring>

namespace cli {
namespace {

struct Command
{
    const char* name;
    const char* synopsis;
    const char* description;
    int (*run)(const QStringList& arguments, std::FILE* out, std::FILE* err);
};

// Subcommands arrive with the engine parts they drive. The first line of a
// description is its summary in the list of subcommands; `SUBCOMMAND --help`
// shows all of it.
constexpr Command kCommands[] = {
    {"devices", "devices [--json]",
     "input and output devices as the engine lists them, and the input, output and virtual-output devices "
     "it would choose, with the rule that chose each\n"
     "Lists the sound server's outputs and inputs (monitors of outputs left out): id, name, rate, channels,\n"
     "and which is the default. The choice follows InputName and OutputName of appconfig.ini; the virtual\n"
     "output is the first output whose name contains \"VB-Audio Virtual Cable\".\n"
     "--json prints one JSON document: {\"inputs\": [...], \"outputs\": [...], \"chosen\": {\"input\":\n"
     "{\"device\", \"rule\"}, \"output\": {...}, \"virtual\": {...}}}, each device with \"id\", \"name\",\n"
     "\"sampleRate\", \"channel\", \"state\" (inputs: 1 connected, +2 default; outputs: -1), \"mode\" and\n"
     "\"guid\".",
     &runDevices},
    {"cable", "cable status|install|remove",
     "the virtual cable: whether both sides exist; load them; unload them\n"
     "The cable is an output \"CABLE Input (VB-Audio Virtual Cable)\" and an input \"CABLE Output\n"
     "(VB-Audio Virtual Cable)\" fed by it, which other programs use as their microphone.\n"
     "status   shows whether each side exists; exit code 0 only when both do, 1 otherwise\n"
     "install  loads the missing sides for this session, as the program does at start, and puts the default\n"
     "         recording and playback devices back as they were\n"
     "remove   unloads both sides",
     &runCable},
    {"play", "play FILE [--output NAME] [--volume V] [--loop]",
     "plays a sound file through the audio library to a device (default: the engine's chosen output)\n"
     "--output NAME  the output whose name is NAME (else the one whose name contains it, ignoring case)\n"
     "--volume V     0 to 10 (1 is the file's own level)\n"
     "--loop         plays again and again until stopped\n"
     "Shows the position on standard error when it is a terminal. Ctrl+C (or SIGTERM) stops the sound\n"
     "and ends with exit code 0. Without a sound server it plays, in real time, to the NoSound Driver.",
     &runPlay},
    {"render", "render --input IN --output OUT [CHAIN] [--format float|pcm16]",
     "offline: decodes IN, runs it through CHAIN, writes a 48000 Hz stereo WAV; prints "
     "\"rendered N frames in T s (X\u00d7 real time)\"\n"
     "--format      float (32-bit float samples, the default) or pcm16 (16-bit integers, clipped)\n"
     "CHAIN         any sequence of\n"
     "              --unit TYPE[:INDEX=VALUE,...]  a built-in unit (see 'units') with parameters; values "
     "out\n"
     "                                             of range are clamped\n"
     "              --vst PATH[:INDEX=VALUE,...]   a VST 2 plug-in library, values (0 to 1) set after its "
     "preset\n"
     "              --fxp PATH                     a preset (.fxp) for the --vst just before it\n"
     "              --effect NAME|ID               a catalogue or custom effect (see 'effects'): its units "
     "and\n"
     "                                             plug-ins, then its sliders' positions / 100\n"
     "              The live engine runs an effect's plug-ins on the microphone first, in the order given, "
     "then\n"
     "              its built-in units in the order it adds them; the render does the same.\n"
     "The output has the input's length: the latency of units such as the pitch shifter delays the sound\n"
     "within it, and tails past the end are cut, as when the sound stops live.\n"
     "OUT is written whole or not at all: an existing OUT stays as it was when the render fails.\n"
     "Ctrl+C (or SIGTERM) abandons the render with exit code 128 + the signal's number.",
     &runRender},
    {"units", "units [--json]",
     "built-in unit types with their parameters (index, name, unit, range, default)\n"
     "--json prints one JSON document: [{\"type\", \"name\", \"parameters\": [{\"index\", \"name\",\n"
     "\"unit\", \"min\", \"max\", \"default\"}...]}...].",
     &runUnits},
    {"effects", "effects [--json]",
     "groups and effects of the catalogue, with names in all languages\n"
     "Reads effects.json and settings.json of the resources folder and the user's custom effects and\n"
     "favourites, as the program does at start. Groups are shown in their display order; the hot (1),\n"
     "favourite (7) and custom (8) groups are computed. Each effect shows its id, name, names in every\n"
     "language and its sliders (label, position, range).\n"
     "--json prints one JSON document: {\"version\", \"groupSort\", \"groups\": [{\"id\", \"name\",\n"
     "\"languages\", \"sort\"}...], \"effects\": [{\"id\", \"oId\", \"groupId\", \"name\", \"isHot\",\n"
     "\"isCustom\", \"filesReady\", \"languages\", \"settings\", \"files\", \"edits\"}...]}; languages map\n"
     "a language code (as text) to the name. Exit code 1 when there is no catalogue.",
     &runEffects},
    {"live", "live [CHAIN] [--input NAME] [--output NAME] [--no-hear] [--seconds N]",
     "the live voice changer: microphone through CHAIN to the output device and the virtual cable; prints "
     "\"mic=M spk=S\" (meters 0-100) once a second\n"
     "--input NAME   the microphone (default: InputName of the settings, else the engine's choice)\n"
     "--output NAME  the output device (default: OutputName of the settings, else the engine's choice)\n"
     "--no-hear      starts with \"Hear myself\" off: the voice reaches neither the output device nor the\n"
     "               cable (the meters still run)\n"
     "--seconds N    stops after N seconds (default: until Ctrl+C or SIGTERM)\n"
     "CHAIN          as for 'render': --unit, --vst with --fxp, --effect, in the order given",
     &runLive},
    {"board", "board FILE... [--overlay] [--loop] [--seconds N]",
     "plays the files through both soundboard players (output device and cable)\n"
     "--overlay     starts all files at once (else one after another)\n"
     "--loop        plays each file again and again\n"
     "--seconds N   stops after N seconds (default: when the files end, or Ctrl+C or SIGTERM)",
     &runBoard},
    {"hotkeys", "hotkeys [--json] [--listen SECONDS]",
     "the hotkey table (HotKey.dat); with --listen, installs the global hook and prints \"activated FIRST "
     "SECOND\" for every binding that fires\n"
     "Lists each binding: its key text, its pair (effects: group id and effect id; sounds: both + 100000;\n"
     "the fixed actions \"Hear myself\" and \"Apply voice changer\": 1 and 2, both + 1000000) and what it\n"
     "is bound to.\n"
     "--json          prints one JSON document: [{\"first\", \"second\", \"kind\", \"text\", \"category\",\n"
     "                \"name\"}...], kind 0 effect, 1 sound, 2 fixed action\n"
     "--listen N      then watches the keyboard of the X display for N seconds (or until Ctrl+C or\n"
     "                SIGTERM), whichever program has the focus, and prints \"activated FIRST SECOND\" for\n"
     "                every binding that fires; keys still reach the focused program",
     &runHotkeys},
    {"sync", "sync [--server URL] [--resources DIR]",
     "the resource check and start-up downloads, with progress; then the catalogue loads\n"
     "Fetches the resource manifest (/ton-morph/tonmorph_resources_linux.json) from the resource server,\n"
     "compares each listed file with the resources folder by MD5 and downloads what is stale or missing, "
     "three\n"
     "attempts each; missing plug-ins, presets and sounds are left for on-demand requests, as at the\n"
     "program's start. Then loads the catalogues and prints what it found.\n"
     "--server URL      the server's base address (default: ResourceServer of appconfig.ini)\n"
     "--resources DIR   the resources folder to synchronise (default: the program's)\n"
     "Exit code 1 when the manifest cannot be fetched or a file fails three times.",
     &runSync},
    {"update-check", "update-check [--server URL]",
     "prints the update information and CheckResult\n"
     "Asks the update server (UpdateServer of appconfig.ini, or ZELVANI_UPDATE_SERVER) for\n"
     "/ton-morph/tonmorph_update_linux.json, as the program does, and prints each member of the answer as\n"
     "\"KEY: VALUE\", then \"CheckResult: N\": 1 the server's version is newer than this program's, 0 not\n"
     "newer, -1 the check failed (the reason on standard error, exit code 1).\n"
     "--server URL  the server's base address (scheme, host, port) in place of the configured one\n"
     "Exit code 1 also when no server is configured or no answer comes within 30 s.",
     &runUpdateCheck},
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

constexpr std::size_t kSynopsisWidth = 40;

} // namespace

QList<CommandHelp> commandHelp()
{
    QList<CommandHelp> list;
    for (const Command& command : kCommands) {
        if (command.name)
            list.append({command.name, command.synopsis, command.description});
    }
    return list;
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
        const char* summaryEnd = std::strchr(command.description, '\n');
        const int summaryLength = summaryEnd ? static_cast<int>(summaryEnd - command.description)
                                             : static_cast<int>(std::strlen(command.description));
        // A synopsis too long for its column puts the summary on a line of its own.
        if (std::strlen(command.synopsis) > kSynopsisWidth)
            std::fprintf(out, "  %s\n  %-*s %.*s\n", command.synopsis, static_cast<int>(kSynopsisWidth), "",
                         summaryLength, command.description);
        else
            std::fprintf(out, "  %-*s %.*s\n", static_cast<int>(kSynopsisWidth), command.synopsis,
                         summaryLength, command.description);
    }
    std::fputs("\nOutput is plain text; --json, where offered, prints one JSON document instead.\n"
               "Errors go to standard error. Exit codes: 0 success, 1 failure at run time, 2 bad usage.\n",
               out);
}

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
