// Whisper: speech without a voice. Short frames are transformed, their power
// spectrum is smoothed across a few hundred hertz (so the harmonics of the
// voice melt into their envelope), a breath floor is added, the low end is
// cut and the highs tilted up, and every bin gets a random phase. The frames
// are overlap-added (Hann in and out, a quarter frame apart) and each keeps
// the power it came in with, so whispered speech stays about as loud.

#include "dsp/fft.h"
#include "pluginbase.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

namespace {

enum Index
{
    kAmount,
    kBreath,
    kBrightness,
    kHighPass,
    kOutput,
    kCount
};

constexpr zplug::Parameter kParameters[] = {
    {"Amount", "%", 0.0f, 100.0f, 100.0f, zplug::Curve::Linear, 0},
    {"Breath", "%", 0.0f, 100.0f, 30.0f, zplug::Curve::Linear, 0},
    {"Brightness", "%", 0.0f, 100.0f, 40.0f, zplug::Curve::Linear, 0},
    {"High-pass", "Hz", 50.0f, 1500.0f, 300.0f, zplug::Curve::Logarithmic, 0},
    {"Output", "dB", -24.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
};

constexpr zplug::ProgramValue kWhisper[] = {{kBreath, 30.0f}, {kBrightness, 40.0f}, {kHighPass, 300.0f}};
constexpr zplug::ProgramValue kGhost[] = {{kBreath, 75.0f}, {kBrightness, 80.0f}, {kHighPass, 600.0f}};
constexpr zplug::ProgramValue kHush[] = {{kAmount, 70.0f}, {kBreath, 15.0f}, {kBrightness, 20.0f}};
constexpr zplug::Program kPrograms[] = {
    {"Whisper", kWhisper, 3},
    {"Ghost", kGhost, 3},
    {"Hush", kHush, 3},
};

const zplug::Info kInfo{
    "Whisper", vst2::fourCharacters('Z', 'v', 'W', 'H'), 1000, 2, 2, kParameters, kCount, kPrograms, 3};

constexpr int kChannels = 2;
constexpr double kFrameSeconds = 1.0 / 90.0; // 512 at 48 kHz
constexpr double kAirHz = 9000.0;
constexpr double kSmoothingHz = 250.0; // wider than the spacing of voice harmonics
constexpr float kLoudness = 0.8f;      // a whisper sits a little under the voice
constexpr float kMaxMakeup = 4.0f;     // when the high-pass takes most of a frame
constexpr int kPhases = 1024;

class Whisper : public zplug::Plugin
{
public:
    explicit Whisper(vst2::HostCallback host) : Plugin(host, kInfo) {}

protected:
    void prepare(double sampleRate, int) override
    {
        m_rate = sampleRate;
        m_frame = zdsp::nearestPowerOfTwo(sampleRate * kFrameSeconds);
        m_hop = m_frame / 4;
        m_fft.setup(m_frame);
        const auto n = static_cast<std::size_t>(m_frame), bins = n / 2 + 1;
        m_window.resize(n);
        for (std::size_t j = 0; j < n; ++j)
            m_window[j] =
                static_cast<float>(0.5 - 0.5 * std::cos(2 * M_PI * static_cast<double>(j) / m_frame));
        m_shape.assign(bins, 1.0f);
        for (int c = 0; c < kChannels; ++c) {
            m_power[c].assign(bins, 0.0f);
            m_smoothed[c].assign(bins, 0.0f);
            m_frameData[c].assign(n, 0.0f);
            m_bins[c].assign(2 * bins, 0.0f);
        }
        m_phases.resize(kPhases);
        for (int i = 0; i < kPhases; ++i)
            m_phases[static_cast<std::size_t>(i)] =
                std::polar(1.0f, static_cast<float>(2 * M_PI * i / kPhases));
        m_spread = std::max(1, static_cast<int>(std::lround(kSmoothingHz * m_frame / sampleRate)));
        for (int c = 0; c < kChannels; ++c) {
            m_input[c].assign(n, 0.0f);
            m_output[c].assign(2 * n, 0.0f);
            m_dry[c].assign(2 * n, 0.0f);
        }
        m_position = 0;
        m_untilFrame = m_hop;
        m_random = 0x9e3779b9u;
        m_shapeBrightness = m_shapeHighPass = -1.0f;
        setLatency(m_frame);
        m_amount = value(kAmount) * 0.01f;
        m_gain = std::pow(10.0f, value(kOutput) / 20.0f);
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        updateShape();
        const float step = 1.0f / static_cast<float>(frames);
        const float amountStep = (value(kAmount) * 0.01f - m_amount) * step;
        const float gainStep = (std::pow(10.0f, value(kOutput) / 20.0f) - m_gain) * step;
        const auto inputMask = static_cast<std::uint32_t>(m_frame - 1), outputMask = 2 * inputMask + 1;
        const auto latency = static_cast<std::uint32_t>(m_frame);
        for (int i = 0; i < frames; ++i) {
            for (int c = 0; c < kChannels; ++c) {
                const float x = inputs[c][i];
                m_input[c][m_position & inputMask] = x;
                m_dry[c][m_position & outputMask] = x;
            }
            if (--m_untilFrame == 0) {
                addFrame();
                m_untilFrame = m_hop;
            }
            m_amount += amountStep;
            m_gain += gainStep;
            for (int c = 0; c < kChannels; ++c) {
                float& wet = m_output[c][m_position & outputMask];
                const float dry = m_dry[c][(m_position - latency) & outputMask];
                outputs[c][i] = m_gain * (dry + m_amount * (wet - dry));
                wet = 0.0f;
            }
            ++m_position;
        }
    }

private:
    // The per-bin gain: a second-order high-pass, a tilt rising with brightness and a
    // first-order roll-off above 9 kHz (kAirHz), where a whisper has little left.
    void updateShape()
    {
        const float brightness = value(kBrightness) * 0.01f, highPass = value(kHighPass);
        if (brightness == m_shapeBrightness && highPass == m_shapeHighPass)
            return;
        m_shapeBrightness = brightness;
        m_shapeHighPass = highPass;
        const double slope = 0.5 * brightness; // up to +3 dB per octave, in amplitude exponent
        for (std::size_t k = 0; k < m_shape.size(); ++k) {
            const double hz = std::max(1.0, static_cast<double>(k) * m_rate / m_frame);
            const double r = (hz / highPass) * (hz / highPass);
            const double tilt = std::pow(std::min(hz, 8000.0) / 1000.0, slope);
            const double air = 1.0 / std::sqrt(1.0 + (hz / kAirHz) * (hz / kAirHz));
            m_shape[k] = static_cast<float>(r / std::sqrt(1.0 + r * r) * tilt * air);
        }
    }

    std::uint32_t random()
    {
        m_random ^= m_random << 13;
        m_random ^= m_random >> 17;
        m_random ^= m_random << 5;
        return m_random;
    }

    void addFrame()
    {
        const int n = m_frame, half = n / 2;
        const auto inputMask = static_cast<std::uint32_t>(n - 1), outputMask = 2 * inputMask + 1;
        float magnitudeScale[kChannels] = {};
        for (int c = 0; c < kChannels; ++c) {
            float* frame = m_frameData[c].data();
            float* bins = m_bins[c].data();
            for (int j = 0; j < n; ++j) {
                const std::uint32_t at = (m_position + static_cast<std::uint32_t>(j + 1 - n)) & inputMask;
                frame[j] = m_input[c][at] * m_window[static_cast<std::size_t>(j)];
            }
            m_fft.forward(frame, bins, n);

            std::vector<float>& power = m_power[c];
            double inputEnergy = 0.0;
            for (int k = 0; k <= half; ++k) {
                power[static_cast<std::size_t>(k)] =
                    bins[2 * k] * bins[2 * k] + bins[2 * k + 1] * bins[2 * k + 1];
                inputEnergy += power[static_cast<std::size_t>(k)];
            }
            smooth(c, static_cast<float>(inputEnergy / (half + 1)));
            double shapedEnergy = 0.0;
            for (int k = 0; k <= half; ++k) {
                float& p = m_smoothed[c][static_cast<std::size_t>(k)];
                p = std::sqrt(p) * m_shape[static_cast<std::size_t>(k)];
                shapedEnergy += static_cast<double>(p) * p;
            }
            // Hann in and out a quarter frame apart sum to 1.5 in power, and
            // random phases add as powers: (3/8 · 1.5) of the input's.
            const double keep = kLoudness * kLoudness / 0.5625;
            magnitudeScale[c] = shapedEnergy > 0.0
                                    ? static_cast<float>(std::min<double>(
                                          kMaxMakeup, std::sqrt(keep * inputEnergy / shapedEnergy)))
                                    : 0.0f;
        }

        // Both channels share the random phases, so a centred voice stays
        // centred; the inverse transform's factor n is taken out here.
        for (int c = 0; c < kChannels; ++c) {
            float* bins = m_bins[c].data();
            bins[0] = bins[1] = bins[2 * half] = bins[2 * half + 1] = 0.0f;
        }
        const float unscale = 1.0f / static_cast<float>(n);
        for (int k = 1; k < half; ++k) {
            const std::complex<float> phase = m_phases[random() >> 22];
            for (int c = 0; c < kChannels; ++c) {
                const std::complex<float> bin =
                    phase * (magnitudeScale[c] * unscale * m_smoothed[c][static_cast<std::size_t>(k)]);
                m_bins[c][2 * static_cast<std::size_t>(k)] = bin.real();
                m_bins[c][2 * static_cast<std::size_t>(k) + 1] = bin.imag();
            }
        }
        for (int c = 0; c < kChannels; ++c) {
            float* frame = m_frameData[c].data();
            m_fft.inverse(m_bins[c].data(), frame, n);
            for (int j = 0; j < n; ++j) {
                const std::uint32_t at = (m_position + static_cast<std::uint32_t>(j + 1)) & outputMask;
                m_output[c][at] += m_window[static_cast<std::size_t>(j)] * frame[j];
            }
        }
    }

    // m_smoothed[c] = the power of channel c averaged over ±m_spread bins, plus
    // the breath floor (a share of the frame's mean power, flat).
    void smooth(int c, float meanPower)
    {
        const std::vector<float>& power = m_power[c];
        std::vector<float>& out = m_smoothed[c];
        const int bins = static_cast<int>(power.size());
        const float floor = value(kBreath) * 0.01f * 0.5f * meanPower;
        double sum = 0.0;
        int count = 0;
        for (int k = 0; k < std::min(m_spread, bins); ++k, ++count)
            sum += power[static_cast<std::size_t>(k)];
        for (int k = 0; k < bins; ++k) {
            if (k + m_spread < bins) {
                sum += power[static_cast<std::size_t>(k + m_spread)];
                ++count;
            }
            if (k - m_spread - 1 >= 0) {
                sum -= power[static_cast<std::size_t>(k - m_spread - 1)];
                --count;
            }
            out[static_cast<std::size_t>(k)] = static_cast<float>(std::max(0.0, sum) / count) + floor;
        }
    }

    double m_rate = 48000.0;
    zdsp::RealFft m_fft;
    int m_frame = 512;
    int m_hop = 128;
    int m_spread = 3;
    std::vector<float> m_window, m_shape;
    std::vector<std::complex<float>> m_phases;
    std::vector<float> m_input[kChannels], m_output[kChannels], m_dry[kChannels];
    std::vector<float> m_power[kChannels], m_smoothed[kChannels];
    std::vector<float> m_frameData[kChannels], m_bins[kChannels]; // a frame and its n / 2 + 1 bins
    std::uint32_t m_position = 0; // frames since prepare, wrapping; rings use its low bits
    int m_untilFrame = 128;
    std::uint32_t m_random = 1;
    float m_shapeBrightness = -1.0f, m_shapeHighPass = -1.0f;
    float m_amount = 1.0f, m_gain = 1.0f;
};

} // namespace

ZPLUG_ENTRY(Whisper)
