// RingModulator: the voice multiplied by a sine carrier, which moves every
// partial f to f ± carrier and makes speech alien and metallic. An LFO sweeps
// the carrier in octaves, and a short feedback comb after the modulator adds
// a resonant, tube-like ring. The carrier's phase runs on through every
// change, so sweeps and parameter moves never click.

#include "pluginbase.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

enum Index
{
    kCarrier,
    kLfoRate,
    kLfoDepth,
    kMix,
    kCombTime,
    kCombFeedback,
    kOutput,
    kCount
};

constexpr zplug::Parameter kParameters[] = {
    {"Carrier", "Hz", 10.0f, 4000.0f, 200.0f, zplug::Curve::Logarithmic, 1},
    {"LFO rate", "Hz", 0.05f, 20.0f, 0.5f, zplug::Curve::Logarithmic, 2},
    {"LFO depth", "oct", 0.0f, 2.0f, 0.0f, zplug::Curve::Linear, 2},
    {"Mix", "%", 0.0f, 100.0f, 100.0f, zplug::Curve::Linear, 0},
    {"Comb time", "ms", 0.5f, 20.0f, 4.0f, zplug::Curve::Logarithmic, 2},
    {"Comb feedback", "%", 0.0f, 90.0f, 0.0f, zplug::Curve::Linear, 0},
    {"Output", "dB", -24.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
};

constexpr zplug::ProgramValue kAlien[] = {
    {kCarrier, 140.0f}, {kLfoRate, 0.3f}, {kLfoDepth, 0.4f}, {kMix, 85.0f}, {kCombFeedback, 0.0f}};
constexpr zplug::ProgramValue kMetallic[] = {
    {kCarrier, 600.0f}, {kMix, 70.0f}, {kCombTime, 3.0f}, {kCombFeedback, 70.0f}};
constexpr zplug::ProgramValue kTinTyrant[] = {
    {kCarrier, 30.0f}, {kMix, 100.0f}, {kCombTime, 6.0f}, {kCombFeedback, 40.0f}};
constexpr zplug::Program kPrograms[] = {
    {"Alien", kAlien, 5},
    {"Metallic", kMetallic, 4},
    {"TinTyrant", kTinTyrant, 4},
};

const zplug::Info kInfo{
    "RingModulator", vst2::fourCharacters('Z', 'v', 'R', 'M'), 1000, 2, 2, kParameters, kCount, kPrograms, 3};

constexpr int kChannels = 2;
constexpr int kTableSize = 2048;   // one sine cycle, linearly interpolated
constexpr int kControlFrames = 16; // the carrier's frequency is worked out this often
constexpr double kGlideSeconds = 0.02;
constexpr double kMaxCombSeconds = 0.021;
constexpr float kRingMakeup = 1.41421356f; // a sine carrier halves the power

class RingModulator : public zplug::Plugin
{
public:
    explicit RingModulator(vst2::HostCallback host) : Plugin(host, kInfo)
    {
        for (int i = 0; i <= kTableSize; ++i)
            m_sine[i] = static_cast<float>(std::sin(2 * M_PI * i / kTableSize));
    }

protected:
    void prepare(double sampleRate, int) override
    {
        m_rate = sampleRate;
        int size = 1;
        while (size < static_cast<int>(kMaxCombSeconds * sampleRate) + 4)
            size <<= 1;
        m_combSize = size;
        for (auto& line : m_comb)
            line.assign(static_cast<std::size_t>(size), 0.0f);
        m_position = 0;
        m_carrierPhase = 0.0;
        m_lfoPhase = 0.0;
        m_carrierLog2 = std::log2(static_cast<double>(value(kCarrier)));
        m_glide = 1.0 - std::exp(-kControlFrames / (kGlideSeconds * sampleRate));
        m_depth = value(kLfoDepth);
        m_mix = value(kMix) * 0.01f;
        m_combDelay = value(kCombTime) * 0.001f * static_cast<float>(sampleRate);
        m_feedback = value(kCombFeedback) * 0.01f;
        m_gain = std::pow(10.0f, value(kOutput) / 20.0f);
        m_sinceControl = 0;
        m_carrierStep = 0.0;
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        const double targetLog2 = std::log2(static_cast<double>(value(kCarrier)));
        const double lfoStep = value(kLfoRate) / m_rate;
        const float step = 1.0f / static_cast<float>(frames);
        const float depthStep = (value(kLfoDepth) - m_depth) * step;
        const float mixStep = (value(kMix) * 0.01f - m_mix) * step;
        const float delayTarget = std::clamp(value(kCombTime) * 0.001f * static_cast<float>(m_rate), 1.0f,
                                             static_cast<float>(m_combSize - 3));
        const float delayStep = (delayTarget - m_combDelay) * step;
        const float feedbackStep = (value(kCombFeedback) * 0.01f - m_feedback) * step;
        const float gainStep = (std::pow(10.0f, value(kOutput) / 20.0f) - m_gain) * step;
        const auto mask = static_cast<std::uint32_t>(m_combSize - 1);

        for (int i = 0; i < frames; ++i) {
            m_depth += depthStep;
            if (m_sinceControl == 0) {
                m_carrierLog2 += (targetLog2 - m_carrierLog2) * m_glide;
                const double lfo = std::sin(2 * M_PI * m_lfoPhase);
                const double hz = std::exp2(m_carrierLog2 + m_depth * lfo);
                m_carrierStep = std::min(hz, 0.49 * m_rate) / m_rate;
                m_sinceControl = kControlFrames;
            }
            --m_sinceControl;
            m_lfoPhase += lfoStep;
            m_lfoPhase -= std::floor(m_lfoPhase);
            m_carrierPhase += m_carrierStep;
            m_carrierPhase -= std::floor(m_carrierPhase);
            const double at = m_carrierPhase * kTableSize;
            const int index = static_cast<int>(at);
            const float fraction = static_cast<float>(at - index);
            const float carrier = m_sine[index] + fraction * (m_sine[index + 1] - m_sine[index]);

            m_mix += mixStep;
            m_combDelay += delayStep;
            m_feedback += feedbackStep;
            m_gain += gainStep;
            const int whole = static_cast<int>(m_combDelay);
            const float part = m_combDelay - static_cast<float>(whole);
            // Unity power for a broad spectrum at any feedback.
            const float combGain = std::sqrt(1.0f - m_feedback * m_feedback);
            for (int c = 0; c < kChannels; ++c) {
                const float x = inputs[c][i];
                float wet = kRingMakeup * carrier * x;
                if (m_feedback > 0.0f) {
                    std::vector<float>& line = m_comb[c];
                    const float a = line[(m_position - static_cast<std::uint32_t>(whole)) & mask];
                    const float b = line[(m_position - static_cast<std::uint32_t>(whole) - 1) & mask];
                    const float ringing = wet + m_feedback * (a + part * (b - a));
                    line[m_position & mask] = ringing;
                    wet = ringing * combGain;
                } else {
                    m_comb[c][m_position & mask] = wet;
                }
                outputs[c][i] = m_gain * (x + m_mix * (wet - x));
            }
            ++m_position;
        }
    }

private:
    float m_sine[kTableSize + 1];
    double m_rate = 48000.0;
    std::vector<float> m_comb[kChannels];
    int m_combSize = 1024;
    std::uint32_t m_position = 0;
    double m_carrierPhase = 0.0, m_lfoPhase = 0.0, m_carrierLog2 = 0.0, m_carrierStep = 0.0, m_glide = 1.0;
    int m_sinceControl = 0;
    float m_depth = 0.0f, m_mix = 1.0f, m_combDelay = 1.0f, m_feedback = 0.0f, m_gain = 1.0f;
};

} // namespace

ZPLUG_ENTRY(RingModulator)
