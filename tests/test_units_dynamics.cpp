#include "unitsignal.h"

#include <QTest>

using namespace unitsignal;

// Unit types: 9 distortion, 10 normalize, 11 limiter, 18 compressor.
namespace {

// Hard cases for a peak limiter at full scale: a 1 kHz sine, a square (instant
// steps), white-noise bursts after silence, isolated one-sample spikes.
std::vector<float> loudSignal(const QString& kind, std::size_t frames)
{
    std::vector<float> x = sine(1000, static_cast<double>(frames) / kRate, 1.0);
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < frames; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const float noise = static_cast<float>(seed >> 8) / 8388608.0f - 1.0f;
        if (kind != "sine")
            x[i] = kind == "square"  ? ((i / 240) % 2 ? -1.0f : 1.0f)
                   : kind == "noise" ? (i % 4800 < 2400 ? 0.0f : noise)
                                     : (i % 960 == 500 ? 1.0f : 0.01f * noise);
    }
    return x;
}

} // namespace

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    // Steady tones: the compressor's static curve (levels are sine peaks in
    // dBFS, read within 0.02 dB from the sampled peaks), an untouched signal at
    // distortion level 0, and the gain normalize settles on.
    void steadyGain_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("settings");
        QTest::addColumn<double>("levelDb");
        QTest::addColumn<double>("hz");
        QTest::addColumn<double>("gainDb");
        QTest::newRow("compressor below threshold") << 18 << Params{{0, -20}, {1, 4}} << -30.0 << 1e3 << 0.0;
        QTest::newRow("compressor 50:1") << 18 << Params{{0, -30}, {1, 50}} << -6.0 << 1e3 << -23.52;
        QTest::newRow("compressor make-up") << 18 << Params{{0, -40}, {1, 2}, {4, 10}} << -20.0 << 1e3 << 0.0;
        QTest::newRow("compressor 60 Hz") << 18 << Params{{0, -20}, {1, 4}} << -8.0 << 60.0 << -9.0;
        QTest::newRow("distortion level 0") << 9 << Params{{0, 0}} << -6.0 << 500.0 << 0.0;
        QTest::newRow("normalize to full scale") << 10 << Params{{0, 100}} << -12.04 << 440.0 << 12.04;
        QTest::newRow("normalize maximum") << 10 << Params{{0, 100}, {2, 2}} << -12.04 << 440.0 << 6.02;
        QTest::newRow("normalize threshold") << 10 << Params{{0, 100}} << -40.0 << 440.0 << 20.0;
        QTest::newRow("normalize no threshold")
            << 10 << Params{{0, 100}, {1, 0}, {2, 1e5}} << -60.0 << 440.0 << 60.0;
    }
    void steadyGain()
    {
        QFETCH(int, type);
        QFETCH(Params, settings);
        QFETCH(double, levelDb);
        QFETCH(double, hz);
        QFETCH(double, gainDb);
        const double amplitude = std::pow(10, levelDb / 20);
        std::vector<float> x = sine(hz, 0.6, amplitude);
        run(*makeUnit(type, settings), x, 1);
        const double measured = db(amplitudeAt(x, hz, x.size() / 2) / amplitude);
        QVERIFY2(std::fabs(measured - gainDb) < 0.1, qPrintable(QString::number(measured)));
    }

    // Steps of a constant input show the gain at every sample; 63% of the
    // change takes the attack or release time, plus up to two 16-frame control
    // steps, plus the 10 ms peak window for release.
    void compressorTiming_data()
    {
        QTest::addColumn<double>("ms");
        QTest::addColumn<bool>("attack");
        QTest::newRow("attack 5 ms") << 5.0 << true;
        QTest::newRow("release 300 ms") << 300.0 << false;
    }
    void compressorTiming()
    {
        QFETCH(double, ms);
        QFETCH(bool, attack);
        auto unit = makeUnit(18, {{0, -20}, {1, 4}, {attack ? 2 : 3, static_cast<float>(ms)}});
        std::vector<float> x(3 * kRate, attack ? 1.0f : 0.01f), y;
        std::fill(x.begin(), x.begin() + kRate, attack ? 0.01f : 1.0f);
        run(*unit, y = x, 1);
        auto gainDb = [&](std::size_t i) { return db(y[i] / x[i]); };
        const double before = gainDb(kRate - 1), after = gainDb(y.size() - 1);
        QVERIFY(std::fabs(before - after) > 14.9); // 20 dB over the threshold at 4:1
        std::size_t i = kRate;
        while (std::fabs(gainDb(i) - after) > 0.368 * std::fabs(before - after))
            ++i;
        const double took = 1000.0 * static_cast<double>(i - kRate) / kRate, expected = attack ? ms : ms + 10;
        QVERIFY2(took > expected * 0.97 && took < expected * 1.03 + 0.7, qPrintable(QString::number(took)));
    }

    // Left is loud, right is quiet: linked channels share the left's gain.
    void linkedChannels_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("settings");
        QTest::addColumn<double>("rightDb");
        QTest::newRow("compressor linked") << 18 << Params{{0, -20}, {1, 4}, {6, 1}} << -15.0;
        QTest::newRow("compressor unlinked") << 18 << Params{{0, -20}, {1, 4}, {6, 0}} << 0.0;
        QTest::newRow("limiter linked") << 11 << Params{{0, 300}, {1, -6}, {3, 1}} << -6.0;
        QTest::newRow("limiter independent") << 11 << Params{{0, 300}, {1, -6}, {3, 0}} << 0.0;
    }
    void linkedChannels()
    {
        QFETCH(int, type);
        QFETCH(Params, settings);
        QFETCH(double, rightDb);
        std::vector<float> left = sine(1000, 1.0, 1.0), right = sine(700, 1.0, 0.1), x;
        for (std::size_t i = 0; i < left.size(); ++i)
            x.insert(x.end(), {left[i], right[i]});
        run(*makeUnit(type, settings), x, 2);
        const double measured = db(amplitudeAt(channel(x, 2, 1), 700, left.size() / 2) / 0.1);
        QVERIFY2(std::fabs(measured - rightDb) < 0.3, qPrintable(QString::number(measured)));
    }

    // The output peak is within 0.1 dB of the ceiling (and not far under it),
    // stereo, with odd block sizes too.
    void limiterCeiling_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Params>("settings");
        QTest::addColumn<int>("block");
        for (const char* kind : {"sine", "square", "noise", "spikes"}) {
            QTest::addRow("%s, 0 dB", kind) << kind << Params{} << 480;
            QTest::addRow("%s, -6 dB +12 dB, fast", kind) << kind << Params{{0, 1}, {1, -6}, {2, 12}} << 97;
            QTest::addRow("%s, -6 dB +6 dB, linked", kind)
                << kind << Params{{0, 100}, {1, -6}, {2, 6}, {3, 1}} << 256;
            QTest::addRow("%s, -12 dB +12 dB, slow", kind)
                << kind << Params{{0, 1000}, {1, -12}, {2, 12}} << 480;
        }
    }
    void limiterCeiling()
    {
        QFETCH(QString, kind);
        QFETCH(Params, settings);
        QFETCH(int, block);
        auto unit = makeUnit(11, settings);
        const std::vector<float> signal = loudSignal(kind, kRate);
        std::vector<float> x;
        for (std::size_t i = 0; i < signal.size(); ++i)
            x.insert(x.end(), {signal[i], -0.7f * signal[(i + 37) % signal.size()]});
        run(*unit, x, 2, static_cast<unsigned>(block));
        const double over = db(peak(x)) - unit->parameter(1);
        QVERIFY2(over <= 0.1 && over > -1, qPrintable(QString::number(over)));
    }

    // Below the ceiling the limiter is a pure delay of latencyFrames(),
    // sample for sample, and counts no frame as held down; over it, it counts
    // the frames it lowered.
    void limiterLatency_data()
    {
        QTest::addColumn<Params>("settings");
        QTest::addColumn<double>("amplitude");
        QTest::newRow("0 dB ceiling") << Params{} << 0.9;
        QTest::newRow("-1 dB ceiling, linked") << Params{{0, 50}, {1, -1}, {3, 1}} << 0.89;
    }
    void limiterLatency()
    {
        QFETCH(Params, settings);
        QFETCH(double, amplitude);
        auto unit = makeUnit(11, settings);
        const auto latency = static_cast<std::size_t>(unit->latencyFrames());
        QVERIFY(latency > 0 && latency <= kRate / 500);
        std::vector<float> x = sine(440, 0.1, amplitude), y = x;
        run(*unit, y, 1, 100);
        for (std::size_t i = latency; i < y.size(); ++i)
            QCOMPARE(y[i], x[i - latency]);
        std::uint64_t reduced = 1;
        QVERIFY(unit->reductionFrames(&reduced));
        QCOMPARE(reduced, 0u);

        std::vector<float> loud = sine(440, 0.5, 1.5);
        run(*unit, loud, 1, 100);
        QVERIFY(unit->reductionFrames(&reduced));
        QVERIFY2(reduced > kRate * 0.45 && reduced <= kRate / 2, qPrintable(QString::number(reduced)));
        QVERIFY(!makeUnit(18)->reductionFrames(&reduced)); // only the limiter counts
    }

    // A 0.25 tone reaches full scale by the fade time (not at once); a sudden
    // loud input after a quiet one never passes full scale.
    void normalizeFade()
    {
        auto unit = makeUnit(10, {{0, 500}});
        std::vector<float> x = sine(440, 1.0, 0.25), loud = loudSignal("noise", kRate);
        for (float v : loud)
            x.push_back(0.8f * v);
        run(*unit, x, 1);
        QVERIFY(db(peak(x, kRate / 4, kRate / 4 + 480) / 0.25) < 9); // about half the 12 dB
        QVERIFY(db(peak(x, kRate / 2, kRate / 2 + 480)) > -0.5);
        QVERIFY(peak(x) <= 1.0 + 1e-6);
    }

    void distortionDrive()
    {
        std::vector<float> x = sine(500, 0.2, 4.0);
        run(*makeUnit(9, {{0, 1}}), x, 1);
        QVERIFY(peak(x) <= 1.0);
        QVERIFY(amplitudeAt(x, 1500) > 0.1); // strongly driven: a clear 3rd harmonic
    }

    // A parameter jump at a peak of the tone never steps the waveform: a glide
    // of several ms keeps the largest sample-to-sample change near that of the
    // steady output before or after it (an instant change at least doubles it).
    void noClicks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Params>("settings");
        QTest::addColumn<Params>("change");
        QTest::addColumn<double>("amplitude");
        QTest::newRow("distortion level") << 9 << Params{{0, 0}} << Params{{0, 1}} << 0.5;
        QTest::newRow("normalize maximum") << 10 << Params{{0, 50}, {1, 0}} << Params{{2, 1}} << 0.01;
        QTest::newRow("limiter ceiling") << 11 << Params{} << Params{{1, -12}} << 0.9;
        QTest::newRow("limiter gain") << 11 << Params{{1, -6}} << Params{{2, 12}} << 0.2;
        QTest::newRow("compressor make-up") << 18 << Params{} << Params{{4, 20}} << 0.1;
        QTest::newRow("compressor threshold") << 18 << Params{{2, 0.1f}, {1, 50}} << Params{{0, -40}} << 0.5;
    }
    void noClicks()
    {
        QFETCH(int, type);
        QFETCH(Params, settings);
        QFETCH(Params, change);
        QFETCH(double, amplitude);
        std::vector<float> x = sine(100.5, 1.0, amplitude);
        const std::size_t half = x.size() / 2, tail = x.size() - kRate / 5;
        runChanging(*makeUnit(type, settings), x, 1, half, change);
        const double steady = std::max(steepestStep(x, half - kRate / 5, half), steepestStep(x, tail));
        const double ratio = steepestStep(x, half, tail) / steady;
        QVERIFY2(ratio < 1.5, qPrintable(QString::number(ratio)));
    }
};

QTEST_APPLESS_MAIN(TestUnits)
#include "test_units_dynamics.moc"
