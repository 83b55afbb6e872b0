// How each Win32_NetworkAdapterConfiguration method rewrites a NetworkManager
// connection profile. Pure: current settings and an operation in, new settings
// and a WMI-style return code out, so it is testable without a bus.
#pragma once

#include <QMap>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvo::nm {

// a{sa{sv}}: setting name -> property -> value, as GetSettings returns it.
// Values this code reads or writes use plain Qt types: "address-data" a
// QList<QVariantMap>, "dns" a QList<uint>, "dns-data" a QStringList,
// "route-metric" a qlonglong; anything else passes through untouched.
using ConnectionSettings = QMap<QString, QVariantMap>;

struct EnableStatic {
    std::vector<std::string> addresses;
    std::vector<std::string> masks;
};
struct SetGateways {
    std::vector<std::string> gateways;
    std::vector<int> metrics;
};
// Static addresses beside the lease, where there are any.
struct EnableDHCP {
    std::vector<std::string> addresses{};
    std::vector<std::string> masks{};
};
struct SetDNSServerSearchOrder {
    std::optional<std::vector<std::string>> servers; // nullopt: called without argument
};
using Operation = std::variant<EnableStatic, SetGateways, EnableDHCP, SetDNSServerSearchOrder>;

// Where static name servers go: "dns-data" (strings) since NetworkManager 1.42,
// "dns" (network-order integers) before.
enum class DnsProperty { Data, Legacy };
DnsProperty dnsPropertyFor(const QString& networkManagerVersion);

struct Edit {
    int code = 0;                // 0: apply `settings`; otherwise nothing may change
    ConnectionSettings settings; // what to send back (legacy duplicates removed)
    bool changed = false;        // whether the profile's IPv4 behaviour differs from before
    // Device.Reapply is not enough: after it NetworkManager (seen with 1.42)
    // keeps the name servers of a running DHCP lease although the profile now
    // ignores them, so the profile must be activated anew.
    bool reactivate = false;
};

Edit transform(const ConnectionSettings& current, const Operation& operation, DnsProperty dns);

// A profile for a device that has none yet: DHCP, bound to the interface.
ConnectionSettings newEthernetProfile(const QString& interfaceName, const QString& uuid);

} // namespace korvo::nm
