#include "core/ProfileSets.h"

#include "core/ExtraSettings.h"
#include "core/ProfileBook.h"
#include "core/SettingsFile.h"
#include "core/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <optional>

namespace korvo {

namespace {

const QLatin1String Suffix(".ini");
constexpr int MaxNameLength = 64;
// A companion is a small INI file; anything far bigger is not one.
constexpr qsizetype CompanionMaxBytes = 1024 * 1024;

// The whole file when it is a readable regular file of at most `limit` bytes.
std::optional<QByteArray> bytesOf(const QString& path, qsizetype limit) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > limit) return std::nullopt;
    return bytes;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Copies `from` to the new file `to` byte for byte; the companion along when there is one.
QString copyWithCompanion(const QString& from, const QString& to) {
    const auto unreadable = [](const QString& path) {
        return QCoreApplication::translate("ProfileSets", "\"%1\" could not be read").arg(shown(path));
    };
    const std::optional<QByteArray> bytes = bytesOf(from, SettingsMaxBytes);
    if (!bytes) return unreadable(from);
    const QString companion = companionOf(from);
    const bool paired = QFileInfo::exists(companion);
    const std::optional<QByteArray> extra = paired ? bytesOf(companion, CompanionMaxBytes) : std::nullopt;
    if (paired && !extra) return unreadable(companion);
    if (!makeSettingsFolder(to))
        return QCoreApplication::translate("ProfileSets", "the folder of \"%1\" could not be created")
            .arg(shown(to));
    // The companion first: cut short in between, a companion without its set blocks the name and is
    // said so, where a set without its companion would quietly lack its extra addresses.
    if (extra)
        if (const QString failure = writeSettingsBytes(companionOf(to), *extra); !failure.isEmpty())
            return failure;
    const QString failure = writeSettingsBytes(to, *bytes);
    if (!failure.isEmpty() && extra) QFile::remove(companionOf(to)); // made just now, it holds nothing else
    return failure;
}

} // namespace

QString setNameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) return QCoreApplication::translate("ProfileSets", "a set needs a name");
    if (name.size() > MaxNameLength)
        return QCoreApplication::translate("ProfileSets", "a set's name has at most %1 characters")
            .arg(MaxNameLength);
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return QCoreApplication::translate("ProfileSets", "a set's name cannot hold control characters");
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            return QCoreApplication::translate("ProfileSets",
                                               "a set's name cannot hold any of / \\ : * ? \" < > |");
    }
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.startsWith(u'.'))
        return QCoreApplication::translate("ProfileSets", "a set's name cannot begin with a dot");
    // Windows drops them from file names, so that the file would have another name than the set.
    if (name.endsWith(u'.') || name.endsWith(u' ') || name.startsWith(u' '))
        return QCoreApplication::translate(
            "ProfileSets", "a set's name cannot begin or end with a blank, or end with a dot");
    if (name.endsWith(QLatin1String(".extra"), Qt::CaseInsensitive))
        return QCoreApplication::translate(
            "ProfileSets", "a set's name cannot end with \".extra\": that is the companion files' ending");
    static const QStringList devices{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                     QStringLiteral("NUL")};
    const QString stem = name.section(u'.', 0, 0).trimmed().toUpper();
    const bool numbered = stem.size() == 4 &&
                          (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
                          stem.back().isDigit();
    if (devices.contains(stem) || numbered)
        return QCoreApplication::translate("ProfileSets", "\"%1\" is a device's name on Windows").arg(stem);
    if (name.compare(QLatin1String(DefaultSetName), Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("ProfileSets",
                                           "\"%1\" is the name of the settings file Korvo always uses")
            .arg(name);
    return {};
}

QString companionOf(const QString& settingsFile) {
    return extraSettingsPath(settingsFile);
}

ProfileSets::ProfileSets(const QString& defaultFile) : Default(defaultFile) {}

QString ProfileSets::folder() const {
    return QFileInfo(Default).absoluteDir().filePath(QStringLiteral("sets"));
}

QStringList ProfileSets::names() const {
    QStringList names{QLatin1String(DefaultSetName)};
    const QStringList files = QDir(folder()).entryList(
        {QStringLiteral("*.ini")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        const QString name = file.chopped(Suffix.size());
        // Companions, and files that no set could have made, are not sets.
        if (setNameProblem(name).isEmpty()) names << name;
    }
    return names;
}

bool ProfileSets::exists(const QString& name) const {
    const QString file = fileOf(name);
    return !file.isEmpty() && QFileInfo(file).isFile();
}

QString ProfileSets::fileOf(const QString& name) const {
    if (name == QLatin1String(DefaultSetName)) return Default;
    if (!setNameProblem(name).isEmpty()) return {};
    return QDir(folder()).filePath(name + Suffix);
}

QString ProfileSets::memoryFile() const {
    // Not an .ini: it is no set.
    return QDir(folder()).filePath(QStringLiteral("chosen.conf"));
}

QString ProfileSets::chosen() const {
    if (!QFileInfo::exists(memoryFile())) return QLatin1String(DefaultSetName);
    const QSettings memory(memoryFile(), QSettings::IniFormat);
    const QString name = memory.value(QStringLiteral("Set")).toString();
    return exists(name) ? name : QLatin1String(DefaultSetName);
}

QString ProfileSets::choose(const QString& name) {
    if (!exists(name))
        return QCoreApplication::translate("ProfileSets", "there is no set named \"%1\"").arg(name);
    // Nothing to remember where there never were other sets.
    if (name == QLatin1String(DefaultSetName) && !QFileInfo::exists(memoryFile())) return {};
    if (!QDir().mkpath(folder()))
        return QCoreApplication::translate("ProfileSets", "the folder \"%1\" could not be created")
            .arg(shown(folder()));
    QSettings memory(memoryFile(), QSettings::IniFormat);
    memory.setValue(QStringLiteral("Set"), name);
    memory.sync();
    if (memory.status() != QSettings::NoError)
        return QCoreApplication::translate("ProfileSets", "the chosen set could not be remembered in \"%1\"")
            .arg(shown(memoryFile()));
    return {};
}

QString ProfileSets::newNameProblem(const QString& name) const {
    if (const QString problem = setNameProblem(name); !problem.isEmpty()) return problem;
    const QString file = fileOf(name);
    // Compared as the file system does: on Windows "lab" is "Lab".
    if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
        return QCoreApplication::translate("ProfileSets", "there is already a set named \"%1\"").arg(name);
    if (QFileInfo::exists(companionOf(file)))
        return QCoreApplication::translate("ProfileSets",
                                           "\"%1\" is in the way of the new set's companion file")
            .arg(shown(companionOf(file)));
    return {};
}

QString ProfileSets::create(const QString& name) {
    if (const QString problem = newNameProblem(name); !problem.isEmpty()) return problem;
    ProfileBook book;
    book.load(firstStartSettings());
    return book.save(fileOf(name));
}

QString ProfileSets::rename(const QString& from, const QString& to) {
    if (from == QLatin1String(DefaultSetName))
        return QCoreApplication::translate(
                   "ProfileSets", "the set \"%1\" is the settings file Korvo always uses and keeps its name")
            .arg(from);
    if (!exists(from))
        return QCoreApplication::translate("ProfileSets", "there is no set named \"%1\"").arg(from);
    if (const QString problem = newNameProblem(to); !problem.isEmpty()) return problem;
    const bool wasChosen = chosen() == from;
    const QString source = fileOf(from), target = fileOf(to);
    // A rename within a folder is atomic and leaves an existing file alone.
    QFile file(source);
    if (!file.rename(target)) return file.errorString();
    if (QFileInfo::exists(companionOf(source))) {
        QFile companion(companionOf(source));
        if (!companion.rename(companionOf(target))) {
            const QString reason = companion.errorString();
            QFile::rename(target, source);
            return reason;
        }
    }
    return wasChosen ? choose(to) : QString();
}

QString ProfileSets::duplicate(const QString& from, const QString& to) {
    if (!exists(from))
        return QCoreApplication::translate("ProfileSets", "there is no set named \"%1\"").arg(from);
    if (const QString problem = newNameProblem(to); !problem.isEmpty()) return problem;
    return copyWithCompanion(fileOf(from), fileOf(to));
}

QString ProfileSets::remove(const QString& name) {
    if (name == QLatin1String(DefaultSetName))
        return QCoreApplication::translate(
                   "ProfileSets",
                   "the set \"%1\" is the settings file Korvo always uses and cannot be deleted")
            .arg(name);
    if (!exists(name))
        return QCoreApplication::translate("ProfileSets", "there is no set named \"%1\"").arg(name);
    const bool wasChosen = chosen() == name;
    QFile file(fileOf(name));
    if (!file.remove()) return file.errorString();
    if (const QString companion = companionOf(fileOf(name)); QFileInfo::exists(companion)) {
        QFile extra(companion);
        if (!extra.remove())
            return QCoreApplication::translate("ProfileSets",
                                               "the set was deleted, its companion file \"%1\" not: %2")
                .arg(shown(companion), extra.errorString());
    }
    return wasChosen ? choose(QLatin1String(DefaultSetName)) : QString();
}

QString ProfileSets::importFile(const QString& source, const QString& name) {
    if (const QString problem = newNameProblem(name); !problem.isEmpty()) return problem;
    const std::optional<QByteArray> bytes = bytesOf(source, SettingsMaxBytes);
    if (!bytes)
        return QCoreApplication::translate("ProfileSets", "\"%1\" could not be read").arg(shown(source));
    if (decodeSettingsFile(*bytes).fault != SettingsFault::None)
        return QCoreApplication::translate("ProfileSets", "\"%1\" is not a settings file of %2 lines")
            .arg(shown(source))
            .arg(SettingsLineCount);
    return copyWithCompanion(source, fileOf(name));
}

QString ProfileSets::exportSet(const QString& name, const QString& target) const {
    if (!exists(name))
        return QCoreApplication::translate("ProfileSets", "there is no set named \"%1\"").arg(name);
    const QString source = fileOf(name);
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return QCoreApplication::translate("ProfileSets", "\"%1\" is the set's own file").arg(shown(target));
    const std::optional<QByteArray> bytes = bytesOf(source, SettingsMaxBytes);
    if (!bytes)
        return QCoreApplication::translate("ProfileSets", "\"%1\" could not be read").arg(shown(source));
    if (const QString failure = writeSettingsBytes(target, *bytes); !failure.isEmpty()) return failure;
    const QString companion = companionOf(source);
    if (!QFileInfo::exists(companion)) return {};
    const std::optional<QByteArray> extra = bytesOf(companion, CompanionMaxBytes);
    if (!extra)
        return QCoreApplication::translate("ProfileSets", "\"%1\" could not be read").arg(shown(companion));
    return writeSettingsBytes(companionOf(target), *extra);
}

bool hasUnsavedChanges(const ProfileBook& book) {
    if (!book.fingerprint()) return false; // nothing was read yet
    const SettingsFingerprint& was = *book.fingerprint();
    // Loaded as the window loads a file, so that only the user's changes count.
    ProfileBook asRead;
    const DecodedSettings decoded =
        was.startsWith('+') ? decodeSettingsFile(QByteArrayView(was).sliced(1)) : DecodedSettings{};
    // No file, or one that did not read: the window shows a first start's values, which saving would
    // write over whatever is there; only changes to them count.
    if (!was.startsWith('+') || decoded.fault != SettingsFault::None)
        asRead.load(firstStartSettings());
    else
        asRead.load(storedSettings(decoded.lines));
    return settingsLines(asRead.stored()) != settingsLines(book.stored());
}

} // namespace korvo
