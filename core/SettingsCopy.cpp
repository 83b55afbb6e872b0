#include "core/SettingsCopy.h"

#include "core/SettingsLines.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace korvo {

QString settingsCopyPath(const QString& path) {
    // Not the application's own folder: the window, the command line and the tests' helpers all find it.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty()) return {};
    const QByteArray name = QCryptographicHash::hash(QFile::encodeName(QFileInfo(path).absoluteFilePath()),
                                                     QCryptographicHash::Sha1)
                                .toHex();
    return folder + QStringLiteral("/Korvo/interrupted-saves/") + QString::fromLatin1(name) +
           QStringLiteral(".ini");
}

QString keepSettingsCopy(const QString& path, const QByteArray& bytes) {
    const QString copy = settingsCopyPath(path);
    const auto refused = [&copy](const QString& why) {
        return QCoreApplication::translate(
                   "SettingsFile", "its folder may not be written to, and no copy of it could be kept "
                                   "first in \"%1\" (%2), without which a save cut short would empty it")
            .arg(QDir::toNativeSeparators(copy), why);
    };
    if (copy.isEmpty()) return refused(QCoreApplication::translate("SettingsFile", "no data folder"));
    if (!QDir().mkpath(QFileInfo(copy).absolutePath()))
        return refused(QCoreApplication::translate("SettingsFile", "the folder could not be made"));
    QSaveFile file(copy);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit())
        return refused(file.errorString());
    return {};
}

std::optional<QByteArray> settingsCopy(const QString& path) {
    const QString copy = settingsCopyPath(path);
    if (copy.isEmpty()) return std::nullopt;
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(SettingsMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

void dropSettingsCopy(const QString& path) {
    if (const QString copy = settingsCopyPath(path); !copy.isEmpty()) QFile::remove(copy);
}

} // namespace korvo
