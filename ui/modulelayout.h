#pragma once

#include "modulemanager.h"

#include <QPointer>
#include <QWidget>

class AbstractModuleWidget;
class QStackedWidget;

// The main window's module area: builds each module when first shown (the
// soundboard at once) and switches between them as ModuleManager says.
class ModuleLayout : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ModuleLayout)

public:
    explicit ModuleLayout(QWidget* parent = nullptr);
    AbstractModuleWidget* currentModule() const;

public slots:
    void onCurrentModuleChanged(ModuleManager::ModuleType type);

private:
    QStackedWidget* m_stack;
    QPointer<AbstractModuleWidget> m_effect;
    QPointer<AbstractModuleWidget> m_sound;
    QPointer<AbstractModuleWidget> m_setting;
    QPointer<AbstractModuleWidget> m_guide;
};
