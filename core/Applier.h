// The applying run: a profile's servers taken as a command takes them, its
// addresses validated, and the adapter whose caption it names changed through
// the network configuration service. No window: the caller shows the outcome.
#pragma once

#include "core/AddressValidation.h"
#include "core/Profile.h"

#include <QString>
#include <memory>

namespace korvo {

namespace platform {
class ServiceConnector;
}

struct ApplyOutcome {
    // Refused: part of the change took: the address is in place but the service refused another
    // setting, or the change is saved but not in effect.
    enum class State { Applied, Refused, Invalid, ServiceError };
    State state = State::ServiceError;
    QString Heading;      // the applying window's caption
    QString ResultText;   // lines end in a lone CR
    QString ResultValues; // the values in effect beside ResultText's names; empty after a service error
    Profile Values;       // the profile as validated and sent: canonical addresses, "Ignored"
};

// The servers as the profile commands take them from the boxes: trimmed of blanks, and which are left
// out (empty; on the DHCP tab also the literal "DHCP"). Address, mask and gateway stay as typed.
OmittedServers takeServers(Profile& profile, ApplyMode mode);

class Applier {
public:
    // A null connector behaves like a service that cannot be reached.
    explicit Applier(std::shared_ptr<platform::ServiceConnector> connector);

    // `typed` holds the boxes' texts as typed; the servers are trimmed here.
    ApplyOutcome SetInterface(const Profile& typed, ApplyMode mode) const;

private:
    std::shared_ptr<platform::ServiceConnector> Connector;
};

} // namespace korvo
