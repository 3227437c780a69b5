// VoiceShifter: moves a voice's pitch and its formants independently (female,
// male, child, giant voices) with the pitch-synchronous engine, at a fixed
// latency of two of the longest tracked periods (28.9 ms at 48 kHz). Both
// channels are shifted with the marks of their mono sum.
//
// Two modes: a ratio (Pitch and Fine, in semitones and cents), or a target:
// the speaker's median F0 is followed over a few seconds of voiced speech and
// the ratio is Target / that median, so a "female" voice lands near the same
// pitch whoever speaks. Formant is a fixed shift in both.

#include "pitchengine.h"
#include "pluginbase.h"
#include "speakerpitch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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
    kTarget,
    kMode,
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
    {"Target", "Hz", 50.0f, 800.0f, 200.0f, zplug::Curve::Logarithmic, 0},
    {"Mode", "", 0.0f, 1.0f, 0.0f, zplug::Curve::Linear, 0}, // below 0.5 the ratio, else the target
};

// The ratios a target may ask for: three octaves either way.
constexpr double kLowestRatio = 0.125, kHighestRatio = 8.0;
// How often the speaker's pitch is sampled.
constexpr double kSpeakerFrameSeconds = 0.005;

// The gender and age voices aim at a median F0 and shift the formants by the
// ratio found between such speakers (Peterson and Barney, 1952; Hillenbrand
// et al., 1995: women's first two formants lie about 15 % above men's,
// children's about 25 % above an adult's on average). The figures are the
// catalogue's slider steps nearest to them.
constexpr float kTargetMode = 1.0f;
constexpr zplug::ProgramValue kFemale[] = {{kMode, kTargetMode}, {kTarget, 211.1f}, {kFormant, 2.4f}};
constexpr zplug::ProgramValue kMale[] = {{kMode, kTargetMode}, {kTarget, 108.7f}, {kFormant, -2.16f}};
constexpr zplug::ProgramValue kChild[] = {{kMode, kTargetMode}, {kTarget, 287.2f}, {kFormant, 3.84f}};
constexpr zplug::ProgramValue kGiant[] = {{kMode, kTargetMode}, {kTarget, 54.4f}, {kFormant, -5.04f}};
constexpr zplug::ProgramValue kChipmunk[] = {
    {kMode, kTargetMode}, {kTarget, 575.1f}, {kFormant, 9.12f}, {kGain, -2.0f}};

constexpr zplug::Program kPrograms[] = {
    {"Female", kFemale, 3}, {"Male", kMale, 3},         {"Child", kChild, 3},
    {"Giant", kGiant, 3},   {"Chipmunk", kChipmunk, 4},
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
        m_speakerHop = std::max(1, static_cast<int>(std::lround(kSpeakerFrameSeconds * sampleRate)));
        m_untilSpeaker = m_speakerHop;
        m_speaker.prepare(sampleRate / m_speakerHop);
    }

    bool displayText(int index, char* text, int size) const override
    {
        if (index != kMode)
            return false;
        std::snprintf(text, static_cast<std::size_t>(size), "%s", targetMode() ? "Target" : "Ratio");
        return true;
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        m_analyzer.setRange(value(kLowest), value(kHighest));
        const double formant = std::exp2(value(kFormant) / 12.0);
        const float mix = value(kMix) / 100.0f, gain = std::pow(10.0f, value(kGain) / 20.0f);
        if (m_snap) { // the values set before the first block are not glided to
            m_mix = mix;
            m_gain = gain;
            m_snap = false;
        }
        setShift(formant);
        for (int i = 0; i < frames; ++i) {
            m_analyzer.push(inputs[0][i], inputs[1][i]);
            if (--m_untilSpeaker <= 0) {
                m_untilSpeaker = m_speakerHop;
                m_speaker.update(m_analyzer.voiced() ? sampleRate() / m_analyzer.period() : 0.0);
                setShift(formant);
            }
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
    bool targetMode() const { return value(kMode) >= 0.5f; }

    // The ratio in force: the fixed one, or the target over the speaker's
    // pitch as followed (none until a voiced frame has been heard).
    void setShift(double formant)
    {
        if (!targetMode())
            m_voice.setShift(std::exp2((value(kPitch) + value(kFine) / 100.0) / 12.0), formant);
        else if (m_speaker.known()) // the first time at once: the first word starts at the target
            m_voice.setShift(std::clamp(value(kTarget) / m_speaker.hz(), kLowestRatio, kHighestRatio),
                             formant);
    }

    zplug::PitchAnalyzer m_analyzer;
    zplug::SpeakerPitch m_speaker;
    int m_speakerHop = 240, m_untilSpeaker = 240;
    zplug::PitchVoice m_voice;
    float m_glide = 0.0f, m_mix = 1.0f, m_gain = 1.0f;
    bool m_snap = true;
};

} // namespace

ZPLUG_ENTRY(VoiceShifter)
