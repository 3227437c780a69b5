#include "unitsignal.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace unitsignal;

using Params = std::vector<std::pair<int, float>>;
Q_DECLARE_METATYPE(Params)

namespace {

std::unique_ptr<zaudio::Unit> make(int type, const Params& params)
{
    auto unit = makeUnit(type);
    for (const auto& [index, value] : params)
        unit->setParameter(index, value);
    return unit;
}

// Frequency response of a fresh unit, from its impulse response.
struct Response
{
    std::vector<float> h;
    Response(int type, const Params& params, std::size_t length = 16384) : h(length)
    {
        h[0] = 1.0f;
        run(*make(type, params), h, 1);
    }
    double db(double hz) const
    {
        return 20 * std::log10(amplitudeAt(h, hz) * static_cast<double>(h.size()) / 2);
    }
    // Where the response crosses `level` between lo and hi (bisection in octaves).
    double crossing(double level, double lo, double hi) const
    {
        const bool risingAtLo = db(lo) < level;
        for (int i = 0; i < 30; ++i) {
            const double mid = std::sqrt(lo * hi);
            ((db(mid) < level) == risingAtLo ? lo : hi) = mid;
        }
        return std::sqrt(lo * hi);
    }
};

const double kHalfPowerDb = 10 * std::log10(0.5);

} // namespace

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    void cutoff_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("highPass");
        QTest::addColumn<float>("hz");
        const std::pair<int, const char*> types[] = {{3, "resonant low-pass"},
                                                     {4, "tracker low-pass"},
                                                     {5, "resonant high-pass"},
                                                     {20, "one-pole low-pass"},
                                                     {26, "one-pole high-pass"}};
        for (const auto& [type, name] : types) {
            for (float hz : {100.0f, 1000.0f, 5000.0f, 15000.0f, 22000.0f})
                QTest::addRow("%s %g Hz", name, double(hz)) << type << (type == 5 || type == 26) << hz;
        }
    }
    // Resonance at its minimum (1, or 0 for the tracker): -3 dB at the cut-off,
    // passing on one side and falling on the other.
    void cutoff()
    {
        QFETCH(int, type);
        QFETCH(bool, highPass);
        QFETCH(float, hz);
        const Response r(type, {{0, hz}, {1, 0.0f}});
        QVERIFY2(std::fabs(r.db(hz) - kHalfPowerDb) < 0.05, qPrintable(QString::number(r.db(hz))));
        const double below = r.db(0.95 * hz), above = r.db(std::min(1.05 * hz, 23999.0));
        QVERIFY(highPass ? below < kHalfPowerDb && above > kHalfPowerDb
                         : below > kHalfPowerDb && above < kHalfPowerDb);
    }

    void resonance_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<float>("resonance");
        QTest::addColumn<double>("expectedDb"); // at the cut-off
        for (int type : {3, 5}) {
            for (float q : {2.0f, 10.0f})
                QTest::addRow("type %d resonance %g", type, double(q))
                    << type << q << 20 * std::log10(q / M_SQRT2);
        }
        QTest::newRow("tracker 64") << 4 << 64.0f << kHalfPowerDb + 12.0;
        QTest::newRow("tracker 127") << 4 << 127.0f << kHalfPowerDb + 127 * 24.0 / 128;
    }
    void resonance()
    {
        QFETCH(int, type);
        QFETCH(float, resonance);
        QFETCH(double, expectedDb);
        const Response r(type, {{0, 1000.0f}, {1, resonance}});
        QVERIFY2(std::fabs(r.db(1000) - expectedDb) < 0.05, qPrintable(QString::number(r.db(1000))));
    }

    void peaking_data()
    {
        QTest::addColumn<float>("hz");
        QTest::addColumn<float>("octaves");
        QTest::addColumn<float>("gain");
        QTest::newRow("200 Hz, 0.5 oct, +6 dB") << 200.0f << 0.5f << 6.0f;
        QTest::newRow("1 kHz, 2 oct, -20 dB") << 1000.0f << 2.0f << -20.0f;
        QTest::newRow("8 kHz, 1 oct, +12 dB") << 8000.0f << 1.0f << 12.0f;
        QTest::newRow("4 kHz, 5 oct, +30 dB") << 4000.0f << 5.0f << 30.0f;
    }
    // The set gain at the centre; the half-gain edges are `octaves` apart and,
    // where the band is well below half the sample rate, at centre x 2^(+-octaves/2).
    void peaking()
    {
        QFETCH(float, hz);
        QFETCH(float, octaves);
        QFETCH(float, gain);
        const Response r(12, {{0, hz}, {1, octaves}, {2, gain}});
        QVERIFY2(std::fabs(r.db(hz) - gain) < 0.05, qPrintable(QString::number(r.db(hz))));
        const double lower = r.crossing(gain / 2, 5, hz), upper = r.crossing(gain / 2, hz, 23999);
        QVERIFY2(std::fabs(std::log2(upper / lower) - octaves) < 0.01,
                 qPrintable(QString::number(upper / lower)));
        if (hz * std::exp2(octaves / 2) < 3000) {
            QVERIFY(std::fabs(lower / (hz * std::exp2(-octaves / 2)) - 1) < 0.02);
            QVERIFY(std::fabs(upper / (hz * std::exp2(octaves / 2)) - 1) < 0.02);
        }
    }

    void threeBand_data()
    {
        QTest::addColumn<Params>("params");
        QTest::addColumn<double>("tolerance");
        for (float slope : {0.0f, 1.0f, 2.0f}) {
            QTest::addRow("flat, slope %g", double(slope)) << Params{{5, slope}} << 0.1;
            QTest::addRow("flat, crossovers swapped, slope %g", double(slope))
                << Params{{3, 4000.0f}, {4, 400.0f}, {5, slope}} << 0.1;
            QTest::addRow("flat, crossovers 10 Hz and 22 kHz, slope %g", double(slope))
                << Params{{3, 10.0f}, {4, 22000.0f}, {5, slope}} << 0.1;
        }
        // Measured 3, 2.3 and 2 octaves from the crossovers: at 24 dB/octave a
        // neighbour up to 18 dB louder leaks at most -48 + 18 dB (0.27 dB).
        for (float slope : {1.0f, 2.0f}) {
            QTest::addRow("+6 -12 +3 dB, slope %g", double(slope))
                << Params{{0, 6.0f}, {1, -12.0f}, {2, 3.0f}, {3, 200.0f}, {4, 5000.0f}, {5, slope}} << 0.3;
            QTest::addRow("-10 +8 -4 dB, slope %g", double(slope))
                << Params{{0, -10.0f}, {1, 8.0f}, {2, -4.0f}, {3, 200.0f}, {4, 5000.0f}, {5, slope}} << 0.3;
        }
    }
    // At 0 dB the bands sum flat; otherwise each band's middle has its gain.
    void threeBand()
    {
        QFETCH(Params, params);
        QFETCH(double, tolerance);
        double gains[3] = {0, 0, 0};
        for (const auto& [index, value] : params) {
            if (index < 3)
                gains[index] = value;
        }
        const Response r(28, params, 32768);
        if (gains[0] == 0 && gains[1] == 0 && gains[2] == 0) {
            for (double hz = 20; hz < 23000; hz *= 1.1)
                QVERIFY2(std::fabs(r.db(hz)) < tolerance, qPrintable(QString::number(hz)));
            return;
        }
        const double middles[3] = {25, 1000, 20000};
        for (int band = 0; band < 3; ++band)
            QVERIFY2(std::fabs(r.db(middles[band]) - gains[band]) < tolerance,
                     qPrintable(QString("band %1: %2 dB").arg(band).arg(r.db(middles[band]))));
    }

    void glide_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("before");
        QTest::addColumn<Params>("after");
        QTest::addColumn<double>("gain"); // the most either setting passes at 1 kHz
        for (int type : {3, 4, 5, 20, 26}) {
            QTest::addRow("type %d cut-off down", type)
                << type << Params{{0, 20000.0f}} << Params{{0, 100.0f}} << 1.0;
            QTest::addRow("type %d cut-off up", type)
                << type << Params{{0, 100.0f}} << Params{{0, 20000.0f}} << 1.0;
        }
        QTest::newRow("resonant low-pass, resonance up")
            << 3 << Params{{0, 700.0f}} << Params{{0, 700.0f}, {1, 4.0f}} << 1.0;
        QTest::newRow("parametric EQ, centre across")
            << 12 << Params{{0, 100.0f}, {2, 12.0f}} << Params{{0, 10000.0f}, {2, 12.0f}} << 4.0;
        QTest::newRow("three-band, crossovers across")
            << 28 << Params{{1, -30.0f}, {3, 100.0f}, {4, 200.0f}}
            << Params{{1, -30.0f}, {3, 5000.0f}, {4, 10000.0f}} << 1.0;
        QTest::newRow("three-band, slope") << 28 << Params{{5, 0.0f}} << Params{{5, 2.0f}} << 1.0;
        QTest::newRow("three-band, mid gain up")
            << 28 << Params{{1, -80.0f}} << Params{{1, 10.0f}} << std::pow(10.0, 0.5);
    }
    // A parameter jump glides: no spike beyond what the settings pass, and no
    // sample-to-sample step beyond the steepest a 1 kHz sine of that level has.
    void glide()
    {
        QFETCH(int, type);
        QFETCH(Params, before);
        QFETCH(Params, after);
        QFETCH(double, gain);
        const double amplitude = 0.5;
        auto unit = make(type, before);
        std::vector<float> x = sine(1000, 0.3, amplitude, 2);
        const std::size_t half = x.size() / 2;
        std::vector<float> first(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(half));
        std::vector<float> second(x.begin() + static_cast<std::ptrdiff_t>(half), x.end());
        run(*unit, first, 2);
        for (const auto& [index, value] : after)
            unit->setParameter(index, value);
        run(*unit, second, 2);
        first.insert(first.end(), second.begin(), second.end());
        const std::vector<float> y = channel(first, 2, 1);
        double peak = 0, step = 0;
        for (std::size_t i = kBlock; i < y.size(); ++i) { // past the sine's onset
            QVERIFY(std::isfinite(y[i]));
            peak = std::max(peak, std::fabs(double(y[i])));
            step = std::max(step, std::fabs(double(y[i]) - y[i - 1]));
        }
        const double limit = 1.25 * gain * amplitude;
        QVERIFY2(peak < limit, qPrintable(QString::number(peak / limit)));
        QVERIFY2(step < limit * 2 * M_PI * 1000 / kRate, qPrintable(QString::number(step)));
    }

    // At 22050 Hz every frequency parameter at its 22 kHz maximum lies above
    // half the sample rate: the filters clamp below it and stay stable.
    void aboveHalfRate_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {3, 4, 5, 12, 20, 26, 28})
            QTest::addRow("type %d", type) << type;
    }
    void aboveHalfRate()
    {
        QFETCH(int, type);
        auto unit = zaudio::createUnit(type);
        unit->setup(22050, kBlock, zaudio::Unit::kMaxChannels);
        for (int index : {0, 3, 4}) {
            if (type != 28 || index > 0)
                unit->setParameter(index, 22000.0f);
        }
        std::vector<float> x = sine(2000, 0.5, 0.5, 2); // 4354 Hz at this rate
        run(*unit, x, 2);
        for (float v : x)
            QVERIFY(std::isfinite(v) && std::fabs(v) < 1.1f * 0.5f);
    }

    // Channels are filtered independently, whatever the block size, and reset()
    // forgets the past: 3 interleaved channels in 37-frame blocks after a reset
    // match each channel filtered alone.
    void channels_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {3, 4, 5, 12, 20, 26, 28})
            QTest::addRow("type %d", type) << type;
    }
    void channels()
    {
        QFETCH(int, type);
        const Params params = {{0, 300.0f}, {1, 2.0f}, {2, 6.0f}};
        std::vector<float> mixed(3 * 4800);
        for (std::size_t i = 0; i < mixed.size(); ++i)
            mixed[i] = static_cast<float>(std::sin(0.05 * static_cast<double>(i * (i % 3 + 1))));
        auto unit = make(type, params);
        std::vector<float> earlier = sine(440, 0.1, 0.9, 3);
        run(*unit, earlier, 3);
        unit->reset();
        std::vector<float> together = mixed;
        run(*unit, together, 3, 37);
        for (int c = 0; c < 3; ++c) {
            std::vector<float> alone = channel(mixed, 3, c);
            run(*make(type, params), alone, 1);
            const std::vector<float> got = channel(together, 3, c);
            for (std::size_t i = 0; i < alone.size(); ++i)
                QVERIFY2(std::fabs(got[i] - alone[i]) < 1e-6f, qPrintable(QString("%1 %2").arg(c).arg(i)));
        }
    }
};

QTEST_APPLESS_MAIN(TestUnits)
#include "test_units_filters.moc"
