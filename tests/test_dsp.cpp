// The DSP toolbox the units and the plug-ins share, against direct evaluation.

#include "dsp/biquad.h"
#include "dsp/denormals.h"
#include "dsp/fft.h"

#include <QTest>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <vector>

namespace {

using zdsp::BiquadCoefficients;

// The design's gain at `hz`, from its transfer function.
std::complex<double> response(const BiquadCoefficients& c, double hz, double rate)
{
    const std::complex<double> z1 = std::polar(1.0, -2 * zdsp::kPi * hz / rate), z2 = z1 * z1;
    return (c.b0 + c.b1 * z1 + c.b2 * z2) / (1.0 + c.a1 * z1 + c.a2 * z2);
}

double responseDb(const BiquadCoefficients& c, double hz, double rate)
{
    return 20 * std::log10(std::abs(response(c, hz, rate)));
}

// Both poles inside the unit circle (the stability triangle).
bool stable(const BiquadCoefficients& c)
{
    return std::fabs(c.a2) < 1 && std::fabs(c.a1) < 1 + c.a2;
}

const double kHalfPowerDb = 10 * std::log10(0.5);

} // namespace

class TestDsp : public QObject
{
    Q_OBJECT

private slots:
    // Each design meets the points that define it, at two rates.
    void biquadDesigns()
    {
        for (double rate : {44100.0, 48000.0}) {
            const BiquadCoefficients low = BiquadCoefficients::lowPass(1000, M_SQRT1_2, rate);
            QVERIFY(std::fabs(responseDb(low, 0, rate)) < 1e-9);
            QVERIFY(std::fabs(responseDb(low, 1000, rate) - kHalfPowerDb) < 1e-6);
            const BiquadCoefficients high = BiquadCoefficients::highPass(80, M_SQRT1_2, rate);
            QVERIFY(std::fabs(responseDb(high, rate / 2, rate)) < 1e-9);
            QVERIFY(std::fabs(responseDb(high, 80, rate) - kHalfPowerDb) < 1e-6);

            // The shelf: its full gain at 0 Hz, half of it (in dB) at the corner.
            const BiquadCoefficients shelf = BiquadCoefficients::lowShelf(300, -9, rate);
            QVERIFY(std::fabs(responseDb(shelf, 0, rate) + 9) < 1e-9);
            QVERIFY(std::fabs(responseDb(shelf, 300, rate) + 4.5) < 1e-6);
            QVERIFY(std::fabs(responseDb(shelf, rate / 2, rate)) < 1e-9);

            const BiquadCoefficients allPass = BiquadCoefficients::allPass(700, 0.8, rate);
            for (double hz : {50.0, 700.0, 5000.0, 18000.0})
                QVERIFY(std::fabs(responseDb(allPass, hz, rate)) < 1e-9);
            QVERIFY(std::abs(response(allPass, 700, rate) + 1.0) < 1e-9); // half a turn at the corner
        }
        // Corners at or past the ends of the band still give stable filters.
        for (double hz : {0.0, 0.5, 23990.0, 24000.0, 1e6}) {
            for (double q : {0.1, M_SQRT1_2, 20.0}) {
                QVERIFY(stable(BiquadCoefficients::lowPass(hz, q, 48000)));
                QVERIFY(stable(BiquadCoefficients::highPass(hz, q, 48000)));
                QVERIFY(stable(BiquadCoefficients::allPass(hz, q, 48000)));
            }
            for (double db : {-24.0, 24.0})
                QVERIFY(stable(BiquadCoefficients::lowShelf(hz, db, 48000)));
        }
    }

    // The running section gives the designed response, each channel on its
    // own state, for float and double samples alike; a reset leaves no trace.
    void biquadSection()
    {
        const double rate = 48000;
        zdsp::Biquad<2> filter;
        filter.set(BiquadCoefficients::lowPass(1000, M_SQRT1_2, rate));
        const double hz[2] = {500, 4000};
        auto amplitudes = [&](int frames) {
            double sum[2][2] = {};
            for (int i = 0; i < frames; ++i) {
                const double t = 2 * zdsp::kPi * i / rate;
                const float left = filter.process(static_cast<float>(std::sin(hz[0] * t)), 0);
                const double right = filter.process(std::sin(hz[1] * t), 1);
                if (i >= frames / 2) { // settled
                    sum[0][0] += left * std::sin(hz[0] * t);
                    sum[0][1] += left * std::cos(hz[0] * t);
                    sum[1][0] += right * std::sin(hz[1] * t);
                    sum[1][1] += right * std::cos(hz[1] * t);
                }
            }
            std::vector<double> a;
            for (auto& s : sum)
                a.push_back(2 * std::hypot(s[0], s[1]) / (frames / 2));
            return a;
        };
        for (int pass = 0; pass < 2; ++pass) {
            const std::vector<double> a = amplitudes(9600);
            for (int c = 0; c < 2; ++c)
                QVERIFY2(std::fabs(20 * std::log10(a[static_cast<std::size_t>(c)]) -
                                   responseDb(filter.coefficients(), hz[c], rate)) < 0.01,
                         qPrintable(QStringLiteral("channel %1, pass %2").arg(c).arg(pass)));
            filter.reset();
        }
        // After a reset, silence in gives silence out.
        filter.process(1.0f, 0);
        filter.reset();
        QVERIFY(filter.process(0.0f, 0) == 0.0f);
        QVERIFY(filter.process(0.0f, 1) == 0.0f);
    }

    // The real FFT against a direct DFT, and back, at the largest size of its
    // tables and at the smaller sizes that read them with a stride.
    void fftAgainstDft()
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
        for (int maxSize : {512, 4096}) {
            zdsp::RealFft fft;
            fft.setup(maxSize);
            for (int n = 8; n <= maxSize; n *= 2) {
                std::vector<float> x(static_cast<std::size_t>(n)), bins(static_cast<std::size_t>(n) + 2),
                    back(static_cast<std::size_t>(n));
                for (float& v : x)
                    v = uniform(random);
                fft.forward(x.data(), bins.data(), n);
                double error = 0, power = 0;
                for (int k = 0; k <= n / 2; ++k) {
                    std::complex<double> exact;
                    for (int j = 0; j < n; ++j)
                        exact += static_cast<double>(x[static_cast<std::size_t>(j)]) *
                                 std::polar(1.0, -2 * zdsp::kPi * double(k) * j / n);
                    const std::complex<double> got(bins[2 * static_cast<std::size_t>(k)],
                                                   bins[2 * static_cast<std::size_t>(k) + 1]);
                    error += std::norm(got - exact);
                    power += std::norm(exact);
                }
                QVERIFY2(std::sqrt(error / power) < 1e-6,
                         qPrintable(QStringLiteral("forward, %1 of %2").arg(n).arg(maxSize)));

                fft.inverse(bins.data(), back.data(), n);
                error = power = 0;
                for (std::size_t j = 0; j < x.size(); ++j) {
                    error += std::pow(back[j] / n - x[j], 2);
                    power += std::pow(x[j], 2);
                }
                QVERIFY2(std::sqrt(error / power) < 1e-6,
                         qPrintable(QStringLiteral("inverse, %1 of %2").arg(n).arg(maxSize)));
            }
        }
    }

    // Denormals are zero while a guard lives, as results and as operands, and
    // the thread's own mode is back once it is gone.
    void denormalGuard()
    {
#if !defined(__SSE__) && !defined(__x86_64__) && !defined(__aarch64__)
        QSKIP("no flush-to-zero control known on this machine");
#endif
        // Volatile, so each product is worked out where it stands.
        volatile float smallest = std::numeric_limits<float>::min(), denormal = smallest / 4;
        volatile float product, fromDenormal;
        {
            zdsp::FlushDenormals guard;
            product = smallest * 0.5f;   // a denormal result
            fromDenormal = denormal * 4; // a normal result of a denormal
        }
        QVERIFY(product == 0.0f);
        QVERIFY(fromDenormal == 0.0f);
        product = smallest * 0.5f;
        QVERIFY(product > 0.0f);
    }
};

QTEST_APPLESS_MAIN(TestDsp)
#include "test_dsp.moc"
