// The main window's shell in process: the module framework, the dialog
// routers, the update dialog against a local server, the tool bar's switches
// and hotkeys, the close rule and the language menu.
#include "abstractmodulewidget.h"
#include "appmanager.h"
#include "audiomanager.h"
#include "dialogmanager.h"
#include "dialogwait.h"
#include "guidepage.h"
#include "hotkeyhook.h"
#include "httptestserver.h"
#include "kit.h"
#include "languagesettings.h"
#include "launcher.h"
#include "launchmanager.h"
#include "mainbars.h"
#include "mainwindow.h"
#include "moduledialogmanager.h"
#include "modulelayout.h"
#include "modulemanager.h"
#include "navigationbutton.h"
#include "savereport.h"
#include "shelldialogs.h"
#include "webpages.h"
#include "xmessagebox.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A module whose page is made anew on each visit, or kept, as asked.
class TestModule : public AbstractModuleWidget
{
public:
    explicit TestModule(bool keep) : m_keep(keep) {}
    bool refuseClose = false;
    int made = 0;
    bool blocksClose() const override { return refuseClose; }

protected:
    QWidget* createPage(int index) override
    {
        if (index > 1)
            return nullptr;
        if (m_keep && m_kept[index])
            return m_kept[index];
        auto* page = new PageWidget;
        ++made;
        if (m_keep) {
            page->setAttribute(Qt::WA_DeleteOnClose, false);
            m_kept[index] = page;
        }
        return page;
    }

private:
    bool m_keep;
    QWidget* m_kept[2] = {nullptr, nullptr};
};

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppManager::instance()->initialize();
        m_window = new MainWindow;
        Kit::setCurrentWindow(m_window);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanupTestCase() { delete m_window; }

    void moduleFramework()
    {
        ModuleManager* manager = ModuleManager::instance();
        QCOMPARE(manager->current(), ModuleManager::MT_Effect);
        QSignalSpy changes(manager, &ModuleManager::currentChanged);
        manager->setCurrent(ModuleManager::MT_Effect);
        QCOMPARE(changes.count(), 0);

        // Listeners read the previous type while the signal runs.
        int seenPrevious = -1;
        const auto connection = connect(manager, &ModuleManager::currentChanged, this,
                                        [&] { seenPrevious = manager->current(); });
        manager->setCurrent(ModuleManager::MT_Guide);
        disconnect(connection);
        QCOMPARE(seenPrevious, int(ModuleManager::MT_Effect));
        QPointer<AbstractModuleWidget> guide = m_window->moduleLayout()->currentModule();
        QVERIFY(qobject_cast<GuideModule*>(guide.data()));
        QVERIFY(qobject_cast<GuidePage*>(guide->page(0)));
        QCOMPARE(GuidePage::anchorOf(QStringLiteral("guide2/1.png")), QStringLiteral("discord"));
        QCOMPARE(GuidePage::anchorOf(QStringLiteral("guide1/5.png")), QStringLiteral("ow"));

        // Leaving the guide deletes it; coming back builds a new one.
        manager->setCurrent(ModuleManager::MT_Sound);
        AbstractModuleWidget* sound = m_window->moduleLayout()->currentModule();
        QTRY_VERIFY(guide.isNull());
        manager->setCurrent(ModuleManager::MT_Guide);
        QVERIFY(m_window->moduleLayout()->currentModule() != nullptr);
        manager->setCurrent(ModuleManager::MT_Sound);
        QCOMPARE(m_window->moduleLayout()->currentModule(), sound);
        // The navigation bar shows the module however it was chosen.
        QVERIFY(m_window->navigationBar()->buttons().at(1)->isSelected());
        QVERIFY(!m_window->navigationBar()->buttons().at(0)->isSelected());
        m_window->navigationBar()->buttons().at(0)->click();
        QCOMPARE(manager->current(), ModuleManager::MT_Effect);

        // Pages: a kept page is the same object on return; another is remade
        // and the old one deleted.
        TestModule kept(true);
        kept.setCurrentPage(0);
        QWidget* first = kept.page(0);
        kept.setCurrentPage(1);
        kept.setCurrentPage(0);
        QCOMPARE(kept.page(0), first);
        QCOMPARE(kept.made, 2);
        kept.setCurrentPage(5); // no such page: nothing changes
        QCOMPARE(kept.currentPageIndex(), 0);

        TestModule fresh(false);
        fresh.setCurrentPage(0);
        QPointer<QWidget> old = fresh.page(0);
        fresh.setCurrentPage(1);
        fresh.setCurrentPage(0);
        QTRY_VERIFY(old.isNull());
        QCOMPARE(fresh.made, 3);
    }

    void routers()
    {
        ModuleDialogManager* router = ModuleDialogManager::instance();
        QCOMPARE(router->showDialog(ModuleDialogManager::DT_SaveFailed + 1, m_window), -1);
        QCOMPARE(router->showDialog(-1, m_window), -1);

        // A second request while a message is open gets -1 and shows nothing more.
        int second = 0;
        whenOpen(ModuleDialogManager::DT_DeleteVoice, [&](QDialog* dialog) {
            second = router->showDialog(ModuleDialogManager::DT_DeleteVoice, m_window);
            auto* box = qobject_cast<XMessageBox*>(dialog);
            QCOMPARE(box->buttons().size(), 2);
            box->buttons().at(1)->click(); // "Delete"
        });
        QCOMPARE(router->showDialog(ModuleDialogManager::DT_DeleteVoice, m_window), 2);
        QCOMPARE(second, -1);
        QVERIFY(!router->isOpen(ModuleDialogManager::DT_DeleteVoice));

        // The failed-save notice names the file and the system's reason.
        whenOpen(ModuleDialogManager::DT_SaveFailed, [](QDialog* dialog) {
            auto* box = qobject_cast<XMessageBox*>(dialog);
            QVERIFY(box->text().contains(
                QStringLiteral("Cannot save /data/Custom.dat (No space left on device).")));
            box->buttons().first()->click();
        });
        QCOMPARE(router->showDialog(ModuleDialogManager::DT_SaveFailed, m_window,
                                    QStringList{QStringLiteral("/data/Custom.dat"),
                                                QStringLiteral("No space left on device")}),
                 1);

        // The messages carry their texts with the line breaks kept.
        whenOpen(ModuleDialogManager::DT_UninstallVirtual, [](QDialog* dialog) {
            auto* box = qobject_cast<XMessageBox*>(dialog);
            QVERIFY(box->text().contains(QStringLiteral("first <br/><br/>The software")));
            QCOMPARE(box->buttons().first()->text(), QStringLiteral("Install"));
            box->buttons().first()->click();
        });
        QCOMPARE(router->showDialog(ModuleDialogManager::DT_UninstallVirtual, m_window), 1);

        // Timed notices close by themselves after 1.5 s and give no result.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(
            router->showDialog(ModuleDialogManager::DT_KeyConflict, m_window, QVariantList{1000001, 1000001}),
            -1);
        QVERIFY2(clock.elapsed() >= 1400 && clock.elapsed() < 4000,
                 qPrintable(QString::number(clock.elapsed())));

        // Two quick clicks on Volume open one pop-up.
        QToolButton* volume = m_window->toolBar()->volumeButton();
        int popups = 0;
        connect(router, &ModuleDialogManager::dialogOpened, this, [&](int type) {
            if (type == ModuleDialogManager::DT_VolumeAdjust)
                ++popups;
        });
        whenOpen(ModuleDialogManager::DT_VolumeAdjust, [&](QDialog* dialog) {
            volume->click();
            QTimer::singleShot(50, dialog, &QDialog::reject);
        });
        volume->click();
        QCOMPARE(popups, 1);

        // The about dialog shows the version; a second request gets -1.
        int aboutAgain = 0;
        QTimer::singleShot(200, this, [&] {
            aboutAgain = DialogManager::instance()->showDialog(DialogManager::DT_About);
            QDialog* about = DialogManager::instance()->dialog(DialogManager::DT_About);
            QVERIFY(about);
            const QList<QLabel*> labels = about->findChildren<QLabel*>();
            QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
                return label->text() == QStringLiteral("Version: 3.1.0");
            }));
            about->close();
        });
        DialogManager::instance()->showDialog(DialogManager::DT_About);
        QCOMPARE(aboutAgain, -1);
    }

    void updateDialogStates()
    {
        HttpTestServer server;
        QVERIFY(server.listen());
        const QByteArray path = AppManager::updateUrl(server.baseUrl()).path().toUtf8();
        DialogManager* dialogs = DialogManager::instance();

        // A silent check that finds nothing new shows nothing.
        server.setResponse(path, 200, "{\"Version\": \"3.1.0\", \"Size\": \"20 MB\"}", "application/json");
        QSignalSpy answers(AppManager::instance(), &AppManager::updateChecked);
        AppManager::instance()->checkForUpdateAt(server.baseUrl());
        QVERIFY(answers.wait(10000));
        QTest::qWait(100);
        QVERIFY(!dialogs->isOpen(DialogManager::DT_Upgrade));

        // A newer version found silently opens the dialog with its details.
        server.setResponse(
            path, 200,
            "{\"Version\": \" 3.2.0 \", \"Size\": \"20 MB\", \"Release Date\": \"2024-05-20\", "
            "\"What's New\": \"<b>Faster</b>\", \"Download URL\": \"https://example.org/get\"}",
            "application/json");
        QString information;
        QString status;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* upgrade = qobject_cast<UpgradeDialog*>(dialogs->dialog(DialogManager::DT_Upgrade));
            if (upgrade && upgrade->isVisible()) {
                poll.stop();
                information = upgrade->information();
                status = upgrade->status();
                QVERIFY(upgrade->updateButton()->isVisible());
                QCOMPARE(upgrade->downloadUrl(), QStringLiteral("https://example.org/get"));
                upgrade->laterButton()->click();
            }
        });
        poll.start(20);
        AppManager::instance()->checkForUpdateAt(server.baseUrl());
        QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), 10000);
        QCOMPARE(status, QStringLiteral("A new version is available!"));
        QCOMPARE(information, QStringLiteral("Version: 3.2.0 | Size: 20 MB | Release Date: 05-20.2024"));
        QTRY_VERIFY(!dialogs->isOpen(DialogManager::DT_Upgrade));

        // Opened from the menu: waiting, then the answer of the check, same
        // version or a failure.
        const struct
        {
            int status;
            QByteArray body;
            QString expected;
        } cases[] = {
            {200, "{\"Version\": \"3.0.9\"}", QStringLiteral("Current version is up to date.")},
            {500, "", QStringLiteral("Fetch update info failed. Please retry later.")},
            {200, "not json", QStringLiteral("Fetch update info failed. Please retry later.")},
        };
        for (const auto& entry : cases) {
            server.setResponse(path, entry.status, entry.body, "application/json");
            QString waiting;
            QString answered;
            QTimer::singleShot(100, this, [&] {
                auto* upgrade = qobject_cast<UpgradeDialog*>(dialogs->dialog(DialogManager::DT_Upgrade));
                QVERIFY(upgrade);
                waiting = upgrade->status();
                QVERIFY(upgrade->isLoading());
                AppManager::instance()->checkForUpdateAt(server.baseUrl());
                QTRY_VERIFY_WITH_TIMEOUT(!upgrade->isLoading(), 10000);
                answered = upgrade->status();
                QVERIFY(!upgrade->updateButton()->isVisible());
                upgrade->close();
            });
            dialogs->showDialog(DialogManager::DT_Upgrade);
            QCOMPARE(waiting, QStringLiteral("Waiting for checking..."));
            QCOMPARE(answered, entry.expected);
        }
        QCOMPARE(UpgradeDialog::displayDate(QStringLiteral("2024-05-20")), QStringLiteral("05-20.2024"));
    }

    void switchesAndHotkeys()
    {
        AudioManager* engine = AudioManager::instance();
        MainToolBar* bar = m_window->toolBar();
        QToolButton* hear = bar->hearButton();
        QToolButton* apply = bar->applyButton();
        const bool hearBefore = engine->hearMyself();
        const bool applyBefore = engine->effectsEnabled();

        hear->click();
        QCOMPARE(engine->hearMyself(), !hearBefore);
        QCOMPARE(iconImage(hear->icon()),
                 iconImage(QIcon(AppManager::imagePath(hearBefore ? "hear_2.png" : "hear_1.png"))));
        QVERIFY(hear->styleSheet().contains(hearBefore ? "rgb(151, 151, 151)" : "rgb(255, 255, 255)"));

        // The fixed-action hotkeys act as clicks; sound or effect pairs do not.
        HotKeyHook* hook = HotKeyHook::instance();
        emit hook->activated(qMakePair(1000001, 1000001));
        QCOMPARE(engine->hearMyself(), hearBefore);
        QVERIFY(hear->styleSheet().contains(hearBefore ? "rgb(255, 255, 255)" : "rgb(151, 151, 151)"));
        emit hook->activated(qMakePair(1000002, 1000002));
        QCOMPARE(engine->effectsEnabled(), !applyBefore);
        QCOMPARE(iconImage(apply->icon()),
                 iconImage(QIcon(AppManager::imagePath(applyBefore ? "apply_2.png" : "apply_1.png"))));
        emit hook->activated(qMakePair(2, 2));
        emit hook->activated(qMakePair(100002, 100002));
        QCOMPARE(engine->effectsEnabled(), !applyBefore);

        // While a text field holds the keys, nothing happens.
        hook->setSuspended(true);
        emit hook->activated(qMakePair(1000002, 1000002));
        QCOMPARE(engine->effectsEnabled(), !applyBefore);
        hook->setSuspended(false);
        apply->click();
        QCOMPARE(engine->effectsEnabled(), applyBefore);
    }

    void closeRule()
    {
        ModuleDialogManager* router = ModuleDialogManager::instance();
        auto* stack = m_window->moduleLayout()->findChild<QStackedWidget*>();
        QWidget* previous = stack->currentWidget();
        auto* refusing = new TestModule(false);
        refusing->refuseClose = true;
        stack->addWidget(refusing);
        stack->setCurrentWidget(refusing);
        int opened = 0;
        const auto counter = connect(router, &ModuleDialogManager::dialogOpened, this, [&] { ++opened; });
        m_window->close();
        QCOMPARE(opened, 0);
        QVERIFY(m_window->isVisible());
        stack->setCurrentWidget(previous);
        delete refusing;

        // Dismissed: the window stays and the program runs on.
        whenOpen(ModuleDialogManager::DT_Quit, [](QDialog* dialog) {
            QVERIFY(dialog->findChildren<QRadioButton*>().at(1)->isChecked()); // "Exit"
            dialog->reject();
        });
        m_window->close();
        QCOMPARE(opened, 1);
        QVERIFY(m_window->isVisible());
        disconnect(counter);

        // "Minimize to Tray" hides the window; the tray's "Open" brings it back.
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("no system tray here: the quit dialog offers only Exit");
        whenOpen(ModuleDialogManager::DT_Quit, [](QDialog* dialog) {
            dialog->findChildren<QRadioButton*>().at(0)->setChecked(true);
            dialog->findChildren<QPushButton*>().last()->click();
        });
        m_window->close();
        QVERIFY(!m_window->isVisible());
        m_window->trayIcon()->contextMenu()->actions().first()->trigger();
        QVERIFY(m_window->isVisible());
    }

    // Saves that fail while the window is hidden (before it first shows, or
    // in the tray) are told when it shows, once, those of one reason in one
    // message; one that fails while it shows is told at once.
    void failedSavesAreToldOverTheShownWindowOnce()
    {
        ModuleDialogManager* router = ModuleDialogManager::instance();
        QStringList told;
        const auto spy =
            connect(router, &ModuleDialogManager::dialogOpened, this, [&](int type, QDialog* dialog) {
                if (type != ModuleDialogManager::DT_SaveFailed)
                    return;
                told << qobject_cast<XMessageBox*>(dialog)->text();
                QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
            });
        const QString keys = QStringLiteral("/data/HotKey.dat"), custom = QStringLiteral("/data/Custom.dat"),
                      favorites = QStringLiteral("/data/Favorite.dat");
        m_window->hide();
        SaveReport::instance()->failed(keys, QStringLiteral("No space left on device"));
        SaveReport::instance()->failed(custom, QStringLiteral("No space left on device"));
        QTest::qWait(100);
        QVERIFY(told.isEmpty());
        m_window->show();
        QTRY_COMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(custom + QStringLiteral(", ") + keys), qPrintable(told.first()));
        m_window->hide();
        m_window->show();
        SaveReport::instance()->failed(favorites, QStringLiteral("Read-only file system"));
        QTRY_COMPARE(told.size(), 2);
        QTest::qWait(100);
        QCOMPARE(told.size(), 2);
        QVERIFY(told.last().contains(favorites));
        disconnect(spy);
        for (const QString& path : {keys, custom, favorites})
            SaveReport::instance()->saved(path);
    }

    void languageMenuSwitchesTexts()
    {
        QMenu* languages = m_window->titleBar()->languageMenu();
        QCOMPARE(languages->actions().size(), 13);
        QCOMPARE(languages->actions().at(2)->text(), QStringLiteral("Pусский"));
        const auto entry = [&](int language) {
            for (QAction* action : languages->actions()) {
                if (action->data().toInt() == language)
                    return action;
            }
            return static_cast<QAction*>(nullptr);
        };
        QVERIFY(entry(LanguageSettings::English)->isChecked());
        entry(LanguageSettings::German)->trigger();
        QCOMPARE(LanguageSettings::instance()->currentLanguage(), int(LanguageSettings::German));
        QVERIFY(entry(LanguageSettings::German)->isChecked());
        QVERIFY(!entry(LanguageSettings::English)->isChecked());
        // The texts change when the posted language-change events arrive.
        QTRY_VERIFY(m_window->toolBar()->hearButton()->text() != QStringLiteral("Hear myself"));
        QVERIFY(m_window->navigationBar()->buttons().at(3)->text() != QStringLiteral("Settings"));
        QVERIFY(!m_window->titleBar()->menu()->actions().first()->text().isEmpty());
        QVERIFY(m_window->titleBar()->menu()->actions().first()->text() != QStringLiteral("About"));

        entry(LanguageSettings::English)->trigger();
        QTRY_COMPARE(m_window->toolBar()->hearButton()->text(), QStringLiteral("Hear myself"));
        QCOMPARE(m_window->navigationBar()->buttons().at(3)->text(), QStringLiteral("Settings"));
    }

    void splashShowsEachStep()
    {
        Launcher launcher;
        launcher.show();
        QTest::qWait(50); // language changes posted earlier reach it first
        QSignalSpy finished(LaunchManager::instance(), &LaunchManager::finished);
        QStringList shown;
        QElapsedTimer clock;
        clock.start();
        for (const int value : {4, 90, 94}) {
            emit LaunchManager::instance()->stepValueChange(value);
            shown << launcher.statusText();
            QCOMPARE(launcher.progress(), value);
        }
        QVERIFY(clock.elapsed() >= 3 * Launcher::kStepMs);
        QCOMPARE(shown.first(), QStringLiteral("Loading...   4%"));
        QVERIFY(launcher.isVisible());
        clock.restart();
        emit LaunchManager::instance()->stepValueChange(100);
        QVERIFY(clock.elapsed() >= Launcher::kStepMs + Launcher::kEndMs);
        QVERIFY(!launcher.isVisible());
        QCOMPARE(finished.count(), 1);
        QVERIFY(launcher.minimumWidth() >= Kit::px(560));
    }

    void webPagesFollowTheSiteSetting()
    {
        using WebPages::Page;
        const QUrl local =
            WebPages::url(Page::ThirdParty, QStringLiteral("discord"), QString(), "/opt/z/help");
        QCOMPARE(local.toString(), QStringLiteral("file:///opt/z/help/third-party.html#discord"));
        QCOMPARE(WebPages::url(Page::CantHear, QString(), QString(), "/h").fragment(),
                 QStringLiteral("cant-hear"));
        QCOMPARE(WebPages::url(Page::Guide, QString(), QStringLiteral("https://zelvani.example/"), "/h")
                     .toString(),
                 QStringLiteral("https://zelvani.example/guide/how-to-use-ton-morph/"));
        // The shipped help pages hold every anchor the guide tiles open.
        QFile page(QStringLiteral(ZELVANI_RESOURCES) + QStringLiteral("/help/third-party.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        for (const char* anchor :
             {"pbg", "lol", "cf", "wow", "ow", "discord", "skype", "zoom", "twitch", "gm"})
            QVERIFY2(html.contains(QByteArray("id=\"") + anchor + '"'), anchor);
    }

private:
    MainWindow* m_window = nullptr;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
