// Our VoiceShifter and Harmonizer plug-ins, measured through the program's
// VST 2 host on a synthetic vowel (a pulse train through two formant
// resonators), clicks and, when espeak-ng is installed, synthetic speech.

#include "pluginsignal.h"
#include "speakerpitch.h"
#include "vstplugin.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <vector>

using namespace unitsignal;

namespace {

constexpr int kPitch = 0, kFormant = 2, kMix = 5, kTarget = 7, kMode = 8; // VoiceShifter's parameters

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

// Syllables as a speaker says them: 350 ms of vowel (F0 as `f0` gives it at
// each second, 20 ms fades) and 100 ms of silence, peaks near -6 dBFS.
constexpr double kSyllable = 0.35, kGap = 0.1;
std::vector<float> syllables(const std::function<double(double)>& f0, double seconds)
{
    std::vector<float> x(static_cast<std::size_t>(seconds * kRate));
    double phase = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = static_cast<double>(i) / kRate, hz = f0(t);
        phase = std::fmod(phase + 2 * M_PI * hz / kRate, 2 * M_PI);
        const double within = std::fmod(t, kSyllable + kGap);
        if (within >= kSyllable)
            continue;
        const double fade = std::min({1.0, within / 0.02, (kSyllable - within) / 0.02});
        double sum = 0;
        for (int h = 1; h * hz < 5000; ++h)
            sum += std::cos(h * phase) / h;
        x[i] = static_cast<float>(fade * sum);
    }
    throughFormants(x);
    const float top = peak(x);
    for (float& v : x)
        v *= 0.5f / top;
    return x;
}

// The median F0 of the steady middles of the syllables of y in [from, to) s,
// the output being `latency` frames late.
double medianPitch(const std::vector<float>& y, double from, double to, int latency)
{
    std::vector<double> found;
    for (double start = std::ceil(from / (kSyllable + kGap)) * (kSyllable + kGap); start + kSyllable <= to;
         start += kSyllable + kGap)
        for (double at = start + 0.1; at + 0.05 < start + kSyllable; at += 0.05) {
            const std::size_t from = static_cast<std::size_t>(at * kRate) + static_cast<std::size_t>(latency);
            if (from + 2400 + kRate / 40 + 2 < y.size())
                found.push_back(pitchOf(y, from, 2400));
        }
    std::sort(found.begin(), found.end());
    return found.empty() ? 0 : found[found.size() / 2];
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

    // The speaker's pitch as followed, frame by frame (200 a second): it
    // learns a voice within its first words, follows a real move from 100 to
    // 200 Hz within 3 s and without a step, and is moved neither by one
    // word's intonation, nor by a minority of octave errors, nor by silence.
    void speakerPitch()
    {
        constexpr double kFrames = 200;
        std::mt19937 random(7);
        std::uniform_real_distribution<double> jitter(-0.03, 0.03);
        zplug::SpeakerPitch speaker;
        speaker.prepare(kFrames);
        // Speech: 70 % of frames voiced, each within 3 % of the voice's F0.
        auto speak = [&](double seconds, const std::function<double(double)>& hz,
                         const std::function<void(double)>& check = {}) {
            for (int i = 0; i < seconds * kFrames; ++i) {
                const double t = i / kFrames;
                speaker.update(i % 10 < 7 ? hz(t) * (1 + jitter(random)) : 0.0);
                if (check)
                    check(t);
            }
        };
        QCOMPARE(speaker.hz(), 0.0);
        speak(0.2, [](double) { return 100.0; });
        QVERIFY2(std::fabs(speaker.hz() / 100 - 1) < 0.03, qPrintable(QString::number(speaker.hz())));
        speak(5, [](double) { return 100.0; });
        QVERIFY(std::fabs(speaker.hz() / 100 - 1) < 0.02);

        double before = speaker.hz(), largestStep = 0, reached = -1;
        speak(
            4, [](double) { return 200.0; },
            [&](double t) {
                largestStep = std::max(largestStep, std::fabs(std::log2(speaker.hz() / before)) * 12);
                before = speaker.hz();
                if (reached < 0 && std::fabs(speaker.hz() / 200 - 1) < 0.05)
                    reached = t;
            });
        QVERIFY2(reached > 0 && reached < 3, qPrintable(QString::number(reached)));
        QVERIFY2(largestStep < 0.25, qPrintable(QString::number(largestStep))); // semitones per 5 ms: a glide

        speak(5, [](double) { return 120.0; });
        const double steady = speaker.hz();
        speak(0.5, [](double t) { return 120.0 * (1 + t); }); // a rising question: 120 to 180 Hz
        speak(0.5, [](double) { return 120.0; });
        QVERIFY2(std::fabs(speaker.hz() / steady - 1) < 0.03, qPrintable(QString::number(speaker.hz())));

        speak(3, [](double) { return 100.0; });
        for (int i = 0; i < 4 * kFrames; ++i) { // one frame in 4 an octave up, one in 7 an octave down
            speaker.update(i % 4 == 0 ? 200.0 : i % 7 == 0 ? 50.0 : 100.0);
            QVERIFY2(i < kFrames || std::fabs(speaker.hz() / 100 - 1) < 0.015,
                     qPrintable(QString::number(speaker.hz())));
        }
        const double talked = speaker.hz();
        for (int i = 0; i < 10 * kFrames; ++i)
            speaker.update(0.0);
        QCOMPARE(speaker.hz(), talked);
    }

    // A target voice puts any speaker's syllables at its pitch: 100, 150 and
    // 220 Hz vowels come out within 10 % of the target (after the first
    // second), with the formant shift, the level within 3 dB of the dry and
    // nothing clipped.
    void targetWhoeverSpeaks_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("formant");
        QTest::addColumn<double>("speaker");
        for (double speaker : {100.0, 150.0, 220.0}) {
            QTest::addRow("Female, %.0f Hz", speaker) << "Female" << 211.1 << 2.4 << speaker;
            QTest::addRow("Male, %.0f Hz", speaker) << "Male" << 108.7 << -2.16 << speaker;
        }
        QTest::addRow("Chipmunk, 100 Hz") << "Chipmunk" << 575.1 << 9.12 << 100.0;
        QTest::addRow("Giant, 220 Hz") << "Giant" << 54.4 << -5.04 << 220.0;
    }
    void targetWhoeverSpeaks()
    {
        QFETCH(QString, program);
        QFETCH(double, target);
        QFETCH(double, formant);
        QFETCH(double, speaker);
        auto plugin = open("VoiceShifter", {{kMix, 1.0f}}, qPrintable(program));
        QVERIFY(plugin);
        const std::vector<float> x = syllables([&](double) { return speaker; }, 3.0), y = run(*plugin, x);
        const int latency = plugin->latency();
        const double f0 = medianPitch(y, 1.0, 3.0, latency);
        QVERIFY2(std::fabs(f0 / target - 1) < 0.1, qPrintable(QString::number(f0)));
        QVERIFY(std::fabs(db(rmsOf(y, static_cast<std::size_t>(latency), y.size()) / rmsOf(x, 0, x.size()))) <
                3);
        QVERIFY(peak(y) < 1.0f);
        if (target > 100 && target < 300) {               // LPC needs harmonics dense enough
            const std::size_t at = 12 * kRate / 5 + 2400; // the middle of the 6th syllable
            const double f1 = firstFormant(y, at + static_cast<std::size_t>(latency), 4800);
            const double expected = firstFormant(x, at, 4800) * std::exp2(formant / 12);
            // 12 %: the LPC reads a formant between harmonics 211 Hz apart up
            // to 10 % off; a shift left out is 12 to 15 % off.
            QVERIFY2(std::fabs(f1 / expected - 1) < 0.12, qPrintable(QString::number(f1 / expected)));
        }
    }

    // A speaker whose voice moves from 100 to 200 Hz through a target voice:
    // the output stays at the target before and after, and while the ratio
    // glides the level relative to the dry voice moves by less than 1 dB
    // from one 20 ms window to the next, as it does while the ratio holds.
    void targetGlidesWithoutLevelSteps()
    {
        auto plugin = open("VoiceShifter", {}, "Female");
        QVERIFY(plugin);
        const std::vector<float> x = syllables([](double t) { return t < 4 ? 100.0 : 200.0; }, 8.0),
                                 y = run(*plugin, x);
        const int latency = plugin->latency();
        for (double from : {2.0, 6.5}) {
            const double f0 = medianPitch(y, from, from + 1.5, latency);
            QVERIFY2(std::fabs(f0 / 211.1 - 1) < 0.1, qPrintable(QString("%1 s: %2 Hz").arg(from).arg(f0)));
        }
        double largest = 0;
        for (double start = 0; start + kSyllable < 8; start += kSyllable + kGap) {
            double before = NAN;
            for (double at = start + 0.04; at + 0.06 < start + kSyllable; at += 0.01) {
                const auto in = static_cast<std::size_t>(at * kRate), width = std::size_t{kRate / 50};
                const auto out = in + static_cast<std::size_t>(latency);
                const double gain = db(rmsOf(y, out, out + width) / rmsOf(x, in, in + width));
                if (!std::isnan(before))
                    largest = std::max(largest, std::fabs(gain - before));
                before = gain;
            }
        }
        QVERIFY2(largest < 1, qPrintable(QString::number(largest)));
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
