// The measure of a clean tone, shared by the audio tests and the latency
// benchmark's run under load.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <limits>
#include <vector>

namespace audiosignal {

// The lowest ratio, in dB, of a sine near `hz` to everything else over the
// 1.5 s windows (every 0.24 s) of the left channel of `stereo` at 48000 Hz.
// Per 20 ms the sine's amplitude is fitted, and its phase as a quadratic in
// time: a pitch that glides (an output resampled to follow another
// clock) is still the tone, while a gap, a repeat or a dropped block
// anywhere in a window shows as rest.
inline double worstToneToRest(const std::vector<float>& stereo, double hz)
{
    constexpr std::size_t kPart = 960, kWindow = 72000, kHop = 11520;
    const std::size_t frames = stereo.size() / 2;
    // The demodulated tone is averaged over whole periods, which removes the
    // image at twice its frequency.
    const auto period = static_cast<std::size_t>(std::lround(48000.0 / hz));
    std::vector<double> tone, rest; // energies per part
    for (std::size_t start = 0; start + kPart <= frames; start += kPart) {
        std::vector<std::complex<double>> base(kPart);
        for (std::size_t i = 0; i < kPart; ++i) {
            const double phase = 2.0 * M_PI * hz * static_cast<double>(start + i) / 48000.0;
            base[i] = static_cast<double>(stereo[2 * (start + i)]) * std::polar(1.0, -phase);
        }
        // Phase (unwrapped) and amplitude of the moving average, then a
        // least-squares quadratic through the phase.
        std::vector<double> t, phi;
        double amplitude = 0.0;
        std::complex<double> sum = 0.0;
        double unwrapped = 0.0, previous = 0.0;
        for (std::size_t i = 0; i < kPart; ++i) {
            sum += base[i];
            if (i >= period)
                sum -= base[i - period];
            if (i + 1 < period)
                continue;
            const std::complex<double> z = sum * (2.0 / static_cast<double>(period));
            double angle = std::arg(z);
            if (!phi.empty()) {
                double step = angle - previous;
                step -= 2.0 * M_PI * std::round(step / (2.0 * M_PI));
                unwrapped += step;
            } else {
                unwrapped = angle;
            }
            previous = angle;
            t.push_back((static_cast<double>(i) - (period - 1) / 2.0) / kPart - 0.5);
            phi.push_back(unwrapped);
            amplitude += std::abs(z);
        }
        amplitude /= static_cast<double>(phi.size());
        double m[3][4] = {};
        for (std::size_t k = 0; k < t.size(); ++k) {
            const double p[3] = {1.0, t[k], t[k] * t[k]};
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 3; ++c)
                    m[r][c] += p[r] * p[c];
                m[r][3] += p[r] * phi[k];
            }
        }
        for (int r = 0; r < 3; ++r) { // Gauss-Jordan on the 3 × 3 system
            for (int o = 0; o < 3; ++o) {
                if (o == r)
                    continue;
                const double f = m[o][r] / m[r][r];
                for (int c = 0; c < 4; ++c)
                    m[o][c] -= f * m[r][c];
            }
        }
        const double a = m[0][3] / m[0][0], b = m[1][3] / m[1][1], c = m[2][3] / m[2][2];
        double fitted = 0.0, residual = 0.0;
        for (std::size_t i = 0; i < kPart; ++i) {
            const double u = static_cast<double>(i) / kPart - 0.5;
            const double phase = 2.0 * M_PI * hz * static_cast<double>(start + i) / 48000.0;
            const double fit = amplitude * std::cos(phase + a + b * u + c * u * u);
            const double x = stereo[2 * (start + i)];
            fitted += fit * fit;
            residual += (x - fit) * (x - fit);
        }
        tone.push_back(fitted);
        rest.push_back(residual);
    }
    double worst = std::numeric_limits<double>::infinity();
    for (std::size_t first = 0; (first * kPart) + kWindow <= tone.size() * kPart; first += kHop / kPart) {
        double t = 0.0, r = 0.0;
        for (std::size_t p = first; p < first + kWindow / kPart; ++p) {
            t += tone[p];
            r += rest[p];
        }
        worst = std::min(worst, 10.0 * std::log10(t / std::max(r, 1e-30)));
    }
    return tone.empty() ? -std::numeric_limits<double>::infinity() : worst;
}

} // namespace audiosignal
