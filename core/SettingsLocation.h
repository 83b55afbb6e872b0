// Where Korvo.ini lives. No window is involved, so start-up and tests can ask directly.
#pragma once

#include <QString>

namespace korvo {

// The settings file to read and save: `requested` when given (--settings FILE); otherwise a Korvo.ini
// beside the program when one exists (portable use, older setups); otherwise Korvo/Korvo.ini in the user's
// folder: on Windows %APPDATA% (the roaming profile), elsewhere the configuration folder ($XDG_CONFIG_HOME,
// by default ~/.config).
QString settingsLocation(const QString& programFolder, const QString& requested = QString());

// Creates the folder that `file` goes in when it is missing; false when that failed.
bool makeSettingsFolder(const QString& file);

} // namespace korvo
