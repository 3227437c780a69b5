#include "utility.h"

#include "pulsesession.h"

#include "spdlog_qt"
#include "zaudio/zaudio.h"

namespace {

// Room for 200 characters outside ASCII and more (UTF-8 needs up to four bytes each).
constexpr int kNameLength = 1024;
constexpr int kConnectTimeoutMs = 2000;

// Monitors of outputs are listed by the library as record drivers with this suffix.
const char kLoopbackSuffix[] = " [loopback]";

// Releases the temporary system however the listing ends.
struct SystemRelease
{
    zaudio::System system;
    ~SystemRelease() { system.release(); }
};

bool connectSession(PulseSession* session, const char* caller)
{
    QString error;
    if (session->connect(kConnectTimeoutMs, &error))
        return true;
    LogError(QStringLiteral("[%1] no sound server: %2").arg(QLatin1String(caller), error));
    return false;
}

} // namespace

Utility* Utility::instance()
{
    static Utility utility;
    return &utility;
}

void Utility::audioDeviceList(QList<AudioDevice>& inputs, QList<AudioDevice>& outputs)
{
    SystemRelease temporary;
    if (zaudio::createSystem(&temporary.system) != zaudio::Ok) {
        LogError("[audioDeviceList] create system fail");
        return;
    }
    // The system is not initialised: init would open a playback stream, and
    // the driver lists do not need one.
    char name[kNameLength];
    zaudio::Guid guid;
    int rate = 0;
    zaudio::SpeakerMode mode = zaudio::SpeakerMode::Default;
    int channels = 0;
    auto record = [&](int id, int state) {
        AudioDevice device;
        device.id = id;
        device.name = QString::fromUtf8(name);
        device.sampleRate = rate;
        device.channel = channels;
        device.state = state;
        device.mode = static_cast<int>(mode);
        device.guid = QString::fromStdString(zaudio::formatGuid(guid));
        return device;
    };

    int count = 0;
    if (temporary.system.getRecordNumDrivers(nullptr, &count) != zaudio::Ok) {
        LogError("[audioDeviceList] get record drives num fail");
        return;
    }
    for (int id = 0; id < count; ++id) {
        unsigned state = 0;
        if (temporary.system.getRecordDriverInfo(id, name, kNameLength, &guid, &rate, &mode, &channels,
                                                 &state) != zaudio::Ok ||
            QByteArray(name).contains(kLoopbackSuffix))
            continue;
        inputs.append(record(id, static_cast<int>(state)));
    }

    if (temporary.system.getNumDrivers(&count) != zaudio::Ok) {
        LogError("[audioDeviceList] get drives num fail");
        return;
    }
    for (int id = 0; id < count; ++id) {
        if (temporary.system.getDriverInfo(id, name, kNameLength, &guid, &rate, &mode, &channels) ==
            zaudio::Ok)
            outputs.append(record(id, -1));
    }

    if (inputs.isEmpty() || outputs.isEmpty())
        LogError("[audioDeviceList] get device list is empty");
}

void Utility::setDefaultDevice(const QString& name)
{
    PulseSession session("Zelvani Voice Changer devices");
    if (!connectSession(&session, "setDefaultDevice"))
        return;
    QList<PulseSession::Device> sinks;
    QList<PulseSession::Device> sources;
    if (!session.listDevices(&sinks, &sources))
        return;
    for (const QList<PulseSession::Device>* devices : {&sinks, &sources}) {
        for (const PulseSession::Device& device : *devices) {
            // Monitors count too: one may have been the default to put back.
            if (device.description != name)
                continue;
            if (!session.setDefault(device.source, device.name))
                LogError(QStringLiteral("[setDefaultDevice] %1: %2").arg(name, session.lastError()));
        }
    }
}

bool Utility::defaultDeviceNames(QString* recording, QString* playback)
{
    recording->clear();
    playback->clear();
    PulseSession session("Zelvani Voice Changer devices");
    if (!connectSession(&session, "defaultDeviceNames"))
        return false;
    QByteArray sink;
    QByteArray source;
    QList<PulseSession::Device> sinks;
    QList<PulseSession::Device> sources;
    if (!session.defaultNames(&sink, &source) || !session.listDevices(&sinks, &sources))
        return false;
    for (const PulseSession::Device& device : sinks) {
        if (device.name == sink)
            *playback = device.description;
    }
    for (const PulseSession::Device& device : sources) {
        if (device.name == source)
            *recording = device.description;
    }
    return true;
}

DeviceSelection::Choice Utility::chooseDevice(int kind, const QString& inputName, const QString& outputName)
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    audioDeviceList(inputs, outputs);
    const DeviceSelection::Choice choice =
        DeviceSelection::select(inputs, outputs, kind, inputName, outputName);
    for (const QString& name : choice.makeDefault)
        setDefaultDevice(name);
    if (!choice.listsEmpty)
        LogInfo(DeviceSelection::logLine(choice.device));
    return choice;
}
