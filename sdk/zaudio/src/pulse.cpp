// The sound-server side: device lists and the low-latency playback stream.
//
// The stream's write callback runs on the client's mainloop thread and
// renders mixer blocks there directly, so no hand-over between threads adds
// latency. That thread is the mixer thread while it renders.

#include "core.h"

#include <pulse/pulseaudio.h>

#include <cstring>

namespace zaudio {

class PulseClient
{
public:
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;

    ~PulseClient()
    {
        if (loop)
            pa_threaded_mainloop_stop(loop);
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        if (loop)
            pa_threaded_mainloop_free(loop);
    }

    // Runs `op` and waits for it on the mainloop; the lock is held by the caller.
    void wait(pa_operation* op)
    {
        if (!op)
            return;
        while (pa_operation_get_state(op) == PA_OPERATION_RUNNING)
            pa_threaded_mainloop_wait(loop);
        pa_operation_unref(op);
    }
};

void PulseClientDeleter::operator()(PulseClient* client) const
{
    delete client;
}

namespace {

void signalLoop(pa_threaded_mainloop* loop)
{
    pa_threaded_mainloop_signal(loop, 0);
}

void onContextState(pa_context*, void* userdata)
{
    signalLoop(static_cast<PulseClient*>(userdata)->loop);
}

struct ListRequest
{
    PulseClient* client;
    std::vector<DriverInfo>* list;
    std::string defaultName;
};

DriverInfo driverFrom(const char* name, const char* description, std::uint32_t index,
                      const pa_sample_spec& sampleFormat, const pa_channel_map& map)
{
    DriverInfo d;
    d.name = name ? name : "";
    d.description = description && *description ? description : d.name;
    d.index = index;
    d.rate = static_cast<int>(sampleFormat.rate);
    d.channels = map.channels ? map.channels : sampleFormat.channels;
    return d;
}

void onSink(pa_context*, const pa_sink_info* info, int eol, void* userdata)
{
    auto* request = static_cast<ListRequest*>(userdata);
    if (eol || !info) {
        signalLoop(request->client->loop);
        return;
    }
    request->list->push_back(
        driverFrom(info->name, info->description, info->index, info->sample_spec, info->channel_map));
}

void onSource(pa_context*, const pa_source_info* info, int eol, void* userdata)
{
    auto* request = static_cast<ListRequest*>(userdata);
    if (eol || !info) {
        signalLoop(request->client->loop);
        return;
    }
    DriverInfo d =
        driverFrom(info->name, info->description, info->index, info->sample_spec, info->channel_map);
    d.monitor = info->monitor_of_sink != PA_INVALID_INDEX;
    request->list->push_back(d);
}

struct ServerDefaults
{
    PulseClient* client;
    std::string sink;
    std::string source;
};

void onServerInfo(pa_context*, const pa_server_info* info, void* userdata)
{
    auto* defaults = static_cast<ServerDefaults*>(userdata);
    if (info) {
        defaults->sink = info->default_sink_name ? info->default_sink_name : "";
        defaults->source = info->default_source_name ? info->default_source_name : "";
    }
    signalLoop(defaults->client->loop);
}

class PulseOutput : public Output
{
public:
    PulseOutput(SystemImpl* system, PulseClient* client) : m_system(system), m_client(client) {}
    ~PulseOutput() override { stop(); }

    Result open(const std::string& device, std::string* error)
    {
        m_block.assign(static_cast<std::size_t>(m_system->blockFrames) * 2, 0.0f);
        m_left = 0;
        m_started = false;
        m_device = device;
        pa_sample_spec sampleFormat;
        sampleFormat.format = PA_SAMPLE_FLOAT32LE;
        sampleFormat.rate = static_cast<std::uint32_t>(m_system->rate);
        sampleFormat.channels = 2;
        pa_threaded_mainloop_lock(m_client->loop);
        m_stream = pa_stream_new(m_client->context, "Zelvani output", &sampleFormat, nullptr);
        if (!m_stream) {
            *error = pa_strerror(pa_context_errno(m_client->context));
            pa_threaded_mainloop_unlock(m_client->loop);
            return ErrOutputInit;
        }
        pa_stream_set_state_callback(m_stream, &PulseOutput::onState, this);
        pa_stream_set_write_callback(m_stream, &PulseOutput::onWrite, this);
        pa_stream_set_underflow_callback(m_stream, &PulseOutput::onUnderflow, this);

        // About 10 ms in the server, asked for one block at a time.
        const std::uint32_t frameBytes = sizeof(float) * 2;
        pa_buffer_attr& attr = m_attr;
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.tlength = static_cast<std::uint32_t>(m_system->rate / 100) * frameBytes;
        attr.prebuf = static_cast<std::uint32_t>(-1);
        attr.minreq = m_system->blockFrames * frameBytes;
        attr.fragsize = static_cast<std::uint32_t>(-1);
        m_maxTarget = static_cast<std::uint32_t>(m_system->rate / 10) * frameBytes;
        const auto flags = static_cast<pa_stream_flags_t>(
            PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
        // A stream that did not open is let go: the next open makes another.
        const auto failed = [this, error] {
            *error = pa_strerror(pa_context_errno(m_client->context));
            dropStream(false);
            pa_threaded_mainloop_unlock(m_client->loop);
            return ErrOutputInit;
        };
        if (pa_stream_connect_playback(m_stream, device.empty() ? nullptr : device.c_str(), &attr, flags,
                                       nullptr, nullptr) < 0)
            return failed();
        for (;;) {
            const pa_stream_state_t state = pa_stream_get_state(m_stream);
            if (state == PA_STREAM_READY)
                break;
            if (!PA_STREAM_IS_GOOD(state))
                return failed();
            pa_threaded_mainloop_wait(m_client->loop);
        }
        pa_threaded_mainloop_unlock(m_client->loop);
        return Ok;
    }

    Result start() override { return m_stream ? Ok : ErrOutputInit; }

    void stop() override
    {
        if (!m_stream)
            return;
        pa_threaded_mainloop_lock(m_client->loop);
        dropStream(true);
        pa_threaded_mainloop_unlock(m_client->loop);
    }

    // Opens the stream anew on `device` rather than moving it: on PipeWire a
    // move is a note for the session manager, which is lost while one that
    // has just (re)started is not ready, and the stream then follows the
    // default device. A stream opened on a device is linked there whenever
    // the manager comes. Costs the few milliseconds the server held.
    Result setDevice(const std::string& device) override
    {
        if (m_stream && (device.empty() ? m_device.empty() : playsOn(device)))
            return Ok;
        stop();
        std::string error;
        if (open(device, &error) == Ok)
            return Ok;
        logMessage(4,
                   "[zaudio] Cannot play to " + device + " (" + error + "); playing to the default device.");
        if (open(std::string(), &error) != Ok)
            logMessage(4, "[zaudio] Cannot play to the default device either (" + error + ").");
        return ErrOutputDriverCall;
    }

private:
    // Lets the stream go, with no more callbacks; under the loop's lock.
    void dropStream(bool connected)
    {
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_underflow_callback(m_stream, nullptr, nullptr);
        if (connected)
            pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }

    // Whether the server plays the stream on `device` now: it moves a stream
    // whose device went, and a session manager may link it elsewhere.
    bool playsOn(const std::string& device) const
    {
        pa_threaded_mainloop_lock(m_client->loop);
        const char* name = pa_stream_get_device_name(m_stream);
        const bool same = name && device == name;
        pa_threaded_mainloop_unlock(m_client->loop);
        return same;
    }

    static void onState(pa_stream*, void* userdata)
    {
        auto* self = static_cast<PulseOutput*>(userdata);
        signalLoop(self->m_client->loop);
    }

    // The server ran out of our sound: the thread did not answer in time.
    // Each time the target grows by a block, up to 100 ms, so a busy machine
    // settles at a buffer it can keep filled instead of stuttering on.
    static void onUnderflow(pa_stream* stream, void* userdata)
    {
        auto* self = static_cast<PulseOutput*>(userdata);
        if (!self->m_started)
            return; // the stream starting, before the first write
        self->m_system->underflows.fetch_add(1, std::memory_order_relaxed);
        if (self->m_attr.tlength >= self->m_maxTarget)
            return;
        self->m_attr.tlength += self->m_system->blockFrames * static_cast<std::uint32_t>(sizeof(float) * 2);
        if (pa_operation* op = pa_stream_set_buffer_attr(stream, &self->m_attr, nullptr, nullptr))
            pa_operation_unref(op);
    }

    static void onWrite(pa_stream* stream, size_t bytes, void* userdata)
    {
        auto* self = static_cast<PulseOutput*>(userdata);
        if (!self->m_threadPrepared) {
            runThreadStartHook("zaudio-pulse");
            raiseToRealtime();
            self->m_threadPrepared = true;
        }
        while (bytes > 0) {
            void* data = nullptr;
            size_t length = bytes;
            if (pa_stream_begin_write(stream, &data, &length) < 0 || !data || length == 0)
                break;
            self->fill(static_cast<float*>(data), length / (sizeof(float) * 2));
            pa_stream_write(stream, data, length, nullptr, 0, PA_SEEK_RELATIVE);
            bytes -= std::min(bytes, length);
        }
        self->m_started = true;
    }

    void fill(float* out, size_t frames)
    {
        const unsigned block = m_system->blockFrames;
        while (frames > 0) {
            if (m_left == 0) {
                // Only the rendering: the client library around it allocates
                // now and then (timing updates), which is not the mixer's doing.
                setMixerThread(true);
                m_system->renderBlock(m_block.data());
                setMixerThread(false);
                m_left = block;
            }
            const unsigned offset = block - m_left;
            const unsigned take = static_cast<unsigned>(std::min<size_t>(frames, m_left));
            std::memcpy(out, &m_block[static_cast<std::size_t>(offset) * 2], sizeof(float) * 2 * take);
            out += 2 * take;
            frames -= take;
            m_left -= take;
        }
    }

    SystemImpl* m_system;
    PulseClient* m_client;
    pa_stream* m_stream = nullptr;
    std::vector<float> m_block;
    unsigned m_left = 0;
    std::string m_device; // what the stream was opened on; empty: the default
    bool m_threadPrepared = false;
    bool m_started = false; // the first write is done: underflows before it are the start's
    pa_buffer_attr m_attr{};
    std::uint32_t m_maxTarget = 0;
};

} // namespace

PulseClientPtr connectPulse(std::string* error)
{
    PulseClientPtr client(new PulseClient);
    client->loop = pa_threaded_mainloop_new();
    if (!client->loop) {
        *error = "cannot create the client loop";
        return nullptr;
    }
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Zelvani Voice Changer");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "org.zelvani.VoiceChanger");
    client->context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(client->loop),
                                                   "Zelvani Voice Changer", props);
    pa_proplist_free(props);
    if (!client->context) {
        *error = "cannot create the client context";
        return nullptr;
    }
    pa_context_set_state_callback(client->context, &onContextState, client.get());
    if (pa_context_connect(client->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        *error = pa_strerror(pa_context_errno(client->context));
        return nullptr;
    }
    pa_threaded_mainloop_lock(client->loop);
    if (pa_threaded_mainloop_start(client->loop) < 0) {
        pa_threaded_mainloop_unlock(client->loop);
        *error = "cannot start the client loop";
        return nullptr;
    }
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(client->context);
        if (state == PA_CONTEXT_READY)
            break;
        if (!PA_CONTEXT_IS_GOOD(state)) {
            *error = pa_strerror(pa_context_errno(client->context));
            pa_threaded_mainloop_unlock(client->loop);
            return nullptr;
        }
        pa_threaded_mainloop_wait(client->loop);
    }
    pa_threaded_mainloop_unlock(client->loop);
    return client;
}

bool pulseConnected(PulseClient* client)
{
    pa_threaded_mainloop_lock(client->loop);
    const bool ready = pa_context_get_state(client->context) == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(client->loop);
    return ready;
}

bool listPulseDevices(PulseClient* client, std::vector<DriverInfo>* sinks, std::vector<DriverInfo>* sources)
{
    pa_threaded_mainloop_lock(client->loop);
    if (pa_context_get_state(client->context) != PA_CONTEXT_READY) {
        pa_threaded_mainloop_unlock(client->loop);
        return false;
    }
    ServerDefaults defaults{client, {}, {}};
    client->wait(pa_context_get_server_info(client->context, &onServerInfo, &defaults));
    ListRequest sinkRequest{client, sinks, defaults.sink};
    client->wait(pa_context_get_sink_info_list(client->context, &onSink, &sinkRequest));
    ListRequest sourceRequest{client, sources, defaults.source};
    client->wait(pa_context_get_source_info_list(client->context, &onSource, &sourceRequest));
    pa_threaded_mainloop_unlock(client->loop);
    for (DriverInfo& d : *sinks)
        d.isDefault = d.name == defaults.sink;
    for (DriverInfo& d : *sources)
        d.isDefault = d.name == defaults.source;
    return true;
}

std::unique_ptr<Output> createPulseOutput(SystemImpl* system, PulseClient* client, const std::string& device,
                                          std::string* error)
{
    auto output = std::make_unique<PulseOutput>(system, client);
    if (output->open(device, error) != Ok)
        return nullptr;
    return output;
}

} // namespace zaudio
