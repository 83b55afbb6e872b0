#include "core/ProfileBook.h"

#include "core/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>

namespace korvo {

namespace {

const QString Dhcp = QStringLiteral("DHCP");

constexpr ProfileField ServerFields[] = {ProfileField::PrimaryDNS, ProfileField::SecondaryDNS,
                                         ProfileField::PrimaryWINS, ProfileField::SecondaryWINS};

} // namespace

ProfileBook::ProfileBook(QObject* parent) : QObject(parent) {
    const StoredSettings first = firstStartSettings();
    for (int k = 0; k < StoredProfileCount; ++k)
        Slots[static_cast<std::size_t>(k)] = first.Profiles[static_cast<std::size_t>(k)];
    Slots[DhcpSlot] = {Dhcp, Dhcp, Dhcp, Dhcp, Dhcp, Dhcp, Dhcp, {}, {}};
}

void ProfileBook::set(int slot, ProfileField field, const QString& value) {
    QString& now = fieldOf(Slots[static_cast<std::size_t>(slot)], field);
    if (now == value) return;
    now = value;
    emit changed(slot, field);
}

// The boxes hear of the flag before their texts change: they unlock before taking a typed address
// back, and lock before they show "DHCP".
void ProfileBook::setVia(bool& flag, bool via, ProfileField first, QString* remembered) {
    const bool change = flag != via;
    flag = via;
    const bool dns = first == ProfileField::PrimaryDNS;
    emit viaDhcpSet(dns, !dns);
    if (!change) return;
    const auto second = static_cast<ProfileField>(static_cast<int>(first) + 1);
    if (via) {
        remembered[0] = fieldOf(Slots[DhcpSlot], first);
        remembered[1] = fieldOf(Slots[DhcpSlot], second);
        set(DhcpSlot, first, Dhcp);
        set(DhcpSlot, second, Dhcp);
    } else {
        // A remembered "DHCP" is the marker, not an address: it must not come back as one.
        for (int i = 0; i < 2; ++i)
            if (remembered[i] == Dhcp) remembered[i].clear();
        set(DhcpSlot, first, remembered[0]);
        set(DhcpSlot, second, remembered[1]);
    }
}

bool ProfileBook::locked(int slot, ProfileField field) const {
    if (slot != DhcpSlot) return false;
    switch (field) {
    case ProfileField::IPAddress:
    case ProfileField::SubnetMask:
    case ProfileField::Gateway:
        return true;
    case ProfileField::PrimaryDNS:
    case ProfileField::SecondaryDNS:
        return ViaDNS;
    case ProfileField::PrimaryWINS:
        return ViaWINS;
    case ProfileField::SecondaryWINS:
        return ViaWINS && SecondaryWinsFollows;
    default:
        return false;
    }
}

void ProfileBook::setDnsViaDhcp(bool via) {
    setVia(ViaDNS, via, ProfileField::PrimaryDNS, &Remembered[0]);
}

void ProfileBook::setWinsViaDhcp(bool via) {
    SecondaryWinsFollows = true;
    setVia(ViaWINS, via, ProfileField::PrimaryWINS, &Remembered[2]);
}

void ProfileBook::setMoreAddresses(int slot, const QStringList& addresses) {
    QStringList& now = Slots[static_cast<std::size_t>(slot)].MoreAddresses;
    if (now == addresses) return;
    now = addresses;
    emit extrasChanged(slot);
}

void ProfileBook::setHardwareAddress(int slot, const QString& hardwareAddress) {
    QString& now = Slots[static_cast<std::size_t>(slot)].HardwareAddress;
    if (now == hardwareAddress) return;
    now = hardwareAddress;
    emit extrasChanged(slot);
}

ExtraSettings ProfileBook::extras() const {
    ExtraSettings e{};
    for (int slot = 0; slot < SlotCount; ++slot)
        e[static_cast<std::size_t>(slot)] = {profile(slot).MoreAddresses, profile(slot).HardwareAddress};
    return e;
}

void ProfileBook::recordHardwareAddresses(const std::function<QString(const QString& caption)>& hardwareOf) {
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString& caption = profile(slot).AdapterCaption;
        if (caption.isEmpty()) continue;
        if (const QString hardware = hardwareOf(caption); !hardware.isEmpty())
            setHardwareAddress(slot, hardware);
    }
}

void ProfileBook::loadExtras(const ExtraSettings& extras) {
    for (int slot = 0; slot < SlotCount; ++slot) {
        setMoreAddresses(slot, extras[static_cast<std::size_t>(slot)].MoreAddresses);
        setHardwareAddress(slot, extras[static_cast<std::size_t>(slot)].HardwareAddress);
    }
}

void ProfileBook::setTermsAccepted(bool accepted) {
    if (TermsAccepted == accepted) return;
    TermsAccepted = accepted;
    emit termsChanged(accepted);
}

void ProfileBook::load(const StoredSettings& s) {
    for (int k = 0; k < StoredProfileCount; ++k) {
        Profile p = s.Profiles[static_cast<std::size_t>(k)];
        if (p.AdapterCaption.isEmpty()) p.AdapterCaption = profile(k).AdapterCaption;
        for (int f = 0; f < ProfileFieldCount; ++f)
            set(k, static_cast<ProfileField>(f), fieldOf(p, static_cast<ProfileField>(f)));
    }
    if (s.TermsAccepted) setTermsAccepted(*s.TermsAccepted);

    // The servers as loaded are also what their flags remember; a flag that changes then shows
    // "DHCP" or brings them back.
    const QString servers[] = {s.DhcpPrimaryDNS, s.DhcpSecondaryDNS, s.DhcpPrimaryWINS, s.DhcpSecondaryWINS};
    for (int i = 0; i < 4; ++i) {
        set(DhcpSlot, ServerFields[i], servers[i]);
        Remembered[static_cast<std::size_t>(i)] = servers[i];
    }
    if (s.DNSViaDHCP) setDnsViaDhcp(*s.DNSViaDHCP);
    if (s.WINSViaDHCP) setWinsViaDhcp(*s.WINSViaDHCP);

    if (s.UseRepeatedAdapter && !s.RepeatedAdapterCaption.isEmpty()) setAdapter(0, s.RepeatedAdapterCaption);
    if (!s.DhcpAdapterCaption.isEmpty()) setAdapter(DhcpSlot, s.DhcpAdapterCaption);
}

StoredSettings ProfileBook::stored() const {
    StoredSettings s;
    for (int k = 0; k < StoredProfileCount; ++k)
        s.Profiles[static_cast<std::size_t>(k)] = profile(k);
    s.TermsAccepted = TermsAccepted;
    const Profile& dhcp = profile(DhcpSlot);
    s.DhcpPrimaryDNS = dhcp.PrimaryDNS;
    s.DhcpSecondaryDNS = dhcp.SecondaryDNS;
    s.DhcpPrimaryWINS = dhcp.PrimaryWINS;
    s.DhcpSecondaryWINS = dhcp.SecondaryWINS;
    s.DNSViaDHCP = ViaDNS;
    s.WINSViaDHCP = ViaWINS;
    s.DhcpAdapterCaption = dhcp.AdapterCaption;
    return s;
}

ProfileBook::ReadOutcome ProfileBook::read(const QString& path) {
    const SettingsFileRead file = readSettingsFile(path);
    Fingerprint = file.fingerprint;
    const ExtraSettingsRead extra = readExtraSettings(path);
    ExtrasFailure = extra.failure;
    loadExtras(extra.extras);
    switch (file.outcome) {
    case SettingsFileRead::Outcome::Missing:
        return ReadOutcome::Missing;
    case SettingsFileRead::Outcome::Rejected:
        setTermsAccepted(true);
        return ReadOutcome::Rejected;
    case SettingsFileRead::Outcome::Read:
        break;
    }
    load(storedSettings(file.lines));
    return ReadOutcome::Read;
}

// Compared by content: another program's save within the same second keeps the time stamp. A file
// gone meanwhile holds nothing to lose.
bool ProfileBook::changedOnDisk(const QString& path) const {
    const SettingsFingerprint now = settingsFingerprint(path);
    return Fingerprint && !now.isEmpty() && now != *Fingerprint;
}

QString ProfileBook::save(const QString& path) {
    // The user's configuration folder may not have a Korvo folder yet: the first save makes it.
    if (!makeSettingsFolder(path))
        return QCoreApplication::translate("korvo::Form1", "its folder could not be created");
    SettingsFingerprint written;
    const QString failure = writeSettingsFile(path, settingsLines(stored()), &written);
    if (!failure.isEmpty()) return failure;
    Fingerprint = written;
    const QString extra = writeExtraSettings(path, extras());
    if (extra.isEmpty()) return {};
    return QCoreApplication::translate("korvo::Form1",
                                       "the more addresses and hardware addresses could not be "
                                       "written to %1: %2")
        .arg(QDir::toNativeSeparators(extraSettingsPath(path)), extra);
}

ButtonProfile ProfileBook::button(int number) const {
    const int slot = number - 1;
    ButtonProfile b;
    b.Number = number;
    b.Typed = profile(slot);
    if (slot == DhcpSlot) {
        b.ButtonName = Dhcp;
        b.Mode = ApplyMode::Dhcp;
    } else {
        b.ButtonName = b.Typed.Name;
    }
    return b;
}

// Blanks alone are no server: the boxes are emptied once their values are taken.
void ProfileBook::pressed(int number) {
    const int slot = number - 1;
    for (const ProfileField field : ServerFields) {
        const QString& t = fieldOf(profile(slot), field);
        if (!t.isEmpty() && t.count(u' ') == t.size()) set(slot, field, QString());
    }
}

int ProfileBook::findButton(const QString& wanted) const {
    if (wanted.isEmpty()) return 0;
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber && wanted == QString::number(number)) return number >= 1 && number <= SlotCount ? number : 0;
    int found = 0;
    for (int n = 1; n <= SlotCount; ++n) {
        if (button(n).ButtonName != wanted) continue;
        if (found) return -1;
        found = n;
    }
    return found;
}

} // namespace korvo
