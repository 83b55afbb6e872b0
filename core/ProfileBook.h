// The profiles as the window, the tray and the command line share them: the seven slots behind the
// apply buttons (six profiles and the DHCP tab), the terms flag and the settings file as it was read.
// The window's controls show and edit these values; the command line reads them with no window.
#pragma once

#include "core/ExtraSettings.h"
#include "core/Profile.h"
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace korvo {

inline constexpr int SlotCount = StoredProfileCount + 1; // the DHCP slot is the last
inline constexpr int DhcpSlot = StoredProfileCount;

// What one apply button applies.
struct ButtonProfile {
    int Number = 0;     // 1 to 6, 7 for DHCP
    QString ButtonName; // its caption
    Profile Typed;      // the values as typed, with the chosen adapter
    ApplyMode Mode = ApplyMode::Static;
};

class ProfileBook : public QObject {
    Q_OBJECT

public:
    // A first start's contents: profile 1 an example, the others named "-", the DHCP slot's address,
    // mask, gateway and servers "DHCP" with both via-DHCP flags set; the terms not accepted.
    explicit ProfileBook(QObject* parent = nullptr);

    // Slot 0..5 a profile, DhcpSlot the DHCP tab: the values as typed and the adapter last chosen.
    const Profile& profile(int slot) const { return Slots[static_cast<std::size_t>(slot)]; }
    void set(int slot, ProfileField field, const QString& value);
    void setAdapter(int slot, const QString& caption) { set(slot, ProfileField::AdapterCaption, caption); }
    // What the companion file keeps (extraSettingsPath): the addresses after the first, and the
    // chosen adapter's hardware address.
    void setMoreAddresses(int slot, const QStringList& addresses);
    void setHardwareAddress(int slot, const QString& hardwareAddress);
    ExtraSettings extras() const;
    // Each slot's hardware address from `hardwareOf` its adapter's caption; where that gives none (the
    // adapter is not there now) the one recorded stays.
    void recordHardwareAddresses(const std::function<QString(const QString& caption)>& hardwareOf);
    void loadExtras(const ExtraSettings& extras);

    // The DHCP slot's "DNS via DHCP" and "WINS via DHCP": setting one shows "DHCP" in its two servers
    // and remembers what they held; clearing it brings back what was remembered ("DHCP" excepted).
    bool dnsViaDhcp() const { return ViaDNS; }
    bool winsViaDhcp() const { return ViaWINS; }
    void setDnsViaDhcp(bool via);
    void setWinsViaDhcp(bool via);

    // Whether a box of `slot` takes no typing: on the DHCP tab address, mask and gateway always, the
    // servers while their flag is set. The secondary WINS box alone starts editable although its
    // flag is set; only setting the flag (ticking the box, loading a file) locks it.
    bool locked(int slot, ProfileField field) const;

    bool termsAccepted() const { return TermsAccepted; }
    void setTermsAccepted(bool accepted);

    // What the settings file held when it was read or last saved (empty: there was none); unset
    // before the first read.
    const std::optional<SettingsFingerprint>& fingerprint() const { return Fingerprint; }

    // Takes a file's values as the window always has: a saved adapter only where one is named
    // (line 128's "1" makes line 127 profile 1's), a flag only where its line is "0" or "1".
    void load(const StoredSettings& settings);
    // The values the settings file stores.
    StoredSettings stored() const;

    enum class ReadOutcome { Missing, Rejected, Read };
    // Reads the file and its companion into the book and keeps the file's fingerprint; a companion
    // missing or unreadable leaves no extras (`extrasFailure` says why it could not be read). A rejected file
    // counts the terms as accepted: only accepting them makes the file, and a save must not write them as
    // refused.
    ReadOutcome read(const QString& path);
    // True when the file is there and no longer what was read or saved: another program changed it.
    bool changedOnDisk(const QString& path) const;
    const QString& extrasFailure() const { return ExtrasFailure; }
    // Saves the book and its companion, making the file's folder first; why it failed, or empty.
    QString save(const QString& path);

    // Button `number` (1..7): what it applies. After taking it, `pressed` clears servers that hold
    // only blanks, as pressing the button does.
    ButtonProfile button(int number) const;
    void pressed(int number);
    // PROFILE of --apply: a number 1 to 7, else a button name matched exactly. 0 when nothing
    // matches, -1 when more than one button has that name.
    int findButton(const QString& profile) const;

signals:
    void changed(int slot, ProfileField field);
    // A via-DHCP flag was set (`dns` or `wins`: which), changed or not, before its servers change.
    void viaDhcpSet(bool dns, bool wins);
    void termsChanged(bool accepted);
    void extrasChanged(int slot);

private:
    void setVia(bool& flag, bool via, ProfileField first, QString* remembered);

    std::array<Profile, SlotCount> Slots;
    bool ViaDNS = true, ViaWINS = true;
    bool SecondaryWinsFollows = false;
    // The DHCP slot's typed servers while they show "DHCP": primary and secondary DNS, then WINS.
    std::array<QString, 4> Remembered;
    bool TermsAccepted = false;
    std::optional<SettingsFingerprint> Fingerprint;
    QString ExtrasFailure;
};

} // namespace korvo
