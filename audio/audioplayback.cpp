#include "audioplayback.h"

#include "audioerror.h"
#include "capturedsp.h"
#include "outputlimiter.h"
#include "samplequeue.h"

#include <QVector>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

using namespace zaudio;

namespace {

// The mixer blocks the hand-off can hold before the feeder drains it: far
// more than the 10 ms between two drains.
constexpr int kHandOffBlocks = 64;

} // namespace

struct AudioPlayback::Private
{
    // One half: a system playing a looping stream buffer fed from a queue.
    struct Half
    {
        explicit Half(SoundFormat format) : format(format) {}
        unsigned sampleBytes() const { return format == SoundFormat::PcmFloat ? 4 : 2; }
        unsigned writeBytes() const { return kWriteFrames * 2 * sampleBytes(); }

        const SoundFormat format;
        int driver = 0;
        System system;
        Sound sound;
        Channel channel;
        CreateSoundExInfo exinfo;
        SampleQueue queue;
        std::uint32_t writeEnd = 0;
        std::mutex lock;
        // The queue's length and the write mark as of the last change, for
        // readers that must not wait for the lock (the feeder holds it 10 ms).
        std::atomic<int> queueLength{0};
        std::atomic<std::uint32_t> writeMark{0};
        std::atomic<std::int64_t> dropped{0};
        void published()
        {
            queueLength.store(queue.size(), std::memory_order_relaxed);
            writeMark.store(writeEnd, std::memory_order_relaxed);
            dropped.store(queue.dropped(), std::memory_order_relaxed);
        }
    };

    explicit Private(OutputType output) : output(output) {}

    bool createHalf(Half& half, int driver);
    void moveHalf(Half& half, int driver);
    // Writes one feeding from the queue at the channel's position; holds half.lock.
    void feed(Half& half);
    void runFeeder();

    OutputType output;
    Half out{SoundFormat::PcmFloat};
    Half virt{SoundFormat::Pcm16};
    ChannelGroup master;
    DSP capture;
    DSP limiter;
    QMap<int, DSP> unitTable;
    QVector<DSP> units; // every unit in the group, older units of a repeated type too
    CaptureHandOff handOff{kHandOffBlocks, static_cast<int>(kBlockFrames) * 8};
    std::atomic<bool> stopFeeder{false};
    std::thread feeder;
};

void AudioPlayback::Private::moveHalf(Half& half, int driver)
{
    half.driver = driver;
    if (half.system.isNull())
        return;
    half.system.setDriver(driver + 1); // may not exist: selecting `driver` again is what moves the stream
    ZAUDIO_CHECK(half.system.setDriver(driver));
    ZAUDIO_CHECK(half.system.update());
}

bool AudioPlayback::Private::createHalf(Half& half, int driver)
{
    half.driver = driver;
    ZAUDIO_CHECK(createSystem(&half.system));
    ZAUDIO_CHECK(half.system.setOutput(output));
    ZAUDIO_CHECK(half.system.setBlockSize(kBlockFrames));
    ZAUDIO_CHECK(half.system.init(32));
    half.exinfo.length = kSoundFrames * 2 * half.sampleBytes();
    half.exinfo.numChannels = 2;
    half.exinfo.defaultFrequency = kRate;
    half.exinfo.format = half.format;
    half.exinfo.decodeBufferSize = half.writeBytes();
    ZAUDIO_CHECK(half.system.createSound(nullptr, OpenUser | LoopNormal, &half.exinfo, &half.sound));
    ZAUDIO_CHECK(half.system.setDriver(driver));
    return !half.sound.isNull();
}

void AudioPlayback::Private::feed(Half& half)
{
    ZAUDIO_CHECK(half.channel.setPaused(true));
    unsigned position = 0;
    ZAUDIO_CHECK(half.channel.getPosition(&position, TimeUnitPcmBytes));
    if (position == half.writeEnd - half.writeBytes()) { // the cursor has not moved since the last write
        ZAUDIO_CHECK(half.channel.setPaused(false));
        return;
    }
    void* region1 = nullptr;
    void* region2 = nullptr;
    unsigned length1 = 0;
    unsigned length2 = 0;
    if (ZAUDIO_CHECK(half.sound.lock(position, half.writeBytes(), &region1, &region2, &length1, &length2)) !=
        Ok) {
        ZAUDIO_CHECK(half.channel.setPaused(false));
        return;
    }
    // Each region is filled from the queue, and with silence where it ran short.
    const auto fill = [&half](void* region, unsigned bytes) {
        const int samples = static_cast<int>(bytes / half.sampleBytes());
        if (half.format == SoundFormat::PcmFloat) {
            auto* out = static_cast<float*>(region);
            std::fill(out + half.queue.takeFloat(out, samples), out + samples, 0.0f);
        } else {
            auto* out = static_cast<std::int16_t*>(region);
            std::fill(out + half.queue.takePcm16(out, samples), out + samples, std::int16_t(0));
        }
    };
    fill(region1, length1);
    if (region2)
        fill(region2, length2);
    half.writeEnd = position + length1 + length2;
    ZAUDIO_CHECK(half.channel.setPaused(false));
    ZAUDIO_CHECK(half.sound.unlock(region1, region2, length1, length2));
    half.published();
}

void AudioPlayback::Private::runFeeder()
{
    // What the output mixed while the cable's system was starting is the
    // silence before any voice; kept, it would stay as delay on the cable.
    {
        std::lock_guard<std::mutex> guard(virt.lock);
        handOff.drain([](const float*, int) {});
    }
    while (!stopFeeder.load()) {
        std::lock_guard<std::mutex> guard(virt.lock);
        // The mixer's copies land here in order, each under the drop rule.
        handOff.drain([this](const float* block, int count) { virt.queue.append(block, count); });
        virt.published();
        if (virt.queue.size() >= kFeedSamples)
            feed(virt);
        // The lock is held through the pause: producers wait for it.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

AudioPlayback::AudioPlayback(QObject* parent, OutputType output)
    : QObject(parent), d(std::make_unique<Private>(output))
{}

AudioPlayback::~AudioPlayback()
{
    // The feeder and the "Capture DSP" stop before the queues they use go.
    d->stopFeeder.store(true);
    if (d->feeder.joinable())
        d->feeder.join();
    if (!d->out.system.isNull())
        d->out.system.release();
    if (!d->virt.system.isNull())
        d->virt.system.release();
}

void AudioPlayback::init(int outputDriver, int virtualDriver)
{
    if (!d->out.system.isNull())
        return;
    Private::Half& out = d->out;
    if (d->createHalf(out, outputDriver)) {
        ZAUDIO_CHECK(out.system.getMasterChannelGroup(&d->master));
        ZAUDIO_CHECK(out.system.playSound(out.sound, nullptr, true, &out.channel));
        ZAUDIO_CHECK(out.channel.setVolume(1.0f));
        ZAUDIO_CHECK(out.system.update());
    }
    // The safety limiter goes first, so the "Capture DSP" lands ahead of it
    // at the head and copies the limited mix to the cable.
    d->limiter = OutputLimiter::insert(out.system, 0);
    if (ZAUDIO_CHECK(out.system.createDSP(CaptureDsp::description(), &d->capture)) == Ok) {
        void* data = nullptr;
        unsigned length = 0;
        if (ZAUDIO_CHECK(d->capture.getParameterData(0, &data, &length)) == Ok)
            static_cast<CaptureDsp::State*>(data)->handOff.store(&d->handOff);
        ZAUDIO_CHECK(d->master.addDSP(0, d->capture));
    }

    Private::Half& virt = d->virt;
    if (d->createHalf(virt, virtualDriver)) {
        ZAUDIO_CHECK(virt.system.playSound(virt.sound, nullptr, false, &virt.channel));
        // Unity gain: the cable carries the voice at the level the speakers
        // get. (A cable driver elsewhere wanted ×10 here; in front of our
        // 16-bit cable stream that was a 20 dB gain that clipped every voice.)
        ZAUDIO_CHECK(virt.channel.setVolume(1.0f));
        ZAUDIO_CHECK(virt.system.update());
    }
    d->feeder = std::thread([this] { d->runFeeder(); });
}

void AudioPlayback::pushVoice(const float* block, int n)
{
    std::lock_guard<std::mutex> guard(d->out.lock);
    d->out.queue.append(block, n);
    d->out.published();
    if (d->out.queue.size() >= 2 * kFeedSamples && !d->out.channel.isNull())
        d->feed(d->out);
}

void AudioPlayback::pushVirtual(const float* block, int n)
{
    std::lock_guard<std::mutex> guard(d->virt.lock);
    d->virt.queue.append(block, n);
    d->virt.published();
}

void AudioPlayback::pauseVoice(bool pause)
{
    if (d->out.channel.isNull())
        return;
    ZAUDIO_CHECK(d->out.channel.setPaused(pause));
    ZAUDIO_CHECK(d->out.system.update());
}

void AudioPlayback::flush()
{
    std::lock_guard<std::mutex> outGuard(d->out.lock);
    ZAUDIO_CHECK(d->out.channel.setPaused(true));
    ZAUDIO_CHECK(d->out.channel.setPosition(0, TimeUnitPcmBytes));
    d->out.writeEnd = 0;
    d->out.queue.clear();
    d->out.published();
    std::lock_guard<std::mutex> virtualGuard(d->virt.lock);
    ZAUDIO_CHECK(d->virt.channel.setPaused(true));
    ZAUDIO_CHECK(d->virt.channel.setPosition(0, TimeUnitPcmBytes));
    d->virt.writeEnd = 0;
    d->virt.queue.clear();
    d->virt.published();
    d->handOff.drain([](const float*, int) {});
}

void AudioPlayback::setOutputDriver(int id)
{
    d->moveHalf(d->out, id);
}

void AudioPlayback::setVirtualDriver(int id)
{
    d->moveHalf(d->virt, id);
}

void AudioPlayback::clearEffectUnits()
{
    for (const DSP& unit : qAsConst(d->units)) {
        ZAUDIO_CHECK(d->master.removeDSP(unit));
        ZAUDIO_CHECK(unit.release());
    }
    d->units.clear();
    d->unitTable.clear();
}

void AudioPlayback::addEffectUnit(int type, const QMap<int, float>& values)
{
    DSP unit;
    ZAUDIO_CHECK(d->out.system.createDSPByType(type, &unit));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        ZAUDIO_CHECK(unit.setParameterFloat(it.key(), it.value()));
        ZAUDIO_CHECK(unit.setBypass(true));
    }
    // Behind the head, at the count of unit types added before it (counted
    // past the limiter); then the limiter and the "Capture DSP" move back to
    // the head, so every effect unit runs ahead of both.
    const int fixedUnits = d->limiter.isNull() ? 0 : 1;
    ZAUDIO_CHECK(d->master.addDSP(d->unitTable.size() + fixedUnits, unit));
    d->unitTable.insert(type, unit);
    d->units.append(unit);
    if (!d->limiter.isNull())
        ZAUDIO_CHECK(d->master.addDSP(0, d->limiter));
    ZAUDIO_CHECK(d->master.addDSP(0, d->capture));
    ZAUDIO_CHECK(d->out.system.update());
}

void AudioPlayback::setUnitParameter(int type, int index, float value)
{
    if (!d->unitTable.contains(type))
        return;
    ZAUDIO_CHECK(d->unitTable.value(type).setParameterFloat(index, value));
    ZAUDIO_CHECK(d->out.system.update());
}

void AudioPlayback::setEffectBypass(bool bypass)
{
    if (d->master.isNull())
        return;
    for (const DSP& unit : qAsConst(d->units))
        ZAUDIO_CHECK(unit.setBypass(bypass));
}

System AudioPlayback::outputSystem() const
{
    return d->out.system;
}

System AudioPlayback::virtualSystem() const
{
    return d->virt.system;
}

Channel AudioPlayback::voiceChannel() const
{
    return d->out.channel;
}

Channel AudioPlayback::virtualChannel() const
{
    return d->virt.channel;
}

DSP AudioPlayback::captureDsp() const
{
    return d->capture;
}

DSP AudioPlayback::outputLimiter() const
{
    return d->limiter;
}

QMap<int, DSP> AudioPlayback::effectUnits() const
{
    return d->unitTable;
}

int AudioPlayback::outputQueueSize() const
{
    return d->out.queueLength.load(std::memory_order_relaxed);
}

int AudioPlayback::virtualQueueSize() const
{
    return d->virt.queueLength.load(std::memory_order_relaxed);
}

std::uint32_t AudioPlayback::outputWriteEnd() const
{
    return d->out.writeMark.load(std::memory_order_relaxed);
}

AudioPlayback::Levels AudioPlayback::levels() const
{
    Levels levels;
    levels.outputQueue = outputQueueSize();
    levels.virtualQueue = virtualQueueSize();
    d->out.channel.getBufferedFrames(&levels.outputBuffered, &levels.outputDry);
    d->virt.channel.getBufferedFrames(&levels.virtualBuffered, &levels.virtualDry);
    levels.outputDropped = d->out.dropped.load(std::memory_order_relaxed);
    levels.virtualDropped = d->virt.dropped.load(std::memory_order_relaxed);
    d->out.system.getOutputUnderflows(&levels.outputUnderflows);
    d->virt.system.getOutputUnderflows(&levels.virtualUnderflows);
    return levels;
}

std::uint64_t AudioPlayback::droppedCaptureBlocks() const
{
    return d->handOff.dropped();
}

std::int16_t AudioPlayback::toPcm16(float value)
{
    return SampleQueue::toPcm16(value);
}
