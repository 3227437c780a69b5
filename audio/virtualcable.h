#pragma once

// The virtual cable: a null output ("CABLE Input (VB-Audio Virtual Cable)",
// where the engine plays the changed voice) and an input remapped from its
// monitor ("CABLE Output (VB-Audio Virtual Cable)", which other programs pick
// as their microphone). Both are modules of the sound server, loaded for the
// session.

#include "audiodevice.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace VirtualCable {

extern const char kPlaybackDescription[];
extern const char kRecordingDescription[];

struct Status
{
    bool playback = false;  // an output whose name carries the marker
    bool recording = false; // an input whose name carries the marker
    bool complete() const { return playback && recording; }
};

Status status(const QList<AudioDevice>& inputs, const QList<AudioDevice>& outputs);

// Loads the sides that are missing; `done` lists what was loaded. False with
// `error` set when there is no server or a side could not be made.
bool load(QString* error, QStringList* done = nullptr);
// Unloads both sides; `done` lists what was removed.
bool unload(QString* error, QStringList* done = nullptr);

// The programs recording from the cable's recording side now (their
// application names, each once, in the server's order). False with `error`
// set when the server cannot be asked; an empty list when nobody listens or
// the cable is missing.
bool listeners(QStringList* names, QString* error);

} // namespace VirtualCable
