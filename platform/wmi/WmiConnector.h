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
    // Connects to the namespace and with the impersonation level that the
    // purpose's moniker names. COM starts with the first connection.
    std::unique_ptr<Service> connect(Purpose purpose) override;

private:
    std::mutex mutex_;
    std::shared_ptr<ComWorker> worker_;
};

} // namespace korvo::platform::wmi
