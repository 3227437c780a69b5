#pragma once

#include "abstractmodulewidget.h"

// The voice effects, the soundboard and the settings: each shows page 0,
// made once and kept between visits.
class EffectModule : public AbstractModuleWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectModule)

public:
    explicit EffectModule(QWidget* parent = nullptr) : AbstractModuleWidget(parent) {}
    void activate() override { setCurrentPage(0); }

protected:
    QWidget* createPage(int index) override;
};

class SoundModule : public AbstractModuleWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundModule)

public:
    explicit SoundModule(QWidget* parent = nullptr) : AbstractModuleWidget(parent) {}
    void activate() override { setCurrentPage(0); }

protected:
    QWidget* createPage(int index) override;
};

class SettingModule : public AbstractModuleWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingModule)

public:
    explicit SettingModule(QWidget* parent = nullptr) : AbstractModuleWidget(parent) {}
    void activate() override { setCurrentPage(0); }

protected:
    QWidget* createPage(int index) override;
};
