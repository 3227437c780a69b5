// Saves the user's stores over and over, as a busy user of the program
// would: a favourite, a custom voice, an imported sound, a key binding and a
// setting each round. Prints "writing" once the stores are loaded; runs until
// killed. The durability test kills it at random moments.
//
//   store_writer RESOURCES

#include "appmanager.h"
#include "cataloguesetup.h"
#include "cutesettings.h"
#include "effectmanager.h"
#include "hotkeyhook.h"
#include "hotkeytable.h"
#include "soundmanager.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    QCoreApplication app(argc, argv);
    AppManager::applyProcessIdentity();
    configureCatalogues();
    const QString resources = QString::fromLocal8Bit(argv[1]);
    EffectManager effects;
    effects.loadCatalogue(resources + QStringLiteral("/effects.json"));
    effects.loadParamLabels(resources + QStringLiteral("/settings.json"));
    effects.loadUserStores();
    SoundManager sounds;
    sounds.loadCatalogue(resources + QStringLiteral("/sounds.json"));
    sounds.loadUserStores();
    HotKeyHook hook(CuteSettings::configPath() + QStringLiteral("/HotKey.dat"));
    hook.loadTable();
    const EffectData::VoiceEffect base = effects.allEffects().value(1);
    std::printf("writing\n");
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        const int id = 1 + round % 40;
        if (effects.isFavorite(id) && effects.favorites().size() > 1)
            effects.removeFavorite(id);
        else
            effects.addFavorite(id);
        CuteSettings::instance()->setValue(QStringLiteral("CustomName"),
                                           QStringLiteral("Voice %1 — Голос").arg(round), Transient);
        effects.addCustomEffect(base, false);
        sounds.importSound(QStringLiteral("/nonexistent/sound-%1.wav").arg(round), false);
        hook.setBinding({2, id}, QStringLiteral("Ctrl+%1").arg(round % 10), HotKey::EffectKind);
        CuteSettings::instance()->setValue(QStringLiteral("DenoiseValue"), round % 100, Ini);
    }
}
