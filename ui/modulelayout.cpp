#include "modulelayout.h"

#include "guidepage.h"
#include "modules.h"

#include <QStackedWidget>
#include <QVBoxLayout>

ModuleLayout::ModuleLayout(QWidget* parent) : QWidget(parent), m_stack(new QStackedWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    connect(ModuleManager::instance(), &ModuleManager::currentChanged, this,
            &ModuleLayout::onCurrentModuleChanged);
    if (ModuleManager::instance()->current() == ModuleManager::MT_Effect)
        onCurrentModuleChanged(ModuleManager::MT_Effect);
    else
        ModuleManager::instance()->setCurrent(ModuleManager::MT_Effect);
    // The soundboard is built behind the voices at once: its sound keys work
    // before the user first opens it.
    m_sound = new SoundModule(this);
    m_stack->addWidget(m_sound);
    m_sound->activate();
}

AbstractModuleWidget* ModuleLayout::currentModule() const
{
    return qobject_cast<AbstractModuleWidget*>(m_stack->currentWidget());
}

void ModuleLayout::onCurrentModuleChanged(ModuleManager::ModuleType type)
{
    // The guide is rebuilt on every visit: the one being left goes.
    if (m_guide && ModuleManager::instance()->current() == ModuleManager::MT_Guide) {
        m_stack->removeWidget(m_guide);
        m_guide->deleteLater();
        m_guide = nullptr;
    }
    QPointer<AbstractModuleWidget>* slot = nullptr;
    switch (type) {
    case ModuleManager::MT_Effect:
        slot = &m_effect;
        if (!*slot)
            *slot = new EffectModule(this);
        break;
    case ModuleManager::MT_Sound:
        slot = &m_sound;
        if (!*slot)
            *slot = new SoundModule(this);
        break;
    case ModuleManager::MT_Setting:
        slot = &m_setting;
        if (!*slot)
            *slot = new SettingModule(this);
        break;
    case ModuleManager::MT_Guide:
        slot = &m_guide;
        *slot = new GuideModule(this);
        break;
    default:
        return;
    }
    AbstractModuleWidget* module = *slot;
    if (m_stack->indexOf(module) < 0)
        m_stack->addWidget(module);
    m_stack->setCurrentWidget(module);
    module->activate();
}
