// Radio: a voice through a walkie-talkie or an old set. The (mono) voice is
// high-passed, driven into a slightly asymmetric tanh, joined by hiss,
// crackle and - when a transmission ends - a burst of squelch noise, and the
// whole is band-limited again: a second high-pass (fourth order in all) and
// a fourth-order low-pass. Corners glide, so sweeping them does not click.

#include "dsp/biquad.h"
#include "pluginbase.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

enum Index
{
    kLowCut,
    kHighCut,
    kDrive,
    kNoise,
    kCrackle,
    kSquelch,
    kMix,
    kOutput,
    kCount
};

constexpr zplug::Parameter kParameters[] = {
    {"Low cut", "Hz", 100.0f, 2000.0f, 400.0f, zplug::Curve::Logarithmic, 0},
    {"High cut", "Hz", 1000.0f, 10000.0f, 3200.0f, zplug::Curve::Logarithmic, 0},
    {"Drive", "dB", 0.0f, 40.0f, 12.0f, zplug::Curve::Linear, 1},
    {"Noise", "dB", -80.0f, -20.0f, -50.0f, zplug::Curve::Linear, 1}, // −80 is off
    {"Crackle", "%", 0.0f, 100.0f, 10.0f, zplug::Curve::Linear, 0},
    {"Squelch", "%", 0.0f, 100.0f, 0.0f, zplug::Curve::Linear, 0},
    {"Mix", "%", 0.0f, 100.0f, 100.0f, zplug::Curve::Linear, 0},
    {"Output", "dB", -24.0f, 12.0f, 0.0f, zplug::Curve::Linear, 1},
};

constexpr zplug::ProgramValue kWalkie[] = {{kLowCut, 500.0f}, {kHighCut, 2800.0f}, {kDrive, 18.0f},
                                           {kNoise, -44.0f},  {kCrackle, 5.0f},    {kSquelch, 80.0f}};
constexpr zplug::ProgramValue kOldRadio[] = {{kLowCut, 250.0f}, {kHighCut, 4000.0f}, {kDrive, 10.0f},
                                             {kNoise, -42.0f},  {kCrackle, 45.0f},   {kSquelch, 0.0f}};
constexpr zplug::ProgramValue kTelephone[] = {{kLowCut, 300.0f}, {kHighCut, 3400.0f}, {kDrive, 6.0f},
                                              {kNoise, -70.0f},  {kCrackle, 0.0f},    {kSquelch, 0.0f}};
constexpr zplug::Program kPrograms[] = {
    {"Walkie", kWalkie, 6},
    {"OldRadio", kOldRadio, 6},
    {"Telephone", kTelephone, 6},
};

const zplug::Info kInfo{
    "Radio", vst2::fourCharacters('Z', 'v', 'R', 'D'), 1000, 2, 2, kParameters, kCount, kPrograms, 3};

constexpr double kGlideSeconds = 0.02;
constexpr float kBias = 0.12f;          // asymmetry of the saturation: even harmonics
constexpr float kDriveReference = 0.3f; // a speech peak that keeps its level at any drive
constexpr double kDetectorFallSeconds = 0.03;
constexpr float kOpenLevel = 0.0056f; // −45 dBFS: someone is talking
constexpr double kHoldSeconds = 0.12;
constexpr double kTailSeconds = 0.16;
constexpr float kTailLevel = 0.12f; // RMS of the squelch burst at full squelch
constexpr double kNoiseGlideSeconds = 0.003;
constexpr double kMaxCrackles = 40.0; // per second, at full crackle
constexpr double kCrackleSeconds = 0.0008;

class Radio : public zplug::Plugin
{
public:
    explicit Radio(vst2::HostCallback host) : Plugin(host, kInfo) {}

protected:
    void prepare(double sampleRate, int) override
    {
        m_rate = sampleRate;
        m_lowLog2 = std::log2(static_cast<double>(value(kLowCut)));
        m_highLog2 = std::log2(static_cast<double>(value(kHighCut)));
        for (zdsp::Biquad<>* filter : {&m_preHigh, &m_postHigh, &m_lowA, &m_lowB})
            filter->reset();
        setFilters();
        m_level = 0.0f;
        m_open = false;
        m_holdLeft = 0;
        m_tailLeft = 0;
        m_noiseGain = 0.0f;
        m_crackle = 0.0f;
        m_random = 0x2545f491u;
        m_fall = static_cast<float>(std::exp(-1.0 / (kDetectorFallSeconds * sampleRate)));
        m_noiseGlide = static_cast<float>(1.0 - std::exp(-1.0 / (kNoiseGlideSeconds * sampleRate)));
        m_crackleDecay = static_cast<float>(std::exp(-1.0 / (kCrackleSeconds * sampleRate)));
        m_drive = std::pow(10.0f, value(kDrive) / 20.0f);
        m_mix = value(kMix) * 0.01f;
        m_gain = std::pow(10.0f, value(kOutput) / 20.0f);
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        const double glide = 1.0 - std::exp(-frames / (kGlideSeconds * m_rate));
        const double lowTarget = std::log2(static_cast<double>(value(kLowCut)));
        const double highTarget = std::log2(static_cast<double>(value(kHighCut)));
        if (std::fabs(lowTarget - m_lowLog2) > 1e-4 || std::fabs(highTarget - m_highLog2) > 1e-4) {
            m_lowLog2 += (lowTarget - m_lowLog2) * glide;
            m_highLog2 += (highTarget - m_highLog2) * glide;
            setFilters();
        }

        const float step = 1.0f / static_cast<float>(frames);
        const float driveTarget = std::pow(10.0f, value(kDrive) / 20.0f);
        const float driveStep = (driveTarget - m_drive) * step;
        const float bias = std::tanh(kBias);
        // The makeup keeps a speech peak's level; ramped with the drive over the block.
        auto makeupFor = [bias](float drive) {
            return kDriveReference / (std::tanh(kDriveReference * drive + kBias) - bias);
        };
        float makeup = makeupFor(m_drive);
        const float makeupStep = (makeupFor(driveTarget) - makeup) * step;
        const float mixStep = (value(kMix) * 0.01f - m_mix) * step;
        const float gainStep = (std::pow(10.0f, value(kOutput) / 20.0f) - m_gain) * step;

        // Hiss scaled so its level after the band limits is about the setting.
        const double band = std::max(100.0, std::exp2(m_highLog2) - std::exp2(m_lowLog2));
        const float hiss = value(kNoise) <= -79.9f
                               ? 0.0f
                               : static_cast<float>(std::pow(10.0, value(kNoise) / 20.0) *
                                                    std::sqrt(0.5 * m_rate / band) * std::sqrt(3.0));
        const float squelch = value(kSquelch) * 0.01f;
        const float crackle = value(kCrackle) * 0.01f;
        const auto crackleOdds =
            static_cast<std::uint32_t>(std::min(1.0, crackle * kMaxCrackles / m_rate) * 4294967295.0);
        const int hold = static_cast<int>(kHoldSeconds * m_rate),
                  tail = static_cast<int>(kTailSeconds * m_rate);
        const float tailBurst = squelch * kTailLevel * std::sqrt(3.0f);

        for (int i = 0; i < frames; ++i) {
            const float left = inputs[0][i], right = inputs[1][i];
            float x = m_preHigh.process(0.5f * (left + right));

            // Is someone talking? Opens the squelch; its end fires the tail.
            m_level = std::max(std::fabs(x), m_level * m_fall);
            if (m_level >= kOpenLevel) {
                m_open = true;
                m_holdLeft = hold;
                m_tailLeft = 0;
            } else if (m_open && --m_holdLeft <= 0) {
                m_open = false;
                m_tailLeft = tail;
            }
            float noiseTarget = m_open ? hiss : hiss * (1.0f - squelch);
            if (m_tailLeft > 0) {
                --m_tailLeft;
                noiseTarget = std::max(noiseTarget, tailBurst);
            }
            m_noiseGain += m_noiseGlide * (noiseTarget - m_noiseGain);

            m_drive += driveStep;
            makeup += makeupStep;
            x = makeup * (std::tanh(m_drive * x + kBias) - bias);

            const float noise = uniform() * m_noiseGain;
            if (crackleOdds > 0 && random() < crackleOdds)
                m_crackle += 0.4f * crackle * uniform();
            m_crackle *= m_crackleDecay;
            const float onAir = m_open ? 1.0f : 1.0f - squelch;
            x += noise + m_crackle * onAir;

            const float wet = m_lowB.process(m_lowA.process(m_postHigh.process(x)));
            m_mix += mixStep;
            m_gain += gainStep;
            outputs[0][i] = m_gain * (left + m_mix * (wet - left));
            outputs[1][i] = m_gain * (right + m_mix * (wet - right));
        }
    }

private:
    void setFilters()
    {
        const double low = std::exp2(m_lowLog2), high = std::exp2(m_highLog2);
        using zdsp::BiquadCoefficients;
        m_preHigh.set(BiquadCoefficients::highPass(low, M_SQRT1_2, m_rate));
        m_postHigh.set(BiquadCoefficients::highPass(low, M_SQRT1_2, m_rate));
        m_lowA.set(BiquadCoefficients::lowPass(high, 0.5411961, m_rate)); // fourth-order Butterworth
        m_lowB.set(BiquadCoefficients::lowPass(high, 1.3065630, m_rate));
    }

    std::uint32_t random()
    {
        m_random ^= m_random << 13;
        m_random ^= m_random >> 17;
        m_random ^= m_random << 5;
        return m_random;
    }

    float uniform()
    {
        return static_cast<float>(static_cast<std::int32_t>(random())) * (1.0f / 2147483648.0f);
    }

    double m_rate = 48000.0;
    double m_lowLog2 = 0.0, m_highLog2 = 0.0;
    zdsp::Biquad<> m_preHigh, m_postHigh, m_lowA, m_lowB;
    float m_level = 0.0f;
    bool m_open = false;
    int m_holdLeft = 0, m_tailLeft = 0;
    float m_noiseGain = 0.0f, m_crackle = 0.0f;
    std::uint32_t m_random = 1;
    float m_fall = 0.0f, m_noiseGlide = 0.0f, m_crackleDecay = 0.0f;
    float m_drive = 1.0f, m_mix = 1.0f, m_gain = 1.0f;
};

} // namespace

ZPLUG_ENTRY(Radio)
