#include "audiocapturepulse.h"

#include "audiodevice.h"
#include "pulsesession.h"

#include "spdlog_qt"

#include <QMetaObject>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kReconnectIntervalMs = 500;
constexpr int kSwitchDelayMs = 100;
constexpr int kLookupTries = 3;
constexpr int kLookupPauseMs = 100;
// Meters deliver one peak value per 10 ms, so a 100 Hz poll misses nothing.
constexpr std::uint32_t kMeterRate = 100;

quint64 deviceKey(bool source, std::uint32_t index)
{
    return (quint64(source) << 32) | index;
}

const char* streamError(pa_stream* stream)
{
    return pa_strerror(pa_context_errno(pa_stream_get_context(stream)));
}

} // namespace

// One device the server has: its description is the key of the table.
struct Endpoint
{
    PulseSession::Device device;
    pa_stream* meter = nullptr;
    float meterPeak = 0.0f; // loudest value since the last read
    bool meterFresh = false;
    float lastPeak = 0.0f;

    int flow() const { return device.source ? DeviceInput : DeviceOutput; }
    // The source that carries the device's sound: its monitor for an output.
    QByteArray recordSource() const { return device.source ? device.name : device.monitorName; }
};

// What the capture stream's callbacks need; freed with the stream.
struct CaptureStream
{
    AudioCapturePulse* owner;
    PulseSession* session; // whose loop runs the stream
    pa_stream* stream;
    quint64 generation;
    int channels;
    QString deviceName;
    // Samples of a packet still short of 10 ms: the server hands out smaller
    // fragments, and the engine's queue thresholds count on whole packets.
    std::vector<float> pending;
};

struct AudioCapturePulse::Private
{
    explicit Private(AudioCapturePulse* owner) : q(owner) {}

    AudioCapturePulse* q;
    DeviceNotifier* notifier = nullptr;
    PulseSession session{"Zelvani Voice Changer capture"};

    // Times the server dropped captured sound because it was not read in time.
    std::atomic<std::uint64_t> overflows{0};
    std::atomic<std::uint64_t> droppedFrames{0};

    // Set once before capturing: where fragments go instead of pcmReadData.
    PulseSession* voiceSession = nullptr;
    BlockHandler handler;
    int maxBacklogFrames = 0;
    Router router;
    PulseSession& streamSession() { return voiceSession ? *voiceSession : session; }

    // Guarded by the session's loop lock: the loop thread updates them.
    std::map<QString, std::unique_ptr<Endpoint>> endpoints;
    quint64 tableVersion = 0;
    // Devices announced as new whose details are still on their way: they are
    // reported ACTIVE even when a table refresh saw them first.
    QSet<quint64> announced;

    // GUI thread only.
    CaptureStream* capture = nullptr;
    bool routed = false; // the router captures
    bool stopRequested = false;
    int channels = 1;
    quint64 generation = 0;          // packets of an older generation are dropped
    QString wantedName;              // the device capture should run on
    QHash<QString, quint64> missing; // name -> table version when a lookup last failed
    QTimer reconnectTimer;

    void connectServer();
    void onServerLost();
    void refreshTable();
    void mergeDevices(const QList<PulseSession::Device>& devices);
    Endpoint* find(const QString& name); // lock held
    bool lookup(const QString& name, PulseSession::Device* device);
    void closeStream();
    void closeMeter(Endpoint* endpoint); // lock held
    bool openMeter(Endpoint* endpoint);  // lock held
    void deliver(quint64 packetGeneration, const QSharedPointer<float>& samples, int count);
    void handOver(CaptureStream* capture, pa_stream* stream); // the loop thread of a block handler
    void captureEnded(quint64 streamGeneration, const QString& reason);
    void reportState(int flow, const QString& name, int state);

    // Loop thread.
    void onServerEvent(pa_subscription_event_type_t type, std::uint32_t index);
    void onDeviceInfo(const PulseSession::Device& device);
    void post(std::function<void()> call)
    {
        QMetaObject::invokeMethod(q, std::move(call), Qt::QueuedConnection);
    }

    static void onCaptureRead(pa_stream* stream, size_t, void* userdata);
    static void onCaptureState(pa_stream* stream, void* userdata);
    static void onMeterRead(pa_stream* stream, size_t, void* userdata);
};

// ------------------------------------------------------------ connection

void AudioCapturePulse::Private::connectServer()
{
    QString error;
    if (!session.connect(kConnectTimeoutMs, &error)) {
        if (!reconnectTimer.isActive()) {
            LogError(QStringLiteral("[capture] no sound server: %1").arg(error));
            reconnectTimer.start();
        }
        return;
    }
    {
        PulseLock lock(session);
        pa_operation* op = pa_context_subscribe(
            session.context(),
            static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE),
            nullptr, nullptr);
        if (op)
            pa_operation_unref(op);
    }
    const bool reconnected = reconnectTimer.isActive();
    reconnectTimer.stop();
    refreshTable();
    if (!reconnected)
        return;
    LogInfo("[capture] connected to the sound server again");
    emit q->serverBack();
    QList<QPair<int, QString>> present;
    {
        PulseLock lock(session);
        for (const auto& entry : endpoints)
            present.append({entry.second->flow(), entry.first});
    }
    for (const auto& device : present)
        reportState(device.first, device.second, 1);
}

void AudioCapturePulse::Private::onServerLost()
{
    const QString reason = session.lastError();
    LogError(QStringLiteral("[capture] lost the sound server: %1").arg(reason));
    emit q->serverLost();
    if (capture)
        captureEnded(capture->generation, reason);
    closeStream();
    QList<QPair<int, QString>> gone;
    {
        PulseLock lock(session);
        for (auto& entry : endpoints) {
            closeMeter(entry.second.get());
            gone.append({entry.second->flow(), entry.first});
        }
        endpoints.clear();
        ++tableVersion;
    }
    session.disconnect();
    for (const auto& device : gone)
        reportState(device.first, device.second, 4);
    reconnectTimer.start();
}

// ------------------------------------------------------------ endpoint table

void AudioCapturePulse::Private::refreshTable()
{
    QList<PulseSession::Device> sinks;
    QList<PulseSession::Device> sources;
    if (!session.listDevices(&sinks, &sources))
        return;
    PulseLock lock(session);
    mergeDevices(sinks + sources);
}

void AudioCapturePulse::Private::mergeDevices(const QList<PulseSession::Device>& devices)
{
    for (const PulseSession::Device& device : devices) {
        if (device.monitor)
            continue;
        std::unique_ptr<Endpoint>& endpoint = endpoints[device.description];
        if (!endpoint)
            endpoint = std::make_unique<Endpoint>();
        else if (endpoint->device.index != device.index || endpoint->device.source != device.source)
            closeMeter(endpoint.get());
        endpoint->device = device;
    }
    ++tableVersion;
}

Endpoint* AudioCapturePulse::Private::find(const QString& name)
{
    const auto it = endpoints.find(name);
    return it == endpoints.end() ? nullptr : it->second.get();
}

bool AudioCapturePulse::Private::lookup(const QString& name, PulseSession::Device* device)
{
    // A name that failed all its tries is not tried again until the table
    // changes: the meters ask 100 times a second and must not stall the GUI.
    for (int attempt = 0; attempt < kLookupTries; ++attempt) {
        {
            PulseLock lock(session);
            if (Endpoint* endpoint = find(name)) {
                *device = endpoint->device;
                missing.remove(name);
                return true;
            }
            const auto failed = missing.constFind(name);
            if (failed != missing.constEnd() && failed.value() == tableVersion)
                return false;
            if (attempt == kLookupTries - 1) {
                missing.insert(name, tableVersion);
                return false;
            }
        }
        QThread::msleep(kLookupPauseMs);
    }
    return false;
}

// ------------------------------------------------------------ device watch

void AudioCapturePulse::Private::onServerEvent(pa_subscription_event_type_t type, std::uint32_t index)
{
    const int facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (facility != PA_SUBSCRIPTION_EVENT_SINK && facility != PA_SUBSCRIPTION_EVENT_SOURCE)
        return;
    const bool source = facility == PA_SUBSCRIPTION_EVENT_SOURCE;
    if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE) {
        for (auto it = endpoints.begin(); it != endpoints.end(); ++it) {
            Endpoint* endpoint = it->second.get();
            if (endpoint->device.index != index || endpoint->device.source != source)
                continue;
            const QString name = it->first;
            const int flow = endpoint->flow();
            closeMeter(endpoint);
            endpoints.erase(it);
            ++tableVersion;
            post([this, flow, name] { reportState(flow, name, 4); });
            return;
        }
        return;
    }
    // New or changed: the event carries only the index, so ask for the rest.
    if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_NEW)
        announced.insert(deviceKey(source, index));
    pa_operation* op = nullptr;
    if (source) {
        op = pa_context_get_source_info_by_index(
            session.context(), index,
            [](pa_context*, const pa_source_info* info, int, void* self) {
                if (info)
                    static_cast<Private*>(self)->onDeviceInfo(PulseSession::deviceFrom(info));
            },
            this);
    } else {
        op = pa_context_get_sink_info_by_index(
            session.context(), index,
            [](pa_context*, const pa_sink_info* info, int, void* self) {
                if (info)
                    static_cast<Private*>(self)->onDeviceInfo(PulseSession::deviceFrom(info));
            },
            this);
    }
    if (op)
        pa_operation_unref(op);
}

void AudioCapturePulse::Private::onDeviceInfo(const PulseSession::Device& device)
{
    const bool isNew = announced.remove(deviceKey(device.source, device.index));
    if (device.monitor)
        return;
    Endpoint* known = nullptr;
    QString knownName;
    for (auto& entry : endpoints) {
        if (entry.second->device.index == device.index && entry.second->device.source == device.source) {
            known = entry.second.get();
            knownName = entry.first;
        }
    }
    const int flow = device.source ? DeviceInput : DeviceOutput;
    const QString name = device.description;
    if (!known || knownName != name || isNew) {
        if (known && knownName != name) {
            closeMeter(known);
            endpoints.erase(knownName);
        }
        mergeDevices({device});
        post([this, flow, name] { reportState(flow, name, 1); });
        return;
    }
    const bool wasAvailable = known->device.available != PA_PORT_AVAILABLE_NO;
    const bool isAvailable = device.available != PA_PORT_AVAILABLE_NO;
    known->device = device;
    if (wasAvailable != isAvailable) {
        const int state = isAvailable ? 1 : 8;
        post([this, flow, name, state] { reportState(flow, name, state); });
    }
}

void AudioCapturePulse::Private::reportState(int flow, const QString& name, int state)
{
    notifier->onDeviceStateChanged(flow, name, state);
    // Capture follows its device: when the wanted one comes back, it resumes.
    if (state == 1 && name == wantedName && !capture && !routed && !stopRequested)
        q->startCapture(name);
}

// ------------------------------------------------------------ capture

void AudioCapturePulse::Private::onCaptureRead(pa_stream* stream, size_t, void* userdata)
{
    auto* capture = static_cast<CaptureStream*>(userdata);
    AudioCapturePulse* owner = capture->owner;
    if (owner->d->handler) {
        owner->d->handOver(capture, stream);
        return;
    }
    const quint64 generation = capture->generation;
    const int packetSamples = kPacketFrames * capture->channels;
    while (pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            break;
        const int samples = static_cast<int>(bytes / sizeof(float));
        auto send = [owner, generation](QSharedPointer<float> packet, int count) {
            QMetaObject::invokeMethod(
                owner, [owner, generation, packet, count] { owner->d->deliver(generation, packet, count); },
                Qt::QueuedConnection);
        };
        auto sendPending = [&] {
            const int count = static_cast<int>(capture->pending.size());
            if (count == 0)
                return;
            QSharedPointer<float> packet(new float[static_cast<std::size_t>(count)],
                                         [](float* p) { delete[] p; });
            std::copy(capture->pending.begin(), capture->pending.end(), packet.data());
            capture->pending.clear();
            send(packet, count);
        };
        if (!data) {
            sendPending();
            send({}, samples);
        } else {
            const auto* source = static_cast<const float*>(data);
            for (int offset = 0; offset < samples;) {
                const int take =
                    std::min(packetSamples - static_cast<int>(capture->pending.size()), samples - offset);
                capture->pending.insert(capture->pending.end(), source + offset, source + offset + take);
                offset += take;
                if (static_cast<int>(capture->pending.size()) >= packetSamples)
                    sendPending();
            }
        }
        pa_stream_drop(stream);
    }
}

void AudioCapturePulse::Private::handOver(CaptureStream* capture, pa_stream* stream)
{
    const std::size_t frameBytes = sizeof(float) * static_cast<std::size_t>(capture->channels);
    const std::size_t maxBacklogBytes = static_cast<std::size_t>(maxBacklogFrames) * frameBytes;
    for (;;) {
        const std::size_t readable = pa_stream_readable_size(stream);
        if (readable == 0 || readable == static_cast<std::size_t>(-1))
            return;
        const void* data = nullptr;
        std::size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            return;
        // Old fragments of a backlog are skipped whole while what follows
        // them is still more than the backlog may hold.
        if (readable - bytes > maxBacklogBytes)
            droppedFrames.fetch_add(bytes / frameBytes, std::memory_order_relaxed);
        else
            handler(static_cast<const float*>(data), static_cast<int>(bytes / sizeof(float)),
                    capture->channels);
        pa_stream_drop(stream);
    }
}

void AudioCapturePulse::Private::onCaptureState(pa_stream* stream, void* userdata)
{
    auto* capture = static_cast<CaptureStream*>(userdata);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    pa_threaded_mainloop_signal(capture->session->loop(), 0);
    if (state != PA_STREAM_FAILED && state != PA_STREAM_TERMINATED)
        return;
    AudioCapturePulse* owner = capture->owner;
    const quint64 generation = capture->generation;
    const QString reason = QString::fromUtf8(streamError(stream));
    QMetaObject::invokeMethod(
        owner, [owner, generation, reason] { owner->d->captureEnded(generation, reason); },
        Qt::QueuedConnection);
}

void AudioCapturePulse::Private::deliver(quint64 packetGeneration, const QSharedPointer<float>& samples,
                                         int count)
{
    if (packetGeneration != generation || stopRequested)
        return;
    emit q->pcmReadData(samples, count);
}

void AudioCapturePulse::Private::captureEnded(quint64 streamGeneration, const QString& reason)
{
    if (!capture || capture->generation != streamGeneration)
        return;
    LogError(QStringLiteral("[capture] capture of %1 ended: %2").arg(capture->deviceName, reason));
    closeStream();
}

void AudioCapturePulse::Private::closeStream()
{
    if (routed) {
        routed = false;
        router({});
    }
    if (!capture)
        return;
    {
        PulseLock lock(*capture->session);
        pa_stream_set_read_callback(capture->stream, nullptr, nullptr);
        pa_stream_set_state_callback(capture->stream, nullptr, nullptr);
        pa_stream_disconnect(capture->stream);
        pa_stream_unref(capture->stream);
    }
    delete capture;
    capture = nullptr;
}

// ------------------------------------------------------------ meters

void AudioCapturePulse::Private::onMeterRead(pa_stream* stream, size_t, void* userdata)
{
    auto* endpoint = static_cast<Endpoint*>(userdata);
    while (pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            break;
        if (data) {
            const auto* values = static_cast<const float*>(data);
            for (size_t i = 0; i < bytes / sizeof(float); ++i)
                endpoint->meterPeak = std::max(endpoint->meterPeak, std::fabs(values[i]));
            endpoint->meterFresh = true;
        }
        pa_stream_drop(stream);
    }
}

bool AudioCapturePulse::Private::openMeter(Endpoint* endpoint)
{
    pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kMeterRate, 1};
    pa_stream* meter = pa_stream_new(session.context(), "Zelvani level meter", &format, nullptr);
    if (!meter)
        return false;
    pa_buffer_attr attributes;
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.fragsize = sizeof(float);
    attributes.tlength = attributes.prebuf = attributes.minreq = static_cast<std::uint32_t>(-1);
    pa_stream_set_read_callback(meter, &Private::onMeterRead, endpoint);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_PEAK_DETECT | PA_STREAM_ADJUST_LATENCY |
                                                      PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(meter, endpoint->recordSource().constData(), &attributes, flags) < 0) {
        pa_stream_unref(meter);
        return false;
    }
    endpoint->meter = meter;
    return true;
}

void AudioCapturePulse::Private::closeMeter(Endpoint* endpoint)
{
    if (!endpoint->meter)
        return;
    pa_stream_set_read_callback(endpoint->meter, nullptr, nullptr);
    pa_stream_disconnect(endpoint->meter);
    pa_stream_unref(endpoint->meter);
    endpoint->meter = nullptr;
    endpoint->meterFresh = false;
    endpoint->meterPeak = endpoint->lastPeak = 0.0f;
}

// ------------------------------------------------------------ AudioCapturePulse

AudioCapturePulse::AudioCapturePulse(QObject* parent) : QObject(parent), d(std::make_unique<Private>(this))
{
    qRegisterMetaType<QSharedPointer<float>>();
    d->notifier = new DeviceNotifier(this);
    d->session.setLostHandler([this] { d->post([this] { d->onServerLost(); }); });
    d->session.setEventHandler(
        [this](pa_subscription_event_type_t type, std::uint32_t index) { d->onServerEvent(type, index); });
    d->reconnectTimer.setInterval(kReconnectIntervalMs);
    connect(&d->reconnectTimer, &QTimer::timeout, this, [this] { d->connectServer(); });
    d->connectServer();
}

AudioCapturePulse::~AudioCapturePulse()
{
    d->closeStream();
    if (d->session.context()) {
        PulseLock lock(d->session);
        for (auto& entry : d->endpoints)
            d->closeMeter(entry.second.get());
    }
    d->session.disconnect();
}

DeviceNotifier* AudioCapturePulse::notifier() const
{
    return d->notifier;
}

void AudioCapturePulse::setBlockHandler(PulseSession* session, BlockHandler handler, int maxBacklogFrames)
{
    d->voiceSession = session;
    d->handler = std::move(handler);
    d->maxBacklogFrames = std::max(maxBacklogFrames, 0);
}

void AudioCapturePulse::setRouter(Router router)
{
    d->router = std::move(router);
}

std::uint64_t AudioCapturePulse::droppedFrames() const
{
    return d->droppedFrames.load(std::memory_order_relaxed);
}

void AudioCapturePulse::startCapture(const QString& deviceName)
{
    d->closeStream();
    d->stopRequested = false;
    d->wantedName = deviceName;
    ++d->generation;
    d->refreshTable();

    PulseSession::Device device;
    {
        PulseLock lock(d->session);
        Endpoint* endpoint = d->session.isReady() ? d->find(deviceName) : nullptr;
        if (!endpoint) {
            LogError(QStringLiteral("[capture] Couldn't find audio device with name: %1").arg(deviceName));
            return;
        }
        device = endpoint->device;
        device.name = endpoint->recordSource();
    }
    if (d->router) {
        d->routed = true;
        d->channels = std::max<int>(1, device.channelMap.channels ? device.channelMap.channels
                                                                  : device.sampleSpec.channels);
        d->router(device.name);
        LogInfo(QStringLiteral("[capture] capturing %1 in PipeWire's graph").arg(deviceName));
        return;
    }
    PulseSession& session = d->streamSession();
    QString error;
    if (!session.isReady() && !session.connect(kConnectTimeoutMs, &error)) {
        LogError(QStringLiteral("[capture] cannot capture %1: %2").arg(deviceName, error));
        return;
    }
    // On PipeWire a 5 ms request drives the whole graph to a 5 ms quantum,
    // more than a busy machine keeps up with; 10 ms is its usual size.
    const bool smallFragments = d->handler && !session.onPipeWire();
    PulseLock lock(session);
    pa_channel_map map = device.channelMap;
    const int channels = std::max<int>(1, map.channels ? map.channels : device.sampleSpec.channels);
    if (!pa_channel_map_valid(&map) || map.channels != channels)
        pa_channel_map_init_extend(&map, static_cast<unsigned>(channels), PA_CHANNEL_MAP_DEFAULT);
    pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kSampleRate, static_cast<std::uint8_t>(channels)};
    pa_stream* stream = pa_stream_new(session.context(), "Zelvani microphone", &format, &map);
    if (!stream) {
        LogError("[capture] Error creating audio event");
        return;
    }
    d->channels = channels;
    d->capture = new CaptureStream{this, &session, stream, d->generation, channels, deviceName, {}};
    pa_stream_set_read_callback(stream, &Private::onCaptureRead, d->capture);
    pa_stream_set_state_callback(stream, &Private::onCaptureState, d->capture);
    pa_stream_set_overflow_callback(
        stream,
        [](pa_stream*, void* userdata) {
            static_cast<CaptureStream*>(userdata)->owner->d->overflows.fetch_add(1,
                                                                                 std::memory_order_relaxed);
        },
        d->capture);
    // Without a fragment size the server hands out chunks of seconds.
    const int fragmentFrames = smallFragments ? kFragmentFrames : kPacketFrames;
    pa_buffer_attr attributes;
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.fragsize = static_cast<std::uint32_t>(fragmentFrames * channels * sizeof(float));
    attributes.tlength = attributes.prebuf = attributes.minreq = static_cast<std::uint32_t>(-1);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    const bool ready =
        pa_stream_connect_record(stream, device.name.constData(), &attributes, flags) == 0 &&
        session.waitFor([stream] { return pa_stream_get_state(stream) != PA_STREAM_CREATING; }) &&
        pa_stream_get_state(stream) == PA_STREAM_READY;
    if (!ready) {
        LogError(QStringLiteral("[capture] cannot capture %1: %2")
                     .arg(deviceName, QString::fromUtf8(streamError(stream))));
        pa_stream_set_read_callback(stream, nullptr, nullptr);
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        delete d->capture;
        d->capture = nullptr;
        return;
    }
    LogInfo(QStringLiteral("[capture] capturing %1: %2 channels at %3 Hz")
                .arg(deviceName, QString::number(channels), QString::number(kSampleRate)));
}

void AudioCapturePulse::switchDevice(const QString& deviceName)
{
    stopCapture();
    d->wantedName = deviceName;
    const quint64 generation = d->generation;
    QTimer::singleShot(kSwitchDelayMs, this, [this, generation, deviceName] {
        if (d->generation == generation)
            startCapture(deviceName);
    });
}

void AudioCapturePulse::stopCapture()
{
    d->stopRequested = true;
    ++d->generation;
    d->closeStream();
}

bool AudioCapturePulse::isCapturing() const
{
    return d->capture != nullptr || d->routed;
}

std::uint64_t AudioCapturePulse::overflows() const
{
    return d->overflows.load(std::memory_order_relaxed);
}

int AudioCapturePulse::channelCount() const
{
    return d->channels;
}

float AudioCapturePulse::peak(const QString& deviceName)
{
    if (!d->session.isReady())
        return 0.0f;
    PulseLock lock(d->session);
    Endpoint* endpoint = d->find(deviceName);
    if (!endpoint)
        return 0.0f;
    if (!endpoint->meter && !d->openMeter(endpoint))
        return 0.0f;
    if (endpoint->meterFresh) {
        endpoint->lastPeak = std::min(endpoint->meterPeak, 1.0f);
        endpoint->meterPeak = 0.0f;
        endpoint->meterFresh = false;
    }
    return endpoint->lastPeak;
}

float AudioCapturePulse::volume(const QString& deviceName)
{
    PulseSession::Device device;
    if (!d->lookup(deviceName, &device))
        return 0.0f;
    const double level = static_cast<double>(pa_cvolume_avg(&device.volume)) / PA_VOLUME_NORM;
    return static_cast<float>(std::clamp(level, 0.0, 1.0));
}

void AudioCapturePulse::setVolume(const QString& deviceName, float level)
{
    PulseSession::Device device;
    if (!d->lookup(deviceName, &device) || !std::isfinite(level))
        return;
    const auto target = static_cast<pa_volume_t>(
        std::lround(std::clamp(static_cast<double>(level), 0.0, 1.0) * PA_VOLUME_NORM));
    pa_cvolume volume = device.volume;
    if (!pa_cvolume_valid(&volume))
        pa_cvolume_set(&volume, std::max<unsigned>(1, device.channelMap.channels), target);
    // Scale every channel alike so the balance stays and the average lands on the target.
    const pa_volume_t average = pa_cvolume_avg(&volume);
    for (unsigned i = 0; i < volume.channels; ++i) {
        volume.values[i] = average == 0
                               ? target
                               : static_cast<pa_volume_t>(std::min<double>(
                                     PA_VOLUME_MAX, std::round(double(volume.values[i]) * target / average)));
    }
    if (!d->session.setVolume(device, volume)) {
        LogError(QStringLiteral("[capture] cannot set the volume of %1: %2")
                     .arg(deviceName, d->session.lastError()));
        return;
    }
    PulseLock lock(d->session);
    if (Endpoint* endpoint = d->find(deviceName))
        endpoint->device.volume = volume;
}

// ------------------------------------------------------------ DeviceNotifier

DeviceNotifier::DeviceNotifier(QObject* parent) : QObject(parent) {}

QString DeviceNotifier::stateName(int state)
{
    switch (state) {
    case 1:
        return QStringLiteral("ACTIVE");
    case 2:
        return QStringLiteral("DISABLED");
    case 4:
        return QStringLiteral("NOTPRESENT");
    case 8:
        return QStringLiteral("UNPLUGGED");
    default:
        return QString();
    }
}

void DeviceNotifier::onDeviceStateChanged(int deviceType, const QString& deviceName, int newState)
{
    m_dataFlow = deviceType;
    m_deviceName = deviceName;
    if (newState == 2 || newState == 4)
        emit deviceDisconnect(deviceName);
    LogInfo(QStringLiteral("[DeviceState] %1: device state is DEVICE_STATE_%2 = %3")
                .arg(deviceName, stateName(newState), QString::number(newState)));
    emit deviceStateChanger(deviceType, newState);
}
