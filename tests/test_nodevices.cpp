// The device dialog on a sound server of its own whose only output is the
// virtual cable and which has no microphone: both lists say "No equipment"
// and their volume sliders and the denoise controls are disabled, so the
// dialog never offers the cable nor a device that is not there.
#include "appmanager.h"
#include "devicedetectiondialog.h"
#include "pulsetools.h"
#include "virtualcable.h"
#include "xcombobox.h"
#include "xswitchbutton.h"

#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

class TestNoDevices : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_server;

    static QProcess::ExitStatus pulseEnv(const QStringList& arguments, QByteArray* output = nullptr)
    {
        QProcess process;
        process.start(QStringLiteral(ZELVANI_PULSE_ENV), arguments);
        process.waitForFinished(60000);
        if (output)
            *output = process.readAllStandardOutput();
        return process.exitCode() == 0 ? process.exitStatus() : QProcess::CrashExit;
    }

private slots:
    void initTestCase()
    {
        QStringList start = {QStringLiteral("start"), m_server.path()};
        if (qgetenv("ZELVANI_PULSE_BACKEND") == "pipewire")
            start << QStringLiteral("--pipewire");
        QByteArray exports;
        QCOMPARE(pulseEnv(start, &exports), QProcess::NormalExit);
        for (const QByteArray& line : exports.split('\n')) {
            const int equals = line.indexOf('=');
            if (line.startsWith("export ") && equals > 0)
                qputenv(line.mid(7, equals - 7).constData(), line.mid(equals + 1));
        }
        // Only the cable stays: the speakers, the microphone and its feed go.
        const QString modules =
            pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")});
        for (const QString& line : modules.split(QLatin1Char('\n'))) {
            if (line.contains(QLatin1String("module-null-sink")) ||
                line.contains(QLatin1String("module-remap-source")))
                pactl({QStringLiteral("unload-module"), line.section(QLatin1Char('\t'), 0, 0)});
        }
        QString error;
        QVERIFY2(VirtualCable::load(&error), qPrintable(error));
        AppManager::instance()->initialize();
    }

    void cleanupTestCase() { pulseEnv({QStringLiteral("stop"), m_server.path()}); }

    void bothListsSayNoEquipment()
    {
        DeviceDetectionDialog dialog;
        for (XComboBox* list : {dialog.inputList(), dialog.outputList()}) {
            QCOMPARE(list->count(), 1);
            QCOMPARE(list->itemText(0), QStringLiteral("No equipment"));
        }
        QVERIFY(!dialog.inputVolume()->isEnabled());
        QVERIFY(!dialog.outputVolume()->isEnabled());
        QVERIFY(!dialog.denoiseSwitch()->isEnabled() && !dialog.denoiseSlider()->isEnabled());
    }
};

QTEST_MAIN(TestNoDevices)
#include "test_nodevices.moc"
