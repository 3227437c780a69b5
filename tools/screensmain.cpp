// zelvani-screens: the program's screens one at a time, for screenshots.
//   zelvani-screens --show WHAT [--language N] [--scale F] --screenshot FILE [--delay MS]
// WHAT: splash, main, guide, menu, quit, volume, about, update-new,
// update-latest, update-failed, message-T for a message type T of the
// dialog router, or the voice effects: effects (a group with an effect
// applied), effects-more (the group dialog), effects-search, effects-empty,
// effects-keys (a key bound, another being typed), effects-custom (a custom
// voice in force), save-0 and save-1 (the save dialog's two modes), or
// settings (a key bound, another field taking keys), or device-0 and
// device-1 (the device dialog's set-up and detection modes). The engine starts when a sound server
// answers, so the volume pop-up shows the speakers' level.
#include "appmanager.h"
#include "audiomanager.h"
#include "cableinstalldialog.h"
#include "cataloguesetup.h"
#include "cutesettings.h"
#include "devicedetectiondialog.h"
#include "dialogmanager.h"
#include "effectactionview.h"
#include "effectlistview.h"
#include "effectmanager.h"
#include "effectpage.h"
#include "enginesetup.h"
#include "grouplistview.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "launcher.h"
#include "launchmanager.h"
#include "mainbars.h"
#include "mainwindow.h"
#include "moduledialogmanager.h"
#include "modulelayout.h"
#include "modulemanager.h"
#include "modules.h"
#include "screenoptions.h"
#include "settingpage.h"
#include "shelldialogs.h"
#include "shortcutlineedit.h"
#include "soundactionview.h"
#include "soundlistview.h"
#include "soundmanager.h"
#include "soundpage.h"
#include "utility.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <unistd.h>

namespace {

// The screen area of the shown widgets (and what is open over them).
QRect areaOf(const QList<QWidget*>& widgets)
{
    QRect area;
    for (QWidget* widget : widgets) {
        if (widget && widget->isVisible())
            area = area.united(widget->frameGeometry());
    }
    return area;
}

QVariantMap updateAnswer(const QString& what)
{
    if (what == QLatin1String("update-new"))
        return {{QStringLiteral("CheckResult"), 1},
                {QStringLiteral("Version"), QStringLiteral("3.2.0")},
                {QStringLiteral("Size"), QStringLiteral("38.4 MB")},
                {QStringLiteral("Release Date"), QStringLiteral("2026-12-01")},
                {QStringLiteral("What's New"),
                 QStringLiteral("<ul><li>Lower latency on PipeWire</li><li>Three new voices</li>"
                                "<li>Soundboard: import whole folders</li></ul>")},
                {QStringLiteral("Download URL"), QStringLiteral("https://example.org/zelvani")}};
    if (what == QLatin1String("update-latest"))
        return {{QStringLiteral("CheckResult"), 0}, {QStringLiteral("Version"), QStringLiteral("3.1.0")}};
    if (what == QLatin1String("update-failed"))
        return {{QStringLiteral("CheckResult"), -1}};
    return {};
}

// A click of the left button at `at` in `widget`.
void click(QWidget* widget, const QPoint& at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void clickEffect(EffectItemListView* list, const EffectPair& pair, bool keyBox)
{
    const QModelIndex index = list->indexOf(pair);
    list->scrollTo(index);
    const EffectItemDelegate::Areas areas = EffectItemDelegate::areas(list->visualRect(index));
    click(list->viewport(), keyBox ? areas.keyBox.center() : areas.name.center());
}

// The voice effect screens, set up on the page of `window`.
void showEffects(MainWindow* window, const QString& what)
{
    auto* module = qobject_cast<EffectModule*>(window->moduleLayout()->currentModule());
    EffectPage* page = module ? module->effectPage() : nullptr;
    if (!page)
        return;
    EffectItemListView* list = page->effectList();
    const auto choose = [page](int groupId) {
        page->groupBar()->setCurrentGroup(groupId);
        emit page->groupBar()->groupClicked(groupId);
    };
    EffectManager* effects = EffectManager::instance();
    choose(2);
    clickEffect(list, {2, 1}, false);
    if (what == QLatin1String("effects") || what.startsWith(QLatin1String("save-"))) {
        page->actionView()->sliders().first()->slider()->setValue(88);
        if (what.startsWith(QLatin1String("save-")))
            ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_SaveParam, window,
                                                        what.mid(5).toInt());
    } else if (what == QLatin1String("effects-more")) {
        // A bar with room for six tabs, as on a narrow window or with more groups.
        page->groupBar()->setFixedWidth(Kit::px(GroupListView::kTabSpacing) +
                                        6 * Kit::px(GroupListView::kTabWidth + GroupListView::kTabSpacing));
        QApplication::processEvents();
        const QModelIndex more =
            page->groupBar()->tabModel()->index(page->groupBar()->tabModel()->rowCount() - 1, 0);
        QTimer::singleShot(0, page, [page, more] {
            click(page->groupBar()->viewport(),
                  page->groupBar()->visualRect(more).center() - QPoint(Kit::px(7), 0));
        });
    } else if (what == QLatin1String("effects-search")) {
        page->searchEdit()->setText(QStringLiteral("e"));
    } else if (what == QLatin1String("effects-empty")) {
        page->searchEdit()->setText(QStringLiteral("qqqq"));
    } else if (what == QLatin1String("effects-keys")) {
        HotKeyHook::instance()->setBinding({2, 1}, QStringLiteral("Ctrl+K"), HotKey::EffectKind);
        HotKeyHook::instance()->setBinding({2, 3}, QStringLiteral("Shift+1"), HotKey::EffectKind);
        effects->addFavorite(3);
        clickEffect(list, {2, 2}, true);
        list->setFocus();
        QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
        QApplication::sendEvent(list, &ctrl);
    } else if (what == QLatin1String("effects-custom")) {
        const QString name = QStringLiteral("Bright Female");
        if (!effects->nameExists(name)) {
            EffectData::VoiceEffect base = effects->currentEffect();
            base.edits.first().editValue = 60; // a higher target pitch: 264 Hz
            CuteSettings::instance()->setValue(QStringLiteral("CustomName"), name, Transient);
            effects->addCustomEffect(base, true);
        }
        choose(EffectManager::kCustomGroup);
        for (const EffectData::VoiceEffect& effect : effects->customEffects()) {
            if (effect.name == name)
                clickEffect(list, {EffectManager::kCustomGroup, effect.id}, false);
        }
    }
}

// Stores the first microphone and speakers as a user's set-up holds them, so
// that the device dialog of a first start does not cover the screens.
void storeDevices()
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    CuteSettings* settings = CuteSettings::instance();
    for (auto [key, devices] :
         {std::pair<QString, QList<AudioDevice>*>{QStringLiteral("InputName"), &inputs},
          std::pair<QString, QList<AudioDevice>*>{QStringLiteral("OutputName"), &outputs}}) {
        if (!settings->value(key).toString().isEmpty())
            continue;
        for (const AudioDevice& device : *devices) {
            if (!device.name.contains(QLatin1String("CABLE"))) {
                settings->setValue(key, device.name, Ini);
                break;
            }
        }
    }
}

// The soundboard screens: a group with a sound playing, the imported group
// with its tile, and the message of an imported file that is gone.
void showSounds(MainWindow* window, const QString& what)
{
    ModuleManager::instance()->setCurrent(ModuleManager::MT_Sound);
    auto* module = qobject_cast<SoundModule*>(window->moduleLayout()->currentModule());
    SoundPage* page = module ? module->soundPage() : nullptr;
    if (!page)
        return;
    SoundItemListView* list = page->soundList();
    const auto choose = [page](int groupId) {
        page->groupBar()->setCurrentGroup(groupId);
        emit page->groupBar()->groupClicked(groupId);
    };
    const auto clickSound = [list](const SoundPair& pair) {
        const QModelIndex index = list->indexOf(pair);
        list->scrollTo(index);
        click(list->viewport(), SoundItemDelegate::areas(list->visualRect(index)).name.center());
    };
    if (what == QLatin1String("sounds")) {
        choose(1);
        HotKeyHook::instance()->setBinding({1, 2}, QStringLiteral("Ctrl+1"), HotKey::SoundKind);
        SoundManager::instance()->addFavorite(3);
        clickSound({1, 2});
        page->actionView()->volumeSlider()->setValue(70);
        return;
    }
    // Two bundled sounds imported under long names from the music folder.
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    QDir().mkpath(music);
    QStringList imports;
    const auto catalogue = SoundManager::instance()->allSounds();
    for (const auto& [id, name] : {std::pair<int, const char*>{1, "Applaus für die Gewinnerin des Abends"},
                                   std::pair<int, const char*>{8, "木琴のファンファーレ"}}) {
        const QString copy = music + QLatin1Char('/') + QString::fromUtf8(name) + catalogue.value(id).suffix;
        QFile::copy(catalogue.value(id).path, copy);
        imports << copy;
    }
    page->importFiles(imports);
    choose(SoundManager::kImportGroup);
    const QList<int> ids = SoundManager::instance()->importedSounds().keys();
    if (what == QLatin1String("sounds-broken")) {
        QFile::remove(imports.last());
        QTimer::singleShot(0, page, [clickSound, ids] {
            clickSound({SoundManager::kImportGroup, ids.last()});
        });
    } else {
        clickSound({SoundManager::kImportGroup, ids.first()});
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AppManager::applyProcessIdentity();
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption show(QStringLiteral("show"), QStringLiteral("The screen to show."),
                                  QStringLiteral("WHAT"), QStringLiteral("main"));
    const ScreenOptions options;
    options.addTo(parser);
    parser.addOption(show);
    parser.process(app);
    if (!options.applyLook(parser))
        return 1;

    const QString what = parser.value(show);
    QList<QWidget*> shown;
    Launcher* launcher = nullptr;
    MainWindow* window = nullptr;
    if (what == QLatin1String("splash")) {
        launcher = new Launcher;
        launcher->show();
        QTimer::singleShot(0, launcher, [] { emit LaunchManager::instance()->stepValueChange(42); });
        shown << launcher;
    } else {
        configureCatalogues();
        LaunchManager::instance()->loadCatalogues();
        configureAudioEngine();
        storeDevices();
        AudioManager::instance()->start();
        window = new MainWindow;
        Kit::setCurrentWindow(window);
        window->resize(window->minimumSize());
        window->move(Kit::px(20), Kit::py(20));
        window->toolBar()->refresh();
        window->show();
        shown << window;
        if (what == QLatin1String("guide"))
            ModuleManager::instance()->setCurrent(ModuleManager::MT_Guide);
        if (what == QLatin1String("settings")) {
            ModuleManager::instance()->setCurrent(ModuleManager::MT_Setting);
            QTimer::singleShot(100, window, [window] {
                auto* module = qobject_cast<SettingModule*>(window->moduleLayout()->currentModule());
                if (!module || !module->settingPage())
                    return;
                HotKeyHook::instance()->setBinding({HotKey::kHearMyself, HotKey::kHearMyself},
                                                   QStringLiteral("Ctrl+H"), HotKey::ActionKind);
                module->settingPage()->hearField()->update();
                ShortcutLineEdit* field = module->settingPage()->applyField();
                window->activateWindow();
                field->setFocus();
                QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
                QApplication::sendEvent(field, &ctrl);
            });
        }
        if (what.startsWith(QLatin1String("sounds")))
            QTimer::singleShot(100, window, [window, what] { showSounds(window, what); });
        if (what.startsWith(QLatin1String("effects")) || what.startsWith(QLatin1String("save-")))
            QTimer::singleShot(100, window, [window, what] { showEffects(window, what); });
    }

    QTimer::singleShot(150, &app, [window, what, &shown] {
        if (!window)
            return;
        ModuleDialogManager* router = ModuleDialogManager::instance();
        if (what == QLatin1String("menu")) {
            QMenu* menu = window->titleBar()->menu();
            window->titleBar()->menuButton()->click();
            QMenu* languages = window->titleBar()->languageMenu();
            menu->setActiveAction(languages->menuAction());
            QTimer::singleShot(50, menu, [menu, languages] {
                const QRect entry = menu->actionGeometry(languages->menuAction());
                languages->popup(menu->mapToGlobal(entry.topRight()));
            });
            shown << menu << languages;
        } else if (what == QLatin1String("quit")) {
            router->showDialog(ModuleDialogManager::DT_Quit, window);
        } else if (what == QLatin1String("volume")) {
            window->toolBar()->volumeButton()->click();
        } else if (what == QLatin1String("about")) {
            DialogManager::instance()->showDialog(DialogManager::DT_About);
        } else if (what.startsWith(QLatin1String("update"))) {
            DialogManager::instance()->showDialog(DialogManager::DT_Upgrade, updateAnswer(what));
        } else if (what.startsWith(QLatin1String("device-"))) {
            // The longest output chosen, to show how a long name reads.
            QList<AudioDevice> inputs;
            QList<AudioDevice> outputs;
            Utility::instance()->audioDeviceList(inputs, outputs);
            QString longest;
            for (const AudioDevice& device : outputs) {
                if (!device.name.contains(QLatin1String("Virtual Cable")) &&
                    device.name.size() > longest.size())
                    longest = device.name;
            }
            if (!longest.isEmpty())
                CuteSettings::instance()->setValue(QStringLiteral("OutputName"), longest, Ini);
            if (what == QLatin1String("device-1"))
                QTimer::singleShot(0, window, [router] {
                    if (auto* dialog = qobject_cast<DeviceDetectionDialog*>(
                            router->dialog(ModuleDialogManager::DT_DeviceDetection)))
                        dialog->setMode(1);
                });
            router->showDialog(ModuleDialogManager::DT_DeviceDetection, window);
        } else if (what == QLatin1String("cable")) {
            // Taken out and installed again: caught while the new cable settles.
            CableInstallDialog::run(true, window);
        } else if (what.startsWith(QLatin1String("message-"))) {
            const int type = what.mid(8).toInt();
            // The failed-save notice names a file and the system's reason; the others take two ids.
            const QVariant data =
                type == ModuleDialogManager::DT_SaveFailed
                    ? QVariant(
                          QStringList{QDir::homePath() + QStringLiteral("/.local/share/Zelvani/Zelvani Voice "
                                                                        "Changer/Custom.dat"),
                                      QStringLiteral("No space left on device")})
                    : QVariant(QVariantList{1000001, 1000001});
            router->showDialog(type, window, data);
        }
    });

    if (parser.isSet(options.screenshot)) {
        const QString file = parser.value(options.screenshot);
        QTimer::singleShot(parser.value(options.delay).toInt(), &app, [file, &shown] {
            const bool saved = saveScreenArea(file, areaOf(shown));
            // Open dialogs run event loops of their own: end the process here.
            std::fflush(nullptr);
            ::_exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
