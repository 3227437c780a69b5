#include "launchmanager.h"

#include "spdlog_qt"
#include "utility.h"
#include "virtualcable.h"

#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int kVirtualDriverProgress = 4;

} // namespace

LaunchManager* LaunchManager::instance()
{
    static LaunchManager* manager = new LaunchManager();
    return manager;
}

LaunchManager::LaunchManager() = default;
LaunchManager::~LaunchManager() = default;

void LaunchManager::installVirtualDriver()
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);
    const VirtualCable::Status status = VirtualCable::status(inputs, outputs);
    if (status.complete()) {
        emit stepValueChange(kVirtualDriverProgress);
        return;
    }

    QString recording;
    QString playback;
    Utility::instance()->defaultDeviceNames(&recording, &playback);
    LogInfo(
        QStringLiteral("[VirtualDriver] installing the virtual cable (playback side %1, recording side %2)")
            .arg(QLatin1String(status.playback ? "present" : "missing"),
                 QLatin1String(status.recording ? "present" : "missing")));
    QString error;
    if (!VirtualCable::load(&error))
        LogError(QStringLiteral("[VirtualDriver] %1").arg(error));

    QEventLoop settle;
    QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
    settle.exec();

    if (!recording.isEmpty())
        Utility::instance()->setDefaultDevice(recording);
    if (!playback.isEmpty())
        Utility::instance()->setDefaultDevice(playback);
    emit stepValueChange(kVirtualDriverProgress);
}
