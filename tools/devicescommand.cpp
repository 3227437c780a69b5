// zelvani-cli devices: the sound server's outputs and inputs as the audio
// library lists them.

#include "audiocommands.h"
#include "cli.h"
#include "commandsupport.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace cli {

namespace {

constexpr int kNameLength = 512;

QJsonArray devicesToJson(const QVector<AudioDevice>& devices)
{
    QJsonArray array;
    for (const AudioDevice& device : devices) {
        QJsonObject object;
        object.insert(QStringLiteral("id"), device.id);
        object.insert(QStringLiteral("name"), device.name);
        object.insert(QStringLiteral("sampleRate"), device.sampleRate);
        object.insert(QStringLiteral("channel"), device.channel);
        object.insert(QStringLiteral("state"), static_cast<int>(device.state));
        object.insert(QStringLiteral("mode"), device.mode);
        object.insert(QStringLiteral("guid"), device.guid);
        array.append(object);
    }
    return array;
}

void appendSection(QString* text, const char* title, const QVector<AudioDevice>& devices)
{
    text->append(QLatin1String(title));
    text->append(QLatin1String(":\n"));
    if (devices.isEmpty()) {
        text->append(QLatin1String("  (none)\n"));
        return;
    }
    int idWidth = 1;
    int nameWidth = 0;
    for (const AudioDevice& device : devices) {
        idWidth = std::max(idWidth, static_cast<int>(QString::number(device.id).size()));
        nameWidth = std::max(nameWidth, static_cast<int>(device.name.size()));
    }
    for (const AudioDevice& device : devices) {
        QString line = QStringLiteral("  %1  %2  %3 Hz, %4 channel%5")
                           .arg(device.id, idWidth)
                           .arg(device.name, -nameWidth)
                           .arg(device.sampleRate)
                           .arg(device.channel)
                           .arg(device.channel == 1 ? QString() : QStringLiteral("s"));
        if (device.state & zaudio::DriverDefault)
            line += QLatin1String("  (default)");
        text->append(line);
        text->append(QLatin1Char('\n'));
    }
}

} // namespace

zaudio::Result listDevices(const zaudio::System& system, DeviceList* list)
{
    *list = DeviceList();
    char name[kNameLength];
    zaudio::Guid guid;
    int rate = 0;
    zaudio::SpeakerMode mode = zaudio::SpeakerMode::Default;
    int channels = 0;
    auto device = [&](int id, unsigned state) {
        AudioDevice d;
        d.id = id;
        d.name = QString::fromUtf8(name);
        d.sampleRate = rate;
        d.channel = channels;
        d.state = state;
        d.mode = static_cast<int>(mode);
        d.guid = QString::fromStdString(zaudio::formatGuid(guid));
        return d;
    };

    int outputs = 0;
    if (zaudio::Result r = system.getNumDrivers(&outputs); r != zaudio::Ok)
        return r;
    // Before any setDriver, getDriver answers the server's default output.
    int defaultOutput = -1;
    if (outputs > 0 && system.getDriver(&defaultOutput) != zaudio::Ok)
        defaultOutput = -1;
    for (int id = 0; id < outputs; ++id) {
        if (zaudio::Result r = system.getDriverInfo(id, name, kNameLength, &guid, &rate, &mode, &channels);
            r != zaudio::Ok)
            return r;
        list->outputs.append(
            device(id, zaudio::DriverConnected | (id == defaultOutput ? zaudio::DriverDefault : 0u)));
    }

    int inputs = 0;
    if (zaudio::Result r = system.getRecordNumDrivers(&inputs, nullptr); r != zaudio::Ok)
        return r;
    for (int id = 0; id < inputs; ++id) {
        unsigned state = 0;
        if (zaudio::Result r =
                system.getRecordDriverInfo(id, name, kNameLength, &guid, &rate, &mode, &channels, &state);
            r != zaudio::Ok)
            return r;
        list->inputs.append(device(id, state));
    }
    return zaudio::Ok;
}

QJsonObject deviceListToJson(const DeviceList& list)
{
    QJsonObject object;
    object.insert(QStringLiteral("inputs"), devicesToJson(list.inputs));
    object.insert(QStringLiteral("outputs"), devicesToJson(list.outputs));
    return object;
}

QString deviceListToText(const DeviceList& list)
{
    // Without a server the library lists nothing at all; a server always has
    // at least one output (its null sink) and that output's monitor.
    if (list.outputs.isEmpty() && list.inputs.isEmpty())
        return QStringLiteral("No sound server: no devices.\n");
    QString text;
    appendSection(&text, "Outputs", list.outputs);
    appendSection(&text, "Inputs", list.inputs);
    return text;
}

int runDevices(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {}, {QStringLiteral("--json")}, &parsed, &error))
        return usageError(err, "devices", error);
    if (!parsed.positional.isEmpty())
        return usageError(err, "devices",
                          QStringLiteral("unexpected argument '%1'").arg(parsed.positional[0]));

    LibraryLog libraryLog(err);
    zaudio::System system;
    if (zaudio::Result r = zaudio::createSystem(&system); r != zaudio::Ok) {
        std::fprintf(err, "zelvani-cli: cannot start the audio library: %s\n", zaudio::errorString(r));
        return Failure;
    }
    SystemGuard guard(system);
    // Listing works before init, which would open a playback stream.
    DeviceList list;
    if (zaudio::Result r = listDevices(system, &list); r != zaudio::Ok) {
        std::fprintf(err, "zelvani-cli: cannot list the devices: %s\n", zaudio::errorString(r));
        return Failure;
    }

    if (parsed.has(QStringLiteral("--json"))) {
        const QByteArray json = QJsonDocument(deviceListToJson(list)).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), out);
    } else {
        std::fputs(deviceListToText(list).toUtf8().constData(), out);
    }
    return std::fflush(out) == 0 ? Success : Failure;
}

} // namespace cli
