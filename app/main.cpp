#include "appmanager.h"
#include "cataloguesetup.h"
#include "enginesetup.h"
#include "gatracker.h"
#include "launchmanager.h"
#include "xapplication.h"

#include "spdlog_qt"

#include <QTimer>

int main(int argc, char** argv)
{
    // The identity comes first: the single-instance key and the settings derive from it.
    AppManager::applyProcessIdentity();

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

    QObject::connect(
        &app, &XApplication::instanceStarted, manager,
        [&app] {
            LogInfo("[App] another start asked for the window");
            AppManager::raiseWindow(app.currentWindow());
        },
        Qt::DirectConnection);
    manager->quitOnSignals();
    QTimer::singleShot(0, manager, [manager] {
        manager->finishStart();
        configureCatalogues();
        LaunchManager::instance()->checkResources();
        LaunchManager::instance()->loadCatalogues();
        startAudioEngine();
    });

    return app.exec();
}
