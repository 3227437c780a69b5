// zaudio with the offline output: the test pulls the mix block by block and
// checks what it hears.

#include "audiosignal.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <random>
#include <string>
#include <thread>

using namespace zaudio;
using namespace audiosignal;

namespace {

constexpr int kRate = 48000;
constexpr unsigned kBlock = 256;
constexpr unsigned kUserBytes = 1536000; // 8 s of 16-bit stereo
constexpr unsigned kStream = AccurateTime | CreateStream | LoopOff;
constexpr unsigned kLoopingStream = AccurateTime | CreateStream | LoopNormal;

// What the custom units' callbacks saw; offline, they run on the test thread.
struct Seen
{
    unsigned blockSize = 0, length = 0;
    int channels = 0;
    bool twoBuffers = false;
    char nextTag = '?';
    std::string order;
    float parameter = 0;
} g_seen;

// Tags the unit, halves the signal and notes the tag when it runs; parameter 0
// works, parameter 1 fails with a code of the callback's own.
DSPDescription customDescription()
{
    static DSPParameterDesc params[2];
    static DSPParameterDesc* list[] = {&params[0], &params[1]};
    DSPDescription d;
    d.create = [](DSPState* state) {
        state->pluginData = reinterpret_cast<void*>(static_cast<std::intptr_t>(g_seen.nextTag));
        return state->functions->getBlockSize(state, &g_seen.blockSize);
    };
    d.read = [](DSPState* state, float* in, float* out, unsigned length, int channels, int*) {
        g_seen.length = length;
        g_seen.channels = channels;
        g_seen.twoBuffers = in && out && in != out;
        g_seen.order += static_cast<char>(reinterpret_cast<std::intptr_t>(state->pluginData));
        for (unsigned i = 0; i < length * static_cast<unsigned>(channels); ++i)
            out[i] = in[i] * 0.5f;
        return Ok;
    };
    d.numParameters = 2;
    d.paramDesc = list;
    d.setParameterFloat = [](DSPState*, int index, float value) {
        g_seen.parameter = value;
        return index == 0 ? Ok : ErrBadCommand;
    };
    d.getParameterFloat = [](DSPState*, int index, float* value, char* text) {
        *value = g_seen.parameter;
        if (text)
            std::strcpy(text, "custom");
        return index == 0 ? Ok : ErrUnsupported;
    };
    d.getParameterData = [](DSPState*, int index, void** data, unsigned* length, char*) {
        *data = &g_seen;
        *length = sizeof g_seen;
        return index == 0 ? Ok : ErrFileBad;
    };
    return d;
}

} // namespace

class TestZaudio : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    System m_system;
    ChannelGroup m_master;

    QByteArray path(const char* name) const
    {
        return m_dir.filePath(QString::fromLatin1(name)).toLocal8Bit();
    }

    std::vector<float> render(unsigned frames)
    {
        std::vector<float> out(static_cast<std::size_t>(frames) * 2, -9.0f);
        if (m_system.render(out.data(), frames) != Ok)
            out.clear();
        return out;
    }

    // An 8 s stereo user sound of random 16-bit samples written through lock.
    Sound userSound(std::vector<std::int16_t>* samples)
    {
        CreateSoundExInfo info;
        info.length = kUserBytes;
        info.numChannels = 2;
        info.defaultFrequency = kRate;
        info.format = SoundFormat::Pcm16;
        info.decodeBufferSize = 0; // a plain sample, played wherever its channel is
        Sound sound;
        void *p1, *p2;
        unsigned n1, n2;
        if (m_system.createSound(nullptr, OpenUser | LoopNormal, &info, &sound) != Ok ||
            sound.lock(0, kUserBytes, &p1, &p2, &n1, &n2) != Ok || n1 != kUserBytes)
            return Sound();
        samples->resize(kUserBytes / 2);
        std::mt19937 random(7);
        for (std::int16_t& s : *samples)
            s = static_cast<std::int16_t>(random() & 0xffff);
        std::memcpy(p1, samples->data(), n1);
        return sound.unlock(p1, p2, n1, n2) == Ok ? sound : Sound();
    }

    // Renders until the channel stops, at most `limit` frames; returns the frames rendered.
    unsigned playToEnd(Channel channel, unsigned limit, std::vector<float>* out = nullptr)
    {
        unsigned frames = 0;
        for (bool playing = true; playing && frames < limit; frames += kBlock) {
            const std::vector<float> block = render(kBlock);
            if (out)
                out->insert(out->end(), block.begin(), block.end());
            if (channel.isPlaying(&playing) != Ok)
                return 0;
        }
        return frames;
    }

    static bool equal(const std::vector<float>& out, const std::int16_t* samples, float gain)
    {
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (out[i] != samples[i] / 32768.0f * gain) {
                qWarning("sample %zu: %g, expected %g", i, double(out[i]), samples[i] / 32768.0 * gain);
                return false;
            }
        }
        return true;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(createSystem(&m_system), Ok);
        QCOMPARE(m_system.setOutput(OutputType::Offline), Ok);
        QCOMPARE(m_system.init(32), Ok);
        QCOMPARE(m_system.getMasterChannelGroup(&m_master), Ok);
        g_seen = Seen();
    }

    void cleanup() { m_system.release(); }

    void userSoundPlaysWhatLockWrote()
    {
        std::vector<std::int16_t> samples;
        const Sound sound = userSound(&samples);
        Channel channel;
        QCOMPARE(m_system.playSound(sound, nullptr, false, &channel), Ok);
        QVERIFY(equal(render(3 * kBlock + 100), samples.data(), 1.0f)); // not whole blocks
        render(kBlock - 100);                                           // changes apply from the next block

        // A lock past the end wraps to the start of the buffer.
        void *start, *p1, *p2;
        unsigned n1, n2;
        QCOMPARE(sound.lock(0, 4, &start, &p2, &n1, &n2), Ok);
        QCOMPARE(sound.lock(1535000, 2048, &p1, &p2, &n1, &n2), Ok);
        QCOMPARE(n1, 1000u);
        QCOMPARE(n2, 1048u);
        QCOMPARE(p2, start);
        std::vector<std::int16_t> wrapped(1024);
        for (std::size_t i = 0; i < wrapped.size(); ++i)
            wrapped[i] = static_cast<std::int16_t>(i * 61 - 30000);
        std::memcpy(p1, wrapped.data(), n1);
        std::memcpy(p2, reinterpret_cast<char*>(wrapped.data()) + n1, n2);
        QCOMPARE(sound.unlock(p1, p2, n1, n2), Ok);
        QCOMPARE(channel.setPosition(1535000, TimeUnitPcmBytes), Ok);
        QVERIFY(equal(render(512), wrapped.data(), 1.0f)); // the sound loops

        QCOMPARE(sound.lock(kUserBytes, 4, &p1, &p2, &n1, &n2), ErrInvalidPosition);
        Sound stream;
        QVERIFY(writeSine(path("short.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, kRate, 2, 0.1, 500, 0.5));
        QCOMPARE(m_system.createSound(path("short.wav"), kStream, nullptr, &stream), Ok);
        QCOMPARE(stream.lock(0, 4, &p1, &p2, &n1, &n2), ErrNotStream);
    }

    void channelVolumeMuteAndPause()
    {
        std::vector<std::int16_t> samples;
        Channel channel;
        QCOMPARE(m_system.playSound(userSound(&samples), nullptr, false, &channel), Ok);
        QCOMPARE(channel.setVolume(2.0f), Ok);
        render(kBlock); // ramps to the new volume
        QVERIFY(equal(render(kBlock), &samples[2 * kBlock], 2.0f));
        QCOMPARE(channel.setMute(true), Ok);
        render(kBlock);
        QCOMPARE(rms(render(kBlock)), 0.0);
        QCOMPARE(channel.setMute(false), Ok);

        QCOMPARE(channel.setPaused(true), Ok);
        unsigned after = 0;
        QCOMPARE(rms(render(40 * kBlock)), 0.0);
        QCOMPARE(channel.getPosition(&after, TimeUnitPcmBytes), Ok);
        QCOMPARE(after, 4 * 4 * kBlock);
        QCOMPARE(channel.setPaused(false), Ok);
        render(40 * kBlock);
        QCOMPARE(channel.getPosition(&after, TimeUnitPcmBytes), Ok);
        QCOMPARE(after, 44 * 4 * kBlock);
        QCOMPARE(channel.getPosition(&after, TimeUnitMs), Ok);
        QCOMPARE(after, 44 * kBlock * 1000 / kRate);

        QCOMPARE(channel.setPosition(400000, TimeUnitPcmBytes), Ok);
        QCOMPARE(channel.getPosition(&after, TimeUnitPcmBytes), Ok);
        QCOMPARE(after, 400000u);
        QVERIFY(equal(render(kBlock), &samples[400000 / 2], 2.0f));
    }

    void fileStreamsPlayForTheirLengthAtTheirPitch_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("hz");
        QTest::newRow("mp3 44.1 kHz stereo")
            << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) << 44100 << 2 << 2.0 << 440.0;
        QTest::newRow("flac 22.05 kHz mono")
            << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << 22050 << 1 << 1.5 << 1000.0;
    }

    void fileStreamsPlayForTheirLengthAtTheirPitch()
    {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(double, seconds);
        QFETCH(double, hz);
        QVERIFY(writeSine(path("sine"), format, rate, channels, seconds, hz, 0.5));
        Sound sound;
        QCOMPARE(m_system.createSound(path("sine"), kStream, nullptr, &sound), Ok);
        unsigned ms = 0;
        QCOMPARE(sound.getLength(&ms, TimeUnitMs), Ok);
        QCOMPARE(ms, static_cast<unsigned>(seconds * 1000));

        Channel channel;
        QCOMPARE(m_system.playSound(sound, nullptr, false, &channel), Ok);
        std::vector<float> out;
        const unsigned frames = playToEnd(channel, static_cast<unsigned>((seconds + 1) * kRate), &out);
        QVERIFY2(std::abs(frames - seconds * kRate) <= kBlock, qPrintable(QString::number(frames)));
        for (int c = 0; c < 2; ++c) { // away from the edges of the encoder and resampler
            const std::vector<float> x =
                channelOf(out, kRate / 10, static_cast<std::size_t>((seconds - 0.1) * kRate), c);
            QVERIFY2(std::abs(frequency(x, kRate) / hz - 1) < 0.01,
                     qPrintable(QString::number(frequency(x, kRate))));
            QVERIFY2(std::abs(decibels(rms(x) / (0.5 / M_SQRT2))) < 1.0, qPrintable(QString::number(rms(x))));
        }
    }

    void loopingStreamEndsAfterLoopingIsTurnedOff_data()
    {
        QTest::addColumn<bool>("loopLater");
        QTest::newRow("created looping") << false;
        QTest::newRow("looping set after creation") << true;
    }

    void loopingStreamEndsAfterLoopingIsTurnedOff()
    {
        QFETCH(bool, loopLater);
        const unsigned length = kRate / 2;
        QVERIFY(writeSine(path("loop.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, kRate, 2, 0.5, 500, 0.5));
        Sound sound;
        QCOMPARE(
            m_system.createSound(path("loop.wav"), loopLater ? kStream : kLoopingStream, nullptr, &sound),
            Ok);
        if (loopLater)
            QCOMPARE(sound.setMode(kLoopingStream), Ok);
        Channel channel;
        QCOMPARE(m_system.playSound(sound, nullptr, false, &channel), Ok);
        const std::vector<float> out = render(5 * length / 2);
        const double secondPass = rms(channelOf(out, length + 1000, 2 * length - 1000));
        QVERIFY2(std::abs(decibels(secondPass / (0.5 / M_SQRT2))) < 0.5,
                 qPrintable(QString::number(secondPass)));

        // Plays out the pass it is in, then ends.
        QCOMPARE(sound.setMode(kStream), Ok);
        const int frames = static_cast<int>(5 * length / 2 + playToEnd(channel, 2 * length));
        QVERIFY2(std::abs(frames - static_cast<int>(3 * length)) <= static_cast<int>(kBlock),
                 qPrintable(QString::number(frames)));
    }

    void replayingAStreamLeavesOtherChannelsPlaying()
    {
        QVERIFY(writeSine(path("short.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, kRate, 2, 0.1, 500, 0.5));
        Sound stream;
        Channel first, again, users[32];
        QCOMPARE(m_system.createSound(path("short.wav"), kStream, nullptr, &stream), Ok);
        QCOMPARE(m_system.playSound(stream, nullptr, false, &first), Ok);
        QVERIFY(playToEnd(first, kRate) < kRate);

        // Every slot plays now, one of them the stream's old one; one stops to make room.
        std::vector<std::int16_t> samples;
        const Sound sound = userSound(&samples);
        for (Channel& user : users)
            QCOMPARE(m_system.playSound(sound, nullptr, false, &user), Ok);
        QCOMPARE(users[15].stop(), Ok);
        QCOMPARE(m_system.playSound(stream, nullptr, false, &again), Ok);
        render(kBlock);
        bool playing = false;
        QVERIFY(again.isPlaying(&playing) == Ok && playing);
        for (int i = 0; i < 32; ++i)
            QVERIFY2(i == 15 || (users[i].isPlaying(&playing) == Ok && playing),
                     qPrintable(QString::number(i)));
    }

    void customUnitCallbacks()
    {
        DSPDescription description = customDescription();
        DSP unit;
        QCOMPARE(m_system.createDSP(&description, &unit), Ok);
        QCOMPARE(g_seen.blockSize, kBlock);

        std::vector<std::int16_t> samples;
        QCOMPARE(m_system.playSound(userSound(&samples), nullptr, false, nullptr), Ok);
        QCOMPARE(m_master.addDSP(0, unit), Ok);
        QVERIFY(equal(render(kBlock), samples.data(), 0.5f));
        QCOMPARE(g_seen.length, kBlock);
        QCOMPARE(g_seen.channels, 2);
        QVERIFY(g_seen.twoBuffers);

        float value = 0;
        char text[32] = {};
        void* data = nullptr;
        unsigned length = 0;
        QCOMPARE(unit.setParameterFloat(0, 0.25f), Ok);
        QCOMPARE(unit.getParameterFloat(0, &value, text, sizeof text), Ok);
        QCOMPARE(value, 0.25f);
        QCOMPARE(QByteArray(text), QByteArray("custom"));
        QCOMPARE(unit.getParameterData(0, &data, &length), Ok);
        QVERIFY(data == &g_seen && length == sizeof g_seen);
        QCOMPARE(unit.setParameterFloat(1, 1.0f), ErrBadCommand);
        QCOMPARE(unit.getParameterFloat(1, &value), ErrUnsupported);
        QCOMPARE(unit.getParameterData(1, &data, &length), ErrFileBad);
        for (int index : {-1, 2}) {
            QCOMPARE(unit.setParameterFloat(index, 0.0f), ErrInvalidParam);
            QCOMPARE(unit.getParameterFloat(index, &value), ErrInvalidParam);
            QCOMPARE(unit.getParameterData(index, &data, &length), ErrInvalidParam);
        }

        description.create = [](DSPState*) { return ErrMemory; };
        DSP failed;
        QCOMPARE(m_system.createDSP(&description, &failed), ErrMemory);
        QVERIFY(failed.isNull());
    }

    void chainRunsFromTailToHead()
    {
        const DSPDescription description = customDescription();
        DSP capture, units[4];
        g_seen.nextTag = 'X';
        QCOMPARE(m_system.createDSP(&description, &capture), Ok);
        for (int i = 0; i < 4; ++i) {
            g_seen.nextTag = static_cast<char>('A' + i);
            QCOMPARE(m_system.createDSP(&description, &units[i]), Ok);
            QCOMPARE(m_master.addDSP(i, units[i]), Ok);
            QCOMPARE(m_master.addDSP(0, capture), Ok); // from the second round on, a move
        }
        const DSP expected[] = {capture, units[1], units[2], units[3], units[0]};
        int count = 0;
        QCOMPARE(m_master.getNumDSPs(&count), Ok);
        QCOMPARE(count, 5);
        for (int i = 0; i < count; ++i) {
            DSP at;
            int index = -1;
            QCOMPARE(m_master.getDSP(i, &at), Ok);
            QCOMPARE(at.id(), expected[i].id());
            QCOMPARE(m_master.getDSPIndex(expected[i], &index), Ok);
            QCOMPARE(index, i);
        }
        render(kBlock);
        QCOMPARE(g_seen.order, std::string("ADCBX"));
    }

    void bypassPassesAudioUnchanged()
    {
        std::vector<std::int16_t> samples;
        QCOMPARE(m_system.playSound(userSound(&samples), nullptr, false, nullptr), Ok);
        DSP fader;
        QCOMPARE(m_system.createDSPByType(7, &fader), Ok);
        QCOMPARE(fader.setParameterFloat(0, -20.0f), Ok);
        QCOMPARE(m_master.addDSP(0, fader), Ok);
        const std::vector<float> out = render(kBlock);
        std::vector<float> in(out.size());
        for (std::size_t i = 0; i < in.size(); ++i)
            in[i] = samples[i] / 32768.0f;
        QVERIFY(std::abs(decibels(rms(out) / rms(in)) + 20) < 0.01);
        QCOMPARE(fader.setBypass(true), Ok);
        QVERIFY(equal(render(kBlock), &samples[2 * kBlock], 1.0f));
    }

    // Calls on a system's objects from other threads while it is released
    // end with ErrInvalidHandle, never in freed memory: a released system is
    // freed once no call holds it (the ThreadSanitizer build sees a call
    // that takes the lock of a system already freed).
    void releaseWhileOtherThreadsCallIsSafe()
    {
        for (int round = 0; round < 100; ++round) {
            System system;
            QCOMPARE(createSystem(&system), Ok);
            QCOMPARE(system.setOutput(OutputType::Offline), Ok);
            QCOMPARE(system.init(8), Ok);
            ChannelGroup master;
            DSP fader;
            QCOMPARE(system.getMasterChannelGroup(&master), Ok);
            QCOMPARE(system.createDSPByType(7, &fader), Ok);
            QCOMPARE(master.addDSP(0, fader), Ok);
            std::atomic<int> running{0};
            std::atomic<bool> wrongCode{false};
            const auto hammer = [&](auto call) {
                ++running;
                for (;;) {
                    const Result r = call();
                    if (r == ErrInvalidHandle)
                        return;
                    if (r != Ok)
                        wrongCode = true;
                }
            };
            std::thread a(hammer, [&] { return fader.setParameterFloat(0, 0.5f); });
            std::thread b(hammer, [&] { return master.setVolume(0.5f); });
            while (running < 2)
                std::this_thread::yield();
            QCOMPARE(system.release(), Ok);
            a.join();
            b.join();
            QVERIFY(!wrongCode);
            QCOMPARE(system.release(), ErrInvalidHandle);
        }
    }

    void invalidHandlesAndInputsReturnTheirCodes()
    {
        float value = 0;
        unsigned length = 0;
        QCOMPARE(System().init(8), ErrInvalidHandle);
        QCOMPARE(Sound().getLength(&length, TimeUnitMs), ErrInvalidHandle);
        QCOMPARE(Channel().setVolume(1.0f), ErrInvalidHandle);
        QCOMPARE(ChannelGroup().setPaused(true), ErrInvalidHandle);
        QCOMPARE(DSP().getParameterFloat(0, &value), ErrInvalidHandle);

        std::vector<std::int16_t> samples;
        const Sound sound = userSound(&samples);
        DSP fader, unknown(12345);
        QCOMPARE(m_system.createDSPByType(7, &fader), Ok);
        QCOMPARE(m_master.addDSP(0, fader), Ok);
        QCOMPARE(sound.release(), Ok);
        QCOMPARE(fader.release(), Ok);
        QCOMPARE(sound.getLength(&length, TimeUnitMs), ErrInvalidHandle);
        QCOMPARE(m_system.playSound(sound, nullptr, false, nullptr), ErrInvalidHandle);
        QCOMPARE(fader.setBypass(true), ErrInvalidHandle);
        QCOMPARE(m_master.addDSP(0, fader), ErrInvalidHandle);
        QVERIFY(m_system.createDSPByType(999, &unknown) != Ok);
        QVERIFY(unknown.isNull());

        Sound file(12345);
        QCOMPARE(m_system.createSound(path("missing.wav"), kStream, nullptr, &file), ErrFileNotFound);
        QVERIFY(file.isNull());
        QFile noise(QString::fromLocal8Bit(path("noise.wav")));
        QVERIFY(noise.open(QIODevice::WriteOnly));
        std::mt19937 random(3);
        for (int i = 0; i < 65536; ++i)
            noise.putChar(static_cast<char>(random()));
        noise.close();
        const Result r = m_system.createSound(path("noise.wav"), kStream, nullptr, &file);
        QVERIFY2(r == ErrFormat || r == ErrFileBad, errorString(r));
        QVERIFY(file.isNull());

        // Cut to half its data: plays what is there and ends, or is refused.
        QVERIFY(writeSine(path("cut.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, kRate, 2, 1.0, 500, 0.5));
        QVERIFY(QFile::resize(QString::fromLocal8Bit(path("cut.wav")), 44 + kRate * 2));
        Channel channel;
        if (m_system.createSound(path("cut.wav"), kStream, nullptr, &file) == Ok) {
            QCOMPARE(m_system.playSound(file, nullptr, false, &channel), Ok);
            QVERIFY(playToEnd(channel, 2 * kRate) <= kRate + kBlock);
        }
        QCOMPARE(QByteArray(errorString(999)), QByteArray("Unknown error."));
    }
};

QTEST_APPLESS_MAIN(TestZaudio)
#include "test_zaudio.moc"
