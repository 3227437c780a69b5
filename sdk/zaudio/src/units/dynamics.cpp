#include "dsp.h"
#include "units.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zaudio {

namespace {

constexpr UnitParameter kDistortionParameters[] = {
    {"level", "", 0.0f, 1.0f, 0.5f},
};
const UnitInfo kDistortionInfo = {9, "distortion", kDistortionParameters, 1};

constexpr UnitParameter kNormalizeParameters[] = {
    {"fade time", "ms", 0.0f, 20000.0f, 5000.0f},
    {"threshold", "", 0.0f, 1.0f, 0.1f},
    {"maximum amplification", "", 1.0f, 100000.0f, 20.0f},
};
const UnitInfo kNormalizeInfo = {10, "normalize", kNormalizeParameters, 3};

constexpr UnitParameter kLimiterParameters[] = {
    {"release", "ms", 1.0f, 1000.0f, 10.0f},
    {"ceiling", "dB", -12.0f, 0.0f, 0.0f},
    {"maximiser gain", "dB", 0.0f, 12.0f, 0.0f},
    {"mode", "", 0.0f, 1.0f, 0.0f},
};
const UnitInfo kLimiterInfo = {11, "limiter", kLimiterParameters, 4};

// Index 5 is not used; it keeps the published index of "linked channels".
constexpr UnitParameter kCompressorParameters[] = {
    {"threshold", "dB", -60.0f, 0.0f, 0.0f},     {"ratio", "", 1.0f, 50.0f, 2.5f},
    {"attack", "ms", 0.1f, 500.0f, 20.0f},       {"release", "ms", 10.0f, 5000.0f, 100.0f},
    {"make-up gain", "dB", -30.0f, 30.0f, 0.0f}, {"unused", "", 0.0f, 0.0f, 0.0f},
    {"linked channels", "", 0.0f, 1.0f, 1.0f},
};
const UnitInfo kCompressorInfo = {18, "compressor", kCompressorParameters, 7};

constexpr int kChannels = Unit::kMaxChannels;
// Glide of gain-like parameters, so a change never steps the waveform.
constexpr float kParameterGlideMs = 10.0f;
// Samples per control step where gains are computed at a lower rate than audio
// (normalize, compressor); gains are interpolated between steps.
constexpr int kControlFrames = 16;

// Coefficient of a one-pole lag of `ms` advanced `frames` samples at a time.
float lagCoefficient(float ms, int frames, int sampleRate)
{
    const float samples = ms * 0.001f * static_cast<float>(sampleRate);
    return samples <= 0.0f ? 1.0f : 1.0f - std::exp(-static_cast<float>(frames) / samples);
}

// tanh by the continued-fraction rational of order 7/6 (error below 1e-4),
// clamped to +-1 where the rational would pass it.
inline float softClip(float x)
{
    x = std::clamp(x, -4.97f, 4.97f);
    const float x2 = x * x;
    const float n = x * (135135.0f + x2 * (17325.0f + x2 * (378.0f + x2)));
    const float d = 135135.0f + x2 * (62370.0f + x2 * (3150.0f + x2 * 28.0f));
    return std::clamp(n / d, -1.0f, 1.0f);
}

// The minimum of the last `length` values pushed, kept as a queue of
// increasing values: constant time per value on average.
class SlidingMinimum
{
public:
    void resize(unsigned length)
    {
        m_length = std::max(1u, length);
        unsigned size = 1;
        while (size < m_length + 1)
            size <<= 1;
        m_mask = size - 1;
        m_values.assign(size, 0.0f);
        m_stamps.assign(size, 0);
        reset();
    }
    void reset() { m_front = m_back = m_now = 0; }
    float push(float v)
    {
        while (m_back != m_front && m_values[(m_back - 1) & m_mask] >= v)
            --m_back;
        m_values[m_back & m_mask] = v;
        m_stamps[m_back & m_mask] = m_now;
        ++m_back;
        // Stamps rise along the queue, so at most the front leaves the window.
        if (m_now - m_stamps[m_front & m_mask] >= m_length)
            ++m_front;
        ++m_now;
        return m_values[m_front & m_mask];
    }

private:
    std::vector<float> m_values;
    std::vector<std::uint32_t> m_stamps;
    std::uint32_t m_length = 1, m_mask = 0, m_front = 0, m_back = 0, m_now = 0;
};

// Type 9: a tanh waveshaper whose drive grows with the level, scaled so a full
// scale input stays at full scale. Level 0 leaves the signal untouched.
class DistortionUnit : public Unit
{
public:
    DistortionUnit() : Unit(kDistortionInfo) {}

    void setup(int sampleRate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(sampleRate, maxFrames, maxChannels);
        m_drive.setTime(kParameterGlideMs, sampleRate);
        m_primed = false;
    }
    void reset() override { m_primed = false; }

    void process(float* data, unsigned frames, int channels) override
    {
        const float level = target(0);
        const float drive = kMaxDrive * level * level;
        if (!m_primed || m_drive.settled(drive)) {
            m_drive.jump(drive);
            m_primed = true;
            if (drive <= 0.0f)
                return;
            const float scale = 1.0f / softClip(drive);
            const std::size_t n = static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels);
            for (std::size_t i = 0; i < n; ++i)
                data[i] = softClip(drive * data[i]) * scale;
            return;
        }
        for (unsigned i = 0; i < frames; ++i) {
            const float d = m_drive.next(drive);
            float* frame = data + static_cast<std::size_t>(i) * static_cast<std::size_t>(channels);
            // tanh(d x) / tanh(d) tends to x as d falls; below this the
            // difference is under 1e-6.
            if (d < 1e-3f)
                continue;
            const float scale = 1.0f / softClip(d);
            for (int c = 0; c < channels; ++c)
                frame[c] = softClip(d * frame[c]) * scale;
        }
    }

private:
    // Drive at level 1: about 32 dB more gain for quiet parts than for peaks.
    static constexpr float kMaxDrive = 40.0f;
    dsp::Smoothed m_drive;
    bool m_primed = false;
};

// Type 10: one gain for all channels that brings the running peak to full scale.
// The peak follows the input at once, holds, then slowly decays. The gain is
// capped at min(maximum amplification, 1 / max(peak, threshold)); it drops to
// the cap at once when a louder peak arrives (so the output never passes 1.0),
// and rises towards it on a ramp in dB that ends within the fade time.
class NormalizeUnit : public Unit
{
public:
    NormalizeUnit() : Unit(kNormalizeInfo) {}

    void setup(int sampleRate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(sampleRate, maxFrames, maxChannels);
        m_holdFrames = static_cast<int>(kHoldSeconds * static_cast<float>(sampleRate));
        m_decay = std::exp(-1.0f / (kDecaySeconds * static_cast<float>(sampleRate)));
        m_capLag = lagCoefficient(kParameterGlideMs, kControlFrames, sampleRate);
        reset();
    }

    void reset() override
    {
        m_peak = 0.0f;
        m_held = 0;
        m_gain = 1.0f;
        m_rise = 1.0f;
        m_rampLeft = 0;
        m_count = 0;
        m_primed = false;
    }

    void process(float* data, unsigned frames, int channels) override
    {
        const float fadeFrames = target(0) * 0.001f * static_cast<float>(sampleRate());
        const float threshold = target(1);
        const float capTarget =
            std::log(threshold > 0.0f ? std::min(target(2), 1.0f / threshold) : target(2));
        if (!m_primed) {
            m_capLog = capTarget;
            m_cap = std::exp(m_capLog);
            m_primed = true;
        }
        for (unsigned i = 0; i < frames; ++i) {
            if (m_count == 0)
                control(capTarget, fadeFrames);
            m_count = (m_count + 1) % kControlFrames;

            float* frame = data + static_cast<std::size_t>(i) * static_cast<std::size_t>(channels);
            float level = 0.0f;
            for (int c = 0; c < channels; ++c)
                level = std::max(level, std::fabs(frame[c]));
            if (level >= m_peak) {
                m_peak = level;
                m_held = m_holdFrames;
            } else if (m_held > 0) {
                --m_held;
            } else {
                m_peak = dsp::undenormal(m_peak * m_decay);
            }
            m_cap *= m_capStep;
            float gain = std::min(m_gain * m_rise, m_cap);
            if (gain * m_peak > 1.0f)
                gain = 1.0f / m_peak;
            m_gain = gain;
            for (int c = 0; c < channels; ++c)
                frame[c] *= gain;
        }
    }

private:
    static constexpr float kHoldSeconds = 0.1f;
    static constexpr float kDecaySeconds = 1.0f;

    // Every kControlFrames: the cap's glide and the rate of the rising ramp.
    void control(float capTarget, float fadeFrames)
    {
        const float from = m_capLog;
        m_cap = std::exp(from);
        if (from != capTarget) {
            m_capLog += (capTarget - m_capLog) * m_capLag;
            if (std::fabs(capTarget - m_capLog) < 1e-6f)
                m_capLog = capTarget;
        }
        m_capStep = std::exp((m_capLog - from) / kControlFrames);
        const float cap = std::exp(m_capLog);
        const float goal = m_peak > 0.0f ? std::min(cap, 1.0f / m_peak) : cap;
        if (m_gain < goal * 0.99999f) {
            if (m_rampLeft <= 0.0f)
                m_rampLeft = std::max(fadeFrames, 1.0f);
            m_rise = std::exp(std::log(goal / m_gain) / m_rampLeft);
            m_rampLeft -= kControlFrames;
        } else {
            m_rise = 1.0f;
            m_rampLeft = 0.0f;
        }
    }

    int m_holdFrames = 4800;
    float m_decay = 1.0f;
    float m_capLag = 1.0f;
    float m_peak = 0.0f;
    int m_held = 0;
    float m_gain = 1.0f;
    float m_rise = 1.0f;
    float m_rampLeft = 0.0f;
    float m_capLog = 0.0f;
    float m_cap = 1.0f;
    float m_capStep = 1.0f;
    int m_count = 0;
    bool m_primed = false;
};

// Type 11: a look-ahead peak limiter, computed on control steps of a few
// samples. Each step takes the gain its loudest sample needs to stay under the
// ceiling; the gains go through a sliding minimum over kSteps + 1 steps, an
// instant-attack / one-pole-release stage and a moving average over kSteps
// steps, and the result is interpolated linearly across the next step. Both
// ends of every interpolated segment are at or below what the samples it
// scales need, so the ceiling holds exactly, and the gain ramps down across
// the look-ahead (kSteps + 1 steps of delay) before a peak comes out.
// The gain is found for the input scaled by maximiser gain / ceiling against
// 1.0, and applied with the maximiser gain alone, so at 0 dB of maximiser
// gain a signal under the ceiling comes out sample for sample, only delayed.
class LimiterUnit : public Unit
{
public:
    LimiterUnit() : Unit(kLimiterInfo) {}

    void setup(int sampleRate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(sampleRate, maxFrames, maxChannels);
        m_stepFrames =
            std::max(1, static_cast<int>(std::lround(kLookAheadMs * 0.001 * sampleRate / (kSteps + 1))));
        m_latency = (kSteps + 1) * m_stepFrames;
        for (Channel& ch : m_channels) {
            ch.minimum.resize(kSteps + 1);
            ch.delay.resize(static_cast<std::size_t>(m_latency + 1));
        }
        m_glide = lagCoefficient(kGlideMs, 1, sampleRate);
        reset();
    }

    void reset() override
    {
        for (Channel& ch : m_channels) {
            ch.minimum.reset();
            std::fill(std::begin(ch.average), std::end(ch.average), 1.0f);
            ch.release = 1.0f;
            ch.peak = 0.0f;
            ch.gain = ch.end = 1.0f;
            ch.step = 0.0f;
            ch.delay.reset();
        }
        m_count = 0;
        m_primed = false;
    }

    int latencyFrames() const override { return m_latency; }

    void process(float* data, unsigned frames, int channels) override
    {
        const float release = lagCoefficient(target(0), m_stepFrames, sampleRate());
        const float makeupTarget = dsp::dbToGain(target(2));
        const float preTarget = dsp::dbToGain(target(2) - target(1));
        const bool linked = target(3) >= 0.5f;
        if (!m_primed) {
            m_pre = preTarget;
            m_makeup = makeupTarget;
            m_primed = true;
        }
        const auto delay = static_cast<std::size_t>(m_latency + 1);
        std::uint64_t reduced = 0;
        for (unsigned i = 0; i < frames; ++i) {
            m_pre += (preTarget - m_pre) * m_glide;
            m_makeup += (makeupTarget - m_makeup) * m_glide;
            float* frame = data + static_cast<std::size_t>(i) * static_cast<std::size_t>(channels);
            float lowest = 1.0f;
            for (int c = 0; c < channels; ++c) {
                Channel& ch = m_channels[c];
                ch.peak = std::max(ch.peak, std::fabs(frame[c] * m_pre));
                ch.delay.push(frame[c]);
                ch.gain += ch.step;
                lowest = std::min(lowest, ch.gain);
                frame[c] = ch.delay.at(delay) * (ch.gain * m_makeup);
            }
            if (lowest < kReducing)
                ++reduced;
            if (++m_count == m_stepFrames) {
                m_count = 0;
                control(channels, linked, release);
            }
        }
        if (reduced != 0)
            m_reduced.fetch_add(reduced, std::memory_order_relaxed);
    }

    bool reductionFrames(std::uint64_t* frames) const override
    {
        *frames = m_reduced.load(std::memory_order_relaxed);
        return true;
    }

private:
    static constexpr double kLookAheadMs = 1.5;
    static constexpr int kSteps = 8;
    static constexpr float kGlideMs = 5.0f;
    // A gain below this (0.001 dB down) counts as holding the level down.
    static constexpr float kReducing = 0.9999f;

    struct Channel
    {
        SlidingMinimum minimum;
        float average[kSteps];
        float release = 1.0f;
        float peak = 0.0f;
        float gain = 1.0f, step = 0.0f;
        float end = 1.0f;
        dsp::DelayLine delay;
    };

    void control(int channels, bool linked, float release)
    {
        float loudest = 0.0f;
        for (int c = 0; c < channels; ++c)
            loudest = std::max(loudest, m_channels[c].peak);
        for (int c = 0; c < channels; ++c) {
            Channel& ch = m_channels[c];
            const float needed = 1.0f / std::max(linked ? loudest : ch.peak, 1.0f);
            ch.peak = 0.0f;
            const float held = ch.minimum.push(needed);
            ch.release = held < ch.release ? held : ch.release + (held - ch.release) * release;
            float sum = 0.0f;
            for (int k = kSteps - 1; k > 0; --k) {
                ch.average[k] = ch.average[k - 1];
                sum += ch.average[k];
            }
            ch.average[0] = ch.release;
            // Restart each segment from the exact end of the last one.
            ch.gain = ch.end;
            ch.end = (sum + ch.release) * (1.0f / kSteps);
            ch.step = (ch.end - ch.gain) / static_cast<float>(m_stepFrames);
        }
    }

    Channel m_channels[kChannels];
    int m_stepFrames = 8;
    int m_latency = 72;
    int m_count = 0;
    float m_glide = 1.0f;
    float m_pre = 1.0f;
    float m_makeup = 1.0f;
    bool m_primed = false;
    std::atomic<std::uint64_t> m_reduced{0};
};

// Type 18: a feed-forward compressor. The detector is the peak over the last
// 10 ms (so a steady tone of 50 Hz or more reads its amplitude without ripple);
// a hard-knee gain computer in dB gives the gain reduction, which is smoothed
// with the attack time while it grows and the release time while it shrinks.
// Gains are computed every kControlFrames samples and interpolated.
class CompressorUnit : public Unit
{
public:
    CompressorUnit() : Unit(kCompressorInfo) {}

    void setup(int sampleRate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(sampleRate, maxFrames, maxChannels);
        const auto steps = static_cast<unsigned>(
            std::ceil(kWindowMs * 0.001f * static_cast<float>(sampleRate) / kControlFrames));
        for (Channel& ch : m_channels)
            ch.window.resize(steps);
        m_parameterLag = lagCoefficient(kParameterGlideMs, kControlFrames, sampleRate);
        reset();
    }

    void reset() override
    {
        for (Channel& ch : m_channels) {
            ch.window.reset();
            ch.blockPeak = 0.0f;
            ch.reduction = 0.0f;
        }
        m_count = 0;
        m_primed = false;
    }

    void process(float* data, unsigned frames, int channels) override
    {
        const Settings s = {target(0),
                            1.0f - 1.0f / target(1),
                            lagCoefficient(target(2), kControlFrames, sampleRate()),
                            lagCoefficient(target(3), kControlFrames, sampleRate()),
                            target(4),
                            target(6) >= 0.5f};
        if (!m_primed) {
            m_threshold = s.threshold;
            m_slope = s.slope;
            m_makeUp = s.makeUp;
            const float gain = dsp::dbToGain(m_makeUp);
            for (Channel& ch : m_channels) {
                ch.gain = ch.end = gain;
                ch.step = 0.0f;
            }
            m_primed = true;
        }
        for (unsigned i = 0; i < frames; ++i) {
            float* frame = data + static_cast<std::size_t>(i) * static_cast<std::size_t>(channels);
            for (int c = 0; c < channels; ++c) {
                Channel& ch = m_channels[c];
                const float x = frame[c];
                ch.blockPeak = std::max(ch.blockPeak, std::fabs(x));
                ch.gain += ch.step;
                frame[c] = x * ch.gain;
            }
            if (++m_count == kControlFrames) {
                m_count = 0;
                control(s, channels);
            }
        }
    }

private:
    static constexpr float kWindowMs = 10.0f;

    struct Settings
    {
        float threshold, slope, attack, release, makeUp;
        bool linked;
    };

    struct Channel
    {
        SlidingMinimum window; // of negated peaks: the maximum
        float blockPeak = 0.0f;
        float reduction = 0.0f; // dB
        float gain = 1.0f, end = 1.0f, step = 0.0f;
    };

    float reductionFor(float peak) const
    {
        const float over = dsp::gainToDb(peak) - m_threshold;
        return over > 0.0f ? over * m_slope : 0.0f;
    }

    void control(const Settings& s, int channels)
    {
        m_threshold += (s.threshold - m_threshold) * m_parameterLag;
        m_slope += (s.slope - m_slope) * m_parameterLag;
        m_makeUp += (s.makeUp - m_makeUp) * m_parameterLag;
        float loudest = 0.0f;
        float peaks[kChannels];
        for (int c = 0; c < channels; ++c) {
            Channel& ch = m_channels[c];
            peaks[c] = -ch.window.push(-ch.blockPeak);
            ch.blockPeak = 0.0f;
            loudest = std::max(loudest, peaks[c]);
        }
        const float sharedReduction = s.linked ? reductionFor(loudest) : 0.0f;
        for (int c = 0; c < channels; ++c) {
            Channel& ch = m_channels[c];
            const float wanted = s.linked ? sharedReduction : reductionFor(peaks[c]);
            const float lag = wanted > ch.reduction ? s.attack : s.release;
            ch.reduction = dsp::undenormal(ch.reduction + (wanted - ch.reduction) * lag);
            // Start from the exact end of the last ramp so steps never drift.
            ch.gain = ch.end;
            ch.end = dsp::dbToGain(m_makeUp - ch.reduction);
            ch.step = (ch.end - ch.gain) / kControlFrames;
        }
    }

    Channel m_channels[kChannels];
    float m_parameterLag = 1.0f;
    float m_threshold = 0.0f, m_slope = 0.0f, m_makeUp = 0.0f;
    int m_count = 0;
    bool m_primed = false;
};

} // namespace

const UnitEntry kDistortionEntry = {&kDistortionInfo, &makeUnit<DistortionUnit>};
const UnitEntry kNormalizeEntry = {&kNormalizeInfo, &makeUnit<NormalizeUnit>};
const UnitEntry kLimiterEntry = {&kLimiterInfo, &makeUnit<LimiterUnit>};
const UnitEntry kCompressorEntry = {&kCompressorInfo, &makeUnit<CompressorUnit>};

} // namespace zaudio
