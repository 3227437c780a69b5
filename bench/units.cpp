// zelvani-bench-units: what the built-in units cost per 10 ms block, the pitch
// shifter at each FFT size, a typical voice chain, and files run through
// zelvani-cli against sox and rubberband in the same run, with the pitch
// shifters' accuracy and cleanliness measured on their outputs.
//
// Usage: zelvani-bench-units [--quick] [--cli PATH] [--sox PATH] [--rubberband PATH] [--summary FILE]
// Prints a Markdown report on standard output; progress goes to standard error.

#include "benchsupport.h"
#include "wavfile.h"
#include "zaudio/unit.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace benchsupport;
using Values = std::vector<std::pair<int, float>>;

constexpr int kRate = 48000;
constexpr unsigned kBlock = 480; // 10 ms
constexpr double kBlockMicros = 10000.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kF0 = 150.0;
const double kRatio = std::pow(2.0, 4.0 / 12.0); // four semitones up

struct Settings
{
    bool quick = false;
    std::string cli = "zelvani-cli";
    std::string sox = "sox";
    std::string rubberband = "rubberband";
    int blocks = 3000; // timed blocks per unit
    double fileSeconds = 30.0;
    int peerRuns = 3;
};

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "zelvani-bench-units: %s\n", what.c_str());
    std::exit(1);
}

void progress(const std::string& text)
{
    std::fprintf(stderr, "zelvani-bench-units: %s\n", text.c_str());
}

// ------------------------------------------------------------ signals

// A voice-like tone: harmonics of kF0 under three formant peaks, with a
// little breath noise; mono.
std::vector<float> voicedTone(double seconds)
{
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    std::vector<float> x(frames, 0.0f);
    const double formants[][2] = {{700, 130}, {1220, 70}, {2600, 160}};
    std::vector<double> amplitudes;
    for (int k = 1; k * kF0 < 11000.0; ++k) {
        const double f = k * kF0;
        double a = 0.0;
        for (const auto& formant : formants)
            a += 1.0 / (1.0 + std::pow((f - formant[0]) / formant[1], 2.0));
        amplitudes.push_back((a + 0.02) / k);
    }
    double sum = 0.0;
    for (double a : amplitudes)
        sum += a;
    std::uint32_t noise = 1;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = 0.0;
        for (std::size_t k = 0; k < amplitudes.size(); ++k)
            v += amplitudes[k] * std::sin(2.0 * kPi * kF0 * static_cast<double>(k + 1) * t + 0.3 * k * k);
        noise = noise * 1664525u + 1013904223u;
        x[i] =
            static_cast<float>(0.5 * v / sum + 0.002 * (static_cast<double>(noise >> 8) / 8388608.0 - 1.0));
    }
    return x;
}

// Channel 0 of a sound file, or nothing when it cannot be read.
std::vector<float> readFirstChannel(const std::string& path, int* rate)
{
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<float> all(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, all.data(), info.frames);
    sf_close(file);
    std::vector<float> first;
    for (std::size_t i = 0; i < all.size(); i += static_cast<std::size_t>(info.channels))
        first.push_back(all[i]);
    *rate = info.samplerate;
    return first;
}

// ------------------------------------------------------------ measures

// The fundamental of x[from, from + length): the autocorrelation peak between
// 60 and 600 Hz, refined by parabolic interpolation.
double fundamental(const std::vector<float>& x, std::size_t from, std::size_t length, int rate)
{
    const int minLag = rate / 600, maxLag = rate / 60;
    if (from + length + static_cast<std::size_t>(maxLag) + 1 > x.size())
        return 0.0;
    std::vector<double> r(static_cast<std::size_t>(maxLag + 2), 0.0);
    for (int lag = minLag - 1; lag <= maxLag + 1; ++lag) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + length; ++i)
            sum += static_cast<double>(x[i]) * x[i + static_cast<std::size_t>(lag)];
        r[static_cast<std::size_t>(lag)] = sum;
    }
    // The first lag whose correlation comes within 10 % of the best: the
    // period, not a multiple of it.
    double best = 0.0;
    for (int lag = minLag; lag <= maxLag; ++lag)
        best = std::max(best, r[static_cast<std::size_t>(lag)]);
    int at = minLag;
    for (int lag = minLag; lag <= maxLag; ++lag) {
        const auto l = static_cast<std::size_t>(lag);
        if (r[l] >= 0.9 * best && r[l] >= r[l - 1] && r[l] >= r[l + 1]) {
            at = lag;
            break;
        }
    }
    const auto l = static_cast<std::size_t>(at);
    const double a = r[l - 1], b = r[l], c = r[l + 1];
    const double shift = (a - 2 * b + c) != 0.0 ? 0.5 * (a - c) / (a - 2 * b + c) : 0.0;
    return rate / (at + shift);
}

// How clean a shifted harmonic tone is: the energy at the harmonics of `f0`
// against everything else, in dB, over Hann-windowed 100 ms frames of the
// middle of x.
double harmonicPurity(const std::vector<float>& x, double f0, int rate)
{
    const std::size_t frame = static_cast<std::size_t>(rate) / 10;
    double harmonic = 0.0, total = 0.0;
    for (std::size_t from = x.size() / 4; from + frame < x.size() * 3 / 4; from += frame) {
        std::vector<double> w(frame);
        double windowSum = 0.0, windowPower = 0.0, framePower = 0.0;
        for (std::size_t i = 0; i < frame; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2.0 * kPi * static_cast<double>(i) / frame);
            w[i] = hann * x[from + i];
            windowSum += hann;
            windowPower += hann * hann;
            framePower += w[i] * w[i];
        }
        double frameHarmonic = 0.0;
        for (int k = 1; k * f0 < 0.45 * rate; ++k) {
            const double omega = 2.0 * kPi * k * f0 / rate;
            double re = 0.0, im = 0.0;
            for (std::size_t i = 0; i < frame; ++i) {
                re += w[i] * std::cos(omega * static_cast<double>(i));
                im += w[i] * std::sin(omega * static_cast<double>(i));
            }
            // A sinusoid of amplitude A gives |X| = A S1 / 2 and a windowed
            // energy of A^2 S2 / 2.
            frameHarmonic += 2.0 * (re * re + im * im) * windowPower / (windowSum * windowSum);
        }
        harmonic += std::min(frameHarmonic, framePower);
        total += framePower;
    }
    const double rest = std::max(total - harmonic, total * 1e-9);
    return 10.0 * std::log10(harmonic / rest);
}

struct PitchQuality
{
    double f0Error = 0.0; // percent
    double purity = 0.0;  // dB
};

PitchQuality pitchQuality(const std::string& path)
{
    int rate = 0;
    const std::vector<float> y = readFirstChannel(path, &rate);
    if (y.size() < static_cast<std::size_t>(rate))
        return {};
    const double f0 = fundamental(y, y.size() / 2, static_cast<std::size_t>(rate) / 5, rate);
    PitchQuality q;
    q.f0Error = 100.0 * (f0 / (kF0 * kRatio) - 1.0);
    q.purity = harmonicPurity(y, f0, rate);
    return q;
}

// ------------------------------------------------------------ unit costs

std::unique_ptr<zaudio::Unit> makeUnit(int type, const Values& values)
{
    std::unique_ptr<zaudio::Unit> unit = zaudio::createUnit(type);
    if (!unit)
        fail("no unit of type " + std::to_string(type));
    unit->setup(kRate, kBlock, 2);
    for (const auto& [index, value] : values)
        unit->setParameter(index, value);
    return unit;
}

struct Cost
{
    double mean = 0.0;  // µs per block: the share of a core
    double worst = 0.0; // µs, 99th percentile: what one mixer block must allow for
};

// What 10 ms stereo blocks of the chain cost, fed the voiced tone. Units that
// work on frames longer than a block (the pitch shifter at 2048 and 4096) do
// their work in some blocks only, so the mean is the measure of load.
Cost blockCost(const std::vector<std::pair<int, Values>>& chain, int blocks)
{
    std::vector<std::unique_ptr<zaudio::Unit>> units;
    for (const auto& [type, values] : chain)
        units.push_back(makeUnit(type, values));
    static const std::vector<float> tone = voicedTone(2.0);
    std::vector<float> block(2 * kBlock);
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(blocks));
    std::size_t at = 0;
    for (int b = -200; b < blocks; ++b) { // the first 200 fill delay lines and windows
        for (unsigned i = 0; i < kBlock; ++i) {
            block[2 * i] = block[2 * i + 1] = tone[at];
            at = (at + 1) % tone.size();
        }
        const auto start = Clock::now();
        for (auto& unit : units)
            unit->process(block.data(), kBlock, 2);
        if (b >= 0)
            times.push_back(1e6 * secondsSince(start));
    }
    Cost cost;
    for (double t : times)
        cost.mean += t / static_cast<double>(times.size());
    std::sort(times.begin(), times.end());
    cost.worst = times[times.size() * 99 / 100];
    return cost;
}

std::string describe(const zaudio::UnitInfo& info, const Values& values)
{
    std::string text;
    for (const auto& [index, value] : values) {
        char part[96];
        std::snprintf(part, sizeof part, "%s%s %g%s%s", text.empty() ? "" : ", ", info.parameters[index].name,
                      static_cast<double>(value), *info.parameters[index].unit ? " " : "",
                      info.parameters[index].unit);
        text += part;
    }
    return text.empty() ? "defaults" : text;
}

// ------------------------------------------------------------ peers

// Median of `runs` timings; negative when the program failed.
double timeRuns(const std::vector<std::string>& arguments, int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double t = timeProgram(arguments);
        if (t < 0.0)
            return -1.0;
        times.push_back(t);
    }
    return median(times);
}

} // namespace

int main(int argc, char** argv)
{
    Settings settings;
    Summary summary;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--quick") {
            settings.quick = true;
            settings.blocks = 500;
            settings.fileSeconds = 10.0;
            settings.peerRuns = 1;
        } else if ((argument == "--cli" || argument == "--sox" || argument == "--rubberband") &&
                   i + 1 < argc) {
            (argument == "--cli"   ? settings.cli
             : argument == "--sox" ? settings.sox
                                   : settings.rubberband) = argv[++i];
        } else if (argument == "--summary" && i + 1 < argc) {
            summary.open(argv[++i]);
        } else if (argument == "--help" || argument == "-h") {
            std::printf("Usage: zelvani-bench-units [--quick] [--cli PATH] [--sox PATH] [--rubberband PATH] "
                        "[--summary "
                        "FILE]\n\n"
                        "Measures each built-in unit's cost per 10 ms block, the pitch shifter at each FFT\n"
                        "size and a typical voice chain, then runs files through zelvani-cli render and\n"
                        "through sox and rubberband. --quick runs fewer iterations on shorter files.\n");
            return 0;
        } else {
            std::fprintf(stderr, "zelvani-bench-units: unknown argument '%s'\n", argument.c_str());
            return 2;
        }
    }

    std::printf("# Built-in units benchmark\n\n");
    std::printf("- Date: %s\n- Machine: %s, %u cores (nproc)\n", today().c_str(), cpuModel().c_str(),
                std::thread::hardware_concurrency());
#ifdef NDEBUG
    std::printf("- Build: optimised%s\n\n", settings.quick ? "; quick run (fewer iterations)" : "");
#else
    std::printf("- Build: NOT optimised: figures are not representative%s\n\n",
                settings.quick ? "; quick run" : "");
#endif

    // 1. Each unit alone.
    progress("timing every unit");
    // Settings that make a unit do its real work where the defaults would not.
    const std::vector<std::pair<int, Values>> workloads = {
        {2, {{0, 1}}}, {9, {{0, 0.5f}}}, {13, {{0, float(kRatio)}}}, {18, {{0, -20}}}, {11, {{2, 6}}},
    };
    std::printf("## Cost of each unit per 10 ms block (48000 Hz stereo, 480 frames)\n\n");
    std::printf("| type | unit | settings | µs/block (mean) | %% of one core | 99th percentile µs |\n"
                "|---:|---|---|---:|---:|---:|\n");
    for (int i = 0; i < zaudio::unitInfoCount(); ++i) {
        const zaudio::UnitInfo& info = zaudio::unitInfoAt(i);
        Values values;
        for (const auto& [type, workload] : workloads) {
            if (type == info.type)
                values = workload;
        }
        const Cost cost = blockCost({{info.type, values}}, settings.blocks);
        std::printf("| %d | %s | %s | %.2f | %.3f %% | %.1f |\n", info.type, info.name,
                    describe(info, values).c_str(), cost.mean, 100.0 * cost.mean / kBlockMicros, cost.worst);
        std::fflush(stdout);
    }

    // 2. The pitch shifter at each FFT size.
    progress("timing the pitch shifter at each FFT size");
    std::printf("\n## Pitch shifter (ratio %.4f) at each FFT size\n\n", kRatio);
    std::printf("| FFT size | latency (ms) | µs/block (mean) | %% of one core | 99th percentile µs |\n"
                "|---:|---:|---:|---:|---:|\n");
    for (int size = 256; size <= 4096; size *= 2) {
        const Values values = {{0, float(kRatio)}, {1, float(size)}};
        const Cost cost = blockCost({{13, values}}, settings.blocks);
        const int latency = makeUnit(13, values)->latencyFrames();
        std::printf("| %d | %.1f | %.2f | %.3f %% | %.1f |\n", size, 1000.0 * latency / kRate, cost.mean,
                    100.0 * cost.mean / kBlockMicros, cost.worst);
        std::fflush(stdout);
    }

    // 3. A typical voice: pitch, a presence boost, reverb.
    progress("timing a typical voice chain");
    const std::vector<std::pair<int, Values>> voice = {
        {13, {{0, float(kRatio)}, {1, 1024}}}, {12, {{0, 3000}, {1, 1.5f}, {2, 4}}}, {19, {}}};
    const Cost chain = blockCost(voice, settings.blocks);
    std::printf(
        "\n## Typical voice chain: pitch shifter (ratio %.3f, FFT 1024), EQ band (3 kHz, +4 dB), reverb\n\n",
        kRatio);
    std::printf("%.1f µs per 10 ms block on average: **%.2f %% of one core** (goal: under 2 %%), %.0f× real "
                "time; 99th percentile %.1f µs.\n\n",
                chain.mean, 100.0 * chain.mean / kBlockMicros, kBlockMicros / chain.mean, chain.worst);
    std::fflush(stdout);

    // 4. Files through zelvani-cli and the peers.
    char dirTemplate[] = "/tmp/zelvani-bench-units-XXXXXX";
    if (!::mkdtemp(dirTemplate))
        fail("cannot make a temporary folder");
    const std::string dir = dirTemplate;
    const std::string input = dir + "/voice.wav";
    progress("writing a " + std::to_string(static_cast<int>(settings.fileSeconds)) + " s voiced tone");
    if (!writeMonoAsStereo(input, voicedTone(settings.fileSeconds), kRate))
        fail("cannot write " + input);

    char ratioText[32], centsText[32];
    std::snprintf(ratioText, sizeof ratioText, "%.6f", kRatio);
    std::snprintf(centsText, sizeof centsText, "%.0f", 1200.0 * std::log2(kRatio));
    const auto ours = [&](const std::string& output, const std::vector<std::string>& chain) {
        std::vector<std::string> command = {settings.cli, "render", "--input", input, "--output", output};
        for (const std::string& unit : chain) {
            command.push_back("--unit");
            command.push_back(unit);
        }
        return timeRuns(command, settings.peerRuns);
    };
    const std::string pitch1024 = std::string("13:0=") + ratioText + ",1=1024";
    const std::string pitch4096 = std::string("13:0=") + ratioText + ",1=4096";

    // What starting, reading and writing cost each tool: subtracted, so the
    // ratios compare the effects themselves. rubberband reads and writes with
    // libsndfile as sox does; sox's copy stands for its overhead too.
    progress("copying the file: zelvani-cli and sox");
    const double ourCopy = ours(dir + "/copy.wav", {});
    const double soxCopy = timeRuns({settings.sox, input, dir + "/soxcopy.wav"}, settings.peerRuns);

    progress("pitch shifting the file: zelvani-cli, sox, rubberband");
    struct Run
    {
        std::string name;
        std::string file;
        double seconds;
        double overhead;
        double net() const { return seconds - overhead; }
    };
    const std::vector<Run> pitchRuns = {
        {"zelvani-cli render --unit " + pitch1024, dir + "/ours1024.wav",
         ours(dir + "/ours1024.wav", {pitch1024}), ourCopy},
        {"zelvani-cli render --unit " + pitch4096, dir + "/ours4096.wav",
         ours(dir + "/ours4096.wav", {pitch4096}), ourCopy},
        {"sox IN OUT pitch " + std::string(centsText), dir + "/sox.wav",
         timeRuns({settings.sox, input, dir + "/sox.wav", "pitch", centsText}, settings.peerRuns), soxCopy},
        {"rubberband -f " + std::string(ratioText) + " (R2 engine, offline)", dir + "/rb2.wav",
         timeRuns({settings.rubberband, "-f", ratioText, input, dir + "/rb2.wav"}, settings.peerRuns),
         soxCopy},
        {"rubberband --fine -f " + std::string(ratioText) + " (R3 engine, offline)", dir + "/rb3.wav",
         timeRuns({settings.rubberband, "--fine", "-f", ratioText, input, dir + "/rb3.wav"},
                  settings.peerRuns),
         soxCopy},
    };
    const double audioSeconds = settings.fileSeconds;
    std::printf(
        "## Pitch shifting a %.0f s stereo voiced tone (F0 %.0f Hz) up four semitones, file to file\n\n",
        audioSeconds, kF0);
    std::printf("Copying the file without an effect takes zelvani-cli %.3f s and sox %.3f s (median of %d); "
                "*effect s* is a run's time less its tool's copy.\n\n",
                ourCopy, soxCopy, settings.peerRuns);
    std::printf(
        "| tool | seconds | effect s | effect × real time | effect time / ours (FFT 1024) | F0 error | "
        "harmonic purity |\n|---|---:|---:|---:|---:|---:|---:|\n");
    const PitchQuality source = pitchQuality(input);
    std::printf("| the input, unshifted | | | | | (F0 %.0f Hz) | %.1f dB |\n", kF0, source.purity);
    for (const Run& run : pitchRuns) {
        if (run.seconds < 0.0) {
            std::printf("| `%s` | did not run | | | | | |\n", run.name.c_str());
            continue;
        }
        const PitchQuality q = pitchQuality(run.file);
        std::printf("| `%s` | %.3f | %.3f | %.0f | %.2f× | %+.3f %% | %.1f dB |\n", run.name.c_str(),
                    run.seconds, run.net(), audioSeconds / run.net(), run.net() / pitchRuns[0].net(),
                    q.f0Error, q.purity);
    }
    std::printf(
        "\n*F0 error*: the output's fundamental (autocorrelation) against %.1f Hz. *Harmonic purity*: "
        "energy at the output's harmonics against all the rest, over 100 ms Hann frames of the middle half: "
        "artefacts (phasiness, smearing, modulation) lower it; the input's own breath noise sets the "
        "ceiling. A steady tone favours time-domain shifters such as sox's (WSOLA), which splice whole "
        "periods.\n\n",
        kF0 * kRatio);
    std::fflush(stdout);
    // Effect speed of ours (FFT 1024) against sox and rubberband R2, when they ran.
    for (std::size_t peer : {std::size_t(2), std::size_t(3)})
        if (pitchRuns[0].seconds >= 0.0 && pitchRuns[peer].seconds >= 0.0)
            summary.add("Pitch shift a voiced tone up 4 semitones, file to file (effect only)",
                        audioSeconds / pitchRuns[0].net(), "`" + pitchRuns[peer].name + "`",
                        audioSeconds / pitchRuns[peer].net(), "× real time", false, 0);

    progress("reverb and echo: zelvani-cli and sox");
    const std::vector<std::pair<Run, Run>> comparisons = {
        {{"`zelvani-cli render --unit 19` (1.5 s decay)", "", ours(dir + "/rev.wav", {"19"}), ourCopy},
         {"`sox IN OUT reverb`", "",
          timeRuns({settings.sox, input, dir + "/soxrev.wav", "reverb"}, settings.peerRuns), soxCopy}},
        {{"`zelvani-cli render --unit 6:0=500,1=50`", "", ours(dir + "/echo.wav", {"6:0=500,1=50"}), ourCopy},
         {"`sox IN OUT echo 0.8 0.9 500 0.5`", "",
          timeRuns({settings.sox, input, dir + "/soxecho.wav", "echo", "0.8", "0.9", "500", "0.5"},
                   settings.peerRuns),
          soxCopy}},
    };
    std::printf("## Reverb and echo on the same file\n\n");
    std::printf("| ours | seconds | effect s | peer | seconds | effect s | peer effect time / ours |\n"
                "|---|---:|---:|---|---:|---:|---:|\n");
    for (const auto& [our, peer] : comparisons) {
        if (peer.seconds < 0.0)
            std::printf("| %s | %.3f | %.3f | %s | did not run | | |\n", our.name.c_str(), our.seconds,
                        our.net(), peer.name.c_str());
        else
            std::printf("| %s | %.3f | %.3f | %s | %.3f | %.3f | %.2f× |\n", our.name.c_str(), our.seconds,
                        our.net(), peer.name.c_str(), peer.seconds, peer.net(), peer.net() / our.net());
    }
    const Run chainRun = {"", "", ours(dir + "/chain.wav", {pitch1024, "12:0=3000,1=1.5,2=4", "19"}),
                          ourCopy};
    std::printf(
        "\nA ratio above 1 means ours took less time. The voice chain (`--unit %s --unit 12:0=3000,1=1.5,2=4 "
        "--unit 19`) took %.3f s, %.3f s of it in the effects: %.0f× real time.\n",
        pitch1024.c_str(), chainRun.seconds, chainRun.net(), audioSeconds / chainRun.net());

    for (const char* name :
         {"voice.wav", "copy.wav", "soxcopy.wav", "ours1024.wav", "ours4096.wav", "sox.wav", "rb2.wav",
          "rb3.wav", "rev.wav", "soxrev.wav", "echo.wav", "soxecho.wav", "chain.wav"})
        std::remove((dir + "/" + name).c_str());
    ::rmdir(dir.c_str());
    return 0;
}
