// Harmonizer: the voice with up to two shifted copies of it (demon, choir,
// octaver). The copies share one pitch analysis; each has its own pitch,
// formant, detune, delay, pan and level. The dry voice is delayed by the
// engine's latency so it stays aligned with the copies.

#include "pitchengine.h"
#include "pluginbase.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

constexpr int kVoices = 2;
constexpr float kOffDb = -48.0f; // a level at its minimum is silence
constexpr float kLongestDelayMs = 80.0f;

enum VoiceIndex
{
    kPitch,
    kFine,
    kFormant,
    kDelay,
    kPan,
    kLevel,
    kVoiceParameters
};

enum Index
{
    kDry,
    kVoice1, // kVoice1 + kVoiceParameters * v + one of VoiceIndex
    kGain = kVoice1 + kVoices * kVoiceParameters,
    kCount
};

constexpr int at(int voice, int parameter)
{
    return kVoice1 + kVoiceParameters * voice + parameter;
}

constexpr zplug::Parameter kParameters[kCount] = {
    {"Dry", "dB", kOffDb, 6.0f, 0.0f, zplug::Curve::Linear, 1},
    {"V1 Pitch", "st", -12.0f, 12.0f, -12.0f, zplug::Curve::Linear, 1},
    {"V1 Fine", "ct", -50.0f, 50.0f, 0.0f, zplug::Curve::Linear, 0},
    {"V1 Form", "st", -12.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
    {"V1 Delay", "ms", 0.0f, kLongestDelayMs, 0.0f, zplug::Curve::Linear, 1},
    {"V1 Pan", "%", -100.0f, 100.0f, 0.0f, zplug::Curve::Linear, 0},
    {"V1 Level", "dB", kOffDb, 6.0f, -3.0f, zplug::Curve::Linear, 1},
    {"V2 Pitch", "st", -12.0f, 12.0f, 7.0f, zplug::Curve::Linear, 1},
    {"V2 Fine", "ct", -50.0f, 50.0f, 0.0f, zplug::Curve::Linear, 0},
    {"V2 Form", "st", -12.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
    {"V2 Delay", "ms", 0.0f, kLongestDelayMs, 0.0f, zplug::Curve::Linear, 1},
    {"V2 Pan", "%", -100.0f, 100.0f, 0.0f, zplug::Curve::Linear, 0},
    {"V2 Level", "dB", kOffDb, 6.0f, kOffDb, zplug::Curve::Linear, 1},
    {"Gain", "dB", -24.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
};

constexpr zplug::ProgramValue kDemon[] = {
    {at(0, kPitch), -12.0f},  {at(0, kFormant), -3.0f}, {at(0, kLevel), 0.0f}, {at(1, kPitch), -7.0f},
    {at(1, kFormant), -2.0f}, {at(1, kLevel), -4.0f},   {kGain, -3.0f},
};
constexpr zplug::ProgramValue kChoir[] = {
    {at(0, kPitch), 4.0f},    {at(0, kFine), 8.0f},   {at(0, kFormant), 0.5f}, {at(0, kDelay), 18.0f},
    {at(0, kPan), -50.0f},    {at(0, kLevel), -4.0f}, {at(1, kPitch), -3.0f},  {at(1, kFine), -8.0f},
    {at(1, kFormant), -0.5f}, {at(1, kDelay), 31.0f}, {at(1, kPan), 50.0f},    {at(1, kLevel), -4.0f},
    {kGain, -2.0f},
};
constexpr zplug::ProgramValue kOctaver[] = {
    {at(0, kPitch), -12.0f}, {at(0, kLevel), -2.0f}, {at(1, kPitch), 12.0f},
    {at(1, kLevel), -10.0f}, {kGain, -2.0f},
};

constexpr zplug::Program kPrograms[] = {
    {"Demon", kDemon, static_cast<int>(std::size(kDemon))},
    {"Choir", kChoir, static_cast<int>(std::size(kChoir))},
    {"Octaver", kOctaver, static_cast<int>(std::size(kOctaver))},
};

constexpr zplug::Info kInfo = {
    "Harmonizer", vst2::fourCharacters('Z', 'v', 'H', 'z'), 1000, 2, 2, kParameters, kCount, kPrograms, 3};

float decibels(float db)
{
    return db <= kOffDb ? 0.0f : std::pow(10.0f, db / 20.0f);
}

class Harmonizer : public zplug::Plugin
{
public:
    explicit Harmonizer(vst2::HostCallback host) : Plugin(host, kInfo) {}

protected:
    void prepare(double sampleRate, int) override
    {
        m_analyzer.prepare(sampleRate);
        setLatency(m_analyzer.latency());
        m_glide = static_cast<float>(1.0 - std::exp(-1.0 / (0.02 * sampleRate)));
        m_delayGlide = static_cast<float>(1.0 - std::exp(-1.0 / (0.1 * sampleRate)));
        std::size_t size = 1;
        while (size < static_cast<std::size_t>(kLongestDelayMs / 1000.0 * sampleRate) + 4)
            size *= 2;
        m_delayMask = size - 1;
        m_written = 0;
        for (int v = 0; v < kVoices; ++v) {
            Voice& voice = m_voices[v];
            voice.shifter.prepare(m_analyzer, sampleRate);
            for (std::vector<float>& line : voice.line)
                line.assign(size, 0.0f);
        }
        m_snap = true;
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        float left[kVoices], right[kVoices], delay[kVoices];
        for (int v = 0; v < kVoices; ++v) {
            const double cents = value(at(v, kPitch)) * 100.0 + value(at(v, kFine));
            m_voices[v].shifter.setShift(std::exp2(cents / 1200.0), std::exp2(value(at(v, kFormant)) / 12.0));
            targets(v, left[v], right[v], delay[v]);
        }
        const float dry = decibels(value(kDry)), gain = decibels(value(kGain));
        if (m_snap) { // the values set before the first block are not glided to
            for (int v = 0; v < kVoices; ++v) {
                m_voices[v].left = left[v];
                m_voices[v].right = right[v];
                m_voices[v].delay = delay[v];
            }
            m_dry = dry;
            m_gain = gain;
            m_snap = false;
        }
        for (int i = 0; i < frames; ++i) {
            m_analyzer.push(inputs[0][i], inputs[1][i]);
            m_dry += m_glide * (dry - m_dry);
            m_gain += m_glide * (gain - m_gain);
            float outLeft = m_dry * m_analyzer.delayed(0), outRight = m_dry * m_analyzer.delayed(1);
            const std::size_t now = m_written++ & m_delayMask;
            for (int v = 0; v < kVoices; ++v) {
                Voice& voice = m_voices[v];
                voice.shifter.render(m_analyzer, voice.line[0][now], voice.line[1][now]);
                voice.left += m_glide * (left[v] - voice.left);
                voice.right += m_glide * (right[v] - voice.right);
                voice.delay += m_delayGlide * (delay[v] - voice.delay);
                // Fractional delay by linear interpolation, so it glides.
                const float whole = std::floor(voice.delay), t = voice.delay - whole;
                const std::size_t a = (now - static_cast<std::size_t>(whole)) & m_delayMask;
                const std::size_t b = (a - 1) & m_delayMask;
                outLeft += voice.left * (voice.line[0][a] + t * (voice.line[0][b] - voice.line[0][a]));
                outRight += voice.right * (voice.line[1][a] + t * (voice.line[1][b] - voice.line[1][a]));
            }
            outputs[0][i] = m_gain * outLeft;
            outputs[1][i] = m_gain * outRight;
        }
    }

private:
    struct Voice
    {
        zplug::PitchVoice shifter;
        std::vector<float> line[2]; // the copy, delayed
        float left = 0.0f, right = 0.0f, delay = 0.0f;
    };

    // A voice's channel gains (level and constant-power pan) and delay in frames.
    void targets(int v, float& left, float& right, float& delay) const
    {
        const float level = decibels(value(at(v, kLevel)));
        const float angle = static_cast<float>(M_PI / 4) * (1.0f + value(at(v, kPan)) / 100.0f);
        left = level * std::sqrt(2.0f) * std::cos(angle);
        right = level * std::sqrt(2.0f) * std::sin(angle);
        delay = static_cast<float>(value(at(v, kDelay)) / 1000.0 * sampleRate());
    }

    zplug::PitchAnalyzer m_analyzer;
    Voice m_voices[kVoices];
    std::size_t m_delayMask = 0, m_written = 0;
    float m_glide = 0.0f, m_delayGlide = 0.0f, m_dry = 1.0f, m_gain = 1.0f;
    bool m_snap = true;
};

} // namespace

ZPLUG_ENTRY(Harmonizer)
