#include "audioplayback.h"

#include "pipewirevoice.h"
#include "pulsesession.h"
#include "realtime.h"
#include "spdlog_qt"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kWatchIntervalMs = 100;
constexpr std::size_t kBlockFloats = 2 * AudioPlayback::kBlockFrames;
// Processed frames waiting for the graph's cycle: its largest quantum and a block.
constexpr int kHeldFrames = 8192 + AudioPlayback::kBlockFrames;

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The server's name of the sink described `description`; empty when there is none.
QByteArray sinkNamed(PulseSession& session, const QString& description)
{
    QList<PulseSession::Device> sinks;
    QList<PulseSession::Device> sources;
    if (description.isEmpty() || !session.listDevices(&sinks, &sources))
        return {};
    for (const PulseSession::Device& sink : qAsConst(sinks)) {
        if (sink.description == description)
            return sink.name;
    }
    return {};
}

} // namespace

struct AudioPlayback::Private
{
    PulseSession session{"Zelvani Voice Changer voice"};
    VoiceChain chain;
    VoiceOutput output{"Zelvani voice", kBlockFrames};
    VoiceOutput cable{"Zelvani voice on the cable", kBlockFrames};
    // Set when the voice runs in PipeWire's graph instead of the two streams.
    std::unique_ptr<PipeWireVoice> native;
    bool rateChecked = false;

    bool hearPaused = false;
    bool suspended = false;
    std::atomic<bool> silent{false};
    std::atomic<bool> flushRequested{false};
    std::atomic<int> stallMs{0};

    // The voice thread's own.
    std::unique_ptr<float[]> gathered{std::make_unique<float[]>(kBlockFloats)};
    std::unique_ptr<float[]> processed{std::make_unique<float[]>(kBlockFloats)};
    int gatheredFrames = 0;
    bool threadPrepared = false;
    // In PipeWire's graph: processed frames (interleaved) not yet given to a cycle.
    std::unique_ptr<float[]> held{std::make_unique<float[]>(2 * kHeldFrames)};
    int heldFrames = 0;
    int delayFrames = 0; // how far the node's output lags its input
    std::atomic<int> reportedDelay{0};

    std::atomic<std::uint64_t> blocks{0};
    std::atomic<std::uint64_t> processNs{0};

    // GUI thread: the silence watch.
    QTimer* watch = nullptr;
    std::uint64_t watchedBlocks = 0;
    QElapsedTimer sinceBlock;

    void updateGain() { chain.setGain(hearPaused || suspended ? 0.0f : 1.0f); }
    // The voice thread, before each fragment: requests from other threads.
    void beginFragment();
    void runBlock();
    // The graph's thread: one cycle of PipeWire's graph.
    void runCycle(const float* left, const float* right, float* outLeft, float* outRight, int frames);
    bool openOutput(int which, const QString& name, const char* what);
};

void AudioPlayback::Private::beginFragment()
{
    if (const int stall = stallMs.exchange(0, std::memory_order_relaxed))
        std::this_thread::sleep_for(std::chrono::milliseconds(stall));
    if (flushRequested.exchange(false, std::memory_order_relaxed)) {
        gatheredFrames = heldFrames = delayFrames = 0;
        chain.restartFromSilence();
    }
    if (silent.exchange(false, std::memory_order_relaxed))
        chain.restartFromSilence();
}

void AudioPlayback::Private::runBlock()
{
    const std::int64_t start = monotonicNs();
    chain.process(gathered.get(), processed.get());
    processNs.fetch_add(static_cast<std::uint64_t>(monotonicNs() - start), std::memory_order_relaxed);
    blocks.fetch_add(1, std::memory_order_relaxed);
    gatheredFrames = 0;
}

void AudioPlayback::Private::runCycle(const float* left, const float* right, float* outLeft, float* outRight,
                                      int frames)
{
    if (!left) {
        // No microphone linked: silence, and the watch sees no blocks.
        std::fill(outLeft, outLeft + frames, 0.0f);
        std::fill(outRight, outRight + frames, 0.0f);
        gatheredFrames = heldFrames = delayFrames = 0;
        return;
    }
    beginFragment();
    float* block = gathered.get();
    float* ready = held.get();
    for (int i = 0; i < frames; ++i) {
        block[2 * gatheredFrames] = left[i];
        block[2 * gatheredFrames + 1] = right[i];
        if (++gatheredFrames < kBlockFrames)
            continue;
        runBlock();
        if (heldFrames + kBlockFrames > kHeldFrames)
            heldFrames = 0; // only a cycle above the graph's largest quantum could get here
        std::copy(processed.get(), processed.get() + kBlockFloats, ready + 2 * heldFrames);
        heldFrames += kBlockFrames;
    }
    // While fewer processed frames wait than the cycle takes (the first
    // cycles, or a quantum that is no multiple of a block), the cycle starts
    // with silence: that delay then stays. It never reaches a block, as at
    // most a block's frames can be still gathering, so nothing more than
    // the frames of one cycle and one block is ever held.
    const int missing = std::max(0, frames - heldFrames);
    std::fill(outLeft, outLeft + missing, 0.0f);
    std::fill(outRight, outRight + missing, 0.0f);
    const int given = frames - missing;
    for (int i = 0; i < given; ++i) {
        outLeft[missing + i] = ready[2 * i];
        outRight[missing + i] = ready[2 * i + 1];
    }
    heldFrames -= given;
    std::copy(ready + 2 * given, ready + 2 * (given + heldFrames), ready);
    delayFrames += missing;
    reportedDelay.store(delayFrames, std::memory_order_relaxed);
}

bool AudioPlayback::Private::openOutput(int which, const QString& name, const char* what)
{
    VoiceOutput& stream = which == 0 ? output : cable;
    if (name.isEmpty()) {
        stream.close();
        if (native)
            native->setOutput(which, {});
        return false;
    }
    const QByteArray sink = sinkNamed(session, name);
    QString error = QStringLiteral("no such device");
    if (native && !sink.isEmpty()) {
        native->setOutput(which, sink);
    } else if (sink.isEmpty() || !stream.open(&session, sink, &error)) {
        LogError(QStringLiteral("[voice] cannot play the voice to %1 (%2): %3")
                     .arg(name, QLatin1String(what), error));
        return false;
    }
    LogInfo(QStringLiteral("[voice] the voice plays to %1 (%2)").arg(name, QLatin1String(what)));
    return true;
}

AudioPlayback::AudioPlayback(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->watch = new QTimer(this);
    d->watch->setInterval(kWatchIntervalMs);
    connect(d->watch, &QTimer::timeout, this, [this] {
        d->chain.collect();
        if (d->native && !d->rateChecked) {
            const int rate = d->native->stats().rate;
            d->rateChecked = rate > 0;
            if (rate > 0 && rate != kRate)
                LogError(
                    QStringLiteral("[voice] PipeWire's graph runs at %1 Hz; the voice's effects are made for "
                                   "%2 Hz and sound off")
                        .arg(rate)
                        .arg(kRate));
        }
        const std::uint64_t blocks = d->blocks.load(std::memory_order_relaxed);
        if (blocks != d->watchedBlocks) {
            d->watchedBlocks = blocks;
            d->sinceBlock.restart();
        } else if (d->sinceBlock.elapsed() >= kSilenceMs) {
            d->silent.store(true);
        }
    });
    d->sinceBlock.start();
    d->watch->start();
}

AudioPlayback::~AudioPlayback()
{
    if (d->native)
        d->native->close();
    d->output.close();
    d->cable.close();
}

bool AudioPlayback::init(const QString& outputName, const QString& cableName)
{
    QString error;
    if (!d->session.isReady() && !d->session.connect(kConnectTimeoutMs, &error)) {
        LogError(QStringLiteral("[voice] no sound server: %1").arg(error));
        return false;
    }
    // ZELVANI_VOICE_PATH=pulse keeps the voice on the PulseAudio streams on PipeWire too.
    if (!d->native && qgetenv("ZELVANI_VOICE_PATH") != "pulse" && d->session.onPipeWire()) {
        auto native = std::make_unique<PipeWireVoice>(
            [this](const float* left, const float* right, float* outLeft, float* outRight, int frames) {
                processCycle(left, right, outLeft, outRight, frames);
            });
        if (native->open(d->session.serverAddress(), &error)) {
            d->native = std::move(native);
            LogInfo("[voice] the voice runs as a node of PipeWire's graph");
        } else {
            LogInfo(QStringLiteral("[voice] the voice stays on PulseAudio streams: %1").arg(error));
        }
    }
    d->openOutput(0, outputName, "speakers");
    d->openOutput(1, cableName, "cable");
    return true;
}

bool AudioPlayback::reconnect()
{
    if (d->native) {
        d->native->close();
        d->native.reset();
    }
    d->output.close();
    d->cable.close();
    d->session.disconnect();
    d->rateChecked = false;
    d->flushRequested.store(true);
    return init(QString(), QString());
}

bool AudioPlayback::isNative() const
{
    return d->native != nullptr;
}

void AudioPlayback::setInputSource(const QByteArray& sourceName)
{
    if (d->native)
        d->native->setInput(sourceName);
}

PulseSession* AudioPlayback::session() const
{
    return &d->session;
}

void AudioPlayback::handleCapture(const float* samples, int count, int channels)
{
    if (!d->threadPrepared) {
        d->threadPrepared = true;
        Realtime::raiseCurrentThread("zelvani-voice");
    }
    d->beginFragment();
    if (channels <= 0 || count <= 0)
        return;
    // Interleaved stereo: mono is doubled, wider input keeps its first two channels.
    const int frames = count / channels;
    float* gathered = d->gathered.get();
    for (int i = 0; i < frames; ++i) {
        float left = 0.0f;
        float right = 0.0f;
        if (samples) {
            left = samples[i * channels];
            right = channels == 1 ? left : samples[i * channels + 1];
        }
        gathered[2 * d->gatheredFrames] = left;
        gathered[2 * d->gatheredFrames + 1] = right;
        if (++d->gatheredFrames < kBlockFrames)
            continue;
        d->runBlock();
        d->output.write(d->processed.get(), kBlockFrames);
        d->cable.write(d->processed.get(), kBlockFrames);
    }
}

int AudioPlayback::processOffline(const float* in, int frames, float* out)
{
    int done = 0;
    for (; done + kBlockFrames <= frames; done += kBlockFrames) {
        std::copy(in + 2 * done, in + 2 * (done + kBlockFrames), d->gathered.get());
        d->runBlock();
        std::copy(d->processed.get(), d->processed.get() + kBlockFloats, out + 2 * done);
    }
    return done;
}

void AudioPlayback::processCycle(const float* left, const float* right, float* outLeft, float* outRight,
                                 int frames)
{
    d->runCycle(left, right, outLeft, outRight, frames);
}

void AudioPlayback::pauseVoice(bool pause)
{
    d->hearPaused = pause;
    d->updateGain();
}

bool AudioPlayback::isVoicePaused() const
{
    return d->hearPaused || d->silent.load();
}

void AudioPlayback::setSuspended(bool suspended)
{
    d->suspended = suspended;
    d->updateGain();
}

void AudioPlayback::flush()
{
    d->flushRequested.store(true);
}

bool AudioPlayback::setOutputDevice(const QString& name)
{
    return d->openOutput(0, name, "speakers");
}

bool AudioPlayback::setVirtualDevice(const QString& name)
{
    return d->openOutput(1, name, "cable");
}

VoiceChain* AudioPlayback::chain() const
{
    return &d->chain;
}

zaudio::DSP AudioPlayback::outputLimiter() const
{
    return d->chain.limiter();
}

AudioPlayback::Levels AudioPlayback::levels() const
{
    Levels levels;
    levels.output = d->output.stats();
    levels.cable = d->cable.stats();
    levels.blocks = d->blocks.load(std::memory_order_relaxed);
    if (d->native) {
        const PipeWireVoice::Stats graph = d->native->stats();
        levels.native = true;
        levels.quantumFrames = graph.quantumFrames;
        levels.graphRate = graph.rate;
        levels.delayMs = 1000.0 * d->reportedDelay.load(std::memory_order_relaxed) / kRate;
    }
    if (levels.blocks > 0)
        levels.processMs = static_cast<double>(d->processNs.load(std::memory_order_relaxed)) / 1e6 /
                           static_cast<double>(levels.blocks);
    return levels;
}

void AudioPlayback::injectStall(int ms)
{
    d->stallMs.store(ms);
}
