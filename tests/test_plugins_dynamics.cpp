// Our NoiseGate, Robotizer, Whisper, RingModulator and Radio plug-ins,
// measured through the program's VST 2 host on tones, a voice-like tone and
// (when espeak-ng is installed) synthetic speech.

#include "pluginsignal.h"
#include "vstplugin.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

using namespace unitsignal;

namespace {

using Values = std::vector<std::pair<int, float>>; // parameter index, normalised value

std::unique_ptr<VstPlugin> open(const char* name, const Values& values = {})
{
    auto plugin = std::make_unique<VstPlugin>();
    if (!plugin->load(QStringLiteral(ZELVANI_PLUGIN_DIR "/%1.so").arg(QLatin1String(name))))
        return nullptr;
    plugin->prepare(kRate);
    for (const auto& [index, value] : values)
        plugin->setParameter(index, value);
    return plugin;
}

double rmsDb(const std::vector<float>& x, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    to = std::min(to, x.size());
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(x[i]) * x[i];
    return 10 * std::log10(std::max(sum / static_cast<double>(to - from), 1e-24));
}

// A sung vowel: harmonics of f0 (5 Hz vibrato of `vibrato` × f0) under formant bumps, peak 0.3.
std::vector<float> voice(double f0, double seconds, double vibrato = 0.03)
{
    std::vector<float> x(static_cast<std::size_t>(seconds * kRate));
    double phase = 0, top = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double f = f0 * (1 + vibrato * std::sin(2 * M_PI * 5 * static_cast<double>(i) / kRate));
        phase += 2 * M_PI * f / kRate;
        double s = 0;
        for (int k = 1; k * f < 5000; ++k) {
            const double hz = k * f;
            s += (1 + 3 * std::exp(-std::pow((hz - 700) / 150, 2)) +
                  2 * std::exp(-std::pow((hz - 1200) / 200, 2))) *
                 std::sin(k * phase) / k;
        }
        x[i] = static_cast<float>(s);
        top = std::max(top, std::fabs(s));
    }
    for (float& v : x)
        v = static_cast<float>(v * 0.3 / top);
    return x;
}

// espeak-ng's speech at 48 kHz (peak 0.3), or nothing when it is not installed.
std::vector<float> speech()
{
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (espeak.isEmpty())
        return {};
    QProcess process;
    process.start(espeak,
                  {QStringLiteral("--stdout"), QStringLiteral("Robots whisper on the radio at seven.")});
    if (!process.waitForFinished(30000))
        return {};
    const QByteArray wav = process.readAllStandardOutput();
    const int data = wav.indexOf("data");
    std::uint32_t rate = 0;
    if (data < 0 || wav.size() < 28)
        return {};
    std::memcpy(&rate, wav.constData() + 24, 4);
    std::vector<float> source;
    for (int i = data + 8; i + 1 < wav.size(); i += 2) {
        std::int16_t s;
        std::memcpy(&s, wav.constData() + i, 2);
        source.push_back(s / 32768.0f);
    }
    std::vector<float> x;
    float top = 1e-6f;
    for (double t = 0; rate > 0 && t + 1 < static_cast<double>(source.size()); t += rate / double(kRate)) {
        const auto i = static_cast<std::size_t>(t);
        x.push_back(static_cast<float>(source[i] + (t - i) * (source[i + 1] - source[i])));
        top = std::max(top, std::fabs(x.back()));
    }
    for (float& v : x)
        v *= 0.3f / top; // as loud as the sung vowel
    return x;
}

// Power at the harmonics of f0 over the power half-way between them, 200 Hz – 3 kHz, in dB
// (Hann-windowed Goertzel over 4096-frame segments, averaged).
double harmonicContrast(const std::vector<float>& x, double f0, std::size_t from)
{
    constexpr std::size_t kSegment = 4096;
    double peaks = 0, gaps = 0;
    std::vector<float> segment(kSegment);
    for (std::size_t s = from; s + kSegment <= x.size(); s += kSegment) {
        for (std::size_t j = 0; j < kSegment; ++j)
            segment[j] = static_cast<float>(x[s + j] * (0.5 - 0.5 * std::cos(2 * M_PI * j / kSegment)));
        for (double hz = std::ceil(200 / f0) * f0; hz < 3000; hz += f0) {
            peaks += std::pow(amplitudeAt(segment, hz), 2);
            gaps += std::pow(amplitudeAt(segment, hz + f0 / 2), 2);
        }
    }
    return 10 * std::log10(peaks / gaps);
}

// The repetition rate of x[from, from + 4800) by autocorrelation (50 – 400 Hz):
// the first lag within 10 % of the best one.
double pitch(const std::vector<float>& x, std::size_t from)
{
    std::vector<double> r(kRate / 50 + 2);
    for (std::size_t lag = kRate / 400; lag < r.size(); ++lag)
        for (std::size_t i = from; i < from + 4800; ++i)
            r[lag] += static_cast<double>(x[i]) * x[i + lag];
    const double best = *std::max_element(r.begin(), r.end());
    for (std::size_t lag = kRate / 400 + 1; lag + 1 < r.size(); ++lag)
        if (r[lag] >= 0.9 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1])
            return double(kRate) / lag;
    return 0;
}

float logNormalised(double value, double min, double max)
{
    return static_cast<float>(std::log(value / min) / std::log(max / min));
}

} // namespace

class TestPluginsDynamics : public QObject
{
    Q_OBJECT

private slots:
    // The engine's gates: always on (threshold 0.2, closed gain 0.8) and denoise (v / 100, (100 − v) / 100).
    void noiseGate()
    {
        auto gate = open("NoiseGate", {{2, 0.2f}, {11, 0.8f}});
        QVERIFY(gate);
        QCOMPARE(gate->parameterCount(), 12);
        QCOMPARE(gate->latency(), 0);
        const QString closed = gate->parameterDisplay(11);
        QVERIFY2(closed.endsWith(QLatin1String(" dB")), qPrintable(closed));
        const double closedDb = closed.section(QLatin1Char(' '), 0, 0).toDouble();
        QVERIFY(closedDb < -4 && closedDb > -8);

        // Room noise under the threshold is lowered by the closed gain; speech over it passes as it is.
        const std::vector<float> quiet = sine(1000, 1.0, 0.00025), loud = sine(1000, 1.0, 0.01);
        const std::vector<float> quietOut = run(*gate, quiet);
        QVERIFY(std::fabs(db(amplitudeAt(quietOut, 1000, kRate / 2) / amplitudeAt(quiet, 1000, kRate / 2)) -
                          closedDb) < 0.5);
        const std::vector<float> loudOut = run(*gate, loud);
        QVERIFY(std::fabs(db(amplitudeAt(loudOut, 1000, kRate / 10) / amplitudeAt(loud, 1000, kRate / 10))) <
                0.1);

        // A tone wobbling between −63 and −59 dBFS, across the opening threshold (−60 dBFS), opens the
        // gate once and it stays open: no chatter.
        std::vector<float> wobble = sine(1000, 2.0, 0.0011);
        for (std::size_t i = 0; i < wobble.size(); ++i)
            wobble[i] *=
                static_cast<float>(std::pow(10.0, (2 * std::sin(2 * M_PI * 3 * i / kRate) - 2) / 20));
        const std::vector<float> wobbleOut = run(*open("NoiseGate", {{2, 0.2f}, {11, 0.8f}}), wobble);
        for (std::size_t from = kRate / 2; from + kBlock <= wobble.size(); from += kBlock)
            QVERIFY(std::fabs(rmsDb(wobbleOut, from, from + kBlock) - rmsDb(wobble, from, from + kBlock)) <
                    0.1);

        // Denoise: low noise (−50 dBFS RMS) is cut deeper at strength 70 than at 25.
        std::mt19937 random(3);
        std::normal_distribution<float> normal(0.0f, 0.00316f);
        std::vector<float> noise(kRate);
        for (float& v : noise)
            v = normal(random);
        double cut[2];
        for (int v : {25, 70})
            cut[v == 70] =
                rmsDb(noise, kRate / 2) -
                rmsDb(run(*open("NoiseGate", {{2, v / 100.0f}, {11, (100 - v) / 100.0f}}), noise), kRate / 2);
        QVERIFY2(cut[1] > cut[0] + 10 && cut[1] > 20,
                 qPrintable(QStringLiteral("%1 %2").arg(cut[0]).arg(cut[1])));

        // Loud turns (5 ms onsets) and quiet turns that close the gate, on a 100 Hz tone whose own
        // steps are small: the gain moves never add a step of their own size.
        for (const auto& [setting, quiet] : {std::make_pair(Values{{2, 0.2f}, {11, 0.8f}}, 0.0003f),
                                             std::make_pair(Values{{2, 0.7f}, {11, 0.3f}}, 0.02f)}) {
            std::vector<float> turns = sine(100, 2.0, 0.3);
            for (std::size_t i = 0; i < turns.size(); ++i) {
                const std::size_t into = i % (kRate / 4), onset = kRate / 200;
                turns[i] *= (i / (kRate / 4)) % 2 ? quiet
                            : into < onset        ? 0.5f - 0.5f * std::cos(float(M_PI) * into / onset)
                                                  : 1.0f;
            }
            const std::vector<float> out = run(*open("NoiseGate", setting), turns);
            QVERIFY(steepestStep(out) < 1.5 * steepestStep(turns));
        }

        // Lookahead: the sound comes out late by the latency reported.
        auto ahead = open("NoiseGate", {{2, 0.2f}, {11, 0.8f}, {5, 0.5f}});
        run(*ahead, std::vector<float>(kBlock)); // takes the setting
        QCOMPARE(ahead->latency(), kRate / 200);
        const std::vector<float> late = run(*ahead, loud);
        for (std::size_t i = kRate / 2; i < loud.size(); i += 97)
            QVERIFY(std::fabs(late[i] - loud[i - kRate / 200]) < 1e-6f);
    }

    // Every plug-in and its presets on a voice: finite output of about the input's level.
    void presetsOnVoice_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Robotizer", "Whisper", "RingModulator", "Radio"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void presetsOnVoice()
    {
        QFETCH(QString, name);
        const QStringList presets =
            QDir(QStringLiteral(ZELVANI_PRESET_DIR))
                .entryList({name + QStringLiteral("_*.fxp")}, QDir::Files, QDir::Name);
        QVERIFY2(presets.size() >= 2, qPrintable(presets.join(QLatin1Char(' '))));
        std::vector<std::vector<float>> sources{voice(130, 2.0)};
        if (std::vector<float> spoken = speech(); !spoken.empty())
            sources.push_back(std::move(spoken));
        else
            qInfo("espeak-ng is not installed: synthetic voice only");
        for (const QString& preset : presets + QStringList{QString()}) {
            for (const std::vector<float>& signal : sources) {
                auto plugin = open(name.toLatin1().constData());
                QVERIFY(plugin && plugin->inputCount() == 2 && plugin->outputCount() == 2);
                QVERIFY(preset.isEmpty() || plugin->loadFxp(QStringLiteral(ZELVANI_PRESET_DIR "/") + preset));
                const std::vector<float> out = run(*plugin, signal);
                const double level = rmsDb(out, kRate / 10) - rmsDb(signal, kRate / 10);
                QVERIFY2(
                    std::isfinite(peak(out)) && peak(out) < 1.0 && level > -12 && level < 6,
                    qPrintable(
                        QStringLiteral("%1: peak %2, level %3 dB").arg(preset).arg(peak(out)).arg(level)));
            }
        }
    }

    void ringModulatorSidebands()
    {
        // A 500 Hz tone on a 200 Hz carrier becomes 300 and 700 Hz, each at 1/√2 of the tone (makeup +3 dB).
        auto ring = open("RingModulator", {{0, logNormalised(200, 10, 4000)}});
        QVERIFY(ring);
        const std::vector<float> tone = sine(500, 1.0, 0.3), out = run(*ring, tone);
        for (double hz : {300.0, 700.0})
            QVERIFY(std::fabs(db(amplitudeAt(out, hz, kRate / 2) / 0.3) + 3.01) < 0.3);
        QVERIFY(db(amplitudeAt(out, 500, kRate / 2) / 0.3) < -60);
    }

    void radioBandLimits()
    {
        // Low cut 400 Hz, high cut 3200 Hz (defaults), drive, noise and crackle off: fourth order
        // each side, so an octave outside either corner is about 24 dB down from 1 kHz.
        auto level = [](double hz) {
            auto radio = open("Radio", {{2, 0.0f}, {3, 0.0f}, {4, 0.0f}});
            const std::vector<float> tone = sine(hz, 1.0, 0.01);
            return db(amplitudeAt(run(*radio, tone), hz, kRate / 2) / 0.01);
        };
        const double mid = level(1000);
        QVERIFY(std::fabs(mid) < 1.0);
        for (double hz : {200.0, 6400.0})
            QVERIFY2(std::fabs(mid - level(hz) - 24.1) < 2.0, qPrintable(QString::number(mid - level(hz))));
    }

    void robotizerPitch()
    {
        // Whatever the singer's pitch, the robot sings at its own (110 Hz by default).
        for (double f0 : {150.0, 230.0}) {
            auto robot = open("Robotizer", {{2, 0.0f}}); // no comb
            QVERIFY(robot && robot->latency() > 0);
            const std::vector<float> out = run(*robot, voice(f0, 1.5));
            QVERIFY2(std::fabs(pitch(out, kRate) / 110 - 1) < 0.02,
                     qPrintable(QString::number(pitch(out, kRate))));
        }
    }

    void whisperRemovesHarmonics()
    {
        // The harmonics of a steady voice stand far above the gaps between them; whispered, hardly.
        auto whisper = open("Whisper");
        QVERIFY(whisper && whisper->latency() > 0);
        const std::vector<float> sung = voice(150, 3.0, 0.002), out = run(*whisper, sung);
        const double before = harmonicContrast(sung, 150, kRate / 4),
                     after = harmonicContrast(out, 150, kRate / 4);
        QVERIFY2(before > 25 && after < 4, qPrintable(QStringLiteral("%1 -> %2 dB").arg(before).arg(after)));
    }
};

QTEST_GUILESS_MAIN(TestPluginsDynamics)
#include "test_plugins_dynamics.moc"
