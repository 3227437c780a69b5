// The user's stores beside the bundled catalogues: Favorite.dat,
// SoundFavorite.dat, Custom.dat and SoundImport.dat. The first byte picks
// the file; the rest is its content. The bundled catalogues are loaded
// first, as at a start, so custom voices and imports meet real groups.

#include "cataloguesupport.h"
#include "effectmanager.h"
#include "soundmanager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    fuzz::useCatalogueEnvironment(QStringLiteral(ZELVANI_RESOURCES));
    static const char* const names[] = {"Favorite.dat", "SoundFavorite.dat", "Custom.dat", "SoundImport.dat"};
    for (const char* name : names)
        QFile::remove(fuzz::path(name));
    fuzz::writeFile(names[data[0] % 4], data + 1, size - 1);

    EffectManager effects;
    effects.loadCatalogue(QStringLiteral(ZELVANI_RESOURCES "/effects.json"));
    effects.loadUserStores();
    for (int id : effects.groups().keys())
        effects.effectsOfGroup(id);
    SoundManager sounds;
    sounds.loadCatalogue(QStringLiteral(ZELVANI_RESOURCES "/sounds.json"));
    sounds.loadUserStores();
    for (int id : sounds.groups().keys())
        sounds.soundsOfGroup(id);
    return 0;
}
