#pragma once

// Internal objects behind the handles of zaudio.h.

#include "stream.h"
#include "zaudio/unit.h"
#include "zaudio/zaudio.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zaudio {

struct SystemImpl;
class Output;
class PulseClient;
struct PulseClientDeleter
{
    void operator()(PulseClient* client) const;
};
using PulseClientPtr = std::unique_ptr<PulseClient, PulseClientDeleter>;

enum class Kind : std::uint8_t
{
    System = 1,
    Sound,
    Channel,
    Group,
    Dsp
};

// Maps handle ids to objects. An id carries a generation, so the id of a freed
// object never finds the object that later takes its slot.
class HandleTable
{
public:
    static HandleTable& instance();
    std::uint64_t add(Kind kind, void* object, SystemImpl* system);
    void remove(std::uint64_t id);
    bool find(std::uint64_t id, Kind kind, void** object, SystemImpl** system);
    // As find, and keeps the system alive while `system` holds it: a call
    // that resolved a handle may wait for the system's lock while another
    // thread releases it.
    bool find(std::uint64_t id, Kind kind, void** object, std::shared_ptr<SystemImpl>* system);

private:
    struct Entry
    {
        void* object = nullptr;
        SystemImpl* system = nullptr;
        std::uint32_t generation = 1;
        Kind kind = Kind::System;
    };
    const Entry* lookup(std::uint64_t id, Kind kind) const; // under m_mutex
    std::mutex m_mutex;
    std::vector<Entry> m_entries;
    std::vector<std::uint32_t> m_free;
};

struct SoundImpl
{
    SystemImpl* system = nullptr;
    std::uint64_t handle = 0;
    std::atomic<unsigned> mode{0};
    int rate = 0;
    int channels = 0;
    // User sound: PCM in memory, written through lock/unlock.
    SoundFormat format = SoundFormat::None;
    std::vector<std::uint8_t> data;
    unsigned frames = 0;
    unsigned bytesPerFrame = 0;
    // File stream: decoded ahead by the system's worker.
    std::unique_ptr<Stream> stream;
    struct ChannelImpl* streamChannel = nullptr;
    bool streamPlayed = false;
    // Stream buffer: frames per region, 0 for a plain sample.
    unsigned regionFrames = 0;

    bool isStream() const { return stream != nullptr; }
    // Length in frames at the sound's own rate, and the bytes of one such frame.
    std::uint64_t lengthFrames() const { return stream ? stream->sourceFrames() : frames; }
    std::uint64_t frameBytes() const
    {
        return stream ? static_cast<std::uint64_t>(channels) *
                            static_cast<std::uint64_t>(stream->bytesPerSample())
                      : bytesPerFrame;
    }
    bool loops() const { return (mode.load(std::memory_order_relaxed) & LoopNormal) != 0; }
    bool isStreamBuffer() const { return regionFrames > 0; }
};

struct ChannelImpl
{
    SystemImpl* system = nullptr;
    std::uint64_t handle = 0;
    SoundImpl* sound = nullptr;
    bool inGraph = false; // API side: part of the published graph
    std::atomic<bool> paused{false};
    std::atomic<bool> mute{false};
    std::atomic<float> volume{1.0f};
    std::atomic<bool> ended{false};
    std::atomic<std::uint64_t> position{0};    // user sounds: frames at the sound's rate
    std::atomic<std::int64_t> seekRequest{-1}; // user sounds: frame to jump to
    // Stream buffers: frames taken in (API side) and played (mixer side),
    // both counted since the channel started; `position` is the take mark.
    std::atomic<std::uint64_t> taken{0};
    std::atomic<std::uint64_t> played{0};
    std::atomic<std::uint64_t> seekTaken{0}; // `taken` when the last seek was asked for
    std::atomic<std::uint64_t> dryFrames{0}; // silence played because nothing was written in time
    // API side: a written region at the take mark that found the channel full.
    unsigned untakenFrames = 0;
    // Mixer only.
    bool waiting = true; // stream buffer: filling up before (re)starting
    double cursor = 0.0;
    float lastGain = 0.0f;
    bool primed = false;
};

struct DSPImpl
{
    SystemImpl* system = nullptr;
    std::uint64_t handle = 0;
    int type = -1;
    std::unique_ptr<Unit> unit; // built-in
    DSPDescription description; // custom
    DSPState state;
    std::atomic<bool> bypass{false};
    bool inChain = false; // API side
};

struct GroupImpl
{
    std::uint64_t handle = 0;
    std::atomic<bool> paused{false};
    std::atomic<bool> mute{false};
    std::atomic<float> volume{1.0f};
    std::vector<DSPImpl*> chain; // API side, head first
    float lastGain = 1.0f;       // mixer only
};

// What the mixer renders; two of them alternate so publishing never allocates
// on the mixer side and never frees what the mixer still reads.
struct Graph
{
    std::vector<ChannelImpl*> channels;
    std::vector<DSPImpl*> units; // head first
};

struct DriverInfo
{
    std::string name;        // the server's stable name
    std::string description; // shown name
    std::uint32_t index = 0;
    int rate = 48000;
    int channels = 2;
    bool monitor = false;
    bool isDefault = false;
};

struct SystemImpl : std::enable_shared_from_this<SystemImpl>
{
    std::uint64_t handle = 0;
    std::mutex api; // serialises API calls on this system; never taken by the mixer
    bool initialized = false;
    bool released = false;
    OutputType outputType = OutputType::Pulse;
    OutputType activeOutput = OutputType::Pulse;
    int rate = 48000;
    unsigned blockFrames = 256;
    int driver = -1; // -1: the server's default device
    std::vector<DriverInfo> sinks;
    std::vector<DriverInfo> sources;
    bool driversListed = false;

    std::vector<std::unique_ptr<ChannelImpl>> channelSlots;
    std::size_t nextSlot = 0;
    std::vector<std::unique_ptr<SoundImpl>> sounds;
    std::vector<std::unique_ptr<DSPImpl>> dsps;
    GroupImpl master;

    Graph graphs[2];
    std::atomic<Graph*> published{nullptr};
    std::atomic<Graph*> inUse{nullptr};

    // Times the sound server ran out of this system's output.
    std::atomic<std::uint64_t> underflows{0};

    PulseClientPtr pulse;
    bool pulseTried = false;
    std::string pulseError;
    std::unique_ptr<Output> output;

    // Stream decoding: a worker in real-time modes, the render call offline.
    std::mutex streamsMutex;
    std::condition_variable streamsWake;
    std::vector<Stream*> streams;
    std::thread worker;
    bool stopWorker = false;

    // Mixer scratch, sized at init.
    std::vector<float> mix;
    std::vector<float> scratch;
    std::vector<float> other;
    std::vector<float> offlineBlock;
    unsigned offlineLeft = 0;

    // Renders one block of blockFrames stereo frames (mixer thread); `input`,
    // when given, is the block the channels are mixed onto.
    void renderBlock(float* out, const float* input = nullptr);
    // Mixes a stream buffer's channel: only frames taken in, never ahead.
    void mixStreamBuffer(ChannelImpl* channel, float* out, unsigned frames);
    // Publishes the API-side state to the mixer and waits until the mixer no
    // longer reads the previous graph.
    void publish();
    void forgetEndedChannels();
    void serviceStreams();
    void startWorker();
    void stopStreamsWorker();
};

// The output end of a system.
class Output
{
public:
    virtual ~Output() = default;
    virtual Result start() = 0;
    virtual void stop() = 0;
    // Plays to another device from now on; empty name: the default one.
    virtual Result setDevice(const std::string&) { return Ok; }
};

std::unique_ptr<Output> createNoSoundOutput(SystemImpl* system);

// Sound server access; null when no server answers (error says why).
PulseClientPtr connectPulse(std::string* error);
// Whether the connection still stands (false once the server went away).
bool pulseConnected(PulseClient* client);
bool listPulseDevices(PulseClient* client, std::vector<DriverInfo>* sinks, std::vector<DriverInfo>* sources);
// The output keeps using `client`, which must outlive it.
std::unique_ptr<Output> createPulseOutput(SystemImpl* system, PulseClient* client, const std::string& device,
                                          std::string* error);

void logMessage(int level, const std::string& text);
void runThreadStartHook(const char* name);
// Asks for real-time scheduling of the calling mixer thread; false when refused.
bool raiseToRealtime();
void setMixerThread(bool on);
void md5(const void* data, std::size_t length, std::uint8_t digest[16]);

} // namespace zaudio
