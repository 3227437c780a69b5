// The settings page in process: the key fields of the two fixed actions as
// a user types into them, the conflict notice, the clear icon, and the
// switch of all shortcut keys kept in the settings.
#include "appmanager.h"
#include "cutesettings.h"
#include "dialogwait.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "settingpage.h"
#include "shortcutlineedit.h"
#include "xmessagebox.h"
#include "xswitchbutton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestSettingPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SettingPage> m_page;
    const HotKey::Ids m_hear{HotKey::kHearMyself, HotKey::kHearMyself};

    ShortcutLineEdit* field() const { return m_page->hearField(); }
    QString bound() const { return HotKeyHook::instance()->bindingText(m_hear, HotKey::ActionKind); }

    // The field with the keyboard focus, in the active window.
    void focusField()
    {
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        field()->setFocus();
        QTRY_VERIFY(field()->hasFocus());
    }

    // Presses the keys in order, then releases the last one.
    void type(const QList<QPair<Qt::Key, Qt::KeyboardModifiers>>& keys)
    {
        focusField();
        for (const auto& key : keys)
            QTest::keyPress(field(), key.first, key.second);
        QTest::keyRelease(field(), keys.last().first, keys.last().second);
    }

private slots:
    void initTestCase()
    {
        AppManager::instance()->initialize();
        HotKeyHook::instance()->loadTable();
        m_page = std::make_unique<SettingPage>();
        m_page->resize(Kit::size(800, 400));
        Kit::setCurrentWindow(m_page.get());
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    }

    void init() { HotKeyHook::instance()->removeBinding(m_hear, HotKey::ActionKind); }

    void combinationsCommitAtTheFirstRelease()
    {
        HotKeyHook* hook = HotKeyHook::instance();
        QCOMPARE(field()->shownText(), QStringLiteral("Add keybind"));
        type({{Qt::Key_Control, Qt::NoModifier}, {Qt::Key_K, Qt::ControlModifier}});
        QCOMPARE(bound(), QStringLiteral("Ctrl+K"));
        QVERIFY(!field()->hasFocus());
        QVERIFY(!hook->isSuspended());

        // A new letter replaces the one after the modifier.
        type({{Qt::Key_Control, Qt::NoModifier},
              {Qt::Key_K, Qt::ControlModifier},
              {Qt::Key_J, Qt::ControlModifier}});
        QCOMPARE(bound(), QStringLiteral("Ctrl+J"));
        // Shift with 1 types "!": the digit is recorded.
        type({{Qt::Key_Shift, Qt::NoModifier}, {Qt::Key_Exclam, Qt::ShiftModifier}});
        QCOMPARE(bound(), QStringLiteral("Shift+1"));
        // A modifier after a key replaces it.
        type({{Qt::Key_K, Qt::NoModifier}, {Qt::Key_Control, Qt::ControlModifier}});
        QCOMPARE(bound(), QStringLiteral("Ctrl"));
    }

    void otherKeysAreIgnored()
    {
        for (Qt::Key key : {Qt::Key_F5, Qt::Key_Space}) {
            type({{key, Qt::NoModifier}});
            QVERIFY(bound().isEmpty());
            QVERIFY(field()->hasFocus()); // still waiting for keys
            QVERIFY(HotKeyHook::instance()->isSuspended());
        }
    }

    void aTakenKeyShowsTheNoticeAndChangesNothing()
    {
        HotKeyHook* hook = HotKeyHook::instance();
        const HotKey::Ids apply(HotKey::kApplyVoiceChanger, HotKey::kApplyVoiceChanger);
        QVERIFY(hook->setBinding(apply, QStringLiteral("Alt+A"), HotKey::ActionKind));
        QVERIFY(hook->setBinding(m_hear, QStringLiteral("Alt+H"), HotKey::ActionKind));
        QString notice;
        whenOpen(ModuleDialogManager::DT_KeyConflict, [&](QDialog* dialog) {
            notice = static_cast<XMessageBox*>(dialog)->text();
            dialog->done(0);
        });
        type({{Qt::Key_Alt, Qt::NoModifier}, {Qt::Key_A, Qt::AltModifier}});
        QVERIFY2(notice.startsWith(QStringLiteral("Repeated keybind")), qPrintable(notice));
        QVERIFY(notice.contains(QStringLiteral("Apply voice changer")));
        QCOMPARE(bound(), QStringLiteral("Alt+H"));
        QCOMPARE(hook->bindingText(apply, HotKey::ActionKind), QStringLiteral("Alt+A"));
        QVERIFY(field()->pendingText().isEmpty());

        // The clear icon, shown while the field has the focus, removes the binding.
        focusField();
        QTest::mouseClick(field(), Qt::LeftButton, {}, field()->clearRect().center());
        QVERIFY(bound().isEmpty());
        hook->removeBinding(apply, HotKey::ActionKind);
    }

    void startWithTheSystemWritesAndRemovesTheAutostartEntry()
    {
        const QString entry = qEnvironmentVariable("XDG_CONFIG_HOME") +
                              QStringLiteral("/autostart/org.zelvani.VoiceChanger.desktop");
        XSwitchButton* autostart = m_page->autostartSwitch();
        QVERIFY(!autostart->isOn() && !QFile::exists(entry));
        autostart->click();
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        // The session starts this very program, in the tray.
        QVERIFY2(text.contains(QStringLiteral("Exec=") + QCoreApplication::applicationFilePath() +
                               QStringLiteral(" --minimized\n")),
                 qPrintable(text));
        QVERIFY(SettingPage().autostartSwitch()->isOn());
        autostart->click();
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!SettingPage().autostartSwitch()->isOn());

        // Where the file cannot be written, the switch goes back off.
        const QString folder = QFileInfo(entry).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder); // a file where the folder would be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        autostart->click();
        QTRY_VERIFY(!autostart->isOn());
        QVERIFY(QFile::remove(folder));
    }

    void theSwitchHoldsEveryKeyAndIsKept()
    {
        HotKeyHook* hook = HotKeyHook::instance();
        QVERIFY(m_page->shortcutSwitch()->isOn() && hook->isEnabled());
        // The key fields rest the keys while they have the focus.
        m_page->shortcutSwitch()->setFocus();
        QTRY_VERIFY(!hook->isSuspended());
        // A key of each kind: an effect's, a sound's and an action's.
        QVERIFY(hook->setBinding({2, 1}, QStringLiteral("Ctrl+E"), HotKey::EffectKind));
        QVERIFY(hook->setBinding({1, 2}, QStringLiteral("Ctrl+S"), HotKey::SoundKind));
        QVERIFY(hook->setBinding(m_hear, QStringLiteral("Ctrl+H"), HotKey::ActionKind));
        QSignalSpy fired(hook, &HotKeyHook::activated);
        HotKey::Modifiers ctrl;
        ctrl.ctrl = true;
        const auto pressAll = [hook, ctrl] {
            for (int key : {'E', 'S', 'H'})
                hook->keyPressed(key, ctrl, false);
        };
        m_page->shortcutSwitch()->click();
        QVERIFY(!hook->isEnabled());
        pressAll();
        QCOMPARE(fired.count(), 0);
        QCOMPARE(CuteSettings::instance()->value(QStringLiteral("SSC")).toBool(), false);
        SettingPage again;
        QVERIFY(!again.shortcutSwitch()->isOn());
        m_page->shortcutSwitch()->click();
        QVERIFY(hook->isEnabled());
        QCOMPARE(CuteSettings::instance()->value(QStringLiteral("SSC")).toBool(), true);
        pressAll();
        QCOMPARE(fired.count(), 3);
        hook->removeBinding({2, 1}, HotKey::EffectKind);
        hook->removeBinding({1, 2}, HotKey::SoundKind);
    }
};

QTEST_MAIN(TestSettingPage)
#include "test_settingpage.moc"
