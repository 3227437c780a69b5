#include "modules.h"

#include "audiomanager.h"
#include "cableinstalldialog.h"
#include "cutesettings.h"
#include "deviceselection.h"
#include "effectpage.h"
#include "launchmanager.h"
#include "moduledialogmanager.h"
#include "settingpage.h"
#include "soundpage.h"
#include "utility.h"

#include "spdlog_qt"

#include <QTimer>

namespace {

constexpr int kReselectDelayMs = 1000;

} // namespace

EffectModule::EffectModule(QWidget* parent) : AbstractModuleWidget(parent)
{
    // Queued: the dialogs run their own event loops, never inside the engine's calls.
    AudioManager* engine = AudioManager::instance();
    connect(
        engine, &AudioManager::deviceDetection, this,
        [this] {
            ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_DeviceDetection, window());
        },
        Qt::QueuedConnection);
    connect(engine, &AudioManager::deviceDisconnect, this, &EffectModule::onDeviceDisconnect,
            Qt::QueuedConnection);
    connect(engine, &AudioManager::uninstallVirtual, this, &EffectModule::onUninstallVirtual,
            Qt::QueuedConnection);
    connect(engine, &AudioManager::deviceStateChanger, this, &EffectModule::onDeviceStateChanged,
            Qt::QueuedConnection);
}

QWidget* EffectModule::createPage(int index)
{
    if (index != 0)
        return nullptr;
    if (!m_page) {
        m_page = new EffectPage;
        m_page->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return m_page;
}

void EffectModule::onDeviceDisconnect(const QString& deviceName)
{
    AudioManager* engine = AudioManager::instance();
    if (deviceName.isEmpty() || (deviceName != engine->inputName() && deviceName != engine->outputName()))
        return;
    ModuleDialogManager* dialogs = ModuleDialogManager::instance();
    if (dialogs->showDialog(ModuleDialogManager::DT_DeviceDisconnect, window()) == 1)
        dialogs->showDialog(ModuleDialogManager::DT_DeviceDetection, window());
}

void EffectModule::onUninstallVirtual()
{
    if (ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_UninstallVirtual, window()) == -1)
        return;
    CableInstallDialog::run(false, window());
}

void EffectModule::onDeviceStateChanged(int deviceType, int state)
{
    if (state != 1 && state != 2 && state != 4)
        return;
    if (ModuleDialogManager::instance()->isOpen(ModuleDialogManager::DT_DeviceDetection))
        return;
    QTimer::singleShot(kReselectDelayMs, this, [deviceType] { reselectDevice(deviceType); });
}

void EffectModule::reselectDevice(int deviceType)
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    const bool input = deviceType == 1;
    const QList<AudioDevice>& devices = input ? inputs : outputs;
    if (devices.isEmpty())
        return;
    const QString key = input ? QStringLiteral("InputName") : QStringLiteral("OutputName");
    const AudioDevice chosen =
        DeviceSelection::reselect(devices, CuteSettings::instance()->value(key).toString());
    AudioManager* engine = AudioManager::instance();
    const QString current = input ? engine->inputName() : engine->outputName();
    if (chosen.name.isEmpty() || chosen.name == current)
        return;
    LogInfo(
        QStringLiteral("[EffectModule] %1 device again: %2").arg(input ? "input" : "output", chosen.name));
    if (input)
        engine->setInputDevice(chosen);
    else
        engine->setOutputDevice(chosen);
}

QWidget* SoundModule::createPage(int index)
{
    if (index != 0)
        return nullptr;
    if (!m_page) {
        m_page = new SoundPage;
        m_page->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return m_page;
}

QWidget* SettingModule::createPage(int index)
{
    if (index != 0)
        return nullptr;
    if (!m_page) {
        m_page = new SettingPage;
        m_page->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return m_page;
}
