// The mixer must never allocate. This counts heap allocations made on threads
// while they render mixer blocks, with 32 streams playing and the API
// reshaping the unit chain (built-in units of every type among them) and the
// channels from another thread.

#include "allocationcounter.h"
#include "audiosignal.h"

#include <zaudio/unit.h>

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <random>
#include <thread>

namespace {

std::atomic<long> g_mixerBlocks{0};

} // namespace

bool alloccount::watchedThread()
{
    return zaudio::isMixerThread();
}

using namespace zaudio;

class TestZaudioAlloc : public QObject
{
    Q_OBJECT

private slots:
    void mixerNeverAllocatesWhileTheGraphChanges()
    {
        const long before = alloccount::total.load();
        delete new volatile int(1);
        QVERIFY2(alloccount::total.load() > before, "allocations are not counted");

        QTemporaryDir dir;
        System system;
        ChannelGroup master;
        QCOMPARE(createSystem(&system), Ok);
        QCOMPARE(system.setOutput(OutputType::NoSound), Ok);
        QCOMPARE(system.init(64), Ok);
        QCOMPARE(system.getMasterChannelGroup(&master), Ok);

        // Short looping streams at several rates: passes end and loop all the time.
        const int rates[] = {48000, 44100, 22050, 32000};
        std::vector<Channel> channels(32);
        for (int i = 0; i < 32; ++i) {
            const QByteArray file = dir.filePath(QString::number(i) + QStringLiteral(".wav")).toLocal8Bit();
            Sound sound;
            QVERIFY(audiosignal::writeSine(file, SF_FORMAT_WAV | SF_FORMAT_PCM_16, rates[i % 4], 1 + i % 2,
                                           0.1 + 0.05 * (i % 5), 200 + 50 * i, 0.02));
            QCOMPARE(system.createSound(file, CreateStream | LoopNormal, nullptr, &sound), Ok);
            QCOMPARE(system.playSound(sound, nullptr, false, &channels[static_cast<std::size_t>(i)]), Ok);
        }

        // Custom units count the blocks they see rendered on a mixer thread.
        static DSPParameterDesc parameter;
        static DSPParameterDesc* parameters[] = {&parameter};
        DSPDescription description;
        description.read = [](DSPState*, float* in, float* out, unsigned length, int channels, int*) {
            if (isMixerThread())
                g_mixerBlocks.fetch_add(1, std::memory_order_relaxed);
            std::copy(in, in + length * static_cast<unsigned>(channels), out);
            return Ok;
        };
        description.numParameters = 1;
        description.paramDesc = parameters;
        description.setParameterFloat = [](DSPState*, int, float) { return Ok; };
        DSP counter, added;
        QCOMPARE(system.createDSP(&description, &counter), Ok);
        QCOMPARE(master.addDSP(0, counter), Ok);

        std::vector<DSP> units{counter};
        std::mt19937 random(11);
        const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        long changes = 0;
        for (; std::chrono::steady_clock::now() < end; ++changes) {
            Channel& channel = channels[pick(channels.size())];
            const DSP unit = units[pick(units.size())];
            bool paused = false;
            Sound sound;
            switch (random() % 8) {
            case 0:
                if (units.size() < 12) {
                    // Every built-in type, so each unit's processing is watched too.
                    QCOMPARE(random() % 4
                                 ? system.createDSPByType(
                                       unitInfoAt(static_cast<int>(pick(unitInfoCount()))).type, &added)
                                 : system.createDSP(&description, &added),
                             Ok);
                    QCOMPARE(master.addDSP(static_cast<int>(pick(units.size() + 1)), added), Ok);
                    units.push_back(added);
                }
                break;
            case 1: // moves: the unit is in the chain already
                QCOMPARE(master.addDSP(static_cast<int>(pick(units.size())), unit), Ok);
                break;
            case 2: // release removes it too
                if (unit != counter) {
                    if (random() % 2)
                        QCOMPARE(master.removeDSP(unit), Ok);
                    QCOMPARE(unit.release(), Ok);
                    units.erase(std::find(units.begin(), units.end(), unit));
                }
                break;
            case 3: { // anything from below to above the ranges; a missing index is refused
                const Result r = unit.setParameterFloat(static_cast<int>(pick(4)),
                                                        static_cast<float>(random() % 30000) - 100.0f);
                QVERIFY(r == Ok || r == ErrInvalidParam);
                break;
            }
            case 4:
                QCOMPARE(channel.setVolume(static_cast<float>(random() % 200) / 100.0f), Ok);
                break;
            case 5:
                QCOMPARE(channel.getPaused(&paused), Ok);
                QCOMPARE(channel.setPaused(!paused), Ok);
                break;
            case 6:
                QCOMPARE(channel.setPosition(static_cast<unsigned>(random() % 100), TimeUnitMs), Ok);
                break;
            case 7: // restarts the stream on a new channel
                QCOMPARE(channel.getCurrentSound(&sound), Ok);
                QCOMPARE(system.playSound(sound, nullptr, false, &channel), Ok);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        QCOMPARE(system.release(), Ok);

        qInfo("%ld custom-unit reads on mixer threads during %ld API calls; allocations: %ld on mixer "
              "threads, %ld elsewhere",
              g_mixerBlocks.load(), changes, alloccount::watched.load(),
              alloccount::total.load() - alloccount::watched.load());
        QVERIFY2(g_mixerBlocks.load() > 1000, qPrintable(QString::number(g_mixerBlocks.load())));
        QCOMPARE(alloccount::watched.load(), 0L);
    }
};

QTEST_APPLESS_MAIN(TestZaudioAlloc)
#include "test_zaudio_alloc.moc"
