// One NetworkManager device as an adapter. An apply edits a copy of the device's profile, then saves
// that once and makes it live once.
#pragma once

#include "platform/nm/NmBus.h"

#include <memory>

namespace korvo::platform::nmbus {

std::unique_ptr<Adapter> makeAdapter(std::shared_ptr<Bus> bus, QString devicePath, QString interfaceName,
                                     uint deviceType, nm::DnsProperty dns, IPv4State state,
                                     QString hardwareAddress = {});

// The device behind an adapter this backend listed; empty for any other adapter.
QString devicePathOf(const Adapter& adapter);

} // namespace korvo::platform::nmbus
