// What process start needs of the windows: the main window, started.
#pragma once

#include "ui/Environment.h"

#include <QWidget>
#include <memory>

namespace korvo {

// Builds the main window and runs its start-up sequence; the window shows itself
// unless the terms window holds it back.
std::unique_ptr<QWidget> startMainWindow(Environment environment);

// Ends the program as "Exit" does (`by` names the request: "SIGTERM"...): at once, or while an apply
// is under way, once the service has answered it or the wait has run out, saying what it did.
void endMainWindow(QWidget& window, const QString& by);
// The session is ending and will end the program itself: an apply under way is waited for as above,
// without ending anything.
void settleMainWindow(QWidget& window, const QString& by);

} // namespace korvo
