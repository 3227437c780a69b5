#include "virtualcable.h"

#include "pulsesession.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace VirtualCable {

const char kPlaybackDescription[] = "CABLE Input (VB-Audio Virtual Cable)";
const char kRecordingDescription[] = "CABLE Output (VB-Audio Virtual Cable)";

namespace {

constexpr int kConnectTimeoutMs = 2000;
// PipeWire's PulseAudio server answers a module load before the new node is
// listed, so a fresh side is looked for again for up to this long.
constexpr int kAppearTimeoutMs = 3000;
constexpr int kAppearPollMs = 50;

struct Sides
{
    const PulseSession::Device* playback = nullptr;
    const PulseSession::Device* recording = nullptr;
};

Sides findSides(const QList<PulseSession::Device>& sinks, const QList<PulseSession::Device>& sources)
{
    Sides sides;
    for (const PulseSession::Device& sink : sinks) {
        if (!sides.playback && isVirtualCable(sink.description))
            sides.playback = &sink;
    }
    for (const PulseSession::Device& source : sources) {
        if (!sides.recording && !source.monitor && isVirtualCable(source.description))
            sides.recording = &source;
    }
    return sides;
}

bool listDevices(PulseSession* session, QList<PulseSession::Device>* sinks,
                 QList<PulseSession::Device>* sources, QString* error)
{
    sinks->clear();
    sources->clear();
    if (session->listDevices(sinks, sources))
        return true;
    *error = QStringLiteral("cannot list the devices: %1").arg(session->lastError());
    return false;
}

// Connects and lists the devices.
bool open(PulseSession* session, QList<PulseSession::Device>* sinks, QList<PulseSession::Device>* sources,
          QString* error)
{
    if (!session->connect(kConnectTimeoutMs, error)) {
        *error = QStringLiteral("no sound server: %1").arg(*error);
        return false;
    }
    return listDevices(session, sinks, sources, error);
}

// A property list value in double quotes, for module arguments.
QByteArray description(const char* text)
{
    return QByteArray("device.description=\"") + text + '"';
}

// Lists the devices again until `present` holds for them; past the time,
// `missing` becomes the error.
template <typename Present>
bool waitForSide(PulseSession* session, QList<PulseSession::Device>* sinks,
                 QList<PulseSession::Device>* sources, QString* error, Present present,
                 const QString& missing)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (!listDevices(session, sinks, sources, error))
            return false;
        if (present(findSides(*sinks, *sources)))
            return true;
        if (clock.elapsed() >= kAppearTimeoutMs) {
            *error = missing;
            return false;
        }
        QThread::msleep(kAppearPollMs);
    }
}

} // namespace

Status status(const QList<AudioDevice>& inputs, const QList<AudioDevice>& outputs)
{
    auto hasCable = [](const QList<AudioDevice>& devices) {
        return std::any_of(devices.begin(), devices.end(),
                           [](const AudioDevice& device) { return isVirtualCable(device.name); });
    };
    Status result;
    result.recording = hasCable(inputs);
    result.playback = hasCable(outputs);
    return result;
}

bool load(QString* error, QStringList* done)
{
    PulseSession session("Zelvani Voice Changer cable");
    QList<PulseSession::Device> sinks;
    QList<PulseSession::Device> sources;
    if (!open(&session, &sinks, &sources, error))
        return false;
    Sides sides = findSides(sinks, sources);
    if (!sides.playback) {
        const QByteArray arguments = "sink_name=zelvani_cable rate=48000 channels=2 sink_properties='" +
                                     description(kPlaybackDescription) + "'";
        if (!session.loadModule("module-null-sink", arguments, nullptr)) {
            *error = QStringLiteral("cannot load the cable's playback side: %1").arg(session.lastError());
            return false;
        }
        if (done)
            done->append(QString::fromLatin1(kPlaybackDescription));
        if (!waitForSide(
                &session, &sinks, &sources, error, [](const Sides& found) { return found.playback; },
                QStringLiteral("the sound server made no output named \"%1\"").arg(kPlaybackDescription)))
            return false;
        sides = findSides(sinks, sources);
    }
    if (!sides.recording) {
        const QByteArray arguments = "master=" + sides.playback->monitorName +
                                     " source_name=zelvani_cable_output source_properties='" +
                                     description(kRecordingDescription) + "'";
        if (!session.loadModule("module-remap-source", arguments, nullptr)) {
            *error = QStringLiteral("cannot load the cable's recording side: %1").arg(session.lastError());
            return false;
        }
        if (done)
            done->append(QString::fromLatin1(kRecordingDescription));
        if (!waitForSide(
                &session, &sinks, &sources, error, [](const Sides& found) { return found.recording; },
                QStringLiteral("the sound server made no input named \"%1\"").arg(kRecordingDescription)))
            return false;
    }
    return true;
}

bool unload(QString* error, QStringList* done)
{
    PulseSession session("Zelvani Voice Changer cable");
    QList<PulseSession::Device> sinks;
    QList<PulseSession::Device> sources;
    if (!open(&session, &sinks, &sources, error))
        return false;
    // The recording sides first: unloading an output also takes the inputs
    // remapped from it.
    QList<const PulseSession::Device*> sides;
    for (const PulseSession::Device& source : sources) {
        if (!source.monitor && isVirtualCable(source.description))
            sides.append(&source);
    }
    for (const PulseSession::Device& sink : sinks) {
        if (isVirtualCable(sink.description))
            sides.append(&sink);
    }
    QList<std::uint32_t> unloaded;
    for (const PulseSession::Device* side : sides) {
        if (side->ownerModule == PA_INVALID_INDEX) {
            *error = QStringLiteral("\"%1\" is not a module of the sound server and cannot be removed here")
                         .arg(side->description);
            return false;
        }
        if (unloaded.contains(side->ownerModule))
            continue;
        if (!session.unloadModule(side->ownerModule)) {
            *error = QStringLiteral("cannot remove \"%1\": %2").arg(side->description, session.lastError());
            return false;
        }
        unloaded.append(side->ownerModule);
        if (done)
            done->append(side->description);
    }
    return true;
}

bool listeners(QStringList* names, QString* error)
{
    names->clear();
    PulseSession session("Zelvani cable listeners");
    QList<PulseSession::Device> sinks;
    QList<PulseSession::Device> sources;
    if (!open(&session, &sinks, &sources, error))
        return false;
    const Sides sides = findSides(sinks, sources);
    if (!sides.recording)
        return true;
    struct Query
    {
        std::uint32_t source;
        QStringList* names;
    } query{sides.recording->index, names};
    PulseLock lock(session);
    pa_operation* op = pa_context_get_source_output_info_list(
        session.context(),
        [](pa_context*, const pa_source_output_info* info, int eol, void* data) {
            auto* q = static_cast<Query*>(data);
            if (eol || !info || info->source != q->source)
                return;
            const char* application = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_NAME);
            const QString name = QString::fromUtf8(application ? application : info->name);
            if (!q->names->contains(name))
                q->names->append(name);
        },
        &query);
    if (!session.wait(op)) {
        *error = QStringLiteral("cannot list the recording streams: %1").arg(session.lastError());
        return false;
    }
    return true;
}

} // namespace VirtualCable
