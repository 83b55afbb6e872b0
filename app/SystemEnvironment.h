#pragma once

#include "ui/Environment.h"

namespace korvo {

// The real thing: the program's folder, the platform's service backend,
// std::_Exit, QMessageBox and QDesktopServices.
Environment systemEnvironment();

} // namespace korvo
