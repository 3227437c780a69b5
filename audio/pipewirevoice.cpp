#include "pipewirevoice.h"

#include "realtime.h"
#include "spdlog_qt"

#include <pipewire/pipewire.h>
#include <spa/utils/result.h>

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <sys/socket.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kConnectTimeoutSeconds = 2;
// PipeWire's largest quantum is 8192 frames; the scratch outputs cover it.
constexpr int kMaxFrames = 8192;
// The graph rounds a request down to a power of two: 256 frames (5.3 ms),
// the first quantum that holds a whole block of the voice chain.
constexpr const char* kLatency = "256/48000";
constexpr const char* kNodeName = "zelvani_voice";

// Our ports, by their names on the node.
enum PortIndex
{
    InLeft,
    InRight,
    SpeakersLeft,
    SpeakersRight,
    CableLeft,
    CableRight,
    PortCount
};
const char* const kPortNames[PortCount] = {"input_FL",  "input_FR", "output_FL",
                                           "output_FR", "cable_FL", "cable_FR"};

struct PortData
{
    int index;
};

// The process whose socket answers at `path` (a local socket's path); 0 when
// none does or it cannot be told.
pid_t socketPeer(const QByteArray& path)
{
    sockaddr_un address{};
    if (path.isEmpty() || path.size() >= static_cast<int>(sizeof address.sun_path))
        return 0;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    pid_t pid = 0;
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0)
        pid = credentials.pid;
    ::close(fd);
    return pid;
}

// The PipeWire sockets the process `pid` (the PulseAudio service) reaches
// its server by, most specific first, read from its environment; the
// library's own choice (empty) comes last.
QList<QByteArray> pipeWireSockets(pid_t pid)
{
    QList<QByteArray> sockets;
    QFile file(QStringLiteral("/proc/%1/environ").arg(pid));
    if (pid > 0 && file.open(QIODevice::ReadOnly)) {
        QByteArray remote = "pipewire-0";
        QByteArray runtime;
        QByteArray xdgRuntime;
        for (const QByteArray& entry : file.readAll().split('\0')) {
            if (entry.startsWith("PIPEWIRE_REMOTE="))
                remote = entry.mid(16);
            else if (entry.startsWith("PIPEWIRE_RUNTIME_DIR="))
                runtime = entry.mid(21);
            else if (entry.startsWith("XDG_RUNTIME_DIR="))
                xdgRuntime = entry.mid(16);
        }
        if (remote.startsWith('/'))
            sockets.append(remote);
        for (const QByteArray& folder : {runtime, xdgRuntime}) {
            if (!folder.isEmpty() && !remote.startsWith('/'))
                sockets.append(folder + '/' + remote);
        }
    }
    sockets.append(QByteArray());
    return sockets;
}

QByteArray property(const spa_dict* props, const char* key)
{
    const char* value = props ? spa_dict_lookup(props, key) : nullptr;
    return value ? QByteArray(value) : QByteArray();
}

} // namespace

struct PipeWireVoice::Private
{
    struct Node
    {
        QByteArray name;
        QByteArray mediaClass;
    };
    struct Port
    {
        std::uint32_t node = SPA_ID_INVALID;
        QByteArray name;
        bool output = false;
        bool monitor = false;
        int index = 0; // the port's number on its node
    };
    struct Link
    {
        std::uint32_t outputNode, outputPort, inputNode, inputPort;
        bool operator<(const Link& other) const
        {
            return std::tie(outputPort, inputPort) < std::tie(other.outputPort, other.inputPort);
        }
    };

    Process process;
    pw_thread_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
    pw_registry* registry = nullptr;
    pw_filter* filter = nullptr;
    spa_hook coreListener{};
    spa_hook registryListener{};
    spa_hook filterListener{};
    PortData* ports[PortCount] = {};

    // The loop thread's (or under the loop's lock).
    std::map<std::uint32_t, Node> nodes;
    std::map<std::uint32_t, Port> portTable;
    std::set<pid_t> clientPids;
    std::map<Link, pw_proxy*> links;
    QByteArray input;
    QByteArray outputs[2];
    int syncSeq = -1;
    bool synced = false;
    bool failed = false;
    pw_filter_state state = PW_FILTER_STATE_UNCONNECTED;

    // The graph's thread.
    bool threadRaised = false;
    std::unique_ptr<float[]> scratch{std::make_unique<float[]>(2 * kMaxFrames)};
    std::atomic<int> quantum{0};
    std::atomic<int> rate{0};
    std::atomic<std::uint64_t> cycles{0};
    // An input port unlinked still hands the node silence: the microphone counts by its links.
    std::atomic<bool> inputLinked{false};

    bool connect(const QByteArray& socket, pid_t pulseService, QString* error);
    bool addNode(QString* error);
    void disconnect();
    void relink();
    std::vector<std::uint32_t> devicePorts(const QByteArray& name, bool source) const;
    std::uint32_t ourPort(int index) const;
    bool waitFor(const std::function<bool()>& done);

    static void onProcess(void* self, spa_io_position* position);
};

// ------------------------------------------------------------ graph thread

void PipeWireVoice::Private::onProcess(void* self, spa_io_position* position)
{
    auto* d = static_cast<Private*>(self);
    if (!d->threadRaised) {
        // The client library runs its data thread at normal priority unless
        // the desktop's RealtimeKit answers it: the voice raises it as it
        // raises its own thread on PulseAudio.
        d->threadRaised = true;
        Realtime::raiseCurrentThread("zelvani-voice");
    }
    const int frames = std::min<int>(static_cast<int>(position->clock.duration), kMaxFrames);
    d->quantum.store(frames, std::memory_order_relaxed);
    d->rate.store(static_cast<int>(position->clock.rate.denom), std::memory_order_relaxed);
    d->cycles.fetch_add(1, std::memory_order_relaxed);
    auto buffer = [d, frames](int index) {
        return static_cast<float*>(
            pw_filter_get_dsp_buffer(d->ports[index], static_cast<std::uint32_t>(frames)));
    };
    const bool microphone = d->inputLinked.load(std::memory_order_relaxed);
    const float* left = microphone ? buffer(InLeft) : nullptr;
    const float* right = microphone ? buffer(InRight) : nullptr;
    if (!left) {
        left = right;
        right = nullptr;
    }
    float* outLeft = buffer(SpeakersLeft);
    float* outRight = buffer(SpeakersRight);
    if (!outLeft)
        outLeft = d->scratch.get();
    if (!outRight)
        outRight = d->scratch.get() + kMaxFrames;
    d->process(left, left ? (right ? right : left) : nullptr, outLeft, outRight, frames);
    const std::size_t bytes = static_cast<std::size_t>(frames) * sizeof(float);
    if (float* cable = buffer(CableLeft))
        std::memcpy(cable, outLeft, bytes);
    if (float* cable = buffer(CableRight))
        std::memcpy(cable, outRight, bytes);
}

// ------------------------------------------------------------ loop thread

bool PipeWireVoice::Private::waitFor(const std::function<bool()>& done)
{
    timespec deadline{};
    pw_thread_loop_get_time(loop, &deadline, std::int64_t(kConnectTimeoutSeconds) * SPA_NSEC_PER_SEC);
    while (!done() && !failed) {
        if (pw_thread_loop_timed_wait_full(loop, &deadline) != 0)
            return done();
    }
    return done();
}

std::uint32_t PipeWireVoice::Private::ourPort(int index) const
{
    const std::uint32_t node = filter ? pw_filter_get_node_id(filter) : SPA_ID_INVALID;
    if (node == SPA_ID_INVALID)
        return SPA_ID_INVALID;
    for (const auto& entry : portTable) {
        if (entry.second.node == node && entry.second.name == kPortNames[index])
            return entry.first;
    }
    return SPA_ID_INVALID;
}

std::vector<std::uint32_t> PipeWireVoice::Private::devicePorts(const QByteArray& name, bool source) const
{
    // A sink's monitor is its own node's monitor ports under PipeWire.
    const bool monitor = source && name.endsWith(".monitor");
    const QByteArray nodeName = monitor ? name.left(name.size() - 8) : name;
    std::uint32_t node = SPA_ID_INVALID;
    for (const auto& entry : nodes) {
        const Node& candidate = entry.second;
        const bool fits = monitor ? candidate.mediaClass.startsWith("Audio/Sink")
                                  : candidate.mediaClass.startsWith(source ? "Audio/Source" : "Audio/Sink");
        if (candidate.name == nodeName && fits) {
            node = entry.first;
            break;
        }
    }
    if (name.isEmpty() || node == SPA_ID_INVALID)
        return {};
    std::vector<std::pair<int, std::uint32_t>> found;
    for (const auto& entry : portTable) {
        const Port& port = entry.second;
        if (port.node == node && port.output == source && port.monitor == monitor)
            found.emplace_back(port.index, entry.first);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::uint32_t> ids;
    for (std::size_t i = 0; i < found.size() && i < 2; ++i)
        ids.push_back(found[i].second);
    return ids;
}

void PipeWireVoice::Private::relink()
{
    if (!core || !filter)
        return;
    std::set<Link> wanted;
    const std::uint32_t node = pw_filter_get_node_id(filter);
    auto want = [&](std::uint32_t from, std::uint32_t to) {
        if (from == SPA_ID_INVALID || to == SPA_ID_INVALID)
            return;
        const auto fromPort = portTable.find(from);
        const auto toPort = portTable.find(to);
        if (fromPort != portTable.end() && toPort != portTable.end())
            wanted.insert({fromPort->second.node, from, toPort->second.node, to});
    };
    if (node != SPA_ID_INVALID) {
        const std::vector<std::uint32_t> microphone = devicePorts(input, true);
        for (std::size_t i = 0; i < microphone.size(); ++i)
            want(microphone[i], ourPort(InLeft + static_cast<int>(i)));
        for (int output = 0; output < 2; ++output) {
            const std::vector<std::uint32_t> device = devicePorts(outputs[output], false);
            const int first = output == 0 ? SpeakersLeft : CableLeft;
            for (std::size_t i = 0; i < device.size(); ++i)
                want(ourPort(first + static_cast<int>(i)), device[i]);
        }
    }
    for (auto it = links.begin(); it != links.end();) {
        if (wanted.count(it->first)) {
            ++it;
            continue;
        }
        pw_proxy_destroy(it->second);
        it = links.erase(it);
    }
    for (const Link& link : wanted) {
        if (links.count(link))
            continue;
        pw_properties* props = pw_properties_new(PW_KEY_OBJECT_LINGER, "false", nullptr);
        pw_properties_setf(props, PW_KEY_LINK_OUTPUT_NODE, "%u", link.outputNode);
        pw_properties_setf(props, PW_KEY_LINK_OUTPUT_PORT, "%u", link.outputPort);
        pw_properties_setf(props, PW_KEY_LINK_INPUT_NODE, "%u", link.inputNode);
        pw_properties_setf(props, PW_KEY_LINK_INPUT_PORT, "%u", link.inputPort);
        auto* proxy = static_cast<pw_proxy*>(pw_core_create_object(
            core, "link-factory", PW_TYPE_INTERFACE_Link, PW_VERSION_LINK, &props->dict, 0));
        pw_properties_free(props);
        if (proxy)
            links.emplace(link, proxy);
    }
    inputLinked.store(std::any_of(links.begin(), links.end(),
                                  [node](const auto& link) { return link.first.inputNode == node; }),
                      std::memory_order_relaxed);
}

bool PipeWireVoice::Private::connect(const QByteArray& socket, pid_t pulseService, QString* error)
{
    pw_properties* props = pw_properties_new(PW_KEY_APP_NAME, "Zelvani Voice Changer", nullptr);
    if (!socket.isEmpty())
        pw_properties_set(props, PW_KEY_REMOTE_NAME, socket.constData());
    core = pw_context_connect(context, props, 0);
    if (!core) {
        *error = QStringLiteral("no PipeWire server at %1: %2")
                     .arg(QString::fromUtf8(socket.isEmpty() ? QByteArray("the default socket") : socket),
                          QString::fromUtf8(std::strerror(errno)));
        return false;
    }
    static const pw_core_events coreEvents = [] {
        pw_core_events events{};
        events.version = PW_VERSION_CORE_EVENTS;
        events.done = [](void* self, std::uint32_t id, int seq) {
            auto* d = static_cast<Private*>(self);
            if (id == PW_ID_CORE && seq == d->syncSeq) {
                d->synced = true;
                pw_thread_loop_signal(d->loop, false);
            }
        };
        events.error = [](void* self, std::uint32_t id, int, int res, const char* message) {
            auto* d = static_cast<Private*>(self);
            if (id == PW_ID_CORE) {
                d->failed = true;
                pw_thread_loop_signal(d->loop, false);
            }
            // A refused link leaves its proxy; the next change of the graph tries again.
            LogInfo(
                QStringLiteral("[voice] PipeWire: object %1: %2 (%3)")
                    .arg(id)
                    .arg(QString::fromUtf8(message ? message : ""), QString::fromUtf8(spa_strerror(res))));
        };
        return events;
    }();
    pw_core_add_listener(core, &coreListener, &coreEvents, this);

    static const pw_registry_events registryEvents = [] {
        pw_registry_events events{};
        events.version = PW_VERSION_REGISTRY_EVENTS;
        events.global = [](void* self, std::uint32_t id, std::uint32_t, const char* type, std::uint32_t,
                           const spa_dict* props) {
            auto* d = static_cast<Private*>(self);
            if (std::strcmp(type, PW_TYPE_INTERFACE_Node) == 0) {
                d->nodes[id] = {property(props, PW_KEY_NODE_NAME), property(props, PW_KEY_MEDIA_CLASS)};
            } else if (std::strcmp(type, PW_TYPE_INTERFACE_Port) == 0) {
                Port port;
                port.node = property(props, PW_KEY_NODE_ID).toUInt();
                port.name = property(props, PW_KEY_PORT_NAME);
                port.output = property(props, PW_KEY_PORT_DIRECTION) == "out";
                port.monitor = property(props, PW_KEY_PORT_MONITOR) == "true";
                port.index = property(props, PW_KEY_PORT_ID).toInt();
                d->portTable[id] = port;
            } else if (std::strcmp(type, PW_TYPE_INTERFACE_Client) == 0) {
                d->clientPids.insert(property(props, PW_KEY_SEC_PID).toInt());
                return;
            } else {
                return;
            }
            d->relink();
        };
        events.global_remove = [](void* self, std::uint32_t id) {
            auto* d = static_cast<Private*>(self);
            const bool port = d->portTable.erase(id) > 0;
            if (!port && d->nodes.erase(id) == 0)
                return;
            // Links to a port that went are gone with it.
            for (auto it = d->links.begin(); it != d->links.end();) {
                if (it->first.outputPort == id || it->first.inputPort == id) {
                    pw_proxy_destroy(it->second);
                    it = d->links.erase(it);
                } else {
                    ++it;
                }
            }
            d->relink();
        };
        return events;
    }();
    registry = pw_core_get_registry(core, PW_VERSION_REGISTRY, 0);
    pw_registry_add_listener(registry, &registryListener, &registryEvents, this);
    synced = false;
    failed = false;
    syncSeq = pw_core_sync(core, PW_ID_CORE, 0);
    if (!waitFor([this] { return synced; })) {
        *error = QStringLiteral("the PipeWire server at %1 did not answer")
                     .arg(QString::fromUtf8(socket.isEmpty() ? QByteArray("the default socket") : socket));
        disconnect();
        return false;
    }
    // The PulseAudio service the rest of the program talks to must be a client of this server.
    if (!clientPids.count(pulseService)) {
        *error = QStringLiteral("the PulseAudio service is not a client of the PipeWire server at %1")
                     .arg(QString::fromUtf8(socket.isEmpty() ? QByteArray("the default socket") : socket));
        disconnect();
        return false;
    }
    return true;
}

bool PipeWireVoice::Private::addNode(QString* error)
{
    static const pw_filter_events filterEvents = [] {
        pw_filter_events events{};
        events.version = PW_VERSION_FILTER_EVENTS;
        events.process = &Private::onProcess;
        events.state_changed = [](void* self, pw_filter_state, pw_filter_state state, const char* message) {
            auto* d = static_cast<Private*>(self);
            d->state = state;
            if (state == PW_FILTER_STATE_ERROR)
                LogError(QStringLiteral("[voice] the PipeWire node failed: %1")
                             .arg(QString::fromUtf8(message ? message : "")));
            pw_thread_loop_signal(d->loop, false);
            d->relink();
        };
        return events;
    }();
    pw_properties* props = pw_properties_new(
        PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Filter", PW_KEY_MEDIA_ROLE, "DSP",
        PW_KEY_NODE_NAME, kNodeName, PW_KEY_NODE_DESCRIPTION, "Zelvani Voice Changer voice",
        PW_KEY_NODE_LATENCY, kLatency, PW_KEY_NODE_RATE, "1/48000", PW_KEY_NODE_AUTOCONNECT, "false",
        PW_KEY_NODE_ALWAYS_PROCESS, "true", nullptr);
    filter = pw_filter_new(core, "Zelvani Voice Changer voice", props);
    if (!filter) {
        *error = QStringLiteral("PipeWire refused the voice's node");
        return false;
    }
    pw_filter_add_listener(filter, &filterListener, &filterEvents, this);
    for (int i = 0; i < PortCount; ++i) {
        const bool in = i == InLeft || i == InRight;
        pw_properties* portProps = pw_properties_new(PW_KEY_FORMAT_DSP, "32 bit float mono audio",
                                                     PW_KEY_PORT_NAME, kPortNames[i], nullptr);
        ports[i] = static_cast<PortData*>(
            pw_filter_add_port(filter, in ? PW_DIRECTION_INPUT : PW_DIRECTION_OUTPUT,
                               PW_FILTER_PORT_FLAG_MAP_BUFFERS, sizeof(PortData), portProps, nullptr, 0));
        if (ports[i])
            ports[i]->index = i;
    }
    if (pw_filter_connect(filter, PW_FILTER_FLAG_RT_PROCESS, nullptr, 0) < 0 || !waitFor([this] {
            return state == PW_FILTER_STATE_PAUSED || state == PW_FILTER_STATE_STREAMING ||
                   state == PW_FILTER_STATE_ERROR;
        }) ||
        state == PW_FILTER_STATE_ERROR) {
        *error = QStringLiteral("PipeWire did not start the voice's node");
        return false;
    }
    return true;
}

void PipeWireVoice::Private::disconnect()
{
    for (auto& link : links)
        pw_proxy_destroy(link.second);
    links.clear();
    if (filter) {
        pw_filter_destroy(filter);
        filter = nullptr;
    }
    std::fill(std::begin(ports), std::end(ports), nullptr);
    if (registry) {
        spa_hook_remove(&registryListener);
        pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry));
        registry = nullptr;
    }
    if (core) {
        spa_hook_remove(&coreListener);
        pw_core_disconnect(core);
        core = nullptr;
    }
    nodes.clear();
    portTable.clear();
    clientPids.clear();
    state = PW_FILTER_STATE_UNCONNECTED;
    inputLinked.store(false, std::memory_order_relaxed);
}

// ------------------------------------------------------------ interface

PipeWireVoice::PipeWireVoice(Process process) : d(std::make_unique<Private>())
{
    d->process = std::move(process);
}

PipeWireVoice::~PipeWireVoice()
{
    close();
}

bool PipeWireVoice::open(const QByteArray& pulseAddress, QString* error)
{
    close();
    QByteArray path = pulseAddress;
    if (path.startsWith("unix:"))
        path = path.mid(5);
    const pid_t service = socketPeer(path);
    if (service <= 0) {
        *error = QStringLiteral("cannot tell which process serves %1").arg(QString::fromUtf8(pulseAddress));
        return false;
    }
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
    d->loop = pw_thread_loop_new("zelvani-pipewire", nullptr);
    d->context = d->loop ? pw_context_new(pw_thread_loop_get_loop(d->loop), nullptr, 0) : nullptr;
    if (!d->context || pw_thread_loop_start(d->loop) < 0) {
        *error = QStringLiteral("cannot start a PipeWire client");
        close();
        return false;
    }
    pw_thread_loop_lock(d->loop);
    QStringList reasons;
    bool connected = false;
    for (const QByteArray& socket : pipeWireSockets(service)) {
        QString reason;
        if (d->connect(socket, service, &reason)) {
            connected = true;
            break;
        }
        reasons.append(reason);
    }
    QString reason;
    const bool ready = connected && d->addNode(&reason);
    if (!connected)
        reason = reasons.join(QStringLiteral("; "));
    if (!ready)
        d->disconnect();
    pw_thread_loop_unlock(d->loop);
    if (!ready) {
        *error = reason;
        close();
        return false;
    }
    return true;
}

void PipeWireVoice::close()
{
    if (d->loop) {
        pw_thread_loop_lock(d->loop);
        d->disconnect();
        pw_thread_loop_unlock(d->loop);
        pw_thread_loop_stop(d->loop);
    }
    if (d->context) {
        pw_context_destroy(d->context);
        d->context = nullptr;
    }
    if (d->loop) {
        pw_thread_loop_destroy(d->loop);
        d->loop = nullptr;
    }
}

bool PipeWireVoice::isOpen() const
{
    return d->filter != nullptr;
}

void PipeWireVoice::setInput(const QByteArray& sourceName)
{
    if (!d->loop)
        return;
    pw_thread_loop_lock(d->loop);
    d->input = sourceName;
    d->relink();
    pw_thread_loop_unlock(d->loop);
}

void PipeWireVoice::setOutput(int output, const QByteArray& sinkName)
{
    if (!d->loop || output < 0 || output > 1)
        return;
    pw_thread_loop_lock(d->loop);
    d->outputs[output] = sinkName;
    d->relink();
    pw_thread_loop_unlock(d->loop);
}

PipeWireVoice::Stats PipeWireVoice::stats() const
{
    Stats stats;
    stats.quantumFrames = d->quantum.load(std::memory_order_relaxed);
    stats.rate = d->rate.load(std::memory_order_relaxed);
    stats.cycles = d->cycles.load(std::memory_order_relaxed);
    return stats;
}
