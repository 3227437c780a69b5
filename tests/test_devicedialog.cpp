// The device dialog in process, with the engine on the private sound server:
// the lists never offer the cable, a long name is cut short with a tooltip
// and found again, an unplugged device is gone from its list about a second
// later, the volumes follow the system mixer both ways, denoise reaches the
// engine and the settings, and "Done" waits for the voice on both sides. The
// settings page names the programs that record from the cable.
#include "appmanager.h"
#include "audiomanager.h"
#include "audiopeakprogress.h"
#include "cutesettings.h"
#include "devicedetectiondialog.h"
#include "enginesetup.h"
#include "kit.h"
#include "pulsetools.h"
#include "settingpage.h"
#include "virtualcable.h"
#include "xcombobox.h"
#include "xswitchbutton.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <memory>

namespace {

// Over 200 characters, none of them ASCII letters only.
const QString kLongName = QString::fromUtf8("Kopfhörer „Studio“ Ästhetik – ") + QString(60, QChar(0x00E9)) +
                          QString::fromUtf8(" ヘッドホン出力 ") + QString(100, QChar(0x00F6));

QStringList names(XComboBox* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->itemData(i).value<AudioDevice>().name;
    return all;
}

int sinkVolume(const QString& sink)
{
    const QString text = pactl({QStringLiteral("get-sink-volume"), sink});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("(\\d+)%")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class TestDeviceDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TonePlayer> m_tone;
    int m_longModule = -1;

    void loadLongSink()
    {
        m_longModule =
            loadModule({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=long_phones"),
                        QStringLiteral("sink_properties='device.description=\"%1\"'").arg(kLongName)});
        QVERIFY(m_longModule >= 0);
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
        QSignalSpy ready(AudioManager::instance(), &AudioManager::deviceReady);
        AudioManager::instance()->start();
        QCOMPARE(ready.count(), 1);
        loadLongSink();
    }

    void cleanupTestCase()
    {
        AudioManager::instance()->release();
        m_tone.reset();
        if (m_longModule >= 0)
            pactl({QStringLiteral("unload-module"), QString::number(m_longModule)});
        pactl({QStringLiteral("set-sink-mute"), QStringLiteral("speakers"), QStringLiteral("0")});
        QString error;
        VirtualCable::unload(&error);
        pactl({QStringLiteral("set-default-source"), QStringLiteral("microphone")});
    }

    void listsOfferNoCableAndFindALongNameAgain()
    {
        {
            DeviceDetectionDialog dialog;
            QVERIFY(!names(dialog.inputList()).join(' ').contains(QStringLiteral("Virtual Cable")));
            QVERIFY(!names(dialog.outputList()).join(' ').contains(QStringLiteral("Virtual Cable")));
            QCOMPARE(names(dialog.inputList()).first(), QStringLiteral("Microphone"));
            const int index = names(dialog.outputList()).indexOf(kLongName);
            QVERIFY(index >= 0);
            QCOMPARE(dialog.outputList()->itemData(index, Qt::ToolTipRole).toString(), kLongName);
            dialog.outputList()->setCurrentIndex(index);
            QCOMPARE(dialog.outputList()->toolTip(), kLongName);
            QCOMPARE(AudioManager::instance()->outputName(), kLongName);
            dialog.okButton()->click();
        }
        QCOMPARE(CuteSettings::instance()->value(QStringLiteral("OutputName")).toString(), kLongName);
        DeviceDetectionDialog again;
        QCOMPARE(again.outputList()->currentData().value<AudioDevice>().name, kLongName);
    }

    void anUnpluggedDeviceLeavesItsListAboutASecondLater()
    {
        DeviceDetectionDialog dialog;
        QVERIFY(names(dialog.outputList()).contains(kLongName));
        QElapsedTimer clock;
        clock.start();
        pactl({QStringLiteral("unload-module"), QString::number(m_longModule)});
        m_longModule = -1;
        QTRY_VERIFY_WITH_TIMEOUT(!names(dialog.outputList()).contains(kLongName), 5000);
        const qint64 refilled = clock.elapsed();
        qInfo("output list refilled %lld ms after the unplug", refilled);
        QVERIFY(refilled >= DeviceDetectionDialog::kRefillDelayMs - 50);
        QVERIFY(!dialog.outputList()->currentData().value<AudioDevice>().name.isEmpty());

        // Plugged in again, it is found again by its stored name.
        loadLongSink();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.outputList()->currentData().value<AudioDevice>().name, kLongName,
                                  5000);
    }

    void volumesFollowTheMixerBothWays()
    {
        CuteSettings::instance()->setValue(QStringLiteral("OutputName"), QStringLiteral("Speakers"), Ini);
        DeviceDetectionDialog dialog;
        QCOMPARE(dialog.outputList()->currentData().value<AudioDevice>().name, QStringLiteral("Speakers"));
        pactl({QStringLiteral("set-sink-volume"), QStringLiteral("speakers"), QStringLiteral("40%")});
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(dialog.outputVolume()->value() - 40) <= 1, 3000);
        dialog.outputVolume()->setValue(70);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(sinkVolume(QStringLiteral("speakers")) - 70) <= 1, 3000);
        pactl({QStringLiteral("set-sink-volume"), QStringLiteral("speakers"), QStringLiteral("100%")});
    }

    void denoiseReachesTheEngineAndTheSettings()
    {
        DeviceDetectionDialog dialog;
        QVERIFY(!dialog.denoiseSwitch()->isOn() && !dialog.denoiseSlider()->isEnabled());
        dialog.denoiseSwitch()->click();
        QVERIFY(dialog.denoiseSlider()->isEnabled());
        QVERIFY(AudioManager::instance()->denoiseEnabled());
        dialog.denoiseSlider()->setValue(60);
        CuteSettings* settings = CuteSettings::instance();
        QCOMPARE(settings->value(QStringLiteral("DenoiseEnable")).toBool(), true);
        QCOMPARE(settings->value(QStringLiteral("DenoiseValue")).toInt(), 60);
        dialog.denoiseSwitch()->click();
        QVERIFY(!AudioManager::instance()->denoiseEnabled());
    }

    void doneWaitsForTheVoiceOnBothSides()
    {
        DeviceDetectionDialog dialog;
        dialog.setMode(1);
        QVERIFY(!dialog.okButton()->isEnabled());
        pactl({QStringLiteral("set-sink-mute"), QStringLiteral("speakers"), QStringLiteral("1")});
        m_tone = std::make_unique<TonePlayer>("microphone_feed", 300.0, 0.5f);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.inputLevel()->value() > DeviceDetectionDialog::kLevelThreshold, 5000);
        QTest::qWait(500);
        QVERIFY2(!dialog.okButton()->isEnabled(), "Done with the speakers muted");
        pactl({QStringLiteral("set-sink-mute"), QStringLiteral("speakers"), QStringLiteral("0")});
        QTRY_VERIFY_WITH_TIMEOUT(dialog.okButton()->isEnabled(), 5000);
        m_tone.reset();
    }

    void theSettingsNameWhoRecordsFromTheCable()
    {
        SettingPage page;
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(page.listenersLabel()->text().startsWith(QStringLiteral("None yet")), 5000);
        {
            PulseRecorder chat("zelvani_cable_output"); // named "Zelvani test recorder" on the server
            QTRY_COMPARE_WITH_TIMEOUT(page.listenersLabel()->text(), QStringLiteral("Zelvani test recorder"),
                                      5000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(page.listenersLabel()->text().startsWith(QStringLiteral("None yet")), 5000);
    }
};

QTEST_MAIN(TestDeviceDialog)
#include "test_devicedialog.moc"
