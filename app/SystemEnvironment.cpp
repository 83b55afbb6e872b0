#include "app/SystemEnvironment.h"

#include "core/SettingsLocation.h"
#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace korvo {

Environment systemEnvironment(const QString& settingsFile) {
    Environment env;
    env.programFolder = QCoreApplication::applicationDirPath();
    env.settingsFile = settingsLocation(env.programFolder, settingsFile);
    env.connector = platform::makeSystemConnector();
    env.terminate = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    env.exclamation = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
    };
    env.question = [](QWidget* parent, const QString& title, const QString& text) {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    env.openDocument = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    return env;
}

} // namespace korvo
