// Devices and capture when the sound server is missing or goes away: empty
// answers, bounded waits, one log line per call, and capture that ends
// cleanly and comes back with the server.

#include "audiocapturepulse.h"
#include "launchmanager.h"
#include "pulsetools.h"
#include "spdlogcore.h"
#include "utility.h"
#include "virtualcable.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int logLinesWith(const QString& text)
{
    QFile log(QString::fromUtf8(SpdLogFilePath()));
    if (!log.open(QIODevice::ReadOnly))
        return -1;
    return QString::fromUtf8(log.readAll()).count(text);
}

} // namespace

class TestDevicesFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_logs.isValid());
        InitSpdLogW(L"AppLog.log", m_logs.path().toStdWString().c_str());
    }

    void notifierLogsAndSignalsEachState()
    {
        DeviceNotifier notifier;
        QSignalSpy states(&notifier, &DeviceNotifier::deviceStateChanger);
        QSignalSpy disconnects(&notifier, &DeviceNotifier::deviceDisconnect);
        const QString name = QStringLiteral("Headset 50%1");
        for (int state : {1, 2, 3, 4, 8})
            notifier.onDeviceStateChanged(1, name, state);
        QCOMPARE(states.count(), 5);
        QCOMPARE(states.at(4), (QVariantList{1, 8}));
        // Only a disabled or vanished device counts as disconnected.
        QCOMPARE(disconnects.count(), 2);
        for (const char* line : {"Headset 50%1: device state is DEVICE_STATE_ACTIVE = 1",
                                 "Headset 50%1: device state is DEVICE_STATE_DISABLED = 2",
                                 "Headset 50%1: device state is DEVICE_STATE_ = 3",
                                 "Headset 50%1: device state is DEVICE_STATE_NOTPRESENT = 4",
                                 "Headset 50%1: device state is DEVICE_STATE_UNPLUGGED = 8"})
            QCOMPARE(logLinesWith(QStringLiteral("[DeviceState] ") + QLatin1String(line)), 1);
    }

    void noServerGivesEmptyAnswersQuickly()
    {
        qputenv("PULSE_SERVER", QByteArray("unix:") + m_logs.path().toUtf8() + "/no-server");
        QElapsedTimer clock;
        clock.start();
        for (int call = 1; call <= 2; ++call) {
            QList<AudioDevice> inputs;
            QList<AudioDevice> outputs;
            Utility::instance()->audioDeviceList(inputs, outputs);
            QVERIFY(inputs.isEmpty() && outputs.isEmpty());
            QCOMPARE(logLinesWith(QStringLiteral("[audioDeviceList]")), call);
        }
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));

        QString recording;
        QString playback;
        QVERIFY(!Utility::instance()->defaultDeviceNames(&recording, &playback));
        Utility::instance()->setDefaultDevice(QStringLiteral("Microphone"));
        QString error;
        QVERIFY(!VirtualCable::load(&error));
        QVERIFY2(error.startsWith(QLatin1String("no sound server")), qPrintable(error));

        AudioCapturePulse capture;
        capture.startCapture(QStringLiteral("Microphone"));
        QVERIFY(!capture.isCapturing());
        QCOMPARE(capture.peak(QStringLiteral("Microphone")), 0.0f);
        QCOMPARE(capture.volume(QStringLiteral("Microphone")), 0.0f);
        capture.setVolume(QStringLiteral("Microphone"), 0.5f);
        QCOMPARE(logLinesWith(QStringLiteral("[capture] Couldn't find audio device with name: Microphone")),
                 1);

        QSignalSpy progress(LaunchManager::instance(), &LaunchManager::stepValueChange);
        clock.restart();
        LaunchManager::instance()->installVirtualDriver();
        QCOMPARE(progress.count(), 1);
        QCOMPARE(progress.first().first().toInt(), 4);
        QVERIFY(clock.elapsed() < LaunchManager::kSettleMs + 2000);
        qunsetenv("PULSE_SERVER");
    }

    void captureSurvivesTheServerGoingAway()
    {
        QTemporaryDir dir(QStringLiteral("/tmp/zelvani-faults-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString server = dir.path() + QStringLiteral("/server");
        qputenv("PULSE_SERVER", QByteArray("unix:") + server.toUtf8() + "/native");
        QVERIFY(pulseEnv(QStringLiteral("start"), server));
        struct Stop
        {
            QString dir;
            ~Stop() { pulseEnv(QStringLiteral("stop"), dir); }
        } stopAtEnd{server};

        AudioCapturePulse capture;
        QSignalSpy states(capture.notifier(), &DeviceNotifier::deviceStateChanger);
        QSignalSpy disconnects(capture.notifier(), &DeviceNotifier::deviceDisconnect);
        int packets = 0;
        connect(&capture, &AudioCapturePulse::pcmReadData, this, [&packets] { ++packets; });
        capture.startCapture(QStringLiteral("Microphone"));
        QVERIFY(capture.isCapturing());
        QTRY_VERIFY_WITH_TIMEOUT(packets > 0, 5000);

        QVERIFY(pulseEnv(QStringLiteral("stop"), server));
        QTRY_VERIFY_WITH_TIMEOUT(!capture.isCapturing(), 5000);
        QTRY_VERIFY(disconnects.count() >= 3);
        QVERIFY(disconnects.contains(QVariantList{QStringLiteral("Microphone")}));
        QVERIFY(states.contains(QVariantList{1, 4}));
        QVERIFY(states.contains(QVariantList{0, 4}));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(capture.peak(QStringLiteral("Microphone")), 0.0f);
        QCOMPARE(capture.volume(QStringLiteral("Speakers")), 0.0f);
        QVERIFY(clock.elapsed() < 500);

        // The server comes back: the devices are reported again and capture
        // resumes on the device it was asked for.
        states.clear();
        QVERIFY(pulseEnv(QStringLiteral("start"), server));
        QTRY_VERIFY_WITH_TIMEOUT(capture.isCapturing(), 10000);
        QVERIFY(states.contains(QVariantList{1, 1}));
        packets = 0;
        QTRY_VERIFY_WITH_TIMEOUT(packets > 0, 5000);
        qunsetenv("PULSE_SERVER");
    }

private:
    QTemporaryDir m_logs;
};

QTEST_GUILESS_MAIN(TestDevicesFaults)
#include "test_devices_faults.moc"
