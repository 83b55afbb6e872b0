// Reaching the network configuration service the same way from the apply, the way back and the
// command line.
#pragma once

#include "platform/NetConfigService.h"

#include <memory>
#include <string>
#include <vector>

namespace korvo {

// A connection for `purpose`. Throws platform::ServiceError, saying why in the user's language, when
// there is no service (a null connector) or it gives no connection.
std::unique_ptr<platform::Service> connectService(platform::ServiceConnector* connector,
                                                  platform::Purpose purpose);

// The adapters of `adapters` whose caption is `caption`, in the service's order.
std::vector<platform::Adapter*> adaptersNamed(const std::vector<std::unique_ptr<platform::Adapter>>& adapters,
                                              const std::string& caption);

// The one adapter of `adapters` with the hardware address `hardwareAddress` (letters in either case);
// none where no adapter or more than one has it, or `hardwareAddress` is empty.
platform::Adapter* adapterWithHardwareAddress(const std::vector<std::unique_ptr<platform::Adapter>>& adapters,
                                              const std::string& hardwareAddress);

} // namespace korvo
