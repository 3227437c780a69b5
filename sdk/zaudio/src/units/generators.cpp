#include "dsp.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zaudio {

namespace {

constexpr UnitParameter kOscillatorParameters[] = {
    {"waveform", "", 0.0f, 5.0f, 0.0f},
    {"rate", "Hz", 0.0f, 22000.0f, 220.0f},
};
const UnitInfo kOscillatorInfo = {2, "oscillator", kOscillatorParameters, 2};

enum Waveform
{
    Sine,
    Square,
    SawUp,
    SawDown,
    Triangle,
    Noise
};

// PolyBLEP residual of a unit upward step at phase 0, for a phase t in [0, 1)
// advancing dt per sample: it rounds the sample either side of the step.
inline double blep(double t, double dt)
{
    if (t < dt) {
        const double x = t / dt - 1.0;
        return -0.5 * x * x;
    }
    if (t > 1.0 - dt) {
        const double x = (t - 1.0) / dt + 1.0;
        return 0.5 * x * x;
    }
    return 0.0;
}

// PolyBLAMP residual of a unit change of slope (per sample) at phase 0: the
// integral of blep(), for the corners of the triangle.
inline double blamp(double t, double dt)
{
    if (t < dt) {
        const double x = 1.0 - t / dt;
        return x * x * x / 6.0;
    }
    if (t > 1.0 - dt) {
        const double x = (t - 1.0) / dt + 1.0;
        return x * x * x / 6.0;
    }
    return 0.0;
}

inline double wrap(double t)
{
    return t >= 1.0 ? t - 1.0 : t;
}

// Type 2: replaces every channel with a generated waveform. The phase is a
// double accumulator, so the frequency is exact over any length; rate changes
// ramp the increment over the block and keep the phase continuous. Square and
// saws are band-limited with PolyBLEP, the triangle with PolyBLAMP. A waveform
// change crossfades over a few ms from the old waveform to the new one.
//
// Rate 0 freezes the phase: the output holds the waveform's value where it
// stopped (a DC level; a sine that never ran is silence), so sweeping the rate
// down to 0 never jumps. Noise ignores the rate.
class OscillatorUnit : public Unit
{
public:
    OscillatorUnit() : Unit(kOscillatorInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(rate, maxFrames, maxChannels);
        m_fadeLength = std::max(1, static_cast<int>(0.005 * rate));
        reset();
    }

    void reset() override
    {
        m_phase = 0.0;
        m_primed = false;
        m_fade = 0;
        m_noise = 0x9E3779B9u;
    }

    void process(float* data, unsigned frames, int channels) override
    {
        if (frames == 0)
            return;
        const double rate = sampleRate();
        // Keeps the step narrower than half a cycle, where PolyBLEP holds.
        const double increment = std::min(static_cast<double>(target(1)), 0.499 * rate) / rate;
        const int wave = std::clamp(static_cast<int>(std::lround(target(0))), 0, 5);
        if (!m_primed) {
            m_increment = increment;
            m_wave = wave;
            m_primed = true;
        } else if (wave != m_wave && m_fade == 0) {
            // A change during a fade waits for it to finish.
            m_previous = m_wave;
            m_wave = wave;
            m_fade = m_fadeLength;
        }
        const double step = (increment - m_increment) / frames;
        const float fadeStep = 1.0f / static_cast<float>(m_fadeLength);
        for (unsigned i = 0; i < frames; ++i) {
            const double dt = m_increment + step * (i + 1);
            float v = value(m_wave, dt);
            if (m_fade > 0) {
                const float k = static_cast<float>(m_fade) * fadeStep;
                v += k * (value(m_previous, dt) - v);
                --m_fade;
            }
            float* frame = data + static_cast<std::size_t>(i) * channels;
            for (int c = 0; c < channels; ++c)
                frame[c] = v;
            m_phase = wrap(m_phase + dt);
        }
        m_increment = increment;
    }

private:
    float value(int wave, double dt)
    {
        const double t = m_phase;
        switch (wave) {
        case Sine:
            return dsp::sinTurns(t);
        case Square:
            return static_cast<float>((t < 0.5 ? 1.0 : -1.0) + 2.0 * blep(t, dt) -
                                      2.0 * blep(wrap(t + 0.5), dt));
        case SawUp:
            return static_cast<float>(2.0 * t - 1.0 - 2.0 * blep(t, dt));
        case SawDown:
            return static_cast<float>(1.0 - 2.0 * t + 2.0 * blep(t, dt));
        case Triangle: {
            // 0 at phase 0 rising like the sine, peak at 1/4, trough at 3/4;
            // each corner turns the slope by 8 dt per sample.
            const double naive = 4.0 * std::fabs(wrap(t + 0.75) - 0.5) - 1.0;
            return static_cast<float>(naive - 8.0 * dt * blamp(wrap(t + 0.75), dt) +
                                      8.0 * dt * blamp(wrap(t + 0.25), dt));
        }
        default: {
            // xorshift32: white, uniform in [-1, 1).
            m_noise ^= m_noise << 13;
            m_noise ^= m_noise >> 17;
            m_noise ^= m_noise << 5;
            return static_cast<float>(static_cast<std::int32_t>(m_noise)) * (1.0f / 2147483648.0f);
        }
        }
    }

    double m_phase = 0.0;
    double m_increment = 0.0;
    int m_wave = Sine;
    int m_previous = Sine;
    int m_fade = 0;
    int m_fadeLength = 240;
    std::uint32_t m_noise = 0x9E3779B9u;
    bool m_primed = false;
};

} // namespace

const UnitEntry kOscillatorEntry = {&kOscillatorInfo, &makeUnit<OscillatorUnit>};

} // namespace zaudio
