#include "modules.h"

// The effect, sound and settings pages are not built yet; until they are,
// these modules show an empty area.

QWidget* EffectModule::createPage(int index)
{
    Q_UNUSED(index)
    return nullptr;
}

QWidget* SoundModule::createPage(int index)
{
    Q_UNUSED(index)
    return nullptr;
}

QWidget* SettingModule::createPage(int index)
{
    Q_UNUSED(index)
    return nullptr;
}
