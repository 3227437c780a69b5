#include "dsp.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace zaudio {

namespace {

constexpr UnitParameter kLowPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 5000.0f},
    {"resonance", "Q", 1.0f, 10.0f, 1.0f},
};
const UnitInfo kLowPassInfo = {3, "low-pass", kLowPassParameters, 2};

constexpr UnitParameter kTrackerLowPassParameters[] = {
    {"cut-off", "Hz", 1.0f, 22000.0f, 5000.0f},
    {"resonance", "dB", 0.0f, 127.0f, 1.0f},
};
const UnitInfo kTrackerLowPassInfo = {4, "tracker low-pass", kTrackerLowPassParameters, 2};

constexpr UnitParameter kHighPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 5000.0f},
    {"resonance", "Q", 1.0f, 10.0f, 1.0f},
};
const UnitInfo kHighPassInfo = {5, "high-pass", kHighPassParameters, 2};

constexpr UnitParameter kParamEqParameters[] = {
    {"centre", "Hz", 20.0f, 22000.0f, 8000.0f},
    {"bandwidth", "octaves", 0.2f, 5.0f, 1.0f},
    {"gain", "dB", -30.0f, 30.0f, 0.0f},
};
const UnitInfo kParamEqInfo = {12, "parametric EQ", kParamEqParameters, 3};

constexpr UnitParameter kOnePoleLowPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 5000.0f},
};
const UnitInfo kOnePoleLowPassInfo = {20, "one-pole low-pass", kOnePoleLowPassParameters, 1};

constexpr UnitParameter kOnePoleHighPassParameters[] = {
    {"cut-off", "Hz", 10.0f, 22000.0f, 1000.0f},
};
const UnitInfo kOnePoleHighPassInfo = {26, "one-pole high-pass", kOnePoleHighPassParameters, 1};

constexpr UnitParameter kThreeBandEqParameters[] = {
    {"low gain", "dB", -80.0f, 10.0f, 0.0f},
    {"mid gain", "dB", -80.0f, 10.0f, 0.0f},
    {"high gain", "dB", -80.0f, 10.0f, 0.0f},
    {"low crossover", "Hz", 10.0f, 22000.0f, 400.0f},
    {"high crossover", "Hz", 10.0f, 22000.0f, 4000.0f},
    {"slope", "", 0.0f, 2.0f, 1.0f},
};
const UnitInfo kThreeBandEqInfo = {28, "three-band EQ", kThreeBandEqParameters, 6};

constexpr int kChannels = Unit::kMaxChannels;

// Two channels side by side (a GCC/Clang vector): the filters run on channel
// pairs, so each step of a recursion serves two channels.
typedef double Pair __attribute__((vector_size(16)));

// Zeroes history values too small to matter, so recursions never run on
// denormals. Doubles get there only after long decays: an occasional call is
// enough.
inline void clearTiny(Pair& v)
{
    for (int k = 0; k < 2; ++k)
        v[k] = std::fabs(v[k]) < 1e-30 ? 0.0 : v[k];
}
template <std::size_t N> void clearTiny(Pair (&v)[N])
{
    for (Pair& p : v)
        clearTiny(p);
}
template <std::size_t M, std::size_t N> void clearTiny(Pair (&v)[M][N])
{
    for (auto& row : v)
        clearTiny(row);
}

// Parameters glide at a control rate: every kControl frames the smoothed values
// take one step and the coefficients are redesigned if anything moved.
constexpr unsigned kControl = 16;
constexpr float kGlideMs = 5.0f;
constexpr double kSqrtHalf = 0.70710678118654752;

// Cut-offs are designed just below half the sample rate so that settings near
// or above it stay stable.
double clampHz(double hz, int rate)
{
    return std::clamp(hz, 1.0, 0.49 * rate);
}

// A parameter gliding towards its target, one step per control period. next()
// says whether the value moved, so settled units skip the redesign.
class Glide
{
public:
    void setTime(int sampleRate) { m_value.setTime(kGlideMs, std::max(1, sampleRate / int(kControl))); }
    void reset() { m_value.reset(); }
    bool next(float target)
    {
        if (m_value.settled(target)) {
            if (m_value.value() == target)
                return false;
            m_value.jump(target);
            return true;
        }
        m_value.next(target);
        return true;
    }
    float value() const { return m_value.value(); }

private:
    dsp::Smoothed m_value;
};

// A frequency gliding in octaves, so sweeps move evenly through the spectrum.
class FrequencyGlide
{
public:
    void setTime(int sampleRate) { m_octaves.setTime(sampleRate); }
    void reset() { m_octaves.reset(); }
    bool next(float hz)
    {
        if (hz != m_hz) {
            m_hz = hz;
            m_log = std::log2(hz);
        }
        return m_octaves.next(m_log);
    }
    double hz() const { return std::exp2(static_cast<double>(m_octaves.value())); }

private:
    Glide m_octaves;
    float m_hz = -1.0f, m_log = 0.0f;
};

// Shared frame of the filter units: process() cuts the frames into control
// periods (kept across calls, whatever the block size), calls update() at the
// start of each and render() on the frames in between.
class FilterUnit : public Unit
{
public:
    using Unit::Unit;
    void setup(int sampleRate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(sampleRate, maxFrames, maxChannels);
        prepare(sampleRate);
        reset();
    }
    void reset() override
    {
        m_countdown = 0;
        clear();
    }
    void process(float* data, unsigned frames, int channels) override
    {
        while (frames > 0) {
            if (m_countdown == 0) {
                update();
                m_countdown = kControl;
            }
            const unsigned n = std::min(frames, m_countdown);
            render(data, n, channels);
            data += static_cast<std::size_t>(n) * static_cast<std::size_t>(channels);
            frames -= n;
            m_countdown -= n;
        }
    }

protected:
    virtual void prepare(int sampleRate) = 0;
    // Forgets the signal and snaps the glides to their targets.
    virtual void clear() = 0;
    virtual void update() = 0;
    virtual void render(float* data, unsigned frames, int channels) = 0;

private:
    unsigned m_countdown = 0;
};

// One biquad on up to eight channels in direct form I. Its output depends only
// on past inputs and outputs, so coefficients that change every control period
// during a glide leave only small transients (a transposed form's state is
// built with the old coefficients and steps when they change).
class DirectBiquad
{
public:
    void set(const dsp::BiquadCoefficients& c) { m_c = c; }
    void reset() { std::fill(std::begin(m_state), std::end(m_state), History{}); }
    void flush()
    {
        for (History& h : m_state) {
            clearTiny(h.y1);
            clearTiny(h.y2);
        }
    }
    void run(float* data, unsigned frames, int channels)
    {
        const dsp::BiquadCoefficients c = m_c;
        for (int ch = 0; ch < channels; ch += 2) {
            History h = m_state[ch / 2];
            const bool two = ch + 1 < channels;
            float* p = data + ch;
            for (unsigned f = 0; f < frames; ++f, p += channels) {
                const Pair x = {p[0], two ? p[1] : 0.0f};
                // The latest output last, to keep the recursion short.
                const Pair y = c.b0 * x + c.b1 * h.x1 + c.b2 * h.x2 - c.a2 * h.y2 - c.a1 * h.y1;
                h.x2 = h.x1;
                h.x1 = x;
                h.y2 = h.y1;
                h.y1 = y;
                p[0] = static_cast<float>(y[0]);
                if (two)
                    p[1] = static_cast<float>(y[1]);
            }
            m_state[ch / 2] = h;
        }
    }

private:
    struct History
    {
        Pair x1, x2, y1, y2;
    };
    dsp::BiquadCoefficients m_c;
    History m_state[kChannels / 2] = {};
};

// A unit running one biquad on every channel; subclasses design it.
class BiquadUnit : public FilterUnit
{
public:
    using FilterUnit::FilterUnit;

protected:
    void render(float* data, unsigned frames, int channels) override { m_biquad.run(data, frames, channels); }
    // Subclasses' update() calls this first.
    void flushRarely()
    {
        if (++m_periods % 64 == 0)
            m_biquad.flush();
    }
    DirectBiquad m_biquad;

private:
    unsigned m_periods = 0;
};

// Filters set by a cut-off and a resonance: both glide, and the biquad is
// designed again whenever either moved.
class CutoffResonanceUnit : public BiquadUnit
{
public:
    using BiquadUnit::BiquadUnit;

protected:
    // `hz` is already clamped below half the sample rate.
    virtual void design(double hz, double resonance) = 0;

    void prepare(int rate) override
    {
        m_hz.setTime(rate);
        m_resonance.setTime(rate);
    }
    void clear() override
    {
        m_biquad.reset();
        m_hz.reset();
        m_resonance.reset();
    }
    void update() override
    {
        flushRarely();
        const bool moved = m_hz.next(target(0));
        if (m_resonance.next(target(1)) || moved)
            design(clampHz(m_hz.hz(), sampleRate()), m_resonance.value());
    }

private:
    FrequencyGlide m_hz;
    Glide m_resonance;
};

// Types 3 and 5: resonant low- and high-pass (RBJ, 12 dB/octave). Resonance 1
// is Butterworth; the biquad's Q is 0.7071 x resonance, which is also the gain
// at the cut-off: 20 log10(0.7071 resonance) dB, so -3 dB at resonance 1.
template <bool HighPass> class ResonantUnit : public CutoffResonanceUnit
{
public:
    ResonantUnit() : CutoffResonanceUnit(HighPass ? kHighPassInfo : kLowPassInfo) {}

protected:
    void design(double hz, double resonance) override
    {
        const double q = kSqrtHalf * resonance;
        m_biquad.set(HighPass ? dsp::BiquadCoefficients::highPass(hz, q, sampleRate())
                              : dsp::BiquadCoefficients::lowPass(hz, q, sampleRate()));
    }
};

// Type 4: a two-pole resonant low-pass in the manner of tracker players: an
// all-pole recursion, so the top of the spectrum is damped gently rather than
// nulled at half the sample rate. Resonance 0-127 spans 24 dB like the
// trackers' scale: the gain at the cut-off is -3 dB + resonance x 24/128 dB.
//
// The poles are those of a bilinear low-pass whose Q is chosen to give exactly
// that gain at the cut-off. Above about 0.15 x the sample rate an all-pole
// response cannot keep falling to the top, so a double zero moves in from the
// origin towards -1, holding the gain at half the sample rate to -12 dB.
class TrackerLowPassUnit : public CutoffResonanceUnit
{
public:
    TrackerLowPassUnit() : CutoffResonanceUnit(kTrackerLowPassInfo) {}

protected:
    void design(double hz, double resonance) override
    {
        const double w = 2.0 * dsp::kPi * hz / sampleRate();
        const double cw = std::cos(w), t = std::tan(w / 2);
        const double zero = t > kZeroFrom ? (t - kZeroFrom) / (t + kZeroFrom) : 0.0;
        const double atCutoff = kSqrtHalf * std::pow(10.0, resonance * (24.0 / 128.0) / 20.0);
        // The zeros scale the gain at the cut-off by (1 + 2z cw + z^2) /
        // ((1 + z)^2 cos^2(w/2)) relative to the bilinear low-pass, whose gain
        // there is its Q.
        const double q =
            atCutoff * (1 + zero) * (1 + zero) * (1 + cw) / 2 / (1 + 2 * zero * cw + zero * zero);
        const double alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        dsp::BiquadCoefficients c;
        c.a1 = -2 * cw / a0;
        c.a2 = (1 - alpha) / a0;
        c.b0 = (1 + c.a1 + c.a2) / ((1 + zero) * (1 + zero)); // unity gain at 0 Hz
        c.b1 = 2 * zero * c.b0;
        c.b2 = zero * zero * c.b0;
        m_biquad.set(c);
    }

private:
    static constexpr double kZeroFrom = 0.5; // tan(w/2) where the zeros start to move
};

// Type 12: a peaking band (RBJ form). The bandwidth is exact in the digital
// domain: the frequencies where the gain is half the set gain (in dB) are
// 2^bandwidth apart, and their tan(w/2) geometric mean is the centre, where the
// gain is exactly the set gain.
class ParamEqUnit : public BiquadUnit
{
public:
    ParamEqUnit() : BiquadUnit(kParamEqInfo) {}

protected:
    void prepare(int rate) override
    {
        m_hz.setTime(rate);
        m_octaves.setTime(rate);
        m_gain.setTime(rate);
    }
    void clear() override
    {
        m_biquad.reset();
        m_hz.reset();
        m_octaves.reset();
        m_gain.reset();
    }
    void update() override
    {
        flushRarely();
        const bool moved = m_hz.next(target(0));
        const bool shape = m_octaves.next(target(1)) || moved;
        if (!(m_gain.next(target(2)) || shape))
            return;
        if (shape) {
            const double w = 2.0 * dsp::kPi * clampHz(m_hz.hz(), sampleRate()) / sampleRate();
            m_cos = std::cos(w);
            m_alpha = bandAlpha(w, std::exp2(static_cast<double>(m_octaves.value())));
        }
        const double a = std::pow(10.0, m_gain.value() / 40.0), a0 = 1 + m_alpha / a;
        dsp::BiquadCoefficients c;
        c.b0 = (1 + m_alpha * a) / a0;
        c.b1 = c.a1 = -2 * m_cos / a0;
        c.b2 = (1 - m_alpha * a) / a0;
        c.a2 = (1 - m_alpha / a) / a0;
        m_biquad.set(c);
    }

private:
    // RBJ's alpha for a band centred on w whose edges are `ratio` apart. With
    // t = tan(w/2) the edges' half-angles e and ratio x e satisfy
    // tan(e) tan(ratio e) = t^2, found by safeguarded Newton; the analog
    // bandwidth is then (tan(ratio e) - tan(e)) / t.
    static double bandAlpha(double w, double ratio)
    {
        const double half = w / 2, t = std::tan(half), goal = 2 * std::log(t);
        double lo = 0.0, hi = std::min(half, dsp::kPi / (2 * ratio));
        double e = half / std::sqrt(ratio);
        if (e >= hi)
            e = 0.5 * hi;
        for (int i = 0; i < 50; ++i) {
            const double h = std::log(std::tan(e) * std::tan(ratio * e)) - goal;
            (h > 0 ? hi : lo) = e;
            if (std::fabs(h) < 1e-12)
                break;
            const double slope = 2 / std::sin(2 * e) + 2 * ratio / std::sin(2 * ratio * e);
            const double next = e - h / slope;
            e = next > lo && next < hi ? next : 0.5 * (lo + hi);
        }
        return std::sin(w) * (std::tan(ratio * e) - std::tan(e)) / (2 * t);
    }

    FrequencyGlide m_hz;
    Glide m_octaves, m_gain;
    double m_cos = 1.0, m_alpha = 0.0;
};

// Types 20 and 26: first-order low- and high-pass whose gain at the cut-off is
// exactly -3 dB up to half the sample rate. The low-pass is the all-pole
// y += (1 - p)(x - y); the high-pass is the bilinear g (1 - 1/z) / (1 - p/z).
// The pole glides per sample between control periods.
template <bool HighPass> class OnePoleUnit : public FilterUnit
{
public:
    OnePoleUnit() : FilterUnit(HighPass ? kOnePoleHighPassInfo : kOnePoleLowPassInfo) {}

protected:
    void prepare(int rate) override { m_hz.setTime(rate); }
    void clear() override
    {
        m_hz.reset();
        m_primed = false;
        std::fill(std::begin(m_x), std::end(m_x), Pair{});
        std::fill(std::begin(m_y), std::end(m_y), Pair{});
    }
    void update() override
    {
        clearTiny(m_y);
        if (!m_hz.next(target(0))) {
            m_step = 0.0;
            return;
        }
        const double w = 2.0 * dsp::kPi * clampHz(m_hz.hz(), sampleRate()) / sampleRate();
        double pole;
        if (HighPass) {
            const double t = std::tan(w / 2);
            pole = (1 - t) / (1 + t);
        } else {
            // |1 - p| / |1 - p e^-jw| = 1 / sqrt 2, with b = 1 - cos w.
            const double b = 1 - std::cos(w);
            pole = 1 + b - std::sqrt(b * (2 + b));
        }
        m_step = m_primed ? (pole - m_pole) / kControl : 0.0;
        if (!m_primed)
            m_pole = pole;
        m_primed = true;
    }
    void render(float* data, unsigned frames, int channels) override
    {
        for (int ch = 0; ch < channels; ch += 2) {
            Pair x1 = m_x[ch / 2], y1 = m_y[ch / 2];
            const bool two = ch + 1 < channels;
            float* q = data + ch;
            double p = m_pole;
            for (unsigned f = 0; f < frames; ++f, q += channels) {
                p += m_step;
                const Pair x = {q[0], two ? q[1] : 0.0f};
                const Pair y = HighPass ? 0.5 * (1 + p) * (x - x1) + p * y1 : (1 - p) * x + p * y1;
                x1 = x;
                y1 = y;
                q[0] = static_cast<float>(y[0]);
                if (two)
                    q[1] = static_cast<float>(y[1]);
            }
            m_x[ch / 2] = x1;
            m_y[ch / 2] = y1;
        }
        m_pole += frames * m_step;
    }

private:
    FrequencyGlide m_hz;
    bool m_primed = false;
    double m_pole = 0.0, m_step = 0.0;
    Pair m_x[kChannels / 2] = {}, m_y[kChannels / 2] = {};
};

// Linkwitz-Riley crossovers for the three-band EQ, in direct form I (each
// section keeps its input's and its output's last two samples; in a chain one
// section's output history is the next one's input history).
//
// One crossover is a low-pass and the all-pass its two bands sum to; the high
// band is all-pass minus low-pass, which also gives LR2's high band its
// inverted polarity. Slope 0, 1, 2 = LR2, LR4, LR8: the low-pass is the
// Butterworth low-pass of half the order squared, the all-pass shares its
// denominators.
struct Crossover
{
    // Butterworth sections: low-pass gain and denominator; LR2's all-pass is
    // first order: (k + 1/z) / (1 + k/z).
    double gain[2] = {}, a1[2] = {}, a2[2] = {}, k = 0.0;

    void design(double hz, int rate, int slope)
    {
        const double w = 2.0 * dsp::kPi * clampHz(hz, rate) / rate;
        const double cw = std::cos(w), sw = std::sin(w);
        static const double kQ[3][2] = {
            {0.5, 0.0}, {kSqrtHalf, 0.0}, {0.54119610014619698, 1.3065629648763766}};
        for (int j = 0; j < (slope == 2 ? 2 : 1); ++j) {
            const double alpha = sw / (2 * kQ[slope][j]), a0 = 1 + alpha;
            gain[j] = (1 - cw) / 2 / a0;
            a1[j] = -2 * cw / a0;
            a2[j] = (1 - alpha) / a0;
        }
        const double t = std::tan(w / 2);
        k = (t - 1) / (t + 1);
    }
};

inline void push(Pair (&history)[2], Pair v)
{
    history[1] = history[0];
    history[0] = v;
}

// N low-pass sections; `in` is the input's history (the caller moves it on).
template <int N, int J> Pair lowPasses(Pair x, const Pair (&in)[2], Pair (&out)[4][2], const Crossover& c)
{
    Pair y[N + 1];
    y[0] = x;
#pragma GCC unroll 4
    for (int s = 0; s < N; ++s) {
        const Pair* h = s == 0 ? in : out[s - 1];
        const int j = s % J;
        // The history terms first: the input then only passes a multiply and an add.
        const Pair past = c.gain[j] * (2 * h[0] + h[1]) - c.a1[j] * out[s][0] - c.a2[j] * out[s][1];
        y[s + 1] = c.gain[j] * y[s] + past;
    }
#pragma GCC unroll 4
    for (int s = 0; s < N; ++s)
        push(out[s], y[s + 1]);
    return y[N];
}

template <int Slope> Pair allPasses(Pair x, const Pair (&in)[2], Pair (&out)[2][2], const Crossover& c)
{
    if constexpr (Slope == 0) {
        const Pair y = c.k * x + (in[0] - c.k * out[0][0]);
        push(out[0], y);
        return y;
    } else {
        Pair y[Slope + 1];
        y[0] = x;
#pragma GCC unroll 4
        for (int s = 0; s < Slope; ++s) {
            const Pair* h = s == 0 ? in : out[s - 1];
            const Pair past = c.a1[s] * (h[0] - out[s][0]) + h[1] - c.a2[s] * out[s][1];
            y[s + 1] = c.a2[s] * y[s] + past;
        }
#pragma GCC unroll 4
        for (int s = 0; s < Slope; ++s)
            push(out[s], y[s + 1]);
        return y[Slope];
    }
}

// Three bands from two crossovers (lower L, A and upper L', A'):
// low = A'(L x), the low band delayed like the others; rest = A x - L x;
// mid = L' rest; high = A' rest - mid. At equal gains they sum to A' A x, flat
// in magnitude. Regrouped: out = A'(g_low low + g_high rest) + (g_mid - g_high) mid.
class Bands
{
public:
    int slope() const { return m_slope; }
    void configure(int slope)
    {
        m_slope = slope;
        reset();
    }
    void design(double lowHz, double highHz, int rate)
    {
        m_lower.design(lowHz, rate, m_slope);
        m_upper.design(highHz, rate, m_slope);
    }
    void reset() { std::fill(std::begin(m_state), std::end(m_state), State{}); }
    void flush()
    {
        for (State& s : m_state) {
            clearTiny(s.low);
            clearTiny(s.all);
            clearTiny(s.rest);
            clearTiny(s.mid);
            clearTiny(s.u);
            clearTiny(s.out);
        }
    }
    // gains[f] = {low, high, mid - high} for frame f.
    void run(float* data, unsigned frames, int channels, const double (*gains)[3])
    {
        if (m_slope == 0)
            run<0>(data, frames, channels, gains);
        else if (m_slope == 1)
            run<1>(data, frames, channels, gains);
        else
            run<2>(data, frames, channels, gains);
    }

private:
    // Histories of a channel pair: the input, the lower crossover's sections,
    // the upper low-pass's input and sections, the upper all-pass's input and
    // sections.
    struct State
    {
        Pair x[2], low[4][2], all[2][2], rest[2], mid[4][2], u[2], out[2][2];
    };

    template <int Slope> void run(float* data, unsigned frames, int channels, const double (*gains)[3])
    {
        constexpr int kLow = Slope == 0 ? 1 : 2 * Slope, kDistinct = Slope == 0 ? 1 : Slope;
        for (unsigned f = 0; f < frames; ++f, data += channels) {
            for (int c = 0; c < channels; c += 2) {
                State& h = m_state[c / 2];
                const bool two = c + 1 < channels;
                const Pair x = {data[c], two ? data[c + 1] : 0.0f};
                const Pair low = lowPasses<kLow, kDistinct>(x, h.x, h.low, m_lower);
                const Pair rest = allPasses<Slope>(x, h.x, h.all, m_lower) - low;
                push(h.x, x);
                const Pair mid = lowPasses<kLow, kDistinct>(rest, h.rest, h.mid, m_upper);
                push(h.rest, rest);
                const Pair u = gains[f][0] * low + gains[f][1] * rest;
                const Pair y = allPasses<Slope>(u, h.u, h.out, m_upper) + gains[f][2] * mid;
                push(h.u, u);
                data[c] = static_cast<float>(y[0]);
                if (two)
                    data[c + 1] = static_cast<float>(y[1]);
            }
        }
    }

    int m_slope = -1;
    Crossover m_lower, m_upper;
    State m_state[kChannels / 2] = {};
};

// Type 28: three-band EQ on Linkwitz-Riley crossovers (12, 24 or 48
// dB/octave). The crossovers are used in frequency order whichever way round
// they are set. Gains glide in dB and are interpolated per sample; a change of
// slope cross-fades from the old filters to freshly started new ones.
class ThreeBandEqUnit : public FilterUnit
{
public:
    ThreeBandEqUnit() : FilterUnit(kThreeBandEqInfo) {}

protected:
    void prepare(int rate) override
    {
        for (Glide& g : m_db)
            g.setTime(rate);
        m_lowHz.setTime(rate);
        m_highHz.setTime(rate);
        m_fadeLength = std::max(1, rate / 100); // 10 ms
    }
    void clear() override
    {
        for (Glide& g : m_db)
            g.reset();
        m_lowHz.reset();
        m_highHz.reset();
        m_bands[0].configure(-1);
        m_bands[1].configure(-1);
        m_fade = 0;
        m_primed = false;
    }
    void update() override
    {
        const int slope = std::clamp(static_cast<int>(std::lround(target(5))), 0, 2);
        bool redesign = false;
        if (m_bands[m_active].slope() < 0) {
            m_bands[m_active].configure(slope);
            redesign = true;
        } else if (m_fade == 0 && slope != m_bands[m_active].slope()) {
            m_active ^= 1;
            m_bands[m_active].configure(slope);
            m_fade = m_fadeLength;
            redesign = true;
        }
        const bool moved = m_lowHz.next(target(3));
        if (m_highHz.next(target(4)) || moved || redesign) {
            const double a = m_lowHz.hz(), b = m_highHz.hz();
            m_bands[m_active].design(std::min(a, b), std::max(a, b), sampleRate());
            if (m_fade > 0)
                m_bands[m_active ^ 1].design(std::min(a, b), std::max(a, b), sampleRate());
        }
        if (++m_periods % 64 == 0) {
            m_bands[0].flush();
            m_bands[1].flush();
        }
        // Gains: one dB step per control period, linear in between.
        for (int k = 0; k < 3; ++k) {
            m_step[k] = 0.0;
            if (m_db[k].next(target(k))) {
                const double g = dsp::dbToGain(m_db[k].value());
                if (m_primed)
                    m_step[k] = (g - m_gain[k]) / kControl;
                else
                    m_gain[k] = g;
            }
        }
        m_primed = true;
    }
    void render(float* data, unsigned frames, int channels) override
    {
        double gains[kControl][3];
        for (unsigned f = 0; f < frames; ++f) {
            for (int k = 0; k < 3; ++k)
                m_gain[k] += m_step[k];
            gains[f][0] = m_gain[0];
            gains[f][1] = m_gain[2];
            gains[f][2] = m_gain[1] - m_gain[2];
        }
        if (m_fade == 0) {
            m_bands[m_active].run(data, frames, channels, gains);
            return;
        }
        const std::size_t samples = static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels);
        float old[kControl * kChannels];
        std::copy(data, data + samples, old);
        m_bands[m_active ^ 1].run(old, frames, channels, gains);
        m_bands[m_active].run(data, frames, channels, gains);
        for (unsigned f = 0; f < frames; ++f) {
            const float mix =
                m_fade > 0 ? static_cast<float>(m_fade--) / static_cast<float>(m_fadeLength) : 0.0f;
            for (int c = 0; c < channels; ++c) {
                float& v = data[f * static_cast<unsigned>(channels) + static_cast<unsigned>(c)];
                v += mix * (old[f * static_cast<unsigned>(channels) + static_cast<unsigned>(c)] - v);
            }
        }
    }

private:
    Glide m_db[3];
    FrequencyGlide m_lowHz, m_highHz;
    double m_gain[3] = {}, m_step[3] = {};
    bool m_primed = false;
    Bands m_bands[2];
    int m_active = 0, m_fade = 0, m_fadeLength = 480;
    unsigned m_periods = 0;
};

} // namespace

const UnitEntry kLowPassEntry = {&kLowPassInfo, &makeUnit<ResonantUnit<false>>};
const UnitEntry kTrackerLowPassEntry = {&kTrackerLowPassInfo, &makeUnit<TrackerLowPassUnit>};
const UnitEntry kHighPassEntry = {&kHighPassInfo, &makeUnit<ResonantUnit<true>>};
const UnitEntry kParamEqEntry = {&kParamEqInfo, &makeUnit<ParamEqUnit>};
const UnitEntry kOnePoleLowPassEntry = {&kOnePoleLowPassInfo, &makeUnit<OnePoleUnit<false>>};
const UnitEntry kOnePoleHighPassEntry = {&kOnePoleHighPassInfo, &makeUnit<OnePoleUnit<true>>};
const UnitEntry kThreeBandEqEntry = {&kThreeBandEqInfo, &makeUnit<ThreeBandEqUnit>};

} // namespace zaudio
