#include "dsp.h"

#include <algorithm>

namespace zaudio::dsp {

namespace {

double omega(double hz, double rate)
{
    return 2.0 * kPi * std::clamp(hz, 1.0, rate * 0.49) / rate;
}

BiquadCoefficients normalised(double b0, double b1, double b2, double a0, double a1, double a2)
{
    BiquadCoefficients c;
    c.b0 = b0 / a0;
    c.b1 = b1 / a0;
    c.b2 = b2 / a0;
    c.a1 = a1 / a0;
    c.a2 = a2 / a0;
    return c;
}

} // namespace

BiquadCoefficients BiquadCoefficients::lowPass(double hz, double q, double rate)
{
    const double w = omega(hz, rate), cw = std::cos(w), alpha = std::sin(w) / (2.0 * q);
    return normalised((1 - cw) / 2, 1 - cw, (1 - cw) / 2, 1 + alpha, -2 * cw, 1 - alpha);
}

BiquadCoefficients BiquadCoefficients::highPass(double hz, double q, double rate)
{
    const double w = omega(hz, rate), cw = std::cos(w), alpha = std::sin(w) / (2.0 * q);
    return normalised((1 + cw) / 2, -(1 + cw), (1 + cw) / 2, 1 + alpha, -2 * cw, 1 - alpha);
}

BiquadCoefficients BiquadCoefficients::peaking(double hz, double octaves, double gainDb, double rate)
{
    const double w = omega(hz, rate), cw = std::cos(w), sw = std::sin(w);
    const double alpha = sw * std::sinh(std::log(2.0) / 2.0 * octaves * w / sw);
    const double a = std::pow(10.0, gainDb / 40.0);
    return normalised(1 + alpha * a, -2 * cw, 1 - alpha * a, 1 + alpha / a, -2 * cw, 1 - alpha / a);
}

BiquadCoefficients BiquadCoefficients::lowShelf(double hz, double gainDb, double rate)
{
    const double w = omega(hz, rate), cw = std::cos(w), sw = std::sin(w);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double alpha = sw / 2.0 * std::sqrt(2.0); // shelf slope 1
    const double k = 2.0 * std::sqrt(a) * alpha;
    return normalised(a * ((a + 1) - (a - 1) * cw + k), 2 * a * ((a - 1) - (a + 1) * cw),
                      a * ((a + 1) - (a - 1) * cw - k), (a + 1) + (a - 1) * cw + k,
                      -2 * ((a - 1) + (a + 1) * cw), (a + 1) + (a - 1) * cw - k);
}

BiquadCoefficients BiquadCoefficients::highShelf(double hz, double gainDb, double rate)
{
    const double w = omega(hz, rate), cw = std::cos(w), sw = std::sin(w);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double alpha = sw / 2.0 * std::sqrt(2.0);
    const double k = 2.0 * std::sqrt(a) * alpha;
    return normalised(a * ((a + 1) + (a - 1) * cw + k), -2 * a * ((a - 1) + (a + 1) * cw),
                      a * ((a + 1) + (a - 1) * cw - k), (a + 1) - (a - 1) * cw + k,
                      2 * ((a - 1) - (a + 1) * cw), (a + 1) - (a - 1) * cw - k);
}

} // namespace zaudio::dsp
