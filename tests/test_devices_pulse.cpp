// Devices, capture, meters, volumes, the device watch and the virtual cable
// against the private sound server: the sinks "Speakers" (default) and
// "Microphone feed", and the mono source "Microphone" (default) that carries
// what is played into the feed.

#include "audiocapturepulse.h"
#include "deviceselection.h"
#include "launchmanager.h"
#include "pulsetools.h"
#include "unitsignal.h"
#include "utility.h"
#include "virtualcable.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kSpeakers = QStringLiteral("Speakers");
const QString kMicrophone = QStringLiteral("Microphone");

// Collects what a capture delivers.
struct Recorder : QObject
{
    explicit Recorder(AudioCapturePulse* capture)
    {
        connect(capture, &AudioCapturePulse::pcmReadData, this,
                [this](QSharedPointer<float> samples, int count) {
                    counts.append(count);
                    if (!samples) {
                        ++holes;
                        return;
                    }
                    packets.emplace_back(samples.data(), samples.data() + count);
                });
    }
    std::vector<float> joined(int fromPacket = 0) const
    {
        std::vector<float> all;
        for (std::size_t i = static_cast<std::size_t>(fromPacket); i < packets.size(); ++i)
            all.insert(all.end(), packets[i].begin(), packets[i].end());
        return all;
    }
    int packetCount() const { return static_cast<int>(packets.size()); }
    QVector<int> counts;
    std::vector<std::vector<float>> packets;
    int holes = 0;
};

QString defaultSourceName()
{
    QString recording;
    QString playback;
    Utility::instance()->defaultDeviceNames(&recording, &playback);
    return recording;
}

} // namespace

class TestDevicesPulse : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QString error;
        QVERIFY2(VirtualCable::unload(&error), qPrintable(error));
        pactl({QStringLiteral("set-default-sink"), QStringLiteral("speakers")});
        pactl({QStringLiteral("set-default-source"), QStringLiteral("microphone")});
    }

    void listMatchesTheServer()
    {
        QList<AudioDevice> inputs;
        QList<AudioDevice> outputs;
        Utility::instance()->audioDeviceList(inputs, outputs);
        QStringList inputNames;
        for (const AudioDevice& d : inputs) {
            inputNames.append(d.name);
            QCOMPARE(d.state & 1, 1);
            QCOMPARE(bool(d.state & 2), d.name == kMicrophone);
            QVERIFY(QRegularExpression(QStringLiteral("^\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}$"))
                        .match(d.guid)
                        .hasMatch());
        }
        QStringList outputNames;
        for (const AudioDevice& d : outputs) {
            outputNames.append(d.name);
            QCOMPARE(d.state, -1);
            QCOMPARE(d.sampleRate, 48000);
        }
        QCOMPARE(outputNames, serverDescriptions(false));
        QCOMPARE(inputNames, serverDescriptions(true));
        QVERIFY(outputNames.contains(kSpeakers));
        QCOMPARE(inputs.at(inputNames.indexOf(kMicrophone)).channel, 1);
    }

    void cableInstallKeepsDefaultsAndIsIdempotent()
    {
        // Where the server supports it, a new device takes over the defaults
        // as it does on many desktops; the step must put them back.
        ModuleGuard switchOnConnect{
            loadModule({QStringLiteral("module-switch-on-connect"), QStringLiteral("ignore_virtual=no")})};
        LaunchManager* launch = LaunchManager::instance();
        QSignalSpy progress(launch, &LaunchManager::stepValueChange);
        QElapsedTimer clock;
        clock.start();
        launch->installVirtualDriver();
        QVERIFY(clock.elapsed() >= LaunchManager::kSettleMs);
        QCOMPARE(progress.count(), 1);
        QCOMPARE(progress.at(0).at(0).toInt(), 4);

        QList<AudioDevice> inputs;
        QList<AudioDevice> outputs;
        Utility::instance()->audioDeviceList(inputs, outputs);
        QVERIFY(VirtualCable::status(inputs, outputs).complete());
        QString recording;
        QString playback;
        QVERIFY(Utility::instance()->defaultDeviceNames(&recording, &playback));
        QCOMPARE(recording, kMicrophone);
        QCOMPARE(playback, kSpeakers);

        // The engine's choice with the cable present: the microphone listed
        // before the cable's recording side is chosen, the cable becomes the
        // default microphone of other programs.
        const DeviceSelection::Choice input = Utility::instance()->chooseDevice(0, {}, {});
        QCOMPARE(input.device.name, kMicrophone);
        QCOMPARE(input.previousDefault, kMicrophone);
        QCOMPARE(defaultSourceName(), QString::fromLatin1(VirtualCable::kRecordingDescription));
        QCOMPARE(Utility::instance()->chooseDevice(2, {}, {}).device.name,
                 QString::fromLatin1(VirtualCable::kPlaybackDescription));
        Utility::instance()->setDefaultDevice(kMicrophone);

        // Complete: nothing is loaded and no settling wait.
        const QString modules =
            pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")});
        clock.restart();
        launch->installVirtualDriver();
        QVERIFY(clock.elapsed() < LaunchManager::kSettleMs);
        QCOMPARE(progress.count(), 2);
        QCOMPARE(pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")}),
                 modules);

        QString error;
        QStringList removed;
        QVERIFY(VirtualCable::unload(&error, &removed));
        QCOMPARE(removed.size(), 2);
        QList<AudioDevice> inputsAfter;
        QList<AudioDevice> outputsAfter;
        Utility::instance()->audioDeviceList(inputsAfter, outputsAfter);
        QVERIFY(!VirtualCable::status(inputsAfter, outputsAfter).playback);
    }

    void missingRecordingSideAloneIsAdded()
    {
        QString error;
        QStringList done;
        QVERIFY2(VirtualCable::load(&error, &done), qPrintable(error));
        QCOMPARE(done.size(), 2);
        // Drop the recording side only, as a user might in a mixer.
        const QString sources = pactl({QStringLiteral("list"), QStringLiteral("sources")});
        const QRegularExpressionMatch owner =
            QRegularExpression(
                QStringLiteral("Description: CABLE Output[^\\n]*\\n(?:[^\\n]*\\n)*?\\s*Owner Module: (\\d+)"))
                .match(sources);
        QVERIFY(owner.hasMatch());
        pactl({QStringLiteral("unload-module"), owner.captured(1)});

        LaunchManager::instance()->installVirtualDriver();
        QList<AudioDevice> inputs;
        QList<AudioDevice> outputs;
        Utility::instance()->audioDeviceList(inputs, outputs);
        QVERIFY(VirtualCable::status(inputs, outputs).complete());
        int playbackSides = 0;
        for (const AudioDevice& d : outputs)
            playbackSides += isVirtualCable(d.name) ? 1 : 0;
        QCOMPARE(playbackSides, 1);
        QCOMPARE(defaultSourceName(), kMicrophone);
    }

    void cliShowsTheChoiceAndManagesTheCable()
    {
        auto cli = [](const QStringList& arguments, QByteArray* out) {
            QProcess process;
            process.start(QStringLiteral(ZELVANI_CLI), arguments);
            process.waitForFinished(30000);
            *out = process.readAllStandardOutput();
            return process.exitCode();
        };
        QByteArray out;
        // Scripts read the status by its exit code: 1 until both sides exist.
        QCOMPARE(cli({QStringLiteral("cable"), QStringLiteral("status")}, &out), 1);
        QVERIFY(out.contains("The virtual cable is incomplete."));
        QCOMPARE(cli({QStringLiteral("cable"), QStringLiteral("install")}, &out), 0);
        QCOMPARE(cli({QStringLiteral("cable"), QStringLiteral("status")}, &out), 0);
        QVERIFY(out.contains("The virtual cable is complete."));
        QCOMPARE(cli({QStringLiteral("devices"), QStringLiteral("--json")}, &out), 0);
        const QJsonObject chosen =
            QJsonDocument::fromJson(out).object().value(QStringLiteral("chosen")).toObject();
        const QJsonObject input = chosen.value(QStringLiteral("input")).toObject();
        QCOMPARE(input.value(QStringLiteral("device")).toObject().value(QStringLiteral("name")).toString(),
                 kMicrophone);
        QVERIFY(input.value(QStringLiteral("rule")).toString().contains(QLatin1String("InputName")));
        QCOMPARE(chosen.value(QStringLiteral("virtual"))
                     .toObject()
                     .value(QStringLiteral("device"))
                     .toObject()
                     .value(QStringLiteral("name"))
                     .toString(),
                 QString::fromLatin1(VirtualCable::kPlaybackDescription));
        QCOMPARE(cli({QStringLiteral("cable"), QStringLiteral("remove")}, &out), 0);
        QCOMPARE(out.count("Removed"), 2);
        QCOMPARE(cli({QStringLiteral("cable"), QStringLiteral("sideways")}, &out), 2);
    }

    void captureDeliversTheFeedInTenMillisecondPackets()
    {
        AudioCapturePulse capture;
        Recorder recorder(&capture);
        TonePlayer tone("microphone_feed", 440.0, 0.5f);
        capture.startCapture(kMicrophone);
        QVERIFY(capture.isCapturing());
        QCOMPARE(capture.channelCount(), 1);
        // Let the tone reach the source, then measure what arrives after it.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.packetCount() >= 30, 5000);
        const int settled = recorder.packetCount();
        QTRY_VERIFY_WITH_TIMEOUT(recorder.packetCount() >= settled + 50, 5000);
        QVERIFY(!tone.failed());
        for (int count : recorder.counts)
            QVERIFY2(count > 0 && count <= AudioCapturePulse::kPacketFrames,
                     qPrintable(QString::number(count)));
        const std::vector<float> samples = recorder.joined(settled);
        // A dropout of the test's own tone (a busy machine) miscounts one take:
        // the capture is wrong only when later takes are wrong too.
        double frequency = zeroCrossingFrequency(samples, 1);
        for (int take = 0; take < 3 && std::abs(frequency - 440.0) >= 440.0 * 0.01; ++take) {
            const int from = recorder.packetCount();
            QTRY_VERIFY_WITH_TIMEOUT(recorder.packetCount() >= from + 50, 5000);
            frequency = zeroCrossingFrequency(recorder.joined(from), 1);
        }
        QVERIFY2(std::abs(frequency - 440.0) < 440.0 * 0.01, qPrintable(QString::number(frequency)));
        const double loudest = unitsignal::peak(samples);
        QVERIFY2(loudest > 0.45 && loudest < 0.55, qPrintable(QString::number(loudest)));
    }

    void peakFollowsTheSignal()
    {
        // Idle null sinks of PulseAudio render in blocks of up to 2 s, so the
        // level may take that long to follow.
        AudioCapturePulse capture;
        {
            TonePlayer tone("microphone_feed", 1000.0, 0.8f);
            QTRY_VERIFY_WITH_TIMEOUT(capture.peak(kMicrophone) > 0.5f, 5000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(capture.peak(kMicrophone) < 0.05f, 5000);
        // Silence holds: no stale peak comes back.
        for (int i = 0; i < 20; ++i) {
            QTest::qWait(10);
            QVERIFY(capture.peak(kMicrophone) < 0.05f);
        }
        QCOMPARE(capture.peak(QStringLiteral("No such device")), 0.0f);
    }

    void volumeRoundTrips()
    {
        AudioCapturePulse capture;
        for (const QString& name : {kSpeakers, kMicrophone}) {
            capture.setVolume(name, 0.37f);
            QVERIFY(std::abs(capture.volume(name) - 0.37f) < 0.01f);
            // On the server, not only in this object.
            AudioCapturePulse other;
            QVERIFY(std::abs(other.volume(name) - 0.37f) < 0.01f);
            capture.setVolume(name, 1.0f);
            QVERIFY(std::abs(capture.volume(name) - 1.0f) < 0.01f);
        }
        // An unknown name is tried three times, 100 ms apart, then answers at
        // once until the device table changes.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(capture.volume(QStringLiteral("No such device")), 0.0f);
        QVERIFY(clock.elapsed() >= 190);
        clock.restart();
        capture.setVolume(QStringLiteral("No such device"), 0.5f);
        QCOMPARE(capture.volume(QStringLiteral("No such device")), 0.0f);
        QVERIFY(clock.elapsed() < 50);
    }

    void watchReportsDevicesWithLongUnicodeNames()
    {
        AudioCapturePulse capture;
        DeviceNotifier* notifier = capture.notifier();
        QSignalSpy states(notifier, &DeviceNotifier::deviceStateChanger);
        QSignalSpy disconnects(notifier, &DeviceNotifier::deviceDisconnect);
        QString name = QStringLiteral("Kopfhörer (Größe \u00e9\u4e2d\u6587) ");
        while (name.size() < 200)
            name += QChar(u'\u00fc');
        ModuleGuard sink{
            loadModule({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=long_name"),
                        QStringLiteral("rate=48000"),
                        QStringLiteral("sink_properties='device.description=\"%1\"'").arg(name)})};
        QVERIFY(sink.index >= 0);
        QTRY_VERIFY(!states.isEmpty());
        QCOMPARE(states.first(), (QVariantList{0, 1}));
        QCOMPARE(notifier->lastDeviceName(), name);

        QList<AudioDevice> inputs;
        QList<AudioDevice> outputs;
        Utility::instance()->audioDeviceList(inputs, outputs);
        QVERIFY(std::any_of(outputs.begin(), outputs.end(),
                            [&](const AudioDevice& d) { return d.name == name; }));
        QVERIFY(capture.volume(name) > 0.99f);
        Utility::instance()->setDefaultDevice(name);
        QString recording;
        QString playback;
        Utility::instance()->defaultDeviceNames(&recording, &playback);
        QCOMPARE(playback, name);
        Utility::instance()->setDefaultDevice(kSpeakers);

        states.clear();
        pactl({QStringLiteral("unload-module"), QString::number(sink.index)});
        sink.index = -1;
        QTRY_VERIFY(!states.isEmpty());
        QCOMPARE(states.first(), (QVariantList{0, 4}));
        QCOMPARE(disconnects.count(), 1);
        QCOMPARE(disconnects.first().first().toString(), name);
        QCOMPARE(capture.volume(name), 0.0f);
    }

    void switchingDeliversNothingOfTheOldDevice()
    {
        // A second microphone that carries what plays on Speakers.
        ModuleGuard second{
            loadModule({QStringLiteral("module-remap-source"), QStringLiteral("master=speakers.monitor"),
                        QStringLiteral("source_name=second_mic"), QStringLiteral("channels=1"),
                        QStringLiteral("channel_map=mono"), QStringLiteral("master_channel_map=front-left"),
                        QStringLiteral("source_properties='device.description=\"Second microphone\"'")})};
        QVERIFY(second.index >= 0);
        TonePlayer low("microphone_feed", 300.0, 0.5f);
        TonePlayer high("speakers", 2400.0, 0.5f);
        AudioCapturePulse capture;
        Recorder recorder(&capture);
        auto lastPacketsCarry = [&](double frequency) {
            const int n = recorder.packetCount();
            return n >= 10 && unitsignal::amplitudeAt(recorder.joined(n - 10), frequency) > 0.4;
        };
        capture.startCapture(kMicrophone);
        QTRY_VERIFY_WITH_TIMEOUT(lastPacketsCarry(300.0), 5000);

        capture.switchDevice(QStringLiteral("Second microphone"));
        QVERIFY(!capture.isCapturing());
        const int before = recorder.packetCount();
        QTRY_VERIFY_WITH_TIMEOUT(recorder.packetCount() > before && lastPacketsCarry(2400.0), 5000);
        QVERIFY(capture.isCapturing());
        // The new device's first packets may be silence before its tone; none
        // may carry the old device's 300 Hz (0.5 there).
        for (int i = before; i < recorder.packetCount(); ++i) {
            const double old = unitsignal::amplitudeAt(recorder.packets[static_cast<std::size_t>(i)], 300.0);
            QVERIFY2(old < 0.1, qPrintable(QStringLiteral("packet %1: %2").arg(i - before).arg(old)));
        }
        pactl({QStringLiteral("unload-module"), QString::number(second.index)});
        second.index = -1;
        // The device went away under the capture: it ends cleanly.
        QTRY_VERIFY(!capture.isCapturing());
    }
};

QTEST_GUILESS_MAIN(TestDevicesPulse)
#include "test_devices_pulse.moc"
