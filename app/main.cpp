#include "appmanager.h"
#include "gatracker.h"
#include "launcher.h"
#include "mainwindow.h"
#include "xapplication.h"

#include "spdlog_qt"

#include <QTimer>

int main(int argc, char** argv)
{
    // The identity comes first: the single-instance key and the settings derive from it.
    AppManager::applyProcessIdentity();
    // The screens paint with the raster engine and never use OpenGL; without
    // this, X11 windows pick a GL visual and load the whole GL driver (about
    // 50 MiB of memory and a slower start).
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    XApplication app(argc, argv, true, XApplication::NotifyPrimary, 1000);
    if (app.isSecondary())
        return 0; // the running copy was told and raises its window

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
    app.setCurrentWindow(window);
    QObject::connect(
        &app, &XApplication::instanceStarted, window,
        [window] {
            LogInfo("[App] another start asked for the window");
            AppManager::raiseWindow(window);
        },
        Qt::DirectConnection);
    // Progress 100 closes the splash a second later; the window then shows
    // itself and starts the engine and the hotkeys.
    QTimer::singleShot(0, window, [window] { window->reportReady(); });

    const int result = app.exec();
    delete window;
    delete launcher;
    return result;
}
