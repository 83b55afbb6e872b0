// Everything the command line prints goes through here, so that it reaches the reader intact.
#pragma once

#include <QString>
#include <cstdio>

namespace korvo {

// Writes `text` to `stream`: to a Windows console as Unicode (the console's own code page is the OEM
// one, which holds neither every name nor the ANSI code page's), everywhere else as UTF-8. A pipe or
// a file gets UTF-8 on Windows too: JSON must be, and a script cannot know the writer's code page.
void writeText(std::FILE* stream, const QString& text);

} // namespace korvo
