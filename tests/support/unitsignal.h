// Built-in units driven directly: made by type, fed test signals in 10 ms
// blocks, and measured.
#pragma once

#include <zaudio/unit.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace unitsignal {

constexpr int kRate = 48000;
constexpr unsigned kBlock = 480; // 10 ms

// A unit of `type`, set up for 48 kHz and 8 channels, with the given parameters.
inline std::unique_ptr<zaudio::Unit> makeUnit(int type,
                                              std::initializer_list<std::pair<int, float>> values = {})
{
    std::unique_ptr<zaudio::Unit> unit = zaudio::createUnit(type);
    if (!unit)
        return unit;
    unit->setup(kRate, kBlock, zaudio::Unit::kMaxChannels);
    for (const auto& [index, value] : values)
        unit->setParameter(index, value);
    return unit;
}

// Processes interleaved frames in place, block by block.
inline void run(zaudio::Unit& unit, std::vector<float>& data, int channels, unsigned block = kBlock)
{
    const std::size_t frames = data.size() / static_cast<std::size_t>(channels);
    for (std::size_t at = 0; at < frames; at += block) {
        const auto n = static_cast<unsigned>(std::min<std::size_t>(block, frames - at));
        unit.process(data.data() + at * static_cast<std::size_t>(channels), n, channels);
    }
}

inline std::vector<float> sine(double hz, double seconds, double amplitude = 0.5, int channels = 1)
{
    const auto frames = static_cast<std::size_t>(std::lround(seconds * kRate));
    std::vector<float> x(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        const auto v =
            static_cast<float>(amplitude * std::sin(2 * M_PI * hz * static_cast<double>(i) / kRate));
        for (int c = 0; c < channels; ++c)
            x[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] = v;
    }
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

// Steady-state gain in dB of a fresh unit of `type` for a sine of `hz`.
inline double gainDbAt(int type, std::initializer_list<std::pair<int, float>> values, double hz)
{
    auto unit = makeUnit(type, values);
    std::vector<float> x = sine(hz, 0.5, 0.25);
    run(*unit, x, 1);
    const std::size_t settle = x.size() / 2;
    return 20 * std::log10(std::max(amplitudeAt(x, hz, settle) / 0.25, 1e-12));
}

} // namespace unitsignal
