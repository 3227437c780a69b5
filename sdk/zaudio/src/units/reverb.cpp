// Type 19: a room-to-hall reverb.
//
// Signal path, per side (even channels are the left side, odd ones the right):
//   input -> low shelf -> high cut -> pre-delay line
//   early reflections: ten taps on the pre-delay line from `early delay` on,
//   their levels following the decay envelope 10^(-3 t / rt60)
//   late reverb: read `late delay` after the early delay, scaled to the level
//   the decay has reached by then, through four series allpasses (diffusion)
//   into a 16-line feedback delay network.
// The network's lines have mutually prime lengths (scaled by the density), a
// normalised Hadamard feedback matrix and, per line, a first-order shelf that
// sets both the low-frequency decay (gain 10^(-3 len / (rt60 fs))) and the decay
// at the HF reference. Left and right are two outputs of the feedback matrix:
// sums over all lines with orthogonal signs, so the sides are decorrelated.
// Early/late mix: 0 % early only, 50 % both at full level, 100 % late only.
//
// Parameters that move read positions (early delay, late delay, density)
// crossfade from the old positions to the new ones; decay, damping, diffusion
// and the input filters glide and are recomputed every 32 frames while moving.

#include "dsp.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace zaudio {

namespace {

constexpr UnitParameter kReverbParameters[] = {
    {"decay time", "ms", 100.0f, 20000.0f, 1500.0f}, {"early delay", "ms", 0.0f, 300.0f, 20.0f},
    {"late delay", "ms", 0.0f, 100.0f, 40.0f},       {"HF reference", "Hz", 20.0f, 20000.0f, 5000.0f},
    {"HF decay ratio", "%", 10.0f, 100.0f, 50.0f},   {"diffusion", "%", 10.0f, 100.0f, 50.0f},
    {"density", "%", 10.0f, 100.0f, 50.0f},          {"low-shelf frequency", "Hz", 20.0f, 1000.0f, 250.0f},
    {"low-shelf gain", "dB", -36.0f, 12.0f, 0.0f},   {"high cut", "Hz", 20.0f, 20000.0f, 20000.0f},
    {"early/late mix", "%", 0.0f, 100.0f, 50.0f},    {"wet level", "dB", -80.0f, 20.0f, -6.0f},
    {"dry level", "dB", -80.0f, 20.0f, 0.0f},
};
const UnitInfo kReverbInfo = {19, "reverb", kReverbParameters, 13};

enum Parameter
{
    kDecay,
    kEarlyDelay,
    kLateDelay,
    kHfReference,
    kHfRatio,
    kDiffusion,
    kDensity,
    kShelfFrequency,
    kShelfGain,
    kHighCut,
    kEarlyLateMix,
    kWetLevel,
    kDryLevel
};

constexpr int kLines = 16;
constexpr int kChunk = 32;
constexpr double kReferenceRate = 48000.0;
// Line lengths in samples at 48 kHz and 50 % density, spread evenly on a log
// scale from 14.6 to 48 ms; the lengths used are the next primes above these
// times the density scale (0.6 to 1.5).
constexpr double kLineLengths[kLines] = {700,  758,  820,  888,  961,  1041, 1127, 1220,
                                         1320, 1429, 1547, 1675, 1813, 1963, 2125, 2300};
constexpr double kMaxDensityScale = 1.5;
// Sign patterns for feeding the lines from each side: orthogonal, and not
// rows of the feedback matrix. The sides are taken from two rows of it.
constexpr float kInLeft[kLines] = {1, 1, -1, 1, 1, -1, -1, -1, 1, -1, 1, 1, -1, 1, -1, -1};
constexpr float kInRight[kLines] = {1, -1, 1, 1, -1, -1, 1, -1, -1, -1, 1, -1, -1, 1, 1, 1};
constexpr int kOutLeft = 5, kOutRight = 10;
constexpr float kInGain = 0.25f;
constexpr float kOutGain = 2.0f;

constexpr int kAllpasses = 4;
constexpr double kAllpassMs[2][kAllpasses] = {{3.71, 2.13, 4.39, 1.23}, {3.53, 2.41, 4.57, 1.37}};

// Early reflections per side: time and signed level. updateDecay() scales
// them to kEarlyEnergy in all and shapes them with the decay envelope
// 10^(-3 t / rt60), so short decays have fewer audible reflections.
struct Reflection
{
    double ms;
    double level;
};
constexpr int kReflections = 10;
constexpr Reflection kReflectionTaps[2][kReflections] = {
    {{4.3, 1.0},
     {9.1, -0.81},
     {13.7, 0.93},
     {19.9, -0.72},
     {24.1, 0.86},
     {31.3, 0.77},
     {38.9, -0.95},
     {46.3, 0.69},
     {55.7, -0.88},
     {67.1, 0.74}},
    {{5.3, 0.97},
     {8.1, -0.76},
     {15.1, -0.89},
     {18.3, 0.82},
     {26.9, 0.71},
     {29.9, -0.94},
     {41.3, 0.79},
     {44.1, -0.85},
     {58.3, 0.73},
     {63.7, -0.91}},
};
constexpr double kEarlyEnergy = 0.7;
// Time from the late reverb's input to the bulk of its first arrivals.
constexpr double kLateOnsetMs = 25.0;
constexpr double kMaxReflectionMs = 70.0;

constexpr float kFadeMs = 20.0f;
constexpr float kGlideMs = 30.0f;
constexpr float kGainGlideMs = 5.0f;

bool isPrime(int n)
{
    if (n < 2)
        return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// Advances a chunk-rate glide and snaps it once close; true when its value changed.
bool glide(dsp::Smoothed& s, float target)
{
    if (s.settled(target)) {
        if (s.value() == target)
            return false;
        s.jump(target);
        return true;
    }
    s.next(target);
    return true;
}

// One butterfly stage of the Walsh-Hadamard transform (pairs `H` apart);
// the stride is a template argument so every stage unrolls completely.
template <int H> inline void butterflies(float* v)
{
    for (int i = 0; i < kLines; i += 2 * H)
        for (int j = i; j < i + H; ++j) {
            const float a = v[j], b = v[j + H];
            v[j] = a + b;
            v[j + H] = a - b;
        }
}

// In-place Walsh-Hadamard transform of 16 values, scaled to be orthonormal.
inline void hadamard(float* v)
{
    butterflies<8>(v);
    butterflies<4>(v);
    butterflies<2>(v);
    butterflies<1>(v);
    for (int i = 0; i < kLines; ++i)
        v[i] *= 0.25f;
}

class ReverbUnit : public Unit
{
public:
    ReverbUnit() : Unit(kReverbInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override;
    void reset() override;
    void process(float* data, unsigned frames, int channels) override;

private:
    std::size_t samples(double ms) const
    {
        return static_cast<std::size_t>(std::lround(ms * 0.001 * sampleRate()));
    }
    // The parameters as processing uses them, read once per block.
    struct Targets
    {
        float logDecay, hfRatio, logHfReference, diffusion, density, logShelfFrequency, shelfGain, logCut;
        std::size_t early, late;
        float lateLevel, dry, wetEarly, wetLate;
    };
    Targets targets() const;
    void updateChunk(const Targets& t);
    void setLengths(float density);
    void updateDecay();
    void updateFilters();
    void processFrames(float* data, unsigned frames, int channels, const Targets& t);

    // Delay network: kLines lines of m_lineSize samples in one block, sharing
    // one write position.
    std::vector<float> m_bank;
    std::size_t m_lineSize = 0, m_mask = 0, m_write = 0;
    std::size_t m_lengthFrom[kLines] = {}, m_length[kLines] = {};
    int m_lengthLeft = 0;
    float m_lengthStep = 0.0f;
    float m_density = -1.0f;
    // Per-line shelf: y = b0 x + b1 x1 - a1 y1.
    float m_b0[kLines] = {}, m_b1[kLines] = {}, m_a1[kLines] = {};
    float m_x1[kLines] = {}, m_y1[kLines] = {};

    dsp::DelayLine m_pre[2];
    dsp::DelayLine m_allpass[2][kAllpasses];
    std::size_t m_allpassLength[2][kAllpasses] = {};
    std::size_t m_reflection[2][kReflections] = {};
    float m_reflectionGain[2][kReflections] = {};
    dsp::DelayMove m_early, m_late;
    dsp::Biquad<2> m_shelf, m_cut;
    bool m_shelfOn = false;

    dsp::Smoothed m_logDecay, m_hfRatio, m_logHfReference, m_diffusion;
    dsp::Smoothed m_logShelfFrequency, m_shelfGain, m_logCut;
    dsp::Smoothed m_dry, m_wetEarly, m_wetLate, m_lateLevel;
    int m_fadeFrames = 1;
    bool m_primed = false;
};

void ReverbUnit::setup(int rate, unsigned maxFrames, int maxChannels)
{
    Unit::setup(rate, maxFrames, maxChannels);
    const double scale = rate / kReferenceRate;
    // Room for the longest line plus the gap to the next prime.
    const auto longest = static_cast<std::size_t>(kLineLengths[kLines - 1] * kMaxDensityScale * scale) + 64;
    m_lineSize = 1;
    while (m_lineSize < longest)
        m_lineSize <<= 1;
    m_mask = m_lineSize - 1;
    m_bank.assign(m_lineSize * kLines, 0.0f);

    const double preMs = static_cast<double>(kReverbParameters[kEarlyDelay].max) +
                         std::max<double>(kReverbParameters[kLateDelay].max, kMaxReflectionMs);
    for (int s = 0; s < 2; ++s) {
        m_pre[s].resize(samples(preMs) + 2);
        for (int k = 0; k < kAllpasses; ++k) {
            m_allpassLength[s][k] = samples(kAllpassMs[s][k]);
            m_allpass[s][k].resize(m_allpassLength[s][k]);
        }
        for (int k = 0; k < kReflections; ++k)
            m_reflection[s][k] = samples(kReflectionTaps[s][k].ms);
    }
    m_fadeFrames = std::max(1, static_cast<int>(samples(kFadeMs)));

    const int chunkRate = std::max(1, rate / kChunk);
    for (dsp::Smoothed* s : {&m_logDecay, &m_hfRatio, &m_logHfReference, &m_diffusion, &m_logShelfFrequency,
                             &m_shelfGain, &m_logCut})
        s->setTime(kGlideMs, chunkRate);
    for (dsp::Smoothed* s : {&m_dry, &m_wetEarly, &m_wetLate, &m_lateLevel})
        s->setTime(kGainGlideMs, rate);
    reset();
}

void ReverbUnit::reset()
{
    std::fill(m_bank.begin(), m_bank.end(), 0.0f);
    std::fill(std::begin(m_x1), std::end(m_x1), 0.0f);
    std::fill(std::begin(m_y1), std::end(m_y1), 0.0f);
    for (int s = 0; s < 2; ++s) {
        m_pre[s].reset();
        for (auto& a : m_allpass[s])
            a.reset();
    }
    m_shelf.reset();
    m_cut.reset();
    for (dsp::Smoothed* s : {&m_logDecay, &m_hfRatio, &m_logHfReference, &m_diffusion, &m_logShelfFrequency,
                             &m_shelfGain, &m_logCut, &m_dry, &m_wetEarly, &m_wetLate, &m_lateLevel})
        s->reset();
    m_lengthLeft = 0;
    m_density = -1.0f;
    m_primed = false;
}

// New line lengths for `density`: at once on the first block, by a crossfade
// afterwards.
void ReverbUnit::setLengths(float density)
{
    const double scale = (0.5 + 0.01 * density) * sampleRate() / kReferenceRate;
    int previous = 1;
    std::size_t lengths[kLines];
    for (int i = 0; i < kLines; ++i) {
        int n = std::max(previous + 1, static_cast<int>(std::lround(kLineLengths[i] * scale)));
        while (!isPrime(n))
            ++n;
        lengths[i] = static_cast<std::size_t>(n);
        previous = n;
    }
    for (int i = 0; i < kLines; ++i) {
        m_lengthFrom[i] = m_primed ? m_length[i] : lengths[i];
        m_length[i] = lengths[i];
    }
    m_lengthLeft = m_primed ? m_fadeFrames : 0;
    m_lengthStep = 1.0f / static_cast<float>(m_fadeFrames);
    m_density = density;
}

// Per-line shelves from the decay time, HF reference and HF ratio. The shelf
// has DC gain g_lo (the decay time) and is centred in dB on the HF reference,
// where its gain g_hf gives the HF decay time; its top gain is g_hf^2 / g_lo.
// Bilinear transform, prewarped so the centre lands on the reference. Also
// shapes the early reflections with the decay time.
void ReverbUnit::updateDecay()
{
    const double rate = sampleRate();
    const double rt60 = std::exp(static_cast<double>(m_logDecay.value())) * 0.001;
    const double ratio = std::clamp(static_cast<double>(m_hfRatio.value()), 0.1, 1.0);
    const double reference = std::min(std::exp(static_cast<double>(m_logHfReference.value())), 0.45 * rate);
    const double wRef = std::tan(dsp::kPi * reference / rate);
    for (int i = 0; i < kLines; ++i) {
        // log10 of the gain per pass through the line.
        const double low = -3.0 * static_cast<double>(m_length[i]) / (rt60 * rate);
        const double high = low / ratio;
        // Keeps the top gain within 80 dB of the DC gain, so the pole stays
        // clear of z = 1 at extreme settings.
        const double top = std::max(2.0 * high - low, low - 4.0);
        const double gLow = std::pow(10.0, low);
        const double half = std::pow(10.0, 0.5 * (top - low));
        const double wp = wRef * half, wz = wRef / half;
        const double norm = 1.0 + 1.0 / wp;
        m_b0[i] = static_cast<float>(gLow * (1.0 + 1.0 / wz) / norm);
        m_b1[i] = static_cast<float>(gLow * (1.0 - 1.0 / wz) / norm);
        m_a1[i] = static_cast<float>((1.0 - 1.0 / wp) / norm);
    }
    for (int s = 0; s < 2; ++s) {
        double energy = 0.0;
        for (const Reflection& r : kReflectionTaps[s])
            energy += r.level * r.level;
        const double norm = std::sqrt(kEarlyEnergy / energy);
        for (int k = 0; k < kReflections; ++k) {
            const Reflection& r = kReflectionTaps[s][k];
            m_reflectionGain[s][k] =
                static_cast<float>(norm * r.level * std::pow(10.0, -3.0 * r.ms * 0.001 / rt60));
        }
    }
}

void ReverbUnit::updateFilters()
{
    const double rate = sampleRate();
    // At 0 dB the shelf is left out; its state is zero then, so it restarts
    // cleanly when the gain moves again.
    m_shelfOn = m_shelfGain.value() != 0.0f;
    if (!m_shelfOn)
        m_shelf.reset();
    m_shelf.set(dsp::BiquadCoefficients::lowShelf(std::exp(static_cast<double>(m_logShelfFrequency.value())),
                                                  m_shelfGain.value(), rate));
    m_cut.set(
        dsp::BiquadCoefficients::lowPass(std::exp(static_cast<double>(m_logCut.value())), M_SQRT1_2, rate));
}

ReverbUnit::Targets ReverbUnit::targets() const
{
    Targets t;
    t.logDecay = std::log(target(kDecay));
    t.hfRatio = target(kHfRatio) * 0.01f;
    t.logHfReference = std::log(target(kHfReference));
    t.diffusion = 0.15f + 0.006f * target(kDiffusion);
    t.density = target(kDensity);
    t.logShelfFrequency = std::log(target(kShelfFrequency));
    t.shelfGain = target(kShelfGain);
    t.logCut = std::log(target(kHighCut));
    t.early = samples(target(kEarlyDelay)) + 1;
    t.late = t.early + samples(target(kLateDelay));
    // The late reverb enters at the level the decay has reached by the time
    // its first dense arrivals come out of the network.
    t.lateLevel =
        static_cast<float>(std::pow(10.0, -3.0 * (target(kLateDelay) + kLateOnsetMs) / target(kDecay)));
    const float wet = dsp::dbToGain(target(kWetLevel)), mix = target(kEarlyLateMix) * 0.01f;
    t.dry = dsp::dbToGain(target(kDryLevel));
    t.wetEarly = wet * std::min(1.0f, 2.0f - 2.0f * mix);
    t.wetLate = wet * std::min(1.0f, 2.0f * mix) * kOutGain;
    return t;
}

void ReverbUnit::updateChunk(const Targets& t)
{
    bool decay = glide(m_logDecay, t.logDecay);
    decay |= glide(m_hfRatio, t.hfRatio);
    decay |= glide(m_logHfReference, t.logHfReference);
    glide(m_diffusion, t.diffusion);
    bool filters = glide(m_logShelfFrequency, t.logShelfFrequency);
    filters |= glide(m_shelfGain, t.shelfGain);
    filters |= glide(m_logCut, t.logCut);

    if (t.density != m_density && m_lengthLeft == 0) {
        setLengths(t.density);
        decay = true;
    }
    if (decay)
        updateDecay();
    if (filters)
        updateFilters();

    if (m_primed) {
        m_early.moveTo(t.early, m_fadeFrames);
        m_late.moveTo(t.late, m_fadeFrames);
    } else {
        m_early.jump(t.early);
        m_late.jump(t.late);
    }
    m_primed = true;
}

void ReverbUnit::process(float* data, unsigned frames, int channels)
{
    if (m_bank.empty())
        return;
    const Targets t = targets();
    for (unsigned at = 0; at < frames; at += kChunk) {
        updateChunk(t);
        processFrames(data + static_cast<std::size_t>(at) * static_cast<std::size_t>(channels),
                      std::min<unsigned>(kChunk, frames - at), channels, t);
    }
}

void ReverbUnit::processFrames(float* data, unsigned frames, int channels, const Targets& t)
{
    const float g = m_diffusion.value();
    const std::size_t stride = static_cast<std::size_t>(channels);
    const float perEven = 1.0f / static_cast<float>((channels + 1) / 2);
    const float perOdd = 1.0f / static_cast<float>(std::max(1, channels / 2));
    // A settled gain is put exactly on its target: one creeping towards 0
    // would end up in denormals.
    for (auto [glide, to] : {std::pair{&m_dry, t.dry},
                             {&m_wetEarly, t.wetEarly},
                             {&m_wetLate, t.wetLate},
                             {&m_lateLevel, t.lateLevel}})
        if (glide->settled(to))
            glide->jump(to);

    for (unsigned i = 0; i < frames; ++i) {
        float* frame = data + i * stride;
        // The two sides' inputs: even and odd channels, mono feeds both.
        float in[2] = {0.0f, 0.0f};
        for (int c = 0; c < channels; ++c)
            in[c & 1] += frame[c];
        in[0] *= perEven;
        in[1] = channels > 1 ? in[1] * perOdd : in[0];

        float early[2], diffused[2];
        const float earlyOld = m_early.nextOldWeight();
        const float lateOld = m_late.nextOldWeight();
        const float lateLevel = m_lateLevel.next(t.lateLevel);
        for (int s = 0; s < 2; ++s) {
            dsp::DelayLine& pre = m_pre[s];
            pre.push(m_cut.process(m_shelfOn ? m_shelf.process(in[s], s) : in[s], s));

            float e = 0.0f;
            for (int k = 0; k < kReflections; ++k)
                e += m_reflectionGain[s][k] * pre.at(m_early.to() + m_reflection[s][k]);
            if (earlyOld > 0.0f) {
                float o = 0.0f;
                for (int k = 0; k < kReflections; ++k)
                    o += m_reflectionGain[s][k] * pre.at(m_early.from() + m_reflection[s][k]);
                e += earlyOld * (o - e);
            }
            early[s] = e;

            float x = pre.at(m_late.to());
            if (lateOld > 0.0f)
                x += lateOld * (pre.at(m_late.from()) - x);
            x *= lateLevel;
            for (int k = 0; k < kAllpasses; ++k) {
                dsp::DelayLine& a = m_allpass[s][k];
                const float d = a.at(m_allpassLength[s][k]);
                const float w = x + g * d;
                a.push(dsp::undenormal(w));
                x = d - g * w;
            }
            diffused[s] = x;
        }

        // Delay network: read, damp, tap the outputs, mix, feed back.
        float y[kLines];
        const std::size_t w = m_write;
        if (m_lengthLeft == 0) {
            for (int l = 0; l < kLines; ++l)
                y[l] = m_bank[static_cast<std::size_t>(l) * m_lineSize + ((w - m_length[l]) & m_mask)];
        } else {
            const float old = static_cast<float>(m_lengthLeft--) * m_lengthStep;
            for (int l = 0; l < kLines; ++l) {
                const float* line = &m_bank[static_cast<std::size_t>(l) * m_lineSize];
                const float a = line[(w - m_lengthFrom[l]) & m_mask], b = line[(w - m_length[l]) & m_mask];
                y[l] = b + old * (a - b);
            }
        }
        for (int l = 0; l < kLines; ++l) {
            const float v = dsp::undenormal(m_b0[l] * y[l] + m_b1[l] * m_x1[l] - m_a1[l] * m_y1[l]);
            m_x1[l] = y[l];
            m_y1[l] = v;
            y[l] = v;
        }
        hadamard(y);
        // Two outputs of the feedback matrix are sums of all lines with
        // orthogonal sign patterns: they make the two sides for free.
        const float late[2] = {y[kOutLeft], y[kOutRight]};
        const float inLeft = kInGain * diffused[0], inRight = kInGain * diffused[1];
        for (int l = 0; l < kLines; ++l)
            m_bank[static_cast<std::size_t>(l) * m_lineSize + w] =
                y[l] + kInLeft[l] * inLeft + kInRight[l] * inRight;
        m_write = (w + 1) & m_mask;

        const float dry = m_dry.next(t.dry), ge = m_wetEarly.next(t.wetEarly), gl = m_wetLate.next(t.wetLate);
        const float out[2] = {ge * early[0] + gl * late[0], ge * early[1] + gl * late[1]};
        for (int c = 0; c < channels; ++c)
            frame[c] = dry * frame[c] + out[c & 1];
    }
}

} // namespace

const UnitEntry kReverbEntry = {&kReverbInfo, &makeUnit<ReverbUnit>};

} // namespace zaudio
