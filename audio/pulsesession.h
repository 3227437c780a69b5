#pragma once

// A connection to the sound server on a threaded main loop of its own, with
// blocking helpers for the main thread: device lists, defaults, volumes and
// modules. Every helper takes the loop's lock itself; callers that touch the
// context directly hold a PulseLock.

#include <QByteArray>
#include <QList>
#include <QString>

#include <pulse/pulseaudio.h>

#include <functional>
#include <memory>

class PulseSession
{
public:
    // One sink or source as the server describes it.
    struct Device
    {
        bool source = false;
        std::uint32_t index = PA_INVALID_INDEX;
        QByteArray name;        // the server's stable name
        QString description;    // what people see: the endpoint's friendly name
        QByteArray monitorName; // sinks: the source that monitors it
        bool monitor = false;   // sources: monitors a sink
        std::uint32_t ownerModule = PA_INVALID_INDEX;
        pa_sample_spec sampleSpec{};
        pa_channel_map channelMap{};
        pa_cvolume volume{};
        // The active port's availability; unknown when the device has no ports.
        pa_port_available_t available = PA_PORT_AVAILABLE_UNKNOWN;
    };

    explicit PulseSession(const char* clientName);
    ~PulseSession();
    PulseSession(const PulseSession&) = delete;
    PulseSession& operator=(const PulseSession&) = delete;

    // Connects, waiting at most `timeoutMs`. False with `error` set when no
    // server answers; the session may try again later.
    bool connect(int timeoutMs, QString* error);
    bool isReady() const;
    void disconnect();

    pa_threaded_mainloop* loop() const { return m_loop; }
    pa_context* context() const { return m_context; }

    // Called on the loop thread when the connection fails or ends after it
    // was ready (the server went away). Set before connect().
    void setLostHandler(std::function<void()> handler) { m_lost = std::move(handler); }
    // Called on the loop thread for every subscription event.
    void setEventHandler(std::function<void(pa_subscription_event_type_t, std::uint32_t)> handler)
    {
        m_event = std::move(handler);
    }

    // Waits with the lock held until `op` ends, the connection fails or
    // `timeoutMs` passes; unrefs `op`. True when it completed.
    bool wait(pa_operation* op, int timeoutMs = kOperationTimeoutMs);
    // Waits with the lock held (once, not nested: the wait releases one level)
    // until `done` holds, the connection fails or `timeoutMs` passes.
    bool waitFor(const std::function<bool()>& done, int timeoutMs = kOperationTimeoutMs);
    QString lastError() const;

    bool listDevices(QList<Device>* sinks, QList<Device>* sources);
    bool defaultNames(QByteArray* sink, QByteArray* source);
    // Whether the server is PipeWire's PulseAudio service.
    bool onPipeWire();
    // The address the connection reached ("/run/user/1000/pulse/native" for
    // a local socket); empty when not connected.
    QByteArray serverAddress() const;
    bool setDefault(bool source, const QByteArray& name);
    bool setVolume(const Device& device, const pa_cvolume& volume);
    bool loadModule(const char* name, const QByteArray& arguments, std::uint32_t* index);
    bool unloadModule(std::uint32_t index);

    static Device deviceFrom(const pa_sink_info* info);
    static Device deviceFrom(const pa_source_info* info);

    static constexpr int kOperationTimeoutMs = 2000;

private:
    static void onState(pa_context* context, void* self);
    static void onEvent(pa_context* context, pa_subscription_event_type_t type, std::uint32_t index,
                        void* self);

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    QByteArray m_clientName;
    bool m_wasReady = false;
    std::function<void()> m_lost;
    std::function<void(pa_subscription_event_type_t, std::uint32_t)> m_event;
};

// Holds the loop's lock while it lives.
class PulseLock
{
public:
    explicit PulseLock(const PulseSession& session) : m_loop(session.loop())
    {
        pa_threaded_mainloop_lock(m_loop);
    }
    ~PulseLock() { pa_threaded_mainloop_unlock(m_loop); }
    PulseLock(const PulseLock&) = delete;
    PulseLock& operator=(const PulseLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};
