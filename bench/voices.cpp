// zelvani-bench-voices: an audition of every bundled effect with several
// synthetic speakers. Each speaker (espeak-ng, low and high male and female
// voices) goes through each effect of the catalogue (zelvani-cli render
// --effect ID); the output's pitch, formants and level are measured against
// the dry speaker. Target voices (VoiceShifter in its target mode) are checked
// against their goals, beside rubberband shifting each speaker by the fixed
// shift these voices had before, measured in the same run.
//
// Usage: zelvani-bench-voices --cli PATH [--rubberband PATH] [--sox PATH] [--quick] [--summary FILE]
//        zelvani-bench-voices --measure FILE...
// Prints a Markdown report on standard output; progress goes to standard error.

#include "benchsupport.h"
#include "catalogue.h"
#include "wavfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <complex>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <iterator>
#include <map>
#include <sndfile.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace benchsupport;

void progress(const std::string& text)
{
    std::fprintf(stderr, "zelvani-bench-voices: %s\n", text.c_str());
}

// ------------------------------------------------------------ reading sound

struct Sound
{
    double rate = 0.0;
    int channels = 0;
    std::vector<float> samples; // interleaved; a float file keeps its overs
    std::size_t frames() const { return channels > 0 ? samples.size() / std::size_t(channels) : 0; }
};

bool readSound(const std::string& path, Sound* sound, std::string* error)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        *error = path + ": " + sf_strerror(nullptr);
        return false;
    }
    sound->rate = info.samplerate;
    sound->channels = info.channels;
    sound->samples.assign(std::size_t(info.frames) * std::size_t(info.channels), 0.0f);
    const sf_count_t got = sf_readf_float(file, sound->samples.data(), info.frames);
    sf_close(file);
    sound->samples.resize(std::size_t(std::max<sf_count_t>(got, 0)) * std::size_t(info.channels));
    if (sound->frames() == 0) {
        *error = path + ": no audio";
        return false;
    }
    return true;
}

// ------------------------------------------------------------ analysis

// Pitch is measured on the mono mix decimated to 8 kHz, formants on it
// decimated to 16 kHz: room for the F2 range (up to 3.2 kHz) stretched 2×, with
// an LPC order of 18 (2 + the rate in kHz).
constexpr double kPitchRate = 8000.0, kFormantRate = 16000.0;
constexpr double kPitchWindow = 0.040; // seconds, the YIN integration window
constexpr double kHop = 0.010;
constexpr double kLowestF0 = 40.0, kHighestF0 = 1000.0;
constexpr double kAperiodicity = 0.3; // YIN's threshold: a voiced frame dips below it
constexpr double kActiveRange = 35.0; // dB below the loud frames that still count as speech
constexpr double kSilence = -70.0;    // dBFS; frames below never count
constexpr double kLpcWindow = 0.030;
constexpr int kLpcOrder = 18;
constexpr double kF1Low = 200, kF1High = 1100, kF2Low = 700, kF2High = 3200; // per-frame picks
// The bands whose stretch gives the F1 and F2 shifts. The F1 band reaches
// above F1's range: below 300 Hz a voice shifted down brings its F0 region
// in, and a band ending at 1.1 kHz follows the envelope's slope more than
// F1 (resampled speech read 0.64 for 0.75 with 200–1100 Hz, 0.75 with this).
constexpr double kF1BandLow = 300, kF1BandHigh = 1600, kF2BandLow = 700, kF2BandHigh = 3200;
constexpr double kFullScale = 0.999;

struct Figures
{
    bool measured = false;     // false: rendering or reading failed
    int voiced = 0;            // frames with a pitch
    double f0 = NAN;           // median Hz over voiced frames
    double spread = NAN;       // interquartile range, semitones
    double f1 = NAN, f2 = NAN; // means of the per-frame LPC estimates
    double level = NAN;        // active speech RMS, dBFS
    double peak = NAN;         // dBFS
    bool fullScale = false;
    // The LPC envelope (dB) averaged over the voiced frames, on warpGrid().
    std::vector<double> meanEnvelope;
};

// The frequencies of the averaged envelope: 90–6600 Hz in steps of 0.5 %.
constexpr double kWarpLow = 90.0, kWarpHigh = 6600.0, kWarpStep = 1.005;
std::vector<double> warpGrid()
{
    std::vector<double> grid;
    for (double f = kWarpLow; f <= kWarpHigh; f *= kWarpStep)
        grid.push_back(f);
    return grid;
}

std::vector<double> lowPassTaps(double cutoff, double rate, int count)
{
    std::vector<double> taps(static_cast<std::size_t>(count));
    const double middle = (count - 1) / 2.0;
    double sum = 0.0;
    for (int n = 0; n < count; ++n) {
        const double t = n - middle, x = 2.0 * cutoff / rate;
        const double sinc = t == 0.0 ? x : std::sin(M_PI * x * t) / (M_PI * t);
        const double blackman =
            0.42 - 0.5 * std::cos(2 * M_PI * n / (count - 1)) + 0.08 * std::cos(4 * M_PI * n / (count - 1));
        taps[std::size_t(n)] = sinc * blackman;
        sum += taps[std::size_t(n)];
    }
    for (double& tap : taps)
        tap /= sum;
    return taps;
}

// The mono mix, low-passed below 0.42 × the new rate and decimated by `factor`.
std::vector<float> monoDecimated(const Sound& sound, int factor)
{
    const std::size_t frames = sound.frames(), channels = std::size_t(sound.channels);
    std::vector<float> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        float sum = 0.0f;
        for (std::size_t c = 0; c < channels; ++c)
            sum += sound.samples[i * channels + c];
        mono[i] = sum / float(channels);
    }
    if (factor <= 1)
        return mono;
    const std::vector<double> taps = lowPassTaps(0.42 * sound.rate / factor, sound.rate, 32 * factor + 1);
    const std::size_t half = taps.size() / 2;
    std::vector<float> out;
    out.reserve(frames / std::size_t(factor) + 1);
    for (std::size_t centre = 0; centre < frames; centre += std::size_t(factor)) {
        double sum = 0.0;
        for (std::size_t k = 0; k < taps.size(); ++k) {
            const std::ptrdiff_t at = std::ptrdiff_t(centre + k) - std::ptrdiff_t(half);
            if (at >= 0 && std::size_t(at) < frames)
                sum += taps[k] * mono[std::size_t(at)];
        }
        out.push_back(float(sum));
    }
    return out;
}

// Levinson–Durbin: the predictor a[0..order] (a[0] = 1) of the autocorrelation r.
bool levinson(const std::vector<double>& r, int order, std::vector<double>* a)
{
    a->assign(std::size_t(order) + 1, 0.0);
    (*a)[0] = 1.0;
    double error = r[0];
    if (!(error > 0.0))
        return false;
    std::vector<double> previous;
    for (int i = 1; i <= order; ++i) {
        double sum = r[std::size_t(i)];
        for (int j = 1; j < i; ++j)
            sum += (*a)[std::size_t(j)] * r[std::size_t(i - j)];
        const double k = -sum / error;
        previous = *a;
        for (int j = 1; j < i; ++j)
            (*a)[std::size_t(j)] = previous[std::size_t(j)] + k * previous[std::size_t(i - j)];
        (*a)[std::size_t(i)] = k;
        error *= 1.0 - k * k;
        if (!(error > 0.0))
            return false;
    }
    return true;
}

// The roots of z^p + a[1] z^(p-1) + ... + a[p] (Durand–Kerner).
std::vector<std::complex<double>> rootsOf(const std::vector<double>& a)
{
    const std::size_t order = a.size() - 1;
    std::vector<std::complex<double>> z(order);
    const std::complex<double> seed(0.4, 0.9);
    for (std::size_t k = 0; k < order; ++k)
        z[k] = std::pow(seed, double(k));
    for (int iteration = 0; iteration < 500; ++iteration) {
        double change = 0.0;
        for (std::size_t i = 0; i < order; ++i) {
            std::complex<double> value = 1.0, denominator = 1.0;
            for (std::size_t k = 1; k <= order; ++k)
                value = value * z[i] + a[k];
            for (std::size_t j = 0; j < order; ++j)
                if (j != i)
                    denominator *= z[i] - z[j];
            const std::complex<double> step = value / denominator;
            z[i] -= step;
            change = std::max(change, std::abs(step));
        }
        if (change < 1e-10)
            break;
    }
    return z;
}

// F1 and F2 from the roots of the LPC polynomial: the resonances narrower
// than 400 Hz, by frequency; F1 the first in 200–1100 Hz, F2 the next one,
// if it lies in 700–3200 Hz. NaN where none is found.
void formantsOf(const std::vector<double>& a, double rate, double* f1, double* f2)
{
    *f1 = *f2 = NAN;
    std::vector<double> resonances;
    for (const std::complex<double>& root : rootsOf(a)) {
        const double hz = std::arg(root) * rate / (2 * M_PI);
        const double bandwidth = -std::log(std::abs(root)) * rate / M_PI;
        if (hz > 90.0 && hz < rate / 2 - 50.0 && bandwidth > 0.0 && bandwidth < 400.0)
            resonances.push_back(hz);
    }
    std::sort(resonances.begin(), resonances.end());
    for (std::size_t i = 0; i < resonances.size(); ++i)
        if (resonances[i] >= kF1Low) {
            if (resonances[i] > kF1High)
                return;
            *f1 = resonances[i];
            if (i + 1 < resonances.size() && resonances[i + 1] >= kF2Low && resonances[i + 1] <= kF2High)
                *f2 = resonances[i + 1];
            return;
        }
}

// Power per 20 ms frame of all channels, and which frames are active speech:
// within kActiveRange dB of the loud frames (their 95th percentile).
double activeLevel(const Sound& sound)
{
    const std::size_t frame = std::size_t(sound.rate * 0.020), channels = std::size_t(sound.channels);
    std::vector<double> powers;
    for (std::size_t start = 0; start + frame <= sound.frames(); start += frame) {
        double sum = 0.0;
        for (std::size_t i = start * channels; i < (start + frame) * channels; ++i)
            sum += double(sound.samples[i]) * sound.samples[i];
        powers.push_back(sum / double(frame * channels));
    }
    std::vector<double> levels;
    for (double power : powers)
        levels.push_back(10.0 * std::log10(std::max(power, 1e-30)));
    const double floor = std::max(kSilence, percentile(levels, 0.95) - kActiveRange);
    double sum = 0.0;
    int active = 0;
    for (std::size_t i = 0; i < powers.size(); ++i)
        if (levels[i] >= floor) {
            sum += powers[i];
            ++active;
        }
    return active ? 10.0 * std::log10(sum / active) : NAN;
}

Figures analyse(const Sound& sound)
{
    Figures figures;
    figures.measured = true;
    float peak = 0.0f;
    for (float sample : sound.samples)
        peak = std::max(peak, std::fabs(sample));
    figures.peak = 20.0 * std::log10(std::max(double(peak), 1e-10));
    figures.fullScale = peak >= kFullScale;
    figures.level = activeLevel(sound);

    const int pitchFactor = std::max(1, int(std::lround(sound.rate / kPitchRate)));
    const int formantFactor = std::max(1, int(std::lround(sound.rate / kFormantRate)));
    const double rate = sound.rate / pitchFactor, formantRate = sound.rate / formantFactor;
    const std::vector<float> x = monoDecimated(sound, pitchFactor), y = monoDecimated(sound, formantFactor);
    const int window = int(kPitchWindow * rate), hop = int(kHop * rate);
    const int longest = int(rate / kLowestF0), shortest = int(rate / kHighestF0);
    const int lpcWindow = int(kLpcWindow * formantRate);

    // Frames that may be speech: the same gate as the level, on the window's energy.
    std::vector<double> energies;
    for (std::size_t start = 0; start + std::size_t(window + longest + 1) <= x.size();
         start += std::size_t(hop)) {
        double sum = 0.0;
        for (int j = 0; j < window; ++j)
            sum += double(x[start + std::size_t(j)]) * x[start + std::size_t(j)];
        energies.push_back(10.0 * std::log10(std::max(sum / window, 1e-30)));
    }
    const double gate = std::max(kSilence, percentile(energies, 0.95) - kActiveRange);

    std::vector<double> emphasised(y.size());
    for (std::size_t i = 0; i < y.size(); ++i)
        emphasised[i] = y[i] - (i ? 0.97 * y[i - 1] : 0.0);
    std::vector<double> hamming(static_cast<std::size_t>(lpcWindow));
    for (int n = 0; n < lpcWindow; ++n)
        hamming[std::size_t(n)] = 0.54 - 0.46 * std::cos(2 * M_PI * n / (lpcWindow - 1));

    // e^(-jwk) for each frequency of the grid and each coefficient, once.
    const std::vector<double> grid = warpGrid();
    std::vector<std::complex<double>> turns(grid.size() * (kLpcOrder + 1));
    for (std::size_t g = 0; g < grid.size(); ++g)
        for (int k = 0; k <= kLpcOrder; ++k)
            turns[g * (kLpcOrder + 1) + std::size_t(k)] =
                std::polar(1.0, -2 * M_PI * grid[g] / formantRate * k);
    std::vector<double> envelopeSum(grid.size(), 0.0);
    int envelopes = 0;
    std::vector<double> f0s, f1s, f2s, a;
    std::vector<double> difference(static_cast<std::size_t>(longest) + 2);
    std::vector<double> r(kLpcOrder + 1);
    std::vector<double> frame(static_cast<std::size_t>(lpcWindow));
    for (std::size_t n = 0; n < energies.size(); ++n) {
        if (energies[n] < gate)
            continue;
        const float* s = x.data() + n * std::size_t(hop);
        // YIN: the cumulative mean normalised difference, its first dip below
        // the threshold followed down to its minimum, refined by a parabola.
        double cumulative = 0.0;
        int lag = -1;
        difference[0] = 1.0;
        for (int tau = 1; tau <= longest + 1; ++tau) {
            float sum = 0.0f;
            for (int j = 0; j < window; ++j) {
                const float d = s[j] - s[j + tau];
                sum += d * d;
            }
            cumulative += sum;
            difference[std::size_t(tau)] = cumulative > 0 ? sum * tau / cumulative : 1.0;
        }
        for (int tau = shortest; tau < longest; ++tau)
            if (difference[std::size_t(tau)] < kAperiodicity) {
                while (tau + 1 < longest && difference[std::size_t(tau + 1)] < difference[std::size_t(tau)])
                    ++tau;
                lag = tau;
                break;
            }
        if (lag < 0)
            continue;
        const double left = difference[std::size_t(lag - 1)], here = difference[std::size_t(lag)],
                     right = difference[std::size_t(lag + 1)];
        const double curve = left - 2 * here + right;
        const double refined = lag + (curve > 0 ? 0.5 * (left - right) / curve : 0.0);
        f0s.push_back(rate / refined);

        // LPC of the pre-emphasised, Hamming-windowed 30 ms around the window's centre.
        const double seconds = (double(n) * hop + window / 2.0) / rate;
        const std::ptrdiff_t start = std::lround(seconds * formantRate) - lpcWindow / 2;
        if (start < 0 || std::size_t(start + lpcWindow) > y.size())
            continue;
        for (int i = 0; i < lpcWindow; ++i)
            frame[std::size_t(i)] = emphasised[std::size_t(start + i)] * hamming[std::size_t(i)];
        for (int k = 0; k <= kLpcOrder; ++k) {
            double sum = 0.0;
            for (int i = k; i < lpcWindow; ++i)
                sum += frame[std::size_t(i)] * frame[std::size_t(i - k)];
            r[std::size_t(k)] = sum;
        }
        if (!(r[0] > 0.0))
            continue;
        double f1 = NAN, f2 = NAN;
        if (levinson(r, kLpcOrder, &a)) {
            formantsOf(a, formantRate, &f1, &f2);
            for (std::size_t g = 0; g < grid.size(); ++g) {
                std::complex<double> sum = 0.0;
                for (std::size_t k = 0; k < a.size(); ++k)
                    sum += a[k] * turns[g * (kLpcOrder + 1) + k];
                envelopeSum[g] -= 10.0 * std::log10(std::max(std::norm(sum), 1e-20));
            }
            ++envelopes;
        }
        if (!std::isnan(f1))
            f1s.push_back(f1);
        if (!std::isnan(f2))
            f2s.push_back(f2);
    }
    figures.voiced = int(f0s.size());
    if (!f0s.empty()) {
        figures.f0 = median(f0s);
        figures.spread = 12.0 * std::log2(percentile(f0s, 0.75) / percentile(f0s, 0.25));
    }
    const auto mean = [](const std::vector<double>& v) {
        double sum = 0.0;
        for (double value : v)
            sum += value;
        return v.empty() ? NAN : sum / double(v.size());
    };
    figures.f1 = mean(f1s);
    figures.f2 = mean(f2s);
    if (envelopes > 0)
        for (double v : envelopeSum)
            figures.meanEnvelope.push_back(v / envelopes);
    return figures;
}

// How far the output's averaged envelope is stretched in frequency against
// the dry one over the dry band low–high: the factor (0.4–2.5) whose warp of
// the band correlates best, refined by a parabola through the correlations.
double envelopeWarp(const Figures& dry, const Figures& out, double low, double high)
{
    const std::vector<double> grid = warpGrid();
    if (dry.meanEnvelope.size() != grid.size() || out.meanEnvelope.size() != grid.size())
        return NAN;
    const std::size_t first = std::size_t(std::lower_bound(grid.begin(), grid.end(), low) - grid.begin());
    const std::size_t last = std::size_t(std::lower_bound(grid.begin(), grid.end(), high) - grid.begin());
    const int most = int(std::lround(std::log(2.5) / std::log(kWarpStep)));
    std::vector<double> scores;
    std::vector<int> steps;
    for (int k = -most; k <= most; ++k) {
        if (std::ptrdiff_t(first) + k < 0 || std::ptrdiff_t(last) + k >= std::ptrdiff_t(grid.size()))
            continue;
        double sd = 0, so = 0, sdd = 0, soo = 0, sdo = 0;
        const double count = double(last - first);
        for (std::size_t i = first; i < last; ++i) {
            const double x = dry.meanEnvelope[i], y = out.meanEnvelope[std::size_t(std::ptrdiff_t(i) + k)];
            sd += x;
            so += y;
            sdd += x * x;
            soo += y * y;
            sdo += x * y;
        }
        const double norm = std::sqrt(std::max(1e-12, (sdd - sd * sd / count) * (soo - so * so / count)));
        scores.push_back((sdo - sd * so / count) / norm);
        steps.push_back(k);
    }
    if (scores.size() < 3)
        return NAN;
    const std::size_t best = std::size_t(std::max_element(scores.begin(), scores.end()) - scores.begin());
    double step = steps[best];
    if (best > 0 && best + 1 < scores.size()) {
        const double left = scores[best - 1], here = scores[best], right = scores[best + 1];
        const double curve = left - 2 * here + right;
        if (curve < 0)
            step += 0.5 * (left - right) / curve;
    }
    return std::pow(kWarpStep, step);
}

// ------------------------------------------------------------ synthetic vowels

// The twelve vowels of American English men (Hillenbrand et al. 1995: /i ɪ e
// ɛ æ ɑ ɔ o ʊ u ʌ ɝ/), F1–F3 in Hz; F4 at 3500 Hz.
constexpr double kVowels[12][3] = {{342, 2322, 3000}, {427, 2034, 2684}, {476, 2089, 2691},
                                   {580, 1799, 2605}, {588, 1952, 2601}, {768, 1333, 2522},
                                   {652, 997, 2538},  {497, 910, 2459},  {469, 1122, 2434},
                                   {378, 997, 2343},  {623, 1200, 2550}, {474, 1379, 1710}};
constexpr double kBandwidths[4] = {80, 100, 150, 200};

// The vowels in turn, 250 ms each with 50 ms of silence between, on an
// impulse train at `f0` (±1.5 semitones at 0.7 Hz) through two one-pole low-passes and
// a cascade of four resonators: formants × `scale` × `stretch`, bandwidths
// × `stretch`. Between two such sounds with the same `scale` every formant
// moves by exactly `stretch`, whatever their F0 are: the measurement's error
// where the voices move F0 and formants by different amounts.
Sound syntheticVowels(double f0, double scale, double stretch, double seconds)
{
    Sound sound;
    sound.rate = 48000.0;
    sound.channels = 1;
    const auto total = std::size_t(seconds * sound.rate);
    sound.samples.assign(total, 0.0f);
    const auto vowelLength = std::size_t(0.250 * sound.rate), gap = std::size_t(0.050 * sound.rate);
    double phase = 1.0, glottis[2] = {0, 0};
    double y1[4] = {0, 0, 0, 0}, y2[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < total; ++i) {
        const std::size_t cycle = i / (vowelLength + gap), within = i % (vowelLength + gap);
        const double t = double(i) / sound.rate;
        double x = 0.0;
        if (within < vowelLength) {
            phase += f0 * std::exp2(1.5 / 12 * std::sin(2 * M_PI * 0.7 * t)) / sound.rate;
            if (phase >= 1.0) {
                phase -= 1.0;
                x = 1.0;
            }
        } else {
            phase = 1.0;
        }
        for (double& g : glottis)
            x = g = 0.03 * x + 0.97 * g;
        const double* vowel = kVowels[cycle % std::size(kVowels)];
        for (int k = 0; k < 4; ++k) {
            const double hz = (k < 3 ? vowel[k] * scale : 3500.0 * scale) * stretch;
            const double r = std::exp(-M_PI * kBandwidths[k] * stretch / sound.rate);
            const double c = 2 * r * std::cos(2 * M_PI * hz / sound.rate);
            const double y = (1 - c + r * r) * x + c * y1[k] - r * r * y2[k];
            y2[k] = y1[k];
            y1[k] = y;
            x = y;
        }
        sound.samples[i] = float(x);
    }
    float peak = 0.0f;
    for (float v : sound.samples)
        peak = std::max(peak, std::fabs(v));
    for (float& v : sound.samples)
        v *= 0.5f / std::max(peak, 1e-9f);
    return sound;
}

// ------------------------------------------------------------ the catalogue

// A bundled effect, what the VoiceShifter in it asks for, and the figures of
// its output for each speaker.
struct Voice
{
    int id = 0;
    std::string name;
    bool filesReady = true;
    bool target = false;
    double targetHz = NAN;       // target mode: the F0 the output should have
    double formantFactor = NAN;  // target mode: the formant shift it should have
    double fixedShift = NAN;     // semitones: the peer's shift for this voice, if it has a peer
    std::vector<Figures> output; // per speaker
    // Target voices: the VoiceShifter stage alone, as a CLI chain (its
    // plug-in, preset and parameters), and its figures per speaker.
    std::string shifterVst, shifterFxp, shifterParameters;
    std::vector<Figures> shifterOnly;
    // Target voices: what the measurement reads, relative to the truth, for
    // synthetic vowels moved from each speaker's F0 to the target with the
    // target's formant shift (F1, F2 per speaker).
    std::vector<double> measureF1Error, measureF2Error;
    // Target voices: the synthetic vowels at each speaker's F0 through the
    // voice, and the stretch of their formants against the same vowels made
    // at the target F0 with the target formant shift (F1, F2 per speaker).
    // Both sides have nearly the same F0, so the LPC envelopes sample the
    // formants at the same harmonics and the measurement's error cancels.
    std::vector<Figures> vowelOutput;
    std::vector<double> vowelF1Off, vowelF2Off;
};

// The shifts, in semitones, that the people voices had before their target
// mode: rubberband shifts each speaker by these to stand beside them.
double formerShift(const std::string& name)
{
    static const std::map<std::string, double> shifts = {
        {"Female", 7.0},    {"Male", -7.0}, {"Child", 10.0},  {"Old Man", -2.9},
        {"Old Woman", 4.1}, {"Baby", 12.0}, {"Giant", -12.0}, {"Chipmunk", 12.0}};
    const auto it = shifts.find(name);
    return it == shifts.end() ? NAN : it->second;
}

// VoiceShifter's parameters, stored normalised (0..1): 0 Pitch −12..12 st,
// 1 Fine −100..100 ct, 2 Formant −12..12 st, 7 Target 50..800 Hz
// (logarithmic), 8 Mode (target mode from 0.5).
constexpr int kVoiceShifter = 100001;

// Marks `voice` as a target voice when the setting's Mode asks for it. A target
// voice missing from the former shifts' table gets its own Pitch and Fine as
// the peer's shift.
// True when this setting made it one.
bool readVoiceShifter(const std::map<int, double>& values, Voice* voice)
{
    const auto v = [&](int index, double fallback) {
        const auto it = values.find(index);
        return it == values.end() ? fallback : std::min(1.0, std::max(0.0, it->second));
    };
    if (voice->target || v(8, 0.0) < 0.5)
        return false;
    voice->target = true;
    voice->targetHz = 50.0 * std::pow(16.0, v(7, std::log(200.0 / 50.0) / std::log(16.0)));
    voice->formantFactor = std::pow(2.0, (-12.0 + 24.0 * v(2, 0.5)) / 12.0);
    if (std::isnan(voice->fixedShift))
        voice->fixedShift = -12.0 + 24.0 * v(0, 0.5) + (-100.0 + 200.0 * v(1, 0.5)) / 100.0;
    return true;
}

// The bundled effects of the catalogue the renders use, sorted by id.
bool readCatalogue(const std::string& cli, std::vector<Voice>* voices, std::string* error)
{
    std::vector<QJsonObject> items;
    if (!bundledEffects(cli, &items, error))
        return false;
    for (const QJsonObject& item : items) {
        Voice voice;
        voice.id = item.value(QStringLiteral("id")).toInt();
        voice.name = item.value(QStringLiteral("name"))
                         .toString(QStringLiteral("effect %1").arg(voice.id))
                         .toStdString();
        voice.filesReady = item.value(QStringLiteral("filesReady")).toBool(true);
        voice.fixedShift = formerShift(voice.name);
        for (const QJsonValue& s : item.value(QStringLiteral("settings")).toArray()) {
            if (s.toObject().value(QStringLiteral("type")).toInt() != kVoiceShifter)
                continue;
            std::map<int, double> values;
            for (const QJsonValue& v : s.toObject().value(QStringLiteral("values")).toArray())
                values[v.toObject().value(QStringLiteral("index")).toInt(-1)] =
                    v.toObject().value(QStringLiteral("value")).toDouble();
            if (readVoiceShifter(values, &voice)) {
                voice.shifterVst = s.toObject().value(QStringLiteral("vst")).toString().toStdString();
                voice.shifterFxp = s.toObject().value(QStringLiteral("fxp")).toString().toStdString();
                for (const auto& [index, value] : values)
                    voice.shifterParameters +=
                        format("%s%d=%.6g", voice.shifterParameters.empty() ? "" : ",", index, value);
            }
        }
        voices->push_back(voice);
    }
    return true;
}

// ------------------------------------------------------------ the speakers

struct Speaker
{
    std::string name;
    std::vector<std::string> voice; // espeak-ng arguments
    std::string clip;
    Figures dry;
    std::vector<Figures> calibration; // one per kCalibrationShifts
};

// Two male and two female espeak-ng voices, each low and high: their median
// F0 are about 96, 128, 181 and 255 Hz.
std::vector<Speaker> speakers()
{
    return {{"low male", {"-v", "en+m3", "-p", "40"}, {}, {}, {}},
            {"high male", {"-v", "en+m3", "-p", "70"}, {}, {}, {}},
            {"low female", {"-v", "en+f3", "-p", "30"}, {}, {}, {}},
            {"high female", {"-v", "en+f3", "-p", "70"}, {}, {}, {}}};
}

// sox's speed effect resamples: F0 and formants move by exactly these
// shifts (semitones), which checks the measurement over the range the voices use.
constexpr double kCalibrationShifts[] = {-5.0, 2.0, 7.0, 9.0, 12.0};

// ------------------------------------------------------------ the runs

// A program that writes `file`, whose figures then go to `figures`; no
// program: `file` is only measured (and kept).
struct Job
{
    std::vector<std::string> command;
    std::string file;
    Figures* figures = nullptr;
    std::string label;
    bool failed = false;
    std::string reason;
};

Job job(std::vector<std::string> command, std::string file, Figures* figures, std::string label)
{
    Job made;
    made.command = std::move(command);
    made.file = std::move(file);
    made.figures = figures;
    made.label = std::move(label);
    return made;
}

// Runs the jobs on `workers` threads: each runs its program, measures the
// file and deletes it (the renders would fill the disk otherwise).
void runJobs(std::vector<Job>* jobs, int workers, const std::string& what)
{
    std::atomic<std::size_t> next{0}, done{0};
    const auto work = [&] {
        for (std::size_t n; (n = next++) < jobs->size();) {
            Job& job = (*jobs)[n];
            if (!job.command.empty() && timeProgram(job.command) < 0) {
                job.failed = true;
                job.reason = "the program failed";
            } else {
                Sound sound;
                if (readSound(job.file, &sound, &job.reason))
                    *job.figures = analyse(sound);
                else
                    job.failed = true;
            }
            if (!job.command.empty())
                unlink(job.file.c_str());
            const std::size_t count = ++done;
            if (count % 20 == 0 || count == jobs->size())
                progress(format("%s: %zu/%zu", what.c_str(), count, jobs->size()));
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < workers; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
}

// A pitch counts as measured when the output has at least a quarter of the
// dry speaker's voiced frames.
bool hasPitch(const Figures& out, const Figures& dry)
{
    return out.measured && out.voiced >= std::max(10, dry.voiced / 4);
}

// Vowels of men for the male speakers, 17 % higher for the female ones.
double vowelScale(const Figures& dry)
{
    return dry.f0 > 160 ? 1.17 : 1.0;
}

// Formants checked on vowels of known formants, for each target voice and
// speaker: the measurement's own error (the vowels at the speaker's F0
// against the same vowels at the target F0 with the target formant shift),
// and the voice's output for those vowels against the latter.
void checkOnVowels(const std::vector<Speaker>& people, std::vector<Voice>* voices, const std::string& cli,
                   const std::string& dir, int workers)
{
    constexpr double kVowelSeconds = 6.0;
    for (Voice& voice : *voices)
        if (voice.target)
            voice.vowelOutput.resize(people.size()); // the jobs below point into it
    std::vector<Job> jobs;
    std::vector<Figures> inputs(people.size()); // the vowels at each speaker's F0
    for (std::size_t s = 0; s < people.size(); ++s) {
        if (!std::isfinite(people[s].dry.f0))
            continue;
        const Sound vowels = syntheticVowels(people[s].dry.f0, vowelScale(people[s].dry), 1.0, kVowelSeconds);
        inputs[s] = analyse(vowels);
        const std::string input = dir + format("/vowels%zu.wav", s);
        // The renders take stereo 48 kHz like the speakers.
        if (!writeMonoAsStereo(input, vowels.samples, int(vowels.rate))) {
            progress("cannot write " + input);
            continue;
        }
        for (Voice& voice : *voices) {
            if (!voice.target)
                continue;
            const std::string out = dir + format("/vowels%d-%zu.wav", voice.id, s);
            jobs.push_back(job({cli, "render", "--input", input, "--output", out, "--effect",
                                std::to_string(voice.id), "--format", "float"},
                               out, &voice.vowelOutput[s], voice.name + ", vowels of " + people[s].name));
        }
    }
    runJobs(&jobs, workers, "vowels rendered and measured");
    for (std::size_t s = 0; s < people.size(); ++s) {
        const Figures& dry = people[s].dry;
        const Figures& vowels = inputs[s];
        if (!vowels.measured)
            continue;
        for (Voice& voice : *voices) {
            if (!voice.target)
                continue;
            for (std::vector<double>* v :
                 {&voice.measureF1Error, &voice.measureF2Error, &voice.vowelF1Off, &voice.vowelF2Off})
                v->resize(people.size(), NAN);
            const Figures ideal =
                analyse(syntheticVowels(voice.targetHz, vowelScale(dry), voice.formantFactor, kVowelSeconds));
            voice.measureF1Error[s] =
                envelopeWarp(vowels, ideal, kF1BandLow, kF1BandHigh) / voice.formantFactor - 1;
            voice.measureF2Error[s] =
                envelopeWarp(vowels, ideal, kF2BandLow, kF2BandHigh) / voice.formantFactor - 1;
            if (hasPitch(voice.vowelOutput[s], vowels)) {
                voice.vowelF1Off[s] = envelopeWarp(ideal, voice.vowelOutput[s], kF1BandLow, kF1BandHigh) - 1;
                voice.vowelF2Off[s] = envelopeWarp(ideal, voice.vowelOutput[s], kF2BandLow, kF2BandHigh) - 1;
            }
        }
    }
}

// ------------------------------------------------------------ the report

std::string hz(double value)
{
    return std::isfinite(value) ? format("%.0f", value) : "—";
}

std::string percentOf(double ratio)
{
    return std::isfinite(ratio) ? format("%.0f %%", 100.0 * ratio) : "—";
}

std::string signedDb(double value)
{
    return std::isfinite(value) ? format("%+.1f", value) : "—";
}

std::string mark(bool pass)
{
    return pass ? "✓" : "**✗**";
}

double ownError(const std::vector<double>& errors, std::size_t s)
{
    return s < errors.size() ? errors[s] : NAN;
}

double meanOf(const std::vector<double>& values)
{
    double sum = 0.0;
    int count = 0;
    for (double v : values)
        if (std::isfinite(v)) {
            sum += v;
            ++count;
        }
    return count ? sum / count : NAN;
}

// The formant shifts the report uses: the stretch of the averaged envelope
// around F1 and around F2; NaN without a pitch (the envelope is averaged over
// the voiced frames).
double f1Shift(const Figures& out, const Figures& dry)
{
    return hasPitch(out, dry) ? envelopeWarp(dry, out, kF1BandLow, kF1BandHigh) : NAN;
}

double f2Shift(const Figures& out, const Figures& dry)
{
    return hasPitch(out, dry) ? envelopeWarp(dry, out, kF2BandLow, kF2BandHigh) : NAN;
}

// The largest error of the measurement itself (on synthetic vowels at the
// same F0) at which a formant shift of speech is still judged against its
// 8 % goal; beyond it the shift of the vowels through the voice is.
constexpr double kResolvable = 0.04;

// What a target voice did for one speaker, against its goals.
struct Verdict
{
    double f0Off = NAN;              // output median F0 vs target, relative
    double f1Off = NAN, f2Off = NAN; // formant ratio vs the target factor, relative
    double levelChange = NAN;
    bool f0Pass = false, f1Pass = false, f2Pass = false, levelPass = false, scalePass = false;
    // True where the measurement misreads synthetic vowels at these F0 by
    // more than kResolvable: the formant goal is judged on the vowels
    // through the voice (vowelF1Off, vowelF2Off) instead of the speech.
    bool f1ByVowels = false, f2ByVowels = false;
    double vowelF1Off = NAN, vowelF2Off = NAN;
    double judgedF1Off() const { return f1ByVowels ? vowelF1Off : f1Off; }
    double judgedF2Off() const { return f2ByVowels ? vowelF2Off : f2Off; }
    bool pass() const { return f0Pass && f1Pass && f2Pass && levelPass && scalePass; }
};

// `s`: the speaker, for the measurement's own error at these F0; a negative
// one judges every figure (the peer, whose F0 is not the target's).
Verdict judge(const Voice& voice, const Figures& out, const Figures& dry, std::ptrdiff_t s = -1)
{
    Verdict v;
    if (!out.measured)
        return v;
    if (hasPitch(out, dry))
        v.f0Off = out.f0 / voice.targetHz - 1.0;
    v.f1Off = f1Shift(out, dry) / voice.formantFactor - 1.0;
    v.f2Off = f2Shift(out, dry) / voice.formantFactor - 1.0;
    v.levelChange = out.level - dry.level;
    v.f0Pass = std::fabs(v.f0Off) <= 0.10;
    const auto at = [&](const std::vector<double>& values) {
        return s >= 0 && std::size_t(s) < values.size() ? values[std::size_t(s)] : NAN;
    };
    v.vowelF1Off = at(voice.vowelF1Off);
    v.vowelF2Off = at(voice.vowelF2Off);
    v.f1ByVowels = s >= 0 && !(std::fabs(at(voice.measureF1Error)) <= kResolvable);
    v.f2ByVowels = s >= 0 && !(std::fabs(at(voice.measureF2Error)) <= kResolvable);
    v.f1Pass = std::fabs(v.judgedF1Off()) <= 0.08;
    v.f2Pass = std::fabs(v.judgedF2Off()) <= 0.08;
    v.levelPass = std::fabs(v.levelChange) <= 3.0;
    v.scalePass = !out.fullScale;
    return v;
}

std::string offPercent(double off)
{
    return std::isfinite(off) ? format("%+.1f %%", 100.0 * off) : "—";
}

// A formant figure of the speech, and of the vowels through the voice: the
// mark goes with the one that is judged.
std::string formantCell(double speech, double vowels, bool byVowels, bool pass)
{
    return byVowels ? offPercent(speech) + " (vowels " + offPercent(vowels) + " " + mark(pass) + ")"
                    : offPercent(speech) + " " + mark(pass);
}

// The figures of each file; the formant shifts are against the first file.
int measureFiles(int count, char** paths)
{
    std::printf("| file | voiced frames | median F0 Hz | spread st | F1 / F2 per frame Hz | F1 / F2 shift | "
                "active level dBFS | peak dBFS |\n|---|---:|---:|---:|---:|---:|---:|---:|\n");
    int failed = 0;
    Figures first;
    for (int i = 0; i < count; ++i) {
        Sound sound;
        std::string error;
        if (!readSound(paths[i], &sound, &error)) {
            progress(error);
            ++failed;
            continue;
        }
        const Figures f = analyse(sound);
        if (i == 0)
            first = f;
        std::printf("| %s | %d | %s | %.2f | %s / %s | %s / %s | %.1f | %.1f%s |\n", paths[i], f.voiced,
                    hz(f.f0).c_str(), f.spread, hz(f.f1).c_str(), hz(f.f2).c_str(),
                    percentOf(f1Shift(f, first)).c_str(), percentOf(f2Shift(f, first)).c_str(), f.level,
                    f.peak, f.fullScale ? " (full scale)" : "");
    }
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string cli, sox = "sox", rubberband = "rubberband", summaryPath;
    bool quick = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::string* value = argument == "--cli"          ? &cli
                             : argument == "--sox"        ? &sox
                             : argument == "--rubberband" ? &rubberband
                             : argument == "--summary"    ? &summaryPath
                                                          : nullptr;
        if (argument == "--quick") {
            quick = true;
        } else if (argument == "--measure") {
            return measureFiles(argc - i - 1, argv + i + 1);
        } else if (value && i + 1 < argc) {
            *value = argv[++i];
        } else if (argument == "--help" || argument == "-h") {
            std::printf(
                "Usage: zelvani-bench-voices --cli PATH [--rubberband PATH] [--sox PATH] [--quick] "
                "[--summary FILE]\n"
                "       zelvani-bench-voices --measure FILE...\n\n"
                "Renders four espeak-ng speakers (12 s, 6 s with --quick) through each bundled effect\n"
                "('zelvani-cli render --effect ID --format float') and measures each output's F0, formant\n"
                "shifts and level against the dry speaker. Target voices are checked against their goals,\n"
                "beside rubberband shifting each speaker by the voice's former fixed shift. --summary\n"
                "appends the headline rows to FILE. --measure prints the figures of the given files (the\n"
                "shifts against the first) and exits.\n"
                "Exit code 1 when no effect could be rendered, 2 on bad usage.\n");
            return 0;
        } else {
            progress("unknown or incomplete argument '" + argument + "' (see --help)");
            return 2;
        }
    }
    if (cli.empty()) {
        progress("--cli PATH_TO_zelvani-cli is required");
        return 2;
    }
    const auto started = Clock::now();
    const double clipSeconds = quick ? 6.0 : 12.0;
    const int workers = 2;

    std::string dir;
    if (!scratchFolder("zelvani-bench-voices", &dir)) {
        progress("cannot make a temporary folder");
        return 1;
    }
    const auto cleanUp = [&] { removeTree(dir); };

    std::string error;
    std::vector<Voice> voices;
    std::vector<Speaker> people = speakers();
    progress(format("writing %zu speakers of %.0f s", people.size(), clipSeconds));
    for (std::size_t s = 0; s < people.size(); ++s) {
        people[s].clip = dir + format("/speaker%zu.wav", s);
        if (!writeSpeech(people[s].clip, clipSeconds, people[s].voice, -6.0, &error, sox)) {
            progress(error);
            cleanUp();
            return 1;
        }
    }
    if (!readCatalogue(cli, &voices, &error)) {
        progress(error);
        cleanUp();
        return 1;
    }
    std::string rubberbandVersion;
    // rubberband prints its version on standard error.
    shellOutput("'" + rubberband + "' --version 2>&1 | head -n 1", &rubberbandVersion);
    rubberbandVersion = lastLine(rubberbandVersion);
    const bool hasRubberband =
        !rubberbandVersion.empty() && std::isdigit(static_cast<unsigned char>(rubberbandVersion[0]));

    // The dry speakers, their calibration copies, each effect and each peer shift.
    std::vector<Job> jobs;
    std::map<long, std::vector<Figures>> peers; // shift in tenths of a semitone → per speaker
    // The VoiceShifter stage of a target voice alone tells a miss of the
    // shifter from one of the rest of its chain; its files are found in the
    // resources folder beside the CLI (a build tree's or a portable copy's).
    const std::size_t slash = cli.rfind('/');
    const std::string resources = (slash == std::string::npos ? "." : cli.substr(0, slash)) + "/resources/";
    const auto exists = [](const std::string& path) { return ::access(path.c_str(), R_OK) == 0; };
    for (Voice& voice : voices) {
        voice.output.resize(people.size());
        if (std::isfinite(voice.fixedShift))
            peers[std::lround(voice.fixedShift * 10)].resize(people.size());
        if (voice.target && !voice.shifterVst.empty() && exists(resources + voice.shifterVst) &&
            (voice.shifterFxp.empty() || exists(resources + voice.shifterFxp)))
            voice.shifterOnly.resize(people.size());
    }
    if (!hasRubberband) {
        progress(rubberband + " does not run: no peer figures");
        peers.clear();
    }
    for (std::size_t s = 0; s < people.size(); ++s) {
        Speaker& speaker = people[s];
        jobs.push_back(job({}, speaker.clip, &speaker.dry, speaker.name + " dry"));
        speaker.calibration.resize(std::size(kCalibrationShifts));
        for (std::size_t c = 0; c < std::size(kCalibrationShifts); ++c) {
            const std::string calibrated = dir + format("/calibration%zu-%zu.wav", c, s);
            const std::string speed = format("%.6f", std::exp2(kCalibrationShifts[c] / 12));
            jobs.push_back(job({sox, speaker.clip, calibrated, "speed", speed}, calibrated,
                               &speaker.calibration[c], speaker.name + " resampled"));
        }
        for (Voice& voice : voices) {
            const std::string out = dir + format("/voice%d-%zu.wav", voice.id, s);
            jobs.push_back(job({cli, "render", "--input", speaker.clip, "--output", out, "--effect",
                                std::to_string(voice.id), "--format", "float"},
                               out, &voice.output[s], voice.name + ", " + speaker.name));
            if (voice.shifterOnly.empty())
                continue;
            const std::string alone = dir + format("/shifter%d-%zu.wav", voice.id, s);
            std::vector<std::string> render = {
                cli,        "render",
                "--input",  speaker.clip,
                "--output", alone,
                "--vst",    resources + voice.shifterVst + ":" + voice.shifterParameters};
            if (!voice.shifterFxp.empty())
                render.insert(render.end(), {"--fxp", resources + voice.shifterFxp});
            render.insert(render.end(), {"--format", "float"});
            jobs.push_back(
                job(render, alone, &voice.shifterOnly[s], voice.name + " shifter, " + speaker.name));
        }
        for (auto& [tenths, figures] : peers) {
            const std::string out = dir + format("/peer%ld-%zu.wav", tenths, s);
            const std::string shift = format("%.1f", tenths / 10.0);
            jobs.push_back(job({rubberband, "-q", "-3", "-F", "-p", shift, speaker.clip, out}, out,
                               &figures[s], "rubberband " + shift + " st, " + speaker.name));
        }
    }
    progress(format("rendering and measuring %zu files, %d at a time", jobs.size(), workers));
    runJobs(&jobs, workers, "rendered and measured");
    checkOnVowels(people, &voices, cli, dir, workers);
    int failures = 0;
    for (const Job& job : jobs)
        if (job.failed) {
            std::string output, why;
            if (++failures <= 5 && !job.command.empty() && !capture(job.command, &output, &why))
                progress(job.label + " failed: " + why);
            else if (failures <= 5)
                progress(job.label + " failed: " + job.reason);
        }
    cleanUp();
    for (const Speaker& speaker : people)
        if (!speaker.dry.measured) {
            progress("a speaker clip could not be measured");
            return 1;
        }
    const double runSeconds = secondsSince(started);

    // ---------------------------------------------------------------- report
    std::printf("# Voices benchmark\n\n");
    std::printf("- Date: %s\n- Machine: %s, %u cores (nproc)\n", today().c_str(), cpuModel().c_str(),
                std::thread::hardware_concurrency());
#ifdef NDEBUG
    std::printf("- Build: optimised%s\n", quick ? "; quick run (shorter clips)" : "");
#else
    std::printf("- Build: NOT optimised%s\n", quick ? "; quick run" : "");
#endif
    std::printf("- Peer: %s\n", hasRubberband ? ("rubberband " + rubberbandVersion).c_str()
                                              : "none (rubberband "
                                                "does not run)");
    std::printf("- Took: %.0f s for %zu renders and measurements, %d at a time%s\n\n", runSeconds,
                jobs.size(), workers, failures ? format(" (**%d failed**)", failures).c_str() : "");

    std::printf("## Speakers\n\n");
    std::printf(
        "The same English passage (%.0f s) spoken by espeak-ng, converted by sox to 48000 Hz stereo "
        "16-bit with its peaks at −6 dBFS.\n\n"
        "How everything is measured, on the mono mix: *F0*: YIN on a 40 ms window every 10 ms, the mix "
        "low-passed and decimated to %.0f kHz; voiced frames are those within %.0f dB of the loud frames "
        "whose "
        "aperiodicity dips below %.1f; the median and the interquartile range (*spread*) over them. "
        "*Formants*: LPC of order %d (autocorrelation, Levinson) of 30 ms pre-emphasised Hamming frames "
        "at the voiced frames, the mix decimated to %.0f kHz. F1 and F2 here are the means of the frames' "
        "estimates (roots of the LPC "
        "polynomial narrower than 400 Hz: F1 the first in 200–1100 Hz, F2 the next, in 700–3200 Hz). "
        "*F1 and F2 shifts* (below): the frequency stretch, 0.4–2.5×, that best lines up (correlation) "
        "the dry speaker's LPC envelope, averaged over its voiced frames, with the output's, over "
        "300–1600 Hz of the dry for F1 and 700–3200 Hz for F2. The ratio of the frames' mean estimates is "
        "shown in "
        "the check below but not used: formants moved across the fixed ranges change which frames "
        "yield an estimate and which resonance is taken, and it misreads shifts by up to 30 %%. "
        "*Level*: RMS of the active speech (20 ms frames within %.0f dB of the loud ones), both "
        "channels.\n\n",
        clipSeconds, kPitchRate / 1000, kActiveRange, kAperiodicity, kLpcOrder, kFormantRate / 1000,
        kActiveRange);
    std::printf("| speaker | espeak-ng | median F0 Hz | F0 spread st | voiced frames | F1 Hz | F2 Hz | "
                "active level dBFS |\n|---|---|---:|---:|---:|---:|---:|---:|\n");
    for (const Speaker& s : people) {
        std::string voice;
        for (const std::string& word : s.voice)
            voice += (voice.empty() ? "" : " ") + word;
        std::printf("| %s | `%s` | %s | %.1f | %d | %s | %s | %.1f |\n", s.name.c_str(), voice.c_str(),
                    hz(s.dry.f0).c_str(), s.dry.spread, s.dry.voiced, hz(s.dry.f1).c_str(),
                    hz(s.dry.f2).c_str(), s.dry.level);
    }

    // The measurement's own check: resampling moves F0 and formants by one known ratio.
    std::printf(
        "\n### Check of the measurement\n\nEach speaker resampled by `sox speed RATIO`: F0, F1 and F2 "
        "all move by exactly the ratio. What the measurement reads (the shifts are used below; the "
        "ratio of the per-frame means is not):\n\n");
    std::printf("| speaker | ratio | F0 | F1 shift | F2 shift | F1 per frame, ratio of means | F2 per frame, "
                "ratio of means |\n|---|---:|---:|---:|---:|---:|---:|\n");
    for (std::size_t c = 0; c < std::size(kCalibrationShifts); ++c)
        for (const Speaker& s : people) {
            const Figures& r = s.calibration[c];
            std::printf("| %s | %.1f %% (%+.0f st) | %s | %s | %s | %s | %s |\n", s.name.c_str(),
                        100 * std::exp2(kCalibrationShifts[c] / 12), kCalibrationShifts[c],
                        percentOf(r.f0 / s.dry.f0).c_str(), percentOf(f1Shift(r, s.dry)).c_str(),
                        percentOf(f2Shift(r, s.dry)).c_str(), percentOf(r.f1 / s.dry.f1).c_str(),
                        percentOf(r.f2 / s.dry.f2).c_str());
        }

    std::printf("\n## Each bundled effect\n\n");
    std::printf("`zelvani-cli render --input SPEAKER --output OUT --effect ID --format float` for each "
                "speaker. *Median F0*: the output's, for each speaker (low male / high male / low female / "
                "high female), — where fewer than a quarter of the dry voiced frames have a pitch; *spread*: "
                "the mean interquartile range. *F1*, *F2*: the shifts, output ÷ dry, mean over the speakers. "
                "*Level*: active speech RMS, output − dry, mean over the speakers. *Peak*: the highest over "
                "the speakers; *full scale*: how many speakers' outputs have a sample at |x| ≥ %.3f.\n\n",
                kFullScale);
    std::printf("| id | voice | median F0 Hz | F0 spread st | F1 | F2 | level dB | peak dBFS | full scale |\n"
                "|---:|---|---:|---:|---:|---:|---:|---:|---:|\n");
    int rendered = 0;
    for (const Voice& voice : voices) {
        std::string f0s;
        std::vector<double> spreads, f1s, f2s, levels;
        double peak = -INFINITY;
        int overs = 0, measured = 0;
        for (std::size_t s = 0; s < people.size(); ++s) {
            const Figures& out = voice.output[s];
            const Figures& dry = people[s].dry;
            const bool pitched = hasPitch(out, dry);
            f0s += (s ? " / " : "") + (pitched ? hz(out.f0) : std::string(out.measured ? "—" : "failed"));
            if (!out.measured)
                continue;
            ++measured;
            if (pitched)
                spreads.push_back(out.spread);
            f1s.push_back(f1Shift(out, dry));
            f2s.push_back(f2Shift(out, dry));
            levels.push_back(out.level - dry.level);
            peak = std::max(peak, out.peak);
            overs += out.fullScale;
        }
        if (measured)
            ++rendered;
        std::printf("| %d | %s%s%s | %s | %s | %s | %s | %s | %s | %s |\n", voice.id, voice.name.c_str(),
                    voice.target ? format(" (target %.0f Hz)", voice.targetHz).c_str() : "",
                    voice.filesReady ? "" : " (files missing)", f0s.c_str(),
                    spreads.empty() ? "—" : format("%.1f", meanOf(spreads)).c_str(),
                    percentOf(meanOf(f1s)).c_str(), percentOf(meanOf(f2s)).c_str(),
                    signedDb(meanOf(levels)).c_str(), measured ? format("%.1f", peak).c_str() : "—",
                    !measured ? "—"
                    : overs   ? format("**%d**", overs).c_str()
                              : "no");
    }
    std::fflush(stdout);
    if (!rendered) {
        progress("zelvani-cli rendered no effect");
        return 1;
    }

    // ---------------------------------------------------------------- targets
    std::vector<const Voice*> targets;
    for (const Voice& voice : voices)
        if (voice.target)
            targets.push_back(&voice);
    const auto peerFigures = [&](const Voice& voice, std::size_t s) -> const Figures* {
        const auto it = peers.find(std::lround(voice.fixedShift * 10));
        return std::isfinite(voice.fixedShift) && it != peers.end() && it->second[s].measured ? &it->second[s]
                                                                                              : nullptr;
    };
    if (!peers.empty()) {
        std::printf(
            "\n## Peer: rubberband by the former fixed shifts\n\n`rubberband -q -3 -F -p ST SPEAKER "
            "OUT` (R3 engine, formants preserved), for the voices that had a fixed shift before their "
            "target mode; measured as above.\n\n");
        std::printf(
            "| shift st | voices | median F0 Hz | F1 | F2 | level dB |\n|---:|---|---:|---:|---:|---:|\n");
        for (const auto& [tenths, figures] : peers) {
            std::string names, f0s;
            for (const Voice& voice : voices)
                if (std::lround(voice.fixedShift * 10) == tenths)
                    names += (names.empty() ? "" : ", ") + voice.name;
            std::vector<double> f1s, f2s, levels;
            for (std::size_t s = 0; s < people.size(); ++s) {
                const Figures& out = figures[s];
                const Figures& dry = people[s].dry;
                f0s += (s ? " / " : "") + (hasPitch(out, dry) ? hz(out.f0) : std::string("—"));
                if (!out.measured)
                    continue;
                f1s.push_back(f1Shift(out, dry));
                f2s.push_back(f2Shift(out, dry));
                levels.push_back(out.level - dry.level);
            }
            std::printf("| %+.1f | %s | %s | %s | %s | %s |\n", tenths / 10.0, names.c_str(), f0s.c_str(),
                        percentOf(meanOf(f1s)).c_str(), percentOf(meanOf(f2s)).c_str(),
                        signedDb(meanOf(levels)).c_str());
        }
    }

    std::printf("\n## Target voices\n\n");
    double worstF0 = NAN, worstPeerF0 = NAN, worstFormant = NAN, worstPeerFormant = NAN;
    int byVowels = 0; // formant figures judged on the vowels through the voice
    // A figure that could not be measured (no render, no pitch) counts as infinitely far.
    const auto worse = [](double* worst, double off) {
        const double distance = std::isfinite(off) ? std::fabs(off) : INFINITY;
        if (!(distance <= *worst))
            *worst = distance;
    };
    if (targets.empty()) {
        std::printf("No effect of the catalogue is a target voice (VoiceShifter, type %d, with its Mode at "
                    "target): nothing to check.\n",
                    kVoiceShifter);
    } else {
        std::printf(
            "Goals for each speaker: output median F0 within 10 %% of the target; F1 and F2 (output "
            "÷ dry) within 8 %% of the target formant shift; active level within "
            "±3 dB of the dry; no sample at full scale. *Peer*: `rubberband -3 -F -p ST` (R3 engine, "
            "formants preserved) by the voice's former fixed shift, measured the same way; its F0 "
            "against the same target. *Shifter alone*: the voice's VoiceShifter stage rendered on "
            "its own (`--vst … --fxp …`): reverberation, filters and distortion later in a chain "
            "also move the F1 and F2 figures (see the effects without a formant shift above), so a "
            "miss that the shifter alone does not have comes from the rest of the chain or from the "
            "measure, not from the target mode. *Measure's own error*: what the same measurement "
            "reads, against the truth, for synthetic vowels (the twelve vowels of men in Hillenbrand et "
            "al. 1995, 17 %% higher for the female speakers, on an impulse train through four "
            "resonators, F0 ±1.5 semitones) at the speaker's median F0 against the same vowels at the "
            "target F0 with exactly the target formant shift. Resampling (the check above) moves F0 "
            "and formants together, so it cannot show this error: when F0 rises much more than the "
            "formants, the few harmonics under F1 pull the LPC envelope towards them. *Vowels through "
            "the voice*: those vowels at the speaker's F0 rendered through the voice, against the "
            "vowels made at the target F0 with the target formant shift: both have about the same F0, "
            "so the harmonics sample the formants alike and the measurement's error cancels. Where the "
            "measure's own error exceeds %.0f %%, the formant goal is judged on the vowels through the "
            "voice (shown in brackets) rather than on the speech.\n\n",
            100 * kResolvable);
        std::printf(
            "| voice | speaker | target F0 | F0 Hz | off | F1 off | F2 off | measure's own error: F1 / F2 "
            "| vowels through the voice: F1 / F2 off | shifter alone: F1 / F2 off | level dB | peak dBFS "
            "| peer F0 Hz | peer off | peer F1 / F2 off |\n"
            "|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
        for (const Voice* voice : targets)
            for (std::size_t s = 0; s < people.size(); ++s) {
                const Figures& out = voice->output[s];
                const Figures& dry = people[s].dry;
                const Verdict v = judge(*voice, out, dry, std::ptrdiff_t(s));
                const Figures* peer = peerFigures(*voice, s);
                Verdict p, alone;
                if (peer)
                    p = judge(*voice, *peer, dry);
                if (!voice->shifterOnly.empty())
                    alone = judge(*voice, voice->shifterOnly[s], dry, std::ptrdiff_t(s));
                worse(&worstF0, v.f0Off);
                worse(&worstFormant, v.judgedF1Off());
                worse(&worstFormant, v.judgedF2Off());
                byVowels += int(v.f1ByVowels) + int(v.f2ByVowels);
                if (peer) {
                    worse(&worstPeerF0, p.f0Off);
                    worse(&worstPeerFormant, p.f1Off);
                    worse(&worstPeerFormant, p.f2Off);
                }
                std::printf(
                    "| %s | %s | %.0f Hz, formants ×%.2f | %s | %s %s | %s | %s | %s / %s | %s / %s | %s / "
                    "%s | "
                    "%s %s | %s %s | %s | %s | %s / %s |\n",
                    voice->name.c_str(), people[s].name.c_str(), voice->targetHz, voice->formantFactor,
                    out.measured && hasPitch(out, dry) ? hz(out.f0).c_str() : "—",
                    offPercent(v.f0Off).c_str(), mark(v.f0Pass).c_str(),
                    formantCell(v.f1Off, v.vowelF1Off, v.f1ByVowels, v.f1Pass).c_str(),
                    formantCell(v.f2Off, v.vowelF2Off, v.f2ByVowels, v.f2Pass).c_str(),
                    offPercent(ownError(voice->measureF1Error, s)).c_str(),
                    offPercent(ownError(voice->measureF2Error, s)).c_str(), offPercent(v.vowelF1Off).c_str(),
                    offPercent(v.vowelF2Off).c_str(), offPercent(alone.f1Off).c_str(),
                    offPercent(alone.f2Off).c_str(), signedDb(v.levelChange).c_str(),
                    mark(v.levelPass).c_str(), out.measured ? format("%.1f", out.peak).c_str() : "—",
                    mark(v.scalePass).c_str(), peer && hasPitch(*peer, dry) ? hz(peer->f0).c_str() : "—",
                    offPercent(p.f0Off).c_str(), offPercent(p.f1Off).c_str(), offPercent(p.f2Off).c_str());
            }

        std::printf("\n### Goals met\n\n✓: every goal met; otherwise the goals missed.\n\n| voice |");
        for (const Speaker& s : people)
            std::printf(" %s |", s.name.c_str());
        std::printf("\n|---|");
        for (std::size_t s = 0; s < people.size(); ++s)
            std::printf(":---:|");
        std::printf("\n");
        int missed = 0;
        for (const Voice* voice : targets) {
            std::printf("| %s |", voice->name.c_str());
            for (std::size_t s = 0; s < people.size(); ++s) {
                const Verdict v = judge(*voice, voice->output[s], people[s].dry, std::ptrdiff_t(s));
                std::string failed;
                const auto add = [&](bool pass, const char* goal) {
                    if (!pass)
                        failed += std::string(failed.empty() ? "" : ", ") + goal;
                };
                add(v.f0Pass, "F0");
                add(v.f1Pass, "F1");
                add(v.f2Pass, "F2");
                add(v.levelPass, "level");
                add(v.scalePass, "full scale");
                if (!voice->output[s].measured)
                    failed = "not rendered";
                missed += !failed.empty();
                std::printf(" %s |", failed.empty() ? "✓" : ("**✗ " + failed + "**").c_str());
            }
            std::printf("\n");
        }
        std::printf("\n%s\n", missed ? format("**%d of %zu voice × speaker pairs miss a goal.**", missed,
                                              targets.size() * people.size())
                                           .c_str()
                                     : "Every target voice meets every goal for every speaker.");
        if (byVowels)
            std::printf("\n%d of %zu formant figures are judged on the vowels through the voice: for the "
                        "speech the measurement misreads synthetic vowels at their F0 by more than %.0f %% "
                        "(see *measure's own error* above).\n",
                        byVowels, 2 * targets.size() * people.size(), 100 * kResolvable);
        if (missed)
            progress(format("%d voice × speaker pairs miss a goal (see the report)", missed));
    }

    Summary summary;
    summary.open(summaryPath);
    const std::string peerName = "rubberband -3 -F, the former fixed shifts";
    if (targets.empty()) {
        summary.add("Target voices: largest distance of the output median F0 from its target (no target "
                    "voice in the catalogue)",
                    NAN, peerName, NAN, "%", true);
    } else {
        const auto unmeasured = [](double worst) {
            return std::isinf(worst) ? " (some not measured: see its table)" : "";
        };
        summary.add(format("Target voices: largest distance of the output median F0 from its target, %zu "
                           "voices × %zu speakers%s",
                           targets.size(), people.size(), unmeasured(worstF0)),
                    100 * worstF0, peerName, 100 * worstPeerF0, "%", true);
        summary.add(format("Target voices: largest F1/F2 error against the target formant shift, %zu voices "
                           "× %zu speakers%s%s",
                           targets.size(), people.size(), unmeasured(worstFormant),
                           byVowels
                               ? format(" (%d of %zu figures on synthetic vowels through the voice, where "
                                        "the speech cannot be measured)",
                                        byVowels, 2 * targets.size() * people.size())
                                     .c_str()
                               : ""),
                    100 * worstFormant, peerName, 100 * worstPeerFormant, "%", true);
    }
    progress(format("done in %.0f s", secondsSince(started)));
    return 0;
}
