// zelvani-bench-effects: an offline render of a speech clip through each
// bundled effect of the catalogue (zelvani-cli render --effect ID), against sox
// running the nearest equivalent chain of its own effects, both in the same run.
//
// Usage: zelvani-bench-effects --cli PATH [--sox PATH] [--quick] [--summary FILE] [--picks FILE]
// Prints a Markdown report on standard output; progress goes to standard error.
// --picks writes the typical and the heaviest effect with their sox chains for
// the live engine benchmark.

#include "benchsupport.h"
#include "catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ftw.h>
#include <map>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace benchsupport;

void progress(const std::string& text)
{
    std::fprintf(stderr, "zelvani-bench-effects: %s\n", text.c_str());
}

// ------------------------------------------------------------ the catalogue

struct Setting
{
    int type = 0;
    std::map<int, double> values; // parameter index → stored value
};

// An effect of the catalogue, its sox chain and the times measured.
struct Row
{
    int id = 0;
    std::string name;
    bool filesReady = true;
    std::vector<Setting> settings;
    std::vector<std::string> chain; // sox effect arguments
    std::string notes;
    double ours = -1.0; // median seconds; negative when a run failed
    double sox = -1.0;
};

// The bundled effects of the catalogue, sorted by id.
bool readCatalogue(const std::string& cli, std::vector<Row>* effects, std::string* error)
{
    std::vector<QJsonObject> items;
    if (!bundledEffects(cli, &items, error))
        return false;
    for (const QJsonObject& item : items) {
        Row effect;
        effect.id = item.value(QStringLiteral("id")).toInt();
        effect.name = item.value(QStringLiteral("name"))
                          .toString(QStringLiteral("effect %1").arg(effect.id))
                          .toStdString();
        effect.filesReady = item.value(QStringLiteral("filesReady")).toBool(true);
        for (const QJsonValue& s : item.value(QStringLiteral("settings")).toArray()) {
            Setting setting;
            setting.type = s.toObject().value(QStringLiteral("type")).toInt();
            for (const QJsonValue& v : s.toObject().value(QStringLiteral("values")).toArray())
                setting.values[v.toObject().value(QStringLiteral("index")).toInt(-1)] =
                    v.toObject().value(QStringLiteral("value")).toDouble();
            effect.settings.push_back(setting);
        }
        effects->push_back(effect);
    }
    return true;
}

// ------------------------------------------------------------ sox chains

const auto clampTo = [](double v, double lo, double hi) { return std::min(hi, std::max(lo, v)); };

// A bundled plug-in's parameter (0..1) in its own units, as the plug-in maps it.
const auto linear = [](double v, double lo, double hi) { return lo + (hi - lo) * clampTo(v, 0, 1); };
const auto logarithmic = [](double v, double lo, double hi) {
    return lo * std::pow(hi / lo, clampTo(v, 0, 1));
};

std::string pitch(double cents)
{
    // sox drops "pitch 0" from its chain, so a shift that rounds to 0 costs nothing.
    return std::lround(cents) != 0 ? format("pitch %ld", std::lround(cents)) : "";
}

// A feedback echo as sox's feed-forward echo: taps at 1, 2, 3… delays, each
// quieter by the feedback, down to 5 % (four at most); gain-out keeps the
// sum at full scale.
std::string echo(double delayMs, double wet, double feedback)
{
    std::string taps;
    double sum = 0.0, decay = clampTo(wet, 0.01, 1.0);
    for (int k = 1; k <= 4 && decay >= 0.05; ++k, decay *= feedback) {
        taps += format(" %.4g %.3g", k * delayMs, decay);
        sum += decay;
    }
    return format("echo 1 %.2f", std::floor(100.0 / (1.0 + sum)) / 100.0) + taps;
}

// The nearest sox effects for one setting of an effect, as text; empty when
// sox has nothing like it. Built-in units, parameters as in the audio library:
//   2 oscillator   synth WAVE RATE (replaces the input, as ours does)
//   3/4 low-pass   lowpass F [Q]       20 one-pole low-pass   lowpass -1 F
//   5 high-pass    highpass F Q        26 one-pole high-pass  highpass -1 F
//   6/17 echo      echo taps for the feedback (see echo above)
//   7 fader        gain DB             9 distortion          overdrive 40 × level
//   8 flange       flanger 0 10×DEPTH 0 MIX RATE (sox's rate: 0.1–10 Hz)
//   10 normalize   compand: up to the maximum gain above the threshold
//   11 limiter     compand: the maximiser's gain, then flat at the ceiling
//   12 EQ band     equalizer F Wo GAIN 13 pitch shifter      pitch CENTS
//   14 chorus      chorus 0.7 0.9 25 MIX RATE DEPTH (sox: delay ≥ 20 ms,
//                  rate ≤ 5 Hz, depth < 10 ms)
//   18 compressor  compand A,R 6:-90,-90,T,T,0,T−T/RATIO MAKEUP
//   19 reverb      reverb DECAY/70ms% (100−HF ratio)% 100 100 PRE WET (sox: wet ±10 dB)
//   21 delay       delay L R           22 tremolo             tremolo F DEPTH%
//   28 three bands bass and treble relative to the middle band, gain for it
// The bundled plug-ins (presets are not read: parameters an effect leaves to
// its preset take the plug-in's defaults):
//   VoiceShifter   pitch CENTS (sox has no formant shift)
//   Harmonizer     a pitch stage per voice in series, then chorus for the mix
//                  with the dry voice (sox runs no parallel branches)
//   Robotizer      echo taps at 1 and 2 periods of its pitch: a comb at F0
//   Whisper        highpass F, then synth whitenoise amod: noise-modulated voice
//   RingModulator  synth sine amod CARRIER, echo taps for its comb filter
//   Radio          sinc LOW-HIGH overdrive DRIVE (no noise or crackle)
std::string soxEquivalent(const Setting& s)
{
    const auto v = [&](int index, double fallback) {
        const auto it = s.values.find(index);
        return it == s.values.end() ? fallback : it->second;
    };
    switch (s.type) {
    case 2: {
        static const char* const waves[] = {"sine",     "square",   "sawtooth",
                                            "sawtooth", "triangle", "whitenoise"};
        return format("synth %s %g", waves[int(clampTo(v(0, 0), 0, 5))], v(1, 220));
    }
    case 3:
    case 5:
        return format("%s %g %gq", s.type == 3 ? "lowpass" : "highpass", v(0, 5000),
                      clampTo(v(1, 1), 0.5, 10));
    case 4:
        return format("lowpass %g", v(0, 5000));
    case 6:
        return echo(v(0, 500), std::pow(10.0, v(3, 0) / 20), v(1, 50) / 100);
    case 7:
        return format("gain %g", v(0, 0));
    case 8:
        return format("flanger 0 %.3g 0 %g %.3g", clampTo(10 * v(1, 1), 0, 10), clampTo(v(0, 50), 0, 100),
                      clampTo(v(2, 0.1), 0.1, 10));
    case 9:
        return format("overdrive %.0f", 40 * clampTo(v(0, 0.5), 0, 1));
    case 10: {
        const double threshold = 20 * std::log10(clampTo(v(1, 0.1), 1e-4, 1));
        const double most = 20 * std::log10(clampTo(v(2, 20), 1, 1e5));
        return format("compand 0.01,%g -90,-90,%.3g,%.3g,0,0", std::max(0.01, v(0, 5000) / 1000), threshold,
                      std::min(0.0, threshold + most));
    }
    case 11: {
        const double ceiling = clampTo(v(1, 0), -12, 0), boost = clampTo(v(2, 0), 0, 12);
        return format("compand 0.001,%g -90,%g,%g,%g", clampTo(v(0, 10), 1, 1000) / 1000, -90 + boost,
                      ceiling - boost, ceiling) +
               (ceiling - boost < -0.01 ? format(",0,%g", ceiling) : "");
    }
    case 12:
        return format("equalizer %g %go %g", v(0, 8000), clampTo(v(1, 1), 0.2, 5), v(2, 0));
    case 13:
        return pitch(1200 * std::log2(clampTo(v(0, 1), 0.5, 2)));
    case 14:
        return format("chorus 0.7 0.9 25 %.2g %g %g -s", clampTo(v(0, 50) / 100 * 0.9, 0.05, 0.9),
                      clampTo(v(1, 0.8), 0.1, 5), clampTo(v(2, 3), 0.1, 9.9));
    case 17:
        return echo(v(2, 500), v(0, 50) / 100, v(1, 50) / 100);
    case 18: {
        const double threshold = clampTo(v(0, 0), -60, 0), ratio = clampTo(v(1, 2.5), 1, 50);
        return format("compand %g,%g 6:-90,-90,%g,%g", v(2, 20) / 1000, v(3, 100) / 1000, threshold,
                      threshold) +
               (threshold < -0.01 ? format(",0,%.3g", threshold - threshold / ratio) : "") +
               format(" %g", v(4, 0));
    }
    case 19:
        return format("reverb %.0f %.0f 100 100 %g %g", clampTo(v(0, 1500) / 70, 0, 100),
                      clampTo(100 - v(4, 50), 0, 100), clampTo(v(1, 20), 0, 500),
                      clampTo(v(11, -6), -10, 10));
    case 20:
    case 26:
        return format("%s -1 %g", s.type == 20 ? "lowpass" : "highpass", v(0, s.type == 20 ? 5000 : 1000));
    case 21:
        return format("delay %g %g", v(0, 0) / 1000, v(1, 0) / 1000);
    case 22:
        return format("tremolo %g %g", clampTo(v(0, 5), 0.1, 20), 100 * clampTo(v(1, 1), 0, 1));
    case 28:
        return format("bass %g %g treble %g %g gain %g", clampTo(v(0, 0) - v(1, 0), -30, 30), v(3, 400),
                      clampTo(v(2, 0) - v(1, 0), -30, 30), v(4, 4000), v(1, 0));
    case 100001: // VoiceShifter: pitch −12..12 st, fine −100..100 ct
        return pitch(100 * linear(v(0, 0.5), -12, 12) + linear(v(1, 0.5), -100, 100));
    case 100002: { // Harmonizer: voice 1 at −12 st, voice 2 at +7 st and silent, by default
        const double first = 100 * linear(v(1, 0), -12, 12), second = 100 * linear(v(7, 19.0 / 24), -12, 12);
        const std::string voices = pitch(first) + " " + (v(12, 0) > 0.02 ? pitch(second - first) : "");
        return voices + " chorus 0.7 0.9 25 0.5 0.4 2 -t";
    }
    case 100003: { // Robotizer: pitch 40..400 Hz, 110 Hz by default
        const double period = 1000 / logarithmic(v(0, 0.4393), 40, 400);
        return format("echo 1 0.5 %.3g 0.6 %.3g 0.36", period, 2 * period);
    }
    case 100004: // Whisper: high-pass 50..1500 Hz, 300 Hz by default
        return format("highpass %.0f synth whitenoise amod", logarithmic(v(3, 0.5268), 50, 1500));
    case 100005: { // RingModulator: carrier 10..4000 Hz, comb 0.5..20 ms and 0..90 % feedback
        const double feedback = linear(v(5, 0), 0, 0.9);
        return format("synth sine amod %.0f", logarithmic(v(0, 0.5), 10, 4000)) +
               (feedback > 0.01 ? " " + echo(logarithmic(v(4, 0.5637), 0.5, 20), feedback, feedback) : "");
    }
    case 100006: { // Radio: low cut 100..2000 Hz, high cut 1000..10000 Hz, drive 0..40 dB
        const double low = logarithmic(v(0, 0.4628), 100, 2000),
                     high = logarithmic(v(1, 0.5051), 1000, 10000);
        return format("sinc %.0f-%.0f overdrive %.0f", low, std::max(high, low + 100),
                      linear(v(2, 0.3), 0, 40));
    }
    default:
        return "";
    }
}

// ------------------------------------------------------------ measuring

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

std::string timesRealTime(double clipSeconds, double seconds)
{
    return seconds <= 0.0 ? "failed"
                          : format(clipSeconds < 10 * seconds ? "%.1f×" : "%.0f×", clipSeconds / seconds);
}

} // namespace

int main(int argc, char** argv)
{
    std::string cli, sox = "sox", summaryPath, picksPath;
    bool quick = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::string* value = argument == "--cli"       ? &cli
                             : argument == "--sox"     ? &sox
                             : argument == "--summary" ? &summaryPath
                             : argument == "--picks"   ? &picksPath
                                                       : nullptr;
        if (argument == "--quick") {
            quick = true;
        } else if (value && i + 1 < argc) {
            *value = argv[++i];
        } else if (argument == "--help" || argument == "-h") {
            std::printf(
                "Usage: zelvani-bench-effects --cli PATH [--sox PATH] [--quick] [--summary FILE] "
                "[--picks FILE]\n\n"
                "Renders a 60 s speech clip (10 s with --quick) through each bundled effect with\n"
                "'zelvani-cli render --effect ID' and through sox with the nearest chain of sox effects,\n"
                "median of 3 runs each (1 with --quick). --summary appends the headline rows to FILE;\n"
                "--picks writes the typical and the heaviest effect with their sox chains to FILE.\n"
                "Exit code 1 when no effect could be rendered, 2 on bad usage.\n");
            return 0;
        } else {
            progress("unknown or incomplete argument '" + argument + "' (see --help)");
            return 2;
        }
    }
    if (cli.empty()) {
        progress("--cli PATH_TO_zelvani-cli is required");
        return 2;
    }
    const double clipSeconds = quick ? 10.0 : 60.0;
    const int runs = quick ? 1 : 3; // per effect and tool; the median counts

    std::string dir;
    if (!scratchFolder("zelvani-bench-effects", &dir)) {
        progress("cannot make a temporary folder");
        return 1;
    }
    const auto cleanUp = [&] { removeTree(dir); };

    const std::string clip = dir + "/speech.wav";
    std::string error;
    std::vector<Row> rows;
    progress(format("writing a %.0f s speech clip", clipSeconds));
    if (!writeSpeechClip(clip, clipSeconds, &error, sox) || !readCatalogue(cli, &rows, &error)) {
        progress(error);
        cleanUp();
        return 1;
    }

    for (Row& row : rows) {
        if (!row.filesReady)
            row.notes += " (its plug-in or preset files are missing)";
        for (const Setting& setting : row.settings) {
            const std::string equivalent = soxEquivalent(setting);
            std::istringstream words(equivalent);
            for (std::string word; words >> word;)
                row.chain.push_back(word);
            if (equivalent.empty())
                row.notes += format(" (type %d: no sox equivalent)", setting.type);
        }
    }

    // Each effect: our render and sox's, taking turns so that a slower spell
    // of the machine weighs on both. Both times include starting the program,
    // reading the clip and writing 16-bit output (sox without dither, -D).
    for (std::size_t n = 0; n < rows.size(); ++n) {
        Row& row = rows[n];
        const std::vector<std::string> ours = {
            cli,        "render",         "--input",  clip,
            "--output", dir + "/out.wav", "--effect", std::to_string(row.id),
            "--format", "pcm16"};
        std::vector<std::string> peer = {sox, "-D", clip, dir + "/sox.wav"};
        peer.insert(peer.end(), row.chain.begin(), row.chain.end());
        std::vector<double> ourTimes, soxTimes;
        for (int run = 0; run < runs; ++run) {
            ourTimes.push_back(timeProgram(ours));
            soxTimes.push_back(timeProgram(peer));
        }
        const auto medianOrFailed = [](const std::vector<double>& t) {
            return *std::min_element(t.begin(), t.end()) < 0 ? -1.0 : median(t);
        };
        row.ours = medianOrFailed(ourTimes);
        row.sox = medianOrFailed(soxTimes);
        progress(format("%zu/%zu %s: ours %s, sox %s real time", n + 1, rows.size(), row.name.c_str(),
                        timesRealTime(clipSeconds, row.ours).c_str(),
                        timesRealTime(clipSeconds, row.sox).c_str()));
        // timeProgram discards the output: run a failed program again for its reason.
        std::string output, why;
        if (row.ours < 0 && !capture(ours, &output, &why))
            progress("  zelvani-cli failed: " + why);
        if (row.sox < 0 && !capture(peer, &output, &why))
            progress("  sox failed: " + why);
    }
    cleanUp();

    // Figures over the effects each tool rendered.
    std::vector<double> ourSpeeds, soxSpeeds;
    std::vector<const Row*> byOurTime;
    double logRatios = 0.0;
    int ratios = 0;
    for (const Row& row : rows) {
        if (row.ours > 0) {
            ourSpeeds.push_back(clipSeconds / row.ours);
            byOurTime.push_back(&row);
        }
        if (row.sox > 0)
            soxSpeeds.push_back(clipSeconds / row.sox);
        if (row.ours > 0 && row.sox > 0) {
            logRatios += std::log(row.ours / row.sox);
            ++ratios;
        }
    }
    std::sort(byOurTime.begin(), byOurTime.end(),
              [](const Row* a, const Row* b) { return a->ours < b->ours; });
    const Row* slowest = byOurTime.empty() ? nullptr : byOurTime.back();
    // The typical voice is the catalogue's first one that rendered (Female): a
    // pitch and formant shift, what most users change their voice with. The
    // median-cost effect would do too, but it changes from run to run.
    const Row* typical = nullptr;
    for (const Row& row : rows)
        if (!typical && row.ours > 0)
            typical = &row;
    const double ourMedian = ourSpeeds.empty() ? NAN : median(ourSpeeds);
    const double soxMedian = soxSpeeds.empty() ? NAN : median(soxSpeeds);

    std::printf("# Bundled effects benchmark\n\n");
    std::printf("- Date: %s\n- Machine: %s, %u cores (nproc)\n", today().c_str(), cpuModel().c_str(),
                std::thread::hardware_concurrency());
#ifdef NDEBUG
    std::printf("- Build: optimised%s\n\n", quick ? "; quick run (short clip, one run)" : "");
#else
    std::printf("- Build: NOT optimised: figures are not representative%s\n\n", quick ? "; quick run" : "");
#endif
    std::printf("## Offline render of a %.0f s speech clip through each bundled effect\n\n", clipSeconds);
    std::printf("The clip is English speech (espeak-ng), 48000 Hz stereo 16-bit. *Ours*: `zelvani-cli render "
                "--effect ID --format pcm16`; *sox*: `sox -D IN OUT CHAIN`, the nearest chain of sox effects "
                "for the effect's settings. Each time is the median of %d run%s and includes starting the "
                "program, reading the clip and writing the result. A ratio below 1: ours took less time.\n\n",
                runs, runs == 1 ? "" : "s");
    std::printf("| id | effect | ours × real time | sox chain | sox × real time | ours ÷ sox time |\n"
                "|---:|---|---:|---|---:|---:|\n");
    for (const Row& row : rows)
        std::printf("| %d | %s%s | %s | `%s` | %s | %s |\n", row.id, row.name.c_str(), row.notes.c_str(),
                    timesRealTime(clipSeconds, row.ours).c_str(), joined(row.chain).c_str(),
                    timesRealTime(clipSeconds, row.sox).c_str(),
                    row.ours > 0 && row.sox > 0 ? format("%.2f", row.ours / row.sox).c_str() : "–");
    std::printf("\nMedian over the effects: ours **%.0f× real time** (%zu of %zu rendered), sox %.0f× (%zu); "
                "geometric mean of ours ÷ sox time: **%.2f** over %d effects.",
                ourMedian, ourSpeeds.size(), rows.size(), soxMedian, soxSpeeds.size(),
                ratios ? std::exp(logRatios / ratios) : NAN, ratios);
    if (slowest)
        std::printf(" Slowest for us: %s (id %d) at %s real time.", slowest->name.c_str(), slowest->id,
                    timesRealTime(clipSeconds, slowest->ours).c_str());
    std::printf(
        "\n\nThe chains stand for the effects in kind and cost, not in sound: sox has no formant shift, "
        "no parallel voices and no noise bed, and plug-in presets are not read.\n");
    std::fflush(stdout);
    if (!slowest) {
        progress("zelvani-cli rendered no effect");
        return 1;
    }

    Summary summary;
    summary.open(summaryPath);
    summary.add(format("Offline render, median over the %zu bundled effects", ourSpeeds.size()), ourMedian,
                "sox, nearest chain", soxMedian, "× real time", false, 0);
    summary.add("Offline render, slowest effect: " + slowest->name, clipSeconds / slowest->ours,
                "sox, its nearest chain", slowest->sox > 0 ? clipSeconds / slowest->sox : NAN, "× real time",
                false, 0);
    if (!picksPath.empty()) {
        std::FILE* file = std::fopen(picksPath.c_str(), "w");
        if (!file) {
            progress("cannot write " + picksPath);
            return 1;
        }
        for (const auto& [role, row] :
             {std::make_pair("typical", typical), std::make_pair("heaviest", slowest)})
            std::fprintf(file, "%s_id=%d\n%s_name=%s\n%s_sox=%s\n", role, row->id, role, row->name.c_str(),
                         role, joined(row->chain).c_str());
        std::fclose(file);
    }
    return 0;
}
