#pragma once

// The voice player. It turns the engine's processed microphone blocks into
// continuous output on two devices through two library systems:
// - the output half plays to the user's output device; its master group
//   holds the effect's built-in units and, at the head, the "Capture DSP",
//   which copies the finished mix towards the virtual half;
// - the virtual half plays that copy to the virtual cable.
// Each half loops an 8 s stream buffer that is written 512 frames at a time at
// the channel's position, from a queue of float samples. The output half's
// buffer holds floats, so what a plug-in makes above full scale reaches the
// output limiter (behind the units, ahead of the copy) whole instead of
// flat-topped; the virtual half's holds 16-bit samples of that limited mix.

#include "zaudio/zaudio.h"

#include <QMap>
#include <QObject>

#include <cstdint>
#include <memory>

class AudioPlayback : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AudioPlayback)

public:
    // Sound parameters of both halves: 8 s of stereo at 48000 Hz, fed 512
    // frames at a time; 32-bit float on the output half, 16-bit on the virtual one.
    static constexpr int kRate = 48000;
    static constexpr unsigned kSoundFrames = 384000;
    static constexpr unsigned kWriteFrames = 512;
    static constexpr unsigned kOutputSoundBytes = kSoundFrames * 2 * sizeof(float);
    static constexpr unsigned kOutputWriteBytes = kWriteFrames * 2 * sizeof(float);
    // Queue lengths (samples) that start a feeding: the output half feeds once
    // twice this waits, the virtual half's feeder once this does.
    static constexpr int kFeedSamples = 2048;
    // The mixer block of both systems, in frames: the virtual queue's drop
    // rule (5 blocks) must stay above its feeding threshold (2048 samples).
    static constexpr unsigned kBlockFrames = 512;

    explicit AudioPlayback(QObject* parent = nullptr, zaudio::OutputType output = zaudio::OutputType::Pulse);
    ~AudioPlayback() override;

    void init(int outputDriver, int virtualDriver);
    // Appends interleaved stereo samples to the output queue and feeds the
    // output half once 2 × kFeedSamples wait. Any thread.
    void pushVoice(const float* block, int n);
    // Appends to the virtual queue (the "Capture DSP" does this through its
    // hand-off). Any thread.
    void pushVirtual(const float* block, int n);
    void pauseVoice(bool pause);
    void flush();
    void setOutputDriver(int id);
    // Moves the cable's half to another device (a cable installed again).
    void setVirtualDriver(int id);

    void clearEffectUnits();
    void addEffectUnit(int type, const QMap<int, float>& values);
    void setUnitParameter(int type, int index, float value);
    void setEffectBypass(bool bypass);

    // For tests, the command line and benchmarks. The sizes never wait for
    // a lock: they are as of the last change.
    zaudio::System outputSystem() const;
    zaudio::System virtualSystem() const;
    zaudio::Channel voiceChannel() const;
    zaudio::Channel virtualChannel() const;
    zaudio::DSP captureDsp() const;
    // The safety limiter of the output system, just ahead of the "Capture
    // DSP": speakers and cable both get its output.
    zaudio::DSP outputLimiter() const;
    QMap<int, zaudio::DSP> effectUnits() const;
    int outputQueueSize() const;
    int virtualQueueSize() const;
    std::uint32_t outputWriteEnd() const;
    // What waits on each path: the queues (samples) and the stream buffers
    // (frames written and not yet played).
    struct Levels
    {
        int outputQueue = 0;
        int virtualQueue = 0;
        unsigned outputBuffered = 0;
        unsigned virtualBuffered = 0;
        // Since the start: frames of silence because a buffer ran dry, and
        // samples the queues dropped (five blocks waiting). 0 in clean running.
        std::uint64_t outputDry = 0;
        std::uint64_t virtualDry = 0;
        std::int64_t outputDropped = 0;
        std::int64_t virtualDropped = 0;
        // Times the sound server ran out of each system's output.
        std::uint64_t outputUnderflows = 0;
        std::uint64_t virtualUnderflows = 0;
    };
    Levels levels() const;
    // Mixer blocks the hand-off had no room for (0 in normal running).
    std::uint64_t droppedCaptureBlocks() const;

    // The virtual half's sample of a float: f × 32768 truncated toward zero,
    // held within ±32767.
    static std::int16_t toPcm16(float value);

    struct Private;

private:
    std::unique_ptr<Private> d;
};
