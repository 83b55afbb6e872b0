// Reading and writing Korvo.ini as a whole.
#pragma once

#include "core/SettingsLines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvo {

// What a settings file held when it was read, to tell at the next save whether another program
// changed it meanwhile: its bytes (at most SettingsMaxBytes + 1 of them); empty when there was no file.
using SettingsFingerprint = QByteArray;

struct SettingsFileRead {
    enum class Outcome { Missing, Rejected, Read };
    Outcome outcome = Outcome::Missing;
    QStringList lines; // SettingsLineCount lines when Read
    SettingsFingerprint fingerprint;
};

// Never blocks on special files and never reads more than SettingsMaxBytes + 1
// bytes: anything that is not a readable regular file of 129 lines is Rejected.
SettingsFileRead readSettingsFile(const QString& path);

// The file's fingerprint now, read as readSettingsFile reads it.
SettingsFingerprint settingsFingerprint(const QString& path);

// Replaces the file atomically, so a failed save leaves the previous file as it
// was, in the encoding the previous file used (see SettingsEncoding). Returns
// why it failed, or an empty text on success; then `written` is the new content's fingerprint.
QString writeSettingsFile(const QString& path, const QStringList& lines,
                          SettingsFingerprint* written = nullptr);

// Replaces the file with `bytes` exactly, with the same care as writeSettingsFile (atomic, the previous
// file kept when the write fails). Why it failed, or an empty text.
QString writeSettingsBytes(const QString& path, const QByteArray& bytes);

// Sets the terms line of an existing file to "1", every other byte as it was (encoding, line ends, a
// last line without its line end). Returns why it could not, or an empty text when the line says "1".
QString acceptTermsInSettingsFile(const QString& path);

} // namespace korvo
