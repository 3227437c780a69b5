#pragma once

#include "audiodevice.h"
#include "deviceselection.h"

#include <QList>
#include <QString>

// Device lists and the system's default devices.
class Utility
{
public:
    static Utility* instance();

    // Appends the inputs (monitors of outputs left out) and the outputs as a
    // temporary audio library system lists them. Never cached.
    void audioDeviceList(QList<AudioDevice>& inputs, QList<AudioDevice>& outputs);
    // Makes every input and output whose name is `name` the system default.
    void setDefaultDevice(const QString& name);
    // The names of the current default recording and playback devices; empty
    // when there is no server or no default.
    bool defaultDeviceNames(QString* recording, QString* playback);

    // The engine's choice of one kind of device on fresh lists, carried out:
    // choosing the input makes the cable's recording side the default
    // microphone of other programs. Logs the chosen record unless the lists
    // were empty.
    DeviceSelection::Choice chooseDevice(int kind, const QString& inputName, const QString& outputName);

private:
    Utility() = default;
};
