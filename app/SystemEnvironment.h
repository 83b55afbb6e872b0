#pragma once

#include "ui/Environment.h"

namespace korvo {

// The real thing: the program's folder, the user's settings file (or `settingsFile`
// when given), the platform's service backend, std::_Exit, QMessageBox and QDesktopServices.
Environment systemEnvironment(const QString& settingsFile = QString());

} // namespace korvo
