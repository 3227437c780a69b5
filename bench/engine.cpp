// zelvani-bench-engine: what the running engine costs. The CPU and memory of
// zelvani-cli live (no effect, a typical and the heaviest effect) beside two
// sox pipelines doing the same job, then 32 sounds at once through both
// soundboard players beside sox -m, with the blocks each output dropped.
//
// Usage: zelvani-bench-engine --cli PATH [--sox PATH] [--quick] [--summary FILE] [--picks FILE]
//                             [--sounds DIR]
// --picks FILE names the typical and the heaviest effect (lines typical_id=,
// typical_name=, typical_sox= with the peer's sox chain, heaviest_...); else
// effect 7 against sox pitch -500. --sounds DIR keeps the noise files there.
// Runs on a private sound server only (sinks speakers and microphone_feed);
// prints a Markdown report on standard output, progress on standard error.

#include "benchsupport.h"

#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace benchsupport;

const char* const kMe = "zelvani-bench-engine";
const char* const kCableInput = "CABLE Input (VB-Audio Virtual Cable)";
constexpr int kSounds = 32;
constexpr int kRecordRate = 48000;
constexpr std::size_t kDropoutSamples = 96; // 2 ms at 48000 Hz
constexpr double kSilence = 1e-6;

volatile std::sig_atomic_t gInterrupted = 0;
std::string gTemporary; // the folder of the clip, the recordings and the noise files

void cleanUp()
{
    terminateChildren();
    std::error_code ignored;
    if (!gTemporary.empty())
        std::filesystem::remove_all(gTemporary, ignored);
}

void onSignal(int)
{
    gInterrupted = 1;
}

void progress(const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", kMe, text.c_str());
}

[[noreturn]] void fail(const std::string& what)
{
    progress(what);
    cleanUp();
    std::exit(1);
}

void checkInterrupted()
{
    if (!gInterrupted)
        return;
    cleanUp();
    progress("interrupted");
    std::exit(130);
}

void pause(double seconds)
{
    for (const auto start = Clock::now(); secondsSince(start) < seconds;) {
        checkInterrupted();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string formatted(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> list;
    std::istringstream stream(text);
    for (std::string word; stream >> word;)
        list.push_back(word);
    return list;
}

// ------------------------------------------------------------ the server

// Only the private test server has the sinks microphone_feed and speakers:
// the user's own devices are never played into. The cable's sink name.
std::string checkServer()
{
    std::string sinks, list;
    if (!shellOutput("pactl list short sinks", &sinks))
        fail("no sound server answers; scripts/bench starts a private one, or: "
             "eval \"$(scripts/pulse-env start DIR)\"");
    if (sinks.find("\tmicrophone_feed\t") == std::string::npos ||
        sinks.find("\tspeakers\t") == std::string::npos)
        fail("this server lacks the test devices (sinks microphone_feed and speakers): refusing to play into "
             "real devices; run scripts/bench, which starts a private server with them");
    // "Name: NAME" comes a few lines before "Description: DESCRIPTION".
    shellOutput("pactl list sinks", &list);
    const std::size_t description = list.find(std::string("Description: ") + kCableInput);
    const std::size_t name =
        description == std::string::npos ? description : list.rfind("Name: ", description);
    if (name == std::string::npos)
        fail(std::string("the virtual cable is missing (no sink \"") + kCableInput +
             "\"): install it with zelvani-cli cable install");
    return list.substr(name + 6, list.find('\n', name) - name - 6);
}

// ------------------------------------------------------------ what runs cost

struct Command
{
    std::vector<std::string> arguments;
    std::vector<std::string> environment;
};

struct Usage
{
    double cpuPercent = NAN; // of one core, summed over the processes
    double rssMiB = NAN;     // peak, summed
    std::string failure;
    std::string output; // the first program's
};

// Starts the programs and samples them every 100 ms: the CPU they use from
// `from` s after the start to the last sample, their peak RSS at the last
// sample. At `until` s they are ended; with `mayEnd`, a program that ends by
// itself after `from` is no failure (its last sample counts).
Usage watch(const std::vector<Command>& commands, double from, double until, bool mayEnd)
{
    struct Watched
    {
        Process process;
        double cpuFrom = -1.0, timeFrom = 0.0, cpuLast = -1.0, timeLast = 0.0, rssLast = -1.0;
        bool done = false;
    };
    std::vector<Watched> watched(commands.size());
    Usage usage;
    auto finish = [&](const std::string& failure) {
        if (watched[0].process.log >= 0 && usage.output.empty())
            usage.output = readAll(watched[0].process.log);
        for (Watched& w : watched)
            endProcess(&w.process);
        usage.failure = failure;
        return usage;
    };
    for (std::size_t i = 0; i < commands.size(); ++i) {
        std::string error;
        if (!spawnProgram(commands[i].arguments, commands[i].environment, &watched[i].process, &error))
            return finish("failed: " + error);
    }
    const auto start = Clock::now();
    for (double t = 0.0; t < until; t = secondsSince(start)) {
        checkInterrupted();
        bool allDone = true;
        for (std::size_t i = 0; i < watched.size(); ++i) {
            Watched& w = watched[i];
            if (w.done)
                continue;
            // Read first: a process still running afterwards was alive when read.
            const double cpu = cpuSeconds(w.process.pid), rss = peakRssMiB(w.process.pid);
            std::string why, output;
            if (!stillRunning(&w.process, &why, &output)) {
                w.done = true;
                if (i == 0)
                    usage.output = output;
                if (!mayEnd || w.cpuFrom < 0)
                    return finish("failed: " + why);
                continue;
            }
            allDone = false;
            if (t < from || cpu < 0 || rss < 0)
                continue;
            if (w.cpuFrom < 0) {
                w.cpuFrom = cpu;
                w.timeFrom = t;
            }
            w.cpuLast = cpu;
            w.timeLast = t;
            w.rssLast = rss;
        }
        if (allDone)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    double cpu = 0.0, rss = 0.0;
    for (const Watched& w : watched) {
        if (w.timeLast - w.timeFrom < 0.5)
            return finish("failed: ended too soon to be measured");
        cpu += 100.0 * (w.cpuLast - w.cpuFrom) / (w.timeLast - w.timeFrom);
        rss += w.rssLast;
    }
    finish("");
    usage.cpuPercent = cpu;
    usage.rssMiB = rss;
    return usage;
}

std::string usageCells(const Usage& usage)
{
    if (!usage.failure.empty())
        return usage.failure + " | ";
    return formatted("%.2f", usage.cpuPercent) + " | " + formatted("%.1f", usage.rssMiB);
}

// ------------------------------------------------------------ sound files

// Steady white noise, its own per seed: 44100 Hz stereo 16-bit, uniform in
// ±0.03 (RMS 0.017), so that 32 of them summed stay below full scale.
bool writeNoise(const std::string& path, double seconds, std::uint32_t seed)
{
    const std::uint32_t rate = 44100, frames = std::uint32_t(seconds * rate), bytes = frames * 4;
    std::vector<unsigned char> file;
    auto put = [&file](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            file.push_back(static_cast<unsigned char>(value >> (8 * i)));
    };
    for (const char* text : {"RIFF", "WAVEfmt ", "data"}) {
        file.insert(file.end(), text, text + std::strlen(text));
        if (text[0] == 'R')
            put(36 + bytes, 4);
        else if (text[0] == 'W')
            for (const std::uint32_t field : {16u, 0x00020001u, rate, rate * 4, 0x00100004u})
                put(field, 4); // chunk size; PCM, 2 channels; rates; 4 bytes a frame, 16 bits
        else
            put(bytes, 4);
    }
    std::uint32_t state = seed * 2654435761u + 12345u;
    for (std::uint32_t i = 0; i < frames * 2; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double x = 0.03 * (double(state) / 2147483648.0 - 1.0);
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(x * 32767.0))), 2);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return bool(out);
}

struct Dropouts
{
    int count = -1; // -1: no sound recorded
    double silentMs = 0.0;
};

// Runs of at least kDropoutSamples of digital silence strictly between the
// first and the last sound of a raw mono float recording: where the stream
// feeding a null sink ran dry.
Dropouts countDropouts(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<float> x;
    float block[4096];
    while (in.read(reinterpret_cast<char*>(block), sizeof block) || in.gcount() > 0)
        x.insert(x.end(), block, block + in.gcount() / std::streamsize(sizeof(float)));
    std::size_t first = x.size(), last = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::fabs(x[i]) >= kSilence) {
            first = std::min(first, i);
            last = i;
        }
    }
    Dropouts result;
    if (first >= x.size())
        return result;
    result.count = 0;
    std::size_t run = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (std::fabs(x[i]) < kSilence) {
            ++run;
            continue;
        }
        if (run >= kDropoutSamples) {
            ++result.count;
            result.silentMs += 1000.0 * double(run) / kRecordRate;
        }
        run = 0;
    }
    return result;
}

std::string dropoutCell(const Dropouts& d)
{
    if (d.count < 0)
        return "no sound recorded";
    return std::to_string(d.count) + (d.count ? " (" + formatted("%.0f", d.silentMs) + " ms)" : "");
}

// ------------------------------------------------------------ picks

struct Effect
{
    std::string label; // for the tables
    std::string id;
    std::string sox; // the peer's chain
};

// `which` ("typical" or "heaviest") from the picks file's KEY=VALUE lines,
// else effect 7 against sox pitch -500.
Effect pickEffect(const std::string& path, const std::string& which)
{
    std::map<std::string, std::string> picks;
    std::ifstream in(path);
    if (!path.empty() && !in)
        fail("cannot read " + path);
    for (std::string line; std::getline(in, line);) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && line.compare(0, which.size() + 1, which + "_") == 0)
            picks[line.substr(which.size() + 1, equals - which.size() - 1)] =
                line.substr(equals + 1, line.find_last_not_of(" \r") - equals);
    }
    if (picks["id"].empty() || picks["sox"].empty())
        return {which == "typical" ? "id 7" : "id 7 (none picked: the typical one)", "7", "pitch -500"};
    const std::string id = picks["id"], name = picks["name"];
    return {name.empty() ? "id " + id : name + " (id " + id + ")", id, picks["sox"]};
}

} // namespace

int main(int argc, char** argv)
{
    std::string cli, sox = "sox", summaryPath, picksPath, soundsDir;
    bool quick = false;
    const char* const usage =
        "usage: zelvani-bench-engine --cli PATH [--sox PATH] [--quick] [--summary FILE] "
        "[--picks FILE] [--sounds DIR]\n";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool valued = argument == "--cli" || argument == "--sox" || argument == "--summary" ||
                            argument == "--picks" || argument == "--sounds";
        if (argument == "--quick") {
            quick = true;
        } else if (valued && i + 1 < argc) {
            (argument == "--cli"       ? cli
             : argument == "--sox"     ? sox
             : argument == "--summary" ? summaryPath
             : argument == "--picks"   ? picksPath
                                       : soundsDir) = argv[++i];
        } else {
            std::fprintf(stderr, "%s: bad argument '%s'\n%s", kMe, argument.c_str(), usage);
            return 2;
        }
    }
    if (cli.empty()) {
        std::fprintf(stderr, "%s: --cli PATH is needed\n%s", kMe, usage);
        return 2;
    }
    if (cli.find('/') != std::string::npos && access(cli.c_str(), X_OK) != 0)
        fail("cannot run " + cli);

    struct sigaction action
    {};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    // The live engine makes the cable the default source while it runs and puts
    // the old one back as it ends; put back here too should it end otherwise.
    const std::string cableSink = checkServer();
    std::string source, ignored;
    shellOutput("pactl get-default-source", &source);
    const std::string restoreSource = "pactl set-default-source '" + lastLine(source) + "'";
    if (!soxHasPulse(sox))
        fail(sox + " is missing or lacks its pulseaudio driver (scripts/install-deps installs sox and "
                   "libsox-fmt-pulse)");
    const Effect typical = pickEffect(picksPath, "typical"), heaviest = pickEffect(picksPath, "heaviest");
    Summary summary;
    summary.open(summaryPath);

    const double liveWindow = quick ? 10.0 : 60.0, settle = 3.0, boardWindow = quick ? 10.0 : 30.0;
    char dirTemplate[] = "/tmp/zelvani-bench-engine-XXXXXX";
    if (!mkdtemp(dirTemplate))
        fail("cannot make a temporary folder");
    const std::string dir = gTemporary = dirTemplate;

    std::printf("# Engine benchmark: the live engine and the soundboard while they run\n\n");
    std::printf("- Date: %s\n- Machine: %s, %u cores (nproc)\n", today().c_str(), cpuModel().c_str(),
                std::thread::hardware_concurrency());
    std::printf("- Sound server: private, null sinks (speakers; the cable's sink %s)%s\n\n",
                cableSink.c_str(), quick ? "; quick run (shorter windows)" : "");
    std::fflush(stdout);
    bool measured = false;

    // 1. The live engine against two sox pipelines, speech playing into the microphone.
    const std::string clip = dir + "/speech.wav";
    std::string error;
    progress("writing a " + formatted("%.0f", liveWindow + 10.0) + " s speech clip");
    if (!writeSpeechClip(clip, liveWindow + 10.0, &error, sox))
        fail(error);
    auto withSpeech = [&](const std::vector<Command>& commands) {
        Process player;
        Usage usage;
        if (!spawnProgram({"paplay", "-d", "microphone_feed", clip}, {}, &player, &error))
            usage.failure = "failed: " + error;
        else
            usage = watch(commands, settle, settle + liveWindow, false);
        endProcess(&player);
        if (!usage.failure.empty())
            progress(usage.failure);
        return usage;
    };
    struct LiveRow
    {
        std::string kind; // empty for no effect
        Effect effect;
        Usage ours, peer;
        std::string name(const char* glue) const
        {
            return kind.empty() ? "no effect" : kind + glue + effect.label;
        }
    };
    std::vector<LiveRow> live = {
        {"", {}, {}, {}}, {"typical", typical, {}, {}}, {"heaviest", heaviest, {}, {}}};
    for (LiveRow& row : live) {
        progress("zelvani-cli live, " + row.name(": ") + ": " + formatted("%.0f", liveWindow) + " s");
        // --seconds ends it should this benchmark be killed.
        std::vector<std::string> ours = {cli, "live", "--seconds",
                                         formatted("%.0f", settle + liveWindow + 30)};
        if (!row.effect.id.empty())
            ours.insert(ours.end(), {"--effect", row.effect.id});
        row.ours = withSpeech({{ours, {}}});
        shellOutput(restoreSource, &ignored);

        progress("sox, two pipelines" + (row.effect.sox.empty() ? "" : " (" + row.effect.sox + ")"));
        std::vector<Command> peers;
        for (const std::string& sink : {std::string("speakers"), cableSink}) {
            std::vector<std::string> arguments = {sox,          "-q", "-t",         "pulseaudio",
                                                  "microphone", "-t", "pulseaudio", sink};
            for (const std::string& word : words(row.effect.sox))
                arguments.push_back(word);
            peers.push_back({arguments, {"PULSE_LATENCY_MSEC=20"}});
        }
        row.peer = withSpeech(peers);
    }
    std::printf("## The live engine: CPU and memory over %.0f s of speech\n\n", liveWindow);
    std::printf("`zelvani-cli live [--effect ID]`, microphone to the default output and the virtual cable, "
                "against two `sox -q -t pulseaudio microphone -t pulseaudio SINK [CHAIN]` (speakers and the "
                "cable, PULSE_LATENCY_MSEC=20; CPU and RSS summed), after %.0f s to settle.\n\n",
                settle);
    std::printf("| run | ours CPU %% of one core | ours peak RSS MiB | sox CPU %% | sox peak RSS MiB | "
                "CPU ours ÷ sox |\n|---|---:|---:|---:|---:|---:|\n");
    for (const LiveRow& row : live) {
        const double ratio = row.ours.cpuPercent / row.peer.cpuPercent;
        std::printf("| %s%s | %s | %s | %s |\n", row.name(": ").c_str(),
                    row.effect.sox.empty() ? "" : (", sox `" + row.effect.sox + "`").c_str(),
                    usageCells(row.ours).c_str(), usageCells(row.peer).c_str(),
                    std::isfinite(ratio) ? formatted("%.2f", ratio).c_str() : "–");
        measured = measured || row.ours.failure.empty() || row.peer.failure.empty();
    }
    std::printf("\n");
    std::fflush(stdout);
    for (const LiveRow& row : live)
        summary.add("Live engine CPU, " + row.name(" effect ") + " (% of one core)", row.ours.cpuPercent,
                    row.effect.sox.empty() ? "sox, two pipelines" : "sox, two pipelines, nearest chain",
                    row.peer.cpuPercent, "%", true, 2);
    summary.add("Live engine peak RSS, heaviest effect", live[2].ours.rssMiB, "sox, two pipelines",
                live[2].peer.rssMiB, "MiB", true, 1);

    // 2. 32 sounds at once through both soundboard players, against sox -m.
    if (soundsDir.empty())
        soundsDir = dir;
    else if (mkdir(soundsDir.c_str(), 0755) != 0 && errno != EEXIST)
        fail("cannot make " + soundsDir);
    progress("writing " + std::to_string(kSounds) + " noise files to " + soundsDir);
    std::vector<std::string> sounds;
    for (int i = 1; i <= kSounds; ++i) {
        sounds.push_back(soundsDir + "/noise" + std::to_string(i) + ".wav");
        if (!writeNoise(sounds.back(), boardWindow + 3.0, std::uint32_t(i)))
            fail("cannot write " + sounds.back());
    }
    struct BoardRow
    {
        std::string name;
        Usage usage;
        Dropouts speakers, cable;
        std::string underflows = "–";
    };
    // Runs the players while both outputs' monitors are recorded.
    auto recorded = [&](BoardRow* row, const std::vector<Command>& commands, double until, bool mayEnd) {
        Process recorders[2];
        const std::string sources[2] = {"speakers.monitor", cableSink + ".monitor"};
        const std::string files[2] = {dir + "/speakers.raw", dir + "/cable.raw"};
        bool recording = true;
        for (int i = 0; i < 2 && recording; ++i)
            recording = spawnProgram({"parec", "-d", sources[i], "--raw", "--format=float32le",
                                      "--rate=48000", "--channels=1", "--latency-msec=10", files[i]},
                                     {}, &recorders[i], &error);
        if (recording) {
            pause(0.5);
            row->usage = watch(commands, 1.0, until, mayEnd);
            pause(0.5);
        } else {
            row->usage.failure = "failed: " + error;
        }
        for (Process& recorder : recorders)
            endProcess(&recorder);
        row->speakers = countDropouts(files[0]);
        row->cable = countDropouts(files[1]);
        for (const std::string& file : files)
            unlink(file.c_str());
        if (!row->usage.failure.empty())
            progress(row->usage.failure);
    };

    BoardRow ours{"zelvani-cli board --overlay (both players)", {}, {}, {}};
    progress("zelvani-cli board: " + std::to_string(kSounds) + " sounds, " + formatted("%.0f", boardWindow) +
             " s");
    std::vector<std::string> board = {cli, "board"};
    board.insert(board.end(), sounds.begin(), sounds.end());
    board.insert(board.end(), {"--overlay", "--seconds", formatted("%.0f", boardWindow)});
    recorded(&ours, {{board, {"ZELVANI_BOARD_STATS=1"}}}, boardWindow + 20.0, true);
    shellOutput(restoreSource, &ignored);
    unsigned long long underflows[2];
    const std::size_t statsAt = ours.usage.output.rfind("underflows output=");
    if (statsAt != std::string::npos &&
        std::sscanf(ours.usage.output.c_str() + statsAt, "underflows output=%llu cable=%llu", &underflows[0],
                    &underflows[1]) == 2)
        ours.underflows =
            "output " + std::to_string(underflows[0]) + ", cable " + std::to_string(underflows[1]);

    BoardRow peer{"sox -m, two processes", {}, {}, {}};
    progress("sox -m: " + std::to_string(kSounds) + " sounds to speakers and to the cable");
    std::vector<Command> soxes;
    for (const std::string& sink : {std::string("speakers"), cableSink}) {
        std::vector<std::string> arguments = {sox, "-q", "-m"};
        arguments.insert(arguments.end(), sounds.begin(), sounds.end());
        arguments.insert(arguments.end(), {"-t", "pulseaudio", sink});
        soxes.push_back({arguments, {"PULSE_LATENCY_MSEC=20"}});
    }
    recorded(&peer, soxes, boardWindow, false);
    cleanUp();

    std::printf("## Soundboard: %d sounds at once on both outputs for %.0f s\n\n", kSounds, boardWindow);
    std::printf(
        "%d files of steady noise (44100 Hz stereo 16-bit) through `zelvani-cli board F1..F%d --overlay "
        "--seconds %.0f`, against two `sox -q -m F1..F%d -t pulseaudio SINK` (speakers and the cable, "
        "PULSE_LATENCY_MSEC=20; CPU and RSS summed); CPU from 1 s after the start to the end. "
        "*Dropouts*: runs of at least %zu samples (%.0f ms) of digital silence between the first and "
        "the last sound of each output's monitor, recorded with parec. *Underflows reported*: the "
        "times each of our players' streams ran dry, the start included.\n\n",
        kSounds, kSounds, boardWindow, kSounds, kDropoutSamples, 1000.0 * kDropoutSamples / kRecordRate);
    std::printf("| player | CPU %% of one core | peak RSS MiB | dropouts speakers | dropouts cable | "
                "underflows reported |\n|---|---:|---:|---:|---:|---|\n");
    for (const BoardRow* row : {&ours, &peer}) {
        std::printf("| %s | %s | %s | %s | %s |\n", row->name.c_str(), usageCells(row->usage).c_str(),
                    dropoutCell(row->speakers).c_str(), dropoutCell(row->cable).c_str(),
                    row->underflows.c_str());
        measured = measured || row->usage.failure.empty();
    }
    std::printf("\n");
    auto totalDropouts = [](const BoardRow& row) {
        const bool both = row.usage.failure.empty() && row.speakers.count >= 0 && row.cable.count >= 0;
        return both ? double(row.speakers.count + row.cable.count) : double(NAN);
    };
    summary.add("Soundboard, 32 sounds on both outputs, CPU (% of one core)", ours.usage.cpuPercent,
                "sox -m, two processes", peer.usage.cpuPercent, "%", true, 2);
    summary.add("Soundboard dropouts in " + formatted("%.0f", boardWindow) + " s (both outputs)",
                totalDropouts(ours), "sox -m, two processes", totalDropouts(peer), "", true, 0);
    if (!measured)
        fail("nothing could be measured");
    return 0;
}
