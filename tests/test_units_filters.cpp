#include "unitsignal.h"

#include <QTest>

using namespace unitsignal;

namespace {

// Frequency response of a fresh unit, from its impulse response.
struct Response
{
    std::vector<float> h;
    Response(int type, const Params& params, std::size_t length = 16384) : h(length)
    {
        h[0] = 1.0f;
        run(*makeUnit(type, params), h, 1);
    }
    double db(double hz) const
    {
        return unitsignal::db(amplitudeAt(h, hz) * static_cast<double>(h.size()) / 2);
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
    // The level at the cut-off; at the lowest resonance (1, or 0 for the
    // tracker) the response passes on one side of it and falls on the other.
    // The parametric EQ (type 12, `q` in octaves) has its gain at the centre
    // and its half-gain edges `q` octaves apart.
    void response_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<float>("hz");
        QTest::addColumn<float>("q");
        QTest::addColumn<float>("gain"); // or the EQ's
        QTest::addColumn<double>("expectedDb");
        for (int type : {3, 4, 5, 20, 26}) {
            for (float hz : {100.0f, 5000.0f, 15000.0f, 22000.0f})
                QTest::addRow("type %d, %g Hz", type, double(hz))
                    << type << hz << 0.0f << 0.0f << kHalfPowerDb;
        }
        for (int type : {3, 5})
            QTest::addRow("type %d resonance 10", type)
                << type << 1000.0f << 10.0f << 0.0f << db(10 / M_SQRT2);
        QTest::newRow("resonant low-pass 2") << 3 << 1000.0f << 2.0f << 0.0f << db(M_SQRT2);
        QTest::newRow("tracker 64") << 4 << 1000.0f << 64.0f << 0.0f << kHalfPowerDb + 12.0;
        QTest::newRow("tracker 127") << 4 << 1000.0f << 127.0f << 0.0f << kHalfPowerDb + 127 * 24.0 / 128;
        QTest::newRow("EQ 200 Hz, 0.5 oct, +6 dB") << 12 << 200.0f << 0.5f << 6.0f << 6.0;
        QTest::newRow("EQ 1 kHz, 2 oct, -20 dB") << 12 << 1000.0f << 2.0f << -20.0f << -20.0;
        QTest::newRow("EQ 8 kHz, 1 oct, +12 dB") << 12 << 8000.0f << 1.0f << 12.0f << 12.0;
        QTest::newRow("EQ 4 kHz, 5 oct, +30 dB") << 12 << 4000.0f << 5.0f << 30.0f << 30.0;
    }
    void response()
    {
        QFETCH(int, type);
        QFETCH(float, hz);
        QFETCH(float, q);
        QFETCH(float, gain);
        QFETCH(double, expectedDb);
        const Response r(type, {{0, hz}, {1, q}, {2, gain}});
        QVERIFY2(std::fabs(r.db(hz) - expectedDb) < 0.05, qPrintable(QString::number(r.db(hz))));
        if (type == 12) {
            const double lower = r.crossing(gain / 2, 5, hz), upper = r.crossing(gain / 2, hz, 23999);
            QVERIFY2(std::fabs(std::log2(upper / lower) - q) < 0.01,
                     qPrintable(QString::number(upper / lower)));
        } else if (q == 0) {
            const bool highPass = type == 5 || type == 26;
            QCOMPARE(r.db(0.95 * hz) < kHalfPowerDb, highPass);
            QCOMPARE(r.db(std::min(1.05 * hz, 23999.0)) > kHalfPowerDb, highPass);
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
        for (float slope : {1.0f, 2.0f})
            QTest::addRow("+6 -12 +3 dB, slope %g", double(slope))
                << Params{{0, 6.0f}, {1, -12.0f}, {2, 3.0f}, {3, 200.0f}, {4, 5000.0f}, {5, slope}} << 0.3;
    }
    // At 0 dB the bands sum flat; otherwise each band's middle has its gain.
    void threeBand()
    {
        QFETCH(Params, params);
        QFETCH(double, tolerance);
        const Response r(28, params, 32768);
        const bool flat = params.size() < 6;
        for (double hz = 20; hz < 23000; hz *= 1.1)
            QVERIFY2(!flat || std::fabs(r.db(hz)) < tolerance, qPrintable(QString::number(hz)));
        const double middles[3] = {25, 1000, 20000};
        for (int band = 0; band < 3 && !flat; ++band)
            QVERIFY2(std::fabs(r.db(middles[band]) - params[band].second) < tolerance,
                     qPrintable(QString("band %1: %2 dB").arg(band).arg(r.db(middles[band]))));
    }

    void glide_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("before");
        QTest::addColumn<Params>("after");
        QTest::addColumn<double>("gain"); // the most either setting passes at 1 kHz
        for (int type : {3, 4, 5, 20, 26}) {
            for (float from : {100.0f, 20000.0f}) // and to the other
                QTest::addRow("type %d cut-off from %g Hz", type, double(from))
                    << type << Params{{0, from}} << Params{{0, 20100 - from}} << 1.0;
        }
        QTest::newRow("resonant low-pass, resonance up") << 3 << Params{{0, 700}} << Params{{1, 4}} << 1.0;
        QTest::newRow("parametric EQ, centre across")
            << 12 << Params{{0, 100}, {2, 12}} << Params{{0, 10000}} << 4.0;
        QTest::newRow("three-band, crossovers across")
            << 28 << Params{{1, -30}, {3, 100}, {4, 200}} << Params{{3, 5000}, {4, 10000}} << 1.0;
        QTest::newRow("three-band, slope up") << 28 << Params{{5, 0}} << Params{{5, 2}} << 1.0;
        QTest::newRow("three-band, slope down") << 28 << Params{{5, 2}} << Params{{5, 0}} << 1.0;
        QTest::newRow("three-band, mid gain up")
            << 28 << Params{{1, -80}} << Params{{1, 10}} << std::sqrt(10.0);
    }
    // A parameter jump glides: no spike beyond what the settings pass, and no
    // sample-to-sample step beyond the steepest a 1 kHz sine of that level has.
    void glide()
    {
        QFETCH(int, type);
        QFETCH(Params, before);
        QFETCH(Params, after);
        QFETCH(double, gain);
        std::vector<float> x = sine(1000, 0.3, 0.5, 2);
        runChanging(*makeUnit(type, before), x, 2, x.size() / 4, after);
        const std::vector<float> y = channel(x, 2, 1);
        const double limit = 1.25 * gain * 0.5, top = peak(y, kBlock),
                     step = steepestStep(y, kBlock); // past the onset
        QVERIFY2(top < limit && step < limit * 2 * M_PI * 1000 / kRate,
                 qPrintable(QString("%1 %2").arg(top).arg(step)));
    }

    // At 22050 Hz every frequency parameter at its 22 kHz maximum lies above
    // half the sample rate: the filters clamp below it and stay stable. And
    // channels are filtered independently, whatever the block size, and
    // reset() forgets the past: 3 interleaved channels in 37-frame blocks
    // after a reset match each channel filtered alone.
    void robust_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {3, 4, 5, 12, 20, 26, 28})
            QTest::addRow("type %d", type) << type;
    }
    void robust()
    {
        QFETCH(int, type);
        auto high = zaudio::createUnit(type);
        high->setup(22050, kBlock, zaudio::Unit::kMaxChannels);
        set(*high, {{type == 28 ? 3 : 0, 22000.0f}, {4, 22000.0f}});
        std::vector<float> x = sine(2000, 0.5, 0.5, 2); // 4354 Hz at this rate
        run(*high, x, 2);
        QVERIFY(std::all_of(x.begin(), x.end(), [](float v) { return std::fabs(v) < 1.1f * 0.5f; }));

        const Params params = {{0, 300.0f}, {1, 2.0f}, {2, 6.0f}};
        std::vector<float> mixed(3 * 4800);
        for (std::size_t i = 0; i < mixed.size(); ++i)
            mixed[i] = static_cast<float>(std::sin(0.05 * static_cast<double>(i * (i % 3 + 1))));
        auto unit = makeUnit(type, params);
        std::vector<float> earlier = sine(440, 0.1, 0.9, 3), together = mixed;
        run(*unit, earlier, 3);
        unit->reset();
        run(*unit, together, 3, 37);
        for (int c = 0; c < 3; ++c) {
            std::vector<float> alone = channel(mixed, 3, c);
            run(*makeUnit(type, params), alone, 1);
            const std::vector<float> got = channel(together, 3, c);
            for (std::size_t i = 0; i < alone.size(); ++i)
                QVERIFY2(std::fabs(got[i] - alone[i]) < 1e-6f, qPrintable(QString("%1 %2").arg(c).arg(i)));
        }
    }
};

QTEST_APPLESS_MAIN(TestUnits)
#include "test_units_filters.moc"
