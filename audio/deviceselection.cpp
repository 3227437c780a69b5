#include "deviceselection.h"

namespace DeviceSelection {

namespace {

// When no name matched: the first device unless it is the cable, else the
// second whatever it is.
Choice fallback(const QList<AudioDevice>& devices)
{
    Choice choice;
    if (!devices.isEmpty() && !isVirtualCable(devices.first().name)) {
        choice.device = devices.first();
        choice.rule = QStringLiteral("no name matched: the first device");
    } else if (devices.size() > 1) {
        choice.device = devices.at(1);
        choice.rule = QStringLiteral("no name matched: the second device (the first is the virtual cable)");
    } else {
        choice.rule = QStringLiteral("no name matched and no device other than the virtual cable");
    }
    return choice;
}

QString quoted(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("(none configured: every name matches)")
                          : QStringLiteral("\"%1\"").arg(name);
}

Choice selectInput(const QList<AudioDevice>& inputs, const QString& inputName)
{
    Choice choice;
    bool matched = false;
    QStringList cables;
    QString previousDefault;
    for (const AudioDevice& device : inputs) {
        if (isVirtualCable(device.name)) {
            cables.append(device.name);
        } else if (device.name.contains(inputName)) {
            choice.device = device;
            choice.sampleRate = device.sampleRate;
            matched = true;
        }
        if (device.state == 3)
            previousDefault = device.name;
    }
    if (matched)
        choice.rule =
            QStringLiteral("the last input whose name contains InputName %1").arg(quoted(inputName));
    else
        choice = fallback(inputs);
    choice.makeDefault = cables;
    choice.previousDefault = previousDefault;
    return choice;
}

Choice selectOutput(const QList<AudioDevice>& outputs, const QString& outputName)
{
    for (const AudioDevice& device : outputs) {
        if (device.name.contains(outputName)) {
            Choice choice;
            choice.device = device;
            choice.rule =
                QStringLiteral("the first output whose name contains OutputName %1").arg(quoted(outputName));
            return choice;
        }
    }
    return fallback(outputs);
}

Choice selectVirtualOutput(const QList<AudioDevice>& outputs)
{
    Choice choice;
    for (const AudioDevice& device : outputs) {
        if (isVirtualCable(device.name)) {
            choice.device = device;
            choice.rule =
                QStringLiteral("the first output whose name contains \"%1\"").arg(virtualCableMarker());
            return choice;
        }
    }
    choice.rule = QStringLiteral("no output's name contains \"%1\"").arg(virtualCableMarker());
    return choice;
}

} // namespace

Choice select(const QList<AudioDevice>& inputs, const QList<AudioDevice>& outputs, int kind,
              const QString& inputName, const QString& outputName)
{
    if (inputs.isEmpty() || outputs.isEmpty()) {
        Choice choice;
        choice.listsEmpty = true;
        choice.rule = QStringLiteral("no input or no output device is listed");
        return choice;
    }
    switch (kind) {
    case KindInput:
        return selectInput(inputs, inputName);
    case KindOutput:
        return selectOutput(outputs, outputName);
    case KindVirtualOutput:
        return selectVirtualOutput(outputs);
    default:
        return Choice();
    }
}

AudioDevice reselect(const QList<AudioDevice>& devices, const QString& configuredName)
{
    if (devices.isEmpty())
        return AudioDevice();
    for (const AudioDevice& device : devices) {
        if (!isVirtualCable(device.name) && device.name == configuredName)
            return device;
    }
    if (isVirtualCable(devices.first().name))
        return devices.size() > 1 ? devices.at(1) : AudioDevice();
    return devices.first();
}

QString logLine(const AudioDevice& device)
{
    // One multi-argument arg() so a "%1" inside a device name stays as it is.
    return QStringLiteral(
               "[AudioDevice] (id: %1, name: %2, sampleRate: %3, channel: %4, state: %5, mode: %6, guid: %7)")
        .arg(QString::number(device.id), device.name, QString::number(device.sampleRate),
             QString::number(device.channel), QString::number(device.state), QString::number(device.mode),
             device.guid);
}

} // namespace DeviceSelection
