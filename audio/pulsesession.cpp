#include "pulsesession.h"

#include <pulse/timeval.h>

namespace {

void signalLoop(pa_threaded_mainloop* loop)
{
    pa_threaded_mainloop_signal(loop, 0);
}

// An operation's reply: a list of infos, ended by eol, or a success flag.
template <typename Info> struct ListReply
{
    pa_threaded_mainloop* loop;
    QList<PulseSession::Device>* devices;

    static void callback(pa_context*, const Info* info, int eol, void* self)
    {
        auto* reply = static_cast<ListReply*>(self);
        if (eol || !info) {
            signalLoop(reply->loop);
            return;
        }
        reply->devices->append(PulseSession::deviceFrom(info));
    }
};

struct SuccessReply
{
    pa_threaded_mainloop* loop;
    bool success = false;
    std::uint32_t index = PA_INVALID_INDEX;

    static void callback(pa_context*, int success, void* self)
    {
        auto* reply = static_cast<SuccessReply*>(self);
        reply->success = success != 0;
        signalLoop(reply->loop);
    }
    static void indexCallback(pa_context*, std::uint32_t index, void* self)
    {
        auto* reply = static_cast<SuccessReply*>(self);
        reply->index = index;
        reply->success = index != PA_INVALID_INDEX;
        signalLoop(reply->loop);
    }
};

struct Deadline
{
    pa_threaded_mainloop* loop;
    bool passed = false;

    static void callback(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self)
    {
        auto* deadline = static_cast<Deadline*>(self);
        deadline->passed = true;
        signalLoop(deadline->loop);
    }
};

// A timer on the loop that wakes a waiter once `timeoutMs` has passed.
class DeadlineTimer
{
public:
    DeadlineTimer(pa_threaded_mainloop* loop, int timeoutMs)
        : m_api(pa_threaded_mainloop_get_api(loop)), m_deadline{loop}
    {
        struct timeval when;
        pa_gettimeofday(&when);
        pa_timeval_add(&when, static_cast<pa_usec_t>(timeoutMs) * PA_USEC_PER_MSEC);
        m_event = m_api->time_new(m_api, &when, &Deadline::callback, &m_deadline);
    }
    ~DeadlineTimer()
    {
        if (m_event)
            m_api->time_free(m_event);
    }
    DeadlineTimer(const DeadlineTimer&) = delete;
    DeadlineTimer& operator=(const DeadlineTimer&) = delete;

    bool passed() const { return m_deadline.passed; }

private:
    pa_mainloop_api* m_api;
    Deadline m_deadline;
    pa_time_event* m_event = nullptr;
};

} // namespace

PulseSession::PulseSession(const char* clientName) : m_clientName(clientName)
{
    m_loop = pa_threaded_mainloop_new();
    if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

PulseSession::~PulseSession()
{
    disconnect();
    if (m_loop) {
        pa_threaded_mainloop_stop(m_loop);
        pa_threaded_mainloop_free(m_loop);
    }
}

void PulseSession::onState(pa_context* context, void* self)
{
    auto* session = static_cast<PulseSession*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY)
        session->m_wasReady = true;
    if (!PA_CONTEXT_IS_GOOD(state) && session->m_wasReady) {
        session->m_wasReady = false;
        if (session->m_lost)
            session->m_lost();
    }
    signalLoop(session->m_loop);
}

void PulseSession::onEvent(pa_context*, pa_subscription_event_type_t type, std::uint32_t index, void* self)
{
    auto* session = static_cast<PulseSession*>(self);
    if (session->m_event)
        session->m_event(type, index);
}

bool PulseSession::connect(int timeoutMs, QString* error)
{
    if (!m_loop) {
        *error = QStringLiteral("cannot start the client loop");
        return false;
    }
    disconnect();
    PulseLock lock(*this);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Zelvani Voice Changer");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.zelvani.VoiceChanger");
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), m_clientName.constData(),
                                             properties);
    pa_proplist_free(properties);
    if (!m_context) {
        *error = QStringLiteral("cannot create the client context");
        return false;
    }
    pa_context_set_state_callback(m_context, &PulseSession::onState, this);
    pa_context_set_subscribe_callback(m_context, &PulseSession::onEvent, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        *error = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
        return false;
    }
    DeadlineTimer deadline(m_loop, timeoutMs);
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(state)) {
            *error = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
            return false;
        }
        if (deadline.passed()) {
            *error = QStringLiteral("the sound server did not answer within %1 ms").arg(timeoutMs);
            return false;
        }
        pa_threaded_mainloop_wait(m_loop);
    }
}

bool PulseSession::isReady() const
{
    if (!m_context)
        return false;
    PulseLock lock(*this);
    return pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

void PulseSession::disconnect()
{
    if (!m_context)
        return;
    PulseLock lock(*this);
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
    m_wasReady = false;
}

bool PulseSession::wait(pa_operation* op, int timeoutMs)
{
    if (!op)
        return false;
    waitFor([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; }, timeoutMs);
    const bool done = pa_operation_get_state(op) == PA_OPERATION_DONE;
    if (!done)
        pa_operation_cancel(op);
    pa_operation_unref(op);
    return done;
}

bool PulseSession::waitFor(const std::function<bool()>& done, int timeoutMs)
{
    DeadlineTimer deadline(m_loop, timeoutMs);
    for (;;) {
        if (done())
            return true;
        if (!m_context || pa_context_get_state(m_context) != PA_CONTEXT_READY || deadline.passed())
            return false;
        pa_threaded_mainloop_wait(m_loop);
    }
}

QString PulseSession::lastError() const
{
    if (!m_context)
        return QStringLiteral("not connected");
    return QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
}

namespace {

// What sinks and sources have in common.
template <typename Info> PulseSession::Device commonFields(const Info* info)
{
    PulseSession::Device device;
    device.index = info->index;
    device.name = info->name;
    device.description =
        QString::fromUtf8(info->description && *info->description ? info->description : info->name);
    device.ownerModule = info->owner_module;
    device.sampleSpec = info->sample_spec;
    device.channelMap = info->channel_map;
    device.volume = info->volume;
    if (info->active_port)
        device.available = static_cast<pa_port_available_t>(info->active_port->available);
    return device;
}

} // namespace

PulseSession::Device PulseSession::deviceFrom(const pa_sink_info* info)
{
    Device device = commonFields(info);
    device.monitorName = info->monitor_source_name ? info->monitor_source_name : "";
    return device;
}

PulseSession::Device PulseSession::deviceFrom(const pa_source_info* info)
{
    Device device = commonFields(info);
    device.source = true;
    device.monitor = info->monitor_of_sink != PA_INVALID_INDEX;
    return device;
}

bool PulseSession::listDevices(QList<Device>* sinks, QList<Device>* sources)
{
    if (!isReady())
        return false;
    PulseLock lock(*this);
    ListReply<pa_sink_info> sinkReply{m_loop, sinks};
    if (!wait(pa_context_get_sink_info_list(m_context, &ListReply<pa_sink_info>::callback, &sinkReply)))
        return false;
    ListReply<pa_source_info> sourceReply{m_loop, sources};
    return wait(
        pa_context_get_source_info_list(m_context, &ListReply<pa_source_info>::callback, &sourceReply));
}

namespace {

struct DefaultsReply
{
    pa_threaded_mainloop* loop;
    QByteArray sink;
    QByteArray source;
    QByteArray server;

    static void callback(pa_context*, const pa_server_info* info, void* self)
    {
        auto* reply = static_cast<DefaultsReply*>(self);
        if (info) {
            reply->server = info->server_name ? info->server_name : "";
            reply->sink = info->default_sink_name ? info->default_sink_name : "";
            reply->source = info->default_source_name ? info->default_source_name : "";
        }
        signalLoop(reply->loop);
    }
};

} // namespace

bool PulseSession::defaultNames(QByteArray* sink, QByteArray* source)
{
    if (!isReady())
        return false;
    PulseLock lock(*this);
    DefaultsReply reply{m_loop, {}, {}, {}};
    if (!wait(pa_context_get_server_info(m_context, &DefaultsReply::callback, &reply)))
        return false;
    *sink = reply.sink;
    *source = reply.source;
    return true;
}

bool PulseSession::onPipeWire()
{
    if (!isReady())
        return false;
    PulseLock lock(*this);
    DefaultsReply reply{m_loop, {}, {}, {}};
    return wait(pa_context_get_server_info(m_context, &DefaultsReply::callback, &reply)) &&
           reply.server.contains("PipeWire");
}

QByteArray PulseSession::serverAddress() const
{
    if (!isReady())
        return {};
    PulseLock lock(*this);
    const char* server = pa_context_get_server(m_context);
    return server ? QByteArray(server) : QByteArray();
}

bool PulseSession::setDefault(bool source, const QByteArray& name)
{
    if (!isReady())
        return false;
    PulseLock lock(*this);
    SuccessReply reply{m_loop};
    pa_operation* op =
        source ? pa_context_set_default_source(m_context, name.constData(), &SuccessReply::callback, &reply)
               : pa_context_set_default_sink(m_context, name.constData(), &SuccessReply::callback, &reply);
    return wait(op) && reply.success;
}

bool PulseSession::setVolume(const Device& device, const pa_cvolume& volume)
{
    if (!isReady())
        return false;
    PulseLock lock(*this);
    SuccessReply reply{m_loop};
    pa_operation* op = device.source ? pa_context_set_source_volume_by_index(m_context, device.index, &volume,
                                                                             &SuccessReply::callback, &reply)
                                     : pa_context_set_sink_volume_by_index(m_context, device.index, &volume,
                                                                           &SuccessReply::callback, &reply);
    return wait(op) && reply.success;
}

bool PulseSession::loadModule(const char* name, const QByteArray& arguments, std::uint32_t* index)
{
    if (!isReady())
        return false;
    PulseLock lock(*this);
    SuccessReply reply{m_loop};
    const bool done = wait(
        pa_context_load_module(m_context, name, arguments.constData(), &SuccessReply::indexCallback, &reply));
    if (index)
        *index = reply.index;
    return done && reply.success;
}

bool PulseSession::unloadModule(std::uint32_t index)
{
    if (!isReady())
        return false;
    PulseLock lock(*this);
    SuccessReply reply{m_loop};
    return wait(pa_context_unload_module(m_context, index, &SuccessReply::callback, &reply)) && reply.success;
}
