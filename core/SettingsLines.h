// The settings file as a list of 129 lines, addressed by line number, and its
// byte form. Nothing here knows the window: the main window supplies and
// receives the values through StoredSettings.
#pragma once

#include "core/Profile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace korvo {

inline constexpr int SettingsLineCount = 129;
inline constexpr int StoredProfileCount = 6;
// Far above anything the window can hold in practice; a bigger file is not ours.
inline constexpr qsizetype SettingsMaxBytes = 256 * 1024;

// Line numbers (from 1).
namespace settings_line {
inline constexpr int BlockSize = 20;
inline constexpr int TermsAccepted = 40;
inline constexpr int DhcpPrimaryDNS = 121;
inline constexpr int DhcpSecondaryDNS = 122;
inline constexpr int DhcpPrimaryWINS = 123;
inline constexpr int DhcpSecondaryWINS = 124;
inline constexpr int DNSViaDHCP = 125;
inline constexpr int WINSViaDHCP = 126;
inline constexpr int RepeatedAdapter = 127;
inline constexpr int RepeatedAdapterFlag = 128;
inline constexpr int DhcpAdapter = 129;

// Lines 1 to 9 of profile k's block (k from 1): IP address ... adapter caption.
constexpr int profile(int k, ProfileField field) {
    return BlockSize * (k - 1) + static_cast<int>(field) + 1;
}
} // namespace settings_line

// Every value the file carries. A check-box state is std::nullopt when its line
// is neither "0" nor "1": loading then leaves the box as it is.
struct StoredSettings {
    std::array<Profile, StoredProfileCount> Profiles;
    std::optional<bool> TermsAccepted = false;
    QString DhcpPrimaryDNS, DhcpSecondaryDNS, DhcpPrimaryWINS, DhcpSecondaryWINS;
    std::optional<bool> DNSViaDHCP = false, WINSViaDHCP = false;
    QString DhcpAdapterCaption;
    // Only read, never written as such: line 127 always repeats profile 1's
    // adapter, and line 128 is written empty. A hand-edited "1" on line 128
    // makes line 127 the adapter of profile 1.
    QString RepeatedAdapterCaption;
    bool UseRepeatedAdapter = false;
    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// "0" and "1" only; anything else (" 1", "2", "yes") is not a state.
std::optional<bool> checkStateFromLine(const QString& line);

// What a first start saves once the terms are accepted: the main window's first contents (profile 1
// an example, the others named "-", the DHCP tab's servers from DHCP), the terms accepted.
StoredSettings firstStartSettings();

QStringList settingsLines(const StoredSettings& settings); // always SettingsLineCount lines
StoredSettings storedSettings(const QStringList& lines);   // expects SettingsLineCount lines

// How the file's text is stored. A file is read as UTF-8 when it is valid
// UTF-8, else in the ANSI code page (the system's on Windows; elsewhere
// Windows-1252, the western one, which also reads Latin-1), and saved back the
// same way while every character fits and reads back the same, else in UTF-8.
// A file of ASCII alone says nothing about its encoding: it, and a new file,
// use the system's 8-bit encoding (the ANSI code page on Windows, UTF-8
// elsewhere).
enum class SettingsEncoding { System, Utf8, Utf8WithBom, AnsiCodePage };
SettingsEncoding settingsEncodingOf(QByteArrayView bytes);

// Windows-1252 exactly as Windows converts it: the five bytes it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for U+0081 and so on.
QString fromWindows1252(QByteArrayView bytes);
std::optional<QByteArray> toWindows1252(QStringView text); // nullopt when a character has no byte

// The file's bytes: every line ended by CR LF.
struct EncodedSettings {
    QByteArray bytes;
    QString error; // empty on success: why the lines cannot be written so that they read back
    SettingsEncoding encoding = SettingsEncoding::System; // the one used
};
EncodedSettings encodeSettingsFile(const QStringList& lines,
                                   SettingsEncoding encoding = SettingsEncoding::System);

enum class SettingsFault { None, TooLarge, NotText, BadLineEnd, WrongLineCount };
struct DecodedSettings {
    SettingsFault fault = SettingsFault::None;
    QStringList lines; // SettingsLineCount lines when fault is None
    SettingsEncoding encoding = SettingsEncoding::System;
};
// Lines end with CR LF; only the very last line may lack it (a hand-edited
// file). A lone CR or LF, a NUL, more than SettingsMaxBytes or any count other
// than 129 reject it.
DecodedSettings decodeSettingsFile(QByteArrayView bytes);

} // namespace korvo
