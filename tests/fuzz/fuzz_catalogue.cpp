// The catalogues of the resources folder: effects.json, settings.json (the
// sliders' labels) and sounds.json. The first byte picks the file; the rest
// is its text. The catalogue is then read the way the program's start reads it.

#include "cataloguesupport.h"
#include "effectmanager.h"
#include "soundmanager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    fuzz::useCatalogueEnvironment(fuzz::scratch());
    switch (data[0] % 3) {
    case 0: {
        const QString file = fuzz::writeFile("effects.json", data + 1, size - 1);
        EffectManager effects;
        if (effects.loadCatalogue(file)) {
            effects.loadUserStores();
            for (int id : effects.groups().keys())
                effects.effectsOfGroup(id);
        }
        break;
    }
    case 1: {
        const QString file = fuzz::writeFile("settings.json", data + 1, size - 1);
        EffectManager effects;
        effects.loadParamLabels(file);
        break;
    }
    default: {
        const QString file = fuzz::writeFile("sounds.json", data + 1, size - 1);
        SoundManager sounds;
        if (sounds.loadCatalogue(file)) {
            sounds.loadUserStores();
            for (int id : sounds.groups().keys())
                sounds.soundsOfGroup(id);
        }
        break;
    }
    }
    return 0;
}
