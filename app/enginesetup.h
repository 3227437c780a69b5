#pragma once

// Connects the audio engine to the program's settings store and resources
// folder. The engine's own library cannot reach the settings store itself.

#include <QHash>
#include <QString>
#include <QVariant>

// Overrides take the place of stored settings for this process only (the
// command line's --input and --output); nothing is written.
void configureAudioEngine(const QHash<QString, QVariant>& overrides = {});

// The program's start of its audio: the virtual cable is installed when a
// side of it is missing, then the engine starts on the configured devices.
void startAudioEngine();
