#pragma once

// zaudio: the real-time audio library of Zelvani.
//
// Object model: a System owns a mixer that renders fixed blocks through its
// master channel group: channels (user sounds and file streams) are mixed, the
// group's unit chain runs from tail to head (position 0 is the head, the
// output end), then the block goes to the output (PulseAudio, a real-time
// paced null output, or an offline pull for rendering and tests).
//
// Every object is reached through a small value handle. A default-constructed
// or stale handle (a released sound, a unit that failed to create) is safe to
// use: every call on it returns ErrInvalidHandle. All calls return a Result;
// 0 is success.
//
// Threads: the API may be called from any thread except the mixer thread
// (custom unit callbacks must not call it). The mixer never allocates, locks,
// logs or touches files; API calls reach it through atomics and a
// double-buffered graph that it picks up at the start of each block.

#include <cstdint>
#include <string>

namespace zaudio {

enum Result : int
{
    Ok = 0,
    ErrBadCommand = 1,
    ErrChannelAlloc = 2,
    ErrChannelStopped = 3,
    ErrDspChainFull = 4,
    ErrDspNotFound = 5,
    ErrDspType = 6,
    ErrDspOtherSystem = 7,
    ErrFileBad = 8,
    ErrFileNotFound = 9,
    ErrFormat = 10,
    ErrInitialized = 11,
    ErrInternal = 12,
    ErrInvalidFloat = 13,
    ErrInvalidHandle = 14,
    ErrInvalidPosition = 15,
    ErrNotStream = 16,
    ErrOutputInit = 17,
    ErrOutputDriverCall = 18,
    ErrUninitialized = 19,
    ErrUnsupported = 20,
    ErrVersion = 21,
    ErrStreamInUse = 22,
    ErrInvalidParam = 31,
    ErrMemory = 38,
};

// The library's text for a result code; "Unknown error." for codes it does
// not define.
const char* errorString(int result);

// Version of this header; createSystem refuses a different major version.
constexpr unsigned kHeaderVersion = 0x00010000;

// Mode bits of createSound and Sound::setMode.
enum Mode : unsigned
{
    ModeDefault = 0x0,
    LoopOff = 0x1,
    LoopNormal = 0x2,
    CreateStream = 0x80,
    OpenUser = 0x400,
    AccurateTime = 0x4000,
};

enum TimeUnit : unsigned
{
    TimeUnitMs = 1,
    TimeUnitPcm = 2,
    TimeUnitPcmBytes = 4,
};

enum class SoundFormat : int
{
    None = 0,
    Pcm16 = 2,
    PcmFloat = 5,
};

enum class SpeakerMode : int
{
    Default = 0,
    Raw = 1,
    Mono = 2,
    Stereo = 3,
    Quad = 4,
    Surround = 5,
    FivePointOne = 6,
    SevenPointOne = 7,
};

enum DriverState : unsigned
{
    DriverConnected = 1,
    DriverDefault = 2,
};

enum class OutputType : int
{
    Pulse = 0,   // a playback stream on the sound server; falls back to NoSound without one
    NoSound = 1, // paced in real time, discards the mix
    Offline = 2, // no thread: System::render pulls frames
};

struct Guid
{
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};
};

// "{%08X-%04X-%04X-%04X-%02X%02X%02X%02X%02X%02X}"
std::string formatGuid(const Guid& guid);

// Parameters of a user sound (OpenUser). cbSize must be sizeof(CreateSoundExInfo).
struct CreateSoundExInfo
{
    int cbSize = sizeof(CreateSoundExInfo);
    unsigned length = 0; // bytes
    int numChannels = 0;
    int defaultFrequency = 0;
    SoundFormat format = SoundFormat::None;
    // Bytes. 0: a plain sample, played from wherever its channel is. More
    // than 0 on a looping sound: a stream buffer (see below).
    unsigned decodeBufferSize = 0;
};

// A stream buffer is a looping user sound that a producer fills ahead of its
// channel through lock/unlock. Its channel never plays what was not written:
// - The channel takes in a written region when the region is unlocked and
//   starts at the channel's position; the position then moves to the
//   region's end. A channel holds at most kStreamBufferRegions regions of
//   decodeBufferSize taken in and not yet played; a region that finds it full
//   is taken as soon as there is room (checked when it is asked for its
//   position). Regions written elsewhere are kept as data and not taken.
// - So the position is the next frame the channel will take, and writing
//   decodeBufferSize bytes at the position each time the position has moved
//   plays every written frame exactly once, in order.
// - Playback starts (and starts again after running dry) once
//   kStreamBufferStartRegions regions are waiting; anything beyond that is
//   skipped then, so an output that was not running yet, or stalled, leaves
//   no lasting delay. A channel that runs dry plays silence and does not move.
// - Setting the position drops what was taken and not played.
// - The position moves only when a region is taken, never by playing.
// - Pausing keeps a channel from starting; what it has taken in plays out.
//   So a pause around a write is never heard, and a paused channel falls
//   silent once its written frames are played.
constexpr unsigned kStreamBufferRegions = 8;
constexpr unsigned kStreamBufferStartRegions = 3;

// ---------------------------------------------------------------- custom units

struct DSPState;

struct DSPStateFunctions
{
    // The mixer's block size in frames (the service a create callback uses).
    Result (*getBlockSize)(DSPState* state, unsigned* blockSize);
    Result (*getSampleRate)(DSPState* state, int* rate);
};

struct DSPState
{
    void* instance = nullptr;   // the library's unit; opaque
    void* pluginData = nullptr; // the unit's own state, set by its create callback
    const DSPStateFunctions* functions = nullptr;
};

enum class DSPParameterType : int
{
    Float = 0,
    Int = 1,
    Bool = 2,
    Data = 3,
};

struct DSPParameterFloatDesc
{
    float min = 0.0f;
    float max = 1.0f;
    float defaultValue = 0.0f;
    int mapping = 0; // 0 linear, 1 automatic
};

struct DSPParameterDataDesc
{
    int dataType = 0; // 0 user data
};

struct DSPParameterDesc
{
    DSPParameterType type = DSPParameterType::Float;
    char name[16] = {};
    char label[16] = {};
    const char* description = nullptr;
    DSPParameterFloatDesc floatDesc;
    DSPParameterDataDesc dataDesc;
};

using DSPCreateCallback = Result (*)(DSPState* state);
using DSPReleaseCallback = Result (*)(DSPState* state);
// Reads `length` frames of `inChannels` interleaved floats from `in` and writes
// the same layout to `out`. Runs on the mixer thread: no allocation, locks,
// logging or I/O, and no calls into this API. A result other than Ok passes
// the input through unchanged for that block.
using DSPReadCallback = Result (*)(DSPState* state, float* in, float* out, unsigned length, int inChannels,
                                   int* outChannels);
using DSPSetParamFloatCallback = Result (*)(DSPState* state, int index, float value);
using DSPGetParamFloatCallback = Result (*)(DSPState* state, int index, float* value, char* valueText);
using DSPGetParamDataCallback = Result (*)(DSPState* state, int index, void** data, unsigned* length,
                                           char* valueText);

// Describes a custom unit. Unset fields are zero. The record, its parameter
// descriptions and their texts must outlive every unit made from it.
struct DSPDescription
{
    unsigned pluginSdkVersion = 0;
    char name[32] = {};
    unsigned version = 0;
    int numInputBuffers = 0;
    int numOutputBuffers = 0;
    DSPCreateCallback create = nullptr;
    DSPReleaseCallback release = nullptr;
    DSPReadCallback read = nullptr;
    int numParameters = 0;
    DSPParameterDesc** paramDesc = nullptr;
    DSPSetParamFloatCallback setParameterFloat = nullptr;
    DSPGetParamFloatCallback getParameterFloat = nullptr;
    DSPGetParamDataCallback getParameterData = nullptr;
    void* userData = nullptr;
};

// --------------------------------------------------------------------- objects

class Handle
{
public:
    constexpr Handle() = default;
    constexpr explicit Handle(std::uint64_t id) : m_id(id) {}
    std::uint64_t id() const { return m_id; }
    bool isNull() const { return m_id == 0; }
    bool operator==(const Handle& other) const { return m_id == other.m_id; }
    bool operator!=(const Handle& other) const { return m_id != other.m_id; }

private:
    std::uint64_t m_id = 0;
};

class DSP : public Handle
{
public:
    using Handle::Handle;
    // Values outside a built-in unit's range are clamped. Indexes it does not
    // have give ErrInvalidParam.
    Result setParameterFloat(int index, float value) const;
    // valueText, when given, receives up to 32 characters.
    Result getParameterFloat(int index, float* value, char* valueText = nullptr,
                             int valueTextLength = 0) const;
    Result getParameterData(int index, void** data, unsigned* length, char* valueText = nullptr,
                            int valueTextLength = 0) const;
    Result getNumParameters(int* count) const;
    Result setBypass(bool bypass) const;
    Result getBypass(bool* bypass) const;
    // Built-in type code, or -1 for a custom unit.
    Result getType(int* type) const;
    // Latency the unit adds, in frames at the mixer rate.
    Result getLatency(int* frames) const;
    // Frames in which the unit lowered the level, since it was created: the
    // limiter counts them; ErrUnsupported for every other unit.
    Result getReductionFrames(std::uint64_t* frames) const;
    // Removes the unit from its group when it is in one, then frees it.
    Result release() const;
};

class Sound : public Handle
{
public:
    using Handle::Handle;
    // User sounds only. Bytes; region 2 holds what wraps past the end.
    Result lock(unsigned offset, unsigned length, void** ptr1, void** ptr2, unsigned* len1,
                unsigned* len2) const;
    Result unlock(void* ptr1, void* ptr2, unsigned len1, unsigned len2) const;
    Result getLength(unsigned* length, TimeUnit unit) const;
    // Only the loop bits change: LoopOff or LoopNormal; takes effect while playing.
    Result setMode(unsigned mode) const;
    Result getMode(unsigned* mode) const;
    Result getFormat(int* rate, int* channels) const;
    // Stops the channels playing it, then frees it.
    Result release() const;
};

class ChannelControl : public Handle
{
public:
    using Handle::Handle;
    Result setPaused(bool paused) const;
    Result getPaused(bool* paused) const;
    // A channel that has ended reports false with Ok.
    Result isPlaying(bool* playing) const;
    Result stop() const;
    Result setVolume(float volume) const;
    Result getVolume(float* volume) const;
    Result setMute(bool mute) const;
    Result getMute(bool* mute) const;
};

class Channel : public ChannelControl
{
public:
    using ChannelControl::ChannelControl;
    Result getPosition(unsigned* position, TimeUnit unit) const;
    Result setPosition(unsigned position, TimeUnit unit) const;
    Result getCurrentSound(Sound* sound) const;
    // Stream buffers: frames taken in and not yet played, and frames of
    // silence played since the channel started because it had run dry
    // (ErrBadCommand for other sounds).
    Result getBufferedFrames(unsigned* frames, std::uint64_t* dryFrames = nullptr) const;
};

class ChannelGroup : public ChannelControl
{
public:
    using ChannelControl::ChannelControl;
    // Inserts at `index` counted from the head (0 = output end). A unit that is
    // already in the chain moves. index may be at most the chain's length
    // (after the unit left its old place).
    Result addDSP(int index, DSP dsp) const;
    Result removeDSP(DSP dsp) const;
    Result getNumDSPs(int* count) const;
    Result getDSP(int index, DSP* dsp) const;
    Result getDSPIndex(DSP dsp, int* index) const;
};

class System : public Handle
{
public:
    using Handle::Handle;
    // Before init: which output to use (default Pulse) and the block size.
    Result setOutput(OutputType output) const;
    Result getOutput(OutputType* output) const;
    Result setBlockSize(unsigned frames) const;
    Result init(int maxChannels, unsigned flags = 0, void* extraDriverData = nullptr) const;

    Result getNumDrivers(int* count) const;
    Result getDriverInfo(int id, char* name, int nameLength, Guid* guid, int* systemRate,
                         SpeakerMode* speakerMode, int* speakerModeChannels) const;
    Result getRecordNumDrivers(int* count, int* connected) const;
    Result getRecordDriverInfo(int id, char* name, int nameLength, Guid* guid, int* systemRate,
                               SpeakerMode* speakerMode, int* speakerModeChannels, unsigned* state) const;
    // After init the output moves to the driver at once. A driver that is
    // already selected is selected again (the stream is re-routed).
    Result setDriver(int id) const;
    Result getDriver(int* id) const;

    Result createSound(const char* nameOrPath, unsigned mode, const CreateSoundExInfo* exinfo,
                       Sound* sound) const;
    // group null: the master group.
    Result playSound(Sound sound, const ChannelGroup* group, bool paused, Channel* channel) const;
    Result getMasterChannelGroup(ChannelGroup* group) const;
    Result createDSPByType(int type, DSP* dsp) const;
    Result createDSP(const DSPDescription* description, DSP* dsp) const;
    // Forgets channels that ended; the mixer picks up changes by itself.
    Result update() const;
    // Mixer rate and block size.
    Result getMixerFormat(int* rate, unsigned* blockSize) const;
    // Times the sound server ran out of this system's output. The output then
    // keeps a block more in the server, up to 100 ms.
    Result getOutputUnderflows(std::uint64_t* count) const;
    // Offline output only: renders `frames` stereo frames into `out`.
    Result render(float* out, unsigned frames) const;
    // Offline output only: a processor that runs given blocks through the
    // master group from a real-time thread (see BlockProcessor).
    Result getBlockProcessor(class BlockProcessor* processor) const;
    // Stops the output and frees every object of this system.
    Result release() const;
};

Result createSystem(System* system, unsigned headerVersion = kHeaderVersion);

// Runs blocks of an offline system's block size through its master group:
// `in` (interleaved stereo; null for silence) takes the place of the silence
// the channels are mixed onto, then the unit chain and the master volume
// make `out`. It takes no lock and does not allocate, so a real-time thread
// calls it while other threads change units and parameters; one thread at a
// time, and only while the system is not released.
class BlockProcessor
{
public:
    bool isNull() const { return m_system == nullptr; }
    unsigned blockFrames() const { return m_frames; }
    void process(const float* in, float* out) const;

private:
    friend class System;
    void* m_system = nullptr;
    unsigned m_frames = 0;
};

// --------------------------------------------------------------------- hooks

// Diagnostics (which output was chosen and why). Level 2 information, 4 error.
// Called only from API calls, never from the mixer.
using LogHandler = void (*)(int level, const char* text);
void setLogHandler(LogHandler handler);

// Called once at the start of every thread the library runs its work on
// (mixer, decoder, sound-server thread), before that thread does any work.
using ThreadStartHook = void (*)(const char* threadName);
void setThreadStartHook(ThreadStartHook hook);

// True on a thread while it renders mixer blocks.
bool isMixerThread();

} // namespace zaudio
