// zelvani-cli devices and cable: the devices as the engine lists them, the
// ones it would choose, and the virtual cable.

#include "audiocommands.h"
#include "cli.h"
#include "commandsupport.h"
#include "cutesettings.h"
#include "deviceselection.h"
#include "launchmanager.h"
#include "utility.h"
#include "virtualcable.h"

#include <QJsonDocument>

#include <algorithm>

namespace cli {

namespace {

QJsonObject deviceToJson(const AudioDevice& device)
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), device.id);
    object.insert(QStringLiteral("name"), device.name);
    object.insert(QStringLiteral("sampleRate"), device.sampleRate);
    object.insert(QStringLiteral("channel"), device.channel);
    object.insert(QStringLiteral("state"), device.state);
    object.insert(QStringLiteral("mode"), device.mode);
    object.insert(QStringLiteral("guid"), device.guid);
    return object;
}

QJsonArray devicesToJson(const QList<AudioDevice>& devices)
{
    QJsonArray array;
    for (const AudioDevice& device : devices)
        array.append(deviceToJson(device));
    return array;
}

void appendSection(QString* text, const char* title, const QList<AudioDevice>& devices,
                   const QString& defaultName)
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
        QString line =
            QStringLiteral("  %1  %2  %3 Hz, %4 channel%5")
                .arg(QString::number(device.id).rightJustified(idWidth), device.name.leftJustified(nameWidth),
                     QString::number(device.sampleRate), QString::number(device.channel),
                     device.channel == 1 ? QString() : QStringLiteral("s"));
        if (device.name == defaultName)
            line += QLatin1String("  (default)");
        text->append(line);
        text->append(QLatin1Char('\n'));
    }
}

const char* const kKindKeys[] = {"input", "output", "virtual"};

} // namespace

DeviceReport deviceReport()
{
    DeviceReport report;
    Utility::instance()->audioDeviceList(report.inputs, report.outputs);
    Utility::instance()->defaultDeviceNames(&report.defaultInput, &report.defaultOutput);
    CuteSettings* settings = CuteSettings::instance();
    const QString inputName = settings->value(QStringLiteral("InputName"), QString(), Ini).toString();
    const QString outputName = settings->value(QStringLiteral("OutputName"), QString(), Ini).toString();
    for (int kind = DeviceSelection::KindInput; kind <= DeviceSelection::KindVirtualOutput; ++kind)
        report.chosen[kind] =
            DeviceSelection::select(report.inputs, report.outputs, kind, inputName, outputName);
    return report;
}

QJsonObject deviceReportToJson(const DeviceReport& report)
{
    QJsonObject chosen;
    for (int kind = 0; kind < 3; ++kind) {
        QJsonObject entry;
        entry.insert(QStringLiteral("device"), deviceToJson(report.chosen[kind].device));
        entry.insert(QStringLiteral("rule"), report.chosen[kind].rule);
        chosen.insert(QLatin1String(kKindKeys[kind]), entry);
    }
    QJsonObject object;
    object.insert(QStringLiteral("inputs"), devicesToJson(report.inputs));
    object.insert(QStringLiteral("outputs"), devicesToJson(report.outputs));
    object.insert(QStringLiteral("chosen"), chosen);
    return object;
}

QString deviceReportToText(const DeviceReport& report)
{
    if (report.outputs.isEmpty() && report.inputs.isEmpty())
        return QStringLiteral("No sound server: no devices.\n");
    QString text;
    appendSection(&text, "Outputs", report.outputs, report.defaultOutput);
    appendSection(&text, "Inputs", report.inputs, report.defaultInput);
    text.append(QLatin1String("Chosen:\n"));
    for (int kind = 0; kind < 3; ++kind) {
        const DeviceSelection::Choice& choice = report.chosen[kind];
        const QString name = choice.device.name.isEmpty() ? QStringLiteral("(none)") : choice.device.name;
        text.append(QStringLiteral("  %1  %2  (%3)\n")
                        .arg(QString::fromLatin1(kKindKeys[kind]).leftJustified(7), name, choice.rule));
    }
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
    const DeviceReport report = deviceReport();
    if (parsed.has(QStringLiteral("--json"))) {
        const QByteArray json = QJsonDocument(deviceReportToJson(report)).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), out);
    } else {
        std::fputs(deviceReportToText(report).toUtf8().constData(), out);
    }
    return std::fflush(out) == 0 ? Success : Failure;
}

int runCable(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments, {}, {}, &parsed, &error))
        return usageError(err, "cable", error);
    const QStringList actions = {QStringLiteral("status"), QStringLiteral("install"),
                                 QStringLiteral("remove")};
    if (parsed.positional.size() != 1 || !actions.contains(parsed.positional[0]))
        return usageError(err, "cable", QStringLiteral("say status, install or remove"));
    const QString action = parsed.positional[0];

    LibraryLog libraryLog(err);
    auto currentStatus = [](bool* serverFound) {
        QList<AudioDevice> inputs;
        QList<AudioDevice> outputs;
        Utility::instance()->audioDeviceList(inputs, outputs);
        *serverFound = !inputs.isEmpty() || !outputs.isEmpty();
        return VirtualCable::status(inputs, outputs);
    };
    bool serverFound = false;
    const VirtualCable::Status before = currentStatus(&serverFound);
    if (!serverFound) {
        std::fputs("zelvani-cli: cable: no sound server: no devices\n", err);
        return Failure;
    }

    if (action == QLatin1String("status")) {
        std::fprintf(out, "playback side  \"%s\": %s\n", VirtualCable::kPlaybackDescription,
                     before.playback ? "present" : "missing");
        std::fprintf(out, "recording side \"%s\": %s\n", VirtualCable::kRecordingDescription,
                     before.recording ? "present" : "missing");
        std::fputs(before.complete() ? "The virtual cable is complete.\n"
                                     : "The virtual cable is incomplete.\n",
                   out);
        // Scripts test the cable by the exit code.
        if (!before.complete())
            return Failure;
    } else if (action == QLatin1String("install")) {
        if (before.complete()) {
            std::fputs("The virtual cable is already complete; nothing to do.\n", out);
        } else {
            // The program's own launch step: load, let the server settle, put the defaults back.
            LaunchManager::instance()->installVirtualDriver();
            const VirtualCable::Status after = currentStatus(&serverFound);
            if (!after.complete()) {
                std::fputs(
                    "zelvani-cli: cable: the virtual cable is still incomplete; see the log for the cause\n",
                    err);
                return Failure;
            }
            std::fputs("Installed the virtual cable; the default devices are as they were.\n", out);
        }
    } else {
        QStringList removed;
        if (!VirtualCable::unload(&error, &removed)) {
            std::fprintf(err, "zelvani-cli: cable: %s\n", qPrintable(error));
            return Failure;
        }
        if (removed.isEmpty())
            std::fputs("There is no virtual cable to remove.\n", out);
        for (const QString& name : removed)
            std::fprintf(out, "Removed \"%s\".\n", name.toUtf8().constData());
    }
    return std::fflush(out) == 0 ? Success : Failure;
}

} // namespace cli
