// Our VoiceShifter and Harmonizer plug-ins, measured through the program's
// VST 2 host on a synthetic vowel (a pulse train through two formant
// resonators), clicks and, when espeak-ng is installed, synthetic speech.

#include "pluginsignal.h"
#include "vstplugin.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace unitsignal;

namespace {

constexpr int kPitch = 0, kFormant = 2, kMix = 5; // VoiceShifter's parameters

float semitones(double st) // the normalised value of a ±12 st parameter
{
    return static_cast<float>((st + 12) / 24);
}

std::unique_ptr<VstPlugin> open(const char* name, const Params& values = {}, const char* preset = nullptr)
{
    auto plugin = std::make_unique<VstPlugin>();
    if (!plugin->load(QStringLiteral(ZELVANI_PLUGIN_DIR "/%1.so").arg(QLatin1String(name))))
        return nullptr;
    plugin->prepare(kRate);
    if (preset && !plugin->loadFxp(QStringLiteral(ZELVANI_PRESET_DIR "/%1_%2.fxp").arg(name, preset)))
        return nullptr;
    for (const auto& [index, value] : values)
        plugin->setParameter(index, value);
    return plugin;
}

// The first formant of x[from, from + width): the lowest peak above 250 Hz of
// an order-10 LPC envelope, from the signal taken to 16 kHz (averaging three
// samples), pre-emphasised and Hamming-windowed.
double firstFormant(const std::vector<float>& x, std::size_t from, std::size_t width)
{
    constexpr int order = 10;
    constexpr double rate = kRate / 3.0;
    std::vector<double> s;
    for (std::size_t i = from; i + 3 <= from + width; i += 3)
        s.push_back((x[i] + x[i + 1] + x[i + 2]) / 3.0);
    for (std::size_t i = s.size(); i-- > 1;)
        s[i] -= 0.9 * s[i - 1];
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= 0.54 - 0.46 * std::cos(2 * M_PI * static_cast<double>(i) / static_cast<double>(s.size() - 1));
    double r[order + 1] = {};
    for (std::size_t k = 0; k <= order; ++k)
        for (std::size_t i = k; i < s.size(); ++i)
            r[k] += s[i] * s[i - k];
    double a[order + 1] = {1.0}, error = r[0] * 1.0001;
    for (int i = 1; i <= order; ++i) { // Levinson-Durbin
        double k = -r[i];
        for (int j = 1; j < i; ++j)
            k -= a[j] * r[i - j];
        k /= error;
        double previous[order + 1];
        std::copy(a, a + order + 1, previous);
        for (int j = 1; j < i; ++j)
            a[j] = previous[j] + k * previous[i - j];
        a[i] = k;
        error *= 1 - k * k;
    }
    auto envelope = [&](double hz) {
        double re = 0, im = 0;
        for (int k = 0; k <= order; ++k) {
            re += a[k] * std::cos(2 * M_PI * hz * k / rate);
            im -= a[k] * std::sin(2 * M_PI * hz * k / rate);
        }
        return 1 / (re * re + im * im);
    };
    for (double hz = 250; hz < 2000; hz += 5)
        if (envelope(hz) > envelope(hz - 5) && envelope(hz) >= envelope(hz + 5))
            return hz;
    return 0;
}

double rmsOf(const std::vector<float>& x, std::size_t from, std::size_t to)
{
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(x[i]) * x[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

} // namespace

class TestPluginsVoice : public QObject
{
    Q_OBJECT

private slots:
    // On a 120 Hz vowel: F0 moves by the pitch within 2 %, the first formant
    // by the formant shift within 10 %, the level within 3 dB.
    void shift_data()
    {
        QTest::addColumn<double>("pitch");
        QTest::addColumn<double>("formant");
        QTest::newRow("fifth up") << 7.02 << 0.0;
        QTest::newRow("fifth up, formants +4") << 7.02 << 4.0;
        QTest::newRow("octave down, formants -3") << -12.0 << -3.0;
        QTest::newRow("formants +4 alone") << 0.0 << 4.0;
    }
    void shift()
    {
        QFETCH(double, pitch);
        QFETCH(double, formant);
        auto plugin = open("VoiceShifter", {{kPitch, semitones(pitch)}, {kFormant, semitones(formant)}});
        QVERIFY(plugin);
        const std::vector<float> x = vowel(120, 1.0);
        const std::vector<float> y = run(*plugin, x);
        const auto from = std::size_t{24000}, shifted = from + static_cast<std::size_t>(plugin->latency());
        const double f0 = pitchOf(y, shifted, 4800) / 120, f1 = firstFormant(y, shifted, 8192);
        const double expectedF1 = firstFormant(x, from, 8192) * std::exp2(formant / 12);
        QVERIFY2(std::fabs(f0 / std::exp2(pitch / 12) - 1) < 0.02, qPrintable(QString::number(f0)));
        QVERIFY2(std::fabs(f1 / expectedF1 - 1) < 0.1, qPrintable(QString::number(f1)));
        QVERIFY(std::fabs(db(rmsOf(y, shifted - 12000, y.size()) / rmsOf(x, from - 12000, x.size()))) < 3);
    }

    // The reported latency is at most 30 ms and exact: a click comes out
    // shifted by it, and with the mix at 0 the output is the input delayed by it.
    void latency()
    {
        auto plugin = open("VoiceShifter", {{kPitch, semitones(7.02)}});
        QVERIFY(plugin);
        const int latency = plugin->latency();
        QVERIFY2(latency > 0 && latency <= kRate * 30 / 1000, qPrintable(QString::number(latency)));
        std::vector<float> click(kRate / 2, 0.0f);
        click[10000] = 0.5f;
        const std::vector<float> y = run(*plugin, click);
        const auto loudest = std::max_element(y.begin(), y.end(),
                                              [](float a, float b) { return std::fabs(a) < std::fabs(b); }) -
                             y.begin();
        QVERIFY2(std::labs(loudest - 10000 - latency) <= 2, qPrintable(QString::number(loudest)));
        QVERIFY(std::fabs(std::fabs(y[static_cast<std::size_t>(loudest)]) - 0.5f) < 0.1f);

        auto dry = open("VoiceShifter", {{kPitch, semitones(7.02)}, {kMix, 0.0f}});
        const std::vector<float> x = vowel(120, 0.5), z = run(*dry, x);
        for (std::size_t i = static_cast<std::size_t>(latency); i < x.size(); ++i)
            QVERIFY(std::fabs(z[i] - x[i - static_cast<std::size_t>(latency)]) < 1e-5f);
    }

    // Speech moved a fifth up and down: over its steady voiced frames the
    // median F0 ratio is right within 1 % and most frames within 2 % (the
    // rest are onsets and fast glides); the level within 3 dB.
    void speech()
    {
        const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
        if (espeak.isEmpty())
            QSKIP("espeak-ng is not installed");
        QProcess process;
        process.start(espeak,
                      {QStringLiteral("--stdout"), QStringLiteral("She sells sea shells by the sea shore.")});
        QVERIFY(process.waitForFinished(30000));
        const QByteArray wav = process.readAllStandardOutput();
        QVERIFY(wav.size() > 44 + 22050);
        const int rate = qFromLittleEndian<qint32>(wav.constData() + 24);
        std::vector<float> said;
        for (int at = 44; at + 2 <= wav.size(); at += 2)
            said.push_back(static_cast<float>(qFromLittleEndian<qint16>(wav.constData() + at)) / 32768);
        std::vector<float> x(said.size() * kRate / static_cast<std::size_t>(rate));
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double at = static_cast<double>(i) * rate / kRate;
            const auto j = std::min(static_cast<std::size_t>(at), said.size() - 2);
            x[i] = static_cast<float>(said[j] + (at - static_cast<double>(j)) * (said[j + 1] - said[j]));
        }
        constexpr std::size_t width = 1536;
        std::vector<std::pair<std::size_t, double>> voiced; // (frame start, F0)
        for (std::size_t at = 0; at + 4000 < x.size(); at += 1440) {
            const double f0 = pitchOf(x, at, width);
            if (f0 > 70 && f0 < 300 && std::fabs(pitchOf(x, at + 400, width) / f0 - 1) < 0.01)
                voiced.emplace_back(at, f0);
        }
        QVERIFY(voiced.size() > 10);
        for (double pitch : {7.02, -7.02}) {
            auto plugin = open("VoiceShifter", {{kPitch, semitones(pitch)}});
            QVERIFY(plugin);
            std::vector<float> in = x;
            in.resize(x.size() + 4000);
            const std::vector<float> y = run(*plugin, in);
            const auto latency = static_cast<std::size_t>(plugin->latency());
            std::vector<double> ratios;
            for (const auto& [at, f0] : voiced)
                ratios.push_back(pitchOf(y, at + latency, width) / f0 / std::exp2(pitch / 12));
            std::sort(ratios.begin(), ratios.end());
            const auto near =
                std::count_if(ratios.begin(), ratios.end(), [](double r) { return std::fabs(r - 1) < 0.02; });
            QVERIFY2(std::fabs(ratios[ratios.size() / 2] - 1) < 0.01, qPrintable(QString::number(pitch)));
            QVERIFY2(near * 3 >= static_cast<long>(ratios.size()) * 2, qPrintable(QString::number(near)));
            QVERIFY(std::fabs(db(rmsOf(y, latency, latency + x.size()) / rmsOf(x, 0, x.size()))) < 3);
        }
    }

    // Demon adds a voice an octave below (energy at F0/2 and 3 F0/2, absent
    // from the input) and keeps the dry voice: what the dry control removes
    // is the input delayed by the latency, at a fixed gain.
    void demon()
    {
        auto plugin = open("Harmonizer", {}, "Demon");
        auto wet = open("Harmonizer", {{0, 0.0f}}, "Demon"); // dry at its minimum: off
        QVERIFY(plugin && wet);
        const std::vector<float> x = vowel(120, 1.0), y = run(*plugin, x), z = run(*wet, x);
        const auto latency = static_cast<std::size_t>(plugin->latency());
        const std::size_t from = 24000, to = x.size();
        const double fundamental = amplitudeAt(x, 120, from, to);
        for (double hz : {60.0, 180.0}) {
            QVERIFY(amplitudeAt(x, hz, from, to) < 0.01 * fundamental);
            QVERIFY2(amplitudeAt(y, hz, from, to) > 0.2 * fundamental, qPrintable(QString::number(hz)));
        }
        double xy = 0, xx = 0;
        for (std::size_t i = from; i < to; ++i) {
            xy += static_cast<double>(y[i] - z[i]) * x[i - latency];
            xx += static_cast<double>(x[i - latency]) * x[i - latency];
        }
        const double gain = xy / xx;
        QVERIFY2(gain > 0.5 && gain < 1.2, qPrintable(QString::number(gain)));
        for (std::size_t i = from; i < to; ++i)
            QVERIFY(std::fabs(y[i] - z[i] - gain * x[i - latency]) < 1e-4f);
    }

    // Every factory program loads from its preset, keeps the vowel's level
    // within 6 dB and stays finite; VoiceShifter's move F0 the way they say.
    void programs_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("direction"); // of F0: 1 up, -1 down, 0 not measured
        for (const char* up : {"Female", "Child", "Chipmunk"})
            QTest::newRow(up) << "VoiceShifter" << up << 1;
        for (const char* down : {"Male", "Giant"})
            QTest::newRow(down) << "VoiceShifter" << down << -1;
        for (const char* program : {"Demon", "Choir", "Octaver"})
            QTest::newRow(program) << "Harmonizer" << program << 0;
    }
    void programs()
    {
        QFETCH(QString, plugin);
        QFETCH(QString, program);
        QFETCH(int, direction);
        auto effect = open(qPrintable(plugin), {}, qPrintable(program));
        QVERIFY(effect);
        const std::vector<float> x = vowel(150, 0.8), y = run(*effect, x);
        QVERIFY(std::isfinite(peak(y)) && peak(y) < 1.0);
        QVERIFY(std::fabs(db(rmsOf(y, 19200, y.size()) / rmsOf(x, 19200, x.size()))) < 6);
        if (direction != 0) {
            const double ratio = pitchOf(y, 24000, 4800) / 150;
            QVERIFY2(direction > 0 ? ratio > 1.2 : ratio < 0.8, qPrintable(QString::number(ratio)));
        }
    }
};

QTEST_GUILESS_MAIN(TestPluginsVoice)
#include "test_plugins_voice.moc"
