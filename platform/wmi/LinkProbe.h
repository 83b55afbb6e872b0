// Asking a Windows adapter's link who is there, through the IP helper API: an ARP request for an
// address before it is given, an ICMP echo to the gateway after.
#pragma once

#include "platform/NetConfigService.h"

#include <chrono>
#include <string>

namespace korvo::platform::wmi {

// Who answers an ARP request for `address`, sent from the adapter whose address is `source` (empty:
// the route to `address` chooses it); a host that has not answered within `wait` counts as none.
LinkAnswer holderOf(const std::string& source, const std::string& address, std::chrono::milliseconds wait);

// Whether `host` answers an echo within `wait` (sent where the route to it leads: after the change,
// through the adapter); a zero wait only reads the neighbour cache: whether it answered lately.
LinkAnswer reach(const std::string& host, std::chrono::milliseconds wait);

} // namespace korvo::platform::wmi
