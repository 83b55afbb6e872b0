// What an adapter has now: its live IPv4 configuration, as the service reports it.
#pragma once

#include <string>
#include <vector>

namespace korvo::platform {

struct IPv4State {
    bool dhcp = false;                   // the addresses come from a DHCP lease
    std::vector<std::string> addresses;  // "192.0.2.20/24", in the service's order
    std::string gateway;                 // empty: none
    std::vector<std::string> dnsServers; // in the order they are asked

    bool operator==(const IPv4State&) const = default;
};

} // namespace korvo::platform
