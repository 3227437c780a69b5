#include "unitsignal.h"

#include <QTest>

#include <complex>
#include <numeric>

using namespace unitsignal;

namespace {

// Frequency in Hz of x from its first to its last rising crossing of its mean,
// each placed by linear interpolation: over seconds, far finer than 0.01 %.
double crossingHz(const std::vector<double>& x)
{
    const double mean = std::accumulate(x.begin(), x.end(), 0.0) / static_cast<double>(x.size());
    double first = -1, last = -1;
    int crossings = 0;
    for (std::size_t i = 1; i < x.size(); ++i) {
        const double a = x[i - 1] - mean, b = x[i] - mean;
        if (a < 0 && b >= 0) {
            last = static_cast<double>(i - 1) + a / (a - b);
            if (first < 0)
                first = last;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * kRate / (last - first) : 0.0;
}

} // namespace

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    void oscillator_data()
    {
        QTest::addColumn<int>("waveform");
        QTest::addColumn<double>("hz");
        QTest::addColumn<double>("rms");
        QTest::addColumn<double>("aliasDb");
        QTest::newRow("sine") << 0 << 220.0 << std::sqrt(0.5) << 0.0;
        QTest::newRow("square") << 1 << 110.25 << 1.0 << 0.0;
        QTest::newRow("square high") << 1 << 4321.0 << 0.0 << -40.0;
        QTest::newRow("saw up") << 2 << 330.0 << std::sqrt(1.0 / 3) << 0.0;
        QTest::newRow("saw down high") << 3 << 4321.0 << 0.0 << -40.0;
        QTest::newRow("triangle") << 4 << 97.0 << std::sqrt(1.0 / 3) << 0.0;
        QTest::newRow("triangle high") << 4 << 4321.0 << 0.0 << -55.0;
        QTest::newRow("noise") << 5 << 0.0 << std::sqrt(1.0 / 3) << 0.0;
    }

    // Exact frequency from the double phase, the level at low rates (where
    // band-limiting takes little), the same signal everywhere, and at high
    // rates the harmonics folded back below 12 kHz (naive waveforms fold them
    // at 1/k, square and saws, or 1/k^2, triangle, of the fundamental).
    void oscillator()
    {
        QFETCH(int, waveform);
        QFETCH(double, hz);
        QFETCH(double, rms);
        QFETCH(double, aliasDb);
        auto unit = makeUnit(2, {{0, waveform}, {1, static_cast<float>(hz)}});
        std::vector<float> x = sine(50, 2.0, 0.5, 3);
        run(*unit, x, 3, 256);
        const std::vector<float> out = channel(x, 3, 0);
        QCOMPARE(channel(x, 3, 2), out);
        QVERIFY(peak(out) <= 1 && (waveform != 0 || peak(out) > 0.9999));
        const double level =
            std::sqrt(std::inner_product(out.begin(), out.end(), out.begin(), 0.0) / out.size());
        QVERIFY2(rms == 0 || std::fabs(level / rms - 1) < 0.01, qPrintable(QString::number(level)));
        const double measured = crossingHz({out.begin(), out.end()}), fundamental = amplitudeAt(out, hz);
        QVERIFY2(waveform == 5 || std::fabs(measured / hz - 1) < 1e-4,
                 qPrintable(QString::number(measured, 'f', 6)));
        for (int k = 2; aliasDb < 0 && k * hz < 25 * kRate; ++k) {
            const double folded = std::fabs(std::remainder(k * hz, kRate));
            if (k * hz > kRate / 2 && folded < 12000)
                QVERIFY2(db(amplitudeAt(out, folded) / fundamental) < aliasDb,
                         qPrintable(QString::number(folded)));
        }
    }

    // Steps no larger than before an abrupt change of parameters: a 100 Hz
    // sine goes through, and the steepest step after the change may not reach
    // twice the steepest before it (a jump is many times that).
    void noClicks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("before");
        QTest::addColumn<Params>("after");
        QTest::newRow("oscillator") << 2 << Params{{1, 101.3f}} << Params{{0, 4}, {1, 150}};
        QTest::newRow("flange mix") << 8 << Params{{0, 0}, {1, 0.1f}, {2, 1}} << Params{{0, 100}};
        QTest::newRow("flange sweep") << 8 << Params{{1, 0.1f}, {2, 1}} << Params{{1, 1}, {2, 20}};
        QTest::newRow("chorus sweep") << 14 << Params{} << Params{{2, 20}, {1, 3}};
        QTest::newRow("tremolo") << 22 << Params{{1, 0}}
                                 << Params{{1, 1}, {5, 1}, {0, 20}, {6, 0.5f}, {7, 1}};
    }

    void noClicks()
    {
        QFETCH(int, type);
        QFETCH(Params, before);
        QFETCH(Params, after);
        std::vector<float> x = sine(100, 0.64, 0.5, 2);
        const std::size_t half = x.size() / 2;
        runChanging(*makeUnit(type, before), x, 2, half / 2, after, 256);
        const double steepest[2] = {steepestStep(x, 2, half, 2), steepestStep(x, half, SIZE_MAX, 2)};
        QVERIFY2(steepest[1] < 2 * steepest[0],
                 qPrintable(QString("%1 then %2").arg(steepest[0]).arg(steepest[1])));
    }

    // LFO rates from a steady 1 kHz sine: runs on its sine and on its cosine
    // give the output's complex envelope A(t). The tremolo's gain is |A|; the
    // flange (wet only) delays by -arg A / w; the chorus's three voices, a third
    // of a cycle apart, repeat three times per cycle. The flange sweeps from
    // 0.1 ms to 0.1 ms + depth x 9.9 ms.
    void lfoRate_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("values");
        QTest::addColumn<double>("hz");
        QTest::addColumn<double>("sweepMs");
        QTest::newRow("tremolo 5 Hz sine, skewed") << 22 << Params{{2, 1}, {3, 0.6f}} << 5.0 << 0.0;
        QTest::newRow("tremolo 13.7 Hz short duty")
            << 22 << Params{{0, 13.7f}, {4, 0.2f}, {3, -0.5f}} << 13.7 << 0.0;
        QTest::newRow("tremolo 20 Hz square") << 22 << Params{{0, 20}, {5, 1}, {6, 0.3f}} << 20.0 << 0.0;
        QTest::newRow("flange 0.5 Hz") << 8 << Params{{0, 100}, {2, 0.5f}} << 0.5 << 9.9;
        QTest::newRow("flange 7.3 Hz shallow") << 8 << Params{{0, 100}, {2, 7.3f}, {1, 0.2f}} << 7.3 << 1.98;
        QTest::newRow("chorus 6 Hz") << 14 << Params{{0, 100}, {1, 6}, {2, 1}} << 18.0 << 0.0;
    }

    void lfoRate()
    {
        QFETCH(int, type);
        QFETCH(Params, values);
        QFETCH(double, hz);
        QFETCH(double, sweepMs);
        constexpr double kW = 2 * M_PI * 1000 / kRate;
        std::vector<float> parts[2];
        for (int part = 0; part < 2; ++part) {
            parts[part].resize(4 * kRate);
            for (std::size_t i = 0; i < parts[part].size(); ++i)
                parts[part][i] = static_cast<float>(part ? std::sin(kW * i) : std::cos(kW * i));
            run(*makeUnit(type, values), parts[part], 1);
        }
        std::vector<double> measure;
        for (std::size_t i = kRate / 10; i < parts[0].size(); ++i) {
            const std::complex<double> a =
                std::complex<double>(parts[0][i], parts[1][i]) * std::polar(1.0, -kW * i);
            const double last = measure.empty() ? std::arg(a) : measure.back(); // the phase unwrapped
            measure.push_back(type == 22 ? std::abs(a) : last + std::remainder(std::arg(a) - last, 2 * M_PI));
        }
        const double measured = crossingHz(measure);
        QVERIFY2(std::fabs(measured / hz - 1) < 1e-3, qPrintable(QString::number(measured, 'f', 5)));
        const auto [low, high] = std::minmax_element(measure.begin(), measure.end());
        QVERIFY(sweepMs == 0 || std::fabs((*high - *low) / kW / kRate * 1000 / sweepMs - 1) < 0.01);
    }

    // On a constant input: channel 0's gain swings from 1 down to 1 - depth
    // (the 2 ms slew narrows a 5 Hz sine's swing by 1/sqrt(1 + (2 pi 5 Hz
    // 2 ms)^2), evenly about its middle), and channel c of n is channel 0
    // shifted spread x c / n of a cycle ahead.
    void tremoloGain_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<float>("depth");
        QTest::addColumn<float>("spread");
        QTest::newRow("depth 0") << 1 << 0.0f << 0.0f;
        QTest::newRow("stereo together") << 2 << 0.75f << 0.0f;
        QTest::newRow("stereo opposite") << 2 << 1.0f << 1.0f;
        QTest::newRow("stereo, right a quarter behind") << 2 << 1.0f << -0.5f;
        QTest::newRow("6 channels") << 6 << 0.5f << 0.9f;
    }

    void tremoloGain()
    {
        QFETCH(int, channels);
        QFETCH(float, depth);
        QFETCH(float, spread);
        constexpr int kPeriod = kRate / 5;
        auto unit = makeUnit(22, {{1, depth}, {2, 1}, {7, spread}});
        std::vector<float> x(static_cast<std::size_t>(channels) * kRate, 1.0f);
        run(*unit, x, channels);
        const std::vector<float> first = channel(x, channels, 0);
        const auto [low, high] = std::minmax_element(first.begin() + kPeriod, first.end());
        const double loss = depth * (1 - 1 / std::hypot(1.0, 2 * M_PI * 5 * 0.002));
        QVERIFY2(std::fabs(*high - (1 - loss / 2)) < 1e-4, qPrintable(QString::number(*high)));
        QVERIFY2(std::fabs(*low - (1 - depth + loss / 2)) < 1e-4, qPrintable(QString::number(*low)));
        for (int c = 1; c < channels; ++c) {
            const std::vector<float> y = channel(x, channels, c);
            const auto ahead =
                static_cast<std::size_t>(std::lround((spread * c / channels + 1) * kPeriod)) % kPeriod;
            for (std::size_t i = kPeriod; i + kPeriod < y.size(); i += 7)
                QVERIFY2(std::fabs(y[i] - first[i + ahead]) < 1e-4, qPrintable(QString::number(i)));
        }
    }

    // Mix 0 leaves the signal bit for bit, whatever the sweep.
    void dryAtMixZero_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("values");
        QTest::newRow("flange") << 8 << Params{{0, 0}, {2, 13}};
        QTest::newRow("chorus") << 14 << Params{{0, 0}, {2, 100}, {1, 20}};
    }

    void dryAtMixZero()
    {
        QFETCH(int, type);
        QFETCH(Params, values);
        std::vector<float> x = sine(433, 0.5, 0.7, 8);
        for (std::size_t i = 0; i < x.size(); i += 3)
            x[i] *= -0.3f;
        std::vector<float> y = x;
        run(*makeUnit(type, values), y, 8, 333);
        QVERIFY(y == x);
    }
};

QTEST_APPLESS_MAIN(TestUnits)
#include "test_units_modulation.moc"
