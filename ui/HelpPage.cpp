#include "ui/HelpPage.h"

#include <QDir>
#include <QFileInfo>

namespace korvo {

QString ownHelpPage(const QString& programFolder) {
    const QDir folder(programFolder);
    for (const QString& candidate :
         {QStringLiteral("../share/korvo/help/index.html"), QStringLiteral("help/index.html")}) {
        const QString path = QDir::cleanPath(folder.filePath(candidate));
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

} // namespace korvo
