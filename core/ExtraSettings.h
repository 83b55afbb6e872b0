// The companion file beside a settings file: what a profile holds beyond the 129 lines. NAME.ini has
// NAME.extra.ini, an INI file with a group per slot ([Profile1] to [Profile6], [DHCP]) and in each
// `MoreAddresses` (addresses in CIDR form, separated by blanks) and `HardwareAddress` (the chosen
// adapter's). A settings file without a companion has none of these.
#pragma once

#include "core/SettingsLines.h"

#include <QString>
#include <QStringList>
#include <array>

namespace korvo {

struct SlotExtras {
    QStringList MoreAddresses; // as typed, one CIDR text each
    QString HardwareAddress;   // "02:00:00:00:00:02"; empty: not known

    bool isEmpty() const { return MoreAddresses.isEmpty() && HardwareAddress.isEmpty(); }
    friend bool operator==(const SlotExtras&, const SlotExtras&) = default;
};

// The six profiles, then the DHCP slot.
using ExtraSettings = std::array<SlotExtras, StoredProfileCount + 1>;

// The companion of the settings file at `settingsPath`: its name with ".extra.ini" in place of ".ini"
// (or added, where it has no such ending).
QString extraSettingsPath(const QString& settingsPath);

// The slots' values in a companion's text. Groups and keys not Korvo's are skipped, and so is a line
// that is neither a group, a key nor a comment; a key given twice counts with its last value.
ExtraSettings parseExtraSettings(const QString& text);

// `previous` (a companion's text, or empty) with every slot's keys set to `extras`: each key's line
// rewritten where it stands, added at the end of its group, or dropped when it has no value; groups,
// keys, comments and line ends that are not Korvo's stay as they were.
QString mergeExtraSettings(const QString& previous, const ExtraSettings& extras);

struct ExtraSettingsRead {
    bool found = false; // a companion is there
    QString failure;    // why it could not be read; its values then count as none
    ExtraSettings extras{};
};
ExtraSettingsRead readExtraSettings(const QString& settingsPath);

// Writes `extras` into the companion of `settingsPath`, keeping what else it holds; no file is made
// for a settings file without any. Returns why it failed, or an empty text.
QString writeExtraSettings(const QString& settingsPath, const ExtraSettings& extras);

} // namespace korvo
