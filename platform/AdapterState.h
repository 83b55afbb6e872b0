// What an adapter has now: its live IPv4 configuration, as the service reports it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvo::platform {

struct IPv4State {
    bool dhcp = false;                   // the addresses come from a DHCP lease
    std::vector<std::string> addresses;  // "192.0.2.20/24", in the service's order
    std::string gateway;                 // empty: none
    std::vector<std::string> dnsServers; // in the order they are asked
    // The DNS servers the DHCP lease offers; with `dnsServers` equal to them the adapter takes its
    // servers from DHCP. nullopt where the service does not say.
    std::optional<std::vector<std::string>> leaseDnsServers{};

    bool operator==(const IPv4State&) const = default;
};

// How the adapter got its IPv4 configuration, as Korvo names it to the user: "DHCP", "static", or
// "unconfigured" when it has none at all (no lease, no address).
inline const char* configurationKind(const IPv4State& state) {
    if (state.dhcp) return "DHCP";
    return state.addresses.empty() ? "unconfigured" : "static";
}

} // namespace korvo::platform
