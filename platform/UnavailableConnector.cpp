// Placeholder until the platform backends land: every connection fails truthfully.
#include "platform/NetConfigService.h"

namespace korvo::platform {

namespace {
class UnavailableConnector : public ServiceConnector {
public:
    std::unique_ptr<Service> connect(const std::string&) override {
        throw ServiceError("no network configuration service backend is built into this program");
    }
};
} // namespace

std::unique_ptr<ServiceConnector> makeSystemConnector() { return std::make_unique<UnavailableConnector>(); }

} // namespace korvo::platform
