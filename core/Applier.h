// The applying run: a profile's servers taken as a command takes them, its
// addresses validated, and the adapter whose caption it names changed through
// the network configuration service. No window: the caller shows the outcome.
#pragma once

#include "core/AddressValidation.h"
#include "core/ApplyOutcome.h"
#include "core/Profile.h"

#include "platform/NetConfigService.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvo {

namespace platform {
class ServiceConnector;
}

// The servers as the profile commands take them from the boxes: trimmed of blanks, and which are left
// out (empty; on the DHCP tab also the literal "DHCP"). Address, mask and gateway stay as typed.
OmittedServers takeServers(Profile& profile, ApplyMode mode);
// The DNS servers an apply sends for `profile` as takeServers left it: none when the primary is left
// out, and no secondary without a primary.
std::vector<std::string> sentDnsServers(const Profile& profile, const OmittedServers& omitted);

// The further addresses of `profile` (validated: "192.0.2.21/24") as an apply sends them.
std::vector<platform::IPv4Settings::Address> sentMoreAddresses(const Profile& profile);

// What an apply does beyond the change, and when its caller hears of it.
struct ApplyChecks {
    // Told the outcome as soon as the change is made, before the gateway is asked whether it answers;
    // the outcome returned then adds its answer. Unset: only the outcome returned.
    std::function<void(const ApplyOutcome&)> made{};
    // Above zero: where the gateway answered before the change, a way back is taken first and handed
    // over (ApplyOutcome::Undo) if the gateway does not answer after it; a service that rolls back by
    // itself does so after this long and a margin, should the caller never decide.
    std::chrono::seconds undoWithin{0};
};

// How long the checks may wait: for a host that holds the address to answer before the change, and
// for the gateway to answer after it.
inline constexpr std::chrono::milliseconds AddressProbeWait{300};
inline constexpr std::chrono::milliseconds GatewayWait{1000};

class Applier {
public:
    // A null connector behaves like a service that cannot be reached.
    explicit Applier(std::shared_ptr<platform::ServiceConnector> connector);

    // `typed` holds the boxes' texts as typed; the servers are trimmed here. A static address is put
    // into effect only where no other host answers for it, and the gateway is asked afterwards.
    ApplyOutcome SetInterface(const Profile& typed, ApplyMode mode) const;
    ApplyOutcome SetInterface(const Profile& typed, ApplyMode mode, const ApplyChecks& checks) const;

private:
    std::shared_ptr<platform::ServiceConnector> Connector;
};

} // namespace korvo
