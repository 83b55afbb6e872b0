#include "ui/HelpPage.h"

#include "ui/Environment.h"

#include <QCoreApplication>
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

void showHelp(const Environment& env, QWidget* parent) {
    const QString title = QCoreApplication::translate("korvo::HelpPage", "Korvo Help");
    QString path = QDir(env.programFolder).filePath(QStringLiteral("KorvoHelp.chm"));
    if (!QFileInfo::exists(path)) path = ownHelpPage(env.programFolder);
    if (path.isEmpty()) {
        env.exclamation(parent, title,
                        QCoreApplication::translate("korvo::HelpPage",
                                                    "The help file \"KorvoHelp.chm\" was not found in %1.")
                            .arg(QDir::toNativeSeparators(env.programFolder)));
        return;
    }
    if (!env.openDocument(path))
        env.exclamation(parent, title,
                        QCoreApplication::translate(
                            "korvo::HelpPage", "No program on this computer could open the help file %1.")
                            .arg(QDir::toNativeSeparators(path)));
}

} // namespace korvo
