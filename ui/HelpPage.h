// Korvo's own help page, for when no KorvoHelp.chm sits beside the program.
#pragma once

#include <QString>

class QWidget;

namespace korvo {

struct Environment;

// The installed page (<prefix>/share/korvo/help/index.html beside <prefix>/bin), else the copy a
// build puts beside the program (help/index.html); empty when there is neither.
QString ownHelpPage(const QString& programFolder);

// Opens KorvoHelp.chm from the program folder, else the own page, with the desktop's viewer; a
// message box over `parent` says why when neither is there or nothing can open it.
void showHelp(const Environment& env, QWidget* parent);

} // namespace korvo
