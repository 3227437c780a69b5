#pragma once

#include "abstractmodulewidget.h"

// The voice effects, the soundboard and the settings: each shows page 0,
// made once and kept between visits.
class EffectPage;

// The voice effects. It also takes the engine's device events to the
// dialogs that answer them.
class EffectModule : public AbstractModuleWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectModule)

public:
    explicit EffectModule(QWidget* parent = nullptr);
    void activate() override { setCurrentPage(0); }
    EffectPage* effectPage() const { return m_page; }

    // Picks the device of a kind again (0 output, 1 input) from the lists:
    // the configured one, else the first that is not the cable.
    static void reselectDevice(int deviceType);

protected:
    QWidget* createPage(int index) override;

private:
    void onDeviceDisconnect(const QString& deviceName);
    void onUninstallVirtual();
    void onDeviceStateChanged(int deviceType, int state);

    EffectPage* m_page = nullptr;
};

class SoundPage;

// The soundboard.
class SoundModule : public AbstractModuleWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SoundModule)

public:
    explicit SoundModule(QWidget* parent = nullptr) : AbstractModuleWidget(parent) {}
    void activate() override { setCurrentPage(0); }
    SoundPage* soundPage() const { return m_page; }

protected:
    QWidget* createPage(int index) override;

private:
    SoundPage* m_page = nullptr;
};

class SettingPage;

class SettingModule : public AbstractModuleWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingModule)

public:
    explicit SettingModule(QWidget* parent = nullptr) : AbstractModuleWidget(parent) {}
    void activate() override { setCurrentPage(0); }
    SettingPage* settingPage() const { return m_page; }

protected:
    QWidget* createPage(int index) override;

private:
    SettingPage* m_page = nullptr;
};
