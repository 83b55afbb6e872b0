// The network configuration service on Windows: WMI's
// Win32_NetworkAdapterConfiguration through COM. Windows only.
#pragma once

#include "platform/NetConfigService.h"

#include <memory>
#include <mutex>

namespace korvo::platform::wmi {

class ComWorker;

class WmiConnector : public ServiceConnector {
public:
    // Connects to the namespace on the moniker's computer with the moniker's
    // impersonation level. COM starts with the first connection.
    std::unique_ptr<Service> connect(const std::string& moniker) override;

private:
    std::mutex mutex_;
    std::shared_ptr<ComWorker> worker_;
};

} // namespace korvo::platform::wmi
