// The engine's device events while the program runs, on the private sound
// server: a cable taken away is reported once and installed again with its
// progress, the settings page's button installs it afresh (the user's
// default devices stay as they were and the soundboard is heard on the new
// cable); a device in use unplugged twice gives one message; a device that
// comes or goes is chosen again a second later, never the cable.
#include "appmanager.h"
#include "audiomanager.h"
#include "audiosignal.h"
#include "cableinstalldialog.h"
#include "cutesettings.h"
#include "dialogwait.h"
#include "enginesetup.h"
#include "kit.h"
#include "moduledialogmanager.h"
#include "modules.h"
#include "pulsetools.h"
#include "retry.h"
#include "settingpage.h"
#include "unitsignal.h"
#include "utility.h"
#include "virtualcable.h"
#include "xprogressbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int kSound = 1;
constexpr double kToneHz = 700;

struct Defaults
{
    QString recording;
    QString playback;
    bool operator==(const Defaults& other) const
    {
        return recording == other.recording && playback == other.playback;
    }
};

Defaults defaults()
{
    Defaults result;
    Utility::instance()->defaultDeviceNames(&result.recording, &result.playback);
    return result;
}

AudioDevice deviceNamed(const QString& name)
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    for (const AudioDevice& device : outputs) {
        if (device.name == name)
            return device;
    }
    return AudioDevice();
}

bool cableComplete()
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    return VirtualCable::status(inputs, outputs).complete();
}

} // namespace

class TestDeviceEvents : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<QWidget> m_window;
    EffectModule* m_module = nullptr;
    SettingPage* m_settings = nullptr;
    int m_installs = 0;  // install dialogs run
    int m_questions = 0; // install messages shown
    int m_lastPercent = 0;

    // The tone's level on the cable's recording side, as a chat program would hear it.
    static double cableToneDb()
    {
        PulseRecorder cable("zelvani_cable_output");
        QTest::qWait(600);
        const std::vector<float> take = cable.take();
        if (cable.failed() || take.empty())
            return -200;
        const std::vector<float> left = audiosignal::channelOf(take, take.size() / 4, take.size() / 2);
        return unitsignal::db(unitsignal::amplitudeAt(left, kToneHz));
    }
    // Answers the install message with its button and lets the install dialog
    // run to its end, noting the progress it showed.
    void answerInstall()
    {
        whenOpen(ModuleDialogManager::DT_UninstallVirtual, [this](QDialog* dialog) {
            ++m_questions;
            dialog->done(1);
        });
        waitForInstallDialog();
    }
    void waitForInstallDialog()
    {
        auto* timer = new QTimer(qApp);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            auto* dialog = qobject_cast<CableInstallDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->okButton()->isEnabled())
                return;
            timer->stop();
            timer->deleteLater();
            ++m_installs;
            m_lastPercent = dialog->progressBar()->value();
            QVERIFY(dialog->succeeded());
            dialog->okButton()->click();
        });
        timer->start();
    }

private slots:
    void initTestCase()
    {
        AppManager::instance()->initialize();
        pactl({QStringLiteral("set-default-sink"), QStringLiteral("speakers")});
        pactl({QStringLiteral("set-default-source"), QStringLiteral("microphone")});
        QString error;
        QVERIFY2(VirtualCable::load(&error), qPrintable(error));
        QTRY_VERIFY(cableComplete()); // as at a start with the cable in place
        configureAudioEngine();
        // Both devices as stored: a first start's device dialog would come up
        // 1.5 s later, in the middle of whichever case runs then.
        CuteSettings::instance()->setValue(QStringLiteral("InputName"), QStringLiteral("Microphone"), Ini);
        CuteSettings::instance()->setValue(QStringLiteral("OutputName"), QStringLiteral("Speakers"), Ini);
        AudioManager* engine = AudioManager::instance();
        engine->start();
        QCOMPARE(engine->inputName(), QStringLiteral("Microphone"));

        // A sound file looping on both soundboard players, -6 dBFS.
        const QString tone = m_folder.filePath(QStringLiteral("tone.wav"));
        QVERIFY(audiosignal::writeSine(tone.toUtf8(), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2, 2, kToneHz,
                                       0.5));
        engine->loadSound(kSound, tone);
        engine->setSoundLoop(kSound, true);
        QVERIFY(engine->replaySound(kSound));
        QVERIFY(retryUntil([] { return cableToneDb() > -8; }, 30000));

        m_window = std::make_unique<QWidget>();
        m_window->resize(Kit::size(960, 600));
        m_module = new EffectModule(m_window.get());
        m_settings = new SettingPage(m_window.get());
        m_settings->setGeometry(m_window->rect());
        Kit::setCurrentWindow(m_window.get());
        m_window->show();
    }

    void cleanupTestCase()
    {
        m_window.reset();
        AudioManager::instance()->stopAllSounds();
        AudioManager::instance()->release();
        QString error;
        VirtualCable::unload(&error);
        pactl({QStringLiteral("set-default-source"), QStringLiteral("microphone")});
    }

    void cableTakenAwayIsReportedOnceAndInstalledAgain()
    {
        const Defaults before = defaults();
        answerInstall();
        QString error;
        QVERIFY2(VirtualCable::unload(&error), qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(m_installs, 1, 15000);
        QCOMPARE(m_questions, 1); // both sides went, one message
        QCOMPARE(m_lastPercent, 100);
        QVERIFY(cableComplete());
        QCOMPARE(defaults().recording, before.recording);
        QCOMPARE(defaults().playback, before.playback);
        QVERIFY(retryUntil([] { return cableToneDb() > -8; }, 30000));
    }

    void unpluggedDeviceInUseIsReportedOnce()
    {
        const QStringList headset = {QStringLiteral("module-null-sink"), QStringLiteral("sink_name=headset"),
                                     QStringLiteral("sink_properties=device.description=Headset")};
        int module = loadModule(headset);
        QVERIFY(module >= 0);
        AudioManager* engine = AudioManager::instance();
        QTRY_VERIFY(deviceNamed(QStringLiteral("Headset")).name == QLatin1String("Headset"));
        engine->setOutputDevice(deviceNamed(QStringLiteral("Headset")));

        // Unplugged, plugged and unplugged again while the message is up: one
        // message. The message runs its own loop: the test goes on inside it.
        int messages = 0;
        bool detectionAfter = true;
        whenOpen(ModuleDialogManager::DT_DeviceDisconnect, [&](QDialog* dialog) {
            ++messages;
            module = loadModule(headset);
            QTest::qWait(300);
            pactl({QStringLiteral("unload-module"), QString::number(module)});
            QTest::qWait(1500);
            // Closed without "Detection": no device dialog follows.
            dialog->done(0);
            QTimer::singleShot(300, [&] {
                detectionAfter =
                    ModuleDialogManager::instance()->isOpen(ModuleDialogManager::DT_DeviceDetection);
            });
        });
        pactl({QStringLiteral("unload-module"), QString::number(module)});
        QTRY_VERIFY_WITH_TIMEOUT(messages == 1 && !detectionAfter, 10000);
        QTest::qWait(500);
        QCOMPARE(messages, 1);
    }

    void changedDevicesAreChosenAgainAfterASecondNeverTheCable()
    {
        // The stored output comes: a second later it is in use.
        CuteSettings::instance()->setValue(QStringLiteral("OutputName"), QStringLiteral("Headset"), Ini);
        AudioManager* engine = AudioManager::instance();
        QElapsedTimer clock;
        clock.start();
        const int module =
            loadModule({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=headset"),
                        QStringLiteral("sink_properties=device.description=Headset")});
        QVERIFY(module >= 0);
        QTRY_COMPARE_WITH_TIMEOUT(engine->outputName(), QStringLiteral("Headset"), 5000);
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));

        // It goes: the first output that is not the cable takes over.
        clock.restart();
        pactl({QStringLiteral("unload-module"), QString::number(module)});
        whenOpen(ModuleDialogManager::DT_DeviceDisconnect, [](QDialog* dialog) { dialog->done(0); });
        QTRY_VERIFY_WITH_TIMEOUT(engine->outputName() != QLatin1String("Headset"), 5000);
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!engine->outputName().contains(QLatin1String("CABLE")));
        QCOMPARE(engine->outputName(), QStringLiteral("Speakers"));
        CuteSettings::instance()->setValue(QStringLiteral("OutputName"), QStringLiteral("Speakers"), Ini);
    }

    void reinstallButtonInstallsTheCableAfresh()
    {
        const Defaults before = defaults();
        const QString cableBefore =
            pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
        waitForInstallDialog();
        m_settings->reinstallButton()->click();
        QCOMPARE(m_installs, 2);
        QCOMPARE(m_questions, 1); // a reinstall asks nothing
        QVERIFY(cableComplete());
        // Taken out and loaded again: the cable's sink is a new one.
        QVERIFY(pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")}) !=
                cableBefore);
        QVERIFY(before == defaults());
        QVERIFY(retryUntil([] { return cableToneDb() > -8; }, 30000));
    }
};

QTEST_MAIN(TestDeviceEvents)
#include "test_deviceevents.moc"
