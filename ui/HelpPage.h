// Korvo's own help page, for when no KorvoHelp.chm sits beside the program.
#pragma once

#include <QString>

namespace korvo {

// The installed page (<prefix>/share/korvo/help/index.html beside <prefix>/bin), else the copy a
// build puts beside the program (help/index.html); empty when there is neither.
QString ownHelpPage(const QString& programFolder);

} // namespace korvo
