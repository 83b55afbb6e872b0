#include "core/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace korvo {

SettingsFileRead readSettingsFile(const QString& path) {
    using Outcome = SettingsFileRead::Outcome;
    const QFileInfo info(path);
    if (!info.exists()) return {Outcome::Missing, {}};
    // A directory, FIFO or device is no settings file, and opening a FIFO would block.
    if (!info.isFile() || info.size() > SettingsMaxBytes) return {Outcome::Rejected, {}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {Outcome::Rejected, {}};
    const QByteArray bytes = file.read(SettingsMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) return {Outcome::Rejected, {}};

    DecodedSettings decoded = decodeSettingsFile(bytes);
    if (decoded.fault != SettingsFault::None) return {Outcome::Rejected, {}};
    return {Outcome::Read, std::move(decoded.lines)};
}

namespace {

std::optional<QByteArray> contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(SettingsMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

QString replace(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A folder the user may not write to but a Korvo.ini they may (an installed
    // program with only its settings opened up): rewrite the file in place there.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a full disk fails the write itself: a buffer flushed
    // only on commit() has its error lost, and an empty file replaced Korvo.ini.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.flush() || !file.commit())
        return file.errorString().isEmpty() ? QStringLiteral("the file could not be written completely")
                                            : file.errorString();
    return {};
}

// Rewriting in place has already cut the old file when a write fails: put it back.
QString putBack(const QString& path, const QByteArray& previous) {
    if (contents(path) == previous) return {};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(previous) != previous.size())
        return QStringLiteral("; the previous settings could not be put back either: %1")
            .arg(file.errorString());
    return {};
}

} // namespace

QString writeSettingsFile(const QString& path, const QStringList& lines) {
    const QFileInfo info(path);
    // Writing into a FIFO would block, and replacing a device or a directory is
    // not what whoever put it there meant.
    if (info.exists() && !info.isFile()) return QStringLiteral("it is not a regular file");
    const std::optional<QByteArray> previous = info.exists() ? contents(path) : std::nullopt;

    const EncodedSettings encoded =
        encodeSettingsFile(lines, previous ? settingsEncodingOf(*previous) : SettingsEncoding::System);
    if (!encoded.error.isEmpty()) return encoded.error;

    const QString failure = replace(path, encoded.bytes);
    if (failure.isEmpty() || !previous) return failure;
    return failure + putBack(path, *previous);
}

} // namespace korvo
