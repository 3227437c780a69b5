#pragma once

// Biquad filters: coefficients designed with the RBJ cookbook (normalised,
// a0 = 1) and a section in transposed direct form II for one or more
// channels. Coefficients and state are doubles whatever the samples are, so
// low corners at high rates keep their shape and long decays their precision.

#include "dsp/constants.h"

#include <algorithm>
#include <cmath>

namespace zdsp {

// Corners are kept between 1 Hz and just below half the rate, where every
// design stays stable.
struct BiquadCoefficients
{
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;

    static BiquadCoefficients lowPass(double hz, double q, double rate)
    {
        const double w = omega(hz, rate), cw = std::cos(w), alpha = std::sin(w) / (2.0 * q);
        return normalised((1 - cw) / 2, 1 - cw, (1 - cw) / 2, 1 + alpha, -2 * cw, 1 - alpha);
    }

    static BiquadCoefficients highPass(double hz, double q, double rate)
    {
        const double w = omega(hz, rate), cw = std::cos(w), alpha = std::sin(w) / (2.0 * q);
        return normalised((1 + cw) / 2, -(1 + cw), (1 + cw) / 2, 1 + alpha, -2 * cw, 1 - alpha);
    }

    // Flat in level; the phase turns by 360 degrees, half of it at `hz`.
    static BiquadCoefficients allPass(double hz, double q, double rate)
    {
        const double w = omega(hz, rate), cw = std::cos(w), alpha = std::sin(w) / (2.0 * q);
        return normalised(1 - alpha, -2 * cw, 1 + alpha, 1 + alpha, -2 * cw, 1 - alpha);
    }

    // A shelf of slope 1.
    static BiquadCoefficients lowShelf(double hz, double gainDb, double rate)
    {
        const double w = omega(hz, rate), cw = std::cos(w), sw = std::sin(w);
        const double a = std::pow(10.0, gainDb / 40.0);
        const double alpha = sw / 2.0 * std::sqrt(2.0);
        const double k = 2.0 * std::sqrt(a) * alpha;
        return normalised(a * ((a + 1) - (a - 1) * cw + k), 2 * a * ((a - 1) - (a + 1) * cw),
                          a * ((a + 1) - (a - 1) * cw - k), (a + 1) + (a - 1) * cw + k,
                          -2 * ((a - 1) + (a + 1) * cw), (a + 1) + (a - 1) * cw - k);
    }

private:
    static double omega(double hz, double rate)
    {
        return 2.0 * kPi * std::clamp(hz, 1.0, rate * 0.49) / rate;
    }

    static BiquadCoefficients normalised(double b0, double b1, double b2, double a0, double a1, double a2)
    {
        BiquadCoefficients c;
        c.b0 = b0 / a0;
        c.b1 = b1 / a0;
        c.b2 = b2 / a0;
        c.a1 = a1 / a0;
        c.a2 = a2 / a0;
        return c;
    }
};

// One biquad section run on `Channels` channels, each with its own state.
template <int Channels = 1> class Biquad
{
public:
    static constexpr int kChannels = Channels;

    void set(const BiquadCoefficients& c) { m_c = c; }
    const BiquadCoefficients& coefficients() const { return m_c; }
    void reset()
    {
        for (auto& s : m_state)
            s[0] = s[1] = 0.0;
    }
    // The next output of `channel` for input x (float or double).
    template <typename Sample> Sample process(Sample x, int channel = 0)
    {
        double* s = m_state[channel];
        const double in = x;
        const double y = m_c.b0 * in + s[0];
        s[0] = m_c.b1 * in - m_c.a1 * y + s[1];
        s[1] = m_c.b2 * in - m_c.a2 * y;
        // Decays end at zero instead of running on through denormals.
        if (std::fabs(s[0]) < 1e-30)
            s[0] = 0.0;
        if (std::fabs(s[1]) < 1e-30)
            s[1] = 0.0;
        return static_cast<Sample>(y);
    }

private:
    BiquadCoefficients m_c;
    double m_state[Channels][2] = {};
};

} // namespace zdsp
