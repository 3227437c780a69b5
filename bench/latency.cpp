// zelvani-bench-latency: how long the voice takes from the microphone to the
// virtual cable and to the speakers, through the live engine (zelvani-cli live)
// and through two peers measured in the same run: PulseAudio's module-loopback
// and a SoX pipeline with a pitch effect.
//
// Usage: zelvani-bench-latency [--cli PATH] [--sox PATH] [--quick] [--summary FILE]
// Runs on the private sound server of scripts/pulse-env (scripts/bench starts
// one and installs the virtual cable there). A train of short clicks goes into
// the "Microphone feed" sink; one client records, at the same time and in the
// same way, the feed's monitor (when each click entered), the monitor of
// "Speakers" and the cable's recording side. Each click is found in the
// recordings by correlating energy envelopes, which a pitch shift leaves in
// place. Then, for each subject, how long from its launch until the
// microphone's sound first reaches each output. Prints Markdown; progress goes
// to standard error.

#include "benchsupport.h"
#include "tonemeasure.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <memory>
#include <sched.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using benchsupport::Clock;
using benchsupport::endProcess;
using benchsupport::percentile;
using benchsupport::Process;
using benchsupport::readAll;
using benchsupport::soxHasPulse;
using benchsupport::spawnProgram;
using benchsupport::stillRunning;

constexpr const char* kMe = "zelvani-bench-latency";
constexpr int kRate = 48000;
constexpr int kDecimation = 8; // envelopes at 6000 Hz
constexpr double kEnvelopeRate = double(kRate) / kDecimation;
constexpr double kPi = 3.14159265358979323846;

// The click train: a Hann-windowed 1.5-4.5 kHz chirp of 4 ms every 500 ms,
// after 300 ms of silence. Arrivals are searched from -20 ms to 450 ms after
// each click, short of the next one: on PipeWire the reference (the feed's
// monitor) is recorded a cycle or two late, so a path through the graph
// alone can arrive "before" it.
constexpr double kSpacing = 0.5;
constexpr double kLead = 0.3;
constexpr double kClickSeconds = 0.004;
constexpr double kSearchFrom = -0.02;
constexpr double kSearchTo = 0.45;
constexpr double kTemplateHalf = 0.015; // envelope around each click that is matched
constexpr double kMinCorrelation = 0.5;

constexpr double kRecordLatency = 0.005; // fragsize of the recording streams
constexpr double kWarmUp = 0.4;          // recording before the clicks start
constexpr double kSettle = 1.5;          // a subject runs this long before the clicks

const char* const kFeedSink = "microphone_feed";
const char* const kFeedMonitor = "microphone_feed.monitor";
const char* const kMicrophone = "microphone";
const char* const kSpeakers = "speakers";
const char* const kSpeakersMonitor = "speakers.monitor";
const char* const kCableInput = "CABLE Input (VB-Audio Virtual Cable)";
const char* const kCableOutput = "CABLE Output (VB-Audio Virtual Cable)";

const Clock::time_point gOrigin = Clock::now();
double now()
{
    return benchsupport::secondsSince(gOrigin);
}

volatile std::sig_atomic_t gInterrupted = 0;
void onSignal(int)
{
    gInterrupted = 1;
}

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "%s: %s\n", kMe, what.c_str());
    std::exit(1);
}

void progress(const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", kMe, text.c_str());
}

// ------------------------------------------------------------ sound server

struct Device
{
    std::string name;
    std::string description;
    uint32_t index = PA_INVALID_INDEX;
};

// One connection to the server, on a threaded main loop. Waits poll under the
// loop's lock so that callbacks only set fields.
class Server
{
public:
    ~Server()
    {
        if (!loop_)
            return;
        pa_threaded_mainloop_lock(loop_);
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    bool connect(std::string* error)
    {
        loop_ = pa_threaded_mainloop_new();
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), kMe);
        if (!context_ || pa_threaded_mainloop_start(loop_) < 0) {
            *error = "cannot start a sound server client";
            return false;
        }
        Locker lock(loop_);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            *error = pa_strerror(pa_context_errno(context_));
            return false;
        }
        const bool settled = waitFor(5.0, [this] {
            const pa_context_state_t state = pa_context_get_state(context_);
            return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
        });
        if (!settled) {
            *error = "timed out";
            return false;
        }
        if (pa_context_get_state(context_) != PA_CONTEXT_READY) {
            *error = pa_strerror(pa_context_errno(context_));
            return false;
        }
        return true;
    }

    pa_context* context() const { return context_; }
    pa_threaded_mainloop* loop() const { return loop_; }
    std::string lastError() const { return pa_strerror(pa_context_errno(context_)); }

    // Call with the lock held; false on timeout or interruption.
    bool waitFor(double seconds, const std::function<bool()>& done)
    {
        const double deadline = now() + seconds;
        while (!done()) {
            if (now() > deadline || gInterrupted)
                return false;
            pa_threaded_mainloop_unlock(loop_);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            pa_threaded_mainloop_lock(loop_);
        }
        return true;
    }

    std::vector<Device> sinks() { return list(true); }
    std::vector<Device> sources() { return list(false); }

    struct Defaults
    {
        std::string sink, source;
        std::string serverName; // "pulseaudio", or PipeWire's "PulseAudio (on PipeWire …)"
    };
    Defaults defaults()
    {
        struct Query
        {
            Defaults defaults;
            bool done = false;
        } query;
        Locker lock(loop_);
        finish(pa_context_get_server_info(
                   context_,
                   [](pa_context*, const pa_server_info* info, void* user) {
                       auto* q = static_cast<Query*>(user);
                       if (info) {
                           q->defaults.sink = info->default_sink_name ? info->default_sink_name : "";
                           q->defaults.source = info->default_source_name ? info->default_source_name : "";
                           q->defaults.serverName = info->server_name ? info->server_name : "";
                       }
                       q->done = true;
                   },
                   &query),
               &query.done);
        return query.defaults;
    }

    // The process serving the connection's local socket; 0 when not known.
    pid_t peer()
    {
        std::string address;
        {
            Locker lock(loop_);
            const char* server = pa_context_get_server(context_);
            address = server ? server : "";
        }
        if (address.rfind("unix:", 0) == 0)
            address.erase(0, 5);
        sockaddr_un socketAddress{};
        if (address.empty() || address.size() >= sizeof socketAddress.sun_path)
            return 0;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return 0;
        socketAddress.sun_family = AF_UNIX;
        std::memcpy(socketAddress.sun_path, address.c_str(), address.size());
        ucred credentials{};
        socklen_t length = sizeof credentials;
        pid_t pid = 0;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&socketAddress), sizeof socketAddress) == 0 &&
            ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0)
            pid = credentials.pid;
        ::close(fd);
        return pid;
    }

    void setDefaults(const Defaults& defaults)
    {
        Locker lock(loop_);
        bool sinkDone = false, sourceDone = false;
        if (!defaults.sink.empty())
            finish(pa_context_set_default_sink(context_, defaults.sink.c_str(), flagDone, &sinkDone),
                   &sinkDone);
        if (!defaults.source.empty())
            finish(pa_context_set_default_source(context_, defaults.source.c_str(), flagDone, &sourceDone),
                   &sourceDone);
    }

    // The module's index, or PA_INVALID_INDEX.
    uint32_t loadModule(const std::string& name, const std::string& arguments)
    {
        struct Load
        {
            uint32_t index = PA_INVALID_INDEX;
            bool done = false;
        } load;
        Locker lock(loop_);
        finish(pa_context_load_module(
                   context_, name.c_str(), arguments.c_str(),
                   [](pa_context*, uint32_t index, void* user) {
                       auto* l = static_cast<Load*>(user);
                       l->index = index;
                       l->done = true;
                   },
                   &load),
               &load.done);
        return load.index;
    }

    void unloadModule(uint32_t index)
    {
        bool done = false;
        Locker lock(loop_);
        finish(pa_context_unload_module(context_, index, flagDone, &done), &done);
    }

    // The largest server-side buffering (buffer plus device latency, ms) of
    // the playback streams of `application` into `sink`, or of its record
    // streams from `source`; NaN when it has none there.
    double streamLatency(const std::string& application, const std::string& device, bool playback)
    {
        struct Query
        {
            std::string application;
            uint32_t device = PA_INVALID_INDEX;
            double ms = std::numeric_limits<double>::quiet_NaN();
            bool done = false;
            void note(const pa_proplist* properties, uint32_t on, pa_usec_t buffer, pa_usec_t latency)
            {
                const char* name = pa_proplist_gets(properties, PA_PROP_APPLICATION_NAME);
                if (!name || application != name || on != device)
                    return;
                const double here = double(buffer + latency) / 1000.0;
                if (!(ms >= here))
                    ms = here;
            }
        } query;
        query.application = application;
        query.device = deviceIndex(device, playback);
        Locker lock(loop_);
        if (playback) {
            finish(pa_context_get_sink_input_info_list(
                       context_,
                       [](pa_context*, const pa_sink_input_info* info, int eol, void* user) {
                           auto* q = static_cast<Query*>(user);
                           if (eol)
                               q->done = true;
                           else if (info)
                               q->note(info->proplist, info->sink, info->buffer_usec, info->sink_usec);
                       },
                       &query),
                   &query.done);
        } else {
            finish(pa_context_get_source_output_info_list(
                       context_,
                       [](pa_context*, const pa_source_output_info* info, int eol, void* user) {
                           auto* q = static_cast<Query*>(user);
                           if (eol)
                               q->done = true;
                           else if (info)
                               q->note(info->proplist, info->source, info->buffer_usec, info->source_usec);
                       },
                       &query),
                   &query.done);
        }
        return query.ms;
    }

    class Locker
    {
    public:
        explicit Locker(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
        ~Locker() { pa_threaded_mainloop_unlock(loop_); }
        Locker(const Locker&) = delete;
        Locker& operator=(const Locker&) = delete;

    private:
        pa_threaded_mainloop* loop_;
    };

private:
    static void flagDone(pa_context*, int, void* user) { *static_cast<bool*>(user) = true; }

    // With the lock held: waits for an operation's callback to set *done.
    void finish(pa_operation* operation, bool* done)
    {
        if (!operation)
            return;
        waitFor(5.0, [done] { return *done; });
        pa_operation_unref(operation);
    }

    // A device list's callback, for sinks and sources alike.
    template <class Info, class Query> static void collect(pa_context*, const Info* info, int eol, void* user)
    {
        auto* q = static_cast<Query*>(user);
        if (eol)
            q->done = true;
        else if (info)
            q->devices.push_back({info->name, info->description ? info->description : "", info->index});
    }

    uint32_t deviceIndex(const std::string& name, bool sink)
    {
        for (const Device& device : list(sink))
            if (device.name == name)
                return device.index;
        return PA_INVALID_INDEX;
    }

    std::vector<Device> list(bool sinks)
    {
        struct Query
        {
            std::vector<Device> devices;
            bool done = false;
        } query;
        Locker lock(loop_);
        finish(sinks ? pa_context_get_sink_info_list(context_, &collect<pa_sink_info, Query>, &query)
                     : pa_context_get_source_info_list(context_, &collect<pa_source_info, Query>, &query),
               &query.done);
        return query.devices;
    }

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
};

std::string findByName(const std::vector<Device>& devices, const std::string& name)
{
    for (const Device& device : devices)
        if (device.name == name)
            return device.name;
    return {};
}

std::string findByDescription(const std::vector<Device>& devices, const std::string& description)
{
    for (const Device& device : devices)
        if (device.description == description)
            return device.name;
    return {};
}

struct Snapshot
{
    std::vector<float> samples;
    double origin = 0; // the time of sample 0, in seconds of now()
};

// Records one source as 48000 Hz mono float with small fragments. Each
// delivery gives an upper bound of when its last sample was taken (the
// arrival time less the recording's length); the smallest bound over the
// recording maps sample positions to times without the delivery jitter.
class Recorder
{
public:
    explicit Recorder(std::string source) : source_(std::move(source)) {}
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Call with the lock held.
    bool start(pa_context* context)
    {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, kRate, 1};
        stream_ = pa_stream_new(context, ("record " + source_).c_str(), &spec, nullptr);
        if (!stream_)
            return false;
        pa_stream_set_read_callback(stream_, &Recorder::onRead, this);
        pa_buffer_attr attr;
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(-1);
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(pa_usec_to_bytes(pa_usec_t(kRecordLatency * 1e6), &spec));
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
        return pa_stream_connect_record(stream_, source_.c_str(), &attr, flags) == 0;
    }

    // Call with the lock held.
    pa_stream_state_t state() const { return stream_ ? pa_stream_get_state(stream_) : PA_STREAM_FAILED; }

    // Call with the lock held.
    void stop()
    {
        if (!stream_)
            return;
        pa_stream_set_read_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }

    // Call with the lock held: starts the recording anew.
    void restart()
    {
        samples_.clear();
        origin_ = std::numeric_limits<double>::infinity();
        deliveries_ = 0;
    }

    // Call with the lock held.
    Snapshot snapshot() const { return {samples_, origin_}; }

    const std::string& source() const { return source_; }
    std::size_t frames() const { return samples_.size(); }
    // The time of sample 0, in seconds of now().
    double origin() const { return origin_; }
    bool failed() const { return failed_; }

private:
    static void onRead(pa_stream* stream, size_t, void* user)
    {
        auto* self = static_cast<Recorder*>(user);
        const double arrival = now();
        while (pa_stream_readable_size(stream) > 0) {
            const void* data = nullptr;
            size_t bytes = 0;
            if (pa_stream_peek(stream, &data, &bytes) < 0) {
                self->failed_ = true;
                return;
            }
            if (bytes == 0)
                break;
            const std::size_t frames = bytes / sizeof(float);
            if (data) {
                const auto* samples = static_cast<const float*>(data);
                self->samples_.insert(self->samples_.end(), samples, samples + frames);
            } else {
                self->samples_.insert(self->samples_.end(), frames, 0.0f); // a hole keeps its place
            }
            pa_stream_drop(stream);
        }
        // The first deliveries may carry what the source held before.
        if (++self->deliveries_ > 2)
            self->origin_ = std::min(self->origin_, arrival - double(self->samples_.size()) / kRate);
    }

    std::string source_;
    pa_stream* stream_ = nullptr;
    std::vector<float> samples_;
    double origin_ = std::numeric_limits<double>::infinity();
    int deliveries_ = 0;
    bool failed_ = false;
};

// Plays the click train into the feed sink, both channels, then silence.
class Player
{
public:
    // `bufferMs` of the train wait in the server ahead of the feed.
    explicit Player(std::vector<float> train, int bufferMs = 30)
        : train_(std::move(train)), bufferMs_(bufferMs)
    {}
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    bool start(pa_context* context)
    {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, kRate, 2};
        stream_ = pa_stream_new(context, "click train", &spec, nullptr);
        if (!stream_)
            return false;
        pa_stream_set_write_callback(stream_, &Player::onWrite, this);
        pa_buffer_attr attr;
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength =
            static_cast<uint32_t>(pa_usec_to_bytes(static_cast<pa_usec_t>(bufferMs_) * 1000, &spec));
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(-1);
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
        return pa_stream_connect_playback(stream_, kFeedSink, &attr, flags, nullptr, nullptr) == 0;
    }

    pa_stream_state_t state() const { return stream_ ? pa_stream_get_state(stream_) : PA_STREAM_FAILED; }

    void stop()
    {
        if (!stream_)
            return;
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }

    bool finished() const { return written_ >= train_.size(); }

private:
    static void onWrite(pa_stream* stream, size_t bytes, void* user)
    {
        auto* self = static_cast<Player*>(user);
        // The server's buffer may ask for more than one write can hold.
        while (bytes >= 2 * sizeof(float)) {
            void* buffer = nullptr;
            size_t size = bytes;
            if (pa_stream_begin_write(stream, &buffer, &size) < 0 || !buffer)
                return;
            auto* out = static_cast<float*>(buffer);
            const std::size_t frames = size / (2 * sizeof(float));
            for (std::size_t i = 0; i < frames; ++i) {
                const float v = self->written_ < self->train_.size() ? self->train_[self->written_] : 0.0f;
                out[2 * i] = out[2 * i + 1] = v;
                ++self->written_;
            }
            pa_stream_write(stream, buffer, frames * 2 * sizeof(float), nullptr, 0, PA_SEEK_RELATIVE);
            bytes -= std::min(bytes, frames * 2 * sizeof(float));
            if (frames == 0)
                return;
        }
    }

    std::vector<float> train_;
    int bufferMs_;
    std::size_t written_ = 0;
    pa_stream* stream_ = nullptr;
};

// ------------------------------------------------------------ signals and analysis

std::vector<float> clickTrain(int clicks)
{
    const auto spacing = static_cast<std::size_t>(kSpacing * kRate);
    const auto lead = static_cast<std::size_t>(kLead * kRate);
    const auto length = static_cast<std::size_t>(kClickSeconds * kRate);
    std::vector<float> train(lead + spacing * static_cast<std::size_t>(clicks), 0.0f);
    const double f0 = 1500.0, f1 = 4500.0, seconds = kClickSeconds;
    for (int c = 0; c < clicks; ++c) {
        const std::size_t at = lead + spacing * static_cast<std::size_t>(c);
        for (std::size_t i = 0; i < length; ++i) {
            const double t = double(i) / kRate;
            const double phase = 2.0 * kPi * (f0 * t + 0.5 * (f1 - f0) / seconds * t * t);
            const double window = 0.5 - 0.5 * std::cos(2.0 * kPi * double(i) / double(length - 1));
            train[at + i] = static_cast<float>(0.5 * window * std::sin(phase));
        }
    }
    return train;
}

// Energy envelope: the square smoothed twice over 1 ms, at 6000 Hz. Its delay
// is the same for every recording.
std::vector<double> envelope(const std::vector<float>& x)
{
    constexpr std::size_t box = kRate / 1000;
    std::vector<double> once(x.size()), twice(x.size());
    double sum = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sum += double(x[i]) * x[i];
        if (i >= box)
            sum -= double(x[i - box]) * x[i - box];
        once[i] = std::max(sum, 0.0) / box;
    }
    sum = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sum += once[i];
        if (i >= box)
            sum -= once[i - box];
        twice[i] = std::max(sum, 0.0) / box;
    }
    std::vector<double> out(x.size() / kDecimation);
    for (std::size_t j = 0; j < out.size(); ++j)
        out[j] = twice[j * kDecimation];
    return out;
}

// Positions (envelope samples) of the clicks in the reference: where the
// envelope first rises past a third of its peak, refined to the local maximum.
std::vector<std::size_t> clickPositions(const std::vector<double>& e)
{
    std::vector<std::size_t> found;
    if (e.empty())
        return found;
    const double peak = *std::max_element(e.begin(), e.end());
    if (peak <= 1e-9)
        return found;
    const double threshold = peak / 3.0;
    const auto refine = static_cast<std::size_t>(0.01 * kEnvelopeRate);
    const auto skip = static_cast<std::size_t>(0.6 * kSpacing * kEnvelopeRate);
    for (std::size_t i = 1; i < e.size(); ++i) {
        if (e[i] < threshold || e[i - 1] >= threshold)
            continue;
        const std::size_t end = std::min(e.size(), i + refine);
        const std::size_t at =
            std::size_t(std::max_element(e.begin() + long(i), e.begin() + long(end)) - e.begin());
        found.push_back(at);
        i = at + skip;
    }
    return found;
}

// Finds one click of the reference envelope `ref` (centred on `at`) in
// `path`, whose sample `base` was taken at the same time as `at`. Returns the
// delay in seconds, or NaN when no lag matches well enough. The earliest
// strong match counts: a pitch shifter may repeat a click.
double arrival(const std::vector<double>& ref, std::size_t at, const std::vector<double>& path, double base,
               const std::vector<double>& prefix, const std::vector<double>& prefix2)
{
    const long half = long(kTemplateHalf * kEnvelopeRate);
    const long size = 2 * half + 1;
    if (long(at) < half || long(at) + half >= long(ref.size()))
        return NAN;
    std::vector<double> a(static_cast<std::size_t>(size));
    double mean = 0;
    for (long i = 0; i < size; ++i)
        mean += a[std::size_t(i)] = ref[std::size_t(long(at) - half + i)];
    mean /= double(size);
    double normA = 0;
    for (double& v : a) {
        v -= mean;
        normA += v * v;
    }
    if (normA <= 0)
        return NAN;
    normA = std::sqrt(normA);

    const long from = long(std::floor(kSearchFrom * kEnvelopeRate));
    const long to = long(std::ceil(kSearchTo * kEnvelopeRate));
    const long rounded = std::lround(base);
    std::vector<double> r(std::size_t(to - from + 1), -1.0);
    double best = -1.0;
    for (long lag = from; lag <= to; ++lag) {
        const long start = rounded + lag - half;
        if (start < 0 || start + size > long(path.size()))
            continue;
        const auto s = std::size_t(start), n = std::size_t(size);
        const double sum = prefix[s + n] - prefix[s];
        const double variance = (prefix2[s + n] - prefix2[s]) - sum * sum / double(size);
        const double level = sum / double(size);
        if (variance <= 0 || level < 1e-9)
            continue;
        double dot = 0;
        for (std::size_t i = 0; i < n; ++i)
            dot += a[i] * path[s + i];
        const double c = dot / (normA * std::sqrt(variance));
        r[std::size_t(lag - from)] = c;
        best = std::max(best, c);
    }
    if (best < kMinCorrelation)
        return NAN;
    for (std::size_t i = 0; i < r.size(); ++i) {
        const double left = i > 0 ? r[i - 1] : -1.0, right = i + 1 < r.size() ? r[i + 1] : -1.0;
        if (r[i] < 0.8 * best || r[i] < left || r[i] < right)
            continue;
        double shift = 0; // parabolic refinement
        const double curvature = left - 2 * r[i] + right;
        if (i > 0 && i + 1 < r.size() && curvature < 0)
            shift = std::clamp(0.5 * (left - right) / curvature, -0.5, 0.5);
        const double lag = double(from) + double(i) + shift;
        return (double(rounded) + lag - base) / kEnvelopeRate;
    }
    return NAN;
}

struct PathResult
{
    std::string note;              // why not measured
    std::vector<double> latencies; // ms, of the clicks found
    int sent = 0;
};

// ------------------------------------------------------------ measuring

struct Paths
{
    std::string cableSink; // server names; empty without the cable
    std::string cableSource;
};

struct Measurement
{
    PathResult speakers, cable;
};

void interruptedExit()
{
    benchsupport::terminateChildren();
    std::fprintf(stderr, "%s: interrupted\n", kMe);
    std::exit(130);
}

// The three places recorded, for the whole run: the null sinks of the test
// server render far ahead while nobody asks for a short latency, and a
// subject joining such a sink would start with that delay.
struct Recorders
{
    Recorder reference{kFeedMonitor};
    Recorder speakers{kSpeakersMonitor};
    std::unique_ptr<Recorder> cable;

    std::vector<Recorder*> all()
    {
        std::vector<Recorder*> list{&reference, &speakers};
        if (cable)
            list.push_back(cable.get());
        return list;
    }

    void start(Server& server, const Paths& paths)
    {
        if (!paths.cableSource.empty())
            cable = std::make_unique<Recorder>(paths.cableSource);
        Server::Locker lock(server.loop());
        for (Recorder* recorder : all())
            if (!recorder->start(server.context()))
                fail("cannot record " + recorder->source() + ": " + server.lastError());
        const bool flowing = server.waitFor(10.0, [&] {
            for (Recorder* recorder : all())
                if (recorder->failed() || recorder->frames() < kRate / 2)
                    return false;
            return true;
        });
        if (gInterrupted)
            interruptedExit();
        if (!flowing)
            for (Recorder* recorder : all())
                if (recorder->failed() || recorder->frames() < kRate / 2)
                    fail("no sound arrives from " + recorder->source() + ": " + server.lastError());
    }

    void stop(Server& server)
    {
        Server::Locker lock(server.loop());
        for (Recorder* recorder : all())
            recorder->stop();
    }
};

// Plays the clicks and records the three places, `setUp` running in between
// (after recording started, before the clicks): it starts the subject and
// returns an empty string, or why it could not.
Measurement measure(Server& server, Recorders& recorders, int clicks,
                    const std::function<std::string()>& setUp, std::string* setUpError)
{
    Measurement result;
    *setUpError = setUp();
    if (!setUpError->empty())
        return result;

    {
        Server::Locker lock(server.loop());
        for (Recorder* recorder : recorders.all())
            recorder->restart();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(int(1000 * kWarmUp)));
    Player player(clickTrain(clicks));
    Snapshot reference, speakers, cable;
    {
        Server::Locker lock(server.loop());
        if (!player.start(server.context()))
            fail("cannot play into " + std::string(kFeedSink) + ": " + server.lastError());
        const double seconds = kLead + clicks * kSpacing + 5.0;
        if (!server.waitFor(seconds, [&] { return player.finished(); })) {
            if (gInterrupted)
                interruptedExit();
            fail("the click train did not play (stream state " + std::to_string(player.state()) + ")");
        }
        // Until the last click's arrival, the end of its search window.
        const double until = now() + kSearchTo + 0.3;
        server.waitFor(kSearchTo + 1.0, [&] { return now() > until; });
        if (gInterrupted)
            interruptedExit();
        player.stop();
        for (Recorder* recorder : recorders.all())
            if (recorder->failed() || !std::isfinite(recorder->origin()))
                fail("recording " + recorder->source() + " failed");
        reference = recorders.reference.snapshot();
        speakers = recorders.speakers.snapshot();
        if (recorders.cable)
            cable = recorders.cable->snapshot();
    }

    const std::vector<double> ref = envelope(reference.samples);
    const std::vector<std::size_t> positions = clickPositions(ref);
    if (int(positions.size()) != clicks)
        progress("the reference holds " + std::to_string(positions.size()) + " of " + std::to_string(clicks) +
                 " clicks");

    auto analyse = [&](const Snapshot& recording, PathResult* out) {
        out->sent = clicks;
        const std::vector<double> e = envelope(recording.samples);
        std::vector<double> prefix(e.size() + 1, 0.0), prefix2(e.size() + 1, 0.0);
        for (std::size_t i = 0; i < e.size(); ++i) {
            prefix[i + 1] = prefix[i] + e[i];
            prefix2[i + 1] = prefix2[i] + e[i] * e[i];
        }
        const double shift = (reference.origin - recording.origin) * kEnvelopeRate;
        for (std::size_t at : positions) {
            const double seconds = arrival(ref, at, e, double(at) + shift, prefix, prefix2);
            if (std::isfinite(seconds))
                out->latencies.push_back(1000.0 * seconds);
        }
    };
    analyse(speakers, &result.speakers);
    if (recorders.cable)
        analyse(cable, &result.cable);
    else
        result.cable.note = "no cable";
    return result;
}

// Start-up: a steady tone plays into the microphone, the subject starts, and
// the first sound on each output tells when its first processed block arrived.
constexpr double kStartupWait = 4.0; // how long a subject has to make a sound
constexpr float kSoundFloor = 1e-3f; // the null sinks carry exact zeros otherwise

struct Startup
{
    double speakers = NAN, cable = NAN; // ms from the launch
    std::string note;                   // why not measured
};

std::vector<float> steadyTone(double seconds)
{
    std::vector<float> tone(static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<float>(0.3 * std::sin(2.0 * kPi * 440.0 * double(i) / kRate));
    return tone;
}

// Milliseconds from `launch` to the first sound in the recording; NaN when
// there is none, negative when sound was there before the launch.
double firstSound(const Snapshot& recording, double launch)
{
    for (std::size_t i = 0; i < recording.samples.size(); ++i)
        if (std::fabs(recording.samples[i]) > kSoundFloor)
            return 1000.0 * (recording.origin + double(i) / kRate - launch);
    return NAN;
}

Startup measureStartup(Server& server, Recorders& recorders, const std::function<std::string()>& start)
{
    Startup result;
    Player player(steadyTone(kWarmUp + kStartupWait + 2.0));
    {
        Server::Locker lock(server.loop());
        if (!player.start(server.context()))
            fail("cannot play into " + std::string(kFeedSink) + ": " + server.lastError());
        for (Recorder* recorder : recorders.all())
            recorder->restart();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(int(1000 * kWarmUp)));
    const double launch = now();
    result.note = start();
    while (result.note.empty() && now() < launch + kStartupWait) {
        if (gInterrupted)
            interruptedExit();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Snapshot speakers, cable;
    {
        Server::Locker lock(server.loop());
        player.stop();
        speakers = recorders.speakers.snapshot();
        if (recorders.cable)
            cable = recorders.cable->snapshot();
    }
    if (!result.note.empty())
        return result;
    result.speakers = firstSound(speakers, launch);
    if (recorders.cable)
        result.cable = firstSound(cable, launch);
    if (result.speakers < 0 || result.cable < 0) {
        result.note = "sound before the launch";
        result.speakers = result.cable = NAN;
    } else if (!std::isfinite(result.speakers)) {
        result.note = "no sound within " + std::to_string(int(kStartupWait)) + " s";
    }
    return result;
}

// Clean under load: a 1 kHz tone at -3 dBFS into the microphone, through
// ours with no effect, recorded for a while on both outputs while two busy
// processes keep the cores loaded. The worst 1.5 s window's tone-to-rest
// ratio is the figure (60 dB asked), with the engine's underrun counters.
constexpr double kCleanTone = 1000.0;

struct Clean
{
    double warmUp = 0.0, seconds = 0.0;
    double input = NAN, speakers = NAN, cable = NAN; // dB, worst window
    std::string before, counters; // the engine's stage lines as the recording started and at the end
    std::string note;             // why not measured
};

// The last line of the engine's stages in `output`.
std::string lastStages(const std::string& output)
{
    const std::size_t at = output.rfind("stages");
    return at == std::string::npos ? std::string() : output.substr(at, output.find('\n', at) - at);
}

std::vector<float> toStereo(const std::vector<float>& mono)
{
    std::vector<float> stereo(2 * mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i)
        stereo[2 * i] = stereo[2 * i + 1] = mono[i];
    return stereo;
}

Clean measureClean(Server& server, Recorders& recorders, double warmUp, double seconds,
                   const std::function<std::string(double runSeconds)>& start,
                   const std::function<void()>& stop, const std::function<std::string()>& log)
{
    Clean result;
    result.warmUp = warmUp;
    result.seconds = seconds;
    std::vector<Process> busy(2);
    for (Process& process : busy) {
        std::string why;
        if (!spawnProgram({"/bin/sh", "-c", "while :; do :; done"}, {}, &process, &why)) {
            result.note = "no busy process: " + why;
            break;
        }
    }
    if (result.note.empty())
        result.note = start(warmUp + seconds + 15.0);
    if (!result.note.empty()) {
        for (Process& process : busy)
            endProcess(&process);
        stop();
        return result;
    }
    std::vector<float> tone(static_cast<std::size_t>((warmUp + seconds + 5.0) * kRate));
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<float>(0.7071 * std::sin(2.0 * kPi * kCleanTone * double(i) / kRate));
    // A deep buffer: the busy processes must not starve the microphone's feed itself.
    Player player(std::move(tone), 500);
    Snapshot input, speakers, cable;
    {
        Server::Locker lock(server.loop());
        if (!player.start(server.context()))
            fail("cannot play into " + std::string(kFeedSink) + ": " + server.lastError());
        // Under load for a while first: an engine that has to raise its
        // outputs' latency to keep up does so then.
        const double begin = now() + warmUp;
        server.waitFor(warmUp + 1.0, [&] { return gInterrupted || now() > begin; });
        for (Recorder* recorder : recorders.all())
            recorder->restart();
        result.before = lastStages(log());
        const double end = now() + seconds;
        server.waitFor(seconds + 1.0, [&] { return gInterrupted || now() > end; });
        if (gInterrupted)
            interruptedExit();
        player.stop();
        input = recorders.reference.snapshot();
        speakers = recorders.speakers.snapshot();
        if (recorders.cable)
            cable = recorders.cable->snapshot();
    }
    for (Process& process : busy)
        endProcess(&process);
    result.counters = lastStages(log());
    stop();
    result.input = audiosignal::worstToneToRest(toStereo(input.samples), kCleanTone);
    result.speakers = audiosignal::worstToneToRest(toStereo(speakers.samples), kCleanTone);
    if (recorders.cable)
        result.cable = audiosignal::worstToneToRest(toStereo(cable.samples), kCleanTone);
    return result;
}

// Starts a program and lets it settle; empty on success, else why not.
std::string startAndSettle(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment, Process* process, std::string* output)
{
    std::string error;
    if (!spawnProgram(arguments, environment, process, &error))
        return error;
    const double deadline = now() + kSettle;
    while (now() < deadline) {
        if (gInterrupted)
            interruptedExit();
        std::string why;
        if (!stillRunning(process, &why, output)) {
            endProcess(process);
            return "ended at once (" + why + ")";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

// Where our latency goes: the engine's own means (zelvani-cli live with
// ZELVANI_LIVE_STAGES) and the server's buffering of our streams. The voice
// thread's connection carries the capture and both output streams.
const char* const kOurVoice = "Zelvani Voice Changer voice";

struct Stages
{
    bool measured = false;
    double captureServer = std::numeric_limits<double>::quiet_NaN();
    double speakersServer = std::numeric_limits<double>::quiet_NaN();
    double cableServer = std::numeric_limits<double>::quiet_NaN();
    double fragment = std::numeric_limits<double>::quiet_NaN();
    double processing = std::numeric_limits<double>::quiet_NaN();
    double speakersStream = std::numeric_limits<double>::quiet_NaN();
    double cableStream = std::numeric_limits<double>::quiet_NaN();
    double speakersTarget = std::numeric_limits<double>::quiet_NaN();
    double cableTarget = std::numeric_limits<double>::quiet_NaN();
    unsigned long long speakersUnderflows = 0, cableUnderflows = 0, droppedInput = 0;
    double speakersMeasured = std::numeric_limits<double>::quiet_NaN();
    double cableMeasured = std::numeric_limits<double>::quiet_NaN();

    // The last "stages (ms, mean): capture fragment F, processing P, speakers
    // stream S, cable stream C; targets T and U; underflows A and B; dropped
    // input D frames" line.
    // In PipeWire's graph instead: the last "stages in PipeWire's graph (ms,
    // mean): quantum Q, processing P, delay in the node D" line.
    bool native = false;
    double quantum = std::numeric_limits<double>::quiet_NaN();
    double nodeDelay = std::numeric_limits<double>::quiet_NaN();

    void parse(const std::string& output)
    {
        const std::string nativeMarker = "stages in PipeWire's graph (ms, mean): ";
        const std::size_t nativeAt = output.rfind(nativeMarker);
        double q, work, n;
        if (nativeAt != std::string::npos &&
            std::sscanf(output.c_str() + nativeAt + nativeMarker.size(),
                        "quantum %lf, processing %lf, delay in the node %lf", &q, &work, &n) == 3) {
            native = true;
            quantum = q;
            processing = work;
            nodeDelay = n;
            return;
        }
        const std::string marker = "stages (ms, mean): ";
        const std::size_t at = output.rfind(marker);
        if (at == std::string::npos)
            return;
        double f, p, a, b, t, u;
        unsigned long long x, y, z;
        if (std::sscanf(
                output.c_str() + at + marker.size(),
                "capture fragment %lf, processing %lf, speakers stream %lf, cable stream %lf; targets "
                "%lf and %lf; underflows %llu and %llu; dropped input %llu",
                &f, &p, &a, &b, &t, &u, &x, &y, &z) == 9) {
            fragment = f;
            processing = p;
            speakersStream = a;
            cableStream = b;
            speakersTarget = t;
            cableTarget = u;
            speakersUnderflows = x;
            cableUnderflows = y;
            droppedInput = z;
        }
    }

    void printNative() const
    {
        std::printf(
            "\n### Where our latency goes (means, ms)\n\nThe voice runs as a node of PipeWire's graph, "
            "linked from the microphone to both outputs; the graph runs in cycles of %.2f ms "
            "(processing takes %.2f ms of each).\n\n| stage | speakers | cable |\n|---|---:|---:|\n",
            quantum, processing);
        auto cell = [](double v) {
            char text[32] = "";
            if (std::isfinite(v))
                std::snprintf(text, sizeof text, "%.1f", v);
            return std::string(text);
        };
        auto row = [&](const char* what, double speakers, double cable) {
            std::printf("| %s | %s | %s |\n", what, cell(speakers).c_str(), cell(cable).c_str());
        };
        row("delay in our node (blocks of 5 ms gathered across cycles)", nodeDelay, nodeDelay);
        row("measured (median)", speakersMeasured, cableMeasured);
        row("the graph's own part: the microphone's and the recordings' remaps and monitors",
            speakersMeasured - nodeDelay, cableMeasured - nodeDelay);
    }

    void print() const
    {
        if (native) {
            printNative();
            return;
        }
        // A sound waits on average half a capture fragment to be handed
        // over, and half a block for its place in the block written; the
        // cable's recording side hands a recording program one fragment.
        const double cableSource = 5.0;
        struct Line
        {
            const char* what;
            double speakers, cable;
        };
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const Line lines[] = {
            {"capture stream in the server", captureServer, captureServer},
            {"capture fragment (half of one, mean)", fragment / 2.0, fragment / 2.0},
            {"processing of one block", processing, processing},
            {"place in the block written (half a block)", 2.5, 2.5},
            {"output stream in the server, before each block (ours)", speakersStream, cableStream},
            {"cable recording side (one fragment)", nan, cableSource},
        };
        double sum[2] = {0.0, 0.0};
        std::printf(
            "\n### Where our latency goes (means, ms)\n\n| stage | speakers | cable |\n|---|---:|---:|\n");
        auto row = [](const char* what, double speakers, double cable) {
            auto cell = [](double v) {
                char text[32] = "";
                if (std::isfinite(v))
                    std::snprintf(text, sizeof text, "%.1f", v);
                return std::string(text);
            };
            std::printf("| %s | %s | %s |\n", what, cell(speakers).c_str(), cell(cable).c_str());
        };
        for (const Line& line : lines) {
            row(line.what, line.speakers, line.cable);
            if (std::isfinite(line.speakers))
                sum[0] += line.speakers;
            if (std::isfinite(line.cable))
                sum[1] += line.cable;
        }
        row("sum", sum[0], sum[1]);
        row("measured (median)", speakersMeasured, cableMeasured);
        row("difference", speakersMeasured - sum[0], cableMeasured - sum[1]);
        std::printf("\nThe server's own view of our output streams (buffer and device, at the end): speakers "
                    "%.1f ms, cable %.1f ms. Each output's margin target at the end: %.1f and %.1f ms, after "
                    "%llu and %llu underflows; input dropped after a hold-up: %llu frames.\n",
                    speakersServer, cableServer, speakersTarget, cableTarget, speakersUnderflows,
                    cableUnderflows, droppedInput);
    }
};

struct Row
{
    std::string subject;
    std::string path; // "speakers" or "cable"
    bool ours = false;
    PathResult result;
    double startupMs = NAN; // launch to the first sound on this path
    bool variant = false;   // ours through an effect
};

} // namespace

int main(int argc, char** argv)
{
    std::string cli = "zelvani-cli";
    std::string sox = "sox";
    int clicks = 20;
    bool quick = false;
    benchsupport::Summary summary;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--cli" && i + 1 < argc)
            cli = argv[++i];
        else if (argument == "--sox" && i + 1 < argc)
            sox = argv[++i];
        else if (argument == "--quick")
            quick = true;
        else if (argument == "--summary" && i + 1 < argc)
            summary.open(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s [--cli PATH] [--sox PATH] [--quick] [--summary FILE]\n", argv[0]);
            return 2;
        }
    }
    if (quick)
        clicks = 10;
    if (cli.find('/') == std::string::npos && access(cli.c_str(), X_OK) == 0)
        cli = "./" + cli;

    struct sigaction action
    {};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Server server;
    std::string error;
    if (!server.connect(&error))
        fail("no sound server answers (" + error +
             "); run scripts/bench, which starts a private one, or start one with "
             "eval \"$(scripts/pulse-env start DIR)\"");

    // Only the private test server has these; the user's own is never played into.
    const std::vector<Device> sinks = server.sinks(), sources = server.sources();
    if (findByName(sinks, kFeedSink).empty() || findByName(sinks, kSpeakers).empty() ||
        findByName(sources, kMicrophone).empty())
        fail("this server lacks the test devices (sinks microphone_feed and speakers, source microphone); "
             "run scripts/bench, which starts a private server with them");
    Paths paths;
    paths.cableSink = findByDescription(sinks, kCableInput);
    paths.cableSource = findByDescription(sources, kCableOutput);
    if (paths.cableSink.empty() || paths.cableSource.empty()) {
        progress("the virtual cable is missing (zelvani-cli cable install): the cable path is skipped");
        paths.cableSink.clear();
        paths.cableSource.clear();
    }
    const Server::Defaults defaults = server.defaults();
    Recorders recorders;
    recorders.start(server, paths);
    const double runSeconds = kSettle + kWarmUp + kLead + clicks * kSpacing + kSearchTo + 10.0;

    std::vector<Row> rows;
    Stages stages;
    Process ourProcess;

    // Each subject starts (settling first when asked), is measured, stops.
    struct Subject
    {
        std::string name;
        bool ours = false;
        std::function<std::string(bool settle)> start; // empty, or why it did not start
        std::function<void()> stop;
        std::string effect = {}; // ours through this effect id: compared with ours, not a peer
    };
    std::vector<Subject> subjects;

    // 1. The live engine, through no effect, to the default output and the cable;
    // then through the catalogue's first voice and its heaviest.
    auto live = [&](const std::string& name, const std::string& effect) {
        return Subject{name, effect.empty(),
                       [&, effect](bool settle) {
                           std::vector<std::string> arguments{cli, "live", "--seconds",
                                                              std::to_string(int(std::ceil(runSeconds)))};
                           if (!effect.empty())
                               arguments.insert(arguments.end(), {"--effect", effect});
                           std::string why, output;
                           if (!settle)
                               return spawnProgram(arguments, {}, &ourProcess, &why) ? std::string() : why;
                           why = startAndSettle(arguments, {"ZELVANI_LIVE_STAGES=1"}, &ourProcess, &output);
                           if (why.empty())
                               return why;
                           if (output.find("not available") != std::string::npos)
                               return std::string("not available");
                           return "failed to start: " + why;
                       },
                       [&] {
                           endProcess(&ourProcess);
                           // The live engine may make the cable the default source; the peers name
                           // their devices anyway.
                           server.setDefaults(defaults);
                       },
                       effect};
    };
    subjects.push_back(live("ours", ""));
    if (!quick) {
        subjects.push_back(live("ours, first voice (Female, id 1)", "1"));
        subjects.push_back(live("ours, heaviest voice (Alien, id 24)", "24"));
    }

    // 2. PulseAudio's module-loopback, one to the speakers and one to the cable.
    std::vector<uint32_t> modules;
    subjects.push_back({"module-loopback", false,
                        [&](bool settle) {
                            std::vector<std::string> targets{kSpeakers};
                            if (!paths.cableSink.empty())
                                targets.push_back(paths.cableSink);
                            for (const std::string& sink : targets) {
                                const std::string arguments = std::string("source=") + kMicrophone +
                                                              " sink=" + sink + " latency_msec=20";
                                const uint32_t index = server.loadModule("module-loopback", arguments);
                                if (index == PA_INVALID_INDEX)
                                    return "failed to start: module-loopback " + arguments + ": " +
                                           server.lastError();
                                modules.push_back(index);
                            }
                            if (settle)
                                std::this_thread::sleep_for(std::chrono::milliseconds(int(1000 * kSettle)));
                            return std::string();
                        },
                        [&] {
                            for (uint32_t index : modules)
                                server.unloadModule(index);
                            modules.clear();
                        }});

    // 3. SoX shifting the pitch by 300 cents, one pipeline per output.
    Process toSpeakers, toCable;
    subjects.push_back(
        {"sox pitch 300", false,
         [&](bool settle) {
             if (!soxHasPulse(sox))
                 return "failed to start: " + sox +
                        " is missing or lacks its pulseaudio driver (scripts/install-deps installs sox and "
                        "libsox-fmt-pulse)";
             auto pipeline = [&](const std::string& sink) -> std::vector<std::string> {
                 return {sox,         "--buffer", "512",        "-q", "-t",    "pulseaudio",
                         kMicrophone, "-t",       "pulseaudio", sink, "pitch", "300"};
             };
             const std::vector<std::string> environment{"PULSE_LATENCY_MSEC=20"};
             std::string why, output;
             if (!settle) {
                 // Both at once, as one program would start both paths.
                 if (!spawnProgram(pipeline(kSpeakers), environment, &toSpeakers, &why) ||
                     (!paths.cableSink.empty() &&
                      !spawnProgram(pipeline(paths.cableSink), environment, &toCable, &why)))
                     return "failed to start: " + why;
                 return std::string();
             }
             // One after the other: both starting at once load the machine, and what
             // piles up in a pipeline while it starts stays as latency.
             why = startAndSettle(pipeline(kSpeakers), environment, &toSpeakers, &output);
             if (!why.empty())
                 return "failed to start: sox " + why;
             if (!paths.cableSink.empty()) {
                 why = startAndSettle(pipeline(paths.cableSink), environment, &toCable, &output);
                 if (!why.empty())
                     return "failed to start: sox to the cable " + why;
                 if (!stillRunning(&toSpeakers, &why, &output))
                     return "failed to start: sox to the speakers ended (" + why + ")";
             }
             return std::string();
         },
         [&] {
             endProcess(&toSpeakers);
             endProcess(&toCable);
         }});

    // The effects' own latency, as the engine reports it, by subject.
    std::vector<std::pair<std::string, double>> effectLatency;
    for (const Subject& subject : subjects) {
        Startup startup;
        if (subject.effect.empty()) {
            progress(subject.name + ": start-up");
            startup = measureStartup(server, recorders, [&] { return subject.start(false); });
            subject.stop();
            if (!startup.note.empty())
                progress(subject.name + ": start-up: " + startup.note);
        }

        progress(subject.name + ": " + std::to_string(clicks) + " clicks");
        std::string failure;
        const Measurement m = measure(
            server, recorders, clicks, [&] { return subject.start(true); }, &failure);
        if (subject.ours && failure.empty()) {
            std::string why, output;
            if (!stillRunning(&ourProcess, &why, &output))
                progress("ours: zelvani-cli live ended before the clicks did (" + why + ")");
            if (ourProcess.pid > 0) {
                stages.measured = true;
                stages.captureServer = server.streamLatency(kOurVoice, kMicrophone, false);
                stages.speakersServer = server.streamLatency(kOurVoice, kSpeakers, true);
                if (!paths.cableSink.empty())
                    stages.cableServer = server.streamLatency(kOurVoice, paths.cableSink, true);
                stages.parse(readAll(ourProcess.log));
                stages.speakersMeasured = percentile(m.speakers.latencies, 0.5);
                stages.cableMeasured = percentile(m.cable.latencies, 0.5);
            }
        }
        if (!subject.effect.empty() && failure.empty()) {
            const std::string log = readAll(ourProcess.log);
            const std::size_t at = log.rfind("effect latency ");
            double ms = NAN;
            if (at != std::string::npos)
                std::sscanf(log.c_str() + at, "effect latency %lf", &ms);
            effectLatency.push_back({subject.name, ms});
        }
        subject.stop();
        if (!failure.empty())
            progress(subject.name + ": " + failure);

        Row speakersRow{subject.name, "speakers", subject.ours, m.speakers, startup.speakers};
        Row cableRow{subject.name, "cable", subject.ours, m.cable, startup.cable};
        speakersRow.variant = cableRow.variant = !subject.effect.empty();
        if (!failure.empty())
            speakersRow.result.note = cableRow.result.note = failure;
        else if (paths.cableSource.empty())
            cableRow.result.note = "no cable";
        rows.push_back(speakersRow);
        rows.push_back(cableRow);
    }
    // Clean under load, through ours with no effect. On PipeWire our voice
    // never passes its PulseAudio service, which carries only this
    // benchmark's own feed and recordings: that service's main thread is made
    // real-time (where allowed), so the load cannot break the measuring itself.
    std::string harness;
    const pid_t service = defaults.serverName.find("PipeWire") != std::string::npos ? server.peer() : 0;
    const int policy = service > 0 ? sched_getscheduler(service) : -1;
    sched_param before{};
    if (service > 0) {
        sched_getparam(service, &before);
        sched_param priority{};
        priority.sched_priority = 3;
        harness =
            sched_setscheduler(service, SCHED_FIFO, &priority) == 0
                ? "PipeWire's PulseAudio service, which carries only the benchmark's feed and recordings "
                  "here, ran its main thread at real-time priority for this run"
                : "PipeWire's PulseAudio service could not be given real-time priority (" +
                      std::string(std::strerror(errno)) + "): the feed itself may break";
    }
    progress(std::string("ours: clean under load for ") + (quick ? "15" : "60") + " s");
    const Clean clean = measureClean(
        server, recorders, quick ? 10.0 : 20.0, quick ? 15.0 : 60.0,
        [&](double runFor) {
            std::string output;
            const std::string why =
                startAndSettle({cli, "live", "--seconds", std::to_string(int(std::ceil(runFor)))},
                               {"ZELVANI_LIVE_STAGES=1"}, &ourProcess, &output);
            return why.empty() ? why : "failed to start: " + why;
        },
        [&] {
            endProcess(&ourProcess);
            server.setDefaults(defaults);
        },
        [&] { return readAll(ourProcess.log); });
    if (policy >= 0)
        sched_setscheduler(service, policy, &before);
    recorders.stop(server);

    // The report, in Markdown.
    auto ours = [&](const std::string& path) -> const Row* {
        for (const Row& row : rows)
            if (row.ours && row.path == path)
                return &row;
        return nullptr;
    };
    auto cell = [](double v, const char* format = "%.1f") {
        if (!std::isfinite(v))
            return std::string("–");
        char text[32];
        std::snprintf(text, sizeof text, format, v);
        return std::string(text);
    };
    auto medianOf = [](const Row& row) {
        return row.result.latencies.empty() ? double(NAN) : benchsupport::median(row.result.latencies);
    };
    std::printf("# Latency and start-up benchmark\n\n");
    std::printf("## Latency from the microphone: %d clicks every %.0f ms\n\n", clicks, kSpacing * 1000);
    std::printf("- %s, %s; recorded with %.0f ms fragments\n\n", benchsupport::cpuModel().c_str(),
                benchsupport::today().c_str(), kRecordLatency * 1000);
    std::printf("| subject | path | median ms | p95 ms | clicks found | ours ÷ peer (median) |\n"
                "|---|---|---:|---:|---:|---:|\n");
    for (const Row& row : rows) {
        const PathResult& r = row.result;
        if (!r.note.empty()) {
            std::printf("| %s | %s | %s | | | |\n", row.subject.c_str(), row.path.c_str(), r.note.c_str());
            continue;
        }
        const Row* mine = ours(row.path);
        const double median = medianOf(row);
        const bool peer = !row.ours && !row.variant;
        const double ratio = peer && mine && median > 0 ? medianOf(*mine) / median : NAN;
        std::printf("| %s | %s | %s | %s | %zu/%d | %s |\n", row.subject.c_str(), row.path.c_str(),
                    cell(median).c_str(), cell(percentile(r.latencies, 0.95)).c_str(), r.latencies.size(),
                    r.sent, peer ? cell(ratio, "%.2f").c_str() : "");
        if (peer && mine)
            summary.add("Latency microphone → " + row.path + " (median of " + std::to_string(clicks) +
                            " clicks)",
                        medianOf(*mine), row.subject, median, "ms", true);
    }
    std::printf("\nThe peers run between the same devices: module-loopback with latency_msec=20, and sox "
                "(pitch 300, PULSE_LATENCY_MSEC=20, one pipeline per output).\n");
    if (!effectLatency.empty()) {
        std::printf("\n### Through effects\n\nEach effect may add its own latency (what its units and "
                    "plug-ins report); the budget is ours through no effect plus that plus 3 ms.\n\n"
                    "| effect | its own latency ms | path | median ms | budget ms | within |\n"
                    "|---|---:|---|---:|---:|---|\n");
        for (const auto& [name, own] : effectLatency) {
            for (const Row& row : rows) {
                const Row* mine = ours(row.path);
                if (row.subject != name || !mine)
                    continue;
                const double median = medianOf(row), budget = medianOf(*mine) + own + 3.0;
                std::printf("| %s | %s | %s | %s | %s | %s |\n", name.c_str(), cell(own).c_str(),
                            row.path.c_str(), cell(median).c_str(), cell(budget).c_str(),
                            median <= budget ? "yes" : "no");
            }
        }
    }
    if (stages.measured)
        stages.print();

    std::printf(
        "\n## Clean under load\n\nA 1 kHz tone at -3 dBFS through ours with no effect, with two busy "
        "processes keeping the cores loaded from before the start: after %.0f s under load, the worst "
        "1.5 s window of the next %.0f s, by its tone-to-rest ratio, on each output (a gap, a repeated "
        "block or a click anywhere in a window lowers it; 60 dB asked).\n\n",
        clean.warmUp, clean.seconds);
    if (!clean.note.empty()) {
        std::printf("Not measured: %s.\n", clean.note.c_str());
    } else {
        std::printf("| recording | worst tone-to-rest dB | 60 dB met |\n|---|---:|---|\n");
        for (const auto& [what, db] : {std::pair{"the microphone's feed (the input itself)", clean.input},
                                       {"speakers", clean.speakers},
                                       {"cable", clean.cable}})
            std::printf("| %s | %s | %s |\n", what, cell(db).c_str(),
                        std::isfinite(db) ? (db >= 60.0 ? "yes" : "**no**") : "");
        std::printf("\nThe engine as the recording started: `%s`; at the end: `%s`.\n", clean.before.c_str(),
                    clean.counters.c_str());
        if (!harness.empty())
            std::printf("\n%s.\n", harness.c_str());
    }

    std::printf(
        "\n## Start-up: from launch to the microphone's sound at each output\n\n"
        "A steady tone plays into the microphone; the time runs from starting the program (loading the "
        "modules for module-loopback) until its sound first appears on the output.\n\n"
        "| subject | speakers ms | cable ms | ours ÷ peer (speakers) |\n|---|---:|---:|---:|\n");
    for (std::size_t i = 0; i + 1 < rows.size(); i += 2) {
        const Row& speakers = rows[i];
        const Row& cable = rows[i + 1];
        if (speakers.variant)
            continue;
        const Row* mine = ours("speakers");
        const double ratio =
            !speakers.ours && mine && speakers.startupMs > 0 ? mine->startupMs / speakers.startupMs : NAN;
        std::printf("| %s | %s | %s | %s |\n", speakers.subject.c_str(),
                    cell(speakers.startupMs, "%.0f").c_str(), cell(cable.startupMs, "%.0f").c_str(),
                    speakers.ours ? "" : cell(ratio, "%.2f").c_str());
        if (!speakers.ours && mine)
            summary.add("Start-up of `live`: launch to first processed sound at the speakers",
                        mine->startupMs, speakers.subject, speakers.startupMs, "ms", true, 0);
    }
    return 0;
}
