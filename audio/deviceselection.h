#pragma once

// How the engine picks its microphone, its output device and the virtual
// cable's playback side from the device lists, and how a device of a kind is
// picked again after a device came or went. Pure functions: the callers read
// the settings, fetch the lists and carry out what the result asks for.

#include "audiodevice.h"

#include <QList>
#include <QStringList>

namespace DeviceSelection {

enum Kind
{
    KindInput = 0,
    KindOutput = 1,
    KindVirtualOutput = 2
};

struct Choice
{
    AudioDevice device; // the empty record when nothing fits
    QString rule;       // why this device, in a few words
    // The lists were empty: nothing was chosen and nothing is to be logged.
    bool listsEmpty = false;
    // Inputs only: the rate the engine takes over (0 leaves it as it is),
    // the cable recording sides to make the system's default microphone, in
    // list order, and the input that was the system default (state 3), to be
    // made the default again at shut-down.
    int sampleRate = 0;
    QStringList makeDefault;
    QString previousDefault;
};

Choice select(const QList<AudioDevice>& inputs, const QList<AudioDevice>& outputs, int kind,
              const QString& inputName, const QString& outputName);

// The device to use again for one kind after a device came or went: the one
// named `configuredName` (never the cable), else the first device, or the
// second when the first is the cable. The empty record for an empty list.
AudioDevice reselect(const QList<AudioDevice>& devices, const QString& configuredName);

// "[AudioDevice] (id: …, name: …, sampleRate: …, channel: …, state: …, mode: …, guid: …)"
QString logLine(const AudioDevice& device);

} // namespace DeviceSelection
