// What korvo and its window module (korvo-window) say to each other. korvo loads the module only when a
// window is wanted, so the command line never loads Qt Gui or Widgets; both are built together, from
// the same sources and compiler.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace korvo {

struct WindowStart {
    // main's own: the application object keeps referring to them.
    int* argc = nullptr;
    char** argv = nullptr;
    // Called once the application object exists and has taken Qt's own options out: installs the
    // user's language and reads Korvo's options again. An exit code (a usage error) ends the start;
    // otherwise `settingsFile` is --settings FILE, or empty for the usual file.
    std::function<std::optional<int>(QString* settingsFile)> applicationMade;
};

// The module's one entry, looked up by this name: runs the window until it is closed and returns the
// exit code.
inline constexpr char WindowEntryName[] = "korvoWindowMain";
using WindowEntry = int (*)(WindowStart* start);

} // namespace korvo
