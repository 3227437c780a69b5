// The virtual cable while the program runs, on the private sound server: a
// cable taken away is reported once and installed again with its progress,
// the settings page's button installs it afresh, and in both cases the
// user's default devices stay as they were and the soundboard is heard on
// the new cable.
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
#include "settingpage.h"
#include "unitsignal.h"
#include "utility.h"
#include "virtualcable.h"
#include "xprogressbar.h"

#include <QApplication>
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

bool cableComplete()
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    return VirtualCable::status(inputs, outputs).complete();
}

} // namespace

class TestCableInstall : public QObject
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
        configureAudioEngine();
        CuteSettings::instance()->setValue(QStringLiteral("OutputName"), QStringLiteral("Speakers"), Ini);
        AudioManager* engine = AudioManager::instance();
        engine->start();

        // A sound file looping on both soundboard players, -6 dBFS.
        const QString tone = m_folder.filePath(QStringLiteral("tone.wav"));
        QVERIFY(audiosignal::writeSine(tone.toUtf8(), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2, 2, kToneHz,
                                       0.5));
        engine->loadSound(kSound, tone);
        engine->setSoundLoop(kSound, true);
        QVERIFY(engine->replaySound(kSound));
        QTRY_VERIFY_WITH_TIMEOUT(cableToneDb() > -8, 15000);

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
        QTRY_VERIFY_WITH_TIMEOUT(cableToneDb() > -8, 15000);
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
        QTRY_VERIFY_WITH_TIMEOUT(cableToneDb() > -8, 15000);
    }
};

QTEST_MAIN(TestCableInstall)
#include "test_cableinstall.moc"
