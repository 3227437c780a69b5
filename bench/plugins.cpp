// Cost of our VST 2 plug-ins per 10 ms stereo block at 48000 Hz, through the
// program's own host, beside Debian's ZamGate and ZamComp measured in the
// same run.
//   zelvani-bench-plugins --plugins DIR [--peers DIR] [--quick] [--summary FILE]
// Prints Markdown.

#include "benchsupport.h"
#include "vstplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 48000;
constexpr int kFrames = 480; // 10 ms

struct Result
{
    QString name;
    bool peer = false;
    double medianUs = 0;
    double p99Us = 0;
    int latency = 0;
};

// A voice-like test signal: a gliding harmonic tone with breath noise.
std::vector<float> voice(int frames)
{
    std::vector<float> samples(static_cast<std::size_t>(frames) * 2);
    std::mt19937 random(7);
    std::normal_distribution<float> noise(0.0f, 0.01f);
    double phase = 0;
    for (int i = 0; i < frames; ++i) {
        const double f0 = 140.0 + 30.0 * std::sin(2.0 * M_PI * 0.7 * i / kRate);
        phase += 2.0 * M_PI * f0 / kRate;
        double v = 0;
        for (int h = 1; h <= 12; ++h)
            v += std::sin(h * phase) / h;
        const float s = static_cast<float>(0.2 * v) + noise(random);
        samples[2 * static_cast<std::size_t>(i)] = samples[2 * static_cast<std::size_t>(i) + 1] = s;
    }
    return samples;
}

bool measure(const QString& path, bool peer, int blocks, Result* result)
{
    VstPlugin plugin;
    if (!plugin.load(path))
        return false;
    plugin.prepare(kRate);
    const std::vector<float> source = voice(kFrames * 200);
    std::vector<float> block(kFrames * 2);
    std::vector<double> costs;
    costs.reserve(static_cast<std::size_t>(blocks));
    for (int b = -50; b < blocks; ++b) { // 50 blocks of warm-up
        const std::size_t offset = static_cast<std::size_t>((b + 50) % 200) * kFrames * 2;
        std::memcpy(block.data(), source.data() + offset, block.size() * sizeof(float));
        const auto start = benchsupport::Clock::now();
        plugin.process(block.data(), static_cast<int>(block.size()));
        const double seconds = benchsupport::secondsSince(start);
        if (b >= 0)
            costs.push_back(seconds * 1e6);
    }
    result->name = QFileInfo(path).completeBaseName();
    result->peer = peer;
    result->medianUs = benchsupport::median(costs);
    std::sort(costs.begin(), costs.end());
    result->p99Us = costs[costs.size() * 99 / 100];
    result->latency = plugin.latency();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString pluginsDir;
    QString peersDir = QStringLiteral("/usr/lib/vst");
    int blocks = 3000;
    benchsupport::Summary summary;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--plugins" && i + 1 < argc)
            pluginsDir = QString::fromLocal8Bit(argv[++i]);
        else if (argument == "--peers" && i + 1 < argc)
            peersDir = QString::fromLocal8Bit(argv[++i]);
        else if (argument == "--quick")
            blocks = 300;
        else if (argument == "--summary" && i + 1 < argc)
            summary.open(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s --plugins DIR [--peers DIR] [--quick] [--summary FILE]\n",
                         argv[0]);
            return 2;
        }
    }
    if (pluginsDir.isEmpty()) {
        std::fprintf(stderr, "%s: --plugins DIR is required\n", argv[0]);
        return 2;
    }

    std::vector<Result> results;
    for (const QFileInfo& file :
         QDir(pluginsDir).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name)) {
        Result result;
        if (measure(file.absoluteFilePath(), false, blocks, &result))
            results.push_back(result);
    }
    double peerCost = 0;
    int peers = 0;
    for (const char* name : {"ZamGate-vst.so", "ZamComp-vst.so"}) {
        Result result;
        if (measure(peersDir + QLatin1Char('/') + QLatin1String(name), true, blocks, &result)) {
            results.push_back(result);
            peerCost += result.medianUs;
            ++peers;
        }
    }
    if (results.empty()) {
        std::fprintf(stderr, "%s: no plug-in loaded from %s\n", argv[0], qPrintable(pluginsDir));
        return 1;
    }
    if (peers)
        peerCost /= peers;

    std::printf("# Plug-in benchmark\n\n");
    std::printf("## Plug-in cost per 10 ms stereo block (480 frames at 48000 Hz), %d blocks each\n\n",
                blocks);
    std::printf("- %s, %s\n\n", benchsupport::cpuModel().c_str(), benchsupport::today().c_str());
    std::printf("| plug-in | median µs | p99 µs | %% of real time | latency (frames) | ÷ peer mean |\n"
                "|---|---:|---:|---:|---:|---:|\n");
    double ourCost = 0;
    int ours = 0;
    for (const Result& r : results) {
        std::printf("| %s | %.1f | %.1f | %.2f %% | %d | %s |\n",
                    qPrintable(r.name + (r.peer ? QStringLiteral(" (peer)") : QString())), r.medianUs,
                    r.p99Us, r.medianUs / 100.0, r.latency,
                    peers ? qPrintable(QString::number(r.medianUs / peerCost, 'f', 2)) : "");
        if (!r.peer) {
            ourCost += r.medianUs;
            ++ours;
        }
    }
    if (peers)
        std::printf("\nPeers: Debian's zam-plugins. *÷ peer mean* = the median cost / the mean of the peers' "
                    "medians.\n");
    if (ours)
        summary.add("VST plug-ins: mean median cost of our " + std::to_string(ours) + " per 10 ms block",
                    ourCost / ours, "ZamGate and ZamComp (mean)", peers ? peerCost : NAN, "µs", true);
    return 0;
}
