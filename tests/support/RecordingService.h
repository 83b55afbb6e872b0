// A recording fake of the network configuration service. Every connection,
// listing and method call is appended to `calls` as one readable line, e.g.
//   connect list                       (or: connect change)
//   list adapters
//   eth0 EnableStatic [192.0.2.10] [255.255.255.0]
//   eth0 SetDNSServerSearchOrder -          (called without its argument)
#pragma once

#include "platform/NetConfigService.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace korvo::testing {

struct FakeAdapter {
    std::string caption;
    // Codes returned by method name ("EnableStatic", "SetGateways", ...); missing means 0.
    std::map<std::string, int> results;
    // Methods that raise ServiceError instead of returning.
    std::vector<std::string> raising;
};

class RecordingService : public platform::ServiceConnector {
public:
    std::vector<FakeAdapter> adapters;
    bool failConnect = false;
    bool failListing = false;
    std::vector<std::string> calls;

    std::unique_ptr<platform::Service> connect(platform::Purpose purpose) override;

    // The calls that name an adapter method, without connect and list lines.
    std::vector<std::string> methodCalls() const;
    void clear() { calls.clear(); }
};

std::string joined(const std::vector<std::string>& items); // "[a, b]"

} // namespace korvo::testing
