// Built-in units driven directly: made by type, fed test signals in 10 ms
// blocks, and measured.
#pragma once

#include <zaudio/unit.h>

#include <QMetaType>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace unitsignal {

constexpr int kRate = 48000;
constexpr unsigned kBlock = 480; // 10 ms

using Params = std::vector<std::pair<int, float>>; // (parameter index, value)

inline void set(zaudio::Unit& unit, const Params& values)
{
    for (const auto& [index, value] : values)
        unit.setParameter(index, value);
}

// A unit of `type`, set up for 48 kHz and 8 channels, with the given parameters.
inline std::unique_ptr<zaudio::Unit> makeUnit(int type, const Params& values = {})
{
    std::unique_ptr<zaudio::Unit> unit = zaudio::createUnit(type);
    if (unit) {
        unit->setup(kRate, kBlock, zaudio::Unit::kMaxChannels);
        set(*unit, values);
    }
    return unit;
}

// Processes interleaved frames in place, block by block; blocks restart at
// frame `at`, where `change` is applied.
inline void runChanging(zaudio::Unit& unit, std::vector<float>& data, int channels, std::size_t at,
                        const Params& change, unsigned block = kBlock)
{
    const auto stride = static_cast<std::size_t>(channels), frames = data.size() / stride;
    for (std::size_t i = 0; i < frames;) {
        if (i == at)
            set(unit, change);
        const std::size_t end = std::min({i + block, frames, i < at ? at : frames});
        unit.process(data.data() + i * stride, static_cast<unsigned>(end - i), channels);
        i = end;
    }
}

inline void run(zaudio::Unit& unit, std::vector<float>& data, int channels, unsigned block = kBlock)
{
    runChanging(unit, data, channels, SIZE_MAX, {}, block);
}

inline std::vector<float> sine(double hz, double seconds, double amplitude = 0.5, int channels = 1)
{
    const auto frames = static_cast<std::size_t>(std::lround(seconds * kRate));
    std::vector<float> x(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<float>(amplitude *
                                  std::sin(2 * M_PI * hz * static_cast<double>(i / channels) / kRate));
    return x;
}

// Channel `channel` of interleaved frames.
inline std::vector<float> channel(const std::vector<float>& data, int channels, int channel)
{
    std::vector<float> out;
    for (std::size_t i = static_cast<std::size_t>(channel); i < data.size();
         i += static_cast<std::size_t>(channels))
        out.push_back(data[i]);
    return out;
}

// The largest |x[i] - x[i - stride]| for i in [from, to), NaN once any is; a
// stride of the channel count compares the frames of interleaved data.
inline double steepestStep(const std::vector<float>& x, std::size_t from = 1, std::size_t to = SIZE_MAX,
                           std::size_t stride = 1)
{
    double m = 0;
    for (std::size_t i = std::max(from, stride); i < std::min(to, x.size()); ++i) {
        const double v = std::fabs(x[i] - (stride ? x[i - stride] : 0.0f));
        m = std::isnan(v) || v > m ? v : m;
    }
    return m;
}

// The largest |x[i]| in [from, to), NaN once any is.
inline double peak(const std::vector<float>& x, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    return steepestStep(x, from, to, 0);
}

inline double db(double amplitude)
{
    return 20 * std::log10(std::max(amplitude, 1e-12));
}

// Amplitude of the `hz` component of x[from, to), by Goertzel.
inline double amplitudeAt(const std::vector<float>& x, double hz, std::size_t from = 0, std::size_t to = 0)
{
    if (to == 0 || to > x.size())
        to = x.size();
    const double w = 2 * M_PI * hz / kRate, coefficient = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double s0 = x[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(to - from);
}

// Amplitude of the `hz` component in the loudest `width`-sample window of x
// (windows overlap by half). What a server records from a client that fell
// behind on a busy machine has gaps; this is the level where it played.
inline double steadyAmplitudeAt(const std::vector<float>& x, double hz, std::size_t width = 2400)
{
    if (x.size() <= width)
        return amplitudeAt(x, hz);
    double loudest = 0;
    for (std::size_t from = 0; from + width <= x.size(); from += width / 2)
        loudest = std::max(loudest, amplitudeAt(x, hz, from, from + width));
    return loudest;
}

// F0 of x[from, from + width) by YIN: the first lag whose cumulative-mean-
// normalised difference dips below 0.15 (else the deepest), refined by a
// parabola; from `lowestHz` to 1000 Hz. Needs rate / lowestHz + 1 samples
// after the window.
inline double pitchOf(const std::vector<float>& x, std::size_t from, std::size_t width, int rate = kRate,
                      int lowestHz = 40)
{
    const int shortest = rate / 1000, longest = rate / lowestHz;
    std::vector<double> d(static_cast<std::size_t>(longest) + 2, 1.0);
    double sum = 0;
    const float* w = x.data() + from;
    for (std::size_t lag = 1; lag <= static_cast<std::size_t>(longest) + 1; ++lag) {
        double e = 0;
        for (std::size_t i = 0; i < width; ++i)
            e += (w[i] - w[i + lag]) * (w[i] - w[i + lag]);
        sum += e;
        d[lag] = sum > 0 ? e * static_cast<double>(lag) / sum : 1.0;
    }
    auto at = [&](int lag) { return d[static_cast<std::size_t>(lag)]; };
    int best = shortest;
    for (int lag = shortest; lag <= longest; ++lag)
        best = at(lag) < at(best) ? lag : best;
    for (int lag = shortest; lag < longest; ++lag)
        if (at(lag) < 0.15) {
            for (best = lag; best < longest && at(best + 1) < at(best);)
                ++best;
            break;
        }
    const double a = at(best - 1), b = at(best), c = at(best + 1), curve = a - 2 * b + c;
    return rate / (best + (curve > 0 ? 0.5 * (a - c) / curve : 0.0));
}

// Shapes a source as a vowel: formant resonators at 700 and 1220 Hz.
inline void throughFormants(std::vector<float>& x)
{
    for (const auto& [hz, bandwidth] : {std::pair{700.0, 130.0}, {1220.0, 70.0}}) {
        const double r = std::exp(-M_PI * bandwidth / kRate), c = 2 * r * std::cos(2 * M_PI * hz / kRate);
        double y1 = 0, y2 = 0;
        for (float& v : x) {
            const double y = (1 - r) * v + c * y1 - r * r * y2;
            y2 = std::exchange(y1, y);
            v = static_cast<float>(y);
        }
    }
}

// A vowel: a band-limited pulse train of `f0` (harmonics up to 5 kHz falling
// 6 dB per octave) through the formants, peak 0.3.
inline std::vector<float> vowel(double f0, double seconds)
{
    std::vector<float> x(static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < x.size(); ++i)
        for (int h = 1; h * f0 < 5000; ++h)
            x[i] += static_cast<float>(std::cos(2 * M_PI * h * f0 * static_cast<double>(i) / kRate) / h);
    throughFormants(x);
    const float peak = std::fabs(
        *std::max_element(x.begin(), x.end(), [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
    for (float& v : x)
        v *= 0.3f / peak;
    return x;
}

} // namespace unitsignal

Q_DECLARE_METATYPE(unitsignal::Params)
