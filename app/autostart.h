#pragma once

#include <QString>

// "Start with the system": a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart) that starts this program in the tray when the
// desktop session begins. The entry's presence is the setting.
namespace Autostart {

// The entry's path; the folder follows XDG_CONFIG_HOME.
QString entryPath();

bool isEnabled();

// Writes the entry (starting the running executable with --minimized) or
// removes it. False with `error` set when the file could not be changed.
bool setEnabled(bool enabled, QString* error = nullptr);

} // namespace Autostart
