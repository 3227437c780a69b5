#include "appmanager.h"
#include "gatracker.h"
#include "launcher.h"
#include "mainwindow.h"
#include "startoptions.h"
#include "xapplication.h"

#include "spdlog_qt"

#include <QTimer>

#include <cstdio>

namespace {

// What a second start with --soundboard tells the running copy.
const QByteArray kSoundboardMessage = QByteArrayLiteral("soundboard");

} // namespace

int main(int argc, char** argv)
{
    // The identity comes first: the single-instance key and the settings derive from it.
    AppManager::applyProcessIdentity();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const StartOptions options = parseStartOptions(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr,
                     "zelvani-voice-changer: unknown option '%s'. Try 'zelvani-voice-changer --help'.\n",
                     qPrintable(options.error));
        return 2;
    }
    if (options.help || options.version) {
        if (options.help)
            printStartUsage(stdout);
        else
            std::printf("zelvani-voice-changer %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    // The screens paint with the raster engine and never use OpenGL; without
    // this, X11 windows pick a GL visual and load the whole GL driver (about
    // 50 MiB of memory and a slower start).
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    // One copy per user: the key holds the user's name, and the socket and the
    // shared block are the user's alone.
    XApplication app(argc, argv, true, XApplication::NotifyPrimary | XApplication::PerUser, 1000);
    // The desktop entry's name, for desktops that match windows by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelvani.VoiceChanger"));
    if (app.isSecondary()) {
        // The running copy was told and raises its window.
        if (options.soundboard)
            app.sendMessage(kSoundboardMessage);
        return 0;
    }

    AppManager* manager = AppManager::instance();
    manager->initialize();
    LogInfo(QStringLiteral("App start (version: %1)").arg(QCoreApplication::applicationVersion()));
    GaTracker::instance()->track(QStringLiteral("Lifecycle"), QStringLiteral("Start"));
    QObject::connect(manager, &AppManager::quitting, manager, [] {
        GaTracker::instance()->track(QStringLiteral("Lifecycle"), QStringLiteral("Quit"));
    });
    manager->quitOnSignals();

    // The splash runs the launch steps (cable, resources, catalogues) in
    // nested event loops, then the main window is built behind it.
    auto* launcher = new Launcher;
    app.setCurrentWindow(launcher);
    launcher->start();
    manager->finishStart();

    auto* window = new MainWindow;
    window->setStartMinimized(options.minimized);
    window->setStartOnSoundboard(options.soundboard);
    app.setCurrentWindow(window);
    QObject::connect(
        &app, &XApplication::instanceStarted, window,
        [window] {
            LogInfo("[App] another start asked for the window");
            AppManager::raiseWindow(window);
        },
        Qt::DirectConnection);
    QObject::connect(&app, &XApplication::receivedMessage, window,
                     [window](quint32, const QByteArray& message) {
                         if (message == kSoundboardMessage)
                             window->showSoundboard();
                     });
    // Progress 100 closes the splash a second later; the window then shows
    // itself and starts the engine and the hotkeys.
    QTimer::singleShot(0, window, [window] { window->reportReady(); });

    const int result = app.exec();
    delete window;
    delete launcher;
    return result;
}
