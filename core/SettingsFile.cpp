#include "core/SettingsFile.h"

#include "core/SettingsCopy.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvo {

namespace {

std::optional<QByteArray> contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(SettingsMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

// What is at `path` now, and its bytes when it is a readable regular file.
SettingsFingerprint look(const QString& path, std::optional<QByteArray>* bytes = nullptr) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    // A directory, FIFO or device is no settings file, and opening a FIFO would block.
    if (!info.isFile()) return QByteArrayLiteral("-not a regular file");
    std::optional<QByteArray> read = contents(path);
    // The bytes themselves: a few KiB, compared faster than any digest of them is made.
    SettingsFingerprint fingerprint = read ? '+' + *read : QByteArrayLiteral("-unreadable");
    if (bytes) *bytes = std::move(read);
    return fingerprint;
}

QString putBack(const QString& path, const QByteArray& previous);

SettingsFileRead readAsItIs(const QString& path) {
    using Outcome = SettingsFileRead::Outcome;
    std::optional<QByteArray> bytes;
    SettingsFingerprint fingerprint = look(path, &bytes);
    if (fingerprint.isEmpty()) return {Outcome::Missing, {}, {}};
    if (!bytes) return {Outcome::Rejected, {}, fingerprint};
    DecodedSettings decoded = decodeSettingsFile(*bytes);
    if (decoded.fault != SettingsFault::None) return {Outcome::Rejected, {}, fingerprint};
    return {Outcome::Read, std::move(decoded.lines), fingerprint};
}

} // namespace

SettingsFileRead readSettingsFile(const QString& path) {
    using Outcome = SettingsFileRead::Outcome;
    SettingsFileRead read = readAsItIs(path);
    // A copy is left only by a save in place that was cut short: a file that does not read is its work.
    if (const std::optional<QByteArray> copy = settingsCopy(path)) {
        if (read.outcome == Outcome::Rejected && decodeSettingsFile(*copy).fault == SettingsFault::None &&
            putBack(path, *copy).isEmpty())
            read = readAsItIs(path);
        if (read.outcome == Outcome::Read) dropSettingsCopy(path);
    }
    return read;
}

SettingsFingerprint settingsFingerprint(const QString& path) {
    return look(path);
}

namespace {

// Run as root, a save could be steered into any file through a symbolic link that a user laid in
// its way (their ~/.config under sudo -E). As the kernel's protected_symlinks does in shared
// folders, root follows a link only when root owns it; the whole path is checked, link by link.
QString foreignLink(const QString& path) {
#ifdef Q_OS_UNIX
    const uid_t me = ::geteuid();
    if (me != 0) return {};
    QStringList rest = QFileInfo(path).absoluteFilePath().split(u'/', Qt::SkipEmptyParts);
    QString resolved;
    for (int hops = 0; !rest.isEmpty();) {
        const QString part = rest.takeFirst();
        if (part == QLatin1String(".")) continue;
        if (part == QLatin1String("..")) {
            resolved.truncate(resolved.lastIndexOf(u'/'));
            continue;
        }
        const QString next = resolved + u'/' + part;
        const QByteArray name = QFile::encodeName(next);
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = next;
            continue;
        }
        if (st.st_uid != me)
            return QCoreApplication::translate("SettingsFile",
                                               "\"%1\" is a symbolic link owned by another user (uid %2), "
                                               "and Korvo running as root does not write through it")
                .arg(next)
                .arg(st.st_uid);
        QByteArray target(4096, Qt::Uninitialized);
        const ssize_t length =
            ::readlink(name.constData(), target.data(), static_cast<size_t>(target.size()));
        if (length < 0 || length >= target.size() || ++hops > 40)
            return QCoreApplication::translate("SettingsFile",
                                               "the symbolic link \"%1\" could not be followed")
                .arg(next);
        const QString to = QFile::decodeName(target.left(length));
        if (to.startsWith(u'/')) resolved.clear();
        rest = to.split(u'/', Qt::SkipEmptyParts) + rest;
    }
#else
    Q_UNUSED(path);
#endif
    return {};
}

// Why nothing may be written at `path`, or empty.
QString refusal(const QString& path) {
    const QFileInfo info(path);
    // Writing into a FIFO would block, and replacing a device or a directory is
    // not what whoever put it there meant.
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("SettingsFile", "it is not a regular file");
    return foreignLink(path);
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
        return file.errorString().isEmpty()
                   ? QCoreApplication::translate("SettingsFile", "the file could not be written completely")
                   : file.errorString();
    return {};
}

// Rewriting in place has already cut the old file when a write fails: put it back.
QString putBack(const QString& path, const QByteArray& previous) {
    if (contents(path) == previous) return {};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(previous) != previous.size())
        return QCoreApplication::translate("SettingsFile",
                                           "; the previous settings could not be put back either: %1")
            .arg(file.errorString());
    return {};
}

QString store(const QString& path, const QByteArray& bytes, const std::optional<QByteArray>& previous,
              SettingsFingerprint* written) {
    // Rewritten in place (see replace): a copy first, which the next read puts back if the save is cut short.
    const QFileInfo target(QFileInfo(path).canonicalFilePath());
    const bool inPlace = previous && !QFileInfo(target.absolutePath()).isWritable();
    if (inPlace)
        if (const QString failure = keepSettingsCopy(path, *previous); !failure.isEmpty()) return failure;
    const QString failure = replace(path, bytes);
    if (failure.isEmpty()) {
        if (inPlace) dropSettingsCopy(path);
        if (written) *written = '+' + bytes;
        return failure;
    }
    const QString reason = previous ? failure + putBack(path, *previous) : failure;
    if (inPlace && contents(path) == previous) dropSettingsCopy(path);
    return reason;
}

} // namespace

QString writeSettingsFile(const QString& path, const QStringList& lines, SettingsFingerprint* written) {
    if (const QString refused = refusal(path); !refused.isEmpty()) return refused;
    const std::optional<QByteArray> previous = QFileInfo::exists(path) ? contents(path) : std::nullopt;

    const EncodedSettings encoded =
        encodeSettingsFile(lines, previous ? settingsEncodingOf(*previous) : SettingsEncoding::System);
    if (!encoded.error.isEmpty()) return encoded.error;
    return store(path, encoded.bytes, previous, written);
}

QString writeSettingsBytes(const QString& path, const QByteArray& bytes) {
    if (const QString refused = refusal(path); !refused.isEmpty()) return refused;
    const std::optional<QByteArray> previous = QFileInfo::exists(path) ? contents(path) : std::nullopt;
    return store(path, bytes, previous, nullptr);
}

QString acceptTermsInSettingsFile(const QString& path) {
    if (const QString refused = refusal(path); !refused.isEmpty()) return refused;
    const std::optional<QByteArray> bytes = contents(path);
    if (!bytes) return QCoreApplication::translate("SettingsFile", "it could not be read");
    const DecodedSettings decoded = decodeSettingsFile(*bytes);
    if (decoded.fault != SettingsFault::None)
        return QCoreApplication::translate(
                   "SettingsFile",
                   "it is not a settings file of %1 lines (it may be corrupt) and was left as it is")
            .arg(SettingsLineCount);
    constexpr int terms = settings_line::TermsAccepted;
    if (decoded.lines[terms - 1] == QLatin1String("1")) return {};

    // Line ends are CR LF in every encoding the file may use, so the line is found in the bytes.
    qsizetype start = 0;
    for (int line = 1; line < terms; ++line)
        start = bytes->indexOf("\r\n", start) + 2;
    const qsizetype end = bytes->indexOf("\r\n", start);
    QByteArray edited = *bytes;
    edited.replace(start, (end < 0 ? bytes->size() : end) - start, "1");

    QStringList expected = decoded.lines;
    expected[terms - 1] = QStringLiteral("1");
    // The old line may have been all that made the rest read as it did (its only non-ASCII bytes).
    if (decodeSettingsFile(edited).lines != expected) {
        const EncodedSettings encoded = encodeSettingsFile(expected, decoded.encoding);
        if (!encoded.error.isEmpty()) return encoded.error;
        edited = encoded.bytes;
    }
    return store(path, edited, bytes, nullptr);
}

} // namespace korvo
