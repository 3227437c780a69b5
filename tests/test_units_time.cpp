// Echoes, delays and the reverb, measured on their impulse and sine responses.
#include "unitsignal.h"

#include <QTest>

#include <cfloat>

using namespace unitsignal;

namespace {

// Channel 0 of the response of `unit` to impulses on all `channels` at frame 0.
std::vector<float> impulseResponse(zaudio::Unit& unit, int channels, std::size_t frames)
{
    std::vector<float> x(frames * static_cast<std::size_t>(channels));
    std::fill(x.begin(), x.begin() + channels, 1.0f);
    run(unit, x, channels);
    return channel(x, channels, 0);
}

// Positions of the samples above `floor`.
std::vector<std::size_t> nonZero(const std::vector<float>& x, float floor = 1e-6f)
{
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (std::fabs(x[i]) > floor)
            at.push_back(i);
    return at;
}

// RBJ band-pass (0 dB peak), to measure the decay in one band.
std::vector<float> band(const std::vector<float>& x, double hz, double q)
{
    const double w = 2 * M_PI * hz / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
    const double b0 = alpha / a0, a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
    std::vector<float> y(x.size());
    double s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double v = b0 * x[i] + s1;
        s1 = -a1 * v + s2;
        s2 = -b0 * x[i] - a2 * v;
        y[i] = static_cast<float>(v);
    }
    return y;
}

// Decay time in ms by Schroeder backward integration: a line fitted to the
// energy decay curve from -5 to -35 dB, extrapolated to 60 dB.
double rt60(const std::vector<float>& h)
{
    std::vector<double> edc(h.size() + 1, 0.0);
    for (std::size_t i = h.size(); i-- > 0;)
        edc[i] = edc[i + 1] + static_cast<double>(h[i]) * h[i];
    double sx = 0, sy = 0, sxx = 0, sxy = 0, n = 0;
    for (std::size_t i = 0; i < h.size(); ++i) {
        const double db = 10 * std::log10(edc[i] / edc[0] + 1e-300);
        if (db > -5)
            continue;
        if (db < -35)
            break;
        const double t = static_cast<double>(i) / kRate;
        sx += t, sy += db, sxx += t * t, sxy += t * db, n += 1;
    }
    return -60.0 / ((n * sxy - sx * sy) / (n * sxx - sx * sx)) * 1000.0;
}

double energy(const std::vector<float>& x, std::size_t from = 0)
{
    double sum = 0;
    for (std::size_t i = from; i < x.size(); ++i)
        sum += static_cast<double>(x[i]) * x[i];
    return sum;
}

} // namespace

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    // Echoes land exactly on round(ms * rate / 1000) and its multiples, each
    // scaled by the feedback; the tracker echo's other side keeps its own delay.
    void echoImpulses_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("side");
        QTest::addColumn<float>("ms");
        QTest::addColumn<float>("feedback");
        QTest::addColumn<int>("delay");
        QTest::newRow("echo 1 ms") << 6 << 0 << 1.0f << 50.0f << 48;
        QTest::newRow("echo 7.99 ms") << 6 << 0 << 7.99f << 30.0f << 384;
        QTest::newRow("echo 1999 ms") << 6 << 0 << 1999.0f << 80.0f << 95952;
        QTest::newRow("tracker left 7.99 ms") << 17 << 0 << 7.99f << 60.0f << 384;
        QTest::newRow("tracker right 1999 ms") << 17 << 1 << 1999.0f << 90.0f << 95952;
    }
    void echoImpulses()
    {
        QFETCH(int, type);
        QFETCH(int, side);
        QFETCH(float, ms);
        QFETCH(float, feedback);
        QFETCH(int, delay);
        const bool tracker = type == 17;
        auto unit = makeUnit(type, {{1, feedback}, {tracker ? 2 + side : 0, ms}});
        if (tracker)
            unit->setParameter(3 - side, 3.0f); // the other side: 144 samples
        const auto d = static_cast<std::size_t>(delay);
        std::vector<float> x(2 * (3 * d + d / 2));
        x[0] = x[1] = 1.0f;
        run(*unit, x, 2, 317);
        const std::vector<float> h = channel(x, 2, side), other = channel(x, 2, 1 - side);

        const double level = tracker ? 0.5 : 1.0; // dry and wet
        QCOMPARE(nonZero(h), (std::vector<std::size_t>{0, d, 2 * d, 3 * d}));
        for (int k = 0; k < 4; ++k)
            QVERIFY(std::fabs(h[k * d] - level * std::pow(feedback / 100.0, std::max(k - 1, 0))) < 1e-6);
        if (tracker)
            QCOMPARE(nonZero(other).at(1), std::size_t(144));
    }

    // Each channel is delayed by its own time, capped at the maximum delay,
    // with nothing else in the output.
    void delayPerChannel()
    {
        const float ms[8] = {0.0f, 0.02f, 7.3f, 500.0f, 599.99f, 800.0f, 10000.0f, 1.0f};
        const std::size_t expected[8] = {0, 1, 350, 24000, 28800, 28800, 28800, 48};
        auto unit = makeUnit(21, {{16, 600.0f}});
        std::vector<float> x(8 * 30000);
        for (int c = 0; c < 8; ++c) {
            unit->setParameter(c, ms[c]);
            x[static_cast<std::size_t>(8 * 10 + c)] = 1.0f;
        }
        run(*unit, x, 8, 401);
        for (int c = 0; c < 8; ++c) {
            const std::vector<float> h = channel(x, 8, c);
            QCOMPARE(nonZero(h), std::vector<std::size_t>{10 + expected[c]});
            QCOMPARE(h[10 + expected[c]], 1.0f);
        }
        // The default maximum is 10 ms.
        QCOMPARE(nonZero(impulseResponse(*makeUnit(21, {{0, 500.0f}}), 1, 1000)),
                 std::vector<std::size_t>{480});
    }

    // After an impulse the feedback paths die out to exact zeros, without
    // passing through denormals or producing anything but finite numbers.
    void decaysToZero_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("params");
        QTest::newRow("echo 1 ms, 50 %") << 6 << Params{{0, 1}, {1, 50}};
        QTest::newRow("tracker echo 1 ms") << 17 << Params{{2, 1}, {3, 1}};
        QTest::newRow("reverb 100 ms, HF 10 %") << 19 << Params{{0, 100}, {4, 10}};
    }
    void decaysToZero()
    {
        QFETCH(int, type);
        QFETCH(Params, params);
        const std::vector<float> h = impulseResponse(*makeUnit(type, params), 2, 3 * kRate / 2);
        for (float v : h)
            QVERIFY(std::isfinite(v) && (v == 0.0f || std::fabs(v) >= FLT_MIN));
        QCOMPARE(energy(h, h.size() - kBlock), 0.0);
    }

    // The reverb's decay time (Schroeder, T30) matches the setting within
    // 10 %: below the HF reference at its full length, at the reference at the
    // HF ratio. The two sides are decorrelated.
    void reverbDecayTime_data()
    {
        QTest::addColumn<float>("decay");
        QTest::addColumn<double>("hz");
        QTest::addColumn<double>("expected");
        QTest::newRow("300 ms") << 300.0f << 500.0 << 300.0;
        QTest::newRow("6000 ms") << 6000.0f << 500.0 << 6000.0;
        QTest::newRow("1500 ms at the 5 kHz HF reference, ratio 50 %") << 1500.0f << 5000.0 << 750.0;
    }
    void reverbDecayTime()
    {
        QFETCH(float, decay);
        QFETCH(double, hz);
        QFETCH(double, expected);
        auto unit = makeUnit(19, {{0, decay}, {12, -80.0f}});
        const auto frames = static_cast<std::size_t>((0.7 * decay / 1000 + 0.3) * kRate);
        std::vector<float> x(2 * frames);
        x[0] = x[1] = 1.0f;
        run(*unit, x, 2);
        const std::vector<float> left = channel(x, 2, 0), right = channel(x, 2, 1);
        const double measured = rt60(band(left, hz, hz < 1000 ? 1.4 : 8.0));
        QVERIFY2(std::fabs(measured / expected - 1) < 0.1, qPrintable(QString::number(measured)));

        double cross = 0;
        for (std::size_t i = 0; i < frames; ++i)
            cross += static_cast<double>(left[i]) * right[i];
        QVERIFY(std::fabs(cross) < 0.2 * std::sqrt(energy(left) * energy(right)));
    }

    // Dry and wet levels: the dry impulse passes at its gain (the first
    // reflection comes later), the tail scales exactly with the wet level.
    void reverbLevels_data()
    {
        QTest::addColumn<float>("dry");
        QTest::addColumn<float>("wet");
        QTest::newRow("dry -20, wet +12") << -20.0f << 12.0f;
        QTest::newRow("dry +6, wet -80") << 6.0f << -80.0f;
    }
    void reverbLevels()
    {
        QFETCH(float, dry);
        QFETCH(float, wet);
        const std::vector<float> r = impulseResponse(*makeUnit(19, {{1, 0}, {11, 0}}), 2, kRate / 2),
                                 h = impulseResponse(*makeUnit(19, {{1, 0}, {11, wet}, {12, dry}}), 2,
                                                     kRate / 2);
        QVERIFY(std::fabs(db(h[0]) - dry) < 1e-4);
        QVERIFY(std::fabs(10 * std::log10(energy(h, 1) / energy(r, 1)) - wet) < 0.01);
    }

    // Changing a delay (or the reverb's decay) mid-sine moves smoothly: the
    // output never steps further than a sine of its peak level would. The
    // change comes at a peak of the input, where a jump would show most.
    void changeIsSmooth_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("to");
        QTest::newRow("echo") << 6 << 0 << 501.0f;
        QTest::newRow("tracker echo") << 17 << 2 << 501.0f;
        QTest::newRow("delay") << 21 << 0 << 501.0f;
        QTest::newRow("reverb early delay") << 19 << 1 << 21.0f;
        QTest::newRow("reverb decay") << 19 << 0 << 5000.0f;
        QTest::newRow("reverb density") << 19 << 6 << 100.0f;
    }
    void changeIsSmooth()
    {
        QFETCH(int, type);
        QFETCH(int, index);
        QFETCH(float, to);
        // 500 Hz: 500 ms is a whole number of periods, 1 ms half of one.
        auto unit = type == 19 ? makeUnit(19, {{0, 300.0f}, {1, 20.0f}, {10, 100.0f}, {12, -80.0f}})
                               : makeUnit(type, {{index, 500.0f}, {16, 1000.0f}});
        std::vector<float> y = sine(500.0, 1.2);
        runChanging(*unit, y, 1, kRate + 24, {{index, to}});
        // Each step from 0.5 s on (past the onset) against the peak within a
        // period (96 samples) either side.
        for (std::size_t i = kRate / 2; i + 96 < y.size(); ++i) {
            const double local = peak(y, i / 96 * 96 - 96, i / 96 * 96 + 192);
            QVERIFY2(steepestStep(y, i, i + 1) < 1.05 * local * 2 * std::sin(M_PI * 500.0 / kRate),
                     qPrintable(QString("at %1, peak %2").arg(i).arg(local)));
        }
    }
};

QTEST_APPLESS_MAIN(TestUnits)
#include "test_units_time.moc"
