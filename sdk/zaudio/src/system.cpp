// System: set-up, drivers, object creation and the mixer.

#include "core.h"

#include "dsp/denormals.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>

namespace zaudio {

namespace {

constexpr std::size_t kMaxUnits = 64;
thread_local SystemImpl* t_rendering = nullptr;

// The systems not yet released. A call holds its system (Access::keep) from
// resolving the handle until it returns, so a system released meanwhile
// is freed by whichever lets go of it last, never under a waiting caller.
std::mutex g_systemsMutex;
std::vector<std::shared_ptr<SystemImpl>>* g_systems = new std::vector<std::shared_ptr<SystemImpl>>;

struct Access
{
    std::shared_ptr<SystemImpl> keep; // declared before `lock`: outlives it
    SystemImpl* system = nullptr;
    void* object = nullptr;
    std::unique_lock<std::mutex> lock;
};

Result access(std::uint64_t id, Kind kind, Access* a)
{
    void* object = nullptr;
    SystemImpl* system = nullptr;
    if (!HandleTable::instance().find(id, kind, &object, &a->keep))
        return ErrInvalidHandle;
    a->lock = std::unique_lock<std::mutex>(a->keep->api);
    if (!HandleTable::instance().find(id, kind, &object, &system) || system->released)
        return ErrInvalidHandle;
    a->system = system;
    a->object = object;
    return Ok;
}

SpeakerMode speakerModeFor(int channels)
{
    switch (channels) {
    case 1:
        return SpeakerMode::Mono;
    case 2:
        return SpeakerMode::Stereo;
    case 4:
        return SpeakerMode::Quad;
    case 5:
        return SpeakerMode::Surround;
    case 6:
        return SpeakerMode::FivePointOne;
    case 8:
        return SpeakerMode::SevenPointOne;
    default:
        return SpeakerMode::Raw;
    }
}

Guid guidFor(const std::string& name)
{
    std::uint8_t digest[16];
    md5(name.data(), name.size(), digest);
    Guid guid;
    std::memcpy(&guid.data1, digest, 4);
    std::memcpy(&guid.data2, digest + 4, 2);
    std::memcpy(&guid.data3, digest + 6, 2);
    std::memcpy(guid.data4, digest + 8, 8);
    return guid;
}

void copyName(const std::string& text, char* name, int length)
{
    if (!name || length <= 0)
        return;
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(length - 1));
    // Never cut a UTF-8 sequence in half.
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(name, text.data(), n);
    name[n] = '\0';
}

void describeDriver(const DriverInfo& d, const std::string& shownName, char* name, int nameLength, Guid* guid,
                    int* systemRate, SpeakerMode* speakerMode, int* speakerModeChannels)
{
    copyName(shownName, name, nameLength);
    if (guid)
        *guid = guidFor(d.name);
    if (systemRate)
        *systemRate = d.rate;
    if (speakerMode)
        *speakerMode = speakerModeFor(d.channels);
    if (speakerModeChannels)
        *speakerModeChannels = d.channels;
}

Result getBlockSizeService(DSPState* state, unsigned* blockSize)
{
    if (!state || !state->instance || !blockSize)
        return ErrInvalidParam;
    *blockSize = static_cast<DSPImpl*>(state->instance)->system->blockFrames;
    return Ok;
}

Result getSampleRateService(DSPState* state, int* rate)
{
    if (!state || !state->instance || !rate)
        return ErrInvalidParam;
    *rate = static_cast<DSPImpl*>(state->instance)->system->rate;
    return Ok;
}

const DSPStateFunctions kStateFunctions = {&getBlockSizeService, &getSampleRateService};

// Real-time paced output that discards the mix.
class NoSoundOutput : public Output
{
public:
    explicit NoSoundOutput(SystemImpl* system) : m_system(system) {}
    ~NoSoundOutput() override { stop(); }

    Result start() override
    {
        m_block.assign(static_cast<std::size_t>(m_system->blockFrames) * 2, 0.0f);
        m_stop = false;
        m_thread = std::thread([this] { run(); });
        return Ok;
    }

    void stop() override
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    void run()
    {
        runThreadStartHook("zaudio-mixer");
        raiseToRealtime();
        setMixerThread(true);
        const long period = static_cast<long>(1e9 * m_system->blockFrames / m_system->rate);
        timespec next;
        clock_gettime(CLOCK_MONOTONIC, &next);
        while (!m_stop.load(std::memory_order_relaxed)) {
            m_system->renderBlock(m_block.data());
            next.tv_nsec += period;
            while (next.tv_nsec >= 1000000000L) {
                next.tv_nsec -= 1000000000L;
                ++next.tv_sec;
            }
            timespec now;
            clock_gettime(CLOCK_MONOTONIC, &now);
            if (now.tv_sec > next.tv_sec + 1)
                next = now; // fell far behind (suspended machine): do not race to catch up
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        }
        setMixerThread(false);
    }

    SystemImpl* m_system;
    std::vector<float> m_block;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Adds `frames` frames of `channels` floats to the stereo mix with a gain ramp.
void mixFrames(float* mix, const float* in, unsigned frames, int channels, float from, float to,
               unsigned rampLength)
{
    const float step = (to - from) / static_cast<float>(rampLength);
    for (unsigned i = 0; i < frames; ++i) {
        const float gain = from + step * static_cast<float>(i + 1);
        const float left = in[static_cast<std::size_t>(i) * channels];
        const float right = channels > 1 ? in[static_cast<std::size_t>(i) * channels + 1] : left;
        mix[2 * i] += left * gain;
        mix[2 * i + 1] += right * gain;
    }
}

inline float sampleAt(const SoundImpl* sound, std::size_t frame, int channel)
{
    const std::size_t index =
        frame * static_cast<std::size_t>(sound->channels) + static_cast<std::size_t>(channel);
    if (sound->format == SoundFormat::Pcm16) {
        std::int16_t value;
        std::memcpy(&value, &sound->data[index * 2], 2);
        return static_cast<float>(value) / 32768.0f;
    }
    float value;
    std::memcpy(&value, &sound->data[index * 4], 4);
    return value;
}

} // namespace

// ------------------------------------------------------------------- mixer

void SystemImpl::renderBlock(float* out, const float* input)
{
    zdsp::FlushDenormals flushDenormals;
    SystemImpl* outer = t_rendering;
    t_rendering = this;
    Graph* graph = published.load();
    for (;;) {
        inUse.store(graph);
        Graph* again = published.load();
        if (again == graph)
            break;
        graph = again;
    }

    const unsigned frames = blockFrames;
    float* current = mix.data();
    float* spare = other.data();
    if (input)
        std::copy(input, input + 2 * frames, current);
    else
        std::fill(current, current + 2 * frames, 0.0f);

    if (!master.paused.load(std::memory_order_relaxed)) {
        for (ChannelImpl* ch : graph->channels) {
            if (ch->ended.load(std::memory_order_relaxed))
                continue;
            SoundImpl* sound = ch->sound;
            if (sound->isStreamBuffer()) {
                mixStreamBuffer(ch, current, frames);
                continue;
            }
            if (!sound->isStream()) {
                const std::int64_t seek = ch->seekRequest.exchange(-1, std::memory_order_relaxed);
                if (seek >= 0)
                    ch->cursor = static_cast<double>(seek);
            }
            if (ch->paused.load(std::memory_order_relaxed))
                continue;
            const float target =
                ch->mute.load(std::memory_order_relaxed) ? 0.0f : ch->volume.load(std::memory_order_relaxed);
            if (!ch->primed) {
                ch->lastGain = target;
                ch->primed = true;
            }
            if (sound->isStream()) {
                bool ended = false;
                const unsigned got = sound->stream->pull(scratch.data(), frames, sound->loops(), &ended);
                mixFrames(current, scratch.data(), got, sound->channels, ch->lastGain, target, frames);
                if (ended)
                    ch->ended.store(true, std::memory_order_relaxed);
            } else {
                const double step = static_cast<double>(sound->rate) / rate;
                const double total = sound->frames;
                const bool loop = sound->loops();
                double cursor = ch->cursor;
                unsigned i = 0;
                for (; i < frames; ++i) {
                    if (cursor >= total) {
                        if (!loop || total <= 0) {
                            ch->ended.store(true, std::memory_order_relaxed);
                            break;
                        }
                        cursor = std::fmod(cursor, total);
                    }
                    const std::size_t i0 = static_cast<std::size_t>(cursor);
                    const float frac = static_cast<float>(cursor - static_cast<double>(i0));
                    std::size_t i1 = i0 + 1;
                    if (i1 >= sound->frames)
                        i1 = loop ? 0 : i0;
                    const int channels = std::min(sound->channels, 2);
                    for (int c = 0; c < channels; ++c) {
                        const float a = sampleAt(sound, i0, c);
                        const float v = frac == 0.0f ? a : a + (sampleAt(sound, i1, c) - a) * frac;
                        scratch[2 * i + c] = v;
                    }
                    if (channels == 1)
                        scratch[2 * i + 1] = scratch[2 * i];
                    cursor += step;
                }
                mixFrames(current, scratch.data(), i, 2, ch->lastGain, target, frames);
                ch->cursor = cursor;
                ch->position.store(static_cast<std::uint64_t>(cursor), std::memory_order_relaxed);
            }
            ch->lastGain = target;
        }
    }

    // The chain runs from its tail to its head (the output end).
    for (auto it = graph->units.rbegin(); it != graph->units.rend(); ++it) {
        DSPImpl* unit = *it;
        if (unit->bypass.load(std::memory_order_relaxed))
            continue;
        if (unit->unit) {
            unit->unit->process(current, frames, 2);
        } else if (unit->description.read) {
            int outChannels = 2;
            if (unit->description.read(&unit->state, current, spare, frames, 2, &outChannels) == Ok)
                std::swap(current, spare);
        }
    }

    const float target =
        master.mute.load(std::memory_order_relaxed) ? 0.0f : master.volume.load(std::memory_order_relaxed);
    const float step = (target - master.lastGain) / static_cast<float>(frames);
    for (unsigned i = 0; i < frames; ++i) {
        const float gain = master.lastGain + step * static_cast<float>(i + 1);
        out[2 * i] = current[2 * i] * gain;
        out[2 * i + 1] = current[2 * i + 1] * gain;
    }
    master.lastGain = target;

    inUse.store(nullptr);
    t_rendering = outer;
}

void SystemImpl::mixStreamBuffer(ChannelImpl* ch, float* out, unsigned frames)
{
    SoundImpl* sound = ch->sound;
    // `taken` first: a seek asked for before a later take is then seen too.
    const std::uint64_t taken = ch->taken.load(std::memory_order_acquire);
    std::uint64_t played = ch->played.load(std::memory_order_relaxed);
    const std::int64_t seek = ch->seekRequest.exchange(-1, std::memory_order_acq_rel);
    if (seek >= 0) {
        ch->cursor = static_cast<double>(seek);
        played = ch->seekTaken.load(std::memory_order_relaxed);
        ch->played.store(played, std::memory_order_release);
        ch->waiting = true;
    }
    // A pause only keeps a channel from starting: what was taken in plays
    // out, so a pause around a write is never heard.
    const std::uint64_t backlog = taken > played ? taken - played : 0;
    const std::uint64_t startLevel =
        static_cast<std::uint64_t>(sound->regionFrames) * kStreamBufferStartRegions;
    if (ch->waiting) {
        if (backlog < startLevel || ch->paused.load(std::memory_order_relaxed))
            return;
        // What waited beyond the start level (the output was not running yet,
        // or stalled) is skipped, so no lasting delay builds up.
        const std::uint64_t skip = backlog - startLevel;
        ch->cursor = static_cast<double>((static_cast<std::uint64_t>(ch->cursor) + skip) % sound->frames);
        played += skip;
        ch->waiting = false;
    }
    const std::uint64_t ready = taken > played ? taken - played : 0;
    const float target =
        ch->mute.load(std::memory_order_relaxed) ? 0.0f : ch->volume.load(std::memory_order_relaxed);
    if (!ch->primed) {
        ch->lastGain = target;
        ch->primed = true;
    }
    const unsigned count = static_cast<unsigned>(std::min<std::uint64_t>(ready, frames));
    std::size_t at = static_cast<std::size_t>(ch->cursor);
    const int channels = std::min(sound->channels, 2);
    for (unsigned i = 0; i < count; ++i) {
        for (int c = 0; c < channels; ++c)
            scratch[2 * i + c] = sampleAt(sound, at, c);
        if (channels == 1)
            scratch[2 * i + 1] = scratch[2 * i];
        if (++at == sound->frames)
            at = 0;
    }
    mixFrames(out, scratch.data(), count, 2, ch->lastGain, target, frames);
    ch->lastGain = target;
    ch->cursor = static_cast<double>(at);
    ch->played.store(played + count, std::memory_order_release);
    if (count < frames) {
        ch->waiting = true;
        // A paused channel that played out is not short of sound.
        if (!ch->paused.load(std::memory_order_relaxed))
            ch->dryFrames.fetch_add(frames - count, std::memory_order_relaxed);
    }
}

void SystemImpl::publish()
{
    Graph* current = published.load();
    Graph* next = current == &graphs[0] ? &graphs[1] : &graphs[0];
    next->channels.clear();
    for (const auto& slot : channelSlots) {
        if (slot->inGraph)
            next->channels.push_back(slot.get());
    }
    next->units = master.chain;
    published.store(next);
    if (t_rendering == this)
        return;
    while (inUse.load() == current)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
}

void SystemImpl::forgetEndedChannels()
{
    bool changed = false;
    for (const auto& slot : channelSlots) {
        if (slot->inGraph && slot->ended.load()) {
            slot->inGraph = false;
            changed = true;
        }
    }
    if (changed)
        publish();
}

void SystemImpl::serviceStreams()
{
    std::lock_guard<std::mutex> lock(streamsMutex);
    for (Stream* stream : streams)
        stream->service();
}

void SystemImpl::startWorker()
{
    stopWorker = false;
    worker = std::thread([this] {
        runThreadStartHook("zaudio-decoder");
        std::unique_lock<std::mutex> lock(streamsMutex);
        while (!stopWorker) {
            for (Stream* stream : streams)
                stream->service();
            streamsWake.wait_for(lock, std::chrono::milliseconds(5));
        }
    });
}

void SystemImpl::stopStreamsWorker()
{
    {
        std::lock_guard<std::mutex> lock(streamsMutex);
        stopWorker = true;
    }
    streamsWake.notify_all();
    if (worker.joinable())
        worker.join();
}

// ------------------------------------------------------------------ System

Result createSystem(System* system, unsigned headerVersion)
{
    if (!system)
        return ErrInvalidParam;
    *system = System();
    if ((headerVersion >> 16) != (kHeaderVersion >> 16))
        return ErrVersion;
    auto impl = std::make_shared<SystemImpl>();
    impl->published.store(&impl->graphs[0]);
    SystemImpl* raw = impl.get();
    {
        std::lock_guard<std::mutex> lock(g_systemsMutex);
        g_systems->push_back(std::move(impl));
    }
    raw->handle = HandleTable::instance().add(Kind::System, raw, raw);
    raw->master.handle = HandleTable::instance().add(Kind::Group, &raw->master, raw);
    *system = System(raw->handle);
    return Ok;
}

namespace {

void listDrivers(SystemImpl* s)
{
    s->sinks.clear();
    s->sources.clear();
    if (s->outputType != OutputType::Pulse || s->activeOutput == OutputType::NoSound) {
        if (s->outputType != OutputType::Pulse) {
            DriverInfo nosound;
            nosound.name = nosound.description = "NoSound Driver";
            nosound.rate = s->rate;
            s->sinks.push_back(nosound);
        }
        s->driversListed = true;
        return;
    }
    if (!s->pulseTried) {
        s->pulseTried = true;
        s->pulse = connectPulse(&s->pulseError);
    }
    if (s->pulse)
        listPulseDevices(s->pulse.get(), &s->sinks, &s->sources);
    s->driversListed = true;
}

} // namespace

Result System::setOutput(OutputType output) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (a.system->initialized)
        return ErrInitialized;
    if (output != OutputType::Pulse && output != OutputType::NoSound && output != OutputType::Offline)
        return ErrInvalidParam;
    a.system->outputType = output;
    a.system->activeOutput = output;
    a.system->driversListed = false;
    return Ok;
}

Result System::getOutput(OutputType* output) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (!output)
        return ErrInvalidParam;
    *output = a.system->activeOutput;
    return Ok;
}

Result System::setBlockSize(unsigned frames) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (a.system->initialized)
        return ErrInitialized;
    if (frames < 16 || frames > 8192)
        return ErrInvalidParam;
    a.system->blockFrames = frames;
    return Ok;
}

Result System::init(int maxChannels, unsigned, void*) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (s->initialized)
        return ErrInitialized;
    if (maxChannels < 1 || maxChannels > 4096)
        return ErrInvalidParam;

    for (int i = 0; i < maxChannels; ++i) {
        auto slot = std::make_unique<ChannelImpl>();
        slot->system = s;
        s->channelSlots.push_back(std::move(slot));
    }
    for (Graph& graph : s->graphs) {
        graph.channels.reserve(static_cast<std::size_t>(maxChannels));
        graph.units.reserve(kMaxUnits);
    }
    s->master.chain.reserve(kMaxUnits);
    s->mix.assign(static_cast<std::size_t>(s->blockFrames) * 2, 0.0f);
    s->other.assign(s->mix.size(), 0.0f);
    s->scratch.assign(static_cast<std::size_t>(s->blockFrames) * Unit::kMaxChannels, 0.0f);

    if (s->outputType == OutputType::Offline) {
        s->offlineBlock.assign(s->mix.size(), 0.0f);
        s->initialized = true;
        s->driversListed = false;
        return Ok;
    }
    if (s->outputType == OutputType::Pulse) {
        if (!s->driversListed)
            listDrivers(s);
        if (!s->pulse) {
            logMessage(2, "[zaudio] No sound server (" + s->pulseError +
                              "); output goes to the NoSound Driver.");
        } else {
            std::string device;
            if (s->driver >= 0 && s->driver < static_cast<int>(s->sinks.size()))
                device = s->sinks[static_cast<std::size_t>(s->driver)].name;
            std::string error;
            s->output = createPulseOutput(s, s->pulse.get(), device, &error);
            if (!s->output)
                logMessage(4, "[zaudio] The sound server refused the playback stream (" + error +
                                  "); output goes to the NoSound Driver.");
        }
        if (!s->output)
            s->activeOutput = OutputType::NoSound;
    }
    if (!s->output)
        s->output = std::make_unique<NoSoundOutput>(s);
    s->startWorker();
    if (Result r = s->output->start(); r != Ok) {
        s->stopStreamsWorker();
        s->output.reset();
        return r;
    }
    s->initialized = true;
    return Ok;
}

Result System::getNumDrivers(int* count) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (!count)
        return ErrInvalidParam;
    listDrivers(a.system);
    *count = static_cast<int>(a.system->sinks.size());
    return Ok;
}

Result System::getDriverInfo(int driverId, char* name, int nameLength, Guid* guid, int* systemRate,
                             SpeakerMode* speakerMode, int* speakerModeChannels) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (!s->driversListed)
        listDrivers(s);
    if (driverId < 0 || driverId >= static_cast<int>(s->sinks.size()))
        return ErrInvalidParam;
    const DriverInfo& d = s->sinks[static_cast<std::size_t>(driverId)];
    describeDriver(d, d.description, name, nameLength, guid, systemRate, speakerMode, speakerModeChannels);
    return Ok;
}

Result System::getRecordNumDrivers(int* count, int* connected) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    listDrivers(a.system);
    const int n = static_cast<int>(a.system->sources.size());
    if (count)
        *count = n;
    if (connected)
        *connected = n;
    return Ok;
}

Result System::getRecordDriverInfo(int driverId, char* name, int nameLength, Guid* guid, int* systemRate,
                                   SpeakerMode* speakerMode, int* speakerModeChannels, unsigned* state) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (!s->driversListed)
        listDrivers(s);
    if (driverId < 0 || driverId >= static_cast<int>(s->sources.size()))
        return ErrInvalidParam;
    const DriverInfo& d = s->sources[static_cast<std::size_t>(driverId)];
    describeDriver(d, d.monitor ? d.description + " [loopback]" : d.description, name, nameLength, guid,
                   systemRate, speakerMode, speakerModeChannels);
    if (state)
        *state = DriverConnected | (d.isDefault ? DriverDefault : 0u);
    return Ok;
}

namespace {

// The server went away and came back (a restart): the dead connection and its
// stream are dropped and the output opens anew on `driverId` (the default
// device when there is no such driver). Sounds, channels and DSPs stay.
void reconnectPulse(SystemImpl* s, int driverId)
{
    if (s->output)
        s->output->stop();
    s->output.reset();
    s->pulse = connectPulse(&s->pulseError);
    s->sinks.clear();
    s->sources.clear();
    if (s->pulse)
        listPulseDevices(s->pulse.get(), &s->sinks, &s->sources);
    s->driversListed = true;
    std::string device;
    if (driverId >= 0 && driverId < static_cast<int>(s->sinks.size()))
        device = s->sinks[static_cast<std::size_t>(driverId)].name;
    std::string error = s->pulseError;
    if (s->pulse)
        s->output = createPulseOutput(s, s->pulse.get(), device, &error);
    if (!s->output || s->output->start() != Ok) {
        logMessage(4, "[zaudio] The sound server is still missing (" + error + "); the output stays silent.");
        s->output = std::make_unique<NoSoundOutput>(s);
        s->output->start();
        return;
    }
    logMessage(2, "[zaudio] Connected to the sound server again.");
}

} // namespace

Result System::setDriver(int driverId) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    // A playing system whose connection died, or that fell back to silence
    // after one did, opens its output again.
    if (s->initialized && s->outputType == OutputType::Pulse && s->activeOutput == OutputType::Pulse &&
        (!s->pulse || !pulseConnected(s->pulse.get())))
        reconnectPulse(s, driverId);
    if (!s->driversListed || s->activeOutput == OutputType::Pulse)
        listDrivers(s);
    if (driverId < 0 || driverId >= static_cast<int>(s->sinks.size()))
        return ErrInvalidParam;
    s->driver = driverId;
    if (s->initialized && s->output && s->activeOutput == OutputType::Pulse)
        return s->output->setDevice(s->sinks[static_cast<std::size_t>(driverId)].name);
    return Ok;
}

Result System::getDriver(int* driverId) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (!driverId)
        return ErrInvalidParam;
    SystemImpl* s = a.system;
    if (!s->driversListed)
        listDrivers(s);
    *driverId = 0;
    if (s->driver >= 0) {
        *driverId = s->driver;
    } else {
        for (std::size_t i = 0; i < s->sinks.size(); ++i) {
            if (s->sinks[i].isDefault)
                *driverId = static_cast<int>(i);
        }
    }
    return Ok;
}

Result System::createSound(const char* nameOrPath, unsigned mode, const CreateSoundExInfo* exinfo,
                           Sound* sound) const
{
    if (!sound)
        return ErrInvalidParam;
    *sound = Sound();
    int mixRate = 0;
    {
        Access a;
        if (Result r = access(id(), Kind::System, &a); r != Ok)
            return r;
        if (!a.system->initialized)
            return ErrUninitialized;
        mixRate = a.system->rate;
    }
    const unsigned loopBits = (mode & LoopNormal) ? LoopNormal : LoopOff;

    auto impl = std::make_unique<SoundImpl>();
    if (mode & OpenUser) {
        if (!exinfo || exinfo->cbSize != static_cast<int>(sizeof(CreateSoundExInfo)))
            return ErrInvalidParam;
        if (exinfo->numChannels < 1 || exinfo->numChannels > Unit::kMaxChannels ||
            exinfo->defaultFrequency < 1000 || exinfo->defaultFrequency > 768000)
            return ErrInvalidParam;
        int sampleBytes = 0;
        if (exinfo->format == SoundFormat::Pcm16)
            sampleBytes = 2;
        else if (exinfo->format == SoundFormat::PcmFloat)
            sampleBytes = 4;
        else
            return ErrFormat;
        impl->bytesPerFrame = static_cast<unsigned>(sampleBytes * exinfo->numChannels);
        impl->frames = exinfo->length / impl->bytesPerFrame;
        if (impl->frames == 0)
            return ErrInvalidParam;
        impl->format = exinfo->format;
        impl->channels = exinfo->numChannels;
        impl->rate = exinfo->defaultFrequency;
        impl->data.assign(static_cast<std::size_t>(impl->frames) * impl->bytesPerFrame, 0);
        // A stream buffer is read frame by frame, so only at the mixer's rate.
        const unsigned regionFrames = exinfo->decodeBufferSize / impl->bytesPerFrame;
        if (regionFrames > 0 && loopBits == LoopNormal && impl->rate == mixRate &&
            regionFrames * kStreamBufferRegions < impl->frames)
            impl->regionFrames = regionFrames;
    } else {
        // Files are always decoded ahead on the worker, whether or not the
        // caller asked for a stream: decoding never runs on the mixer.
        std::unique_ptr<Stream> stream;
        if (Result r = Stream::open(nameOrPath, mixRate, (mode & AccurateTime) != 0, &stream); r != Ok)
            return r;
        impl->channels = stream->channels();
        impl->rate = stream->sourceRate();
        impl->stream = std::move(stream);
        impl->stream->setLoopHint(loopBits == LoopNormal);
    }
    impl->mode.store((mode & ~(LoopOff | LoopNormal)) | loopBits);

    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    impl->system = s;
    impl->handle = HandleTable::instance().add(Kind::Sound, impl.get(), s);
    if (impl->stream) {
        std::lock_guard<std::mutex> lock(s->streamsMutex);
        s->streams.push_back(impl->stream.get());
    }
    *sound = Sound(impl->handle);
    s->sounds.push_back(std::move(impl));
    return Ok;
}

Result System::playSound(Sound sound, const ChannelGroup* group, bool paused, Channel* channel) const
{
    if (channel)
        *channel = Channel();
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (!s->initialized)
        return ErrUninitialized;
    void* object = nullptr;
    SystemImpl* owner = nullptr;
    if (!HandleTable::instance().find(sound.id(), Kind::Sound, &object, &owner))
        return ErrInvalidHandle;
    if (owner != s)
        return ErrDspOtherSystem;
    if (group && group->id() != s->master.handle)
        return ErrInvalidHandle;
    auto* snd = static_cast<SoundImpl*>(object);

    // A stream plays on one channel at a time; playing it again restarts it.
    if (snd->isStream()) {
        // Its last channel's slot may play another sound by now.
        if (snd->streamChannel && snd->streamChannel->sound == snd)
            snd->streamChannel->ended.store(true);
        if (snd->streamPlayed) {
            snd->stream->requestSeek(0);
            s->streamsWake.notify_all();
        }
        snd->streamPlayed = true;
    }
    s->forgetEndedChannels();
    // Slots are taken round-robin, so the handle of a channel that ended stays
    // answerable for as long as possible before its slot is reused.
    ChannelImpl* slot = nullptr;
    const std::size_t slotCount = s->channelSlots.size();
    for (std::size_t i = 0; i < slotCount && !slot; ++i) {
        ChannelImpl* candidate = s->channelSlots[(s->nextSlot + i) % slotCount].get();
        if (!candidate->inGraph) {
            slot = candidate;
            s->nextSlot = (s->nextSlot + i + 1) % slotCount;
        }
    }
    if (!slot)
        return ErrChannelAlloc;
    if (slot->handle)
        HandleTable::instance().remove(slot->handle);
    slot->handle = HandleTable::instance().add(Kind::Channel, slot, s);
    slot->sound = snd;
    slot->paused.store(paused);
    slot->mute.store(false);
    slot->volume.store(1.0f);
    slot->ended.store(false);
    slot->position.store(0);
    slot->seekRequest.store(-1);
    slot->cursor = 0.0;
    slot->primed = false;
    slot->taken.store(0);
    slot->played.store(0);
    slot->seekTaken.store(0);
    slot->untakenFrames = 0;
    slot->dryFrames.store(0);
    slot->waiting = true;
    slot->inGraph = true;
    if (snd->isStream())
        snd->streamChannel = slot;
    s->publish();
    if (channel)
        *channel = Channel(slot->handle);
    return Ok;
}

Result System::getMasterChannelGroup(ChannelGroup* group) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (!group)
        return ErrInvalidParam;
    *group = ChannelGroup(a.system->master.handle);
    return Ok;
}

Result System::createDSPByType(int type, DSP* dsp) const
{
    if (!dsp)
        return ErrInvalidParam;
    *dsp = DSP();
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (!s->initialized)
        return ErrUninitialized;
    std::unique_ptr<Unit> unit = createUnit(type);
    if (!unit)
        return ErrDspType;
    // The master chain runs on the stereo mix: no room for more channels.
    unit->setup(s->rate, s->blockFrames, 2);
    auto impl = std::make_unique<DSPImpl>();
    impl->system = s;
    impl->type = type;
    impl->unit = std::move(unit);
    impl->handle = HandleTable::instance().add(Kind::Dsp, impl.get(), s);
    *dsp = DSP(impl->handle);
    s->dsps.push_back(std::move(impl));
    return Ok;
}

Result System::createDSP(const DSPDescription* description, DSP* dsp) const
{
    if (!dsp)
        return ErrInvalidParam;
    *dsp = DSP();
    if (!description || description->numParameters < 0 ||
        (description->numParameters > 0 && !description->paramDesc))
        return ErrInvalidParam;
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (!s->initialized)
        return ErrUninitialized;
    auto impl = std::make_unique<DSPImpl>();
    impl->system = s;
    impl->description = *description;
    impl->state.instance = impl.get();
    impl->state.functions = &kStateFunctions;
    if (description->create) {
        if (Result r = description->create(&impl->state); r != Ok)
            return r;
    }
    impl->handle = HandleTable::instance().add(Kind::Dsp, impl.get(), s);
    *dsp = DSP(impl->handle);
    s->dsps.push_back(std::move(impl));
    return Ok;
}

Result System::update() const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (!a.system->initialized)
        return ErrUninitialized;
    a.system->forgetEndedChannels();
    return Ok;
}

Result System::getOutputUnderflows(std::uint64_t* count) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (!count)
        return ErrInvalidParam;
    *count = a.system->underflows.load(std::memory_order_relaxed);
    return Ok;
}

Result System::getMixerFormat(int* mixRate, unsigned* blockSize) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (mixRate)
        *mixRate = a.system->rate;
    if (blockSize)
        *blockSize = a.system->blockFrames;
    return Ok;
}

Result System::render(float* out, unsigned frames) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (!s->initialized)
        return ErrUninitialized;
    if (s->activeOutput != OutputType::Offline)
        return ErrBadCommand;
    if (!out && frames > 0)
        return ErrInvalidParam;
    while (frames > 0) {
        if (s->offlineLeft == 0) {
            s->serviceStreams();
            setMixerThread(true);
            s->renderBlock(s->offlineBlock.data());
            setMixerThread(false);
            s->offlineLeft = s->blockFrames;
        }
        const unsigned offset = s->blockFrames - s->offlineLeft;
        const unsigned take = std::min(frames, s->offlineLeft);
        std::memcpy(out, &s->offlineBlock[static_cast<std::size_t>(offset) * 2], sizeof(float) * 2 * take);
        out += 2 * take;
        frames -= take;
        s->offlineLeft -= take;
    }
    return Ok;
}

Result System::getBlockProcessor(BlockProcessor* processor) const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    if (!processor)
        return ErrInvalidParam;
    if (!a.system->initialized)
        return ErrUninitialized;
    if (a.system->activeOutput != OutputType::Offline)
        return ErrBadCommand;
    processor->m_system = a.system;
    processor->m_frames = a.system->blockFrames;
    return Ok;
}

void BlockProcessor::process(const float* in, float* out) const
{
    auto* system = static_cast<SystemImpl*>(m_system);
    setMixerThread(true);
    system->renderBlock(out, in);
    setMixerThread(false);
}

Result System::release() const
{
    Access a;
    if (Result r = access(id(), Kind::System, &a); r != Ok)
        return r;
    SystemImpl* s = a.system;
    if (s->output)
        s->output->stop();
    s->stopStreamsWorker();
    s->output.reset();
    s->pulse.reset();
    for (const auto& dsp : s->dsps) {
        if (!dsp->unit && dsp->description.release)
            dsp->description.release(&dsp->state);
        HandleTable::instance().remove(dsp->handle);
    }
    for (const auto& sound : s->sounds)
        HandleTable::instance().remove(sound->handle);
    for (const auto& slot : s->channelSlots) {
        if (slot->handle)
            HandleTable::instance().remove(slot->handle);
    }
    HandleTable::instance().remove(s->master.handle);
    HandleTable::instance().remove(s->handle);
    s->streams.clear();
    s->master.chain.clear();
    for (Graph& graph : s->graphs) {
        graph.channels.clear();
        graph.units.clear();
    }
    s->dsps.clear();
    s->sounds.clear();
    s->channelSlots.clear();
    for (auto* buffer : {&s->mix, &s->other, &s->scratch, &s->offlineBlock})
        std::vector<float>().swap(*buffer);
    s->released = true;
    std::lock_guard<std::mutex> lock(g_systemsMutex);
    g_systems->erase(
        std::find_if(g_systems->begin(), g_systems->end(),
                     [s](const std::shared_ptr<SystemImpl>& owned) { return owned.get() == s; }));
    return Ok;
}

} // namespace zaudio
