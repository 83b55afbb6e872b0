// The network configuration service on Linux: NetworkManager over D-Bus.
// Adapters are the real, managed ethernet, Wi-Fi and similar devices, captioned
// by interface name; an apply edits a copy of the device's connection profile,
// saves it and makes it live (without a cable: saves it for when the cable is
// connected).
#pragma once

#include "platform/NetConfigService.h"

#include <chrono>
#include <memory>
#include <string>

namespace korvo::platform {

// How long any single D-Bus call may take before it counts as failed.
inline constexpr std::chrono::milliseconds NetworkManagerCallTimeout{5000};
// Korvo's own changes may wait this long: polkit can ask the user for a password first.
inline constexpr std::chrono::milliseconds NetworkManagerAuthorizationTimeout{120000};

// NetworkManager on the bus at `busAddress` (e.g. "unix:path=/tmp/x/bus").
std::unique_ptr<ServiceConnector>
makeNetworkManagerConnector(const std::string& busAddress,
                            std::chrono::milliseconds callTimeout = NetworkManagerCallTimeout);

// A D-Bus error reply as a plain sentence for the user, by its error name; an
// error Korvo does not know keeps its own message.
std::string describeBusError(const std::string& errorName, const std::string& errorMessage,
                             const std::string& method);

} // namespace korvo::platform
