// korvo.exe is a windowed program: Windows gives it no console, so what the command line prints
// would go nowhere when it is started from one.
#pragma once

namespace korvo {

// Joins the console of the process that started Korvo, if any, for the standard streams that
// were not redirected to a file or a pipe.
void attachParentConsole();

} // namespace korvo
