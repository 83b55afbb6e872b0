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
inline constexpr int Reserved = 20;
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
enum class ProfileField { IPAddress = 1, SubnetMask, Gateway, PrimaryDNS, SecondaryDNS, PrimaryWINS,
                          SecondaryWINS, Name, AdapterCaption };
constexpr int profile(int k, ProfileField field) { return BlockSize * (k - 1) + static_cast<int>(field); }
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

QStringList settingsLines(const StoredSettings& settings); // always SettingsLineCount lines
StoredSettings storedSettings(const QStringList& lines);   // expects SettingsLineCount lines

// The file's bytes: every line ended by CR LF, the system's 8-bit encoding (the
// ANSI code page on Windows, the locale's elsewhere), no byte-order mark.
struct EncodedSettings {
    QByteArray bytes;
    QString error; // empty on success: why the lines cannot be written so that they read back
};
EncodedSettings encodeSettingsFile(const QStringList& lines);

enum class SettingsFault { None, TooLarge, NotText, BadLineEnd, WrongLineCount };
struct DecodedSettings {
    SettingsFault fault = SettingsFault::None;
    QStringList lines; // SettingsLineCount lines when fault is None
};
// Lines end with CR LF; only the very last line may lack it (a hand-edited
// file). A lone CR or LF, a NUL, bytes that are not text in the system's
// encoding, more than SettingsMaxBytes or any count other than 129 reject it.
DecodedSettings decodeSettingsFile(QByteArrayView bytes);

} // namespace korvo
