// Robotizer: speech re-sung on one fixed pitch. At every period of the robot
// pitch the last frame of input is transformed and its phases are zeroed;
// the result is a pulse shaped like the voice's spectral envelope. Only the
// lags shorter than any voice period are kept, so the singer's own pitch
// does not leak through, and the pulses are overlap-added at the robot's
// period. An optional comb adds a tin-can ring.

#include "dsp/biquad.h"
#include "dsp/fft.h"
#include "pluginbase.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

enum Index
{
    kPitch,
    kMix,
    kMetallic,
    kOutput,
    kCount
};

constexpr zplug::Parameter kParameters[] = {
    {"Pitch", "Hz", 40.0f, 400.0f, 110.0f, zplug::Curve::Logarithmic, 1},
    {"Mix", "%", 0.0f, 100.0f, 100.0f, zplug::Curve::Linear, 0},
    {"Metallic", "%", 0.0f, 100.0f, 20.0f, zplug::Curve::Linear, 0},
    {"Output", "dB", -24.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
};

constexpr zplug::ProgramValue kRobot[] = {{kPitch, 110.0f}, {kMetallic, 20.0f}};
constexpr zplug::ProgramValue kTinTyrant[] = {{kPitch, 68.0f}, {kMetallic, 65.0f}, {kOutput, 1.0f}};
constexpr zplug::ProgramValue kAndroid[] = {{kPitch, 190.0f}, {kMetallic, 0.0f}};
constexpr zplug::Program kPrograms[] = {
    {"Robot", kRobot, 2},
    {"TinTyrant", kTinTyrant, 3},
    {"Android", kAndroid, 2},
};

const zplug::Info kInfo{
    "Robotizer", vst2::fourCharacters('Z', 'v', 'R', 'B'), 1000, 2, 2, kParameters, kCount, kPrograms, 3};

constexpr int kChannels = 2;
constexpr double kFrameSeconds = 1.0 / 90.0; // analysis frame: 512 at 48 kHz
constexpr double kLagSeconds = 0.0025;       // below the shortest voice period (400 Hz)
constexpr double kCombSeconds = 0.0023;      // the can's resonance, about 435 Hz
constexpr double kPitchGlideSeconds = 0.030;
constexpr float kMaxGain = 64.0f;

// The pulses are zero-phase and so very peaky; a few allpass sections spread
// each over a few milliseconds, which lowers the peaks without changing the tone.
constexpr double kDispersionHz[] = {280.0, 700.0, 1500.0, 3100.0};
constexpr int kSections = 4;

int powerOfTwoAbove(int n)
{
    int p = 1;
    while (p < n)
        p <<= 1;
    return p;
}

// The pulse train is peakier than the voice it replaces: above 0.8 the
// output bends smoothly towards 1.0 instead of clipping.
inline float softLimit(float x)
{
    constexpr float knee = 0.8f;
    const float magnitude = std::fabs(x);
    if (magnitude <= knee)
        return x;
    return std::copysign(knee + (1.0f - knee) * std::tanh((magnitude - knee) / (1.0f - knee)), x);
}

class Robotizer : public zplug::Plugin
{
public:
    explicit Robotizer(vst2::HostCallback host) : Plugin(host, kInfo) {}

protected:
    void prepare(double sampleRate, int) override
    {
        m_rate = sampleRate;
        m_frame = zdsp::nearestPowerOfTwo(sampleRate * kFrameSeconds);
        m_fft.setup(m_frame);
        m_lag = std::min(static_cast<int>(std::lround(kLagSeconds * sampleRate)), m_frame / 2 - 1);
        m_bins.assign(static_cast<std::size_t>(m_frame) + 2, 0.0f);
        m_window.resize(static_cast<std::size_t>(m_frame));
        m_windowPower = 0.0f;
        for (int j = 0; j < m_frame; ++j) {
            const float w = static_cast<float>(0.5 - 0.5 * std::cos(2 * M_PI * j / m_frame));
            m_window[static_cast<std::size_t>(j)] = w;
            m_windowPower += w * w;
        }
        m_lagWindow.resize(static_cast<std::size_t>(m_lag + 1));
        for (int m = 0; m <= m_lag; ++m)
            m_lagWindow[static_cast<std::size_t>(m)] =
                static_cast<float>(0.5 + 0.5 * std::cos(M_PI * m / (m_lag + 1)));

        const int latency = m_frame / 2 + m_lag;
        m_pulseSize = powerOfTwoAbove(2 * m_lag + 2);
        m_drySize = powerOfTwoAbove(latency + 1);
        m_combSize = powerOfTwoAbove(static_cast<int>(kCombSeconds * sampleRate) + 2);
        m_combDelay = static_cast<int>(std::lround(kCombSeconds * sampleRate));
        for (int c = 0; c < kChannels; ++c) {
            m_input[c].assign(static_cast<std::size_t>(m_frame), 0.0f);
            m_pulses[c].assign(static_cast<std::size_t>(m_pulseSize), 0.0f);
            m_dry[c].assign(static_cast<std::size_t>(m_drySize), 0.0f);
            m_comb[c].assign(static_cast<std::size_t>(m_combSize), 0.0f);
            m_pulse[c].assign(static_cast<std::size_t>(m_frame), 0.0f);
        }
        for (int s = 0; s < kSections; ++s) {
            m_dispersion[s].set(zdsp::BiquadCoefficients::allPass(kDispersionHz[s], 0.8, sampleRate));
            m_dispersion[s].reset();
        }
        m_position = 0;
        m_untilPulse = 1.0;
        m_pitch = value(kPitch);
        m_latency = latency;
        setLatency(latency);
        m_mix = value(kMix) * 0.01f;
        m_metal = value(kMetallic) * 0.01f;
        m_gain = std::pow(10.0f, value(kOutput) / 20.0f);
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        const double seconds = frames / m_rate;
        const double glide = 1.0 - std::exp(-seconds / kPitchGlideSeconds);
        m_pitch *= std::pow(static_cast<double>(value(kPitch)) / m_pitch, glide);
        const double period = m_rate / m_pitch;

        // Per-sample ramps to this block's settings.
        const float step = 1.0f / static_cast<float>(frames);
        const float mixStep = (value(kMix) * 0.01f - m_mix) * step;
        const float metalStep = (value(kMetallic) * 0.01f - m_metal) * step;
        const float gainStep = (std::pow(10.0f, value(kOutput) / 20.0f) - m_gain) * step;

        const auto frameMask = static_cast<std::uint32_t>(m_frame - 1),
                   pulseMask = static_cast<std::uint32_t>(m_pulseSize - 1),
                   dryMask = static_cast<std::uint32_t>(m_drySize - 1),
                   combMask = static_cast<std::uint32_t>(m_combSize - 1);
        for (int i = 0; i < frames; ++i) {
            const float x[kChannels] = {inputs[0][i], inputs[1][i]};
            for (int c = 0; c < kChannels; ++c) {
                m_input[c][static_cast<std::size_t>(m_position & frameMask)] = x[c];
                m_dry[c][static_cast<std::size_t>(m_position & dryMask)] = x[c];
            }
            m_untilPulse -= 1.0;
            if (m_untilPulse <= 0.0) {
                addPulse(period);
                m_untilPulse += period;
            }
            m_mix += mixStep;
            m_metal += metalStep;
            m_gain += gainStep;
            const float feedback = 0.75f * m_metal;
            const float combGain = std::sqrt(1.0f - feedback * feedback);
            for (int c = 0; c < kChannels; ++c) {
                float& pulse = m_pulses[c][static_cast<std::size_t>(m_position & pulseMask)];
                float robot = pulse;
                pulse = 0.0f;
                for (auto& section : m_dispersion)
                    robot = section.process(robot, c);
                std::vector<float>& comb = m_comb[c];
                const float ring =
                    robot +
                    feedback * comb[static_cast<std::size_t>(
                                   (m_position - static_cast<std::uint32_t>(m_combDelay)) & combMask)];
                comb[static_cast<std::size_t>(m_position & combMask)] = ring;
                const float wet = robot + m_metal * (ring * combGain - robot);
                const float dry = m_dry[c][static_cast<std::size_t>(
                    (m_position - static_cast<std::uint32_t>(m_latency)) & dryMask)];
                outputs[c][i] = softLimit(m_gain * (dry + m_mix * (wet - dry)));
            }
            ++m_position;
        }
    }

private:
    // Adds the zero-phase pulse of the latest frame, scaled so the pulse
    // train keeps the frame's power.
    void addPulse(double period)
    {
        const int n = m_frame;
        const auto mask = static_cast<std::uint32_t>(n - 1);
        float energy[kChannels] = {};
        for (int c = 0; c < kChannels; ++c) {
            float* frame = m_pulse[c].data();
            for (int j = 0; j < n; ++j) {
                const std::uint32_t at = (m_position + static_cast<std::uint32_t>(j + 1 - n)) & mask;
                const float v =
                    m_input[c][static_cast<std::size_t>(at)] * m_window[static_cast<std::size_t>(j)];
                energy[c] += v * v;
                frame[j] = v;
            }
        }
        if (energy[0] + energy[1] <= 0.0f)
            return;
        // The pulse: the frame's magnitude spectrum back in time, scaled by 1 / n.
        float* bins = m_bins.data();
        for (int c = 0; c < kChannels; ++c) {
            float* frame = m_pulse[c].data();
            m_fft.forward(frame, bins, n);
            for (int k = 0; k <= n / 2; ++k) {
                bins[2 * k] = std::hypot(bins[2 * k], bins[2 * k + 1]) / static_cast<float>(n);
                bins[2 * k + 1] = 0.0f;
            }
            m_fft.inverse(bins, frame, n);
        }

        float pulseEnergy[kChannels] = {};
        for (int c = 0; c < kChannels; ++c)
            for (int m = -m_lag; m <= m_lag; ++m) {
                const float z = m_pulse[c][static_cast<std::size_t>(static_cast<std::uint32_t>(m) & mask)];
                const float w = m_lagWindow[static_cast<std::size_t>(std::abs(m))];
                pulseEnergy[c] += z * z * w * w;
            }
        const auto pulseMask = static_cast<std::uint32_t>(m_pulseSize - 1);
        for (int c = 0; c < kChannels; ++c) {
            const float power = energy[c] / m_windowPower;
            const float gain =
                pulseEnergy[c] > 1e-20f
                    ? std::min(kMaxGain, std::sqrt(power * static_cast<float>(period) / pulseEnergy[c]))
                    : 0.0f;
            for (int m = -m_lag; m <= m_lag; ++m) {
                const float z = m_pulse[c][static_cast<std::size_t>(static_cast<std::uint32_t>(m) & mask)];
                const float w = m_lagWindow[static_cast<std::size_t>(std::abs(m))];
                const auto at = static_cast<std::size_t>(
                    (m_position + static_cast<std::uint32_t>(m_lag + m)) & pulseMask);
                m_pulses[c][at] += gain * w * z;
            }
        }
    }

    double m_rate = 48000.0;
    zdsp::RealFft m_fft;
    zdsp::Biquad<kChannels> m_dispersion[kSections];
    int m_frame = 512;
    int m_lag = 120;
    int m_pulseSize = 256;
    int m_drySize = 512;
    int m_combSize = 128;
    int m_combDelay = 110;
    int m_latency = 0;
    std::vector<float> m_bins; // n / 2 + 1 bins, interleaved
    std::vector<float> m_window, m_lagWindow;
    float m_windowPower = 1.0f;
    std::vector<float> m_input[kChannels], m_pulses[kChannels], m_dry[kChannels], m_comb[kChannels];
    std::vector<float> m_pulse[kChannels]; // the latest frame, then its pulse
    std::uint32_t m_position = 0;          // frames since prepare, wrapping; rings use its low bits
    double m_untilPulse = 1.0;
    double m_pitch = 110.0;
    float m_mix = 1.0f, m_metal = 0.0f, m_gain = 1.0f;
};

} // namespace

ZPLUG_ENTRY(Robotizer)
