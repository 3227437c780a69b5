#pragma once

// One output of the voice: a playback stream of the sound server written
// straight from the audio thread, one processed block at a time.
//
// What is controlled is the stream's margin: how much of our sound waits in
// the server (its device's own buffer aside) just before a block arrives.
// Its mean over each second is held at a small target by resampling,
// because the microphone and the output may run on different clocks (real
// sound cards drift): a PI loop, as the server's own loopback has, whose
// integral learns the clocks' ratio. The ratio glides (0.2 % per second at
// most) instead of stepping, and where both devices run on one clock it
// stays at 1.
// At the start and after an underrun (when the sound is broken anyway) the
// stream is filled up to its target with silence at once. After an
// underrun the target grows by one step; after 30 s without one it shrinks
// back by one, so a busy machine settles on a latency it can keep. An
// underrun soon after a shrink (within the wait that preceded it) doubles
// that wait, up to 10 minutes: the target stops probing a floor the machine
// has shown it cannot hold, instead of breaking the sound every 30 s. A
// backlog (the thread was held up) is dropped at once when even the lowest
// margin of 200 ms lies 3 ms above the target: one short gap instead of a
// lasting delay.

#include <pulse/pulseaudio.h>

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>

class PulseSession;

// Stereo interpolation by a ratio close to 1 (4-point Hermite): two frames
// of delay, and a tone passes with its distortion far below 60 dB.
class DriftResampler
{
public:
    // Input frames one call takes at most.
    explicit DriftResampler(int maxFrames);
    // Output frames per input frame; 1 passes the input through unchanged.
    // A new ratio is reached gradually, at most 0.2 % per second, so the
    // pitch glides instead of stepping.
    void setRatio(double ratio) { m_targetStep = 1.0 / ratio; }
    void jumpToRatio(double ratio) { m_step = m_targetStep = 1.0 / ratio; }
    // Resamples `frames` frames into `out`, which has room for
    // maxOutput(frames); answers how many it wrote.
    int process(const float* in, int frames, float* out);
    static int maxOutput(int frames) { return frames + frames / 64 + 4; }
    void reset();

private:
    int m_maxFrames;
    std::unique_ptr<float[]> m_work; // 3 frames of history, then the input
    double m_position = 1.0;         // into m_work, in frames
    double m_step = 1.0;             // input frames per output frame
    double m_targetStep = 1.0;
};

class VoiceOutput
{
public:
    // `streamName` is what the server shows for the stream.
    VoiceOutput(const char* streamName, int maxBlockFrames);
    ~VoiceOutput();
    VoiceOutput(const VoiceOutput&) = delete;
    VoiceOutput& operator=(const VoiceOutput&) = delete;

    // Any thread but the loop's: plays to the sink named `sinkName` (the
    // server's name) through `session`, closing what played before. False
    // with `error` set when the stream does not start.
    bool open(PulseSession* session, const QByteArray& sinkName, QString* error);
    void close();
    bool isOpen() const { return m_stream != nullptr; }
    QByteArray sinkName() const { return m_sink; }

    // The loop thread, with its lock held: one processed block.
    void write(const float* block, int frames);

    // Counters since the start, readable from any thread.
    struct Stats
    {
        std::uint64_t underflows = 0;
        std::uint64_t droppedFrames = 0; // backlog dropped above the target
        std::uint64_t writtenFrames = 0; // to the stream, silence included
        double latencyMs = 0.0;          // the stream's whole latency, smoothed
        double marginMs = 0.0;           // its mean margin over the last second
        double targetMs = 0.0;           // of the margin
        double ratio = 1.0;              // the resampling now
        double clockRatio = 1.0;         // its part that the clocks' difference was learnt to need
    };
    Stats stats() const;

    static constexpr double kBaseTargetMs = 10.0;
    // PipeWire's PulseAudio service takes a stream's sound in quanta of its
    // graph (1024 frames, 21 ms, by default): less than that underruns.
    static constexpr double kPipeWireBaseTargetMs = 25.0;
    static constexpr double kStepMs = 2.5;
    static constexpr double kMaxTargetMs = 60.0;
    static constexpr double kMaxCorrection = 0.005;
    static constexpr double kMaxDrift = 0.005;
    // A backlog this far above the target is dropped rather than resampled away.
    static constexpr double kDropAboveMs = 3.0;
    static constexpr int kShrinkAfterMs = 30000;
    static constexpr int kLongestShrinkAfterMs = 600000;

private:
    static void onState(pa_stream* stream, void* userdata);
    static void onUnderflow(pa_stream* stream, void* userdata);
    void setTarget(double ms);
    void dropStream(); // the loop's lock held
    // Once a second: the ratio for the margin's mean error (ms).
    void control(double error);
    void resetControl();

    QByteArray m_name;
    QByteArray m_sink;
    PulseSession* m_session = nullptr;
    pa_stream* m_stream = nullptr;
    DriftResampler m_resampler;
    std::unique_ptr<float[]> m_out;
    int m_maxBlockFrames;

    // Loop thread.
    bool m_started = false;
    bool m_refill = true; // fill up to the target with silence at the next write
    std::unique_ptr<float[]> m_silence;
    bool m_smoothedValid = false;
    double m_smoothed = 0.0; // the whole latency, for the figures
    double m_lowest = 0.0;   // the margin's lowest in this window
    int m_windowWrites = 0;
    int m_controlWindows = 0;
    double m_marginSum = 0.0;        // over this control step
    int m_excessFrames = 0;          // still to drop
    std::int64_t m_lastChangeUs = 0; // of the target, or the last underflow
    std::int64_t m_lastShrinkUs = 0;
    std::int64_t m_shrinkAfterUs = std::int64_t(kShrinkAfterMs) * 1000;
    double m_clockRatio = 1.0; // learnt: output frames per input frame

    std::atomic<std::uint64_t> m_underflows{0};
    std::atomic<std::uint64_t> m_dropped{0};
    std::atomic<std::uint64_t> m_written{0};
    std::atomic<double> m_latencyMs{0.0};
    std::atomic<double> m_marginMs{0.0};
    double m_baseTargetMs = kBaseTargetMs; // for this server
    std::atomic<double> m_targetMs{kBaseTargetMs};
    std::atomic<double> m_ratio{1.0};
    std::atomic<double> m_learntRatio{1.0};
};
