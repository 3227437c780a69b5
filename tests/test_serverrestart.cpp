// The engine when the sound server dies and comes back, as a crash of
// PulseAudio or a restart of PipeWire (with its PulseAudio service and
// WirePlumber) does it: the cable, the capture, the voice with its effect on
// both outputs and a playing sound come back by themselves, nothing is
// reported to the user as unplugged, and ten restarts leave no stream,
// module, thread or file behind. Also the microphone in use unplugged and
// plugged back.

#include "audiocapturepulse.h"
#include "audiomanager.h"
#include "audiosignal.h"
#include "effectmanager.h"
#include "pulsetools.h"
#include "unitsignal.h"
#include "virtualcable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <signal.h>

namespace {

constexpr int kPitchUnit = 13; // the built-in pitch shifter; parameter 0 is the ratio
constexpr double kVoiceIn = 200.0;
constexpr double kVoiceOut = 300.0; // through the pitch shifter at 1.5
constexpr double kSound = 660.0;
constexpr double kPresent = 0.05; // -26 dBFS: either tone is far above this when it plays
constexpr int kBackWithinMs = 10000;
constexpr int kRestarts = 10;

bool onPipeWire()
{
    return qgetenv("ZELVANI_PULSE_BACKEND") == "pipewire";
}

int entriesIn(const char* folder)
{
    return static_cast<int>(QDir(QString::fromLatin1(folder))
                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                                .size());
}

int shortListLength(const char* what)
{
    return pactl({QStringLiteral("list"), QStringLiteral("short"), QString::fromLatin1(what)})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
        .size();
}

double amplitudeOf(const std::vector<float>& stereo, double hz)
{
    return unitsignal::amplitudeAt(audiosignal::channelOf(stereo, 0, stereo.size() / 2), hz);
}

} // namespace

class TestServerRestart : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir{QStringLiteral("/tmp/zelvani-restart-XXXXXX")};
    QString m_server;
    AudioManager* m_engine = nullptr;
    std::unique_ptr<TonePlayer> m_voice;
    QByteArray m_report;

    // The tone on the microphone dies with the server: played anew once it failed.
    void attachVoice()
    {
        if (!m_voice || m_voice->failed()) {
            m_voice.reset();
            m_voice = std::make_unique<TonePlayer>("microphone_feed", kVoiceIn, 0.5f);
        }
    }

    // Whether both outputs carry the changed voice and the sound in one
    // 300 ms take; m_report has the levels. Recorded by parec processes,
    // which end however the server fares.
    bool bothOutputsPlayEverything()
    {
        QProcess recorders[2];
        const char* sources[] = {"speakers.monitor", "zelvani_cable_output"};
        for (int i = 0; i < 2; ++i)
            recorders[i].start(QStringLiteral("parec"),
                               {QStringLiteral("--device=%1").arg(QLatin1String(sources[i])),
                                QStringLiteral("--raw"), QStringLiteral("--format=float32le"),
                                QStringLiteral("--rate=48000"), QStringLiteral("--channels=2"),
                                QStringLiteral("--latency-msec=10")});
        QTest::qWait(500);
        std::vector<float> takes[2];
        for (int i = 0; i < 2; ++i) {
            recorders[i].kill();
            recorders[i].waitForFinished(2000);
            const QByteArray bytes = recorders[i].readAllStandardOutput();
            // The last 300 ms: the first moments are the stream's start.
            const int wanted = 14400 * 2 * 4;
            const QByteArray last = bytes.right(wanted);
            if (last.size() == wanted)
                takes[i].assign(reinterpret_cast<const float*>(last.constData()),
                                reinterpret_cast<const float*>(last.constData()) + last.size() / 4);
        }
        const double levels[] = {amplitudeOf(takes[0], kVoiceOut), amplitudeOf(takes[0], kSound),
                                 amplitudeOf(takes[1], kVoiceOut), amplitudeOf(takes[1], kSound)};
        m_report = QByteArray("speakers: voice ") + QByteArray::number(levels[0]) + ", sound " +
                   QByteArray::number(levels[1]) + "; cable: voice " + QByteArray::number(levels[2]) +
                   ", sound " + QByteArray::number(levels[3]);
        return levels[0] > kPresent && levels[1] > kPresent && levels[2] > kPresent && levels[3] > kPresent;
    }

    // Milliseconds until both outputs play everything again; -1 when they do not within kBackWithinMs.
    int waitUntilBack()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kBackWithinMs) {
            attachVoice();
            if (bothOutputsPlayEverything())
                return static_cast<int>(clock.elapsed());
        }
        return -1;
    }

    // A crash of PulseAudio (SIGKILL, nothing cleaned up) and a new one on
    // the same socket; on PipeWire, the whole graph restarted. The program's
    // event loop runs meanwhile, as it would.
    bool restartServer()
    {
        if (!onPipeWire()) {
            QFile pidFile(m_server + QStringLiteral("/runtime/pulse/pid"));
            if (pidFile.open(QIODevice::ReadOnly)) {
                const int pid = pidFile.readAll().trimmed().toInt();
                if (pid > 0)
                    ::kill(pid, SIGKILL);
            }
        }
        QStringList arguments{QStringLiteral("start"), m_server};
        if (onPipeWire())
            arguments << QStringLiteral("--pipewire");
        QProcess process;
        process.start(QStringLiteral(ZELVANI_PULSE_ENV), arguments);
        QElapsedTimer clock;
        clock.start();
        while (process.state() != QProcess::NotRunning && clock.elapsed() < 30000)
            QTest::qWait(20);
        if (process.exitCode() != 0)
            qWarning("pulse-env: %s", process.readAllStandardError().constData());
        return process.state() == QProcess::NotRunning && process.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_server = m_dir.filePath(QStringLiteral("server"));
        qputenv("PULSE_SERVER", QByteArray("unix:") + m_server.toUtf8() + "/native");
        QVERIFY(pulseEnv(QStringLiteral("start"), m_server));
        QString error;
        QVERIFY2(VirtualCable::load(&error), qPrintable(error));

        m_engine = AudioManager::instance();
        m_engine->setSettingReader([](const QString&, const QVariant& defaultValue) { return defaultValue; });
        m_engine->setResourcesPath(QStringLiteral(ZELVANI_RESOURCES));
        m_engine->start();
        QCOMPARE(m_engine->inputName(), QStringLiteral("Microphone"));

        EffectData::VoiceSetting pitch;
        pitch.type = kPitchUnit;
        EffectData::PluginParam ratio;
        ratio.type = kPitchUnit;
        ratio.value = 1.5f;
        pitch.values.append(ratio);
        EffectData::VoiceEffect effect;
        effect.name = QStringLiteral("up a fifth");
        effect.settings = {pitch};
        m_engine->applyEffect(effect);

        const QString sound = m_dir.filePath(QStringLiteral("660.wav"));
        QVERIFY(audiosignal::writeSine(QFile::encodeName(sound), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2,
                                       2.0, kSound, 0.25));
        m_engine->loadSound(1, sound);
        m_engine->setSoundLoop(1, true);
        m_engine->playSound(1);
        QVERIFY2(waitUntilBack() >= 0, m_report.constData());
    }

    void cleanupTestCase()
    {
        if (m_engine) {
            m_engine->stopAllSounds();
            m_engine->release();
        }
        // The server first: the tone's blocking stream ends with it.
        pulseEnv(QStringLiteral("stop"), m_server);
        m_voice.reset();
        qunsetenv("PULSE_SERVER");
    }

    void everythingComesBackAfterEachRestart()
    {
        QSignalSpy unplugged(m_engine, &AudioManager::deviceDisconnect);
        QSignalSpy cableGone(m_engine, &AudioManager::uninstallVirtual);
        int clients = 0;
        int modules = 0;
        int threads = 0;
        int files = 0;
        QList<int> backMs;
        for (int restart = 1; restart <= kRestarts; ++restart) {
            QVERIFY2(restartServer(), "the server did not start again");
            const int took = waitUntilBack();
            QVERIFY2(
                took >= 0,
                qPrintable(QStringLiteral("restart %1: %2").arg(restart).arg(QString::fromLatin1(m_report))));
            backMs.append(took);
            // Other programs are offered the cable as their microphone again.
            QTRY_COMPARE(pactl({QStringLiteral("get-default-source")}),
                         QStringLiteral("zelvani_cable_output"));
            QTest::qWait(500); // the program's meters and device lists settle
            m_engine->peakPercent(QStringLiteral("Microphone"));
            if (restart == 1) {
                clients = shortListLength("clients");
                modules = shortListLength("modules");
                threads = entriesIn("/proc/self/task");
                files = entriesIn("/proc/self/fd");
                continue;
            }
            // A stream, a connection, a thread or a descriptor left behind by
            // a restart would add up over ten.
            QCOMPARE(shortListLength("clients"), clients);
            QCOMPARE(shortListLength("modules"), modules);
            QCOMPARE(entriesIn("/proc/self/task"), threads);
            QCOMPARE(entriesIn("/proc/self/fd"), files);
        }
        qInfo("back after a restart (ms from the server's start, in steps of a 500 ms recording): %s",
              qPrintable([&backMs] {
                  QStringList text;
                  for (int ms : backMs)
                      text << QString::number(ms);
                  return text.join(QLatin1Char(' '));
              }()));
        // Nothing in use was reported unplugged (PipeWire's stand-in "Dummy
        // Output", there while a restarting graph has no sinks, may be).
        for (const QList<QVariant>& report : qAsConst(unplugged)) {
            const QString name = report.value(0).toString();
            QVERIFY2(name != m_engine->inputName() && name != m_engine->outputName() &&
                         !name.startsWith(QLatin1String("CABLE ")),
                     qPrintable(name));
        }
        QCOMPARE(cableGone.count(), 0);
        QCOMPARE(m_engine->inputName(), QStringLiteral("Microphone"));
    }

    void unpluggedMicrophoneResumesWhenPluggedBack()
    {
        const QStringList modules =
            pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QString index;
        QString arguments;
        for (const QString& line : modules) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() >= 3 && fields.at(1) == QLatin1String("module-remap-source") &&
                fields.at(2).contains(QLatin1String("source_name=microphone "))) {
                index = fields.at(0);
                arguments = fields.at(2);
            }
        }
        QVERIFY2(!index.isEmpty(), qPrintable(modules.join(QLatin1Char('\n'))));
        QSignalSpy unplugged(m_engine, &AudioManager::deviceDisconnect);
        pactl({QStringLiteral("unload-module"), index});
        QTRY_VERIFY_WITH_TIMEOUT(unplugged.contains(QVariantList{QStringLiteral("Microphone")}), 5000);
        QVERIFY(!bothOutputsPlayEverything());

        // Plugged back with the same name: capture resumes on it.
        QStringList load{QStringLiteral("load-module"), QStringLiteral("module-remap-source")};
        load << arguments; // pactl hands the arguments on as one string
        bool loaded = false;
        pactl(load, &loaded);
        QVERIFY(loaded);
        QVERIFY2(waitUntilBack() >= 0, m_report.constData());
    }
};

QTEST_GUILESS_MAIN(TestServerRestart)
#include "test_serverrestart.moc"
