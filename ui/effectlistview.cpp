#include "effectlistview.h"

#include "audiomanager.h"
#include "cutesettings.h"
#include "effectmanager.h"
#include "hotkeyhook.h"
#include "languagesettings.h"
#include "launchmanager.h"

#include "spdlog_qt"

namespace {

void setSetting(const QString& key, const QVariant& value)
{
    CuteSettings::instance()->setValue(key, value, CuteSettings::defaultScope(key));
}

} // namespace

EffectItemListView::EffectItemListView(QWidget* parent)
    : CatalogueListView(HotKey::EffectKind, EffectManager::kFavoriteGroup, tr("Voices"), parent)
{
    connect(HotKeyHook::instance(), &HotKeyHook::activated, this, &EffectItemListView::onHotkey);
    connect(LaunchManager::instance(), &LaunchManager::downloadFilesFinished, this,
            &EffectItemListView::onDownloadFinished);
}

EffectPair EffectItemListView::storedPair()
{
    const CuteSettings* settings = CuteSettings::instance();
    const EffectPair stored(settings->value(QStringLiteral("GroupId")).toInt(),
                            settings->value(QStringLiteral("EffectId")).toInt());
    EffectManager* effects = EffectManager::instance();
    if (effects->effectsOfGroup(stored.first).contains(stored.second))
        return stored;
    // Gone from its group: the effect in its own group, else no effect at all.
    EffectPair fallback(1, 0);
    const auto all = effects->allEffects();
    if (all.contains(stored.second))
        fallback = {all.value(stored.second).groupId, stored.second};
    if (stored != fallback) {
        LogInfo(QStringLiteral("[EffectPage] applied pair (%1, %2) is gone, using (%3, %4)")
                    .arg(stored.first)
                    .arg(stored.second)
                    .arg(fallback.first)
                    .arg(fallback.second));
        setSetting(QStringLiteral("GroupId"), fallback.first);
        setSetting(QStringLiteral("EffectId"), fallback.second);
    }
    return fallback;
}

EffectData::VoiceEffect EffectItemListView::lookup(int groupId, int effectId)
{
    EffectManager* effects = EffectManager::instance();
    const auto members = effects->effectsOfGroup(groupId);
    if (members.contains(effectId))
        return members.value(effectId);
    if (effectId >= EffectManager::kFirstCustomId)
        return effects->customEffects().value(effectId);
    return effects->allEffects().value(effectId);
}

QString EffectItemListView::displayName(const EffectData::VoiceEffect& effect)
{
    return effect.languages.value(LanguageSettings::instance()->currentLanguage());
}

bool EffectItemListView::isFavorite(int id) const
{
    return EffectManager::instance()->isFavorite(id);
}

void EffectItemListView::setFavorite(int id, bool favorite)
{
    if (favorite)
        EffectManager::instance()->addFavorite(id);
    else
        EffectManager::instance()->removeFavorite(id);
}

QList<int> EffectItemListView::groupOrder() const
{
    return EffectManager::instance()->groupOrder();
}

QString EffectItemListView::groupName(int groupId) const
{
    const EffectData::VoiceGroup group = EffectManager::instance()->groups().value(groupId);
    const QString name = group.languages.value(LanguageSettings::instance()->currentLanguage());
    return name.isEmpty() ? group.name : name;
}

QList<CatalogueEntry> EffectItemListView::entries(int groupId) const
{
    EffectManager* effects = EffectManager::instance();
    const QString pictures = CuteSettings::resourcesPath() + QStringLiteral("/image/effect/%1.png");
    QList<CatalogueEntry> result;
    for (const EffectData::VoiceEffect& effect :
         inGroupOrder(effects->effectsOfGroup(groupId), effects->groups().value(groupId).sort))
        result.append({effect.id, displayName(effect), pictures.arg(effect.isCustom ? effect.oId : effect.id),
                       effect.filesReady});
    return result;
}

void EffectItemListView::applyEffect(int groupId, int effectId)
{
    const EffectPair pair(groupId, effectId);
    if (pair == appliedPair())
        return;
    emit effectSave();
    const EffectData::VoiceEffect effect = lookup(groupId, effectId);
    AudioManager* engine = AudioManager::instance();
    const QVariant clicked = QVariant::fromValue(QList<QVariant>{groupId, effectId});
    if (effect.id != 0 && !effect.filesReady) {
        setSetting(QStringLiteral("LastClickedEffect"), clicked);
        if (!isDownloading(pair))
            LogInfo(QStringLiteral("[EffectPage] fetching the files of effect %1").arg(effectId));
        startDownload(pair, effect.files, 0);
        return;
    }
    if (engine->isVoiceSuspended())
        return;
    engine->setVoiceSuspended(true);
    setSetting(QStringLiteral("LastClickedEffect"), clicked);
    setSelectedPair(pair);
    emit effectClicked(groupId, effectId);
    engine->setVoiceSuspended(false);
}

void EffectItemListView::onDownloadFinished(bool result, int groupId, int itemId, int type)
{
    if (type != 0)
        return;
    if (!result)
        LogInfo(QStringLiteral("[EffectPage] the files of effect %1 did not arrive").arg(itemId));
    if (!finishDownload({groupId, itemId}, result))
        return;
    EffectData::VoiceEffect effect = lookup(groupId, itemId);
    if (effect.id == 0)
        return;
    effect.filesReady = true;
    EffectManager::instance()->updateEffect(effect);
    const QList<QVariant> last =
        CuteSettings::instance()->value(QStringLiteral("LastClickedEffect")).toList();
    if (last.size() == 2 && last[0].toInt() == groupId && last[1].toInt() == itemId)
        applyEffect(groupId, itemId);
}

void EffectItemListView::onHotkey(QPair<int, int> ids)
{
    if (ids.first >= 100000 || ids.second >= 100000 || shortcutsResting())
        return;
    EffectManager* effects = EffectManager::instance();
    int groupId = ids.first;
    const int effectId = ids.second;
    if (groupId == EffectManager::kFavoriteGroup) {
        if (!effects->isFavorite(effectId))
            return;
    } else if (effectId >= EffectManager::kFirstCustomId) {
        groupId = EffectManager::kCustomGroup;
    }
    if (!effects->effectsOfGroup(groupId).contains(effectId))
        return;
    applyEffect(groupId, effectId);
}
