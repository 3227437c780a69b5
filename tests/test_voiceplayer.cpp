// The voice player without a sound server: the queue arithmetic, feeding
// at the play cursor (seamless under jittery producers, across the buffer's
// end), the effect units' places in the group, the output limiter and the
// "Capture DSP" with its copy to the cable at unity gain.

#include "allocationcounter.h"
#include "audioplayback.h"
#include "audiosignal.h"
#include "capturedsp.h"
#include "outputlimiter.h"
#include "samplequeue.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

using namespace zaudio;

// The mixer (here: the offline render, with the "Capture DSP" and the stream
// buffers) must not allocate.
bool alloccount::watchedThread()
{
    return zaudio::isMixerThread();
}

namespace {

constexpr int kPacketFrames = 480; // 10 ms of microphone
constexpr unsigned kBlock = AudioPlayback::kBlockFrames;

// A frame's value in the test sequence: distinct neighbours, exact in 16 bits.
float sequenceValue(long frame)
{
    return static_cast<float>((frame * 7919) % 20000 - 10000) / 32768.0f;
}

// Stereo packet `index` of the sequence (right = -left).
std::vector<float> packet(long index)
{
    std::vector<float> samples(2 * kPacketFrames);
    for (int i = 0; i < kPacketFrames; ++i) {
        samples[2 * i] = sequenceValue(index * kPacketFrames + i);
        samples[2 * i + 1] = -samples[2 * i];
    }
    return samples;
}

// Checks that `out` (stereo) holds the sequence without gaps or repeats from
// its first to its last non-silent frame; answers the frames checked, -1 on a
// break.
long checkSequence(const std::vector<float>& out, QString* where)
{
    long frames = static_cast<long>(out.size() / 2);
    while (frames > 0 && out[2 * frames - 2] == 0.0f && out[2 * frames - 1] == 0.0f)
        --frames; // the producer stopped
    long first = 0;
    while (first < frames && out[2 * first] == 0.0f && out[2 * first + 1] == 0.0f)
        ++first;
    if (first == frames)
        return 0;
    // The sequence repeats every 20000 frames, each value once; playback may
    // start a few writes in.
    long expected = 0;
    while (expected < 20000 && sequenceValue(expected) != out[2 * first])
        ++expected;
    for (long i = first; i < frames; ++i, ++expected) {
        const float left = sequenceValue(expected);
        if (out[2 * i] != left || out[2 * i + 1] != -left) {
            *where = QStringLiteral("frame %1 (%2 after the start): %3, expected %4")
                         .arg(i)
                         .arg(i - first)
                         .arg(out[2 * i])
                         .arg(left);
            return -1;
        }
    }
    return frames - first;
}

std::vector<float> render(const System& system, unsigned frames);

// Pushes packet p at pushAt[p] microseconds while the output mixer pulls
// blocks on its own clock; answers what it played. `afterPush` sees each push.
std::vector<float> runVoice(AudioPlayback* player, const std::vector<long>& pushAt,
                            const std::function<void(long)>& afterPush = {})
{
    const long packets = static_cast<long>(pushAt.size());
    std::vector<float> out;
    long next = 0;
    const double blockMicroseconds = 1e6 * kBlock / 48000.0;
    for (long b = 0; next < packets; ++b) {
        const double now = static_cast<double>(b) * blockMicroseconds;
        for (; next < packets && pushAt[static_cast<std::size_t>(next)] <= now; ++next) {
            const std::vector<float> samples = packet(next);
            player->pushVoice(samples.data(), static_cast<int>(samples.size()));
            if (afterPush)
                afterPush(next);
        }
        const std::vector<float> block = render(player->outputSystem(), kBlock);
        out.insert(out.end(), block.begin(), block.end());
    }
    return out;
}

AudioPlayback* offlinePlayer()
{
    auto* player = new AudioPlayback(nullptr, OutputType::Offline);
    player->init(0, 0);
    return player;
}

std::vector<float> render(const System& system, unsigned frames)
{
    std::vector<float> out(2 * static_cast<std::size_t>(frames));
    if (system.render(out.data(), frames) != Ok)
        out.clear();
    return out;
}

} // namespace

class TestVoicePlayer : public QObject
{
    Q_OBJECT

private slots:
    void queueDropsTheOldestBlockAtFiveBlocks()
    {
        SampleQueue queue;
        std::vector<float> block(960);
        for (int b = 0; b < 6; ++b) {
            std::fill(block.begin(), block.end(), static_cast<float>(b + 1) / 32768.0f);
            queue.append(block.data(), 960);
        }
        QCOMPARE(queue.size(), 5 * 960);
        std::vector<std::int16_t> front(960);
        QCOMPARE(queue.takePcm16(front.data(), 960), 960);
        QCOMPARE(front.front(), std::int16_t(2)); // block 1 went
        QCOMPARE(front.back(), std::int16_t(2));
        // A small block onto a long queue drops as many as it brings.
        queue.append(block.data(), 100);
        queue.append(block.data(), 100);
        QCOMPARE(queue.size(), 4 * 960);
    }

    void floatsBecomeSixteenBitsHeldAtTheTop_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("sample");
        QTest::newRow("1.0 stays at the top") << 1.0f << 32767;
        QTest::newRow("-1.0") << -1.0f << -32767;
        QTest::newRow("0.5") << 0.5f << 16384;
        QTest::newRow("truncated toward zero") << -0.99999f << -32767;
        QTest::newRow("1.5 held") << 1.5f << 32767;
        QTest::newRow("infinity held") << std::numeric_limits<float>::infinity() << 32767;
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
    }

    void floatsBecomeSixteenBitsHeldAtTheTop()
    {
        QFETCH(float, value);
        QFETCH(int, sample);
        QCOMPARE(static_cast<int>(AudioPlayback::toPcm16(value)), sample);
    }

    // The producer pushes 10 ms packets at jittered times, the mixer pulls
    // blocks on its own clock: every pushed frame is played once, in order,
    // and the mixer allocates nothing meanwhile.
    void feedingAtTheCursorIsSeamless_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::newRow("regular") << 0;
        QTest::newRow("jitter up to 8 ms") << 1;
        QTest::newRow("packets in pairs every 20 ms") << 2;
    }

    void feedingAtTheCursorIsSeamless()
    {
        QFETCH(int, pattern);
        std::unique_ptr<AudioPlayback> player(offlinePlayer());
        std::mt19937 random(11);
        std::uniform_int_distribution<int> jitter(0, 8000);
        // 9 s: the 8 s buffer wraps once.
        const long packets = 900;
        std::vector<long> pushAt(static_cast<std::size_t>(packets)); // microseconds
        for (long p = 0; p < packets; ++p) {
            long t = p * 10000;
            if (pattern == 1)
                t += jitter(random);
            else if (pattern == 2)
                t = (p / 2) * 20000 + 19000;
            pushAt[static_cast<std::size_t>(p)] =
                std::max(t, p ? pushAt[static_cast<std::size_t>(p - 1)] : 0L);
        }
        const long allocations = alloccount::total.load();
        const std::vector<float> out = runVoice(player.get(), pushAt);
        QVERIFY(alloccount::total.load() > allocations); // counting works
        QCOMPARE(alloccount::watched.load(), 0L);
        QString where;
        const long checked = checkSequence(out, &where);
        QVERIFY2(checked >= 0, qPrintable(where));
        QVERIFY2(checked > 8 * 48000, qPrintable(QString::number(checked)));
    }

    // A write that starts half a write before the end goes on at the start,
    // and the write mark runs on past the end.
    void feedingWrapsAtTheEndOfTheBuffer()
    {
        std::unique_ptr<AudioPlayback> player(offlinePlayer());
        constexpr unsigned write = AudioPlayback::kOutputWriteBytes;
        constexpr unsigned start = AudioPlayback::kOutputSoundBytes - write / 2;
        QCOMPARE(player->voiceChannel().setPosition(start, TimeUnitPcmBytes), Ok);
        std::vector<long> pushAt(60);
        for (std::size_t p = 0; p < pushAt.size(); ++p)
            pushAt[p] = static_cast<long>(p) * 10000;
        std::vector<std::uint32_t> writeEnds;
        const std::vector<float> out =
            runVoice(player.get(), pushAt, [&](long) { writeEnds.push_back(player->outputWriteEnd()); });
        QCOMPARE(writeEnds[3], 0u);
        QCOMPARE(writeEnds[4], start + write);     // the first feeding: the queue reached 2 × 2048 samples
        QCOMPARE(writeEnds[5], write / 2 + write); // the position went on at the start of the buffer
        QString where;
        const long checked = checkSequence(out, &where);
        QVERIFY2(checked > 20 * kPacketFrames, qPrintable(where));
    }

    // What a plug-in makes above full scale reaches the output limiter whole:
    // a sine at +6 dBFS comes out as a sine under the ceiling, with no flat
    // tops, and the limiter counts the frames it held down.
    void oversAreLimitedNotClipped()
    {
        std::unique_ptr<AudioPlayback> player(offlinePlayer());
        std::vector<float> out;
        for (long p = 0; p < 100; ++p) {
            std::vector<float> samples(2 * kPacketFrames);
            for (int i = 0; i < kPacketFrames; ++i)
                samples[2 * i] = samples[2 * i + 1] = static_cast<float>(
                    2.0 * std::sin(2.0 * M_PI * 500.0 * (p * kPacketFrames + i) / 48000.0));
            player->pushVoice(samples.data(), static_cast<int>(samples.size()));
            const std::vector<float> block = render(player->outputSystem(), kPacketFrames);
            out.insert(out.end(), block.begin(), block.end());
        }
        const std::vector<float> steady(out.end() - 2 * 24000, out.end()); // the last half second
        const float peak = audiosignal::peak(steady);
        const float ceiling = std::pow(10.0f, OutputLimiter::kCeilingDb / 20.0f);
        QVERIFY2(peak <= ceiling * 1.001f && peak > ceiling * 0.9f, qPrintable(QString::number(peak)));
        QCOMPARE(audiosignal::flatTops(steady, 2), 0);
        std::uint64_t reduced = 0;
        QCOMPARE(player->outputLimiter().getReductionFrames(&reduced), Ok);
        QVERIFY2(reduced > 40000, qPrintable(QString::number(reduced)));
    }

    void flushEmptiesTheQueuesAndRewinds()
    {
        std::unique_ptr<AudioPlayback> player(offlinePlayer());
        for (int p = 0; p < 12; ++p) {
            const std::vector<float> samples = packet(p);
            player->pushVoice(samples.data(), static_cast<int>(samples.size()));
        }
        QVERIFY(player->outputWriteEnd() > 0);
        player->flush();
        QCOMPARE(player->outputQueueSize(), 0);
        QCOMPARE(player->outputWriteEnd(), 0u);
        unsigned position = 1;
        QCOMPARE(player->voiceChannel().getPosition(&position, TimeUnitPcmBytes), Ok);
        QCOMPARE(position, 0u);
        bool paused = false;
        player->voiceChannel().getPaused(&paused);
        QVERIFY(paused);
        // The next packets start the voice again from the buffer's start.
        std::vector<float> out;
        for (int p = 0; p < 20; ++p) {
            const std::vector<float> samples = packet(p);
            player->pushVoice(samples.data(), static_cast<int>(samples.size()));
            const std::vector<float> block = render(player->outputSystem(), kBlock);
            out.insert(out.end(), block.begin(), block.end());
        }
        QString where;
        QVERIFY2(checkSequence(out, &where) > 0, qPrintable(where));
    }

    // Units A, B, C, D added in this order run from the head as Capture DSP,
    // limiter, B, C, D, A; bypass and clear reach a repeated type's older unit
    // too, never the limiter.
    void effectUnitsTakeTheirPlacesBehindTheCapture()
    {
        std::unique_ptr<AudioPlayback> player(offlinePlayer());
        const int types[] = {3, 5, 19, 21};
        for (int type : types)
            player->addEffectUnit(type, {{0, 1000.0f}});
        ChannelGroup master;
        QCOMPARE(player->outputSystem().getMasterChannelGroup(&master), Ok);
        const int expected[] = {-1, OutputLimiter::kType, 5, 19, 21, 3};
        int count = 0;
        QCOMPARE(master.getNumDSPs(&count), Ok);
        QCOMPARE(count, 6);
        for (int i = 0; i < 6; ++i) {
            DSP unit;
            int type = 0;
            QCOMPARE(master.getDSP(i, &unit), Ok);
            QCOMPARE(unit.getType(&type), Ok);
            QCOMPARE(type, expected[i]);
        }
        // Values are set as given, and a unit with values starts bypassed.
        float cutOff = 0.0f;
        player->effectUnits().value(3).getParameterFloat(0, &cutOff);
        QCOMPARE(cutOff, 1000.0f);

        player->addEffectUnit(3, {}); // a second unit of type 3
        player->setEffectBypass(false);
        for (int i = 2; i < 7; ++i) {
            DSP unit;
            bool bypass = true;
            master.getDSP(i, &unit);
            unit.getBypass(&bypass);
            QVERIFY2(!bypass, qPrintable(QString::number(i)));
        }
        player->setEffectBypass(true);
        bool limiterBypassed = true;
        QCOMPARE(player->outputLimiter().getBypass(&limiterBypassed), Ok);
        QVERIFY(!limiterBypassed);
        player->setUnitParameter(3, 0, 500.0f); // the newest unit of the type
        player->effectUnits().value(3).getParameterFloat(0, &cutOff);
        QCOMPARE(cutOff, 500.0f);
        player->clearEffectUnits();
        QCOMPARE(master.getNumDSPs(&count), Ok);
        QCOMPARE(count, 2);
        QVERIFY(player->effectUnits().isEmpty());
    }

    void captureDspParametersAndItsCopyOfTheMix()
    {
        std::unique_ptr<AudioPlayback> player(offlinePlayer());
        const DSP capture = player->captureDsp();
        float volume = 0.0f;
        char text[32] = {};
        QCOMPARE(capture.getParameterFloat(1, &volume, text, sizeof text), Ok);
        QCOMPARE(volume, 1.0f);
        QCOMPARE(QByteArray(text), QByteArray("100"));
        QCOMPARE(capture.setParameterFloat(1, 0.254f), Ok);
        QCOMPARE(capture.getParameterFloat(1, &volume, text, sizeof text), Ok);
        QCOMPARE(QByteArray(text), QByteArray("25"));
        QCOMPARE(capture.setParameterFloat(0, 1.0f), ErrInvalidParam);
        void* data = nullptr;
        unsigned length = 0;
        QCOMPARE(capture.getParameterData(0, &data, &length), Ok);
        QCOMPARE(length, kBlock * 8);
        QCOMPARE(static_cast<CaptureDsp::State*>(data)->length, static_cast<int>(kBlock));
        QCOMPARE(capture.getParameterData(1, &data, &length), ErrInvalidParam);
        QCOMPARE(capture.setParameterFloat(1, 1.0f), Ok);

        // The mix goes on to the virtual half block by block, in order, and
        // plays there at unity gain. Blocks come in real time, as the feeder expects.
        for (int p = 0; p < 10; ++p) {
            const std::vector<float> samples = packet(p);
            player->pushVoice(samples.data(), static_cast<int>(samples.size()));
        }
        std::vector<float> mix;
        for (int b = 0; b < 8; ++b) {
            const std::vector<float> block = render(player->outputSystem(), kBlock);
            mix.insert(mix.end(), block.begin(), block.end());
            QTest::qWait(11);
        }
        QVERIFY(std::any_of(mix.begin(), mix.end(), [](float v) { return v != 0.0f; }));
        QTRY_VERIFY(player->virtualQueueSize() < 2048); // 7 of the 8 blocks written
        // Its output was not running, so it starts at the last 3 of the 7 writes.
        const std::vector<float> copy = render(player->virtualSystem(), 3 * kBlock);
        const std::size_t skipped = 2 * 4 * static_cast<std::size_t>(kBlock);
        for (std::size_t i = 0; i < copy.size(); ++i) {
            const float expected = AudioPlayback::toPcm16(mix[skipped + i]) / 32768.0f;
            QVERIFY2(
                std::fabs(copy[i] - expected) < 1e-4f,
                qPrintable(QStringLiteral("sample %1: %2, expected %3").arg(i).arg(copy[i]).arg(expected)));
        }
        QCOMPARE(player->droppedCaptureBlocks(), 0u);
        QCOMPARE(static_cast<CaptureDsp::State*>(data)->channels, 2);
    }
};

QTEST_GUILESS_MAIN(TestVoicePlayer)
#include "test_voiceplayer.moc"
