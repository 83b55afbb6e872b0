#pragma once

#include "ui/Form1Environment.h"

namespace korvo {

// The real thing: the program's folder, the platform's service backend,
// std::_Exit, QMessageBox and QDesktopServices.
Form1Environment systemEnvironment();

} // namespace korvo
