// Reading and writing Korvo.ini as a whole.
#pragma once

#include "core/SettingsLines.h"

#include <QString>
#include <QStringList>

namespace korvo {

struct SettingsFileRead {
    enum class Outcome { Missing, Rejected, Read };
    Outcome outcome = Outcome::Missing;
    QStringList lines; // SettingsLineCount lines when Read
};

// Never blocks on special files and never reads more than SettingsMaxBytes + 1
// bytes: anything that is not a readable regular file of 129 lines is Rejected.
SettingsFileRead readSettingsFile(const QString& path);

// Replaces the file atomically, so a failed save leaves the previous file as it
// was, in the encoding the previous file used (see SettingsEncoding). Returns
// why it failed, or an empty text on success.
QString writeSettingsFile(const QString& path, const QStringList& lines);

} // namespace korvo
