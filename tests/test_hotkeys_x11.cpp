// Global shortcuts on a real X server (a private Xvfb): keys sent with
// xdotool while a window of another client has the focus.

#include "appmanager.h"
#include "cutesettings.h"
#include "hotkeyhook.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using HotKey::Ids;

namespace {

const Ids kSentinel{9, 99}; // bound to Q: marks the end of each check
const Ids kCtrlK{1, 1};
const Ids kShiftK{1, 2};
const Ids kFive{1, 3};
const Ids kCtrl{1, 4};
const Ids kAlt{1000001, 1000001};
const Ids kRepeat{1, 5};

} // namespace

class TestHotkeysX11 : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QProcess m_sink;
    HotKeyHook* m_hook = nullptr;
    int m_sentinels = 0;

    static void xdotool(const QStringList& arguments)
    {
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
    }

    // The bindings the keys fire, up to the sentinel sent after them.
    QList<Ids> fired(const QStringList& arguments)
    {
        QSignalSpy spy(m_hook, &HotKeyHook::activated);
        for (const QString& keys : arguments)
            xdotool(keys.split(QLatin1Char(' ')));
        xdotool({QStringLiteral("key"), QStringLiteral("q")});
        ++m_sentinels;
        const auto sentinelSeen = [&spy] {
            for (const QList<QVariant>& signal : spy) {
                if (signal.at(0).value<Ids>() == kSentinel)
                    return true;
            }
            return false;
        };
        QDeadlineTimer deadline(5000);
        while (!sentinelSeen() && !deadline.hasExpired())
            QTest::qWait(10);
        QList<Ids> result;
        if (!sentinelSeen())
            result.append(HotKey::noIds()); // the listener heard nothing: no comparison can pass
        for (const QList<QVariant>& signal : spy) {
            if (signal.at(0).value<Ids>() != kSentinel)
                result.append(signal.at(0).value<Ids>());
        }
        return result;
    }

private slots:
    void initTestCase()
    {
        AppManager::applyProcessIdentity();
        for (const char* tool : {"Xvfb", "xdotool"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                     qPrintable(QStringLiteral("%1 is missing; scripts/install-deps installs it").arg(tool)));
        // A display number nobody uses.
        int number = 90;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) ||
               QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            ++number;
        const QString display = QStringLiteral(":%1").arg(number);
        m_server.start(QStringLiteral("Xvfb"), {display, QStringLiteral("-noreset"),
                                                QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(m_server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)), 10000);
        qputenv("DISPLAY", display.toLatin1());

        // The server's socket exists a moment before it takes clients: the
        // sink tries again until it connects.
        QByteArray sinkOutput;
        QDeadlineTimer deadline(10000);
        while (!sinkOutput.contains("ready") && !deadline.hasExpired()) {
            if (m_sink.state() == QProcess::NotRunning) {
                m_sink.start(QStringLiteral(X11_KEYSINK), QStringList());
                QVERIFY(m_sink.waitForStarted());
            }
            m_sink.waitForReadyRead(100);
            sinkOutput += m_sink.readAllStandardOutput();
        }
        QVERIFY2(sinkOutput.contains("ready"), m_sink.readAllStandardError().constData());

        m_hook = new HotKeyHook(m_dir.filePath(QStringLiteral("HotKey.dat")), this);
        m_hook->setBinding(kSentinel, QStringLiteral("Q"), HotKey::EffectKind);
        m_hook->setBinding(kCtrlK, QStringLiteral("Ctrl+K"), HotKey::EffectKind);
        m_hook->setBinding(kShiftK, QStringLiteral("Shift+J"), HotKey::EffectKind);
        m_hook->setBinding(kFive, QStringLiteral("5"), HotKey::EffectKind);
        m_hook->setBinding(kCtrl, QStringLiteral("Ctrl"), HotKey::EffectKind);
        m_hook->setBinding({1, 1}, QStringLiteral("Alt"), HotKey::ActionKind);
        m_hook->setBinding(kRepeat, QStringLiteral("R"), HotKey::EffectKind);
        m_hook->installHook();
        QVERIFY(m_hook->isListening());
        QCOMPARE(m_hook->table().size(), 7); // installing read back what was bound
    }

    void cleanupTestCase()
    {
        delete m_hook;
        m_sink.kill();
        m_sink.waitForFinished();
        m_server.terminate();
        m_server.waitForFinished();
    }

    void combinationsFireByTheirModifiers()
    {
        QCOMPARE(fired({"key ctrl+k"}), (QList<Ids>{kCtrl, kCtrlK})); // the Ctrl key itself, then Ctrl+K
        QCOMPARE(fired({"key ctrl+shift+k"}), (QList<Ids>{kCtrl, kCtrlK}));
        QVERIFY(fired({"key k"}).isEmpty());
        QCOMPARE(fired({"key shift+j"}), QList<Ids>{kShiftK});
        // Ctrl held takes the Ctrl branch: Shift+J does not fire.
        QCOMPARE(fired({"keydown ctrl", "key shift+j", "keyup ctrl"}), QList<Ids>{kCtrl});
    }

    void digitsModifiersAloneAndAlt()
    {
        QCOMPARE(fired({"key 5"}), QList<Ids>{kFive});
        QCOMPARE(fired({"key KP_5"}), QList<Ids>{kFive});
        QVERIFY(fired({"key shift+5"}).isEmpty());
        // (The right-hand keys are mapped in the unit test: xdotool presses
        // Control_L before Control_R.)
        QCOMPARE(fired({"key Control_L"}), QList<Ids>{kCtrl});
        QCOMPARE(fired({"key Alt_L"}), QList<Ids>{kAlt});
    }

    void heldKeyRepeats()
    {
        const QList<Ids> repeats = fired({"keydown r", "sleep 1.2", "keyup r"});
        QVERIFY2(repeats.size() >= 5, qPrintable(QString::number(repeats.size())));
        QCOMPARE(repeats.count(kRepeat), repeats.size());
    }

    void suspendedOrDisabledFiresNothingAndKeysStillArrive()
    {
        // A second hook that only knows the sentinel shows when the keys
        // have been seen.
        HotKeyHook witness(m_dir.filePath(QStringLiteral("Witness.dat")));
        witness.setBinding(kSentinel, QStringLiteral("Q"), HotKey::EffectKind);
        witness.installHook();
        QVERIFY(witness.isListening());
        QSignalSpy seen(&witness, &HotKeyHook::activated);
        QSignalSpy spy(m_hook, &HotKeyHook::activated);
        for (const bool suspend : {true, false}) {
            m_hook->setSuspended(suspend);
            m_hook->setEnabled(suspend);
            seen.clear();
            xdotool(
                {QStringLiteral("key"), QStringLiteral("ctrl+k"), QStringLiteral("5"), QStringLiteral("q")});
            ++m_sentinels;
            QTRY_COMPARE(seen.count(), 1);
            QTest::qWait(300);
        }
        m_hook->setSuspended(false);
        m_hook->setEnabled(true);
        QCOMPARE(spy.count(), 0);

        // The focused window received every key, the sentinels included.
        QTest::qWait(200);
        const QByteArray sink = m_sink.readAllStandardOutput();
        QCOMPARE(sink.count("press q\n"), m_sentinels);
        QVERIFY(sink.contains("press k\n") && sink.contains("press 5\n") && sink.contains("press r\n"));
    }

    void cliListensAndPrintsWhatFires()
    {
        HotKeyHook stored(CuteSettings::configPath() + QStringLiteral("/HotKey.dat"));
        QVERIFY(stored.setBinding({4, 7}, QStringLiteral("Ctrl+L"), HotKey::EffectKind));
        QProcess cli;
        cli.start(QStringLiteral(ZELVANI_CLI),
                  {QStringLiteral("hotkeys"), QStringLiteral("--listen"), QStringLiteral("60")});
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT((errors += cli.readAllStandardError()).contains("listening"), 10000);
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+l")});
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += cli.readAllStandardOutput()).contains("activated 4 7\n"), 5000);
        QVERIFY(output.contains("Ctrl+L"));
        cli.terminate();
        QVERIFY(cli.waitForFinished(5000));
        QCOMPARE(cli.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHotkeysX11)
#include "test_hotkeys_x11.moc"
