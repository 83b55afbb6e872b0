#include "core/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace korvo {

SettingsFileRead readSettingsFile(const QString& path) {
    using Outcome = SettingsFileRead::Outcome;
    const QFileInfo info(path);
    if (!info.exists())
        return {Outcome::Missing, {}};
    // A directory, FIFO or device is no settings file, and opening a FIFO would block.
    if (!info.isFile() || info.size() > SettingsMaxBytes)
        return {Outcome::Rejected, {}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::Rejected, {}};
    const QByteArray bytes = file.read(SettingsMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {Outcome::Rejected, {}};

    DecodedSettings decoded = decodeSettingsFile(bytes);
    if (decoded.fault != SettingsFault::None)
        return {Outcome::Rejected, {}};
    return {Outcome::Read, std::move(decoded.lines)};
}

QString writeSettingsFile(const QString& path, const QStringList& lines) {
    const EncodedSettings encoded = encodeSettingsFile(lines);
    if (!encoded.error.isEmpty())
        return encoded.error;

    QSaveFile file(path);
    // A folder the user may not write to but a Korvo.ini they may (an installed
    // program with only its settings opened up): rewrite the file in place there.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(encoded.bytes) != encoded.bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace korvo
