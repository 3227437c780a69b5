#pragma once

// Helpers for tests against the private sound server: pactl, a tone played
// into a sink, a recording of a source, and the frequency of captured samples.

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

#include <pulse/simple.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// Runs pactl against the server of PULSE_SERVER; its standard output, or a
// failed QVERIFY-style message through `ok`.
inline QString pactl(const QStringList& arguments, bool* ok = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    const bool finished = process.waitForFinished(10000);
    const bool success = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = success;
    if (!success)
        qWarning("pactl %s failed: %s", qPrintable(arguments.join(QLatin1Char(' '))),
                 process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

#ifdef ZELVANI_PULSE_ENV
// A private server of the test's own in `dir` (scripts/pulse-env): "start"
// (on the back-end the test run asks for; it stops one running there first)
// or "stop".
inline bool pulseEnv(const QString& action, const QString& dir)
{
    QStringList arguments{action, dir};
    const QByteArray backend = qgetenv("ZELVANI_PULSE_BACKEND");
    if (action == QLatin1String("start") && !backend.isEmpty())
        arguments.append(QStringLiteral("--") + QString::fromLatin1(backend));
    QProcess process;
    process.start(QStringLiteral(ZELVANI_PULSE_ENV), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("pulse-env %s: %s", qPrintable(action), process.readAllStandardError().constData());
        return false;
    }
    return true;
}
#endif

// Loads a module and answers its index, -1 on failure.
inline int loadModule(const QStringList& arguments)
{
    bool ok = false;
    const QString index = pactl(QStringList{QStringLiteral("load-module")} + arguments, &ok);
    return ok ? index.toInt() : -1;
}

// Unloads a module when the test ends, passed or not.
struct ModuleGuard
{
    int index;
    ~ModuleGuard()
    {
        if (index >= 0)
            pactl({QStringLiteral("unload-module"), QString::number(index)});
    }
};

// The descriptions of the server's sinks, or of its sources that are not monitors.
inline QStringList serverDescriptions(bool sources)
{
    const QString text =
        pactl({QStringLiteral("list"), sources ? QStringLiteral("sources") : QStringLiteral("sinks")});
    QStringList result;
    for (const QString& block : text.split(QRegularExpression(QStringLiteral("\\n(?=(Sink|Source) #)")))) {
        const QRegularExpressionMatch description =
            QRegularExpression(QStringLiteral("\\n\\s*Description: ([^\\n]*)")).match(block);
        const bool monitor = sources && !block.contains(QLatin1String("Monitor of Sink: n/a"));
        if (description.hasMatch() && !monitor)
            result.append(description.captured(1));
    }
    return result;
}

// A signal played into a sink (by server name) on a thread of its own until
// destroyed: `next` gives the mono samples, frame after frame, that go to
// both channels.
class SinkPlayer
{
public:
    SinkPlayer(const char* sink, std::function<float()> next)
    {
        m_thread = std::thread([this, sink = QByteArray(sink), next = std::move(next)] {
            pa_sample_spec format{PA_SAMPLE_FLOAT32LE, 48000, 2};
            // A short buffer so the signal starts and stops within a few blocks.
            pa_buffer_attr attributes{static_cast<std::uint32_t>(-1), 48000 * 2 * 4 / 50,
                                      static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                                      static_cast<std::uint32_t>(-1)};
            int error = 0;
            pa_simple* stream =
                pa_simple_new(nullptr, "Zelvani test signal", PA_STREAM_PLAYBACK, sink.constData(), "signal",
                              &format, nullptr, &attributes, &error);
            if (!stream) {
                m_failed = true;
                return;
            }
            float block[480 * 2];
            while (!m_stop) {
                for (int i = 0; i < 480; ++i)
                    block[2 * i] = block[2 * i + 1] = next();
                if (pa_simple_write(stream, block, sizeof block, &error) < 0) {
                    m_failed = true;
                    break;
                }
            }
            pa_simple_free(stream);
        });
    }
    ~SinkPlayer()
    {
        m_stop = true;
        m_thread.join();
    }
    SinkPlayer(const SinkPlayer&) = delete;
    SinkPlayer& operator=(const SinkPlayer&) = delete;

    bool failed() const { return m_failed; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_failed{false};
    std::thread m_thread;
};

// A sine played into a sink until destroyed.
class TonePlayer : public SinkPlayer
{
public:
    TonePlayer(const char* sink, double frequency, float amplitude)
        : SinkPlayer(sink, [frequency, amplitude, phase = 0.0]() mutable {
              const auto value = amplitude * static_cast<float>(std::sin(phase));
              phase += 2.0 * M_PI * frequency / 48000.0;
              return value;
          })
    {}
};

// A clip of mono samples at 48000 Hz played into a sink over and over until destroyed.
class LoopPlayer : public SinkPlayer
{
public:
    LoopPlayer(const char* sink, std::vector<float> clip)
        : SinkPlayer(sink, [clip = std::move(clip), at = std::size_t(0)]() mutable {
              const float value = clip.empty() ? 0.0f : clip[at];
              at = clip.empty() ? 0 : (at + 1) % clip.size();
              return value;
          })
    {}
};

// What a source (or a sink's monitor, by server name) records, as float
// stereo at 48000 Hz, collected on a thread of its own until destroyed.
class PulseRecorder
{
public:
    explicit PulseRecorder(const QByteArray& source)
    {
        m_thread = std::thread([this, source] {
            pa_sample_spec format{PA_SAMPLE_FLOAT32LE, 48000, 2};
            // 10 ms fragments: what is recorded arrives within a few blocks.
            pa_buffer_attr attributes{static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                                      static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                                      48000 * 2 * 4 / 100};
            int error = 0;
            pa_simple* stream =
                pa_simple_new(nullptr, "Zelvani test recorder", PA_STREAM_RECORD, source.constData(),
                              "record", &format, nullptr, &attributes, &error);
            if (!stream) {
                m_failed = true;
                return;
            }
            float block[480 * 2];
            while (!m_stop) {
                if (pa_simple_read(stream, block, sizeof block, &error) < 0) {
                    m_failed = true;
                    break;
                }
                std::lock_guard<std::mutex> guard(m_lock);
                m_samples.insert(m_samples.end(), block, block + 480 * 2);
            }
            pa_simple_free(stream);
        });
    }
    ~PulseRecorder()
    {
        m_stop = true;
        m_thread.join();
    }
    PulseRecorder(const PulseRecorder&) = delete;
    PulseRecorder& operator=(const PulseRecorder&) = delete;

    bool failed() const { return m_failed; }
    // Frames recorded since the last take().
    std::size_t frames() const
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_samples.size() / 2;
    }
    // The interleaved samples recorded since the last take().
    std::vector<float> take()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return std::exchange(m_samples, {});
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_failed{false};
    mutable std::mutex m_lock;
    std::vector<float> m_samples;
    std::thread m_thread;
};

// Frequency of the first channel of interleaved samples, from its rising zero crossings.
inline double zeroCrossingFrequency(const std::vector<float>& samples, int channels, int rate = 48000)
{
    int crossings = 0;
    const int frames = static_cast<int>(samples.size()) / channels;
    for (int i = 1; i < frames; ++i) {
        if (samples[static_cast<std::size_t>((i - 1) * channels)] < 0.0f &&
            samples[static_cast<std::size_t>(i * channels)] >= 0.0f)
            ++crossings;
    }
    return frames > 1 ? crossings * double(rate) / frames : 0.0;
}

// A sink "Drifting" whose clock runs at `rate` frames per second of
// real time: the server's pipe sink, read at that pace from its pipe. A
// reader held up does not catch up later (a device's clock does not), and
// the pipe keeps its full size, so the sink never waits on a late reader.
// What it played is kept, interleaved stereo.
class DriftingSink
{
public:
    DriftingSink(const QString& fifo, double rate)
    {
        // The module makes the pipe itself.
        ::unlink(QFile::encodeName(fifo).constData());
        bool ok = false;
        m_module = pactl({QStringLiteral("load-module"), QStringLiteral("module-pipe-sink"),
                          QStringLiteral("file=") + fifo, QStringLiteral("sink_name=drifting"),
                          QStringLiteral("format=float32le"), QStringLiteral("rate=48000"),
                          QStringLiteral("channels=2"),
                          QStringLiteral("sink_properties=device.description=Drifting")},
                         &ok);
        if (!ok)
            return;
        m_fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        if (m_fd < 0)
            return;
        m_thread = std::thread([this, rate] {
            const auto start = std::chrono::steady_clock::now();
            double read = 0.0;
            std::vector<float> buffer(4096);
            while (!m_stop) {
                const double due =
                    rate * std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                while (read + 1.0 <= due) {
                    const auto frames = std::min<std::size_t>(static_cast<std::size_t>(due - read), 2048);
                    const ssize_t got = ::read(m_fd, buffer.data(), frames * 2 * sizeof(float));
                    if (got <= 0)
                        break;
                    const auto samples = static_cast<std::size_t>(got) / sizeof(float);
                    read += static_cast<double>(samples) / 2.0;
                    std::lock_guard<std::mutex> guard(m_lock);
                    m_played.insert(m_played.end(), buffer.begin(),
                                    buffer.begin() + static_cast<long>(samples));
                }
                read = std::max(read, due - rate / 50.0); // at most 20 ms behind
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~DriftingSink()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_module.isEmpty())
            pactl({QStringLiteral("unload-module"), m_module});
    }
    DriftingSink(const DriftingSink&) = delete;
    DriftingSink& operator=(const DriftingSink&) = delete;

    bool ready() const { return m_fd >= 0; }
    // What it played since the last take.
    std::vector<float> take()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return std::exchange(m_played, {});
    }

private:
    QString m_module;
    int m_fd = -1;
    std::atomic<bool> m_stop{false};
    std::mutex m_lock;
    std::vector<float> m_played;
    std::thread m_thread;
};
