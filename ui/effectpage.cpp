#include "effectpage.h"

#include "appmanager.h"
#include "cutesettings.h"
#include "effectactionview.h"
#include "effectlistview.h"
#include "effectmanager.h"
#include "gatracker.h"
#include "grouplistview.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "languagesettings.h"
#include "moduledialogmanager.h"

#include "spdlog_qt"

#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kRefreshDelayMs = 100;

void storeSetting(const QString& key, const QVariant& value)
{
    CuteSettings::instance()->setValue(key, value, CuteSettings::defaultScope(key));
}

} // namespace

EffectPage::EffectPage(QWidget* parent) : PageWidget(parent)
{
    QElapsedTimer clock;
    clock.start();
    m_groups = new EffectGroupListView(contentWidget());
    m_search = new SearchLineEdit(contentWidget());
    m_list = new EffectItemListView(contentWidget());
    m_panel = new EffectActionView(contentWidget());
    m_empty = layoutCataloguePage(contentWidget(), m_groups, m_search, m_list, m_panel).empty;

    connect(m_groups, &GroupListView::groupClicked, this, &EffectPage::onGroupClicked);
    connect(m_list, &EffectItemListView::effectClicked, this, &EffectPage::onEffectClicked);
    connect(m_list, &EffectItemListView::effectSave, this, &EffectPage::promptSave);
    connect(m_panel, &EffectActionView::effectSave, this, &EffectPage::saveEffect);
    connect(m_panel, &EffectActionView::effectDelete, this, &EffectPage::deleteEffect);

    // The stored group with the stored pair chosen; the panel shows that
    // effect now and applies it again whenever the devices are ready.
    const EffectPair applied = EffectItemListView::storedPair();
    m_groups->setCurrentGroup(applied.first);
    m_list->showGroup(applied.first);
    m_panel->showEffect(applied.first, applied.second);
    setTabOrder(m_groups, m_search);
    setTabOrder(m_search, m_list);
    LogInfo(QStringLiteral("[EffectPage] built in %1 ms").arg(clock.nsecsElapsed() / 1.0e6, 0, 'f', 1));
}

void EffectPage::onGroupClicked(int groupId)
{
    EffectManager* effects = EffectManager::instance();
    const EffectData::VoiceGroup group = effects->groups().value(groupId);
    GaTracker::instance()->track(QStringLiteral("VoiceCategory"), group.name);
    if (groupId == EffectManager::kFavoriteGroup)
        effects->clearNewFavorites();
    else if (groupId == EffectManager::kCustomGroup)
        effects->clearNewCustomEffects();
    m_list->showGroup(groupId);
}

void EffectPage::onEffectClicked(int groupId, int effectId)
{
    const EffectData::VoiceEffect effect = EffectItemListView::lookup(groupId, effectId);
    GaTracker::instance()->track(QStringLiteral("Voice"), effect.name);
    storeSetting(QStringLiteral("GroupId"), groupId);
    storeSetting(QStringLiteral("EffectId"), effectId);
    m_panel->showEffect(groupId, effectId);
}

void EffectPage::addCustomEffect(bool refreshLater)
{
    EffectManager* effects = EffectManager::instance();
    const bool markNew = m_list->currentGroup() != EffectManager::kCustomGroup;
    effects->addCustomEffect(effects->currentEffect(), markNew);
    LogInfo(QStringLiteral("[EffectPage] custom effect \"%1\" saved")
                .arg(CuteSettings::instance()->value(QStringLiteral("CustomName")).toString()));
    if (refreshLater)
        QTimer::singleShot(kRefreshDelayMs, m_list, &EffectItemListView::refresh);
    else
        m_list->refresh();
}

void EffectPage::saveEffect()
{
    ModuleDialogManager* dialogs = ModuleDialogManager::instance();
    if (!m_panel->hasUnsavedChanges()) {
        dialogs->showDialog(ModuleDialogManager::DT_ParamNoChanged, window());
        return;
    }
    if (dialogs->showDialog(ModuleDialogManager::DT_SaveParam, window(), 0) != 1)
        return;
    addCustomEffect(false);
    m_panel->resetParams();
}

void EffectPage::promptSave()
{
    if (!m_panel->hasUnsavedChanges())
        return;
    if (ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_SaveParam, window(), 1) == 1)
        addCustomEffect(true);
    m_panel->resetParams();
}

void EffectPage::deleteEffect()
{
    if (ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_DeleteVoice, window()) != 2)
        return;
    EffectManager* effects = EffectManager::instance();
    const EffectData::VoiceEffect effect = effects->currentEffect();
    const EffectPair applied = m_list->appliedPair();
    effects->deleteCustomEffect(effect.id);
    effects->removeFavorite(effect.id);
    // Its key, whether bound in the custom group or among the favourites.
    for (const EffectPair& pair : {applied, EffectPair(EffectManager::kCustomGroup, effect.id),
                                   EffectPair(EffectManager::kFavoriteGroup, effect.id)})
        HotKeyHook::instance()->removeBinding(pair, HotKey::EffectKind);
    LogInfo(QStringLiteral("[EffectPage] custom effect %1 deleted").arg(effect.id));
    m_list->refresh();
    // Nothing is applied any more: (1, 0) is taken through the list as a click.
    m_list->setAppliedPair(EffectItemListView::noPair());
    m_list->applyEffect(1, 0);
}

QLabel* EffectPage::emptyText() const
{
    return m_empty->textLabel();
}
