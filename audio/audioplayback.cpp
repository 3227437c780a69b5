#include "audioplayback.h"

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

    std::atomic<std::uint64_t> blocks{0};
    std::atomic<std::uint64_t> processNs{0};

    // GUI thread: the silence watch.
    QTimer* watch = nullptr;
    std::uint64_t watchedBlocks = 0;
    QElapsedTimer sinceBlock;

    void updateGain() { chain.setGain(hearPaused || suspended ? 0.0f : 1.0f); }
    void runBlock(bool live);
    bool openOutput(VoiceOutput& which, const QString& name, const char* what);
};

void AudioPlayback::Private::runBlock(bool live)
{
    const std::int64_t start = monotonicNs();
    chain.process(gathered.get(), processed.get());
    if (live) {
        output.write(processed.get(), kBlockFrames);
        cable.write(processed.get(), kBlockFrames);
    }
    processNs.fetch_add(static_cast<std::uint64_t>(monotonicNs() - start), std::memory_order_relaxed);
    blocks.fetch_add(1, std::memory_order_relaxed);
    gatheredFrames = 0;
}

bool AudioPlayback::Private::openOutput(VoiceOutput& which, const QString& name, const char* what)
{
    if (name.isEmpty()) {
        which.close();
        return false;
    }
    const QByteArray sink = sinkNamed(session, name);
    QString error = QStringLiteral("no such device");
    if (sink.isEmpty() || !which.open(&session, sink, &error)) {
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
    d->openOutput(d->output, outputName, "speakers");
    d->openOutput(d->cable, cableName, "cable");
    return true;
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
    if (const int stall = d->stallMs.exchange(0, std::memory_order_relaxed))
        std::this_thread::sleep_for(std::chrono::milliseconds(stall));
    if (d->flushRequested.exchange(false, std::memory_order_relaxed)) {
        d->gatheredFrames = 0;
        d->chain.restartFromSilence();
    }
    if (d->silent.exchange(false, std::memory_order_relaxed))
        d->chain.restartFromSilence();
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
        if (++d->gatheredFrames == kBlockFrames)
            d->runBlock(true);
    }
}

int AudioPlayback::processOffline(const float* in, int frames, float* out)
{
    int done = 0;
    for (; done + kBlockFrames <= frames; done += kBlockFrames) {
        std::copy(in + 2 * done, in + 2 * (done + kBlockFrames), d->gathered.get());
        d->runBlock(false);
        std::copy(d->processed.get(), d->processed.get() + kBlockFloats, out + 2 * done);
    }
    return done;
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
    return d->openOutput(d->output, name, "speakers");
}

bool AudioPlayback::setVirtualDevice(const QString& name)
{
    return d->openOutput(d->cable, name, "cable");
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
    if (levels.blocks > 0)
        levels.processMs = static_cast<double>(d->processNs.load(std::memory_order_relaxed)) / 1e6 /
                           static_cast<double>(levels.blocks);
    return levels;
}

void AudioPlayback::injectStall(int ms)
{
    d->stallMs.store(ms);
}
