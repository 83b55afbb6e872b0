// Profile sets: the settings file Korvo has always used is the set "Default"; further sets are files
// of the same 129-line format in the "sets" folder beside it, NAME.ini each, with its companion
// NAME.extra.ini when there is one. Every write goes through the settings file's own careful save.
#pragma once

#include <QString>
#include <QStringList>

namespace korvo {

class ProfileBook;

inline constexpr char DefaultSetName[] = "Default";

// Why `name` cannot name a set (empty, a path, a name the file system or Windows would refuse or
// change, the companion's suffix, "Default"), or an empty text.
QString setNameProblem(const QString& name);

// The companion file beside a settings file: Korvo.extra.ini beside Korvo.ini.
QString companionOf(const QString& settingsFile);

class ProfileSets {
public:
    // `defaultFile`: the settings file as settingsLocation gives it (--settings FILE included).
    explicit ProfileSets(const QString& defaultFile);

    const QString& defaultFile() const { return Default; }
    QString folder() const;
    // "Default" first, then the sets found in the folder, by name.
    QStringList names() const;
    bool exists(const QString& name) const;
    // The set's settings file; empty when `name` is not a set's name.
    QString fileOf(const QString& name) const;

    // The set chosen last, kept outside the sets themselves; "Default" when none was or it is gone.
    QString chosen() const;
    // Remembers `name` as chosen; why that failed, or an empty text.
    QString choose(const QString& name);

    // Each returns why it failed, or an empty text; nothing that exists is overwritten.
    // A new set holds a first start's profiles with the terms accepted.
    QString create(const QString& name);
    QString rename(const QString& from, const QString& to);
    QString duplicate(const QString& from, const QString& to);
    QString remove(const QString& name);
    // A settings file of the 129-line format, taken byte for byte as the new set `name`.
    QString importFile(const QString& source, const QString& name);
    // The set's file byte for byte at `target`, replacing what is there.
    QString exportSet(const QString& name, const QString& target) const;

private:
    QString memoryFile() const;
    QString newNameProblem(const QString& name) const;

    QString Default;
};

// Whether the book holds values that its file, as last read or saved, does not.
bool hasUnsavedChanges(const ProfileBook& book);

} // namespace korvo
