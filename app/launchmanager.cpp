#include "launchmanager.h"

#include "cutesettings.h"
#include "effectmanager.h"
#include "fileassitant.h"
#include "soundmanager.h"

#include "spdlog_qt"
#include "utility.h"
#include "virtualcable.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kVirtualDriverProgress = 4;

} // namespace

struct LaunchManager::Private
{
    QNetworkAccessManager* network = nullptr;
    FileAssitant* files = nullptr;
    QHash<int, QList<ResourceSync::Record>> records;
    QList<ResourceSync::Item> pending;
    bool manifestLoaded = false;
    QString cableError; // of the last cable installation
    bool resourcesFailed = false;

    struct Request
    {
        QStringList names;
        int groupId = 0;
        int itemId = 0;
        int type = 0;
    };
    QList<Request> queue;
    bool busy = false;

    QString server;
    bool serverSet = false;
    QString resourcesPath;
};

LaunchManager* LaunchManager::instance()
{
    static LaunchManager* manager = new LaunchManager();
    return manager;
}

LaunchManager::LaunchManager(QObject* parent) : QObject(parent), d(std::make_unique<Private>()) {}

LaunchManager::~LaunchManager() = default;

void LaunchManager::setResourceServer(const QString& server)
{
    d->server = server;
    d->serverSet = true;
}

void LaunchManager::setResourcesPath(const QString& path)
{
    d->resourcesPath = path;
}

QString LaunchManager::resourcesPath() const
{
    return d->resourcesPath.isEmpty() ? CuteSettings::resourcesPath() : d->resourcesPath;
}

bool LaunchManager::hasResourceFailure() const
{
    return d->resourcesFailed;
}

bool LaunchManager::isManifestLoaded() const
{
    return d->manifestLoaded;
}

QHash<int, QList<ResourceSync::Record>> LaunchManager::records() const
{
    return d->records;
}

QList<ResourceSync::Item> LaunchManager::pendingItems() const
{
    return d->pending;
}

QString LaunchManager::hashOf(const QString& path)
{
    if (!d->files)
        d->files = new FileAssitant(this);
    QString md5;
    bool done = false;
    QEventLoop loop;
    const QMetaObject::Connection connection = connect(d->files, &FileAssitant::hashFinised, &loop,
                                                       [&](const QString& hashed, const QString& result) {
                                                           if (hashed != path)
                                                               return;
                                                           md5 = result;
                                                           done = true;
                                                           loop.quit();
                                                       });
    d->files->hashFile(path);
    if (!done)
        loop.exec();
    disconnect(connection);
    return md5;
}

void LaunchManager::checkResources()
{
    const QString server =
        d->serverSet ? d->server : CuteSettings::instance()->configValue(QStringLiteral("ResourceServer"));
    if (server.isEmpty()) {
        LogInfo("[Resources] no resource server configured; the bundled resources are used as they are");
        return;
    }
    QString refused;
    if (!ResourceSync::isAllowedServer(server, &refused)) {
        LogError(QStringLiteral("[Resources] the resource server %1 is not used: %2").arg(server, refused));
        d->manifestLoaded = false;
        d->resourcesFailed = true;
        emit resourcesInitFailed();
        return;
    }
    if (!d->network)
        d->network = new QNetworkAccessManager(this);
    QByteArray body;
    QString error;
    const ResourceSync::Outcome outcome =
        ResourceSync::fetch(d->network, server + QStringLiteral("/ton-morph/tonmorph_resources_linux.json"),
                            kManifestTimeoutMs, &body, &error);
    if (outcome != ResourceSync::Outcome::Done) {
        LogInfo(QStringLiteral("Check resources failed! describe: %1").arg(error));
        d->manifestLoaded = false;
        d->resourcesFailed = true;
        emit resourcesInitFailed();
        return;
    }
    const QJsonObject manifest = QJsonDocument::fromJson(body).object();
    if (!manifest.isEmpty()) {
        emit stepValueChange(6);
        d->records = ResourceSync::parseManifest(manifest, server);
        emit stepValueChange(8);
        const QString resources = resourcesPath();
        d->pending.clear();
        for (int category = 0; category < ResourceSync::kCategoryCount; ++category) {
            const QString folder = ResourceSync::categoryFolder(resources, category);
            for (const ResourceSync::Record& record : d->records.value(category)) {
                const QString path = folder + record.name;
                bool needed = !QFileInfo::exists(path);
                if (!needed) {
                    const QString md5 = hashOf(path);
                    needed = md5.isEmpty() || !record.md5.contains(md5, Qt::CaseInsensitive);
                }
                if (needed)
                    d->pending.append({record.url, path});
            }
            emit stepValueChange(10 + 2 * category);
        }
        downloadPending();
    }
    d->manifestLoaded = true;
}

bool LaunchManager::downloadWithRetries(const ResourceSync::Item& item)
{
    if (!d->network)
        d->network = new QNetworkAccessManager(this);
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        QString error;
        if (ResourceSync::downloadFile(d->network, item, kFileTimeoutMs, &error))
            return true;
        LogInfo(QStringLiteral("[Download] %1 attempt %2: %3").arg(item.url).arg(attempt).arg(error));
    }
    LogError(QStringLiteral("[Download] %1 download failed %2 times.").arg(item.url).arg(kAttempts));
    return false;
}

void LaunchManager::downloadPending()
{
    // Missing plug-ins, presets and sounds are fetched when first needed.
    const QStringList onDemand{ResourceSync::categorySuffix(1), ResourceSync::categorySuffix(2),
                               ResourceSync::categorySuffix(7)};
    const QString resources = resourcesPath();
    int downloaded = 0;
    const int total = static_cast<int>(d->pending.size());
    for (const ResourceSync::Item& item : d->pending) {
        // Local paths hold the folder suffix from "/resources" on.
        const QString local = QStringLiteral("/resources") + item.path.mid(resources.size());
        const bool deferred = !QFileInfo::exists(item.path) &&
                              std::any_of(onDemand.begin(), onDemand.end(),
                                          [&](const QString& suffix) { return local.contains(suffix); });
        if (deferred)
            continue;
        if (downloadWithRetries(item)) {
            ++downloaded;
            emit stepValueChange(static_cast<int>(static_cast<double>(downloaded) / total * 60.0 + 30.0));
        } else {
            d->resourcesFailed = true;
            emit resourcesInitFailed();
        }
    }
}

void LaunchManager::downloadFiles(const QStringList& names, int groupId, int itemId, int type)
{
    d->queue.append({names, groupId, itemId, type});
    if (d->busy)
        return; // the loop below, further up the stack, serves it
    d->busy = true;
    while (!d->queue.isEmpty()) {
        if (d->pending.isEmpty() && !d->manifestLoaded)
            checkResources();
        const Private::Request request = d->queue.takeFirst();
        bool result = true;
        if (d->pending.isEmpty()) {
            LogError("[downloadFiles] resources http path is empty.");
            result = false;
        } else {
            for (const QString& name : request.names) {
                for (const ResourceSync::Item& item : QList<ResourceSync::Item>(d->pending)) {
                    if (item.path.contains(name, Qt::CaseInsensitive) && !downloadWithRetries(item)) {
                        result = false;
                        break;
                    }
                }
                if (!result)
                    break;
            }
        }
        emit downloadFilesFinished(result, request.groupId, request.itemId, request.type);
    }
    d->busy = false;
}

void LaunchManager::installVirtualDriver(bool reinstall, const std::function<void(int percent)>& progress)
{
    const auto report = [&progress](int percent) {
        if (progress)
            progress(percent);
    };
    d->cableError.clear();
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    const VirtualCable::Status status = VirtualCable::status(inputs, outputs);
    report(10);
    if (status.complete() && !reinstall) {
        report(100);
        emit stepValueChange(kVirtualDriverProgress);
        return;
    }

    QString recording;
    QString playback;
    Utility::instance()->defaultDeviceNames(&recording, &playback);
    LogInfo(
        QStringLiteral("[VirtualDriver] installing the virtual cable (playback side %1, recording side %2)")
            .arg(QLatin1String(status.playback ? "present" : "missing"),
                 QLatin1String(status.recording ? "present" : "missing")));
    QString error;
    if (reinstall && !VirtualCable::unload(&error))
        LogError(QStringLiteral("[VirtualDriver] %1").arg(error));
    report(30);
    error.clear();
    if (!VirtualCable::load(&error)) {
        LogError(QStringLiteral("[VirtualDriver] %1").arg(error));
        d->cableError = error;
    }
    report(60);

    QEventLoop settle;
    QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
    settle.exec();
    report(90);

    if (!recording.isEmpty())
        Utility::instance()->setDefaultDevice(recording);
    if (!playback.isEmpty())
        Utility::instance()->setDefaultDevice(playback);
    report(100);
    emit stepValueChange(kVirtualDriverProgress);
}

QString LaunchManager::cableError() const
{
    return d->cableError;
}

void LaunchManager::loadCatalogues()
{
    const QString resources = resourcesPath();
    emit stepValueChange(90);
    EffectManager* effects = EffectManager::instance();
    effects->loadCatalogue(resources + QStringLiteral("/effects.json"));
    effects->loadParamLabels(resources + QStringLiteral("/settings.json"));
    emit stepValueChange(92);
    SoundManager* sounds = SoundManager::instance();
    sounds->loadCatalogue(resources + QStringLiteral("/sounds.json"));
    sounds->loadUserStores();
    emit stepValueChange(94);
    effects->loadUserStores();
    LogInfo(
        QStringLiteral("[Catalogue] %1 effects in %2 groups, %3 custom; %4 sounds in %5 groups, %6 imported")
            .arg(effects->allEffects().size())
            .arg(effects->groups().size())
            .arg(effects->customEffects().size())
            .arg(sounds->allSounds().size())
            .arg(sounds->groups().size())
            .arg(sounds->importedSounds().size()));
}
