// A copy of the settings file, kept while the file is rewritten in place: where its folder may not be
// written to, no new file can replace it, and a save killed between cutting the file and writing it
// would leave it empty. The next read puts the copy back.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvo {

// Where the copy of `path` is kept: the user's data folder, named after the file's full path.
QString settingsCopyPath(const QString& path);

// Keeps `bytes` (the file as it is before the save) as the copy, written through to the disk. Returns
// why it could not, or an empty text.
QString keepSettingsCopy(const QString& path, const QByteArray& bytes);

// The copy a save of `path` left when it was interrupted; nullopt when there is none.
std::optional<QByteArray> settingsCopy(const QString& path);

// The save is complete, or the copy is back in place: it is no longer needed.
void dropSettingsCopy(const QString& path);

} // namespace korvo
