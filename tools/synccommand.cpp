// zelvani-cli sync: the resource check of start-up against the resource
// server, with its downloads and progress, then the catalogue loads.

#include "audiocommands.h"
#include "cataloguesetup.h"
#include "cli.h"
#include "commandsupport.h"
#include "cutesettings.h"
#include "effectmanager.h"
#include "launchmanager.h"
#include "soundmanager.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

int runSync(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {QStringLiteral("--server"), QStringLiteral("--resources")}, {}, &parsed,
                        &error))
        return usageError(err, "sync", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "sync", QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));

    LaunchManager* launch = LaunchManager::instance();
    QString server = CuteSettings::instance()->configValue(QStringLiteral("ResourceServer"));
    if (parsed.has(QStringLiteral("--server")))
        server = parsed.value(QStringLiteral("--server"));
    if (server.isEmpty()) {
        std::fprintf(err, "zelvani-cli: sync: no resource server: give --server URL or set ResourceServer in "
                          "appconfig.ini\n");
        return Failure;
    }
    launch->setResourceServer(server);
    if (parsed.has(QStringLiteral("--resources"))) {
        const QString folder = QFileInfo(parsed.value(QStringLiteral("--resources"))).absoluteFilePath();
        if (!QDir().mkpath(folder))
            return usageError(err, "sync", QStringLiteral("cannot create the folder %1").arg(folder));
        launch->setResourcesPath(folder);
    }

    ProgressLine progress(err);
    QObject::connect(launch, &LaunchManager::stepValueChange, launch, [&progress](int value) {
        progress.show(QStringLiteral("synchronising resources  %1%").arg(value));
    });
    int failures = 0;
    QObject::connect(launch, &LaunchManager::resourcesInitFailed, launch, [&failures] { ++failures; });
    launch->checkResources();

    // The catalogues read the folder that was synchronised.
    configureCatalogues();
    Catalogue::Environment environment = Catalogue::environment();
    environment.resourcesPath = launch->resourcesPath();
    Catalogue::setEnvironment(environment);
    launch->loadCatalogues();
    progress.finish(false);

    int files = 0;
    for (const QList<ResourceSync::Record>& records : launch->records())
        files += static_cast<int>(records.size());
    int stillMissing = 0;
    for (const ResourceSync::Item& item : launch->pendingItems())
        stillMissing += QFileInfo::exists(item.path) ? 0 : 1;
    std::fprintf(out, "manifest: %s, %d files listed\n", launch->isManifestLoaded() ? "loaded" : "not loaded",
                 files);
    std::fprintf(out, "downloads: %d needed, %d left for on-demand requests, %d failed\n",
                 static_cast<int>(launch->pendingItems().size()), stillMissing, failures);
    std::fprintf(out, "resources: %s\n", qPrintable(launch->resourcesPath()));
    std::fprintf(out, "catalogues: %d effects, %d sounds\n",
                 static_cast<int>(EffectManager::instance()->allEffects().size()),
                 static_cast<int>(SoundManager::instance()->allSounds().size()));
    if (std::fflush(out) != 0)
        return Failure;
    return launch->isManifestLoaded() && failures == 0 ? Success : Failure;
}

} // namespace cli
