// The voice player without a sound server: the chain a block runs through
// (its switches fade instead of clicking, effects change hands without the
// audio thread freeing or allocating anything, the limiter holds overs) and
// the resampler that keeps each output at its latency, and the cycles of
// PipeWire's graph.

#include "allocationcounter.h"
#include "audioplayback.h"
#include "audiosignal.h"
#include "voicechain.h"
#include "voiceoutput.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

thread_local bool t_audioThread = false;

constexpr int kBlock = VoiceChain::kBlockFrames;
constexpr int kPitchUnit = 13;

} // namespace

bool alloccount::watchedThread()
{
    return t_audioThread;
}

namespace {

std::vector<float> sine(double hz, double amplitude, int frames, double phase = 0.0)
{
    std::vector<float> stereo(2 * static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const auto v = static_cast<float>(amplitude * std::sin(phase + 2.0 * M_PI * hz * i / 48000.0));
        stereo[2 * i] = stereo[2 * i + 1] = v;
    }
    return stereo;
}

// The largest step between neighbouring samples of the left channel in [from, to).
float largestStep(const std::vector<float>& stereo, int from, int to)
{
    float step = 0.0f;
    for (int i = std::max(from, 1); i < to; ++i)
        step = std::max(step, std::fabs(stereo[2 * i] - stereo[2 * i - 2]));
    return step;
}

std::unique_ptr<VoiceChain::Effect> pitchEffect(float ratio)
{
    auto effect = std::make_unique<VoiceChain::Effect>();
    effect->addUnit(kPitchUnit, {{0, ratio}});
    return effect;
}

} // namespace

class TestVoicePlayer : public QObject
{
    Q_OBJECT

    // Runs `blocks` blocks of `input` (from block `first` on) through the
    // chain, calling `before(b)` ahead of each; the audio thread's part
    // counts allocations as faults.
    template <class Before>
    static std::vector<float> run(VoiceChain& chain, const std::vector<float>& input, int blocks,
                                  Before before)
    {
        std::vector<float> out(input.size());
        for (int b = 0; b < blocks; ++b) {
            before(b);
            t_audioThread = true;
            chain.process(&input[2 * static_cast<std::size_t>(b) * kBlock],
                          &out[2 * static_cast<std::size_t>(b) * kBlock]);
            t_audioThread = false;
        }
        return out;
    }

private slots:
    // A sine at -6 dBFS through every kind of switch: another effect,
    // effects off and on, the gain to 0 and back. Around each switch the
    // largest step between samples stays within what the sound itself has
    // elsewhere (an instant switch would jump by up to the full swing), and
    // the audio thread allocates nothing, old effects included.
    void switchesFadeWithoutClicks()
    {
        VoiceChain chain;
        constexpr int kBlocks = 400;
        const std::vector<float> input = sine(440.0, 0.5, kBlocks * kBlock);
        // Block at which each switch happens, and the switch.
        const std::vector<std::pair<int, std::function<void()>>> switches = {
            {40, [&] { chain.apply(pitchEffect(1.5f)); }},
            {80, [&] { chain.setEffectsEnabled(false); }},
            {120, [&] { chain.setEffectsEnabled(true); }},
            {160, [&] { chain.apply(pitchEffect(0.8f)); }},
            {200, [&] { chain.setGain(0.0f); }},
            {240, [&] { chain.setGain(1.0f); }},
            {280, [&] { chain.apply(std::make_unique<VoiceChain::Effect>()); }},
        };
        const long allocations = alloccount::total.load();
        const std::vector<float> out = run(chain, input, kBlocks, [&](int b) {
            for (const auto& change : switches) {
                if (change.first == b)
                    change.second();
            }
            chain.collect(); // as the player's watch does
        });
        QVERIFY(alloccount::total.load() > allocations); // counting works
        QCOMPARE(alloccount::watched.load(), 0L);

        // The sound's own steps: the dry sine and each pitch, away from switches.
        const float own =
            std::max({largestStep(out, 10 * kBlock, 35 * kBlock), largestStep(out, 60 * kBlock, 75 * kBlock),
                      largestStep(out, 180 * kBlock, 195 * kBlock)});
        QVERIFY(own > 0.02f);
        for (const auto& change : switches) {
            const int at = change.first * kBlock;
            const float step = largestStep(out, at - kBlock, at + 2 * kBlock);
            QVERIFY2(step <= 1.05f * own,
                     qPrintable(QStringLiteral("switch at block %1: step %2, the sound's own %3")
                                    .arg(change.first)
                                    .arg(step)
                                    .arg(own)));
        }
        // The gain reached 0: silence between the two gain switches.
        QCOMPARE(audiosignal::peak(
                     std::vector<float>(out.begin() + 2 * 202 * kBlock, out.begin() + 2 * 239 * kBlock)),
                 0.0f);
        // Without an effect the voice passes unchanged (below the limiter's
        // ceiling), only as late as the limiter looks ahead.
        int delay = 0;
        QCOMPARE(chain.limiter().getLatency(&delay), zaudio::Ok);
        for (int i = 300 * kBlock; i < kBlocks * kBlock; ++i)
            QCOMPARE(out[2 * i], input[2 * (i - delay)]);
    }

    // Effects applied faster than blocks run: the audio thread takes the
    // newest, never one already replaced, and everything handed over is
    // freed on this side (AddressSanitizer reports what is not). A session
    // applies thousands: after the first, the live heap stays where it was
    // (what the library keeps of a released effect, still reachable, would
    // not be reported at exit).
    void effectsChangeHandsWithoutLeaks()
    {
        VoiceChain chain;
        const std::vector<float> input = sine(200.0, 0.5, kBlock);
        std::vector<float> out(input.size());
        std::size_t settled = 0;
        for (int i = 0; i < 600; ++i) {
            if (i == 100)
                settled = alloccount::liveBytes();
            chain.apply(pitchEffect(1.0f + static_cast<float>(i % 5) / 10.0f));
            if (i % 3 == 0)
                chain.process(input.data(), out.data());
        }
        const auto grown = static_cast<long>(alloccount::liveBytes()) - static_cast<long>(settled);
        QVERIFY2(grown < 64 * 1024, qPrintable(QStringLiteral("%1 bytes more after 500 effects").arg(grown)));
        chain.apply(pitchEffect(1.5f));
        QCOMPARE(chain.latest()->unitCount(), 1);
        float ratio = 0.0f;
        QCOMPARE(chain.latest()->units().value(kPitchUnit).getParameterFloat(0, &ratio), zaudio::Ok);
        QCOMPARE(ratio, 1.5f);
        QVERIFY(chain.latest()->setUnitParameter(kPitchUnit, 0, 1.25f));
        QVERIFY(!chain.latest()->setUnitParameter(3, 0, 1.0f));
        QVERIFY(chain.latest()->latencyFrames() > 0);
    }

    // A sine at -6 dBFS through the player offline comes out whole; one at
    // +6 dBFS comes out held below full scale, not flat-topped.
    void oversAreLimitedNotClipped()
    {
        AudioPlayback player;
        for (const double amplitude : {0.5, 2.0}) {
            const std::vector<float> input = sine(1000.0, amplitude, 100 * kBlock);
            std::vector<float> out(input.size());
            QCOMPARE(player.processOffline(input.data(), 100 * kBlock + 7, out.data()), 100 * kBlock);
            const float peak =
                audiosignal::peak(std::vector<float>(out.begin() + 2 * 20 * kBlock, out.end()));
            if (amplitude < 1.0)
                QVERIFY2(std::fabs(peak - 0.5f) < 1e-3f, qPrintable(QString::number(peak)));
            else
                QVERIFY2(peak < 0.95f && peak > 0.8f, qPrintable(QString::number(peak)));
            QCOMPARE(audiosignal::flatTops(out, 2), 0);
        }
        player.pauseVoice(true);
        QVERIFY(player.isVoicePaused());
    }

    // PipeWire's graph hands the voice cycles of its own quantum, never a
    // multiple of the chain's 5 ms blocks: the output is the input one fixed
    // delay later (less than a block), tone clean at every quantum the
    // graph may switch to, nothing allocated; without a microphone, silence.
    void graphCyclesOfAnySizeKeepOneDelay()
    {
        AudioPlayback player;
        const std::vector<int> quanta = {256, 128, 1024, 256, 480};
        constexpr int kCyclesFrames = 48000; // a second per quantum
        std::vector<float> left(static_cast<std::size_t>(kCyclesFrames * quanta.size()) + 1024);
        for (std::size_t i = 0; i < left.size(); ++i)
            left[i] =
                static_cast<float>(0.5 * std::sin(2.0 * M_PI * 1000.0 * static_cast<double>(i) / 48000.0));
        std::vector<float> outLeft(left.size());
        std::vector<float> outRight(left.size());
        std::size_t at = 0;
        int chainDelay = -1;
        for (const int quantum : quanta) {
            const std::size_t start = at;
            int delay = -1;
            for (; at + static_cast<std::size_t>(quantum) <= start + kCyclesFrames; at += quantum) {
                t_audioThread = true;
                player.processCycle(&left[at], &left[at], &outLeft[at], &outRight[at], quantum);
                t_audioThread = false;
                const int now = static_cast<int>(std::lround(player.levels().delayMs * 48.0));
                QVERIFY2(now >= 0 && now < kBlock, qPrintable(QString::number(now)));
                // After the first 100 ms at this quantum the delay stays put.
                if (at - start < 4800)
                    delay = now;
                QCOMPARE(now, delay);
            }
            // The steady part is the input `delay` frames late, plus what the
            // chain itself delays by (the same at every quantum), on both outputs.
            auto mismatch = [&](std::size_t lag) {
                float worst = 0.0f;
                for (std::size_t i = start + 4800; i < at; ++i)
                    worst = std::max(
                        {worst, std::fabs(outLeft[i] - left[i - lag]), std::fabs(outRight[i] - outLeft[i])});
                return worst;
            };
            std::size_t lag = static_cast<std::size_t>(delay);
            while (mismatch(lag) > 1e-3f && lag < static_cast<std::size_t>(delay) + 2400)
                ++lag;
            if (chainDelay < 0)
                chainDelay = static_cast<int>(lag) - delay;
            QVERIFY2(mismatch(static_cast<std::size_t>(delay + chainDelay)) < 1e-3f,
                     qPrintable(QStringLiteral("quantum %1, delay %2").arg(quantum).arg(delay)));
            std::vector<float> stereo;
            for (std::size_t i = start + 4800; i < at; ++i)
                stereo.insert(stereo.end(), {outLeft[i], outRight[i]});
            const double clean = audiosignal::worstToneToRest(stereo, 1000.0);
            QVERIFY2(clean >= 80.0, qPrintable(QStringLiteral("quantum %1: %2 dB").arg(quantum).arg(clean)));
        }
        std::fill(outLeft.begin(), outLeft.end(), 1.0f);
        player.processCycle(nullptr, nullptr, outLeft.data(), outRight.data(), 256);
        QCOMPARE(*std::max_element(outLeft.begin(), outLeft.begin() + 256), 0.0f);
    }

    // At a ratio of 1 the resampler passes its input through exactly, two
    // frames late; near 1 it makes ratio × as many frames, and a tone at
    // -6 dBFS keeps everything else 80 dB below it, while a gap of 1.25 ms
    // would show at once.
    void resamplerFollowsTheRatioCleanly_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::newRow("unchanged") << 1.0;
        QTest::newRow("0.5 % faster") << 1.005;
        QTest::newRow("0.5 % slower") << 0.995;
    }

    void resamplerFollowsTheRatioCleanly()
    {
        QFETCH(double, ratio);
        DriftResampler resampler(kBlock);
        resampler.jumpToRatio(ratio);
        constexpr int kBlocks = 400;
        const std::vector<float> input = sine(1000.0, 0.5, kBlocks * kBlock);
        std::vector<float> out;
        std::vector<float> part(2 * static_cast<std::size_t>(DriftResampler::maxOutput(kBlock)));
        for (int b = 0; b < kBlocks; ++b) {
            const int n =
                resampler.process(&input[2 * static_cast<std::size_t>(b) * kBlock], kBlock, part.data());
            out.insert(out.end(), part.begin(), part.begin() + 2 * n);
        }
        const int frames = static_cast<int>(out.size() / 2);
        QVERIFY2(std::abs(frames - kBlocks * kBlock * ratio) <= 3.0, qPrintable(QString::number(frames)));
        if (ratio == 1.0) {
            for (int i = 2; i < frames; ++i)
                QCOMPARE(out[2 * i], input[2 * (i - 2)]);
        }
        // At the new rate the tone is 1000 / ratio Hz (past the silence it starts with).
        out.erase(out.begin(), out.begin() + 2 * 4800);
        const double clean = audiosignal::worstToneToRest(out, 1000.0 / ratio);
        QVERIFY2(clean >= 80.0, qPrintable(QString::number(clean)));
        std::fill(out.begin() + 2 * 50000, out.begin() + 2 * (50000 + kBlock / 4), 0.0f); // a short gap
        const double broken = audiosignal::worstToneToRest(out, 1000.0 / ratio);
        QVERIFY2(broken < 40.0,
                 qPrintable(QString::number(broken))); // far below the 60 dB asked of clean sound
    }
};

QTEST_GUILESS_MAIN(TestVoicePlayer)
#include "test_voiceplayer.moc"
