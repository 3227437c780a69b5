// Pitch shifter: a phase vocoder that moves spectral peaks instead of
// stretching time, so tempo and latency stay fixed whatever the ratio.
//
// Each frame (Hann window, hop N/8, zero-phase so a sinusoid's lobe has one
// phase) is split into regions around its spectral peaks. A region moves as a
// whole so that its peak lands at ratio times the peak's true frequency
// (measured from the phase advance since the previous frame); an interpolator
// places it between bins, so the lobe keeps its shape. The region turns by a
// phase that accumulates the frequency offset hop after hop: the peak's phase
// then advances at the shifted frequency, and the bins around it keep their
// phases relative to the peak (identity phase locking). Only bins whose own
// phase advance agrees with the peak's are locked to it, though: where
// harmonics are too close for the frame to resolve, bins belong to no single
// peak, and those move on their own as in a plain phase vocoder, each to its
// own shifted frequency. That keeps the pitch right down to about two periods
// of the voice per frame (94 Hz at N = 1024 and 48 kHz), at some loss of level
// (up to 2 dB at two periods, none above 2.5). A peak with no phase history
// (it rose sharply since the last frame) takes its frequency from the lobe's
// shape and keeps the input's phase. At ratio 1 every region stays in place
// unturned, so the output is the input delayed by N - 1 frames, the latency at
// every ratio.
//
// A change of FFT size fades out for 3 ms, replays the frames the new size
// needs from the input history and fades back in.

#include "dsp.h"
#include "dsp/channels.h"
#include "dsp/fft.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zaudio {

namespace {

constexpr UnitParameter kPitchShiftParameters[] = {
    {"pitch ratio", "", 0.5f, 2.0f, 1.0f},
    {"FFT size", "", 256.0f, 4096.0f, 1024.0f},
    {"unused", "", -1e9f, 1e9f, 0.0f},
    {"maximum channels", "", 0.0f, 16.0f, 0.0f},
};
const UnitInfo kPitchShiftInfo = {13, "pitch shifter", kPitchShiftParameters, 4};

constexpr int kMinSize = 256;
constexpr int kMaxSize = 4096;
constexpr int kMaxBins = kMaxSize / 2 + 1;
// Input history and overlap-add buffer: room for the frames a size change
// replays (the newest sample back to 1.875 frames of the largest size). The
// input ring repeats its first kMaxSize samples after its end, so any frame
// reads it in one piece.
constexpr std::size_t kRingSize = 8192;
constexpr std::size_t kRingMask = kRingSize - 1;
// Guard bins either side of a spectrum, mirrored, so interpolation and peak
// tests need no edge cases.
constexpr int kGuard = 3;
constexpr float kPi = static_cast<float>(dsp::kPi);
constexpr float kTwoPi = 2.0f * kPi;
// Peaks weaker than this (power relative to the frame's strongest bin) join
// their neighbours' regions.
constexpr float kPeakFloor = 1e-7f;
// Below this (relative to the strongest bin) a peak must also top the bins two
// away: a partial's main lobe spans them, while the ripples of breath noise
// between harmonics would otherwise each make a region that carries away
// parts of the partials' lobes.
constexpr float kPeakDominance = 1e-3f;
// A peak whose power grew more than this in one hop has no phase history (a
// tone starting inside the frame grows less in an eighth of a frame than in a
// quarter, hence well below the 8 that suits a quarter-frame hop). A bin
// outside any peak's pull needs a steeper rise: between close harmonics bins
// beat, and restarting their phase at each swell would roughen the sound.
constexpr float kOnsetRise = 3.3f;
constexpr float kBinOnsetRise = 8.0f;
// Bins this much weaker than their region's peak move with it regardless.
constexpr float kLockFloor = 1e-4f;
// Frames with less power than this are silence.
constexpr float kSilence = 1e-20f;
// Ratio changes glide through two one-pole stages of this time constant, for
// frames up to 1024 samples at 48 kHz (21 ms). Overlapping frames only add up
// in phase while a shifted partial moves by a fraction of a bin per hop; bins
// narrow and hops lengthen with the frame, so longer frames glide slower, by
// the square of their duration.
constexpr float kRatioGlideSeconds = 0.03f;
constexpr float kGlideFrameSeconds = 1024.0f / 48000.0f;
constexpr float kFadeSeconds = 0.003f;
// Frames per frame length (hop N / 8). A bin's phase advance tells its
// frequency without ambiguity only within hop-rate-wide bands (4 bins either
// side at N / 8, 2 at N / 4); where close harmonics beat, bins stray further,
// and at hop N / 4 a low voice at N = 1024 comes out some 4 dB less clean.
constexpr int kOverlap = 8;

// The allowed FFT size nearest to `value` (ties go to the larger size).
int fftSizeFor(float value)
{
    int best = kMinSize;
    for (int n = kMinSize; n <= kMaxSize; n *= 2)
        if (std::fabs(value - static_cast<float>(n)) <= std::fabs(value - static_cast<float>(best)))
            best = n;
    return best;
}

// floor() without a library call, for values well inside the int range.
int floorToInt(float v)
{
    const int i = static_cast<int>(v);
    return i - (v < static_cast<float>(i) ? 1 : 0);
}

// Rounds to the nearest integer for |v| < 2^22, cheaper than a library call:
// adding 1.5 * 2^23 leaves a float no bits for the fraction (strict IEEE
// single precision arithmetic, which the library is built with).
float roundNearest(float v)
{
    constexpr float kShifter = 12582912.0f;
    return (v + kShifter) - kShifter;
}

float wrapPhase(float phase)
{
    return phase - kTwoPi * roundNearest(phase * (1.0f / kTwoPi));
}

// cos and sin of a phase in [-pi, pi] to about 1e-7: quadrant reduction and
// short polynomials on [-pi/4, pi/4]. Written without branches or tables, and
// always inlined, so that loops over bins vectorise.
[[gnu::always_inline]] inline void fastCosSin(float phase, float& c, float& s)
{
    const float quadrant = roundNearest(phase * (2.0f / kPi));
    const float r = phase - quadrant * (0.5f * kPi), r2 = r * r;
    const float sr = r * (1.0f + r2 * (-1.0f / 6.0f + r2 * (1.0f / 120.0f + r2 * (-1.0f / 5040.0f))));
    const float cr =
        1.0f + r2 * (-0.5f + r2 * (1.0f / 24.0f + r2 * (-1.0f / 720.0f + r2 * (1.0f / 40320.0f))));
    // Turned by quadrant * 90 degrees: odd quadrants swap cos and sin, and
    // the signs follow the quadrant's bits.
    const int q = static_cast<int>(quadrant);
    const float swap = static_cast<float>(q & 1);
    const float c0 = cr + swap * (sr - cr), s0 = sr + swap * (cr - sr);
    c = c0 * (1.0f - 2.0f * static_cast<float>(((q + 1) >> 1) & 1));
    s = s0 * (1.0f - 2.0f * static_cast<float>((q >> 1) & 1));
}

// atan2 within 2e-6 rad (0 at the origin): an odd polynomial on [0, 1] folded
// into the octants, without branches.
[[gnu::always_inline]] inline float fastAtan2(float y, float x)
{
    const float ax = std::fabs(x), ay = std::fabs(y);
    const float big = ax > ay ? ax : ay, small = ax > ay ? ay : ax;
    const float t = small / (big > 1e-30f ? big : 1e-30f), t2 = t * t;
    float a = t * (0.99997726f +
                   t2 * (-0.33262347f +
                         t2 * (0.19354346f + t2 * (-0.11643287f + t2 * (0.05265332f + t2 * -0.01172120f)))));
    a += static_cast<float>(ay > ax) * (0.5f * kPi - 2.0f * a);
    a += static_cast<float>(x < 0.0f) * (kPi - 2.0f * a);
    return std::copysign(a, y);
}

// Weights that read a spectrum between its bins, for moving a region by a
// fraction of a bin. A frame's spectrum is only known at whole bins, and a
// short interpolator bends the frame's window a little (more at its edges);
// the bent windows then no longer overlap-add to a constant and a steady
// partial comes out modulated at the hop rate. The six weights for each
// fraction are chosen by least squares so that the overlap-added (Hann
// squared) windows keep their sum and carry no ripple at the hop rate or its
// second harmonic, with a small pull towards the exact, unbent window. That
// leaves a shifted steady tone's sidebands some 80 dB down where a cubic
// interpolator leaves them 45 to 50 dB down.
class ShiftKernels
{
public:
    static constexpr int kTaps = 6;   // bins base - 2 .. base + 3
    static constexpr int kSteps = 64; // fractions 0, 1/64 .. 1

    void init()
    {
        m_weights.assign(static_cast<std::size_t>((kSteps + 1) * kTaps), 0.0f);
        for (int step = 0; step <= kSteps; ++step)
            solve(static_cast<double>(step) / kSteps, m_weights.data() + step * kTaps);
    }

    // The weights for bins base - 2 .. base + 3 that read position base + f,
    // f in [0, 1), blended from the two nearest tabulated fractions.
    void at(float f, float* weights) const
    {
        const float position = f * kSteps;
        const int step = std::min(static_cast<int>(position), kSteps - 1);
        const float blend = position - static_cast<float>(step);
        const float* a = m_weights.data() + static_cast<std::size_t>(step * kTaps);
        for (int t = 0; t < kTaps; ++t)
            weights[t] = a[t] + blend * (a[t + kTaps] - a[t]);
    }

private:
    // The integral over one frame (u from -1/2 to 1/2 of its length) of
    // hann(u)^2 cos(2 pi v u): Hann squared is 3/8 + cos(2 pi u) / 2 +
    // cos(4 pi u) / 8, and each term integrates to a sinc.
    static double windowSquaredAt(double v)
    {
        auto sinc = [](double x) {
            return std::fabs(x) < 1e-12 ? 1.0 : std::sin(dsp::kPi * x) / (dsp::kPi * x);
        };
        return 0.375 * sinc(v) + 0.25 * (sinc(v - 1) + sinc(v + 1)) + 0.0625 * (sinc(v - 2) + sinc(v + 2));
    }

    // Reading with weights h at offsets t from a point f past a bin turns the
    // frame's samples by g(u) = sum h_t exp(-2 pi i (t - f) u); that times
    // hann^2, overlap-added at hop 1/kOverlap, has Fourier terms at multiples of
    // kOverlap cycles per frame, each linear in h with real coefficients.
    static void solve(double f, float* out)
    {
        double normal[kTaps][kTaps + 1] = {};
        auto addRow = [&](const double* row, double value, double weight) {
            for (int a = 0; a < kTaps; ++a) {
                for (int b = 0; b < kTaps; ++b)
                    normal[a][b] += weight * row[a] * row[b];
                normal[a][kTaps] += weight * row[a] * value;
            }
        };
        double row[kTaps];
        for (int m = -2; m <= 2; ++m) {
            for (int t = 0; t < kTaps; ++t)
                row[t] = windowSquaredAt(static_cast<double>(kOverlap * m) - (t - 2 - f));
            // The sum of the windows (m = 0) held firmly; the ripple terms zero.
            addRow(row, m == 0 ? windowSquaredAt(0.0) : 0.0, m == 0 ? 100.0 : 1.0);
        }
        // The pull towards g = 1 (weighted by hann^2) adds lambda times the
        // normal equations of that fit.
        constexpr double lambda = 1e-3;
        for (int a = 0; a < kTaps; ++a) {
            for (int b = 0; b < kTaps; ++b)
                normal[a][b] += lambda * windowSquaredAt(a - b);
            normal[a][kTaps] += lambda * windowSquaredAt(a - 2 - f);
        }
        // Gauss-Jordan elimination with partial pivoting.
        for (int c = 0; c < kTaps; ++c) {
            int pivot = c;
            for (int r = c + 1; r < kTaps; ++r)
                if (std::fabs(normal[r][c]) > std::fabs(normal[pivot][c]))
                    pivot = r;
            for (int k = 0; k <= kTaps; ++k)
                std::swap(normal[c][k], normal[pivot][k]);
            for (int r = 0; r < kTaps; ++r) {
                if (r == c)
                    continue;
                const double factor = normal[r][c] / normal[c][c];
                for (int k = c; k <= kTaps; ++k)
                    normal[r][k] -= factor * normal[c][k];
            }
        }
        for (int t = 0; t < kTaps; ++t)
            out[t] = static_cast<float>(normal[t][kTaps] / normal[t][t]);
    }

    std::vector<float> m_weights;
};

// The bins of a frame that do not follow a peak, gathered so that working out
// where each goes runs as one vectorised loop.
struct Loners
{
    std::vector<int> bin;
    std::vector<float> re, im;       // the bin times the conjugate of last frame's
    std::vector<float> fresh;        // 1 when it rose sharply (no phase history)
    std::vector<float> turn;         // last frame's turn, then this frame's
    std::vector<float> cosine, sine; // of the turn
    std::vector<int> target;         // the bin it lands on

    void resize(int count)
    {
        const auto size = static_cast<std::size_t>(count);
        bin.assign(size, 0);
        target.assign(size, 0);
        for (auto* v : {&re, &im, &fresh, &turn, &cosine, &sine})
            v->assign(size, 0.0f);
    }

    // Each bin's frequency from its phase advance (in bins), its turn, and the
    // bin it lands on; a fresh bin stays at its centre with the input's phase.
    void settle(int count, float ratio, float turnRatio, float advancePerBin, float binsPerRadian)
    {
        settle(bin.data(), re.data(), im.data(), fresh.data(), turn.data(), cosine.data(), sine.data(),
               target.data(), count, ratio, turnRatio, advancePerBin, binsPerRadian);
    }

private:
    static void settle(const int* __restrict bin, const float* __restrict re, const float* __restrict im,
                       const float* __restrict fresh, float* __restrict turn, float* __restrict cosine,
                       float* __restrict sine, int* __restrict target, int count, float ratio,
                       float turnRatio, float advancePerBin, float binsPerRadian)
    {
        for (int m = 0; m < count; ++m) {
            const float k = static_cast<float>(bin[m]), old = 1.0f - fresh[m];
            const float f = k + old * wrapPhase(fastAtan2(im[m], re[m]) - advancePerBin * k) * binsPerRadian;
            const float phase = old * wrapPhase(turn[m] + (turnRatio - 1.0f) * f * advancePerBin);
            turn[m] = phase;
            fastCosSin(phase, cosine[m], sine[m]);
            target[m] = static_cast<int>(roundNearest(k + (ratio - 1.0f) * f));
        }
    }
};

class PitchShiftUnit : public Unit
{
public:
    PitchShiftUnit() : Unit(kPitchShiftInfo) {}

    void setup(int sampleRate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(sampleRate, maxFrames, maxChannels);
        m_fft.setup(kMaxSize);
        m_kernels.init();
        m_windows.resize(2 * kMaxSize - kMinSize);
        for (int n = kMinSize; n <= kMaxSize; n *= 2)
            for (int i = 0; i < n; ++i)
                m_windows[static_cast<std::size_t>(n - kMinSize + i)] =
                    static_cast<float>(0.5 - 0.5 * std::cos(2.0 * dsp::kPi * i / n));
        m_frame.assign(kMaxSize, 0.0f);
        m_bins.assign(2 * static_cast<std::size_t>(kMaxBins + 2 * kGuard), 0.0f);
        m_power.assign(static_cast<std::size_t>(kMaxBins + 2 * kGuard), 0.0f);
        m_shifted.assign(2 * static_cast<std::size_t>(kMaxBins), 0.0f);
        m_locked.assign(kMaxBins, 0.0f);
        m_loners.resize(kMaxBins);
        m_peaks.assign(kMaxBins + 1, 0);
        m_bounds.assign(kMaxBins + 1, 0);
        for (Channel& ch : m_channels) {
            ch.input.assign(kRingSize + kMaxSize, 0.0f);
            ch.output.assign(kRingSize, 0.0f);
            ch.previous.assign(2 * static_cast<std::size_t>(kMaxBins), 0.0f);
            ch.turn.assign(kMaxBins, 0.0f);
        }
        m_fadeLength = std::max(16, static_cast<int>(kFadeSeconds * static_cast<float>(sampleRate)));
        m_ready = true;
        reset();
    }

    void reset() override
    {
        for (int c = 0; c < kMaxChannels; ++c) {
            clearChannel(c);
            m_channels[c].active = false;
        }
        useSize(fftSizeFor(target(1)));
        m_position = 0;
        m_fade = 0;
        m_fadeLeft = 0;
        m_ratioPrimed = false;
    }

    int latencyFrames() const override { return fftSizeFor(target(1)) - 1; }

    void process(float* data, unsigned frames, int channels) override
    {
        if (!m_ready || channels <= 0)
            return;
        const int count =
            zdsp::channelLimit(channels, kMaxChannels, static_cast<int>(std::lround(target(3))));
        for (int c = 0; c < kMaxChannels; ++c) {
            Channel& ch = m_channels[c];
            if (c < count && !ch.active)
                clearChannel(c);
            ch.active = c < count;
        }
        if (m_position == 0 && m_fade == 0) {
            useSize(fftSizeFor(target(1))); // nothing heard yet: no fade needed
        } else if (m_fade == 0 && fftSizeFor(target(1)) != m_size) {
            m_fade = -1;
            m_fadeLeft = m_fadeLength;
        }
        const float ratio = target(0);
        if (!m_ratioPrimed) {
            m_ratio = ratio;
            m_ratioInner = ratio;
            m_ratioPrimed = true;
        }

        const auto stride = static_cast<std::size_t>(channels);
        unsigned done = 0;
        while (done < frames) {
            auto len = std::min(frames - done, static_cast<unsigned>(m_hop - m_hopFill));
            if (m_fade != 0)
                len = std::min(len, static_cast<unsigned>(m_fadeLeft));
            for (int c = 0; c < count; ++c) {
                const float* in = data + done * stride + static_cast<std::size_t>(c);
                float* ring = m_channels[c].input.data();
                for (unsigned i = 0; i < len; ++i) {
                    const std::size_t at = (m_position + i) & kRingMask;
                    ring[at] = in[i * stride];
                    if (at < kMaxSize)
                        ring[at + kRingSize] = ring[at];
                }
            }
            m_position += len;
            m_hopFill += static_cast<int>(len);
            if (m_hopFill == m_hop) {
                m_hopFill = 0;
                const float last = m_ratio;
                m_ratioInner += (ratio - m_ratioInner) * m_ratioGlide;
                m_ratio += (m_ratioInner - m_ratio) * m_ratioGlide;
                for (int c = 0; c < count; ++c)
                    analyseAndShift(c, m_position, m_ratio, 0.5f * (last + m_ratio));
            }
            // The sample that entered at time t leaves at t + size - 1.
            const std::size_t read = m_position - len - static_cast<std::size_t>(m_size - 1);
            for (int c = 0; c < count; ++c) {
                float* out = data + done * stride + static_cast<std::size_t>(c);
                float* ring = m_channels[c].output.data();
                if (m_fade == 0) {
                    for (unsigned i = 0; i < len; ++i) {
                        float& v = ring[(read + i) & kRingMask];
                        out[i * stride] = v;
                        v = 0.0f;
                    }
                } else {
                    for (unsigned i = 0; i < len; ++i) {
                        const int left = m_fadeLeft - 1 - static_cast<int>(i);
                        const float gain = static_cast<float>(m_fade < 0 ? left : m_fadeLength - left) /
                                           static_cast<float>(m_fadeLength);
                        float& v = ring[(read + i) & kRingMask];
                        out[i * stride] = v * gain;
                        v = 0.0f;
                    }
                }
            }
            if (m_fade != 0) {
                m_fadeLeft -= static_cast<int>(len);
                if (m_fadeLeft == 0) {
                    if (m_fade < 0) {
                        restartAt(fftSizeFor(target(1)), count);
                        m_fade = 1;
                        m_fadeLeft = m_fadeLength;
                    } else {
                        m_fade = 0;
                    }
                }
            }
            done += len;
        }
    }

private:
    struct Channel
    {
        std::vector<float> input;    // input history, by time
        std::vector<float> output;   // overlap-add sums, by the time of their input
        std::vector<float> previous; // last frame's bins
        std::vector<float> turn;     // last frame's phase turn, by source bin
        bool active = false;
    };

    void clearChannel(int c)
    {
        Channel& ch = m_channels[c];
        std::fill(ch.input.begin(), ch.input.end(), 0.0f);
        std::fill(ch.output.begin(), ch.output.end(), 0.0f);
        std::fill(ch.previous.begin(), ch.previous.end(), 0.0f);
        std::fill(ch.turn.begin(), ch.turn.end(), 0.0f);
    }

    void useSize(int size)
    {
        m_size = size;
        m_hop = size / kOverlap;
        m_hopFill = 0;
        const float scale =
            std::max(1.0f, static_cast<float>(size) / static_cast<float>(sampleRate()) / kGlideFrameSeconds);
        const float glide = kRatioGlideSeconds * scale * scale * static_cast<float>(sampleRate());
        m_ratioGlide = 1.0f - std::exp(-static_cast<float>(m_hop) / glide);
    }

    // Switches to a new FFT size while the output is faded out. The input
    // history stays; the frames that overlap the next output are replayed from
    // it, so the new size resumes at once.
    void restartAt(int size, int count)
    {
        useSize(size);
        for (int c = 0; c < count; ++c) {
            Channel& ch = m_channels[c];
            std::fill(ch.output.begin(), ch.output.end(), 0.0f);
            std::fill(ch.previous.begin(), ch.previous.end(), 0.0f);
            std::fill(ch.turn.begin(), ch.turn.end(), 0.0f);
            for (int back = kOverlap - 1; back >= 0; --back)
                analyseAndShift(c, m_position - static_cast<std::size_t>(back * m_hop), m_ratio, m_ratio);
            // Sums for times already played would come back a lap later.
            const std::size_t from = m_position - static_cast<std::size_t>(m_size + (kOverlap - 1) * m_hop);
            const std::size_t to = m_position - static_cast<std::size_t>(m_size - 1);
            for (std::size_t t = from; t != to; ++t)
                ch.output[t & kRingMask] = 0.0f;
        }
    }

    // One frame of channel `c` ending just before time `end`: analysis, peak
    // shifting, resynthesis and overlap-add. Peaks move to `ratio` times their
    // frequency; their phase advances by the mean shifted frequency over the
    // hop, `turnRatio` being the mean of this frame's ratio and the last one's,
    // which keeps overlapping frames in step while the ratio glides.
    void analyseAndShift(int c, std::size_t end, float ratio, float turnRatio)
    {
        Channel& ch = m_channels[c];
        const int n = m_size, half = n / 2;
        const std::size_t start = end - static_cast<std::size_t>(n);
        const float* window = m_windows.data() + (n - kMinSize);

        // Windowed and turned so the frame's centre is sample 0 (zero phase).
        const float* in = ch.input.data() + (start & kRingMask);
        float* frame = m_frame.data();
        for (int i = 0; i < half; ++i) {
            frame[half + i] = in[i] * window[i];
            frame[i] = in[half + i] * window[half + i];
        }
        float* x = m_bins.data() + 2 * kGuard; // bins -kGuard .. half + kGuard
        float* p = m_power.data() + kGuard;
        m_fft.forward(frame, x, n);
        float strongest = 0.0f, total = 0.0f;
        for (int k = 0; k <= half; ++k) {
            p[k] = x[2 * k] * x[2 * k] + x[2 * k + 1] * x[2 * k + 1];
            strongest = std::max(strongest, p[k]);
            total += p[k];
        }
        float* previous = ch.previous.data();
        if (!std::isfinite(total)) {
            // Not a number in the input: this frame stays silent and leaves no
            // history behind.
            std::fill(previous, previous + 2 * (half + 1), 0.0f);
            std::fill(ch.turn.begin(), ch.turn.begin() + half + 1, 0.0f);
            return;
        }
        if (strongest < kSilence) {
            std::copy(x, x + 2 * (half + 1), previous);
            return;
        }
        // A real signal's spectrum mirrors around DC and Nyquist.
        for (int g = 1; g <= kGuard; ++g) {
            x[-2 * g] = x[2 * g];
            x[-2 * g + 1] = -x[2 * g + 1];
            x[2 * (half + g)] = x[2 * (half - g)];
            x[2 * (half + g) + 1] = -x[2 * (half - g) + 1];
            p[-g] = p[g];
            p[half + g] = p[half - g];
        }

        // Peaks: bins above their neighbours (weak ones: above the next two).
        const float threshold = strongest * kPeakFloor, dominant = strongest * kPeakDominance;
        int peaks = 0;
        int* peakList = m_peaks.data();
        for (int k = 0; k <= half; ++k) {
            const float v = p[k];
            peakList[peaks] = k;
            peaks += static_cast<int>(v > threshold) & static_cast<int>(v > p[k - 1]) &
                     static_cast<int>(v >= p[k + 1]) &
                     (static_cast<int>(v > dominant) |
                      (static_cast<int>(v > p[k - 2]) & static_cast<int>(v >= p[k + 2])));
        }
        // Regions meet at the weakest bin between two peaks.
        m_bounds[0] = 0;
        for (int i = 1; i < peaks; ++i) {
            int low = peakList[i - 1] + 1;
            float lowest = p[low];
            for (int k = low + 1; k <= peakList[i]; ++k) {
                const bool lower = p[k] < lowest;
                low = lower ? k : low;
                lowest = lower ? p[k] : lowest;
            }
            m_bounds[static_cast<std::size_t>(i)] = low;
        }
        m_bounds[static_cast<std::size_t>(peaks)] = half + 1;

        // Phase advance per hop of bin k is k * 2 pi hop / n = k * pi / 4.
        const float binsPerRadian = static_cast<float>(n / m_hop) / kTwoPi;
        const float advancePerBin = kTwoPi * static_cast<float>(m_hop) / static_cast<float>(n);
        float* turn = ch.turn.data();
        float* y = m_shifted.data();
        std::fill(y, y + 2 * (half + 1), 0.0f);
        float* locked = m_locked.data();
        Loners& loners = m_loners;
        int lonely = 0;
        for (int i = 0; i < peaks; ++i) {
            const int k = m_peaks[static_cast<std::size_t>(i)];
            const float pr = previous[2 * k], pi = previous[2 * k + 1];
            const float xr = x[2 * k], xi = x[2 * k + 1];
            // The frequency from the phase advance since the last frame; for a
            // peak that is new there, from the lobe's shape instead, and it
            // keeps the input's phase. (Both are worked out: cheaper than a
            // branch that noise makes unpredictable.)
            const bool onset = p[k] > kOnsetRise * (pr * pr + pi * pi);
            const float ar = xr * pr + xi * pi,
                        ai = xi * pr - xr * pi; // the peak times last frame's conjugate
            const float tracked =
                wrapPhase(fastAtan2(ai, ar) - advancePerBin * static_cast<float>(k)) * binsPerRadian;
            const float a = p[k - 1], b = p[k], cc = p[k + 1], curve = a - 2.0f * b + cc;
            const float lobe = std::clamp(0.5f * (a - cc) / (curve < 0.0f ? curve : -1.0f), -0.5f, 0.5f);
            const float frequency = static_cast<float>(k) + (onset ? lobe : tracked); // in bins
            const float phase =
                onset ? 0.0f : wrapPhase(turn[k] + (turnRatio - 1.0f) * frequency * advancePerBin);

            // The bins of the region that advance like the peak (within 45
            // degrees a hop) belong to it: they move and turn with it, keeping
            // their phases relative to it. So do bins too weak to matter. The
            // rest, mostly where unresolved harmonics mix, are set aside to be
            // moved on their own.
            const int from = m_bounds[static_cast<std::size_t>(i)],
                      to = m_bounds[static_cast<std::size_t>(i + 1)];
            const float weak = p[k] * kLockFloor, peakNorm = ar * ar + ai * ai;
            for (int j = from; j < to; ++j) {
                const float qr = previous[2 * j], qi = previous[2 * j + 1];
                const float zr = x[2 * j] * qr + x[2 * j + 1] * qi, zi = x[2 * j + 1] * qr - x[2 * j] * qi;
                // cos(angle between the two advances) > 1 / sqrt(2), squared
                // and without a division. (Bitwise, not short-circuit: noise
                // makes branches here unpredictable.)
                const float along = zr * ar + zi * ai;
                const bool follows =
                    onset | (p[j] < weak) |
                    ((along > 0.0f) & (2.0f * along * along > (zr * zr + zi * zi) * peakNorm));
                loners.bin[lonely] = j;
                loners.re[lonely] = zr;
                loners.im[lonely] = zi;
                loners.fresh[lonely] = static_cast<float>(p[j] > kBinOnsetRise * (qr * qr + qi * qi));
                loners.turn[lonely] = turn[j];
                lonely += static_cast<int>(!follows);
                locked[j] = follows ? 1.0f : 0.0f;
                turn[j] = phase;
            }

            const float shift = (ratio - 1.0f) * frequency;
            // Output bins whose source position falls in [from - 0.5, to - 0.5).
            const int first = std::max(0, -floorToInt(0.5f - static_cast<float>(from) - shift));
            const int last = std::min(half, -floorToInt(0.5f - static_cast<float>(to) - shift) - 1);
            if (first > last)
                continue;
            const float source = static_cast<float>(first) - shift;
            const int base = floorToInt(source);
            const float f = source - static_cast<float>(base);
            float w[ShiftKernels::kTaps];
            m_kernels.at(f, w);
            float cr, ci;
            fastCosSin(phase, cr, ci);
            const float* s = x + 2 * (base - 2);
            const float* follows = locked + base + (f < 0.5f ? 0 : 1); // of the nearest source bin
            for (int j = first; j <= last; ++j, s += 2, ++follows) {
                const float vr =
                    w[0] * s[0] + w[1] * s[2] + w[2] * s[4] + w[3] * s[6] + w[4] * s[8] + w[5] * s[10];
                const float vi =
                    w[0] * s[1] + w[1] * s[3] + w[2] * s[5] + w[3] * s[7] + w[4] * s[9] + w[5] * s[11];
                y[2 * j] += *follows * (vr * cr - vi * ci);
                y[2 * j + 1] += *follows * (vr * ci + vi * cr);
            }
        }

        // The bins set aside move as a plain phase vocoder moves bins: each
        // to the bin nearest its shifted frequency, turned on its own.
        loners.settle(lonely, ratio, turnRatio, advancePerBin, binsPerRadian);
        for (int m = 0; m < lonely; ++m) {
            const int j = loners.bin[m], at = loners.target[m];
            turn[j] = loners.turn[m];
            if (at < 0 || at > half)
                continue;
            y[2 * at] += x[2 * j] * loners.cosine[m] - x[2 * j + 1] * loners.sine[m];
            y[2 * at + 1] += x[2 * j] * loners.sine[m] + x[2 * j + 1] * loners.cosine[m];
        }
        std::copy(x, x + 2 * (half + 1), previous);
        y[1] = 0.0f;
        y[2 * half + 1] = 0.0f;

        m_fft.inverse(y, frame, n);
        // Hann squared sums to 3/8 of the overlap; the inverse transform adds n.
        const float scale = 1.0f / (0.375f * static_cast<float>(kOverlap) * static_cast<float>(n));
        addToOutput(ch.output.data(), start & kRingMask, frame + half, window, half, scale);
        addToOutput(ch.output.data(), (start + static_cast<std::size_t>(half)) & kRingMask, frame,
                    window + half, half, scale);
    }

    // Adds count windowed samples to the overlap-add ring from index `at`.
    static void addToOutput(float* ring, std::size_t at, const float* samples, const float* window, int count,
                            float scale)
    {
        const int direct = std::min(count, static_cast<int>(kRingSize - at));
        accumulate(ring + at, samples, window, direct, scale);
        accumulate(ring, samples + direct, window + direct, count - direct, scale);
    }

    static void accumulate(float* __restrict out, const float* __restrict samples,
                           const float* __restrict window, int count, float scale)
    {
        for (int i = 0; i < count; ++i)
            out[i] += samples[i] * window[i] * scale;
    }

    zdsp::RealFft m_fft;
    ShiftKernels m_kernels;
    Channel m_channels[kMaxChannels];
    std::vector<float> m_windows; // Hann windows of each size, smallest first
    std::vector<float> m_frame;   // time-domain frame
    std::vector<float> m_bins;    // analysed bins with mirrored guards
    std::vector<float> m_power;   // their power, with guards
    std::vector<float> m_shifted; // resynthesised bins
    Loners m_loners;
    std::vector<float> m_locked; // per bin: 1 when it moves with its region's peak
    std::vector<int> m_peaks;
    std::vector<int> m_bounds; // region i spans source bins [bounds[i], bounds[i + 1])
    int m_size = 1024;
    int m_hop = 256;
    int m_hopFill = 0;
    std::size_t m_position = 0; // input samples taken so far
    float m_ratio = 1.0f;       // the ratio of the latest frame
    float m_ratioInner = 1.0f;  // the glide's first stage
    float m_ratioGlide = 1.0f;
    bool m_ratioPrimed = false;
    int m_fade = 0; // -1 fading out before a size change, 1 fading in after it
    int m_fadeLeft = 0;
    int m_fadeLength = 144;
    bool m_ready = false;
};

} // namespace

const UnitEntry kPitchShiftEntry = {&kPitchShiftInfo, &makeUnit<PitchShiftUnit>};

} // namespace zaudio
