#include "launchmanager.h"

#include "cutesettings.h"
#include "effectmanager.h"
#include "soundmanager.h"

#include "spdlog_qt"
#include "utility.h"
#include "virtualcable.h"

#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int kVirtualDriverProgress = 4;

} // namespace

LaunchManager* LaunchManager::instance()
{
    static LaunchManager* manager = new LaunchManager();
    return manager;
}

LaunchManager::LaunchManager() = default;
LaunchManager::~LaunchManager() = default;

void LaunchManager::installVirtualDriver()
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    const VirtualCable::Status status = VirtualCable::status(inputs, outputs);
    if (status.complete()) {
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
    if (!VirtualCable::load(&error))
        LogError(QStringLiteral("[VirtualDriver] %1").arg(error));

    QEventLoop settle;
    QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
    settle.exec();

    if (!recording.isEmpty())
        Utility::instance()->setDefaultDevice(recording);
    if (!playback.isEmpty())
        Utility::instance()->setDefaultDevice(playback);
    emit stepValueChange(kVirtualDriverProgress);
}

void LaunchManager::loadCatalogues()
{
    const QString resources = CuteSettings::resourcesPath();
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
