// NoiseGate: closes on quiet passages and lets speech through unchanged.
// The detector listens to a band-limited copy of the linked stereo signal
// (peak or RMS); the gate opens above the threshold and closes a hysteresis
// below it, after a hold. Its gain moves along straight lines in dB (shaped
// by a smoothstep), so opening and closing never click. The engine runs two
// of these on every microphone block, so the steady states cost a multiply.

#include "dsp/biquad.h"
#include "pluginbase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

enum Index
{
    kAttack,
    kRelease,
    kThreshold, // the engine sets this one as a raw 0..1 value
    kHysteresis,
    kHold,
    kLookahead,
    kSideHighPass,
    kSideLowPass,
    kDetector,
    kLink,
    kOutput,
    kClosedGain, // raw 0..1 from the engine too: the gain is value³
    kCount
};

// Threshold: 0.2 → −60 dBFS (only room noise closes), 0.7 → −25 dBFS.
constexpr zplug::Parameter kParameters[] = {
    {"Attack", "ms", 0.1f, 50.0f, 2.0f, zplug::Curve::Logarithmic, 1},
    {"Release", "ms", 5.0f, 2000.0f, 150.0f, zplug::Curve::Logarithmic, 0},
    {"Threshold", "dB", -74.0f, -4.0f, -60.0f, zplug::Curve::Linear, 1},
    {"Hysteresis", "dB", 0.0f, 20.0f, 6.0f, zplug::Curve::Linear, 1},
    {"Hold", "ms", 0.0f, 500.0f, 60.0f, zplug::Curve::Linear, 0},
    {"Lookahead", "ms", 0.0f, 10.0f, 0.0f, zplug::Curve::Linear, 1},
    {"SC HighPass", "Hz", 20.0f, 2000.0f, 80.0f, zplug::Curve::Logarithmic, 0},
    {"SC LowPass", "Hz", 1000.0f, 20000.0f, 20000.0f, zplug::Curve::Logarithmic, 0},
    {"Detector", "", 0.0f, 1.0f, 0.0f, zplug::Curve::Linear, 0},
    {"Stereo link", "%", 0.0f, 100.0f, 100.0f, zplug::Curve::Linear, 0},
    {"Output", "dB", -24.0f, 24.0f, 0.0f, zplug::Curve::Linear, 1},
    {"Closed gain", "dB", 0.0f, 1.0f, 0.2154f, zplug::Curve::Linear, 1}, // −40 dB
};

const zplug::Info kInfo{"NoiseGate", vst2::fourCharacters('Z', 'v', 'N', 'G'), 1000, 2, 2, kParameters,
                        kCount};

constexpr int kChannels = 2;
constexpr double kPeakDecaySeconds = 0.020; // peak detector fall, bridges the gaps of low voices
constexpr double kRmsSeconds = 0.010;
constexpr double kDelayFadeSeconds = 0.005; // crossfade when the lookahead changes
constexpr float kSilenceLog2 = -20.0f;      // ≈ −120 dB: where a silent floor is faded to

// The closed gain in dB for a raw value: 60·log10(v), −inf at 0.
float closedGainDb(float v)
{
    return v > 0.0f ? 60.0f * std::log10(v) : -INFINITY;
}

class NoiseGate : public zplug::Plugin
{
public:
    explicit NoiseGate(vst2::HostCallback host) : Plugin(host, kInfo) {}

protected:
    // The closed gain reads as dB, the detector mode as a word.
    bool displayText(int index, char* text, int size) const override
    {
        if (index != kClosedGain && index != kDetector)
            return false;
        const float v = normalised(index);
        if (index == kDetector)
            std::snprintf(text, static_cast<std::size_t>(size), "%s", v >= 0.5f ? "RMS" : "Peak");
        else if (v <= 0.0f)
            std::snprintf(text, static_cast<std::size_t>(size), "-inf");
        else
            std::snprintf(text, static_cast<std::size_t>(size), "%.1f", static_cast<double>(closedGainDb(v)));
        return true;
    }

    void prepare(double sampleRate, int) override
    {
        m_rate = sampleRate;
        m_delayLength = static_cast<int>(std::ceil(0.010 * sampleRate)) + 2;
        for (auto& line : m_delay)
            line.assign(static_cast<std::size_t>(m_delayLength), 0.0f);
        m_write = 0;
        m_delayFrames = lookaheadFrames();
        m_oldDelayFrames = m_delayFrames;
        m_fadeLeft = 0;
        m_fadeLength = std::max(1, static_cast<int>(kDelayFadeSeconds * sampleRate));
        setLatency(m_delayFrames);
        m_sideHigh.reset();
        m_lowState[0] = m_lowState[1] = 0.0f;
        for (int c = 0; c < kChannels; ++c) {
            m_level[c] = 0.0f;
            m_position[c] = 0.0f; // closed: the first noise is not let through
            m_open[c] = false;
            m_holdLeft[c] = 0;
        }
        m_peakDecay = static_cast<float>(std::exp(-1.0 / (kPeakDecaySeconds * sampleRate)));
        m_rmsCoefficient = static_cast<float>(1.0 - std::exp(-1.0 / (kRmsSeconds * sampleRate)));
        m_outputGain = std::pow(10.0f, value(kOutput) / 20.0f);
        m_sideHighHz = -1.0f;
    }

    void process(const float* const* inputs, float* const* outputs, int frames) override
    {
        const double rate = m_rate;
        const bool rms = value(kDetector) >= 0.5f;
        const float openAmplitude = std::pow(10.0f, value(kThreshold) / 20.0f);
        const float closeAmplitude = openAmplitude * std::pow(10.0f, -value(kHysteresis) / 20.0f);
        const float openLevel =
            rms ? openAmplitude * openAmplitude * 0.5f : openAmplitude; // a sine's mean square
        const float closeLevel = rms ? closeAmplitude * closeAmplitude * 0.5f : closeAmplitude;
        const float attackStep = static_cast<float>(1.0 / std::max(1.0, value(kAttack) * 0.001 * rate));
        const float releaseStep = static_cast<float>(1.0 / std::max(1.0, value(kRelease) * 0.001 * rate));
        const int hold = static_cast<int>(value(kHold) * 0.001f * static_cast<float>(rate));
        const float link = value(kLink) * 0.01f;
        const float closedRaw = normalised(kClosedGain);
        const float closedGain = closedRaw * closedRaw * closedRaw;
        const float closedLog2 =
            closedRaw > 0.0f ? std::max(kSilenceLog2, 3.0f * std::log2(closedRaw)) : kSilenceLog2;

        if (value(kSideHighPass) != m_sideHighHz) {
            m_sideHighHz = value(kSideHighPass);
            m_sideHigh.set(zdsp::BiquadCoefficients::highPass(m_sideHighHz, M_SQRT1_2, rate));
        }
        const double lowHz = value(kSideLowPass);
        const bool lowPass = lowHz < 19500.0 && lowHz < 0.45 * rate;
        const float lowCoefficient = static_cast<float>(1.0 - std::exp(-2 * M_PI * lowHz / rate));

        const int delay = lookaheadFrames();
        if (delay != m_delayFrames) {
            m_oldDelayFrames = m_fadeLeft > 0 ? m_oldDelayFrames : m_delayFrames;
            m_delayFrames = delay;
            m_fadeLeft = m_fadeLength;
            setLatency(delay);
        }

        const float targetOutput = std::pow(10.0f, value(kOutput) / 20.0f);
        const float outputStep = (targetOutput - m_outputGain) / static_cast<float>(frames);

        for (int i = 0; i < frames; ++i) {
            const float x[kChannels] = {inputs[0][i], inputs[1][i]};

            // The detector: band-limited, then peak or mean square.
            for (int c = 0; c < kChannels; ++c) {
                float d = m_sideHigh.process(x[c], c);
                if (lowPass) {
                    m_lowState[c] += lowCoefficient * (d - m_lowState[c]);
                    d = m_lowState[c];
                }
                if (rms)
                    m_level[c] += m_rmsCoefficient * (d * d - m_level[c]);
                else
                    m_level[c] = std::max(std::fabs(d), m_level[c] * m_peakDecay);
            }
            const float loudest = std::max(m_level[0], m_level[1]);

            float gain[kChannels];
            for (int c = 0; c < kChannels; ++c) {
                const float level = link * loudest + (1.0f - link) * m_level[c];
                if (level >= openLevel) {
                    m_open[c] = true;
                    m_holdLeft[c] = hold;
                } else if (m_open[c]) {
                    if (level >= closeLevel)
                        m_holdLeft[c] = hold;
                    else if (m_holdLeft[c] > 0)
                        --m_holdLeft[c];
                    else
                        m_open[c] = false;
                }
                float& p = m_position[c];
                p = m_open[c] ? std::min(1.0f, p + attackStep) : std::max(0.0f, p - releaseStep);
                if (p >= 1.0f) {
                    gain[c] = 1.0f;
                } else if (p <= 0.0f) {
                    gain[c] = closedGain;
                } else {
                    const float shaped = p * p * (3.0f - 2.0f * p);
                    gain[c] = std::exp2(closedLog2 * (1.0f - shaped));
                }
            }

            m_outputGain += outputStep;
            for (int c = 0; c < kChannels; ++c) {
                float y = x[c];
                // Always written, so a lookahead switched on later starts from the recent past.
                std::vector<float>& line = m_delay[c];
                line[static_cast<std::size_t>(m_write)] = x[c];
                if (m_delayFrames > 0 || m_fadeLeft > 0) {
                    y = read(line, m_delayFrames);
                    if (m_fadeLeft > 0) {
                        const float t = static_cast<float>(m_fadeLeft) / static_cast<float>(m_fadeLength);
                        y = t * read(line, m_oldDelayFrames) + (1.0f - t) * y;
                    }
                }
                outputs[c][i] = y * gain[c] * m_outputGain;
            }
            if (m_fadeLeft > 0)
                --m_fadeLeft;
            if (++m_write == m_delayLength)
                m_write = 0;
        }
        m_outputGain = targetOutput;
    }

private:
    int lookaheadFrames() const
    {
        return std::clamp(static_cast<int>(std::lround(value(kLookahead) * 0.001 * m_rate)), 0,
                          m_delayLength - 2);
    }

    float read(const std::vector<float>& line, int delay) const
    {
        int at = m_write - delay;
        if (at < 0)
            at += m_delayLength;
        return line[static_cast<std::size_t>(at)];
    }

    double m_rate = 48000.0;
    std::vector<float> m_delay[kChannels];
    int m_delayLength = 1;
    int m_write = 0;
    int m_delayFrames = 0;
    int m_oldDelayFrames = 0;
    int m_fadeLeft = 0;
    int m_fadeLength = 1;
    zdsp::Biquad<kChannels> m_sideHigh;
    float m_sideHighHz = -1.0f;
    float m_lowState[kChannels] = {};
    float m_level[kChannels] = {};
    float m_position[kChannels] = {};
    bool m_open[kChannels] = {};
    int m_holdLeft[kChannels] = {};
    float m_peakDecay = 0.0f;
    float m_rmsCoefficient = 0.0f;
    float m_outputGain = 1.0f;
};

} // namespace

ZPLUG_ENTRY(NoiseGate)
