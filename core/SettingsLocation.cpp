#include "core/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvo {

QString settingsLocation(const QString& programFolder, const QString& requested) {
    if (!requested.isEmpty()) return QFileInfo(requested).absoluteFilePath();
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Korvo.ini"));
#ifdef _WIN32
    // The same rule as below, with the roaming profile (%APPDATA%) as the user's folder: an installed
    // Korvo's folder under Program Files is not the user's to write. Qt's AppDataLocation would add
    // the application's name, which tests and the command line set differently.
    if (QFileInfo::exists(beside)) return beside;
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (roaming.isEmpty()) return beside;
    return QDir(QDir::fromNativeSeparators(roaming)).filePath(QStringLiteral("Korvo/Korvo.ini"));
#else
    // An installed program's folder is not the user's to write; a copy there still wins so that a
    // portable setup, and every one made before this rule, keeps its settings.
    if (QFileInfo::exists(beside)) return beside;
    // The XDG rules say a relative $XDG_CONFIG_HOME is invalid and to be ignored; Qt 6.4 uses it,
    // which would put the settings wherever Korvo happened to be started.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString config = !xdg.isEmpty() && QDir::isRelativePath(xdg)
                               ? QDir::home().filePath(QStringLiteral(".config"))
                               : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) return beside;
    return QDir(config).filePath(QStringLiteral("Korvo/Korvo.ini"));
#endif
}

bool makeSettingsFolder(const QString& file) {
    const QDir folder = QFileInfo(file).absoluteDir();
    return folder.exists() || folder.mkpath(QStringLiteral("."));
}

} // namespace korvo
