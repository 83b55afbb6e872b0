// What process start needs of the windows: the main window, started.
#pragma once

#include "ui/Environment.h"

#include <QWidget>
#include <memory>

namespace korvo {

// Builds the main window and runs its start-up sequence; the window shows itself
// unless the terms window holds it back.
std::unique_ptr<QWidget> startMainWindow(Environment environment);

} // namespace korvo
