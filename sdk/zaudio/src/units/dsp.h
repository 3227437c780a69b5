#pragma once

// Small building blocks the built-in units share: parameter smoothing, delay
// lines and an LFO phase, and the toolbox's biquads. Everything that
// allocates does so in resize(), which units call from setup(); the
// per-sample paths never do.

#include "dsp/biquad.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zaudio::dsp {

using zdsp::Biquad;
using zdsp::BiquadCoefficients;
using zdsp::kPi;

inline float dbToGain(float db)
{
    return std::pow(10.0f, db / 20.0f);
}

inline float gainToDb(float gain)
{
    return 20.0f * std::log10(gain > 1e-20f ? gain : 1e-20f);
}

// sin(2 pi t) for any t >= 0 (turns): folded to a quarter turn and evaluated
// with an odd Taylor polynomial, within 1e-7 of the true value. Cheaper than
// std::sin for LFOs and oscillators.
inline float sinTurns(double turns)
{
    float x = static_cast<float>(turns - std::floor(turns)); // [0, 1)
    if (x >= 0.5f)
        x -= 1.0f;
    if (x > 0.25f)
        x = 0.5f - x;
    else if (x < -0.25f)
        x = -0.5f - x;
    x *= 6.28318530718f;
    const float x2 = x * x;
    return x * (1.0f +
                x2 * (-1.0f / 6 + x2 * (1.0f / 120 + x2 * (-1.0f / 5040 +
                                                           x2 * (1.0f / 362880 + x2 * (-1.0f / 39916800))))));
}

// Flushes values too small to matter to zero so feedback paths never run on
// denormals, whatever the FPU's mode.
inline float undenormal(float v)
{
    return std::fabs(v) < 1e-25f ? 0.0f : v;
}

// A value that glides towards its target with a one-pole lag of `ms`
// milliseconds; the first target is taken at once.
class Smoothed
{
public:
    void setTime(float ms, int sampleRate)
    {
        m_coefficient =
            ms <= 0.0f ? 1.0f : 1.0f - std::exp(-1.0f / (ms * 0.001f * static_cast<float>(sampleRate)));
    }
    void jump(float value)
    {
        m_value = value;
        m_primed = true;
    }
    void reset() { m_primed = false; }
    float next(float target)
    {
        if (!m_primed)
            jump(target);
        m_value += (target - m_value) * m_coefficient;
        // Lands exactly: a glide towards 0 would otherwise end in denormals.
        if (std::fabs(target - m_value) <= 1e-7f * (1.0f + std::fabs(target)))
            m_value = target;
        return m_value;
    }
    float value() const { return m_value; }
    bool settled(float target) const
    {
        return m_primed && std::fabs(target - m_value) <= 1e-6f * (1.0f + std::fabs(target));
    }

private:
    float m_value = 0.0f;
    float m_coefficient = 1.0f;
    bool m_primed = false;
};

// A circular delay line for one channel; its length is fixed by resize().
class DelayLine
{
public:
    void resize(std::size_t maxDelay)
    {
        std::size_t size = 1;
        while (size < maxDelay + 4)
            size <<= 1;
        m_buffer.assign(size, 0.0f);
        m_mask = size - 1;
        m_write = 0;
    }
    void reset() { std::fill(m_buffer.begin(), m_buffer.end(), 0.0f); }
    std::size_t capacity() const { return m_buffer.empty() ? 0 : m_buffer.size() - 4; }
    void push(float v)
    {
        m_buffer[m_write] = v;
        m_write = (m_write + 1) & m_mask;
    }
    // The sample pushed `delay` pushes ago (1 is the latest).
    float at(std::size_t delay) const { return m_buffer[(m_write - delay) & m_mask]; }
    // Fractional delay (2 or more), cubic Hermite interpolation.
    float interpolated(float delay) const
    {
        const auto whole = static_cast<std::size_t>(delay);
        const float f = delay - static_cast<float>(whole);
        const float y0 = at(whole - 1), y1 = at(whole), y2 = at(whole + 1), y3 = at(whole + 2);
        const float c1 = 0.5f * (y2 - y0);
        const float c2 = y0 - 2.5f * y1 + 2.0f * y2 - 0.5f * y3;
        const float c3 = 0.5f * (y3 - y0) + 1.5f * (y1 - y2);
        return ((c3 * f + c2) * f + c1) * f + y1;
    }

private:
    std::vector<float> m_buffer;
    std::size_t m_mask = 0;
    std::size_t m_write = 0;
};

// A delay that changes by crossfading rather than gliding (no pitch bend):
// while a move runs, both delays are read and nextOldWeight() gives the old
// one's share for each frame in turn. A new target waits until the running
// move is done.
class DelayMove
{
public:
    void jump(std::size_t delay)
    {
        m_from = m_to = delay;
        m_left = 0;
    }
    // False when already there or still moving.
    bool moveTo(std::size_t delay, int fadeFrames)
    {
        if (m_left > 0 || delay == m_to)
            return false;
        m_from = m_to;
        m_to = delay;
        m_left = fadeFrames;
        m_step = 1.0f / static_cast<float>(fadeFrames);
        return true;
    }
    std::size_t from() const { return m_from; }
    std::size_t to() const { return m_to; }
    // The old delay's share for this frame, 0 once the move is over.
    float nextOldWeight() { return m_left > 0 ? static_cast<float>(m_left--) * m_step : 0.0f; }
    float read(const DelayLine& line)
    {
        if (m_left == 0)
            return line.at(m_to);
        const float old = nextOldWeight();
        return old * line.at(m_from) + (1.0f - old) * line.at(m_to);
    }

private:
    std::size_t m_from = 1, m_to = 1;
    int m_left = 0;
    float m_step = 0.0f;
};

// A phase in [0, 1) that advances by rate / sampleRate per sample.
class Phase
{
public:
    void reset(double start = 0.0) { m_phase = start - std::floor(start); }
    double value() const { return m_phase; }
    double advance(double hz, int sampleRate)
    {
        const double current = m_phase;
        m_phase += hz / sampleRate;
        m_phase -= std::floor(m_phase);
        return current;
    }

private:
    double m_phase = 0.0;
};

} // namespace zaudio::dsp
