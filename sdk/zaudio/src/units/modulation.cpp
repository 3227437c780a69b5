#include "dsp.h"
#include "units.h"

#include <algorithm>
#include <cmath>

namespace zaudio {

namespace {

constexpr UnitParameter kFlangeParameters[] = {
    {"mix", "%", 0.0f, 100.0f, 50.0f},
    {"depth", "", 0.01f, 1.0f, 1.0f},
    {"rate", "Hz", 0.0f, 20.0f, 0.1f},
};
const UnitInfo kFlangeInfo = {8, "flange", kFlangeParameters, 3};

constexpr UnitParameter kChorusParameters[] = {
    {"mix", "%", 0.0f, 100.0f, 50.0f},
    {"rate", "Hz", 0.0f, 20.0f, 0.8f},
    {"depth", "ms", 0.0f, 100.0f, 3.0f},
};
const UnitInfo kChorusInfo = {14, "chorus", kChorusParameters, 3};

constexpr UnitParameter kTremoloParameters[] = {
    {"frequency", "Hz", 0.1f, 20.0f, 5.0f}, {"depth", "", 0.0f, 1.0f, 1.0f},
    {"shape", "", 0.0f, 1.0f, 0.0f},        {"skew", "", -1.0f, 1.0f, 0.0f},
    {"duty", "", 0.0f, 1.0f, 0.5f},         {"square", "", 0.0f, 1.0f, 0.0f},
    {"phase", "", 0.0f, 1.0f, 0.0f},        {"spread", "", -1.0f, 1.0f, 0.0f},
};
const UnitInfo kTremoloInfo = {22, "tremolo", kTremoloParameters, 8};

constexpr int kChannels = Unit::kMaxChannels;

// A value that moves in a straight line to each new target over a fixed time
// and then holds it exactly (a mix of 0 stays bit-transparent).
class Ramp
{
public:
    void setLength(int samples) { m_length = std::max(samples, 1); }
    void reset() { m_primed = false; }
    // Takes the block's target; the first target is taken at once.
    void aim(float target)
    {
        if (!m_primed) {
            m_value = m_target = target;
            m_left = 0;
            m_primed = true;
        } else if (target != m_target) {
            m_target = target;
            m_left = m_length;
            m_step = (target - m_value) / static_cast<float>(m_length);
        }
    }
    float next()
    {
        if (m_left > 0)
            m_value = --m_left == 0 ? m_target : m_value + m_step;
        return m_value;
    }

private:
    float m_value = 0.0f, m_target = 0.0f, m_step = 0.0f;
    int m_length = 1, m_left = 0;
    bool m_primed = false;
};

// A sine LFO for the delay sweeps: the phase is kept exactly (double), and
// sin/cos are taken from it every kChunk frames and rotated per frame between.
class SineLfo
{
public:
    static constexpr unsigned kChunk = 64;

    void reset() { m_phase.reset(); }
    // Starts a run of at most kChunk frames at `hz`.
    void start(float hz, int rate, unsigned frames)
    {
        const auto phase = static_cast<float>(m_phase.value());
        m_sin = dsp::sinTurns(phase);
        m_cos = dsp::sinTurns(phase + 0.25f);
        const float step = hz / static_cast<float>(rate);
        m_stepSin = dsp::sinTurns(step);
        m_stepCos = dsp::sinTurns(step + 0.25f);
        m_phase.advance(static_cast<double>(hz) * frames, rate);
    }
    float sin() const { return m_sin; }
    float cos() const { return m_cos; }
    void next()
    {
        const float s = m_sin * m_stepCos + m_cos * m_stepSin;
        m_cos = m_cos * m_stepCos - m_sin * m_stepSin;
        m_sin = s;
    }

private:
    dsp::Phase m_phase;
    float m_sin = 0.0f, m_cos = 1.0f, m_stepSin = 0.0f, m_stepCos = 1.0f;
};

// The frame of the flange and the chorus: a delay line per channel, a sine
// LFO, a mix ramp and a smoothed depth.
class SweptDelayUnit : public Unit
{
public:
    using Unit::Unit;

    void reset() override
    {
        for (dsp::DelayLine& line : m_lines)
            line.reset();
        m_lfo.reset();
        m_mix.reset();
        m_depth.reset();
    }

protected:
    // Sizes the lines for `longest` frames of delay; called by setup().
    void prepare(int rate, std::size_t longest)
    {
        for (dsp::DelayLine& line : m_lines)
            line.resize(longest + 4);
        m_mix.setLength(rate / 100);
        m_depth.setTime(30.0f, rate);
        reset();
    }

    dsp::DelayLine m_lines[kChannels];
    SineLfo m_lfo;
    Ramp m_mix;
    dsp::Smoothed m_depth;
};

// Type 8: one short delay swept by a sine LFO, the same on every channel,
// mixed with the dry signal: out = (1 - mix) dry + mix wet, so 50 % gives the
// deepest notches and 100 % a pure vibrato. The delay sweeps from 0.1 ms up to
// 0.1 ms + depth x 9.9 ms (Hermite interpolated). No latency: the dry path is
// not delayed.
class FlangeUnit : public SweptDelayUnit
{
public:
    FlangeUnit() : SweptDelayUnit(kFlangeInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(rate, maxFrames, maxChannels);
        m_minDelay = std::max(2.0f, 0.0001f * static_cast<float>(rate));
        m_sweep = std::max(0.0f, 0.01f * static_cast<float>(rate) - m_minDelay);
        prepare(rate, static_cast<std::size_t>(m_minDelay + m_sweep));
    }

    void process(float* data, unsigned frames, int channels) override
    {
        m_mix.aim(target(0) * 0.01f);
        const float depth = target(1), hz = target(2);
        // +1: the current sample is pushed before the read.
        const float shortest = 1.0f + m_minDelay, sweep = 0.5f * m_sweep;
        for (unsigned at = 0; at < frames; at += SineLfo::kChunk) {
            const unsigned end = std::min(frames, at + SineLfo::kChunk);
            m_lfo.start(hz, sampleRate(), end - at);
            for (unsigned i = at; i < end; ++i) {
                // 1 - cos: the sweep starts at the shortest delay.
                const float delay = shortest + sweep * m_depth.next(depth) * (1.0f - m_lfo.cos());
                m_lfo.next();
                const float mix = m_mix.next(), dry = 1.0f - mix;
                float* frame = data + static_cast<std::size_t>(i) * channels;
                for (int c = 0; c < channels; ++c) {
                    m_lines[c].push(frame[c]);
                    frame[c] = dry * frame[c] + mix * m_lines[c].interpolated(delay);
                }
            }
        }
    }

private:
    float m_minDelay = 2.0f, m_sweep = 0.0f;
};

// Type 14: three voices, each a delay swept over [20 ms, 20 ms + depth] by a
// sine LFO a third of a cycle from the next, panned left, centre and right
// across the channels (channel c of n sits at c / (n - 1); a voice weighs
// 1 - 0.7 x its distance; one channel takes the three alike).
// out = (1 - mix) dry + mix x (weighted mean of the voices); no latency.
//
// Every channel reads a voice at the same delay, so the voice's Hermite
// weights (the cubic of DelayLine::interpolated) are worked out once per frame
// and applied to each channel's line.
class ChorusUnit : public SweptDelayUnit
{
public:
    static constexpr int kVoices = 3;
    static constexpr float kBaseMs = 20.0f;

    ChorusUnit() : SweptDelayUnit(kChorusInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(rate, maxFrames, maxChannels);
        m_perMs = 0.001f * static_cast<float>(rate);
        prepare(rate, static_cast<std::size_t>((kBaseMs + kChorusParameters[2].max) * m_perMs));
    }

    void process(float* data, unsigned frames, int channels) override
    {
        if (channels != m_layout)
            spread(channels);
        m_mix.aim(target(0) * 0.01f);
        const float hz = target(1), depthMs = target(2);
        // Voice v's LFO is sin(a + v / 3 turn) = sin a cos(v/3) + cos a sin(v/3).
        constexpr float kTurnSin[kVoices] = {0.0f, 0.866025404f, -0.866025404f};
        constexpr float kTurnCos[kVoices] = {1.0f, -0.5f, -0.5f};
        for (unsigned at = 0; at < frames; at += SineLfo::kChunk) {
            const unsigned end = std::min(frames, at + SineLfo::kChunk);
            m_lfo.start(hz, sampleRate(), end - at);
            for (unsigned i = at; i < end; ++i) {
                const float half = 0.5f * m_perMs * m_depth.next(depthMs);
                // +1: the current sample is pushed before the reads.
                const float centre = 1.0f + kBaseMs * m_perMs + half;
                std::size_t whole[kVoices];
                float w[kVoices][4];
                for (int v = 0; v < kVoices; ++v) {
                    const float delay =
                        centre + half * (m_lfo.sin() * kTurnCos[v] + m_lfo.cos() * kTurnSin[v]);
                    whole[v] = static_cast<std::size_t>(static_cast<int>(delay));
                    const float f = delay - static_cast<float>(whole[v]), f2 = f * f, f3 = f2 * f;
                    w[v][0] = -0.5f * f + f2 - 0.5f * f3;
                    w[v][1] = 1.0f - 2.5f * f2 + 1.5f * f3;
                    w[v][2] = 0.5f * f + 2.0f * f2 - 1.5f * f3;
                    w[v][3] = 0.5f * (f3 - f2);
                }
                m_lfo.next();
                const float mix = m_mix.next(), dry = 1.0f - mix;
                float* frame = data + static_cast<std::size_t>(i) * channels;
                for (int c = 0; c < channels; ++c) {
                    dsp::DelayLine& line = m_lines[c];
                    line.push(frame[c]);
                    float wet = 0.0f;
                    for (int v = 0; v < kVoices; ++v) {
                        const std::size_t d = whole[v];
                        wet += m_pan[c][v] * (w[v][0] * line.at(d - 1) + w[v][1] * line.at(d) +
                                              w[v][2] * line.at(d + 1) + w[v][3] * line.at(d + 2));
                    }
                    frame[c] = dry * frame[c] + mix * wet;
                }
            }
        }
    }

private:
    // Each channel's voice weights, summing to 1.
    void spread(int channels)
    {
        for (int c = 0; c < channels; ++c) {
            const float place =
                channels == 1 ? 0.0f : static_cast<float>(c) / static_cast<float>(channels - 1);
            float sum = 0.0f;
            for (int v = 0; v < kVoices; ++v) {
                const float voice = static_cast<float>(v) / (kVoices - 1);
                m_pan[c][v] = channels == 1 ? 1.0f : 1.0f - 0.7f * std::fabs(place - voice);
                sum += m_pan[c][v];
            }
            for (float& weight : m_pan[c])
                weight /= sum;
        }
        m_layout = channels;
    }

    float m_pan[kChannels][kVoices] = {};
    int m_layout = 0;
    float m_perMs = 48.0f;
};

// The tremolo's LFO in 0..1 for a phase in [0, 1). A piecewise-linear warp of
// the phase places the trough at 0, the rising half-way point, the peak and the
// falling half-way point (skew moves the peak, duty the time between the
// half-way points); the warped phase drives a triangle blended toward a raised
// cosine (shape), and a rational curve pushes the result toward a square.
class TremoloShape
{
public:
    void set(float shape, float skew, float duty, float square)
    {
        const float peak = 0.5f + 0.5f * skew;
        const float rise = peak - duty * peak, fall = peak + duty * (1.0f - peak);
        m_at[0] = rise;
        m_at[1] = peak;
        m_at[2] = fall;
        const float edges[5] = {0.0f, rise, peak, fall, 1.0f};
        for (int i = 0; i < 4; ++i)
            m_scale[i] = 0.25f / std::max(edges[i + 1] - edges[i], 1e-6f);
        m_shape = shape;
        m_square = square;
    }

    float at(float t) const
    {
        int segment = 0;
        while (segment < 3 && t >= m_at[segment])
            ++segment;
        const float start = segment == 0 ? 0.0f : m_at[segment - 1];
        const float u = std::min(0.25f * static_cast<float>(segment) + (t - start) * m_scale[segment], 1.0f);
        const float triangle = 1.0f - std::fabs(2.0f * u - 1.0f);
        const float cosine = 0.5f - 0.5f * dsp::sinTurns(u + 0.25f);
        const float x = 2.0f * (triangle + m_shape * (cosine - triangle)) - 1.0f;
        const float denominator = 1.0f - m_square + m_square * std::fabs(x);
        return 0.5f + 0.5f * (denominator > 0.0f ? x / denominator : 0.0f);
    }

private:
    float m_at[3] = {0.25f, 0.5f, 0.75f};
    float m_scale[4] = {1, 1, 1, 1};
    float m_shape = 0.0f, m_square = 0.0f;
};

// Type 22: gain = 1 - depth (1 - lfo); the cycle starts at the LFO's trough
// (phase moves the start). Channel c of n runs its LFO
// phase + spread x c / n of a cycle ahead (stereo at spread 1: opposite). The
// LFO is evaluated every kControl frames and followed in straight lines
// between; the gain then goes through a 2 ms one-pole slew, so square shapes
// and parameter jumps do not click. No latency.
class TremoloUnit : public Unit
{
public:
    static constexpr unsigned kControl = 16;

    TremoloUnit() : Unit(kTremoloInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(rate, maxFrames, maxChannels);
        m_slew = 1.0f - std::exp(-1.0f / (0.002f * static_cast<float>(rate)));
        reset();
    }

    void reset() override
    {
        m_lfo.reset();
        m_running = 0;
    }

    void process(float* data, unsigned frames, int channels) override
    {
        const float hz = target(0), depth = target(1), start = target(6), spread = target(7);
        m_shape.set(target(2), target(3), target(4), target(5));
        float offsets[kChannels];
        for (int c = 0; c < channels; ++c) {
            const float offset = start + spread * static_cast<float>(c) / static_cast<float>(channels);
            offsets[c] = offset - std::floor(offset); // [0, 1)
        }
        const auto gainAt = [&](int c) {
            float t = static_cast<float>(m_lfo.value()) + offsets[c];
            if (t >= 1.0f)
                t -= 1.0f;
            return 1.0f - depth * (1.0f - m_shape.at(t));
        };
        // The first block, and channels not seen before, start at their gain.
        for (int c = m_running; c < channels; ++c)
            m_gain[c] = m_point[c] = gainAt(c);
        m_running = std::max(m_running, channels);
        for (unsigned at = 0; at < frames; at += kControl) {
            const unsigned n = std::min(kControl, frames - at);
            m_lfo.advance(static_cast<double>(hz) * n, sampleRate());
            float next[kChannels], step[kChannels];
            for (int c = 0; c < channels; ++c) {
                next[c] = gainAt(c);
                step[c] = (next[c] - m_point[c]) / static_cast<float>(n);
            }
            for (unsigned i = at; i < at + n; ++i) {
                float* frame = data + static_cast<std::size_t>(i) * channels;
                for (int c = 0; c < channels; ++c) {
                    m_point[c] += step[c];
                    m_gain[c] = dsp::undenormal(m_gain[c] + (m_point[c] - m_gain[c]) * m_slew);
                    frame[c] *= m_gain[c];
                }
            }
            std::copy(next, next + channels, m_point); // exact at each control point
        }
    }

private:
    dsp::Phase m_lfo;
    TremoloShape m_shape;
    float m_point[kChannels] = {}; // the LFO's gain, followed in straight lines
    float m_gain[kChannels] = {};  // after the slew
    float m_slew = 1.0f;
    int m_running = 0; // channels whose gain is running
};

} // namespace

const UnitEntry kFlangeEntry = {&kFlangeInfo, &makeUnit<FlangeUnit>};
const UnitEntry kChorusEntry = {&kChorusInfo, &makeUnit<ChorusUnit>};
const UnitEntry kTremoloEntry = {&kTremoloInfo, &makeUnit<TremoloUnit>};

} // namespace zaudio
