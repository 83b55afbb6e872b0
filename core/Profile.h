// One configuration as the user keeps it: the seven addresses as typed, the
// name, and the adapter it applies to. The same value travels from a tab to the
// settings file and back, and from a tab to the applying run.
#pragma once

#include <QString>
#include <QStringList>

namespace korvo {

struct Profile {
    QString IPAddress;
    QString SubnetMask;
    QString Gateway;
    QString PrimaryDNS;
    QString SecondaryDNS;
    QString PrimaryWINS;
    QString SecondaryWINS;
    QString Name;           // empty on the DHCP tab, which has none
    QString AdapterCaption; // empty: no adapter chosen
    // Beyond the 129-line file, kept in its companion: addresses in CIDR form applied after the first
    // (on the DHCP tab, beside the lease), and the chosen adapter's hardware address.
    QStringList MoreAddresses{};
    QString HardwareAddress{};

    friend bool operator==(const Profile&, const Profile&) = default;
};

// A profile's values by position: the seven addresses in the order above, the name, the adapter. The
// settings file's blocks keep them in this order.
enum class ProfileField {
    IPAddress,
    SubnetMask,
    Gateway,
    PrimaryDNS,
    SecondaryDNS,
    PrimaryWINS,
    SecondaryWINS,
    Name,
    AdapterCaption
};
inline constexpr int ProfileFieldCount = static_cast<int>(ProfileField::AdapterCaption) + 1;

inline QString& fieldOf(Profile& p, ProfileField field) {
    switch (field) {
    case ProfileField::IPAddress:
        return p.IPAddress;
    case ProfileField::SubnetMask:
        return p.SubnetMask;
    case ProfileField::Gateway:
        return p.Gateway;
    case ProfileField::PrimaryDNS:
        return p.PrimaryDNS;
    case ProfileField::SecondaryDNS:
        return p.SecondaryDNS;
    case ProfileField::PrimaryWINS:
        return p.PrimaryWINS;
    case ProfileField::SecondaryWINS:
        return p.SecondaryWINS;
    case ProfileField::Name:
        return p.Name;
    case ProfileField::AdapterCaption:
        break;
    }
    return p.AdapterCaption;
}
inline const QString& fieldOf(const Profile& p, ProfileField field) {
    return fieldOf(const_cast<Profile&>(p), field);
}

// How a profile is applied: the six profile tabs set a static address; the
// DHCP tab hands the address to DHCP and "DHCP" in a server box means "from DHCP".
enum class ApplyMode { Static, Dhcp };

} // namespace korvo
