// zelvani-screens: the program's screens one at a time, for screenshots.
//   zelvani-screens --show WHAT [--language N] [--scale F] --screenshot FILE [--delay MS]
// WHAT: splash, main, guide, menu, quit, volume, about, update-new,
// update-latest, update-failed, or message-T for a message type T of the
// dialog router. The engine starts when a sound server answers, so the
// volume pop-up shows the speakers' level.
#include "appmanager.h"
#include "audiomanager.h"
#include "dialogmanager.h"
#include "enginesetup.h"
#include "kit.h"
#include "launcher.h"
#include "launchmanager.h"
#include "mainbars.h"
#include "mainwindow.h"
#include "moduledialogmanager.h"
#include "modulemanager.h"
#include "screenoptions.h"
#include "shelldialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMenu>
#include <QPushButton>
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
        configureAudioEngine();
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
        } else if (what.startsWith(QLatin1String("message-"))) {
            const int type = what.mid(8).toInt();
            router->showDialog(type, window, QVariantList{1000001, 1000001});
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
