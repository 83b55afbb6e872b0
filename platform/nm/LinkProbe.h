// Asking a Linux adapter's link who is there, without privileges of Korvo's own: duplicate address
// detection through arping (which carries the raw-socket capability itself), and whether a host
// answers through the kernel's own ARP resolution, read from its neighbour table.
#pragma once

#include "platform/NetConfigService.h"

#include <QString>
#include <chrono>
#include <string>

namespace korvo::platform::link {

// Who answers for `address` on `interfaceName`'s link, by `arping -D`; a host that has not answered
// within `wait` counts as none.
LinkAnswer holderOf(const QString& interfaceName, const std::string& address, std::chrono::milliseconds wait);

// Whether `host` answers on `interfaceName`'s link: a datagram sent towards it makes the kernel
// resolve its hardware address, and the neighbour table says whether it did within `wait`. A host
// resolved earlier and not confirmed since is asked again through arping where it is installed.
LinkAnswer reach(const QString& interfaceName, const std::string& host, std::chrono::milliseconds wait);

// The hardware address of the first reply in arping's output ("Unicast reply from 192.0.2.50
// [52:54:00:12:34:56]  0.6ms"), in lower case; empty when it holds no reply.
std::string replyHardwareAddress(const QString& arpingOutput);

} // namespace korvo::platform::link
