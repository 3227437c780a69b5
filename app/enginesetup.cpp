#include "enginesetup.h"

#include "audiomanager.h"
#include "cutesettings.h"
#include "launchmanager.h"

void configureAudioEngine(const QHash<QString, QVariant>& overrides)
{
    AudioManager* engine = AudioManager::instance();
    engine->setResourcesPath(CuteSettings::resourcesPath());
    engine->setSettingReader([overrides](const QString& key, const QVariant& defaultValue) {
        if (overrides.contains(key))
            return overrides.value(key);
        const int scope = CuteSettings::defaultScope(key);
        return CuteSettings::instance()->value(key, defaultValue, scope < 0 ? Native : scope);
    });
}

void startAudioEngine()
{
    LaunchManager::instance()->installVirtualDriver();
    configureAudioEngine();
    AudioManager::instance()->start();
}
