#pragma once

#include <QObject>

// Which module the main window's module area shows.
class ModuleManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ModuleManager)

public:
    enum ModuleType
    {
        MT_None = 0,
        MT_Effect = 1,
        MT_Sound = 2,
        MT_Guide = 3,
        MT_Setting = 4
    };
    Q_ENUM(ModuleType)

    static ModuleManager* instance();

    // Emits currentChanged before storing the new type, so listeners still
    // read the previous one; the same type again does nothing.
    void setCurrent(ModuleType type);
    ModuleType current() const { return m_current; }

signals:
    void currentChanged(ModuleManager::ModuleType type);

private:
    ModuleManager();
    ModuleType m_current = MT_None;
};
