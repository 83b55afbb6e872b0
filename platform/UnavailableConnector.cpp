// The backend of a platform that has neither NetworkManager nor WMI: Korvo
// still starts, lists nothing, and says why every apply fails.
#include "platform/NetConfigService.h"

namespace korvo::platform {

namespace {
class UnavailableConnector : public ServiceConnector {
public:
    std::unique_ptr<Service> connect(Purpose) override {
        throw ServiceError("no network configuration service backend is built into this program");
    }
};
} // namespace

std::unique_ptr<ServiceConnector> makeSystemConnector() {
    return std::make_unique<UnavailableConnector>();
}

} // namespace korvo::platform
