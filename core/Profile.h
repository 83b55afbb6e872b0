// One configuration as the user keeps it: the seven addresses as typed, the
// name, and the adapter it applies to. The same value travels from a tab to the
// settings file and back, and from a tab to the applying run.
#pragma once

#include <QString>

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

    friend bool operator==(const Profile&, const Profile&) = default;
};

// How a profile is applied: the six profile tabs set a static address; the
// DHCP tab hands the address to DHCP and "DHCP" in a server box means "from DHCP".
enum class ApplyMode { Static, Dhcp };

} // namespace korvo
