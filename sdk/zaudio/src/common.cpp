#include "core.h"

#include <atomic>
#include <cstdio>
#include <pthread.h>
#include <sched.h>

namespace zaudio {

namespace {

struct ErrorText
{
    int code;
    const char* text;
};

constexpr ErrorText kErrors[] = {
    {Ok, "No error."},
    {ErrBadCommand, "This operation is not available on this object or in its present state."},
    {ErrChannelAlloc, "No free channel is left; the system was initialised with too few channels."},
    {ErrChannelStopped, "The channel has stopped playing; start the sound again for a new channel."},
    {ErrDspChainFull, "The unit chain of the group is full."},
    {ErrDspNotFound, "The unit is not in this group's chain."},
    {ErrDspType, "No built-in unit has this type."},
    {ErrDspOtherSystem, "The object belongs to another system."},
    {ErrFileBad, "The file could not be read: it is damaged, truncated or not a regular file."},
    {ErrFileNotFound, "The file does not exist."},
    {ErrFormat,
     "The file's format is not supported (wav, flac, ogg/vorbis, opus and mp3 are; 1 to 8 channels)."},
    {ErrInitialized, "The system is already initialised."},
    {ErrInternal, "An internal error occurred in the audio library."},
    {ErrInvalidFloat, "A value is not a finite number."},
    {ErrInvalidHandle, "The handle is not valid: the object was released or never created."},
    {ErrInvalidPosition, "The position is outside the sound."},
    {ErrNotStream, "This operation needs a sound made in memory, not a file stream."},
    {ErrOutputInit, "The audio output could not be started."},
    {ErrOutputDriverCall, "The sound server refused a request."},
    {ErrUninitialized, "The system is not initialised yet."},
    {ErrUnsupported, "The object does not support this operation."},
    {ErrVersion, "The program was built for another version of the audio library."},
    {ErrStreamInUse, "The stream is busy."},
    {ErrInvalidParam, "An invalid parameter was passed."},
    {ErrMemory, "Not enough memory or resources."},
};

std::atomic<LogHandler> g_logHandler{nullptr};
std::atomic<ThreadStartHook> g_threadStartHook{nullptr};
thread_local bool t_mixer = false;

} // namespace

const char* errorString(int result)
{
    for (const ErrorText& entry : kErrors) {
        if (entry.code == result)
            return entry.text;
    }
    return "Unknown error.";
}

std::string formatGuid(const Guid& g)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%02X%02X%02X%02X%02X%02X}", g.data1, g.data2,
                  g.data3, (g.data4[0] << 8) | g.data4[1], g.data4[2], g.data4[3], g.data4[4], g.data4[5],
                  g.data4[6], g.data4[7]);
    return text;
}

void setLogHandler(LogHandler handler)
{
    g_logHandler.store(handler);
}

void setThreadStartHook(ThreadStartHook hook)
{
    g_threadStartHook.store(hook);
}

bool isMixerThread()
{
    return t_mixer;
}

void setMixerThread(bool on)
{
    t_mixer = on;
}

void logMessage(int level, const std::string& text)
{
    if (LogHandler handler = g_logHandler.load())
        handler(level, text.c_str());
}

void runThreadStartHook(const char* name)
{
    pthread_setname_np(pthread_self(), name); // shows in debuggers, top and crash reports
    if (ThreadStartHook hook = g_threadStartHook.load())
        hook(name);
}

bool raiseToRealtime()
{
    // A modest real-time priority keeps blocks on time when the desktop is
    // busy. Without the right (no RLIMIT_RTPRIO) the thread simply stays as it was.
    sched_param param{};
    param.sched_priority = 10;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0;
}

HandleTable& HandleTable::instance()
{
    static HandleTable* table = new HandleTable; // outlives every static destructor
    return *table;
}

std::uint64_t HandleTable::add(Kind kind, void* object, SystemImpl* system)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::uint32_t index;
    if (!m_free.empty()) {
        index = m_free.back();
        m_free.pop_back();
    } else {
        index = static_cast<std::uint32_t>(m_entries.size());
        m_entries.emplace_back();
    }
    Entry& entry = m_entries[index];
    entry.object = object;
    entry.system = system;
    entry.kind = kind;
    return (static_cast<std::uint64_t>(entry.generation) << 32) | (index + 1);
}

void HandleTable::remove(std::uint64_t id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::uint32_t index = static_cast<std::uint32_t>(id & 0xffffffffu) - 1;
    if (index >= m_entries.size() || m_entries[index].generation != (id >> 32) || !m_entries[index].object)
        return;
    Entry& entry = m_entries[index];
    entry.object = nullptr;
    entry.system = nullptr;
    if (++entry.generation == 0)
        entry.generation = 1;
    m_free.push_back(index);
}

const HandleTable::Entry* HandleTable::lookup(std::uint64_t id, Kind kind) const
{
    const std::uint32_t low = static_cast<std::uint32_t>(id & 0xffffffffu);
    if (low == 0 || low > m_entries.size())
        return nullptr;
    const Entry& entry = m_entries[low - 1];
    if (entry.generation != (id >> 32) || !entry.object || entry.kind != kind)
        return nullptr;
    return &entry;
}

bool HandleTable::find(std::uint64_t id, Kind kind, void** object, SystemImpl** system)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Entry* entry = lookup(id, kind);
    if (!entry)
        return false;
    *object = entry->object;
    *system = entry->system;
    return true;
}

bool HandleTable::find(std::uint64_t id, Kind kind, void** object, std::shared_ptr<SystemImpl>* system)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Entry* entry = lookup(id, kind);
    if (!entry)
        return false;
    *object = entry->object;
    // A system's handles leave the table before its last owner lets it go,
    // so one found here is still owned.
    *system = entry->system->shared_from_this();
    return true;
}

} // namespace zaudio
