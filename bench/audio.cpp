// zelvani-bench-audio: how fast zaudio mixes, renders and resamples, with sox
// measured in the same run as the peer for file conversion.
//
// Usage: zelvani-bench-audio [--quick] [--sox PATH] [--summary FILE]
// Prints a Markdown report on standard output; progress goes to standard error.

#include "benchsupport.h"
#include "zaudio/zaudio.h"

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
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace benchsupport;

constexpr int kMixRate = 48000;
constexpr unsigned kBlockFrames = 256;
constexpr double kBudgetMicroseconds = 1e6 * kBlockFrames / kMixRate;
constexpr int kStreamCounts[] = {1, 8, 32, 64};
constexpr double kPi = 3.14159265358979323846;

struct Settings
{
    bool quick = false;
    std::string sox = "sox";
    int mixBlocks = 20000; // measured blocks per stream count
    int renderRuns = 5;
    int peerRuns = 3;
};

[[noreturn]] void fail(const std::string& what, int code = 0)
{
    std::fprintf(stderr, "zelvani-bench-audio: %s%s%s\n", what.c_str(), code ? ": " : "",
                 code ? zaudio::errorString(code) : "");
    std::exit(1);
}

void check(zaudio::Result result, const char* what)
{
    if (result != zaudio::Ok)
        fail(what, result);
}

double mean(const std::vector<double>& values)
{
    double sum = 0.0;
    for (double v : values)
        sum += v;
    return values.empty() ? 0.0 : sum / static_cast<double>(values.size());
}

// ------------------------------------------------------------ test files

// A stereo sine tone, written with libsndfile in `format`.
void writeTone(const std::string& path, int format, int rate, double seconds, double frequency,
               bool sweep = false)
{
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    info.samplerate = rate;
    info.channels = 2;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        fail("cannot write " + path + ": " + sf_strerror(nullptr));
    if ((format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) {
        // 128 kbit/s constant: libsndfile maps the level 0..1 onto 320..32 kbit/s.
        int bitrateMode = SF_BITRATE_MODE_CONSTANT;
        double level = (320.0 - 128.0) / (320.0 - 32.0);
        sf_command(file, SFC_SET_BITRATE_MODE, &bitrateMode, sizeof bitrateMode);
        sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
    const auto frames = static_cast<sf_count_t>(seconds * rate);
    std::vector<float> block(2 * 4096);
    double phase = 0.0;
    std::uint32_t noise = 12345;
    for (sf_count_t done = 0; done < frames;) {
        const sf_count_t count = std::min<sf_count_t>(4096, frames - done);
        for (sf_count_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(done + i) / rate;
            // A sweep over the whole file on the left, a tone with some noise on
            // the right: content a codec has to work on.
            const double f = sweep ? frequency * std::pow(16.0, t / seconds) : frequency;
            phase += 2.0 * kPi * f / rate;
            noise = noise * 1664525u + 1013904223u;
            const double hiss = (static_cast<double>(noise >> 8) / 8388608.0 - 1.0) * 0.05;
            block[2 * i] = static_cast<float>(0.4 * std::sin(phase));
            block[2 * i + 1] = static_cast<float>(0.3 * std::sin(phase * 1.5) + (sweep ? hiss : 0.0));
        }
        if (sf_writef_float(file, block.data(), count) != count)
            fail("cannot write " + path + ": " + sf_strerror(file));
        done += count;
    }
    sf_close(file);
}

// ------------------------------------------------------------ mixing

struct MixResult
{
    int streams = 0;
    double mixMicros = 0.0;   // median block
    double allMicros = 0.0;   // mean block
    double decodeShare = 0.0; // blocks over 1.5 times the median: those that decoded
};

MixResult measureMixing(const std::vector<std::string>& files, int streams, int blocks)
{
    zaudio::System system;
    check(zaudio::createSystem(&system), "createSystem");
    check(system.setOutput(zaudio::OutputType::Offline), "setOutput");
    check(system.init(128), "init");
    std::vector<zaudio::Sound> sounds;
    for (int i = 0; i < streams; ++i) {
        zaudio::Sound sound;
        check(system.createSound(files[static_cast<std::size_t>(i)].c_str(),
                                 zaudio::CreateStream | zaudio::LoopNormal, nullptr, &sound),
              "createSound");
        zaudio::Channel channel;
        check(system.playSound(sound, nullptr, false, &channel), "playSound");
        channel.setVolume(1.0f / static_cast<float>(streams));
        sounds.push_back(sound);
    }
    std::vector<float> out(2 * kBlockFrames);
    for (int i = 0; i < 400; ++i) // past the first loop of every file and into a steady state
        check(system.render(out.data(), kBlockFrames), "render");

    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(blocks));
    for (int i = 0; i < blocks; ++i) {
        const auto start = Clock::now();
        system.render(out.data(), kBlockFrames);
        times.push_back(1e6 * secondsSince(start));
    }
    system.release();

    MixResult result;
    result.streams = streams;
    result.mixMicros = median(times);
    result.allMicros = mean(times);
    int slow = 0;
    for (double t : times)
        slow += t > 1.5 * result.mixMicros ? 1 : 0;
    result.decodeShare = static_cast<double>(slow) / static_cast<double>(times.size());
    return result;
}

// ------------------------------------------------------------ offline rendering

struct RenderTimes
{
    double open = 0.0;  // createSound: opens the file and counts its frames
    double total = 0.0; // open, render and (when asked) writing the WAV
    std::uint64_t frames = 0;
};

// Renders `input` through an offline system like `zelvani-cli render`; writes
// a 16-bit WAV to `output` when it is not empty.
RenderTimes renderFile(const std::string& input, const std::string& output)
{
    RenderTimes times;
    const auto start = Clock::now();
    zaudio::System system;
    check(zaudio::createSystem(&system), "createSystem");
    check(system.setOutput(zaudio::OutputType::Offline), "setOutput");
    check(system.init(32), "init");
    int mixRate = 0;
    unsigned blockFrames = 0;
    system.getMixerFormat(&mixRate, &blockFrames);
    zaudio::Sound sound;
    check(system.createSound(input.c_str(), zaudio::CreateStream | zaudio::AccurateTime | zaudio::LoopOff,
                             nullptr, &sound),
          "createSound");
    times.open = secondsSince(start);
    unsigned sourceFrames = 0;
    int sourceRate = 0;
    sound.getLength(&sourceFrames, zaudio::TimeUnitPcm);
    sound.getFormat(&sourceRate, nullptr);
    const std::uint64_t expected =
        (static_cast<std::uint64_t>(sourceFrames) * static_cast<std::uint64_t>(mixRate) +
         static_cast<std::uint64_t>(sourceRate) / 2) /
        static_cast<std::uint64_t>(sourceRate);

    SNDFILE* file = nullptr;
    if (!output.empty()) {
        SF_INFO info;
        std::memset(&info, 0, sizeof info);
        info.samplerate = mixRate;
        info.channels = 2;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        file = sf_open(output.c_str(), SFM_WRITE, &info);
        if (!file)
            fail("cannot write " + output + ": " + sf_strerror(nullptr));
        sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    }

    zaudio::Channel channel;
    check(system.playSound(sound, nullptr, false, &channel), "playSound");
    constexpr unsigned kWriteFrames = 4096;
    std::vector<float> buffer(2 * (kWriteFrames + blockFrames));
    unsigned buffered = 0;
    std::uint64_t done = 0;
    bool playing = true;
    while (playing && done + buffered < expected) {
        check(system.render(&buffer[2 * buffered], blockFrames), "render");
        buffered += blockFrames;
        channel.isPlaying(&playing);
        const auto keep = static_cast<unsigned>(std::min<std::uint64_t>(buffered, expected - done));
        if (buffered >= kWriteFrames || !playing || keep < buffered || done + keep >= expected) {
            if (file)
                sf_writef_float(file, buffer.data(), keep);
            done += keep;
            buffered = 0;
        }
    }
    if (file)
        sf_close(file);
    system.release();
    times.total = secondsSince(start);
    times.frames = done;
    return times;
}

void removeTree(const std::string& dir, const std::vector<std::string>& files)
{
    for (const std::string& file : files)
        std::remove(file.c_str());
    ::rmdir(dir.c_str());
}

void progress(const char* text)
{
    std::fprintf(stderr, "zelvani-bench-audio: %s\n", text);
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
            settings.mixBlocks = 2000;
            settings.renderRuns = 3;
        } else if (argument == "--sox" && i + 1 < argc) {
            settings.sox = argv[++i];
        } else if (argument == "--summary" && i + 1 < argc) {
            summary.open(argv[++i]);
        } else if (argument == "--help" || argument == "-h") {
            std::printf("Usage: zelvani-bench-audio [--quick] [--sox PATH] [--summary FILE]\n\n"
                        "Measures zaudio's mixing cost per block, its offline rendering speed and its\n"
                        "decoding and resampling speed against sox. --quick runs fewer iterations.\n");
            return 0;
        } else {
            std::fprintf(stderr, "zelvani-bench-audio: unknown argument '%s'\n", argument.c_str());
            return 2;
        }
    }

    char dirTemplate[] = "/tmp/zelvani-bench-XXXXXX";
    if (!::mkdtemp(dirTemplate))
        fail("cannot make a temporary folder");
    const std::string dir = dirTemplate;
    std::vector<std::string> created;

    // Short looping files, one length so the streams decode ahead in the same
    // blocks (see the note under the table), each at its own frequency.
    progress("writing the test files");
    std::vector<std::string> tones;
    for (int i = 0; i < 64; ++i) {
        const std::string path = dir + "/tone" + std::to_string(i) + ".wav";
        writeTone(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2.0, 110.0 + 17.0 * i);
        tones.push_back(path);
    }
    created.insert(created.end(), tones.begin(), tones.end());
    const std::string mp3 = dir + "/sixty.mp3";
    writeTone(mp3, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 60.0, 220.0, true);
    created.push_back(mp3);
    const std::string ourWav = dir + "/zaudio.wav";
    const std::string soxWav = dir + "/sox.wav";
    created.push_back(ourWav);
    created.push_back(soxWav);

    std::printf("# zaudio benchmark\n\n");
    std::printf("- Date: %s\n", today().c_str());
    std::printf("- Machine: %s, %u cores (nproc)\n", cpuModel().c_str(), std::thread::hardware_concurrency());
#ifdef NDEBUG
    std::printf("- Build: optimised%s\n", settings.quick ? "; quick run (fewer iterations)" : "");
#else
    std::printf("- Build: NOT optimised (assertions on): figures are not representative%s\n",
                settings.quick ? "; quick run" : "");
#endif
    std::printf("\n");

    // 1. Mixing.
    std::vector<MixResult> mixes;
    for (int streams : kStreamCounts) {
        const std::string text = "mixing " + std::to_string(streams) + " looping streams";
        progress(text.c_str());
        mixes.push_back(measureMixing(tones, streams, settings.mixBlocks));
    }
    std::printf("## Mixing cost per %u-frame block (%d Hz: %.2f ms of real time per block)\n\n", kBlockFrames,
                kMixRate, kBudgetMicroseconds / 1000.0);
    std::printf("| looping streams | mixing µs/block | %% of budget | all work µs/block | %% of budget | "
                "blocks that decoded |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|\n");
    for (const MixResult& m : mixes)
        std::printf("| %d | %.1f | %.2f %% | %.1f | %.2f %% | %.0f %% |\n", m.streams, m.mixMicros,
                    100.0 * m.mixMicros / kBudgetMicroseconds, m.allMicros,
                    100.0 * m.allMicros / kBudgetMicroseconds, 100.0 * m.decodeShare);
    std::printf(
        "\n%d blocks timed one by one per row (offline system, 44100 Hz stereo 16-bit WAV files "
        "of 2 s, resampled to %d Hz).\n"
        "*Mixing* is the median block: the streams decode ahead in batches of about 1000 frames, all in "
        "the same blocks (equal file lengths), so most blocks only mix: read each stream's ring, apply "
        "the gain ramp, sum. *Blocks that decoded* are those that took over 1.5 times the median.\n"
        "*All work* is the mean over all blocks and includes the decode-ahead (libsndfile reading and "
        "soxr resampling), which in real time runs on the decoder thread, not on the mixer's.\n\n",
        settings.mixBlocks, kMixRate);
    std::fflush(stdout);

    // 2. Offline rendering of a 60 s mp3.
    progress("rendering the 60 s mp3");
    std::vector<double> opens;
    std::vector<double> totals;
    std::uint64_t frames = 0;
    for (int run = 0; run < settings.renderRuns; ++run) {
        const RenderTimes t = renderFile(mp3, std::string());
        opens.push_back(t.open);
        totals.push_back(t.total);
        frames = t.frames;
    }
    const double audioSeconds = static_cast<double>(frames) / kMixRate;
    const double open = median(opens);
    const double total = median(totals);
    std::printf("## Offline rendering of a 60 s mp3 (44100 Hz stereo, 128 kbit/s) to %d Hz\n\n", kMixRate);
    std::printf("| step | seconds (median of %d) | × real time |\n", settings.renderRuns);
    std::printf("|---|---:|---:|\n");
    std::printf("| open (counts the frames exactly: decodes the whole file once) | %.3f | %.1f |\n", open,
                audioSeconds / open);
    std::printf("| decode, resample and mix | %.3f | %.1f |\n", total - open, audioSeconds / (total - open));
    std::printf("| whole render | %.3f | %.1f |\n\n", total, audioSeconds / total);
    std::fflush(stdout);

    // 3. Against sox: mp3 to a 48000 Hz WAV.
    progress("converting the mp3 to a 48000 Hz WAV, zaudio and sox");
    std::vector<double> ours;
    std::vector<double> theirs;
    bool soxRan = true;
    for (int run = 0; run < settings.peerRuns; ++run) {
        ours.push_back(renderFile(mp3, ourWav).total);
        const double t = timeProgram({settings.sox, mp3, "-r", "48000", soxWav});
        if (t < 0.0) {
            soxRan = false;
            break;
        }
        theirs.push_back(t);
    }
    std::printf("## Decoding and resampling the mp3 to a 48000 Hz 16-bit WAV, against sox\n\n");
    std::printf("| tool | seconds (median of %d) | × real time |\n", settings.peerRuns);
    std::printf("|---|---:|---:|\n");
    const double ourTime = median(ours);
    std::printf("| zaudio (offline system, libsndfile writer) | %.3f | %.1f |\n", ourTime,
                audioSeconds / ourTime);
    if (soxRan) {
        const double soxTime = median(theirs);
        std::printf("| `sox IN -r 48000 OUT.wav` | %.3f | %.1f |\n\n", soxTime, audioSeconds / soxTime);
        std::printf(
            "**zaudio is %.2f× the speed of sox** (sox time / zaudio time). Both decode with their own "
            "mp3 decoder (zaudio: libsndfile with mpg123; sox: its mp3 format) and resample at high "
            "quality (soxr HQ; sox's rate -h); sox also dithers to 16 bits, and its time includes "
            "starting the process.\n",
            soxTime / ourTime);
        summary.add("Decode and resample a 60 s mp3 to a 48 kHz WAV", audioSeconds / ourTime,
                    "`sox IN -r 48000 OUT.wav`", audioSeconds / soxTime, "× real time", false, 0);
    } else {
        std::printf("\nsox (%s) did not run: no comparison.\n", settings.sox.c_str());
    }

    removeTree(dir, created);
    return 0;
}
