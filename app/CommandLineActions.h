// korvo --list, --adapters, --apply and --sets: the same settings file and apply run as the window, with no
// window and no display. Needs a QCoreApplication.
#pragma once

#include <QString>
#include <optional>

namespace korvo {

namespace exit_code {
inline constexpr int Applied = 0;
inline constexpr int Invalid = 1; // values invalid, no adapter chosen, no usable settings file
inline constexpr int ServiceFailed = 2;
inline constexpr int RolledBack = 3;
inline constexpr int Usage = 64;
} // namespace exit_code

struct CommandLineRequest {
    enum class Action { List, Adapters, Apply, Sets };
    Action action = Action::List;
    bool json = false;
    QString profile;                    // --apply PROFILE
    std::optional<int> rollbackSeconds; // --rollback SECONDS
    QString settingsFile;               // --settings FILE, or empty
    QString set;                        // --set NAME, or empty for the set chosen last
};

int runCommandLine(const CommandLineRequest& request);

} // namespace korvo
