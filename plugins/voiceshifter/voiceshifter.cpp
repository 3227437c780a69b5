// VoiceShifter: moves a voice's pitch and its formants independently (female,
// male, child, giant voices) with the pitch-synchronous engine, at a fixed
// latency of two of the longest tracked periods (28.9 ms at 48 kHz). Both
// channels are shifted with the marks of their mono sum.

#include "pitchengine.h"
#include "pluginbase.h"

#include <cmath>

namespace {

enum Index
{
    kPitch,
    kFine,
    kFormant,
    kLowest,
    kHighest,
    kMix,
    kGain,
    kCount
};

constexpr zplug::Parameter kParameters[kCount] = {
    {"Pitch", "st", -12.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
    {"Fine", "ct", -100.0f, 100.0f, 0.0f, zplug::Curve::Linear, 0},
    {"Formant", "st", -12.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
    {"F0 Low", "Hz", 70.0f, 250.0f, 70.0f, zplug::Curve::Logarithmic, 0},
    {"F0 High", "Hz", 200.0f, 800.0f, 600.0f, zplug::Curve::Logarithmic, 0},
    {"Mix", "%", 0.0f, 100.0f, 100.0f, zplug::Curve::Linear, 0},
    {"Gain", "dB", -24.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
};

constexpr zplug::ProgramValue kFemale[] = {
    {kPitch, 7.0f}, {kFormant, 2.5f}, {kLowest, 70.0f}, {kHighest, 300.0f}};
constexpr zplug::ProgramValue kMale[] = {{kPitch, -7.0f}, {kFormant, -2.5f}, {kLowest, 120.0f}};
constexpr zplug::ProgramValue kChild[] = {{kPitch, 10.0f}, {kFormant, 4.0f}};
constexpr zplug::ProgramValue kGiant[] = {{kPitch, -12.0f}, {kFormant, -5.0f}, {kGain, 2.0f}};
constexpr zplug::ProgramValue kChipmunk[] = {{kPitch, 12.0f}, {kFormant, 9.0f}, {kGain, -2.0f}};

constexpr zplug::Program kPrograms[] = {
    {"Female", kFemale, 4}, {"Male", kMale, 3},         {"Child", kChild, 2},
    {"Giant", kGiant, 3},   {"Chipmunk", kChipmunk, 3},
};

constexpr zplug::Info kInfo = {
    "VoiceShifter", vst2::fourCharacters('Z', 'v', 'V', 's'), 1000, 2, 2, kParameters, kCount, kPrograms, 5};

class VoiceShifter : public zplug::Plugin
{
public:
    explicit VoiceShifter(vst2::HostCallback host) : Plugin(host, kInfo) {}

protected:
    void prepare(double sampleRate, int) override
    {
        m_analyzer.prepare(sampleRate);
        m_voice.prepare(m_analyzer, sampleRate);
        setLatency(m_analyzer.latency());
        m_glide = static_cast<float>(1.0 - std::exp(-1.0 / (0.02 * sampleRate)));
        m_snap = true;
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        m_voice.setShift(std::exp2((value(kPitch) + value(kFine) / 100.0) / 12.0),
                         std::exp2(value(kFormant) / 12.0));
        m_analyzer.setRange(value(kLowest), value(kHighest));
        const float mix = value(kMix) / 100.0f, gain = std::pow(10.0f, value(kGain) / 20.0f);
        if (m_snap) { // the values set before the first block are not glided to
            m_mix = mix;
            m_gain = gain;
            m_snap = false;
        }
        for (int i = 0; i < frames; ++i) {
            m_analyzer.push(inputs[0][i], inputs[1][i]);
            float left, right;
            m_voice.render(m_analyzer, left, right);
            m_mix += m_glide * (mix - m_mix);
            m_gain += m_glide * (gain - m_gain);
            const float dryLeft = m_analyzer.delayed(0), dryRight = m_analyzer.delayed(1);
            outputs[0][i] = m_gain * (dryLeft + m_mix * (left - dryLeft));
            outputs[1][i] = m_gain * (dryRight + m_mix * (right - dryRight));
        }
    }

private:
    zplug::PitchAnalyzer m_analyzer;
    zplug::PitchVoice m_voice;
    float m_glide = 0.0f, m_mix = 1.0f, m_gain = 1.0f;
    bool m_snap = true;
};

} // namespace

ZPLUG_ENTRY(VoiceShifter)
