#include "modulemanager.h"

ModuleManager* ModuleManager::instance()
{
    static ModuleManager manager;
    return &manager;
}

ModuleManager::ModuleManager()
{
    qRegisterMetaType<ModuleManager::ModuleType>("ModuleManager::ModuleType");
}

void ModuleManager::setCurrent(ModuleType type)
{
    if (type == m_current)
        return;
    emit currentChanged(type);
    m_current = type;
}
